// The scale popup's entries, the choice of the entry of the live scale, and the scale marker.
#pragma once

#include "host/ADMTypes.h"

// Fills the scale popup: the fixed scales, "Autre échelle…" and the custom scale; the live scale is taken from
// the stored one between the two last entries, as the panel's set-up does.
void FillScaleEntries(ADMItemRef popup);
// The text of the custom entry: the stored custom numerator and denominator written with ScaleText, or "…/…" when
// either is 0 (the entry is then disabled).
void SetCustomScaleEntry(ADMItemRef popup);
// No entry of the scale popup stands for the scale.
constexpr int32_t kNoScaleEntry = -1;
// The id of the entry whose scale equals (numerator, denominator) exactly: the fixed scales first, then the
// custom entry for a scale that draws as the stored custom one; kNoScaleEntry for any other pair.
int32_t ScaleEntryOf(double numerator, double denominator);
// Ticks and selects the entry of the live scale, whatever it is: the popup shows the scale in force. A scale that
// neither a fixed entry nor the custom one reads gets an entry of its own after the custom one, for as long as it
// is in force; the custom entry goes on standing for the stored custom scale.
void SelectPanelScaleEntry(ADMItemRef popup);
// Shows the scale marker (item 14) exactly when the scale ratio is not 1, with its tip.
void ShowScaleMarker();
