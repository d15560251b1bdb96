// The reload button puts the stored settings back into the live values and the fields, writing nothing; the
// common refresh rebuilds the dimension being edited, or nothing when none is; the trackers reset values and
// step the decimals.
#include "case_name.h"
#include "dimension/ValueFormat.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "panel/PanelProcedures.h"
#include "panel/ToolPages.h"
#include "panel_fixture.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "simhost/Document.h"

namespace {

using paneltest::PanelTest;

class Reload : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        Seed("Precision", sim::PrefValue::Int(2));
        Seed("UnitePrefs", sim::PrefValue::Int(0));
        Seed("Epaisseur", sim::PrefValue::Real(0.5));
        Seed("Zoom", sim::PrefValue::Real(100.0));
        Seed("Corps", sim::PrefValue::Real(10.0));
        Seed("EchelleNum", sim::PrefValue::Real(1.0));
        Seed("EchelleDen", sim::PrefValue::Real(1.0));
        Seed("Attaches", sim::PrefValue::Real(12.0));
        Seed("Rayon", sim::PrefValue::Real(30.0));
        Seed("Diametre", sim::PrefValue::Bool(true));
        Seed("NbDivBez", sim::PrefValue::Int(4));
        Start();
    }
    static size_t ArtCount() { return sim::TheDocument().AllArt().size(); }
    static void ClickItem(int32_t id, int32_t modifiers = 0) {
        ASSERT_EQ(sim::TheDialogs().Click(ItemRef(id), modifiers), kNoErr) << id;
    }
    // A dimension of the 200-point bottom edge of a square, its line dragged 30 points below.
    static void DimensionTheEdge() {
        sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true);
        SelectTool("Outil Segment");
        ClickAt({0, 0});
        Tool(kSelectorAIToolMouseDown, {200, 0});
        Tool(kSelectorAIToolMouseDrag, {100, -30});
        Tool(kSelectorAIToolMouseUp, {100, -30});
    }
    static std::string LabelText() {
        const sim::ArtNode* label = sim::TheDocument().Art(gCurrentDimension.LabelFrames[0]);
        return label != nullptr ? label->text.contents : std::string();
    }
};

TEST_F(Reload, EveryLiveValueComesBackFromTheStoreAndNothingIsWritten) {
    SelectTool("Outil Segment");
    CurrentOptions& live = gCurrentOptions;
    live.LineWidth = 3.0;
    live.EndMarkSize = 150.0;
    live.TextSize = 24.0;
    live.Decimals = 5;
    live.ScaleNumerator = 1.0;
    live.ScaleDenominator = 50.0;
    live.SideTieLength = 40.0;
    live.Unit = 5;
    gToolState.LabelPosition = 2;
    gToolState.SegmentArrowsFlag = 1;
    sim::ThePreferences().ClearWriteLog();
    ClickItem(5);
    EXPECT_DOUBLE_EQ(live.LineWidth, 0.5);
    EXPECT_FLOAT_EQ(gPathStyles.DimensionLineStyle.stroke.width, 0.5f);
    EXPECT_DOUBLE_EQ(live.EndMarkSize, 100.0);
    EXPECT_DOUBLE_EQ(live.TextSize, 10.0);
    EXPECT_EQ(live.Decimals, 2);
    EXPECT_DOUBLE_EQ(live.ScaleDenominator, 1.0);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_DOUBLE_EQ(live.SideTieLength, 12.0);
    EXPECT_EQ(live.Unit, 0);
    EXPECT_EQ(gToolState.LabelPosition, 0);
    EXPECT_EQ(gToolState.SegmentArrowsFlag, 0);
    EXPECT_FLOAT_EQ(Item(7).value, 0.5f);
    EXPECT_FLOAT_EQ(Item(9).value, 100.0f);
    EXPECT_EQ(Item(17).text, "2");
    EXPECT_FLOAT_EQ(Item(15).value, 12.0f);
    EXPECT_EQ(Chosen(12), 12);
    EXPECT_FALSE(Item(14).visible);
    EXPECT_EQ(Chosen(43), 0);
    EXPECT_FLOAT_EQ(live.SeriesLabelStep, 10.0f);
    EXPECT_TRUE(sim::ThePreferences().WriteLog().empty());
}

TEST_F(Reload, OnlyTheCurrentToolsPageReturnsToItsDefaults) {
    SelectTool("Outil Angle");
    gCurrentOptions.ArcRadius = 80.0;
    gCurrentOptions.MultipleArcs = 1;
    gCurrentOptions.EndMarkSize = 0.0;
    gCurrentOptions.CircleTieLength = 70.0;  // the Cercle page's value stays
    gValueFormat.AngleFormat = kAngleFreeText;
    ClickItem(5);
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, 30.0);
    EXPECT_EQ(gCurrentOptions.MultipleArcs, 0);
    EXPECT_EQ(gValueFormat.AngleFormat, kAngleDecimalDegrees);
    EXPECT_DOUBLE_EQ(gCurrentOptions.CircleTieLength, 70.0);
    EXPECT_FALSE(Item(61).enabled);
    EXPECT_TRUE(Item(9).enabled);
    SelectTool("Outil Bézier");
    gCurrentOptions.BezierPathLength = 99.0f;
    gCurrentOptions.DivisionCount = 9;
    ClickItem(5);
    EXPECT_FLOAT_EQ(gCurrentOptions.BezierPathLength, 14.173228f);
    EXPECT_EQ(gCurrentOptions.DivisionCount, 4);
    EXPECT_EQ(Item(72).text, "4");
}

TEST_F(Reload, TheSegmentReloadDerivesARadiusOnlyForAMeasuredArc) {
    SelectTool("Outil Segment");
    gCurrentOptions.ArcRadius = 45.0;  // the Angle page's radius: not a value of the Segment page
    gToolState.ArcLengthMode = 0;
    ClickItem(5);
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, 45.0);
    // A quarter arc of radius 50 about the origin, measured by its length: the radius is derived again.
    const AIArtHandle arc = sim::TheDocument().DrawPolyline({{50, 0}, {0, 50}}, false);
    gHitState.MeasuredArt = arc;
    gMeasuredPoints.AngleVertex.p = {0, 0};
    gToolState.ArcLengthMode = 1;
    ClickItem(5);
    EXPECT_FLOAT_EQ(gMeasuredPoints.CircleRadius, 50.0f);
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, 62.0);  // the radius and the stored side ties
    gToolState.ArcLengthMode = 0;
    gHitState.MeasuredArt = nullptr;
}

TEST_F(Reload, WithNoDimensionBeingEditedNothingIsMadeInTheDocument) {
    sim::TheDocument().DrawPolyline({{0, 0}, {50, 0}}, false);
    const size_t before = ArtCount();
    for (const char* tool : {"Outil Segment", "Outil Angle", "Outil Cercle", "Outil Bézier", "Outil Longueurs & aires"}) {
        SelectTool(tool);
        gCurrentOptions.EndMarkSize = 0.0;  // the reload would remake end marks for a dimension
        ClickItem(5);
        RefreshCurrentDimension();
        EXPECT_EQ(ArtCount(), before) << tool;
    }
}

TEST_F(Reload, TheRefreshRebuildsTheDimensionBeingEdited) {
    DimensionTheEdge();
    ASSERT_EQ(LabelText(), "70,56 mm") << "the dimension the test starts from: 200 points";
    gCurrentOptions.Decimals = 0;
    RefreshCurrentDimension();
    EXPECT_EQ(LabelText(), "71 mm");
    gCurrentOptions.SeriesOn = 1;  // a series is not rebuilt from the panel
    gCurrentOptions.Decimals = 3;
    RefreshCurrentDimension();
    EXPECT_EQ(LabelText(), "71 mm");
}

TEST_F(Reload, TheEndSizeDisposesAndRemakesTheEndMarks) {
    DimensionTheEdge();
    ASSERT_TRUE(sim::TheDocument().IsValid(gCurrentDimension.EndMarks[0][0]));
    ASSERT_EQ(sim::TheDialogs().Enter(ItemRef(9), "0"), kNoErr);
    EXPECT_FALSE(sim::TheDocument().IsValid(gCurrentDimension.EndMarks[0][0]));
    EXPECT_FALSE(sim::TheDocument().IsValid(gCurrentDimension.EndMarks[1][0]));
    EXPECT_DOUBLE_EQ(gCurrentOptions.ActiveEndMarkSize, 0.0);
    ASSERT_EQ(sim::TheDialogs().Enter(ItemRef(9), "150"), kNoErr);
    EXPECT_TRUE(sim::TheDocument().IsValid(gCurrentDimension.EndMarks[0][0]));
    EXPECT_TRUE(sim::TheDocument().IsValid(gCurrentDimension.EndMarks[1][0]));
    EXPECT_FLOAT_EQ(gCurrentOptions.SeriesLabelStep, 12.0f);  // 0.08 x 150 is above the text size
}

TEST_F(Reload, AControlClickOnTheReloadButtonCancelsTheDimensionBeingBuilt) {
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    SelectTool("Outil Segment");
    ClickAt({0, 0});
    ASSERT_EQ(gToolState.ClickCount, 1);
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    ASSERT_TRUE(sim::TheDocument().IsValid(group));
    ClickItem(5, kADMControlKeyModifier);
    EXPECT_FALSE(sim::TheDocument().IsValid(group));
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(Reload, ControlClicksPutTheStoredWidthEndSizeAndScaleBack) {
    SelectTool("Outil Segment");
    ASSERT_EQ(sim::TheDialogs().Enter(ItemRef(7), "4"), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(12), 3), kNoErr);
    gCurrentOptions.EndMarkSize = 250.0;
    ClickItem(8);  // a plain click only puts the focus into the field
    EXPECT_DOUBLE_EQ(gCurrentOptions.LineWidth, 4.0);
    EXPECT_TRUE(Item(7).active);
    ClickItem(8, kADMControlKeyModifier);
    EXPECT_DOUBLE_EQ(gCurrentOptions.LineWidth, 0.5);
    EXPECT_FLOAT_EQ(Item(7).value, 0.5f);
    ClickItem(10, kADMControlKeyModifier);
    EXPECT_DOUBLE_EQ(gCurrentOptions.EndMarkSize, 100.0);
    EXPECT_DOUBLE_EQ(gCurrentOptions.ActiveEndMarkSize, 100.0);
    EXPECT_TRUE(Item(14).visible);
    ClickItem(13, kADMControlKeyModifier);
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_FALSE(Item(14).visible);
    EXPECT_EQ(Chosen(12), 12);
}

// Drags across the decimals indicator: left steps down, anything else up, held to 0..6.
struct DragCase {
    std::vector<ADMPoint> points;
    int32_t modifiers;
    int32_t decimals;
};

class DecimalsDrag : public Reload, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DecimalsDrag, TheDecimalsFollowTheDrag) {
    SelectTool("Outil Segment");
    gCurrentOptions.Decimals = 3;
    sim::TheDialogs().SetNumber(Item(17), 3.0f);
    ASSERT_EQ(sim::TheDialogs().Drag(ItemRef(18), GetParam().points, GetParam().modifiers), kNoErr);
    EXPECT_EQ(gCurrentOptions.Decimals, GetParam().decimals);
    EXPECT_EQ(Item(17).text, std::to_string(GetParam().decimals));
    const bool inside = GetParam().points.front().h <= 24;
    EXPECT_EQ(Item(17).active, inside);
    EXPECT_EQ(!sim::TheLogs().cursors.empty() && sim::TheLogs().cursors.back() == 1100, inside);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, DecimalsDrag,
    ::testing::Values(
        // The press at 12 (the last position 0): up; then 8 left of 12: down; 8 again: up; 0: up.
        DragCase{{{12, 5}, {8, 5}, {8, 5}, {0, 5}}, 0, 5},
        DragCase{{{20, 5}, {16, 5}, {12, 5}, {8, 5}, {4, 5}, {2, 5}, {1, 5}}, 0, 0},  // held at 0
        DragCase{{{1, 5}, {3, 5}, {5, 5}, {7, 5}, {9, 5}}, 0, 6},                     // held at 6
        DragCase{{{12, 5}, {4, 5}}, kADMControlKeyModifier, 2},                        // the stored precision
        DragCase{{{30, 5}, {40, 5}}, 0, 3}),                                           // outside the indicator
    [](const auto& info) { return CaseName("Decimals", info.param.decimals); });

TEST_F(Reload, AnUnknownTrackerEventChangesNothing) {
    SelectTool("Outil Segment");
    gCurrentOptions.Decimals = 3;
    EXPECT_EQ(sim::TheDialogs().Track(ItemRef(18), 9, {5, 5}, 0), kBadParameterErr);
    EXPECT_EQ(sim::TheDialogs().Track(ItemRef(18), kADMButtonUpAction, {5, 5}, 0x4000), kNoErr);
    EXPECT_EQ(gCurrentOptions.Decimals, 3);
}

TEST_F(PanelTest, BeforeThePanelExistsTheLayoutAndTheRefreshDoNothing) {
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);  // no application-started notifier yet
    ASSERT_EQ(PanelDialog, nullptr);
    const size_t before = sim::TheDocument().AllArt().size();
    for (int32_t tool = 0; tool <= 6; ++tool) {
        gToolState.CurrentTool = static_cast<ToolNumber>(tool);
        LayoutPanelForTool(1);
        EnablePanelMenuEntries(1);
        RefreshCurrentDimension();
    }
    EXPECT_EQ(sim::TheDocument().AllArt().size(), before);
    sim::ThePlugin().Shutdown();
}

}  // namespace
