#include "figures/BezierFigure.h"

#include <algorithm>
#include <cmath>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "figures/FigurePaths.h"
#include "frame/CanvasWrites.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "host/RealMathSuite.h"
#include "records/CurrentDimension.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// A new replica path starts with this many segments before the curve's points are set.
constexpr int16_t kNewPathSegments = 2;
// The nudge of the cursor point after a figure was made.
constexpr AIReal kCursorNudge = 1.0f;

AIRealPoint Transformed(const AIRealMatrix& m, float x, float y) {
    const AIRealPoint p{x, -y};
    AIRealPoint result = p;
    sAIRealMath->AIRealMatrixXformPoint(&m, &p, &result);
    return result;
}

ASErr MakeReplicaPaths(int32_t count) {
    DragValues& d = gDragValues;
    for (int32_t r = 0; r < count; ++r) {
        AIArtHandle path = nullptr;
        const ASErr error = sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, gCurrentDimension.DimensionGroup, &path);
        if (error != kNoErr) return error;
        d.BezierPaths[r] = path;
        sAIPath->SetPathSegmentCount(path, kNewPathSegments);
        sAIPathStyle->SetPathStyle(path, &gPathStyles.DimensionLineStyle);
    }
    for (int32_t r = count; r < kMaxBezierReplicas; ++r) d.BezierPaths[r] = nullptr;
    gToolState.CreationStarted[kBezierTool - 1] = 1;
    return kNoErr;
}

// The segments of one replica: the curve's points through the replica's transform.
void ReplicaSegments(const AIRealMatrix& m, const BezierCurveShape& shape, int16_t count, AIPathSegment* segments) {
    const ShapePointTables& p = shape.Points;
    for (int16_t i = 0; i < count; ++i) {
        AIPathSegment& segment = segments[i];
        segment.p = Transformed(m, p.AnchorX[i], p.AnchorY[i]);
        segment.in = Transformed(m, p.OutX[i], p.OutY[i]);
        segment.out = Transformed(m, p.InX[i], p.InY[i]);
        const bool corner = p.InX[i] == p.AnchorX[i] && p.InY[i] == p.AnchorY[i] && p.OutX[i] == p.AnchorX[i] &&
                            p.OutY[i] == p.AnchorY[i];
        segment.corner = corner ? 1 : 0;
    }
}

ASErr ShapeReplica(AIArtHandle path, const AIPathSegment* segments, const BezierCurveShape& shape, int16_t count) {
    WriteSegmentsOnCanvas(path, segments, count);
    sAIPath->SetPathClosed(path, shape.Closed != 0 ? 1 : 0);
    const AIPathStyle& style = shape.Hollow != 0 ? gPathStyles.DimensionLineStyle : gPathStyles.EndMarkStyle;
    return sAIPathStyle->SetPathStyle(path, &style);
}

}  // namespace

AIRealMatrix BezierReplicaMatrix(const BezierReplicaSteps& steps, int32_t replica, double baseScaleX, double baseScaleY,
                                 AIReal baseRotation, AIRealPoint origin) {
    AIRealMatrix m;
    sAIRealMath->AIRealMatrixSetIdentity(&m);
    const double r = replica;
    sAIRealMath->AIRealMatrixConcatScale(&m, static_cast<AIReal>(r * steps.ScaleStep + baseScaleX),
                                         static_cast<AIReal>(r * steps.ScaleStep + baseScaleY));
    // The stored steps are in the document's sense (y up): a positive rotation step turns the replicas
    // counter-clockwise and a positive vertical step moves them up; the dialog's preview shows the same.
    sAIRealMath->AIRealMatrixConcatRotate(&m, static_cast<AIReal>(r * steps.RotationStep + baseRotation));
    sAIRealMath->AIRealMatrixConcatTranslate(&m, static_cast<AIReal>(r * steps.HorizontalStep + origin.h),
                                             static_cast<AIReal>(r * steps.VerticalStep + origin.v));
    return m;
}

ASErr MakeCreatedBezier() {
    const BezierCurveShape& shape = gSettings.BezierShape;
    const BezierReplicaSteps& steps = gSettings.BezierReplicas;
    const int32_t replicas = std::clamp<int32_t>(steps.Count, 1, kMaxBezierReplicas);
    const int16_t points = static_cast<int16_t>(std::clamp<int32_t>(shape.PointCount, 2, kMaxShapePoints));
    DragValues& d = gDragValues;
    // Every replica is shaped before any is laid: one point beyond what a float holds leaves the whole figure
    // as it was (and makes no paths yet).
    AIPathSegment shaped[kMaxBezierReplicas][kMaxShapePoints];
    bool sound = true;
    for (int32_t r = 0; r < replicas && sound; ++r) {
        const AIRealMatrix m = BezierReplicaMatrix(steps, r, d.CreatedBezierScaleX, d.CreatedBezierScaleY,
                                                   d.CreatedBezierRotation, gMeasuredPoints.ClickPoint.p);
        ReplicaSegments(m, shape, points, shaped[r]);
        sound = AreSegmentsFinite(shaped[r], static_cast<size_t>(points));
    }
    if (!sound) {
        gToolState.CursorPoint.h += kCursorNudge;
        return kNoErr;
    }
    if (gToolState.CreationStarted[kBezierTool - 1] == 0) {
        if (const ASErr error = MakeReplicaPaths(replicas); error != kNoErr) return error;
    }
    ASErr result = kNoErr;
    for (int32_t r = 0; r < replicas; ++r) {
        if (IsLiveArt(d.BezierPaths[r])) result = ShapeReplica(d.BezierPaths[r], shaped[r], shape, points);
    }
    gToolState.CursorPoint.h += kCursorNudge;
    return result;
}

namespace {

// True when every anchor and handle of the laid replicas lies on the first one.
bool ReplicasCollapsed() {
    bool first = true;
    AIRealPoint at{};
    for (AIArtHandle path : gDragValues.BezierPaths) {
        if (!IsLiveArt(path)) continue;
        int16_t count = 0;
        if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr) continue;
        for (int16_t i = 0; i < count; ++i) {
            AIPathSegment segment{};
            if (sAIPath->GetPathSegments(path, i, 1, &segment) != kNoErr) continue;
            if (first) at = segment.p;
            first = false;
            for (const AIRealPoint& p : {segment.p, segment.in, segment.out}) {
                const double h = static_cast<double>(p.h) - static_cast<double>(at.h);
                const double v = static_cast<double>(p.v) - static_cast<double>(at.v);
                if (!(std::fabs(h) < kNegligibleLength && std::fabs(v) < kNegligibleLength)) return false;
            }
        }
    }
    return true;
}

}  // namespace

void DropCollapsedBezier() {
    if (gToolState.CreationStarted[kBezierTool - 1] == 0 || !ReplicasCollapsed()) return;
    for (AIArtHandle& path : gDragValues.BezierPaths) DisposeArtIfValid(&path);
    DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
    ForgetDimensionParts();
}
