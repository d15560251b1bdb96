// The AI MdMemory Suite: host memory blocks of the stand-in document.
#include "simhost/SuiteRegistry.h"
#include "simhost/document/Internal.h"

namespace sim {

namespace {

ASErr MdMemoryNewHandle(size_t size, AIMdMemoryHandle* handle) {
    if (handle == nullptr) {
        return kBadParameterErr;
    }
    *handle = nullptr;
    if (size > kLargestHostBlock) {
        return kOutOfMemoryErr;
    }
    *handle = TheDocument().NewMemory(size);
    return kNoErr;
}

ASErr MdMemoryDisposeHandle(AIMdMemoryHandle handle) {
    return TheDocument().DisposeMemory(handle);
}

ASErr MdMemoryGetSize(AIMdMemoryHandle handle, size_t* size) {
    std::vector<unsigned char>* block = nullptr;
    if (const ASErr error = TheDocument().FindMemory(handle, &block); error != kNoErr || size == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    *size = block->size();
    return kNoErr;
}

ASErr MdMemoryResize(AIMdMemoryHandle handle, size_t newSize) {
    std::vector<unsigned char>* block = nullptr;
    if (const ASErr error = TheDocument().FindMemory(handle, &block); error != kNoErr) {
        return error;
    }
    if (newSize > kLargestHostBlock) {
        return kOutOfMemoryErr;
    }
    block->resize(newSize, 0);
    return kNoErr;
}

ASErr MdMemoryDeref(AIMdMemoryHandle handle, void** pointer) {
    std::vector<unsigned char>* block = nullptr;
    if (const ASErr error = TheDocument().FindMemory(handle, &block); error != kNoErr || pointer == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    *pointer = block->data();
    return kNoErr;
}

} // namespace

const AIMdMemorySuite& MdMemorySuiteTable() {
    static const AIMdMemorySuite table{
        .MdMemoryNewHandle = MdMemoryNewHandle,
        .MdMemoryDisposeHandle = MdMemoryDisposeHandle,
        .MdMemoryGetSize = MdMemoryGetSize,
        .MdMemoryResize = MdMemoryResize,
        .MdMemoryDeref = MdMemoryDeref,
    };
    return table;
}

} // namespace sim
