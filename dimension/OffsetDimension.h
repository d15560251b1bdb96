// The dimension along a curve: a line that follows the measured curve at an offset, made by the host's art
// converter, with end marks at its two ends, extension lines from the curve's ends and the curve's length.
#pragma once

#include <cstdint>

#include "host/Types.h"

// The alert shown when the line cannot be made at the offset asked for.
inline constexpr const char kOffsetTooLargeAlert[] =
    "Décalage trop grand, recommencez avec un décalage plus petit.";
// How far a label's letters rise above its baseline: this share of the text size.
constexpr double kLabelCapHeight = 0.7;

// +1 when the dimension goes on the left of the curve's travel (the side of CurveNormalTip), -1 on its right:
// the side of `cursor`, or the sign of `offset` for a cursor on the curve's tangent.
double OffsetSide(AIRealPoint cursor, double offset);

// Builds the dimension of the open path *measuredArt in the parts of CurrentDimension: the line
// (dimensionLines[0]) runs at the distance |offset| (right Shift: rounded up to a multiple of the stored
// "Attaches", written back into the live "Attaches") on the side of the curve where the point (x, y) lies
// against the normal CurveClickPoint-CurveNormalTip (on the normal's side for a point on neither, as the sign
// of the offset says). The end marks sit at the line's ends pointing into it (from outside, the line running
// on past them, with WithEnds against the Segment arrows flag); the extension lines run from the curve's end
// anchors (DragModifier inverts the live "AvecAttaches"); the label shows the curve's length at the middle of
// the line, outside it. Writes the line's ends into DimensionLineEnds. When the line cannot be made, the
// alert kOffsetTooLargeAlert is shown (once in a press along the curve, its click and its drag) and the parts
// stay as they were. Result: the last host error.
ASErr DrawOffsetDimension(AIArtHandle* measuredArt, AIArtHandle* dimensionLines, AIReal offset, AIReal x,
                          AIReal y, int32_t rightShift, int32_t withEnds, int32_t dragModifier);
