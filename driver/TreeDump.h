// A stable plain-text listing of the document: each layer, then its art top first, indented by depth.
#pragma once

#include <string>

namespace driver {

// The stand-in's document as text, e.g.
//   layer "Calque 1" current
//     path "Contour" closed
//       style stroke=gray(1) width=1 fill=none
//       tag vek=string:jj
//       anchor 0,0
//       anchor 60,80 in 71.046,80 out 48.954,80 smooth
std::string TreeDump();

}  // namespace driver
