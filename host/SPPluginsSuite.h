// SP Plug-ins: facts about a loaded plug-in.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct SPPluginsSuite {
    // The name from the plug-in's property list.
    ASErr (*GetPluginName)(SPPluginRef plugin, const char** name);
    // The full path of the plug-in's module file, as the host loaded it.
    ASErr (*GetPluginFilePath)(SPPluginRef plugin, const char** path);
};
