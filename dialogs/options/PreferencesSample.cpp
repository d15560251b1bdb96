// The sample value text: fixed digits at the chosen decimals, with the separator, unit, symbol, prefix and
// suffix that a new dimension of the page's tool would carry.
#include <cstring>
#include <string_view>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"

using namespace prefsitems;

namespace {

constexpr int32_t kMaxSampleDecimals = 6;

// The digits of each sample at 0..6 decimals, comma forms; '.' replaces ',' for another separator.
constexpr const char* kLengthDigits[] = {"689", "689,2", "689,23", "689,230", "689,2304", "689,23045", "689,230451"};
constexpr const char* kAngleDigits[] = {"48", "48,5", "48,53", "48,534", "48,5340", "48,53401", "48,534012"};
constexpr const char* kDiameterDigits[] = {"72", "72,9", "72,90", "72,905", "72,9056", "72,90567", "72,905678"};
constexpr const char* kRadiusDigits[] = {"36", "36,4", "36,45", "36,452", "36,4528", "36,45283", "36,452839"};

// The unit written after the sample, by the default unit.
constexpr const char* kSampleUnits[] = {" mm", " cm", " po", " po", " po", " pt", " pc", " m", "", ""};

constexpr const char* kDegreeSign = "°";
constexpr const char* kDiameterSymbol = "Ø";
constexpr const char* kRadiusSymbol = "R";

// Appends to the sample buffer as much of `text` as fits, never cutting a character in two.
void Append(std::string_view text) {
    char* buffer = gPrefs.SampleTextBuffer;
    const size_t used = std::strlen(buffer);
    if (used + 1 >= kSampleTextSize) return;
    const std::string whole(text);
    const size_t length = CutLength(whole.c_str(), kSampleTextSize - 1 - used);
    std::memcpy(buffer + used, whole.data(), length);
    buffer[used + length] = '\0';
}

// Appends the digits of a sample for the working decimals, with the current separator.
void AppendDigits(const char* const (&digits)[kMaxSampleDecimals + 1]) {
    const int32_t decimals = gPrefs.Working.Decimals;
    if (decimals < 0 || decimals > kMaxSampleDecimals) return;
    std::string text = digits[decimals];
    if (gSettings.DecimalSeparator != ',')
        for (char& c : text)
            if (c == ',') c = '.';
    Append(text);
}

void StartSample() {
    gPrefs.SampleTextBuffer[0] = '\0';
    if (gPrefs.Working.PrefixSuffixOn != 0) Append(gPrefs.Working.Prefix);
}

void EndSample() {
    if (gPrefs.Working.PrefixSuffixOn != 0) Append(gPrefs.Working.Suffix);
}

void BuildCircleSample() {
    const PreferencesWorkingCopy& working = gPrefs.Working;
    const char* symbol = working.Diameter != 0 ? kDiameterSymbol : kRadiusSymbol;
    const bool shown = working.CircleSymbolShown != 0;
    if (shown && working.CircleSymbolBefore != 0) Append(symbol);
    AppendSampleCircleValue();
    AppendSampleUnit();
    if (shown && working.CircleSymbolBefore == 0) Append(symbol);
}

}  // namespace

void AppendSampleUnit() {
    const int32_t unit = gPrefs.Working.Unit;
    if (gPrefs.Working.ShowUnit == 0 || unit < 0 || unit >= static_cast<int32_t>(std::size(kSampleUnits))) return;
    Append(kSampleUnits[unit]);
}

void AppendSampleCircleValue() { AppendDigits(gPrefs.Working.Diameter != 0 ? kDiameterDigits : kRadiusDigits); }

void UpdateSampleText(ADMItemRef item) {
    switch (gPrefs.PrefsPage) {
        case kSegmentPrefsPage:
        case kBezierPrefsPage:
            StartSample();
            AppendDigits(kLengthDigits);
            AppendSampleUnit();
            EndSample();
            break;
        case kAnglePrefsPage:
            StartSample();
            AppendDigits(kAngleDigits);
            if (gPrefs.Working.ShowAngleUnit != 0) Append(kDegreeSign);
            EndSample();
            break;
        case kCirclePrefsPage:
            StartSample();
            BuildCircleSample();
            EndSample();
            break;
        default:
            break;
    }
    if (item != nullptr) sADMItem->SetText(item, gPrefs.SampleTextBuffer);
}

void RefreshSampleText(ADMDialogRef dialog) { UpdateSampleText(PrefsItem(dialog, kSampleTextItem)); }
