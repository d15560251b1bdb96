#include "clicks_fixture.h"

namespace clicktest {
namespace {

namespace format = DimensionArtFormat;

class SegmentClicks : public ClickTest {
protected:
    // Hovers the Segment tool at p and clicks there on `art`.
    static ASErr ClickAt(AIRealPoint p, AIArtHandle art, int32_t segment = 0, AIReal t = 0.0f) {
        AIToolMessage message = Press(p);
        HitTestSegmentTool(message);
        return SegmentClick(nullptr, Hit(art, segment, t, p), &message);
    }
};

TEST_F(SegmentClicks, TwoAnchorsMakeALinkedDimensionWithTwoPointBeeps) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({1, 1}, path);
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(gHitState.MeasuredArt, path);
    EXPECT_EQ(TagText(Line0(), format::FirstPointLink), TagText(path, format::FirstPointLink));
    EXPECT_EQ(TagText(Line0(), "num1"), "0");
    ClickAt({99, 99}, path);
    EXPECT_EQ(gToolState.ClickCount, 2);
    EXPECT_POINT(gMeasuredPoints.FirstPoint.p, 0, 0);
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 100, 100);
    EXPECT_FLOAT_EQ(gMeasuredPoints.SegmentAngle, kHalfPi / 2);
    EXPECT_EQ(TagText(Line0(), "num2"), "2");
    EXPECT_NE(TagText(Line0(), format::SecondPointLink), "-");
    EXPECT_EQ(gToolState.ClickInProgress, 1);
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000, 9000}));
}

TEST_F(SegmentClicks, SecondPointOnACentreTakesTheFirstLinkAway) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    ClickAt({1, 1}, path);
    AIToolMessage message = Press({50, 50});
    gHitState.HoverFlags = HoverFlagSet();
    gHitState.HoverFlags.OverCentre = 1;
    gHitState.SnapSegment.p = {50, 50};
    SegmentClick(nullptr, Hit(nullptr), &message);
    for (const char* key : {format::SegmentMarker, format::FirstPointLink, "num1", format::SecondPointLink}) {
        EXPECT_FALSE(HasTag(Line0(), key)) << key;
        EXPECT_FALSE(HasTag(gCurrentDimension.DimensionLineHalves[0], key)) << key;
    }
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 50, 50);
    EXPECT_EQ(gToolState.ClickCount, 2);
}

TEST_F(SegmentClicks, WhileAFirstPointWaitsOtherTargetsAreRefused) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({1, 1}, path);
    AIArtHandle group = gCurrentDimension.DimensionGroup;
    ClickAt({50, 2}, path, 1, 0.5f);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"Vous devez cliquer sur un second point\r(point d'ancrage ou point "
                                                  "d'intersection)\rou tenir la touche Contrôle enfoncée."}));
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(gCurrentDimension.DimensionGroup, group);
    EXPECT_TRUE(GroupLive()) << "the first point's skeleton stays";
}

TEST_F(SegmentClicks, AStraightSegmentIsDimensionedInOneClick) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({100, 50}, path, 2, 0.5f);
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
    EXPECT_NE(TagText(Line0(), format::OnSegmentLink), "-");
    EXPECT_EQ(TagText(Line0(), "num1"), "1");
    EXPECT_EQ(TagText(Line0(), "num2"), "2");
    EXPECT_POINT(gMeasuredPoints.FirstPoint.p, 100, 0);
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 100, 100);
    EXPECT_FLOAT_EQ(gMeasuredPoints.SegmentAngle, kHalfPi);
    EXPECT_EQ(gToolState.DimensionStarted, 1);
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(SegmentClicks, ACurveOfAClosedPathIsRefusedAndItsGroupDisposed) {
    AIArtHandle circle = Circle(50);
    const AIRealPoint onArc{35.355339f, 35.355339f};
    ClickAt(onArc, circle, 1, 0.5f);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Le tracé doit être ouvert."});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_EQ(gToolState.ArcLengthMode, 0);
    EXPECT_EQ(gToolState.ClickInProgress, 0);
}

TEST_F(SegmentClicks, AnArcRunningCounterClockwiseGivesAPositiveAngle) {
    gCurrentOptions.SideTieLength = 12.0;
    AIArtHandle arc = QuarterArc(50);
    ClickAt({35.355339f, 35.355339f}, arc, 1, 0.5f);
    EXPECT_EQ(gToolState.ArcLengthMode, 1);
    EXPECT_POINT_NEAR(gMeasuredPoints.AngleVertex.p, 0, 0, 0.05);
    EXPECT_POINT(gMeasuredPoints.ArcFirstAnchor.p, 50, 0);
    EXPECT_POINT(gMeasuredPoints.ArcLastAnchor.p, 0, 50);
    EXPECT_NEAR(gMeasuredPoints.AngleValue, kHalfPi, 1e-3);
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 50, 0.05);
    EXPECT_NEAR(gCurrentOptions.ArcRadius, 62, 0.05);
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
}

TEST_F(SegmentClicks, EmptyCanvasStartsACreation) {
    gToolState.CreateOnClick[0] = 0;
    ClickAt({300, 300}, nullptr);
    EXPECT_EQ(gToolState.CreateOnClick[0], 1);
    EXPECT_EQ(gToolState.CreationStarted[0], 0);
    EXPECT_POINT(gMeasuredPoints.ClickPoint.p, 300, 300);
    EXPECT_EQ(gToolState.ClickInProgress, 1);
    EXPECT_TRUE(GroupLive());
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(SegmentClicks, ALockedLayerEndsTheClickWithNothingChanged) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    sim::Layer* layer = nullptr;
    Doc().FindLayerNode(Doc().CurrentLayer(), &layer);
    layer->locked = true;
    ClickAt({1, 1}, path);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Tavorine impossible. Calque verrouillé."});
    EXPECT_FALSE(HasTag(path, format::FirstPointLink));
    EXPECT_TRUE(Beeps().empty());
}

} // namespace
} // namespace clicktest

namespace clicktest {
namespace {

class HandOverClicks : public ClickTest {};

// A dimension part of another kind re-opens that dimension with its own tool: here an unlinked part, whose
// path the re-edit does not find.
TEST_F(HandOverClicks, APartOfAnotherKindRunsThatToolsClick) {
    AIArtHandle part = Line({{0, 0}, {100, 0}});
    MakeDimensionPart(part, DimensionArtFormat::AngleMarker);
    AIToolMessage message = Press({50, 1});
    gHitState.HoverFlags = HoverFlagSet();
    gHitState.HoverFlags.OverDimensionArc = 1;
    gToolState.AngleOnArc = 1;
    SegmentClick(nullptr, Hit(part, 1, 0.5f, {50, 0}), &message);
    EXPECT_EQ(gToolState.AngleOnArc, 0) << "the Angle tool's click ran";
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Le tracé correspondant à cette cote n'a pas été trouvé !"});
    EXPECT_EQ(gToolState.CreateOnClick[kSegmentTool - 1], 0);
}

} // namespace
} // namespace clicktest
