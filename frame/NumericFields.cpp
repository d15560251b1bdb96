#include "frame/NumericFields.h"

#include <algorithm>
#include <cmath>

#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"

namespace {

// Points in one unit of a length field's unit; 1 for a field that holds the number it shows.
double PointsPerFieldUnit(int32_t units) {
    switch (units) {
        case kADMInchUnits: return 72.0;
        case kADMMillimeterUnits: return 72.0 / 25.4;
        case kADMCentimeterUnits: return 720.0 / 25.4;
        case kADMPicaUnits: return 12.0;
        default: return 1.0;
    }
}

// The decimals a field shows when its precision asks for as many as the value needs.
constexpr int32_t kMostFieldDecimals = 4;

// Half the last decimal the field shows, as the field holds its value: a value read back from the field's text
// within it of the one shown is the one shown.
double FieldResolution(ADMItemRef item) {
    int32_t units = kADMNoUnits, precision = -1;
    if (sADMItem->GetUnits(item, &units) != kNoErr) units = kADMNoUnits;
    if (sADMItem->GetPrecision(item, &precision) != kNoErr || precision < 0 || precision > kMostFieldDecimals)
        precision = kMostFieldDecimals;
    return 0.5 * std::pow(10.0, -precision) * PointsPerFieldUnit(units);
}

// What a field shows of `value`: the value held to the field's bounds (a drag may put in force a length past
// them, which the field shows at its bound).
double ShownWithinBounds(ADMItemRef item, double value) {
    float minimum = 0.0f, maximum = 0.0f;
    if (sADMItem->GetMinFloatValue(item, &minimum) != kNoErr || sADMItem->GetMaxFloatValue(item, &maximum) != kNoErr ||
        !(minimum <= maximum))
        return value;
    return std::clamp(value, static_cast<double>(minimum), static_cast<double>(maximum));
}

}  // namespace

double FieldReal(ADMItemRef item, double fallback) {
    float value = 0.0f;
    if (item == nullptr || sADMItem == nullptr || sADMItem->GetFloatValue(item, &value) != kNoErr ||
        !std::isfinite(value))
        return fallback;
    return value;
}

double KeptFieldValue(ADMItemRef item, double shown) {
    const double value = FieldReal(item, shown);
    if (item == nullptr || sADMItem == nullptr) return value;
    const double within = ShownWithinBounds(item, shown);
    if (std::abs(value - within) > FieldResolution(item)) return value;
    // The field holds the value in force again, not the number its text read back: a later Enter, in this unit
    // or after a change of unit, still finds it.
    if (value != static_cast<double>(static_cast<float>(within)))
        sADMItem->SetFloatValue(item, static_cast<float>(within));
    return shown;
}

double TakenFieldValue(ADMItemRef item, double shown, const RealRange& range) {
    const double value = KeptFieldValue(item, shown);
    if (value == shown) return shown;
    const double held = HeldToRange(value, range, shown);
    if (held != value && item != nullptr && sADMItem != nullptr)
        sADMItem->SetFloatValue(item, static_cast<float>(held));
    return held;
}

double TakenSettingValue(ADMItemRef item, double shown, const char* key) {
    const SettingEntry* entry = SettingOfType(key, SettingType::Real);
    return entry != nullptr ? TakenFieldValue(item, shown, entry->Reals) : KeptFieldValue(item, shown);
}

int32_t FieldInt32(ADMItemRef item, int32_t fallback) { return RoundedInt32(FieldReal(item, fallback), fallback); }

void ShowWholeNumber(ADMItemRef item, int32_t value) {
    float shown = 0.0f;
    if (item == nullptr || sADMItem == nullptr) return;
    if (sADMItem->GetFloatValue(item, &shown) != kNoErr ||
        static_cast<double>(shown) != static_cast<double>(value))
        sADMItem->SetIntValue(item, value);
}

void BoundFieldTo(ADMItemRef item, const RealRange& range, double fieldPerStored) {
    if (item == nullptr || sADMItem == nullptr) return;
    // A direction is taken modulo its turn by whoever reads the field: the field itself holds any number.
    const RealRange bounds = range.Turn > 0.0 ? RealRange{-kWidestFieldBound, kWidestFieldBound} : range;
    double low = bounds.Minimum * fieldPerStored, high = bounds.Maximum * fieldPerStored;
    if (low > high) std::swap(low, high);
    float minimum = -static_cast<float>(kWidestFieldBound), maximum = static_cast<float>(kWidestFieldBound);
    if (sADMItem->GetMinFloatValue(item, &minimum) != kNoErr || !std::isfinite(minimum))
        minimum = -static_cast<float>(kWidestFieldBound);
    if (sADMItem->GetMaxFloatValue(item, &maximum) != kNoErr || !std::isfinite(maximum))
        maximum = static_cast<float>(kWidestFieldBound);
    const auto lowest = static_cast<float>(std::clamp(low, -kWidestFieldBound, kWidestFieldBound));
    const auto highest = static_cast<float>(std::clamp(high, -kWidestFieldBound, kWidestFieldBound));
    minimum = std::clamp(minimum, lowest, highest);
    maximum = std::clamp(maximum, minimum, highest);
    sADMItem->SetMinFloatValue(item, minimum);
    sADMItem->SetMaxFloatValue(item, maximum);
    float value = 0.0f;
    if (sADMItem->GetFloatValue(item, &value) != kNoErr) return;
    const float held = std::isfinite(value) ? std::clamp(value, minimum, maximum) : minimum;
    if (held != value) sADMItem->SetFloatValue(item, held);
}

void BoundFieldToSetting(ADMItemRef item, const char* key, double fieldPerStored) {
    BoundFieldTo(item, RealRangeOf(key), fieldPerStored);
}
