// The colour dialog's opening, its items and the notifiers that change the working copy.
#include "dialogs/options/ColourDialog.h"

#include "dialogs/options/ColourChannels.h"
#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/DialogSupport.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/NumericFields.h"
#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelItems.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

namespace {

constexpr float kMinArrowAngle = 0.0f;
constexpr float kMaxArrowAngle = 90.0f;

// The model popup's entries: the entry id is the model.
struct ModelEntry {
    const char* Text;
    int32_t Model;
};
constexpr ModelEntry kModelEntries[] = {{"Gris", kGreyModel}, {"RVB", kRgbModel}, {"CMJN", kCmykModel}};

void ColourModelPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void ColourTargetNotify(ADMItemRef item, ADMNotifierRef notifier);
void TextColourLockNotify(ADMItemRef item, ADMNotifierRef notifier);
void GlobalSwatchesNotify(ADMItemRef item, ADMNotifierRef notifier);
void OpenArrowAngleNotify(ADMItemRef item, ADMNotifierRef notifier);
void TriangleArrowAngleNotify(ADMItemRef item, ADMNotifierRef notifier);

const DialogItemSpec kModelPopup{.Id = kColourModelPopup,
                                 .Type = kADMPopupListType,
                                 .Bounds = {5, 38, 78, 58},
                                 .Tip = "Choix du type de couleurs",
                                 .Notify = ColourModelPopupNotify};

const DialogItemSpec kArrowItems[] = {
    {.Id = kOpenArrowAngleEdit,
     .Type = kADMSpinEditType,
     .Bounds = {38, 7, 78, 29},
     .Tip = "Angle de pointe de flèche (de 0° à 90°).",
     .Notify = OpenArrowAngleNotify},
    {.Id = kOpenArrowPicture,
     .Type = kADMPicturePushButtonType,
     .Bounds = {10, 7, 34, 37},
     .Tip = "Angle de pointe de flèche (de 0° à 90°).",
     .Draw = OpenArrowPictureDraw,
     .Track = OpenArrowAngleTrack},
    {.Id = kTriangleArrowAngleEdit,
     .Type = kADMSpinEditType,
     .Bounds = {192, 7, 232, 29},
     .Notify = TriangleArrowAngleNotify},
    {.Id = kTriangleArrowPicture,
     .Type = kADMPicturePushButtonType,
     .Bounds = {125, 6, 189, 36},
     .Tip = "Flèche pleine ou flèche creuse.",
     .Draw = TriangleArrowPictureDraw,
     .Track = TriangleArrowTrack},
};

const DialogItemSpec kGlobalSwatchesItem{.Id = kGlobalSwatchesBox,
                                         .Type = kADMTextCheckBoxType,
                                         .Bounds = {100, 41, 252, 56},
                                         .Text = "Couleurs globales",
                                         .Notify = GlobalSwatchesNotify};

const DialogItemSpec kTargetItems[] = {
    {.Id = kStrokeTargetRadio,
     .Type = kADMTextRadioButtonType,
     .Bounds = {30, 166, 110, 190},
     .Text = "Traits",
     .Tip = "Modifier la couleurs des traits.",
     .Notify = ColourTargetNotify},
    {.Id = kTextTargetRadio,
     .Type = kADMTextRadioButtonType,
     .Bounds = {120, 166, 200, 190},
     .Text = "Texte",
     .Tip = "Modifier la couleur du texte.",
     .Notify = ColourTargetNotify},
    {.Id = kTextLockPicture,
     .Type = kADMPictureRadioButtonType,
     .Bounds = {204, 166, 220, 184},
     .Notify = TextColourLockNotify,
     .Draw = TextLockPictureDraw},
};

const DialogItemSpec kButtons[] = {
    {.Id = kColourCancelButton,
     .Type = kADMTextPushButtonType,
     .Bounds = {6, 200, 74, 220},
     .Text = "Annuler",
     .Tip = "Aucune modification (Esc).",
     .Notify = ColourDialogCancel},
    {.Id = kColourDefaultButton,
     .Type = kADMTextPushButtonType,
     .Bounds = {97, 200, 169, 220},
     .Text = "Défaut",
     .Tip = "Retour aux valeurs par défaut.",
     .Notify = ColourDialogDefault},
    {.Id = kColourOkButton,
     .Type = kADMTextPushButtonType,
     .Bounds = {194, 200, 248, 220},
     .Text = "OK",
     .Tip = "Validation des nouveaux réglages par défaut.",
     .Notify = ColourDialogOk},
};

// The working copy as the dialog opens: every value from the committed colours, the strokes edited.
void LoadColourWorkingCopy() {
    const ColourSettings& c = gColourSettings;
    ColourDialogWorkingCopy& w = gColourWorkingCopy;
    w.StrokeModel = c.StrokeModel;
    w.TextModel = c.TextModel;
    w.Stroke = c.Stroke;
    w.Text = c.Text;
    w.OpenArrowAngle = c.OpenArrowAngle;
    w.TriangleArrowAngle = c.TriangleArrowAngle;
    w.HollowTriangle = c.HollowTriangle;
    w.GlobalSwatches = c.GlobalSwatches;
    w.TextLock = c.TextLock;
    w.Target = kStrokeSide;
}

void MakeModelPopup(ADMDialogRef dialog) {
    ADMItemRef popup = MakeItem(dialog, kModelPopup);
    for (const ModelEntry& entry : kModelEntries) AppendEntry(popup, entry.Text, entry.Model);
}

void MakeArrowItems(ADMDialogRef dialog) {
    const ColourDialogWorkingCopy& w = gColourWorkingCopy;
    for (const DialogItemSpec& desc : kArrowItems) {
        ADMItemRef item = MakeItem(dialog, desc);
        if (desc.Id != kOpenArrowAngleEdit && desc.Id != kTriangleArrowAngleEdit) continue;
        if (item == nullptr) continue;
        sADMItem->SetUnits(item, kADMNoUnits);
        sADMItem->SetMinFloatValue(item, kMinArrowAngle);
        sADMItem->SetMaxFloatValue(item, kMaxArrowAngle);
        BoundFieldToSetting(item, desc.Id == kOpenArrowAngleEdit ? "AnglePointe1" : "AnglePointe2");
    }
    SetItemFloat(dialog, kOpenArrowAngleEdit, w.OpenArrowAngle);
    SetItemFloat(dialog, kTriangleArrowAngleEdit, w.TriangleArrowAngle);
    SetItemTip(dialog, kTriangleArrowAngleEdit, TriangleAngleTip(w.HollowTriangle));
    SetItemBoolean(dialog, kTriangleArrowPicture, w.HollowTriangle != 0);
    ActivateItem(dialog, kOpenArrowAngleEdit);
}

void MakeTargetItems(ADMDialogRef dialog) {
    const int32_t locked = gColourWorkingCopy.TextLock;
    for (const DialogItemSpec& desc : kTargetItems) MakeItem(dialog, desc);
    SetItemBoolean(dialog, kStrokeTargetRadio, true);
    SetItemBoolean(dialog, kTextTargetRadio, false);
    SetItemBoolean(dialog, kTextLockPicture, locked != 0);
    SetItemTip(dialog, kTextLockPicture, TextLockTip(locked));
    EnableItem(dialog, kStrokeTargetRadio, locked == 0);
    EnableItem(dialog, kTextTargetRadio, locked == 0);
}

// Shows the edited side: its model in the popup, its group, and its values in the rows.
void ShowTarget(ADMDialogRef dialog) {
    SelectEntryByID(DialogItem(dialog, kColourModelPopup), TargetModel());
    ShowModelGroup(dialog, TargetModel());
    ShowTargetChannelValues(dialog);
}

void SetTarget(ADMDialogRef dialog, int32_t side) {
    gColourWorkingCopy.Target = side;
    SetItemBoolean(dialog, kStrokeTargetRadio, side == kStrokeSide);
    SetItemBoolean(dialog, kTextTargetRadio, side == kTextSide);
}

void ColourModelPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t model = ChosenEntryID(item);
    if (model < kGreyModel || model > kCmykModel) return;
    const int32_t side = gColourWorkingCopy.Target;
    WorkingModel(side) = model;
    // That model's channels start again from their committed values: nothing is converted between models.
    const ChannelRange channels = ChannelsOfModel(model);
    for (int32_t channel = channels.First; channel < channels.First + channels.Count; ++channel) {
        ChannelValue(WorkingValues(side), channel) = ChannelValue(ColourValuesOf(side), channel);
    }
    const ADMDialogRef dialog = ItemDialog(item);
    ShowModelGroup(dialog, model);
    ShowTargetChannelValues(dialog);
    InvalidateDialog(dialog);
}

void ColourTargetNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    SetTarget(dialog, ItemID(item) == kTextTargetRadio ? kTextSide : kStrokeSide);
    ShowTarget(dialog);
    InvalidateDialog(dialog);
}

void TextColourLockNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ColourDialogWorkingCopy& w = gColourWorkingCopy;
    const ADMDialogRef dialog = ItemDialog(item);
    w.TextLock = w.TextLock != 0 ? 0 : 1;
    SetItemBoolean(dialog, kTextLockPicture, w.TextLock != 0);
    SetItemTip(dialog, kTextLockPicture, TextLockTip(w.TextLock));
    if (w.TextLock != 0) {
        SetTarget(dialog, kStrokeSide);
        w.TextModel = w.StrokeModel;
        const ChannelRange channels = ChannelsOfModel(w.StrokeModel);
        for (int32_t channel = channels.First; channel < channels.First + channels.Count; ++channel) {
            ChannelValue(w.Text, channel) = ChannelValue(w.Stroke, channel);
        }
        ShowTarget(dialog);
    }
    EnableItem(dialog, kStrokeTargetRadio, w.TextLock == 0);
    EnableItem(dialog, kTextTargetRadio, w.TextLock == 0);
    InvalidateItem(dialog, kTextLockPicture);
    InvalidateDialog(dialog);
}

void GlobalSwatchesNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ColourDialogWorkingCopy& w = gColourWorkingCopy;
    const ADMDialogRef dialog = ItemDialog(item);
    w.GlobalSwatches = w.GlobalSwatches != 0 ? 0 : 1;
    SetItemBoolean(dialog, kGlobalSwatchesBox, w.GlobalSwatches != 0);
    SetItemTip(dialog, kGlobalSwatchesBox, GlobalSwatchesTip(w.GlobalSwatches));
    InvalidateDialog(dialog);
}

void OpenArrowAngleNotify(ADMItemRef item, ADMNotifierRef) {
    gColourWorkingCopy.OpenArrowAngle =
        TakenSettingValue(item, gColourWorkingCopy.OpenArrowAngle, "AnglePointe1");
    InvalidateItem(ItemDialog(item), kOpenArrowPicture);
}

void TriangleArrowAngleNotify(ADMItemRef item, ADMNotifierRef) {
    gColourWorkingCopy.TriangleArrowAngle =
        TakenSettingValue(item, gColourWorkingCopy.TriangleArrowAngle, "AnglePointe2");
    InvalidateItem(ItemDialog(item), kTriangleArrowPicture);
}

}  // namespace

const char* TriangleAngleTip(int32_t hollow) {
    return hollow != 0 ? "Angle de pointe de flèche creuse (de 0° à 90°)."
                       : "Angle de pointe de flèche pleine (de 0° à 90°).";
}

const char* TextLockTip(int32_t locked) {
    return locked != 0 ? "Les traits et le texte auront la même couleur."
                       : "Le texte pourra avoir une couleur différente de celle des traits.";
}

const char* GlobalSwatchesTip(int32_t global) {
    return global != 0 ? "Les couleurs (traits et texte) seront des nuances globales."
                       : "Les couleurs (traits et texte) ne seront pas des nuances globales.";
}

ASErr ColourDialogInit(ADMDialogRef dialog) {
    sADMDialog->SetDrawProc(dialog, ColourPreviewDraw);
    ADMRect& bounds = gDialogPositions.ColourDialogBounds;
    SizeRememberedBounds(bounds, kColourDialogWidth, kColourDialogHeight);
    LoadColourWorkingCopy();
    MakeModelPopup(dialog);
    SelectEntryByID(DialogItem(dialog, kColourModelPopup), gColourWorkingCopy.StrokeModel);
    sADMDialog->SetText(dialog, kColourDialogTitle);
    MakeGreySliderGroup(dialog);
    MakeRgbSliderGroup(dialog);
    MakeCmykSliderGroup(dialog);
    ShowModelGroup(dialog, gColourWorkingCopy.StrokeModel);
    PlaceDialog(dialog, bounds);
    MakeArrowItems(dialog);
    MakeItem(dialog, kGlobalSwatchesItem);
    SetItemBoolean(dialog, kGlobalSwatchesBox, gColourWorkingCopy.GlobalSwatches != 0);
    SetItemTip(dialog, kGlobalSwatchesBox, GlobalSwatchesTip(gColourWorkingCopy.GlobalSwatches));
    MakeTargetItems(dialog);
    for (const DialogItemSpec& desc : kButtons) MakeItem(dialog, desc);
    gDialogOpenFlags.ColourDialogRef = dialog;
    return kNoErr;
}

void OpenColourDialog() {
    if (gDialogOpenFlags.ColourDialogRef != nullptr || sADMDialog == nullptr) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), kColourDialogName, kColourDialogID, kADMModalDialogStyle, ColourDialogInit,
                      nullptr, 0, &result);
    // However the run ended, the dialog is gone: the next opener may open it again.
    gDialogOpenFlags.ColourDialogRef = nullptr;
}
