// ADM Basic: alerts, the about box, cursors, strings of the plug-in's string lists and the screen.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"
#include "host/Types.h"

struct ADMBasicSuite {
    ASErr (*MessageAlert)(const char* text);
    ASErr (*ErrorAlert)(const char* text);
    // The host's standard about box for a plug-in.
    ASErr (*AboutBox)(SPPluginRef plugin, const char* text1, const char* text2);
    // Entry `index` (1-based) of the string list resource `stringID`, at most maxLen - 1 characters.
    ASErr (*GetIndexString)(SPPluginRef plugin, int32_t stringID, int32_t index, char* text, int32_t maxLen);
    // Sets the cursor to the plug-in's cursor resource `cursorID`.
    ASErr (*SetPlatformCursor)(SPPluginRef plugin, int32_t cursorID);
    // The rectangle of the main screen, in pixels.
    ASErr (*GetScreenDimensions)(AIRect* dimensions);
    ASErr (*Beep)();
    // The dialog manager's text of a number in `units` (a length given in points), with `precision` decimals and
    // the unit's suffix when `alwaysAppendUnit`, in at most maxLen - 1 bytes.
    ASErr (*ValueToString)(float value, char* text, int32_t maxLen, int32_t units, int32_t precision,
                           ADMBoolean alwaysAppendUnit);
    // Reads a number typed in `units`; a length comes back in points. Unreadable text answers kBadParameterErr
    // and leaves the value.
    ASErr (*StringToValue)(const char* text, float* value, int32_t units);
};
