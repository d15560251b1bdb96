// ADM Notifier: what a notify procedure learns about the notification it receives.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMNotifierSuite {
    ASErr (*GetItem)(ADMNotifierRef notifier, ADMItemRef* item);
    ASErr (*GetDialog)(ADMNotifierRef notifier, ADMDialogRef* dialog);
    ASErr (*IsNotifierType)(ADMNotifierRef notifier, const char* type, ADMBoolean* matches);
    // The type name, at most maxLen - 1 characters.
    ASErr (*GetNotifierType)(ADMNotifierRef notifier, char* type, int32_t maxLen);
    ASErr (*SkipNextClipboardOperation)(ADMNotifierRef notifier, ADMBoolean skip);
};
