#include "frame/ScaleText.h"

#include <cmath>
#include <cstdio>

void ScaleTermText(char* text, size_t size, double term) {
    // Whole numbers print in full up to where a double stops holding every one of them.
    constexpr double kLargestWholeTerm = 1.0e15;
    if (std::isfinite(term) && term == std::trunc(term) && std::fabs(term) <= kLargestWholeTerm)
        std::snprintf(text, size, "%.0f", term);
    else
        std::snprintf(text, size, "%g", term);
}

void ScaleText(char* text, size_t size, double numerator, double denominator) {
    char first[kScaleTermTextSize] = "", second[kScaleTermTextSize] = "";
    ScaleTermText(first, sizeof first, numerator);
    ScaleTermText(second, sizeof second, denominator);
    std::snprintf(text, size, "%s/%s", first, second);
}
