// The scale popup's entries, the choice of the entry of the live scale, and the scale marker.
#pragma once

#include "host/ADMTypes.h"

// Fills the scale popup: the fixed scales, "Autre échelle…" and the custom scale; the live scale is taken from
// the stored one between the two last entries, as the panel's set-up does.
void FillScaleEntries(ADMItemRef popup);
// The text of the custom entry: the stored custom numerator and denominator written with "%g", or "…/…" when
// either is 0 (the entry is then disabled).
void SetCustomScaleEntry(ADMItemRef popup);
// Ticks and selects the entry whose scale equals the live one exactly, the fixed scales first; any other scale
// ticks the custom entry.
void SelectPanelScaleEntry(ADMItemRef popup);
// Shows the scale marker (item 14) exactly when the scale ratio is not 1, with its tip.
void ShowScaleMarker();
