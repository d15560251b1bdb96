#include <vector>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "host/RealBezierSuite.h"
#include "host/RealMathSuite.h"
#include "records/HitState.h"
#include "tools/HoverSupport.h"
#include "tools/HoverTests.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

namespace format = DimensionArtFormat;

constexpr const char* const kWalkMarkers[3] = {format::SegmentMarker, format::AngleMarker, format::CircleMarker};
// The parameter step between the curve point and the next one that gives the normal line's direction.
constexpr AIReal kNormalStep = 0.001f;

// One segment the walk examines: its two records, its curve and how its handles pair.
struct WalkSegment {
    AIPathSegment Start;
    AIPathSegment End;
    AIRealBezier Curve;
    int16_t StartIndex;
    int16_t EndIndex;
    int32_t HandleFlag;  // 0 out handle of Start and in handle of End, 1 the other pair (closing segment)
};

struct WalkContext {
    AIArtHandle Art;
    bool Dimension;
    AIRealPoint Cursor;
    AIReal Tolerance;
};

AIRealPoint CurvePoint(const AIRealBezier& curve, AIReal t) {
    AIRealPoint p{};
    sAIRealBezier->AIRealBezierEvaluate(&curve, t, &p);
    return p;
}

AIRealPoint PointPlusNormal(const AIRealBezier& curve, AIReal t) {
    AIRealPoint normal{};
    sAIRealBezier->AIRealBezierNormal(&curve, t, &normal);
    const AIRealPoint p = CurvePoint(curve, t);
    AIRealPoint tip{};
    sAIRealMath->AIRealPointAdd(&p, &normal, &tip);
    return tip;
}

// The three normal points of the local radius and tangent: at t and at the next parameter.
void StoreNormalPoints(const AIRealBezier& curve, AIReal t, AIReal next) {
    gHitState.NormalTipA = PointPlusNormal(curve, t);
    gHitState.NormalTipB = PointPlusNormal(curve, next);
    gHitState.NextCurvePoint = CurvePoint(curve, next);
}

bool Straight(const WalkSegment& s) {
    return s.HandleFlag == 0 ? SamePoint(s.Start.out, s.Start.p) && SamePoint(s.End.in, s.End.p)
                             : SamePoint(s.Start.in, s.Start.p) && SamePoint(s.End.out, s.End.p);
}

// The curve point hit at parameter t.
void CurveHit(const WalkContext& c, const WalkSegment& s, AIReal t) {
    HitState& h = gHitState;
    if (Straight(s)) {
        if (c.Dimension) {
            h.HoverFlags.OverDimension = 1;
        } else {
            h.HoverFlags.OverSegment = 1;
            h.HitStartIndex = s.StartIndex;
            h.HitEndIndex = s.EndIndex;
        }
        return;
    }
    const bool arc = IsCircularArc(c.Art, s.Start, s.End, s.HandleFlag) != 0;
    if (arc && c.Dimension) {
        h.HoverFlags.OverDimensionArc = 1;
        return;
    }
    if (arc) {
        h.HoverFlags.OverArc = 1;
        h.HitStartIndex = s.StartIndex;
        h.HitEndIndex = s.EndIndex;
        h.HoverArcCentre = gFoundArc.ArcCentreFound;
    } else {
        h.HoverFlags.OverCurve = 1;
        gToolState.BezierElementKind = gCurrentOptions.BezierMode == 1 ? 5 : 6;
    }
    h.HoverPoint.p = h.CurveHitPoint;
    StoreNormalPoints(s.Curve, t, t + kNormalStep);
}

// True when the segment is hit: its start anchor, its end anchor or its curve.
bool ExamineSegment(const WalkContext& c, const WalkSegment& s) {
    HitState& h = gHitState;
    h.SnapSegment = s.Start;
    h.HitSegment = s.End;
    if (sAIRealMath->AIRealPointClose(&s.Start.p, &c.Cursor, c.Tolerance)) {
        h.HoverFlags.OverAnchor = 1;
        h.HoverPoint.p = s.Start.p;
        StoreNormalPoints(s.Curve, 0.0f, kNormalStep);
        h.HitStartIndex = s.StartIndex;
        return true;
    }
    if (sAIRealMath->AIRealPointClose(&s.End.p, &c.Cursor, c.Tolerance)) {
        h.HoverFlags.OverAnchor = 1;
        h.SnapSegment.p = s.End.p;
        h.HoverPoint.p = s.End.p;
        StoreNormalPoints(s.Curve, 1.0f, 1.0f - kNormalStep);
        h.HitStartIndex = s.EndIndex;
        return true;
    }
    for (int32_t i = 0; i < kWalkSamples; ++i) {
        const AIReal t = static_cast<AIReal>(i) / static_cast<AIReal>(kWalkSamples);
        const AIRealPoint sample = CurvePoint(s.Curve, t);
        AIRealPoint offset{};
        sAIRealMath->AIRealPointSubtract(&sample, &c.Cursor, &offset);
        if (sAIRealMath->AIRealPointLength(&offset) < c.Tolerance) {
            h.CurveHitPoint = sample;
            CurveHit(c, s, t);
            return true;
        }
    }
    return false;
}

WalkSegment MakeSegment(const AIPathSegment& start, const AIPathSegment& end, int16_t startIndex,
                        int16_t endIndex, int32_t handleFlag) {
    WalkSegment s{start, end, {}, startIndex, endIndex, handleFlag};
    const AIRealPoint& first = handleFlag == 0 ? start.out : start.in;
    const AIRealPoint& second = handleFlag == 0 ? end.in : end.out;
    sAIRealBezier->AIRealBezierSet(&s.Curve, &start.p, &first, &second, &end.p);
    return s;
}

// True when the path is hit somewhere: its segments in order, then the closing segment of a closed path.
bool ExaminePath(const WalkContext& c) {
    int16_t n = 0;
    AIBoolean closed = false;
    if (sAIPath->GetPathSegmentCount(c.Art, &n) != kNoErr || n < 1) return false;
    sAIPath->GetPathClosed(c.Art, &closed);
    std::vector<AIPathSegment> records(static_cast<size_t>(n));
    if (sAIPath->GetPathSegments(c.Art, 0, n, records.data()) != kNoErr) return false;
    for (int16_t k = 0; k + 1 < n; ++k) {
        if (ExamineSegment(c, MakeSegment(records[k], records[k + 1], k, static_cast<int16_t>(k + 1), 0))) {
            return true;
        }
    }
    if (!closed || n < 2) return false;
    const int16_t last = static_cast<int16_t>(n - 1);
    return ExamineSegment(c, MakeSegment(records[0], records[last], 0, last, 1));
}

// A path the walk looks at: on a visible layer, not a guide, not hidden.
bool Examinable(AIArtHandle path) {
    AILayerHandle layer = nullptr;
    AIBoolean visible = false;
    if (sAIArt->GetLayerOfArt(path, &layer) != kNoErr || sAILayer->GetLayerVisible(layer, &visible) != kNoErr ||
        !visible) {
        return false;
    }
    AIBoolean guide = false;
    if (sAIPath->GetPathGuide(path, &guide) != kNoErr || guide) return false;
    int32_t hidden = 0;
    return sAIArt->GetArtUserAttr(path, kArtHidden, &hidden) == kNoErr && (hidden & kArtHidden) == 0;
}

void ClearWalkFlags() {
    HoverFlagSet& f = gHitState.HoverFlags;
    f.OverAnchor = f.OverSegment = f.OverArc = f.OverCurve = f.OverDimension = f.OverDimensionArc = 0;
}

} // namespace

ASErr HitTestBezierStageAndMeasure(const AIToolMessage& message) {
    ASErr error = kNoErr;
    const AIReal zoom = TouchViewZoom(&error);
    const AIReal tolerance = zoom <= kWalkZoomLimit ? kWalkToleranceNear : kWalkToleranceFar;
    gToolState.ClickViewPoint = message.cursor;
    ClearWalkFlags();

    const AIMatchingArtSpec unlockedPaths{kPathArt, kArtLocked, 0};
    AIMdMemoryHandle matches = nullptr;
    int32_t count = 0;
    error = sAIMatchingArt->GetMatchingArt(&unlockedPaths, 1, &matches, &count);
    if (error != kNoErr || matches == nullptr) return error;
    void* block = nullptr;
    if (sAIMdMemory->MdMemoryDeref(matches, &block) == kNoErr && block != nullptr) {
        const auto* paths = static_cast<const AIArtHandle*>(block);
        for (int32_t i = 0; i < count; ++i) {
            AIArtHandle path = paths[i];
            if (!Examinable(path)) continue;
            gHitState.HitArt = path;
            const bool dimension = HasKindMarker(path, kWalkMarkers);
            if (!dimension && ArtHasTag(path, format::Vek)) continue;
            if (ExaminePath(WalkContext{path, dimension, message.cursor, tolerance})) break;
        }
    }
    sAIMdMemory->MdMemoryDisposeHandle(matches);
    return error;
}
