#include "clicks_fixture.h"

namespace clicktest {
namespace {

namespace format = DimensionArtFormat;

class AngleClicks : public ClickTest {
protected:
    static ASErr ClickAt(AIRealPoint p, AIArtHandle art, int32_t segment = 0, AIReal t = 0.0f) {
        AIToolMessage message = Press(p);
        HitTestAngleTool(message);
        return AngleClick(nullptr, Hit(art, segment, t, p), &message);
    }
};

TEST_F(AngleClicks, AVertexTurningClockwiseGivesANegativeAngleAndALink) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({99, 1}, path);
    EXPECT_POINT(gMeasuredPoints.AngleVertex.p, 100, 0);
    EXPECT_POINT(gMeasuredPoints.AnglePointB.p, 0, 0);
    EXPECT_POINT(gMeasuredPoints.AnglePointA.p, 100, 100);
    EXPECT_FLOAT_EQ(gMeasuredPoints.AngleValue, -kHalfPi);
    EXPECT_NE(TagText(path, format::AngleLink), "-");
    AIArtHandle arc = gCurrentDimension.AngleArcs[0];
    EXPECT_EQ(TagText(arc, format::AngleLink), TagText(path, format::AngleLink));
    EXPECT_TRUE(HasTag(arc, format::AngleMarker));
    EXPECT_EQ((std::vector<std::string>{TagText(arc, "num1"), TagText(arc, "num2"), TagText(arc, "num3")}),
              (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9000});
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

TEST_F(AngleClicks, TheEndOfAnOpenPathIsNoVertex) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({1, 1}, path);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Ce point n'est pas le sommet d'un angle."});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_FALSE(HasTag(path, format::AngleLink));
}

TEST_F(AngleClicks, TwoSegmentsOfOnePathMeetAtTheirSharedAnchor) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    ClickAt({50, 1}, path, 1, 0.5f);
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
    EXPECT_FALSE(GroupLive()) << "nothing is built on the first side";
    ClickAt({99, 50}, path, 2, 0.5f);
    EXPECT_EQ(gToolState.ClickCount, 2);
    EXPECT_POINT(gMeasuredPoints.AngleVertex.p, 100, 0);
    EXPECT_POINT(gMeasuredPoints.AnglePointB.p, 0, 0);
    EXPECT_POINT(gMeasuredPoints.AnglePointA.p, 100, 100);
    EXPECT_EQ((std::vector<int16_t>{gHitState.PreviousIndex, gHitState.VertexIndex, gHitState.NextIndex}),
              (std::vector<int16_t>{0, 1, 2}));
    EXPECT_FLOAT_EQ(gMeasuredPoints.AngleValue, -kHalfPi);
    EXPECT_NE(TagText(path, format::AngleLink), "-");
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001, 9001}));
}

TEST_F(AngleClicks, SegmentsOfTwoPathsMeetWhereTheirLinesCross) {
    AIArtHandle across = Line({{0, 0}, {100, 0}});
    AIArtHandle up = Line({{200, 100}, {200, 10}});
    ClickAt({10, 1}, across, 1, 0.1f);
    ClickAt({199, 90}, up, 1, 0.1f);
    EXPECT_POINT_NEAR(gMeasuredPoints.AngleVertex.p, 200, 0, 1e-4);
    EXPECT_POINT(gMeasuredPoints.AnglePointB.p, 0, 0);
    EXPECT_POINT(gMeasuredPoints.AnglePointA.p, 200, 100);
    EXPECT_NEAR(gMeasuredPoints.AngleValue, -kHalfPi, 1e-6);
    EXPECT_FALSE(HasTag(across, format::AngleLink));
    EXPECT_FALSE(HasTag(up, format::AngleLink));
}

TEST_F(AngleClicks, ParallelSidesAreRefused) {
    AIArtHandle first = Line({{0, 0}, {100, 0}});
    AIArtHandle second = Line({{0, 50}, {100, 50}});
    ClickAt({50, 1}, first, 1, 0.5f);
    ClickAt({50, 49}, second, 1, 0.5f);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Les deux côtés sont parallèles !"});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_EQ(gToolState.ClickCount, 0);  // the refused press ends the sequence itself
}

TEST_F(AngleClicks, AnArcClickWhileASideWaitsIsRefused) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    AIArtHandle arc = QuarterArc(50);
    ClickAt({20, 1}, path, 1, 0.2f);
    ClickAt({35.355339f, 35.355339f}, arc, 1, 0.5f);
    EXPECT_EQ(Alerts(), std::vector<std::string>{
                            "Vous devez cliquer sur le second côté de l'angle\rou tenir la touche Contrôle enfoncée."});
    EXPECT_EQ(gToolState.ClickCount, 1);
}

TEST_F(AngleClicks, AnArcOfAClosedPathGivesItsAngleAtTheCentre) {
    gCurrentOptions.SideTieLength = 5.0;
    AIArtHandle circle = Circle(50);
    ClickAt({35.355339f, 35.355339f}, circle, 1, 0.5f);
    EXPECT_EQ(gToolState.AngleOnArc, 1);
    EXPECT_POINT_NEAR(gMeasuredPoints.AngleVertex.p, 0, 0, 0.05);
    EXPECT_FLOAT_EQ(gMeasuredPoints.CircleRadius, 50);
    EXPECT_NEAR(gCurrentOptions.ArcRadius, 55, 1e-6);
    EXPECT_NEAR(gMeasuredPoints.AngleValue, kHalfPi, 1e-3);
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
}

TEST_F(AngleClicks, EmptyCanvasStartsACreation) {
    ClickAt({300, 300}, nullptr);
    EXPECT_EQ(gToolState.CreateOnClick[kAngleTool - 1], 1);
    EXPECT_POINT(gMeasuredPoints.ClickPoint.p, 300, 300);
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

} // namespace
} // namespace clicktest
