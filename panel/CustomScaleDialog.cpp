#include "panel/CustomScaleDialog.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "dimension/ValueFormat.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
#include "frame/ScaleText.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/ScalePopup.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

namespace {

constexpr const char* kDialogName = "bidon";
constexpr const char* kTitle = "Échelle personnalisée.";
constexpr int32_t kWidth = 200;
constexpr int32_t kHeight = 120;

constexpr int32_t kNumeratorField = 10;
constexpr int32_t kNumeratorPicture = 11;
constexpr int32_t kDenominatorField = 12;
constexpr int32_t kDenominatorPicture = 13;
constexpr int32_t kCancelButton = 2;
constexpr int32_t kOkButton = 1;

// The smallest numerator or denominator, the arrow steps and the decimals the fields show.
constexpr float kSmallestTerm = 0.0001f;
constexpr float kSmallStep = 0.1f;
constexpr float kLargeStep = 1.0f;
constexpr int32_t kFieldDecimals = 6;

// One item of the dialog, made in table order.
struct DialogItem {
    int32_t Id;
    const char* Type;
    ADMRect Bounds;
    const char* Text;
    const char* Tip;
    ADMItemNotifyProc Notify;
};

constexpr DialogItem kItems[] = {
    {kNumeratorField, kADMSpinEditType, {20, 14, 84, 36}, nullptr, nullptr, CustomNumeratorNotify},
    {kNumeratorPicture, kADMPicturePushButtonType, {0, 14, 13, 36}, nullptr,
     "Numérateur de l'échelle personnalisée (entier ou décimal).", CustomScalePictureNotify},
    {kDenominatorField, kADMSpinEditType, {124, 14, 188, 36}, nullptr, nullptr, CustomDenominatorNotify},
    {kDenominatorPicture, kADMPicturePushButtonType, {100, 14, 123, 36}, nullptr,
     "Dénominateur de l'échelle personnalisée (entier ou décimal).", CustomScalePictureNotify},
    {kCancelButton, kADMTextPushButtonType, {10, 62, 78, 82}, "Annuler", "Aucune modification (Esc).",
     CustomScaleCancel},
    {kOkButton, kADMTextPushButtonType, {131, 62, 189, 82}, "OK", "Validation de l'échelle préférée (Retour).",
     CustomScaleOk},
};

// The letters over the two pictures and the colon between the fields: cleared rectangle, text, point.
struct Caption {
    ADMRect Clear;
    const char* Text;
    ADMPoint At;
};
constexpr Caption kCaptions[] = {
    {{5, 18, 17, 32}, "N", {6, 29}},
    {{92, 18, 96, 32}, ":", {92, 29}},
    {{110, 18, 120, 32}, "D", {110, 29}},
};
constexpr ADMRect kConversionClear{10, 40, 200, 60};
constexpr ADMPoint kConversionAt{40, 54};

// The pair the dialog edits; the stored custom scale changes only on OK.
struct WorkingScale {
    double Numerator = 1.0;
    double Denominator = 1.0;
};
WorkingScale gWorking;

// Each unit's name in the conversion line; any other unit reads in millimetres.
const char* UnitName(int32_t unit) {
    switch (unit) {
        case kUnitCentimetres: return "cm";
        case kUnitDecimalInches:
        case kUnitFractionalInches:
        case kUnitFeetAndInches: return "in";
        case kUnitPoints: return "pt";
        case kUnitPicas: return "pi";
        case kUnitMetres: return "m";
        default: return "mm";
    }
}

const char* UnitSuffix(int32_t unit) {
    switch (unit) {
        case kUnitDecimalInches:
        case kUnitFractionalInches:
        case kUnitFeetAndInches: return "po";
        default: return UnitName(unit);
    }
}

void MakeItem(ADMDialogRef dialog, const DialogItem& desc) {
    ADMItemRef item = nullptr;
    if (sADMItem->Create(dialog, desc.Id, desc.Type, &desc.Bounds, nullptr, nullptr, 0, &item) != kNoErr ||
        item == nullptr)
        return;
    if (desc.Id == kNumeratorField || desc.Id == kDenominatorField) {
        sADMItem->SetUnits(item, kADMNoUnits);
        sADMItem->SetMinFloatValue(item, kSmallestTerm);
        sADMItem->SetSmallIncrement(item, kSmallStep);
        sADMItem->SetLargeIncrement(item, kLargeStep);
        sADMItem->SetPrecision(item, kFieldDecimals);
        const double value = desc.Id == kNumeratorField ? gWorking.Numerator : gWorking.Denominator;
        sADMItem->SetFloatValue(item, static_cast<float>(value));
        BoundFieldToSetting(item, desc.Id == kNumeratorField ? "EchelleNumPersoReal" : "EchelleDenPersoReal");
    } else if (desc.Type == std::string_view(kADMPicturePushButtonType)) {
        sADMItem->SetDrawProc(item, NoOpProc);
    }
    if (desc.Text != nullptr) sADMItem->SetText(item, desc.Text);
    if (desc.Id == kOkButton) sADMItem->Enable(item, 1);
    if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
    sADMItem->SetNotifyProc(item, desc.Notify);
}

// A term typed into a field; false for one the scale cannot take (the field keeps the last good one).
bool TakeTerm(ADMItemRef item, ADMNotifierRef notifier, const char* key, double& term) {
    if (!IsUserChange(notifier)) return false;
    const double value = KeptFieldValue(item, term);
    if (value < kSmallestTerm) return false;
    term = HeldToSetting(key, value);
    ADMDialogRef dialog = nullptr;
    if (sADMItem->GetDialog(item, &dialog) == kNoErr) sADMDialog->Invalidate(dialog);
    return true;
}

void KeepBounds(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    if (sADMItem->GetDialog(item, &dialog) == kNoErr)
        sADMDialog->GetBoundsRect(dialog, &gDialogPositions.CustomScaleDialogBounds);
}

}  // namespace

std::string CustomScaleConversionText(int32_t unit, double numerator, double denominator) {
    char ratio[kScaleTermTextSize] = "";
    if (numerator != 0.0 && std::isfinite(denominator / numerator))
        ScaleTermText(ratio, sizeof ratio, denominator / numerator);
    std::string text = ratio;
    if (const size_t point = text.find('.'); point != std::string::npos && gSettings.DecimalSeparator == ',')
        text[point] = ',';
    return std::string("1 ") + UnitName(unit) + " -> " + text + " " + UnitSuffix(unit);
}

void OpenCustomScaleDialog() {
    if (gDialogOpenFlags.CustomScaleDialogOpen != 0 || PanelDialog == nullptr) return;
    SPPluginRef plugin = nullptr;
    sADMDialog->GetPluginRef(PanelDialog, &plugin);
    int32_t result = 0;
    sADMDialog->Modal(plugin, kDialogName, kCustomScaleDialogID, kADMModalDialogStyle, CustomScaleInit, nullptr, 0,
                      &result);
}

ASErr CustomScaleInit(ADMDialogRef dialog) {
    gWorking = {gSettings.CustomScaleNumerator, gSettings.CustomScaleDenominator};
    ADMRect& bounds = gDialogPositions.CustomScaleDialogBounds;
    bounds.right = bounds.left + kWidth;
    bounds.bottom = bounds.top + kHeight;
    sADMDialog->SetBoundsRect(dialog, &bounds);
    sADMDialog->SetText(dialog, kTitle);
    sADMDialog->SetDrawProc(dialog, CustomScaleDraw);
    for (const DialogItem& item : kItems) MakeItem(dialog, item);
    gDialogOpenFlags.CustomScaleDialogOpen = 1;
    return kNoErr;
}

void CustomScaleDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    for (const Caption& caption : kCaptions) {
        sADMDrawer->ClearRect(drawer, &caption.Clear);
        sADMDrawer->DrawText(drawer, caption.Text, &caption.At);
    }
    const std::string line = CustomScaleConversionText(gCurrentOptions.Unit, gWorking.Numerator, gWorking.Denominator);
    sADMDrawer->ClearRect(drawer, &kConversionClear);
    sADMDrawer->DrawText(drawer, line.c_str(), &kConversionAt);
}

void CustomNumeratorNotify(ADMItemRef item, ADMNotifierRef notifier) {
    TakeTerm(item, notifier, "EchelleNumPersoReal", gWorking.Numerator);
}

void CustomDenominatorNotify(ADMItemRef item, ADMNotifierRef notifier) {
    TakeTerm(item, notifier, "EchelleDenPersoReal", gWorking.Denominator);
}

void CustomScalePictureNotify(ADMItemRef item, ADMNotifierRef) {
    int32_t id = 0;
    if (sADMItem->GetID(item, &id) != kNoErr) return;
    if (id == kNumeratorPicture) ActivateCustomScaleItem(item, kNumeratorField);
    if (id == kDenominatorPicture) ActivateCustomScaleItem(item, kDenominatorField);
}

void CustomScaleOk(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    KeepBounds(item);
    gSettings.CustomScaleNumerator = HeldToSetting("EchelleNumPersoReal", gWorking.Numerator);
    gSettings.CustomScaleDenominator = HeldToSetting("EchelleDenPersoReal", gWorking.Denominator);
    SetCustomScaleEntry(PanelItem(kScalePopupItem));
    WriteRealPreference("EchelleNumPersoReal", gSettings.CustomScaleNumerator);
    WriteRealPreference("EchelleDenPersoReal", gSettings.CustomScaleDenominator);
    gDialogOpenFlags.CustomScaleDialogOpen = 0;
}

void CustomScaleCancel(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    gDialogOpenFlags.CustomScaleDialogOpen = 0;
    KeepBounds(item);
}

void ActivateCustomScaleItem(ADMItemRef item, int32_t itemID) {
    ActivateDialogItem(item, static_cast<int16_t>(itemID));
}
