#include "dimension/CircleBuilder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Placement.h"
#include "dimension/Labels.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "records/MeasuredPoints.h"

namespace {

constexpr double kPi = std::numbers::pi;

AIRealPoint Offset(AIRealPoint p, double dx, double dy) {
    return AIRealPoint{static_cast<AIReal>(p.h + dx), static_cast<AIReal>(p.v + dy)};
}

// True when the box grown by `gap` meets an end mark of the layout, either variant of it.
bool BoxMeetsMarks(const LabelBox& box, const CircleLayout& layout, double scale, double gap) {
    // The circle point's marks are sets 0 and 2, the far end's sets 1 and 3.
    for (size_t end = layout.SecondMark ? 0 : 1; end < 2; ++end) {
        const Vector2 tip(layout.LineEnds[end]);
        const double direction = layout.MarkDirections[end];
        if (BoxMeetsEndMark(box, gap, tip, direction, scale) ||
            BoxMeetsEndMark(box, gap, tip, EndMarkSetDirection(end == 1 ? 2 : 3, direction), scale))
            return true;
    }
    return false;
}

// True when the value's box grown by `gap` stands inside the circle, clear of its outline and of the marks.
bool ValueClearInside(const LabelBox& box, const CircleLayout& layout, AIRealPoint centre, double radius,
                      double scale, double gap) {
    return BoxAgainstCircle(box, gap, Vector2(centre), radius) == CircleSide::Inside &&
           !BoxMeetsMarks(box, layout, scale, gap);
}

// The places a value slid along its line inside a circle tries lie half a value gap apart, or the line's length
// over this where that is farther, so that a drag over a large circle stays quick.
constexpr double kMostSlidePlaces = 256.0;

// Slides the value anchored at *anchor along the line in direction `out` (its label point `reach` from the
// centre, `from` to `to` along the line) to the nearest place where it stands clear inside; false when there is
// none, *anchor left as it was.
bool SlideClearInside(AIRealPoint* anchor, Vector2 out, double reach, double from, double to,
                      const LabelExtent& value, const CircleLayout& layout, AIRealPoint centre, double radius,
                      double scale, double gap) {
    const double step = std::max(gap / 2.0, (to - from) / kMostSlidePlaces);
    for (double shift = step; reach - shift >= from || reach + shift <= to; shift += step) {
        for (const double along : {-shift, shift}) {
            if (reach + along < from || reach + along > to) continue;
            const AIRealPoint moved = (Vector2(*anchor) + out * along).ToPoint();
            if (ValueClearInside(BoxAtAnchor(moved, 0.0, value), layout, centre, radius, scale, gap)) {
                *anchor = moved;
                return true;
            }
        }
    }
    return false;
}

} // namespace

CircleLayout LayOutCircle(AIRealPoint centre, double radius, AIRealPoint labelPoint, double fallbackAngle,
                          bool diameter, bool radiusLineDrawn, bool marksOutside, double tieLength,
                          AIRealPoint labelOffset, const CircleRoom& room) {
    CircleLayout layout;
    const Vector2 towards = Vector2(labelPoint) - Vector2(centre);
    const double angle = towards.IsDegenerate() ? fallbackAngle : std::atan2(towards.Y, towards.X);
    const AIRealPoint onCircle = PointOnCircle(centre, radius, angle);
    layout.LineEnds[0] = diameter ? PointOnCircle(centre, radius, angle + kPi) : centre;
    layout.LineEnds[1] = onCircle;
    layout.LineShown = diameter || radiusLineDrawn;
    layout.SecondMark = diameter;
    // The marks sit inside the line when it gives them room; a radius without its line has its mark outside.
    FitRoom fitRoom;
    fitRoom.MarksFitInside = !layout.LineShown ||
                             MarksFitInside(diameter ? 2.0 * radius : radius, room.MarkLength, diameter ? 2 : 1);
    fitRoom.MarksOutsideAsked = marksOutside;
    layout.MarksOutside = DecideFit(fitRoom).MarksOutside;
    const double flip = layout.MarksOutside ? kPi : 0.0;
    layout.MarkDirections[0] = angle + flip;
    // The circle point's mark has its line towards the centre while the line is drawn, else out to the
    // leader.
    layout.MarkDirections[1] = (layout.LineShown ? angle + kPi : angle) + flip;

    const Vector2 out(std::cos(angle), std::sin(angle));
    bool leader = towards.Length() > radius + kNegligibleLength;
    const double scale = EndMarkScale();
    const double gap = OutsideValueStart(false);
    const LabelExtent& value = room.Value;
    layout.LabelAt = labelPoint;
    AIRealPoint bend = labelPoint;
    if (!leader && !value.IsEmpty()) {
        if (layout.LineShown) {
            // Inside the circle the value stands beside the line, on its upper side, clear of it.
            Vector2 beside = out.Perpendicular();
            if (beside.Y < -kGeometryEpsilon || (std::abs(beside.Y) <= kGeometryEpsilon && beside.X < 0.0))
                beside = beside * -1.0;
            const LabelBox flat{Vector2(), 0.0, value};
            const Vector2 middle = Vector2(labelPoint) + beside * (flat.HalfExtentOn(beside) + kLabelClearance);
            layout.LabelAt = AnchorForCentre(middle, 0.0, value);
        }
        // Where it does not stand inside clear of the outline and the marks, it slides along its line to where
        // it does; where it does nowhere, it goes on the leader's continuation outside the circle.
        if (!ValueClearInside(BoxAtAnchor(layout.LabelAt, 0.0, value), layout, centre, radius, scale, gap) &&
            !SlideClearInside(&layout.LabelAt, out, towards.Length(), diameter ? -radius : 0.0, radius, value,
                              layout, centre, radius, scale, gap)) {
            leader = true;
            bend = (Vector2(onCircle) + out * OutsideMarkTail(scale)).ToPoint();
        }
    }
    const double tail = layout.MarksOutside && layout.LineShown ? OutsideMarkTail(scale) : 0.0;
    layout.LineDrawn[0] = diameter ? (Vector2(layout.LineEnds[0]) - out * tail).ToPoint() : layout.LineEnds[0];
    layout.LineDrawn[1] = leader ? onCircle : (Vector2(onCircle) + out * tail).ToPoint();
    if (leader) {
        const double side = TurnSense(std::cos(angle));
        const double asked = std::isfinite(tieLength) && tieLength > 0.0 ? tieLength : 0.0;
        const double shoulder = value.IsEmpty() ? 0.0 : value.Width + 2.0 * gap;
        const double tie = std::max(asked, shoulder);
        // The value stands on the shoulder, its lowest point (its descent) the label clearance above it.
        const double lift = kLabelClearance - value.Bottom;
        // The bend goes out along the leader until the value on the shoulder clears the outline and the marks.
        const double step = gap / 2.0;
        const double farthest = radius + tie + value.Width + value.Height() + 4.0 * gap + OutsideMarkTail(scale);
        int32_t steps = 0;
        for (double reach = (Vector2(bend) - Vector2(centre)).Length();
             !value.IsEmpty() && reach < farthest && steps < kMostSearchSteps; reach += step, ++steps) {
            bend = (Vector2(centre) + out * reach).ToPoint();
            const LabelBox box = BoxAtAnchor(Offset(bend, side * tie / 2.0, lift), 0.0, value);
            if (BoxAgainstCircle(box, gap, Vector2(centre), radius) == CircleSide::Outside &&
                !BoxMeetsMarks(box, layout, scale, gap))
                break;
        }
        layout.Leader[0] = onCircle;
        layout.Leader[1] = bend;
        layout.Leader[2] = Offset(bend, side * tie, 0.0);
        layout.LeaderCount = tie > 0.0 ? 3 : 2;
        layout.LabelAt = Offset(bend, side * tie / 2.0, lift);
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
    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    // The value first, measured, so that the shoulder holds it.
    FormatCircleDimensionText(static_cast<AIReal>(radius));
    CircleRoom room;
    KeepError(result, WriteDimensionLabel(&d.LabelFrames[0]));
    room.Value = MeasureDimensionLabel(d.LabelFrames[0]);
    room.MarkLength = EndMarkLength(EndMarkScale());
    const CircleLayout layout = LayOutCircle(
        m.CircleCentre, radius, labelPoint, gDimensionValues.ArcMiddleAngle, gCurrentOptions.Diameter != 0,
        gSettings.RadiusLineDrawn != 0, outside, gCurrentOptions.CircleTieLength, labelOffset, room);
    gToolState.CircleLabelDistance = static_cast<AIReal>(Distance(m.CircleCentre, labelPoint));
    DimensionPlacement placement;
    placement.LeaderBend = (Vector2(labelPoint) - Vector2(m.CircleCentre)).ToPoint();
    KeepPlacement(placement);
    gDimensionValues.CircleLabelPoint = labelPoint;

    if (IsLiveArt(d.CircleParts[0])) {
        KeepError(result, layout.LineShown
                              ? SetLinePath(d.CircleParts[0], layout.LineDrawn[0], layout.LineDrawn[1])
                              : ClearPath(d.CircleParts[0]));
    }
    if (IsLiveArt(d.CircleParts[1])) {
        KeepError(result, layout.LeaderCount > 0
                              ? SetStraightPath(d.CircleParts[1], layout.Leader, layout.LeaderCount)
                              : ClearPath(d.CircleParts[1]));
    }
    KeepError(result, PlaceEndMark(d.EndMarks[0][0], layout.LineEnds[1], layout.MarkDirections[1], nullptr));
    KeepError(result, PlaceEndMark(d.EndMarks[2][0], layout.LineEnds[1],
                                   EndMarkSetDirection(2, layout.MarkDirections[1]), nullptr));
    if (layout.SecondMark) {
        KeepError(result,
                  PlaceEndMark(d.EndMarks[1][0], layout.LineEnds[0], layout.MarkDirections[0], nullptr));
        KeepError(result,
                  PlaceEndMark(d.EndMarks[3][0], layout.LineEnds[0],
                               EndMarkSetDirection(3, layout.MarkDirections[0]), nullptr));
    }
    gDimensionValues.DimensionLineEnds[0] = CornerSegment(layout.LineEnds[0]);
    gDimensionValues.DimensionLineEnds[1] = CornerSegment(layout.LineEnds[1]);

    if (d.LabelFrames[0] != nullptr)
        KeepError(result, PlaceDimensionLabel(d.LabelFrames[0], layout.LabelAt, 0.0f));
    return result;
}
