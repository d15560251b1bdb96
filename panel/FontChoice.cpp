#include "panel/FontChoice.h"

#include <cstring>

#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/FontSuite.h"
#include "panel/PanelItems.h"

namespace {

constexpr size_t kFontNameSize = 1024;

// True when `wanted` begins with the whole of `fontName`, compared character by character.
bool BeginsWithFontName(const char* wanted, const char* fontName) {
    const size_t length = std::strlen(fontName);
    return length > 0 && std::strncmp(wanted, fontName, length) == 0;
}

// Walks the host's fonts in index order until a query fails, handing each name to `visit`; answers the index of
// the last match plus the font step held to the list, or 0.
template <typename Visit>
int32_t WalkFonts(const char* wantedName, Visit visit) {
    int32_t count = 0;
    if (sAIFont == nullptr || sAIFont->CountFonts(&count) != kNoErr || count <= 0) return 0;
    const char* wanted = wantedName != nullptr ? wantedName : "";
    int32_t found = -1;
    for (int32_t i = 0; i < count; ++i) {
        AIFontKey font = nullptr;
        char name[kFontNameSize] = {};
        if (sAIFont->IndexFontList(i, &font) != kNoErr || sAIFont->GetFontName(font, name, sizeof name) != kNoErr) {
            break;
        }
        if (BeginsWithFontName(wanted, name)) found = i;
        visit(i, name);
    }
    if (found < 0) return 0;
    const int64_t stepped = static_cast<int64_t>(found) + gSettings.FontStep;
    return static_cast<int32_t>(stepped < 0 ? 0 : (stepped >= count ? count - 1 : stepped));
}

}  // namespace

int32_t FontIndexForName(const char* wantedName) {
    return WalkFonts(wantedName, [](int32_t, const char*) {});
}

int32_t SelectFontByName(ADMItemRef item, const char* wantedName) {
    ADMListRef list = nullptr;
    int32_t entries = 0;
    if (item == nullptr || sADMItem->GetList(item, &list) != kNoErr) return FontIndexForName(wantedName);
    sADMList->NumberOfEntries(list, &entries);
    const bool filled = entries > 0;
    const int32_t index = WalkFonts(wantedName, [&](int32_t i, const char* name) {
        if (!filled) AppendEntry(item, name, i);
    });
    ADMEntryRef entry = nullptr;
    if (sADMList->IndexEntry(list, index, &entry) == kNoErr) {
        sADMEntry->Select(entry, 1);
        char name[kFontNameSize] = {};
        if (sADMEntry->GetText(entry, name, sizeof name) == kNoErr) sADMItem->SetText(item, name);
    }
    return index;
}
