// A stable plain-text listing of the document: each layer (top first), then its art top first, one line per
// node indented by depth, as the stand-in document describes its nodes.
#pragma once

#include <string>

namespace driver {

// The stand-in's document as text, e.g.
//   layer "Calque 1" visible unlocked colour=... current
//     path "Contour" closed style=... anchors=[(0,0) (200,0) (200,120)]
std::string TreeDump();

} // namespace driver
