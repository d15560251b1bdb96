#include "dimension/AngleBuilders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionFit.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
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

double Sign(double x) {
    return x < 0.0 ? -1.0 : 1.0;
}

AIRealPoint Along(AIRealPoint from, double length, double angle) {
    return PointOnCircle(from, length, angle);
}

bool Finite(AIReal x, AIReal y) {
    return std::isfinite(x) && std::isfinite(y);
}

// The direction (radians) from one point to another; 0 when they coincide.
double DirectionFrom(AIRealPoint from, AIRealPoint to) {
    const Vector2 d = Vector2(to) - Vector2(from);
    return d.IsDegenerate() ? 0.0 : std::atan2(d.Y, d.X);
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
    const double size = gDimensionValues.ActiveEndMarkSize;
    return std::isfinite(size) && size > 0.0 ? size / kEndMarkSizeUnit : 0.0;
}

// The end marks of the arc are shown: marks are on, and the angle has an arc.
bool ArcMarksShown(const AngleLayout& layout) {
    return ArcEndMarkScale() > 0.0 && !layout.NullAngle && !layout.RightAngle;
}

// The angle by which an arc of `radius` runs on past marks that point in from outside its ends.
double ArcOutsideTail(double radius) {
    return OutsideMarkTail(ArcEndMarkScale()) / radius;
}

// The arcs of the layout, `count` of them with their widths, running tail[0] radians past the start end and
// tail[1] past the far end. Nothing when the first arc is gone: the dimension has lost its arc, and no new ones
// are made for it.
ASErr DrawArcs(AIArtHandle* arcs, int32_t count, AIRealPoint vertex, double radius, const AngleLayout& layout,
               const double (&tail)[2]) {
    if (!IsLiveArt(arcs[0]))
        return kNoErr;
    ASErr result = kNoErr;
    const double sign = layout.Sweep < 0.0 ? -1.0 : 1.0;
    const double width = gPathStyles.DimensionLineStyle.stroke.width;
    const int32_t type = count > 1 ? gSettings.MultipleArcType : 0;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0)
            KeepError(result, EnsureArc(arcs, i));
        if (!IsLiveArt(arcs[i]))
            continue;
        const double r = ArcRadiusAt(radius, gCurrentOptions.ArcGap, i);
        if (layout.NullAngle)
            KeepError(result, ClearPath(arcs[i]));
        else
            KeepError(result, SetArcPath(arcs[i], vertex, r, layout.Start - sign * tail[0],
                                         layout.Sweep + sign * (tail[0] + tail[1])));
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
        const double turn = Sign(layout.Sweep) * (std::atan2(towards.Y, towards.X) - layout.Start);
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
        if (!Finite(p.h, p.v) || towards.IsDegenerate()) continue;
        const double turn = std::remainder(std::atan2(towards.Y, towards.X) - direction, 2.0 * kPi);
        if (std::fabs(turn) < kSameDirection) return towards.Length();
    }
    return kUnbounded;
}

// The sides of the angle as far as they matter to a box about `centre`: from the vertex, each as long as the
// measured side or as far as the box can reach, whichever is shorter.
struct AngleSides {
    Vector2 Vertex;
    Vector2 Ends[2];
};
AngleSides SidesNear(AIRealPoint vertex, const AngleLayout& layout, Vector2 centre, const LabelBox& box) {
    const double reach = (centre - Vector2(vertex)).Length() + box.Extent.Width + box.Extent.Height() +
                         2.0 * OutsideValueStart(false);
    AngleSides sides{Vector2(vertex), {}};
    const double directions[2] = {layout.Start, layout.Start + layout.Sweep};
    for (size_t k = 0; k < 2; ++k)
        sides.Ends[k] = Vector2(Along(vertex, std::min(reach, SideLength(vertex, directions[k])), directions[k]));
    return sides;
}

// True when the box, grown by the value gap, meets either side of the angle.
bool BoxMeetsSides(const LabelBox& box, AIRealPoint vertex, const AngleLayout& layout) {
    const double gap = OutsideValueStart(false);
    const Vector2 corners[4] = {box.Corner(0, gap), box.Corner(1, gap), box.Corner(2, gap), box.Corner(3, gap)};
    const AngleSides sides = SidesNear(vertex, layout, box.Centre, box);
    for (const Vector2 end : sides.Ends) {
        const Vector2 side[2] = {sides.Vertex, end};
        if (ConvexPolygonsOverlap(corners, 4, side, 2)) return true;
    }
    return false;
}

// True when the box, grown by the value gap, meets the end mark of the arc at its start end (`atStart`) or
// far end, inside the arc or (`outside`) past its end pointing in; `length` along the arc, `halfWidth` across.
bool BoxMeetsArcMark(const LabelBox& box, AIRealPoint vertex, const AngleLayout& layout, bool atStart,
                     bool outside, double length, double halfWidth) {
    if (length <= kNegligibleLength) return false;
    const double gap = OutsideValueStart(false);
    const Vector2 corners[4] = {box.Corner(0, gap), box.Corner(1, gap), box.Corner(2, gap), box.Corner(3, gap)};
    const double end = atStart ? layout.Start : layout.Start + layout.Sweep;
    const Vector2 tip(Along(vertex, layout.Radius, end));
    const double direction = ArcEndMarkDirection(layout.Start, layout.Sweep, atStart, outside);
    const Vector2 into(std::cos(direction), std::sin(direction));
    const Vector2 back = tip + into * length;
    const Vector2 mark[3] = {tip, back + into.Perpendicular() * halfWidth, back - into.Perpendicular() * halfWidth};
    return ConvexPolygonsOverlap(corners, 4, mark, 3);
}

// The end of the arc on the cursor's side: the start end when the cursor lies on the start side of the
// bisector, else the far end (also when the cursor is on the vertex).
bool CursorAtStartSide(AIRealPoint vertex, const AngleLayout& layout) {
    const Vector2 towards = Vector2(gToolState.CursorPoint) - Vector2(vertex);
    if (!Finite(gToolState.CursorPoint.h, gToolState.CursorPoint.v) || towards.IsDegenerate()) return false;
    const double turn = std::remainder(std::atan2(towards.Y, towards.X) - (layout.Start + layout.Sweep / 2.0),
                                       2.0 * kPi);
    return Sign(layout.Sweep) * turn < 0.0;
}

// The end of the arc a value that does not fit goes past: while a press drags, the cursor's side, kept on the
// group; in a build no drag places (the press on a dimension, update-all, a panel change after a click), the
// end the drag kept there, else the far end, so that a cursor left by another gesture decides nothing.
bool OutsideValueAtStart(AIRealPoint vertex, const AngleLayout& layout) {
    if (gToolState.PressDragged == 0) return KeptOutsideEnd() == 0;
    const bool atStart = CursorAtStartSide(vertex, layout);
    KeepOutsideEnd(atStart ? 0 : 1);
    return atStart;
}

// Where an angle's value goes when it does not fit inside, and how far the arc runs on under it.
struct OutsideAngleValue {
    Vector2 Centre;
    double TextAngle = 0.0;
    double Tail[2] = {0.0, 0.0}; // radians past the start and far ends
};

// The value's box at `direction` from the vertex, its middle `reach` off it, its baseline along the arc there.
LabelBox BoxOnCircle(AIRealPoint vertex, double reach, double direction, const LabelExtent& extent) {
    const Vector2 centre(Along(vertex, reach, direction));
    return LabelBox{centre, UprightAngle(static_cast<AIReal>(direction - kPi / 2.0)), extent};
}

// The value outside the arc: on the bisector beyond the outermost arc while it crosses neither side; else past
// the end of the arc on the cursor's side, standing beside the arc's continuation clear of the side and the
// mark there, the arc running on under it, as a linear value stands past its extension line.
OutsideAngleValue PlaceOutsideAngleValue(AIRealPoint vertex, double outerRadius, const AngleLayout& layout,
                                         const LabelExtent& extent, double markScale, bool marksOutside) {
    OutsideAngleValue placed;
    const double bisector = layout.Start + layout.Sweep / 2.0;
    const Vector2 out(std::cos(bisector), std::sin(bisector));
    const double clear = outerRadius + EndMarkHalfWidth(markScale) + OutsideValueStart(false);
    const LabelBox flat = BoxOnCircle(vertex, clear, bisector, extent);
    const double reach = std::max(clear + flat.HalfExtentOn(out), layout.LabelRadius - layout.OffsetRadius);
    const LabelBox onBisector = BoxOnCircle(vertex, reach, bisector, extent);
    if (!BoxMeetsSides(onBisector, vertex, layout)) {
        placed.Centre = onBisector.Centre;
        placed.TextAngle = onBisector.Angle;
        return placed;
    }
    const bool atStart = OutsideValueAtStart(vertex, layout);
    const double end = atStart ? layout.Start : layout.Start + layout.Sweep;
    const double outward = atStart ? -Sign(layout.Sweep) : Sign(layout.Sweep);
    const double length = EndMarkLength(markScale), halfWidth = EndMarkHalfWidth(markScale);
    // Beside the arc: the box's middle off the outermost arc by half its extent across the arc and the label
    // clearance; then along the arc's continuation, in steps of a fraction of the value gap, until it clears.
    const double across = extent.HalfAlong(kPi / 2.0) + kLabelClearance;
    const double radius = outerRadius + across;
    const double step = OutsideValueStart(false) / (4.0 * radius);
    double turn = 0.0;
    LabelBox box = BoxOnCircle(vertex, radius, end, extent);
    for (; turn < kPi; turn += step) {
        box = BoxOnCircle(vertex, radius, end + outward * turn, extent);
        if (!BoxMeetsSides(box, vertex, layout) &&
            !BoxMeetsArcMark(box, vertex, layout, atStart, marksOutside, length, halfWidth)) {
            break;
        }
    }
    placed.Centre = box.Centre;
    placed.TextAngle = box.Angle;
    placed.Tail[atStart ? 0 : 1] = turn + extent.HalfAlong(0.0) / radius;
    return placed;
}

// The label of the angle: its text measured, kept at the layout's place when it fits inside the angle clear
// of the sides, the arc and its marks, else outside (PlaceOutsideAngleValue), then moved by the user's
// offsets. The fit of the value and of the marks is the one every dimension takes: the marks go outside on an
// arc too short for them. Answers the fit, and how far the arc runs on past each end under an outside value.
DimensionFit DrawAngleLabel(AIRealPoint vertex, double angle, double outerRadius, const AngleLayout& layout,
                            bool outsideAsked, double (&valueTail)[2], ASErr* result) {
    FormatAngleText(static_cast<AIReal>(angle), gMeasuredPoints.AngleFlip);
    // A drag keeps on the group only the end its last step sent the value past.
    if (gToolState.PressDragged != 0) KeepOutsideEnd(-1);
    AIArtHandle* frame = &gCurrentDimension.LabelFrames[0];
    KeepError(*result, WriteDimensionLabel(frame));
    const LabelExtent extent = MeasureDimensionLabel(*frame);
    const double textAngle = UprightAngle(static_cast<AIReal>(layout.LabelDirection - kPi / 2.0));
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
        (extent.IsEmpty() ||
         (!BoxMeetsArcMark(box, vertex, layout, true, false, EndMarkLength(scale), EndMarkHalfWidth(scale)) &&
          !BoxMeetsArcMark(box, vertex, layout, false, false, EndMarkLength(scale), EndMarkHalfWidth(scale))));
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
                                               : UprightAngle(static_cast<AIReal>(direction - kPi / 2.0));
        anchor = AnchorForCentre(centre, placedAngle, extent);
        valueTail[0] = outside.Tail[0];
        valueTail[1] = outside.Tail[1];
    }
    if (*frame != nullptr)
        KeepError(*result, PlaceDimensionLabel(*frame, anchor, static_cast<AIReal>(placedAngle)));
    return fit;
}

} // namespace

double ShownSweep(double angle, bool reentrant) {
    if (!reentrant || std::fabs(angle) < kNullAngle)
        return angle;
    return angle - Sign(angle) * 2.0 * kPi;
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
    const double turn = Sign(sweep) * kPi / 2.0;
    const double inward = atStart ? start + turn : start + sweep - turn;
    return outside ? inward + kPi : inward;
}

ASErr DrawAngleDimension(AIReal x, AIReal y, AIReal radius, AIReal angle, AIReal start, AIArtHandle* arcs,
                         int8_t multipleArcs, int32_t withEnds, int32_t /*alt*/, int32_t /*dragModifier*/,
                         int32_t /*rightShift*/) {
    if (arcs == nullptr || !Finite(x, y) || !Finite(radius, angle) || !std::isfinite(start) ||
        radius < kNegligibleLength) {
        return kBadParameterErr;
    }
    const AIRealPoint vertex{x, y};
    const AngleLayout layout = LayOutAngle(vertex, radius, angle, start, gMeasuredPoints.AngleFlip != 0,
                                           gSettings.AutoRightAngle != 0, gCurrentOptions.AngleOffsetAngle,
                                           gCurrentOptions.AngleOffsetRadius);
    gDimensionValues.RightAngleShown = layout.RightAngle ? 1 : 0;
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
    double tail[2] = {0.0, 0.0};
    const bool outside = DrawAngleLabel(vertex, angle, outer, layout, asked, tail, &result).MarksOutside;
    const double markTail = outside && ArcMarksShown(layout) ? ArcOutsideTail(radius) : 0.0;
    for (double& t : tail) t = std::max(t, markTail);
    KeepError(result, DrawArcs(arcs, count, vertex, radius, layout, tail));
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
