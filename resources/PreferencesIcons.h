// The pictures of the preferences dialog.
#pragma once

#include <cstdint>
#include <span>

#include "host/Resources.h"

std::span<const PluginResource> PreferencesPictureResources();
