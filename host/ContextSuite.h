// AI Context: a plug-in pushes the host's context around work done outside a host message.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct AIContextSuite {
    ASErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
    ASErr (*PopAppContext)(AIAppContextHandle context);
};
