// The panel's items as data: one row per item, made in table order on the panel's dialog.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/SettingsTable.h"
#include "host/ADMTypes.h"
#include "host/SPBasic.h"

// One panel item: its id, type name, rectangle (left, top, right, bottom in panel pixels), tip, procedures,
// whether it takes the panel's text font, and the set-up of its font, units, range, steps, value and entries.
struct PanelItemSpec {
    int32_t Id;
    const char* Type;
    ADMRect Bounds;
    const char* Tip;            // null: no tip
    ADMItemDrawProc Draw;       // null: the dialog manager draws it
    ADMItemNotifyProc Notify;   // null: the dialog manager's own reaction
    ADMItemTrackProc Track;     // null: the dialog manager's own tracking
    bool TextFont;              // takes the panel's font 13
    void (*SetUp)(ADMItemRef item);  // null: nothing more
};

// Makes one item on the dialog: creates it, then its font, set-up, procedures and tip, in that order.
ADMItemRef MakePanelItem(ADMDialogRef dialog, const PanelItemSpec& desc);
// Hands the item's notifications to its description's notifier through the road every panel change takes, which
// puts the current dimension's definition in force around it: the items made from the tables, and the flyout menu.
void RoutePanelNotify(ADMItemRef item, const PanelItemSpec& desc);
// The range of a numeric panel field (in the field's own values: points, percent, degrees, counts); false for
// an item that edits no number.
bool PanelFieldRangeOf(int32_t itemID, RealRange& range);
// Narrows a numeric panel field's minimum and maximum to its range (nothing for other items).
void BoundPanelField(ADMItemRef item, int32_t itemID);
// A field's number held to its range, as a notifier puts it in force; `fallback` stands for an unreadable one.
double HeldPanelValue(ADMItemRef item, double fallback);
int32_t HeldPanelInt(ADMItemRef item, int32_t fallback);
// A whole-number field committed by the user: its number held and rounded as above, then shown in the field
// in place of what was typed.
int32_t TakePanelInt(ADMItemRef item, int32_t fallback);

// Makes every row of a table in order.
void MakePanelItems(ADMDialogRef dialog, const PanelItemSpec* specs, size_t count);
template <size_t N>
void MakePanelItems(ADMDialogRef dialog, const PanelItemSpec (&specs)[N]) {
    MakePanelItems(dialog, specs, N);
}

// The plug-in that owns the item's dialog, for its icons and cursors; null when the dialog manager does not say.
SPPluginRef PluginOfItem(ADMItemRef item);

// Small set-up steps the tables share.
void SetSteps(ADMItemRef item, float small, float large);
void SetFloatValue(ADMItemRef item, double value);  // the live double narrowed to the dialog manager's float
// Appends an entry with a text and an id to the item's list; a null text makes a separator (no id).
void AppendEntry(ADMItemRef item, const char* text, int32_t entryID);
// An entry that comes and goes at the end of the item's list, at `index`: made there with the id when the list
// ends before it, it reads `text`; a null text removes it.
void SetTrailingEntry(ADMItemRef item, int32_t index, int32_t entryID, const char* text);
// Selects the entry of the item's list with that id; false when there is none.
bool SelectEntryByID(ADMItemRef item, int32_t entryID);
// Leaves the entry with that id unchosen.
void DeselectEntryByID(ADMItemRef item, int32_t entryID);
// Ticks or unticks the entry of the item's list with that id.
void CheckEntryByID(ADMItemRef item, int32_t entryID, bool checked);
void EnableEntryByID(ADMItemRef item, int32_t entryID, bool enabled);
// Shows or hides, enables or disables, the panel's item with that id (no panel or no item: nothing).
// Enables or disables the two items of the shifted text: the side button (95) and its picture (99).
void EnableShiftedTextItems(bool enabled);
void ShowPanelItem(int32_t itemID, bool shown);
void EnablePanelItem(int32_t itemID, bool enabled);
