#include "dimension/BezierExtras.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "dimension/AngleBuilders.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Placement.h"
#include "dimension/Labels.h"
#include "dimension/Measures.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/CanvasWrites.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"

namespace {

constexpr double kPi = std::numbers::pi;

AIRealPoint At(Vector2 v) {
    return v.ToPoint();
}

}  // namespace

int32_t LiveDivisionCount() { return std::clamp(gCurrentOptions.DivisionCount, 1, kMaxDivisionCount); }

namespace {

bool EndTicks(int32_t withEnds) {
    return gSettings.DivisionEndTicks != 0 || withEnds != 0;
}

// Makes or drops marks in gDivisionMarks until there is one per tick, then shapes them, oldest first.
ASErr LayDivisionMarks(const std::vector<DivisionTick>& ticks) {
    ASErr result = kNoErr;
    // The marks are counted once: counting the list at every mark made would cost the square of the count.
    size_t count = DivisionMarkCount();
    for (; count > ticks.size(); --count)
        DropDivisionMark();
    for (; count < ticks.size(); ++count) {
        const DivisionMark* before = gDivisionMarks.Head;
        KeepError(result, PushDivisionMark());
        if (gDivisionMarks.Head == before)
            return result;
    }
    size_t k = ticks.size();
    for (DivisionMark* mark = gDivisionMarks.Head; mark != nullptr; mark = mark->Next) {
        const DivisionTick& tick = ticks[--k];
        if (IsLiveArt(mark->Path))
            KeepError(result, SetLinePath(mark->Path, tick.From, tick.To));
    }
    return result;
}

// The unit normal (the direction turned a quarter turn counter-clockwise) of the polyline at sample i.
Vector2 PolylineNormal(const std::vector<AIRealPoint>& polyline, size_t i) {
    const size_t a = i == 0 ? 0 : i - 1;
    const size_t b = std::min(i + 1, polyline.size() - 1);
    return UnitVector(Vector2(polyline[b]) - Vector2(polyline[a])).Perpendicular();
}

size_t NearestSample(const std::vector<AIRealPoint>& polyline, AIRealPoint p) {
    size_t best = 0;
    for (size_t i = 1; i < polyline.size(); ++i) {
        if (Distance(polyline[i], p) < Distance(polyline[best], p))
            best = i;
    }
    return best;
}

// The point at `length` along the polyline (cumulative lengths in `along`), and the sample it lies after.
Vector2 PointAlong(const std::vector<AIRealPoint>& polyline, const std::vector<double>& along, double length,
                   size_t* sample) {
    const auto it = std::lower_bound(along.begin(), along.end(), length);
    size_t i = std::clamp<size_t>(static_cast<size_t>(it - along.begin()), 1, polyline.size() - 1);
    const double piece = along[i] - along[i - 1];
    const double t = piece > kGeometryEpsilon ? (length - along[i - 1]) / piece : 0.0;
    *sample = i;
    return Vector2(polyline[i - 1]) + (Vector2(polyline[i]) - Vector2(polyline[i - 1])) * t;
}

// The length and side of the ticks a division is drawn with (the side of a segment's or a curve's; an angle's
// rays have none), put in force (the live path length, which the panel's rebuilds draw them at) and kept with
// the division: the float in force is what is kept, so that a redraw reads back the very length it draws with;
// false for a length no artwork float holds, which is not kept.
bool KeepTicks(double length, double direction) {
    if (!FitsArtworkFloat(length))
        return false;
    gCurrentOptions.BezierPathLength = static_cast<float>(length);
    gBezierExtraValues.TickDirection = direction;
    DimensionPlacement placement;
    placement.TickLength = gCurrentOptions.BezierPathLength;
    KeepPlacement(placement);
    return true;
}

// The base point of the Bézier click moved BezierPathLength in direction `angle`.
AIRealPoint FromBase(AIRealPoint base, double angle) {
    return PointOnCircle(base, gCurrentOptions.BezierPathLength, angle);
}

// The point each division's ticks are laid through: its base moved the length and side in force. A drag lays
// them through it too, once it has kept them, so that a redraw lays the very same ticks.
AIRealPoint SegmentTicksThrough() {
    return FromBase(gBezierExtraValues.DividedSegment[0], gBezierExtraValues.TickDirection);
}

AIRealPoint AngleTicksThrough() {
    return FromBase(gMeasuredPoints.AngleVertex.p, gBezierExtraValues.DivisionStartAngle);
}

AIRealPoint CurveTicksThrough() {
    return FromBase(gMeasuredPoints.ClickPoint.p, gBezierExtraValues.TickDirection);
}

// The point a drag lays the ticks through: the one their kept length and side give, or the cursor's when none
// was kept.
AIRealPoint DraggedTicksThrough(bool kept, AIRealPoint keptThrough, AIRealPoint cursor) {
    return kept && IsFinitePoint(keptThrough) ? keptThrough : cursor;
}

// Keeps the keys a division is drawn with, for every redraw: Alt (a segment's ticks centred across it) and
// Control (ticks at the ends too).
void KeepDivisionKeys(int32_t alt, int32_t withEnds) {
    gBezierExtraValues.TicksCentred = alt;
    gBezierExtraValues.WithEnds = withEnds;
}

// The ticks of each division through `through`, laid with the length and side in force left as they are.
ASErr LaySegmentDivisions(AIRealPoint through, int32_t alt, int32_t withEnds) {
    const AIRealPoint(&ends)[2] = gBezierExtraValues.DividedSegment;
    return LayDivisionMarks(SegmentDivisionTicks(ends[0], ends[1], through,
                                                 LiveDivisionCount(), EndTicks(withEnds), alt != 0));
}

ASErr LayAngleDivisions(AIRealPoint through, int32_t withEnds) {
    const MeasuredPoints& m = gMeasuredPoints;
    const double shown = ShownSweep(gBezierExtraValues.DivisionSweep, m.AngleFlip != 0);
    return LayDivisionMarks(AngleDivisionTicks(m.AngleVertex.p, gBezierExtraValues.DivisionStartAngle, shown,
                                               through, LiveDivisionCount(), EndTicks(withEnds)));
}

ASErr LayCurveDivisions(AIRealPoint through, int32_t withEnds) {
    const AIArtHandle path = gBezierExtraValues.DivisionPath;
    if (!IsLiveArt(path))
        return kStaleHandleErr;
    return LayDivisionMarks(PolylineDivisionTicks(SampledPath(path), gMeasuredPoints.ClickPoint.p, through,
                                                  LiveDivisionCount(), EndTicks(withEnds)));
}

// The length in force, which a redraw lays the ticks at, kept with the division (a panel change of it shows
// there at once), unless what is kept already says it to a float's precision, as a drag wrote it.
void KeepDrawnTickLength() {
    const std::optional<double> kept = KeptPlacement().TickLength;
    const float drawn = gCurrentOptions.BezierPathLength;
    if (!kept || static_cast<float>(*kept) != drawn)
        KeepTicks(drawn, gBezierExtraValues.TickDirection);
}

// A redraw lays the ticks at the length and side kept, with the keys the drag held: the point it draws them
// through is rounded to a float, and a length measured back from it would drift at every refresh.
ASErr RedrawDivision() {
    const BezierExtraValues& kept = gBezierExtraValues;
    AIRealPoint p;
    switch (kept.ConstructionKind) {
    case kSegmentElement:
        KeepDrawnTickLength();
        p = SegmentTicksThrough();
        return IsFinitePoint(p) ? LaySegmentDivisions(p, kept.TicksCentred, kept.WithEnds) : kBadParameterErr;
    case kAngleElement:
        KeepDrawnTickLength();
        p = AngleTicksThrough();
        return IsFinitePoint(p) ? LayAngleDivisions(p, kept.WithEnds) : kBadParameterErr;
    case kArcElement:
    case kCurveElement:
        KeepDrawnTickLength();
        p = CurveTicksThrough();
        return IsFinitePoint(p) ? LayCurveDivisions(p, kept.WithEnds) : kBadParameterErr;
    case kReticleElement:
        return DrawReticle();
    default:
        return kNoErr;
    }
}

} // namespace

std::vector<int32_t> DivisionSteps(int32_t count, bool withEnds) {
    const int32_t parts = std::clamp(count, 1, kMaxDivisionCount);
    std::vector<int32_t> steps;
    for (int32_t k = withEnds ? 0 : 1; k <= (withEnds ? parts : parts - 1); ++k)
        steps.push_back(k);
    return steps;
}

std::vector<DivisionTick> SegmentDivisionTicks(AIRealPoint a, AIRealPoint b, AIRealPoint through,
                                               int32_t count, bool withEnds, bool centred) {
    std::vector<DivisionTick> ticks;
    const Vector2 along = Vector2(b) - Vector2(a);
    if (along.IsDegenerate())
        return ticks;
    const Vector2 offset = Vector2(through) - Vector2(FootOfPerpendicular(through, a, b));
    const int32_t parts = std::clamp(count, 1, kMaxDivisionCount);
    for (int32_t k : DivisionSteps(count, withEnds)) {
        const Vector2 point = Vector2(a) + along * (static_cast<double>(k) / parts);
        ticks.push_back({At(centred ? point - offset : point), At(point + offset)});
    }
    return ticks;
}

std::vector<DivisionTick> AngleDivisionTicks(AIRealPoint vertex, double start, double sweep,
                                             AIRealPoint through, int32_t count, bool withEnds) {
    std::vector<DivisionTick> ticks;
    const double length = Distance(vertex, through);
    if (length < kNegligibleLength)
        return ticks;
    const int32_t parts = std::clamp(count, 1, kMaxDivisionCount);
    for (int32_t k : DivisionSteps(count, withEnds)) {
        ticks.push_back({vertex, PointOnCircle(vertex, length, start + sweep * k / parts)});
    }
    return ticks;
}

std::vector<DivisionTick> PolylineDivisionTicks(const std::vector<AIRealPoint>& polyline, AIRealPoint clicked,
                                                AIRealPoint through, int32_t count, bool withEnds) {
    std::vector<DivisionTick> ticks;
    if (polyline.size() < 2)
        return ticks;
    std::vector<double> along(polyline.size(), 0.0);
    for (size_t i = 1; i < polyline.size(); ++i)
        along[i] = along[i - 1] + Distance(polyline[i - 1], polyline[i]);
    const double total = along.back();
    if (total < kNegligibleLength)
        return ticks;
    const Vector2 reach = Vector2(through) - Vector2(clicked);
    const double side =
        Dot2(PolylineNormal(polyline, NearestSample(polyline, clicked)).ToPoint(), reach.ToPoint());
    const double length = side < 0.0 ? -reach.Length() : reach.Length();
    const int32_t parts = std::clamp(count, 1, kMaxDivisionCount);
    for (int32_t k : DivisionSteps(count, withEnds)) {
        size_t sample = 0;
        const Vector2 point = PointAlong(polyline, along, total * k / parts, &sample);
        ticks.push_back({At(point), At(point + PolylineNormal(polyline, sample) * length)});
    }
    return ticks;
}

std::vector<AIRealPoint> SampledPath(AIArtHandle path) {
    std::vector<AIRealPoint> points;
    std::vector<AIPathSegment> anchors;
    bool closed = false;
    if (!ReadPathAnchors(path, anchors, closed))
        return points;
    const size_t pieces = closed ? anchors.size() : anchors.size() - 1;
    points.push_back(anchors[0].p);
    for (size_t i = 0; i < pieces; ++i) {
        const AIRealBezier curve = CurveBetween(anchors[i], anchors[(i + 1) % anchors.size()], 0);
        for (int32_t s = 1; s <= kCurveSamplesPerSegment; ++s) {
            points.push_back(BezierPoint(curve, static_cast<double>(s) / kCurveSamplesPerSegment).ToPoint());
        }
    }
    return points;
}

bool CentreOfCurvature(AIRealPoint point, AIRealPoint normalTip, AIRealPoint next, AIRealPoint nextTip,
                       AIRealPoint* centre) {
    const LineIntersectionResult meeting = LineIntersection(point, normalTip, next, nextTip);
    if (meeting.Status != LineMeeting::Crossing || !IsFinitePoint(meeting.Point))
        return false;
    *centre = meeting.Point;
    return true;
}

ASErr DrawSegmentDivisions(AIReal x, AIReal y, int32_t alt, int32_t /*rightShift*/, int32_t withEnds) {
    const AIRealPoint through{x, y};
    if (!IsFinitePoint(through))
        return kBadParameterErr;
    KeepDivisionKeys(alt, withEnds);
    const AIRealPoint(&ends)[2] = gBezierExtraValues.DividedSegment;
    const Vector2 span = Vector2(ends[1]) - Vector2(ends[0]);
    bool kept = false;
    if (!span.IsDegenerate()) {
        const Vector2 across = UnitVector(span).Perpendicular();
        const double offset = Dot2((Vector2(through) - Vector2(ends[0])).ToPoint(), across.ToPoint());
        const Vector2 side = offset < 0.0 ? across * -1.0 : across;
        kept = KeepTicks(std::abs(offset), std::atan2(side.Y, side.X));
    }
    return LaySegmentDivisions(DraggedTicksThrough(kept, SegmentTicksThrough(), through), alt, withEnds);
}

ASErr DrawAngleDivisions(AIReal x, AIReal y, int32_t /*alt*/, int32_t /*rightShift*/, int32_t withEnds) {
    const AIRealPoint through{x, y};
    if (!IsFinitePoint(through))
        return kBadParameterErr;
    KeepDivisionKeys(0, withEnds);
    const bool kept = KeepTicks(Distance(gMeasuredPoints.AngleVertex.p, through), gBezierExtraValues.TickDirection);
    return LayAngleDivisions(DraggedTicksThrough(kept, AngleTicksThrough(), through), withEnds);
}

ASErr DrawCurveDivisions(AIReal x, AIReal y, int32_t /*alt*/, int32_t /*rightShift*/, int32_t withEnds) {
    const AIRealPoint through{x, y};
    if (!IsFinitePoint(through))
        return kBadParameterErr;
    if (!IsLiveArt(gBezierExtraValues.DivisionPath))
        return kStaleHandleErr;
    KeepDivisionKeys(0, withEnds);
    const AIRealPoint clicked = gMeasuredPoints.ClickPoint.p;
    const bool kept = KeepTicks(Distance(clicked, through), std::atan2(through.v - clicked.v, through.h - clicked.h));
    return LayCurveDivisions(DraggedTicksThrough(kept, CurveTicksThrough(), through), withEnds);
}

ASErr DrawReticle() {
    AIArtHandle(&lines)[kSeriesCapacity] = gCurrentDimension.DimensionLines;
    const AIRealPoint c = gMeasuredPoints.CircleCentre;
    const double r = gMeasuredPoints.CircleRadius;
    ASErr result = kNoErr;
    const bool shown = IsFinitePoint(c) && std::isfinite(r) && r >= kNegligibleLength;
    const double half = r * (1.0 + kReticleOvershootRatio);
    const double tick = r * kReticleTickRatio;
    for (size_t i = 0; i < kReticlePathCount; ++i) {
        if (!IsLiveArt(lines[i]))
            continue;
        if (!shown) {
            KeepError(result, ClearPath(lines[i]));
            continue;
        }
        if (i < 2) {
            const double axis = i == 0 ? 0.0 : kPi / 2.0;
            KeepError(result, SetLinePath(lines[i], PointOnCircle(c, half, axis + kPi),
                                          PointOnCircle(c, half, axis)));
        } else {
            const double quadrant = kPi / 2.0 * static_cast<double>(i - 2);
            const AIRealPoint point = PointOnCircle(c, r, quadrant);
            KeepError(result, SetLinePath(lines[i], PointOnCircle(point, tick, quadrant - kPi / 2.0),
                                          PointOnCircle(point, tick, quadrant + kPi / 2.0)));
        }
    }
    return result;
}

namespace {

// The anchor of a local radius's value, reading along its line: on the line's continuation past the curve
// point (`away` from the centre), clear of the curve and, its near end past the mark when the mark stands on
// that side, clear of the mark laid in `direction` and its variant.
AIRealPoint LocalRadiusValueAt(AIRealPoint point, Vector2 away, double direction, const LabelExtent& extent,
                               bool markOutside) {
    const double angle = UprightAngle(static_cast<AIReal>(direction));
    const double scale = EndMarkScale();
    const double gap = OutsideValueStart(false);
    const double halfAlong = LabelBox{Vector2(), angle, extent}.HalfExtentOn(away);
    const auto boxAt = [&](double past) {
        return LabelBox{Vector2(point) + away * (past + halfAlong), angle, extent};
    };
    const auto meetsMark = [&](const LabelBox& box) {
        return BoxMeetsEndMark(box, gap, Vector2(point), direction, scale) ||
               BoxMeetsEndMark(box, gap, Vector2(point), EndMarkSetDirection(2, direction), scale);
    };
    // A mark turned across the line reaches out on both sides of it: the value steps on past it.
    const double farthest = OutsideValueStart(true) + EndMarkLength(scale) + gap;
    double past = OutsideValueStart(markOutside);
    while (past < farthest && meetsMark(boxAt(past))) past += gap / 2.0;
    return AnchorForCentre(boxAt(past).Centre, angle, extent);
}

} // namespace

ASErr DrawLocalRadius(AIReal x, AIReal y, int32_t /*dragModifier*/, int32_t withEnds) {
    const AIRealPoint labelPoint{x, y};
    if (!IsFinitePoint(labelPoint))
        return kBadParameterErr;
    gBezierExtraValues.RadiusLabelPoint = labelPoint;
    gBezierExtraValues.WithEnds = withEnds;
    const MeasuredPoints& m = gMeasuredPoints;
    CurrentDimension& d = gCurrentDimension;
    const AIRealPoint point = m.ClickPoint.p;
    AIRealPoint centre;
    ASErr result = kNoErr;
    if (!CentreOfCurvature(point, m.ClickCurvePoints[0], m.ClickCurvePoints[2], m.ClickCurvePoints[1],
                           &centre) ||
        Distance(centre, point) < kNegligibleLength) {
        if (IsLiveArt(d.AuxLine))
            KeepError(result, ClearPath(d.AuxLine));
        if (IsLiveArt(d.EndMarks[0][0]))
            KeepError(result, ClearPath(d.EndMarks[0][0]));
        if (IsLiveArt(d.EndMarks[2][0]))
            KeepError(result, ClearPath(d.EndMarks[2][0]));
        return result;
    }
    // The radius line runs from the curve point along its normal towards the centre; a centre beyond the canvas
    // (an inflection, a nearly straight piece) cuts it at the canvas's edge, and the value stays the radius.
    const Vector2 back = Vector2(centre) - Vector2(point);
    Vector2 normal = UnitVector(Vector2(m.ClickCurvePoints[0]) - Vector2(point));
    if (Dot2(normal.ToPoint(), back.ToPoint()) < 0.0) normal = normal * -1.0;
    const double radius = back.Length();
    const Vector2 far = CutAtSquare(Vector2(point), Vector2(point) + normal * radius, kCanvasReach);
    if (IsLiveArt(d.AuxLine))
        KeepError(result, SetLinePath(d.AuxLine, far.ToPoint(), point));
    const double towardCentre = std::atan2(normal.Y, normal.X);
    // The value never stands between the centre and the curve: it goes past the mark, which points in from
    // outside as asked or where the line is too short for it.
    FitRoom room;
    room.MarksFitInside =
        MarksFitInside((Vector2(far) - Vector2(point)).Length(), EndMarkLength(EndMarkScale()), 1);
    room.ValueFitsBetweenMarks = room.ValueFitsBetweenEnds = false;
    room.MarksOutsideAsked = (withEnds != 0) != (gCurrentOptions.BezierArrowsFlag != 0);
    const DimensionFit fit = DecideFit(room);
    const double direction = towardCentre + (fit.MarksOutside ? kPi : 0.0);
    KeepError(result, PlaceEndMark(d.EndMarks[0][0], point, direction, nullptr));
    KeepError(result, PlaceEndMark(d.EndMarks[2][0], point, EndMarkSetDirection(2, direction), nullptr));

    FormatDimensionLength(radius);
    KeepError(result, WriteDimensionLabel(&d.LabelFrames[0]));
    const LabelExtent extent = MeasureDimensionLabel(d.LabelFrames[0]);
    const Vector2 at = Vector2(LocalRadiusValueAt(point, normal * -1.0, direction, extent, fit.MarksOutside)) +
                       Vector2(gCurrentOptions.BezierOffsetX, gCurrentOptions.BezierOffsetY);
    if (d.LabelFrames[0] != nullptr)
        KeepError(result, PlaceDimensionLabel(d.LabelFrames[0], at.ToPoint(), static_cast<AIReal>(direction)));
    return result;
}

ASErr DrawLocalTangent() {
    const MeasuredPoints& m = gMeasuredPoints;
    CurrentDimension& d = gCurrentDimension;
    const AIRealPoint point = m.ClickPoint.p;
    const Vector2 tangent = UnitVector(Vector2(m.ClickCurvePoints[2]) - Vector2(point));
    Vector2 normal = UnitVector(Vector2(m.ClickCurvePoints[0]) - Vector2(point));
    if (normal.IsDegenerate())
        normal = tangent.Perpendicular();
    const double half = gCurrentOptions.BezierPathLength;
    ASErr result = kNoErr;
    const bool shown = !tangent.IsDegenerate() && IsFinitePoint(point) && std::isfinite(half);
    const Vector2 p(point);
    if (IsLiveArt(d.AuxLine)) {
        KeepError(result, shown ? SetLinePath(d.AuxLine, At(p - tangent * half), At(p + tangent * half))
                                : ClearPath(d.AuxLine));
    }
    if (IsLiveArt(d.DimensionLines[0])) {
        KeepError(result, shown
                              ? SetLinePath(d.DimensionLines[0], At(p - normal * half), At(p + normal * half))
                              : ClearPath(d.DimensionLines[0]));
    }
    return result;
}

ASErr RedrawBezierExtra() {
    switch (gBezierExtraValues.ConstructionKind) {
    case kRadiusElement: {
        const AIRealPoint p = gBezierExtraValues.RadiusLabelPoint;
        return DrawLocalRadius(p.h, p.v, 0, gBezierExtraValues.WithEnds);
    }
    case kTangentElement:
        return DrawLocalTangent();
    default:
        return RedrawDivision();
    }
}
