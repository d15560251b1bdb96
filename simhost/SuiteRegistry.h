// The suite registry behind SP Basic: tables by name and version, with use counts.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/SPBasic.h"
#include "host/Types.h"

namespace sim {

class SuiteRegistry {
  public:
    using Key = std::pair<std::string, int32_t>;

    // Makes `table` the suite `name` at `version`; a later registration replaces the table (use counts stay).
    void Register(const std::string& name, int32_t version, const void* table);
    // Registers a zero-filled table big enough for any suite, unless the suite already has a table.
    void RegisterBlank(const std::string& name, int32_t version);
    // SP Basic's acquire: the table and one more use, or kSuiteNotFoundErr and a null table.
    ASErr Acquire(const char* name, int32_t version, const void** suite);
    // SP Basic's release: one use fewer; kSuiteNotFoundErr for an unknown suite, kBadParameterErr when the
    // suite has no use left to release.
    ASErr Release(const char* name, int32_t version);

    // Makes a suite unavailable to Acquire until RestoreAll (releases still count down).
    void Withdraw(const std::string& name, int32_t version);
    void RestoreAll();

    // True while the suite's table is still the blank.
    bool IsBlank(const std::string& name, int32_t version) const;
    const void* Table(const std::string& name, int32_t version) const;
    int32_t UseCount(const std::string& name, int32_t version) const;
    // The sum of the use counts of every suite.
    int32_t TotalUseCount() const;
    // Every registered suite, ordered by name then version.
    std::vector<Key> Suites() const;

    // Forgets every suite and use count.
    void Clear();

  private:
    struct Entry {
        const void* table = nullptr;
        bool blank = false;
        int32_t uses = 0;
    };
    const Entry* Find(const std::string& name, int32_t version) const;
    std::map<Key, Entry> entries_;
    std::set<Key> withdrawn_;
};

// The SP Basic suite placed in every message header: suites from TheSuites(), memory blocks from the host.
SPBasicSuite* TheBasicSuite();

// The largest memory block the host hands out (SP Basic, SP Blocks, AI MdMemory); a larger request answers
// kOutOfMemoryErr and leaves every block as it was.
constexpr size_t kLargestHostBlock = size_t{1} << 30;

// Memory blocks handed out by SP Basic and SP Blocks and not yet freed.
size_t OutstandingBlocks();
ASErr AllocateHostBlock(size_t size, void** block);
ASErr FreeHostBlock(void* block);
ASErr ReallocateHostBlock(void* block, size_t newSize, void** newBlock);

} // namespace sim
