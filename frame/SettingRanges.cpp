#include "frame/SettingRanges.h"

#include <algorithm>
#include <cmath>
#include <limits>

const SettingEntry* SettingOfType(const char* key, SettingType type) {
    const SettingEntry* entry = FindSetting(key);
    return entry != nullptr && entry->Type == type ? entry : nullptr;
}

namespace {

// A raised term within a single-precision rounding of a whole number is that number: the terms come from float
// fields, so 0.2 raised over itself gives 1 over 4.99999992549, which is 1 over 5.
double WholeWhenNear(double term) {
    const double whole = std::round(term);
    return std::fabs(term - whole) <= term * std::numeric_limits<float>::epsilon() ? whole : term;
}

}  // namespace

void RaiseScaleTerms(double& numerator, double& denominator) {
    const double smaller = std::min(numerator, denominator);
    if (!(smaller > 0.0) || smaller >= 1.0) return;
    numerator = std::min(WholeWhenNear(numerator / smaller), kLargestScaleTerm);
    denominator = std::min(WholeWhenNear(denominator / smaller), kLargestScaleTerm);
}

int32_t RoundedInt32(double value, int32_t fallback) { return CheckedInt32(std::round(value), fallback); }

RealRange RealRangeOf(const char* key) {
    const SettingEntry* entry = SettingOfType(key, SettingType::Real);
    if (entry != nullptr) return entry->Reals;
    if (const SettingEntry* whole = SettingOfType(key, SettingType::Integer))
        return RealRange{static_cast<double>(whole->Range.Minimum), static_cast<double>(whole->Range.Maximum)};
    return RealRange{-kWidestFieldBound, kWidestFieldBound};
}

double DirectionOfField(const char* key, double typed, double fieldTurn) {
    const RealRange range = RealRangeOf(key);
    if (!(range.Turn > 0.0) || !(fieldTurn > 0.0)) return HeldToSetting(key, typed);
    const RealRange typedRange{range.Minimum / range.Turn * fieldTurn, range.Maximum / range.Turn * fieldTurn, fieldTurn};
    return ClampToRange(typed, typedRange) / fieldTurn * range.Turn;
}

double FieldOfDirection(const char* key, double stored, double fieldTurn) {
    const RealRange range = RealRangeOf(key);
    return range.Turn > 0.0 && fieldTurn > 0.0 ? stored / range.Turn * fieldTurn : stored;
}

IntegerRange IntegerRangeOf(const char* key) {
    const SettingEntry* entry = SettingOfType(key, SettingType::Integer);
    return entry != nullptr ? entry->Range : IntegerRange{};
}

double HeldToRange(double value, const RealRange& range, double fallback) {
    if (std::isnan(value)) return fallback;
    return ClampToRange(value, range);
}

double HeldToSetting(const char* key, double value) {
    const SettingEntry* entry = SettingOfType(key, SettingType::Real);
    if (entry == nullptr) return std::isnan(value) ? 0.0 : value;
    return HeldToRange(value, entry->Reals, entry->DefaultNumber);
}

int32_t HeldToSetting(const char* key, int32_t value) {
    const IntegerRange range = IntegerRangeOf(key);
    return std::clamp(value, range.Minimum, range.Maximum);
}

int32_t HeldIntegerOf(const char* key, double value) {
    const SettingEntry* entry = SettingOfType(key, SettingType::Integer);
    const int32_t fallback = entry != nullptr ? static_cast<int32_t>(entry->DefaultNumber) : 0;
    return HeldToSetting(key, RoundedInt32(value, fallback));
}
