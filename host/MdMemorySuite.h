// AI MdMemory: blocks of memory that the host hands out (matching-art results) and the caller disposes.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// A null or disposed handle answers kBadParameterErr or kStaleHandleErr; a size the host cannot hand out
// answers kOutOfMemoryErr and changes nothing.
struct AIMdMemorySuite {
    // A new block of `size` bytes, zero-filled.
    ASErr (*MdMemoryNewHandle)(size_t size, AIMdMemoryHandle* handle);
    ASErr (*MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
    ASErr (*MdMemoryGetSize)(AIMdMemoryHandle handle, size_t* size);
    // Keeps the first bytes, zero-fills what grows; pointers from MdMemoryDeref are invalid afterwards.
    ASErr (*MdMemoryResize)(AIMdMemoryHandle handle, size_t newSize);
    // The block's bytes, valid until the block is resized or disposed.
    ASErr (*MdMemoryDeref)(AIMdMemoryHandle handle, void** pointer);
};
