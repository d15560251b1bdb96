// Lengths of paths: each segment measured by the host's Bézier length, ranges of anchors, whole paths.
#include "dimension/Measures.h"

#include <algorithm>

#include "dimension/Geometry.h"
#include "dimension/ValueFormat.h"
#include "frame/SuiteTable.h"
#include "host/PathSuite.h"
#include "host/RealBezierSuite.h"

namespace {

// The length of the segment that runs from anchor k to the next anchor (anchor 0 after the last).
double SegmentLength(const std::vector<AIPathSegment>& anchors, size_t k) {
    const AIRealBezier curve = CurveBetween(anchors[k], anchors[(k + 1) % anchors.size()], 0);
    AIReal length = 0.0f;
    if (sAIRealBezier == nullptr || sAIRealBezier->AIRealBezierLength(&curve, kMeasureFlatness, &length) != kNoErr)
        return 0.0;
    return length;
}

// The segments from anchor `from` forward to anchor `to`, `steps` of them.
double ForwardLength(const std::vector<AIPathSegment>& anchors, size_t from, size_t steps) {
    double total = 0.0;
    for (size_t i = 0; i < steps; ++i) total += SegmentLength(anchors, (from + i) % anchors.size());
    return total;
}

// The length of the range of anchors a path holds, by the rules of PathRangePoints.
double RangeLength(const std::vector<AIPathSegment>& anchors, bool closed, size_t firstIndex, size_t secondIndex) {
    const size_t n = anchors.size();
    if (closed) {
        const size_t first = firstIndex % n;
        const size_t second = secondIndex % n;
        if (first == second) return ForwardLength(anchors, 0, n);
        return ForwardLength(anchors, first, (second + n - first) % n);
    }
    const size_t first = std::min(firstIndex, n - 1);
    const size_t second = std::min(secondIndex, n - 1);
    return ForwardLength(anchors, std::min(first, second), first > second ? first - second : second - first);
}

AIReal InLiveUnit(double points) { return static_cast<AIReal>(ScaledLengthInUnit(points, gCurrentOptions.Unit)); }

}  // namespace

bool ReadPathAnchors(AIArtHandle path, std::vector<AIPathSegment>& anchors, bool& closed) {
    int16_t count = 0;
    AIBoolean isClosed = 0;
    if (path == nullptr || sAIPath == nullptr) return false;
    if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count <= 0) return false;
    if (sAIPath->GetPathClosed(path, &isClosed) != kNoErr) return false;
    anchors.assign(static_cast<size_t>(count), AIPathSegment{});
    if (sAIPath->GetPathSegments(path, 0, count, anchors.data()) != kNoErr) return false;
    closed = isClosed != 0;
    return true;
}

double PathRangePoints(const AIArtHandle* path, uint16_t firstIndex, uint16_t secondIndex) {
    std::vector<AIPathSegment> anchors;
    bool closed = false;
    if (path == nullptr || !ReadPathAnchors(*path, anchors, closed)) return 0.0;
    return RangeLength(anchors, closed, firstIndex, secondIndex);
}

AIReal PathRangeLength(const AIArtHandle* path, uint16_t firstIndex, uint16_t secondIndex) {
    return InLiveUnit(PathRangePoints(path, firstIndex, secondIndex));
}

AIReal WholePathLength(const AIArtHandle* path) {
    std::vector<AIPathSegment> anchors;
    bool closed = false;
    if (path == nullptr || !ReadPathAnchors(*path, anchors, closed)) return 0.0f;
    return InLiveUnit(RangeLength(anchors, closed, 0, closed ? 0 : anchors.size() - 1));
}
