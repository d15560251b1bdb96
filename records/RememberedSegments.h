// The segments whose end points the drag snaps to: a list, newest first, of at most half the stored count of
// remembered end points. The operations on the list belong to the tools.
#pragma once

#include <cstddef>
#include <cstdint>

struct RememberedSegment {
    RememberedSegment* Next = nullptr;  // null at the tail
    float X1 = 0.0f;
    float Y1 = 0.0f;
    float X2 = 0.0f;
    float Y2 = 0.0f;
};

// The list owns its nodes: they live until the plug-in is unloaded.
struct RememberedSegments {
    RememberedSegment* Head = nullptr;  // the newest segment

    RememberedSegments() = default;
    RememberedSegments(const RememberedSegments&) = delete;
    RememberedSegments& operator=(const RememberedSegments&) = delete;
    ~RememberedSegments();
};

extern RememberedSegments gRememberedSegments;

// Frees the nodes from head on and leaves head null.
void FreeRememberedNodes(RememberedSegment*& head);
