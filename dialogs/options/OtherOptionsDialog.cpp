// The other-options dialog's opening, items, notifiers, drag trackers and buttons.
#include "dialogs/options/OtherOptionsDialog.h"

#include <algorithm>

#include "dialogs/options/DialogSupport.h"
#include "dialogs/options/PanelLinks.h"
#include "dialogs/options/SettingWrites.h"
#include "frame/DialogOpeners.h"
#include "frame/NumericFields.h"
#include "frame/PathStyles.h"
#include "frame/PluginReference.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "resources/ResourceIds.h"

OtherOptionsWorkingCopy gOtherOptionsWorkingCopy;

namespace {

constexpr float kPointSmallStep = 1.0f;
constexpr float kPointLargeStep = 5.0f;
constexpr float kFontStepIncrement = 1.0f;
// A dialog at least this high is expanded.
constexpr int32_t kExpandedThreshold = 290;
// What "Défaut" puts back.
constexpr double kDefaultExtensionGap = 0.0;
constexpr double kDefaultTextGap = 2.0;
constexpr double kDefaultToleranceOffset = 1.5;

void TieOffsetNotify(ADMItemRef item, ADMNotifierRef notifier);
void TextGapNotify(ADMItemRef item, ADMNotifierRef notifier);
void SeparatorNotify(ADMItemRef item, ADMNotifierRef notifier);
void ReducedToleranceNotify(ADMItemRef item, ADMNotifierRef notifier);
void ToleranceOffsetNotify(ADMItemRef item, ADMNotifierRef notifier);
void ExpandNotify(ADMItemRef item, ADMNotifierRef notifier);
void FontStepNotify(ADMItemRef item, ADMNotifierRef notifier);
void FontStepHintNotify(ADMItemRef item, ADMNotifierRef notifier);
void DashNotify(ADMItemRef item, ADMNotifierRef notifier);
void DashEndsNotify(ADMItemRef item, ADMNotifierRef notifier);
void DashLengthNotify(ADMItemRef item, ADMNotifierRef notifier);
ADMBoolean StepDragTrack(ADMItemRef item, ADMTrackerRef tracker);
void OtherOptionsOk(ADMItemRef item, ADMNotifierRef notifier);
void OtherOptionsCancel(ADMItemRef item, ADMNotifierRef notifier);
void OtherOptionsDefault(ADMItemRef item, ADMNotifierRef notifier);

constexpr const char* kTieOffsetTip = "Décalage des attaches (>0 ou <0).";
constexpr const char* kTextGapTip = "Décalage entre le texte et le trait de cote (>0).";
constexpr const char* kToleranceOffsetTip = "Décalage vertical du texte de tolérance (>0 ou <0).";
constexpr const char* kFontStepTip = "Modifier de 1 en 1.";

// Every item in the order the init procedure creates it.
const DialogItemSpec kOtherOptionsItems[] = {
    {.Id = kTieOffsetEdit, .Type = kADMSpinEditType, .Bounds = {42, 18, 102, 40}, .Tip = kTieOffsetTip,
     .Notify = TieOffsetNotify},
    {.Id = kTieOffsetPicture, .Type = kADMPicturePushButtonType, .Bounds = {10, 8, 38, 48}, .Tip = kTieOffsetTip,
     .Draw = TieOffsetPictureDraw, .Track = StepDragTrack},
    {.Id = kTextGapEdit, .Type = kADMSpinEditType, .Bounds = {204, 18, 264, 40}, .Tip = kTextGapTip,
     .Notify = TextGapNotify},
    {.Id = kTextGapPicture, .Type = kADMPicturePushButtonType, .Bounds = {162, 8, 200, 48}, .Tip = kTextGapTip,
     .Draw = TextGapPictureDraw, .Track = StepDragTrack},
    {.Id = kCommaRadio, .Type = kADMTextRadioButtonType, .Bounds = {200, 95, 236, 113}, .Text = ",",
     .Tip = "Virgule décimale.", .Notify = SeparatorNotify, .Font = kDialogFont},
    {.Id = kPointRadio, .Type = kADMTextRadioButtonType, .Bounds = {244, 95, 280, 113}, .Text = ".",
     .Tip = "Point décimal.", .Notify = SeparatorNotify, .Font = kBoldFont},
    {.Id = kReducedToleranceBox, .Type = kADMTextCheckBoxType, .Bounds = {10, 138, 26, 154},
     .Notify = ReducedToleranceNotify},
    {.Id = kValueSample, .Type = kADMUserType, .Bounds = {30, 138, 74, 154}, .Draw = ValueSampleDraw},
    {.Id = kToleranceSample, .Type = kADMUserType, .Bounds = {78, 126, 118, 186}, .Draw = ToleranceSampleDraw},
    {.Id = kSeparatorSample, .Type = kADMUserType, .Bounds = {150, 97, 190, 111}, .Draw = SeparatorSampleDraw},
    {.Id = kToleranceOffsetEdit, .Type = kADMSpinEditType, .Bounds = {186, 145, 246, 167},
     .Tip = kToleranceOffsetTip, .Notify = ToleranceOffsetNotify},
    {.Id = kToleranceOffsetPicture, .Type = kADMPicturePushButtonType, .Bounds = {152, 126, 180, 186},
     .Tip = kToleranceOffsetTip, .Draw = ToleranceOffsetPictureDraw, .Track = StepDragTrack},
    {.Id = kExpandButton, .Type = kADMPicturePushButtonType, .Bounds = {292, 192, 301, 205},
     .Tip = "Ouvrir en cas de problème avec la police.", .Notify = ExpandNotify, .Draw = ExpandButtonDraw},
    {.Id = kFontStepEdit, .Type = kADMSpinEditType, .Bounds = {232, 255, 292, 277}, .Tip = kFontStepTip,
     .Notify = FontStepNotify},
    {.Id = kFontStepHintButton, .Type = kADMPicturePushButtonType, .Bounds = {12, 245, 223, 295},
     .Tip = kFontStepTip, .Notify = FontStepHintNotify, .Draw = NoOpProc},
    {.Id = kDashButton, .Type = kADMPicturePushButtonType, .Bounds = {10, 60, 39, 72},
     .Tip = "Traits pointillés ou continus.", .Notify = DashNotify, .Draw = DashButtonDraw},
    {.Id = kDashEndsButton, .Type = kADMPicturePushButtonType, .Bounds = {10, 84, 39, 96},
     .Notify = DashEndsNotify, .Draw = DashEndsButtonDraw},
    {.Id = kDashOneEdit, .Type = kADMTextEditType, .Bounds = {48, 56, 98, 76}, .Notify = DashLengthNotify},
    {.Id = kGapOneEdit, .Type = kADMTextEditType, .Bounds = {108, 56, 158, 76}, .Notify = DashLengthNotify},
    {.Id = kDashTwoEdit, .Type = kADMTextEditType, .Bounds = {168, 56, 218, 76}, .Notify = DashLengthNotify},
    {.Id = kGapTwoEdit, .Type = kADMTextEditType, .Bounds = {228, 56, 278, 76}, .Notify = DashLengthNotify},
    {.Id = kDashPreview, .Type = kADMUserType, .Bounds = {48, 88, 292, 92}, .Draw = DashPreviewDraw},
    {.Id = kOtherOptionsCancelButton, .Type = kADMTextPushButtonType, .Bounds = {10, 211, 90, 231},
     .Text = "Annuler", .Tip = "Aucune modification (Esc).", .Notify = OtherOptionsCancel},
    {.Id = kOtherOptionsDefaultButton, .Type = kADMTextPushButtonType, .Bounds = {114, 211, 194, 231},
     .Text = "Défaut", .Tip = "Retour aux valeurs par défaut.", .Notify = OtherOptionsDefault},
    {.Id = kOtherOptionsOkButton, .Type = kADMTextPushButtonType, .Bounds = {218, 211, 298, 231}, .Text = "OK",
     .Tip = "Validation des nouveaux réglages par défaut.", .Notify = OtherOptionsOk},
};

// The spin edits in points: their id, whether they have a floor at 0.
struct PointField {
    int32_t Id;
    bool FloorAtZero;
    const char* Key;
};
constexpr PointField kPointFields[] = {{kTieOffsetEdit, false, "Gap"},
                                       {kTextGapEdit, true, "GapTexteSeg"},
                                       {kToleranceOffsetEdit, false, "DecaleTexteTol"}};

// The items that only dashed lines use.
constexpr int32_t kDashItems[] = {kDashEndsButton, kDashOneEdit, kGapOneEdit, kDashTwoEdit, kGapTwoEdit};

// The four dash lengths: each field and its working value.
struct DashField {
    int32_t Id;
    double OtherOptionsWorkingCopy::*Value;
    const char* Key;
};
constexpr DashField kDashFields[] = {{kDashOneEdit, &OtherOptionsWorkingCopy::DashOne, "TiretUn"},
                                     {kGapOneEdit, &OtherOptionsWorkingCopy::GapOne, "TrouUn"},
                                     {kDashTwoEdit, &OtherOptionsWorkingCopy::DashTwo, "TiretDeux"},
                                     {kGapTwoEdit, &OtherOptionsWorkingCopy::GapTwo, "TrouDeux"}};

// The setting whose range bounds a numeric field of the dialog; null for another item.
const char* FieldKey(int32_t id) {
    for (const PointField& field : kPointFields)
        if (field.Id == id) return field.Key;
    for (const DashField& field : kDashFields)
        if (field.Id == id) return field.Key;
    return id == kFontStepEdit ? "VariablePolice" : nullptr;
}

// A field's number held to the range of the setting it edits.
double HeldFieldValue(ADMItemRef item, double inForce) {
    const char* key = FieldKey(ItemID(item));
    return key != nullptr ? TakenSettingValue(item, inForce, key) : KeptFieldValue(item, inForce);
}

// The three pictures that step a value while dragged.
struct StepDrag {
    int32_t Picture;
    int32_t Edit;
    double OtherOptionsWorkingCopy::*Value;
    double Settings::*Stored;
    bool Horizontal;
    int32_t Band;            // the tracked coordinate runs 0..Band
    int32_t Cursor;
    bool RightIsUp;          // the horizontal drag raises the value to the right
    bool FloorAtZero;
    int32_t AlsoInvalidate;  // another item that shows the value, or 0
};
constexpr int32_t kVerticalDragCursor = 1101;
constexpr int32_t kHorizontalDragCursor = 1100;
constexpr double kDragStep = 1.0;
constexpr StepDrag kStepDrags[] = {
    {kTieOffsetPicture, kTieOffsetEdit, &OtherOptionsWorkingCopy::ExtensionGap, &Settings::ExtensionGap, false, 40,
     kVerticalDragCursor, false, false, 0},
    {kTextGapPicture, kTextGapEdit, &OtherOptionsWorkingCopy::TextGap, &Settings::TextGap, true, 38,
     kHorizontalDragCursor, true, true, 0},
    {kToleranceOffsetPicture, kToleranceOffsetEdit, &OtherOptionsWorkingCopy::ToleranceOffset,
     &Settings::ToleranceOffset, false, 59, kVerticalDragCursor, false, false, kToleranceSample},
};

OtherOptionsWorkingCopy& Working() { return gOtherOptionsWorkingCopy; }

void LoadOtherOptionsWorkingCopy() {
    const Settings& s = gSettings;
    OtherOptionsWorkingCopy& w = Working();
    w.ExtensionGap = s.ExtensionGap;
    w.TextGap = s.TextGap;
    w.DecimalSeparator = s.DecimalSeparator == '.' ? '.' : ',';
    w.ReducedToleranceText = s.ReducedToleranceText;
    w.ToleranceOffset = s.ToleranceOffset;
    w.Dashed = s.Dashed;
    w.RoundDashEnds = s.RoundDashEnds;
    w.DashOne = s.DashOne;
    w.GapOne = s.GapOne;
    w.DashTwo = s.DashTwo;
    w.GapTwo = s.GapTwo;
}

void ShowSeparator(ADMDialogRef dialog) {
    const bool comma = Working().DecimalSeparator == ',';
    SetItemBoolean(dialog, kCommaRadio, comma);
    SetItemBoolean(dialog, kPointRadio, !comma);
}

void EnableDashItems(ADMDialogRef dialog) {
    for (int32_t id : kDashItems) EnableItem(dialog, id, Working().Dashed != 0);
}

void ShowReducedTolerance(ADMDialogRef dialog) {
    SetItemBoolean(dialog, kReducedToleranceBox, Working().ReducedToleranceText != 0);
    SetItemTip(dialog, kReducedToleranceBox, ReducedToleranceTip(Working().ReducedToleranceText));
}

// The values of every item from the working copy and the font step.
void ShowOtherOptions(ADMDialogRef dialog) {
    const OtherOptionsWorkingCopy& w = Working();
    for (const PointField& field : kPointFields) {
        if (ADMItemRef item = DialogItem(dialog, field.Id)) {
            sADMItem->SetUnits(item, kADMPointUnits);
            sADMItem->ShowUnits(item, 1);
            sADMItem->SetSmallIncrement(item, kPointSmallStep);
            sADMItem->SetLargeIncrement(item, kPointLargeStep);
            if (field.FloorAtZero) sADMItem->SetMinFloatValue(item, 0.0f);
            BoundFieldToSetting(item, field.Key);
        }
    }
    SetItemFloat(dialog, kTieOffsetEdit, w.ExtensionGap);
    SetItemFloat(dialog, kTextGapEdit, w.TextGap);
    SetItemFloat(dialog, kToleranceOffsetEdit, w.ToleranceOffset);
    ShowSeparator(dialog);
    ShowReducedTolerance(dialog);
    if (ADMItemRef step = DialogItem(dialog, kFontStepEdit)) {
        sADMItem->SetUnits(step, kADMNoUnits);
        sADMItem->SetPrecision(step, 0);
        sADMItem->SetSmallIncrement(step, kFontStepIncrement);
        BoundFieldToSetting(step, "VariablePolice");
    }
    SetItemInt(dialog, kFontStepEdit, gSettings.FontStep);
    SetItemTip(dialog, kDashEndsButton, DashEndsTip(w.RoundDashEnds));
    for (const DashField& field : kDashFields) {
        SetItemFloat(dialog, field.Id, w.*field.Value);
        if (ADMItemRef item = DialogItem(dialog, field.Id)) BoundFieldToSetting(item, field.Key);
    }
    EnableDashItems(dialog);
    // The dialog opens collapsed: the font step's row lies below the window.
    ShowItem(dialog, kFontStepEdit, false);
    ShowItem(dialog, kFontStepHintButton, false);
}

void TieOffsetNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Working().ExtensionGap = HeldFieldValue(item, Working().ExtensionGap);
    InvalidateItem(ItemDialog(item), kTieOffsetPicture);
}

void TextGapNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Working().TextGap = HeldFieldValue(item, Working().TextGap);
    InvalidateItem(ItemDialog(item), kTextGapPicture);
}

void SeparatorNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    Working().DecimalSeparator = ItemID(item) == kPointRadio ? '.' : ',';
    ShowSeparator(dialog);
    InvalidateItem(dialog, kSeparatorSample);
    InvalidateItem(dialog, kToleranceSample);
    InvalidateItem(dialog, kToleranceOffsetPicture);
}

void ReducedToleranceNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    Working().ReducedToleranceText = Working().ReducedToleranceText != 0 ? 0 : 1;
    ShowReducedTolerance(dialog);
    InvalidateItem(dialog, kToleranceSample);
}

void ToleranceOffsetNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Working().ToleranceOffset = HeldFieldValue(item, Working().ToleranceOffset);
    InvalidateItem(ItemDialog(item), kToleranceSample);
}

void ExpandNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    ADMRect& bounds = gDialogPositions.OtherOptionsBounds;
    bounds = DialogBounds(dialog);
    const bool expand = bounds.bottom - bounds.top < kExpandedThreshold;
    bounds.bottom = bounds.top + (expand ? kOtherOptionsExpandedHeight : kOtherOptionsHeight);
    ShowItem(dialog, kFontStepEdit, expand);
    ShowItem(dialog, kFontStepHintButton, expand);
    ActivateItem(dialog, expand ? kFontStepEdit : kTieOffsetEdit);
    PlaceDialog(dialog, bounds);
    InvalidateItem(dialog, kExpandButton);
}

// The font step changes the setting at once, on every notification of its field, and the panel's font popup
// follows it.
void FontStepNotify(ADMItemRef item, ADMNotifierRef) {
    gSettings.FontStep = HeldIntegerOf("VariablePolice", FieldReal(item, gSettings.FontStep));
    ReselectPanelFont();
}

void FontStepHintNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) ActivateItem(ItemDialog(item), kFontStepEdit);
}

void DashNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    Working().Dashed = Working().Dashed != 0 ? 0 : 1;
    for (int32_t id : {kDashButton, kDashEndsButton, kDashPreview}) InvalidateItem(dialog, id);
    EnableDashItems(dialog);
}

void DashEndsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = ItemDialog(item);
    Working().RoundDashEnds = Working().RoundDashEnds != 0 ? 0 : 1;
    SetItemTip(dialog, kDashEndsButton, DashEndsTip(Working().RoundDashEnds));
    InvalidateItem(dialog, kDashPreview);
    InvalidateItem(dialog, kDashEndsButton);
}

void DashLengthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t id = ItemID(item);
    for (const DashField& field : kDashFields) {
        if (field.Id == id) Working().*field.Value = HeldFieldValue(item, Working().*field.Value);
    }
    InvalidateItem(ItemDialog(item), kDashPreview);
}

const StepDrag* StepDragOf(int32_t picture) {
    for (const StepDrag& drag : kStepDrags)
        if (drag.Picture == picture) return &drag;
    return nullptr;
}

// One step of a dragged value: Control puts back the stored setting; otherwise 1 point by the direction of the
// move (up or, for the text gap, right raises it).
void StepDraggedValue(const StepDrag& drag, double& value, ADMTrackerRef tracker, int32_t position) {
    if (ControlHeld(tracker)) {
        value = gSettings.*drag.Stored;
        return;
    }
    int32_t& previous = drag.Horizontal ? gDragValues.DragTrackY : Working().PreviousTrackY;
    const int64_t product = DragProduct(previous, position);
    const bool down = drag.RightIsUp ? product > 0 : product < 0;
    value += down ? -kDragStep : kDragStep;
    if (drag.FloorAtZero) value = std::max(value, 0.0);
    if (const char* key = FieldKey(drag.Edit)) value = HeldToSetting(key, value);
    previous = position;
}

ADMBoolean StepDragTrack(ADMItemRef item, ADMTrackerRef tracker) {
    const StepDrag* drag = StepDragOf(ItemID(item));
    const ADMPoint point = TrackedPoint(tracker);
    const int32_t position = drag != nullptr && drag->Horizontal ? point.h : point.v;
    if (drag != nullptr && position >= 0 && position <= drag->Band) {
        ShowCursor(item, drag->Cursor);
        if (MouseCaptured(tracker)) {
            double& value = Working().*drag->Value;
            StepDraggedValue(*drag, value, tracker, position);
            const ADMDialogRef dialog = ItemDialog(item);
            InvalidateItem(dialog, drag->Picture);
            SetItemFloat(dialog, drag->Edit, value);
            ActivateItem(dialog, drag->Edit);
            if (drag->AlsoInvalidate != 0) InvalidateItem(dialog, drag->AlsoInvalidate);
        }
    }
    return DefaultTracking(item, tracker);
}

void CloseOtherOptions(ADMItemRef item) {
    gDialogPositions.OtherOptionsBounds = DialogBounds(ItemDialog(item));
    gDialogOpenFlags.OtherOptionsOpen = 0;
}

void OtherOptionsOk(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    const OtherOptionsWorkingCopy& w = Working();
    SettingWrites writes;
    writes.Flag("Pointille", w.Dashed);
    writes.Flag("BoutRond", w.RoundDashEnds);
    writes.Real("TiretUn", w.DashOne);
    writes.Real("TrouUn", w.GapOne);
    writes.Real("TiretDeux", w.DashTwo);
    writes.Real("TrouDeux", w.GapTwo);
    ApplyDashSettings(gPathStyles.BasePathStyle);
    writes.Real("Gap", w.ExtensionGap);
    writes.Real("GapTexteSeg", w.TextGap);
    writes.Flag("TailleTexteTol", w.ReducedToleranceText);
    writes.Real("DecaleTexteTol", w.ToleranceOffset);
    const int32_t fontStep = gSettings.FontStep;
    writes.Integer("VariablePolice", fontStep);
    writes.Separator("Virgule", w.DecimalSeparator);
    // A refused font step went back to the stored one: the panel's font follows it again.
    if (gSettings.FontStep != fontStep) ReselectPanelFont();
    CloseOtherOptions(item);
    InvalidatePanelItem(kPanelDecimalsGauge);
    writes.TellUser();
}

void OtherOptionsCancel(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    CloseOtherOptions(item);
}

void OtherOptionsDefault(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    const ADMDialogRef dialog = ItemDialog(item);
    OtherOptionsWorkingCopy& w = Working();
    w.ExtensionGap = kDefaultExtensionGap;
    SetItemFloat(dialog, kTieOffsetEdit, w.ExtensionGap);
    InvalidateItem(dialog, kTieOffsetPicture);
    w.TextGap = kDefaultTextGap;
    SetItemFloat(dialog, kTextGapEdit, w.TextGap);
    w.ReducedToleranceText = 1;
    ShowReducedTolerance(dialog);
    w.ToleranceOffset = kDefaultToleranceOffset;
    SetItemFloat(dialog, kToleranceOffsetEdit, w.ToleranceOffset);
    w.DecimalSeparator = ',';
    ShowSeparator(dialog);
    w.Dashed = 0;
    EnableDashItems(dialog);
    InvalidateDialog(dialog);
}

}  // namespace

const char* ReducedToleranceTip(int32_t reduced) {
    return reduced != 0 ? "Taille réduite du texte de tolérance." : "Taille normale du texte de tolérance.";
}

const char* DashEndsTip(int32_t round) { return round != 0 ? "Extrémité arrondie." : "Extrémité carrée."; }

ASErr OtherOptionsInit(ADMDialogRef dialog) {
    sADMDialog->SetText(dialog, kOtherOptionsTitle);
    ADMRect& bounds = gDialogPositions.OtherOptionsBounds;
    SizeRememberedBounds(bounds, kOtherOptionsWidth, kOtherOptionsHeight);
    PlaceDialog(dialog, bounds);
    sADMDialog->SetDrawProc(dialog, OtherOptionsDraw);
    LoadOtherOptionsWorkingCopy();
    for (const DialogItemSpec& desc : kOtherOptionsItems) MakeItem(dialog, desc);
    ShowOtherOptions(dialog);
    EnableItem(dialog, kOtherOptionsOkButton, true);
    gDialogOpenFlags.OtherOptionsOpen = 1;
    return kNoErr;
}

void OpenOtherOptionsDialog() {
    if (gDialogOpenFlags.OtherOptionsOpen != 0 || sADMDialog == nullptr) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), kOtherOptionsDialogName, kOtherOptionsDialogID, kADMModalDialogStyle,
                      OtherOptionsInit, nullptr, 0, &result);
    // However the run ended, the dialog is gone: the next opener may open it again.
    gDialogOpenFlags.OtherOptionsOpen = 0;
}
