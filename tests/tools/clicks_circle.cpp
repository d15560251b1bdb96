#include "clicks_fixture.h"

namespace clicktest {
namespace {

namespace format = DimensionArtFormat;

constexpr const char* kNotAnArcEnd = "Ce point n'est pas l'extrémité d'un arc de cercle.";

class CircleClicks : public ClickTest {
protected:
    static ASErr ClickAt(AIRealPoint p, AIArtHandle art, int32_t segment = 0, AIReal t = 0.0f) {
        AIToolMessage message = Press(p);
        HitTestCircleTool(message);
        return CircleClick(nullptr, Hit(art, segment, t, p), &message);
    }
};

TEST_F(CircleClicks, OneClickOnAnArcPlacesTheLabelBeyondItAndLinksIt) {
    gCurrentOptions.EndMarkSize = 100.0;
    AIArtHandle arc = QuarterArc(50);
    ClickAt({36, 36}, arc, 1, 0.5f);
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 50, 0.05);
    EXPECT_POINT_NEAR(gMeasuredPoints.CircleCentre, 0, 0, 0.05);
    const float out = (gMeasuredPoints.CircleRadius + 25.0f) * std::numbers::sqrt2_v<float> / 2;
    EXPECT_POINT_NEAR(gToolState.CursorPoint, gMeasuredPoints.CircleCentre.h + out,
                      gMeasuredPoints.CircleCentre.v + out, 1e-3);
    AIArtHandle part = gCurrentDimension.CircleParts[0];
    EXPECT_EQ(TagText(part, format::CircleLink), TagText(arc, format::CircleLink));
    EXPECT_NE(TagText(arc, format::CircleLink), "-");
    EXPECT_EQ(TagText(part, "num1"), "0");
    EXPECT_EQ(TagText(part, "num2"), "1");
    EXPECT_EQ(Beeps(), std::vector<uint32_t>{9001});
    EXPECT_EQ(gToolState.ClickInProgress, 1);
}

TEST_F(CircleClicks, TheTwoEndsOfAnArcGiveItsCircleWithoutALink) {
    AIArtHandle arc = QuarterArc(50);
    ClickAt({49, 1}, arc);
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_FALSE(GroupLive()) << "the first end builds nothing";
    ClickAt({1, 49}, arc);
    EXPECT_EQ(gToolState.ClickCount, 2);
    EXPECT_POINT_NEAR(gMeasuredPoints.CircleCentre, 0, 0, 1e-4);
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 50, 1e-4);
    EXPECT_FALSE(HasTag(arc, format::CircleLink));
    EXPECT_FALSE(HasTag(gCurrentDimension.CircleParts[0], format::CircleLink));
    EXPECT_TRUE(GroupLive());
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000, 9000}));
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(CircleClicks, AnEndOnAnotherPathRestartsTheSequence) {
    AIArtHandle arc = QuarterArc(50);
    AIArtHandle other = Doc().DrawPath({sim::CurveSegment({200, 0}, {200, 0}, {200, 30}),
                                        sim::CurveSegment({170, 50}, {190, 50}, {170, 50})},
                                       false);
    ClickAt({49, 1}, arc);
    ClickAt({201, 1}, other);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Les deux points doivent appartenir à un même tracé."});
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(CircleClicks, ACornerWithoutHandlesEndsNoArc) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    AIArtHandle arc = QuarterArc(50);
    ClickAt({99, 1}, path);
    EXPECT_EQ(Alerts(), std::vector<std::string>{kNotAnArcEnd});
    EXPECT_EQ(gToolState.ClickCount, 0);
    sim::TheLogs().Clear();
    ClickAt({49, 1}, arc);
    EXPECT_EQ(gToolState.ClickCount, 1) << "the sequence starts again with a first end";
}

TEST_F(CircleClicks, ASecondEndWithoutHandlesIsRefused) {
    AIArtHandle path = Doc().DrawPath({sim::CurveSegment({0, 0}, {0, 0}, {0, 30}),
                                       sim::CurveSegment({100, 0}, {100, 0}, {100, 0})},
                                      false);
    ClickAt({1, 1}, path);
    EXPECT_EQ(gToolState.ClickCount, 1);
    ClickAt({99, 1}, path);
    EXPECT_EQ(Alerts(), std::vector<std::string>{kNotAnArcEnd});
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(CircleClicks, WhileAFirstEndWaitsAnArcClickIsRefused) {
    AIArtHandle arc = QuarterArc(50);
    ClickAt({49, 1}, arc);
    ClickAt({36, 36}, arc, 1, 0.5f);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Vous devez cliquer sur un second point\r(seconde extrémité de "
                                                 "l'arc de cercle)\rou tenir la touche Contrôle enfoncée."});
    EXPECT_EQ(gToolState.ClickCount, 1);
}

TEST_F(CircleClicks, AStraightSegmentStartsACreation) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    gSeriesPointTable.SeriesRunningValue = 3.0f;
    ClickAt({50, 1}, path, 1, 0.5f);
    EXPECT_EQ(gToolState.CreateOnClick[kCircleTool - 1], 1);
    EXPECT_POINT(gMeasuredPoints.ClickPoint.p, 50, 1);
    EXPECT_EQ(gSeriesPointTable.SeriesRunningValue, 0.0f);
    EXPECT_TRUE(Beeps().empty());
}

} // namespace
} // namespace clicktest
