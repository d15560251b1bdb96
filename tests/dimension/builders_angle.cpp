// The angle builders: arcs, re-entrant sweeps, the right-angle square, multiple arcs, end marks and labels.
#include <unistd.h>

#include <cstdlib>

#include "angular_fixture.h"
#include "dimension/AngleBuilders.h"
#include "dimension/Skeletons.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"

using dimtest::AngularBuilderTest;
using dimtest::kPi;

namespace {

constexpr AIRealPoint kVertex{100.0f, 100.0f};

class AngleBuilder : public AngularBuilderTest {
  protected:
    void SetUp() override {
        AngularBuilderTest::SetUp();
        gCurrentOptions.EndMarkSize = 100.0;
        gCurrentOptions.ActiveEndMarkSize = 100.0;
        gCurrentOptions.AngleOffsetAngle = 0.0;
        gCurrentOptions.AngleOffsetRadius = 0.0;
        gSettings.AutoRightAngle = 1;
        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    }
    static ASErr Draw(double degrees, int8_t multiple = 0, int32_t withEnds = 0) {
        return DrawAngleDimension(kVertex.h, kVertex.v, 40.0f, static_cast<AIReal>(degrees * kPi / 180.0),
                                  0.0f, Dim().AngleArcs, multiple, withEnds, 0, 0, 0);
    }
    static AIArtHandle Arc(size_t i = 0) { return Dim().AngleArcs[i]; }
};

TEST_F(AngleBuilder, SixtyDegreesDrawsTheArcFromTheStartSideWithMarksAtBothEndsAndTheLabelInside) {
    ASSERT_EQ(Draw(60.0), kNoErr);
    EXPECT_POINT_NEAR(Anchor(Arc(), 0), 140.0, 100.0);
    EXPECT_POINT_NEAR(LastAnchor(Arc()), 120.0, 100.0 + 40.0 * std::sqrt(3.0) / 2.0);
    EXPECT_EQ(gDimensionValues.RightAngleShown, 0);
    EXPECT_EQ(LabelText(), "60°");
    // The arc's tangent there lies on the edge of the zone past vertical: the value reads from the bottom, down
    // the arc, its top away from the vertex and its baseline 0.6 x the radius out.
    EXPECT_POINT_NEAR(LabelAnchor(), 100.0 + 24.0 * std::cos(kPi / 6.0), 100.0 + 24.0 * std::sin(kPi / 6.0));
    // The marks lie on the arc's side of each end: inside the angle, pointing out at the sides.
    EXPECT_GT(Centroid(Dim().EndMarks[0][0]).v, 100.0f);
    const AIRealPoint far = Centroid(Dim().EndMarks[1][0]);
    EXPECT_LT(std::atan2(far.v - 100.0, far.h - 100.0), kPi / 3.0);
    EXPECT_EQ(Children(Dim().DimensionGroup).front(), Dim().LabelFrames[0]);
}

TEST_F(AngleBuilder, TheArcMarksTakeTheActiveSizeNotTheLiveOne) {
    gCurrentOptions.EndMarkSize = 50.0;
    ASSERT_EQ(Draw(90.0 + 30.0), kNoErr);
    // The first mark's tip at (140, 100), its body a full 9 units up the arc's tangent.
    EXPECT_POINT_NEAR(Anchor(Dim().EndMarks[0][0], 0), 140.0, 100.0);
    EXPECT_POINT_NEAR(Anchor(Dim().EndMarks[0][0], 1), 137.0, 109.0);
    gCurrentOptions.ActiveEndMarkSize = 0.0;
    ASSERT_EQ(Draw(120.0), kNoErr);
    EXPECT_TRUE(Segments(Dim().EndMarks[0][0]).empty());
}

TEST_F(AngleBuilder, ControlPutsTheMarksOutsideTheArcAndTheArrowsFlagTurnsThemBack) {
    ASSERT_EQ(Draw(60.0, 0, 1), kNoErr);
    EXPECT_LT(Centroid(Dim().EndMarks[0][0]).v, 100.0f);
    // The arc runs on past each end under the marks: the 9-point mark and as much again, at radius 40.
    const double tail = 18.0 / 40.0;
    EXPECT_POINT_NEAR(Anchor(Arc(), 0), 100.0 + 40.0 * std::cos(-tail), 100.0 + 40.0 * std::sin(-tail));
    EXPECT_POINT_NEAR(LastAnchor(Arc()), 100.0 + 40.0 * std::cos(kPi / 3.0 + tail),
                      100.0 + 40.0 * std::sin(kPi / 3.0 + tail));
    gCurrentOptions.AngleArrowsFlag = 1;
    ASSERT_EQ(Draw(60.0, 0, 1), kNoErr);
    EXPECT_GT(Centroid(Dim().EndMarks[0][0]).v, 100.0f);
}

TEST_F(AngleBuilder, AReentrantAngleRunsTheOtherWayRoundAndReadsThreeHundredDegrees) {
    gMeasuredPoints.AngleFlip = 1;
    ASSERT_EQ(Draw(60.0), kNoErr);
    EXPECT_EQ(LabelText(), "300°");
    EXPECT_POINT_NEAR(Anchor(Arc(), 0), 140.0, 100.0);
    EXPECT_POINT_NEAR(LastAnchor(Arc()), 120.0, 100.0 + 40.0 * std::sqrt(3.0) / 2.0);
    // Four quarter-turn pieces at most: the arc passes below the vertex.
    double lowest = 1e9;
    for (const AIPathSegment& s : Segments(Arc()))
        lowest = std::min(lowest, static_cast<double>(s.p.v));
    EXPECT_LT(lowest, 70.0);
    // In the middle of the re-entrant sweep: 300 degrees clockwise from the start side, half of it. Its tangent
    // lies on the edge of the zone past vertical, so the value reads from the bottom: its top towards the vertex
    // (up and to the right), its box where it would stand reading outward from 0.6 x the radius, its descent
    // towards the vertex: its baseline a text size less the descent beyond that (24 + 10 - 2).
    EXPECT_POINT_NEAR(LabelAnchor(), 100.0 + 32.0 * std::cos(-5.0 * kPi / 6.0),
                      100.0 + 32.0 * std::sin(-5.0 * kPi / 6.0));
    const AIRealMatrix& m = Node(Dim().LabelFrames[0]).text.transform;
    EXPECT_GT(m.d, 0.0f);  // the top points up
}

TEST_F(AngleBuilder, ARightAngleIsMarkedByASquareAndLeavesNoLabelBehind) {
    ASSERT_EQ(Draw(90.0), kNoErr);
    EXPECT_EQ(gDimensionValues.RightAngleShown, 1);
    const std::vector<AIPathSegment> square = Segments(Arc());
    ASSERT_EQ(square.size(), 3u);
    EXPECT_POINT_NEAR(square[0].p, 120.0, 100.0);
    EXPECT_POINT_NEAR(square[1].p, 120.0, 120.0);
    EXPECT_POINT_NEAR(square[2].p, 100.0, 120.0);
    EXPECT_TRUE(Segments(Dim().EndMarks[0][0]).empty());
    EXPECT_TRUE(Segments(Dim().EndMarks[1][0]).empty());
    // No text frame stays in the group, empty at the origin.
    for (AIArtHandle part : Children(Dim().DimensionGroup))
        EXPECT_NE(Node(part).type, kTextFrameArt);

    gSettings.AutoRightAngle = 0;
    ASSERT_EQ(Draw(90.0), kNoErr);
    EXPECT_EQ(gDimensionValues.RightAngleShown, 0);
    EXPECT_GT(Segments(Arc()).size(), 1u);
    EXPECT_EQ(LabelText(), "90°");
}

TEST_F(AngleBuilder, ARightAngleShownReentrantOrJustOffAQuarterTurnGetsItsArc) {
    const struct {
        double Degrees;
        int32_t Flip;
        int32_t Square;
    } cases[] = {{90.0, 0, 1}, {-90.0, 0, 1}, {90.0, 1, 0}, {90.05, 0, 0}, {89.95, 0, 0}};
    for (const auto& c : cases) {
        gMeasuredPoints.AngleFlip = c.Flip;
        ASSERT_EQ(Draw(c.Degrees), kNoErr);
        EXPECT_EQ(gDimensionValues.RightAngleShown, c.Square) << c.Degrees << " flip " << c.Flip;
    }
}

TEST_F(AngleBuilder, MultipleArcsAreMadeAboveTheFirstWithAlternateWidthsAndDroppedAgain) {
    gCurrentOptions.ArcCount = 3;
    gCurrentOptions.ArcGap = 5;
    gSettings.MultipleArcType = 1;
    gSettings.MultipleArcWidthFactor = 3.0;
    gCurrentOptions.ActiveEndMarkSize = 0.0;
    const AIReal width = gPathStyles.DimensionLineStyle.stroke.width;
    ASSERT_EQ(Draw(60.0, 1), kNoErr);
    const double radii[] = {40.0, 45.0, 50.0};
    const AIReal widths[] = {width, 3.0f * width, width};
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(Live(Arc(i))) << i;
        EXPECT_POINT_NEAR(Anchor(Arc(i), 0), 100.0 + radii[i], 100.0);
        EXPECT_FLOAT_EQ(Node(Arc(i)).style.stroke.width, widths[i]) << i;
        EXPECT_EQ(TagsOf(Arc(i)).at("vek"), "jj");
    }
    EXPECT_FALSE(Live(Arc(3)));
    EXPECT_TRUE(Segments(Dim().EndMarks[0][0]).empty());
    const std::vector<AIArtHandle> order = Children(Dim().DimensionGroup);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], Dim().LabelFrames[0]);
    EXPECT_EQ(order[1], Arc(2));
    EXPECT_EQ(order[2], Arc(1));
    EXPECT_EQ(order[3], Arc(0));

    const AIArtHandle second = Arc(1);
    ASSERT_EQ(Draw(60.0, 0), kNoErr);
    EXPECT_EQ(Arc(1), nullptr);
    EXPECT_FALSE(Live(second));
}

TEST_F(AngleBuilder, ADimensionWhoseFirstArcWasDeletedGetsNoNewArcs) {
    gCurrentOptions.ArcCount = 3;
    const size_t parts = Children(Dim().DimensionGroup).size();
    ASSERT_EQ(Doc().DisposeArt(Doc().MutableArt(Arc())), kNoErr);
    ASSERT_EQ(Draw(60.0, 1), kNoErr);
    EXPECT_EQ(Arc(1), nullptr);
    EXPECT_EQ(Children(Dim().DimensionGroup).size(), parts - 1);
    EXPECT_EQ(LabelText(), "60°");
}

TEST_F(AngleBuilder, TheArcCountIsHeldToWhatTheArcArrayTakes) {
    gCurrentOptions.ArcCount = 500;
    ASSERT_EQ(Draw(30.0, 1), kNoErr);
    for (size_t i = 0; i < kAngleArcCapacity; ++i)
        EXPECT_TRUE(Live(Arc(i))) << i;
}

TEST_F(AngleBuilder, DegenerateAnglesDrawNoArcAndNoNaN) {
    ASSERT_EQ(Draw(60.0), kNoErr);
    const std::vector<AIPathSegment> before = Segments(Arc());
    EXPECT_EQ(DrawAngleDimension(100.0f, 100.0f, 40.0f, std::nanf(""), 0.0f, Dim().AngleArcs, 0, 0, 0, 0, 0),
              kBadParameterErr);
    EXPECT_EQ(DrawAngleDimension(100.0f, 100.0f, 0.0f, 1.0f, 0.0f, Dim().AngleArcs, 0, 0, 0, 0, 0),
              kBadParameterErr);
    EXPECT_EQ(Segments(Arc()).size(), before.size());
    ASSERT_EQ(Draw(0.0), kNoErr);
    EXPECT_TRUE(Segments(Arc()).empty());
    EXPECT_TRUE(Segments(Dim().EndMarks[0][0]).empty());
    EXPECT_EQ(LabelText(), "0°");
}

// A value too wide for an angle of nothing on an arc a world wide is placed past the arc's end in a bounded
// number of steps: the drawing comes back (a child process that a stuck placement would leave to the alarm).
TEST_F(AngleBuilder, AValuePastTheEndOfAWorldWideArcIsPlacedInBoundedTime) {
    ASSERT_EXIT(
        {
            alarm(20);
            const ASErr drawn = DrawAngleDimension(0.0f, 0.0f, 1.06408429e24f, 0.0f, 0.785398185f, Dim().AngleArcs,
                                                   0, 0, 0, 0, 0);
            std::_Exit(drawn == kNoErr ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(AngleBuilder, TheLabelFollowsTheAngleOffsets) {
    gCurrentOptions.AngleOffsetAngle = 10.0;
    gCurrentOptions.AngleOffsetRadius = -4.0;
    ASSERT_EQ(Draw(120.0), kNoErr);
    const double direction = 70.0 * kPi / 180.0;
    EXPECT_POINT_NEAR(LabelAnchor(), 100.0 + 20.0 * std::cos(direction), 100.0 + 20.0 * std::sin(direction));
}

TEST_F(AngleBuilder, TheArcOfACircularArcGetsItsRadiiThroughTheCentre) {
    ASSERT_EQ(BuildArcAngleDimensionArt(), kNoErr);
    gMeasuredPoints.AngleVertex = Corner(0.0f, 0.0f);
    gMeasuredPoints.AnglePointB = Corner(0.0f, 30.0f);
    gMeasuredPoints.AnglePointA = Corner(-30.0f, 0.0f);
    gMeasuredPoints.AngleValue = static_cast<AIReal>(kPi / 2.0);
    gCurrentOptions.ArcRadius = 40.0;
    gSettings.AutoRightAngle = 0;
    ASSERT_EQ(DrawArcAngleDimension(0.0f, 0.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_POINT_NEAR(Anchor(Arc(), 0), 0.0, 40.0);
    EXPECT_POINT_NEAR(LastAnchor(Arc()), -40.0, 0.0);
    const std::vector<AIPathSegment> radii = Segments(Dim().ExtensionLines[0]);
    ASSERT_EQ(radii.size(), 3u);
    EXPECT_POINT_NEAR(radii[0].p, 0.0, 42.0);
    EXPECT_POINT_NEAR(radii[1].p, 0.0, 0.0);
    EXPECT_POINT_NEAR(radii[2].p, -42.0, 0.0);
    EXPECT_EQ(LabelText(), "90°");
}

TEST(AngleLayoutGeometry, TheSweepAndTheEndMarkDirections) {
    EXPECT_NEAR(ShownSweep(kPi / 3.0, true), kPi / 3.0 - 2.0 * kPi, 1e-12);
    EXPECT_NEAR(ShownSweep(-kPi / 3.0, true), 2.0 * kPi - kPi / 3.0, 1e-12);
    EXPECT_EQ(ShownSweep(0.0, true), 0.0);
    EXPECT_NEAR(ArcEndMarkDirection(0.0, kPi / 3.0, true, false), kPi / 2.0, 1e-12);
    EXPECT_NEAR(ArcEndMarkDirection(0.0, kPi / 3.0, false, false), kPi / 3.0 - kPi / 2.0, 1e-12);
    EXPECT_NEAR(ArcEndMarkDirection(0.0, -kPi / 3.0, true, true), -kPi / 2.0 + kPi, 1e-12);
    EXPECT_FLOAT_EQ(ArcWidthAt(2, 0.5, 3.0, 0), 1.5f);
    EXPECT_FLOAT_EQ(ArcWidthAt(2, 0.5, 3.0, 1), 0.5f);
    EXPECT_FLOAT_EQ(ArcWidthAt(0, 0.5, 3.0, 1), 0.5f);
    EXPECT_FLOAT_EQ(ArcWidthAt(1, 0.5, std::nan(""), 1), 0.5f);
    EXPECT_FLOAT_EQ(ArcWidthAt(1, 1000.0, 100.0, 1), 1000.0f);  // the widest stroke a width setting holds
    EXPECT_EQ(ArcRadiusAt(40.0, -5, 3), 40.0);
}

} // namespace
