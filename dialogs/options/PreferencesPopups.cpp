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

int32_t FixedEntryIndex(double numerator, double denominator) {
    for (int32_t index = 0; index < kCustomScaleEntry; ++index) {
        const ScaleEntry& entry = kScaleEntries[index];
        if (entry.Text != nullptr && entry.Numerator == numerator && entry.Denominator == denominator) return index;
    }
    return kNoScaleIndex;
}

// The custom entry's text and state: the stored custom scale, or "…/…" (disabled) while its numerator is 0.
void ShowCustomEntry(ADMItemRef item) {
    const double numerator = gSettings.CustomScaleNumerator;
    char text[64];
    if (numerator == 0.0)
        std::snprintf(text, sizeof text, "%s", kUnknownCustomScale);
    else
        ScaleText(text, sizeof text, numerator, gSettings.CustomScaleDenominator);
    if (ADMEntryRef entry = EntryAt(item, kCustomScaleEntry)) sADMEntry->SetText(entry, text);
    EnableEntry(item, kCustomScaleEntry, numerator != 0.0);
}

// The index of the entry that shows the working scale, after the entry after the custom one has been made to read
// it when no other entry does, or removed when another does.
int32_t ShowWorkingScale(ADMItemRef item) {
    const double numerator = gPrefs.Working.ScaleNumerator, denominator = gPrefs.Working.ScaleDenominator;
    const int32_t index = ScaleEntryIndex(numerator, denominator);
    if (index != kNoScaleIndex) {
        SetTrailingEntry(item, kInForceScaleEntry, kInForceScaleEntry, nullptr);
        return index;
    }
    char text[64];
    ScaleText(text, sizeof text, numerator, denominator);
    SetTrailingEntry(item, kInForceScaleEntry, kInForceScaleEntry, text);
    return kInForceScaleEntry;
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
    if (const int32_t fixed = FixedEntryIndex(numerator, denominator); fixed != kNoScaleIndex) return fixed;
    return DrawsAsCustomScale(numerator, denominator) ? kCustomScaleEntry : kNoScaleIndex;
}

void FillPreferencesScaleList(ADMItemRef item) {
    for (int32_t index = 0; index < kCustomScaleEntry; ++index) AppendEntry(item, kScaleEntries[index].Text, index);
    gPrefs.Working.ScaleNumerator = gSettings.ScaleNumerator;
    gPrefs.Working.ScaleDenominator = gSettings.ScaleDenominator;
    AppendEntry(item, "", kCustomScaleEntry);
    ShowCustomEntry(item);
}

void SelectPreferencesScaleEntry(ADMItemRef item) {
    for (int32_t index = 0; index <= kInForceScaleEntry; ++index) {
        CheckEntry(item, index, false);
        if (ADMEntryRef entry = EntryAt(item, index)) sADMEntry->Select(entry, 0);
    }
    const int32_t index = ShowWorkingScale(item);
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
