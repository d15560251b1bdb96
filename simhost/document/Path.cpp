// The AI Path Suite over the stand-in document.
#include <algorithm>
#include <limits>

#include "simhost/ServicesInternal.h"
#include "simhost/document/Internal.h"

namespace sim {

namespace {

using doc::FindPath;

// Checks that anchors segNumber .. segNumber + count - 1 lie inside a path of `size` anchors.
ASErr CheckRange(const ArtNode& path, int16_t segNumber, int16_t count) {
    if (segNumber < 0 || count < 0 ||
        static_cast<size_t>(segNumber) + static_cast<size_t>(count) > path.segments.size()) {
        return kIndexOutOfRangeErr;
    }
    return kNoErr;
}

std::ptrdiff_t At(int16_t index) {
    return static_cast<std::ptrdiff_t>(index);
}

ASErr GetPathSegmentCount(AIArtHandle path, int16_t* count) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, count, &node); error != kNoErr) {
        return error;
    }
    *count = static_cast<int16_t>(node->segments.size());
    return kNoErr;
}

ASErr SetPathSegmentCount(AIArtHandle path, int16_t count) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, &count, &node); error != kNoErr) {
        return error;
    }
    if (count < 0) {
        return kBadParameterErr;
    }
    node->segments.resize(static_cast<size_t>(count), CornerSegment(0.0f, 0.0f));
    TheDocument().GeometryChanged(node);
    return kNoErr;
}

ASErr GetPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, segments, &node); error != kNoErr) {
        return error;
    }
    if (const ASErr error = CheckRange(*node, segNumber, count); error != kNoErr) {
        return error;
    }
    std::copy_n(node->segments.begin() + At(segNumber), count, segments);
    return kNoErr;
}

ASErr SetPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, segments, &node); error != kNoErr) {
        return error;
    }
    if (const ASErr error = CheckRange(*node, segNumber, count); error != kNoErr) {
        return error;
    }
    std::copy_n(segments, count, node->segments.begin() + At(segNumber));
    TheDocument().GeometryChanged(node);
    return kNoErr;
}

ASErr InsertPathSegments(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, segments, &node); error != kNoErr) {
        return error;
    }
    if (segNumber < 0 || count < 0 || static_cast<size_t>(segNumber) > node->segments.size()) {
        return kIndexOutOfRangeErr;
    }
    if (node->segments.size() + static_cast<size_t>(count) >
        static_cast<size_t>(std::numeric_limits<int16_t>::max())) {
        return kBadParameterErr;
    }
    node->segments.insert(node->segments.begin() + At(segNumber), segments, segments + count);
    TheDocument().GeometryChanged(node);
    return kNoErr;
}

ASErr DeletePathSegments(AIArtHandle path, int16_t segNumber, int16_t count) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, &count, &node); error != kNoErr) {
        return error;
    }
    if (const ASErr error = CheckRange(*node, segNumber, count); error != kNoErr) {
        return error;
    }
    node->segments.erase(node->segments.begin() + At(segNumber),
                         node->segments.begin() + At(segNumber) + count);
    TheDocument().GeometryChanged(node);
    return kNoErr;
}

// Reads or writes one flag of a path.
ASErr GetFlag(AIArtHandle path, AIBoolean* value, bool ArtNode::*flag) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, value, &node); error != kNoErr) {
        return error;
    }
    *value = node->*flag ? 1 : 0;
    return kNoErr;
}

ASErr SetFlag(AIArtHandle path, AIBoolean value, bool ArtNode::*flag) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, &value, &node); error != kNoErr) {
        return error;
    }
    node->*flag = value != 0;
    TheDocument().GeometryChanged(node); // closing a path changes its bounds
    return kNoErr;
}

ASErr GetPathClosed(AIArtHandle path, AIBoolean* closed) {
    return GetFlag(path, closed, &ArtNode::closed);
}
ASErr SetPathClosed(AIArtHandle path, AIBoolean closed) {
    return SetFlag(path, closed, &ArtNode::closed);
}
ASErr GetPathGuide(AIArtHandle path, AIBoolean* isGuide) {
    return GetFlag(path, isGuide, &ArtNode::guide);
}
ASErr SetPathGuide(AIArtHandle path, AIBoolean isGuide) {
    return SetFlag(path, isGuide, &ArtNode::guide);
}

ASErr GetPathCentreShown(AIArtHandle path, AIBoolean* shown) {
    return GetFlag(path, shown, &ArtNode::showsCentre);
}
ASErr SetPathCentreShown(AIArtHandle path, AIBoolean shown) {
    return SetFlag(path, shown, &ArtNode::showsCentre);
}

ASErr GetPathBezier(AIArtHandle path, int16_t segNumber, AIRealBezier* bezier) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, bezier, &node); error != kNoErr) {
        return error;
    }
    const std::vector<AIRealBezier> pieces = doc::PathBeziers(*node);
    if (segNumber < 0 || static_cast<size_t>(segNumber) >= pieces.size()) {
        return kIndexOutOfRangeErr;
    }
    *bezier = pieces[static_cast<size_t>(segNumber)];
    return kNoErr;
}

ASErr GetPathArea(AIArtHandle path, AIReal* area) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, area, &node); error != kNoErr) {
        return error;
    }
    *area = static_cast<AIReal>(doc::PathArea(*node));
    return kNoErr;
}

ASErr GetPathLength(AIArtHandle path, AIReal flatness, AIReal* length) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindPath(path, length, &node); error != kNoErr) {
        return error;
    }
    double total = 0.0;
    for (const AIRealBezier& piece : doc::PathBeziers(*node)) {
        AIReal part = 0.0f;
        if (const ASErr error = RealBezierSuiteTable().AIRealBezierLength(&piece, flatness, &part);
            error != kNoErr) {
            return error;
        }
        total += part;
    }
    *length = static_cast<AIReal>(total);
    return kNoErr;
}

} // namespace

const AIPathSuite& PathSuiteTable() {
    static const AIPathSuite table{
        .GetPathSegmentCount = GetPathSegmentCount,
        .SetPathSegmentCount = SetPathSegmentCount,
        .GetPathSegments = GetPathSegments,
        .SetPathSegments = SetPathSegments,
        .InsertPathSegments = InsertPathSegments,
        .DeletePathSegments = DeletePathSegments,
        .GetPathClosed = GetPathClosed,
        .SetPathClosed = SetPathClosed,
        .GetPathGuide = GetPathGuide,
        .SetPathGuide = SetPathGuide,
        .GetPathBezier = GetPathBezier,
        .GetPathArea = GetPathArea,
        .GetPathLength = GetPathLength,
        .GetPathCentreShown = GetPathCentreShown,
        .SetPathCentreShown = SetPathCentreShown,
    };
    return table;
}

} // namespace sim
