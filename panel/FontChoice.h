// The label font chosen by name in the host's font list.
#pragma once

#include <cstdint>

// The index in the host's font list of the last font whose whole name begins the wanted name, plus the stored
// font step, held to the list; 0 when no font matches or the host lists none.
int32_t FontIndexForName(const char* wantedName);
