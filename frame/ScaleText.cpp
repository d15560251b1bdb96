#include "frame/ScaleText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

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
