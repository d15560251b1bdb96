#include "panel/ScalePopup.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "frame/LiveOptions.h"
#include "frame/ScaleText.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/CustomScaleDialog.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentOptions.h"

namespace {

// A fixed scale of the popup: its entry id, text, numerator and denominator.
struct FixedScale {
    int32_t Id;
    const char* Text;
    double Numerator;
    double Denominator;
};

// In the popup's order; ids 11, 13 and 25 are the separators'.
constexpr FixedScale kFixedScales[] = {
    {0, "1/125", 1, 125}, {1, "1/100", 1, 100}, {2, "1/75", 1, 75},   {3, "1/50", 1, 50},    {4, "1/25", 1, 25},
    {5, "1/20", 1, 20},   {6, "1/10", 1, 10},   {7, "1/5", 1, 5},     {8, "1/4", 1, 4},      {9, "1/3", 1, 3},
    {10, "1/2", 1, 2},    {12, "1", 1, 1},      {14, "2/1", 2, 1},    {15, "3/1", 3, 1},     {16, "4/1", 4, 1},
    {17, "5/1", 5, 1},    {18, "10/1", 10, 1},  {19, "20/1", 20, 1},  {20, "25/1", 25, 1},   {21, "50/1", 50, 1},
    {22, "75/1", 75, 1},  {23, "100/1", 100, 1}, {24, "125/1", 125, 1},
};
// The order in which the live scale is matched: 1/1, the enlargements, then the reductions.
constexpr int32_t kMatchOrder[] = {12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};

constexpr int32_t kOtherScaleEntry = 26;
constexpr int32_t kCustomScaleEntry = 27;
// Follows the custom entry while no other entry reads the scale in force (a default scale that is not the stored
// custom one), so that the popup shows that scale; choosing it keeps it.
constexpr int32_t kInForceScaleEntry = 28;
constexpr int32_t kLastScaleEntry = 28;
constexpr size_t kCustomTextSize = 40;

const FixedScale* FixedScaleOf(int32_t id) {
    for (const FixedScale& scale : kFixedScales)
        if (scale.Id == id) return &scale;
    return nullptr;
}

int32_t FixedEntryOf(double numerator, double denominator) {
    for (int32_t id : kMatchOrder) {
        const FixedScale* scale = FixedScaleOf(id);
        if (scale->Numerator == numerator && scale->Denominator == denominator) return id;
    }
    return kNoScaleEntry;
}

// The scale ratio of the live scale; a ratio that cannot divide keeps the old one.
void UpdateLiveScaleRatio() {
    const double ratio = gCurrentOptions.ScaleNumerator / gCurrentOptions.ScaleDenominator;
    if (std::isfinite(ratio) && ratio > 0.0) gSettings.ScaleRatio = ratio;
}

}  // namespace

void FillScaleEntries(ADMItemRef popup) {
    for (const FixedScale& scale : kFixedScales) {
        if (scale.Id == 12 || scale.Id == 14) AppendEntry(popup, nullptr, 0);
        AppendEntry(popup, scale.Text, scale.Id);
    }
    AppendEntry(popup, nullptr, 0);
    AppendEntry(popup, "Autre échelle…", kOtherScaleEntry);
    LoadLiveOption(&CurrentOptions::ScaleNumerator);
    LoadLiveOption(&CurrentOptions::ScaleDenominator);
    AppendEntry(popup, "", kCustomScaleEntry);
    SetCustomScaleEntry(popup);
}

void SetCustomScaleEntry(ADMItemRef popup) {
    const double numerator = gSettings.CustomScaleNumerator;
    const double denominator = gSettings.CustomScaleDenominator;
    char text[kCustomTextSize] = "…/…";
    const bool usable = numerator != 0.0 && denominator != 0.0;
    if (usable) ScaleText(text, sizeof text, numerator, denominator);
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (popup == nullptr || sADMItem->GetList(popup, &list) != kNoErr ||
        sADMList->GetEntry(list, kCustomScaleEntry, &entry) != kNoErr)
        return;
    sADMEntry->SetText(entry, text);
    sADMEntry->Enable(entry, usable ? 1 : 0);
}

int32_t ScaleEntryOf(double numerator, double denominator) {
    if (const int32_t fixed = FixedEntryOf(numerator, denominator); fixed != kNoScaleEntry) return fixed;
    return DrawsAsCustomScale(numerator, denominator) ? kCustomScaleEntry : kNoScaleEntry;
}

void SelectPanelScaleEntry(ADMItemRef popup) {
    if (popup == nullptr) return;
    for (int32_t id = 0; id <= kLastScaleEntry; ++id) {
        CheckEntryByID(popup, id, false);
        DeselectEntryByID(popup, id);
    }
    const double numerator = gCurrentOptions.ScaleNumerator, denominator = gCurrentOptions.ScaleDenominator;
    int32_t chosen = ScaleEntryOf(numerator, denominator);
    char text[kCustomTextSize] = "";
    if (chosen == kNoScaleEntry) {
        ScaleText(text, sizeof text, numerator, denominator);
        chosen = kInForceScaleEntry;
    }
    SetTrailingEntry(popup, kInForceScaleEntry, kInForceScaleEntry, chosen == kInForceScaleEntry ? text : nullptr);
    CheckEntryByID(popup, chosen, true);
    SelectEntryByID(popup, chosen);
}

void ShowScaleMarker() {
    ADMItemRef marker = PanelItem(kScaleMarkerItem);
    if (marker == nullptr) return;
    const bool shown = gSettings.ScaleRatio != 1.0;
    sADMItem->Show(marker, shown ? 1 : 0);
    if (shown) sADMItem->SetTipString(marker, "Indique que l'échelle n'est pas 1.");
}

void ScalePopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    int32_t id = -1;
    if (sADMItem->GetList(item, &list) == kNoErr && sADMList->GetActiveEntry(list, &entry) == kNoErr &&
        entry != nullptr)
        sADMEntry->GetID(entry, &id);
    CurrentOptions& live = gCurrentOptions;
    if (const FixedScale* scale = FixedScaleOf(id)) {
        live.ScaleNumerator = scale->Numerator;
        live.ScaleDenominator = scale->Denominator;
    } else if (id == kOtherScaleEntry) {
        // The scale in force stays as it is: the new custom scale is put in force by choosing its entry.
        OpenCustomScaleDialog();
    } else if (id == kCustomScaleEntry) {
        live.ScaleNumerator = gSettings.CustomScaleNumerator;
        live.ScaleDenominator = gSettings.CustomScaleDenominator;
    }
    UpdateLiveScaleRatio();
    SelectPanelScaleEntry(item);
    ShowScaleMarker();
    RefreshCurrentDimension();
    ShowFigureArea();
}
