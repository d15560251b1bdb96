// How measured values are written: the value format, the fixed value text buffers and the value-text operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "frame/Settings.h"
#include "host/Types.h"
#include "records/CurrentOptions.h"

// A zero-terminated text of at most Capacity - 1 bytes. Appends are bounded: a text that does not fit is cut at
// a UTF-8 character boundary, and once cut the text takes no more appends, so it never ends in a later piece.
template <std::size_t Capacity>
struct BoundedText {
    static_assert(Capacity >= 2, "a bounded text holds at least one character");
    static constexpr std::size_t kMaxLength = Capacity - 1;

    char Text[Capacity] = {};
    std::size_t Length = 0;
    bool Cut = false;

    void Clear() {
        Text[0] = '\0';
        Length = 0;
        Cut = false;
    }
    // Appends as much of piece as fits, whole characters only; returns the bytes appended.
    std::size_t Append(std::string_view piece) {
        if (Cut) return 0;
        std::size_t count = piece.size();
        if (count > kMaxLength - Length) {
            Cut = true;
            count = kMaxLength - Length;
            while (count > 0 && (static_cast<unsigned char>(piece[count]) & 0xC0u) == 0x80u) --count;
        }
        if (count > 0) std::memcpy(Text + Length, piece.data(), count);
        Length += count;
        Text[Length] = '\0';
        return count;
    }
    // A null text counts as empty.
    std::size_t Append(const char* text) { return Append(std::string_view(text != nullptr ? text : "")); }
    std::size_t Append(char c) { return Append(std::string_view(&c, 1)); }
    std::string_view View() const { return std::string_view(Text, Length); }
    const char* CStr() const { return Text; }
};

// Room for the longest label a dimension shows: the prefix, the suffix, the tolerance or free text (each at
// most kMaxStoredTextLength bytes) and the value itself, so that no label loses its value or unit to a long
// text.
inline constexpr std::size_t kLabelTextCapacity = 4 * (kMaxStoredTextLength + 1);

// The text of the value last formatted, and where its tolerance run lies (for the label's smaller, shifted
// run). The read-outs and hints copy it into lines of their own, which keep their own lengths.
struct ValueTextBuffer : BoundedText<kLabelTextCapacity> {
    std::size_t ToleranceStart = 0;
    std::size_t ToleranceLength = 0;
    void Clear() {
        BoundedText<kLabelTextCapacity>::Clear();
        ToleranceStart = 0;
        ToleranceLength = 0;
    }
};
// The area text last formatted.
struct AreaTextBuffer : BoundedText<40> {};

extern ValueTextBuffer gValueTextBuffer;
extern AreaTextBuffer gAreaTextBuffer;

// Unit codes of Unit, as the unit popup lists them.
enum UnitCode : int32_t {
    kUnitMillimetres = 0,
    kUnitCentimetres = 1,
    kUnitDecimalInches = 2,
    kUnitFractionalInches = 3,
    kUnitFeetAndInches = 4,
    kUnitPoints = 5,
    kUnitPicas = 6,
    kUnitMetres = 7,
    kUnitNoValue = 8,
    kUnitFreeText = 9,
};

// Angle formats of AngleFormat.
enum AngleFormatCode : int32_t {
    kAngleDecimalDegrees = 0,
    kAngleDegreesMinutesSeconds = 1,
    kAngleNoValue = 2,
    kAngleFreeText = 3,
};

// The live value format, beside what the value texts also read under their own names: the unit (0..9,
// UnitCode), the decimals (0..6) and whether the unit suffix and the degree sign are written are the live
// options of CurrentOptions; the decimal separator and the scale ratio lengths are divided by are Settings's.
struct ValueFormat {
    int16_t InchFraction = 8;                    // denominator 1, 2, 4, 8, 16 or 32
    int32_t AngleFormat = kAngleDecimalDegrees;  // AngleFormatCode
    int32_t ToleranceOn = 0;                     // the tolerance text is written
    char* ToleranceText = nullptr;               // owned heap text; null counts as empty
    char* FreeLabelText = nullptr;               // owned heap text written for unit 9
};

extern ValueFormat gValueFormat;

// The sign written before the tolerance text.
inline constexpr std::string_view kToleranceSign = "±";
// The degree sign.
inline constexpr std::string_view kDegreeSign = "°";
// The diameter and radius signs of circle texts.
inline constexpr std::string_view kDiameterSign = "Ø";
inline constexpr std::string_view kRadiusSign = "R";
// The text that replaces the area of a polygon whose sides cross.
inline constexpr std::string_view kCrossedPolygonText = "Polygone croisé";

// Replace the tolerance text and the free label text by copies (null counts as empty); the old text is freed.
bool SetToleranceText(const char* text);
bool SetFreeLabelText(const char* text);
// Frees the owned texts and returns the format's own fields to their start values.
void ClearValueFormat();

// The digits of value rounded half away from zero to decimals places (clamped to 0..6): the integer digits, then,
// when decimals is above 0, the stored decimal separator and the decimals; never "-0". A non-finite
// value gives no digits.
std::string RoundedText(double value, int decimals);
// The same within `room` bytes: with fewer decimals when the text would not fit, then, when even the whole
// number would not, with as many significant digits as fit and its power of ten ("1,000000042e+20"). A read-out
// keeps its unit after it rather than lose it to a cut.
std::string FittedRoundedText(double value, int decimals, std::size_t room);

// The inch notation (0 "''", 1 " po", 2 " in"; any other value as 0) and the foot notation between blanks
// (0 " ' ", 1 " pi ", 2 " ft "; any other value as 0).
std::string_view InchNotation(int32_t notation);
std::string_view FootNotation(int32_t notation);

// True when ScaleRatio can divide: finite and above zero. Otherwise lengths are left undivided.
bool ScaleDivides();
// A length in points divided by the scale (when it divides) and converted into the given unit: mm x 25.4 / 72,
// cm x 2.54 / 72, inches / 72 for units 2 to 4, points as they are, picas / 12, m x 0.0254 / 72, units 8 and 9
// as points.
double ScaledLengthInUnit(double points, int32_t unit);

// The fractional-inch form of a length in inches (whole, blank, reduced fraction) and the feet-and-inches form,
// each followed by the inch notation while ShowUnit is set.
std::string FractionalInchesText(double inches);
std::string FeetAndInchesText(double inches);
// The value and unit of a length already in the live unit and scale: the rounded value and the unit suffix while
// ShowUnit is set, the fractional forms for units 3 and 4, no number for unit 8, the free label text for unit 9.
std::string UnitLengthText(double lengthInUnit);

// Starts a dimension text in ValueTextBuffer: clears it and writes the prefix while "ChypreVF" is on.
void BeginDimensionText();
// Ends a dimension text: the tolerance sign and text while ToleranceOn is set (their place kept in
// ToleranceStart and ToleranceLength), then the suffix while "ChypreVF" is on.
void EndDimensionText();
// A whole dimension text of a length in points: prefix, value and unit, tolerance, suffix.
void FormatDimensionLength(double points);

// The distance between two points as a linear dimension shows it (by the live orientation: 0 true, 1 horizontal,
// 2 vertical; the last two swapped by swap), divided by the scale, with tolerance, prefix and suffix.
void FormatLengthText(AIReal x1, AIReal y1, AIReal x2, AIReal y2, int32_t swap);
// An angle: decimal degrees with the degree sign while ShowAngleUnit is set (format 0), degrees, minutes and
// seconds (format 1), nothing (2) or the free label text (3); the absolute value, or 360 minus it when reflex;
// then tolerance, prefix and suffix as for lengths.
void FormatAngleText(AIReal radians, int32_t reflex);
// The radius, or the diameter while the live "Diametre" is set, with the "R" or "Ø" sign placed by "RouD" and
// "RouDAvant", then tolerance, prefix and suffix.
void FormatCircleDimensionText(AIReal radius);
// The whole length of a path, in the live unit and scale, with the unit suffix while ShowUnit is set.
void FormatCurveLengthText(AIArtHandle path);
// The length of the part of a path between two anchors, written as FormatCurveLengthText writes it.
void FormatMeasure(AIArtHandle path, uint16_t firstIndex, uint16_t secondIndex);

// Writes an area in square points into AreaTextBuffer in the square unit of the live unit (of the stored unit
// while the live one is 8 or 9), divided by the square of the scale except for points. Result 1, or 0 with nothing
// written when closedRequired is set and the path is not a closed path.
// The number and its square unit take at most `room` bytes (FittedRoundedText): the line that shows them keeps
// the unit.
int32_t FormatAreaText(const AIArtHandle* path, AIReal area, int32_t closedRequired,
                       std::size_t room = AreaTextBuffer::kMaxLength);
// The area of a closed polygon of straight sides into AreaTextBuffer, or "Polygone croisé" when two of its
// non-adjacent sides cross. Result 0, writing nothing, for no path, the Cercle, Bézier and Longueurs & aires
// tools, unit 9, an open path or a curved side.
int32_t IsCrossedPolygon(const AIArtHandle* path, std::size_t room = AreaTextBuffer::kMaxLength);
