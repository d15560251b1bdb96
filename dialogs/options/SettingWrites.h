// An OK's writes to the preference store. Each write goes to the store first; the setting in memory takes the
// new value only when the store has accepted it, and after a refused write it is read back from the store, so
// that memory and store never disagree. The OK then tells the user once when any write was refused.
#pragma once

#include <cstdint>

#include "frame/SettingsTable.h"
#include "host/Types.h"

// The alert of an OK whose settings the preference store did not all accept.
#define kSettingsNotSavedAlert \
    "Les nouveaux réglages n'ont pas tous pu être enregistrés dans les préférences : ceux qui ont échoué gardent leur ancienne valeur."

class SettingWrites {
public:
    // Each writes `key` with the type the settings table gives it (a key of another type counts as refused);
    // a number is held to the key's range first.
    void Flag(const char* key, int32_t flag);
    void Integer(const char* key, int32_t value);
    void Real(const char* key, double value);
    void Separator(const char* key, char separator);
    void Text(const char* key, const char* text);

    // Shows the alert once when a write was refused.
    void TellUser() const;

private:
    // The entry of `key` when it has `type`, else null (and the write counts as refused).
    const SettingEntry* Entry(const char* key, SettingType type);
    // After the store's answer: a refused write reads the stored value back into memory.
    bool Accepted(const SettingEntry& entry, ASErr error);

    bool Refused = false;
};
