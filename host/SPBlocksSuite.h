// SP Blocks: memory blocks of the host, used by the host SDK's string helpers.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// A block the host does not know (never allocated, or already freed) answers kBadParameterErr.
struct SPBlocksSuite {
    ASErr (*AllocateBlock)(size_t size, const char* debugName, void** block);
    ASErr (*FreeBlock)(void* block);
    ASErr (*ReallocateBlock)(void* block, size_t newSize, const char* debugName, void** newBlock);
};
