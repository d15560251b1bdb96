#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "host/RealBezierSuite.h"
#include "host/RealMathSuite.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/ToolState.h"
#include "tools/HoverSupport.h"
#include "tools/HoverTests.h"

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
    WalkCulling Culling;
    const std::vector<AIPathSegment>* Records = nullptr;  // the path's anchors, once read
    bool Closed = false;
};

// A box around points, to skip what cannot be hit: a segment never leaves the box of its control points, so
// neither its anchors nor any of its samples come within the tolerance of a cursor outside that box grown by
// the tolerance. The box is grown a little more than that, for the rounding of the host's float answers.
struct ControlBox {
    float Left = INFINITY;
    float Bottom = INFINITY;
    float Right = -INFINITY;
    float Top = -INFINITY;
    void Add(const AIRealPoint& p) {
        Left = std::min(Left, p.h);
        Right = std::max(Right, p.h);
        Bottom = std::min(Bottom, p.v);
        Top = std::max(Top, p.v);
    }
    void Add(const AIPathSegment& s) {
        Add(s.p);
        Add(s.in);
        Add(s.out);
    }
    bool Near(const AIRealPoint& cursor, AIReal tolerance) const {
        // Relative and absolute room for float rounding, far above it and far below any tolerance.
        const double size = std::max({std::fabs(Left), std::fabs(Right), std::fabs(Bottom), std::fabs(Top),
                                      std::fabs(cursor.h), std::fabs(cursor.v)});
        const double reach = static_cast<double>(tolerance) + 1e-3 + 1e-5 * size;
        return cursor.h >= Left - reach && cursor.h <= Right + reach && cursor.v >= Bottom - reach &&
               cursor.v <= Top + reach;
    }
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

// The parameter of sample i of a segment's curve.
AIReal SampleParameter(int32_t i) { return static_cast<AIReal>(i) / static_cast<AIReal>(kWalkSamples); }

AIReal SampleDistance(const AIRealBezier& curve, AIReal t, const AIRealPoint& cursor) {
    const AIRealPoint sample = CurvePoint(curve, t);
    AIRealPoint offset{};
    sAIRealMath->AIRealPointSubtract(&sample, &cursor, &offset);
    return sAIRealMath->AIRealPointLength(&offset);
}

// The sample nearest the cursor in the run of samples within the tolerance that starts at `first`: the curve
// point under the cursor, not the one where the curve enters the tolerance (a tolerance's length before it).
int32_t NearestSampleFrom(const AIRealBezier& curve, int32_t first, const WalkContext& c) {
    int32_t nearest = first;
    AIReal nearestDistance = SampleDistance(curve, SampleParameter(first), c.Cursor);
    for (int32_t i = first + 1; i < kWalkSamples; ++i) {
        const AIReal distance = SampleDistance(curve, SampleParameter(i), c.Cursor);
        if (!(distance < c.Tolerance)) break;
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
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
            // The Bézier tool's marker shows the point of the segment under the cursor.
            h.HoverPoint.p = h.CurveHitPoint;
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
        gToolState.BezierElementKind = gCurrentOptions.BezierMode == 1 ? kRadiusElement : kTangentElement;
    }
    h.HoverPoint.p = h.CurveHitPoint;
    StoreNormalPoints(s.Curve, t, t + kNormalStep);
}

WalkSegment MakeSegment(const AIPathSegment& start, const AIPathSegment& end, int16_t startIndex,
                        int16_t endIndex, int32_t handleFlag) {
    WalkSegment s{start, end, {}, startIndex, endIndex, handleFlag};
    const AIRealPoint& first = handleFlag == 0 ? start.out : start.in;
    const AIRealPoint& second = handleFlag == 0 ? end.in : end.out;
    sAIRealBezier->AIRealBezierSet(&s.Curve, &start.p, &first, &second, &end.p);
    return s;
}

// The other segment that meets the examined one at its anchor `anchor`, when the path has one there: segment
// k runs from anchor k to anchor k + 1, and the closing segment of a closed path joins the last anchor to the
// first.
std::optional<WalkSegment> OtherSegmentAt(const WalkContext& c, const WalkSegment& s, int16_t anchor) {
    if (c.Records == nullptr) return std::nullopt;
    const std::vector<AIPathSegment>& r = *c.Records;
    const auto n = static_cast<int16_t>(r.size());
    const int16_t closing = static_cast<int16_t>(n - 1);
    const int16_t examined = s.HandleFlag == 1 ? closing : s.StartIndex;
    const int16_t before = anchor > 0 ? static_cast<int16_t>(anchor - 1) : (c.Closed ? closing : int16_t{-1});
    const int16_t after = anchor < closing ? anchor : (c.Closed ? closing : int16_t{-1});
    const int16_t other = before == examined ? after : before;
    if (other < 0 || other == examined) return std::nullopt;
    if (other == closing && c.Closed) return MakeSegment(r[0], r[static_cast<size_t>(closing)], 0, closing, 1);
    return MakeSegment(r[static_cast<size_t>(other)], r[static_cast<size_t>(other) + 1], other,
                       static_cast<int16_t>(other + 1), 0);
}

// Whether the cursor takes the segment's anchor at `point` (index `anchor`). The segment of the two meeting
// there that lies nearer the cursor decides, by its anchor reach: the whole tolerance on a straight segment,
// less on a short curve. *yielded is set when the cursor lies within the tolerance of the anchor but on the
// other segment, which takes it in its turn. The segments are measured only when their reaches disagree.
bool TakesAnchor(const WalkContext& c, const WalkSegment& s, const AIRealPoint& point, int16_t anchor,
                 bool* yielded) {
    if (!sAIRealMath->AIRealPointClose(&point, &c.Cursor, c.Tolerance)) return false;
    const bool inOwnReach = sAIRealMath->AIRealPointClose(&point, &c.Cursor, AnchorReach(s.Curve, c.Tolerance));
    const std::optional<WalkSegment> other = OtherSegmentAt(c, s, anchor);
    if (!other.has_value()) return inOwnReach;
    const bool inOtherReach =
        sAIRealMath->AIRealPointClose(&point, &c.Cursor, AnchorReach(other->Curve, c.Tolerance));
    if (inOwnReach && inOtherReach) return true;
    const bool otherNearer = NearestSampleDistance(other->Curve, c.Cursor) < NearestSampleDistance(s.Curve, c.Cursor);
    if (!otherNearer) return inOwnReach;
    if (inOtherReach) return true;
    *yielded = true;
    return false;
}

// True when the segment is hit: its start anchor, its end anchor or its curve.
bool ExamineSegment(const WalkContext& c, const WalkSegment& s) {
    HitState& h = gHitState;
    h.SnapSegment = s.Start;
    h.HitSegment = s.End;
    if (c.Culling == WalkCulling::ByControlBoxes) {
        ControlBox box;
        box.Add(s.Curve.p0);
        box.Add(s.Curve.p1);
        box.Add(s.Curve.p2);
        box.Add(s.Curve.p3);
        if (!box.Near(c.Cursor, c.Tolerance)) return false;
    }
    bool yielded = false;
    if (TakesAnchor(c, s, s.Start.p, s.StartIndex, &yielded)) {
        h.HoverFlags.OverAnchor = 1;
        h.HoverPoint.p = s.Start.p;
        StoreNormalPoints(s.Curve, 0.0f, kNormalStep);
        h.HitStartIndex = s.StartIndex;
        return true;
    }
    if (TakesAnchor(c, s, s.End.p, s.EndIndex, &yielded)) {
        h.HoverFlags.OverAnchor = 1;
        h.SnapSegment.p = s.End.p;
        h.HoverPoint.p = s.End.p;
        StoreNormalPoints(s.Curve, 1.0f, 1.0f - kNormalStep);
        h.HitStartIndex = s.EndIndex;
        return true;
    }
    if (yielded) return false;
    for (int32_t i = 0; i < kWalkSamples; ++i) {
        if (SampleDistance(s.Curve, SampleParameter(i), c.Cursor) < c.Tolerance) {
            const AIReal t = SampleParameter(NearestSampleFrom(s.Curve, i, c));
            h.CurveHitPoint = CurvePoint(s.Curve, t);
            CurveHit(c, s, t);
            return true;
        }
    }
    return false;
}

// The anchor records of a path and whether it is closed; false when the path has none to read.
bool ReadPath(AIArtHandle path, std::vector<AIPathSegment>* records, AIBoolean* closed) {
    int16_t n = 0;
    if (sAIPath->GetPathSegmentCount(path, &n) != kNoErr || n < 1) return false;
    records->resize(static_cast<size_t>(n));
    if (sAIPath->GetPathSegments(path, 0, n, records->data()) != kNoErr) return false;
    if (closed != nullptr) sAIPath->GetPathClosed(path, closed);
    return true;
}

// True when the path is hit somewhere: its segments in order, then the closing segment of a closed path.
bool ExaminePath(WalkContext c, std::vector<AIPathSegment>& records) {
    AIBoolean closed = false;
    if (!ReadPath(c.Art, &records, &closed)) return false;
    c.Records = &records;
    c.Closed = closed != 0;
    const auto n = static_cast<int16_t>(records.size());
    for (int16_t k = 0; k + 1 < n; ++k) {
        if (ExamineSegment(c, MakeSegment(records[k], records[k + 1], k, static_cast<int16_t>(k + 1), 0))) {
            return true;
        }
    }
    if (!closed || n < 2) return false;
    const int16_t last = static_cast<int16_t>(n - 1);
    return ExamineSegment(c, MakeSegment(records[0], records[last], 0, last, 1));
}

// A path the walk looks at: on a visible layer that is not locked (a locked layer locks its art, which the walk
// leaves as it leaves locked art: no click could take it), not a guide, not hidden.
bool Examinable(AIArtHandle path) {
    AILayerHandle layer = nullptr;
    AIBoolean visible = false;
    AIBoolean editable = false;
    if (sAIArt->GetLayerOfArt(path, &layer) != kNoErr || sAILayer->GetLayerVisible(layer, &visible) != kNoErr ||
        !visible || sAILayer->GetLayerEditable(layer, &editable) != kNoErr || !editable) {
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

// What the walk does with one path: skips it (a hidden one, or a plain path that is part of a dimension),
// or examines it, after which it is the hit art; true when it is hit.
bool WalkPath(AIArtHandle path, const AIToolMessage& message, AIReal tolerance, WalkCulling culling,
              std::vector<AIPathSegment>& records) {
    if (!Examinable(path)) return false;
    gHitState.HitArt = path;
    const bool dimension = HasKindMarker(path, kWalkMarkers);
    if (!dimension && ArtHasTag(path, format::Vek)) return false;
    return ExaminePath(WalkContext{path, dimension, message.cursor, tolerance, culling}, records);
}

// Whether the path's control points, grown by the tolerance, may hold the cursor; a path that cannot be read
// is left to the walk.
bool MayHoldCursor(AIArtHandle path, const AIRealPoint& cursor, AIReal tolerance,
                   std::vector<AIPathSegment>& records) {
    if (!ReadPath(path, &records, nullptr)) return true;
    ControlBox box;
    for (const AIPathSegment& record : records) box.Add(record);
    return box.Near(cursor, tolerance);
}

// A walk that skipped paths far from the cursor and found nothing leaves the hit state as the whole walk
// would have: the hit art is the last path examined, and the segment records those of the last segment of the
// last path whose segments were examined. Only the last paths of the list are looked at again.
void FinishMissedWalk(const AIArtHandle* paths, int32_t count, const AIToolMessage& message, AIReal tolerance,
                      std::vector<AIPathSegment>& records) {
    const AIArtHandle hitArt = gHitState.HitArt;
    bool hitArtSet = false;
    for (int32_t i = count - 1; i >= 0; --i) {
        const AIArtHandle path = paths[i];
        if (!Examinable(path)) continue;
        if (!hitArtSet) {
            gHitState.HitArt = path;
            hitArtSet = true;
        }
        const bool dimension = HasKindMarker(path, kWalkMarkers);
        if (!dimension && ArtHasTag(path, format::Vek)) continue;
        AIBoolean closed = false;
        if (!ReadPath(path, &records, &closed) || records.size() < 2) continue;
        // Examined in full, the last segment gives the records, and no segment of the path is hit.
        const WalkContext c{path, dimension, message.cursor, tolerance, WalkCulling::ByControlBoxes};
        ExaminePath(c, records);
        break;
    }
    if (!hitArtSet) gHitState.HitArt = hitArt;
}

}  // namespace

ASErr HitTestBezierStageAndMeasure(const AIToolMessage& message, WalkCulling culling) {
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
        std::vector<AIPathSegment> records;
        bool hit = false;
        bool skipped = false;
        for (int32_t i = 0; i < count && !hit; ++i) {
            if (culling == WalkCulling::ByControlBoxes && !MayHoldCursor(paths[i], message.cursor, tolerance, records)) {
                skipped = true;
                continue;
            }
            hit = WalkPath(paths[i], message, tolerance, culling, records);
        }
        if (!hit && skipped) FinishMissedWalk(paths, count, message, tolerance, records);
    }
    sAIMdMemory->MdMemoryDisposeHandle(matches);
    return error;
}
