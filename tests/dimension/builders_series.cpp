// The series and arc-length builders.
#include <numbers>

#include "builders_fixture.h"
#include "dimension/LinearDimensions.h"

using dimtest::BuilderTest;
using dimtest::Near;

namespace {

class Series : public BuilderTest {
  protected:
    void SetUp() override {
        BuilderTest::SetUp();
        const AIRealPoint points[] = {{0.0f, 0.0f}, {40.0f, 10.0f}, {100.0f, -5.0f}};
        for (size_t i = 0; i < 3; ++i)
            gSeriesPointTable.SeriesPoint[i].p = points[i];
        gToolState.ClickCount = 3;
        gCurrentOptions.SeriesLabelStep = 12.0f;
        ASSERT_EQ(TagSeriesArt(), kNoErr);
    }
    static AIRealPoint LineEnd(size_t i, size_t k) {
        const auto a = Anchors(Dim().EndMarks[k][i]);
        return a.empty() ? AIRealPoint{} : a[0];
    }
};

} // namespace

TEST_F(Series, AChainMeasuresEachStepOnOneLineThroughTheCursor) {
    ASSERT_EQ(DrawSeriesChainHorizontal(50.0f, 30.0f, 0), kNoErr);
    EXPECT_EQ(LabelText(0), "40 pt");
    EXPECT_EQ(LabelText(1), "60 pt");
    EXPECT_TRUE(Near(LineEnd(0, 0), {0.0f, 30.0f}));
    EXPECT_TRUE(Near(LineEnd(1, 0), {40.0f, 30.0f}));
    EXPECT_TRUE(Near(LineEnd(1, 1), {100.0f, 30.0f}));
    EXPECT_FLOAT_EQ(gSeriesPointTable.SeriesRunningValue, 100.0f);
}

TEST_F(Series, TheLineEndsLeftBehindAreThoseOfTheLastDimensionBuilt) {
    ASSERT_EQ(DrawSeriesChainHorizontal(50.0f, 30.0f, 0), kNoErr);
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[0].p, {40.0f, 30.0f}));
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[1].p, {100.0f, 30.0f}));
    ASSERT_EQ(DrawSeriesFromOriginVertical(-20.0f, 0.0f, 0), kNoErr);
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[0].p, {-39.0f, 0.0f}));
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[1].p, {-39.0f, -5.0f}));
}

TEST_F(Series, FromTheOriginTheDimensionsStackAwayFromThePointsByTheLabelStep) {
    ASSERT_EQ(DrawSeriesFromOriginVertical(-20.0f, 0.0f, 0), kNoErr);
    EXPECT_EQ(LabelText(0), "10 pt");
    EXPECT_EQ(LabelText(1), "5 pt");
    EXPECT_TRUE(Near(LineEnd(0, 1), {-20.0f, 10.0f}));
    // The step grows so that each line leaves room for its value beside it: the value's height with its
    // descent, its clearance from its line, the value gap, and half the width of the next line's end marks
    // (12 + 2 + 2 + 3).
    EXPECT_TRUE(Near(LineEnd(1, 1), {-39.0f, -5.0f}));
    EXPECT_FLOAT_EQ(gSeriesPointTable.SeriesRunningValue, 10.0f);
}

TEST_F(Series, AnObliqueSeriesMeasuresAlongTheFirstToLastLineAndTooFewPointsBuildNothing) {
    ASSERT_EQ(DrawSeriesChainOblique(50.0f, 50.0f, 0), kNoErr);
    // Along (100, -5): the second point lies 39.45 from the first, the last 100.12.
    EXPECT_EQ(LabelText(0), "39 pt");
    EXPECT_EQ(LabelText(1), "61 pt");
    gToolState.ClickCount = 1;
    const std::string before = LabelText(0);
    ASSERT_EQ(DrawSeriesChainOblique(0.0f, 90.0f, 0), kNoErr);
    EXPECT_EQ(LabelText(0), before);
}

class ArcLengthTest : public BuilderTest {
  protected:
    void SetUp() override {
        BuilderTest::SetUp();
        ASSERT_EQ(BuildArcLengthDimensionArt(), kNoErr);
        MeasuredPoints& m = gMeasuredPoints;
        m.AngleVertex.p = {0.0f, 0.0f};
        m.ArcFirstAnchor.p = {50.0f, 0.0f};
        m.ArcLastAnchor.p = {0.0f, 50.0f};
        m.CircleRadius = 50.0f;
        m.AngleValue = static_cast<AIReal>(std::numbers::pi / 2.0);
        gCurrentOptions.ArcRadius = 70.0;
        gToolState.ArcLengthMode = 1;
    }
};

TEST_F(ArcLengthTest, TheArcRunsAtTheLiveRadiusBetweenTheAnchorsDirectionsAndShowsTheArcLength) {
    ASSERT_EQ(DrawSegmentDimension(), kNoErr);
    const auto arc = Anchors(Dim().AngleArcs[0]);
    ASSERT_EQ(arc.size(), 2u);
    EXPECT_TRUE(Near(arc.front(), {70.0f, 0.0f}));
    EXPECT_TRUE(Near(arc.back(), {0.0f, 70.0f}));
    EXPECT_EQ(LabelText(), "79 pt");
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[0], {50.0f, 0.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[1], {74.0f, 0.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[1], {0.0f, 74.0f}));
    // The first mark points along the arc, counter-clockwise into it.
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[0][0])[1], {67.0f, 9.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[1][0])[1], {9.0f, 73.0f}));
    const AIRealPoint label = LabelAnchor();
    // Its box, the descent below its baseline (2) included, kLabelClearance off the arc.
    EXPECT_NEAR(std::hypot(label.h, label.v), 70.0 + kLabelClearance + 2.0, 1e-3);
    EXPECT_NEAR(label.h, label.v, 1e-3);
}

TEST_F(ArcLengthTest, AClockwiseArcIsDimensionedOnItsOwnSideAndItsEndsAreRemembered) {
    MeasuredPoints& m = gMeasuredPoints;
    m.ArcLastAnchor.p = {0.0f, -50.0f};
    m.AngleValue = -static_cast<AIReal>(std::numbers::pi / 2.0);
    ASSERT_EQ(DrawSegmentDimension(), kNoErr);
    const auto arc = Anchors(Dim().AngleArcs[0]);
    ASSERT_EQ(arc.size(), 2u);
    EXPECT_TRUE(Near(arc.front(), {70.0f, 0.0f}));
    EXPECT_TRUE(Near(arc.back(), {0.0f, -70.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[1], {0.0f, -74.0f}));
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[0].p, {70.0f, 0.0f}));
    EXPECT_TRUE(Near(gDimensionValues.DimensionLineEnds[1].p, {0.0f, -70.0f}));
    const AIRealPoint label = LabelAnchor();
    EXPECT_NEAR(label.h, -label.v, 1e-3);
    EXPECT_GT(label.h, 0.0f);
}

TEST_F(ArcLengthTest, MarksPointingInFromOutsideSitPastTheEndsAndTheArcRunsOnUnderThem) {
    MeasuredPoints& m = gMeasuredPoints;
    m.ArcLastAnchor.p = {0.0f, -50.0f};
    m.AngleValue = -static_cast<AIReal>(std::numbers::pi / 2.0);
    ASSERT_EQ(DrawArcLengthDimension(1, 0, 0, 0), kNoErr);
    // Each mark's tip at an end of the arc, its body past that end, pointing along the arc into it.
    const auto mark = Anchors(Dim().EndMarks[0][0]);
    EXPECT_TRUE(Near(mark[0], {70.0f, 0.0f}));
    EXPECT_TRUE(Near(mark[1], {67.0f, 9.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[1][0])[0], {0.0f, -70.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[1][0])[1], {-9.0f, -73.0f}));
    // The arc runs on past both ends: the 9-point mark and a run-out as long again.
    const auto arc = Anchors(Dim().AngleArcs[0]);
    EXPECT_TRUE(Near(arc.front(), {67.69844f, 17.80229f}));
    EXPECT_TRUE(Near(arc.back(), {-17.80229f, -67.69844f}));
}
