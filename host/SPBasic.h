// SP Basic: the suite broker the host hands to the plug-in in every message header.
#pragma once

#include "host/Types.h"

struct SPBasicSuite {
    // Acquires the suite named `name` at `version`; fails with kSuiteNotFoundErr when the host has no such suite.
    ASErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    ASErr (*ReleaseSuite)(const char* name, int32_t version);
    ASBoolean (*IsEqual)(const char* token1, const char* token2);
    ASErr (*AllocateBlock)(size_t size, void** block);
    ASErr (*FreeBlock)(void* block);
    ASErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
};
