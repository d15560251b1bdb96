#include "figures/SegmentFigure.h"

#include <cmath>
#include <numbers>

#include "dimension/AngleBuilders.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Links.h"
#include "dimension/Redraw.h"
#include "figures/FigurePaths.h"
#include "figures/SegmentFigureShape.h"
#include "frame/CanvasWrites.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr int32_t kSegmentSlot = kSegmentTool - 1;
constexpr int32_t kAngleSlot = kAngleTool - 1;
constexpr int16_t kSegmentFigurePoints = 2;
constexpr int16_t kAngleFigurePoints = 3;

AIReal Radians(double degrees) { return static_cast<AIReal>(static_cast<AIReal>(degrees) * std::numbers::pi / 180.0); }

bool DimensionWanted(int32_t withDimension) {
    return withDimension != 0 && IsLiveArt(gCurrentDimension.DimensionGroup);
}

// The figure of this creation slot, shaped by its drag to `size` (a length), goes with its dimension group
// when that size is negligible (or not a number).
void DropCollapsedFigure(int32_t slot, AIReal size, AIArtHandle* path) {
    if (gToolState.CreationStarted[slot] == 0 || size >= kNegligibleLength) return;
    DisposeArtIfValid(path);
    DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
    ForgetDimensionParts();
}

// Holds a figure of `count` segments made at `size` to the canvas about `about`: true, `size` made the share
// of it at which the figure lies on the canvas, when it did not; false, nothing changed, when it did.
template <size_t count>
bool HoldOnCanvas(AIRealPoint about, const AIPathSegment (&segments)[count], AIReal& size) {
    const double share = CanvasShare(about, segments, count);
    if (share >= 1.0) return false;
    size = static_cast<AIReal>(size * share);
    return true;
}

}  // namespace

ASErr MakeCreatedSegment() {
    const AIReal angle = Radians(gCurrentOptions.SegmentCreateRotation);
    const AIPathStyle style = FigureStyle(gCurrentOptions.SegmentCreateWidth, kAIButtCap);
    AIArtHandle& path = gDragValues.CreatedSegmentPath;
    const FigurePathStep made =
        MakeFigurePathOnce(gToolState.CreationStarted[kSegmentSlot], path, kSegmentFigurePoints, style);
    ASErr result = made.Error;
    if (!made.Refused) {
        if (gDialogOpenFlags.SegmentDialogOpen != 0) return result;
        const auto place = [&] {
            return PlaceCreatedSegment(gMeasuredPoints.ClickPoint.p, gToolState.CursorPoint,
                                       gDragValues.CreatedSegmentLength, angle,
                                       gCurrentOptions.SegmentCreateCentred != 0);
        };
        SegmentPlacement placed = place();
        AIPathSegment ends[kSegmentFigurePoints] = {CornerSegment(placed.First), CornerSegment(placed.Second)};
        // Held to the canvas about the click, from which it runs or about which it is centred.
        if (HoldOnCanvas(gMeasuredPoints.ClickPoint.p, ends, gDragValues.CreatedSegmentLength)) {
            placed = place();
            ends[0] = CornerSegment(placed.First);
            ends[1] = CornerSegment(placed.Second);
        }
        if (!AreSegmentsFinite(ends, kSegmentFigurePoints)) {
            ShiftCursorPastFigure();
            return result;
        }
        gMeasuredPoints.SegmentAngle = placed.LineAngle;
        gMeasuredPoints.FirstPoint = ends[0];
        gMeasuredPoints.SecondPoint = ends[1];
        KeepError(result, WriteFigureSegments(path, ends, kSegmentFigurePoints));
        if (DimensionWanted(gCurrentOptions.SegmentCreateWithDimension)) {
            KeepError(result, LinkOnSegment(path, 0, 1));
            KeepError(result, DrawSegmentDimension());
        }
    }
    ShiftCursorPastFigure();
    return result;
}

ASErr MakeCreatedAngle(int32_t centred) {
    const AIReal orientation = Radians(gCurrentOptions.AngleCreateAngle);
    const AIPathStyle style = FigureStyle(gCurrentOptions.AngleCreateWidth, kAIRoundCap);
    AIArtHandle& path = gDragValues.CreatedAnglePath;
    const FigurePathStep made =
        MakeFigurePathOnce(gToolState.CreationStarted[kAngleSlot], path, kAngleFigurePoints, style);
    if (made.Refused) return made.Error;
    if (gDialogOpenFlags.AngleDialogOpen != 0) return made.Error;
    MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint vertex = m.AngleVertex.p;
    const auto place = [&] {
        return PlaceCreatedAngle(vertex, gDragValues.CreatedAngleSide, orientation, gDragValues.CreatedAngleRotation,
                                 centred != 0);
    };
    AnglePlacement placed = place();
    AIPathSegment sides[kAngleFigurePoints] = {CornerSegment(placed.First), m.AngleVertex,
                                               CornerSegment(placed.Second)};
    if (HoldOnCanvas(vertex, sides, gDragValues.CreatedAngleSide)) {
        placed = place();
        sides[0] = CornerSegment(placed.First);
        sides[2] = CornerSegment(placed.Second);
    }
    if (!AreSegmentsFinite(sides, kAngleFigurePoints)) {
        ShiftCursorPastFigure();
        return made.Error;
    }
    ASErr result = WriteFigureSegments(path, sides, kAngleFigurePoints);
    if (DimensionWanted(gCurrentOptions.AngleCreateWithDimension)) {
        m.AngleValue = CreatedAngleValue(vertex, placed.First, placed.Second);
        // The figure's sides are the dimension's measured sides, which its build and rebuilds start from.
        m.AnglePointB = sides[0];
        m.AnglePointA = sides[2];
        // The label shows the angle between the figure's own sides, whatever an earlier drag left.
        m.AngleFlip = 0;
        KeepError(result, LinkAngle(path, 0, 1, 2));
        // Drawn by the angle's one rebuild, so that a panel change after it draws the same.
        KeepError(result, RedrawDimensionAs(DimensionKind::Angle));
    }
    ShiftCursorPastFigure();
    return result;
}

void DropCollapsedSegment() {
    DropCollapsedFigure(kSegmentSlot, gDragValues.CreatedSegmentLength, &gDragValues.CreatedSegmentPath);
}

void DropCollapsedAngle() {
    DropCollapsedFigure(kAngleSlot, gDragValues.CreatedAngleSide, &gDragValues.CreatedAnglePath);
}
