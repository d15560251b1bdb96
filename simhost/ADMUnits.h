// How the stand-in's dialog manager writes and reads numbers in an item's unit.
//
// A field of a length unit (points, inches, millimetres, centimetres, picas) holds its value in points and shows
// it converted into its unit; a field of any other unit (none, percent, degrees) holds the number it shows. Every
// unit writes its own suffix: " pt", " in", " mm", " cm", " pc", "%", "°".
#pragma once

#include <cstdint>
#include <string>

namespace sim {

// Points in one of the unit; 0 for a unit that is not a length (the value is held as shown).
double PointsPerUnit(int32_t units);
// The suffix the unit writes after a number, "" for none.
const char* UnitSuffix(int32_t units);

// The text of a held value in `units`: with `precision` decimals (a negative precision: as many as the value
// needs, at most four, trailing zeros dropped), then the unit's suffix when `withUnit`. Never "-0".
std::string UnitText(float value, int32_t units, int32_t precision, bool withUnit);

// The same text made to fit `maxLength` bytes: when the whole text does not fit, the decimals are dropped, then
// the suffix, then the number is cut at a character boundary.
std::string FittedUnitText(float value, int32_t units, int32_t precision, bool withUnit, size_t maxLength);

// Reads a number a user typed into a field of `units`: a point or a comma before the decimals, blanks around,
// then optionally a unit. In a length field a length unit ("pt", "in", "mm", "cm", "pc", also "po" and "\"" for
// inches) converts from that unit; the field's own suffix is always accepted. Anything else after the number makes
// the text unreadable. `value` receives the held value (points for a length field); false when unreadable.
bool ReadUnitText(const std::string& text, int32_t units, float& value);

// A held value rounded as a field of `units` showing `precision` decimals rounds it (precision 0: whole units).
float RoundToPrecision(float value, int32_t units, int32_t precision);

}  // namespace sim
