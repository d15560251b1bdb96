// The pictures, icons and cursors of the point editors (the arrow-head editor and the Bézier creation dialog).
#pragma once

#include <span>

#include "host/Resources.h"

std::span<const PluginResource> EditorResources();
