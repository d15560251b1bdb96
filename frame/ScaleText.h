// A scale as a label and the scale menu show it.
#pragma once

#include <cstddef>

// A scale term as a label shows it: a whole number in full (1 over 100000000 is no "1e+08"), a term typed in a
// field as typed (1234567.5, not "1.23457e+06"), any other with "%g"; with a point. A buffer of
// kScaleTermTextSize holds any term; ScaleText joins two with "/".
constexpr size_t kScaleTermTextSize = 32;
void ScaleTermText(char* text, size_t size, double term);
void ScaleText(char* text, size_t size, double numerator, double denominator);
