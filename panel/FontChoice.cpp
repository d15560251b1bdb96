#include "panel/FontChoice.h"

#include <cstring>

#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/FontSuite.h"

namespace {

constexpr size_t kFontNameSize = 1024;

// True when `wanted` begins with the whole of `fontName`, compared character by character.
bool BeginsWithFontName(const char* wanted, const char* fontName) {
    const size_t length = std::strlen(fontName);
    return length > 0 && std::strncmp(wanted, fontName, length) == 0;
}

}  // namespace

int32_t FontIndexForName(const char* wantedName) {
    int32_t count = 0;
    if (sAIFont == nullptr || wantedName == nullptr || sAIFont->CountFonts(&count) != kNoErr || count <= 0) {
        return 0;
    }
    int32_t found = -1;
    for (int32_t i = 0; i < count; ++i) {
        AIFontKey font = nullptr;
        char name[kFontNameSize] = {};
        if (sAIFont->IndexFontList(i, &font) != kNoErr || sAIFont->GetFontName(font, name, sizeof name) != kNoErr) {
            break;
        }
        if (BeginsWithFontName(wantedName, name)) found = i;
    }
    if (found < 0) return 0;
    const int64_t stepped = static_cast<int64_t>(found) + gSettings.FontStep;
    return static_cast<int32_t>(stepped < 0 ? 0 : (stepped >= count ? count - 1 : stepped));
}
