#include "frame/CanvasWrites.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/SuiteTable.h"
#include "host/PathSuite.h"

namespace {

// How many segments a path write holds to the canvas at once.
constexpr int16_t kHeldSegmentsPerWrite = 32;

AIReal HeldCoordinate(AIReal x) {
    constexpr auto reach = static_cast<AIReal>(kCanvasReach);
    return std::isfinite(x) ? std::clamp(x, -reach, reach) : x;
}

// True when the point lies on the canvas, where HeldCoordinate leaves both coordinates as they are.
bool PointOnCanvas(AIRealPoint p) {
    constexpr auto reach = static_cast<AIReal>(kCanvasReach);
    return p.h >= -reach && p.h <= reach && p.v >= -reach && p.v <= reach;
}

// Segments first .. first + n - 1 (at most kHeldSegmentsPerWrite) written held to the canvas.
ASErr WriteHeldSegments(AIArtHandle path, const AIPathSegment* segments, int16_t first, int16_t n) {
    AIPathSegment held[kHeldSegmentsPerWrite];
    for (int16_t k = 0; k < n; ++k) {
        held[k] = segments[first + k];
        held[k].p = HeldOnCanvas(held[k].p);
        held[k].in = HeldOnCanvas(held[k].in);
        held[k].out = HeldOnCanvas(held[k].out);
    }
    return sAIPath->SetPathSegments(path, first, n, held);
}

}  // namespace

bool IsFinitePoint(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

bool FitsArtworkFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<AIReal>::max());
}

bool AreSegmentsFinite(const AIPathSegment* segments, size_t count) {
    return std::all_of(segments, segments + count, [](const AIPathSegment& s) {
        return IsFinitePoint(s.p) && IsFinitePoint(s.in) && IsFinitePoint(s.out);
    });
}

AIRealPoint HeldOnCanvas(AIRealPoint p) { return {HeldCoordinate(p.h), HeldCoordinate(p.v)}; }

double CanvasShare(AIRealPoint about, const AIPathSegment* segments, size_t count) {
    if (!IsFinitePoint(about) || !PointOnCanvas(about)) return 1.0;
    double share = 1.0;
    const auto hold = [&share](double from, double to) {
        const double edge = to > kCanvasReach ? kCanvasReach : to < -kCanvasReach ? -kCanvasReach : to;
        if (edge != to) share = std::min(share, (edge - from) / (to - from));
    };
    for (size_t k = 0; k < count; ++k) {
        for (const AIRealPoint& p : {segments[k].p, segments[k].in, segments[k].out}) {
            if (!IsFinitePoint(p)) return 1.0;
            hold(about.h, p.h);
            hold(about.v, p.v);
        }
    }
    return std::max(share, 0.0);
}

ASErr WriteSegmentsOnCanvas(AIArtHandle path, const AIPathSegment* segments, int16_t count) {
    if (count < 0 || (count > 0 && segments == nullptr) || sAIPath == nullptr) return kBadParameterErr;
    if (!AreSegmentsFinite(segments, static_cast<size_t>(count))) return kBadParameterErr;
    ASErr result = sAIPath->SetPathSegmentCount(path, count);
    // Segments already on the canvas (a drag's every step) are written as they are: holding them changes nothing.
    const bool onCanvas = std::all_of(segments, segments + count, [](const AIPathSegment& s) {
        return PointOnCanvas(s.p) && PointOnCanvas(s.in) && PointOnCanvas(s.out);
    });
    for (int16_t first = 0; first < count && result == kNoErr; first += kHeldSegmentsPerWrite) {
        const auto n = static_cast<int16_t>(std::min<int32_t>(kHeldSegmentsPerWrite, count - first));
        result = onCanvas ? sAIPath->SetPathSegments(path, first, n, segments + first)
                          : WriteHeldSegments(path, segments, first, n);
    }
    return result;
}
