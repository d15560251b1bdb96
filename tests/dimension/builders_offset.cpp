// The dimension along a curve: its line at the offset on the cursor's side, the end marks, extension lines
// and curve-length label, and the alert when the offset is too large for the curve.
#include <cmath>
#include <numbers>
#include <string>

#include "builders_fixture.h"
#include "canvas_art.h"
#include "dimension/OffsetDimension.h"
#include "simhost/ArtConverter.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

using dimtest::BuilderTest;
using dimtest::Near;

namespace {

constexpr double kQuarterHandle = 0.5522847498307936;
const double kDiagonal = std::numbers::sqrt2 / 2.0;

class OffsetTest : public BuilderTest {
  protected:
    void SetUp() override {
        BuilderTest::SetUp();
        ASSERT_EQ(BuildOffsetDimensionArt(), kNoErr);
    }

    // Measures `path` from a click at `at` whose normal (to the left of the path's travel) is `normal`.
    void Measure(AIArtHandle path, AIRealPoint at, AIRealPoint normal) {
        measured = path;
        gMeasuredPoints.CurveClickPoint = at;
        gMeasuredPoints.CurveNormalTip = {at.h + normal.h, at.v + normal.v};
        gToolState.CurveOffsetMode = 1;
    }
    ASErr Draw(float offset, AIRealPoint cursor, int32_t shift = 0, int32_t ends = 0, int32_t modifier = 0) {
        return DrawOffsetDimension(&measured, Dim().DimensionLines, offset, cursor.h, cursor.v, shift, ends,
                                   modifier);
    }
    // The quarter circle of radius 50 about the origin, counter-clockwise from (50, 0) to (0, 50), clicked at
    // its middle (its normal points to the centre).
    void MeasureQuarterCircle() {
        const float h = static_cast<float>(kQuarterHandle * 50.0);
        const AIArtHandle arc = Doc().DrawPath({sim::CurveSegment({50.0f, 0.0f}, {50.0f, 0.0f}, {50.0f, h}),
                                                sim::CurveSegment({0.0f, 50.0f}, {h, 50.0f}, {0.0f, 50.0f})},
                                               false);
        const float d = static_cast<float>(kDiagonal);
        Measure(arc, {50.0f * d, 50.0f * d}, {-d, -d});
    }
    static AIRealPoint End(size_t k) { return gDimensionValues.DimensionLineEnds[k].p; }
    static AIRealPoint OnCircle(double radius, double angle) {
        return {static_cast<float>(radius * std::cos(angle)), static_cast<float>(radius * std::sin(angle))};
    }

    AIArtHandle measured = nullptr;
};

} // namespace

TEST_F(OffsetTest, AStraightPathGetsItsDimensionOnTheCursorsSideAtTheOffset) {
    Measure(Path({{0.0f, 0.0f}, {100.0f, 0.0f}}), {50.0f, 0.0f}, {0.0f, 1.0f});
    ASSERT_EQ(Draw(20.0f, {50.0f, 20.0f}), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, 20.0f}));
    EXPECT_TRUE(Near(End(1), {100.0f, 20.0f}));
    // The line starts where the end marks leave it; the marks point into it.
    const auto line = Anchors(Dim().DimensionLines[0]);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_TRUE(Near(line[0], {9.0f, 20.0f}));
    EXPECT_TRUE(Near(line[1], {91.0f, 20.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[0][0])[1], {9.0f, 23.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[1][0])[1], {91.0f, 17.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[0], {0.0f, 0.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[1])[1], {100.0f, 24.0f}));
    EXPECT_EQ(LabelText(), "100 pt");
    EXPECT_TRUE(Near(LabelAnchor(), {50.0f, 22.0f}));

    // Below the path: the same distance on the other side, the label's letters hanging under the line.
    ASSERT_EQ(Draw(20.0f, {50.0f, -20.0f}), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, -20.0f}));
    EXPECT_TRUE(Near(End(1), {100.0f, -20.0f}));
    EXPECT_TRUE(
        Near(LabelAnchor(), {50.0f, static_cast<float>(-20.0 - kLabelClearance - kLabelCapHeight * 10.0)}));
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(OffsetTest, AnArcGetsAConcentricLineOutsideAndTheArcLength) {
    MeasureQuarterCircle();
    const double quarter = std::numbers::pi / 2.0;
    ASSERT_EQ(Draw(20.0f, OnCircle(70.0, quarter / 2.0)), kNoErr);
    EXPECT_TRUE(Near(End(0), {70.0f, 0.0f}));
    EXPECT_TRUE(Near(End(1), {0.0f, 70.0f}));
    const auto line = Anchors(Dim().DimensionLines[0]);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_TRUE(Near(line.front(), OnCircle(70.0, 9.0 / 70.0), 0.02));
    EXPECT_TRUE(Near(line.back(), OnCircle(70.0, quarter - 9.0 / 70.0), 0.02));
    EXPECT_EQ(LabelText(), "79 pt");
    EXPECT_TRUE(Near(LabelAnchor(), OnCircle(70.0 + kLabelClearance, quarter / 2.0), 0.01));
    // The extension lines run out along the radii.
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[0], {50.0f, 0.0f}));
    EXPECT_TRUE(Near(Anchors(Dim().ExtensionLines[0])[1], {74.0f, 0.0f}));

    // Inside, towards the centre.
    ASSERT_EQ(Draw(20.0f, OnCircle(30.0, quarter / 2.0)), kNoErr);
    EXPECT_TRUE(Near(End(0), {30.0f, 0.0f}));
    EXPECT_TRUE(Near(End(1), {0.0f, 30.0f}));
}

TEST_F(OffsetTest, AnOffsetPastTheCentreOfCurvatureShowsTheAlertAndLeavesTheDimensionAsItWas) {
    MeasureQuarterCircle();
    ASSERT_EQ(Draw(20.0f, OnCircle(30.0, 0.7)), kNoErr);
    const auto before = Segments(Dim().DimensionLines[0]);
    const size_t parts = Children(Dim().DimensionGroup).size();
    EXPECT_EQ(Draw(60.0f, OnCircle(10.0, 0.7)), kOffsetTooLargeErr);
    ASSERT_EQ(sim::TheLogs().alerts.size(), 1u);
    EXPECT_EQ(sim::TheLogs().alerts[0].text, "Décalage trop grand, recommencez avec un décalage plus petit.");
    EXPECT_EQ(Children(Dim().DimensionGroup).size(), parts);
    const auto after = Segments(Dim().DimensionLines[0]);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(Near(after[0].p, before[0].p, 0.0));
    EXPECT_TRUE(Near(End(0), {30.0f, 0.0f}));
}

TEST_F(OffsetTest, ModifiersRoundTheOffsetTurnTheMarksOutsideAndDropTheExtensionLines) {
    Measure(Path({{0.0f, 0.0f}, {100.0f, 0.0f}}), {50.0f, 0.0f}, {0.0f, 1.0f});
    gSettings.SideTieLength = 15.0;
    ASSERT_EQ(Draw(20.0f, {50.0f, 20.0f}, 1, 1, 1), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, 30.0f}));
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, 30.0);
    // Outside: the first mark lies before the first end and the line runs on past it.
    EXPECT_TRUE(Near(Anchors(Dim().EndMarks[0][0])[1], {-9.0f, 27.0f}));
    const auto line = Anchors(Dim().DimensionLines[0]);
    ASSERT_EQ(line.size(), 4u);
    EXPECT_TRUE(Near(line.front(), {static_cast<float>(-OutsideMarkTail(EndMarkScale())), 30.0f}));
    EXPECT_TRUE(Near(line.back(), {static_cast<float>(100.0 + OutsideMarkTail(EndMarkScale())), 30.0f}));
    EXPECT_FALSE(IsLiveArt(Dim().ExtensionLines[0])) << "an extension line not shown leaves no empty path";
    EXPECT_FALSE(IsLiveArt(Dim().ExtensionLines[1])) << "an extension line not shown leaves no empty path";
}

// The offset rounded up to the longest stored tie length puts the line past the canvas's edge: every part
// stops at the edge.
TEST_F(OffsetTest, AnOffsetRoundedToTheLongestTieLengthLaysThePartsOnlyOnTheCanvas) {
    Measure(Path({{0.0f, 100.0f}, {100.0f, 100.0f}}), {50.0f, 100.0f}, {0.0f, 1.0f});
    gSettings.SideTieLength = kLongestDrawingLength;
    ASSERT_EQ(Draw(20.0f, {50.0f, 120.0f}, 1), kNoErr);
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, kLongestDrawingLength);
    const auto line = Anchors(Dim().DimensionLines[0]);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_TRUE(Near(line.back(), {91.0f, static_cast<float>(kCanvasReach)}));
    for (const std::string& art : canvastest::ArtOffTheCanvas()) ADD_FAILURE() << art;
}

TEST_F(OffsetTest, ACursorOnNeitherSideFollowsTheSignOfTheOffsetAndNoNaNReachesTheDocument) {
    Measure(Path({{0.0f, 0.0f}, {100.0f, 0.0f}}), {50.0f, 0.0f}, {0.0f, 1.0f});
    ASSERT_EQ(Draw(-12.0f, {35.0f, 0.0f}), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, -12.0f}));
    // No click normal at all: the sign decides too.
    gMeasuredPoints.CurveNormalTip = gMeasuredPoints.CurveClickPoint;
    ASSERT_EQ(Draw(12.0f, {50.0f, -40.0f}), kNoErr);
    EXPECT_TRUE(Near(End(0), {0.0f, 12.0f}));
    // A zero offset lays the line on the curve and hides the extension lines.
    ASSERT_EQ(Draw(0.0f, {50.0f, 0.0f}), kNoErr);
    EXPECT_TRUE(Near(End(1), {100.0f, 0.0f}));
    EXPECT_FALSE(IsLiveArt(Dim().ExtensionLines[0])) << "an extension line not shown leaves no empty path";
    for (AIArtHandle part : Children(Dim().DimensionGroup)) {
        for (const AIPathSegment& s : Segments(part)) {
            EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v) && std::isfinite(s.in.h) &&
                        std::isfinite(s.in.v) && std::isfinite(s.out.h) && std::isfinite(s.out.v));
        }
    }
}

TEST_F(OffsetTest, AClosedStaleOrMissingPathOrBadNumbersBuildNothingAndShowNoAlert) {
    Measure(Doc().DrawPolyline({{0.0f, 0.0f}, {100.0f, 0.0f}, {50.0f, 50.0f}}, true), {50.0f, 0.0f},
            {0.0f, 1.0f});
    EXPECT_EQ(Draw(10.0f, {50.0f, 10.0f}), kBadParameterErr);
    Measure(Path({{0.0f, 0.0f}, {100.0f, 0.0f}}), {50.0f, 0.0f}, {0.0f, 1.0f});
    EXPECT_EQ(Draw(std::nanf(""), {50.0f, 10.0f}), kBadParameterErr);
    EXPECT_EQ(DrawOffsetDimension(nullptr, Dim().DimensionLines, 10.0f, 0.0f, 0.0f, 0, 0, 0),
              kBadParameterErr);
    AIArtHandle gone = measured;
    DisposeArtIfValid(&gone);
    EXPECT_EQ(Draw(10.0f, {50.0f, 10.0f}), kStaleHandleErr);
    EXPECT_TRUE(Segments(Dim().DimensionLines[0]).empty());
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

// A cursor laid along the clicked point's tangent, in single precision, is on neither side: the sign of the
// offset alone chooses the side, wherever the arc was clicked.
TEST_F(OffsetTest, ACursorLaidAlongTheTangentByThePanelTakesTheSideOfTheOffsetsSign) {
    MeasureQuarterCircle();
    for (const float offset : {20.0f, -20.0f}) {
        const double radius = 50.0 - offset;
        for (int degrees = 1; degrees < 90; ++degrees) {
            const double angle = degrees * std::numbers::pi / 180.0;
            const AIRealPoint click = OnCircle(50.0, angle);
            Measure(measured, click, OnCircle(-1.0, angle));
            const AIRealPoint tip = gMeasuredPoints.CurveNormalTip;
            const float along =
                static_cast<float>(std::atan2(tip.v - click.v, tip.h - click.h)) + 1.5707963705062866f;
            const AIRealPoint cursor{click.h + offset * std::cos(along), click.v + offset * std::sin(along)};
            ASSERT_EQ(Draw(offset, cursor), kNoErr) << degrees;
            EXPECT_TRUE(Near(End(0), {static_cast<float>(radius), 0.0f})) << offset << " at " << degrees;
            EXPECT_TRUE(Near(End(1), {0.0f, static_cast<float>(radius)})) << offset << " at " << degrees;
        }
    }
}
