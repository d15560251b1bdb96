// What the figure makers share: the figure's style, and the path made once per creation click directly above
// the click's dimension group.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"

// The style of a created figure: DimensionLineStyle with the figure's stroke width (never below 0) and cap.
AIPathStyle FigureStyle(double width, AILineCap cap);

// What became of the figure's path at a maker's call.
struct FigurePathStep {
    ASErr Error = kNoErr;  // the host's refusal of a new path
    bool Refused = false;  // the host refused the path: the maker stops
};

// Makes the path of the figure of the current creation click once: while `made` is 0, a path of
// `segmentCount` segments in `style` placed directly above DimensionGroup (its sibling) into `path`, and `made`
// becomes 1. When the group has gone, `made` becomes 1 with `path` null, so no later step of this click moves
// the figure of an earlier one; when the host refuses the path, `made` stays 0.
FigurePathStep MakeFigurePathOnce(int32_t& made, AIArtHandle& path, int16_t segmentCount, const AIPathStyle& style);

// Writes `count` segments from index 0 into the path when the host still knows it and they are finite; its
// last error.
ASErr WriteFigureSegments(AIArtHandle path, const AIPathSegment* segments, int16_t count);

// Moves the cursor point 1.0 to the right, so that the mouse-up ending a drag that shaped a figure never
// finds the mouse where it went down and opens no creation dialog.
void ShiftCursorPastFigure();

// A drag step that leaves the figure as it is (its cursor lies beyond what a float measures): the cursor point
// moves on as after any figure step. Answers 0.
ASErr KeepCreatedFigure();
