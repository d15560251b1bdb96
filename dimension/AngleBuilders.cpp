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

// The arcs of the layout, `count` of them with their widths, running `tail` radians past both ends. Nothing
// when the first arc is gone: the dimension has lost its arc, and no new ones are made for it.
ASErr DrawArcs(AIArtHandle* arcs, int32_t count, AIRealPoint vertex, double radius, const AngleLayout& layout,
               double tail) {
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
            KeepError(result, SetArcPath(arcs[i], vertex, r, layout.Start - sign * tail,
                                         layout.Sweep + 2.0 * sign * tail));
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

// True when the box, grown by the value gap, overlaps one of the arc's end marks inside it (each taken as
// the triangle from its tip to its back, `length` along the arc and `halfWidth` either side).
bool BoxMeetsArcMarks(const LabelBox& box, AIRealPoint vertex, const AngleLayout& layout, double length,
                      double halfWidth) {
    if (length <= kNegligibleLength) return false;
    const double gap = OutsideValueStart(false);
    const Vector2 corners[4] = {box.Corner(0, gap), box.Corner(1, gap), box.Corner(2, gap), box.Corner(3, gap)};
    for (const bool atStart : {true, false}) {
        const double end = atStart ? layout.Start : layout.Start + layout.Sweep;
        const Vector2 tip(Along(vertex, layout.Radius, end));
        const double direction = ArcEndMarkDirection(layout.Start, layout.Sweep, atStart, false);
        const Vector2 into(std::cos(direction), std::sin(direction));
        const Vector2 back = tip + into * length;
        const Vector2 mark[3] = {tip, back + into.Perpendicular() * halfWidth,
                                 back - into.Perpendicular() * halfWidth};
        if (ConvexPolygonsOverlap(corners, 4, mark, 3)) return true;
    }
    return false;
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

// The label of the angle: its text measured, kept at the layout's place when it fits inside the angle clear
// of the sides, the arc and its marks, else outside the outermost arc along the same direction. The fit of
// the value and of the marks is the one every dimension takes: the marks go outside on an arc too short for
// them. Answers the marks' side.
bool DrawAngleLabel(AIRealPoint vertex, double angle, double outerRadius, const AngleLayout& layout,
                    bool outsideAsked, ASErr* result) {
    FormatAngleText(static_cast<AIReal>(angle), gMeasuredPoints.AngleFlip);
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
        (extent.IsEmpty() || !BoxMeetsArcMarks(box, vertex, layout, EndMarkLength(scale), EndMarkHalfWidth(scale)));
    room.MarksOutsideAsked = outsideAsked;
    const DimensionFit fit = DecideFit(room);
    if (fit.ValueOutside) {
        const Vector2 out(std::cos(layout.LabelDirection), std::sin(layout.LabelDirection));
        const double clear = outerRadius + EndMarkHalfWidth(scale) + OutsideValueStart(false);
        const double reach = std::max(clear + box.HalfExtentOn(out), layout.LabelRadius);
        anchor = AnchorForCentre(Vector2(vertex) + out * reach, textAngle, extent);
    }
    if (*frame != nullptr)
        KeepError(*result, PlaceDimensionLabel(*frame, anchor, static_cast<AIReal>(textAngle)));
    return fit.MarksOutside;
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
    const bool outside = DrawAngleLabel(vertex, angle, outer, layout, asked, &result);
    const double tail = outside && ArcMarksShown(layout) ? ArcOutsideTail(radius) : 0.0;
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
