// The Segment tool's drag: snapping to remembered end points, then the series, the dimension along a curve,
// the arc length or the linear dimension placed at the cursor.
#include <cmath>

#include "dimension/CurrentDimension.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/LiveValueSwap.h"
#include "dimension/Naming.h"
#include "dimension/OffsetDimension.h"
#include "dimension/Skeletons.h"
#include "figures/FigurePaths.h"
#include "figures/SegmentFigure.h"
#include "frame/CanvasWrites.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/RealMathSuite.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "tools/MouseDrag.h"
#include "tools/RememberedSegments.h"
#include "records/ToolState.h"
#include "records/HitState.h"

namespace {

// Screen pixels within which the cursor snaps to a remembered end point.
constexpr AIReal kMagnetismPixels = 8.0f;
// The step of right Shift on a created segment's direction.
constexpr double kSegmentRotationStep = 0.17453294;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
constexpr const char* kShortSeriesAlert =
    "Il faut cliquer sur plus de deux points pour réaliser des cotes en série.";

// True, with the cursor moved onto it, when `end` is close to the cursor point.
bool SnapOnto(AIRealPoint end, AIReal tolerance) {
    if (!sAIRealMath->AIRealPointClose(&end, &gToolState.CursorPoint, tolerance)) return false;
    gToolState.CursorPoint = end;
    return true;
}

// Moves the cursor point onto the first close end of the newest remembered segment that has one.
void SnapToRememberedEnds(const AIToolMessage& message) {
    const AIReal tolerance = ViewPixels(kMagnetismPixels);
    for (const RememberedSegment* node = gRememberedSegments.Head; node != nullptr; node = node->Next) {
        if (SnapOnto({node->X1, node->Y1}, tolerance) || SnapOnto({node->X2, node->Y2}, tolerance)) {
            SetDragCursor(message, kSnappedCursor);
            return;
        }
        SetDragCursor(message, gToolState.DimensionStarted != 0 ? kFollowCursor : kPlainCursor);
    }
}

using SeriesBuilder = ASErr (*)(AIReal, AIReal, int32_t);

// The series builder for the live orientation, the live series type and Alt.
SeriesBuilder ChosenSeriesBuilder(int32_t alt) {
    const bool chained = gCurrentOptions.SeriesKind == 1;
    switch (gCurrentOptions.DimensionOrientation) {
    case kParallelDimension: return chained ? DrawSeriesChainOblique : DrawSeriesFromOriginOblique;
    case kHorizontalDimension:
        if (alt != 0) return chained ? DrawSeriesChainVertical : DrawSeriesFromOriginVertical;
        return chained ? DrawSeriesChainHorizontal : DrawSeriesFromOriginHorizontal;
    case kVerticalDimension:
        if (alt != 0) return chained ? DrawSeriesChainHorizontal : DrawSeriesFromOriginHorizontal;
        return chained ? DrawSeriesChainVertical : DrawSeriesFromOriginVertical;
    default: return nullptr;
    }
}

ASErr DragSeries(const AIToolMessage& message, const DragKeys& keys) {
    if (gToolState.ClickCount < 3) {
        gToolState.ClickCount = 0;
        // The series restarts: the group its first click made, still empty, goes with it. The alert ends the
        // press, so that its further moves raise it no more.
        DisposeEmptyGroup();
        RefusePress(kShortSeriesAlert);
        return kNoErr;
    }
    ASErr result = kNoErr;
    if (gToolState.EditingSegment == 0) {
        KeepError(result, TagSeriesArt());
        KeepError(result, NameDimensionArt());
    }
    const SeriesBuilder builder = ChosenSeriesBuilder(keys.Alt);
    if (builder == nullptr) return result;
    return builder(message.cursor.h, message.cursor.v, gToolState.WithEnds);
}

// The dimension along a curve: the line at the cursor's distance, on the cursor's side of the curve.
ASErr DragAlongCurve(const DragKeys& keys) {
    const AIRealPoint click = gMeasuredPoints.CurveClickPoint;
    const AIRealPoint tip = gMeasuredPoints.CurveNormalTip;
    const AIRealPoint cursor = gToolState.CursorPoint;
    const double reach = Distance(cursor, click);
    gCurrentOptions.SideTieLength = reach;
    const AIRealPoint toCursor{click.h - cursor.h, click.v - cursor.v};
    const AIRealPoint toTip{click.h - tip.h, click.v - tip.v};
    gDragValues.LineFlipped = Dot2(toCursor, toTip) <= 0.0 ? 1 : 0;
    gToolState.OffsetDragActive = 1;
    const Vector2 normal = UnitVector(Vector2(tip) - Vector2(click));
    const Vector2 side = gDragValues.LineFlipped != 0 ? normal * -1.0 : normal;
    gToolState.CursorPoint = (Vector2(click) + side * reach).ToPoint();
    return DrawOffsetDimension(&gHitState.MeasuredArt, gCurrentDimension.DimensionLines,
                               static_cast<AIReal>(reach), gToolState.CursorPoint.h, gToolState.CursorPoint.v,
                               keys.RightShift, gToolState.WithEnds, gToolState.DragModifier);
}

// The arc length: the concentric arc at the cursor's distance from the centre.
ASErr DragArcLength(const DragKeys& keys) {
    AIReal radius = static_cast<AIReal>(Distance(gMeasuredPoints.AngleVertex.p, gToolState.CursorPoint));
    if (keys.RightShift != 0) radius = RoundedUpTo(radius, gSettings.ArcRadius);
    gCurrentOptions.ArcRadius = radius;
    gCurrentOptions.SideTieLength = radius - gMeasuredPoints.CircleRadius;
    gMeasuredPoints.AngleFlip = gMeasuredPoints.AngleValue < 0.0f ? 1 : 0;
    return DrawArcLengthDimension(gToolState.WithEnds, keys.RightShift, keys.Alt, gToolState.DragModifier);
}

// Swaps horizontal and vertical when Alt is held.
int32_t DraggedOrientation(int32_t alt) {
    const int32_t orientation = gCurrentOptions.DimensionOrientation;
    if (alt == 0 || orientation == kParallelDimension) return orientation;
    if (orientation == kHorizontalDimension) return kVerticalDimension;
    if (orientation == kVerticalDimension) return kHorizontalDimension;
    return orientation;
}

ASErr DragCentredLabel(const DragKeys& keys) {
    const AIRealPoint c = gToolState.CursorPoint;
    const AIRealPoint a = gMeasuredPoints.FirstPoint.p, b = gMeasuredPoints.SecondPoint.p;
    const int32_t ends = gToolState.WithEnds, modifier = gToolState.DragModifier;
    switch (DraggedOrientation(keys.Alt)) {
    case kParallelDimension:
        return DrawParallelDimensionWithTextGap(c.h, c.v, ends, keys.Alt, keys.RightShift, keys.Space, modifier);
    case kHorizontalDimension:
        return DrawHorizontalDimensionWithTextGap(c.h, c.v, a.h, a.v, b.h, b.v, ends, keys.RightShift, keys.Space,
                                                  modifier);
    case kVerticalDimension:
        return DrawVerticalDimensionWithTextGap(c.h, c.v, a.h, a.v, b.h, b.v, ends, keys.RightShift, keys.Space,
                                                modifier);
    default: return kNoErr;
    }
}

// The signed offset of the cursor from the measured line (left of it positive), measured as a drag with the
// value in the line's gap measures it, and the extension lines' reach past it.
void SetSideOffset() { UseLinearOffset(LinearOffsetOf(gToolState.CursorPoint)); }

ASErr DragSideLabel(const DragKeys& keys) {
    SetSideOffset();
    const AIRealPoint c = gToolState.CursorPoint;
    const AIRealPoint a = gMeasuredPoints.FirstPoint.p, b = gMeasuredPoints.SecondPoint.p;
    const int32_t ends = gToolState.WithEnds, modifier = gToolState.DragModifier;
    switch (DraggedOrientation(keys.Alt)) {
    case kParallelDimension: return DrawParallelDimensionSideText(ends, keys.Alt, modifier);
    case kHorizontalDimension:
        return DrawHorizontalDimensionSideText(c.h, c.v, a.h, a.v, b.h, b.v, ends, keys.RightShift, modifier);
    case kVerticalDimension:
        return DrawVerticalDimensionSideText(c.h, c.v, a.h, a.v, b.h, b.v, ends, keys.RightShift, keys.Space,
                                             modifier);
    default: return kNoErr;
    }
}

// True while the segment of this creation click can still be shaped: before its path is made, or while that
// path exists (a path kept from an earlier click is never read).
bool CreatedSegmentLive() {
    return gToolState.CreationStarted[kSegmentTool - 1] == 0 || IsLiveArt(gDragValues.CreatedSegmentPath);
}

// The segment figure follows the cursor: its length, and its direction with right Shift (10-degree steps) or
// Alt (free), measured from the click, which a centred segment's first anchor is not; the left Windows key
// swaps centred and from the click for this step. A cursor so far away that the length is beyond a float leaves
// the figure as it is.
ASErr DragCreatedSegment(const AIToolMessage& message, const DragKeys& keys) {
    SetDragCursor(message, kFollowCursor);
    const AIRealPoint start = gMeasuredPoints.ClickPoint.p;
    const double length = Distance(start, message.cursor);
    if (!FitsArtworkFloat(length)) return KeepCreatedFigure();
    if (CreatedSegmentLive()) {
        gDragValues.CreatedSegmentLength = static_cast<AIReal>(length);
        const AIReal direction = PointAngle(start, message.cursor);
        if (keys.Alt != 0)
            gCurrentOptions.SegmentCreateRotation = direction * kDegreesPerRadian;
        else if (keys.RightShift != 0)
            gCurrentOptions.SegmentCreateRotation = RoundedUpTo(direction, kSegmentRotationStep) * kDegreesPerRadian;
    }
    // The drag's modifier turns the centring over for this segment only.
    const int32_t centred = gCurrentOptions.SegmentCreateCentred;
    const LiveValueSwap inForce(gCurrentOptions.SegmentCreateCentred,
                                gToolState.DragModifier != 0 ? (centred != 0 ? 0 : 1) : centred);
    return MakeCreatedSegment();
}

ASErr DragLinear(const DragKeys& keys) {
    switch (gToolState.LabelPosition) {
    case 0: return DragCentredLabel(keys);
    case 1:
    case 2: return DragSideLabel(keys);
    default: return kNoErr;
    }
}

}  // namespace

ASErr DragSegmentTool(const AIToolMessage& message, const DragKeys& keys) {
    if (gSettings.Magnetism != 0) SnapToRememberedEnds(message);
    if (gToolState.CreateOnClick[kSegmentTool - 1] != 0) return DragCreatedSegment(message, keys);
    if (gCurrentOptions.SeriesOn != 0 && gToolState.CurveOffsetMode == 0) return DragSeries(message, keys);
    // The dimension keeps what Control, the left Windows key and Alt chose, which its rebuilds take again.
    gDragValues.MarksTurned = gToolState.WithEnds;
    gDragValues.ExtensionLinesToggled = gToolState.DragModifier;
    gDragValues.TextTurned = keys.Alt;
    if (gToolState.CurveOffsetMode != 0) return DragAlongCurve(keys);
    if (gToolState.ArcLengthMode != 0) return DragArcLength(keys);
    return DragLinear(keys);
}
