// The start-up read: per-point keys by point count, the scale floors, the font and separator, and bad stored
// values that take their built-in default, which is written back; what the user set is never rewritten.
#include <cmath>
#include <limits>

#include "frame/SettingRanges.h"
#include "case_name.h"
#include "frame/SuiteTable.h"
#include "host/FontSuite.h"
#include "settings_fixture.h"

namespace settingstest {
namespace {

using sim::PrefValue;

// A store as a first run leaves it, then the seeds of the test, then a second start.
class ReadTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        StartFromDefaults();
        sim::ThePlugin().Shutdown();
        ClearPluginState();
        Store().ClearWriteLog();
    }
    static void Restart() { Start(); }
    // The values seeded for point i: distinct for each part and axis; the arrow's stay on its editor's canvas.
    static double SeededX(int i, int part) { return 1000.0 + 10.0 * i + part; }
    static double SeededY(int i, int part) { return 2000.0 + 10.0 * i + part; }
    static double ArrowX(int i, int part) { return 1.0 + 0.5 * i + 0.125 * part; }
    static double ArrowY(int i, int part) { return 2.0 + 0.5 * i + 0.125 * part; }
    static void SeedPoints(const PointKeyFamily& family, double (*seededX)(int, int) = SeededX,
                           double (*seededY)(int, int) = SeededY) {
        const PointPart parts[] = {PointPart::Anchor, PointPart::InHandle, PointPart::OutHandle};
        for (int part = 0; part < 3; ++part) {
            for (int i = 0; i < 20; ++i) {
                char x[kPointKeySize], y[kPointKeySize];
                PointKeyName(x, family, parts[part], 'X', i);
                PointKeyName(y, family, parts[part], 'Y', i);
                Seed(x, PrefValue::Real(seededX(i, part)));
                Seed(y, PrefValue::Real(seededY(i, part)));
            }
        }
    }
};

// Point counts and the indices read: indices 0 to 9, and 10 to 19 when the count is above 9, the slots past the
// count included (an OK writes them back as they are); past those the built-in slots stay.
struct CountCase {
    int32_t Stored;
    int32_t Held;
    int LastIndexRead;
};

class PointCountRead : public ReadTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(PointCountRead, TheBezierCurveReadsTenPointsUnlessItsCountIsAboveNine) {
    const CountCase& c = GetParam();
    SeedPoints(kBezierPointKeys);
    Seed("NbPtsBez", PrefValue::Int(c.Stored));
    Restart();
    const BezierCurveShape& shape = gSettings.BezierShape;
    const ShapePointTables builtIn = DefaultBezierPoints();
    EXPECT_EQ(shape.PointCount, c.Held);
    for (int i = 0; i < 20; ++i) {
        const bool read = i <= c.LastIndexRead;
        EXPECT_EQ(shape.Points.AnchorX[i], read ? static_cast<float>(SeededX(i, 0) - 280.0) : builtIn.AnchorX[i]) << i;
        EXPECT_EQ(shape.Points.AnchorY[i], read ? static_cast<float>(SeededY(i, 0) - 180.0) : builtIn.AnchorY[i]) << i;
        EXPECT_EQ(shape.Points.InX[i], read ? static_cast<float>(SeededX(i, 1) - 280.0) : builtIn.InX[i]) << i;
        EXPECT_EQ(shape.Points.OutY[i], read ? static_cast<float>(SeededY(i, 2) - 180.0) : builtIn.OutY[i]) << i;
    }
    EXPECT_TRUE(WrittenKeys().empty());
}

TEST_P(PointCountRead, ThePreferredArrowReadsTenPointsUnlessItsCountIsAboveNine) {
    const CountCase& c = GetParam();
    SeedPoints(kArrowPointKeys, ArrowX, ArrowY);
    Seed("NbPtsFlEdit", PrefValue::Int(c.Stored));
    Restart();
    const PreferredArrow& arrow = gSettings.PreferredArrowShape;
    const ShapePointTables builtIn = DefaultArrowPoints();
    EXPECT_EQ(arrow.PointCount, c.Held);
    for (int i = 0; i < 20; ++i) {
        const bool read = i <= c.LastIndexRead;
        EXPECT_EQ(arrow.Points.AnchorX[i], read ? static_cast<float>(ArrowX(i, 0) - 6.0) : builtIn.AnchorX[i]) << i;
        EXPECT_EQ(arrow.Points.InY[i], read ? static_cast<float>(ArrowY(i, 1) - 6.0) : builtIn.InY[i]) << i;
        EXPECT_EQ(arrow.Points.OutX[i], read ? static_cast<float>(ArrowX(i, 2) - 6.0) : builtIn.OutX[i]) << i;
    }
    EXPECT_TRUE(WrittenKeys().empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, PointCountRead,
                         ::testing::Values(CountCase{9, 9, 9}, CountCase{10, 10, 19}, CountCase{2, 2, 9},
                                           CountCase{20, 20, 19}, CountCase{25, 20, 19}, CountCase{-3, 2, 9},
                                           CountCase{1, 2, 9}),
                         [](const auto& info) { return CaseName("Stored", info.param.Stored); });

TEST_F(ReadTest, ACountOfZeroWritesTheBuiltInCurveAgain) {
    Seed("NbPtsBez", PrefValue::Int(0));
    Seed("PtBezierX0", PrefValue::Real(5.0));
    Seed("RepBez", PrefValue::Int(7));
    Restart();
    const std::vector<std::string> written = WrittenKeys();
    ASSERT_EQ(written.size(), 8u + 60u);
    EXPECT_EQ(written.front(), "NbPtsBez");
    EXPECT_EQ(written.back(), "PtINOUTBeziOY9");
    EXPECT_EQ(Stored("NbPtsBez"), PrefValue::Int(4));
    EXPECT_EQ(Stored("RepBez"), PrefValue::Int(1));
    EXPECT_EQ(Stored("PtBezierX0"), PrefValue::Real(180.0));
    EXPECT_EQ(gSettings.BezierShape.PointCount, 4);
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorX[0], -100.0f);
    EXPECT_EQ(gSettings.BezierReplicas.Count, 1);
}

TEST_F(ReadTest, ACountOfZeroWritesTheFactoryArrowAgain) {
    Seed("NbPtsFlEdit", PrefValue::Int(0));
    Seed("PtFlEditX1", PrefValue::Real(0.0));
    Seed("SymetriEdit", PrefValue::Bool(true));
    Restart();
    const std::vector<std::string> written = WrittenKeys();
    ASSERT_EQ(written.size(), 6u + 60u);
    EXPECT_EQ(written.front(), "NbPtsFlEdit");
    EXPECT_EQ(Stored("PtFlEditX1"), PrefValue::Real(17.0));
    EXPECT_EQ(Stored("SymetriEdit"), PrefValue::Bool(false));
    EXPECT_EQ(gSettings.PreferredArrowShape.PointCount, 6);
    EXPECT_EQ(gSettings.PreferredArrowShape.Points.AnchorX[1], 11.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.LineStartX, 2.0);
}

// The scale floors: the scale below 1.0, the custom scale below 0.0001 compared in single precision.
struct ScaleCase {
    const char* Key;
    double Stored;
    double Held;
};

class ScaleFloor : public ReadTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleFloor, ReadsAsOneBelowTheFloor) {
    const ScaleCase& c = GetParam();
    Seed(c.Key, PrefValue::Real(c.Stored));
    Restart();
    const SettingEntry* entry = FindSetting(c.Key);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*static_cast<double*>(entry->Address), c.Held);
    EXPECT_EQ(Stored(c.Key), PrefValue::Real(c.Stored));
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ScaleFloor,
    ::testing::Values(ScaleCase{"EchelleNum", 0.5, 1.0}, ScaleCase{"EchelleNum", 0.0, 1.0},
                      ScaleCase{"EchelleNum", -4.0, 1.0}, ScaleCase{"EchelleNum", 1.0, 1.0},
                      ScaleCase{"EchelleNum", 2.5, 2.5}, ScaleCase{"EchelleDen", 0.999, 1.0},
                      ScaleCase{"EchelleDen", 50.0, 50.0}, ScaleCase{"EchelleNumPersoReal", 0.00009, 1.0},
                      ScaleCase{"EchelleNumPersoReal", 0.0, 1.0}, ScaleCase{"EchelleNumPersoReal", 0.0001, 0.0001},
                      ScaleCase{"EchelleNumPersoReal", 0.0001 - 1e-13, 0.0001 - 1e-13},
                      ScaleCase{"EchelleDenPersoReal", 0.0001 - 1e-11, 1.0},
                      ScaleCase{"EchelleDenPersoReal", 0.25, 0.25}),
    [](const auto& info) { return CaseName(info.param.Key, info.index); });

TEST_F(ReadTest, TheScaleRatioComesFromTheStoredScaleInSinglePrecision) {
    Seed("EchelleNum", PrefValue::Real(1.1));
    Seed("EchelleDen", PrefValue::Real(3.0));
    Restart();
    EXPECT_EQ(gSettings.ScaleRatio, 0.36666667461395264);
    EXPECT_EQ(gCurrentOptions.ScaleNumerator, 1.1);
    EXPECT_EQ(gCurrentOptions.ScaleDenominator, 3.0);
}

TEST_F(ReadTest, TheFontSeparatorAndBezierOffsetAreReadUnderTheirKeys) {
    Seed("Police", PrefValue::String("Garamond Italique"));
    Seed("NumPolice", PrefValue::Int(5));
    Seed("Virgule", PrefValue::Bool(false));
    Seed("DecalageBezierY", PrefValue::Real(-3.25));
    Restart();
    EXPECT_STREQ(gSettings.FontName, "Garamond Italique");
    EXPECT_STREQ(gSettings.PreferredFontName, "Garamond Italique");
    EXPECT_EQ(gSettings.FontNumber, 0);
    EXPECT_EQ(gSettings.DecimalSeparator, '.');
    EXPECT_EQ(gSettings.BezierOffsetY, -3.25);
    EXPECT_EQ(gCurrentOptions.BezierOffsetY, -3.25);
}

TEST_F(ReadTest, AMissingFontIsTheHostsFirstFontAndNoFontListGivesAnEmptyName) {
    Store().Remove(kTavorinePreferencePrefix, "Police");
    Restart();
    EXPECT_STREQ(gSettings.FontName, "Arial");
    EXPECT_STREQ(gSettings.PreferredFontName, "Arial");
    EXPECT_EQ(WrittenKeys(), std::vector<std::string>{"Police"});
    EXPECT_EQ(Stored("Police"), PrefValue::String("Arial"));

    // A host whose font list is empty.
    AIFontSuite noFonts = *sAIFont;
    noFonts.IndexFontList = [](int32_t, AIFontKey*) -> ASErr { return kIndexOutOfRangeErr; };
    AIFontSuite* hostFonts = sAIFont;
    sAIFont = &noFonts;
    SetSettingToDefault(*FindSetting("Police"));
    sAIFont = hostFonts;
    EXPECT_STREQ(gSettings.FontName, "");
}

// Bad stored values: the setting takes its built-in default, and the store holds it from then on.
struct BadValueCase {
    const char* Name;
    const char* Key;
    PrefValue Bad;
};

class BadStoredValue : public ReadTest, public ::testing::WithParamInterface<BadValueCase> {};

// Expects the variable of the entry to hold its built-in default.
void ExpectDefault(const SettingEntry& entry) {
    switch (entry.Type) {
        case SettingType::Boolean:
        case SettingType::Integer:
            EXPECT_EQ(*static_cast<int32_t*>(entry.Address), static_cast<int32_t>(entry.DefaultNumber)) << entry.Key;
            break;
        case SettingType::Real: EXPECT_EQ(*static_cast<double*>(entry.Address), entry.DefaultNumber); break;
        case SettingType::String:
            EXPECT_STREQ(SettingString(*static_cast<char**>(entry.Address)), entry.DefaultText);
            break;
        case SettingType::Name: EXPECT_STREQ(static_cast<char*>(entry.Address), entry.DefaultText); break;
        case SettingType::Separator: EXPECT_EQ(*static_cast<char*>(entry.Address), ','); break;
    }
}

TEST_P(BadStoredValue, TakesTheBuiltInDefaultWhichIsWrittenBack) {
    const BadValueCase& c = GetParam();
    Seed(c.Key, c.Bad);
    Restart();
    const SettingEntry* entry = FindSetting(c.Key);
    ASSERT_NE(entry, nullptr);
    ExpectDefault(*entry);
    EXPECT_EQ(WrittenKeys(), std::vector<std::string>{c.Key});
    // The value written reads back as the same default at the next start, which writes nothing more.
    sim::ThePlugin().Shutdown();
    ClearPluginState();
    Store().ClearWriteLog();
    Restart();
    ExpectDefault(*entry);
    EXPECT_TRUE(WrittenKeys().empty());
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, BadStoredValue,
    ::testing::Values(BadValueCase{"RealAsString", "Zoom", PrefValue::String("cent")},
                      BadValueCase{"RealNaN", "Corps", PrefValue::Real(kNaN)},
                      BadValueCase{"RealInfinite", "Attaches", PrefValue::Real(kInfinity)},
                      BadValueCase{"RealMinusInfinite", "Rouge", PrefValue::Real(-kInfinity)},
                      BadValueCase{"ScaleNaN", "EchelleNum", PrefValue::Real(kNaN)},
                      BadValueCase{"BooleanAsInteger", "Son", PrefValue::Int(1)},
                      BadValueCase{"IntegerAsReal", "NbDivBez", PrefValue::Real(4.0)},
                      BadValueCase{"StringAsBoolean", "ChypreApres", PrefValue::Bool(true)},
                      BadValueCase{"NameAsInteger", "NomCalque", PrefValue::Int(3)},
                      BadValueCase{"SeparatorAsInteger", "Virgule", PrefValue::Int(0)},
                      BadValueCase{"CountAsString", "NbPtsFlEdit", PrefValue::String("6")},
                      BadValueCase{"ReplicasAsReal", "RepBez", PrefValue::Real(3.0)}),
    [](const ::testing::TestParamInfo<BadValueCase>& info) { return std::string(info.param.Name); });

// Stored integers outside what their setting can hold are clamped, not rewritten.
struct ClampCase {
    const char* Key;
    int32_t Stored;
    int32_t Held;
};

class IntegerClamp : public ReadTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(IntegerClamp, HoldsTheNearestSoundValue) {
    const ClampCase& c = GetParam();
    Seed(c.Key, PrefValue::Int(c.Stored));
    Restart();
    EXPECT_EQ(*static_cast<int32_t*>(FindSetting(c.Key)->Address), c.Held);
    EXPECT_EQ(Stored(c.Key), PrefValue::Int(c.Stored));
    EXPECT_TRUE(WrittenKeys().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Integers, IntegerClamp,
    ::testing::Values(ClampCase{"RepBez", 0, 1}, ClampCase{"RepBez", 30, 24}, ClampCase{"RepBez", -2, 1},
                      ClampCase{"NombreSouvenirsPrefs", 7, 6}, ClampCase{"NombreSouvenirsPrefs", 1, 2},
                      ClampCase{"NombreSouvenirsPrefs", -8, 2}, ClampCase{"NombreSouvenirsPrefs", 40, 40},
                      ClampCase{"UnitePrefs", 12, 7}, ClampCase{"RadioFleche", 9, 3},
                      ClampCase{"TypeCoulTraits", -3, 0}, ClampCase{"NbDivBez", 0, 1},
                      ClampCase{"SymbolePoucePrefs", 5, 2}),
    [](const auto& info) { return CaseName(info.param.Key, info.param.Stored); });

// Stored reals a drawing cannot use are held to the nearest usable value, not rewritten; sound values stay. A
// map's scale is sound; a direction beyond a turn is the same direction within one, keeping its sign; a radius
// of nothing is the smallest that draws an arc.
constexpr double kTurn = 2.0 * 3.14159265358979323846;

struct RealClampCase {
    const char* Key;
    double Stored;
    double Held;
};

class RealClamp : public ReadTest, public ::testing::WithParamInterface<RealClampCase> {};

TEST_P(RealClamp, HoldsTheNearestUsableValue) {
    const RealClampCase& c = GetParam();
    Seed(c.Key, PrefValue::Real(c.Stored));
    Restart();
    EXPECT_EQ(*static_cast<double*>(FindSetting(c.Key)->Address), c.Held);
    EXPECT_EQ(Stored(c.Key), PrefValue::Real(c.Stored));
    EXPECT_TRUE(WrittenKeys().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reals, RealClamp,
    ::testing::Values(RealClampCase{"Corps", 1e300, 1296.0}, RealClampCase{"Corps", 0.0, 0.1},
                      RealClampCase{"Corps", 9.5, 9.5}, RealClampCase{"EchelleDen", 1e300, 1e8},
                      RealClampCase{"EchelleNum", 0.5, 1.0}, RealClampCase{"EchelleNumPersoReal", 1e300, 1e8},
                      RealClampCase{"EchelleDen", 2e6, 2e6}, RealClampCase{"EchelleDen", 1e8, 1e8},
                      RealClampCase{"DecalageAngA", 400.0, 40.0}, RealClampCase{"AngCrea", 400.0, 40.0},
                      RealClampCase{"SegRotCrea", -400.0, -40.0}, RealClampCase{"RotRepBez", -7.0, -7.0 + kTurn},
                      RealClampCase{"Rayon", 0.0, kSmallestArcRadius}, RealClampCase{"Rayon", -14.17, kSmallestArcRadius},
                      RealClampCase{"Epaisseur", 1e300, 1000.0}, RealClampCase{"Epaisseur", -2.0, 0.0},
                      RealClampCase{"Zoom", 1e9, 1000.0}, RealClampCase{"Attaches", -1e30, -16383.0},
                      RealClampCase{"Attaches", -20.0, -20.0}, RealClampCase{"DecalageSegX", 1e20, 16383.0},
                      RealClampCase{"AnglePointe1", 400.0, 90.0}, RealClampCase{"Rouge", 300.0, 255.0},
                      RealClampCase{"Gris", -5.0, 0.0}, RealClampCase{"TiretUn", 5000.0, 1000.0},
                      RealClampCase{"AngCerCrea", 100.0, std::fmod(100.0, kTurn) - kTurn},
                      RealClampCase{"DebEditSegX", 50.0, 16.0}),
    [](const ::testing::TestParamInfo<RealClampCase>& info) {
        return std::string(info.param.Key) + "_" + std::to_string(info.index);
    });

TEST_F(ReadTest, PerPointValuesStayWhereTheirEditorCanShowThem) {
    Seed("PtBezierX1", PrefValue::Real(1e30));
    Seed("PtFlEditX2", PrefValue::Real(900.0));
    Seed("PtINOUTEditOY3", PrefValue::Real(-900.0));
    Restart();
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorX[1], 16383.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.Points.AnchorX[2], 16.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.Points.OutY[3], -6.0f);
    EXPECT_TRUE(WrittenKeys().empty());
}

TEST_F(ReadTest, EmptyStringsStayEmpty) {
    Seed("ChypreAvant", PrefValue::String(""));
    Seed("TexteLibre5", PrefValue::String(""));
    Seed("NomCalque", PrefValue::String(""));
    Restart();
    ASSERT_NE(gSettings.Prefix, nullptr);
    EXPECT_STREQ(gSettings.Prefix, "");
    EXPECT_STREQ(SettingString(gSettings.FreeTexts[4]), "");
    EXPECT_STREQ(gSettings.LayerName, "");
}

TEST_F(ReadTest, OverlongNamesAreCutWithoutSplittingACharacterAndTextsAreReadWhole) {
    const std::string longName(300, 'a');
    // 254 plain bytes then "é" (two bytes): the cut at 255 bytes falls inside the "é", which is dropped whole.
    const std::string accented = std::string(254, 'b') + "\xC3\xA9" + "cd";
    const std::string longText(5000, 'x');
    Seed("Police", PrefValue::String(longName));
    Seed("NomCalque", PrefValue::String(accented));
    Seed("TexteLibre1", PrefValue::String(longText));
    Seed("ChypreApres", PrefValue::String("Ø mm"));
    Restart();
    EXPECT_EQ(std::string(gSettings.FontName), std::string(255, 'a'));
    EXPECT_EQ(std::string(gSettings.PreferredFontName), std::string(255, 'a'));
    EXPECT_EQ(std::string(gSettings.LayerName), std::string(254, 'b'));
    // A text keeps what a free-text field holds: 5,000 bytes stay whole.
    EXPECT_EQ(std::string(SettingString(gSettings.FreeTexts[0])), longText);
    EXPECT_STREQ(SettingString(gSettings.Suffix), "Ø mm");
    EXPECT_EQ(Stored("TexteLibre1"), PrefValue::String(longText));
    EXPECT_TRUE(WrittenKeys().empty());
}

TEST_F(ReadTest, UnusablePerPointValuesTakeTheirBuiltInCoordinates) {
    Seed("PtBezierX1", PrefValue::Real(kNaN));
    Seed("PtBezierY2", PrefValue::Real(1e300));
    Seed("PtINOUTBeziIX3", PrefValue::String("380"));
    Seed("PtFlEditY1", PrefValue::Real(-kInfinity));
    Restart();
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorX[1], 0.0f);
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorY[2], 0.0f);
    EXPECT_EQ(gSettings.BezierShape.Points.InX[3], 0.0f);
    EXPECT_EQ(gSettings.BezierShape.Points.AnchorX[2], 100.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.Points.AnchorY[1], -4.5f);
    // The built-in coordinates are written in place of what could not be used, the offsets added.
    EXPECT_EQ(WrittenKeys(), (std::vector<std::string>{"PtBezierX1", "PtBezierY2", "PtINOUTBeziIX3", "PtFlEditY1"}));
    EXPECT_EQ(Stored("PtBezierX1"), PrefValue::Real(280.0));
    EXPECT_EQ(Stored("PtINOUTBeziIX3"), PrefValue::Real(280.0));
}

// A stored shape with one coordinate of its points that cannot be read (missing, of another type, not finite,
// no float) is the built-in shape whole, for the arrow and for the curve: its points, count, flags and line
// start. A broken key past the count changes nothing else: the other slots past the count keep what they read.
struct BrokenKeyCase {
    const char* Key;
    PrefValue Value;
    bool Remove;  // the key is missing instead
    bool Arrow;
    bool FallsBack;
    int32_t Count = 5;  // the stored point count
};

class BrokenPointKey : public ReadTest, public ::testing::WithParamInterface<BrokenKeyCase> {};

TEST_P(BrokenPointKey, MakesTheWholeShapeTheBuiltInOne) {
    const BrokenKeyCase& c = GetParam();
    SeedPoints(kBezierPointKeys);
    SeedPoints(kArrowPointKeys, ArrowX, ArrowY);
    Seed("NbPtsBez", PrefValue::Int(c.Count));
    Seed("NbPtsFlEdit", PrefValue::Int(c.Count));
    Seed("FouOEdit", PrefValue::Bool(false));
    Seed("FouOBez", PrefValue::Bool(false));
    Seed("DebEditSegX", PrefValue::Real(11.0));
    Seed("RepBez", PrefValue::Int(10));
    if (c.Remove)
        Store().Remove(kTavorinePreferencePrefix, c.Key);
    else
        Seed(c.Key, c.Value);
    Restart();
    const ShapePointTables& points =
        c.Arrow ? gSettings.PreferredArrowShape.Points : gSettings.BezierShape.Points;
    const ShapePointTables builtIn = c.Arrow ? DefaultArrowPoints() : DefaultBezierPoints();
    const double offsetX = c.Arrow ? 6.0 : 280.0, offsetY = c.Arrow ? 6.0 : 180.0;
    double (*seededX)(int, int) = c.Arrow ? ArrowX : SeededX;
    double (*seededY)(int, int) = c.Arrow ? ArrowY : SeededY;
    for (int i = 0; i < 10; ++i) {
        char anchorY[kPointKeySize];
        PointKeyName(anchorY, c.Arrow ? kArrowPointKeys : kBezierPointKeys, PointPart::Anchor, 'Y', i);
        EXPECT_EQ(points.AnchorX[i], c.FallsBack ? builtIn.AnchorX[i] : static_cast<float>(seededX(i, 0) - offsetX)) << i;
        EXPECT_EQ(points.InX[i], c.FallsBack ? builtIn.InX[i] : static_cast<float>(seededX(i, 1) - offsetX)) << i;
        EXPECT_EQ(points.OutY[i], c.FallsBack ? builtIn.OutY[i] : static_cast<float>(seededY(i, 2) - offsetY)) << i;
        // A broken anchor y past the count keeps its built-in slot.
        const float keptY = std::string(c.Key) == anchorY ? builtIn.AnchorY[i]
                                                           : static_cast<float>(seededY(i, 0) - offsetY);
        EXPECT_EQ(points.AnchorY[i], c.FallsBack ? builtIn.AnchorY[i] : keptY) << i;
    }
    if (c.Arrow) {
        EXPECT_EQ(gSettings.PreferredArrowShape.PointCount, c.FallsBack ? 6 : c.Count);
        EXPECT_EQ(gSettings.PreferredArrowShape.Closed, c.FallsBack ? 1 : 0);
        EXPECT_EQ(gSettings.PreferredArrowShape.LineStartX, c.FallsBack ? 2.0 : 11.0);
    } else {
        EXPECT_EQ(gSettings.BezierShape.PointCount, c.FallsBack ? 4 : c.Count);
        EXPECT_EQ(gSettings.BezierShape.Closed, c.FallsBack ? 1 : 0);
    }
    EXPECT_EQ(gSettings.BezierReplicas.Count, 10);  // the replicas keep their own keys
    EXPECT_TRUE(WrittenKeys().empty());  // the fallback lives in memory until the next OK
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BrokenPointKey,
    ::testing::Values(BrokenKeyCase{"PtFlEditX1", PrefValue::Real(kNaN), false, true, true},
                      BrokenKeyCase{"PtINOUTEditOY4", PrefValue::String("7"), false, true, true},
                      BrokenKeyCase{"PtINOUTEditIX0", PrefValue(), true, true, true},
                      BrokenKeyCase{"PtINOUTEditIX2", PrefValue(), true, true, true, 4},
                      BrokenKeyCase{"PtFlEditY7", PrefValue::Real(kNaN), false, true, false},
                      BrokenKeyCase{"PtBezierX0", PrefValue(), true, false, true, 6},
                      BrokenKeyCase{"PtBezierY2", PrefValue::Real(1e300), false, false, true},
                      BrokenKeyCase{"PtINOUTBeziIX3", PrefValue::Int(380), false, false, true},
                      BrokenKeyCase{"PtINOUTBeziOX9", PrefValue::Real(-kInfinity), false, false, false},
                      BrokenKeyCase{"PtBezierY7", PrefValue(), true, false, false},
                      // A count held to 20 whose slot 12 is missing: the built-in diamond, not 20 points.
                      BrokenKeyCase{"PtBezierX12", PrefValue(), true, false, true, 1000000}),
    [](const ::testing::TestParamInfo<BrokenKeyCase>& info) {
        return std::string(info.param.Key) + "_" + std::to_string(info.param.Count);
    });

TEST_F(ReadTest, AStoredPresetIsLoadedIntoTheEndMarkAtStartUp) {
    Seed("RadioFleche", PrefValue::Int(2));
    Seed("AnglePointe2", PrefValue::Real(45.0));
    Restart();
    EXPECT_EQ(gCurrentOptions.ArrowPreset, 2);
    EXPECT_EQ(gArrowHeadShape.Preset, 2);
    EXPECT_EQ(gArrowHeadShape.PointCount, 3);
    EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[2], 9.0f);
}

}  // namespace
}  // namespace settingstest
