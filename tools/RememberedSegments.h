// Operations on the list of remembered segments.
#pragma once

#include <cstddef>
#include <cstdint>

#include "records/RememberedSegments.h"

// Segments the list holds at most: half the stored count of remembered end points, at least one.
int32_t RememberedSegmentLimit();
// Nodes in the list.
size_t RememberedSegmentCount();
// Frees every node and empties the list.
void FreeRememberedSegments();

