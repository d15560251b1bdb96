// The drags of the Angle, Cercle and Bézier tools: the dimension or construction placed at the cursor, or the
// measures of the figure being created.
#include <cmath>
#include <numbers>

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/Geometry.h"
#include "dimension/Skeletons.h"
#include "figures/BezierFigure.h"
#include "figures/CircleFigure.h"
#include "figures/FigurePaths.h"
#include "figures/SegmentFigure.h"
#include "frame/CanvasWrites.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/DocumentSuite.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "tools/ClickSupport.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "tools/HoverTests.h"
#include "records/MeasuredPoints.h"
#include "tools/MouseDrag.h"
#include "records/ToolState.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The steps of right Shift: a created angle's side, a circle's sweep, a circle label's direction and a
// Bézier figure's rotation.
constexpr double kAngleStep = 2.0 * kDegree;
constexpr double kLabelStep = std::numbers::pi / 4.0;
constexpr double kBezierRotationStep = 10.0 * kDegree;
// The size of the Bézier figure at scale 1.
constexpr AIReal kBezierFigureWidth = 290.0f;
constexpr AIReal kBezierFigureHeight = 190.0f;

AIReal ToDegrees(double radians) { return static_cast<AIReal>(radians / kDegree); }

ASErr DragAngleDimension(const DragKeys& keys) {
    MeasuredPoints& m = gMeasuredPoints;
    AIReal radius = static_cast<AIReal>(Distance(m.AngleVertex.p, gToolState.CursorPoint));
    if (keys.RightShift != 0) radius = RoundedUpTo(radius, gSettings.ArcRadius);
    gCurrentOptions.ArcRadius = radius;
    m.AngleFlip = SegmentsCross(m.AnglePointB.p, m.AngleVertex.p, m.AnglePointA.p, gToolState.CursorPoint);
    // The dimension keeps the end marks Control turned, which its rebuilds take again.
    gDragValues.MarksTurned = gToolState.WithEnds;
    const int32_t ends = gToolState.WithEnds, modifier = gToolState.DragModifier;
    if (gToolState.AngleOnArc != 0) {
        const AIRealPoint c = gToolState.CursorPoint;
        return DrawArcAngleDimension(c.h, c.v, ends, keys.RightShift, keys.Alt, modifier);
    }
    // The arc starts on side B as every rebuild starts it.
    const AIReal start = static_cast<AIReal>(DirectionFrom(m.AngleVertex.p, m.AnglePointB.p));
    return DrawAngleDimension(m.AngleVertex.p.h, m.AngleVertex.p.v, radius, m.AngleValue, start,
                              gCurrentDimension.AngleArcs, gCurrentOptions.MultipleArcs, ends, keys.Alt, modifier,
                              keys.RightShift);
}

// The vertex and the moving side of the angle figure being created; false, changing nothing, when the cursor is
// so far away that the side is beyond a float.
bool ShapeCreatedAngle(const AIToolMessage& message, const DragKeys& keys) {
    MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint vertex = m.ClickPoint.p;
    const double side = Distance(vertex, message.cursor);
    if (!FitsArtworkFloat(side)) return false;
    m.AngleVertex.p = m.AngleVertex.in = m.AngleVertex.out = vertex;
    gDragValues.CreatedAngleSide = static_cast<AIReal>(side);
    const AIReal direction = PointAngle(vertex, message.cursor);
    if (keys.Alt == 0) {
        gDragValues.CreatedAngleRotation = keys.RightShift != 0 ? RoundedUpTo(direction, kAngleStep) : direction;
        return true;
    }
    const AIReal degrees = ToDegrees(direction);
    gCurrentOptions.AngleCreateAngle = keys.RightShift != 0 ? degrees : std::ceil(degrees);
    return true;
}

// The counter-clockwise sweep from the live start direction to the cursor seen from the centre.
AIReal SweepTo(AIRealPoint cursor) {
    const double startAngle = gCurrentOptions.CircleCreateAngle;
    const AIRealPoint start{static_cast<AIReal>(std::cos(startAngle)), static_cast<AIReal>(std::sin(startAngle))};
    const AIRealPoint toCursor = UnitTowards(gMeasuredPoints.ClickPoint.p, cursor);
    double sweep = ClampedAcos(Dot2(start, toCursor));
    if (Cross2(start, toCursor) < 0.0) sweep = kTwoPi - sweep;
    return static_cast<AIReal>(sweep);
}

// The radius, and the sweep or start of an arc, of the circle figure being created; false, changing nothing,
// when the cursor is so far away that the radius is beyond a float.
bool ShapeCreatedCircle(const AIToolMessage& message, const DragKeys& keys) {
    const AIRealPoint centre = gMeasuredPoints.ClickPoint.p;
    const double radius = Distance(centre, message.cursor);
    if (!FitsArtworkFloat(radius)) return false;
    gDragValues.CreatedCircleRadius = static_cast<AIReal>(radius);
    if (gCurrentOptions.CircleCreateArc == 0 && gCurrentOptions.CircleCreateSector == 0) return true;
    if (keys.Alt == 0) {
        const AIReal sweep = SweepTo(message.cursor);
        gDragValues.ArcSweep = keys.RightShift != 0 ? RoundedUpTo(sweep, kAngleStep) : sweep;
        return true;
    }
    const AIReal direction = PointAngle(centre, message.cursor);
    gCurrentOptions.CircleCreateAngle = keys.RightShift != 0 ? direction : RoundedUpTo(direction, kDegree);
    return true;
}

ASErr DragCircleDimension(const DragKeys& keys) {
    const AIRealPoint centre = gMeasuredPoints.CircleCentre;
    AIReal direction = PointAngle(centre, gToolState.CursorPoint);
    if (keys.RightShift != 0) direction = RoundedUpTo(direction, kLabelStep);
    gToolState.CircleLabelAngle = direction;
    if (keys.Alt != 0) {
        const double towards = gSettings.RadiusLineDrawn != 0 ? direction : direction + std::numbers::pi;
        gToolState.CursorPoint = MovedBy(centre, gToolState.CircleLabelDistance, static_cast<AIReal>(towards));
    }
    gDragValues.MarksTurned = gToolState.WithEnds;
    const AIRealPoint c = gToolState.CursorPoint;
    return DrawCircleDimension(c.h, c.v, gToolState.WithEnds, keys.Alt, keys.RightShift, gToolState.DragModifier);
}

void ShapeCreatedBezier(const AIToolMessage& message, const DragKeys& keys) {
    const AIRealPoint origin = gMeasuredPoints.ClickPoint.p;
    gDragValues.CreatedBezierScaleX = std::fabs(message.cursor.h - origin.h) / kBezierFigureWidth;
    gDragValues.CreatedBezierScaleY = keys.RightShift != 0 ? gDragValues.CreatedBezierScaleX
                                                           : std::fabs(message.cursor.v - origin.v) /
                                                                 kBezierFigureHeight;
    if (keys.Alt == 0) return;
    const AIReal direction = PointAngle(origin, message.cursor);
    gDragValues.CreatedBezierRotation =
        keys.RightShift != 0 ? RoundedDownTo(direction, kBezierRotationStep) : direction;
}

ASErr DragDivisions(const AIToolMessage& message, const DragKeys& keys) {
    const AIReal x = message.cursor.h, y = message.cursor.v;
    const int32_t ends = gToolState.WithEnds;
    switch (gToolState.BezierElementKind) {
    case kArcElement:
    case kCurveElement: return DrawCurveDivisions(x, y, keys.Alt, keys.RightShift, ends);
    case kAngleElement: {
        if (gHitState.HoverFlags.NotAVertex != 0) return kNoErr;
        MeasuredPoints& m = gMeasuredPoints;
        m.AngleFlip = SegmentsCross(m.FirstPoint.p, m.AngleVertex.p, m.SecondPoint.p, gToolState.CursorPoint);
        return DrawAngleDivisions(x, y, keys.Alt, keys.RightShift, ends);
    }
    case kSegmentElement: return DrawSegmentDivisions(x, y, keys.Alt, keys.RightShift, ends);
    default: return kNoErr;
    }
}

// Removes the local radius or tangent construction once the cursor has left the curve.
void DropLocalConstruction() {
    CurrentDimension& d = gCurrentDimension;
    DisposeArtIfValid(&d.AuxLine);
    DisposeArtIfValid(&d.DimensionLines[0]);
    if (gCurrentOptions.BezierMode == 1) {
        DisposeArtIfValid(&d.LabelFrames[0]);
        DisposeArtIfValid(&d.EndMarks[0][0]);
        DisposeArtIfValid(&d.EndMarks[2][0]);
        DisposeArtIfValid(&d.DimensionLineHalves[0]);
        DisposeArtIfValid(&d.AngleArcs[0]);
    }
    gToolState.EditingBezier = 0;
    gBezierExtraValues.ConstructionKind = kNoBezierElement;
    sAIDocument->RedrawDocument();
}

ASErr DragLocalConstruction(const AIToolMessage& message) {
    HitTestBezierStageAndMeasure(message);
    const HoverFlagSet& flags = gHitState.HoverFlags;
    if (flags.OverCurve == 0 && flags.OverArc == 0) {
        DropLocalConstruction();
        return kNoErr;
    }
    const bool radius = gCurrentOptions.BezierMode == 1;
    ASErr result = kNoErr;
    if (gToolState.EditingBezier == 0) {
        KeepError(result, radius ? BuildLocalRadiusArt() : BuildLocalTangentArt());
        gBezierExtraValues.ConstructionKind = radius ? kRadiusElement : kTangentElement;
    }
    MeasuredPoints& m = gMeasuredPoints;
    m.ClickPoint.p = m.ClickPoint.in = m.ClickPoint.out = gHitState.CurveHitPoint;
    m.ClickCurvePoints[0] = gHitState.NormalTipA;
    m.ClickCurvePoints[1] = gHitState.NormalTipB;
    m.ClickCurvePoints[2] = gHitState.NextCurvePoint;
    if (!radius) return DrawLocalTangent();
    const AIRealPoint c = gToolState.CursorPoint;
    return DrawLocalRadius(c.h, c.v, gToolState.DragModifier, gToolState.WithEnds);
}

}  // namespace

ASErr DragAngleTool(const AIToolMessage& message, const DragKeys& keys) {
    if (gHitState.HoverFlags.NotAVertex != 0) return kNoErr;
    if (gToolState.CreateOnClick[kAngleTool - 1] == 0) return DragAngleDimension(keys);
    SetDragCursor(message, kFollowCursor);
    if (!ShapeCreatedAngle(message, keys)) return KeepCreatedFigure();
    int32_t centred = gCurrentOptions.AngleCreateCentred != 0 ? 1 : 0;
    if (gToolState.DragModifier != 0) centred = 1 - centred;
    return MakeCreatedAngle(centred);
}

ASErr DragCircleTool(const AIToolMessage& message, const DragKeys& keys) {
    if (gToolState.CreateOnClick[kCircleTool - 1] == 0) return DragCircleDimension(keys);
    SetDragCursor(message, kShapeCursor);
    if (!ShapeCreatedCircle(message, keys)) return KeepCreatedFigure();
    return MakeCreatedCircle();
}

ASErr DragBezierTool(const AIToolMessage& message, const DragKeys& keys) {
    if (gToolState.CreateOnClick[kBezierTool - 1] != 0) {
        ShapeCreatedBezier(message, keys);
        SetDragCursor(message, kShapeCursor);
        return MakeCreatedBezier();
    }
    if (gCurrentOptions.BezierMode == 0) return DragDivisions(message, keys);
    if (gCurrentOptions.BezierMode == 1 || gCurrentOptions.BezierMode == 2) return DragLocalConstruction(message);
    return kNoErr;
}
