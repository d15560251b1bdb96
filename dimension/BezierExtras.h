// The Bézier tool's constructions: division marks of a segment, an angle or a curve, the reticle of a circle,
// the local radius and the local tangent of a curve.
#pragma once

#include <cstdint>
#include <vector>

#include "frame/SettingRanges.h"
#include "host/Types.h"

// Samples per curve segment when a curve is divided by length.
constexpr int32_t kCurveSamplesPerSegment = 64;
// The reticle's centre lines run past the circle by this fraction of the radius; the ticks across the circle
// at its four quadrant points are twice this fraction of the radius long.
constexpr double kReticleOvershootRatio = 0.2;
constexpr double kReticleTickRatio = 0.1;

// One division mark: a straight tick from one point to another.
struct DivisionTick {
    AIRealPoint From;
    AIRealPoint To;
};

// The parts a division shows: `count` (held to 1..kMaxDivisionCount), the inner division points, and both
// ends too when `withEnds`; as the indexes k of the points k / count of the way.
std::vector<int32_t> DivisionSteps(int32_t count, bool withEnds);
// The parts a division of the live "NbDivBez" makes: the count the hint shows and the marks drawn.
int32_t LiveDivisionCount();

// Ticks dividing the segment a-b, from each division point across the segment by the offset of `through`
// from the line (centred on the line when `centred`); none when a and b coincide.
std::vector<DivisionTick> SegmentDivisionTicks(AIRealPoint a, AIRealPoint b, AIRealPoint through,
                                               int32_t count, bool withEnds, bool centred);
// Rays from `vertex` dividing the angle from `start` over `sweep` (radians), as long as `through` is far from
// the vertex; none when that length is nothing.
std::vector<DivisionTick> AngleDivisionTicks(AIRealPoint vertex, double start, double sweep,
                                             AIRealPoint through, int32_t count, bool withEnds);
// Ticks along the normals of a polyline (the sampled curve) at equal lengths along it, as long as `through`
// is far from `clicked` and on its side of the curve; none for a polyline without length.
std::vector<DivisionTick> PolylineDivisionTicks(const std::vector<AIRealPoint>& polyline, AIRealPoint clicked,
                                                AIRealPoint through, int32_t count, bool withEnds);
// The points of a path's curves, each segment sampled kCurveSamplesPerSegment times (the closing segment of a
// closed path included); empty for no path.
std::vector<AIRealPoint> SampledPath(AIArtHandle path);

// The centre of curvature: where the normal through `point` and `normalTip` meets the normal through `next`
// and `nextTip`; false when they are parallel (a straight curve).
bool CentreOfCurvature(AIRealPoint point, AIRealPoint normalTip, AIRealPoint next, AIRealPoint nextTip,
                       AIRealPoint* centre);

// The division marks of the segment DividedSegment into the live "NbDivBez" parts, across it by the
// offset of (x, y); the ends too with "BoutsBez" or Control; centred on the segment with Alt. Right Shift
// changes nothing. Marks are made or dropped in gDivisionMarks to match.
ASErr DrawSegmentDivisions(AIReal x, AIReal y, int32_t alt, int32_t rightShift, int32_t withEnds);
// The rays dividing the angle at AngleVertex from DivisionStartAngle over DivisionSweep (the re-entrant side
// with AngleFlip), as long as (x, y) is far from the vertex.
ASErr DrawAngleDivisions(AIReal x, AIReal y, int32_t alt, int32_t rightShift, int32_t withEnds);
// The ticks dividing the whole curve of DivisionPath by length, as long as (x, y) is far from ClickPoint and
// on its side of the curve.
ASErr DrawCurveDivisions(AIReal x, AIReal y, int32_t alt, int32_t rightShift, int32_t withEnds);
// The six paths of the reticle at CircleCentre: the two centre lines and four ticks at the quadrant points.
ASErr DrawReticle();
// The radius line from the centre of curvature at ClickPoint (from the normals kept after it) to ClickPoint,
// its end mark at ClickPoint (the other way with Control or BezierArrowsFlag, or where the line is shorter than
// the mark needs) and the radius as the label, reading along the line on its continuation past the curve
// point, away from the centre, clear of the curve and the mark, moved by the live "DecalageBezierX" and
// "DecalageBezierY". (x, y) is kept as the point the redraw draws at. A straight curve clears the line and the
// mark and leaves the label.
ASErr DrawLocalRadius(AIReal x, AIReal y, int32_t dragModifier, int32_t withEnds);
// The tangent (AuxLine) and the normal (DimensionLines[0]) at ClickPoint, each BezierPathLength long on both
// sides of the point.
ASErr DrawLocalTangent();
// Redraws the Bézier construction of the current group by its ConstructionKind: the division of the kind
// clicked (from the point the click computed, BezierPathLength from its base point), the reticle, the local
// radius at the point it was last drawn at, or the local tangent; nothing when there is none.
ASErr RedrawBezierExtra();
