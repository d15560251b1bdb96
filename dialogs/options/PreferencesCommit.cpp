// The keys that OK stores and writes, in order, and the factory values that "Par défaut" restores, as tables.
#include <string>
#include <variant>

#include "dialogs/options/PreferencesDialog.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "records/RememberedSegments.h"
#include "tools/RememberedSegments.h"

namespace {

using W = PreferencesWorkingCopy;

// What a failed write does to the rest of the sequence.
enum class OnFailedWrite { Stops, GoesOn };

// One setting of the dialog: its working copy and its stored value, and how the store holds it.
struct RealField {
    double W::*Working;
    double Settings::*Stored;
};
struct IntegerField {
    int32_t W::*Working;
    int32_t Settings::*Stored;
};
struct BooleanField {
    int32_t W::*Working;
    int32_t Settings::*Stored;
};
struct TextField {
    std::string W::*Working;
    char* Settings::*Stored;
};
struct NameField {
    char (W::*Working)[kSettingsNameSize];
    char (Settings::*Stored)[kSettingsNameSize];
    size_t KeptLength;  // characters the stored array keeps
};
using Field = std::variant<RealField, IntegerField, BooleanField, TextField, NameField>;

struct CommitRow {
    const char* Key;
    Field Setting;
    OnFailedWrite Failure;
};

constexpr size_t kFontNameKept = 255;
constexpr size_t kLayerNameKept = 254;

constexpr OnFailedWrite kStops = OnFailedWrite::Stops;
constexpr OnFailedWrite kGoesOn = OnFailedWrite::GoesOn;

const CommitRow kCommitRows[] = {
    {"Epaisseur", RealField{&W::LineWidth, &Settings::LineWidth}, kStops},
    {"Zoom", RealField{&W::EndMarkSize, &Settings::EndMarkSize}, kStops},
    {"Attaches", RealField{&W::SideTieLength, &Settings::SideTieLength}, kStops},
    {"UnitePrefs", IntegerField{&W::Unit, &Settings::Unit}, kStops},
    {"EchelleNum", RealField{&W::ScaleNumerator, &Settings::ScaleNumerator}, kGoesOn},
    {"EchelleDen", RealField{&W::ScaleDenominator, &Settings::ScaleDenominator}, kStops},
    {"Precision", IntegerField{&W::Decimals, &Settings::Decimals}, kStops},
    {"RadioFleche", IntegerField{&W::ArrowPreset, &Settings::ArrowPreset}, kStops},
    {"RadioCoteType", IntegerField{&W::DimensionOrientation, &Settings::DimensionOrientation}, kStops},
    {"TexteHoriz", BooleanField{&W::HorizontalText, &Settings::HorizontalText}, kStops},
    {"AfficheUniteAngle", BooleanField{&W::ShowAngleUnit, &Settings::ShowAngleUnit}, kGoesOn},
    {"DecalageSegX", RealField{&W::SegmentOffsetX, &Settings::SegmentOffsetX}, kStops},
    {"DecalageSegY", RealField{&W::SegmentOffsetY, &Settings::SegmentOffsetY}, kStops},
    {"DecalageAngA", RealField{&W::AngleOffsetAngle, &Settings::AngleOffsetAngle}, kStops},
    {"DecalageAngR", RealField{&W::AngleOffsetRadius, &Settings::AngleOffsetRadius}, kStops},
    {"DecalageCerX", RealField{&W::CircleOffsetX, &Settings::CircleOffsetX}, kStops},
    {"DecalageCerY", RealField{&W::CircleOffsetY, &Settings::CircleOffsetY}, kStops},
    {"DecalageBezierX", RealField{&W::BezierOffsetX, &Settings::BezierOffsetX}, kStops},
    {"DecalageBezierY", RealField{&W::BezierOffsetY, &Settings::BezierOffsetY}, kStops},
    {"Diametre", BooleanField{&W::Diameter, &Settings::Diameter}, kStops},
    {"FouP", BooleanField{&W::ArrowHeads, &Settings::ArrowHeads}, kStops},
    {"Son", BooleanField{&W::Sound, &Settings::Sound}, kStops},
    {"ChypreVF", BooleanField{&W::PrefixSuffixOn, &Settings::PrefixSuffixOn}, kStops},
    {"ChypreAvant", TextField{&W::Prefix, &Settings::Prefix}, kStops},
    {"ChypreApres", TextField{&W::Suffix, &Settings::Suffix}, kStops},
    {"OutilsGroupe", BooleanField{&W::ToolsGrouped, &Settings::ToolsGrouped}, kStops},
    {"Calque", BooleanField{&W::OwnLayer, &Settings::OwnLayer}, kStops},
    {"Police", NameField{&W::FontName, &Settings::PreferredFontName, kFontNameKept}, kGoesOn},
    {"NumPolice", IntegerField{&W::FontNumber, &Settings::FontNumber}, kGoesOn},
    {"Corps", RealField{&W::TextSize, &Settings::TextSize}, kStops},
    {"NombreSouvenirsPrefs", IntegerField{&W::RememberedPointCount, &Settings::RememberedPointCount}, kStops},
    {"Magnetisme", BooleanField{&W::Magnetism, &Settings::Magnetism}, kGoesOn},
    {"Ligne", RealField{&W::CircleTieLength, &Settings::CircleTieLength}, kStops},
    {"Rayon", RealField{&W::ArcRadius, &Settings::ArcRadius}, kStops},
    {"NbDivBez", IntegerField{&W::DivisionCount, &Settings::DivisionCount}, kStops},
    {"PartRayTanBez", IntegerField{&W::BezierMode, &Settings::BezierMode}, kStops},
    {"BoutsBez", BooleanField{&W::DivisionEndTicks, &Settings::DivisionEndTicks}, kStops},
    {"RouD", BooleanField{&W::CircleSymbolShown, &Settings::CircleSymbolShown}, kStops},
    {"RouDAvant", BooleanField{&W::CircleSymbolBefore, &Settings::CircleSymbolBefore}, kStops},
    {"AvecRayTrace", BooleanField{&W::RadiusLineDrawn, &Settings::RadiusLineDrawn}, kGoesOn},
    {"TypeArcSpecialPrefs", IntegerField{&W::MultipleArcType, &Settings::MultipleArcType}, kStops},
    {"CoefArcSpecial", RealField{&W::MultipleArcWidthFactor, &Settings::MultipleArcWidthFactor}, kGoesOn},
    {"AngleDroitAuto", BooleanField{&W::AutoRightAngle, &Settings::AutoRightAngle}, kGoesOn},
    {"AfficheUnite", BooleanField{&W::ShowUnit, &Settings::ShowUnit}, kGoesOn},
    {"SymbolePiedPrefs", IntegerField{&W::FootSymbol, &Settings::FootSymbol}, kGoesOn},
    {"SymbolePoucePrefs", IntegerField{&W::InchSymbol, &Settings::InchSymbol}, kGoesOn},
    {"Redessiner", BooleanField{&W::RedrawAll, &Settings::RedrawAll}, kGoesOn},
    {"NomCalque", NameField{&W::LayerName, &Settings::LayerName, kLayerNameKept}, kGoesOn},
    {"AvecAttaches", BooleanField{&W::SideTiesOn, &Settings::SideTiesOn}, kGoesOn},
    {"CoteSerie", BooleanField{&W::SeriesOn, &Settings::SeriesOn}, kGoesOn},
    {"TypeCoteSerie", IntegerField{&W::SeriesKind, &Settings::SeriesKind}, kGoesOn},
};

// Stores the working copy and writes the key; a failed write puts the stored value back as it was.
ASErr Commit(const char* key, const RealField& field) {
    const double old = gSettings.*field.Stored;
    gSettings.*field.Stored = HeldToSetting(key, gPrefs.Working.*field.Working);
    const ASErr error = WriteRealPreference(key, gSettings.*field.Stored);
    if (error != kNoErr) gSettings.*field.Stored = old;
    return error;
}

template <typename Whole>
ASErr CommitWhole(const char* key, const Whole& field, ASErr (*write)(const char*, int32_t)) {
    const int32_t old = gSettings.*field.Stored;
    gSettings.*field.Stored = HeldToSetting(key, gPrefs.Working.*field.Working);
    const ASErr error = write(key, gSettings.*field.Stored);
    if (error != kNoErr) gSettings.*field.Stored = old;
    return error;
}

ASErr Commit(const char* key, const IntegerField& field) { return CommitWhole(key, field, WriteIntegerPreference); }
ASErr Commit(const char* key, const BooleanField& field) { return CommitWhole(key, field, WriteBooleanPreference); }

ASErr Commit(const char* key, const TextField& field) {
    char*& stored = gSettings.*field.Stored;
    const std::string old = SettingString(stored);
    if (!SetSettingString(stored, (gPrefs.Working.*field.Working).c_str())) return kOutOfMemoryErr;
    const ASErr error = WriteStringPreference(key, stored);
    if (error != kNoErr) SetSettingString(stored, old.c_str());
    return error;
}

ASErr Commit(const char* key, const NameField& field) {
    char(&stored)[kSettingsNameSize] = gSettings.*field.Stored;
    const std::string old = stored;
    SetSettingName(stored, field.KeptLength + 1, gPrefs.Working.*field.Working);
    const ASErr error = WriteStringPreference(key, stored);
    if (error != kNoErr) SetSettingName(stored, kSettingsNameSize, old.c_str());
    return error;
}

bool IsRememberedPointRow(const CommitRow& row) {
    const auto* field = std::get_if<IntegerField>(&row.Setting);
    return field != nullptr && field->Stored == &Settings::RememberedPointCount;
}

// A lower limit of remembered points forgets the remembered segments.
void ForgetRememberedSegmentsBelow(int32_t oldLimit) {
    if (gSettings.RememberedPointCount < oldLimit && gRememberedSegments.Head != nullptr) FreeRememberedSegments();
}

// A factory value for one working copy.
struct FactoryValue {
    Field Setting;
    double Number;
    const char* Text;
};

constexpr double kTenMillimetres = 28.3464564929;
constexpr double kTwelveMillimetres = 34.01574803;

FactoryValue Real(double W::*working, double value) { return {RealField{working, nullptr}, value, nullptr}; }
FactoryValue Whole(int32_t W::*working, int32_t value) {
    return {IntegerField{working, nullptr}, static_cast<double>(value), nullptr};
}
FactoryValue Text(std::string W::*working, const char* text) { return {TextField{working, nullptr}, 0.0, text}; }
FactoryValue Name(char (W::*working)[kSettingsNameSize], const char* text) {
    return {NameField{working, nullptr, kLayerNameKept}, 0.0, text};
}

const FactoryValue kCommonFactory[] = {
    Real(&W::LineWidth, 0.24),          Real(&W::EndMarkSize, 100.0),
    Real(&W::ScaleNumerator, 1.0),      Real(&W::ScaleDenominator, 1.0),
    Whole(&W::Decimals, 0),             Whole(&W::ArrowPreset, 0),
    Whole(&W::ArrowHeads, 1),           Whole(&W::Sound, 0),
    Whole(&W::PrefixSuffixOn, 0),       Text(&W::Prefix, "["),
    Text(&W::Suffix, "]"),              Whole(&W::ToolsGrouped, 0),
    Whole(&W::OwnLayer, 0),             Name(&W::LayerName, "Dimensions"),
    Real(&W::TextSize, 12.0),           Whole(&W::FootSymbol, 1),
    Whole(&W::InchSymbol, 1),           Whole(&W::RedrawAll, 0),
};

const FactoryValue kSegmentFactory[] = {
    Real(&W::SideTieLength, kTenMillimetres), Whole(&W::Magnetism, 1),
    Whole(&W::DimensionOrientation, 0),       Whole(&W::HorizontalText, 0),
    Real(&W::SegmentOffsetX, 0.0),            Real(&W::SegmentOffsetY, 0.0),
    Whole(&W::RememberedPointCount, 20),      Whole(&W::ShowUnit, 1),
    Whole(&W::Unit, 0),                       Whole(&W::SideTiesOn, 1),
    Whole(&W::SeriesOn, 0),                   Whole(&W::SeriesKind, 0),
};

const FactoryValue kAngleFactory[] = {
    Real(&W::ArcRadius, kTwelveMillimetres), Real(&W::AngleOffsetAngle, 0.0),
    Real(&W::AngleOffsetRadius, 0.0),        Whole(&W::ShowAngleUnit, 1),
    Whole(&W::AutoRightAngle, 1),            Whole(&W::MultipleArcType, 0),
    Real(&W::MultipleArcWidthFactor, 3.0),
};

const FactoryValue kCircleFactory[] = {
    Whole(&W::Diameter, 0),           Real(&W::CircleOffsetX, 0.0),   Real(&W::CircleOffsetY, 0.0),
    Real(&W::CircleTieLength, kTwelveMillimetres),                    Whole(&W::ShowUnit, 1),
    Whole(&W::Unit, 0),               Whole(&W::CircleSymbolShown, 1), Whole(&W::CircleSymbolBefore, 1),
    Whole(&W::RadiusLineDrawn, 1),
};

const FactoryValue kBezierFactory[] = {
    Whole(&W::DivisionCount, 3),    Whole(&W::BezierMode, 0),      Whole(&W::DivisionEndTicks, 1),
    Real(&W::BezierOffsetX, 0.0),   Real(&W::BezierOffsetY, 0.0),  Whole(&W::ShowUnit, 1),
    Whole(&W::Unit, 0),
};

void SetFactory(std::span<const FactoryValue> values) {
    PreferencesWorkingCopy& working = gPrefs.Working;
    for (const FactoryValue& value : values) {
        if (const auto* real = std::get_if<RealField>(&value.Setting))
            working.*real->Working = value.Number;
        else if (const auto* whole = std::get_if<IntegerField>(&value.Setting))
            working.*whole->Working = static_cast<int32_t>(value.Number);
        else if (const auto* text = std::get_if<TextField>(&value.Setting))
            working.*text->Working = value.Text;
        else if (const auto* name = std::get_if<NameField>(&value.Setting))
            SetSettingName(working.*name->Working, kSettingsNameSize, value.Text);
    }
}

}  // namespace

bool CommitPreferences() {
    const int32_t oldLimit = gSettings.RememberedPointCount;
    bool allWritten = true;
    // A default scale below 1 is stored as the same ratio in terms the read at launch keeps.
    RaiseScaleTerms(gPrefs.Working.ScaleNumerator, gPrefs.Working.ScaleDenominator);
    for (const CommitRow& row : kCommitRows) {
        const ASErr error = std::visit([&](const auto& field) { return Commit(row.Key, field); }, row.Setting);
        if (error != kNoErr) {
            allWritten = false;
            if (row.Failure == OnFailedWrite::Stops) break;
            continue;
        }
        if (IsRememberedPointRow(row)) ForgetRememberedSegmentsBelow(oldLimit);
    }
    return allWritten;
}

void SetFactoryPreferences() {
    SetFactory(kCommonFactory);
    switch (gPrefs.PrefsPage) {
        case kSegmentPrefsPage: SetFactory(kSegmentFactory); break;
        case kAnglePrefsPage: SetFactory(kAngleFactory); break;
        case kCirclePrefsPage: SetFactory(kCircleFactory); break;
        case kBezierPrefsPage: SetFactory(kBezierFactory); break;
        default: break;
    }
}
