#include "figures/CircleFigure.h"

#include <cmath>

#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "dimension/Skeletons.h"
#include "figures/CircleFigureShape.h"
#include "figures/FigurePaths.h"
#include "frame/CanvasWrites.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr int32_t kCircleSlot = kCircleTool - 1;
// Segments of the path first made, before the first build reshapes it.
constexpr int16_t kFirstSegmentCount = 2;
// How far outside the figure the label of its dimension sits.
constexpr double kLabelClearance = 20.0;

// The figure's style: the live width with round ends.
AIPathStyle CircleFigureStyle() { return FigureStyle(gCurrentOptions.CircleCreateWidth, kAIRoundCap); }

// A value a drag set, or 0 where it is not a number.
float NumberOrZero(double value) { return std::isfinite(value) ? static_cast<float>(value) : 0.0f; }

// The label point of the dimension: `clearance` outside the circle on the ray from the centre to the cursor.
AIRealPoint LabelPoint(AIRealPoint centre, double radius, AIRealPoint cursor) {
    const double direction = std::atan2(cursor.v - centre.v, cursor.h - centre.h);
    const double reach = radius + kLabelClearance;
    return (Vector2(centre) + Vector2(std::cos(direction), std::sin(direction)) * reach).ToPoint();
}

ASErr DrawFigureDimension(AIArtHandle path, AIReal radius) {
    MeasuredPoints& m = gMeasuredPoints;
    m.CircleCentre = m.ClickPoint.p;
    m.CircleRadius = radius;
    gToolState.CursorPoint = LabelPoint(m.CircleCentre, radius, gToolState.CursorPoint);
    gDimensionValues.ArcMiddleAngle =
        NumberOrZero(gDragValues.ArcSweep * 0.5 + static_cast<AIReal>(gCurrentOptions.CircleCreateAngle));
    ASErr result = LinkCircle(path, 0, 1);
    KeepError(result, DrawCircleDimension(gToolState.CursorPoint.h, gToolState.CursorPoint.v, 0, 0, 0, 0));
    return result;
}

// The radius held so that the whole circle about `centre` lies on the canvas (an arc or a sector as its circle).
AIReal HeldRadius(AIRealPoint centre, AIReal radius) {
    AIPathSegment circle[kCircleSegmentCount];
    CircleSegments(radius, centre, circle);
    const double share = CanvasShare(centre, circle, kCircleSegmentCount);
    return share < 1.0 ? static_cast<AIReal>(radius * share) : radius;
}

// True while the figure has a size to dimension.
bool HasSize(AIReal radius) { return radius >= kNegligibleLength; }

// Removes the dimension's parts and the link they had on the figure, the group staying for their return.
void RemoveDimensionParts(AIArtHandle path) {
    AIArtHandle child = nullptr;
    while (sAIArt->GetArtFirstChild(gCurrentDimension.DimensionGroup, &child) == kNoErr && child != nullptr) {
        const AIArtHandle gone = child;
        DisposeArtIfValid(&child);
        if (child == gone) break;  // the host kept it
    }
    ForgetDimensionParts();
    UnlinkOrphan(path, DimensionArtFormat::CircleLink);
}

// The figure's dimension at this step: none while the figure has no size, its parts made again when it grows.
ASErr PlaceFigureDimension(AIArtHandle path, AIReal radius) {
    if (!HasSize(radius)) {
        RemoveDimensionParts(path);
        return kNoErr;
    }
    ASErr result = kNoErr;
    if (!IsLiveArt(gCurrentDimension.CircleParts[0])) result = BuildCircleDimensionArt();
    KeepError(result, DrawFigureDimension(path, radius));
    return result;
}

}  // namespace

CircleFigureStep BuildCirclePath(AIArtHandle* path, AIReal r, AIReal x, AIReal y) {
    CircleFigureStep step;
    AIPathSegment segments[kCircleSegmentCount];
    CircleSegments(r, {x, y}, segments);
    step.Sound = AreSegmentsFinite(segments, kCircleSegmentCount);
    if (path == nullptr || !IsLiveArt(*path) || !step.Sound) return step;
    const AIPathStyle style = CircleFigureStyle();
    step.Error = sAIPathStyle->SetPathStyle(*path, &style);
    KeepError(step.Error, WriteFigureSegments(*path, segments, static_cast<int16_t>(kCircleSegmentCount)));
    KeepError(step.Error, sAIPath->SetPathClosed(*path, 1));
    // A hole's centre is what its distance to another is measured from.
    KeepError(step.Error, sAIPath->SetPathCentreShown(*path, 1));
    return step;
}

CircleFigureStep BuildArcPath(AIArtHandle* path, AIReal r, AIReal x, AIReal y, int32_t sector) {
    CircleFigureStep step;
    const float sweep = NumberOrZero(gDragValues.ArcSweep);
    const float start = NumberOrZero(gCurrentOptions.CircleCreateAngle);
    AIPathSegment segments[kArcSegmentCapacity];
    const size_t count = ArcSegments(r, {x, y}, sweep, start, sector != 0, segments);
    step.Sound = AreSegmentsFinite(segments, count);
    if (path == nullptr || !IsLiveArt(*path) || !step.Sound) return step;
    const AIPathStyle style = CircleFigureStyle();
    sAIPathStyle->SetPathStyle(*path, &style);
    sAIPath->SetPathClosed(*path, sector != 0 ? 1 : 0);
    WriteFigureSegments(*path, segments, static_cast<int16_t>(count));
    return step;
}

ASErr MakeCreatedCircle() {
    AIArtHandle& path = gDragValues.CreatedCirclePath;
    const FigurePathStep made = MakeFigurePathOnce(gToolState.CreationStarted[kCircleSlot], path,
                                                   kFirstSegmentCount, gPathStyles.DimensionLineStyle);
    ASErr result = made.Error;
    if (!made.Refused) {
        if (gDialogOpenFlags.CircleDialogOpen != 0) return result;
        const AIRealPoint centre = gMeasuredPoints.ClickPoint.p;
        const AIReal radius = HeldRadius(centre, NumberOrZero(gDragValues.CreatedCircleRadius));
        gDragValues.CreatedCircleRadius = radius;
        const bool arc = gCurrentOptions.CircleCreateArc != 0 || gCurrentOptions.CircleCreateSector != 0;
        const CircleFigureStep built = arc ? BuildArcPath(&path, radius, centre.h, centre.v,
                                                          gCurrentOptions.CircleCreateSector)
                                           : BuildCirclePath(&path, radius, centre.h, centre.v);
        if (!arc) KeepError(result, built.Error);
        if (built.Sound && gCurrentOptions.CircleCreateWithDimension != 0 &&
            IsLiveArt(gCurrentDimension.DimensionGroup))
            KeepError(result, PlaceFigureDimension(path, radius));
    }
    ShiftCursorPastFigure();
    return result;
}

void DropCollapsedCircle() {
    if (gToolState.CreationStarted[kCircleSlot] == 0 || HasSize(NumberOrZero(gDragValues.CreatedCircleRadius))) return;
    DisposeArtIfValid(&gDragValues.CreatedCirclePath);
    DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
    ForgetDimensionParts();
}
