// ADM Basic: alerts and the about box are recorded (never blocking), strings come from the plug-in's string
// lists, cursors are recorded, the screen is the platform's, and a plain beep is recorded as 0 Hz for 0 ms.
#include <cmath>
#include <string>

#include "simhost/ADMUnits.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

ASErr RecordAlert(const char* kind, const char* text) {
    if (text == nullptr)
        return kBadParameterErr;
    TheLogs().alerts.push_back({kind, text});
    return kNoErr;
}

ASErr MessageAlert(const char* text) {
    return RecordAlert("message", text);
}
ASErr ErrorAlert(const char* text) {
    return RecordAlert("error", text);
}

// The about box shows its first text, then its second on a line of its own when there is one.
ASErr AboutBox(SPPluginRef plugin, const char* text1, const char* text2) {
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    std::string text = text1 != nullptr ? text1 : "";
    if (text2 != nullptr && *text2 != '\0')
        text += std::string("\n") + text2;
    TheLogs().alerts.push_back({"about", text});
    return kNoErr;
}

ASErr GetIndexString(SPPluginRef plugin, int32_t stringID, int32_t index, char* text, int32_t maxLen) {
    if (text == nullptr || maxLen <= 0)
        return kBadParameterErr;
    text[0] = '\0';
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    const PluginResource* list = ThePlugin().FindResource(kStringListResourceType, stringID);
    if (list == nullptr || list->data == nullptr)
        return kNameNotFoundErr;
    if (index < 1 || static_cast<size_t>(index) > list->count)
        return kIndexOutOfRangeErr;
    const auto* strings = static_cast<const char* const*>(list->data);
    CopyBounded(strings[index - 1], text, static_cast<size_t>(maxLen));
    return kNoErr;
}

ASErr SetPlatformCursor(SPPluginRef plugin, int32_t cursorID) {
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    if (ThePlugin().FindResource(kCursorResourceType, cursorID) == nullptr)
        return kNameNotFoundErr;
    TheLogs().cursors.push_back(cursorID);
    return kNoErr;
}

ASErr GetScreenDimensions(AIRect* dimensions) {
    if (dimensions == nullptr)
        return kBadParameterErr;
    *dimensions = ThePlatform().Screen();
    return kNoErr;
}

ASErr ValueToString(float value, char* text, int32_t maxLen, int32_t units, int32_t precision,
                    ADMBoolean alwaysAppendUnit) {
    if (text == nullptr || maxLen <= 0)
        return kBadParameterErr;
    text[0] = '\0';
    if (!std::isfinite(value))
        return kBadParameterErr;
    const std::string written =
        FittedUnitText(value, units, precision, alwaysAppendUnit != 0, static_cast<size_t>(maxLen - 1));
    CopyBounded(written.c_str(), text, static_cast<size_t>(maxLen));
    return kNoErr;
}

ASErr StringToValue(const char* text, float* value, int32_t units) {
    if (text == nullptr || value == nullptr)
        return kBadParameterErr;
    float read = 0.0f;
    if (!ReadUnitText(text, units, read))
        return kBadParameterErr;
    *value = read;
    return kNoErr;
}

ASErr SystemBeep() {
    TheLogs().beeps.push_back({0, 0});
    return kNoErr;
}

} // namespace

const ADMBasicSuite& ADMBasicSuiteTable() {
    static const ADMBasicSuite suite{MessageAlert,      ErrorAlert,          AboutBox,  GetIndexString,
                                     SetPlatformCursor, GetScreenDimensions, SystemBeep, ValueToString,
                                     StringToValue};
    return suite;
}

} // namespace sim
