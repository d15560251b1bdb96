// The notifiers that rebuild the dimension being edited with its own builder, seen in the document: the
// angle's radius, side, arcs and text format, the circle's diameter and label angle, the end-mark shapes,
// the cover, the openers; and the same notifiers with no dimension, or with its art deleted.
#include <algorithm>
#include <cmath>
#include <string>

#include "frame/ArrowHeads.h"
#include "frame/DialogOpeners.h"
#include "notify_fixture.h"
#include "records/DialogPositions.h"
#include "simhost/Tools.h"

namespace paneltest {
namespace {

class DocumentNotifyTest : public NotifyTest {
protected:
    void MakeLinear() {
        Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
        UseTool(kSegmentTool);
        ClickDrag({100, 0}, {100, 40});
        ASSERT_TRUE(Live(gCurrentDimension.DimensionLines[0]));
    }
    static double ArcRadiusNow() {
        const std::vector<AIRealPoint> arc = Anchors(gCurrentDimension.AngleArcs[0]);
        return arc.empty() ? 0.0 : std::hypot(arc.front().h, arc.front().v);
    }
};

TEST_F(DocumentNotifyTest, TheArcRadiusSideAndArcsRebuildTheAngle) {
    MakeAngle();
    ASSERT_EQ(EnterIn(kArcRadiusItem, "30"), kNoErr);
    EXPECT_GT(gCurrentOptions.ArcRadius, 0.0);
    EXPECT_NEAR(ArcRadiusNow(), gCurrentOptions.ArcRadius, 1e-3);

    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]).substr(0, 2), "45");
    ASSERT_EQ(ClickItem(kSalientReentrantItem), kNoErr);
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]).substr(0, 3), "315");

    ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
    EXPECT_EQ(gCurrentOptions.MultipleArcs, 1);
    EXPECT_EQ(gCurrentOptions.ActiveEndMarkSize, 0.0);
    EXPECT_TRUE(Live(gCurrentDimension.AngleArcs[1]));
    EXPECT_TRUE(Item(kArcCountItem).active);
    EXPECT_FALSE(Item(kEndSizeItem).enabled);
    ASSERT_EQ(EnterIn(kArcCountItem, "3"), kNoErr);
    EXPECT_EQ(gCurrentOptions.ArcCount, 3);
    EXPECT_TRUE(Live(gCurrentDimension.AngleArcs[2]));
    EXPECT_TRUE(Item(kArcGapItem).enabled);
    ASSERT_EQ(EnterIn(kArcCountItem, "1"), kNoErr);
    EXPECT_FALSE(Item(kArcGapItem).enabled);

    ASSERT_EQ(ClickItem(kSingleArcItem), kNoErr);
    EXPECT_EQ(gCurrentOptions.MultipleArcs, 0);
    EXPECT_EQ(gCurrentOptions.ActiveEndMarkSize, gCurrentOptions.EndMarkSize);
    EXPECT_FALSE(Live(gCurrentDimension.AngleArcs[1]));
    EXPECT_FALSE(Anchors(gCurrentDimension.EndMarks[0][0]).empty()) << "the single arc has its end marks again";
    EXPECT_TRUE(Item(kEndSizeItem).enabled);
}

TEST_F(DocumentNotifyTest, TheTextFormatDropsAndRemakesTheAngleLabel) {
    MakeAngle();
    ASSERT_EQ(ChooseIn(kAngleFormatItem, 2), kNoErr);  // "Cote (sans)"
    EXPECT_EQ(gValueFormat.AngleFormat, 2);
    EXPECT_FALSE(Live(gCurrentDimension.LabelFrames[0]));
    EXPECT_FALSE(Item(kToleranceButtonItem).enabled);
    ASSERT_EQ(ChooseIn(kAngleFormatItem, 0), kNoErr);
    ASSERT_TRUE(Live(gCurrentDimension.LabelFrames[0]));
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]).substr(0, 2), "45");
    // "Afficher l'unité." only toggles the degree sign; the format stays chosen.
    const int32_t shown = gCurrentOptions.ShowAngleUnit;
    ASSERT_EQ(ChooseIn(kAngleFormatItem, 5), kNoErr);
    EXPECT_NE(gCurrentOptions.ShowAngleUnit, shown);
    EXPECT_EQ(gValueFormat.AngleFormat, 0);
    EXPECT_EQ(Chosen(kAngleFormatItem), 0);
}

TEST_F(DocumentNotifyTest, DiameterMakesTheSecondEndMarkAndRadiusDisposesIt) {
    MakeCircle();
    if (gCurrentOptions.Diameter != 0) {
        ASSERT_EQ(ClickItem(kDiameterRadiusItem), kNoErr);
    }
    ASSERT_EQ(gCurrentOptions.Diameter, 0);
    EXPECT_FALSE(Live(gCurrentDimension.EndMarks[1][0]));
    ASSERT_EQ(ClickItem(kDiameterRadiusItem), kNoErr);
    ASSERT_TRUE(Live(gCurrentDimension.EndMarks[1][0]));
    EXPECT_FALSE(Anchors(gCurrentDimension.EndMarks[1][0]).empty());
    EXPECT_EQ(Text(gCurrentDimension.LabelFrames[0]).find("Ø") == std::string::npos, gSettings.CircleSymbolShown == 0);
    const AIArtHandle second = gCurrentDimension.EndMarks[1][0];
    ASSERT_EQ(ClickItem(kDiameterRadiusItem), kNoErr);
    EXPECT_FALSE(Doc().IsValid(second));
    EXPECT_EQ(gCurrentDimension.EndMarks[1][0], nullptr);
}

TEST_F(DocumentNotifyTest, TheCircleLabelTurnsAboutTheCentreAtItsDistance) {
    MakeCircle();
    const AIRealPoint before = gToolState.CursorPoint;
    const double distance = std::hypot(before.h, before.v);
    ASSERT_EQ(EnterIn(kCircleAngleItem, "90"), kNoErr);
    EXPECT_NEAR(gToolState.CursorPoint.h, 0.0, 1e-3);
    EXPECT_NEAR(gToolState.CursorPoint.v, distance, 1e-3);
}

TEST_F(DocumentNotifyTest, ThePointCrossMakesTwoMoreEndMarksAndAnotherShapeDisposesThem) {
    MakeLinear();
    if (gCurrentOptions.ArrowHeads != 0) {
        ASSERT_EQ(ClickItem(kArrowsPointsItem), kNoErr);
    }
    const int32_t stored = gSettings.ArrowPreset;
    ASSERT_EQ(ClickItem(kArrowShape4Item), kNoErr);
    EXPECT_EQ(gCurrentOptions.ArrowPreset, 3);
    EXPECT_EQ(gSettings.ArrowPreset, stored) << "the stored preset stays as it was";
    const AIArtHandle third = gCurrentDimension.EndMarks[2][0], fourth = gCurrentDimension.EndMarks[3][0];
    ASSERT_TRUE(Live(third));
    ASSERT_TRUE(Live(fourth));
    EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[0], 4.5f);
    // Every mark is now an open stroked tick, the first ones too, which were made as filled arrows.
    for (AIArtHandle mark : {gCurrentDimension.EndMarks[0][0], gCurrentDimension.EndMarks[1][0], third, fourth}) {
        EXPECT_FALSE(Doc().Art(mark)->closed);
        EXPECT_TRUE(Doc().Art(mark)->style.strokePaint);
        EXPECT_FALSE(Doc().Art(mark)->style.fillPaint);
    }
    ASSERT_EQ(ClickItem(kArrowShape1Item), kNoErr);
    EXPECT_FALSE(Doc().IsValid(third));
    EXPECT_FALSE(Doc().IsValid(fourth));
}

TEST_F(DocumentNotifyTest, TheCoverSelectsTheCurrentToolAgain) {
    UseTool(kAngleTool);
    ASSERT_EQ(sim::TheTools().Select(sim::TheTools().FindByName("Select Tool")->handle), kNoErr);
    ASSERT_EQ(ClickItem(kCoverItem), kNoErr);
    EXPECT_EQ(sim::TheTools().Selected(), gToolState.ToolHandles[kAngleTool - 1]);
    const AIToolHandle selected = sim::TheTools().Selected();
    gToolState.CurrentTool = kNoToolSelected;
    ASSERT_EQ(ClickItem(kCoverItem), kNoErr);
    EXPECT_EQ(sim::TheTools().Selected(), selected);
}

int gOpened[4] = {};

TEST_F(DocumentNotifyTest, TheFlyoutColourButtonsAndFreeTextMenuOpenTheirDialogs) {
    InstallDialogOpener(ModalDialog::Colours, [] { ++gOpened[0]; });
    InstallDialogOpener(ModalDialog::OtherOptions, [] { ++gOpened[1]; });
    InstallDialogOpener(ModalDialog::Preferences, [] { ++gOpened[2]; });
    InstallDialogOpener(ModalDialog::FreeTexts, [] { ++gOpened[3]; });
    UseTool(kSegmentTool);
    const ADMItemRef menu = sim::TheDialogs().FindItem(Panel(), kADMMenuItemID);
    ASSERT_EQ(sim::TheDialogs().Choose(menu, 4), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Choose(menu, 5), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Choose(menu, 8), kNoErr);
    ASSERT_EQ(ClickItem(kLineColourItem), kNoErr);
    Item(kFreeTextMenuItem).enabled = true;
    ASSERT_EQ(ChooseIn(kFreeTextMenuItem, 6), kNoErr);
    EXPECT_EQ(gOpened[0], 2);
    EXPECT_EQ(gOpened[1], 1);
    EXPECT_EQ(gOpened[2], 1);
    EXPECT_EQ(gOpened[3], 1);
    ClearDialogOpeners();
}

TEST_F(DocumentNotifyTest, WithNoDimensionOrItsArtDeletedNothingIsMadeAndNothingBreaks) {
    const int32_t items[] = {kSalientReentrantItem, kMultipleArcsItem, kSingleArcItem, kAngleArrowsItem,
                             kDiameterRadiusItem,   kCircleArrowsItem, kArrowShape4Item, kArrowsPointsItem,
                             kInvertLineItem,       kSegmentArrowsItem, kArrowShape1Item, kLocalRadiusItem};
    for (int32_t tool : {kAngleTool, kCircleTool}) {
        UseTool(tool);
        const size_t art = Doc().ArtCount();
        for (int32_t id : items) ClickItem(id);
        EXPECT_EQ(Doc().ArtCount(), art) << tool;
    }
    MakeAngle();
    Doc().DisposeArt(Doc().MutableArt(gCurrentDimension.DimensionGroup));
    const size_t art = Doc().ArtCount();
    for (int32_t id : items) ClickItem(id);
    ASSERT_EQ(ChooseIn(kAngleFormatItem, 2), kNoErr);
    ASSERT_EQ(ChooseIn(kAngleFormatItem, 0), kNoErr);
    EXPECT_EQ(Doc().ArtCount(), art);
}

// Every whole-number field of the panel, typed a decimal, a huge or a negative number: once committed it
// shows the whole number in force, the one the rebuilt dimension was drawn with. The arc gap truncates what
// is typed; the others round it.
TEST_F(DocumentNotifyTest, EveryWholeNumberFieldShowsTheWholeNumberInForce) {
    MakeAngle();
    ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);
    const struct {
        int32_t id;
        const int32_t* live;
        bool truncates;
    } fields[] = {{kDecimalsItem, &gCurrentOptions.Decimals, false},
                  {kArcCountItem, &gCurrentOptions.ArcCount, false},
                  {kArcGapItem, &gCurrentOptions.ArcGap, true},
                  {kDivisionCountItem, &gCurrentOptions.DivisionCount, false}};
    const struct {
        const char* typed;
        double rounded, truncated;  // before the field's own bounds
    } cases[] = {{"2,6", 3.0, 2.0}, {"3,5", 4.0, 3.0}, {"2.4", 2.0, 2.0}, {"1e30", 1e30, 1e30}, {"-1", -1.0, -1.0}};
    for (const auto& f : fields) {
        if (f.id == kArcGapItem) {
            ASSERT_EQ(EnterIn(kArcCountItem, "3"), kNoErr); // the gap is off for a single arc
        }
        if (f.id == kDivisionCountItem)
            UseTool(kBezierTool);
        for (const auto& c : cases) {
            const std::string where = "item " + std::to_string(f.id) + " at " + c.typed;
            ASSERT_TRUE(Item(f.id).enabled && Item(f.id).visible) << where;
            ASSERT_EQ(EnterIn(f.id, c.typed), kNoErr) << where;
            const double typed = f.truncates ? c.truncated : c.rounded;
            const double held = std::clamp(typed, static_cast<double>(Item(f.id).minimum),
                                           static_cast<double>(Item(f.id).maximum));
            EXPECT_EQ(*f.live, static_cast<int32_t>(held)) << where;
            EXPECT_EQ(ItemFloatValue(f.id), static_cast<float>(*f.live)) << where;
            EXPECT_EQ(Item(f.id).text, std::to_string(*f.live)) << where;
        }
    }
}

}  // namespace
}  // namespace paneltest
