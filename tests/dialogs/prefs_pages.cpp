// The tool pages: which items each shows and enables, and what "Par défaut" restores on each.
#include <map>

#include "case_name.h"
#include "prefs_fixture.h"

namespace {

using namespace prefstest;

// Items of each page, the unit popup apart.
const std::vector<int32_t> kPageItems[] = {
    {},
    {87, 88, 89, 104, 127, 106, 132, 107, 133, 109, 113, 142, 143, 172, 173, 175, 176},
    {90, 91, 92, 118, 121, 149, 150, 151, 152, 153, 154, 145, 159},
    {93, 94, 110, 112, 128, 115, 116, 155, 156, 157, 158},
    {84, 85, 86, 138, 139, 144, 160, 161, 162, 163, 169},
};

class PrefsPages : public PrefsTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PrefsPages, ToolPopupShowsOnlyThePageItems) {
    const int32_t page = GetParam();
    Run([page](const PrefsWindow& window) {
        EXPECT_EQ(window.Choose(kToolPopupItem, page - 1), kNoErr);
        EXPECT_EQ(gPrefs.PrefsPage, page);
        for (int32_t other = 1; other <= 4; ++other)
            for (int32_t id : kPageItems[other]) {
                EXPECT_EQ(window.Shown(id), other == page) << "item " << id << " on page " << page;
                if (other != page) {
                    EXPECT_FALSE(window.Enabled(id)) << id;
                }
            }
        EXPECT_EQ(window.Shown(kUnitPopupItem), page != kAnglePrefsPage);
        EXPECT_TRUE(window.Shown(kSampleTextItem));
        EXPECT_TRUE(window.Enabled(kScalePopupItem));
        Cancel(window);
    });
}

INSTANTIATE_TEST_SUITE_P(EachPage, PrefsPages, ::testing::Values(1, 2, 3, 4, 5),
                         [](const auto& info) { return CaseName("Page", info.param); });

TEST_F(PrefsTest, ConditionalItemsFollowTheirWorkingValues) {
    Run([](const PrefsWindow& window) {
        // Segment: the magnetic points follow "Magnétisme".
        EXPECT_TRUE(window.Enabled(kMagneticPointsItem));
        window.Click(kMagnetismItem);
        EXPECT_FALSE(window.Enabled(kMagneticPointsItem));
        EXPECT_TRUE(window.Active(kLineWidthItem));
        // Angle: the coefficient follows the arc type, across a page switch.
        window.Choose(kToolPopupItem, 1);
        EXPECT_TRUE(window.Shown(kArcFactorItem));
        EXPECT_FALSE(window.Enabled(kArcFactorItem));
        window.Click(kArcTypeItem + 2);
        EXPECT_TRUE(window.Enabled(kArcFactorItem));
        EXPECT_TRUE(window.Enabled(kArcFactorPicture));
        EXPECT_TRUE(window.Active(kArcFactorItem));
        window.Choose(kToolPopupItem, 0);
        window.Choose(kToolPopupItem, 1);
        EXPECT_TRUE(window.Enabled(kArcFactorItem));
        // Cercle: the symbol's place follows "R ou Ø"; no radius line forces the symbol on.
        window.Choose(kToolPopupItem, 2);
        window.Click(kCircleSymbolItem);
        EXPECT_FALSE(window.Enabled(kSymbolPlaceItem));
        window.Click(kRadiusNotDrawnItem);
        EXPECT_EQ(gPrefs.Working.RadiusLineDrawn, 0);
        EXPECT_EQ(window.Value(kCircleSymbolItem), 1.0f);
        EXPECT_FALSE(window.Enabled(kCircleSymbolItem));
        EXPECT_TRUE(window.Enabled(kSymbolPlaceItem));
        EXPECT_EQ(window.Tip(kSymbolPlaceItem), "R s'affichera avant la cote.");
        // Bézier: the radius and tangent modes disable the division items, and the page switch gives the count
        // back.
        window.Choose(kToolPopupItem, 3);
        window.Click(kBezierModeItem + 1);
        EXPECT_FALSE(window.Enabled(kDivisionsItem));
        EXPECT_FALSE(window.Enabled(kDivisionEndsItem));
        window.Choose(kToolPopupItem, 0);
        window.Choose(kToolPopupItem, 3);
        EXPECT_TRUE(window.Enabled(kDivisionsItem));
        EXPECT_FALSE(window.Enabled(kDivisionEndsItem));
        window.Click(kBezierModeItem);
        EXPECT_TRUE(window.Active(kDivisionsItem));
        Cancel(window);
    });
}

// Keys a page's "Par défaut" restores with their factory values; the others of the page table stay.
struct PageDefaults {
    int32_t Page;
    std::vector<std::pair<const char*, double>> Restored;
    std::vector<const char*> Kept;
};

const PageDefaults kPageDefaults[] = {
    {1, {{"Attaches", 28.3464564929}, {"Magnetisme", 1}, {"NombreSouvenirsPrefs", 20}, {"UnitePrefs", 0},
         {"AfficheUnite", 1}, {"CoteSerie", 0}},
     {"Rayon", "NbDivBez", "RouD"}},
    {2, {{"Rayon", 34.01574803}, {"AngleDroitAuto", 1}, {"CoefArcSpecial", 3.0}, {"AfficheUniteAngle", 1}},
     {"UnitePrefs", "AfficheUnite", "Attaches", "NbDivBez", "Magnetisme"}},
    {3, {{"Ligne", 34.01574803}, {"RouD", 1}, {"RouDAvant", 1}, {"AvecRayTrace", 1}, {"UnitePrefs", 0}},
     {"Rayon", "NbDivBez"}},
    {4, {{"NbDivBez", 3}, {"PartRayTanBez", 0}, {"BoutsBez", 1}, {"UnitePrefs", 0}}, {"Rayon", "Ligne"}},
    {5, {}, {"UnitePrefs", "AfficheUnite", "Rayon", "NbDivBez", "Ligne", "Attaches", "RouD"}},
};

double Number(const sim::PrefValue& value) {
    switch (value.type) {
        case sim::PrefType::Bool: return value.boolValue ? 1 : 0;
        case sim::PrefType::Int: return value.intValue;
        default: return value.realValue;
    }
}

class PrefsDefaults : public PrefsTest, public ::testing::WithParamInterface<PageDefaults> {
protected:
    // Stores values away from the factory ones, as a user's earlier OK would have.
    static void SeedOddValues() {
        for (const char* key : {"Attaches", "Rayon", "Ligne", "CoefArcSpecial", "Epaisseur", "Corps"})
            Store().Put(kTavorinePreferencePrefix, key, sim::PrefValue::Real(7.5));
        for (const char* key : {"UnitePrefs", "NbDivBez", "PartRayTanBez", "NombreSouvenirsPrefs", "Precision"})
            Store().Put(kTavorinePreferencePrefix, key, sim::PrefValue::Int(2));
        for (const char* key : {"Magnetisme", "AfficheUnite", "RouD", "RouDAvant", "AvecRayTrace", "BoutsBez",
                                "AngleDroitAuto", "AfficheUniteAngle", "Son", "CoteSerie"})
            Store().Put(kTavorinePreferencePrefix, key,
                        sim::PrefValue::Bool(std::string(key) == "Son" || std::string(key) == "CoteSerie"));
        sim::ThePlugin().Shutdown();
        ClearSettings();
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        Store().ClearWriteLog();
    }
};

TEST_P(PrefsDefaults, RestoreTheCommonPageAndThePageOnShowOnly) {
    const PageDefaults& expected = GetParam();
    SeedOddValues();
    std::map<std::string, double> kept;
    for (const char* key : expected.Kept) kept[key] = Number(*Stored(key));
    Run(
        [&expected](const PrefsWindow& window) {
            if (expected.Page == kLengthsPrefsPage) window.Choose(kToolPopupItem, kLengthsPrefsPage - 1);
            EXPECT_EQ(gPrefs.PrefsPage, expected.Page);
            EXPECT_EQ(window.Click(kPrefsDefaultItem), kNoErr);
            EXPECT_EQ(window.Click(kPrefsDefaultItem), kNoErr);  // twice is once
            EXPECT_TRUE(window.Active(kLineWidthItem));
            EXPECT_EQ(window.Value(kLineWidthItem), 0.24f);
            EXPECT_EQ(window.Chosen(kScalePopupItem), "1");
            EXPECT_EQ(window.Chosen(kFootSymbolItem), "pi");
            EXPECT_EQ(window.Tip(kRedrawAllItem),
                      "En cas de clic sur une cote pour la modifier, seule la cote cliquée sera modifiée.");
            Ok(window);
        },
        static_cast<ToolNumber>(expected.Page));
    EXPECT_EQ(Stored("Epaisseur")->realValue, 0.24);
    EXPECT_EQ(Stored("Corps")->realValue, 12.0);
    EXPECT_EQ(Stored("Precision")->intValue, 0);
    EXPECT_EQ(Stored("SymbolePiedPrefs")->intValue, 1);
    EXPECT_EQ(Stored("ChypreAvant")->stringValue, "[");
    for (const auto& [key, value] : expected.Restored) EXPECT_DOUBLE_EQ(Number(*Stored(key)), value) << key;
    for (const auto& [key, value] : kept) EXPECT_DOUBLE_EQ(Number(*Stored(key)), value) << key;
}

INSTANTIATE_TEST_SUITE_P(EachPage, PrefsDefaults, ::testing::ValuesIn(kPageDefaults),
                         [](const auto& info) { return "Page" + std::to_string(info.param.Page); });

TEST_F(PrefsTest, DefaultsShowTheirItemsOnTheCirclePage) {
    Store().Put(kTavorinePreferencePrefix, "Diametre", sim::PrefValue::Bool(true));
    Store().Put(kTavorinePreferencePrefix, "RouDAvant", sim::PrefValue::Bool(false));
    sim::ThePlugin().Shutdown();
    ClearSettings();
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    Store().ClearWriteLog();
    Run(
        [](const PrefsWindow& window) {
            EXPECT_EQ(window.Chosen(kSymbolPlaceItem), "Après");
            EXPECT_EQ(window.Tip(kDiameterItem), "Tavorine du diamètre par défaut.");
            window.Click(kPrefsDefaultItem);
            EXPECT_EQ(window.Chosen(kSymbolPlaceItem), "Avant");
            EXPECT_EQ(window.Tip(kDiameterItem), "Tavorine du rayon par défaut.");
            EXPECT_EQ(window.Value(kRadiusDrawnItem), 1.0f);
            EXPECT_EQ(window.Value(kRadiusNotDrawnItem), 0.0f);
            EXPECT_EQ(window.Chosen(kUnitPopupItem), "mm");
            EXPECT_EQ(window.Sample(), "R36 mm");
            Cancel(window);
        },
        kCircleTool);
    EXPECT_TRUE(Written().empty());
    EXPECT_TRUE(Stored("Diametre")->boolValue);
}

}  // namespace
