// The Segment tool as a user drives it: two anchors, one straight segment, the series, re-editing a dimension
// by its line, and the Shift and Alt gestures.
#include "end_to_end_fixture.h"
#include "figures/CircleFigureShape.h"
#include "tools/CursorTracking.h"

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

// Two holes of radius 20 that show their centres, 100 apart, and a bar 60 above them: a centre is a point to
// measure from as an anchor is, and a dimension with a centre at either end is linked to no path and offers no
// re-edit.
struct PointPairRow {
    const char* Name;
    AIRealPoint First;
    AIRealPoint Second;
    const char* Label;
};
void PrintTo(const PointPairRow& row, std::ostream* out) { *out << row.Name; }

const PointPairRow kPointPairRows[] = {
    {"CentreToCentre", {0, 0}, {100, 0}, "35 mm"},
    {"AnchorToCentre", {0, 60}, {100, 0}, "41 mm"},
    {"CentreToAnchor", {0, 0}, {100, 60}, "41 mm"},
};

class SegmentPointPairs : public SegmentRoads, public ::testing::WithParamInterface<PointPairRow> {
protected:
    // A circle of radius 20 about c that shows its centre, as a host's ellipse does.
    static AIArtHandle Hole(AIRealPoint c) {
        AIPathSegment circle[kCircleSegmentCount];
        CircleSegments(20.0f, c, circle);
        const AIArtHandle hole = Doc().DrawPath({std::begin(circle), std::end(circle)}, true);
        Doc().MutableArt(hole)->showsCentre = true;
        return hole;
    }
};

TEST_P(SegmentPointPairs, MeasureTheDistanceAndLinkNothingWhereACentreIsTaken) {
    const PointPairRow& row = GetParam();
    Hole({0, 0});
    Hole({100, 0});
    Line({{0, 60}, {100, 60}});
    Select(kSegmentTool);
    Click(row.First);
    EXPECT_EQ(gToolState.ClickCount, 1);
    ClickDrag(row.Second, {row.Second.h, row.Second.v - 40});
    EXPECT_EQ(Label(Group()), row.Label);
    EXPECT_TRUE(Alerts().empty());
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000, 9000}));
    for (AIArtHandle art : Doc().AllArt())
        for (const char* key : {"segpt1", "segpt2", "mods"}) EXPECT_FALSE(HasTag(art, key)) << key;
}

TEST_F(SegmentPointPairs, ACentreShowsItsCursorAndIsTheSnappedPoint) {
    Hole({0, 0});
    Select(kSegmentTool);
    Track({1, 1});
    EXPECT_EQ(LastCursor(), kCentreCursor);
    EXPECT_EQ(gHitState.HoverFlags.OverCentre, 1);
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    // To the other tools a centre is no point: nothing lies under the cursor.
    for (int32_t tool : {kAngleTool, kCircleTool, kBezierTool}) {
        Select(tool);
        Track({1, 1});
        EXPECT_EQ(gHitState.HoverFlags.OverAnchor, 0) << tool;
        EXPECT_EQ(LastCursor(), kNothingCursor) << tool;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SegmentPointPairs, ::testing::ValuesIn(kPointPairRows),
                         [](const auto& info) { return std::string(info.param.Name); });

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
    EXPECT_EQ(gToolState.CurrentTool, kAngleTool);
    EXPECT_EQ(sim::TheTools().Selected(), gToolState.ToolHandles[1]);
    EXPECT_EQ(GroupCount(), 0u);
    Click({100, 0});
    Click({100, 0});
    Click({100, 0});
    Click({100, 0});
    EXPECT_EQ(gToolState.CurrentTool, kSegmentTool);
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
