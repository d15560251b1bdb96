// The pictures of the preferences dialog and the cursor of its decimals gauge.
#pragma once

#include <cstdint>
#include <span>

#include "host/Resources.h"

constexpr int32_t kDecimalsGaugeCursorID = 1100;

std::span<const PluginResource> PreferencesPictureResources();
