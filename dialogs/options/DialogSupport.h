// What the option dialogs share: items built from tables, items found by id, notifier and tracker tests, item
// values, the dialog's window and its first position, and the drawing calls the pictures use.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"
#include "host/Types.h"
#include "panel/PanelEditing.h"     // ItemFloat, ItemInt, ItemText
#include "panel/PanelProcedures.h"  // IsUserChange and the do-nothing procedures

// An item's font when the table gives none: the host's default.
constexpr int32_t kDefaultItemFont = -1;
// Host fonts the dialogs name.
constexpr int32_t kDialogFont = 13;
constexpr int32_t kSmallFont = 2;
constexpr int32_t kPlainFont = 1;
constexpr int32_t kBoldFont = 5;
// The tracker mask of the pictures that step a value while dragged.
constexpr int32_t kStepTrackerMask = 0x20046;

// One item of a dialog built in code, as its init procedure creates it.
struct DialogItemSpec {
    int32_t Id = 0;
    const char* Type = nullptr;
    ADMRect Bounds{};
    const char* Text = nullptr;           // the item's text, or null
    const char* Tip = nullptr;            // the item's tip, or null
    ADMItemNotifyProc Notify = nullptr;   // null: the host's own handling
    ADMItemDrawProc Draw = nullptr;       // null: the host's own drawing
    ADMItemTrackProc Track = nullptr;     // null: the host's own tracking
    int32_t Mask = kStepTrackerMask;      // the tracker's action mask, when Track is set
    int32_t Font = kDefaultItemFont;
};

// Creates the item that `desc` describes; null when the host refuses.
ADMItemRef MakeItem(ADMDialogRef dialog, const DialogItemSpec& desc);

// Items and dialogs.
ADMItemRef DialogItem(ADMDialogRef dialog, int32_t itemID);
ADMDialogRef ItemDialog(ADMItemRef item);
int32_t ItemID(ADMItemRef item);
// The item `itemID` of the dialog that holds `item`.
ADMItemRef SiblingItem(ADMItemRef item, int32_t itemID);

// Notifications.
bool IsNotifierType(ADMNotifierRef notifier, const char* type);

// Item values and looks; each does nothing for an item the dialog does not have.
void SetItemFloat(ADMDialogRef dialog, int32_t itemID, double value);
void SetItemInt(ADMDialogRef dialog, int32_t itemID, int32_t value);
void SetItemBoolean(ADMDialogRef dialog, int32_t itemID, bool on);
void SetItemText(ADMDialogRef dialog, int32_t itemID, const char* text);
void SetItemTip(ADMDialogRef dialog, int32_t itemID, const char* tip);
void EnableItem(ADMDialogRef dialog, int32_t itemID, bool enable);
void ShowItem(ADMDialogRef dialog, int32_t itemID, bool show);
void ActivateItem(ADMDialogRef dialog, int32_t itemID);
void InvalidateItem(ADMDialogRef dialog, int32_t itemID);
void InvalidateDialog(ADMDialogRef dialog);
// The id of the chosen entry of a list item, or -1.
int32_t ChosenEntryID(ADMItemRef item);

// The dialog's window on the screen.
ADMRect DialogBounds(ADMDialogRef dialog);
void PlaceDialog(ADMDialogRef dialog, const ADMRect& bounds);
// Completes a remembered rectangle for a dialog of `width` by `height`: a rectangle never set (all zero) first
// takes the usual first position on the main screen (centred across, a third of the free height down), then
// right and bottom follow from left and top.
void SizeRememberedBounds(ADMRect& remembered, int32_t width, int32_t height);

// Trackers.
ADMPoint TrackedPoint(ADMTrackerRef tracker);
// The button went down in the item and is still held: the press and every move with the button down.
bool MouseCaptured(ADMTrackerRef tracker);
// The Control key (Command on a Mac) is held.
bool ControlHeld(ADMTrackerRef tracker);
// The host's own tracking of the event; answers whether the event ends in a notification.
ADMBoolean DefaultTracking(ADMItemRef item, ADMTrackerRef tracker);
// Shows one of the plug-in's cursors.
void ShowCursor(ADMItemRef item, int32_t cursorID);
// The direction product of a stepping drag: (previous - current) x current, which cannot overflow.
int64_t DragProduct(int32_t previous, int32_t current);

// Drawing.
// A length or coordinate in whole pixels, truncated toward zero; NaN gives 0 and values beyond a screen are
// held to +-1,000,000 so that no conversion overflows.
int32_t WholePixels(double value);
void DrawLine(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2);
void FillRect(ADMDrawerRef drawer, const ADMRect& rect);
void ClearRect(ADMDrawerRef drawer, const ADMRect& rect);
void DrawTextAt(ADMDrawerRef drawer, const char* text, int32_t h, int32_t v);
void SetPen(ADMDrawerRef drawer, const ADMRGBColor& colour);
void SetPen(ADMDrawerRef drawer, ADMColor colour);
void SetDrawFont(ADMDrawerRef drawer, int32_t font);
// Draws the plug-in's icon resource `iconID` at h, v.
void DrawIconResource(ADMDrawerRef drawer, ADMItemRef item, int32_t iconID, int32_t h, int32_t v);
// A 16-bit screen channel from a value that may lie outside 0..65535 (NaN gives 0).
uint16_t ScreenChannel(double value);
