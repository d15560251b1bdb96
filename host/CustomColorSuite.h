// AI Custom Color: named colours of the document that swatches and art refer to by handle.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// The channels a custom colour is defined in.
enum AICustomColorTag : int16_t {
    kCustomFourColor = 0,   // CMYK, 0..1 each
    kCustomThreeColor = 1,  // RGB, 0..1 each
    kCustomGrayColor = 2    // grey, 0 white .. 1 black
};

struct AICustomColor {
    AICustomColorTag kind = kCustomFourColor;
    union {
        AIFourColorStyle f;
        AIThreeColorStyle rgb;
        AIGrayColorStyle gray;
    } c;
    AICustomColor() : c{AIFourColorStyle()} {}
};

// Every operation answers kBadParameterErr for a null argument, kStaleHandleErr for a handle the host no
// longer knows, and leaves the outputs untouched on failure. Names are unique among the custom colours.
struct AICustomColorSuite {
    ASErr (*NewCustomColor)(const AICustomColor* color, const char* name, AICustomColorHandle* customColor);
    ASErr (*DeleteCustomColor)(AICustomColorHandle customColor);
    ASErr (*GetCustomColor)(AICustomColorHandle customColor, AICustomColor* color);
    ASErr (*SetCustomColor)(AICustomColorHandle customColor, const AICustomColor* color);
    // Copies at most bufferSize - 1 bytes of the name and always terminates the buffer.
    ASErr (*GetCustomColorName)(AICustomColorHandle customColor, char* buffer, size_t bufferSize);
    // Fails with kBadParameterErr when another custom colour already has the name.
    ASErr (*SetCustomColorName)(AICustomColorHandle customColor, const char* name);
    ASErr (*CountCustomColors)(int32_t* count);
    ASErr (*GetNthCustomColor)(int32_t n, AICustomColorHandle* customColor);
    // kNameNotFoundErr when no custom colour has the name.
    ASErr (*GetCustomColorByName)(const char* name, AICustomColorHandle* customColor);
    AIBoolean (*ValidCustomColor)(AICustomColorHandle customColor);
};
