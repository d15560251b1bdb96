// The linear builders: where the line, marks, extension lines and label go for each orientation and text
// place.
#include <numbers>

#include "builders_fixture.h"
#include "dimension/LinearDimensions.h"
#include "frame/Settings.h"
#include "records/ToolState.h"

using dimtest::BuilderTest;
using dimtest::Near;

namespace {

class Linear : public BuilderTest {
  protected:
    void SetUp() override {
        BuilderTest::SetUp();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        Measure({0.0f, 0.0f}, {100.0f, 0.0f});
    }
    static AIRealPoint End(size_t k) { return gDimensionValues.DimensionLineEnds[k].p; }
};

} // namespace

TEST_F(Linear, AParallelDimensionRunsThroughTheLabelPointWithItsTextCentredInAGap) {
    ASSERT_EQ(DrawParallelDimensionWithTextGap(30.0f, 30.0f, 0, 0, 0, 0, 0), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, 30.0f}));
    EXPECT_TRUE(Near(End(1), {100.0f, 30.0f}));
    EXPECT_EQ(LabelText(), "100 pt");
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, 30.0);
    // The line starts where the end marks leave it and stops short of the text on both sides alike.
    const auto first = Anchors(Dim().DimensionLines[0]), second = Anchors(Dim().DimensionLineHalves[0]);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(Near(first[0], {9.0f, 30.0f}));
    EXPECT_TRUE(Near(second[1], {91.0f, 30.0f}));
    EXPECT_NEAR(50.0 - first[1].h, second[0].h - 50.0, 1e-4);
    // The gap: half the text's width and the stored text gap on each side of its middle, 20 a side.
    EXPECT_NEAR(second[0].h - first[1].h, 40.0, 1e-4);
    // End marks at the two ends, pointing into the line.
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[0][0])[1], {9.0f, 33.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[1][0])[1], {91.0f, 27.0f}));
    // Extension lines from the stored offset "Gap" (0 by default) at the measured points to 0.04 x Zoom past
    // the line.
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[0], {0.0f, 0.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[1], {0.0f, 34.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[1], {100.0f, 34.0f}));
    // The label centred on the line, its baseline dropped by a share of the text size.
    EXPECT_TRUE(Near(LabelAnchor(), {50.0f, static_cast<float>(30.0 - kBaselineDrop * 10.0)}));
}

TEST_F(Linear, ThePointStylesSecondMarkAtEachEndCrossesTheFirstAtItsTip) {
    gCurrentOptions.ArrowHeads = 0;
    gCurrentOptions.ArrowPreset = kCustomArrowPreset;
    gToolState.CurrentTool = kSegmentTool;
    ApplyArrowPreset(kCustomArrowPreset);
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(DrawParallelDimensionWithTextGap(30.0f, 30.0f, 0, 0, 0, 0, 0), kNoErr);
    const AIRealPoint tips[2] = {{0.0f, 30.0f}, {100.0f, 30.0f}};
    for (size_t end = 0; end < 2; ++end) {
        SCOPED_TRACE(end);
        const auto first = Anchors(Dim().EndMarks[end][0]), second = Anchors(Dim().EndMarks[end + 2][0]);
        ASSERT_EQ(first.size(), 2u);
        ASSERT_EQ(second.size(), 2u);
        const Vector2 a = Vector2(first[1]) - Vector2(first[0]), b = Vector2(second[1]) - Vector2(second[0]);
        // Two ticks of one length through the tip, a quarter turn apart.
        EXPECT_TRUE(Near(((Vector2(first[0]) + Vector2(first[1])) * 0.5).ToPoint(), tips[end]));
        EXPECT_TRUE(Near(((Vector2(second[0]) + Vector2(second[1])) * 0.5).ToPoint(), tips[end]));
        EXPECT_NEAR(a.Length(), b.Length(), 1e-4);
        EXPECT_NEAR(a.X * b.X + a.Y * b.Y, 0.0, 1e-3);
    }
}

TEST_F(Linear, AnObliqueDimensionKeepsTheTrueLengthAndTheSideOfTheLabelPoint) {
    Measure({0.0f, 0.0f}, {30.0f, 40.0f});
    ASSERT_EQ(DrawParallelDimensionWithTextGap(-40.0f, 30.0f, 0, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(LabelText(), "50 pt");
    EXPECT_TRUE(Near(End(0), {-40.0f, 30.0f}));
    EXPECT_TRUE(Near(End(1), {-10.0f, 70.0f}));
    EXPECT_NEAR(gCurrentOptions.SideTieLength, 50.0, 1e-4);
}

TEST_F(Linear, ModifiersTurnTheMarksOutsideRoundTheOffsetFreeTheTextAndDropTheExtensionLines) {
    gSettings.SideTieLength = 10.0;
    ASSERT_EQ(DrawParallelDimensionWithTextGap(80.0f, 23.0f, 1, 0, 1, 1, 1), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, 30.0f}));
    // Outside: the first mark lies before the first end, and the line runs on past it.
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[0][0])[1], {-9.0f, 27.0f}));
    EXPECT_LT(Anchors(Dim().DimensionLines[0])[0].h, 0.0f);
    // Space: the text follows the label point along the line.
    EXPECT_NEAR(LabelAnchor().h, 80.0f, 1e-4);
    EXPECT_FALSE(IsLiveArt(Dim().ExtensionLines[0])) << "an extension line not shown leaves no empty path";
}

TEST_F(Linear, ProjectedDimensionsMeasureTheHorizontalOrVerticalSpanThroughTheLabelPoint) {
    ASSERT_EQ(DrawHorizontalDimensionWithTextGap(20.0f, -40.0f, 0.0f, 0.0f, 100.0f, 60.0f, 0, 0, 0, 0),
              kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, -40.0f}));
    EXPECT_TRUE(Near(End(1), {100.0f, -40.0f}));
    EXPECT_EQ(LabelText(), "100 pt");
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[0], {100.0f, 60.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[1], {100.0f, -44.0f}));

    ASSERT_EQ(DrawVerticalDimensionWithTextGap(130.0f, 20.0f, 0.0f, 0.0f, 100.0f, 60.0f, 0, 0, 0, 0), kNoErr);
    EXPECT_TRUE(Near(End(0), {130.0f, 0.0f}));
    EXPECT_TRUE(Near(End(1), {130.0f, 60.0f}));
    EXPECT_EQ(LabelText(), "60 pt");
}

TEST_F(Linear, SideTextStandsPastTheNamedEndWithTheLineRunningOnUnderIt) {
    gCurrentOptions.SideTieLength = 20.0;
    gDimensionValues.ExtensionLineReach = 24.0;
    struct Case {
        int8_t Position;
        bool PastSecond;
    };
    for (const Case c : {Case{2, true}, Case{1, false}}) {
        gToolState.LabelPosition = c.Position;
        ASSERT_EQ(DrawParallelDimensionSideText(0, 0, 0), kNoErr);
        EXPECT_TRUE(Near(End(0), {0.0f, 20.0f}));
        EXPECT_TRUE(Near(End(1), {100.0f, 20.0f}));
        EXPECT_TRUE(Segments(Dim().DimensionLineHalves[0]).empty());
        const auto line = Anchors(Dim().DimensionLines[0]);
        ASSERT_EQ(line.size(), 2u);
        // Past the end by the half gap around "100 pt" (20) and the label's clearance (2).
        constexpr float shift = 22.0f;
        if (c.PastSecond) {
            EXPECT_NEAR(LabelAnchor().h, 100.0f + shift, 1e-3);
            EXPECT_GT(line[1].h, LabelAnchor().h);
        } else {
            EXPECT_NEAR(LabelAnchor().h, -shift, 1e-3);
            EXPECT_LT(line[0].h, LabelAnchor().h);
        }
        // Its descent (2 at size 10) the label clearance above the line.
        EXPECT_NEAR(LabelAnchor().v, 20.0f + kLabelClearance + 2.0f, 1e-3);
        EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[1], {0.0f, 24.0f}));
    }
    gDimensionValues.SideTextFlag = 1;
    ASSERT_EQ(DrawParallelDimensionSideText(0, 0, 0), kNoErr);
    EXPECT_NEAR(LabelAnchor().h, -122.0, 1e-3);
}

TEST_F(Linear, TheRebuildFollowsTheLiveOffsetOrientationAndTextPosition) {
    gCurrentOptions.SideTieLength = -15.0;
    gCurrentOptions.DimensionOrientation = kVerticalDimension;
    Measure({0.0f, 0.0f}, {40.0f, 70.0f});
    ASSERT_EQ(DrawSegmentDimension(), kNoErr);
    EXPECT_TRUE(Near(End(0), {15.0f, 0.0f}));
    EXPECT_TRUE(Near(End(1), {15.0f, 70.0f}));
    EXPECT_EQ(LabelText(), "70 pt");
    gToolState.LabelPosition = 3;
    gCurrentOptions.SideTieLength = 5.0;
    ASSERT_EQ(DrawSegmentDimension(), kNoErr);
    EXPECT_TRUE(Near(End(0), {15.0f, 0.0f}));
}

TEST_F(Linear, CoincidentPointsGiveAZeroDimensionAlongTheLineAngleAndNoNaN) {
    Measure({10.0f, 10.0f}, {10.0f, 10.0f});
    gMeasuredPoints.SegmentAngle = static_cast<AIReal>(std::numbers::pi / 2.0);
    ASSERT_EQ(DrawParallelDimensionWithTextGap(0.0f, 10.0f, 0, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(LabelText(), "0 pt");
    EXPECT_TRUE(Near(End(0), {0.0f, 10.0f}));
    for (AIArtHandle part : Children(Dim().DimensionGroup)) {
        for (const AIPathSegment& s : Segments(part)) {
            EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v) && std::isfinite(s.in.h) &&
                        std::isfinite(s.out.v));
        }
    }
}

TEST_F(Linear, TheGapSurroundsAHorizontalLabelOnAnObliqueOrVerticalLine) {
    gCurrentOptions.HorizontalText = 1;
    struct Case {
        AIRealPoint First, Second, Label;
        bool Vertical;
        AIRealPoint GapStart, GapEnd; // where the line's first part stops and its second part starts
    };
    // Oblique 3-4-5 line: the middle of the text's box stands 0.4 past the line's middle (0.5 above it), and
    // its 15-wide, 12-high box spans 13.8 of the line each side, and the stored text gap "GapTexteSeg" (2 by
    // default) more. Vertical line: only the box's height is cut, around its middle, with the same text gap.
    const Case cases[] = {
        {{0.0f, 0.0f}, {30.0f, 40.0f}, {-40.0f, 30.0f}, false, {-34.24f, 37.68f}, {-15.28f, 62.96f}},
        {{0.0f, 0.0f}, {0.0f, 100.0f}, {30.0f, 50.0f}, true, {30.0f, 42.5f}, {30.0f, 58.5f}},
    };
    for (const Case& c : cases) {
        Measure(c.First, c.Second);
        ASSERT_EQ(c.Vertical ? DrawVerticalDimensionWithTextGap(c.Label.h, c.Label.v, c.First.h, c.First.v,
                                                                c.Second.h, c.Second.v, 0, 0, 0, 0)
                             : DrawParallelDimensionWithTextGap(c.Label.h, c.Label.v, 0, 0, 0, 0, 0),
                  kNoErr);
        EXPECT_TRUE(Near(Anchors(Dim().DimensionLines[0])[1], c.GapStart));
        EXPECT_TRUE(Near(Anchors(Dim().DimensionLineHalves[0])[0], c.GapEnd));
    }
}
