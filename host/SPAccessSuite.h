// SP Access: keeps a plug-in loaded and reaches its resources.
#pragma once

#include "host/Resources.h"
#include "host/Suites.h"

struct SPAccessSuite {
    // Locks the plug-in in memory until the matching release.
    ASErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    ASErr (*ReleasePlugin)(SPAccessRef access);
    // Finds one of the plug-in's resources by type and id.
    ASErr (*GetPluginResource)(SPPluginRef plugin, uint32_t type, int32_t id, const PluginResource** resource);
};
