#include "dialogs/options/SettingWrites.h"

#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"

const SettingEntry* SettingWrites::Entry(const char* key, SettingType type) {
    const SettingEntry* entry = FindSetting(key);
    if (entry != nullptr && entry->Type == type) return entry;
    Refused = true;
    return nullptr;
}

bool SettingWrites::Accepted(const SettingEntry& entry, ASErr error) {
    if (error == kNoErr) return true;
    Refused = true;
    ReadStoredSetting(entry);
    return false;
}

void SettingWrites::Flag(const char* key, int32_t flag) {
    const int32_t value = flag != 0 ? 1 : 0;
    if (const SettingEntry* entry = Entry(key, SettingType::Boolean)) {
        if (Accepted(*entry, WriteBooleanPreference(key, value))) *static_cast<int32_t*>(entry->Address) = value;
    }
}

void SettingWrites::Integer(const char* key, int32_t typed) {
    const int32_t value = HeldToSetting(key, typed);
    if (const SettingEntry* entry = Entry(key, SettingType::Integer)) {
        if (Accepted(*entry, WriteIntegerPreference(key, value))) *static_cast<int32_t*>(entry->Address) = value;
    }
}

void SettingWrites::Real(const char* key, double typed) {
    const double value = HeldToSetting(key, typed);
    if (const SettingEntry* entry = Entry(key, SettingType::Real)) {
        if (Accepted(*entry, WriteRealPreference(key, value))) *static_cast<double*>(entry->Address) = value;
    }
}

void SettingWrites::Separator(const char* key, char separator) {
    const bool comma = separator == ',';
    if (const SettingEntry* entry = Entry(key, SettingType::Separator)) {
        if (Accepted(*entry, WriteBooleanPreference(key, comma ? 1 : 0)))
            *static_cast<char*>(entry->Address) = comma ? ',' : '.';
    }
}

void SettingWrites::Text(const char* key, const char* text) {
    const SettingEntry* entry = Entry(key, SettingType::String);
    if (entry == nullptr || !Accepted(*entry, WriteStringPreference(key, text))) return;
    // A copy that cannot be allocated leaves the old text in memory while the store has the new one: read it
    // back so that both agree.
    if (!SetSettingString(*static_cast<char**>(entry->Address), text)) Accepted(*entry, kOutOfMemoryErr);
}

void SettingWrites::TellUser() const {
    if (Refused && sADMBasic != nullptr) sADMBasic->MessageAlert(kSettingsNotSavedAlert);
}
