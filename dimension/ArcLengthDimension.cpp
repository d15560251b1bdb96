#include <algorithm>
#include <cmath>

#include "dimension/AngleBuilders.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/LinearDimensions.h"
#include "dimension/ValueFormat.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// The end marks of the arc at its start and its end, each pointing along the arc into it (or in from outside
// with `outside`), at the live end-mark size.
ASErr PlaceArcEndMarks(AIRealPoint centre, double radius, double start, double sweep, bool outside) {
    CurrentDimension& d = gCurrentDimension;
    const AIRealPoint ends[2] = {PointOnCircle(centre, radius, start),
                                 PointOnCircle(centre, radius, start + sweep)};
    ASErr result = kNoErr;
    for (size_t set = 0; set < kEndMarkSets; ++set) {
        const bool atStart = set % 2 == 0;
        const double direction = ArcEndMarkDirection(start, sweep, atStart, outside);
        KeepError(result, PlaceEndMark(d.EndMarks[set][0], ends[atStart ? 0 : 1],
                                       EndMarkSetDirection(set, direction), nullptr));
    }
    return result;
}

} // namespace

ASErr DrawArcLengthDimension(int32_t withEnds, int32_t /*rightShift*/, int32_t alt, int32_t dragModifier) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint centre = m.AngleVertex.p;
    const Vector2 towardsFirst = Vector2(m.ArcFirstAnchor.p) - Vector2(centre);
    const Vector2 towardsLast = Vector2(m.ArcLastAnchor.p) - Vector2(centre);
    const double radius = gCurrentOptions.ArcRadius;
    if (towardsFirst.IsDegenerate() || towardsLast.IsDegenerate() || !std::isfinite(radius) ||
        radius < kNegligibleLength || !std::isfinite(m.AngleValue)) {
        return kBadParameterErr;
    }
    const double start = std::atan2(towardsFirst.Y, towardsFirst.X);
    // AngleValue turns counter-clockwise from the first anchor to the last when positive.
    const double sweep = m.AngleValue;
    const bool outside = (withEnds != 0) != (gToolState.SegmentArrowsFlag != 0);
    FormatDimensionLength(std::abs(static_cast<double>(m.AngleValue) * m.CircleRadius));
    CurrentDimension& d = gCurrentDimension;
    // Marks that point in from outside leave the arc running on past them.
    const double tail =
        outside ? OutsideMarkTail(EndMarkScale()) / radius : 0.0;
    const double sign = TurnSense(sweep);
    ASErr result = SetArcPath(d.AngleArcs[0], centre, radius, start - sign * tail, sweep + 2.0 * sign * tail);
    KeepError(result, PlaceArcEndMarks(centre, radius, start, sweep, outside));
    const bool extensions = (gCurrentOptions.SideTiesOn != 0) != (dragModifier != 0);
    const double overshoot = ExtensionOvershoot();
    const AIRealPoint lineEnds[kExtensionLineCount] = {PointOnCircle(centre, radius, start),
                                                       PointOnCircle(centre, radius, start + sweep)};
    const AIRealPoint anchors[kExtensionLineCount] = {m.ArcFirstAnchor.p, m.ArcLastAnchor.p};
    for (size_t k = 0; k < kExtensionLineCount; ++k) {
        KeepError(result, ShapeExtensionLine(k, extensions, anchors[k], lineEnds[k], overshoot));
        gDimensionValues.DimensionLineEnds[k] = CornerSegment(lineEnds[k]);
    }
    const double middle = start + sweep / 2.0;
    const bool horizontal = (gCurrentOptions.HorizontalText != 0) != (alt != 0);
    const AIRealPoint onArc = PointOnCircle(centre, radius + kLabelClearance, middle);
    KeepError(result, horizontal ? SetDimensionLabel(&d.LabelFrames[0], onArc, 0.0f)
                                 : SetAngleLabel(&d.LabelFrames[0], centre,
                                                 static_cast<AIReal>(radius + kLabelClearance),
                                                 static_cast<AIReal>(middle)));
    return result;
}
