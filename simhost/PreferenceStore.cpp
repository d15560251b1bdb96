#include "simhost/PreferenceStore.h"

#include <bit>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "simhost/SimHost.h"

namespace sim {

namespace {

// The links followed at most before a path is taken as it stands (a loop of links ends there).
constexpr int kMaxLinksFollowed = 40;

// The file that `path` names: a symbolic link, or a chain of them, followed to its target; a relative link is
// read from the link's own folder.
std::filesystem::path LinkTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    std::error_code error;
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error)))
            break;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

std::string RealText(double value) {
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("nan");
}

std::string Prefix(const char* prefix) {
    return prefix == nullptr ? std::string() : std::string(prefix);
}

} // namespace

const char* PrefTypeName(PrefType type) {
    switch (type) {
    case PrefType::Bool:
        return "bool";
    case PrefType::Int:
        return "int";
    case PrefType::Real:
        return "real";
    case PrefType::String:
        return "string";
    }
    return "?";
}

PrefValue PrefValue::Bool(bool v) {
    PrefValue value;
    value.type = PrefType::Bool;
    value.boolValue = v;
    return value;
}

PrefValue PrefValue::Int(int32_t v) {
    PrefValue value;
    value.type = PrefType::Int;
    value.intValue = v;
    return value;
}

PrefValue PrefValue::Real(double v) {
    PrefValue value;
    value.type = PrefType::Real;
    value.realValue = v;
    return value;
}

PrefValue PrefValue::String(std::string v) {
    PrefValue value;
    value.type = PrefType::String;
    value.stringValue = std::move(v);
    return value;
}

std::string PrefValue::Text() const {
    switch (type) {
    case PrefType::Bool:
        return boolValue ? "true" : "false";
    case PrefType::Int:
        return std::to_string(intValue);
    case PrefType::Real:
        return RealText(realValue);
    case PrefType::String:
        return stringValue;
    }
    return std::string();
}

bool PrefValue::operator==(const PrefValue& other) const {
    if (type != other.type)
        return false;
    switch (type) {
    case PrefType::Bool:
        return boolValue == other.boolValue;
    case PrefType::Int:
        return intValue == other.intValue;
    case PrefType::Real:
        return std::bit_cast<uint64_t>(realValue) == std::bit_cast<uint64_t>(other.realValue);
    case PrefType::String:
        return stringValue == other.stringValue;
    }
    return false;
}

void PreferenceStore::Put(const std::string& prefix, const std::string& key, const PrefValue& value) {
    values_[{prefix, key}] = value;
}

std::optional<PrefValue> PreferenceStore::Get(const std::string& prefix, const std::string& key) const {
    auto it = values_.find({prefix, key});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool PreferenceStore::Has(const std::string& prefix, const std::string& key) const {
    return values_.count({prefix, key}) != 0;
}

bool PreferenceStore::Remove(const std::string& prefix, const std::string& key) {
    return values_.erase({prefix, key}) != 0;
}

void PreferenceStore::Clear() {
    values_.clear();
    writes_.clear();
    faults_.clear();
    readCount_ = 0;
    lastReads_.clear();
}

void PreferenceStore::SeedHostKeys() {
    const std::pair<const char*, double> hostKeys[] = {
        {"snapomatic/Color/red", kSmartGuideRed},   {"snapomatic/Color/green", kSmartGuideGreen},
        {"snapomatic/Color/blue", kSmartGuideBlue}, {"Grid/Color/Lite/r", kGridLiteRed},
        {"Grid/Color/Lite/g", kGridLiteGreen},      {"Grid/Color/Lite/b", kGridLiteBlue},
    };
    for (const auto& [key, value] : hostKeys) {
        if (!Has("", key))
            Put("", key, PrefValue::Real(value));
    }
}

ASErr PreferenceStore::Read(const char* prefix, const char* key, PrefType type, PrefValue* value) const {
    if (key == nullptr || value == nullptr)
        return kBadParameterErr;
    const Key where{Prefix(prefix), key};
    lastReads_[where] = PrefReadMark{++readCount_, type};
    if (const ASErr fault = Fault(where, false); fault != kNoErr)
        return fault;
    auto it = values_.find(where);
    if (it == values_.end())
        return kNoSuchKeyErr;
    if (it->second.type != type)
        return kWrongTypeErr;
    *value = it->second;
    return kNoErr;
}

std::optional<PrefReadMark> PreferenceStore::LastRead(const std::string& prefix, const std::string& key) const {
    const auto it = lastReads_.find(Key{prefix, key});
    if (it == lastReads_.end())
        return std::nullopt;
    return it->second;
}

ASErr PreferenceStore::Write(const char* prefix, const char* key, const PrefValue& value) {
    if (key == nullptr)
        return kBadParameterErr;
    const Key where{Prefix(prefix), key};
    if (const ASErr fault = Fault(where, true); fault != kNoErr)
        return fault;
    values_[where] = value;
    writes_.push_back({where.first, where.second, value.type, value.Text()});
    return kNoErr;
}

ASErr PreferenceStore::Erase(const char* prefix, const char* key) {
    if (key == nullptr)
        return kBadParameterErr;
    const Key where{Prefix(prefix), key};
    if (const ASErr fault = Fault(where, true); fault != kNoErr)
        return fault;
    return values_.erase(where) != 0 ? kNoErr : kNoSuchKeyErr;
}

ASErr PreferenceStore::Fault(const Key& where, bool writing) const {
    const auto fault = faults_.find(where);
    if (fault == faults_.end())
        return kNoErr;
    return writing ? fault->second.second : fault->second.first;
}

void PreferenceStore::InjectFault(const std::string& prefix, const std::string& key, ASErr readError,
                                  ASErr writeError) {
    if (readError == kNoErr && writeError == kNoErr) {
        faults_.erase({prefix, key});
    } else {
        faults_[{prefix, key}] = {readError, writeError};
    }
}

bool PreferenceStore::Save(const std::string& path, std::string* error) const {
    const std::filesystem::path target = LinkTarget(path);
    const std::string temporary = target.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << Serialize();
        out.close();
        if (!out) {
            if (error != nullptr)
                *error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    // The file keeps its mode: a read-only file stays read-only.
    std::error_code missing, refused;
    const std::filesystem::file_status kept = std::filesystem::status(target, missing);
    if (!missing && std::filesystem::exists(kept))
        std::filesystem::permissions(temporary, kept.permissions(), refused);
    if (refused || std::rename(temporary.c_str(), target.c_str()) != 0) {
        if (error != nullptr)
            *error = "cannot replace " + target.string();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

PrefLoadOutcome PreferenceStore::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {PrefLoadResult::Missing, std::string()};
    std::ostringstream text;
    text << in.rdbuf();
    std::map<Key, PrefValue> values;
    PrefLoadOutcome outcome = Parse(text.str(), &values);
    if (outcome.result != PrefLoadResult::Loaded)
        return outcome;
    values_ = std::move(values);
    SeedHostKeys();
    return outcome;
}

} // namespace sim
