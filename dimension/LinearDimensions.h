// The linear dimension builders: parallel, horizontal and vertical dimensions between FirstPoint and
// SecondPoint, with the text in a gap of the line or shifted to a side, the six series builders and the
// arc-length dimension. Each computes its defining points and hands them to DrawStraightDimension.
#pragma once

#include <cstdint>

#include "host/Types.h"

// The directions a linear dimension measures along, numbered as the live "RadioCoteType".
enum LinearOrientation : int32_t { kParallelDimension = 0, kHorizontalDimension = 1, kVerticalDimension = 2 };

// Builds or rebuilds the linear dimension of CurrentDimension from FirstPoint and SecondPoint at the live
// "Attaches" (the signed offset of the line), by the live orientation and LabelPosition; ArcLengthMode hands
// over to DrawArcLengthDimension. Result: the last host error.
ASErr DrawSegmentDimension();

// The signed offset of `p` from FirstPoint and SecondPoint across the live orientation: the live "Attaches" of a
// line through it.
double LinearOffsetOf(AIRealPoint p);
// Puts a linear dimension's own offset in force: the live "Attaches" and the extension lines' reach with it.
void UseLinearOffset(double offset);

// How far the extension lines reach past the measured line for a dimension line at the signed `offset`: the
// offset and the live end-mark share beyond it, signed as the offset is.
double ExtensionReachAt(double offset);

// The drag builders: the line runs through the label point (x, y), the text sits in a gap of the line. With
// WithEnds the end marks point inwards from outside; right Shift rounds the offset up to a multiple of the
// stored "Attaches"; Space lets the text follow the label point along the line; Alt (parallel only) turns the
// text the other way than the live "TexteHoriz"; DragModifier inverts the live "AvecAttaches" (extension
// lines). Each writes the offset into the live "Attaches" and the line ends into DimensionLineEnds.
ASErr DrawParallelDimensionWithTextGap(AIReal x, AIReal y, int32_t withEnds, int32_t alt, int32_t rightShift,
                                       int32_t space, int32_t dragModifier);
ASErr DrawHorizontalDimensionWithTextGap(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                         int32_t withEnds, int32_t rightShift, int32_t space,
                                         int32_t dragModifier);
ASErr DrawVerticalDimensionWithTextGap(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                       int32_t withEnds, int32_t rightShift, int32_t space,
                                       int32_t dragModifier);

// The side-text builders: the text stands beside the line past the end LabelPosition names, the line running
// on under it; the text shift grows by the measured length while SideTextFlag is set. The parallel one lies
// at the live "Attaches" and its extension lines reach ExtensionLineReach; the projected ones run through the
// label point.
ASErr DrawParallelDimensionSideText(int32_t withEnds, int32_t alt, int32_t dragModifier);
ASErr DrawHorizontalDimensionSideText(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                      int32_t withEnds, int32_t rightShift, int32_t dragModifier);
ASErr DrawVerticalDimensionSideText(AIReal x, AIReal y, AIReal x1, AIReal y1, AIReal x2, AIReal y2,
                                    int32_t withEnds, int32_t rightShift, int32_t space,
                                    int32_t dragModifier);

// The series builders: dimension i of the points of SeriesPointTable, measured from the first point (stacked
// SeriesLabelStep apart, away from the points) or chained point to point, the first line through the cursor.
// The oblique ones measure along the line from the first to the last point. The series holds ClickCount
// points (at most kSeriesPointCapacity); fewer than two build nothing. Series have no extension lines.
// SeriesRunningValue takes the sum of the chained lengths, or the longest length measured from the first
// point. A chained value that fits nowhere on the line stands in a row off it with a leader, the rows stacked
// outward; with arrows, an inner point of a chain next to a span shorter than two end marks has one dot that
// both spans share, every dot of the chain of one size. The phases are declared in SeriesLayout.h.
ASErr DrawSeriesFromOriginOblique(AIReal x, AIReal y, int32_t withEnds);
ASErr DrawSeriesFromOriginHorizontal(AIReal x, AIReal y, int32_t withEnds);
ASErr DrawSeriesFromOriginVertical(AIReal x, AIReal y, int32_t withEnds);
ASErr DrawSeriesChainOblique(AIReal x, AIReal y, int32_t withEnds);
ASErr DrawSeriesChainHorizontal(AIReal x, AIReal y, int32_t withEnds);
ASErr DrawSeriesChainVertical(AIReal x, AIReal y, int32_t withEnds);

// The arc-length dimension of the arc around AngleVertex from ArcFirstAnchor over AngleValue (signed,
// counter-clockwise positive): a concentric arc (AngleArcs[0]) at the live "Rayon", end marks at its ends
// (the arc running on past marks that point in from outside), radial extension lines and the text
// AngleValue x CircleRadius; the arc's two ends go into DimensionLineEnds. The value stands on the side of its
// arc away from the measured arc, whichever way it reads; where it or the marks do not fit, they go outside as
// on an angle: the marks past the ends pointing in, the value out along the bisector beyond both arcs until it
// clears every part. WithEnds, Alt and DragModifier act as for the linear drag builders; right Shift is the
// drag's (it rounds "Rayon").
ASErr DrawArcLengthDimension(int32_t withEnds, int32_t rightShift, int32_t alt, int32_t dragModifier);
