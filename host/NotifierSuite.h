// AI Notifier: the host sends "AI Notifier"/"AI Notify" to a plug-in for each notifier it registered.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct AINotifierSuite {
    ASErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
    ASErr (*GetNotifierName)(AINotifierHandle notifier, const char** name);
    ASErr (*GetNotifierType)(AINotifierHandle notifier, const char** type);
    ASErr (*SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
    ASErr (*GetNotifierActive)(AINotifierHandle notifier, AIBoolean* active);
};
