// Numbered opaque handles of the stand-in's services: a number is never handed out twice in a process.
#pragma once

#include <cstdint>

namespace sim {

// The next handle number (1, 2, ...), shared by every kind of service handle and never reset.
uint64_t NextHandleNumber();

// A handle carrying `number`; the host never dereferences it.
template <class Handle>
Handle MakeHandle(uint64_t number) {
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(number));
}

// The number a handle carries (0 for null).
template <class Handle>
uint64_t HandleNumber(Handle handle) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(handle));
}

// A fresh handle of this kind.
template <class Handle>
Handle NewHandle() {
    return MakeHandle<Handle>(NextHandleNumber());
}

}  // namespace sim
