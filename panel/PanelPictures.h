// Drawing the plug-in's icons into the panel's items.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// Loads icon `iconID` of the plug-in that owns the item's dialog and draws it with its top-left corner at (h, v)
// of the item, or centred in `rect`; the icon is released after drawing.
void DrawPanelIcon(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, int32_t h, int32_t v);
void DrawPanelIconCentred(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, const ADMRect& rect);
