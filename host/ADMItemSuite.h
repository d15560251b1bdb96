// ADM Item: the controls of a dialog, made by type name, with values, ranges, procedures and looks.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMItemSuite {
    // Makes item `itemID` of `type` (an item type name) in `dialog`; the init procedure runs before Create returns.
    ASErr (*Create)(ADMDialogRef dialog, int32_t itemID, const char* type, const ADMRect* bounds,
                    ADMItemInitProc initProc, ADMUserData data, int32_t options, ADMItemRef* item);
    ASErr (*Destroy)(ADMItemRef item);
    ASErr (*GetID)(ADMItemRef item, int32_t* itemID);
    ASErr (*GetDialog)(ADMItemRef item, ADMDialogRef* dialog);
    ASErr (*GetItemType)(ADMItemRef item, char* type, int32_t maxLen);
    ASErr (*GetList)(ADMItemRef item, ADMListRef* list);

    ASErr (*SetDrawProc)(ADMItemRef item, ADMItemDrawProc proc);
    ASErr (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
    ASErr (*SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
    ASErr (*SetDestroyProc)(ADMItemRef item, ADMItemDestroyProc proc);
    ASErr (*DefaultDraw)(ADMItemRef item, ADMDrawerRef drawer);
    // The dialog manager's own reaction: the default and cancel buttons end a modal run.
    ASErr (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
    // The dialog manager's own tracking; `notify` says whether the event ends in a notification.
    ASErr (*DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker, ADMBoolean* notify);
    // The tracker actions that reach the item's track procedure (action masks).
    ASErr (*SetMask)(ADMItemRef item, int32_t mask);
    ASErr (*GetMask)(ADMItemRef item, int32_t* mask);
    ASErr (*SetUserData)(ADMItemRef item, ADMUserData data);
    ASErr (*GetUserData)(ADMItemRef item, ADMUserData* data);

    ASErr (*Show)(ADMItemRef item, ADMBoolean show);
    ASErr (*IsVisible)(ADMItemRef item, ADMBoolean* visible);
    ASErr (*Enable)(ADMItemRef item, ADMBoolean enable);
    ASErr (*IsEnabled)(ADMItemRef item, ADMBoolean* enabled);
    // The active item takes the keyboard focus.
    ASErr (*Activate)(ADMItemRef item, ADMBoolean activate);
    ASErr (*IsActive)(ADMItemRef item, ADMBoolean* active);
    ASErr (*Invalidate)(ADMItemRef item);
    ASErr (*Update)(ADMItemRef item);
    ASErr (*SetBoundsRect)(ADMItemRef item, const ADMRect* bounds);
    ASErr (*GetBoundsRect)(ADMItemRef item, ADMRect* bounds);
    ASErr (*Move)(ADMItemRef item, int32_t h, int32_t v);

    ASErr (*SetFont)(ADMItemRef item, int32_t font);
    ASErr (*GetFont)(ADMItemRef item, int32_t* font);
    ASErr (*SetJustify)(ADMItemRef item, int32_t justify);
    ASErr (*GetJustify)(ADMItemRef item, int32_t* justify);
    ASErr (*SetTipString)(ADMItemRef item, const char* tip);
    ASErr (*GetTipString)(ADMItemRef item, char* tip, int32_t maxLen);
    ASErr (*SetPictureID)(ADMItemRef item, int32_t pictureID);
    ASErr (*GetPictureID)(ADMItemRef item, int32_t* pictureID);
    ASErr (*SetSelectedPictureID)(ADMItemRef item, int32_t pictureID);
    ASErr (*GetSelectedPictureID)(ADMItemRef item, int32_t* pictureID);
    ASErr (*SetDisabledPictureID)(ADMItemRef item, int32_t pictureID);
    ASErr (*GetDisabledPictureID)(ADMItemRef item, int32_t* pictureID);

    ASErr (*SetUnits)(ADMItemRef item, int32_t units);
    ASErr (*GetUnits)(ADMItemRef item, int32_t* units);
    ASErr (*ShowUnits)(ADMItemRef item, ADMBoolean show);
    ASErr (*SetPrecision)(ADMItemRef item, int32_t precision);
    ASErr (*GetPrecision)(ADMItemRef item, int32_t* precision);
    ASErr (*SetSmallIncrement)(ADMItemRef item, float increment);
    ASErr (*GetSmallIncrement)(ADMItemRef item, float* increment);
    ASErr (*SetLargeIncrement)(ADMItemRef item, float increment);
    ASErr (*GetLargeIncrement)(ADMItemRef item, float* increment);
    // Bounds that user input is clamped to; values set from code are kept as given.
    ASErr (*SetMinFloatValue)(ADMItemRef item, float value);
    ASErr (*GetMinFloatValue)(ADMItemRef item, float* value);
    ASErr (*SetMaxFloatValue)(ADMItemRef item, float value);
    ASErr (*GetMaxFloatValue)(ADMItemRef item, float* value);
    ASErr (*SetMinIntValue)(ADMItemRef item, int32_t value);
    ASErr (*SetMaxIntValue)(ADMItemRef item, int32_t value);

    // Values set from code fire no notifier.
    ASErr (*SetIntValue)(ADMItemRef item, int32_t value);
    ASErr (*GetIntValue)(ADMItemRef item, int32_t* value);
    ASErr (*SetFloatValue)(ADMItemRef item, float value);
    ASErr (*GetFloatValue)(ADMItemRef item, float* value);
    ASErr (*SetBooleanValue)(ADMItemRef item, ADMBoolean value);
    ASErr (*GetBooleanValue)(ADMItemRef item, ADMBoolean* value);
    ASErr (*SetText)(ADMItemRef item, const char* text);
    // The text, at most maxLen - 1 characters.
    ASErr (*GetText)(ADMItemRef item, char* text, int32_t maxLen);
    // The length of the text in bytes, terminator excluded.
    ASErr (*GetTextLength)(ADMItemRef item, int32_t* length);
    // Whether the item's tip shows when the pointer rests on it.
    ASErr (*EnableTip)(ADMItemRef item, ADMBoolean enable);
    ASErr (*IsTipEnabled)(ADMItemRef item, ADMBoolean* enabled);
    // The selection in a text item, in bytes from the start of its text: SelectAll selects the whole text (fires
    // no notifier); GetSelectionRange reads where the selection starts and ends (equal for a bare caret).
    ASErr (*SelectAll)(ADMItemRef item);
    ASErr (*GetSelectionRange)(ADMItemRef item, int32_t* start, int32_t* end);
};
