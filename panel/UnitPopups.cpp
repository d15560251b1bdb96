#include "panel/UnitPopups.h"

#include <iterator>

#include "dimension/CurrentDimension.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/ArtSuite.h"
#include "host/TextFrameSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

// Entry ids of the unit popup beside the unit codes.
constexpr int32_t kShowUnitEntry = 11;
// The fraction popup's entry chosen at each build: 1/8 inch.
constexpr int32_t kEighthEntry = 3;
constexpr int16_t kStartInchFraction = 8;

constexpr const char* kFractionTexts[] = {"1", "1/2", "1/4", "1/8", "1/16", "1/32"};
constexpr const char* kUnitTexts[] = {"mm", "cm", "po (décimal)", "po (fractionnaire)", "pi po (fractionnaire)",
                                      "Point", "Pica", "m", "Cote (sans)", "Texte libre"};

// The field unit and arrow steps of each live unit, in points.
struct FieldUnit {
    int32_t Units;
    float Small;
    float Large;
};
constexpr float kMillimetre = 2.8346457f;
constexpr FieldUnit kFieldUnits[] = {
    {kADMMillimeterUnits, kMillimetre, 28.346457f},  // 0 mm
    {kADMCentimeterUnits, kMillimetre, 28.346457f},  // 1 cm
    {kADMInchUnits, 7.2f, 72.0f},                    // 2 decimal inches
    {kADMInchUnits, 7.2f, 72.0f},                    // 3 fractional inches
    {kADMInchUnits, 7.2f, 72.0f},                    // 4 feet and inches
    {kADMPointUnits, 1.0f, 10.0f},                   // 5 points
    {kADMPicaUnits, 1.0f, 12.0f},                    // 6 picas
    {kADMMillimeterUnits, kMillimetre, 28.346457f},  // 7 metres, edited in millimetres
};

// The length fields whose unit follows the live unit.
constexpr int32_t kLengthFields[] = {kSideTieItem, kArcRadiusItem, kCircleTieItem, kPathLengthItem};

bool IsFractional(int32_t unit) { return unit == kUnitFractionalInches || unit == kUnitFeetAndInches; }

void SetUpFractionPopup(ADMItemRef item) {
    for (int32_t id = 0; id < static_cast<int32_t>(std::size(kFractionTexts)); ++id)
        AppendEntry(item, kFractionTexts[id], id);
    SelectEntryByID(item, kEighthEntry);
    sADMItem->Show(item, IsFractional(gCurrentOptions.Unit) ? 1 : 0);
}

void SetUpUnitPopup(ADMItemRef item) {
    for (int32_t id = 0; id < static_cast<int32_t>(std::size(kUnitTexts)); ++id) AppendEntry(item, kUnitTexts[id], id);
    AppendEntry(item, nullptr, 0);
    AppendEntry(item, "Afficher l'unité.", kShowUnitEntry);
    CheckEntryByID(item, kShowUnitEntry, gSettings.ShowUnit != 0);
    SelectEntryByID(item, gCurrentOptions.Unit);
}

constexpr PanelItemSpec kUnitPopups[] = {
    {kFractionPopupItem, kADMPopupListType, {6, 46, 59, 63}, "Précision pour les pouces fractionnaires.", nullptr,
     PrecisionPopupNotify, nullptr, true, SetUpFractionPopup},
    {kUnitPopupItem, kADMPopupListType, {6, 68, 110, 85}, "Liste des unités.", nullptr, UnitPopupNotify, nullptr, true,
     SetUpUnitPopup},
};

// Brings back an empty label frame in the dimension being edited after "Cote (sans)" removed it.
void EnsureLabelFrame() {
    CurrentDimension& d = gCurrentDimension;
    if (!IsLiveArt(d.DimensionGroup) || IsLiveArt(d.LabelFrames[0])) return;
    AIArtHandle frame = nullptr;
    if (sAITextFrame->NewPointText(kPlaceInsideOnTop, d.DimensionGroup, kHorizontalTextOrientation, AIRealPoint{},
                                   &frame) == kNoErr)
        d.LabelFrames[0] = frame;
}

// The items that belong to a kind of value: a number, a fraction, no value or a free text.
void ShowItemsOfUnit(int32_t unit) {
    const bool number = unit != kUnitNoValue && unit != kUnitFreeText;
    const bool fractional = IsFractional(unit);
    EnablePanelItem(kFreeTextMenuItem, unit == kUnitFreeText);
    EnablePanelItem(kFreeTextItem, unit == kUnitFreeText);
    if (unit == kUnitFreeText && gValueFormat.FreeLabelText != nullptr)
        sADMItem->SetText(PanelItem(kFreeTextItem), gValueFormat.FreeLabelText);
    for (int32_t id : {kDecimalsItem, kDecimalsPictureItem}) {
        ShowPanelItem(id, !fractional);
        EnablePanelItem(id, number && !fractional);
    }
    ShowPanelItem(kFractionPopupItem, fractional);
    EnablePanelItem(kFractionPopupItem, fractional);
    if (fractional)
        if (ADMItemRef fraction = PanelItem(kFractionPopupItem))
            sADMItem->Move(fraction, 6, gToolState.CurrentTool == kMeasureTool ? 4 : 46);
    EnablePanelItem(kToleranceButtonItem, number);
    EnablePanelItem(kToleranceTextItem, number && gValueFormat.ToleranceOn != 0);
    EnablePanelItem(kTextOrientationItem, unit != kUnitNoValue);
    if (unit == kUnitNoValue)
        DisposeArtIfValid(&gCurrentDimension.LabelFrames[0]);
    else
        EnsureLabelFrame();
    EnableEntryByID(PanelItem(kUnitPopupItem), kShowUnitEntry, number);
    if (number)
        for (int32_t id : kLengthFields) SetFieldUnits(PanelItem(id));
}

}  // namespace

void BuildUnitPopups(ADMDialogRef dialog) {
    gValueFormat.InchFraction = kStartInchFraction;
    MakePanelItems(dialog, kUnitPopups);
}

void SetFieldUnits(ADMItemRef item) {
    const int32_t unit = gCurrentOptions.Unit;
    if (item == nullptr || unit < 0 || unit >= static_cast<int32_t>(std::size(kFieldUnits))) return;
    const FieldUnit& field = kFieldUnits[unit];
    sADMItem->SetUnits(item, field.Units);
    SetSteps(item, field.Small, field.Large);
}

void PrecisionPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    if (index < 0 || index >= static_cast<int32_t>(std::size(kFractionTexts))) return;
    gValueFormat.InchFraction = static_cast<int16_t>(1 << index);
    RefreshCurrentDimension();
}

void UnitPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const int32_t unitOnEntry = gCurrentOptions.Unit;
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    if (index >= kUnitMillimetres && index <= kUnitFreeText) {
        gCurrentOptions.Unit = index;
        ShowItemsOfUnit(index);
    } else if (index == kShowUnitEntry) {
        gCurrentOptions.ShowUnit = gCurrentOptions.ShowUnit == 0 ? 1 : 0;
        CheckEntryByID(item, kShowUnitEntry, gCurrentOptions.ShowUnit != 0);
        SelectEntryByID(item, unitOnEntry);
    }
    RefreshCurrentDimension();
    ShowFigureArea();
}
