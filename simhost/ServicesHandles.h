// Numbered opaque handles of the stand-in's services: a number is never handed out twice in a process.
#pragma once

#include <algorithm>
#include <cstdint>

#include "host/Types.h"

namespace sim {

// The next handle number (1, 2, ...), shared by every kind of service handle and never reset.
uint64_t NextHandleNumber();

// A handle carrying `number`; the host never dereferences it.
template <class Handle> Handle MakeHandle(uint64_t number) {
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(number));
}

// A fresh handle of this kind.
template <class Handle> Handle NewHandle() {
    return MakeHandle<Handle>(NextHandleNumber());
}

// The first record that `matches`, or null.
template <class Records, class Predicate>
auto FindRecord(Records& records, Predicate matches) -> decltype(&*records.begin()) {
    auto it = std::find_if(records.begin(), records.end(), matches);
    return it == records.end() ? nullptr : &*it;
}

// Matches the record whose handle is `handle`; a null handle matches none.
template <class Handle> auto HasHandle(Handle handle) {
    return [handle](const auto& record) { return handle != nullptr && record.handle == handle; };
}

// Reads one value of the record a handle named: kBadParameterErr for a null output, kStaleHandleErr when the
// handle named no record.
template <class Record, class Out, class Read> ASErr ReadRecord(const Record* record, Out* out, Read read) {
    if (out == nullptr)
        return kBadParameterErr;
    if (record == nullptr)
        return kStaleHandleErr;
    *out = read(*record);
    return kNoErr;
}

// Changes the record a handle named; kStaleHandleErr when the handle named no record.
template <class Record, class Change> ASErr ChangeRecord(Record* record, Change change) {
    if (record == nullptr)
        return kStaleHandleErr;
    change(*record);
    return kNoErr;
}

} // namespace sim
