// A first run (a store without a key of the plug-in) writes every built-in default with its exact type and value;
// a later run keeps what the user set, holds a bad "Precision" and writes only the keys the store lacks.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "host/PreferenceSuite.h"
#include "host/SPPluginsSuite.h"
#include "host/Suites.h"
#include "settings_fixture.h"
#include "simhost/SuiteRegistry.h"

namespace settingstest {
namespace {

using sim::PrefValue;

struct ExpectedKey {
    const char* Key;
    PrefValue Value;
};

PrefValue B(bool v) { return PrefValue::Bool(v); }
PrefValue I(int32_t v) { return PrefValue::Int(v); }
PrefValue R(double v) { return PrefValue::Real(v); }
PrefValue S(const char* v) { return PrefValue::String(v); }

// Every key of the plug-in with the type and built-in default a first run stores.
const std::vector<ExpectedKey>& BuiltInDefaults() {
    static const std::vector<ExpectedKey> keys = {
        {"Epaisseur", R(0.24)}, {"Zoom", R(100.0)}, {"Attaches", R(28.3464564929)}, {"UnitePrefs", I(0)},
        {"EchelleNum", R(1.0)}, {"EchelleDen", R(1.0)}, {"Precision", I(0)}, {"RadioFleche", I(0)},
        {"RadioCoteType", I(0)}, {"TexteHoriz", B(false)}, {"AfficheUniteAngle", B(true)},
        {"DecalageSegX", R(0.0)}, {"DecalageSegY", R(0.0)}, {"DecalageAngA", R(0.0)}, {"DecalageAngR", R(0.0)},
        {"DecalageCerX", R(0.0)}, {"DecalageCerY", R(0.0)}, {"DecalageBezierX", R(0.0)},
        {"DecalageBezierY", R(0.0)}, {"Diametre", B(false)}, {"FouP", B(true)}, {"Son", B(false)},
        {"ChypreVF", B(false)}, {"ChypreAvant", S("[")}, {"ChypreApres", S("]")}, {"OutilsGroupe", B(false)},
        {"Calque", B(false)}, {"Police", S("Arial")}, {"NumPolice", I(0)}, {"Corps", R(12.0)},
        {"NombreSouvenirsPrefs", I(20)}, {"Magnetisme", B(true)}, {"Ligne", R(34.01574803)},
        {"Rayon", R(34.01574803)}, {"NbDivBez", I(3)}, {"PartRayTanBez", I(0)}, {"BoutsBez", B(true)},
        {"RouD", B(true)}, {"RouDAvant", B(true)}, {"AvecRayTrace", B(true)}, {"TypeArcSpecialPrefs", I(0)},
        {"CoefArcSpecial", R(3.0)}, {"AngleDroitAuto", B(true)}, {"AfficheUnite", B(true)},
        {"SymbolePiedPrefs", I(0)}, {"SymbolePoucePrefs", I(0)}, {"Redessiner", B(false)},
        {"NomCalque", S("Dimensions")}, {"AvecAttaches", B(true)}, {"CoteSerie", B(false)},
        {"TypeCoteSerie", I(0)},
        {"TypeCoulTraits", I(1)}, {"TypeCoulTexte", I(1)}, {"Gris", R(100.0)}, {"Rouge", R(196.0)},
        {"Vert", R(25.0)}, {"Bleu", R(127.0)}, {"Cyan", R(23.0)}, {"Magenta", R(97.0)}, {"Jaune", R(4.0)},
        {"NoirCMJN", R(0.0)}, {"GrisTexte", R(100.0)}, {"RougeTexte", R(196.0)}, {"VertTexte", R(25.0)},
        {"BleuTexte", R(127.0)}, {"CyanTexte", R(23.0)}, {"MagentaTexte", R(97.0)}, {"JauneTexte", R(4.0)},
        {"NoirTexteCMJN", R(0.0)}, {"CadenasTexte", B(true)}, {"CouleursGlobales", B(false)},
        {"AnglePointe1", R(17.0)}, {"AnglePointe2", R(17.0)}, {"FlecheCreuse", B(true)},
        {"Gap", R(0.0)}, {"GapTexteSeg", R(2.0)}, {"Virgule", B(true)}, {"TailleTexteTol", B(true)},
        {"DecaleTexteTol", R(1.5)}, {"Pointille", B(false)}, {"BoutRond", B(true)}, {"TiretUn", R(6.0)},
        {"TrouUn", R(6.0)}, {"TiretDeux", R(0.0)}, {"TrouDeux", R(0.0)}, {"VariablePolice", I(0)},
        {"TexteLibre1", S("Longueur")}, {"TexteLibre2", S("Largeur")}, {"TexteLibre3", S("Hauteur")},
        {"TexteLibre4", S("Profondeur")}, {"TexteLibre5", S("Rayon")},
        {"SegEpaisCrea", R(2.5)}, {"SegRotCrea", R(45.0)}, {"CaseCreaSeg", B(true)}, {"CentreCreaSeg", B(false)},
        {"AngCrea", R(45.0)}, {"AngEpaisCrea", R(2.5)}, {"CaseCreaAng", B(true)}, {"CentreCreaAng", B(false)},
        {"CerEpaisCrea", R(2.5)}, {"AngCerCrea", R(0.7853981633974483)}, {"CaseCreaCer", B(true)},
        {"CreaArcCer", B(false)}, {"CreaSecteurCer", B(false)},
        {"NbPtsBez", I(4)}, {"FouOBez", B(true)}, {"CouPBez", B(false)}, {"RepBez", I(1)},
        {"RotRepBez", R(0.0)}, {"DecalHBez", R(0.0)}, {"DecalVBez", R(0.0)}, {"GrosReducBez", R(0.0)},
        {"NbPtsFlEdit", I(6)}, {"FouOEdit", B(true)}, {"CouPEdit", B(false)}, {"SymetriEdit", B(false)},
        {"DebEditSegX", R(2.0)}, {"DebEditSegY", R(0.0)},
        {"PanneauVisible", B(true)}, {"PanneauGrand", B(true)}, {"EchelleNumPersoReal", R(3.0)},
        {"EchelleDenPersoReal", R(7.0)},
    };
    return keys;
}

// A stored editor coordinate: the single-precision coordinate plus the offset, added in double precision.
double StoredCoordinate(float coordinate, double offset) { return static_cast<double>(coordinate) + offset; }

// The per-point keys of indices 0..9 of both editors as a first run stores them.
std::map<std::string, double> DefaultPointKeys() {
    std::map<std::string, double> keys;
    const auto put = [&keys](const std::string& name, int i, float x, float y, double offsetX, double offsetY) {
        keys[name + "X" + std::to_string(i)] = StoredCoordinate(x, offsetX);
        keys[name + "Y" + std::to_string(i)] = StoredCoordinate(y, offsetY);
    };
    // The Bézier diamond (-100, 0), (0, 60), (100, 0), (0, -60), handles on their anchors, then empty slots.
    const float bx[10] = {-100, 0, 100, 0, 0, 0, 0, 0, 0, 0};
    const float by[10] = {0, 60, 0, -60, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i) {
        for (const char* name : {"PtBezier", "PtINOUTBeziI", "PtINOUTBeziO"}) put(name, i, bx[i], by[i], 280.0, 180.0);
    }
    // Predefined tip 5 of the arrow-head editor: anchor, In handle, Out handle, then empty slots.
    const float a[10][6] = {{0, 0, 0, 0, 0, 0},
                            {11, -4.5f, 14.6f, -5.8f, 11, -4.5f},
                            {13, -2, 10.7f, -1.4f, 15.25f, -2.55f},
                            {2, 0, 2, 0, 2, 0},
                            {13, 2, 15.25f, 2.55f, 10.7f, 1.4f},
                            {11, 4.5f, 11, 4.5f, 14.6f, 5.8f},
                            {}, {}, {}, {}};
    for (int i = 0; i < 10; ++i) {
        put("PtFlEdit", i, a[i][0], a[i][1], 6.0, 6.0);
        put("PtINOUTEditI", i, a[i][2], a[i][3], 6.0, 6.0);
        put("PtINOUTEditO", i, a[i][4], a[i][5], 6.0, 6.0);
    }
    return keys;
}

TEST_F(SettingsTest, TheKeyTableHoldsTheHundredAndTwentyTwoKeysOnce) {
    std::set<std::string> keys;
    for (const SettingEntry& entry : SettingsTable()) keys.insert(entry.Key);
    EXPECT_EQ(SettingsTable().size(), 122u);
    EXPECT_EQ(keys.size(), 122u);
    EXPECT_EQ(BuiltInDefaults().size(), 122u);
}

TEST_F(SettingsTest, AFirstRunWritesEveryKeyWithItsTypeAndValueAndNothingElse) {
    Start();
    std::map<std::string, PrefValue> expected;
    for (const ExpectedKey& key : BuiltInDefaults()) expected[key.Key] = key.Value;
    for (const auto& [name, value] : DefaultPointKeys()) expected[name] = PrefValue::Real(value);
    ASSERT_EQ(expected.size(), 122u + 120u);

    std::map<std::string, PrefValue> stored;
    for (const auto& [key, value] : Store().Values()) {
        if (key.first == kTavorinePreferencePrefix) stored[key.second] = value;
        EXPECT_NE(key.first, "Tavorine") << "the panel's dock keys are not written at start-up: " << key.second;
    }
    for (const auto& [key, value] : expected) {
        const auto found = stored.find(key);
        ASSERT_NE(found, stored.end()) << key;
        EXPECT_EQ(found->second.type, value.type) << key;
        EXPECT_EQ(found->second, value) << key << " stored " << found->second.Text() << ", expected " << value.Text();
    }
    EXPECT_EQ(stored.size(), expected.size());
}

TEST_F(SettingsTest, AFirstRunWritesEachKeyOnceInTableOrderThenTheCurveThenTheArrow) {
    Start();
    const std::vector<std::string> written = WrittenKeys();
    ASSERT_EQ(written.size(), 122u + 120u);
    EXPECT_EQ(std::set<std::string>(written.begin(), written.end()).size(), written.size());
    EXPECT_EQ(written.front(), "Epaisseur");
    const auto at = [&written](const std::string& key) {
        return std::find(written.begin(), written.end(), key) - written.begin();
    };
    // The general keys, then the curve's scalars and points, then the arrow's.
    EXPECT_LT(at("EchelleDenPersoReal"), at("NbPtsBez"));
    EXPECT_EQ(at("GrosReducBez") + 1, at("PtBezierX0"));
    EXPECT_EQ(at("PtBezierX0") + 1, at("PtBezierY0"));
    EXPECT_EQ(at("PtBezierY9") + 1, at("PtINOUTBeziIX0"));
    EXPECT_EQ(at("PtINOUTBeziIY9") + 1, at("PtINOUTBeziOX0"));
    EXPECT_EQ(at("PtINOUTBeziOY9") + 1, at("NbPtsFlEdit"));
    EXPECT_EQ(at("DebEditSegY") + 1, at("PtFlEditX0"));
    EXPECT_EQ(written.back(), "PtINOUTEditOY9");
}

TEST_F(SettingsTest, AFirstRunLoadsTheDefaultsIntoMemory) {
    Start();
    EXPECT_EQ(gSettings.LineWidth, 0.24);
    // The label font starts as the first font of the host's list.
    EXPECT_STREQ(gSettings.FontName, "Arial");
    EXPECT_STREQ(gSettings.PreferredFontName, "Arial");
    EXPECT_STREQ(gSettings.LayerName, "Dimensions");
    EXPECT_STREQ(SettingString(gSettings.Prefix), "[");
    EXPECT_STREQ(SettingString(gSettings.FreeTexts[3]), "Profondeur");
    EXPECT_EQ(gSettings.DecimalSeparator, ',');
    EXPECT_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_EQ(gSettings.BezierShape.PointCount, 4);
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorY[1], 60.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.PointCount, 6);
    EXPECT_EQ(gSettings.PreferredArrowShape.Points.InX[1], 14.6f);
    EXPECT_EQ(gColourSettings.StrokeModel, 1);
    EXPECT_EQ(gColourSettings.Stroke.Red, 196.0);
    EXPECT_EQ(gColourSettings.HollowTriangle, 1);
}

// A store that holds some keys of the plug-in is not a first run, whatever its "Precision": a bad one is held to
// 0..6 and written back, the missing keys take their defaults, and what the user set stays.
struct PrecisionCase {
    const char* Name;
    std::optional<PrefValue> Precision;
    int32_t Held;  // the precision in force and in the store afterwards
    bool Written;  // whether "Precision" is written
    bool Latin1 = false;     // "ChypreApres" saved by an editor in Latin-1: " été café", each é a byte E9
    bool OlderHost = false;  // a host whose suites lack every call the plug-in added to them
};

class PrecisionRule : public SettingsTest, public ::testing::WithParamInterface<PrecisionCase> {};

TEST_P(PrecisionRule, ABadPrecisionIsHeldAndWrittenBackAndTheUsersKeysStay) {
    const PrecisionCase& c = GetParam();
    Seed("Zoom", PrefValue::Real(55.0));
    Seed("ChypreAvant", PrefValue::String("<<"));
    if (c.Precision) Seed("Precision", *c.Precision);
    Start();
    EXPECT_EQ(Stored("Zoom"), PrefValue::Real(55.0));
    EXPECT_EQ(Stored("ChypreAvant"), PrefValue::String("<<"));
    EXPECT_EQ(gSettings.EndMarkSize, 55.0);
    EXPECT_STREQ(SettingString(gSettings.Prefix), "<<");
    EXPECT_EQ(gSettings.Decimals, c.Held);
    EXPECT_EQ(Stored("Precision"), PrefValue::Int(c.Held));
    const std::vector<std::string> written = WrittenKeys();
    EXPECT_EQ(std::count(written.begin(), written.end(), "Precision"), c.Written ? 1 : 0);
    // Every other key was missing and takes its default; the two the user set are not written.
    // (The point slots past each editor's count are read and written like the others: all of the 242 keys.)
    EXPECT_EQ(written.size(), 242u - 2u - (c.Written ? 0u : 1u));
    EXPECT_EQ(Stored("Corps"), PrefValue::Real(12.0));
}

INSTANTIATE_TEST_SUITE_P(
    Precision, PrecisionRule,
    ::testing::Values(PrecisionCase{"Missing", std::nullopt, 0, true},
                      PrecisionCase{"Seven", PrefValue::Int(7), 6, true},
                      PrecisionCase{"Nine", PrefValue::Int(9), 6, true},
                      PrecisionCase{"MinusOne", PrefValue::Int(-1), 0, true},
                      PrecisionCase{"WrongType", PrefValue::Real(3.0), 0, true},
                      PrecisionCase{"String", PrefValue::String("2"), 0, true},
                      PrecisionCase{"Six", PrefValue::Int(6), 6, false},
                      PrecisionCase{"Zero", PrefValue::Int(0), 0, false},
                      PrecisionCase{"Three", PrefValue::Int(3), 3, false}),
    [](const ::testing::TestParamInfo<PrecisionCase>& info) { return std::string(info.param.Name); });

// A user's file: eleven keys set by hand over a first run's defaults, and a bad "Precision".
class UsersFile : public SettingsTest, public ::testing::WithParamInterface<PrecisionCase> {};

TEST_P(UsersFile, KeepsEveryKeyTheUserSetWhateverItsPrecision) {
    StartFromDefaults();
    sim::ThePlugin().Shutdown();
    ClearPluginState();
    Seed("NomCalque", PrefValue::String("MesCotes"));
    Seed("TexteLibre1", PrefValue::String("Côté du jardin"));
    Seed("Rouge", PrefValue::Real(12.0));
    Seed("Corps", PrefValue::Real(18.0));
    Seed("EchelleNum", PrefValue::Real(1.0));
    Seed("EchelleDen", PrefValue::Real(50.0));
    Seed("NbPtsBez", PrefValue::Int(5));
    Seed("PtBezierX4", PrefValue::Real(330.0));
    Seed("PtBezierY4", PrefValue::Real(240.0));
    Seed("Son", PrefValue::Bool(true));
    Seed("Calque", PrefValue::Bool(true));
    Store().Remove(kTavorinePreferencePrefix, "Precision");
    if (GetParam().Precision) Seed("Precision", *GetParam().Precision);
    if (GetParam().Latin1) Seed("ChypreApres", PrefValue::String(" \xE9t\xE9 caf\xE9"));
    Seed("TexteLibre2", PrefValue::String(std::string(300, 'x')));
    // Kept until the plug-in has shut down, after the test's own end.
    static AIPreferenceSuite older;
    older = *static_cast<const AIPreferenceSuite*>(
        sim::TheSuites().Table(kAIPreferenceSuite, kAIPreferenceSuiteVersion));
    older.GetStringPreferenceLength = nullptr;
    static SPPluginsSuite olderPlugins;
    olderPlugins =
        *static_cast<const SPPluginsSuite*>(sim::TheSuites().Table(kSPPluginsSuite, kSPPluginsSuiteVersion));
    olderPlugins.GetPluginFilePath = nullptr;
    if (GetParam().OlderHost) {
        sim::TheSuites().Register(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &older);
        sim::TheSuites().Register(kSPPluginsSuite, kSPPluginsSuiteVersion, &olderPlugins);
    }
    std::map<sim::PreferenceStore::Key, PrefValue> before = Store().Values();
    before.erase({kTavorinePreferencePrefix, "Precision"});
    Store().ClearWriteLog();

    Start();
    std::map<sim::PreferenceStore::Key, PrefValue> after = Store().Values();
    const sim::PreferenceStore::Key precision{kTavorinePreferencePrefix, "Precision"};
    EXPECT_EQ(after[precision], PrefValue::Int(GetParam().Held));
    after.erase(precision);
    EXPECT_EQ(after, before);
    EXPECT_EQ(WrittenKeys(), std::vector<std::string>{"Precision"});
    EXPECT_STREQ(gSettings.LayerName, "MesCotes");
    EXPECT_STREQ(SettingString(gSettings.FreeTexts[0]), "Côté du jardin");
    // Read whole through the host's length, else through the fixed buffer that keeps 255 bytes.
    EXPECT_EQ(std::string(SettingString(gSettings.FreeTexts[1])), std::string(GetParam().OlderHost ? 255 : 300, 'x'));
    EXPECT_STREQ(SettingString(gSettings.Suffix), GetParam().Latin1 ? " été café" : "]");
    EXPECT_EQ(gSettings.TextSize, 18.0);
    EXPECT_EQ(gSettings.ScaleRatio, 1.0 / 50.0);
    EXPECT_EQ(gSettings.BezierShape.PointCount, 5);
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorX[4], 50.0f);
    EXPECT_EQ(gSettings.Sound, 1);
    EXPECT_EQ(gSettings.OwnLayer, 1);
    EXPECT_EQ(gSettings.Decimals, GetParam().Held);
}

INSTANTIATE_TEST_SUITE_P(Precision, UsersFile,
                         ::testing::Values(PrecisionCase{"Nine", PrefValue::Int(9), 6, true},
                                           PrecisionCase{"Missing", std::nullopt, 0, true},
                                           PrecisionCase{"String", PrefValue::String("3"), 0, true},
                                           PrecisionCase{"Latin1Suffix", PrefValue::Int(9), 6, true, true},
                                           PrecisionCase{"OlderHost", PrefValue::Int(9), 6, true, false, true},
                                           PrecisionCase{"Latin1OnOlderHost", PrefValue::Int(9), 6, true, true, true}),
                         [](const ::testing::TestParamInfo<PrecisionCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST_F(SettingsTest, AKeyMissingAfterTheFirstRunTakesItsDefaultWhichIsWritten) {
    Start();
    sim::ThePlugin().Shutdown();
    Store().Remove(kTavorinePreferencePrefix, "Corps");
    Store().Remove(kTavorinePreferencePrefix, "TexteLibre2");
    Store().Remove(kTavorinePreferencePrefix, "Gris");
    Store().Remove(kTavorinePreferencePrefix, "NumPolice");
    Store().Remove(kTavorinePreferencePrefix, "PtFlEditX3");
    ClearPluginState();
    Store().ClearWriteLog();
    Start();
    EXPECT_EQ(gSettings.TextSize, 12.0);
    EXPECT_STREQ(SettingString(gSettings.FreeTexts[1]), "Largeur");
    EXPECT_EQ(gColourSettings.Stroke.Grey, 100.0);
    EXPECT_EQ(WrittenKeys(), (std::vector<std::string>{"NumPolice", "Corps", "Gris", "TexteLibre2", "PtFlEditX3"}));
    EXPECT_EQ(Stored("Corps"), PrefValue::Real(12.0));
    EXPECT_EQ(Stored("TexteLibre2"), PrefValue::String("Largeur"));
}

TEST_F(SettingsTest, AFailedDefaultWriteIsReportedAndTheOthersAreStillWritten) {
    Start();
    // No key of the plug-in left: a first run.
    std::vector<std::string> keys;
    for (const auto& [key, value] : Store().Values())
        if (key.first == kTavorinePreferencePrefix) keys.push_back(key.second);
    for (const std::string& key : keys) Store().Remove(kTavorinePreferencePrefix, key);
    Store().InjectFault(kTavorinePreferencePrefix, "Zoom", 0, kOutOfMemoryErr);
    Store().ClearWriteLog();
    EXPECT_EQ(ReadPreferences(), kOutOfMemoryErr);
    EXPECT_EQ(WrittenKeys().size(), 241u);
    EXPECT_FALSE(Store().Has(kTavorinePreferencePrefix, "Zoom"));
    EXPECT_EQ(Stored("Corps"), PrefValue::Real(12.0));
    EXPECT_EQ(gSettings.EndMarkSize, 100.0);
}

}  // namespace
}  // namespace settingstest
