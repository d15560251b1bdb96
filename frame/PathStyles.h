// The three host path styles given to new dimension art.
#pragma once

#include <cstdint>

#include "host/Types.h"

struct PathStyles {
    AIPathStyle DimensionLineStyle;  // stroke only: dimension lines, extension lines, hollow end marks
    AIPathStyle BasePathStyle;       // DimensionLineStyle with the dash pattern and the line ends applied
    AIPathStyle EndMarkStyle;        // filled with the stroke colour, no stroke: filled end marks
};

extern PathStyles gPathStyles;

// The miter limit of the end-mark style.
constexpr AIReal kEndMarkMiterLimit = 10.0f;
// Dash entries of a dashed dimension line: dash, gap, dash, gap.
constexpr int16_t kDashEntryCount = 4;

// Sets the starting fill, fill colour kind, caps, joins, miter limit and dash of the three styles, the end-mark
// style from the document's current path style when the host gives one; the dimension-line style keeps its
// stroke colour. Needs no panel.
void InitPathStyles();
// Puts the committed stroke colour (or, with global swatches, the stroke swatch's custom colour) into the
// styles, then rebuilds BasePathStyle from DimensionLineStyle with the stored dash and line-end settings.
void ApplyStrokeColourToStyles(int32_t globalSwatches);
// Rebuilds BasePathStyle from DimensionLineStyle, the stored "Pointille", dash lengths and "BoutRond".
void RebuildBasePathStyle();
// Sets only the dash count, the four dash entries (negative lengths as 0) and the line cap of `style` from the
// stored "Pointille", dash lengths and "BoutRond"; the dash offset and every other field stay.
void ApplyDashSettings(AIPathStyle& style);
