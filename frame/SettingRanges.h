// The range of every stored setting, as the settings table declares it, and the checked conversions that hold
// a typed, stored or computed number to it: the reader at launch, the panel's and dialogs' fields, their
// notifiers and every OK use these, so that one stored file draws the same in every session and what a field
// shows is what is in force.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/SettingsTable.h"
#include "host/ADMTypes.h"
#include "host/Types.h"

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

// A scale term as a label shows it: a whole number in full (1 over 100000000 is no "1e+08"), a term typed in a
// field as typed (1234567.5, not "1.23457e+06"), any other with "%g"; with a point. A buffer of kScaleTermTextSize holds any term; ScaleText joins
// two with "/".
constexpr size_t kScaleTermTextSize = 32;
void ScaleTermText(char* text, size_t size, double term);
void ScaleText(char* text, size_t size, double numerator, double denominator);

// A scale with a term below 1 as the same ratio with both terms at least 1 (0.5/1 is 1/2, 0.2/1 from a field 1/5
// whole), each then held to kLargestScaleTerm: the drawn scale's terms are read at least 1.
void RaiseScaleTerms(double& numerator, double& denominator);

// Stroke widths and dash lengths, in points: the range of "Epaisseur" and the widths a dimension's art takes.
constexpr RealRange kStrokeWidthRange{0.0, 1000.0};

// The farthest from the origin, in points, that a coordinate of the art the plug-in lays may lie: the host's
// canvas. Lengths of settings add up (an offset, a tie and a text gap beside the drawing's own place), so no
// range alone keeps the art on the canvas; every anchor, handle and label anchor is held to it where it is
// written.
constexpr double kCanvasReach = kLongestDrawingLength;

// True when both coordinates of the point are finite numbers.
bool IsFinitePoint(AIRealPoint p);
// True when a length or coordinate computed in double precision fits an artwork float: finite and within its
// range. A figure drag beyond that keeps the figure's last measure; a stored point beyond it is not read.
bool FitsArtworkFloat(double value);
// True when every anchor and handle of the `count` segments is a finite point.
bool AreSegmentsFinite(const AIPathSegment* segments, size_t count);

// A point held to the canvas: each finite coordinate to ±kCanvasReach. A coordinate that is not finite stays
// as it is, for the writer to refuse.
AIRealPoint HeldOnCanvas(AIRealPoint p);

// The share (0 to 1) of a figure's size at which every anchor and handle of its `count` segments, the figure
// scaled about `about`, lies on the canvas: 1 for a figure already on it, about a point off it, which no share
// brings on (the writer holds each of its points), and for one with a point that is no number (the maker
// refuses it). A figure made from a drag or a typed size is held
// to the canvas at that share, its measure with it.
double CanvasShare(AIRealPoint about, const AIPathSegment* segments, size_t count);

// The one write of a path's shape: `count` segments from index 0, every anchor and handle held to the canvas.
// Any coordinate that is not finite leaves the path as it was and answers kBadParameterErr.
ASErr WriteSegmentsOnCanvas(AIArtHandle path, const AIPathSegment* segments, int16_t count);

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

// A numeric field's value as a real, or as an integer through the checked conversion; `fallback` when the
// field cannot be read or holds no number.
double FieldReal(ADMItemRef item, double fallback);
int32_t FieldInt32(ADMItemRef item, int32_t fallback);
// A numeric field's value as Enter left it: `shown` itself while the field still shows it (Enter with nothing
// typed takes back the value in force, not its text rounded to the decimals shown nor held to the field's
// bounds), else the field's value. A field that shows it again holds it again, so that the next Enter, after a
// change of unit too, takes it back exact.
double KeptFieldValue(ADMItemRef item, double shown);
// The same, a new value held to `range` (a direction taken within its turn); the field then shows the value
// held when it differs from the one typed.
double TakenFieldValue(ADMItemRef item, double shown, const RealRange& range);
// The same with the range of a real setting (an unknown key: no range).
double TakenSettingValue(ADMItemRef item, double shown, const char* key);
// Shows `value` in a whole-number field that holds anything else: a decimal or a number past its bounds typed
// there, once the value in force is known.
void ShowWholeNumber(ADMItemRef item, int32_t value);

// Narrows a numeric field's minimum and maximum to `range` (scaled by `fieldPerStored`, e.g. degrees per
// radian), keeping a tighter bound the field already has, and holds its value within them.
void BoundFieldTo(ADMItemRef item, const RealRange& range, double fieldPerStored = 1.0);
// The same with the range of a setting.
void BoundFieldToSetting(ADMItemRef item, const char* key, double fieldPerStored = 1.0);
