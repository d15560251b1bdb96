#include "simhost/SuiteRegistry.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "simhost/SimHost.h"

namespace sim {

namespace {

// A zero-filled table with room for the operations of any suite.
constexpr size_t kBlankSlots = 1024;
const void* const kBlankTable[kBlankSlots] = {};

std::unordered_map<void*, size_t>& Blocks() {
    static std::unordered_map<void*, size_t> blocks;
    return blocks;
}

ASErr BasicAcquireSuite(const char* name, int32_t version, const void** suite) {
    return TheSuites().Acquire(name, version, suite);
}

ASErr BasicReleaseSuite(const char* name, int32_t version) {
    return TheSuites().Release(name, version);
}

ASBoolean BasicIsEqual(const char* token1, const char* token2) {
    if (token1 == nullptr || token2 == nullptr)
        return token1 == token2;
    return std::strcmp(token1, token2) == 0;
}

ASErr BasicAllocateBlock(size_t size, void** block) {
    return AllocateHostBlock(size, block);
}
ASErr BasicFreeBlock(void* block) {
    return FreeHostBlock(block);
}
ASErr BasicReallocateBlock(void* block, size_t newSize, void** newBlock) {
    return ReallocateHostBlock(block, newSize, newBlock);
}

} // namespace

void SuiteRegistry::Register(const std::string& name, int32_t version, const void* table) {
    Entry& entry = entries_[{name, version}];
    entry.table = table;
    entry.blank = false;
}

void SuiteRegistry::RegisterBlank(const std::string& name, int32_t version) {
    Entry& entry = entries_[{name, version}];
    if (entry.table != nullptr)
        return;
    entry.table = kBlankTable;
    entry.blank = true;
}

ASErr SuiteRegistry::Acquire(const char* name, int32_t version, const void** suite) {
    if (suite == nullptr)
        return kBadParameterErr;
    *suite = nullptr;
    if (name == nullptr)
        return kSuiteNotFoundErr;
    auto it = entries_.find({name, version});
    if (it == entries_.end() || it->second.table == nullptr || withdrawn_.count(it->first) != 0) {
        return kSuiteNotFoundErr;
    }
    ++it->second.uses;
    *suite = it->second.table;
    return kNoErr;
}

ASErr SuiteRegistry::Release(const char* name, int32_t version) {
    if (name == nullptr)
        return kSuiteNotFoundErr;
    auto it = entries_.find({name, version});
    if (it == entries_.end())
        return kSuiteNotFoundErr;
    if (it->second.uses <= 0)
        return kBadParameterErr;
    --it->second.uses;
    return kNoErr;
}

void SuiteRegistry::Withdraw(const std::string& name, int32_t version) {
    withdrawn_.insert({name, version});
}

void SuiteRegistry::RestoreAll() {
    withdrawn_.clear();
}

const SuiteRegistry::Entry* SuiteRegistry::Find(const std::string& name, int32_t version) const {
    auto it = entries_.find({name, version});
    return it == entries_.end() ? nullptr : &it->second;
}

bool SuiteRegistry::IsBlank(const std::string& name, int32_t version) const {
    const Entry* entry = Find(name, version);
    return entry != nullptr && entry->blank;
}

const void* SuiteRegistry::Table(const std::string& name, int32_t version) const {
    const Entry* entry = Find(name, version);
    return entry == nullptr ? nullptr : entry->table;
}

int32_t SuiteRegistry::UseCount(const std::string& name, int32_t version) const {
    const Entry* entry = Find(name, version);
    return entry == nullptr ? 0 : entry->uses;
}

int32_t SuiteRegistry::TotalUseCount() const {
    int32_t total = 0;
    for (const auto& [key, entry] : entries_)
        total += entry.uses;
    return total;
}

std::vector<SuiteRegistry::Key> SuiteRegistry::Suites() const {
    std::vector<Key> keys;
    for (const auto& [key, entry] : entries_) {
        if (entry.table != nullptr)
            keys.push_back(key);
    }
    return keys;
}

void SuiteRegistry::Clear() {
    entries_.clear();
    withdrawn_.clear();
}

SPBasicSuite* TheBasicSuite() {
    static SPBasicSuite basic{BasicAcquireSuite,  BasicReleaseSuite, BasicIsEqual,
                              BasicAllocateBlock, BasicFreeBlock,    BasicReallocateBlock};
    return &basic;
}

size_t OutstandingBlocks() {
    return Blocks().size();
}

ASErr AllocateHostBlock(size_t size, void** block) {
    if (block == nullptr)
        return kBadParameterErr;
    *block = nullptr;
    if (size > kLargestHostBlock)
        return kOutOfMemoryErr;
    *block = std::malloc(size == 0 ? 1 : size);
    if (*block == nullptr)
        return kOutOfMemoryErr;
    Blocks()[*block] = size;
    return kNoErr;
}

ASErr FreeHostBlock(void* block) {
    auto it = Blocks().find(block);
    if (it == Blocks().end())
        return kBadParameterErr;
    Blocks().erase(it);
    std::free(block);
    return kNoErr;
}

ASErr ReallocateHostBlock(void* block, size_t newSize, void** newBlock) {
    if (newBlock == nullptr)
        return kBadParameterErr;
    *newBlock = nullptr;
    if (block == nullptr)
        return AllocateHostBlock(newSize, newBlock);
    auto it = Blocks().find(block);
    if (it == Blocks().end())
        return kBadParameterErr;
    if (newSize > kLargestHostBlock)
        return kOutOfMemoryErr;
    void* grown = std::realloc(block, newSize == 0 ? 1 : newSize);
    if (grown == nullptr)
        return kOutOfMemoryErr;
    Blocks().erase(it);
    Blocks()[grown] = newSize;
    *newBlock = grown;
    return kNoErr;
}

void FreeAllHostBlocks() {
    for (auto& [block, size] : Blocks())
        std::free(block);
    Blocks().clear();
}

} // namespace sim
