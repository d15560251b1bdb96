// The docked panel's items that the option dialogs redraw or fill. The panel may not exist (before the host
// has started, after shut-down): then each of these does nothing.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

constexpr int32_t kPanelDecimalsGauge = 18;        // shows the decimal separator
constexpr int32_t kPanelFontPopup = 21;
constexpr int32_t kPanelTextColourButton = 23;
constexpr int32_t kPanelFreeTextPopup = 40;        // entries 0..4 carry the five preferred free texts
constexpr int32_t kPanelStrokeColourButton = 80;

// The panel's item `itemID`, or null when there is no panel.
ADMItemRef PanelItem(int32_t itemID);
void InvalidatePanelItem(int32_t itemID);
// The panel's font popup selects its entry again by the stored font name and the stored font step.
void ReselectPanelFont();
// Entry `entryID` of the panel's free-text popup shows `text`.
void RenamePanelFreeText(int32_t entryID, const char* text);
