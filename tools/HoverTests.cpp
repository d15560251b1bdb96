#include "tools/HoverTests.h"

#include <algorithm>
#include <array>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/CursorSnapSuite.h"
#include "host/DocumentViewSuite.h"
#include "host/HitTestSuite.h"
#include "host/PathSuite.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/HoverSupport.h"

namespace {

namespace format = DimensionArtFormat;

// How one of the four hit-test based tests differs from the others.
struct HoverScheme {
    int32_t Tool;
    const char* const Markers[3];  // the order in which the kind markers are asked
    bool CrossingTest;             // another path crossing the hovered one snaps the cursor
};

constexpr HoverScheme kSegmentScheme{kSegmentTool, {format::SegmentMarker, format::AngleMarker, format::CircleMarker}, true};
constexpr HoverScheme kAngleScheme{kAngleTool, {format::AngleMarker, format::SegmentMarker, format::CircleMarker}, true};
constexpr HoverScheme kCircleScheme{kCircleTool, {format::CircleMarker, format::AngleMarker, format::SegmentMarker}, true};
constexpr HoverScheme kBezierScheme{kBezierTool, {format::SegmentMarker, format::AngleMarker, format::CircleMarker}, false};

// One host hit test: its record and part type; a failed test is a miss.
struct HostHit {
    AIToolHitData Data;
    int32_t Type = kNoHitType;
};

HostHit RunHitTest(AIRealPoint at, int32_t request, AIReal tolerance, ASErr* error) {
    HostHit result;
    AIHitRef ref = nullptr;
    *error = sAIHitTest->HitTestEx(nullptr, at, request, tolerance, &ref);
    if (*error == kNoErr && ref != nullptr) {
        if (sAIHitTest->GetHitData(ref, &result.Data) != kNoErr) result.Data = AIToolHitData{};
        if (sAIHitTest->GetType(ref, &result.Type) != kNoErr) result.Type = kNoHitType;
    }
    if (ref != nullptr) sAIHitTest->Release(ref);
    return result;
}

// The most dimension parts set aside at one point while a user's anchor is looked for beneath them.
constexpr size_t kMostPartsAtAPoint = 16;

// Art locked for the time of the tests that look beneath it, freed again when this goes.
class SetAside {
public:
    SetAside() = default;
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;
    ~SetAside() {
        for (size_t i = 0; i < count_; ++i) sAIArt->SetArtUserAttr(parts_[i], kArtLocked, 0);
    }
    // False, locking nothing, once the most parts at a point are set aside.
    bool Add(AIArtHandle art) {
        if (count_ == parts_.size()) return false;
        parts_[count_++] = art;
        sAIArt->SetArtUserAttr(art, kArtLocked, kArtLocked);
        return true;
    }

private:
    std::array<AIArtHandle, kMostPartsAtAPoint> parts_{};
    size_t count_ = 0;
};

// The anchor under the cursor, a user's path before the dimension parts that share its point: while the hit
// names a dimension's part, that part is set aside for the next test, which looks beneath it. Where only
// dimension parts lie, the first of them that is no end mark: an end mark's anchors are no anchors to any tool,
// and a miss is answered where only end marks lie.
HostHit AnchorUnderCursor(AIRealPoint at, ASErr* error) {
    HostHit hit = RunHitTest(at, kAnchorHitRequest, kHoverTolerance, error);
    HostHit part;
    SetAside parts;
    while (hit.Data.hit != 0 && hit.Data.object != nullptr && ArtHasTag(hit.Data.object, format::Vek)) {
        if (part.Data.hit == 0 && !IsEndMark(hit.Data.object)) part = hit;
        if (!parts.Add(hit.Data.object)) break;
        ASErr ignored = kNoErr;
        hit = RunHitTest(at, kAnchorHitRequest, kHoverTolerance, &ignored);
    }
    const bool userAnchor = hit.Data.hit != 0 && hit.Data.object != nullptr && !ArtHasTag(hit.Data.object, format::Vek);
    return userAnchor ? hit : part;
}

// The segment within `tolerance` of the cursor, the end marks that lie over it set aside: a press on a mark
// takes the part or the path beneath it, and a mark crosses no path.
HostHit SegmentUnderCursor(AIRealPoint at, AIReal tolerance, ASErr* error) {
    HostHit hit = RunHitTest(at, kSegmentHitRequest, tolerance, error);
    SetAside marks;
    while (hit.Data.hit != 0 && hit.Data.object != nullptr && IsEndMark(hit.Data.object) && marks.Add(hit.Data.object)) {
        ASErr ignored = kNoErr;
        hit = RunHitTest(at, kSegmentHitRequest, tolerance, &ignored);
    }
    return hit;
}

// An anchor of a re-editable dimension's part (an angle's arc or square mark, a circle dimension's leader, a
// linear dimension's line) is, under the Angle and Cercle tools, that part: it is hovered as the part's segment
// there, which re-opens the dimension in its own tool, and no vertex or arc end is taken on it. The Segment tool
// keeps every anchor as a point to measure from.
bool DimensionAnchor(const HoverScheme& scheme, const HostHit& anchor) {
    return (scheme.Tool == kAngleTool || scheme.Tool == kCircleTool) &&
           HasKindMarker(anchor.Data.object, scheme.Markers);
}

bool IsSegmentHit(const HostHit& hit) {
    return hit.Data.hit != 0 && hit.Data.object != nullptr && hit.Type == kSegmentHitType;
}

// The index of the anchor where the hit segment starts: the one before its end, or the path's last anchor for
// the closing segment (index 0) of a closed path.
int16_t StartOfSegment(const HostHit& segment) {
    if (segment.Data.segment != 0) return static_cast<int16_t>(segment.Data.segment - 1);
    int16_t count = 0;
    sAIPath->GetPathSegmentCount(segment.Data.object, &count);
    return static_cast<int16_t>(count - 1);
}

// True when the cursor, within the tolerance of the hit anchor, lies on a curve that meets at the anchor
// farther from the anchor than that curve's anchor reach: the curve, not its anchor, is hovered. Of the two
// segments that meet there (segment k runs from anchor k to the next, the last of a closed path to the
// first), the one nearer the cursor decides; they are measured only when their reaches disagree about the
// cursor. On a straight segment the anchor within the tolerance wins.
bool CurveTakesCursor(const HostHit& anchor, AIRealPoint cursor) {
    if (anchor.Type != kAnchorHitType) return false;
    const AIArtHandle path = anchor.Data.object;
    int16_t count = 0;
    AIBoolean closed = false;
    if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count < 2) return false;
    if (anchor.Data.segment < 0 || anchor.Data.segment >= count) return false;
    sAIPath->GetPathClosed(path, &closed);
    const auto index = static_cast<int16_t>(anchor.Data.segment);
    const auto last = static_cast<int16_t>(count - 1);
    std::array<AIRealBezier, 2> curves{};
    size_t found = 0;
    const int16_t before = index > 0 ? static_cast<int16_t>(index - 1) : last;
    if ((index > 0 || closed) && sAIPath->GetPathBezier(path, before, &curves[found]) == kNoErr) ++found;
    if ((index < last || closed) && sAIPath->GetPathBezier(path, index, &curves[found]) == kNoErr) ++found;
    if (found == 0) return false;
    const double fromAnchor = Distance(anchor.Data.point, cursor);
    const AIReal reach = AnchorReach(curves[0], kHoverTolerance);
    if (found == 1) return fromAnchor > reach;
    const AIReal otherReach = AnchorReach(curves[1], kHoverTolerance);
    if (fromAnchor <= std::min(reach, otherReach)) return false;
    if (fromAnchor > std::max(reach, otherReach)) return true;
    const bool otherNearer = NearestSampleDistance(curves[1], cursor) < NearestSampleDistance(curves[0], cursor);
    return fromAnchor > (otherNearer ? otherReach : reach);
}

// Clears the flags the test owns: every hover flag, except the centre flag for all but the Segment tool, and
// the vertex flag for the Angle and Bézier tools.
void ClearOwnedFlags(int32_t tool) {
    HoverFlagSet& flags = gHitState.HoverFlags;
    const int32_t centre = flags.OverCentre;
    const int32_t vertex = flags.NotAVertex;
    flags = HoverFlagSet{};
    if (tool != kSegmentTool) flags.OverCentre = centre;
    if (tool != kAngleTool && tool != kBezierTool) flags.NotAVertex = vertex;
}

bool ReadRecord(AIArtHandle path, int16_t index, AIPathSegment* record) {
    return sAIPath->GetPathSegments(path, index, 1, record) == kNoErr;
}

// The hovered anchor as a possible angle vertex; true when it stopped at an end of an open path.
bool AnalyseVertex(AIArtHandle path, int16_t i) {
    HitState& h = gHitState;
    int16_t n = 0;
    AIBoolean closed = false;
    sAIPath->GetPathSegmentCount(path, &n);
    sAIPath->GetPathClosed(path, &closed);
    ReadRecord(path, i, &h.SnapSegment);
    h.VertexIndex = i;
    if (n < 2 || i < 0 || i >= n) {
        h.HoverFlags.NotAVertex = 1;
        return true;
    }
    if (!closed) {
        if (i == 0 || i == n - 1) {
            h.HoverFlags.NotAVertex = 1;
            return true;
        }
        h.PreviousIndex = static_cast<int16_t>(i - 1);
        h.NextIndex = static_cast<int16_t>(i + 1);
    } else {
        h.PreviousIndex = static_cast<int16_t>(i == 0 ? n - 1 : i - 1);
        h.NextIndex = static_cast<int16_t>(i == 0 ? 1 : (i == n - 1 ? 0 : i + 1));
    }
    ReadRecord(path, h.PreviousIndex, &gMeasuredPoints.FirstPoint);
    ReadRecord(path, h.NextIndex, &gMeasuredPoints.SecondPoint);
    if (ArePointsEqual(gMeasuredPoints.FirstPoint, h.SnapSegment, gMeasuredPoints.SecondPoint) == 0) {
        h.HoverFlags.NotAVertex = 1;
    }
    return false;
}

void AnchorBranch(const HoverScheme& scheme, const HostHit& hit) {
    HitState& h = gHitState;
    switch (scheme.Tool) {
        case kSegmentTool:
            h.SnapSegment.p = hit.Data.point;
            if (hit.Type == kAnchorHitType) {
                h.HoverFlags.OverAnchor = 1;
                h.HitStartIndex = static_cast<int16_t>(hit.Data.segment);
            } else {
                h.HoverFlags.OverCentre = 1;
            }
            break;
        case kAngleTool:
            h.HoverFlags.OverAnchor = 1;
            AnalyseVertex(hit.Data.object, static_cast<int16_t>(hit.Data.segment));
            break;
        case kCircleTool:
            h.HoverFlags.OverAnchor = 1;
            h.SnapSegment.p = hit.Data.point;
            h.HitStartIndex = static_cast<int16_t>(hit.Data.segment);
            break;
        default:
            h.HoverFlags.OverAnchor = 1;
            gToolState.BezierElementKind = kAngleElement;
            if (!AnalyseVertex(hit.Data.object, static_cast<int16_t>(hit.Data.segment))) h.HoverPoint = h.SnapSegment;
            break;
    }
}

// Another path under the cursor with the hovered one locked; true when the test ends there.
bool CrossingTest(AIArtHandle art, const AIToolMessage& message, ASErr* error) {
    sAIArt->SetArtUserAttr(art, kArtLocked, kArtLocked);
    const HostHit other = SegmentUnderCursor(message.cursor, kCrossingTolerance, error);
    sAIArt->SetArtUserAttr(art, kArtLocked, 0);
    if (!IsSegmentHit(other)) return false;
    if (!ArtHasTag(art, format::Vek)) {
        gHitState.HoverFlags.OverIntersection = 1;
        AIDocumentViewHandle view = nullptr;
        sAIDocumentView->GetNthDocumentView(0, &view);
        if (sAICursorSnap->Track != nullptr) {
            *error = sAICursorSnap->Track(view, message.cursor, message.event, kCrossingSnapControl,
                                          &gHitState.SnapSegment.p);
        }
    }
    return true;
}

void StraightSegment(const HoverScheme& scheme, const AIRealBezier& curve, bool dimension,
                     const AIToolMessage& message, AIRealPoint hitPoint) {
    HitState& h = gHitState;
    (dimension ? h.HoverFlags.OverDimension : h.HoverFlags.OverSegment) = 1;
    const bool plainOnly = scheme.Tool == kAngleTool || scheme.Tool == kBezierTool;
    if (plainOnly && dimension) return;
    h.SnapSegment.p = curve.p0;
    h.HitSegment.p = curve.p3;
    if (scheme.Tool == kAngleTool) h.HoverPoint.p = message.cursor;
    if (scheme.Tool == kBezierTool) h.HoverPoint.p = hitPoint;
}

void CurvedSegment(const HoverScheme& scheme, AIArtHandle art, const AIRealBezier& curve, bool dimension,
                   AIRealPoint hitPoint) {
    HitState& h = gHitState;
    AIPathSegment start{};
    start.p = curve.p0;
    start.out = curve.p1;
    AIPathSegment end{};
    end.p = curve.p3;
    end.in = curve.p2;
    const bool arc = IsCircularArc(art, start, end, 0) != 0;
    if (arc && dimension) {
        h.HoverFlags.OverDimensionArc = 1;
        return;
    }
    if (arc) {
        h.HoverArcCentre = gFoundArc.ArcCentreFound;
        h.HoverFlags.OverArc = 1;
    } else {
        h.HoverFlags.OverCurve = 1;
    }
    if (scheme.Tool == kBezierTool) {
        h.HoverPoint.p = hitPoint;
    } else if (!(arc && scheme.Tool == kCircleTool)) {
        h.CurveHitPoint = hitPoint;
    }
}

// The hovered segment of `art`, from anchor HitStartIndex: straight, a circular arc or a free curve.
void ShapeTest(const HoverScheme& scheme, AIArtHandle art, bool dimension, const AIToolMessage& message,
               AIRealPoint hitPoint) {
    AIRealBezier curve{};
    if (sAIPath->GetPathBezier(art, gHitState.HitStartIndex, &curve) != kNoErr) return;
    if (SamePoint(curve.p1, curve.p0) && SamePoint(curve.p2, curve.p3)) {
        StraightSegment(scheme, curve, dimension, message, hitPoint);
    } else {
        CurvedSegment(scheme, art, curve, dimension, hitPoint);
    }
}

// The part whose anchor is hovered, taken by its segment that starts there (that ends there, at its last anchor).
void DimensionPartAtAnchor(const HoverScheme& scheme, const HostHit& anchor, const AIToolMessage& message) {
    HitState& h = gHitState;
    const AIArtHandle art = anchor.Data.object;
    int16_t count = 0;
    if (sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count < 2) return;
    if (anchor.Data.segment < 0 || anchor.Data.segment >= count) return;
    const auto index = static_cast<int16_t>(anchor.Data.segment);
    h.HitArt = art;
    h.HitStartIndex = index < count - 1 ? index : static_cast<int16_t>(count - 2);
    h.HitEndIndex = static_cast<int16_t>(h.HitStartIndex + 1);
    ShapeTest(scheme, art, true, message, anchor.Data.point);
}

ASErr RunScheme(const HoverScheme& scheme, const AIToolMessage& message) {
    ASErr error = kNoErr;
    HitState& h = gHitState;
    ClearOwnedFlags(scheme.Tool);
    TouchViewZoom(&error);
    gToolState.ClickViewPoint = message.cursor;

    HostHit anchor = AnchorUnderCursor(message.cursor, &error);
    // The centre point a shape shows is a point to measure from for the Segment tool only.
    if (scheme.Tool != kSegmentTool && anchor.Data.hit != 0 && anchor.Type != kAnchorHitType) anchor = HostHit{};
    const bool anchorHit = anchor.Data.hit != 0 && anchor.Data.object != nullptr;
    if (!anchorHit && ArtHasTag(anchor.Data.object, format::Vek)) return error;
    if (anchorHit && DimensionAnchor(scheme, anchor)) {
        DimensionPartAtAnchor(scheme, anchor, message);
        return error;
    }
    const auto hoverAnchor = [&] {
        h.HitArt = anchor.Data.object;
        AnchorBranch(scheme, anchor);
        return error;
    };
    if (anchorHit && !CurveTakesCursor(anchor, message.cursor)) return hoverAnchor();
    const HostHit segment = SegmentUnderCursor(message.cursor, kHoverTolerance, &error);
    // A curve of the anchor's path takes the cursor only where the host finds that path's segment under it.
    if (anchorHit && !(IsSegmentHit(segment) && segment.Data.object == anchor.Data.object)) return hoverAnchor();
    if (!IsSegmentHit(segment)) return error;
    AIArtHandle art = segment.Data.object;
    h.HitArt = art;
    h.HitEndIndex = static_cast<int16_t>(segment.Data.segment);
    h.HitStartIndex = StartOfSegment(segment);

    const bool dimension = HasKindMarker(art, scheme.Markers);
    if (!dimension && ArtHasTag(art, format::Vek)) return error;
    if (scheme.CrossingTest && CrossingTest(art, message, &error)) return error;

    ShapeTest(scheme, art, dimension, message, segment.Data.point);
    return error;
}

} // namespace

ASErr HitTestSegmentTool(const AIToolMessage& message) { return RunScheme(kSegmentScheme, message); }
ASErr HitTestAngleTool(const AIToolMessage& message) { return RunScheme(kAngleScheme, message); }
ASErr HitTestCircleTool(const AIToolMessage& message) { return RunScheme(kCircleScheme, message); }
ASErr HitTestBezierTool(const AIToolMessage& message) { return RunScheme(kBezierScheme, message); }
