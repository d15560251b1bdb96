// The value format, the value text buffers and the number core shared by every value text.
#include "dimension/ValueFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

ValueFormat gValueFormat;
ValueTextBuffer gValueTextBuffer;
AreaTextBuffer gAreaTextBuffer;

namespace {

constexpr int kMaxDecimals = 6;
constexpr long double kPowersOfTen[kMaxDecimals + 1] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L,
                                                         1000000.0L};

// Points in one inch; every length conversion starts from it.
constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kCentimetresPerInch = 2.54;
constexpr double kMetresPerInch = 0.0254;
constexpr double kPointsPerPica = 12.0;

// The digits of a non-negative whole number held in a long double.
std::string WholeDigits(long double whole) {
    const int size = std::snprintf(nullptr, 0, "%.0Lf", whole);
    if (size <= 0) return "0";
    std::string digits(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(digits.data(), digits.size(), "%.0Lf", whole);
    digits.resize(static_cast<size_t>(size));
    return digits;
}

}  // namespace

bool SetToleranceText(const char* text) { return SetSettingString(gValueFormat.ToleranceText, text); }

bool SetFreeLabelText(const char* text) { return SetSettingString(gValueFormat.FreeLabelText, text); }

void ClearValueFormat() {
    std::free(gValueFormat.ToleranceText);
    std::free(gValueFormat.FreeLabelText);
    gValueFormat.ToleranceText = nullptr;
    gValueFormat.FreeLabelText = nullptr;
    gValueFormat.InchFraction = 8;
    gValueFormat.AngleFormat = kAngleDecimalDegrees;
    gValueFormat.ToleranceOn = 0;
}

std::string RoundedText(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const long double scaled = std::fabs(static_cast<long double>(value)) * kPowersOfTen[decimals];
    const long double whole = std::floor(scaled + 0.5L);
    std::string digits = WholeDigits(whole);
    if (decimals > 0) {
        const size_t width = static_cast<size_t>(decimals) + 1;
        if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, gSettings.DecimalSeparator);
    }
    if (value < 0.0 && whole != 0.0L) digits.insert(0, 1, '-');
    return digits;
}

std::string FittedRoundedText(double value, int decimals, std::size_t room) {
    std::string text;
    for (int fewer = std::clamp(decimals, 0, kMaxDecimals); fewer >= 0; --fewer) {
        text = RoundedText(value, fewer);
        if (text.size() <= room) return text;
    }
    // Beyond what whole digits hold: the significant digits that fit, then the power of ten.
    constexpr int kMostSignificantDecimals = 15;
    for (int digits = kMostSignificantDecimals; digits >= 0; --digits) {
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%.*e", digits, value);
        std::string shorter = buffer;
        if (const size_t point = shorter.find('.'); point != std::string::npos)
            shorter[point] = gSettings.DecimalSeparator;
        if (shorter.size() <= room) return shorter;
    }
    return text;
}

std::string_view InchNotation(int32_t notation) {
    switch (notation) {
        case 1: return " po";
        case 2: return " in";
        default: return "''";
    }
}

std::string_view FootNotation(int32_t notation) {
    switch (notation) {
        case 1: return " pi ";
        case 2: return " ft ";
        default: return " ' ";
    }
}

bool ScaleDivides() { return std::isfinite(gSettings.ScaleRatio) && gSettings.ScaleRatio > 0.0; }

double ScaledLengthInUnit(double points, int32_t unit) {
    const double length = ScaleDivides() ? points / gSettings.ScaleRatio : points;
    switch (unit) {
        case kUnitMillimetres: return length * kMillimetresPerInch / kPointsPerInch;
        case kUnitCentimetres: return length * kCentimetresPerInch / kPointsPerInch;
        case kUnitDecimalInches:
        case kUnitFractionalInches:
        case kUnitFeetAndInches: return length / kPointsPerInch;
        case kUnitPicas: return length / kPointsPerPica;
        case kUnitMetres: return length * kMetresPerInch / kPointsPerInch;
        default: return length;
    }
}
