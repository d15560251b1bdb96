#include "frame/Settings.h"

#include <cstdlib>
#include <cstring>

Settings gSettings;

bool SetSettingString(char*& target, const char* text) {
    const char* source = SettingString(text);
    const size_t length = std::strlen(source);
    char* copy = static_cast<char*>(std::malloc(length + 1));
    if (copy == nullptr) return false;
    std::memcpy(copy, source, length + 1);
    std::free(target);
    target = copy;
    return true;
}

const char* SettingString(const char* text) { return text != nullptr ? text : ""; }

void SetSettingName(char (&target)[kSettingsNameSize], const char* text) {
    const char* source = SettingString(text);
    size_t length = std::strlen(source);
    if (length > kSettingsNameSize - 1) length = kSettingsNameSize - 1;
    std::memmove(target, source, length);
    target[length] = '\0';
}

void ClearSettings() {
    std::free(gSettings.Prefix);
    std::free(gSettings.Suffix);
    for (char*& text : gSettings.FreeTexts) std::free(text);
    gSettings = Settings();
}
