#include "dialogs/options/FreeTextDialog.h"

#include "dialogs/options/DialogSupport.h"
#include "dialogs/options/PanelLinks.h"
#include "dialogs/options/SettingWrites.h"
#include "frame/DialogOpeners.h"
#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

FreeTextWorkingCopy gFreeTextWorkingCopy;

namespace {

void FreeTextEditNotify(ADMItemRef item, ADMNotifierRef notifier);
void FreeTextOk(ADMItemRef item, ADMNotifierRef notifier);
void FreeTextCancel(ADMItemRef item, ADMNotifierRef notifier);
void FreeTextDefault(ADMItemRef item, ADMNotifierRef notifier);

// Each field: its key, its tip and the text "Défaut" gives it.
struct FreeTextField {
    const char* Key;
    const char* Tip;
    const char* Default;
};
constexpr FreeTextField kFreeTextFields[kFreeTextCount] = {
    {"TexteLibre1", "Nouveau texte du menu local 1.", "Longueur"},
    {"TexteLibre2", "Nouveau texte du menu local 2.", "Largeur"},
    {"TexteLibre3", "Nouveau texte du menu local 3.", "Hauteur"},
    {"TexteLibre4", "Nouveau texte du menu local 4.", "Profondeur"},
    {"TexteLibre5", "Nouveau texte du menu local 5.", "Rayon"},
};

// The fields stand one under the other, 27 pixels apart.
constexpr ADMRect kFirstField{15, 10, 245, 32};
constexpr int32_t kFieldPitch = 27;

const DialogItemSpec kFreeTextButtons[] = {
    {.Id = kFreeTextCancelButton, .Type = kADMTextPushButtonType, .Bounds = {15, 162, 85, 182}, .Text = "Annuler",
     .Tip = "Aucune modification (Esc).", .Notify = FreeTextCancel},
    {.Id = kFreeTextDefaultButton, .Type = kADMTextPushButtonType, .Bounds = {95, 162, 165, 182}, .Text = "Défaut",
     .Tip = "Retour aux chaînes par défaut.", .Notify = FreeTextDefault},
    {.Id = kFreeTextOkButton, .Type = kADMTextPushButtonType, .Bounds = {175, 162, 245, 182}, .Text = "OK",
     .Tip = "Validation des nouvelles chaînes (Retour).", .Notify = FreeTextOk},
};

DialogItemSpec FieldSpec(int32_t index) {
    return DialogItemSpec{.Id = kFirstFreeTextField + index,
                          .Type = kADMTextEditType,
                          .Bounds = {kFirstField.left, kFirstField.top + kFieldPitch * index, kFirstField.right,
                                     kFirstField.bottom + kFieldPitch * index},
                          .Tip = kFreeTextFields[index].Tip,
                          .Notify = FreeTextEditNotify};
}

int32_t FieldIndex(ADMItemRef item) { return ItemID(item) - kFirstFreeTextField; }

// Follows every keystroke and every move of the selection.
void FreeTextEditNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsNotifierType(notifier, kADMIntermediateChangedNotifier) &&
        !IsNotifierType(notifier, kADMTextSelectionChangeNotifier)) {
        return;
    }
    const int32_t index = FieldIndex(item);
    if (index < 0 || index >= kFreeTextCount) return;
    gFreeTextWorkingCopy.Texts[index] = ItemText(item);
}

void CloseFreeTexts(ADMItemRef item) {
    gDialogPositions.FreeTextsBounds = DialogBounds(ItemDialog(item));
    gDialogOpenFlags.FreeTextsOpen = 0;
}

void FreeTextOk(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    SettingWrites writes;
    for (int32_t index = 0; index < kFreeTextCount; ++index) {
        writes.Text(kFreeTextFields[index].Key, gFreeTextWorkingCopy.Texts[index].c_str());
    }
    for (int32_t index = 0; index < kFreeTextCount; ++index) {
        RenamePanelFreeText(index, SettingString(gSettings.FreeTexts[index]));
    }
    CloseFreeTexts(item);
    writes.TellUser();
}

void FreeTextCancel(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    CloseFreeTexts(item);
}

void FreeTextDefault(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    const ADMDialogRef dialog = ItemDialog(item);
    for (int32_t index = 0; index < kFreeTextCount; ++index) {
        gFreeTextWorkingCopy.Texts[index] = kFreeTextFields[index].Default;
        SetItemText(dialog, kFirstFreeTextField + index, kFreeTextFields[index].Default);
    }
}

}  // namespace

ASErr FreeTextInit(ADMDialogRef dialog) {
    sADMDialog->SetText(dialog, kFreeTextTitle);
    ADMRect& bounds = gDialogPositions.FreeTextsBounds;
    SizeRememberedBounds(bounds, kFreeTextWidth, kFreeTextHeight);
    PlaceDialog(dialog, bounds);
    for (int32_t index = 0; index < kFreeTextCount; ++index) {
        gFreeTextWorkingCopy.Texts[index] = SettingString(gSettings.FreeTexts[index]);
        MakeItem(dialog, FieldSpec(index));
        SetItemText(dialog, kFirstFreeTextField + index, gFreeTextWorkingCopy.Texts[index].c_str());
    }
    // The first field takes the keys with its whole text selected, so typing replaces it.
    ActivateItem(dialog, kFirstFreeTextField);
    if (ADMItemRef first = DialogItem(dialog, kFirstFreeTextField)) sADMItem->SelectAll(first);
    for (const DialogItemSpec& desc : kFreeTextButtons) MakeItem(dialog, desc);
    EnableItem(dialog, kFreeTextOkButton, true);
    gDialogOpenFlags.FreeTextsOpen = 1;
    return kNoErr;
}

void OpenFreeTextDialog() {
    if (gDialogOpenFlags.FreeTextsOpen != 0 || sADMDialog == nullptr) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), kFreeTextDialogName, kFreeTextDialogID, kADMModalDialogStyle, FreeTextInit,
                      nullptr, 0, &result);
    // However the run ended, the dialog is gone: the next opener may open it again.
    gDialogOpenFlags.FreeTextsOpen = 0;
}
