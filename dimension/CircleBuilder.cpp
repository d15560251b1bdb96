#include "dimension/CircleBuilder.h"

#include <cmath>
#include <numbers>

#include "dimension/BuilderOptions.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "records/MeasuredPoints.h"

namespace {

constexpr double kPi = std::numbers::pi;

AIRealPoint Offset(AIRealPoint p, double dx, double dy) {
    return AIRealPoint{static_cast<AIReal>(p.h + dx), static_cast<AIReal>(p.v + dy)};
}

} // namespace

CircleLayout LayOutCircle(AIRealPoint centre, double radius, AIRealPoint labelPoint, double fallbackAngle,
                          bool diameter, bool radiusLineDrawn, bool marksOutside, double tieLength,
                          AIRealPoint labelOffset) {
    CircleLayout layout;
    const Vector2 towards = Vector2(labelPoint) - Vector2(centre);
    const double angle = towards.IsDegenerate() ? fallbackAngle : std::atan2(towards.Y, towards.X);
    const AIRealPoint onCircle = PointOnCircle(centre, radius, angle);
    const double flip = marksOutside ? kPi : 0.0;
    layout.LineEnds[0] = diameter ? PointOnCircle(centre, radius, angle + kPi) : centre;
    layout.LineEnds[1] = onCircle;
    layout.LineShown = diameter || radiusLineDrawn;
    layout.SecondMark = diameter;
    layout.MarkDirections[0] = angle + flip;
    // The circle point's mark has its line towards the centre while the line is drawn, else out to the
    // leader.
    layout.MarkDirections[1] = (layout.LineShown ? angle + kPi : angle) + flip;

    layout.LabelAt = labelPoint;
    if (towards.Length() > radius + kNegligibleLength) {
        const double side = std::cos(angle) < 0.0 ? -1.0 : 1.0;
        const double tie = std::isfinite(tieLength) && tieLength > 0.0 ? tieLength : 0.0;
        layout.Leader[0] = onCircle;
        layout.Leader[1] = labelPoint;
        layout.Leader[2] = Offset(labelPoint, side * tie, 0.0);
        layout.LeaderCount = tie > 0.0 ? 3 : 2;
        layout.LabelAt = Offset(labelPoint, side * tie / 2.0, kLabelClearance);
    }
    layout.LabelAt = Offset(layout.LabelAt, labelOffset.h, labelOffset.v);
    return layout;
}

ASErr DrawCircleDimension(AIReal x, AIReal y, int32_t withEnds, int32_t /*alt*/, int32_t /*rightShift*/,
                          int32_t /*dragModifier*/) {
    const MeasuredPoints& m = gMeasuredPoints;
    const double radius = m.CircleRadius;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius) || radius < kNegligibleLength ||
        !std::isfinite(m.CircleCentre.h) || !std::isfinite(m.CircleCentre.v)) {
        return kBadParameterErr;
    }
    const AIRealPoint labelPoint{x, y};
    const bool outside = (withEnds != 0) != (gCurrentOptions.CircleArrowsFlag != 0);
    const AIRealPoint labelOffset{static_cast<AIReal>(gCurrentOptions.CircleOffsetX),
                                  static_cast<AIReal>(gCurrentOptions.CircleOffsetY)};
    const CircleLayout layout = LayOutCircle(
        m.CircleCentre, radius, labelPoint, gDimensionValues.ArcMiddleAngle, gCurrentOptions.Diameter != 0,
        gSettings.RadiusLineDrawn != 0, outside, gCurrentOptions.CircleTieLength, labelOffset);
    gToolState.CircleLabelDistance = static_cast<AIReal>(Distance(m.CircleCentre, labelPoint));

    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    if (IsLiveArt(d.CircleParts[0])) {
        KeepError(result, layout.LineShown
                              ? SetLinePath(d.CircleParts[0], layout.LineEnds[0], layout.LineEnds[1])
                              : ClearPath(d.CircleParts[0]));
    }
    if (IsLiveArt(d.CircleParts[1])) {
        KeepError(result, layout.LeaderCount > 0
                              ? SetStraightPath(d.CircleParts[1], layout.Leader, layout.LeaderCount)
                              : ClearPath(d.CircleParts[1]));
    }
    KeepError(result, PlaceEndMark(d.EndMarks[0][0], layout.LineEnds[1], layout.MarkDirections[1], nullptr));
    KeepError(result, PlaceEndMark(d.EndMarks[2][0], layout.LineEnds[1], layout.MarkDirections[1], nullptr));
    if (layout.SecondMark) {
        KeepError(result,
                  PlaceEndMark(d.EndMarks[1][0], layout.LineEnds[0], layout.MarkDirections[0], nullptr));
        KeepError(result,
                  PlaceEndMark(d.EndMarks[3][0], layout.LineEnds[0], layout.MarkDirections[0], nullptr));
    }
    gDimensionValues.DimensionLineEnds[0] = CornerSegment(layout.LineEnds[0]);
    gDimensionValues.DimensionLineEnds[1] = CornerSegment(layout.LineEnds[1]);

    FormatCircleDimensionText(static_cast<AIReal>(radius));
    KeepError(result, SetDimensionLabel(&d.LabelFrames[0], layout.LabelAt, 0.0f));
    return result;
}
