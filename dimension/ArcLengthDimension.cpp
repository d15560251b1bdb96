#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/LinearDimensions.h"
#include "dimension/ValueFormat.h"
#include "panel/CurrentOptions.h"
#include "tools/MeasuredPoints.h"
#include "tools/ToolState.h"

namespace {

constexpr double kHalfTurn = std::numbers::pi;
constexpr double kQuarterTurn = std::numbers::pi / 2.0;

// The end marks of the arc at its start and its end, each pointing along the arc into it (or out of it from
// outside with `outside`).
ASErr PlaceArcEndMarks(AIRealPoint centre, double radius, double start, double sweep, bool outside) {
    const double turn = sweep < 0.0 ? -kQuarterTurn : kQuarterTurn;
    const double end = start + sweep;
    double intoFromStart = start + turn, intoFromEnd = end - turn;
    if (outside) {
        intoFromStart += kHalfTurn;
        intoFromEnd += kHalfTurn;
    }
    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    for (size_t set = 0; set < kEndMarkSets; set += 2) {
        KeepError(result, PlaceEndMark(d.EndMarks[set][0], PointOnCircle(centre, radius, start), intoFromStart, nullptr));
        KeepError(result, PlaceEndMark(d.EndMarks[set + 1][0], PointOnCircle(centre, radius, end), intoFromEnd, nullptr));
    }
    return result;
}

}  // namespace

ASErr DrawArcLengthDimension(int32_t withEnds, int32_t /*rightShift*/, int32_t alt, int32_t dragModifier) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint centre = m.AngleVertex.p;
    const Vector2 towardsFirst = Vector2(m.ArcFirstAnchor.p) - Vector2(centre);
    const Vector2 towardsLast = Vector2(m.ArcLastAnchor.p) - Vector2(centre);
    const double radius = gCurrentOptions.ArcRadius;
    if (towardsFirst.IsDegenerate() || towardsLast.IsDegenerate() || !std::isfinite(radius)) return kBadParameterErr;
    const double start = std::atan2(towardsFirst.Y, towardsFirst.X);
    const double sweep = -static_cast<double>(m.AngleValue);
    const bool outside = (withEnds != 0) != (gToolState.SegmentArrowsFlag != 0);
    FormatDimensionLength(std::abs(static_cast<double>(m.AngleValue) * m.CircleRadius));
    CurrentDimension& d = gCurrentDimension;
    ASErr result = SetArcPath(d.AngleArcs[0], centre, radius, start, sweep);
    KeepError(result, PlaceArcEndMarks(centre, radius, start, sweep, outside));
    const bool extensions = (gCurrentOptions.SideTiesOn != 0) != (dragModifier != 0);
    const double overshoot = ExtensionOvershoot();
    const AIRealPoint lineEnds[kExtensionLineCount] = {PointOnCircle(centre, radius, start),
                                                       PointOnCircle(centre, radius, start + sweep)};
    const AIRealPoint anchors[kExtensionLineCount] = {m.ArcFirstAnchor.p, m.ArcLastAnchor.p};
    for (size_t k = 0; k < kExtensionLineCount; ++k) {
        KeepError(result, extensions ? SetExtensionLine(d.ExtensionLines[k], anchors[k], lineEnds[k], overshoot)
                                     : ClearPath(d.ExtensionLines[k]));
    }
    const double middle = start + sweep / 2.0;
    const bool horizontal = (gCurrentOptions.HorizontalText != 0) != (alt != 0);
    const AIRealPoint onArc = PointOnCircle(centre, radius + kLabelClearance, middle);
    KeepError(result, horizontal ? SetDimensionLabel(&d.LabelFrames[0], onArc, 0.0f)
                                 : SetAngleLabel(&d.LabelFrames[0], centre, static_cast<AIReal>(radius + kLabelClearance),
                                                 static_cast<AIReal>(middle)));
    return result;
}
