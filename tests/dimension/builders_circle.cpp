// The circle builder: radius or diameter line, end marks, the leader with its tie line, the label.
#include <unistd.h>

#include "angular_fixture.h"
#include "dimension/CircleBuilder.h"
#include "dimension/Skeletons.h"
#include "frame/Settings.h"

using dimtest::AngularBuilderTest;
using dimtest::kPi;

namespace {

class CircleBuilder : public AngularBuilderTest {
  protected:
    void SetUp() override {
        AngularBuilderTest::SetUp();
        gCurrentOptions.EndMarkSize = 100.0;
        gCurrentOptions.CircleTieLength = 10.0;
        gCurrentOptions.CircleOffsetX = 0.0;
        gCurrentOptions.CircleOffsetY = 0.0;
        gCurrentOptions.Unit = 5;
        gCurrentOptions.Unit = 5;
        gCurrentOptions.ShowUnit = 1;
        gCurrentOptions.Decimals = 0;
        gSettings.CircleSymbolShown = 1;
        gSettings.CircleSymbolBefore = 1;
        gSettings.RadiusLineDrawn = 1;
        gMeasuredPoints.CircleCentre = AIRealPoint{0.0f, 0.0f};
        gMeasuredPoints.CircleRadius = 20.0f;
    }
    static void Build(int32_t diameter) {
        gCurrentOptions.Diameter = diameter;
        ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    }
    static AIArtHandle Line() { return Dim().CircleParts[0]; }
    static AIArtHandle Leader() { return Dim().CircleParts[1]; }
};

TEST_F(CircleBuilder, ARadiusRunsFromTheCentreToTheCircleWithALeaderAndTieOutToTheLabel) {
    Build(0);
    ASSERT_EQ(DrawCircleDimension(50.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    ASSERT_EQ(Segments(Line()).size(), 2u);
    EXPECT_POINT_NEAR(Anchor(Line(), 0), 0.0, 0.0);
    EXPECT_POINT_NEAR(Anchor(Line(), 1), 20.0, 0.0);
    const std::vector<AIPathSegment> leader = Segments(Leader());
    ASSERT_EQ(leader.size(), 3u);
    EXPECT_POINT_NEAR(leader[0].p, 20.0, 0.0);
    EXPECT_POINT_NEAR(leader[1].p, 50.0, 0.0);
    // The shoulder holds the value and its gaps (six characters of 6 points, 2 points each side), longer than
    // the live "Ligne".
    EXPECT_POINT_NEAR(leader[2].p, 90.0, 0.0);
    EXPECT_EQ(LabelText(), "R20 pt");
    EXPECT_POINT_NEAR(LabelAnchor(), 70.0, 4.0); // its descent, 2, the label clearance above the shoulder
    // The mark's tip is on the circle, its body inside towards the centre.
    EXPECT_LT(Centroid(Dim().EndMarks[0][0]).h, 20.0f);
    EXPECT_POINT_NEAR(gDimensionValues.DimensionLineEnds[0].p, 0.0, 0.0);
    EXPECT_POINT_NEAR(gDimensionValues.DimensionLineEnds[1].p, 20.0, 0.0);
    EXPECT_FLOAT_EQ(gToolState.CircleLabelDistance, 50.0f);
}

TEST_F(CircleBuilder, ADiameterCrossesTheCircleWithAMarkAtEachEndAndTheTieTurnsLeftOnTheLeft) {
    Build(1);
    ASSERT_EQ(DrawCircleDimension(-40.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_POINT_NEAR(Anchor(Line(), 0), 20.0, 0.0);
    EXPECT_POINT_NEAR(Anchor(Line(), 1), -20.0, 0.0);
    EXPECT_POINT_NEAR(LastAnchor(Leader()), -80.0, 0.0);
    EXPECT_EQ(LabelText(), "Ø40 pt");
    EXPECT_GT(Centroid(Dim().EndMarks[0][0]).h, -20.0f);
    EXPECT_LT(Centroid(Dim().EndMarks[1][0]).h, 20.0f);
}

TEST_F(CircleBuilder, ControlOrTheArrowsFlagPutTheMarksOutsideAndBothTogetherCancel) {
    Build(0);
    const struct {
        int32_t WithEnds;
        int32_t Flag;
        bool Outside;
    } cases[] = {{0, 0, false}, {1, 0, true}, {0, 1, true}, {1, 1, false}};
    for (const auto& c : cases) {
        gCurrentOptions.CircleArrowsFlag = c.Flag;
        ASSERT_EQ(DrawCircleDimension(50.0f, 0.0f, c.WithEnds, 0, 0, 0), kNoErr);
        EXPECT_EQ(Centroid(Dim().EndMarks[0][0]).h > 20.0f, c.Outside) << c.WithEnds << c.Flag;
    }
}

TEST_F(CircleBuilder, WithoutTheRadiusLineOnlyTheLeaderIsDrawnAndTheMarkPointsInFromOutside) {
    gSettings.RadiusLineDrawn = 0;
    Build(0);
    ASSERT_EQ(DrawCircleDimension(0.0f, 50.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_TRUE(Segments(Line()).empty());
    EXPECT_POINT_NEAR(Anchor(Leader(), 0), 0.0, 20.0);
    EXPECT_GT(Centroid(Dim().EndMarks[0][0]).v, 20.0f);
}

TEST_F(CircleBuilder, ALabelInsideTheCircleHasNoLeaderAndStandsBesideTheLineMovedByTheOffsets) {
    gCurrentOptions.CircleOffsetX = 3.0;
    gCurrentOptions.CircleOffsetY = -4.0;
    gMeasuredPoints.CircleRadius = 60.0f; // room for the value inside
    Build(0);
    ASSERT_EQ(DrawCircleDimension(0.0f, 10.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_TRUE(Segments(Leader()).empty());
    EXPECT_POINT_NEAR(Anchor(Line(), 1), 0.0, 60.0);
    // Beside the vertical radius, on its right: its middle half its width and 2 points off the line, its box
    // (the descent below the baseline, 2, and the text size above) centred on the point.
    EXPECT_POINT_NEAR(LabelAnchor(), 2.0 + 18.0 + 3.0, 10.0 - 4.0 - 4.0);
}

TEST_F(CircleBuilder, ALabelPointOnTheCentreTakesTheArcMiddleDirection) {
    gDimensionValues.ArcMiddleAngle = static_cast<AIReal>(kPi);
    Build(0);
    ASSERT_EQ(DrawCircleDimension(0.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_POINT_NEAR(Anchor(Line(), 1), -20.0, 0.0);
}

TEST_F(CircleBuilder, ANullRadiusOrAPointThatIsNoNumberLeavesTheArtAsItWas) {
    Build(0);
    ASSERT_EQ(DrawCircleDimension(50.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(DrawCircleDimension(std::nanf(""), 0.0f, 0, 0, 0, 0), kBadParameterErr);
    gMeasuredPoints.CircleRadius = 0.0f;
    EXPECT_EQ(DrawCircleDimension(60.0f, 0.0f, 0, 0, 0, 0), kBadParameterErr);
    EXPECT_POINT_NEAR(Anchor(Line(), 1), 20.0, 0.0);
    EXPECT_EQ(LabelText(), "R20 pt");
    // A circle so large that a step of the leader's search no longer moves a point: the search still ends (the
    // alarm stops a run that would not).
    gMeasuredPoints.CircleRadius = 1e16f;
    alarm(10);
    EXPECT_EQ(DrawCircleDimension(1e16f, 0.0f, 0, 0, 0, 0), kNoErr);
    alarm(0);
}

TEST_F(CircleBuilder, DeletedPartsAreSkippedAndTheRestIsBuilt) {
    Build(0);
    const AIArtHandle line = Line();
    ASSERT_EQ(Doc().DisposeArt(Doc().MutableArt(line)), kNoErr);
    ASSERT_EQ(DrawCircleDimension(50.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(Segments(Leader()).size(), 3u);
    EXPECT_EQ(LabelText(), "R20 pt");
}

} // namespace
