// The unit and fraction popups, the field units they give, the scale popup, and the font list.
#include "case_name.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/TextFrameSuite.h"
#include "panel/FontChoice.h"
#include "panel/UnitPopups.h"
#include "panel_fixture.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "simhost/Document.h"

namespace {

using paneltest::PanelTest;

class UnitTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        Seed("Precision", sim::PrefValue::Int(2));
        Seed("UnitePrefs", sim::PrefValue::Int(0));
        Start();
        SelectTool("Outil Segment");
    }
    static void ChooseUnit(int32_t entry) { ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(43), entry), kNoErr); }
};

// What each unit shows, hides, enables and disables.
struct UnitCase {
    int32_t unit;
    bool freeText;       // items 40, 41 enabled
    bool decimalsShown;  // items 17, 18
    bool decimalsEnabled;
    bool fractionShown;  // item 42
    bool toleranceButton;
    bool orientation;    // item 19
    bool showUnitEntry;  // entry 11
    int32_t fieldUnits;  // of items 15, 50, 66, 70 (after millimetres)
};

class UnitChoice : public UnitTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitChoice, TheUnitShowsTheItemsOfItsKindOfValue) {
    const UnitCase& c = GetParam();
    ChooseUnit(c.unit);
    EXPECT_EQ(gCurrentOptions.Unit, c.unit);
    EXPECT_EQ(Item(40).enabled, c.freeText);
    EXPECT_EQ(Item(41).enabled, c.freeText);
    for (int32_t id : {17, 18}) {
        EXPECT_EQ(Item(id).visible, c.decimalsShown) << id;
        EXPECT_EQ(Item(id).enabled, c.decimalsEnabled) << id;
    }
    EXPECT_EQ(Item(42).visible, c.fractionShown);
    EXPECT_EQ(Item(42).enabled, c.fractionShown);
    EXPECT_EQ(Item(58).enabled, c.toleranceButton);
    EXPECT_FALSE(Item(57).enabled);  // the tolerance is off
    EXPECT_EQ(Item(19).enabled, c.orientation);
    EXPECT_EQ(Entry(43, 11)->enabled, c.showUnitEntry);
    for (int32_t id : {15, 50, 66, 70}) EXPECT_EQ(Item(id).units, c.fieldUnits) << id;
    EXPECT_EQ(Chosen(43), c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitChoice,
    ::testing::Values(UnitCase{0, false, true, true, false, true, true, true, kADMMillimeterUnits},
                      UnitCase{1, false, true, true, false, true, true, true, kADMCentimeterUnits},
                      UnitCase{2, false, true, true, false, true, true, true, kADMInchUnits},
                      UnitCase{3, false, false, false, true, true, true, true, kADMInchUnits},
                      UnitCase{4, false, false, false, true, true, true, true, kADMInchUnits},
                      UnitCase{5, false, true, true, false, true, true, true, kADMPointUnits},
                      UnitCase{6, false, true, true, false, true, true, true, kADMPicaUnits},
                      UnitCase{7, false, true, true, false, true, true, true, kADMMillimeterUnits},
                      UnitCase{8, false, true, false, false, false, false, false, kADMMillimeterUnits},
                      UnitCase{9, true, true, false, false, false, true, false, kADMMillimeterUnits}),
    [](const auto& info) { return CaseName("Unit", info.param.unit); });

TEST_F(UnitTest, FieldStepsFollowTheUnitInPoints) {
    const struct {
        int32_t unit;
        float small;
        float large;
    } steps[] = {{0, 2.8346457f, 28.346457f}, {1, 2.8346457f, 28.346457f}, {2, 7.2f, 72.0f}, {3, 7.2f, 72.0f},
                 {4, 7.2f, 72.0f}, {5, 1.0f, 10.0f}, {6, 1.0f, 12.0f}, {7, 2.8346457f, 28.346457f}};
    for (const auto& s : steps) {
        ChooseUnit(s.unit);
        EXPECT_FLOAT_EQ(Item(15).smallIncrement, s.small) << s.unit;
        EXPECT_FLOAT_EQ(Item(15).largeIncrement, s.large) << s.unit;
    }
    ChooseUnit(9);  // the fields keep the steps of the unit before
    EXPECT_FLOAT_EQ(Item(70).largeIncrement, 28.346457f);
    EXPECT_EQ(Item(70).units, kADMMillimeterUnits);
}

TEST_F(UnitTest, ShowUnitTogglesAndKeepsTheUnitChosen) {
    ChooseUnit(2);
    const int32_t before = gCurrentOptions.ShowUnit;
    ChooseUnit(11);
    EXPECT_EQ(gCurrentOptions.ShowUnit, 1 - before);
    EXPECT_EQ(Entry(43, 11)->checked, gCurrentOptions.ShowUnit == 1);
    EXPECT_EQ(Chosen(43), 2);
    EXPECT_EQ(gCurrentOptions.Unit, 2);
    ChooseUnit(11);
    EXPECT_EQ(gCurrentOptions.ShowUnit, before);
}

TEST_F(UnitTest, AnIntermediateNotificationChangesNothing) {
    Chosen(43);
    sim::TheDialogs().SelectEntry(*sim::TheDialogs().ListByHandle(Item(43).list),
                                  const_cast<sim::EntryData*>(Entry(43, 5)));
    sim::TheDialogs().Notify(sim::ToHandle(ItemRef(43)), kADMIntermediateChangedNotifier);
    EXPECT_EQ(gCurrentOptions.Unit, 0);
}

TEST_F(UnitTest, TheFractionPopupSetsTheDenominatorAndMovesForTheMeasureTool) {
    gToolState.CurrentTool = kMeasureTool;
    ChooseUnit(3);
    EXPECT_EQ(Item(42).bounds.left, 6);
    EXPECT_EQ(Item(42).bounds.top, 4);
    gToolState.CurrentTool = kSegmentTool;
    ChooseUnit(4);
    EXPECT_EQ(Item(42).bounds.top, 46);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(42), 5), kNoErr);
    EXPECT_EQ(gValueFormat.InchFraction, 32);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(42), 0), kNoErr);
    EXPECT_EQ(gValueFormat.InchFraction, 1);
}

TEST_F(UnitTest, NoValueRemovesTheLabelAndAUnitBringsAnEmptyOneBack) {
    gToolState.CurrentTool = kNoToolSelected;  // no builder rebuilds this bare group
    sim::Document& document = sim::TheDocument();
    const AIArtHandle group = document.NewGroup();
    gCurrentDimension.DimensionGroup = group;
    ASSERT_EQ(sAITextFrame->NewPointText(kPlaceInsideOnTop, group, kHorizontalTextOrientation, AIRealPoint{},
                                         &gCurrentDimension.LabelFrames[0]),
              kNoErr);
    ChooseUnit(8);
    EXPECT_EQ(gCurrentDimension.LabelFrames[0], nullptr);
    ChooseUnit(0);
    ASSERT_NE(gCurrentDimension.LabelFrames[0], nullptr);
    EXPECT_TRUE(document.IsValid(gCurrentDimension.LabelFrames[0]));
    gCurrentDimension = CurrentDimension{};
}

TEST_F(UnitTest, FreeTextPutsTheFreeLabelIntoItsField) {
    SetFreeLabelText("Largeur");
    ChooseUnit(9);
    EXPECT_EQ(Item(41).text, "Largeur");
    EXPECT_TRUE(Item(41).enabled);
}

TEST_F(UnitTest, AScaleChosenSetsTheRatioTicksItAndShowsTheMarker) {
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(12), 1), kNoErr);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 0.01);
    EXPECT_EQ(Chosen(12), 1);
    EXPECT_TRUE(Entry(12, 1)->checked);
    EXPECT_FALSE(Entry(12, 12)->checked);
    EXPECT_TRUE(Item(14).visible);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(12), 12), kNoErr);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_FALSE(Item(14).visible);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(12), 27), kNoErr);  // the custom 3/7
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 3.0 / 7.0);
    EXPECT_EQ(Chosen(12), 27);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(12), 26), kNoErr);  // the custom dialog: the scale stays
    EXPECT_EQ(Chosen(12), 27);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 3.0 / 7.0);
}

// The host lists Arial, Arial Black, Arial Narrow, Courier New, Georgia, Times New Roman, Verdana.
struct FontCase {
    const char* wanted;
    int32_t step;
    int32_t index;
};

class FontChoice : public PanelTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontChoice, TheLastFontWhoseNameBeginsTheWantedOneThenTheStepWithinTheList) {
    Start();
    gSettings.FontStep = GetParam().step;
    const int32_t index = SelectFontByName(ItemRef(21), GetParam().wanted);
    EXPECT_EQ(index, GetParam().index);
    EXPECT_EQ(Chosen(21), GetParam().index);
    EXPECT_EQ(Entries(21).size(), 7u);  // filled once, when the panel was built
}

INSTANTIATE_TEST_SUITE_P(Names, FontChoice,
                         ::testing::Values(FontCase{"Arial Black", 0, 1}, FontCase{"Arial Bold", 0, 0},
                                           FontCase{"Georgia Italic", 0, 4}, FontCase{"Arial Black", 2, 3},
                                           FontCase{"Verdana", 3, 6}, FontCase{"Courier New", -5, 0},
                                           FontCase{"Helvetica", 0, 0}, FontCase{"", 1, 0}),
                         [](const auto& info) {
                             return CaseName(info.param.wanted[0] != 0 ? info.param.wanted : "None", "step",
                                             info.param.step);
                         });

TEST_F(PanelTest, TheFontListNamesEveryFontByItsIndex) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("Police", sim::PrefValue::String("Times New Roman"));
    Start();
    EXPECT_EQ(Entries(21), (std::vector<std::string>{"0:Arial", "1:Arial Black", "2:Arial Narrow", "3:Courier New",
                                                     "4:Georgia", "5:Times New Roman", "6:Verdana"}));
    EXPECT_EQ(Chosen(21), 5);
    EXPECT_EQ(gCurrentOptions.FontIndex, 5);
    EXPECT_EQ(Item(21).text, "Times New Roman");
}

}  // namespace
