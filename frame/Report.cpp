#include "frame/Report.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "frame/SuiteTable.h"
#include "resources/ResourceIds.h"

ReportState gReportState;

namespace {

constexpr size_t kErrorTextLength = 256;

constexpr ASErr kSilentCodes[] = {
    kNoErr,
    FourCharCode("FMT?"),
    FourCharCode("RFSE"),
    FourCharCode("AFTR"),
    FourCharCode("VALD"),
    FourCharCode("MOOT"),
    FourCharCode("TRSH"),
    FourCharCode("CHEK"),
    FourCharCode("CHIT"),
    FourCharCode("TLTK"),
    FourCharCode("pFls"),
    FourCharCode("S!Fd"),
    FourCharCode("!Acq"),
    FourCharCode("dsRP"),
    FourCharCode("skpE"),
    FourCharCode("DONE"),
    FourCharCode("STOP"),
    361,
};

// The text used when the string list cannot be read at all.
constexpr const char* kFallbackText = "Erreur %s.";

bool IsPrintable(uint8_t c) { return c >= 0x20 && c < 0x7f; }

// Copies `text` with its first "%s" replaced by `code`, cut to fit.
void SubstituteCode(std::string_view text, const char* code, char* buffer, size_t size) {
    const size_t at = text.find("%s");
    if (at == std::string_view::npos) {
        std::snprintf(buffer, size, "%.*s", static_cast<int>(text.size()), text.data());
        return;
    }
    const std::string_view rest = text.substr(at + 2);
    std::snprintf(buffer, size, "%.*s%s%.*s", static_cast<int>(at), text.data(), code,
                  static_cast<int>(rest.size()), rest.data());
}

// Reads entry `index` of the frame's string list; false past its end.
bool ReadEntry(SPPluginRef plugin, int32_t index, char* buffer, size_t size) {
    return sADMBasic->GetIndexString(plugin, kFrameErrorStringsID, index, buffer, static_cast<int32_t>(size)) ==
           kNoErr;
}

}  // namespace

int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool IsSilentCode(ASErr code) {
    for (ASErr silent : kSilentCodes)
        if (code == silent) return true;
    return false;
}

void FormatErrorCode(ASErr code, char* buffer, size_t size) {
    const auto bits = static_cast<uint32_t>(code);
    const uint8_t chars[4] = {static_cast<uint8_t>(bits >> 24), static_cast<uint8_t>(bits >> 16),
                              static_cast<uint8_t>(bits >> 8), static_cast<uint8_t>(bits)};
    if (IsPrintable(chars[0]) && IsPrintable(chars[1]) && IsPrintable(chars[2]) && IsPrintable(chars[3]))
        std::snprintf(buffer, size, "%c%c%c%c", chars[0], chars[1], chars[2], chars[3]);
    else
        std::snprintf(buffer, size, "%d", static_cast<int>(code));
}

void FindErrorText(SPPluginRef plugin, ASErr code, char* buffer, size_t size) {
    char codeText[16];
    FormatErrorCode(code, codeText, sizeof codeText);
    char entry[kErrorTextLength];
    const size_t codeLength = std::strlen(codeText);
    for (int32_t index = kFirstCodedErrorString; ReadEntry(plugin, index, entry, sizeof entry); ++index) {
        const std::string_view line(entry);
        if (line.size() > codeLength && line.compare(0, codeLength, codeText) == 0 &&
            line[codeLength] == kErrorStringSeparator) {
            std::snprintf(buffer, size, "%s", entry + codeLength + 1);
            return;
        }
    }
    const bool hasGeneric = ReadEntry(plugin, kGenericErrorString, entry, sizeof entry);
    SubstituteCode(hasGeneric ? entry : kFallbackText, codeText, buffer, size);
}

void ReportError(SPPluginRef plugin, ASErr code) {
    if (IsSilentCode(code) || sADMBasic == nullptr) return;
    const int64_t now = gReportState.Clock != nullptr ? gReportState.Clock() : 0;
    if (code == gReportState.LastCode && now - gReportState.LastShownAt < kReportRepeatWindow) return;
    char text[kErrorTextLength];
    FindErrorText(plugin, code, text, sizeof text);
    sADMBasic->ErrorAlert(text);
    gReportState.LastCode = code;
    gReportState.LastShownAt = now;
}
