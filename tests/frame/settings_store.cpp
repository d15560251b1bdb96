// The store's write side: one write per type, the per-point key names and the per-point writes.
#include <set>

#include "case_name.h"
#include "settings_fixture.h"

namespace settingstest {
namespace {

using sim::PrefValue;

class StoreTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        StartFromDefaults();
    }
};

TEST_F(StoreTest, EachWriteStoresOneKeyUnderThePrefixAtOnceWithItsType) {
    EXPECT_EQ(WriteBooleanPreference("Son", 5), kNoErr);
    EXPECT_EQ(WriteIntegerPreference("NbDivBez", -7), kNoErr);
    EXPECT_EQ(WriteRealPreference("Corps", 9.75), kNoErr);
    EXPECT_EQ(WriteStringPreference("ChypreAvant", "« "), kNoErr);
    EXPECT_EQ(WriteStringPreference("ChypreApres", nullptr), kNoErr);
    EXPECT_EQ(Stored("Son"), PrefValue::Bool(true));
    EXPECT_EQ(Stored("NbDivBez"), PrefValue::Int(-7));
    EXPECT_EQ(Stored("Corps"), PrefValue::Real(9.75));
    EXPECT_EQ(Stored("ChypreAvant"), PrefValue::String("« "));
    EXPECT_EQ(Stored("ChypreApres"), PrefValue::String(""));
    const std::vector<sim::PrefWrite>& log = Store().WriteLog();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].prefix, "VekTavorine");
    EXPECT_EQ(log[2].key, "Corps");
    EXPECT_EQ(log[2].type, sim::PrefType::Real);
}

TEST_F(StoreTest, AWriteReturnsTheHostsCode) {
    Store().InjectFault(kTavorinePreferencePrefix, "Zoom", 0, kOutOfMemoryErr);
    EXPECT_EQ(WriteRealPreference("Zoom", 50.0), kOutOfMemoryErr);
    EXPECT_EQ(Stored("Zoom"), PrefValue::Real(100.0));
}

TEST_F(StoreTest, WritingAnEntryStoresWhatItsVariableHolds) {
    gSettings.DecimalSeparator = '.';
    SetSettingName(gSettings.LayerName, kSettingsNameSize, "Cotes");
    SetSettingString(gSettings.FreeTexts[2], "Épaisseur");
    gColourSettings.Stroke.Cyan = 12.5;
    for (const char* key : {"Virgule", "NomCalque", "TexteLibre3", "Cyan"}) {
        ASSERT_NE(FindSetting(key), nullptr) << key;
        EXPECT_EQ(WriteSetting(*FindSetting(key)), kNoErr) << key;
    }
    EXPECT_EQ(Stored("Virgule"), PrefValue::Bool(false));
    EXPECT_EQ(Stored("NomCalque"), PrefValue::String("Cotes"));
    EXPECT_EQ(Stored("TexteLibre3"), PrefValue::String("Épaisseur"));
    EXPECT_EQ(Stored("Cyan"), PrefValue::Real(12.5));
}

TEST_F(StoreTest, TheHostRealPreferenceIsReadWithoutThePrefix) {
    Store().Put("", "Grid/Color/Lite/g", PrefValue::Real(0.25));
    Store().Remove("", "Grid/Color/Lite/b");
    Seed("Grid/Color/Lite/b", PrefValue::Real(0.75));
    Store().Put("", "Grid/Color/Lite/r", PrefValue::String("0.5"));
    double value = -1.0;
    EXPECT_EQ(ReadHostRealPreference("Grid/Color/Lite/g", &value), kNoErr);
    EXPECT_EQ(value, 0.25);
    // A key under the plug-in's prefix is not the host's; a missing or wrong-typed one leaves the value.
    EXPECT_NE(ReadHostRealPreference("Grid/Color/Lite/b", &value), kNoErr);
    EXPECT_NE(ReadHostRealPreference("Grid/Color/Lite/r", &value), kNoErr);
    EXPECT_EQ(value, 0.25);
    EXPECT_NE(ReadHostRealPreference("Grid/Color/Lite/g", nullptr), kNoErr);
}

TEST_F(StoreTest, AnOwnedStringIsReplacedByACopy) {
    char text[] = "Hauteur totale";
    ASSERT_TRUE(SetSettingString(gSettings.FreeTexts[0], text));
    text[0] = 'X';
    EXPECT_STREQ(gSettings.FreeTexts[0], "Hauteur totale");
    ASSERT_TRUE(SetSettingString(gSettings.FreeTexts[0], nullptr));
    EXPECT_STREQ(gSettings.FreeTexts[0], "");
}

struct KeyCase {
    const PointKeyFamily* Family;
    PointPart Part;
    char Axis;
    int32_t Index;
    const char* Name;
};

class PointKeyNames : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PointKeyNames, AreBuiltFromTheTemplates) {
    const KeyCase& c = GetParam();
    char name[kPointKeySize];
    const bool built = PointKeyName(name, *c.Family, c.Part, c.Axis, c.Index);
    EXPECT_EQ(built, *c.Name != '\0');
    EXPECT_STREQ(name, c.Name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PointKeyNames,
    ::testing::Values(KeyCase{&kBezierPointKeys, PointPart::Anchor, 'X', 0, "PtBezierX0"},
                      KeyCase{&kBezierPointKeys, PointPart::Anchor, 'Y', 19, "PtBezierY19"},
                      KeyCase{&kBezierPointKeys, PointPart::InHandle, 'X', 5, "PtINOUTBeziIX5"},
                      KeyCase{&kBezierPointKeys, PointPart::OutHandle, 'Y', 12, "PtINOUTBeziOY12"},
                      KeyCase{&kArrowPointKeys, PointPart::Anchor, 'X', 0, "PtFlEditX0"},
                      KeyCase{&kArrowPointKeys, PointPart::Anchor, 'Y', 19, "PtFlEditY19"},
                      KeyCase{&kArrowPointKeys, PointPart::InHandle, 'Y', 10, "PtINOUTEditIY10"},
                      KeyCase{&kArrowPointKeys, PointPart::OutHandle, 'X', 9, "PtINOUTEditOX9"},
                      KeyCase{&kArrowPointKeys, PointPart::OutHandle, 'Y', 19, "PtINOUTEditOY19"},
                      KeyCase{&kBezierPointKeys, PointPart::Anchor, 'X', 20, ""},
                      KeyCase{&kArrowPointKeys, PointPart::InHandle, 'X', -1, ""},
                      KeyCase{&kArrowPointKeys, PointPart::Anchor, 'Z', 3, ""}),
    [](const auto& info) {
        return info.param.Name[0] != 0 ? CaseName(info.param.Name) : CaseName("None", info.index);
    });

TEST(PointKeyFamilies, GiveTwoHundredAndFortyDistinctNamesThatFitTheirBuffer) {
    std::set<std::string> names;
    for (const PointKeyFamily* family : {&kBezierPointKeys, &kArrowPointKeys}) {
        for (PointPart part : {PointPart::Anchor, PointPart::InHandle, PointPart::OutHandle}) {
            for (char axis : {'X', 'Y'}) {
                for (int32_t i = 0; i < 20; ++i) {
                    char name[kPointKeySize];
                    ASSERT_TRUE(PointKeyName(name, *family, part, axis, i));
                    EXPECT_LT(std::strlen(name), kPointKeySize);
                    names.insert(name);
                }
            }
        }
    }
    EXPECT_EQ(names.size(), 240u);
}

TEST_F(StoreTest, PointWritesStoreTenIndicesUpToNinePointsAndTwentyAbove) {
    ShapePointTables points;
    for (int i = 0; i < 20; ++i) {
        points.AnchorX[i] = 0.1f * static_cast<float>(i);
        points.OutY[i] = -static_cast<float>(i);
    }
    WritePointPreferences(kBezierPointKeys, points, 9);
    std::vector<std::string> written = WrittenKeys();
    ASSERT_EQ(written.size(), 60u);
    EXPECT_EQ(written[0], "PtBezierX0");
    EXPECT_EQ(written[1], "PtBezierY0");
    EXPECT_EQ(written[19], "PtBezierY9");
    EXPECT_EQ(written[20], "PtINOUTBeziIX0");
    EXPECT_EQ(written[40], "PtINOUTBeziOX0");
    EXPECT_EQ(Stored("PtBezierX3"), PrefValue::Real(static_cast<double>(0.3f) + 280.0));
    EXPECT_EQ(Stored("PtINOUTBeziOY7"), PrefValue::Real(-7.0 + 180.0));

    Store().ClearWriteLog();
    WritePointPreferences(kArrowPointKeys, points, 10);
    written = WrittenKeys();
    ASSERT_EQ(written.size(), 120u);
    EXPECT_EQ(written[18], "PtFlEditX9");
    EXPECT_EQ(written[20], "PtFlEditX10");
    EXPECT_EQ(written[39], "PtFlEditY19");
    EXPECT_EQ(written[40], "PtINOUTEditIX0");
    EXPECT_EQ(written.back(), "PtINOUTEditOY19");
    EXPECT_EQ(Stored("PtINOUTEditOY15"), PrefValue::Real(-15.0 + 6.0));
}

}  // namespace
}  // namespace settingstest
