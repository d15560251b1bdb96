// ADM Dialog: floating palettes and modal dialogs, their procedures, bounds and items.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMDialogSuite {
    // Makes a non-modal dialog; the init procedure runs before Create returns.
    ASErr (*Create)(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMDialogInitProc initProc,
                    ADMUserData data, int32_t options, ADMDialogRef* dialog);
    // Runs a modal dialog to its end; `result` receives the id of the item that ended it.
    ASErr (*Modal)(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMDialogInitProc initProc,
                   ADMUserData data, int32_t options, int32_t* result);
    ASErr (*Destroy)(ADMDialogRef dialog);
    // Ends the modal run after the notifier in progress returns.
    ASErr (*EndModal)(ADMDialogRef dialog, int32_t result, ADMBoolean cancelling);
    ASErr (*GetItem)(ADMDialogRef dialog, int32_t itemID, ADMItemRef* item);
    ASErr (*SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);
    ASErr (*SetNotifyProc)(ADMDialogRef dialog, ADMDialogNotifyProc proc);
    ASErr (*SetTrackProc)(ADMDialogRef dialog, ADMDialogTrackProc proc);
    ASErr (*SetDestroyProc)(ADMDialogRef dialog, ADMDialogDestroyProc proc);
    ASErr (*DefaultDraw)(ADMDialogRef dialog, ADMDrawerRef drawer);
    ASErr (*DefaultNotify)(ADMDialogRef dialog, ADMNotifierRef notifier);
    ASErr (*SetUserData)(ADMDialogRef dialog, ADMUserData data);
    ASErr (*GetUserData)(ADMDialogRef dialog, ADMUserData* data);
    ASErr (*GetPluginRef)(ADMDialogRef dialog, SPPluginRef* plugin);
    ASErr (*Show)(ADMDialogRef dialog, ADMBoolean show);
    ASErr (*IsVisible)(ADMDialogRef dialog, ADMBoolean* visible);
    // Bounds on the screen; the local rectangle has its origin at 0, 0.
    ASErr (*SetBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
    ASErr (*GetBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
    ASErr (*GetLocalRect)(ADMDialogRef dialog, ADMRect* local);
    ASErr (*Move)(ADMDialogRef dialog, int32_t h, int32_t v);
    ASErr (*Size)(ADMDialogRef dialog, int32_t width, int32_t height);
    // The title, at most maxLen - 1 characters on reading.
    ASErr (*SetText)(ADMDialogRef dialog, const char* text);
    ASErr (*GetText)(ADMDialogRef dialog, char* text, int32_t maxLen);
    ASErr (*SetDefaultItemID)(ADMDialogRef dialog, int32_t itemID);
    ASErr (*GetDefaultItemID)(ADMDialogRef dialog, int32_t* itemID);
    ASErr (*SetCancelItemID)(ADMDialogRef dialog, int32_t itemID);
    ASErr (*GetCancelItemID)(ADMDialogRef dialog, int32_t* itemID);
    // Asks for a redraw of the whole dialog; Update redraws at once.
    ASErr (*Invalidate)(ADMDialogRef dialog);
    ASErr (*Update)(ADMDialogRef dialog);
};
