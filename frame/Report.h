// The frame's report of an error code to the user: an alert with the code's text from string list 16050.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"

// Milliseconds from any fixed origin.
using MillisecondClock = int64_t (*)();
int64_t SteadyMilliseconds();

// A code reported again within this many milliseconds of its last alert is not shown.
constexpr int64_t kReportRepeatWindow = 5000;

// The last alert shown and the clock that times repeats.
struct ReportState {
    ASErr LastCode = kNoErr;
    int64_t LastShownAt = 0;
    MillisecondClock Clock = SteadyMilliseconds;
};
extern ReportState gReportState;

// Shows the alert for `code` unless the code is one the user never sees or was just shown.
void ReportError(SPPluginRef plugin, ASErr code);

// True for the codes that are never shown: no error, answered requests and the quiet host codes.
bool IsSilentCode(ASErr code);

// The code as its four characters when they are all printable, otherwise as a decimal number.
void FormatErrorCode(ASErr code, char* buffer, size_t size);

// The alert text for `code` from the string list; an unknown code gives the list's generic text.
void FindErrorText(SPPluginRef plugin, ASErr code, char* buffer, size_t size);
