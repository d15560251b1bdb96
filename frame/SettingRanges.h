// The range of every stored setting, as the settings table declares it, and the checked conversions that hold
// a typed, stored or computed number to it: the reader at launch, the panel's and dialogs' fields, their
// notifiers and every OK use these, so that one stored file draws the same in every session and what a field
// shows is what is in force.
#pragma once

#include <cstdint>

#include "frame/SettingsTable.h"

// The most parts a division makes; larger counts are held to it. Every drag step lays one mark per part again:
// the division drag of the benchmarks takes about 0.3 ms per thousand marks, so at this count a step stays
// within a few milliseconds, and a protractor's 360 or a scale's 1000 parts are far inside it.
constexpr int32_t kMaxDivisionCount = 10000;
// The most remembered end points: the magnetism walks the whole list at every cursor move of a drag.
constexpr int32_t kMaxRememberedPoints = 1000;
// The highest index of a font, and the largest step from one font to another: a host counts its fonts in 16 bits.
constexpr int32_t kMaxFontIndex = 32767;

// The largest term of a scale, drawn or custom: a map's 1:100 000 000 (a whole number a float field holds
// exactly, and that ScaleTermText prints whole).
constexpr double kLargestScaleTerm = 1.0e8;

// The smallest radius of an angle's arc that draws it: the shortest drawn length, with room for its rounding
// to single precision.
constexpr double kSmallestArcRadius = kShortestDrawnLength * 1.000001;

// A scale with a term below 1 as the same ratio with both terms at least 1 (0.5/1 is 1/2, 0.2/1 from a field 1/5
// whole), each then held to kLargestScaleTerm: the drawn scale's terms are read at least 1.
void RaiseScaleTerms(double& numerator, double& denominator);

// Stroke widths and dash lengths, in points: the range of "Epaisseur" and the widths a dimension's art takes.
constexpr RealRange kStrokeWidthRange{0.0, 1000.0};

// The widest bound a field takes, and the range of a key that has none: what the dialog manager's
// single-precision fields hold without infinities.
constexpr double kWidestFieldBound = 1.0e30;

// A real as a 32-bit integer, truncated towards zero and saturated at the ends of int32_t; NaN gives
// `fallback`. The one conversion of a real into an integer on input.
constexpr int32_t CheckedInt32(double value, int32_t fallback) {
    if (value != value) return fallback;
    if (value <= -2147483648.0) return INT32_MIN;
    if (value >= 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(value);
}

// A real rounded to the nearest integer (halves away from zero), then checked as above.
int32_t RoundedInt32(double value, int32_t fallback);

// The range of a real or integer setting; a key of another type, or unknown, gives the widest range.
RealRange RealRangeOf(const char* key);
IntegerRange IntegerRangeOf(const char* key);
// The entry of a setting of that type; null for a key of another type, or unknown.
const SettingEntry* SettingOfType(const char* key, SettingType type);

// A value held to the range of its setting; NaN takes the setting's built-in default.
double HeldToSetting(const char* key, double value);
int32_t HeldToSetting(const char* key, int32_t value);
// A real of an integer setting (as a field holds it) held to the setting's range, then converted.
int32_t HeldIntegerOf(const char* key, double value);

// A direction typed in a field of another unit than its setting's (degrees for a setting in radians), `fieldTurn`
// a turn in the field's unit: taken modulo a turn in the unit typed, then converted, so that it lands within the
// setting's range as a direction typed in its own unit does (180 degrees is a half turn, not past it).
constexpr double kTurnDegrees = 360.0;
double DirectionOfField(const char* key, double typed, double fieldTurn = kTurnDegrees);
// The stored direction in the field's unit, by the same conversion.
double FieldOfDirection(const char* key, double stored, double fieldTurn = kTurnDegrees);

// A real held to a range; NaN takes `fallback`.
double HeldToRange(double value, const RealRange& range, double fallback);
