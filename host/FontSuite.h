// AI Font: the host's list of fonts and their names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/ATESuites.h"
#include "host/Suites.h"
#include "host/Types.h"

// Font keys stay valid for the whole session. Names are copied as at most size - 1 bytes, never splitting a
// character, and terminated; a null buffer or a size of 0 answers kBadParameterErr.
struct AIFontSuite {
    ASErr (*CountFonts)(int32_t* count);
    // The key of font `index` of the list (0-based); kIndexOutOfRangeErr outside the list.
    ASErr (*IndexFontList)(int32_t index, AIFontKey* font);
    // The name a user picks the font by ("Arial Black").
    ASErr (*GetFontName)(AIFontKey font, char* buffer, size_t size);
    // The family and style ("Arial Black Regular").
    ASErr (*GetFullFontName)(AIFontKey font, char* buffer, size_t size);
    // The font whose name equals `name` exactly; kNameNotFoundErr when none does.
    ASErr (*FindFont)(const char* name, AIFontKey* font);
    // The text engine's font of a key; the caller releases it (ATE Font Suite).
    ASErr (*FontFromFontKey)(AIFontKey font, FontRef* ateFont);
    ASErr (*FontKeyFromFont)(FontRef ateFont, AIFontKey* font);
};
