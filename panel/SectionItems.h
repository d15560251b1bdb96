// The builders of the tool option sections: each makes its items at fixed places and sets the live values
// they show.
#pragma once

#include "host/ADMTypes.h"

void MakeMultiArcItems(ADMDialogRef dialog);
// Ends by making the Bézier mode buttons (MakeSharePathItems).
void MakeLengthItems(ADMDialogRef dialog);
void MakeSharePathItems(ADMDialogRef dialog);
void MakeCircleDimensionItems(ADMDialogRef dialog);
// Makes the multiple-arc group right after the angle-format popup.
void MakeAngleDimensionItems(ADMDialogRef dialog);
void MakeProjectionItems(ADMDialogRef dialog);
void MakeTextOffsetItems(ADMDialogRef dialog);
// Made on the panel's dialog whatever dialog it is given.
void MakeReadoutItems(ADMDialogRef dialog);
void MakeArrowShapeItems(ADMDialogRef dialog);
