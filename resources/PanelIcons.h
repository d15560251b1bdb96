// The panel's icons and pictures, by resource id.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Resources.h"

struct PanelIcon {
    int32_t Id;
    PixelImage Image;
};

extern const PanelIcon kPanelIcons[];
extern const size_t kPanelIconCount;
