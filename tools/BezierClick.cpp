// The Bézier tool's click: divisions of a segment, an angle, an arc or a curve, the reticle of a circle, the
// local radius or tangent of a curve, or the start of a figure on empty canvas.
#include <numbers>

#include "dimension/BezierExtras.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace format = DimensionArtFormat;

namespace {

constexpr int32_t kBezierSlot = kBezierTool - 1;

// The Bézier modes and the elements a click takes.
enum BezierModeValue : int32_t { kDivideMode = 0, kRadiusMode = 1, kTangentMode = 2 };

constexpr const char* kNotAVertexAlert = "Ce point n'est pas le sommet d'un angle.";
constexpr AIReal kQuarterTurn = static_cast<AIReal>(std::numbers::pi / 2.0);

// The point the division builders are given: `base` moved by the live path length in direction `angle`.
AIRealPoint DivisionPoint(AIRealPoint base, AIReal angle) {
    return MovedBy(base, gCurrentOptions.BezierPathLength, angle);
}

// The construction the click has just started in its group, which the panel's rebuilds redraw.
void KeepConstruction(BezierElement kind) { gBezierExtraValues.ConstructionKind = kind; }

BezierElement DivideKind() {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (f.OverAnchor != 0) return kAngleElement;
    if (f.OverSegment != 0) return kSegmentElement;
    if (f.OverCurve != 0) return kCurveElement;
    if (f.OverArc != 0) return PathClosed(gHitState.HitArt) ? kReticleElement : kArcElement;
    return kCreationElement;
}

ASErr DivideSegment() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    MeasuredPoints& m = gMeasuredPoints;
    m.FirstPoint = PathRecord(gHitState.HitArt, gHitState.HitStartIndex);
    m.SecondPoint = PathRecord(gHitState.HitArt, gHitState.HitEndIndex);
    m.ClickPoint = gHitState.HoverPoint;
    gBezierExtraValues.SegmentDirection = PointAngle(m.FirstPoint.p, m.SecondPoint.p);
    ASErr result = StartDivisionTickList();
    KeepConstruction(kSegmentElement);
    gBezierExtraValues.DividedSegment[0] = m.FirstPoint.p;
    gBezierExtraValues.DividedSegment[1] = m.SecondPoint.p;
    const AIRealPoint p = DivisionPoint(m.FirstPoint.p, gBezierExtraValues.SegmentDirection + kQuarterTurn);
    ClickBeep(kOneClickFrequency);
    KeepError(result, DrawSegmentDivisions(p.h, p.v, 0, 0, 0));
    gToolState.DimensionStarted = 1;
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr DivideAngle() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    MeasuredPoints& m = gMeasuredPoints;
    m.ClickPoint = gHitState.HoverPoint;
    gHitState.MeasuredArt = gHitState.HitArt;
    m.FirstPoint = PathRecord(gHitState.MeasuredArt, gHitState.PreviousIndex);
    m.AngleVertex = PathRecord(gHitState.MeasuredArt, gHitState.VertexIndex);
    m.SecondPoint = PathRecord(gHitState.MeasuredArt, gHitState.NextIndex);
    if (gHitState.HoverFlags.NotAVertex != 0) {
        DropNewGroup();
        RefusePress(kNotAVertexAlert);
        return group.Error;
    }
    ASErr result = StartDivisionTickList();
    KeepConstruction(kAngleElement);
    gBezierExtraValues.DivisionSweep = SideAngle(m.AngleVertex.p, m.FirstPoint.p, m.SecondPoint.p);
    gBezierExtraValues.DivisionStartAngle = PointAngle(m.AngleVertex.p, m.FirstPoint.p);
    const AIRealPoint p = DivisionPoint(m.AngleVertex.p, gBezierExtraValues.DivisionStartAngle);
    ClickBeep(kOneClickFrequency);
    KeepError(result, DrawAngleDivisions(p.h, p.v, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr DivideCurve(const AIToolHitData& hit, const AIToolMessage& message) {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ASErr result = StartDivisionTickList();
    KeepConstruction(gToolState.BezierElementKind);
    MeasuredPoints& m = gMeasuredPoints;
    gBezierExtraValues.DivisionPath = hit.object;
    m.ClickPoint = gHitState.HoverPoint;
    const AIRealPoint normal = NormalTipAtHit(hit.object, hit);
    m.CurveNormalTip = AIRealPoint{normal.h - hit.point.h + m.ClickPoint.p.h, normal.v - hit.point.v + m.ClickPoint.p.v};
    gBezierExtraValues.DivisionStartAngle = PointAngle(message.cursor, m.ClickPoint.p);
    const AIRealPoint p = DivisionPoint(m.ClickPoint.p, gBezierExtraValues.DivisionStartAngle);
    ClickBeep(kOneClickFrequency);
    KeepError(result, DrawCurveDivisions(p.h, p.v, 0, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr Reticle() {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    gMeasuredPoints.CircleCentre = gHitState.HoverArcCentre.p;
    gMeasuredPoints.CircleRadius = gFoundArc.ArcRadiusFound;
    ASErr result = BuildReticleArt();
    KeepConstruction(kReticleElement);
    ClickBeep(kOneClickFrequency);
    KeepError(result, DrawReticle());
    return result;
}

ASErr Creation() {
    gToolState.BezierElementKind = kCreationElement;
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    gMeasuredPoints.ClickPoint.p = gToolState.CursorPoint;
    KeepConstruction(kCreationElement);
    gToolState.CreateOnClick[kBezierSlot] = 1;
    gToolState.CreationStarted[kBezierSlot] = 0;
    gToolState.ClickInProgress = 1;
    return group.Error;
}

ASErr DivideClick(const AIToolHitData& hit, const AIToolMessage& message) {
    gToolState.BezierElementKind = DivideKind();
    switch (gToolState.BezierElementKind) {
    case kSegmentElement: return DivideSegment();
    case kAngleElement: return DivideAngle();
    case kArcElement:
    case kCurveElement: return DivideCurve(hit, message);
    case kReticleElement: return Reticle();
    default: return Creation();
    }
}

// The hovered curve point and the normals kept after it, for the local radius and tangent builders.
void KeepCurvePoints() {
    MeasuredPoints& m = gMeasuredPoints;
    m.ClickPoint = gHitState.HoverPoint;
    m.ClickCurvePoints[0] = gHitState.NormalTipA;
    m.ClickCurvePoints[1] = gHitState.NormalTipB;
    m.ClickCurvePoints[2] = gHitState.NextCurvePoint;
}

bool OverCurveOrArc() { return gHitState.HoverFlags.OverCurve != 0 || gHitState.HoverFlags.OverArc != 0; }

ASErr LocalRadiusClick() {
    if (!OverCurveOrArc()) return Creation();
    gToolState.BezierElementKind = kRadiusElement;
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    gMeasuredPoints.CircleCentre = gHitState.HoverArcCentre.p;
    ClickBeep(kPointClickFrequency);
    ASErr result = BuildLocalRadiusArt();
    KeepConstruction(kRadiusElement);
    KeepCurvePoints();
    const AIRealPoint cursor = gToolState.CursorPoint;
    KeepError(result, DrawLocalRadius(cursor.h, cursor.v, 0, 0));
    gToolState.ClickInProgress = 1;
    return result;
}

ASErr LocalTangentClick() {
    if (!OverCurveOrArc()) return Creation();
    gToolState.BezierElementKind = kTangentElement;
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    ClickBeep(kPointClickFrequency);
    ASErr result = BuildLocalTangentArt();
    KeepConstruction(kTangentElement);
    KeepCurvePoints();
    KeepError(result, DrawLocalTangent());
    gToolState.ClickInProgress = 1;
    return result;
}

} // namespace

ASErr BezierClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    gToolState.CreateOnClick[kBezierSlot] = 0;
    gToolState.CreationStarted[kBezierSlot] = 0;
    if (ArtHasTag(hit.object, format::SegmentMarker))
        return HandOverClick(plugin, PanelStep::Layout, kSegmentTool, ReOpenSegmentDimension, hit, message);
    if (ArtHasTag(hit.object, format::AngleMarker))
        return HandOverClick(plugin, PanelStep::Layout, kAngleTool, ReOpenAngleDimension, hit, message);
    if (ArtHasTag(hit.object, format::CircleMarker))
        return HandOverClick(plugin, PanelStep::Layout, kCircleTool, ReOpenCircleDimension, hit, message);
    switch (gCurrentOptions.BezierMode) {
    case kDivideMode: return DivideClick(hit, *message);
    case kRadiusMode: return LocalRadiusClick();
    case kTangentMode: return LocalTangentClick();
    default: return kNoErr;
    }
}
