// The unit popup, the fractional-precision popup and the units of the panel's length fields.
#pragma once

#include "host/ADMTypes.h"

// Makes the fraction popup (item 42, "1/8" chosen) and the unit popup (item 43 on the live unit, with the
// "Afficher l'unité." switch); sets InchFraction to 8.
void BuildUnitPopups(ADMDialogRef dialog);
// Gives an edit field the dialog manager's unit and arrow steps (in points) of the live unit; units 8, 9 and
// codes outside 0..9 leave the field as it is.
void SetFieldUnits(ADMItemRef item);
