// SP Plug-ins: facts about a loaded plug-in.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct SPPluginsSuite {
    // The name from the plug-in's property list.
    ASErr (*GetPluginName)(SPPluginRef plugin, const char** name);
};
