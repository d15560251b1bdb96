// The plug-in's resources, compiled into the module and handed to the host through `PluginResources`.
#pragma once

#include "host/Export.h"
#include "host/Resources.h"

extern "C" TAVORINE_PLUGIN_EXPORT const PluginResourceTable* PluginResources();
