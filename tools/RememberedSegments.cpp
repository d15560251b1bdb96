#include "tools/RememberedSegments.h"

#include "frame/Settings.h"


int32_t RememberedSegmentLimit() {
    const int32_t segments = gSettings.RememberedPointCount / 2;
    return segments < 1 ? 1 : segments;
}

size_t RememberedSegmentCount() {
    size_t count = 0;
    for (const RememberedSegment* node = gRememberedSegments.Head; node != nullptr; node = node->Next) ++count;
    return count;
}

void FreeRememberedSegments() { FreeRememberedNodes(gRememberedSegments.Head); }
