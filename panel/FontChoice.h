// The label font chosen by name in the host's font list.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// The index in the host's font list of the last font whose whole name begins the wanted name, plus the stored
// font step, held to the list; 0 when no font matches or the host lists none.
int32_t FontIndexForName(const char* wantedName);

// Fills the popup's empty list with the host's fonts (text: the font's name, id: its index; a list that already
// holds entries is not filled again), selects the entry at FontIndexForName and answers that index.
int32_t SelectFontByName(ADMItemRef item, const char* wantedName);
