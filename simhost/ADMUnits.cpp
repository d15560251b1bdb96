#include "simhost/ADMUnits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/ADMTypes.h"

namespace sim {

namespace {

// The most decimals a field shows when its precision is left open.
constexpr int kOpenPrecision = 4;
// The most decimals any field shows.
constexpr int kMaxPrecision = 10;

constexpr double kPointsPerInch = 72.0;
constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kPointsPerCentimetre = 72.0 / 2.54;
constexpr double kPointsPerPica = 12.0;

// A unit a user may type after a number.
struct TypedUnit {
    const char* word;
    int32_t units;
};
constexpr TypedUnit kTypedUnits[] = {
    {"pt", kADMPointUnits},       {"in", kADMInchUnits}, {"po", kADMInchUnits},  {"\"", kADMInchUnits},
    {"mm", kADMMillimeterUnits},  {"cm", kADMCentimeterUnits}, {"pc", kADMPicaUnits},
    {"%", kADMPercentUnits},      {"°", kADMDegreeUnits},
};

// The number as shown, before its suffix.
std::string NumberText(double shown, int32_t precision) {
    char buffer[64];
    if (precision >= 0) {
        std::snprintf(buffer, sizeof buffer, "%.*f", std::min<int>(precision, kMaxPrecision), shown);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*f", kOpenPrecision, shown);
        std::string trimmed = buffer;
        trimmed.erase(trimmed.find_last_not_of('0') + 1);
        if (trimmed.back() == '.')
            trimmed.pop_back();
        std::snprintf(buffer, sizeof buffer, "%s", trimmed.c_str());
    }
    std::string text = buffer;
    if (text.front() == '-' && std::strtod(text.c_str(), nullptr) == 0.0)
        text.erase(0, 1);
    return text;
}

double Shown(float value, int32_t units) {
    const double perUnit = PointsPerUnit(units);
    return perUnit > 0.0 ? static_cast<double>(value) / perUnit : static_cast<double>(value);
}

// The longest prefix of `text` of at most `limit` bytes that ends at a character boundary.
std::string Cut(const std::string& text, size_t limit) {
    if (text.size() <= limit)
        return text;
    size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0u) == 0x80u)
        --length;
    return text.substr(0, length);
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

double PointsPerUnit(int32_t units) {
    switch (units) {
        case kADMPointUnits: return 1.0;
        case kADMInchUnits: return kPointsPerInch;
        case kADMMillimeterUnits: return kPointsPerMillimetre;
        case kADMCentimeterUnits: return kPointsPerCentimetre;
        case kADMPicaUnits: return kPointsPerPica;
        default: return 0.0;
    }
}

const char* UnitSuffix(int32_t units) {
    switch (units) {
        case kADMPointUnits: return " pt";
        case kADMInchUnits: return " in";
        case kADMMillimeterUnits: return " mm";
        case kADMCentimeterUnits: return " cm";
        case kADMPicaUnits: return " pc";
        case kADMPercentUnits: return "%";
        case kADMDegreeUnits: return "°";
        default: return "";
    }
}

std::string UnitText(float value, int32_t units, int32_t precision, bool withUnit) {
    std::string text = NumberText(Shown(value, units), precision);
    if (withUnit)
        text += UnitSuffix(units);
    return text;
}

std::string FittedUnitText(float value, int32_t units, int32_t precision, bool withUnit, size_t maxLength) {
    std::string text = UnitText(value, units, precision, withUnit);
    if (text.size() <= maxLength)
        return text;
    text = UnitText(value, units, 0, withUnit);
    if (text.size() <= maxLength)
        return text;
    return Cut(UnitText(value, units, 0, false), maxLength);
}

bool ReadUnitText(const std::string& text, int32_t units, float& value) {
    std::string plain = Trimmed(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    const char* start = plain.c_str();
    char* end = nullptr;
    const double number = std::strtod(start, &end);
    if (end == start || !std::isfinite(number))
        return false;
    const std::string rest = Trimmed(end);
    const double fieldPerUnit = PointsPerUnit(units);
    double held = fieldPerUnit > 0.0 ? number * fieldPerUnit : number;
    if (!rest.empty()) {
        const auto typed = std::find_if(std::begin(kTypedUnits), std::end(kTypedUnits),
                                        [&](const TypedUnit& unit) { return rest == unit.word; });
        if (typed == std::end(kTypedUnits))
            return false;
        const double typedPerUnit = PointsPerUnit(typed->units);
        if (typed->units != units && (fieldPerUnit <= 0.0 || typedPerUnit <= 0.0))
            return false;
        if (fieldPerUnit > 0.0)
            held = number * typedPerUnit;
    }
    if (!std::isfinite(held) || std::fabs(held) > 3.0e38)
        return false;
    value = static_cast<float>(held);
    return true;
}

float RoundToPrecision(float value, int32_t units, int32_t precision) {
    if (precision < 0)
        return value;
    const double perUnit = PointsPerUnit(units) > 0.0 ? PointsPerUnit(units) : 1.0;
    const double scale = std::pow(10.0, std::min(precision, kMaxPrecision));
    return static_cast<float>(std::round(static_cast<double>(value) / perUnit * scale) / scale * perUnit);
}

} // namespace sim
