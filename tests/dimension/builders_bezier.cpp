// The Bézier constructions: division marks of a segment, an angle and a curve, the reticle, the local radius
// and tangent, and their redraw from the panel.
#include "angular_fixture.h"
#include "dimension/BezierExtras.h"
#include "dimension/Skeletons.h"
#include "frame/Settings.h"
#include "records/ToolState.h"

using dimtest::AngularBuilderTest;
using dimtest::kPi;

namespace {

class BezierExtra : public AngularBuilderTest {
  protected:
    void SetUp() override {
        AngularBuilderTest::SetUp();
        gCurrentOptions.DivisionCount = 3;
        gCurrentOptions.EndMarkSize = 100.0;
        gSettings.DivisionEndTicks = 1;
        gCurrentOptions.Unit = 5;
        gCurrentOptions.ShowUnit = 1;
        gCurrentOptions.Decimals = 0;
    }
    // The marks oldest first, each as its two anchors.
    static std::vector<std::vector<AIPathSegment>> Marks() {
        std::vector<std::vector<AIPathSegment>> marks;
        for (const DivisionMark* m = gDivisionMarks.Head; m != nullptr; m = m->Next) {
            marks.insert(marks.begin(), Segments(m->Path));
        }
        return marks;
    }
    static void Segment(AIRealPoint a, AIRealPoint b) {
        gBezierExtraValues.DividedSegment[0] = a;
        gBezierExtraValues.DividedSegment[1] = b;
    }
};

TEST(DivisionSteps, InnerPointsOrBothEndsTooHeldToTheLargestCount) {
    EXPECT_EQ(DivisionSteps(3, false), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(DivisionSteps(3, true), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_TRUE(DivisionSteps(1, false).empty());
    EXPECT_EQ(DivisionSteps(-4, true), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(DivisionSteps(100000, false).size(), static_cast<size_t>(kMaxDivisionCount - 1));
}

TEST_F(BezierExtra, ASegmentIsDividedByTicksReachingTheCursorSideAndTheMarksFollowTheCount) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    Segment({0.0f, 0.0f}, {90.0f, 0.0f});
    ASSERT_EQ(DrawSegmentDivisions(45.0f, 10.0f, 0, 0, 0), kNoErr);
    auto marks = Marks();
    ASSERT_EQ(marks.size(), 4u);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_POINT_NEAR(marks[k][0].p, 30.0 * k, 0.0);
        EXPECT_POINT_NEAR(marks[k][1].p, 30.0 * k, 10.0);
        EXPECT_EQ(TagsOf(gDivisionMarks.Head->Path).at("vek"), "jj");
    }
    const AIArtHandle newest = gDivisionMarks.Head->Path;
    gCurrentOptions.DivisionCount = 2;
    gSettings.DivisionEndTicks = 0;
    ASSERT_EQ(DrawSegmentDivisions(45.0f, -5.0f, 0, 0, 0), kNoErr);
    marks = Marks();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_POINT_NEAR(marks[0][0].p, 45.0, 0.0);
    EXPECT_POINT_NEAR(marks[0][1].p, 45.0, -5.0);
    EXPECT_FALSE(Live(newest));

    // Control brings the end ticks back; Alt centres the ticks on the segment.
    ASSERT_EQ(DrawSegmentDivisions(45.0f, 6.0f, 1, 0, 1), kNoErr);
    marks = Marks();
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_POINT_NEAR(marks[2][0].p, 90.0, -6.0);
    EXPECT_POINT_NEAR(marks[2][1].p, 90.0, 6.0);
}

TEST_F(BezierExtra, ASegmentWhoseEndsCoincideHasNoMarks) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    Segment({0.0f, 0.0f}, {90.0f, 0.0f});
    ASSERT_EQ(DrawSegmentDivisions(45.0f, 10.0f, 0, 0, 0), kNoErr);
    Segment({5.0f, 5.0f}, {5.0f, 5.0f});
    ASSERT_EQ(DrawSegmentDivisions(45.0f, 10.0f, 0, 0, 0), kNoErr);
    EXPECT_EQ(DivisionMarkCount(), 0u);
}

TEST_F(BezierExtra, AnAngleIsDividedByRaysFromTheVertexAsLongAsTheCursorIsFar) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    gMeasuredPoints.AngleVertex = Corner(10.0f, 10.0f);
    gBezierExtraValues.DivisionStartAngle = 0.0f;
    gBezierExtraValues.DivisionSweep = static_cast<AIReal>(kPi / 2.0);
    gSettings.DivisionEndTicks = 0;
    ASSERT_EQ(DrawAngleDivisions(10.0f, 30.0f, 0, 0, 0), kNoErr);
    auto marks = Marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_POINT_NEAR(marks[0][0].p, 10.0, 10.0);
    EXPECT_POINT_NEAR(marks[0][1].p, 10.0 + 20.0 * std::cos(kPi / 6.0), 10.0 + 20.0 * std::sin(kPi / 6.0));
    EXPECT_POINT_NEAR(marks[1][1].p, 10.0 + 20.0 * std::cos(kPi / 3.0), 10.0 + 20.0 * std::sin(kPi / 3.0));

    gMeasuredPoints.AngleFlip = 1;
    ASSERT_EQ(DrawAngleDivisions(10.0f, 30.0f, 0, 0, 0), kNoErr);
    marks = Marks();
    EXPECT_POINT_NEAR(marks[0][1].p, 10.0 + 20.0 * std::cos(-kPi / 2.0), 10.0 + 20.0 * std::sin(-kPi / 2.0));
}

TEST_F(BezierExtra, ACurveIsDividedByLengthWithTicksOnTheCursorSide) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    gBezierExtraValues.DivisionPath = Path({{0.0f, 0.0f}, {60.0f, 0.0f}, {60.0f, 60.0f}});
    gMeasuredPoints.ClickPoint = Corner(30.0f, 0.0f);
    gCurrentOptions.DivisionCount = 4;
    ASSERT_EQ(DrawCurveDivisions(30.0f, 8.0f, 0, 0, 0), kNoErr);
    const auto marks = Marks();
    ASSERT_EQ(marks.size(), 5u);
    EXPECT_POINT_NEAR(marks[1][0].p, 30.0, 0.0);
    EXPECT_POINT_NEAR(marks[1][1].p, 30.0, 8.0);
    EXPECT_POINT_NEAR(marks[3][0].p, 60.0, 30.0);
    EXPECT_POINT_NEAR(marks[3][1].p, 52.0, 30.0);
    EXPECT_POINT_NEAR(marks[4][0].p, 60.0, 60.0);

    ASSERT_EQ(Doc().DisposeArt(Doc().MutableArt(gBezierExtraValues.DivisionPath)), kNoErr);
    EXPECT_EQ(DrawCurveDivisions(30.0f, 8.0f, 0, 0, 0), kStaleHandleErr);
    EXPECT_EQ(DivisionMarkCount(), 5u);
}

TEST_F(BezierExtra, TheReticleCrossesTheCentreAndTicksTheFourQuadrantPoints) {
    ASSERT_EQ(BuildReticleArt(), kNoErr);
    gMeasuredPoints.CircleCentre = AIRealPoint{10.0f, 10.0f};
    gMeasuredPoints.CircleRadius = 10.0f;
    ASSERT_EQ(DrawReticle(), kNoErr);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[0], 0), -2.0, 10.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[0], 1), 22.0, 10.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[1], 0), 10.0, -2.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[1], 1), 10.0, 22.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[2], 0), 20.0, 9.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[2], 1), 20.0, 11.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[4], 0), 0.0, 11.0);
    gMeasuredPoints.CircleRadius = 0.0f;
    ASSERT_EQ(DrawReticle(), kNoErr);
    for (size_t i = 0; i < kReticlePathCount; ++i)
        EXPECT_TRUE(Segments(Dim().DimensionLines[i]).empty()) << i;
}

class LocalRadius : public BezierExtra {
  protected:
    // The hover point and the normals of a circle of radius 50 around the origin, at angle 0 and 0.01.
    static void OnCircle() {
        const AIRealPoint origin{0.0f, 0.0f};
        gMeasuredPoints.ClickPoint = Corner(50.0f, 0.0f);
        gMeasuredPoints.ClickCurvePoints[0] = Polar(origin, 49.0, 0.0);
        gMeasuredPoints.ClickCurvePoints[1] = Polar(origin, 49.0, 0.01);
        gMeasuredPoints.ClickCurvePoints[2] = Polar(origin, 50.0, 0.01);
    }
};

TEST_F(LocalRadius, TheRadiusLineRunsFromTheCentreOfCurvatureWithItsMarkAndValue) {
    ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
    OnCircle();
    ASSERT_EQ(DrawLocalRadius(25.0f, 5.0f, 0, 0), kNoErr);
    EXPECT_NEAR(Anchor(Dim().AuxLine, 0).h, 0.0, 0.05);
    EXPECT_NEAR(Anchor(Dim().AuxLine, 0).v, 0.0, 0.05);
    EXPECT_POINT_NEAR(Anchor(Dim().AuxLine, 1), 50.0, 0.0);
    EXPECT_EQ(LabelText(), "50 pt");
    EXPECT_LT(Centroid(Dim().EndMarks[0][0]).h, 50.0f);
    gCurrentOptions.BezierArrowsFlag = 1;
    ASSERT_EQ(DrawLocalRadius(25.0f, 5.0f, 0, 0), kNoErr);
    EXPECT_GT(Centroid(Dim().EndMarks[0][0]).h, 50.0f);
}

TEST_F(LocalRadius, AStraightCurveHasNoCentreAndClearsTheLineAndMark) {
    ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
    OnCircle();
    ASSERT_EQ(DrawLocalRadius(25.0f, 5.0f, 0, 0), kNoErr);
    gMeasuredPoints.ClickPoint = Corner(0.0f, 0.0f);
    gMeasuredPoints.ClickCurvePoints[0] = AIRealPoint{0.0f, 1.0f};
    gMeasuredPoints.ClickCurvePoints[1] = AIRealPoint{1.0f, 1.0f};
    gMeasuredPoints.ClickCurvePoints[2] = AIRealPoint{1.0f, 0.0f};
    ASSERT_EQ(DrawLocalRadius(25.0f, 5.0f, 0, 0), kNoErr);
    EXPECT_TRUE(Segments(Dim().AuxLine).empty());
    EXPECT_TRUE(Segments(Dim().EndMarks[0][0]).empty());
    EXPECT_EQ(LabelText(), "50 pt");
}

TEST_F(LocalRadius, TheTangentAndTheNormalCrossAtTheCurvePoint) {
    ASSERT_EQ(BuildLocalTangentArt(), kNoErr);
    OnCircle();
    gCurrentOptions.BezierPathLength = 10.0f;
    ASSERT_EQ(DrawLocalTangent(), kNoErr);
    EXPECT_NEAR(Anchor(Dim().AuxLine, 0).h, 50.0, 0.05);
    EXPECT_NEAR(Anchor(Dim().AuxLine, 0).v, -10.0, 0.05);
    EXPECT_NEAR(Anchor(Dim().AuxLine, 1).v, 10.0, 0.05);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[0], 0), 60.0, 0.0);
    EXPECT_POINT_NEAR(Anchor(Dim().DimensionLines[0], 1), 40.0, 0.0);
}

TEST_F(BezierExtra, TheRedrawRebuildsTheClickedKindAtTheNewPathLength) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    gBezierExtraValues.ConstructionKind = kSegmentElement;
    Segment({0.0f, 0.0f}, {0.0f, 60.0f});
    gBezierExtraValues.SegmentDirection = static_cast<AIReal>(kPi / 2.0);
    gBezierExtraValues.TickDirection = kPi;  // the side its click drew the ticks on
    gCurrentOptions.BezierPathLength = 7.0f;
    ASSERT_EQ(RedrawBezierExtra(), kNoErr);
    const auto marks = Marks();
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_POINT_NEAR(marks[1][0].p, 0.0, 20.0);
    EXPECT_POINT_NEAR(marks[1][1].p, -7.0, 20.0);

    ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
    gBezierExtraValues.ConstructionKind = kRadiusElement;
    const AIRealPoint origin{0.0f, 0.0f};
    gMeasuredPoints.ClickPoint = Corner(50.0f, 0.0f);
    gMeasuredPoints.ClickCurvePoints[0] = Polar(origin, 49.0, 0.0);
    gMeasuredPoints.ClickCurvePoints[1] = Polar(origin, 49.0, 0.01);
    gMeasuredPoints.ClickCurvePoints[2] = Polar(origin, 50.0, 0.01);
    gCurrentOptions.BezierOffsetX = 0.0;
    gCurrentOptions.BezierOffsetY = 0.0;
    ASSERT_EQ(DrawLocalRadius(30.0f, 4.0f, 0, 0), kNoErr);
    const AIRealPoint unmoved = LabelAnchor();
    gCurrentOptions.BezierOffsetX = 5.0;
    gCurrentOptions.BezierOffsetY = -3.0;
    ASSERT_EQ(RedrawBezierExtra(), kNoErr);
    EXPECT_POINT_NEAR(LabelAnchor(), unmoved.h + 5.0, unmoved.v - 3.0);
}

} // namespace
