// The stand-in host's font list and the AI Font Suite over it.
#include <cstring>

#include "simhost/ServicesInternal.h"
#include "simhost/TextInternal.h"

namespace sim {

const std::vector<FontInfo>& FontList() {
    static const std::vector<FontInfo> fonts = {
        {"Arial", "Arial Regular"},
        {"Arial Black", "Arial Black Regular"},
        {"Arial Narrow", "Arial Narrow Regular"},
        {"Courier New", "Courier New Regular"},
        {"Georgia", "Georgia Regular"},
        {"Times New Roman", "Times New Roman Regular"},
        {"Verdana", "Verdana Regular"},
    };
    return fonts;
}

namespace {

// One address per font of the list: its key for the whole session.
constexpr size_t kMaxFonts = 16;
char gFontKeys[kMaxFonts];

AIFontKey KeyOf(size_t index) { return reinterpret_cast<AIFontKey>(&gFontKeys[index]); }

// The index of a key in the font list: kBadParameterErr for null, kStaleHandleErr for a key of no font.
ASErr IndexOfKey(AIFontKey font, size_t* index) {
    if (font == nullptr) return kBadParameterErr;
    const auto* address = reinterpret_cast<const char*>(font);
    if (address < gFontKeys || address >= gFontKeys + FontList().size()) return kStaleHandleErr;
    *index = static_cast<size_t>(address - gFontKeys);
    return kNoErr;
}

ASErr CountFonts(int32_t* count) {
    if (count == nullptr) return kBadParameterErr;
    *count = static_cast<int32_t>(FontList().size());
    return kNoErr;
}

ASErr IndexFontList(int32_t index, AIFontKey* font) {
    if (font == nullptr) return kBadParameterErr;
    if (index < 0 || static_cast<size_t>(index) >= FontList().size()) return kIndexOutOfRangeErr;
    *font = KeyOf(static_cast<size_t>(index));
    return kNoErr;
}

ASErr CopyName(AIFontKey font, char* buffer, size_t size, bool full) {
    size_t index = 0;
    if (buffer == nullptr || size == 0) return kBadParameterErr;
    if (const ASErr error = IndexOfKey(font, &index); error != kNoErr) return error;
    const FontInfo& info = FontList()[index];
    CopyBounded((full ? info.fullName : info.name).c_str(), buffer, size);
    return kNoErr;
}

ASErr GetFontName(AIFontKey font, char* buffer, size_t size) { return CopyName(font, buffer, size, false); }

ASErr GetFullFontName(AIFontKey font, char* buffer, size_t size) {
    return CopyName(font, buffer, size, true);
}

ASErr FindFont(const char* name, AIFontKey* font) {
    if (name == nullptr || font == nullptr) return kBadParameterErr;
    const int32_t index = text::FontIndexOf(name);
    if (index < 0) return kNameNotFoundErr;
    *font = KeyOf(static_cast<size_t>(index));
    return kNoErr;
}

ASErr FontFromFontKey(AIFontKey font, FontRef* ateFont) {
    size_t index = 0;
    if (ateFont == nullptr) return kBadParameterErr;
    if (const ASErr error = IndexOfKey(font, &index); error != kNoErr) return error;
    *ateFont = text::Fonts().Add(static_cast<int32_t>(index));
    return kNoErr;
}

ASErr FontKeyFromFont(FontRef ateFont, AIFontKey* font) {
    int32_t* index = nullptr;
    if (font == nullptr) return kBadParameterErr;
    if (const ASErr error = text::Fonts().Find(ateFont, &index); error != kNoErr) return error;
    *font = KeyOf(static_cast<size_t>(*index));
    return kNoErr;
}

}  // namespace

const AIFontSuite& FontSuiteTable() {
    static_assert(kMaxFonts >= 7, "every font of the list has a key");
    static const AIFontSuite suite = {CountFonts,   IndexFontList,  GetFontName,    GetFullFontName,
                                      FindFont,     FontFromFontKey, FontKeyFromFont};
    return suite;
}

}  // namespace sim
