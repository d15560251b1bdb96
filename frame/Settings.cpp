#include "frame/Settings.h"

#include <cfloat>
#include <cmath>
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

void SetSettingName(char* target, size_t size, const char* text) {
    if (target == nullptr || size == 0) return;
    const char* source = SettingString(text);
    const size_t length = CutLength(source, size - 1);
    std::memmove(target, source, length);
    target[length] = '\0';
}

size_t CutLength(const char* text, size_t limit) {
    const char* source = SettingString(text);
    size_t length = 0;
    while (length < limit && source[length] != '\0') ++length;
    if (source[length] == '\0') return length;
    // Step back over continuation bytes so that no character is split.
    while (length > 0 && (static_cast<unsigned char>(source[length]) & 0xC0) == 0x80) --length;
    return length;
}

float SettingAsFloat(double value) {
    if (std::isnan(value)) return 0.0f;
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

float SettingAsLength(double value) { return value > 0.0 ? SettingAsFloat(value) : 0.0f; }

void UpdateScaleRatio(double numerator, double denominator) {
    const double ratio =
        static_cast<double>(SettingAsFloat(numerator)) / static_cast<double>(SettingAsFloat(denominator));
    if (std::isfinite(ratio) && ratio > 0.0) gSettings.ScaleRatio = ratio;
}

void ClearSettings() {
    std::free(gSettings.Prefix);
    std::free(gSettings.Suffix);
    for (char*& text : gSettings.FreeTexts) std::free(text);
    gSettings = Settings();
}
