// The default-unit popup, with its switch that writes the unit after lengths, and the scale popup, whose
// entries stand for fixed drawing scales and one custom scale.
#include <cstdio>
#include <iterator>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/ScaleText.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/Platform.h"

using namespace prefsitems;

namespace {

constexpr const char* kUnitNames[] = {"mm", "cm", "po (décimal)", "po (fractionnaire)", "pi po (fractionnaire)",
                                      "Point", "Pica", "m"};
constexpr int32_t kUnitCount = static_cast<int32_t>(std::size(kUnitNames));
constexpr const char* kShowUnitText = "Afficher l'unité.";
constexpr int32_t kDialogFont = 1;

const PrefsItemSpec kUnitPopup[] = {
    {.Id = kUnitPopupItem, .Type = kADMPopupListType, .Bounds = {36, 273, 156, 290},
     .Tip = "Choix de l'unité par défaut.", .Notify = DefaultUnitPopupNotify, .Font = kDialogFont},
};

// One entry of the scale popup: its text (null for a separator) and its scale.
struct ScaleEntry {
    const char* Text;
    double Numerator;
    double Denominator;
};
constexpr ScaleEntry kScaleEntries[] = {
    {"1/125", 1, 125}, {"1/100", 1, 100}, {"1/75", 1, 75}, {"1/50", 1, 50}, {"1/25", 1, 25}, {"1/20", 1, 20},
    {"1/10", 1, 10},   {"1/5", 1, 5},     {"1/4", 1, 4},   {"1/3", 1, 3},   {"1/2", 1, 2},   {nullptr, 0, 0},
    {"1", 1, 1},       {nullptr, 0, 0},   {"2/1", 2, 1},   {"3/1", 3, 1},   {"4/1", 4, 1},   {"5/1", 5, 1},
    {"10/1", 10, 1},   {"20/1", 20, 1},   {"25/1", 25, 1}, {"50/1", 50, 1}, {"75/1", 75, 1}, {"100/1", 100, 1},
    {"125/1", 125, 1}, {nullptr, 0, 0},
};
static_assert(std::size(kScaleEntries) == kCustomScaleEntry);

constexpr const char* kUnknownCustomScale = "…/…";
constexpr uint32_t kRefusedFrequency = 9000;
constexpr uint32_t kRefusedDuration = 100;

ADMEntryRef EntryAt(ADMItemRef item, int32_t index) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->IndexEntry(list, index, &entry) != kNoErr)
        return nullptr;
    return entry;
}

void CheckEntry(ADMItemRef item, int32_t index, bool checked) {
    if (ADMEntryRef entry = EntryAt(item, index)) sADMEntry->Check(entry, checked ? 1 : 0);
}

void EnableEntry(ADMItemRef item, int32_t index, bool enabled) {
    if (ADMEntryRef entry = EntryAt(item, index)) sADMEntry->Enable(entry, enabled ? 1 : 0);
}

// The custom entry's text: the stored custom scale, or "…/…" while its numerator is 0.
void CustomScaleText(char (&text)[64]) {
    if (gSettings.CustomScaleNumerator == 0.0) {
        std::snprintf(text, sizeof text, "%s", kUnknownCustomScale);
        return;
    }
    ScaleText(text, sizeof text, gSettings.CustomScaleNumerator, gSettings.CustomScaleDenominator);
}

}  // namespace

void BuildDefaultUnitPopup(ADMDialogRef dialog) {
    CreatePrefsItems(dialog, kUnitPopup);
    ADMItemRef popup = PrefsItem(dialog, kUnitPopupItem);
    if (popup == nullptr) return;
    for (int32_t index = 0; index < kUnitCount; ++index) AppendEntry(popup, kUnitNames[index], index);
    AppendEntry(popup, nullptr, kUnitCount);
    AppendEntry(popup, kShowUnitText, kShowUnitEntry);
    gPrefs.Working.ShowUnit = gSettings.ShowUnit;
    CheckEntry(popup, kShowUnitEntry, gPrefs.Working.ShowUnit != 0);
    gPrefs.Working.Unit = gSettings.Unit;
    ChooseEntryAt(popup, gPrefs.Working.Unit);
}

// Shows the working unit and the check mark of the switch.
void ShowDefaultUnit(ADMDialogRef dialog) {
    ADMItemRef popup = PrefsItem(dialog, kUnitPopupItem);
    if (popup == nullptr) return;
    CheckEntry(popup, kShowUnitEntry, gPrefs.Working.ShowUnit != 0);
    ChooseEntryAt(popup, gPrefs.Working.Unit);
}

void DefaultUnitPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    if (index >= 0 && index < kUnitCount) {
        gPrefs.Working.Unit = index;
    } else if (index == kShowUnitEntry) {
        gPrefs.Working.ShowUnit = gPrefs.Working.ShowUnit != 0 ? 0 : 1;
        CheckEntry(item, kShowUnitEntry, gPrefs.Working.ShowUnit != 0);
        ChooseEntryAt(item, gPrefs.Working.Unit);
    }
    RefreshSampleText(DialogOf(item));
}

bool FixedScaleOfEntry(int32_t index, double& numerator, double& denominator) {
    if (index < 0 || index >= kCustomScaleEntry || kScaleEntries[index].Text == nullptr) return false;
    numerator = kScaleEntries[index].Numerator;
    denominator = kScaleEntries[index].Denominator;
    return true;
}

int32_t ScaleEntryIndex(double numerator, double denominator) {
    for (int32_t index = 0; index < kCustomScaleEntry; ++index) {
        const ScaleEntry& entry = kScaleEntries[index];
        if (entry.Text != nullptr && entry.Numerator == numerator && entry.Denominator == denominator) return index;
    }
    // The custom entry stands for the stored custom scale only while it shows it.
    if (gSettings.CustomScaleNumerator != 0.0 && numerator == gSettings.CustomScaleNumerator &&
        denominator == gSettings.CustomScaleDenominator)
        return kCustomScaleEntry;
    return kNoScaleIndex;
}

void FillPreferencesScaleList(ADMItemRef item) {
    for (int32_t index = 0; index < kCustomScaleEntry; ++index) AppendEntry(item, kScaleEntries[index].Text, index);
    gPrefs.Working.ScaleNumerator = gSettings.ScaleNumerator;
    gPrefs.Working.ScaleDenominator = gSettings.ScaleDenominator;
    char custom[64];
    CustomScaleText(custom);
    AppendEntry(item, custom, kCustomScaleEntry);
    EnableEntry(item, kCustomScaleEntry, gSettings.CustomScaleNumerator != 0.0);
}

void SelectPreferencesScaleEntry(ADMItemRef item) {
    for (int32_t index = 0; index < kScaleEntryCount; ++index) {
        CheckEntry(item, index, false);
        if (ADMEntryRef entry = EntryAt(item, index)) sADMEntry->Select(entry, 0);
    }
    const int32_t index = ScaleEntryIndex(gPrefs.Working.ScaleNumerator, gPrefs.Working.ScaleDenominator);
    if (index == kNoScaleIndex) return;
    CheckEntry(item, index, true);
    ChooseEntryAt(item, index);
}

void PreferencesScalePopupNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t index = GetPopupIndex(item);
    double numerator = 0.0;
    double denominator = 0.0;
    if (FixedScaleOfEntry(index, numerator, denominator)) {
        gPrefs.Working.ScaleNumerator = numerator;
        gPrefs.Working.ScaleDenominator = denominator;
    } else if (index == kCustomScaleEntry) {
        if (gSettings.CustomScaleNumerator == 0.0) {
            Beep(kRefusedFrequency, kRefusedDuration);
            EnableEntry(item, kCustomScaleEntry, false);
        } else {
            gPrefs.Working.ScaleNumerator = gSettings.CustomScaleNumerator;
            gPrefs.Working.ScaleDenominator = gSettings.CustomScaleDenominator;
            EnableEntry(item, kCustomScaleEntry, true);
        }
    }
    SelectPreferencesScaleEntry(item);
}
