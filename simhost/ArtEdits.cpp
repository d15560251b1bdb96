#include "simhost/ArtEdits.h"

#include <cmath>
#include <vector>

#include "simhost/Document.h"
#include "simhost/Notifiers.h"
#include "simhost/SimHost.h"
#include "simhost/document/Internal.h"

namespace sim {

namespace {

// The art of type `type` behind the handle, if the host's tools can reach it.
ASErr ReachableArt(AIArtHandle art, int16_t type, ArtNode** node) {
    if (const ASErr error = doc::FindArt(art, node, node); error != kNoErr)
        return error;
    if ((*node)->type != type)
        return kBadParameterErr;
    const Layer* layer = (*node)->layer;
    return layer == nullptr || layer->locked || !layer->visible ? kLockedErr : kNoErr;
}

// The path behind the handle, if the host's tools can reach it.
ASErr ReachablePath(AIArtHandle art, ArtNode** path) {
    return ReachableArt(art, kPathArt, path);
}

// Moves the point by `by`; false, leaving it as it was, when a coordinate would leave the floats.
bool Moved(AIRealPoint& p, AIRealPoint by) {
    const AIRealPoint moved{p.h + by.h, p.v + by.v};
    if (!std::isfinite(moved.h) || !std::isfinite(moved.v))
        return false;
    p = moved;
    return true;
}

// Moves the segment with both handles by `by`; false, leaving it as it was, when a coordinate would overflow.
bool MovedSegment(AIPathSegment& segment, AIRealPoint by) {
    AIPathSegment moved = segment;
    if (!Moved(moved.p, by) || !Moved(moved.in, by) || !Moved(moved.out, by))
        return false;
    segment = moved;
    return true;
}

// The change is made: the host redraws and tells whoever registered; what a notifier answers undoes nothing.
ASErr Changed() {
    TheDocument().InvalidateView();
    static_cast<void>(TheNotifiers().Send(kArtSelectionChangedNotifier));
    return kNoErr;
}

// Replaces the path's segments by `segments`, telling the document its geometry changed.
ASErr Reshaped(AIArtHandle art, std::vector<AIPathSegment> segments) {
    TheDocument().MutableArt(art)->segments = std::move(segments);
    return Changed();
}

// Takes the art out of the document with everything inside it; a layer's own group stays.
ASErr Deleted(ArtNode* node) {
    if (const ASErr error = TheDocument().DisposeArt(node); error != kNoErr)
        return error;
    return Changed();
}

} // namespace

ASErr UserMovesPath(AIArtHandle art, AIRealPoint by) {
    ArtNode* path = nullptr;
    if (const ASErr error = ReachablePath(art, &path); error != kNoErr)
        return error;
    std::vector<AIPathSegment> segments = path->segments;
    for (AIPathSegment& segment : segments) {
        if (!MovedSegment(segment, by))
            return kBadParameterErr;
    }
    return Reshaped(art, std::move(segments));
}

ASErr UserMovesAnchor(AIArtHandle art, int32_t index, AIRealPoint by) {
    ArtNode* path = nullptr;
    if (const ASErr error = ReachablePath(art, &path); error != kNoErr)
        return error;
    std::vector<AIPathSegment> segments = path->segments;
    if (index < 0 || static_cast<size_t>(index) >= segments.size() ||
        !MovedSegment(segments[static_cast<size_t>(index)], by))
        return kBadParameterErr;
    return Reshaped(art, std::move(segments));
}

ASErr UserDeletesPath(AIArtHandle art) {
    ArtNode* path = nullptr;
    if (const ASErr error = ReachablePath(art, &path); error != kNoErr)
        return error;
    return Deleted(path);
}

ASErr UserDeletesGroup(AIArtHandle art) {
    ArtNode* group = nullptr;
    if (const ASErr error = ReachableArt(art, kGroupArt, &group); error != kNoErr)
        return error;
    return Deleted(group);
}

} // namespace sim
