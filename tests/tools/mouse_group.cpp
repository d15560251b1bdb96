// The dimension group, the series points, the selection of a dimension's parts, the remembered lines and the
// mouse-up.
#include <gtest/gtest.h>

#include <cstring>

#include "dimension/CurrentDimension.h"
#include "frame/Settings.h"
#include "hover_fixture.h"
#include "panel/CurrentOptions.h"
#include "simhost/Platform.h"
#include "tools/ClickSequences.h"
#include "tools/DimensionParts.h"
#include "frame/SuiteTable.h"
#include "host/ArtSetSuite.h"
#include "host/Messages.h"
#include "host/Platform.h"

namespace {

using hovertest::HoverTest;

constexpr const char* kLocked = "Tavorine impossible. Calque verrouillé.";
constexpr const char* kTooMany = "Vous avez dépassé le nombre maximum de clics pour les cotes en série !";

class MouseTest : public HoverTest {
protected:
    static std::vector<std::string> AlertTexts() {
        std::vector<std::string> texts;
        for (const sim::Alert& alert : sim::TheLogs().alerts) texts.push_back(alert.text);
        return texts;
    }
    static size_t BeepCount(uint32_t frequency) {
        size_t count = 0;
        for (const sim::BeepRecord& beep : sim::TheLogs().beeps)
            if (beep.frequency == frequency && beep.duration == 100) ++count;
        return count;
    }
    static AIArtHandle TopGroup(AILayerHandle layer) { return Doc().Children(Doc().LayerGroup(layer)).at(0); }
    static std::vector<float> Remembered() {
        std::vector<float> ends;
        for (const RememberedSegment* n = gRememberedSegments.Head; n != nullptr; n = n->Next)
            ends.insert(ends.end(), {n->X1, n->Y1, n->X2, n->Y2});
        return ends;
    }
    static void OwnLayerNamed(const char* title) {
        gSettings.OwnLayer = 1;
        std::strncpy(gSettings.LayerName, title, sizeof gSettings.LayerName - 1);
    }
};

TEST_F(MouseTest, NewGroupGoesOnTopOfTheCurrentLayer) {
    const AILayerHandle layer = Doc().AddLayer("Autre");
    Doc().SetCurrentLayer(layer);
    Line({{0, 0}, {1, 0}});
    const NewGroupResult result = NewDimensionGroup();
    EXPECT_TRUE(result.Made);
    EXPECT_EQ(result.Error, kNoErr);
    ASSERT_EQ(Doc().Children(Doc().LayerGroup(layer)).size(), 2u);
    EXPECT_EQ(TopGroup(layer), gCurrentDimension.DimensionGroup);
    EXPECT_EQ(Doc().Art(gCurrentDimension.DimensionGroup)->type, kGroupArt);
    EXPECT_TRUE(AlertTexts().empty());
}

TEST_F(MouseTest, LockedCurrentLayerRefusesWithTheAlertAndKeepsTheOldGroup) {
    const AIArtHandle old = Doc().NewGroup(nullptr, "ancien");
    Doc().NewGroup(old);
    gCurrentDimension.DimensionGroup = old;
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    const NewGroupResult result = NewDimensionGroup();
    EXPECT_FALSE(result.Made);
    EXPECT_EQ(gCurrentDimension.DimensionGroup, old);
    EXPECT_EQ(AlertTexts(), std::vector<std::string>{kLocked});
    EXPECT_EQ(Doc().AllArt().size(), 2u);
}

TEST_F(MouseTest, OwnLayerIsMadeAboveAllOnceThenFound) {
    Doc().AddLayer("Autre");
    OwnLayerNamed("Dimensions");
    const int32_t before = Doc().LayerCount();
    ASSERT_TRUE(NewDimensionGroup().Made);
    ASSERT_EQ(Doc().LayerCount(), before + 1);
    const AILayerHandle own = Doc().LayerAt(0);
    EXPECT_EQ(Doc().LayerInfo(own)->title, "Dimensions");
    EXPECT_EQ(gToolState.CurrentLayer, own);
    ASSERT_TRUE(NewDimensionGroup().Made);
    EXPECT_EQ(Doc().LayerCount(), before + 1);
    EXPECT_EQ(Doc().FindLayer("Dimensions"), own);
}

TEST_F(MouseTest, OwnLayerLockedOrCurrentLayerLockedIsRefused) {
    OwnLayerNamed("Cotes");
    const AILayerHandle current = Doc().CurrentLayer();
    Doc().SetLayerLocked(current, true);
    EXPECT_FALSE(NewDimensionGroup().Made);
    const AILayerHandle own = Doc().FindLayer("Cotes");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(Doc().LayerIndex(own), 0);
    EXPECT_EQ(AlertTexts(), std::vector<std::string>{kLocked});
    Doc().SetLayerLocked(current, false);
    ASSERT_TRUE(NewDimensionGroup().Made);
    EXPECT_EQ(Doc().LayerCount(), 2);
    Doc().SetLayerLocked(own, true);
    EXPECT_FALSE(NewDimensionGroup().Made);
    EXPECT_EQ(AlertTexts().size(), 2u);
}

TEST_F(MouseTest, EmptyGroupOfAnAbandonedClickIsDisposedOneWithPartsStays) {
    ASSERT_TRUE(NewDimensionGroup().Made);
    const AIArtHandle empty = gCurrentDimension.DimensionGroup;
    ASSERT_TRUE(NewDimensionGroup().Made);
    EXPECT_EQ(Doc().Describe(empty), "invalid");
    const AIArtHandle full = gCurrentDimension.DimensionGroup;
    Doc().NewGroup(full);
    ASSERT_TRUE(NewDimensionGroup().Made);
    EXPECT_NE(Doc().Describe(full), "invalid");
    EXPECT_NE(gCurrentDimension.DimensionGroup, full);
}

TEST_F(MouseTest, TenSeriesPointsAreTakenTheEleventhIsRefused) {
    gSettings.Sound = 1;
    AIToolHitData hit;
    AIToolMessage message;
    for (int i = 1; i <= 10; ++i) {
        gHitState.SnapSegment.p = {static_cast<AIReal>(i), static_cast<AIReal>(2 * i)};
        gSeriesPointTable.SeriesRunningValue = 5.0f;
        EXPECT_EQ(AddSeriesPoint(hit, &message), kNoErr);
        EXPECT_EQ(gToolState.ClickCount, i);
        EXPECT_EQ(gSeriesPointTable.SeriesPoint[i - 1].p.h, static_cast<AIReal>(i));
        EXPECT_EQ(gSeriesPointTable.SeriesPoint[i - 1].p.v, static_cast<AIReal>(2 * i));
        EXPECT_EQ(gSeriesPointTable.SeriesRunningValue, 0.0f);
    }
    EXPECT_TRUE(AlertTexts().empty());
    AddSeriesPoint(hit, &message);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(AlertTexts(), std::vector<std::string>{kTooMany});
    EXPECT_EQ(BeepCount(9001), 11u);
}

TEST_F(MouseTest, ClickBeepSoundsOnlyWithSoundOn) {
    ClickBeep(9000);
    EXPECT_TRUE(sim::TheLogs().beeps.empty());
    gSettings.Sound = 1;
    ClickBeep(9000);
    EXPECT_EQ(BeepCount(9000), 1u);
}

TEST_F(MouseTest, PartsAreSelectedUnlessLockedAndHidden) {
    ASSERT_TRUE(NewDimensionGroup().Made);
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    const AIArtHandle other = Line({{0, 50}, {10, 50}});
    SetAttr(other, kArtFullySelected);
    const AIArtHandle plain = Line({{0, 0}, {10, 0}});
    const AIArtHandle locked = Line({{0, 1}, {10, 1}});
    const AIArtHandle both = Line({{0, 2}, {10, 2}});
    const AIArtHandle nested = Doc().NewGroup(group);
    for (AIArtHandle art : {plain, locked, both}) ASSERT_EQ(Doc().MoveInto(art, group), kNoErr);
    SetAttr(locked, kArtLocked);
    SetAttr(both, kArtLocked | kArtHidden);
    EXPECT_EQ(SelectDimensionParts(), kNoErr);
    auto selected = [](AIArtHandle art) { return (Doc().Art(art)->userAttr & kArtFullySelected) != 0; };
    EXPECT_TRUE(selected(plain));
    EXPECT_TRUE(selected(locked));
    EXPECT_FALSE(selected(both));
    EXPECT_FALSE(selected(nested));
    EXPECT_FALSE(selected(other));
}

TEST_F(MouseTest, RememberedLinesSkipRepeatsInEitherOrderAndDropTheOldest) {
    RememberSegment({1, 2}, {3, 4});
    RememberSegment({3, 4}, {1, 2});
    RememberSegment({1, 2}, {3, 4});
    EXPECT_EQ(Remembered(), (std::vector<float>{1, 2, 3, 4}));
    for (int i = 1; i <= 10; ++i) RememberSegment({static_cast<AIReal>(10 * i), 0}, {0, static_cast<AIReal>(i)});
    EXPECT_EQ(RememberedSegmentCount(), 10u);
    const std::vector<float> ends = Remembered();
    EXPECT_EQ(std::vector<float>(ends.begin(), ends.begin() + 4), (std::vector<float>{100, 0, 0, 10}));
    EXPECT_EQ(std::vector<float>(ends.end() - 4, ends.end()), (std::vector<float>{10, 0, 0, 1}));
}

TEST_F(MouseTest, AnOddRememberedCountStaysBounded) {
    gSettings.RememberedPointCount = 5;
    for (int i = 1; i <= 6; ++i) RememberSegment({static_cast<AIReal>(i), 0}, {0, 0});
    EXPECT_EQ(Remembered(), (std::vector<float>{6, 0, 0, 0, 5, 0, 0, 0}));
}

TEST_F(MouseTest, SegmentReleaseEndsASecondClickRemembersTheLineAndDropsAValuelessLabel) {
    gToolState.CurrentTool = kSegmentTool;
    ASSERT_TRUE(NewDimensionGroup().Made);
    gCurrentDimension.LabelFrames[0] = Line({{0, 0}, {1, 1}});
    gDimensionValues.DimensionLineEnds[0].p = {5, 6};
    gDimensionValues.DimensionLineEnds[1].p = {7, 8};
    gToolState.ClickCount = 1;
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, gToolState.ToolHandles[0], {0, 0});
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(Remembered(), (std::vector<float>{5, 6, 7, 8}));
    EXPECT_NE(gCurrentDimension.LabelFrames[0], nullptr);
    gToolState.ClickCount = 2;
    gToolState.DimensionStarted = 1;
    gToolState.PressMade = 1;
    gCurrentOptions.Unit = 8;
    const AIArtHandle label = gCurrentDimension.LabelFrames[0];
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, gToolState.ToolHandles[0], {0, 0});
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gToolState.DimensionStarted, 0);
    EXPECT_EQ(gCurrentDimension.LabelFrames[0], nullptr);
    EXPECT_EQ(Doc().Describe(label), "invalid");
}

TEST_F(MouseTest, ReleaseOfACreatedFigureWithoutDimensionDropsItsGroup) {
    gToolState.CurrentTool = kCircleTool;
    ASSERT_TRUE(NewDimensionGroup().Made);
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    gToolState.CreateOnClick[kCircleTool - 1] = 1;
    gCurrentOptions.CircleCreateWithDimension = 0;
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, gToolState.ToolHandles[2], {0, 0});
    EXPECT_EQ(Doc().Describe(group), "invalid");
    EXPECT_EQ(gToolState.CreateOnClick[kCircleTool - 1], 0);
}

}  // namespace

namespace {

class MouseDownTest : public MouseTest {};

TEST_F(MouseDownTest, AltAloneTogglesThePanelAndShiftAloneSelectsTheNextTool) {
    gToolState.CurrentTool = kMeasureTool;
    gToolState.ClickCount = 1;
    gToolState.EditingSegment = 1;
    const int32_t shown = gSettings.PanelVisible;
    sim::ThePlatform().SetKeyDown(VK_MENU, true);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, gToolState.ToolHandles[4], {3, 4});
    EXPECT_EQ(gSettings.PanelVisible, shown == 0 ? 1 : 0);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, gToolState.ToolHandles[4], {3, 4});
    EXPECT_EQ(gSettings.PanelVisible, shown);
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(gToolState.CurrentTool, kMeasureTool);
    sim::ThePlatform().SetKeyDown(VK_MENU, false);
    sim::ThePlatform().SetKeyDown(VK_SHIFT, true);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, gToolState.ToolHandles[4], {3, 4});
    EXPECT_EQ(gToolState.CurrentTool, kSegmentTool);
    EXPECT_EQ(gToolState.EditingSegment, 0);
    EXPECT_EQ(gToolState.CursorPoint.h, 3.0f);
}

TEST_F(MouseDownTest, MeasureClickOnEmptyCanvasClearsTheSetAndItsTags) {
    const AIArtHandle path = Line({{0, 0}, {100, 0}});
    Tag(path, "spa");
    SetAttr(path, kArtFullySelected);
    ASSERT_EQ(sAIArtSet->NewArtSet(&gToolState.MeasuredSet), kNoErr);
    ASSERT_EQ(sAIArtSet->AddArtToArtSet(gToolState.MeasuredSet, path), kNoErr);
    gToolState.MeasuredCount = 1;
    gToolState.CurrentTool = kMeasureTool;
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, gToolState.ToolHandles[4], {500, 500});
    EXPECT_EQ(gToolState.MeasuredCount, 0u);
    EXPECT_EQ(Doc().Art(path)->tags.count("spa"), 0u);
    EXPECT_EQ(Doc().Art(path)->userAttr & kArtFullySelected, 0);
    EXPECT_EQ(gToolState.MarqueeStart.h, 500.0f);
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

}  // namespace
