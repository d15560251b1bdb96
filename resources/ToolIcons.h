// The palette icons of the five tools and their rollover icons.
#pragma once

#include <span>

#include "host/Resources.h"

// Icon resources 1012 to 1016 (the tools in palette order) and 1017 to 1021 (the same, under the pointer).
std::span<const PluginResource> ToolIconResources();
