// The document as a user would see it, written as SVG: visible layers as groups, bottom first, each path with
// its style, text frames as text. Artwork v points up and SVG y down, so every y is the artwork v negated.
#pragma once

#include <string>

namespace driver {

std::string SvgDocument();

} // namespace driver
