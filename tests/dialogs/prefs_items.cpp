// The sample value text, the unit and scale popups, the decimals gauge and the division preview.
#include <cstring>
#include <functional>

#include "dialogs/options/PreferencesPages.h"
#include "prefs_fixture.h"

namespace {

using namespace prefstest;

struct SampleCase {
    const char* Name;
    std::function<void(PreferencesWorkingCopy&)> Set;
    int32_t Page;
    char Separator;
    const char* Expected;
};

const SampleCase kSamples[] = {
    {"Defaults", [](auto&) {}, 1, ',', "689 mm"},
    {"PrefixTwoDecimalsCm", [](auto& w) { w.PrefixSuffixOn = 1, w.Decimals = 2, w.Unit = 1; }, 1, ',', "[689,23 cm]"},
    {"SixDecimalsPoint", [](auto& w) { w.Decimals = 6, w.Unit = 5; }, 4, '.', "689.230451 pt"},
    {"DecimalInch", [](auto& w) { w.Unit = 2; }, 1, ',', "689 po"},
    {"FractionalFeetInches", [](auto& w) { w.Unit = 4; }, 4, ',', "689 po"},
    {"NoUnitCode", [](auto& w) { w.Unit = 8; }, 1, ',', "689"},
    {"UnitSwitchedOff", [](auto& w) { w.ShowUnit = 0, w.Unit = 7; }, 1, ',', "689"},
    {"AngleNeverTakesTheLengthUnit", [](auto& w) { w.Decimals = 3, w.PrefixSuffixOn = 1, w.Unit = 1; }, 2, ',',
     "[48,534°]"},
    {"AngleWithoutDegree", [](auto& w) { w.ShowAngleUnit = 0, w.Decimals = 1; }, 2, '.', "48.5"},
    {"DiameterBefore", [](auto& w) { w.Diameter = 1, w.Decimals = 1; }, 3, '.', "Ø72.9 mm"},
    {"RadiusAfter", [](auto& w) { w.CircleSymbolBefore = 0, w.Decimals = 1; }, 3, ',', "36,4 mmR"},
    {"NoSymbolDigitsFollowDiameter", [](auto& w) { w.CircleSymbolShown = 0, w.Diameter = 1; }, 3, ',', "72 mm"},
    {"DecimalsOutsideTheGaugeGiveNoDigits", [](auto& w) { w.Decimals = 7; }, 1, ',', " mm"},
};

class PrefsSample : public PrefsTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(PrefsSample, ShowsTheDecorationsOfThePage) {
    const SampleCase& sample = GetParam();
    PreferencesWorkingCopy& w = gPrefs.Working;
    w.Unit = 0, w.ShowUnit = 1, w.ShowAngleUnit = 1, w.Decimals = 0, w.PrefixSuffixOn = 0;
    w.Prefix = "[", w.Suffix = "]";
    w.CircleSymbolShown = 1, w.CircleSymbolBefore = 1, w.Diameter = 0;
    sample.Set(w);
    gSettings.DecimalSeparator = sample.Separator;
    gPrefs.PrefsPage = sample.Page;
    UpdateSampleText(nullptr);
    EXPECT_STREQ(gPrefs.SampleTextBuffer, sample.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrefsSample, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PrefsTest, SampleStaysWithinItsBufferAndFollowsTheItems) {
    Run([](const PrefsWindow& window) {
        EXPECT_EQ(window.Sample(), "689 mm");
        window.Click(kPrefixSwitchItem);
        EXPECT_TRUE(window.Active(kPrefixItem));
        window.Enter(kPrefixItem, std::string(30, 'a') + "éé");
        window.Enter(kSuffixItem, std::string(60, 'z'));
        EXPECT_EQ(window.Sample().size(), 39u);
        EXPECT_EQ(window.Sample().substr(0, 30), std::string(30, 'a'));
        window.Enter(kPrefixItem, std::string(38, 'a') + "é");  // the é would end past the buffer: cut whole
        EXPECT_EQ(window.Sample(), std::string(38, 'a') + "6");
        window.Click(kPrefixSwitchItem);
        window.Choose(kUnitPopupItem, 3);
        EXPECT_EQ(gPrefs.Working.Unit, 3);
        EXPECT_EQ(window.Sample(), "689 po");
        window.Choose(kToolPopupItem, 4);  // Longueurs & aires: the last sample stays
        EXPECT_EQ(window.Sample(), "689 po");
        Cancel(window);
    });
}

TEST_F(PrefsTest, ShowUnitSwitchKeepsTheUnitChosen) {
    Run([](const PrefsWindow& window) {
        window.Choose(kUnitPopupItem, 1);
        EXPECT_EQ(window.Choose(kUnitPopupItem, 8), kBadParameterErr);  // the separator
        EXPECT_TRUE(window.Entry(kUnitPopupItem, kShowUnitEntry).checked);
        window.Choose(kUnitPopupItem, kShowUnitEntry);
        EXPECT_FALSE(window.Entry(kUnitPopupItem, kShowUnitEntry).checked);
        EXPECT_EQ(gPrefs.Working.ShowUnit, 0);
        EXPECT_EQ(window.Chosen(kUnitPopupItem), "cm");
        EXPECT_EQ(window.Sample(), "689");
        Ok(window);
    });
    EXPECT_FALSE(Stored("AfficheUnite")->boolValue);
    EXPECT_EQ(Stored("UnitePrefs")->intValue, 1);
}

TEST_F(PrefsTest, ScaleEntriesStandForPairsNotRatios) {
    const struct {
        double Num, Den;
        int32_t Index;
    } cases[] = {{1, 1, 12},  {50, 1, 21}, {1, 50, 3},
                 {125, 1, 24}, {1, 125, 0}, {3, 7, 26},  // the stored custom scale, 3/7
                 {2, 3, kNoScaleIndex}, {4, 2, kNoScaleIndex}};  // no entry stands for them
    for (const auto& c : cases) EXPECT_EQ(ScaleEntryIndex(c.Num, c.Den), c.Index) << c.Num << "/" << c.Den;

    gSettings.CustomScaleNumerator = 4.0;
    gSettings.CustomScaleDenominator = 2.0;
    Run([](const PrefsWindow& window) {
        EXPECT_EQ(window.Chosen(kScalePopupItem), "1");
        EXPECT_TRUE(window.Entry(kScalePopupItem, 12).checked);
        EXPECT_EQ(window.Entry(kScalePopupItem, kCustomScaleEntry).text, "4/2");
        window.Choose(kScalePopupItem, kCustomScaleEntry);
        EXPECT_EQ(window.Chosen(kScalePopupItem), "4/2");
        EXPECT_TRUE(window.Entry(kScalePopupItem, kCustomScaleEntry).checked);
        EXPECT_FALSE(window.Entry(kScalePopupItem, 15).checked);
        window.Choose(kScalePopupItem, 21);
        EXPECT_EQ(window.Chosen(kScalePopupItem), "50/1");
        Ok(window);
    });
    EXPECT_EQ(Stored("EchelleNum")->realValue, 50.0);
    EXPECT_EQ(Stored("EchelleDen")->realValue, 1.0);

    gSettings.CustomScaleNumerator = 0.0;
    Run([](const PrefsWindow& window) {
        EXPECT_EQ(window.Chosen(kScalePopupItem), "50/1");
        EXPECT_EQ(window.Entry(kScalePopupItem, kCustomScaleEntry).text, "…/…");
        EXPECT_EQ(window.Choose(kScalePopupItem, kCustomScaleEntry), kBadParameterErr);
        Cancel(window);
    });
}

TEST_F(PrefsTest, GaugeDragStepsTheDecimalsWithinZeroToSix) {
    Run([](const PrefsWindow& window) {
        const ADMItemRef gauge = window.Item(kDecimalsGauge);
        ASSERT_EQ(Dialogs().Drag(gauge, {{5, 10}, {8, 10}, {12, 10}, {10, 10}, {30, 10}}), kNoErr);
        EXPECT_EQ(gPrefs.Working.Decimals, 1);  // right, right, left; beyond the gauge nothing
        EXPECT_EQ(window.Value(kDecimalsItem), 1.0f);
        EXPECT_TRUE(window.Active(kDecimalsItem));
        EXPECT_EQ(window.Sample(), "689,2 mm");
        std::vector<ADMPoint> right;
        for (int32_t h = 0; h <= 20; h += 2) right.push_back({h, 10});
        Dialogs().Drag(gauge, right);
        EXPECT_EQ(gPrefs.Working.Decimals, 6);
        const sim::Drawing drawing = window.Draw(kDecimalsGauge);
        EXPECT_NE(std::find(drawing.begin(), drawing.end(), "FillRect 21 5 23 11"), drawing.end());
        Ok(window);
    });
    EXPECT_EQ(Stored("Precision")->intValue, 6);
}

// The marks of the preview: the x of each vertical line from the top edge.
std::vector<int32_t> Marks(const sim::Drawing& drawing) {
    std::vector<int32_t> marks;
    for (const std::string& line : drawing) {
        int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (std::sscanf(line.c_str(), "Line %d %d %d %d", &x1, &y1, &x2, &y2) == 4 && y1 == 0 && x1 == x2)
            marks.push_back(x1);
    }
    return marks;
}

TEST_F(PrefsTest, DivisionPreviewMarksAndAlwaysEnds) {
    Run(
        [](const PrefsWindow& window) {
            EXPECT_EQ(Marks(window.Draw(kDivisionPreviewItem)), (std::vector<int32_t>{0, 46, 92, 138}));
            window.Click(kDivisionEndsItem);
            window.Enter(kDivisionsItem, "2");
            EXPECT_EQ(Marks(window.Draw(kDivisionPreviewItem)), (std::vector<int32_t>{70}));
            window.Enter(kDivisionsItem, "1");
            const sim::Drawing bare = window.Draw(kDivisionPreviewItem);
            EXPECT_TRUE(Marks(bare).empty());
            EXPECT_NE(std::find(bare.begin(), bare.end(), "Line 0 21 140 21"), bare.end());
            for (int32_t count : {0, -4, 500}) {
                gPrefs.Working.DivisionCount = count;  // as a stored value could give
                EXPECT_FALSE(window.Draw(kDivisionPreviewItem).empty()) << count;
            }
            window.Click(kBezierModeItem + 2);
            EXPECT_EQ(window.Draw(kDivisionPreviewItem), sim::Drawing{"Clear"});
            Cancel(window);
        },
        kBezierTool);
}

}  // namespace
