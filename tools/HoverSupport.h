// What the hover tests share: tags, the view's zoom.
#pragma once

#include "host/Types.h"

// True when the art carries one of the three kind markers, asked in the given order.
bool HasKindMarker(AIArtHandle art, const char* const (&order)[3]);
// Reads the zoom of document view 0 and sets it again unchanged; 0 when the view cannot be read.
AIReal TouchViewZoom(ASErr* error);
