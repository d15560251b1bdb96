// The AI Hit Test Suite over the stand-in document.
#include "simhost/HitTest.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

#include "host/ArtSuite.h"
#include "simhost/Document.h"
#include "simhost/ServicesGeometry.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Text.h"

namespace sim {

namespace {

// Samples along a segment before the nearest one is refined.
constexpr int kSegmentSamples = 64;
// Halvings of the bracket around the nearest sample.
constexpr int kRefineSteps = 48;

// The results not yet released, by handle number; numbers are never given twice.
struct HitRecords {
    std::map<uintptr_t, AIToolHitData> live;
    uintptr_t lastId = 0;
};

HitRecords& Records() {
    static HitRecords records;
    return records;
}

// The attributes that keep art out of every hit test.
constexpr int32_t kUnhittable = kArtLocked | kArtHidden;

// False for guides, for art that is locked or hidden, inside a locked or hidden group, or on a locked or
// hidden layer.
bool Hittable(const ArtNode& node) {
    if (node.guide) return false;
    if (node.layer != nullptr && (node.layer->locked || !node.layer->visible)) return false;
    for (const ArtNode* n = &node; n != nullptr; n = n->parent) {
        if ((n->userAttr & kUnhittable) != 0) return false;
    }
    return true;
}

// The nearest anchor within tolerance (the lowest index among equals).
std::optional<AIToolHitData> HitAnchor(const ArtNode& path, Vec point, double tolerance) {
    std::optional<AIToolHitData> best;
    double bestDistance = tolerance;
    for (size_t i = 0; i < path.segments.size(); ++i) {
        const double d = Length(ToVec(&path.segments[i].p) - point);
        if (d <= bestDistance && (!best || d < bestDistance)) {
            bestDistance = d;
            best = AIToolHitData{1, kAnchorHitType, Document::Handle(&path), static_cast<int32_t>(i), 0.0f,
                                 path.segments[i].p};
        }
    }
    return best;
}

// The centre point the path shows, when it lies within tolerance: the centre of the box of its control points,
// which is its bounds' centre for the ellipses and rectangles that show one.
std::optional<AIToolHitData> HitCentre(const ArtNode& path, Vec point, double tolerance) {
    const ControlBox box = PathControlBox(path);
    if (!path.showsCentre || box.Empty()) return std::nullopt;
    const Vec centre{(box.left + box.right) / 2.0, (box.bottom + box.top) / 2.0};
    if (!(Length(centre - point) <= tolerance)) return std::nullopt;
    return AIToolHitData{1, kCentreHitType, Document::Handle(&path), 0, 0.0f, ToPoint(centre)};
}

// The point of the path nearest `point` within tolerance, an anchor or the centre it shows: on a path smaller
// than the tolerance both are in reach, and the one under the cursor wins (the anchor when they are as near).
std::optional<AIToolHitData> HitPoint(const ArtNode& path, Vec point, double tolerance) {
    std::optional<AIToolHitData> anchor = HitAnchor(path, point, tolerance);
    std::optional<AIToolHitData> centre = HitCentre(path, point, tolerance);
    if (!anchor || !centre) return anchor ? anchor : centre;
    const double toAnchor = Length(ToVec(&anchor->point) - point);
    return Length(ToVec(&centre->point) - point) < toAnchor ? centre : anchor;
}

// The parameter of the point of the cubic nearest `point`: the nearest of evenly spaced samples, refined
// inside the bracket of its two neighbours.
double NearestParameter(const Cubic& c, Vec point) {
    const auto distance = [&](double t) { return Length(CubicAt(c, t) - point); };
    int nearest = 0;
    double nearestDistance = distance(0.0);
    for (int k = 1; k <= kSegmentSamples; ++k) {
        const double d = distance(static_cast<double>(k) / kSegmentSamples);
        if (d < nearestDistance) {
            nearestDistance = d;
            nearest = k;
        }
    }
    double low = static_cast<double>(nearest > 0 ? nearest - 1 : 0) / kSegmentSamples;
    double high = static_cast<double>(nearest < kSegmentSamples ? nearest + 1 : kSegmentSamples) / kSegmentSamples;
    for (int step = 0; step < kRefineSteps; ++step) {
        const double a = low + (high - low) / 3.0;
        const double b = high - (high - low) / 3.0;
        if (distance(a) <= distance(b)) {
            high = b;
        } else {
            low = a;
        }
    }
    return 0.5 * (low + high);
}

// The cubic of the segment that ends at anchor `end` (0: the closing segment from the last anchor).
Cubic SegmentCubic(const ArtNode& path, size_t end) {
    const AIPathSegment& a = path.segments[end == 0 ? path.segments.size() - 1 : end - 1];
    const AIPathSegment& b = path.segments[end];
    return {ToVec(&a.p), ToVec(&a.out), ToVec(&b.in), ToVec(&b.p)};
}

// The nearest segment within tolerance (the first in index order among equals).
std::optional<AIToolHitData> HitSegment(const ArtNode& path, Vec point, double tolerance) {
    const size_t n = path.segments.size();
    if (n < 2) return std::nullopt;
    std::optional<AIToolHitData> best;
    double bestDistance = tolerance;
    const auto consider = [&](size_t end) {
        const Cubic c = SegmentCubic(path, end);
        const double t = NearestParameter(c, point);
        const Vec at = CubicAt(c, t);
        const double d = Length(at - point);
        if (d <= bestDistance && (!best || d < bestDistance)) {
            bestDistance = d;
            best = AIToolHitData{1, kSegmentHitType, Document::Handle(&path), static_cast<int32_t>(end),
                                 static_cast<AIReal>(t), ToPoint(at)};
        }
    };
    for (size_t end = 1; end < n; ++end) consider(end);
    if (path.closed) consider(0);
    return best;
}

// A text frame is hit inside its bounds grown by the tolerance.
std::optional<AIToolHitData> HitText(const ArtNode& frame, Vec point, double tolerance) {
    AIRealRect bounds;
    if (!TextFrameBounds(Document::Handle(&frame), &bounds)) return std::nullopt;
    if (point.x < bounds.left - tolerance || point.x > bounds.right + tolerance ||
        point.y < bounds.bottom - tolerance || point.y > bounds.top + tolerance) {
        return std::nullopt;
    }
    return AIToolHitData{1, kTextHitType, Document::Handle(&frame), 0, 0.0f, ToPoint(point)};
}

// What the request finds on one leaf art.
std::optional<AIToolHitData> HitLeaf(const ArtNode& node, Vec point, int32_t request, double tolerance) {
    if (node.type == kTextFrameArt) {
        return request == kAnyHitRequest ? HitText(node, point, tolerance) : std::nullopt;
    }
    if (node.type != kPathArt) return std::nullopt;
    if (request != kSegmentHitRequest) {
        if (auto hit = HitPoint(node, point, tolerance)) return hit;
    }
    if (request != kAnchorHitRequest) return HitSegment(node, point, tolerance);
    return std::nullopt;
}

// How far from a path's control box the point may lie and still be within the tolerance of the path.
double ReachAround(Vec point, double tolerance) {
    return SafeReach(tolerance, std::max(std::fabs(point.x), std::fabs(point.y)) + tolerance);
}

// The first hit among the art and what it holds, top first. With a bounds index, a path whose control box,
// grown by the tolerance, does not hold the point is passed over without any curve work.
std::optional<AIToolHitData> HitTree(const ArtNode& node, Vec point, int32_t request, double tolerance,
                                     const ArtBoundsIndex* bounds) {
    if (node.type == kGroupArt) {
        for (const ArtNode* child : node.children) {
            if (auto hit = HitTree(*child, point, request, tolerance, bounds)) return hit;
        }
        return std::nullopt;
    }
    if (bounds != nullptr && node.type == kPathArt &&
        !bounds->BoxOf(&node).Holds(point.x, point.y, ReachAround(point, tolerance))) {
        return std::nullopt;
    }
    if (!Hittable(node)) return std::nullopt;
    return HitLeaf(node, point, request, tolerance);
}

bool KnownRequest(int32_t request) {
    return request == kAnyHitRequest || request == kAnchorHitRequest || request == kSegmentHitRequest;
}

// An anchor or segment test of the whole document: only the paths the bounds index finds near the point are
// examined, and among those hit the one first in paint order wins, as in a walk of every layer from the top.
std::optional<AIToolHitData> HitNearPaths(Document& doc, Vec point, int32_t request, double tolerance) {
    std::optional<AIToolHitData> best;
    const ArtNode* bestNode = nullptr;
    for (const ArtNode* node : doc.Bounds().Near(point.x, point.y, ReachAround(point, tolerance))) {
        if (!Hittable(*node) || (bestNode != nullptr && !doc.ComesBefore(node, bestNode))) continue;
        if (auto hit = HitLeaf(*node, point, request, tolerance)) {
            best = hit;
            bestNode = node;
        }
    }
    return best;
}

// The leaf art answering a hit test of `art`, or of every layer from the top when art is null.
ASErr FindHit(AIArtHandle art, Vec point, int32_t request, double tolerance, AIToolHitData* data,
              HitSearch search) {
    Document& doc = TheDocument();
    const ArtBoundsIndex* bounds = search == HitSearch::NearPaths ? &doc.Bounds() : nullptr;
    std::optional<AIToolHitData> hit;
    if (art != nullptr) {
        ArtNode* node = nullptr;
        if (const ASErr error = doc.FindNode(art, &node); error != kNoErr) return error;
        hit = HitTree(*node, point, request, tolerance, bounds);
    } else if (search == HitSearch::NearPaths && request != kAnyHitRequest) {
        hit = HitNearPaths(doc, point, request, tolerance);
    } else {
        for (int32_t i = 0; i < doc.LayerCount() && !hit; ++i) {
            const ArtNode* group = doc.Art(doc.LayerGroup(doc.LayerAt(i)));
            if (group != nullptr) hit = HitTree(*group, point, request, tolerance, bounds);
        }
    }
    *data = hit.value_or(AIToolHitData{});
    return kNoErr;
}

ASErr HitTestEx(AIArtHandle art, AIRealPoint point, int32_t request, AIReal tolerance, AIHitRef* hit) {
    if (hit == nullptr) return kBadParameterErr;
    *hit = nullptr;
    if (!KnownRequest(request) || !(tolerance >= 0.0f)) return kBadParameterErr;
    AIToolHitData data;
    if (const ASErr error = FindHit(art, ToVec(&point), request, tolerance, &data, HitSearch::NearPaths);
        error != kNoErr) {
        return error;
    }
    HitRecords& records = Records();
    const uintptr_t id = ++records.lastId;
    records.live[id] = data;
    *hit = reinterpret_cast<AIHitRef>(id);
    return kNoErr;
}

// The record behind a live reference.
ASErr FindRecord(AIHitRef hit, const void* out, AIToolHitData** data) {
    if (hit == nullptr || out == nullptr) return kBadParameterErr;
    auto& live = Records().live;
    const auto found = live.find(reinterpret_cast<uintptr_t>(hit));
    if (found == live.end()) return kStaleHandleErr;
    *data = &found->second;
    return kNoErr;
}

ASErr GetHitData(AIHitRef hit, AIToolHitData* data) {
    AIToolHitData* record = nullptr;
    if (const ASErr error = FindRecord(hit, data, &record); error != kNoErr) return error;
    *data = *record;
    return kNoErr;
}

ASErr GetType(AIHitRef hit, int32_t* type) {
    AIToolHitData* record = nullptr;
    if (const ASErr error = FindRecord(hit, type, &record); error != kNoErr) return error;
    *type = record->type;
    return kNoErr;
}

ASErr Release(AIHitRef hit) {
    if (hit == nullptr) return kBadParameterErr;
    return Records().live.erase(reinterpret_cast<uintptr_t>(hit)) == 1 ? kNoErr : kStaleHandleErr;
}

} // namespace

const AIHitTestSuite& HitTestSuiteTable() {
    static const AIHitTestSuite table{
        .HitTestEx = HitTestEx,
        .GetHitData = GetHitData,
        .GetType = GetType,
        .Release = Release,
    };
    return table;
}

void InstallHitTestSuite() {
    Records().live.clear();
    TheSuites().Register(kAIHitTestSuite, kAIHitTestSuiteVersion, &HitTestSuiteTable());
}

size_t OutstandingHitRefs() { return Records().live.size(); }

ASErr HitTestWith(HitSearch search, AIArtHandle art, AIRealPoint point, int32_t request, AIReal tolerance,
                  AIToolHitData* data) {
    if (data == nullptr || !KnownRequest(request) || !(tolerance >= 0.0f)) return kBadParameterErr;
    return FindHit(art, ToVec(&point), request, tolerance, data, search);
}

} // namespace sim
