#include "dimension/AngleBuilders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionFit.h"
#include "dimension/Geometry.h"
#include "dimension/Placement.h"
#include "dimension/Labels.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/CanvasWrites.h"
#include "frame/PathStyles.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

AIRealPoint Along(AIRealPoint from, double length, double angle) {
    return PointOnCircle(from, length, angle);
}

// The arcs this build shows: one, or ArcCount with multiple arcs, within what AngleArcs holds.
int32_t ShownArcCount(int8_t multipleArcs) {
    if (multipleArcs == 0)
        return 1;
    return std::clamp<int32_t>(gCurrentOptions.ArcCount, 1, static_cast<int32_t>(kAngleArcCapacity));
}

// Arc `index` exists: element 0 from the skeleton, the others made above the arc before them.
ASErr EnsureArc(AIArtHandle* arcs, int32_t index) {
    AIArtHandle& arc = arcs[index];
    if (IsLiveArt(arc))
        return kNoErr;
    const AIPathStyle style = DimensionLinePathStyle();
    ASErr result = NewDimensionPart(kPathArt, &style, &arc);
    if (arc != nullptr && IsLiveArt(arcs[index - 1])) {
        KeepError(result, sAIArt->ReorderArt(arc, kPlaceAbove, arcs[index - 1]));
    }
    return result;
}

// Arcs from `first` on are not shown: they go from the document.
void DropArcsFrom(AIArtHandle* arcs, int32_t first) {
    for (auto i = static_cast<size_t>(first); i < kAngleArcCapacity; ++i)
        DisposeArtIfValid(&arcs[i]);
}

// Gives the arc the stroke width; a width it already has is left alone (no restyle at every drag event).
ASErr SetArcWidth(AIArtHandle arc, AIReal width) {
    AIPathStyle style;
    ASErr result = sAIPathStyle->GetPathStyle(arc, &style);
    if (result != kNoErr || style.stroke.width == width)
        return result;
    style.stroke.width = width;
    return sAIPathStyle->SetPathStyle(arc, &style);
}

// The scale of the arcs' end marks: ActiveEndMarkSize over kEndMarkSizeUnit; 0 when it is no size.
double ArcEndMarkScale() {
    const double size = gCurrentOptions.ActiveEndMarkSize;
    return std::isfinite(size) && size > 0.0 ? size / kEndMarkSizeUnit : 0.0;
}

// The end marks of the arc are shown: marks are on, and the angle has an arc.
bool ArcMarksShown(const AngleLayout& layout) {
    return ArcEndMarkScale() > 0.0 && !layout.NullAngle && !layout.RightAngle;
}

// The arc of the layout, running on past each end only as far as it stays in front of the vertex: up to the
// line through the vertex square to the bisector, so that the arc with its run-ons spans at most a half turn and
// never wraps round the vertex; nothing past the ends of a re-entrant arc.
RunOnArc RunOnInFront(const AngleLayout& layout) {
    return {layout.Start, layout.Sweep, std::max((kPi - std::fabs(layout.Sweep)) / 2.0, 0.0)};
}

// The angle by which an arc of `radius` runs on past marks that point in from outside its ends.
double ArcOutsideTail(double radius) {
    return OutsideMarkTail(ArcEndMarkScale()) / radius;
}

// The arcs of the layout, `count` of them with their widths, each running on as `arc` does. Nothing when the
// first arc is gone: the dimension has lost its arc, and no new ones are made for it.
ASErr DrawArcs(AIArtHandle* arcs, int32_t count, AIRealPoint vertex, double radius, const AngleLayout& layout,
               const RunOnArc& arc) {
    if (!IsLiveArt(arcs[0]))
        return kNoErr;
    ASErr result = kNoErr;
    const double width = gPathStyles.DimensionLineStyle.stroke.width;
    const int32_t type = count > 1 ? gSettings.MultipleArcType : 0;
    const double from = arc.DrawnStart();
    const double sweep = arc.DrawnSweep();
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0)
            KeepError(result, EnsureArc(arcs, i));
        if (!IsLiveArt(arcs[i]))
            continue;
        const double r = ArcRadiusAt(radius, gCurrentOptions.ArcGap, i);
        if (layout.NullAngle)
            KeepError(result, ClearPath(arcs[i]));
        else
            KeepError(result, SetArcPath(arcs[i], vertex, r, from, sweep));
        KeepError(result, SetArcWidth(arcs[i], ArcWidthAt(type, width, gSettings.MultipleArcWidthFactor, i)));
    }
    DropArcsFrom(arcs, count);
    return result;
}

// The end marks at both ends of the first arc, or cleared when none are shown.
ASErr DrawArcEndMarks(AIRealPoint vertex, double radius, const AngleLayout& layout, bool outside) {
    ASErr result = kNoErr;
    AIArtHandle(&marks)[kEndMarkSets][kSeriesCapacity] = gCurrentDimension.EndMarks;
    const bool shown = ArcMarksShown(layout);
    const double ends[2] = {layout.Start, layout.Start + layout.Sweep};
    for (size_t set = 0; set < kEndMarkSets; ++set) {
        AIArtHandle mark = marks[set][0];
        if (!IsLiveArt(mark))
            continue;
        const bool atStart = set % 2 == 0;
        if (!shown) {
            KeepError(result, ClearPath(mark));
            continue;
        }
        const AIRealPoint tip = Along(vertex, radius, ends[atStart ? 0 : 1]);
        KeepError(result, PlaceScaledEndMark(
                              mark, tip,
                              EndMarkSetDirection(set, ArcEndMarkDirection(layout.Start, layout.Sweep, atStart,
                                                                           outside)),
                              ArcEndMarkScale(), nullptr));
    }
    return result;
}

// True when every corner of `box`, grown by the value gap, lies inside the sector of the layout at `vertex`
// and within `reach` of it.
bool BoxInsideSector(const LabelBox& box, AIRealPoint vertex, const AngleLayout& layout, double reach) {
    const double gap = OutsideValueStart(false);
    const double sweep = std::fabs(layout.Sweep);
    for (int k = 0; k < 4; ++k) {
        const Vector2 towards = box.Corner(k, gap) - Vector2(vertex);
        if (towards.Length() > reach)
            return false;
        const double turn = TurnSense(layout.Sweep) * (std::atan2(towards.Y, towards.X) - layout.Start);
        const double inside = turn - 2.0 * kPi * std::floor(turn / (2.0 * kPi));
        if (inside > sweep)
            return false;
    }
    return true;
}

// How far the measured side in direction `direction` runs from the vertex: to the measured point that lies on
// it, or, when none does (a created figure, the radii of an arc), as far as anything may reach.
double SideLength(AIRealPoint vertex, double direction) {
    constexpr double kUnbounded = 1e30;
    constexpr double kSameDirection = 1e-3;
    for (const AIRealPoint p : {gMeasuredPoints.AnglePointB.p, gMeasuredPoints.AnglePointA.p}) {
        const Vector2 towards = Vector2(p) - Vector2(vertex);
        if (!IsFinitePoint(p) || towards.IsDegenerate()) continue;
        const double turn = std::remainder(std::atan2(towards.Y, towards.X) - direction, 2.0 * kPi);
        if (std::fabs(turn) < kSameDirection) return towards.Length();
    }
    return kUnbounded;
}

// The box grown by the value gap, as its four corners.
struct GrownBox {
    Vector2 Corners[4];
};
GrownBox Grow(const LabelBox& box, double gap) {
    GrownBox grown;
    box.Corners(gap, grown.Corners);
    return grown;
}

// What single-precision rounding may move a point of a label's box, per unit of the coordinates involved.
constexpr double kRoundingSlack = 1e-6;

// What a value keeps clear of beside an angle: the sides, each in its direction from the vertex and as long as
// the measured side (SideLength). They hold for every box tried in one placement, so they are found once.
struct AngleSides {
    AIRealPoint Vertex;
    double Cos[2];
    double Sin[2];
    double Lengths[2];
    // The point of side k at `length` from the vertex, as Along puts it.
    Vector2 At(size_t k, double length) const {
        return Vector2(static_cast<AIReal>(Vertex.h + length * Cos[k]),
                       static_cast<AIReal>(Vertex.v + length * Sin[k]));
    }
};
AngleSides SidesOf(AIRealPoint vertex, const AngleLayout& layout) {
    AngleSides sides{vertex, {}, {}, {}};
    const double directions[2] = {layout.Start, layout.Start + layout.Sweep};
    for (size_t k = 0; k < 2; ++k) {
        sides.Cos[k] = std::cos(directions[k]);
        sides.Sin[k] = std::sin(directions[k]);
        sides.Lengths[k] = SideLength(vertex, directions[k]);
    }
    return sides;
}

// True when the box, grown by the value gap (`grown`), meets either side of the angle, each taken as far as it
// matters to the box: as long as the measured side or as far as the box can reach, whichever is shorter.
bool BoxMeetsSides(const LabelBox& box, const GrownBox& grown, const AngleSides& sides, double gap) {
    const Vector2 vertex(sides.Vertex);
    const double reach = (box.Centre - vertex).Length() + box.Extent.Width + box.Extent.Height() + 2.0 * gap;
    for (size_t k = 0; k < 2; ++k) {
        const Vector2 side[2] = {vertex, sides.At(k, std::min(reach, sides.Lengths[k]))};
        if (ConvexPolygonsOverlap(grown.Corners, 4, side, 2)) return true;
    }
    return false;
}

// The end mark of the arc at its start end (`atStart`) or far end, inside the arc or (`outside`) past its end
// pointing in, as the triangle from its tip to its back: `length` along the arc, `halfWidth` across. None
// (`Shown` false) when the marks have no length.
struct ArcMark {
    bool Shown = false;
    Vector2 Points[3];
};
ArcMark ArcMarkOf(AIRealPoint vertex, const AngleLayout& layout, bool atStart, bool outside, double length,
                  double halfWidth) {
    ArcMark mark;
    if (length <= kNegligibleLength) return mark;
    const double end = atStart ? layout.Start : layout.Start + layout.Sweep;
    const Vector2 tip(Along(vertex, layout.Radius, end));
    const double direction = ArcEndMarkDirection(layout.Start, layout.Sweep, atStart, outside);
    const Vector2 into(std::cos(direction), std::sin(direction));
    const Vector2 back = tip + into * length;
    mark.Shown = true;
    mark.Points[0] = tip;
    mark.Points[1] = back + into.Perpendicular() * halfWidth;
    mark.Points[2] = back - into.Perpendicular() * halfWidth;
    return mark;
}

// True when the box grown by the value gap (`grown`) meets the mark.
bool BoxMeetsArcMark(const GrownBox& grown, const ArcMark& mark) {
    return mark.Shown && ConvexPolygonsOverlap(grown.Corners, 4, mark.Points, 3);
}

// True when the box, grown by the value gap, meets either end mark inside the arc, the marks at `scale`.
bool ArcMarksMeet(const LabelBox& box, AIRealPoint vertex, const AngleLayout& layout, double scale) {
    const GrownBox grown = Grow(box, OutsideValueStart(false));
    const double length = EndMarkLength(scale), halfWidth = EndMarkHalfWidth(scale);
    return BoxMeetsArcMark(grown, ArcMarkOf(vertex, layout, true, false, length, halfWidth)) ||
           BoxMeetsArcMark(grown, ArcMarkOf(vertex, layout, false, false, length, halfWidth));
}

// The end of the arc on the cursor's side: the start end when the cursor lies on the start side of the
// bisector, else the far end (also when the cursor is on the vertex).
bool CursorAtStartSide(AIRealPoint vertex, const AngleLayout& layout) {
    const Vector2 towards = Vector2(gToolState.CursorPoint) - Vector2(vertex);
    if (!IsFinitePoint(gToolState.CursorPoint) || towards.IsDegenerate()) return false;
    const double turn = std::remainder(std::atan2(towards.Y, towards.X) - (layout.Start + layout.Sweep / 2.0),
                                       2.0 * kPi);
    return TurnSense(layout.Sweep) * turn < 0.0;
}

// The end of the arc a value that does not fit goes past: while a press drags, the cursor's side (which
// DrawAngleLabel keeps on the group); in a build no drag places (the press on a dimension, update-all, a panel change after a click), the
// end the drag kept there, else the far end, so that a cursor left by another gesture decides nothing.
bool OutsideValueAtStart(AIRealPoint vertex, const AngleLayout& layout) {
    if (gToolState.PressDragged == 0) return KeptOutsideEnd() == 0;
    return CursorAtStartSide(vertex, layout);
}

// How deep the box, grown by the value gap, plainly meets a side or the arc's mark: the farthest a point of one
// lies inside it from its edges; 0 or less when no point plainly does. A box this deep still meets them after
// moving less than that, which lets the search along the arc pass over the steps where the value is still deep
// in a side or the mark; what this cheap test cannot tell, the exact overlap tests decide.
double BlockedDepth(const LabelBox& box, double gap, const AngleSides& sides, const ArcMark& mark) {
    const Vector2 along = box.Along();
    const Vector2 up = along.Perpendicular();
    const double halfAlong = box.Extent.Width / 2.0 + gap;
    const double halfUp = box.Extent.Height() / 2.0 + gap;
    const auto depth = [&](Vector2 p) {
        const Vector2 d = p - box.Centre;
        return std::min(halfAlong - std::fabs(d.X * along.X + d.Y * along.Y),
                        halfUp - std::fabs(d.X * up.X + d.Y * up.Y));
    };
    // The deepest of a segment's points nearest the box's middle and crossing the box's two middle lines.
    const auto deepestOf = [&](Vector2 a, Vector2 b) {
        const Vector2 ab = b - a, from = a - box.Centre;
        const double squared = ab.X * ab.X + ab.Y * ab.Y;
        if (!(squared > 0.0)) return depth(a);
        const double x0 = from.X * along.X + from.Y * along.Y, dx = ab.X * along.X + ab.Y * along.Y;
        const double y0 = from.X * up.X + from.Y * up.Y, dy = ab.X * up.X + ab.Y * up.Y;
        const double ts[3] = {-(from.X * ab.X + from.Y * ab.Y) / squared, dx != 0.0 ? -x0 / dx : 0.0,
                              dy != 0.0 ? -y0 / dy : 0.0};
        double deepest = 0.0;
        for (const double t : ts) deepest = std::max(deepest, depth(a + ab * std::clamp(t, 0.0, 1.0)));
        return deepest;
    };
    double deepest = 0.0;
    // Each side as BoxMeetsSides takes it, and each edge of the mark.
    const Vector2 vertex(sides.Vertex);
    const double reach = (box.Centre - vertex).Length() + box.Extent.Width + box.Extent.Height() + 2.0 * gap;
    for (size_t k = 0; k < 2; ++k)
        deepest = std::max(deepest, deepestOf(vertex, sides.At(k, std::min(reach, sides.Lengths[k]))));
    if (mark.Shown) {
        for (size_t k = 0; k < 3; ++k)
            deepest = std::max(deepest, deepestOf(mark.Points[k], mark.Points[(k + 1) % 3]));
    }
    return std::isfinite(deepest) ? deepest : 0.0;
}

// The value's box at `direction` from the vertex, its middle `reach` off it, its baseline along the arc there.
LabelBox BoxOnCircle(AIRealPoint vertex, double reach, double direction, const LabelExtent& extent) {
    const Vector2 centre(Along(vertex, reach, direction));
    return LabelBox{centre, LevelAngle(static_cast<AIReal>(direction - kPi / 2.0)), extent};
}

// The most steps the value outside an angle takes along the arc's continuation, over a half turn.
constexpr double kMostOutsideSteps = 3600.0;
// Each radius farther off at which that search is tried again lies at most this share of its own length past
// the one before (and no nearer than the value's half height), so that a few tens of radii reach any bisector.
constexpr double kFartherRadiusShare = 0.125;

// The box moved out along the bisector from `box`, a value gap at a time, until it meets neither side (past the
// end of a measured side at the latest); at most kMostOutsideSteps steps.
LabelBox BisectorClearOfSides(AIRealPoint vertex, const LabelBox& box, const AngleSides& sides, double gap) {
    const Vector2 from = box.Centre - Vector2(vertex);
    const Vector2 out = from.IsDegenerate() ? box.Up() : UnitVector(from);
    LabelBox moved = box;
    for (double k = 0.0; k < kMostOutsideSteps; k += 1.0) {
        moved.Centre = box.Centre + out * (k * gap);
        if (!BoxMeetsSides(moved, Grow(moved, gap), sides, gap))
            break;
    }
    return moved;
}

} // namespace

OutsideAngleValue PlaceOutsideAngleValue(AIRealPoint vertex, double outerRadius, const AngleLayout& layout,
                                         const LabelExtent& extent, double markScale, bool marksOutside,
                                         AngleValueSearch search) {
    OutsideAngleValue placed;
    placed.Arc = RunOnInFront(layout);
    const double bisector = layout.Start + layout.Sweep / 2.0;
    const Vector2 out(std::cos(bisector), std::sin(bisector));
    const double clear = outerRadius + EndMarkHalfWidth(markScale) + OutsideValueStart(false);
    const LabelBox flat = BoxOnCircle(vertex, clear, bisector, extent);
    const double reach = std::max(clear + flat.HalfExtentOn(out), layout.LabelRadius - layout.OffsetRadius);
    const LabelBox onBisector = BoxOnCircle(vertex, reach, bisector, extent);
    const double gap = OutsideValueStart(false);
    const AngleSides sides = SidesOf(vertex, layout);
    if (!BoxMeetsSides(onBisector, Grow(onBisector, gap), sides, gap)) {
        placed.Centre = onBisector.Centre;
        placed.TextAngle = onBisector.Angle;
        return placed;
    }
    const bool atStart = OutsideValueAtStart(vertex, layout);
    const size_t end = atStart ? 0 : 1;
    const double endDirection = placed.Arc.EndDirection(end);
    const double outward = placed.Arc.Outward(end);
    const ArcMark mark = ArcMarkOf(vertex, layout, atStart, marksOutside, EndMarkLength(markScale),
                                   EndMarkHalfWidth(markScale));
    // Beside the arc: the box's middle off the outermost arc by half its extent across the arc and the label
    // clearance; then along the arc's continuation, in steps of a fraction of the value gap, until it clears.
    const double across = extent.HalfAlong(kPi / 2.0) + kLabelClearance;
    // The value stays in front of the vertex: its middle no farther round than the arc may run on.
    const double front = placed.Arc.Limit;
    const double halfDiagonal = std::hypot(extent.Width / 2.0 + gap, extent.Height() / 2.0 + gap);
    const auto pastEnd = [&](double radius) {
        // On a huge arc the value gap is a vanishing turn: the steps are never more than kMostOutsideSteps.
        const double step = std::max(gap / (4.0 * radius), kPi / kMostOutsideSteps);
        // A step moves no point of the box farther than `drift`; `slack` covers the rounding of the box's middle
        // and baseline to single precision, so that a box plainly blocked deeper than both stays blocked.
        const double drift = (radius + halfDiagonal) * step;
        const double slack =
            kRoundingSlack * (1.0 + std::fabs(vertex.h) + std::fabs(vertex.v) + radius + halfDiagonal);
        double passOver = 0.0; // the steps still plainly blocked
        for (double turn = 0.0; turn <= front; turn += step) {
            if (passOver >= 1.0) {
                passOver -= 1.0;
                continue;
            }
            const LabelBox box = BoxOnCircle(vertex, radius, endDirection + outward * turn, extent);
            if (search == AngleValueSearch::PassOverBlocked) {
                const double depth = BlockedDepth(box, gap, sides, mark) - slack;
                if (depth > 0.0) {
                    passOver = drift > 0.0 ? std::floor(std::min(depth / drift, kPi / step)) : 0.0;
                    continue;
                }
            }
            const GrownBox grown = Grow(box, gap);
            if (!BoxMeetsSides(box, grown, sides, gap) && !BoxMeetsArcMark(grown, mark)) {
                placed.Centre = box.Centre;
                placed.TextAngle = box.Angle;
                placed.Arc.RunOnUnder(end, turn + extent.HalfAlong(0.0) / radius);
                return true;
            }
        }
        return false;
    };
    if (pastEnd(outerRadius + across)) return placed;
    // Where the marks of an arc at a small radius, or the side for a value wider than the arc is round, stand in
    // its way: the same again farther off, as long as that stays nearer the vertex than the value would stand on
    // the bisector, out as far as the sides leave it room.
    const Vector2 outOnBisector = BisectorClearOfSides(vertex, onBisector, sides, gap).Centre;
    const double bisectorReach = (outOnBisector - Vector2(vertex)).Length();
    const double markReach =
        std::hypot(layout.Radius + EndMarkHalfWidth(markScale), EndMarkLength(markScale)) + gap;
    const double nearest = std::max(outerRadius, markReach) + across;
    if (pastEnd(nearest)) return placed;
    for (double radius = nearest; radius < bisectorReach;) {
        radius += std::max({across, gap, radius * kFartherRadiusShare});
        if (radius < bisectorReach && pastEnd(radius)) return placed;
    }
    // No room past the end nearer the vertex: on the bisector.
    placed.Centre = outOnBisector;
    placed.TextAngle = onBisector.Angle;
    return placed;
}

namespace {

// The label of the angle: its text measured, kept at the layout's place when it fits inside the angle clear
// of the sides, the arc and its marks, else outside (PlaceOutsideAngleValue), then moved by the user's
// offsets. The fit of the value and of the marks is the one every dimension takes: the marks go outside on an
// arc too short for them. Answers the fit; `arc` runs on under an outside value.
DimensionFit DrawAngleLabel(AIRealPoint vertex, double angle, double outerRadius, const AngleLayout& layout,
                            bool outsideAsked, RunOnArc& arc, ASErr* result) {
    FormatAngleText(static_cast<AIReal>(angle), gMeasuredPoints.AngleFlip);
    // A drag keeps on the group the end its cursor is nearer, past which the value goes when it does not fit,
    // now or in a rebuild under another setting.
    if (gToolState.PressDragged != 0) KeepOutsideEnd(CursorAtStartSide(vertex, layout) ? 0 : 1);
    AIArtHandle* frame = &gCurrentDimension.LabelFrames[0];
    KeepError(*result, WriteDimensionLabel(frame));
    const LabelExtent extent = MeasureDimensionLabel(*frame);
    const double textAngle = LevelAngle(static_cast<AIReal>(layout.LabelDirection - kPi / 2.0));
    // The value stands on the arc's side of its place, as when it reads with its top away from the vertex,
    // whichever way it reads.
    const double along = layout.LabelDirection - kPi / 2.0;
    const LabelBox outward = BoxAtAnchor(Along(vertex, layout.LabelRadius, layout.LabelDirection), along, extent);
    AIRealPoint anchor = AnchorForCentre(outward.Centre, textAngle, extent);
    const LabelBox box{outward.Centre, textAngle, extent};
    const double scale = ArcMarksShown(layout) ? ArcEndMarkScale() : 0.0;
    const double radius = layout.Radius;
    FitRoom room;
    room.MarksFitInside = MarksFitInside(radius * std::fabs(layout.Sweep), EndMarkLength(scale), 2);
    room.ValueFitsBetweenEnds = extent.IsEmpty() || BoxInsideSector(box, vertex, layout, radius);
    room.ValueFitsBetweenMarks =
        room.ValueFitsBetweenEnds &&
        (extent.IsEmpty() || !ArcMarksMeet(box, vertex, layout, scale));
    room.MarksOutsideAsked = outsideAsked;
    const DimensionFit fit = DecideFit(room);
    double placedAngle = textAngle;
    if (fit.ValueOutside) {
        const OutsideAngleValue outside =
            PlaceOutsideAngleValue(vertex, outerRadius, layout, extent, scale, fit.MarksOutside);
        // The user's offsets after: a turn about the vertex, then a push off it.
        const Vector2 from = outside.Centre - Vector2(vertex);
        const double direction = std::atan2(from.Y, from.X) + layout.OffsetTurn;
        const double reach = std::max(from.Length() + layout.OffsetRadius, 0.0);
        const Vector2 centre(Along(vertex, reach, direction));
        placedAngle = layout.OffsetTurn == 0.0 ? outside.TextAngle
                                               : LevelAngle(static_cast<AIReal>(direction - kPi / 2.0));
        anchor = AnchorForCentre(centre, placedAngle, extent);
        arc = outside.Arc;
    }
    if (*frame != nullptr)
        KeepError(*result,
                  PlaceDimensionLabel(*frame, anchor, static_cast<AIReal>(placedAngle), LabelReading::Level));
    return fit;
}

} // namespace

double ShownSweep(double angle, bool reentrant) {
    if (!reentrant || std::fabs(angle) < kNullAngle)
        return angle;
    return angle - TurnSense(angle) * 2.0 * kPi;
}

AngleLayout LayOutAngle(AIRealPoint vertex, double radius, double angle, double start, bool reentrant,
                        bool autoRightAngle, double offsetDegrees, double offsetRadius) {
    AngleLayout layout;
    layout.Start = start;
    layout.NullAngle = std::fabs(angle) < kNullAngle;
    layout.Sweep = ShownSweep(angle, reentrant);
    layout.RightAngle =
        autoRightAngle && !reentrant && std::fabs(std::fabs(angle) - kPi / 2.0) <= kRightAngleTolerance;
    const double side = radius * kRightAngleSquareRatio;
    const double other = start + angle;
    layout.Square[0] = Along(vertex, side, start);
    layout.Square[1] = Along(layout.Square[0], side, other);
    layout.Square[2] = Along(vertex, side, other);
    layout.Radius = radius;
    layout.LabelRadius = radius * kAngleLabelRadiusRatio + offsetRadius;
    layout.LabelDirection = start + layout.Sweep / 2.0 + offsetDegrees * kDegree;
    layout.OffsetTurn = offsetDegrees * kDegree;
    layout.OffsetRadius = offsetRadius;
    return layout;
}

double ArcRadiusAt(double radius, int32_t gap, int32_t index) {
    return radius + static_cast<double>(std::max(gap, 0)) * index;
}

AIReal ArcWidthAt(int32_t type, double width, double factor, int32_t index) {
    const bool odd = index % 2 == 1;
    const bool thick = (type == 1 && odd) || (type == 2 && !odd);
    const double factorUsed = std::isfinite(factor) && factor > 0.0 ? factor : 1.0;
    return static_cast<AIReal>(ClampToRange(thick ? width * factorUsed : width, kStrokeWidthRange));
}

double ArcEndMarkDirection(double start, double sweep, bool atStart, bool outside) {
    const double turn = TurnSense(sweep) * kPi / 2.0;
    const double inward = atStart ? start + turn : start + sweep - turn;
    return outside ? inward + kPi : inward;
}

ASErr DrawAngleDimension(AIReal x, AIReal y, AIReal radius, AIReal angle, AIReal start, AIArtHandle* arcs,
                         int8_t multipleArcs, int32_t withEnds, int32_t /*alt*/, int32_t /*dragModifier*/,
                         int32_t /*rightShift*/) {
    if (arcs == nullptr || !IsFinitePoint({x, y}) || !IsDrawableRadius(radius) || !std::isfinite(angle) ||
        !std::isfinite(start)) {
        return kBadParameterErr;
    }
    const AIRealPoint vertex{x, y};
    const AngleLayout layout = LayOutAngle(vertex, radius, angle, start, gMeasuredPoints.AngleFlip != 0,
                                           gSettings.AutoRightAngle != 0, gCurrentOptions.AngleOffsetAngle,
                                           gCurrentOptions.AngleOffsetRadius);
    gDimensionValues.RightAngleShown = layout.RightAngle ? 1 : 0;
    // The arc it is drawn with stays with the dimension, for the rebuilds no drag places.
    KeepAngleArc({radius, gMeasuredPoints.AngleFlip != 0});
    ASErr result = kNoErr;
    const bool asked = (withEnds != 0) != (gCurrentOptions.AngleArrowsFlag != 0);
    if (layout.RightAngle) {
        // The mark says the value: no label stays behind, empty, in the group.
        if (IsLiveArt(arcs[0]))
            KeepError(result, SetStraightPath(arcs[0], layout.Square, 3));
        DropArcsFrom(arcs, 1);
        DisposeArtIfValid(&gCurrentDimension.LabelFrames[0]);
        KeepError(result, DrawArcEndMarks(vertex, radius, layout, asked));
        return result;
    }
    const int32_t count = ShownArcCount(multipleArcs);
    const double outer = ArcRadiusAt(radius, gCurrentOptions.ArcGap, count - 1);
    RunOnArc arc = RunOnInFront(layout);
    const bool outside = DrawAngleLabel(vertex, angle, outer, layout, asked, arc, &result).MarksOutside;
    const double markTail = outside && ArcMarksShown(layout) ? ArcOutsideTail(radius) : 0.0;
    for (const size_t end : {size_t{0}, size_t{1}}) arc.RunOnUnder(end, markTail);
    KeepError(result, DrawArcs(arcs, count, vertex, radius, layout, arc));
    KeepError(result, DrawArcEndMarks(vertex, radius, layout, outside));
    return result;
}

ASErr DrawArcAngleDimension(AIReal /*x*/, AIReal /*y*/, int32_t withEnds, int32_t rightShift, int32_t alt,
                            int32_t dragModifier) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint centre = m.AngleVertex.p;
    const double startSide = DirectionFrom(centre, m.AnglePointB.p);
    const auto radius = static_cast<AIReal>(gCurrentOptions.ArcRadius);
    ASErr result = DrawAngleDimension(centre.h, centre.v, radius, m.AngleValue,
                                      static_cast<AIReal>(startSide), gCurrentDimension.AngleArcs,
                                      gCurrentOptions.MultipleArcs, withEnds, alt, dragModifier, rightShift);
    if (result == kBadParameterErr)
        return result;
    AIArtHandle radii = gCurrentDimension.ExtensionLines[0];
    if (!IsLiveArt(radii))
        return result;
    const double reach = radius + kArcRadiusOvershoot;
    const double sweep = ShownSweep(m.AngleValue, m.AngleFlip != 0);
    const AIRealPoint path[3] = {Along(centre, reach, startSide), centre,
                                 Along(centre, reach, startSide + sweep)};
    KeepError(result, SetStraightPath(radii, path, 3));
    return result;
}
