// What the option dialogs change on the docked panel. The panel may not exist (before the host has started,
// after shut-down): then each of these does nothing.
#pragma once

#include <cstdint>

// The panel's items that the option dialogs redraw or fill.
constexpr int32_t kPanelDecimalsGauge = 18;        // shows the decimal separator
constexpr int32_t kPanelFontPopup = 21;
constexpr int32_t kPanelTextColourButton = 23;
constexpr int32_t kPanelFreeTextPopup = 40;        // entries 0..4 carry the five preferred free texts
constexpr int32_t kPanelStrokeColourButton = 80;

void InvalidatePanelItem(int32_t itemID);
// The label font follows the stored font name and font step again, and the panel's font popup shows it.
void ReselectPanelFont();
// Entry `entryID` of the panel's free-text popup shows `text`.
void RenamePanelFreeText(int32_t entryID, const char* text);
