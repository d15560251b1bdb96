#include <cmath>

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

// Each side runs from where the lines meet towards where it was clicked, also when it ends at that point.
TEST_F(AngleClicks, SegmentsOfTwoPathsMeetWhereTheirLinesCross) {
    const double corner = std::atan2(60.0, 80.0);
    const struct {
        AIRealPoint From1, To1, Click1, From2, To2, Click2, Vertex;
        double Angle;
    } rows[] = {
        {{0, 0}, {100, 0}, {10, 0}, {200, 100}, {200, 10}, {200, 90}, {200, 0}, -kHalfPi},
        {{0, 1e3}, {100, 1e3}, {10, 1e3}, {0, 1e3}, {80, 1060}, {20, 1015}, {0, 1e3}, corner},
        {{0, 2e3}, {80, 2060}, {20, 2015}, {0, 2e3}, {100, 2e3}, {10, 2e3}, {0, 2e3}, -corner},
        {{0, 3e3}, {100, 3e3}, {70, 3e3}, {0, 3e3}, {80, 3060}, {20, 3015}, {0, 3e3}, corner},
        {{0, 4e3}, {-80, 4060}, {-60, 4045}, {0, 4e3}, {-100, 4e3}, {-30, 4e3}, {0, 4e3}, corner},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Click1.h << "," << row.Click1.v);
        AIArtHandle first = Line({row.From1, row.To1}), second = Line({row.From2, row.To2});
        ClickAt(row.Click1, first, 1, 0.1f);
        ClickAt(row.Click2, second, 1, 0.1f);
        EXPECT_POINT_NEAR(gMeasuredPoints.AngleVertex.p, row.Vertex.h, row.Vertex.v, 1e-4);
        EXPECT_NEAR(gMeasuredPoints.AngleValue, row.Angle, 1e-6);
        EXPECT_FALSE(HasTag(first, format::AngleLink));
        EXPECT_FALSE(HasTag(second, format::AngleLink));
        gToolState.ClickCount = 0;
    }
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
