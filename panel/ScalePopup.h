// The scale popup's entries, the choice of the entry of the live scale, and the scale marker.
#pragma once

#include "host/ADMTypes.h"

// Fills the scale popup: the fixed scales, "Autre échelle…" and the custom scale; the live scale is taken from
// the stored one between the two last entries, as the panel's set-up does.
void FillScaleEntries(ADMItemRef popup);
// The text of the custom entry: the scale it stands for (the live scale when no fixed entry reads it, else the
// stored custom scale) written with ScaleText, or "…/…" when either term is 0 (the entry is then disabled).
void SetCustomScaleEntry(ADMItemRef popup);
// No entry of the scale popup stands for the scale.
constexpr int32_t kNoScaleEntry = -1;
// The id of the entry whose scale equals (numerator, denominator) exactly: the fixed scales first, then the
// scale the custom entry stands for; kNoScaleEntry for any other pair.
int32_t ScaleEntryOf(double numerator, double denominator);
// Ticks and selects the entry of the live scale, whatever it is: the popup shows the scale in force.
void SelectPanelScaleEntry(ADMItemRef popup);
// Shows the scale marker (item 14) exactly when the scale ratio is not 1, with its tip.
void ShowScaleMarker();
