#include "dimension/Redraw.h"

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/LiveValueSwap.h"
#include "dimension/OffsetDimension.h"
#include "frame/Settings.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// A linear dimension along `orientation`, the live orientation given back after the build.
ASErr RedrawLinear(int32_t orientation) {
    const LiveValueSwap inForce(gCurrentOptions.DimensionOrientation, orientation);
    return DrawSegmentDimension();
}

}  // namespace

ASErr RedrawDimensionAs(DimensionKind kind) {
    const MeasuredPoints& m = gMeasuredPoints;
    const AIRealPoint label = gToolState.CursorPoint;
    switch (kind) {
    case DimensionKind::SegmentParallel:
    case DimensionKind::SegmentHorizontal:
    case DimensionKind::SegmentVertical: return RedrawLinear(KindOrientation(kind));
    case DimensionKind::ArcLength:
        return DrawArcLengthDimension(gDragValues.MarksTurned, 0, gDragValues.TextTurned,
                                      gDragValues.ExtensionLinesToggled);
    case DimensionKind::CurveOffset:
        return DrawOffsetDimension(&gHitState.MeasuredArt, gCurrentDimension.DimensionLines,
                                   SettingAsFloat(gCurrentOptions.SideTieLength), label.h, label.v, 0,
                                   gDragValues.MarksTurned, gDragValues.ExtensionLinesToggled);
    case DimensionKind::Angle: {
        const AIRealPoint vertex = m.AngleVertex.p;
        return DrawAngleDimension(vertex.h, vertex.v, SettingAsFloat(gCurrentOptions.ArcRadius), m.AngleValue,
                                  static_cast<AIReal>(DirectionFrom(vertex, m.AnglePointB.p)),
                                  gCurrentDimension.AngleArcs, gCurrentOptions.MultipleArcs, gDragValues.MarksTurned, 0, 0, 0);
    }
    case DimensionKind::ArcAngle: return DrawArcAngleDimension(label.h, label.v, gDragValues.MarksTurned, 0, 0, 0);
    case DimensionKind::CircleRadius:
    case DimensionKind::CircleDiameter: return DrawCircleDimension(label.h, label.v, gDragValues.MarksTurned, 0, 0, 0);
    case DimensionKind::BezierReticle:
    case DimensionKind::BezierDivideArc:
    case DimensionKind::BezierDivideAngle:
    case DimensionKind::BezierDivideSegment:
    case DimensionKind::BezierDivideCurve:
    case DimensionKind::BezierLocalRadius:
    case DimensionKind::BezierLocalTangent:
    case DimensionKind::BezierCreation: return RedrawBezierExtra();
    default: return kNoErr;  // a series is drawn by its clicks only
    }
}
