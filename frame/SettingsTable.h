// The one table of stored settings: key, type, built-in default and the variable that holds the value.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>

// How a setting is stored and held in memory.
enum class SettingType : int32_t {
    Boolean,    // stored boolean, held as a 32-bit flag (int32_t, 0 or 1)
    Integer,    // stored 32-bit integer, held as int32_t
    Real,       // stored real, held as double
    String,     // stored string, held as an owned heap string (char*)
    Name,       // stored string, held in a char array of kSettingsNameSize
    Separator   // stored boolean (1 comma), held as the decimal separator character
};

// Which reader and writer handle a setting: the general pass, or the Bézier curve or preferred arrow with
// their per-point keys.
enum class SettingGroup : int32_t { General, BezierCurve, PreferredArrow };

// The range an integer setting is clamped to when read; a stored value outside it takes the nearest end.
struct IntegerRange {
    int32_t Minimum = INT32_MIN;
    int32_t Maximum = INT32_MAX;
};

// The longest length a drawing can use, in points: the widest artboard a host lays out (227 inches).
constexpr double kLongestDrawingLength = 16383.0;

// The shortest length a drawing draws, in points: a path, arc or radius below it is not drawn.
constexpr double kShortestDrawnLength = 1e-4;

// The range a real setting is held to when read: the values a drawing can use. A stored value outside it takes
// the nearest end; by default a signed length. A direction (an orientation, an angular offset) has a turn: a
// value beyond it is the same direction within one turn, on the side of its sign, not the nearest end.
struct RealRange {
    double Minimum = -kLongestDrawingLength;
    double Maximum = kLongestDrawingLength;
    double Turn = 0.0;  // a direction's full turn, in the setting's unit; 0 for anything else
};

// A finite real held to the range: a direction taken modulo its turn (keeping its sign, then by a turn more or
// less into the range), anything else to the nearest end. An infinite direction has no direction: 0.
inline double ClampToRange(double value, const RealRange& range) {
    if (range.Turn > 0.0) {
        value = std::isfinite(value) ? std::fmod(value, range.Turn) : 0.0;
        if (value > range.Maximum) value -= range.Turn;
        if (value < range.Minimum) value += range.Turn;
    }
    return value < range.Minimum ? range.Minimum : value > range.Maximum ? range.Maximum : value;
}

struct SettingEntry {
    const char* Key;
    SettingType Type;
    SettingGroup Group;
    double DefaultNumber;     // built-in default of booleans, integers, reals and the separator
    const char* DefaultText;  // built-in default of strings and names; null: the host's first font
    void* Address;            // the variable in Settings or ColourSettings
    IntegerRange Range;       // integers only
    bool NotRead = false;     // written with the others but never read back at start-up
    RealRange Reals{};        // reals only
};

// The prefix of every key of the plug-in.
#define kTavorinePreferencePrefix "VekTavorine"

// Every stored setting, in the order in which the built-in defaults are written.
std::span<const SettingEntry> SettingsTable();
// The entry of a key, or null.
const SettingEntry* FindSetting(const char* key);

// Copies the built-in default of one entry into its variable (strings are replaced).
void SetSettingToDefault(const SettingEntry& entry);
