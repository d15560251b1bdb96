// The one write of a path's shape, held to the host's canvas, and the finiteness tests it and the drags use.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/SettingsTable.h"
#include "host/Types.h"

// The farthest from the origin, in points, that a coordinate of the art the plug-in lays may lie: the host's
// canvas. Lengths of settings add up (an offset, a tie and a text gap beside the drawing's own place), so no
// range alone keeps the art on the canvas; every anchor, handle and label anchor is held to it where it is
// written.
constexpr double kCanvasReach = kLongestDrawingLength;

// True when both coordinates of the point are finite numbers.
bool IsFinitePoint(AIRealPoint p);
// True when a length or coordinate computed in double precision fits an artwork float: finite and within its
// range. A figure drag beyond that keeps the figure's last measure; a stored point beyond it is not read.
bool FitsArtworkFloat(double value);
// True when every anchor and handle of the `count` segments is a finite point.
bool AreSegmentsFinite(const AIPathSegment* segments, size_t count);

// A point held to the canvas: each finite coordinate to ±kCanvasReach. A coordinate that is not finite stays
// as it is, for the writer to refuse.
AIRealPoint HeldOnCanvas(AIRealPoint p);

// The share (0 to 1) of a figure's size at which every anchor and handle of its `count` segments, the figure
// scaled about `about`, lies on the canvas: 1 for a figure already on it, about a point off it, which no share
// brings on (the writer holds each of its points), and for one with a point that is no number (the maker
// refuses it). A figure made from a drag or a typed size is held to the canvas at that share, its measure with it.
double CanvasShare(AIRealPoint about, const AIPathSegment* segments, size_t count);

// The one write of a path's shape: `count` segments from index 0, every anchor and handle held to the canvas.
// Any coordinate that is not finite leaves the path as it was and answers kBadParameterErr.
ASErr WriteSegmentsOnCanvas(AIArtHandle path, const AIPathSegment* segments, int16_t count);
