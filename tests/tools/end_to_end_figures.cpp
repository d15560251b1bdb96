// The Angle, Cercle, Bézier and Longueurs & aires tools as a user drives them through the host's messages.
#include <cmath>

#include "end_to_end_fixture.h"
#include "records/MeasuredPoints.h"

namespace endtoend {
namespace {

class FigureRoads : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        gSettings.Sound = 1;
    }
    // The quarter circle of radius 100 about the origin, from (100, 0) to (0, 100), its middle at 45 degrees.
    static AIArtHandle Quarter() { return QuarterArc(100); }
    static constexpr AIRealPoint kQuarterMiddle{70.7107f, 70.7107f};
    // 100 points from the origin at 60 degrees.
    static constexpr AIRealPoint kSixty{50, 86.60254f};
};

TEST_F(FigureRoads, AngleAtAVertexIsLinkedToItsThreeAnchors) {
    const AIArtHandle path = Line({{100, 0}, {0, 0}, kSixty});
    Select(2);
    ClickDrag({0, 0}, {30, 10});
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000}));
    EXPECT_TRUE(HasTag(path, "ang"));
    EXPECT_NEAR(gMeasuredPoints.AngleValue, 1.0471976f, 1e-4f);
    EXPECT_EQ(Label(Group()), "60°");
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(FigureRoads, AngleTurnsCounterClockwisePositiveFromTheSideBefore) {
    Line({kSixty, {0, 0}, {100, 0}});
    Select(2);
    Click({0, 0});
    EXPECT_NEAR(gMeasuredPoints.AngleValue, -1.0471976f, 1e-4f);  // clockwise from the side before, y up
    EXPECT_EQ(Label(Group()), "60°");
}

TEST_F(FigureRoads, AngleOfTwoSidesOfOnePathMeetsAtTheirCommonAnchor) {
    const AIArtHandle path = Line({{100, 0}, {0, 0}, kSixty});
    Select(2);
    Click({50, 0});
    EXPECT_EQ(gToolState.ClickCount, 1);
    ClickDrag({25, 43.30127f}, {30, 10});
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001, 9001}));
    EXPECT_TRUE(HasTag(path, "ang"));
    EXPECT_EQ(Label(Group()), "60°");
}

TEST_F(FigureRoads, AngleOfTwoSidesOfTwoPathsMeetsAtTheirLinesCrossing) {
    const AIArtHandle first = Line({{50, 0}, {150, 0}});
    Line({{25, 43.30127f}, {75, 129.90381f}});
    Select(2);
    Click({100, 0});
    ClickDrag({50, 86.60254f}, {40, 20});
    EXPECT_POINT_NEAR(gMeasuredPoints.AngleVertex.p, 0.0f, 0.0f, 1e-3f);
    EXPECT_FALSE(HasTag(first, "ang"));
    EXPECT_EQ(Label(Group()), "60°");
}

TEST_F(FigureRoads, ParallelSidesAreRefused) {
    Line({{0, 0}, {100, 0}});
    Line({{0, 50}, {100, 50}});
    Select(2);
    Click({50, 0});
    Click({50, 50});
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"Les deux côtés sont parallèles !"}));
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(GroupCount(), 0u);
}

TEST_F(FigureRoads, AngleOfAnArcIsTheAngleItSpansAtItsCentre) {
    Quarter();
    Select(2);
    ClickDrag(kQuarterMiddle, {90, 90});
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001}));
    EXPECT_NEAR(gMeasuredPoints.AngleValue, 1.5707963f, 1e-3f);  // from (100,0) round to (0,100)
    EXPECT_EQ(Doc().Children(Group()).size() > 1, true);
}

TEST_F(FigureRoads, CircleOfAnArcIsLinkedByItsAnchors) {
    const AIArtHandle arc = Quarter();
    Select(3);
    Click(kQuarterMiddle);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001}));
    EXPECT_TRUE(HasTag(arc, "cer"));
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 100.0f, 0.5f);
    EXPECT_FALSE(Label(Group()).empty());
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(FigureRoads, CircleOfTwoArcEndsIsFoundFromTheirChordsWithoutLink) {
    const AIArtHandle arc = Quarter();
    Select(3);
    Click({100, 0});
    EXPECT_EQ(gToolState.ClickCount, 1);
    ClickDrag({0, 100}, {150, 150});
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000, 9000}));
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 100.0f, 0.5f);
    EXPECT_FALSE(HasTag(arc, "cer"));
    EXPECT_FALSE(Label(Group()).empty());
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(FigureRoads, CircleEndsOnTwoPathsAreRefused) {
    Quarter();
    Line({{0, 300}, {50, 300}});
    Select(3);
    Click({100, 0});
    Click({0, 300});
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"Les deux points doivent appartenir à un même tracé."}));
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(FigureRoads, BezierDividesAStraightSegment) {
    Line({{0, 0}, {200, 0}});
    gCurrentOptions.BezierMode = 0;
    Select(4);
    Click({100, 0});
    EXPECT_EQ(gToolState.BezierElementKind, 3);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001}));
    EXPECT_TRUE(Doc().IsValid(Group()));
    EXPECT_FALSE(Doc().Children(Group()).empty());
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(FigureRoads, BezierDrawsTheLocalRadiusOfAnArc) {
    Quarter();
    gCurrentOptions.BezierMode = 1;
    Select(4);
    Click(kQuarterMiddle);
    EXPECT_EQ(gToolState.BezierElementKind, 5);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000}));
    EXPECT_TRUE(Doc().IsValid(Group()));
    EXPECT_FALSE(Doc().Children(Group()).empty());
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(FigureRoads, BezierModeStoredInTheSettingsGuidesBothTheHoverAndTheClick) {
    Quarter();
    gSettings.BezierMode = 1;
    gCurrentOptions.BezierMode = 1;
    Select(4);
    Click(kQuarterMiddle);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000}));
    const std::string radius = Label(Group());  // 100 points, give or take the curve's sampled curvature
    EXPECT_TRUE(radius == "35 mm" || radius == "36 mm") << radius;
}

TEST_F(FigureRoads, LengthsAndAreasOfAClickedPathLeaveNoDimension) {
    Line({{0, 0}, {100, 0}, {100, 100}}, false);
    Select(5);
    Click({50, 0});
    EXPECT_TRUE(Alerts().empty());
    EXPECT_EQ(GroupCount(), 0u);
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(FigureRoads, ALinearDimensionClickedWithTheAngleToolIsReopenedBySegment) {
    Line({{0, 0}, {200, 0}});
    Select(1);
    ClickDrag({100, 0}, {100, 40});
    Select(2);
    Click({150, 40});
    EXPECT_EQ(sim::TheTools().Selected(), gToolState.ToolHandles[0]);
    EXPECT_EQ(GroupCount(), 1u);
    EXPECT_EQ(Label(Group()), "71 mm");
}

}  // namespace
}  // namespace endtoend
