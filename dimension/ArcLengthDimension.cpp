#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "dimension/AngleBuilders.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionFit.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/LinearDimensions.h"
#include "dimension/ValueFormat.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr double kPi = std::numbers::pi;

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

// The points of the arc of `centre` and `radius` from direction `from` over `sweep`, in steps of a few degrees.
std::vector<Vector2> ArcPoints(AIRealPoint centre, double radius, double from, double sweep) {
    constexpr double kStep = 0.05; // radians
    const size_t pieces = static_cast<size_t>(std::clamp(std::ceil(std::abs(sweep) / kStep), 1.0, 400.0));
    std::vector<Vector2> points;
    for (size_t k = 0; k <= pieces; ++k)
        points.push_back(Vector2(PointOnCircle(centre, radius, from + sweep * static_cast<double>(k) / pieces)));
    return points;
}

// True when every corner of the box grown by `margin` lies within the sweep from `start` seen from `centre`.
bool BoxWithinSweep(const LabelBox& box, double margin, AIRealPoint centre, double start, double sweep) {
    Vector2 corners[4];
    box.Corners(margin, corners);
    for (const Vector2& c : corners) {
        const Vector2 d = c - Vector2(centre);
        const double turn = std::remainder(std::atan2(d.Y, d.X) - (start + sweep / 2.0), 2.0 * kPi);
        if (std::abs(turn) > std::abs(sweep) / 2.0) return false;
    }
    return true;
}

// The baseline of a value at `direction` from the centre: level, or along the arc there reading from the
// bottom or the right.
double TextAngleAt(bool level, double direction) {
    return level ? 0.0 : UprightAngle(static_cast<AIReal>(direction - kPi / 2.0));
}

// How far from the centre, towards `direction`, the middle of a value's box turned to `textAngle` stands with
// every corner kLabelClearance within the circle of `radius`; not a number where the box is too wide for it.
double ReachWithin(double radius, double direction, double textAngle, const LabelExtent& extent) {
    const Vector2 radial(std::cos(direction), std::sin(direction));
    const Vector2 across = radial.Perpendicular();
    Vector2 corners[4];
    LabelBox{Vector2(), textAngle, extent}.Corners(0.0, corners);
    const double room = radius - kLabelClearance;
    double reach = room;
    for (const Vector2& c : corners) {
        const double side = c.X * across.X + c.Y * across.Y;
        if (!(room > std::abs(side))) return std::numeric_limits<double>::quiet_NaN();
        reach = std::min(reach, std::sqrt(room * room - side * side) - (c.X * radial.X + c.Y * radial.Y));
    }
    return reach;
}

// What an arc-length value must keep clear of: its arc as drawn, the measured arc, the extension lines and the
// end marks, at their places for marks inside or outside.
struct ArcLengthParts {
    AIRealPoint Centre;
    double Radius = 0.0;
    double Start = 0.0;
    double Sweep = 0.0;
    double MeasuredRadius = 0.0;
    double MarkScale = 0.0;
    bool Extensions = false;
    Vector2 ExtensionLines[kExtensionLineCount][2];

    bool MarksMeet(const LabelBox& box, double gap, bool outside) const {
        const AIRealPoint ends[2] = {PointOnCircle(Centre, Radius, Start),
                                     PointOnCircle(Centre, Radius, Start + Sweep)};
        for (size_t set = 0; set < kEndMarkSets; ++set) {
            const bool atStart = set % 2 == 0;
            const double direction = EndMarkSetDirection(set, ArcEndMarkDirection(Start, Sweep, atStart, outside));
            if (BoxMeetsEndMark(box, gap, Vector2(ends[atStart ? 0 : 1]), direction, MarkScale)) return true;
        }
        return false;
    }
    // The arc runs on as `runOn` does.
    bool LinesMeet(const LabelBox& box, double gap, const RunOnArc& runOn) const {
        const std::vector<Vector2> arc = ArcPoints(Centre, Radius, runOn.DrawnStart(), runOn.DrawnSweep());
        const std::vector<Vector2> measured = ArcPoints(Centre, MeasuredRadius, Start, Sweep);
        // The value stands kLabelClearance off its own arc where the arc comes nearest.
        if (BoxMeetsPolyline(box, kLabelClearance / 2.0, arc.data(), arc.size()) ||
            BoxMeetsPolyline(box, gap, measured.data(), measured.size()))
            return true;
        for (size_t k = 0; Extensions && k < kExtensionLineCount; ++k) {
            if (BoxMeetsPolyline(box, gap, ExtensionLines[k], 2)) return true;
        }
        return false;
    }
};

// How far round past the end at `end`, turning `outward` (1 counter-clockwise, -1 clockwise), the box reaches
// seen from the centre: the arc runs on that far under a value past that end.
double TurnPast(const LabelBox& box, AIRealPoint centre, double end, double outward) {
    Vector2 corners[4];
    box.Corners(0.0, corners);
    double most = 0.0;
    for (const Vector2& c : corners) {
        const Vector2 d = c - Vector2(centre);
        most = std::max(most, outward * std::remainder(std::atan2(d.Y, d.X) - end, 2.0 * kPi));
    }
    return most;
}

// A value that does not fit inside a dimension arc drawn inside the measured arc goes past an end of its arc,
// as on an angle, turned from the far end or the start end a step at a time until it clears every part, no
// farther round than half the circle the arc leaves free; the arc runs on under it (`arc`). It stands on the
// centre's side of the arc's continuation, or, on a circle too small for it there, on the other side within
// the measured circle. False, changing nothing, where no place clears.
bool ValuePastEnd(const ArcLengthParts& parts, const LabelExtent& extent, bool level, double gap, bool marksOutside,
                  RunOnArc& arc, LabelBox& box) {
    const double free = kPi - std::abs(parts.Sweep) / 2.0;
    const double step = std::max(gap / (2.0 * parts.Radius), free / kMostSearchSteps);
    for (const bool towardsCentre : {true, false}) {
        for (int32_t k = 0; k <= kMostSearchSteps && step * k <= free; ++k) {
            const double turn = step * k;
            for (const size_t end : {size_t{1}, size_t{0}}) {
                const double endDirection = arc.EndDirection(end);
                const double outward = arc.Outward(end);
                const double direction = endDirection + outward * turn;
                const double angle = TextAngleAt(level, direction);
                const Vector2 radial(std::cos(direction), std::sin(direction));
                const double reach =
                    towardsCentre ? ReachWithin(parts.Radius, direction, angle, extent)
                                  : parts.Radius + kLabelClearance +
                                        LabelBox{Vector2(), angle, extent}.HalfExtentOn(radial);
                if (!std::isfinite(reach)) continue;
                const LabelBox at{Vector2(parts.Centre) + radial * reach, angle, extent};
                if (!towardsCentre &&
                    BoxAgainstCircle(at, gap, Vector2(parts.Centre), parts.MeasuredRadius) != CircleSide::Inside)
                    continue;
                RunOnArc runOn = arc;
                runOn.RunOnUnder(end, TurnPast(at, parts.Centre, endDirection, outward));
                if (parts.LinesMeet(at, gap, runOn) || parts.MarksMeet(at, gap, marksOutside)) continue;
                box = at;
                arc = runOn;
                return true;
            }
        }
    }
    return false;
}

} // namespace

ASErr DrawArcLengthDimension(int32_t withEnds, int32_t /*rightShift*/, int32_t alt, int32_t dragModifier) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint centre = m.AngleVertex.p;
    const Vector2 towardsFirst = Vector2(m.ArcFirstAnchor.p) - Vector2(centre);
    const Vector2 towardsLast = Vector2(m.ArcLastAnchor.p) - Vector2(centre);
    const double radius = gCurrentOptions.ArcRadius;
    if (towardsFirst.IsDegenerate() || towardsLast.IsDegenerate() || !IsDrawableRadius(radius) ||
        !std::isfinite(m.AngleValue)) {
        return kBadParameterErr;
    }
    const double start = std::atan2(towardsFirst.Y, towardsFirst.X);
    // AngleValue turns counter-clockwise from the first anchor to the last when positive.
    const double sweep = m.AngleValue;
    const bool outside = (withEnds != 0) != (gToolState.SegmentArrowsFlag != 0);
    FormatDimensionLength(std::abs(static_cast<double>(m.AngleValue) * m.CircleRadius));
    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    const bool extensions = (gCurrentOptions.SideTiesOn != 0) != (dragModifier != 0);
    const double overshoot = ExtensionOvershoot();
    const AIRealPoint lineEnds[kExtensionLineCount] = {PointOnCircle(centre, radius, start),
                                                       PointOnCircle(centre, radius, start + sweep)};
    const AIRealPoint anchors[kExtensionLineCount] = {m.ArcFirstAnchor.p, m.ArcLastAnchor.p};
    for (size_t k = 0; k < kExtensionLineCount; ++k) {
        KeepError(result, ShapeExtensionLine(k, extensions, anchors[k], lineEnds[k], overshoot));
        gDimensionValues.DimensionLineEnds[k] = CornerSegment(lineEnds[k]);
    }
    // The value first, measured, so that the fit can place it and the marks.
    KeepError(result, WriteDimensionLabel(&d.LabelFrames[0]));
    const LabelExtent extent = MeasureDimensionLabel(d.LabelFrames[0]);
    const double middle = start + sweep / 2.0;
    const Vector2 radial(std::cos(middle), std::sin(middle));
    const bool horizontal = (gCurrentOptions.HorizontalText != 0) != (alt != 0);
    const double textAngle = TextAngleAt(horizontal, middle);
    // The value stands on the side of its arc away from the measured arc, its box kLabelClearance off it,
    // whichever way it reads: outside the arc its middle that far past it, inside every corner that far within.
    const bool inside = radius < m.CircleRadius;
    const double halfAcross = LabelBox{Vector2(), textAngle, extent}.HalfExtentOn(radial);
    const auto boxAt = [&](double reach) {
        return LabelBox{Vector2(centre) + radial * reach, textAngle, extent};
    };
    const double within = inside ? ReachWithin(radius, middle, textAngle, extent) : 0.0;
    LabelBox box = boxAt(!inside               ? radius + kLabelClearance + halfAcross
                         : std::isfinite(within) ? within
                                                 : radius - kLabelClearance - halfAcross);
    ArcLengthParts parts{centre, radius, start, sweep, m.CircleRadius, EndMarkScale(), extensions, {}};
    for (size_t k = 0; k < kExtensionLineCount; ++k) {
        const Vector2 from(anchors[k]);
        parts.ExtensionLines[k][0] = from;
        parts.ExtensionLines[k][1] = Vector2(lineEnds[k]) + UnitVector(Vector2(lineEnds[k]) - from) * overshoot;
    }
    const double gap = OutsideValueStart(false);
    FitRoom room;
    room.MarksFitInside = MarksFitInside(radius * std::abs(sweep), EndMarkLength(parts.MarkScale), 2);
    room.ValueFitsBetweenEnds = extent.IsEmpty() || BoxWithinSweep(box, gap, centre, start, sweep);
    room.ValueFitsBetweenMarks = room.ValueFitsBetweenEnds && (extent.IsEmpty() || !parts.MarksMeet(box, gap, false));
    room.MarksOutsideAsked = outside;
    const DimensionFit fit = DecideFit(room);
    // Marks that point in from outside leave the arc running on past them, as far as it stays within the
    // mark's width of the mark's straight body: on a small arc it would else curl round behind the centre.
    const double underMark = std::acos(std::max(-1.0, 1.0 - EndMarkHalfWidth(parts.MarkScale) / radius));
    const double markTail = fit.MarksOutside ? std::min(OutsideMarkTail(parts.MarkScale) / radius, underMark) : 0.0;
    RunOnArc arc{start, sweep};
    for (const size_t end : {size_t{0}, size_t{1}}) arc.RunOnUnder(end, markTail);
    // A value that does not fit, or that the marks turned outside still meet: inside the measured arc, past an
    // end of its own arc; else, or where that finds no room, out along the bisector beyond both arcs until it
    // clears every part.
    const auto meets = [&](const LabelBox& b) {
        return parts.LinesMeet(b, gap, arc) || parts.MarksMeet(b, gap, fit.MarksOutside);
    };
    if (!extent.IsEmpty() && (fit.ValueOutside || meets(box)) &&
        !(inside && ValuePastEnd(parts, extent, horizontal, gap, fit.MarksOutside, arc, box))) {
        const double from = std::max(radius, static_cast<double>(m.CircleRadius)) + kLabelClearance + halfAcross;
        const double farthest = from + OutsideMarkTail(parts.MarkScale) + overshoot + extent.Width +
                                extent.Height() + 4.0 * gap;
        int32_t steps = 0;
        for (double reach = from; reach < farthest && steps < kMostSearchSteps; reach += gap / 2.0, ++steps) {
            box = boxAt(reach);
            if (!meets(box)) break;
        }
    }
    KeepError(result, SetArcPath(d.AngleArcs[0], centre, radius, arc.DrawnStart(), arc.DrawnSweep()));
    KeepError(result, PlaceArcEndMarks(centre, radius, start, sweep, fit.MarksOutside));
    if (d.LabelFrames[0] != nullptr) {
        KeepError(result, PlaceDimensionLabel(d.LabelFrames[0], AnchorForCentre(box.Centre, box.Angle, extent),
                                              static_cast<AIReal>(box.Angle)));
    }
    return result;
}
