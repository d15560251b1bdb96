// The Segment tool as a user drives it: two anchors, one straight segment, the series, re-editing a dimension
// by its line, and the Shift and Alt gestures.
#include "end_to_end_fixture.h"

namespace endtoend {
namespace {

class SegmentRoads : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        gSettings.Sound = 1;
    }
};

TEST_F(SegmentRoads, TwoAnchorsBeepOnBothClicksAndLinkBothEnds) {
    const AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 60}});
    Select(1);
    Click({0, 0});
    EXPECT_EQ(gToolState.ClickCount, 1);
    ClickDrag({100, 0}, {50, -30});
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000, 9000}));
    EXPECT_EQ(Label(Group()), "35 mm");
    EXPECT_TRUE(HasTag(path, "segpt1"));
    EXPECT_TRUE(HasTag(path, "segpt2"));
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(SegmentRoads, AStraightSegmentBeepsOnceAndIsLinkedOnTheSegment) {
    const AIArtHandle path = Line({{0, 0}, {200, 0}});
    Select(1);
    ClickDrag({100, 0}, {100, 40});
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001}));
    EXPECT_EQ(Label(Group()), "71 mm");
    EXPECT_TRUE(HasTag(path, "surseg"));
    EXPECT_EQ(GroupCount(), 1u);
}

TEST_F(SegmentRoads, ASecondClickOffAnyPointKeepsTheFirstAndAsksForASecondPoint) {
    Line({{0, 0}, {100, 0}, {100, 60}});
    Select(1);
    Click({0, 0});
    Click({50, 0});
    EXPECT_EQ(Alerts(), (std::vector<std::string>{
                            "Vous devez cliquer sur un second point\r(point d'ancrage ou point d'intersection)\rou "
                            "tenir la touche Contrôle enfoncée."}));
    Click({100, 60});
    EXPECT_EQ(Label(Group()), "41 mm");  // (0,0) to (100,60): 116.6 points
}

TEST_F(SegmentRoads, ClickingTheLineOfADimensionReopensItWithoutANewGroup) {
    Line({{0, 0}, {200, 0}});
    Select(1);
    ClickDrag({100, 0}, {100, 40});
    ASSERT_EQ(GroupCount(), 1u);
    Track({150, 40});
    ASSERT_EQ(gHitState.HoverFlags.OverDimension, 1);
    ClickDrag({150, 40}, {150, 80});
    EXPECT_EQ(GroupCount(), 1u);
    EXPECT_TRUE(Doc().IsValid(Group()));
    EXPECT_EQ(Label(Group()), "71 mm");
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(SegmentRoads, ASeriesMakesOneDimensionPerFurtherPoint) {
    Line({{0, 0}, {100, 0}, {200, 0}, {300, 0}});
    gCurrentOptions.SeriesOn = 1;
    Select(1);
    Click({0, 0});
    Click({100, 0});
    Click({200, 0});
    Click({300, 0});
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>(4, 9001)));
    EXPECT_EQ(gToolState.ClickCount, 4);
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(SegmentRoads, ShiftOnTheCanvasSelectsTheNextToolAndMakesNothing) {
    Line({{0, 0}, {200, 0}});
    Select(1);
    Hold(16);
    Click({100, 0});
    EXPECT_EQ(gToolState.CurrentTool, 2);
    EXPECT_EQ(sim::TheTools().Selected(), gToolState.ToolHandles[1]);
    EXPECT_EQ(GroupCount(), 0u);
    Click({100, 0});
    Click({100, 0});
    Click({100, 0});
    Click({100, 0});
    EXPECT_EQ(gToolState.CurrentTool, 1);
    EXPECT_EQ(sim::TheTools().Selected(), gToolState.ToolHandles[0]);
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(SegmentRoads, AltTwiceHidesAndShowsThePanelAndKeepsAWaitingFirstPoint) {
    Line({{0, 0}, {100, 0}, {100, 60}});
    Select(1);
    Click({0, 0});
    const int32_t shown = gSettings.PanelVisible;
    Hold(18);
    Click({300, 300});
    EXPECT_EQ(gSettings.PanelVisible, shown == 0 ? 1 : 0);
    Click({300, 300});
    EXPECT_EQ(gSettings.PanelVisible, shown);
    Release(18);
    EXPECT_EQ(gToolState.ClickCount, 1);
    Click({100, 60});
    EXPECT_EQ(Label(Group()), "41 mm");
}

TEST_F(SegmentRoads, ShiftAndAltTogetherMeasureBetweenTwoSegments) {
    Line({{0, 0}, {200, 0}});
    Line({{0, 100}, {200, 100}});
    Select(1);
    Hold(16);
    Hold(18);
    Click({50, 0});
    EXPECT_EQ(gToolState.ClickCount, 1);
    Release(16);
    Release(18);
    ClickDrag({50, 100}, {20, 50});
    EXPECT_EQ(Label(Group()), "35 mm");  // the 100 points between the two parallel lines
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001, 9001}));
}

TEST_F(SegmentRoads, AHoverThenADrawShowsTheAnnotations) {
    Line({{0, 0}, {200, 0}});
    Select(1);
    Track({100, 0});
    EXPECT_FALSE(Draw().empty());
}

}  // namespace
}  // namespace endtoend
