// The host's typed preference store: (prefix, key) -> bool, int32, double or string, with a write log,
// per-key fault injection and a text file that the driver saves and loads between runs. The store is
// PreferenceStore.cpp, its file's text PreferenceStoreFile.cpp, the host's preference suite over it
// ServicesPreferenceSuite.cpp.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/Types.h"

namespace sim {

enum class PrefType { Bool, Int, Real, String };

// The type's name in the file and in the write log: "bool", "int", "real", "string".
const char* PrefTypeName(PrefType type);

struct PrefValue {
    PrefType type = PrefType::Bool;
    bool boolValue = false;
    int32_t intValue = 0;
    double realValue = 0.0;
    std::string stringValue;

    static PrefValue Bool(bool v);
    static PrefValue Int(int32_t v);
    static PrefValue Real(double v);
    static PrefValue String(std::string v);
    // The value as the file writes it: "true"/"false", decimal, %.17g, or the string as it stands.
    std::string Text() const;
    bool operator==(const PrefValue& other) const;
};

// One write the plug-in made through the preference suite.
struct PrefWrite {
    std::string prefix;
    std::string key;
    PrefType type;
    std::string value; // PrefValue::Text()
};

// The last read the plug-in made of a key: its place among all reads (from 1) and the type it asked for.
struct PrefReadMark {
    uint64_t sequence = 0;
    PrefType type = PrefType::Bool;
};

enum class PrefLoadResult { Loaded, Missing, Corrupt };
struct PrefLoadOutcome {
    PrefLoadResult result = PrefLoadResult::Missing;
    std::string error; // for a corrupt file: "line N: ..."
};

// The host's own preferences, seeded at reset (prefix empty).
constexpr double kSmartGuideRed = 1.0;
constexpr double kSmartGuideGreen = 0.0;
constexpr double kSmartGuideBlue = 1.0;
constexpr double kGridLiteRed = 0.8;
constexpr double kGridLiteGreen = 0.8;
constexpr double kGridLiteBlue = 0.8;

class PreferenceStore {
  public:
    using Key = std::pair<std::string, std::string>; // (prefix, key); a null prefix is stored as ""

    // Direct access for tests and the driver: no fault injection, no write log.
    void Put(const std::string& prefix, const std::string& key, const PrefValue& value);
    std::optional<PrefValue> Get(const std::string& prefix, const std::string& key) const;
    bool Has(const std::string& prefix, const std::string& key) const;
    bool Remove(const std::string& prefix, const std::string& key);
    size_t Count() const { return values_.size(); }
    const std::map<Key, PrefValue>& Values() const { return values_; }
    // Empties the store, the write log and the faults.
    void Clear();
    // Puts the host's own keys ("snapomatic/Color/red|green|blue", "Grid/Color/Lite/r|g|b") that are missing.
    void SeedHostKeys();

    // The plug-in's side, as the preference suite reads and writes: an injected fault answers first; a read
    // answers kNoSuchKeyErr for a missing key and kWrongTypeErr for a key of another type; a write is logged.
    ASErr Read(const char* prefix, const char* key, PrefType type, PrefValue* value) const;
    ASErr Write(const char* prefix, const char* key, const PrefValue& value);
    ASErr Erase(const char* prefix, const char* key);

    const std::vector<PrefWrite>& WriteLog() const { return writes_; }
    // How many reads the plug-in has made, and its last read of (prefix, key), whether the key was there or not.
    uint64_t ReadCount() const { return readCount_; }
    std::optional<PrefReadMark> LastRead(const std::string& prefix, const std::string& key) const;
    // Every key the plug-in has read, with its last read.
    const std::map<Key, PrefReadMark>& Reads() const { return lastReads_; }
    void ClearWriteLog() { writes_.clear(); }

    // Makes reads and/or writes of (prefix, key) answer the error (0 = no fault on that side).
    void InjectFault(const std::string& prefix, const std::string& key, ASErr readError, ASErr writeError);
    void ClearFaults() { faults_.clear(); }

    // Writes every value to `path` through a temporary file renamed over it; a symbolic link is followed, so its
    // target is rewritten and the link stays, and the file keeps its mode. Comments of the file read are not
    // kept. False with `error` on failure.
    bool Save(const std::string& path, std::string* error = nullptr) const;
    // Replaces the store with the file's values (host keys seeded when absent). A missing file leaves the
    // store as it is; a corrupt one leaves it as it is and names the first bad line.
    PrefLoadOutcome Load(const std::string& path);
    // The file text of the store, and its parser (used by Save and Load; PreferenceStoreFile.cpp).
    std::string Serialize() const;
    static PrefLoadOutcome Parse(const std::string& text, std::map<Key, PrefValue>* values);

  private:
    // The error injected for reads or writes of `where`, or 0.
    ASErr Fault(const Key& where, bool writing) const;

    std::map<Key, PrefValue> values_;
    std::vector<PrefWrite> writes_;
    std::map<Key, std::pair<ASErr, ASErr>> faults_;
    mutable uint64_t readCount_ = 0;
    mutable std::map<Key, PrefReadMark> lastReads_;
};

} // namespace sim
