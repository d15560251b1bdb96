#include "frame/SettingRanges.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/PathSuite.h"

namespace {

// The widest bound a field takes: what the dialog manager's single-precision fields hold without infinities.
constexpr double kWidestFieldBound = 1.0e30;

const SettingEntry* EntryOfType(const char* key, SettingType type) {
    const SettingEntry* entry = FindSetting(key);
    return entry != nullptr && entry->Type == type ? entry : nullptr;
}

// How many segments a path write holds to the canvas at once.
constexpr int16_t kHeldSegmentsPerWrite = 32;

AIReal HeldCoordinate(AIReal x) {
    constexpr auto reach = static_cast<AIReal>(kCanvasReach);
    return std::isfinite(x) ? std::clamp(x, -reach, reach) : x;
}

// True when the point lies on the canvas, where HeldCoordinate leaves both coordinates as they are.
bool PointOnCanvas(AIRealPoint p) {
    constexpr auto reach = static_cast<AIReal>(kCanvasReach);
    return p.h >= -reach && p.h <= reach && p.v >= -reach && p.v <= reach;
}

// Segments first .. first + n - 1 (at most kHeldSegmentsPerWrite) written held to the canvas.
ASErr WriteHeldSegments(AIArtHandle path, const AIPathSegment* segments, int16_t first, int16_t n) {
    AIPathSegment held[kHeldSegmentsPerWrite];
    for (int16_t k = 0; k < n; ++k) {
        held[k] = segments[first + k];
        held[k].p = HeldOnCanvas(held[k].p);
        held[k].in = HeldOnCanvas(held[k].in);
        held[k].out = HeldOnCanvas(held[k].out);
    }
    return sAIPath->SetPathSegments(path, first, n, held);
}

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

}  // namespace

bool IsFinitePoint(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

bool FitsArtworkFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<AIReal>::max());
}

bool AreSegmentsFinite(const AIPathSegment* segments, size_t count) {
    return std::all_of(segments, segments + count, [](const AIPathSegment& s) {
        return IsFinitePoint(s.p) && IsFinitePoint(s.in) && IsFinitePoint(s.out);
    });
}

AIRealPoint HeldOnCanvas(AIRealPoint p) { return {HeldCoordinate(p.h), HeldCoordinate(p.v)}; }

double CanvasShare(AIRealPoint about, const AIPathSegment* segments, size_t count) {
    if (!IsFinitePoint(about) || !PointOnCanvas(about)) return 1.0;
    double share = 1.0;
    const auto hold = [&share](double from, double to) {
        const double edge = to > kCanvasReach ? kCanvasReach : to < -kCanvasReach ? -kCanvasReach : to;
        if (edge != to) share = std::min(share, (edge - from) / (to - from));
    };
    for (size_t k = 0; k < count; ++k) {
        for (const AIRealPoint& p : {segments[k].p, segments[k].in, segments[k].out}) {
            if (!IsFinitePoint(p)) return 1.0;
            hold(about.h, p.h);
            hold(about.v, p.v);
        }
    }
    return std::max(share, 0.0);
}

ASErr WriteSegmentsOnCanvas(AIArtHandle path, const AIPathSegment* segments, int16_t count) {
    if (count < 0 || (count > 0 && segments == nullptr) || sAIPath == nullptr) return kBadParameterErr;
    if (!AreSegmentsFinite(segments, static_cast<size_t>(count))) return kBadParameterErr;
    ASErr result = sAIPath->SetPathSegmentCount(path, count);
    // Segments already on the canvas (a drag's every step) are written as they are: holding them changes nothing.
    const bool onCanvas = std::all_of(segments, segments + count, [](const AIPathSegment& s) {
        return PointOnCanvas(s.p) && PointOnCanvas(s.in) && PointOnCanvas(s.out);
    });
    for (int16_t first = 0; first < count && result == kNoErr; first += kHeldSegmentsPerWrite) {
        const auto n = static_cast<int16_t>(std::min<int32_t>(kHeldSegmentsPerWrite, count - first));
        result = onCanvas ? sAIPath->SetPathSegments(path, first, n, segments + first)
                          : WriteHeldSegments(path, segments, first, n);
    }
    return result;
}

void ScaleTermText(char* text, size_t size, double term) {
    if (text == nullptr || size == 0) return;
    // Whole numbers print in full up to where a double stops holding every one of them.
    constexpr double kLargestWholeTerm = 1.0e15;
    if (std::isfinite(term) && term == std::trunc(term) && std::fabs(term) <= kLargestWholeTerm) {
        std::snprintf(text, size, "%.0f", term);
        return;
    }
    // A term typed in a field (a single-precision number) as typed: the fewest decimals that read back as it
    // (1234567.5, 0.2). Any other, a ratio worked out, or one too long for the text, with "%g".
    const auto single = static_cast<float>(term);
    if (static_cast<double>(single) == term) {
        const std::to_chars_result written = std::to_chars(text, text + size - 1, single, std::chars_format::fixed);
        if (written.ec == std::errc()) {
            *written.ptr = '\0';
            return;
        }
    }
    std::snprintf(text, size, "%g", term);
}

void ScaleText(char* text, size_t size, double numerator, double denominator) {
    char first[kScaleTermTextSize] = "", second[kScaleTermTextSize] = "";
    ScaleTermText(first, sizeof first, numerator);
    ScaleTermText(second, sizeof second, denominator);
    std::snprintf(text, size, "%s/%s", first, second);
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
    const SettingEntry* entry = EntryOfType(key, SettingType::Real);
    if (entry != nullptr) return entry->Reals;
    if (const SettingEntry* whole = EntryOfType(key, SettingType::Integer))
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
    const SettingEntry* entry = EntryOfType(key, SettingType::Integer);
    return entry != nullptr ? entry->Range : IntegerRange{};
}

double HeldToRange(double value, const RealRange& range, double fallback) {
    if (std::isnan(value)) return fallback;
    return ClampToRange(value, range);
}

double HeldToSetting(const char* key, double value) {
    const SettingEntry* entry = EntryOfType(key, SettingType::Real);
    if (entry == nullptr) return std::isnan(value) ? 0.0 : value;
    return HeldToRange(value, entry->Reals, entry->DefaultNumber);
}

int32_t HeldToSetting(const char* key, int32_t value) {
    const IntegerRange range = IntegerRangeOf(key);
    return std::clamp(value, range.Minimum, range.Maximum);
}

int32_t HeldIntegerOf(const char* key, double value) {
    const SettingEntry* entry = EntryOfType(key, SettingType::Integer);
    const int32_t fallback = entry != nullptr ? static_cast<int32_t>(entry->DefaultNumber) : 0;
    return HeldToSetting(key, RoundedInt32(value, fallback));
}

double FieldReal(ADMItemRef item, double fallback) {
    float value = 0.0f;
    if (item == nullptr || sADMItem == nullptr || sADMItem->GetFloatValue(item, &value) != kNoErr ||
        !std::isfinite(value))
        return fallback;
    return value;
}

namespace {

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
    const SettingEntry* entry = EntryOfType(key, SettingType::Real);
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
