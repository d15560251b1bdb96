// What the segment, angle and circle creation dialogs share: their item tables, the colour button, the
// picture buttons that focus a field, the orientation popup, the remembered bounds and the modal run.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dialogs/options/DialogSupport.h"
#include "host/ADMTypes.h"
#include "panel/PanelProcedures.h"  // IsUserChange

// One item of a dialog, created in table order.
struct FigureDialogItem {
    int32_t Id;
    const char* Type;     // the host's item type name
    ADMRect Bounds;       // dialog pixels {left, top, right, bottom}
    const char* Label;    // the text of a button or check box, null for none
    const char* Tip;      // null for no tip
    ADMItemNotifyProc Notify;
    ADMItemDrawProc Draw;  // null for the host's own drawing
    ADMItemTrackProc Track;  // null for the host's own tracking
};

// Items every creation dialog has under these ids.
constexpr int32_t kOkItem = 1;
constexpr int32_t kCancelItem = 2;
constexpr int32_t kDefaultItem = 3;
constexpr int32_t kColourButtonItem = 525;

// Size of the three creation dialogs, in pixels.
constexpr int32_t kFigureDialogWidth = 290;
constexpr int32_t kFigureDialogHeight = 220;
// The name the creation dialogs run under.
#define kFigureDialogName "ModèleBidon"

// Installs the openers of the three figure creation dialogs.
void InstallFigureCreationDialogs();

// Runs the creation dialog of `resource` modally with `init`, while `openFlag` is 0.
void RunFigureDialog(int32_t resource, ADMDialogInitProc init, const int32_t& openFlag);

// The init every creation dialog runs: its draw procedure, title and place, then each item of the table in
// order, `copyStored` copying the stored value an item shows into its working copy just before the item is
// made and `show` giving the new item its value; the open flag set last.
void BuildFigureDialog(ADMDialogRef dialog, ADMDialogDrawProc draw, const char* title, const ADMRect& remembered,
                       const FigureDialogItem* items, size_t count, void (*copyStored)(int32_t id),
                       void (*show)(ADMItemRef item, int32_t id), int32_t& openFlag);

// On a user change: `target` takes the number the field shows, or keeps its own while the field still shows it
// (Enter with nothing typed); answers whether the user changed the field.
bool TakeFieldValue(ADMItemRef field, ADMNotifierRef notifier, double& target);
// On a user change: the flag is inverted and the item `redrawn` of the same dialog redrawn.
void ToggleFlag(ADMItemRef item, ADMNotifierRef notifier, int32_t& flag, int32_t redrawn);

// Creates the item of `desc` in the dialog, with its label, tip and procedures.
ADMItemRef CreateFigureDialogItem(ADMDialogRef dialog, const FigureDialogItem& desc);
// The dialog's item with `id`; null when it has none.
ADMItemRef FigureDialogItemOf(ADMDialogRef dialog, int32_t id);
// Shows a number or a flag in the item `id` of the same dialog as `anyItem`, firing no notifier.
void ShowNumberIn(ADMItemRef anyItem, int32_t id, double value);
void ShowFlagIn(ADMItemRef anyItem, int32_t id, int32_t flag);
// Enables or disables the item `id` of the same dialog as `anyItem`.
void EnableItemIn(ADMItemRef anyItem, int32_t id, bool enabled);
// Asks for the item `id` of the same dialog as `anyItem` to be redrawn.
void RedrawItemIn(ADMItemRef anyItem, int32_t id);
// The id of the item.
int32_t ItemId(ADMItemRef item);

// Sets the dialog's title and places it at the remembered top-left corner with the dialogs' size.
void PlaceFigureDialog(ADMDialogRef dialog, const char* title, const ADMRect& remembered);
// Stores the dialog's bounds for its next opening.
void RememberFigureDialogBounds(ADMDialogRef dialog, ADMRect& remembered);
// Stores the bounds of the dialog of `item` for its next opening.
void RememberItemDialogBounds(ADMItemRef item, ADMRect& remembered);

// Disposes the dimension group that the click made for a figure, as DropNewGroup does: a plain click that opened
// a creation dialog draws no figure, so it builds nothing, and the dimension current before it is current again
// for the panel's changes; with none to give back, the group's handles are forgotten.
void DropClickGroup();
// OK's first steps: the host's handling (which ends the modal run once the notifier returns), the remembered
// bounds and the click's empty group dropped.
void EndFigureDialog(ADMItemRef item, ADMNotifierRef notifier, ADMRect& remembered);
// "Annuler": the host's handling, the click's dimension group disposed and its handles forgotten, the open flag
// cleared and the bounds remembered. Nothing is written.
void CancelFigureDialog(ADMItemRef item, ADMNotifierRef notifier, ADMRect& remembered, int32_t& openFlag);

// A number field: its unit, arrow steps and the range user input is clamped to.
struct FieldRange {
    int32_t Units;
    float Small;
    float Large;
    float Minimum;
    float Maximum;
};
// A field with no maximum (or no minimum): the limit the host clamps to is out of reach.
constexpr float kNoLimit = 1.0e30f;
// Gives the field its unit, steps, range, and shows `value`.
void SetUpNumberField(ADMItemRef field, const FieldRange& range, double value);
// The orientation popup of a spin field: -150 to 180 degrees by 30, separators after -30 and after 0.
void FillOrientationPopup(ADMItemRef field);
// The text of an orientation entry: one blank, then the dialog manager's writing of the value with one decimal
// and no unit, in at most 6 characters.
void OrientationEntryText(float degrees, char (&text)[8]);

// Draw procedure of items that draw nothing.
void DrawNothing(ADMItemRef item, ADMDrawerRef drawer);
// Makes the field `id` of the item's dialog the active item (keyboard focus).
void FocusFigureDialogEdit(ADMItemRef item, int32_t id);

// The colour button: opens the colour dialog over the creation dialog, then redraws the whole creation dialog.
void OpenColourDialogNotify(ADMItemRef item, ADMNotifierRef notifier);
// Draws picture 1079 and a swatch of the committed stroke colour.
void ColourButtonSwatchDraw(ADMItemRef item, ADMDrawerRef drawer);
// The swatch's screen colour of the committed stroke colour in its model.
ADMRGBColor StrokeSwatchColour();

// A dialog draw procedure's picture beside the orientation field, after the host's own drawing.
void DrawDialogPicture(ADMDialogRef dialog, ADMDrawerRef drawer, int32_t picture, ADMPoint at);
