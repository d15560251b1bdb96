// AI URL: opens a web page in the user's browser.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct AIURLSuite {
    AIBoolean (*IsBrowserAvailable)();
    // Opens `url`; a null or empty address, or no browser, answers an error and opens nothing.
    ASErr (*OpenURL)(const char* url);
};
