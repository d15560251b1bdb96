#include "frame/PreferenceStore.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/ArrowHeads.h"
#include "frame/ArrowTips.h"
#include "frame/CanvasWrites.h"
#include "frame/SuiteTable.h"
#include "host/PreferenceSuite.h"

// The Bézier editor's points may lie anywhere on a drawing; the arrow's stay on its editor's canvas.
const PointKeyFamily kBezierPointKeys = {"PtBezierX99", "PtINOUTBeziXX99", 280.0, 180.0, RealRange{}, RealRange{}};
const PointKeyFamily kArrowPointKeys = {"PtFlEditX99", "PtINOUTEditXX99", 6.0, 6.0, RealRange{-6.0, 16.0},
                                        RealRange{-6.0, 6.0}};

namespace {

constexpr const char* kPrefix = kTavorinePreferencePrefix;
// Scales below these read as 1.0; the custom ones are compared in single precision.
constexpr double kMinScale = 1.0;
constexpr float kMinCustomScale = 0.0001f;
// The most bytes one UTF-8 character takes.
constexpr size_t kLongestCharacterBytes = 4;
// The buffer through which a text is read when the host cannot give its length, and what is kept of it.
constexpr size_t kFixedReadBufferSize = 1024;
constexpr size_t kFixedReadLimit = 255;

bool HavePreferences() { return sAIPreference != nullptr; }

int32_t ClampToRange(int32_t value, const IntegerRange& range) {
    if (value < range.Minimum) return range.Minimum;
    if (value > range.Maximum) return range.Maximum;
    return value;
}

// Reads one stored string whole, at the length the host gives, then cut to `limit` bytes at a character
// boundary; false when the store holds no string under the key. A host that cannot give the length has the
// text read through a fixed buffer and cut at 255 bytes. A text that is not UTF-8 was saved
// in the system's own encoding and is read as Windows-1252.
bool ReadStoredText(const char* key, size_t limit, std::string& text) {
    size_t length = 0;
    const bool lengthKnown = sAIPreference->GetStringPreferenceLength != nullptr;
    if (!lengthKnown) {
        length = kFixedReadBufferSize - 1;
        limit = std::min(limit, kFixedReadLimit);
    } else if (sAIPreference->GetStringPreferenceLength(kPrefix, key, &length) != kNoErr) {
        return false;
    }
    // A few bytes past the limit, so that the cut finds where the character at the limit starts.
    std::vector<char> buffer(std::min(length, limit + kLongestCharacterBytes) + 1, '\0');
    if (sAIPreference->GetStringPreference(kPrefix, key, buffer.data(), buffer.size()) != kNoErr) return false;
    buffer.back() = '\0';
    const std::string_view read(buffer.data());
    // A read shorter than the text, or one that filled a buffer of a guessed size, may end inside a character.
    const bool cut = lengthKnown ? read.size() < length : read.size() + 1 == buffer.size();
    const std::string decoded = IsUtf8(read, cut) ? std::string(read) : Windows1252ToUtf8(read);
    text.assign(decoded.c_str(), CutLength(decoded.c_str(), limit));
    return true;
}

// What a read of one entry found.
enum class StoredRead {
    Kept,      // the stored value is in the variable
    Unusable,  // the store holds no usable value: missing, of another type, not a number
    NoMemory,  // a stored text that could not be copied; the variable is as it was
};

// Reads one entry into its variable; the variable is left as it was unless the value is kept.
StoredRead ReadStored(const SettingEntry& entry) {
    switch (entry.Type) {
        case SettingType::Boolean: {
            AIBoolean value = 0;
            if (sAIPreference->GetBooleanPreference(kPrefix, entry.Key, &value) != kNoErr) return StoredRead::Unusable;
            *static_cast<int32_t*>(entry.Address) = value != 0 ? 1 : 0;
            return StoredRead::Kept;
        }
        case SettingType::Integer: {
            int32_t value = 0;
            if (sAIPreference->GetIntegerPreference(kPrefix, entry.Key, &value) != kNoErr) return StoredRead::Unusable;
            *static_cast<int32_t*>(entry.Address) = ClampToRange(value, entry.Range);
            return StoredRead::Kept;
        }
        case SettingType::Real: {
            double value = 0.0;
            if (sAIPreference->GetRealPreference(kPrefix, entry.Key, &value) != kNoErr || !std::isfinite(value))
                return StoredRead::Unusable;
            *static_cast<double*>(entry.Address) = ClampToRange(value, entry.Reals);
            return StoredRead::Kept;
        }
        case SettingType::String:
        case SettingType::Name: {
            const bool name = entry.Type == SettingType::Name;
            std::string text;
            if (!ReadStoredText(entry.Key, name ? kSettingsNameSize - 1 : kMaxStoredTextLength, text))
                return StoredRead::Unusable;
            if (name) {
                SetSettingName(static_cast<char*>(entry.Address), kSettingsNameSize, text.c_str());
                return StoredRead::Kept;
            }
            return SetSettingString(*static_cast<char**>(entry.Address), text.c_str()) ? StoredRead::Kept
                                                                                       : StoredRead::NoMemory;
        }
        case SettingType::Separator: {
            AIBoolean value = 0;
            if (sAIPreference->GetBooleanPreference(kPrefix, entry.Key, &value) != kNoErr) return StoredRead::Unusable;
            *static_cast<char*>(entry.Address) = value != 0 ? ',' : '.';
            return StoredRead::Kept;
        }
    }
    return StoredRead::Unusable;
}

// Keeps the first error of a series of writes.
void KeepFirst(ASErr& first, ASErr error) {
    if (first == kNoErr) first = error;
}

// True when the store holds the key under the prefix, whatever its type. The question is asked in the key's own
// type, so that a host that watches the reads sees the key asked for as what it is.
bool HoldsKey(const char* key, SettingType type) {
    ASErr error = kNoErr;
    switch (type) {
        case SettingType::Integer: {
            int32_t value = 0;
            error = sAIPreference->GetIntegerPreference(kPrefix, key, &value);
            break;
        }
        case SettingType::Real: {
            double value = 0.0;
            error = sAIPreference->GetRealPreference(kPrefix, key, &value);
            break;
        }
        case SettingType::String:
        case SettingType::Name: {
            char first = '\0';
            error = sAIPreference->GetStringPreference(kPrefix, key, &first, sizeof first);
            break;
        }
        case SettingType::Boolean:
        case SettingType::Separator: {
            AIBoolean value = 0;
            error = sAIPreference->GetBooleanPreference(kPrefix, key, &value);
            break;
        }
    }
    return error == kNoErr || error == kWrongTypeErr;
}

// Reads one entry into its variable; a missing, wrong-typed or unusable value takes the built-in default, which
// is written so that the store holds it from now on. An entry never read is written only when missing.
// Answers the failed write, else 0.
ASErr ReadSetting(const SettingEntry& entry) {
    if (entry.NotRead) {
        SetSettingToDefault(entry);
        return HoldsKey(entry.Key, entry.Type) ? kNoErr : WriteSetting(entry);
    }
    switch (ReadStored(entry)) {
        case StoredRead::Kept: return kNoErr;
        case StoredRead::NoMemory: return kOutOfMemoryErr;
        case StoredRead::Unusable: break;
    }
    SetSettingToDefault(entry);
    return WriteSetting(entry);
}

ASErr ReadGroup(SettingGroup group) {
    ASErr first = kNoErr;
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Group == group) KeepFirst(first, ReadSetting(entry));
    }
    return first;
}

ASErr WriteGroup(SettingGroup group) {
    ASErr first = kNoErr;
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Group != group) continue;
        SetSettingToDefault(entry);
        KeepFirst(first, WriteSetting(entry));
    }
    return first;
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

// What a read of an editor's per-point keys found.
struct PointKeysRead {
    bool Whole = true;         // every coordinate of the points within the count was read
    bool ReadAsBuiltIn = true;  // every coordinate read holds the built-in value
    std::vector<std::pair<std::string, double>> Unread;  // the keys that could not be read, with their built-in
};

// Reads the per-point keys of a shape of `count` points, every slot that is stored: the points within the count
// and the slots past it, which the next OK writes back as they are. A slot that cannot be read keeps its
// built-in coordinate.
PointKeysRead ReadPointPreferences(const PointKeyFamily& family, ShapePointTables& points,
                                   const ShapePointTables& defaults, int32_t count) {
    points = defaults;
    PointKeysRead read;
    ForEachPointKey(family, points, count,
                    [count, &read](const char* name, float* table, int32_t index, const PointAxis& axis) {
        double stored = 0.0;
        if (sAIPreference->GetRealPreference(kPrefix, name, &stored) == kNoErr && FitsArtworkFloat(stored - axis.Offset)) {
            const float value = static_cast<float>(ClampToRange(stored - axis.Offset, axis.Range));
            if (value != table[index]) read.ReadAsBuiltIn = false;
            table[index] = value;
        } else {
            if (index < count) read.Whole = false;
            read.Unread.emplace_back(name, static_cast<double>(table[index]) + axis.Offset);
        }
    });
    return read;
}

// One editor's stored shape: its scalar keys, the keys that belong to the shape itself, its count key,
// per-point keys and built-in points.
struct EditorShapeStore {
    SettingGroup Group;
    const char* CountKey;
    std::span<const char* const> ShapeKeys;  // count, flags and line start: the shape beside its points
    const PointKeyFamily& Family;
    ShapePointTables& Points;
    const int32_t& PointCount;
    ShapePointTables (*DefaultPoints)();
};

constexpr const char* kBezierShapeKeys[] = {"NbPtsBez", "FouOBez", "CouPBez"};
constexpr const char* kArrowShapeKeys[] = {"NbPtsFlEdit", "FouOEdit", "CouPEdit", "DebEditSegX", "DebEditSegY"};

EditorShapeStore BezierStore() {
    return {SettingGroup::BezierCurve, "NbPtsBez", kBezierShapeKeys, kBezierPointKeys, gSettings.BezierShape.Points,
            gSettings.BezierShape.PointCount, DefaultBezierPoints};
}

EditorShapeStore ArrowStore() {
    return {SettingGroup::PreferredArrow, "NbPtsFlEdit", kArrowShapeKeys, kArrowPointKeys,
            gSettings.PreferredArrowShape.Points, gSettings.PreferredArrowShape.PointCount, DefaultArrowPoints};
}

// True when a numeric entry's variable holds its built-in default.
bool HoldsBuiltIn(const SettingEntry& entry) {
    switch (entry.Type) {
        case SettingType::Boolean:
        case SettingType::Integer: return *static_cast<const int32_t*>(entry.Address) == entry.DefaultNumber;
        case SettingType::Real: return *static_cast<const double*>(entry.Address) == entry.DefaultNumber;
        case SettingType::String:
        case SettingType::Name:
        case SettingType::Separator: break;
    }
    return false;
}

// Sets and writes an editor's built-in shape: its scalars, then its per-point keys.
ASErr WriteDefaultEditorShape(const EditorShapeStore& store) {
    store.Points = store.DefaultPoints();
    const ASErr scalars = WriteGroup(store.Group);
    const ASErr points = WritePointPreferences(store.Family, store.Points, store.PointCount);
    return scalars != kNoErr ? scalars : points;
}

// Reads an editor's shape; a stored count of 0 writes the built-in shape instead. When a coordinate of the
// points within the count cannot be read, the shape is the built-in one whole: its points, count, flags and
// line start (a shape mixed of two is neither); the replica settings keep what their keys read. Writing the
// built-in coordinates in place of those that could not be read would mix two shapes at the next launch, unless
// what was read is the built-in shape already; otherwise the fallback stays in memory and the next OK writes it
// whole. Answers the first failed write, else 0.
ASErr ReadEditorShape(const EditorShapeStore& store) {
    if (StoredCountIsZero(store.CountKey)) return WriteDefaultEditorShape(store);
    ASErr first = ReadGroup(store.Group);
    const ShapePointTables defaults = store.DefaultPoints();
    const PointKeysRead read = ReadPointPreferences(store.Family, store.Points, defaults, store.PointCount);
    if (read.Whole) return first;
    bool builtIn = read.ReadAsBuiltIn;
    for (const char* key : store.ShapeKeys) {
        const SettingEntry* entry = FindSetting(key);
        if (entry == nullptr) continue;
        if (!HoldsBuiltIn(*entry)) builtIn = false;
        SetSettingToDefault(*entry);
    }
    store.Points = defaults;
    if (builtIn)
        for (const auto& [name, value] : read.Unread) KeepFirst(first, WriteRealPreference(name.c_str(), value));
    return first;
}

// True when the store holds no key of the plug-in under its prefix: the plug-in has never run here.
bool IsFirstRun() {
    for (const SettingEntry& entry : SettingsTable()) {
        if (HoldsKey(entry.Key, entry.Type)) return false;
    }
    bool none = true;
    for (const PointKeyFamily* family : {&kBezierPointKeys, &kArrowPointKeys}) {
        ShapePointTables points;
        ForEachPointKey(*family, points, kMaxShapePoints, [&none](const char* name, float*, int32_t, const PointAxis&) {
            if (HoldsKey(name, SettingType::Real)) none = false;
        });
    }
    return none;
}

// A stored "Precision" outside its range (0..6) is held to the nearest end and written back; a missing or wrong-typed one
// takes the built-in default, written by the general read.
ASErr HoldPrecision() {
    const SettingEntry* entry = FindSetting("Precision");
    int32_t precision = 0;
    if (entry == nullptr || sAIPreference->GetIntegerPreference(kPrefix, entry->Key, &precision) != kNoErr)
        return kNoErr;
    const int32_t held = ClampToRange(precision, entry->Range);
    return held == precision ? kNoErr : WriteIntegerPreference(entry->Key, held);
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

bool ReadStoredSetting(const SettingEntry& entry) {
    return HavePreferences() && ReadStored(entry) == StoredRead::Kept;
}

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
        KeepFirst(first, WriteRealPreference(name, static_cast<double>(table[index]) + axis.Offset));
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
    // A first run writes every default; a later one keeps what the user set and writes only the keys it lacks.
    ASErr first = IsFirstRun() ? WriteDefaultPreferences() : HoldPrecision();
    KeepFirst(first, ReadGroup(SettingGroup::General));
    ApplyReadRules();
    KeepFirst(first, ReadEditorShape(BezierStore()));
    KeepFirst(first, ReadEditorShape(ArrowStore()));
    // The dimension line starts on the arrow's axis, whatever "DebEditSegY" holds; the next OK writes 0.
    gSettings.PreferredArrowShape.LineStartY = 0.0;
    return first;
}
