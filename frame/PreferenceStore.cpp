#include "frame/PreferenceStore.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "frame/ArrowHeads.h"
#include "frame/ArrowTips.h"
#include "frame/SuiteTable.h"
#include "host/PreferenceSuite.h"

// The Bézier editor's points may lie anywhere on a drawing; the arrow's stay on its editor's canvas.
const PointKeyFamily kBezierPointKeys = {"PtBezierX99", "PtINOUTBeziXX99", 280.0, 180.0, RealRange{}, RealRange{}};
const PointKeyFamily kArrowPointKeys = {"PtFlEditX99", "PtINOUTEditXX99", 6.0, 6.0, RealRange{-6.0, 16.0},
                                        RealRange{-6.0, 6.0}};

namespace {

constexpr const char* kPrefix = kTavorinePreferencePrefix;
// The stored "Precision" outside this range marks a first run.
constexpr int32_t kMinPrecision = 0;
constexpr int32_t kMaxPrecision = 6;
// Scales below these read as 1.0; the custom ones are compared in single precision.
constexpr double kMinScale = 1.0;
constexpr float kMinCustomScale = 0.0001f;
// Buffer for reading a stored string before it is cut to what a setting keeps.
constexpr size_t kReadBufferSize = 1024;

bool HavePreferences() { return sAIPreference != nullptr; }

// A stored real that a float coordinate can hold.
bool FitsFloat(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

int32_t ClampToRange(int32_t value, const IntegerRange& range) {
    if (value < range.Minimum) return range.Minimum;
    if (value > range.Maximum) return range.Maximum;
    return value;
}

// Reads one stored string into `buffer`, cut to kMaxSettingTextLength bytes at a character boundary.
bool ReadStoredText(const char* key, char (&buffer)[kReadBufferSize]) {
    buffer[0] = '\0';
    if (sAIPreference->GetStringPreference(kPrefix, key, buffer, sizeof buffer) != kNoErr) return false;
    buffer[sizeof buffer - 1] = '\0';
    buffer[CutLength(buffer, kMaxSettingTextLength)] = '\0';
    return true;
}

// Reads one entry into its variable; false, leaving the variable, when the store holds no usable value.
bool ReadStored(const SettingEntry& entry) {
    switch (entry.Type) {
        case SettingType::Boolean: {
            AIBoolean value = 0;
            if (sAIPreference->GetBooleanPreference(kPrefix, entry.Key, &value) != kNoErr) return false;
            *static_cast<int32_t*>(entry.Address) = value != 0 ? 1 : 0;
            return true;
        }
        case SettingType::Integer: {
            int32_t value = 0;
            if (sAIPreference->GetIntegerPreference(kPrefix, entry.Key, &value) != kNoErr) return false;
            *static_cast<int32_t*>(entry.Address) = ClampToRange(value, entry.Range);
            return true;
        }
        case SettingType::Real: {
            double value = 0.0;
            if (sAIPreference->GetRealPreference(kPrefix, entry.Key, &value) != kNoErr || !std::isfinite(value))
                return false;
            *static_cast<double*>(entry.Address) = ClampToRange(value, entry.Reals);
            return true;
        }
        case SettingType::String:
        case SettingType::Name: {
            char buffer[kReadBufferSize];
            if (!ReadStoredText(entry.Key, buffer)) return false;
            if (entry.Type == SettingType::String) return SetSettingString(*static_cast<char**>(entry.Address), buffer);
            SetSettingName(static_cast<char*>(entry.Address), kSettingsNameSize, buffer);
            return true;
        }
        case SettingType::Separator: {
            AIBoolean value = 0;
            if (sAIPreference->GetBooleanPreference(kPrefix, entry.Key, &value) != kNoErr) return false;
            *static_cast<char*>(entry.Address) = value != 0 ? ',' : '.';
            return true;
        }
    }
    return false;
}

// Reads one entry into its variable; a missing, wrong-typed or unusable value takes the built-in default.
void ReadSetting(const SettingEntry& entry) {
    if (!ReadStored(entry)) SetSettingToDefault(entry);
}

void ReadGroup(SettingGroup group) {
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Group == group) ReadSetting(entry);
    }
}

ASErr WriteGroup(SettingGroup group) {
    ASErr first = kNoErr;
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Group != group) continue;
        SetSettingToDefault(entry);
        const ASErr error = WriteSetting(entry);
        if (first == kNoErr) first = error;
    }
    return first;
}

// True when the stored "Precision" is missing, unreadable or outside 0..6.
bool IsFirstRun() {
    int32_t precision = -1;
    if (sAIPreference->GetIntegerPreference(kPrefix, "Precision", &precision) != kNoErr) return true;
    return precision < kMinPrecision || precision > kMaxPrecision;
}

// True when the stored point count of an editor reads exactly 0.
bool StoredCountIsZero(const char* key) {
    int32_t count = -1;
    return sAIPreference->GetIntegerPreference(kPrefix, key, &count) == kNoErr && count == 0;
}

// The table of one coordinate of one part of the points.
template <typename Tables>
auto PointTable(Tables& points, PointPart part, char axis) -> decltype(&points.AnchorX[0]) {
    const bool x = axis == 'X';
    switch (part) {
        case PointPart::Anchor: return x ? points.AnchorX : points.AnchorY;
        case PointPart::InHandle: return x ? points.InX : points.InY;
        case PointPart::OutHandle: return x ? points.OutX : points.OutY;
    }
    return points.AnchorX;
}

// Indices of the per-point keys that a shape of `count` points stores.
int32_t StoredPointSlots(int32_t count) {
    return count > kPointKeysAlwaysStored - 1 ? kMaxShapePoints : kPointKeysAlwaysStored;
}

constexpr PointPart kPointParts[] = {PointPart::Anchor, PointPart::InHandle, PointPart::OutHandle};

// One axis of an editor's per-point keys: the offset the store adds, the range the coordinate is held to.
struct PointAxis {
    double Offset;
    RealRange Range;
};

// Calls `visit(name, table, index, axis)` for every per-point key a shape of `count` points stores, in the
// order in which they are written; `table` is the matching coordinate table of `points`.
template <typename Tables, typename Visit>
void ForEachPointKey(const PointKeyFamily& family, Tables& points, int32_t count, Visit visit) {
    const int32_t slots = StoredPointSlots(count);
    for (PointPart part : kPointParts) {
        for (int32_t index = 0; index < slots; ++index) {
            for (char axis : {'X', 'Y'}) {
                char name[kPointKeySize];
                PointKeyName(name, family, part, axis, index);
                const PointAxis along = axis == 'X' ? PointAxis{family.OffsetX, family.RangeX}
                                                    : PointAxis{family.OffsetY, family.RangeY};
                visit(name, PointTable(points, part, axis), index, along);
            }
        }
    }
}

// Reads the per-point keys of the `count` points of a shape; past the count the built-in points stay. When any
// coordinate of those points is missing, of another type or no finite float, the whole shape is the built-in
// one: a shape mixed of two is neither.
void ReadPointPreferences(const PointKeyFamily& family, ShapePointTables& points,
                          const ShapePointTables& defaults, int32_t count) {
    points = defaults;
    bool whole = true;
    ForEachPointKey(family, points, count,
                    [count, &whole](const char* name, float* table, int32_t index, const PointAxis& axis) {
        if (index >= count || !whole) return;
        double stored = 0.0;
        if (sAIPreference->GetRealPreference(kPrefix, name, &stored) == kNoErr && FitsFloat(stored - axis.Offset))
            table[index] = static_cast<float>(ClampToRange(stored - axis.Offset, axis.Range));
        else
            whole = false;
    });
    if (!whole) points = defaults;
}

// One editor's stored shape: its scalar keys, count key, per-point keys and built-in points.
struct EditorShapeStore {
    SettingGroup Group;
    const char* CountKey;
    const PointKeyFamily& Family;
    ShapePointTables& Points;
    const int32_t& PointCount;
    ShapePointTables (*DefaultPoints)();
};

EditorShapeStore BezierStore() {
    return {SettingGroup::BezierCurve, "NbPtsBez", kBezierPointKeys, gSettings.BezierShape.Points,
            gSettings.BezierShape.PointCount, DefaultBezierPoints};
}

EditorShapeStore ArrowStore() {
    return {SettingGroup::PreferredArrow, "NbPtsFlEdit", kArrowPointKeys, gSettings.PreferredArrowShape.Points,
            gSettings.PreferredArrowShape.PointCount, DefaultArrowPoints};
}

// Sets and writes an editor's built-in shape: its scalars, then its per-point keys.
ASErr WriteDefaultEditorShape(const EditorShapeStore& store) {
    store.Points = store.DefaultPoints();
    const ASErr scalars = WriteGroup(store.Group);
    const ASErr points = WritePointPreferences(store.Family, store.Points, store.PointCount);
    return scalars != kNoErr ? scalars : points;
}

// Reads an editor's shape; a stored count of 0 writes the built-in shape instead.
void ReadEditorShape(const EditorShapeStore& store) {
    if (StoredCountIsZero(store.CountKey)) {
        WriteDefaultEditorShape(store);
        return;
    }
    ReadGroup(store.Group);
    ReadPointPreferences(store.Family, store.Points, store.DefaultPoints(), store.PointCount);
}

// The read rules that follow the plain read: scale floors, the preferred font, the scale ratio.
void ApplyReadRules() {
    Settings& s = gSettings;
    if (s.ScaleNumerator < kMinScale) s.ScaleNumerator = 1.0;
    if (s.ScaleDenominator < kMinScale) s.ScaleDenominator = 1.0;
    if (SettingAsFloat(s.CustomScaleNumerator) < kMinCustomScale) s.CustomScaleNumerator = 1.0;
    if (SettingAsFloat(s.CustomScaleDenominator) < kMinCustomScale) s.CustomScaleDenominator = 1.0;
    SetSettingName(s.PreferredFontName, kSettingsNameSize, s.FontName);
    UpdateScaleRatio(s.ScaleNumerator, s.ScaleDenominator);
    if (s.RememberedPointCount % 2 != 0) s.RememberedPointCount -= 1;
}

}  // namespace

ASErr WriteBooleanPreference(const char* key, int32_t flag) {
    if (!HavePreferences()) return kBadParameterErr;
    return sAIPreference->PutBooleanPreference(kPrefix, key, flag != 0 ? 1 : 0);
}

ASErr WriteIntegerPreference(const char* key, int32_t value) {
    if (!HavePreferences()) return kBadParameterErr;
    return sAIPreference->PutIntegerPreference(kPrefix, key, value);
}

ASErr WriteRealPreference(const char* key, double value) {
    if (!HavePreferences()) return kBadParameterErr;
    return sAIPreference->PutRealPreference(kPrefix, key, value);
}

ASErr WriteStringPreference(const char* key, const char* text) {
    if (!HavePreferences()) return kBadParameterErr;
    return sAIPreference->PutStringPreference(kPrefix, key, SettingString(text));
}

ASErr WriteSetting(const SettingEntry& entry) {
    switch (entry.Type) {
        case SettingType::Boolean: return WriteBooleanPreference(entry.Key, *static_cast<int32_t*>(entry.Address));
        case SettingType::Integer: return WriteIntegerPreference(entry.Key, *static_cast<int32_t*>(entry.Address));
        case SettingType::Real: return WriteRealPreference(entry.Key, *static_cast<double*>(entry.Address));
        case SettingType::String: return WriteStringPreference(entry.Key, *static_cast<char**>(entry.Address));
        case SettingType::Name: return WriteStringPreference(entry.Key, static_cast<char*>(entry.Address));
        case SettingType::Separator:
            return WriteBooleanPreference(entry.Key, *static_cast<char*>(entry.Address) == ',' ? 1 : 0);
    }
    return kBadParameterErr;
}

bool ReadStoredSetting(const SettingEntry& entry) { return HavePreferences() && ReadStored(entry); }

ASErr ReadHostRealPreference(const char* key, double* value) {
    if (!HavePreferences() || value == nullptr) return kBadParameterErr;
    return sAIPreference->GetRealPreference(nullptr, key, value);
}

bool PointKeyName(char (&name)[kPointKeySize], const PointKeyFamily& family, PointPart part, char axis,
                  int32_t index) {
    name[0] = '\0';
    if (index < 0 || index >= kMaxShapePoints || (axis != 'X' && axis != 'Y')) return false;
    const bool anchor = part == PointPart::Anchor;
    const char* pattern = anchor ? family.AnchorTemplate : family.HandleTemplate;
    const size_t length = std::strlen(pattern);
    const size_t letters = anchor ? 1 : 2;
    // The template ends in the letters to replace and two digits; the name is the template without them.
    if (length < letters + 2 || length >= kPointKeySize) return false;
    const size_t stem = length - letters - 2;
    std::memcpy(name, pattern, stem);
    size_t at = stem;
    if (!anchor) name[at++] = part == PointPart::InHandle ? 'I' : 'O';
    name[at++] = axis;
    if (index >= 10) name[at++] = static_cast<char>('0' + index / 10);
    name[at++] = static_cast<char>('0' + index % 10);
    name[at] = '\0';
    return true;
}

ASErr WritePointPreferences(const PointKeyFamily& family, const ShapePointTables& points, int32_t count) {
    ASErr first = kNoErr;
    ForEachPointKey(family, points, count,
                    [&first](const char* name, const float* table, int32_t index, const PointAxis& axis) {
        const ASErr error = WriteRealPreference(name, static_cast<double>(table[index]) + axis.Offset);
        if (first == kNoErr) first = error;
    });
    return first;
}

ShapePointTables DefaultBezierPoints() {
    // A diamond of corner points, every handle on its anchor.
    constexpr float kX[] = {-100.0f, 0.0f, 100.0f, 0.0f};
    constexpr float kY[] = {0.0f, 60.0f, 0.0f, -60.0f};
    ShapePointTables points;
    for (int i = 0; i < 4; ++i) {
        points.AnchorX[i] = points.InX[i] = points.OutX[i] = kX[i];
        points.AnchorY[i] = points.InY[i] = points.OutY[i] = kY[i];
    }
    return points;
}

ShapePointTables DefaultArrowPoints() { return ArrowFromTip(kPredefinedArrowTips[4]).Points; }

ASErr WriteDefaultBezierPreferences() { return WriteDefaultEditorShape(BezierStore()); }

ASErr WriteDefaultArrowEditorPreferences() { return WriteDefaultEditorShape(ArrowStore()); }

ASErr WriteDefaultPreferences() {
    ASErr first = WriteGroup(SettingGroup::General);
    const ASErr bezier = WriteDefaultBezierPreferences();
    if (first == kNoErr) first = bezier;
    const ASErr arrow = WriteDefaultArrowEditorPreferences();
    if (first == kNoErr) first = arrow;
    return first;
}

ASErr ReadPreferences() {
    if (!HavePreferences()) return kBadParameterErr;
    const ASErr written = IsFirstRun() ? WriteDefaultPreferences() : kNoErr;
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Group != SettingGroup::General) continue;
        if (entry.NotRead) {
            SetSettingToDefault(entry);
        } else {
            ReadSetting(entry);
        }
    }
    ApplyReadRules();
    ReadEditorShape(BezierStore());
    ReadEditorShape(ArrowStore());
    // The dimension line starts on the arrow's axis, whatever "DebEditSegY" holds; the next OK writes 0.
    gSettings.PreferredArrowShape.LineStartY = 0.0;
    return written;
}
