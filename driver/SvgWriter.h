// The document as a user would see it, written as SVG: visible layers as groups, bottom first, each path with
// its style, text frames as text. Artwork v points up and SVG y down, so every y is the artwork v negated.
#pragma once

#include <string>

namespace driver {

std::string SvgDocument();

// A text made safe inside SVG text and attributes: markup characters as entities, control characters as blanks
// (line breaks and tabs kept).
std::string XmlEscaped(const std::string& text);

} // namespace driver
