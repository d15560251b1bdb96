#include "dimension/AngleBuilders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "dimension/Labels.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/PathStyles.h"
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
double OutsideMarkTail(double radius) {
    return kOutsideMarkTail * std::max(ArcEndMarkScale(), 1.0) / radius;
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
                              mark, tip, ArcEndMarkDirection(layout.Start, layout.Sweep, atStart, outside),
                              ArcEndMarkScale(), nullptr));
    }
    return result;
}

// The label of the angle: its text, at the layout's place.
ASErr DrawAngleLabel(AIRealPoint vertex, double angle, const AngleLayout& layout) {
    FormatAngleText(static_cast<AIReal>(angle), gMeasuredPoints.AngleFlip);
    return SetAngleLabel(&gCurrentDimension.LabelFrames[0], vertex, static_cast<AIReal>(layout.LabelRadius),
                         static_cast<AIReal>(layout.LabelDirection));
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
    return static_cast<AIReal>(thick ? width * factorUsed : width);
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
    const bool outside = (withEnds != 0) != (gCurrentOptions.AngleArrowsFlag != 0);
    if (layout.RightAngle) {
        if (IsLiveArt(arcs[0]))
            KeepError(result, SetStraightPath(arcs[0], layout.Square, 3));
        DropArcsFrom(arcs, 1);
    } else {
        const double tail = outside && ArcMarksShown(layout) ? OutsideMarkTail(radius) : 0.0;
        KeepError(result, DrawArcs(arcs, ShownArcCount(multipleArcs), vertex, radius, layout, tail));
    }
    KeepError(result, DrawArcEndMarks(vertex, radius, layout, outside));
    if (!layout.RightAngle)
        KeepError(result, DrawAngleLabel(vertex, angle, layout));
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
