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

namespace {

// The characters that Windows-1252 puts at 0x80..0x9F; 0 where the code page assigns none.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool IsUtf8(std::string_view text, bool cutAtEnd) {
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The length of the character, the least code point that length may carry, the lead's bits.
        struct Form {
            size_t Length;
            char32_t Lowest;
            char32_t Bits;
        };
        Form form{};
        if (lead >= 0xC2 && lead <= 0xDF) {
            form = {2, 0x80, lead & 0x1Fu};
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            form = {3, 0x800, lead & 0x0Fu};
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            form = {4, 0x10000, lead & 0x07u};
        } else {
            return false;
        }
        const size_t length = form.Length;
        const char32_t lowest = form.Lowest;
        char32_t c = form.Bits;
        size_t k = 1;
        for (; k < length && at + k < text.size(); ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
            // Overlong forms, surrogates and code points past U+10FFFF show in the first two bytes.
            if (k == 1) {
                const char32_t high = c << (6 * (length - 2));
                if (high < lowest || (high >= 0xD800 && high <= 0xDFFF) || high > 0x10FFFF) return false;
            }
        }
        if (k < length) return cutAtEnd;
        at += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        char32_t c = b;
        if (b >= 0x80 && b <= 0x9F && kWindows1252High[b - 0x80] != 0) c = kWindows1252High[b - 0x80];
        AppendUtf8(out, c);
    }
    return out;
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

bool DrawsAsCustomScale(double numerator, double denominator) {
    const double custom = gSettings.CustomScaleNumerator / gSettings.CustomScaleDenominator;
    const double ratio = numerator / denominator;
    if (!std::isfinite(custom) || !(custom > 0.0) || !std::isfinite(ratio)) return false;
    return std::fabs(ratio - custom) <= custom * FLT_EPSILON;
}

void ClearSettings() {
    std::free(gSettings.Prefix);
    std::free(gSettings.Suffix);
    for (char*& text : gSettings.FreeTexts) std::free(text);
    gSettings = Settings();
}
