#include "clicks_fixture.h"

#include "dimension/BezierExtras.h"
#include "dimension/Skeletons.h"
#include "records/BezierExtraValues.h"

namespace clicktest {
namespace {

namespace format = DimensionArtFormat;

constexpr int32_t kBezierSlot = kBezierTool - 1;

class BezierClicks : public ClickTest {
protected:
    // Hovers as the tool's current mode does and clicks there on `art`.
    static ASErr ClickAt(AIRealPoint p, AIArtHandle art, int32_t segment = 0, AIReal t = 0.0f) {
        AIToolMessage message = Press(p);
        if (gCurrentOptions.BezierMode == 0) {
            HitTestBezierTool(message);
        } else {
            HitTestBezierStageAndMeasure(message);
        }
        return BezierClick(nullptr, Hit(art, segment, t, p), &message);
    }
};

TEST_F(BezierClicks, ASegmentIsDividedAcrossItsFirstAnchor) {
    gCurrentOptions.BezierMode = 0;
    gCurrentOptions.DivisionCount = 4;
    gSettings.DivisionEndTicks = 0;
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({100, 40}, path, 2, 0.4f);
    EXPECT_EQ(gToolState.BezierElementKind, 3);
    EXPECT_POINT(gMeasuredPoints.FirstPoint.p, 100, 0);
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 100, 100);
    EXPECT_FLOAT_EQ(gBezierExtraValues.SegmentDirection, kHalfPi);
    EXPECT_POINT(gMeasuredPoints.ClickPoint.p, 100, 40);
    EXPECT_EQ(DivisionMarkCount(), 3u) << "the three inner points of four parts";
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
    EXPECT_EQ(gToolState.DimensionStarted, 1);
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

TEST_F(BezierClicks, AVertexAngleIsDividedFromItsFirstSideTurningClockwise) {
    gCurrentOptions.BezierMode = 0;
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({99, 1}, path);
    EXPECT_EQ(gToolState.BezierElementKind, 2);
    EXPECT_POINT(gMeasuredPoints.AngleVertex.p, 100, 0);
    EXPECT_FLOAT_EQ(gBezierExtraValues.DivisionSweep, -kHalfPi);
    EXPECT_FLOAT_EQ(gBezierExtraValues.DivisionStartAngle, static_cast<float>(std::numbers::pi));
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
}

TEST_F(BezierClicks, TheEndOfAnOpenPathIsNoVertexToDivide) {
    gCurrentOptions.BezierMode = 0;
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    ClickAt({1, 1}, path);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Ce point n'est pas le sommet d'un angle."});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(BezierClicks, AWholeCircleGetsAReticleAndAnOpenArcIsDivided) {
    gCurrentOptions.BezierMode = 0;
    AIArtHandle circle = Circle(50);
    ClickAt({35.355339f, 35.355339f}, circle, 1, 0.5f);
    EXPECT_EQ(gToolState.BezierElementKind, 0);
    EXPECT_POINT_NEAR(gMeasuredPoints.CircleCentre, 0, 0, 0.05);
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 50, 0.05);
    for (size_t i = 0; i < kReticlePathCount; ++i) EXPECT_TRUE(IsLiveArt(gCurrentDimension.DimensionLines[i])) << i;

    AIArtHandle arc = QuarterArc(20);
    ClickAt({14.142136f, 14.142136f}, arc, 1, 0.5f);
    EXPECT_EQ(gToolState.BezierElementKind, 1);
    EXPECT_EQ(gBezierExtraValues.DivisionPath, arc);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001, 9001}));
}

TEST_F(BezierClicks, TheClosingCurveOfAClosedPathTakesItsNormalFromTheLastAnchor) {
    gCurrentOptions.BezierMode = 0;
    AIArtHandle blob = Doc().DrawPath({sim::CurveSegment({0, 0}, {0, 0}, {30, 60}),
                                       sim::CurveSegment({100, 0}, {70, 60}, {100, 0})},
                                      true);
    AIToolMessage message = Press({50, -1});
    HitTestBezierTool(message);
    ASSERT_EQ(gHitState.HoverFlags.OverSegment, 1) << "the closing segment is straight";
    gHitState.HoverFlags = HoverFlagSet();
    gHitState.HoverFlags.OverCurve = 1;
    gHitState.HoverPoint.p = {50, 0};
    BezierClick(nullptr, Hit(blob, 0, 0.5f, {50, 0}), &message);
    EXPECT_EQ(gToolState.BezierElementKind, 4);
    EXPECT_FLOAT_EQ(gMeasuredPoints.CurveNormalTip.h, 50);
    EXPECT_NEAR(std::abs(gMeasuredPoints.CurveNormalTip.v), 1.0, 1e-6) << "the unit normal of the closing segment";
}

TEST_F(BezierClicks, RadiusAndTangentModesOnAStraightSegmentStartACreation) {
    for (int32_t mode : {1, 2}) {
        gCurrentOptions.BezierMode = mode;
        sim::TheLogs().Clear();
        gToolState.CreateOnClick[kBezierSlot] = 0;
        AIArtHandle path = Line({{0, 200}, {100, 200}});
        ClickAt({50, 201}, path, 1, 0.5f);
        EXPECT_EQ(gToolState.BezierElementKind, 7) << mode;
        EXPECT_EQ(gToolState.CreateOnClick[kBezierSlot], 1) << mode;
        EXPECT_POINT(gMeasuredPoints.ClickPoint.p, 50, 201);
        EXPECT_TRUE(Beeps().empty()) << mode;
    }
}

TEST_F(BezierClicks, LocalRadiusKeepsTheCurvePointsAndBeepsAsAPoint) {
    gCurrentOptions.BezierMode = 1;
    QuarterArc(50);
    ClickAt({35.4f, 35.4f}, nullptr);
    ASSERT_EQ(gHitState.HoverFlags.OverArc + gHitState.HoverFlags.OverCurve, 1);
    EXPECT_EQ(gToolState.BezierElementKind, 5);
    EXPECT_POINT(gMeasuredPoints.ClickPoint.p, gHitState.HoverPoint.p.h, gHitState.HoverPoint.p.v);
    EXPECT_POINT(gMeasuredPoints.ClickCurvePoints[0], gHitState.NormalTipA.h, gHitState.NormalTipA.v);
    EXPECT_POINT(gMeasuredPoints.ClickCurvePoints[1], gHitState.NormalTipB.h, gHitState.NormalTipB.v);
    EXPECT_POINT(gMeasuredPoints.ClickCurvePoints[2], gHitState.NextCurvePoint.h, gHitState.NextCurvePoint.v);
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9000});
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

TEST_F(BezierClicks, AnotherModeDoesNothing) {
    gCurrentOptions.BezierMode = 3;
    gToolState.BezierElementKind = kNoBezierElement;
    ClickAt({300, 300}, nullptr);
    EXPECT_EQ(gToolState.BezierElementKind, 8);
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
}

} // namespace
} // namespace clicktest
