// What the two point-editor dialogs share to build themselves: an item table as data, and the plug-in for
// which they run.
#pragma once

#include <cstdint>
#include <span>

#include "host/ADMTypes.h"

// One item of a dialog: id, host type, rectangle, tip and procedures (null where the item has none).
struct EditorItemSpec {
    int32_t ID;
    const char* Type;
    ADMRect Bounds;
    const char* Tip;
    ADMItemDrawProc Draw;
    ADMItemNotifyProc Notify;
    ADMItemTrackProc Track;
};

// Creates one item of the table; null when the host refuses it.
ADMItemRef CreateEditorItem(ADMDialogRef dialog, const EditorItemSpec& desc);

// Installs the openers of the arrow-head editor and of the Bézier creation dialog.
void InstallPointEditorOpeners();

// Runs the editor `name` of `resource` modally with `init` for the plug-in, unless `openFlag` says it is open.
void RunPointEditorDialog(const char* name, int32_t resource, ADMDialogInitProc init, const int32_t& openFlag);
// Places the editor: its title, its draw procedure and its bounds, the remembered left and top with the given
// size (kept as the remembered bounds).
void PlacePointEditorDialog(ADMDialogRef dialog, const char* title, ADMDialogDrawProc draw, ADMRect& remembered,
                            int32_t width, int32_t height);

// The dialog's rectangle placed at the remembered left and top with the given size.
ADMRect PlacedBounds(const ADMRect& remembered, int32_t width, int32_t height);
