// The plug-in's side of the host's preference store: one write per key and type under "VekTavorine", the
// per-point keys of the Bézier curve and preferred arrow, the start-up read and the built-in defaults.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "host/Types.h"

// Each write stores one key under "VekTavorine" at once and returns the host's code (0 on success).
ASErr WriteBooleanPreference(const char* key, int32_t flag);
ASErr WriteIntegerPreference(const char* key, int32_t value);
ASErr WriteRealPreference(const char* key, double value);
ASErr WriteStringPreference(const char* key, const char* text);
// Writes the value that an entry's variable holds now, with the entry's type.
ASErr WriteSetting(const SettingEntry& entry);
// Reads the stored value of one entry back into its variable; false, leaving the variable as it was, when the
// store holds no usable value for it.
bool ReadStoredSetting(const SettingEntry& entry);
// Reads a host preference that has no prefix (such as "Grid/Color/Lite/r"); the value is untouched on failure.
ASErr ReadHostRealPreference(const char* key, double* value);

// The parts of a point that per-point keys store.
enum class PointPart : int32_t { Anchor, InHandle, OutHandle };

// The key templates of one editor and the offsets added to stored coordinates.
struct PointKeyFamily {
    const char* AnchorTemplate;  // ends in "X99": the letter becomes the axis, the digits the index
    const char* HandleTemplate;  // ends in "XX99": the letters become the handle (I or O) and the axis
    double OffsetX;
    double OffsetY;
    RealRange RangeX;  // what a stored coordinate, less its offset, is held to
    RealRange RangeY;
};
extern const PointKeyFamily kBezierPointKeys;  // "PtBezierX99", "PtINOUTBeziXX99"; + 280.0, + 180.0
extern const PointKeyFamily kArrowPointKeys;   // "PtFlEditX99", "PtINOUTEditXX99"; + 6.0, + 6.0

// Size of a per-point key buffer, terminating zero included.
constexpr size_t kPointKeySize = 16;
// Indices always written, and the count above which indices 10..19 are written and read too.
constexpr int32_t kPointKeysAlwaysStored = 10;

// Builds the key of one coordinate (axis 'X' or 'Y') of point `index` (0..19) into `name`; false, with an
// empty name, for an index, axis or part outside those.
bool PointKeyName(char (&name)[kPointKeySize], const PointKeyFamily& family, PointPart part, char axis,
                  int32_t index);

// Writes the per-point keys of a shape of `count` points: indices 0..9, and 10..19 when the count is above 9;
// anchors, then In handles, then Out handles, X then Y for each index. Returns the first failure, else 0.
ASErr WritePointPreferences(const PointKeyFamily& family, const ShapePointTables& points, int32_t count);

// Fills Settings (and ColourSettings) from the store at start-up. A store that holds no key of the plug-in is a
// first run: every built-in default is written first. Otherwise what the user set is kept: a "Precision" outside
// 0..6 is held to the nearest end and written back, and every missing or unusable key takes its built-in
// default, which is written. Returns the first failed write, else 0.
ASErr ReadPreferences();
// Sets and writes the built-in default of every key, the editors' per-point keys included.
ASErr WriteDefaultPreferences();
// Sets and writes the built-in Bézier curve: a closed, filled diamond of 4 corner points, one replica.
ASErr WriteDefaultBezierPreferences();
// Sets and writes the factory preferred arrow: predefined tip 5, closed, filled, moved independently.
ASErr WriteDefaultArrowEditorPreferences();

// The built-in point tables of the Bézier curve and of the preferred arrow.
ShapePointTables DefaultBezierPoints();
ShapePointTables DefaultArrowPoints();
