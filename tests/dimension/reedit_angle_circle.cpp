// Re-editing angle and circle dimensions: the clicked dimension, or with "Redessiner" every angle dimension,
// rebuilt in a new group from its anchors read again; the alert when its path is gone.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "dimension/AngleBuilders.h"
#include "records/ToolState.h"
#include "dimension/CircleBuilder.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "dimension/ReEdit.h"
#include "frame/SuiteTable.h"
#include "host/TagSuite.h"
#include "reedit_fixture.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"

namespace dimtest {
namespace {

constexpr double kQuarterArcHandle = 0.5522847498;
const char* const kNotFound = "Le tracé correspondant à cette cote n'a pas été trouvé !";

class ReEditAngleCircleTest : public ReEditTest {
protected:
    // An angle dimension at anchor `vertex` of the path, made as the vertex click makes it; its group.
    static AIArtHandle MakeAngleDimension(AIArtHandle path, int16_t previous, int16_t vertex, int16_t next) {
        const sim::ArtNode& node = Node(path);
        MeasuredPoints& m = gMeasuredPoints;
        StartGroup();
        EXPECT_EQ(BuildAngleDimensionArt(), kNoErr);
        m.AngleVertex = node.segments[static_cast<size_t>(vertex)];
        m.AnglePointB = node.segments[static_cast<size_t>(previous)];
        m.AnglePointA = node.segments[static_cast<size_t>(next)];
        const Vector2 v(m.AngleVertex.p);
        m.AngleValue = static_cast<AIReal>(
            SignedAngle((Vector2(m.AnglePointB.p) - v).ToPoint(), (Vector2(m.AnglePointA.p) - v).ToPoint()));
        EXPECT_EQ(LinkAngle(path, previous, vertex, next), kNoErr);
        const double start = std::atan2(m.AnglePointB.p.v - m.AngleVertex.p.v, m.AnglePointB.p.h - m.AngleVertex.p.h);
        DrawAngleDimension(m.AngleVertex.p.h, m.AngleVertex.p.v, 80.0f, m.AngleValue, static_cast<AIReal>(start),
                           Dim().AngleArcs, 0, 0, 0, 0, 0);
        return Dim().DimensionGroup;
    }

    // A quarter circle of `radius` about the origin from (radius, 0) to (0, radius).
    static AIArtHandle QuarterArc(AIReal radius) {
        const auto k = static_cast<AIReal>(radius * kQuarterArcHandle);
        return Doc().DrawPath({sim::CurveSegment({radius, 0}, {radius, 0}, {radius, k}),
                               sim::CurveSegment({0, radius}, {k, radius}, {0, radius})},
                              false);
    }

    // A circle dimension of the arc, made as the arc click makes it; its group.
    static AIArtHandle MakeCircleDimension(AIArtHandle path, AIRealPoint label) {
        StartGroup();
        EXPECT_EQ(BuildCircleDimensionArt(), kNoErr);
        AIPathSegment centre;
        EXPECT_TRUE(CircleFromChords(Node(path).segments[0], Node(path).segments[1], &centre,
                                     &gMeasuredPoints.CircleRadius));
        gMeasuredPoints.CircleCentre = centre.p;
        EXPECT_EQ(LinkCircle(path, 0, 1), kNoErr);
        EXPECT_EQ(DrawCircleDimension(label.h, label.v, 0, 0, 0, 0), kNoErr);
        return Dim().DimensionGroup;
    }

    // The middle anchor of an angle's arc, where a click finds the arc.
    static AIRealPoint ArcMiddle(AIArtHandle arc) {
        const std::vector<AIPathSegment>& anchors = Node(arc).segments;
        return anchors.empty() ? AIRealPoint{} : anchors[anchors.size() / 2].p;
    }
};

TEST_F(ReEditAngleCircleTest, AClickedAngleIsRebuiltInANewGroupFromItsAnchorsAsTheyStandNow) {
    const AIArtHandle path = Path({{100, 0}, {0, 0}, {100, 100}});
    const AIArtHandle old = MakeAngleDimension(path, 0, 1, 2);
    const AIArtHandle above = Path({{500, 500}, {600, 500}});
    Doc().MutableArt(path)->segments[2] = sim::CornerSegment(50, 86.60254f);
    const AIRealPoint click = ArcMiddle(Dim().AngleArcs[0]);
    const AIToolHitData hit = MouseDownHit(click);
    ASSERT_EQ(hit.object, Dim().AngleArcs[0]);

    EXPECT_EQ(ReEditAngleDimension(hit, Click(click)), kNoErr);

    EXPECT_FALSE(Live(old));
    const AIArtHandle fresh = Dim().DimensionGroup;
    EXPECT_EQ(LayerGroups(), (std::vector<AIArtHandle>{above, fresh, path}));
    // Side A turns counter-clockwise from side B: a positive angle, and the arc runs between the two sides.
    EXPECT_NEAR(gMeasuredPoints.AngleValue, std::numbers::pi / 3, 1e-6);
    const AIArtHandle arc = Dim().AngleArcs[0];
    EXPECT_EQ(Doc().Art(arc)->parent, Doc().Art(fresh));
    const Tags tags = TagsOf(arc);
    EXPECT_EQ(tags.at("ang"), "1");
    EXPECT_EQ(tags.at("moda"), "jj");
    EXPECT_EQ(tags.at("num1"), "0");
    EXPECT_EQ(tags.at("num2"), "1");
    EXPECT_EQ(tags.at("num3"), "2");
    EXPECT_EQ(TagsOf(path).at("ang"), "1");
    const std::vector<AIPathSegment>& anchors = Node(arc).segments;
    ASSERT_GE(anchors.size(), 2u);
    EXPECT_NEAR(anchors.front().p.h, 80.0, 1e-3);
    EXPECT_NEAR(anchors.front().p.v, 0.0, 1e-3);
    EXPECT_NEAR(std::hypot(anchors.back().p.h, anchors.back().p.v), 80.0, 1e-3);
    EXPECT_NEAR(std::atan2(anchors.back().p.v, anchors.back().p.h), std::numbers::pi / 3, 1e-4);
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(ReEditAngleCircleTest, ARebuiltAngleShowsItsSalientSideWhateverTheLastDragChose) {
    const AIArtHandle path = Path({{100, 0}, {0, 0}, {100, 100}});
    MakeAngleDimension(path, 0, 1, 2);
    const AIRealPoint click = ArcMiddle(Dim().AngleArcs[0]);
    const AIToolHitData hit = MouseDownHit(click);
    ASSERT_EQ(hit.object, Dim().AngleArcs[0]);
    gMeasuredPoints.AngleFlip = 1;  // left by an earlier drag across another vertex

    EXPECT_EQ(ReEditAngleDimension(hit, Click(click)), kNoErr);

    EXPECT_EQ(gMeasuredPoints.AngleFlip, 0);
    EXPECT_EQ(Node(Dim().LabelFrames[0]).text.contents.substr(0, 2), "45");
    const std::vector<AIPathSegment>& anchors = Node(Dim().AngleArcs[0]).segments;
    ASSERT_GE(anchors.size(), 2u);
    EXPECT_NEAR(std::atan2(anchors.back().p.v, anchors.back().p.h), std::numbers::pi / 4, 1e-4);
}

TEST_F(ReEditAngleCircleTest, AnAngleIsRebuiltAtTheArcItsGroupKeepsAndAnOlderOneAtTheArcItShows) {
    struct Case {
        const char* keptRadius;  // nullptr: a group from before the arc was kept
        const char* keptReentrant;
        double live;  // the live "Rayon" another dimension's drag left
        double radius;
        const char* value;
    };
    // Each is built at 80; the 45-degree corner reads "315" on its re-entrant side.
    const Case cases[] = {{nullptr, nullptr, 80.0, 80.0, "45"},  {nullptr, nullptr, 30.0, 80.0, "45"},
                          {"42.5", "1", 80.0, 42.5, "315"},      {"42.5", "1", 30.0, 42.5, "315"},
                          {"42.5", "0", 80.0, 42.5, "45"},       {"-3", "1", 30.0, 80.0, "45"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keptRadius != nullptr ? c.keptRadius : "none") + " live " +
                     std::to_string(c.live));
        const AIArtHandle path = Path({{100, 0}, {0, 0}, {100, 100}});
        const AIArtHandle group = MakeAngleDimension(path, 0, 1, 2);
        sAITag->DeleteTag(group, "rayon");
        sAITag->DeleteTag(group, "rentrant");
        if (c.keptRadius != nullptr) {
            ASSERT_EQ(sAITag->SetTag(group, "rayon", kTagTypeString, c.keptRadius), kNoErr);
            ASSERT_EQ(sAITag->SetTag(group, "rentrant", kTagTypeString, c.keptReentrant), kNoErr);
        }
        gMeasuredPoints.AngleFlip = 1;  // left by a drag of another angle
        gCurrentOptions.ArcRadius = c.live;

        ASSERT_EQ(RebuildAngleDimensionOf(Dim().AngleArcs[0], nullptr).Outcome, RebuildOutcome::Rebuilt);
        EXPECT_NEAR(gCurrentOptions.ArcRadius, c.radius, 1e-3) << "its own radius is the one in force";

        EXPECT_EQ(Node(Dim().LabelFrames[0]).text.contents.substr(0, std::string(c.value).size()), c.value);
        const std::vector<AIPathSegment>& anchors = Node(Dim().AngleArcs[0]).segments;
        ASSERT_GE(anchors.size(), 2u);
        EXPECT_NEAR(std::hypot(anchors.front().p.h, anchors.front().p.v), c.radius, 1e-3);
        // What it was drawn with stays with it, for the next rebuild.
        const Tags kept = TagsOf(Dim().DimensionGroup);
        EXPECT_NEAR(std::stod(kept.at("rayon")), c.radius, 1e-4);
        EXPECT_EQ(kept.at("rentrant"), std::string(c.value) == "315" ? "1" : "0");
    }
}

TEST_F(ReEditAngleCircleTest, AnAngleWhosePathIsGoneGivesTheAlertAndStays) {
    const AIArtHandle path = Path({{100, 0}, {0, 0}, {100, 100}});
    const AIArtHandle group = MakeAngleDimension(path, 0, 1, 2);
    const AIToolHitData hit = MouseDownHit(ArcMiddle(Dim().AngleArcs[0]));
    ASSERT_EQ(hit.object, Dim().AngleArcs[0]);
    Doc().DisposeArt(Doc().MutableArt(path));
    const size_t parts = Children(group).size();

    ReEditAngleDimension(hit, Click({}));

    EXPECT_EQ(Alerts(), (std::vector<std::string>{kNotFound}));
    ASSERT_TRUE(Live(group));
    EXPECT_EQ(Children(group).size(), parts);
}

TEST_F(ReEditAngleCircleTest, RedrawOnRebuildsEveryAngleAndAlertsOnceForThoseNotFound) {
    gSettings.RedrawAll = 1;
    const AIArtHandle first = Path({{100, 0}, {0, 0}, {100, 100}});
    const AIArtHandle firstGroup = MakeAngleDimension(first, 0, 1, 2);
    const AIArtHandle firstArc = Dim().AngleArcs[0];
    const AIArtHandle second = Path({{300, 0}, {200, 0}, {300, 100}});
    const AIArtHandle secondGroup = MakeAngleDimension(second, 0, 1, 2);
    const AIArtHandle lost = Path({{500, 0}, {400, 0}, {500, 100}});
    const AIArtHandle lostGroup = MakeAngleDimension(lost, 0, 1, 2);
    const AIArtHandle lostArc = Dim().AngleArcs[0];
    Doc().DisposeArt(Doc().MutableArt(lost));

    ReEditAngleDimension(MouseDownHit(ArcMiddle(firstArc)), Click(ArcMiddle(firstArc)));

    EXPECT_FALSE(Live(firstGroup));
    EXPECT_FALSE(Live(secondGroup));
    EXPECT_TRUE(Live(lostGroup));
    EXPECT_TRUE(Live(lostArc));
    EXPECT_EQ(Alerts(), (std::vector<std::string>{kNotFound}));
    EXPECT_EQ(AngleDimensionsToUpdate().size(), 3u);
}

TEST_F(ReEditAngleCircleTest, ADimensionOnALockedLayerIsLeftAloneWithoutAlert) {
    const AIArtHandle path = Path({{100, 0}, {0, 0}, {100, 100}});
    const AIArtHandle group = MakeAngleDimension(path, 0, 1, 2);
    AIToolHitData hit;
    hit.hit = 1;
    hit.object = Dim().AngleArcs[0];
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);

    ReEditAngleDimension(hit, Click({}));

    EXPECT_TRUE(Live(group));
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(ReEditAngleCircleTest, ACircleKeepsItsOwnLeaderBendAndAnOlderOneTheBendItsLeaderShows) {
    for (const bool kept : {true, false}) {
        SCOPED_TRACE(kept ? "bend kept on its group" : "a group from before the bend was kept");
        const AIArtHandle group = MakeCircleDimension(QuarterArc(100), {150, 150});
        if (!kept) {
            ASSERT_EQ(sAITag->DeleteTag(group, "coude"), kNoErr);
        }
        gToolState.CursorPoint = {40, -300};  // where another gesture left the cursor
        AIArtHandle clicked = Dim().CircleParts[1];

        ASSERT_EQ(RebuildCircleDimension(&clicked), kNoErr);

        EXPECT_NEAR(gToolState.CircleLabelDistance, std::hypot(150.0, 150.0), 1e-3);
        const std::vector<AIPathSegment>& leader = Node(Dim().CircleParts[1]).segments;
        ASSERT_EQ(leader.size(), 3u);
        EXPECT_NEAR(leader[1].p.h, 150.0, 1e-3);
        EXPECT_NEAR(leader[1].p.v, 150.0, 1e-3);
        EXPECT_NEAR(gToolState.CursorPoint.h, 150.0, 1e-3) << "in force for the panel's changes after it";
        Doc().DisposeArt(Doc().MutableArt(Dim().DimensionGroup));
    }
}

TEST_F(ReEditAngleCircleTest, AClickedCircleIsRebuiltFromItsArcAsItStandsNowAndAloneEvenWithRedrawOn) {
    gSettings.RedrawAll = 1;
    const AIArtHandle other = QuarterArc(50);
    const AIArtHandle otherGroup = MakeCircleDimension(other, {100, 100});
    const AIArtHandle path = QuarterArc(100);
    const AIArtHandle old = MakeCircleDimension(path, {150, 150});
    const AIArtHandle replaced = QuarterArc(200);
    Doc().MutableArt(path)->segments = Node(replaced).segments;
    Doc().DisposeArt(Doc().MutableArt(replaced));
    AIArtHandle clicked = Dim().CircleParts[0];

    EXPECT_EQ(RebuildCircleDimension(&clicked), kNoErr);

    EXPECT_FALSE(Live(old));
    EXPECT_TRUE(Live(otherGroup));
    EXPECT_NEAR(gMeasuredPoints.CircleRadius, 200.0, 1e-3);
    EXPECT_NEAR(gMeasuredPoints.CircleCentre.h, 0.0, 1e-3);
    EXPECT_NEAR(gDimensionValues.ArcMiddleAngle, std::numbers::pi / 4, 1e-4);
    // Its leader keeps the bend its own drag gave it, not a fixed distance from the circle.
    EXPECT_NEAR(gToolState.CircleLabelDistance, std::hypot(150.0, 150.0), 1e-3);
    EXPECT_EQ(gHitState.MeasuredArt, path);
    const Tags first = TagsOf(Dim().CircleParts[0]);
    EXPECT_EQ(first.at("cer"), "2");
    EXPECT_EQ(first.at("num1"), "0");
    EXPECT_EQ(first.at("num2"), "1");
    EXPECT_EQ(first.at("modc"), "jj");
    EXPECT_EQ(first.at("red"), "jj");
    EXPECT_EQ(TagsOf(Dim().CircleParts[1]).at("cer"), "2");
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(ReEditAngleCircleTest, ACircleWhoseArcIsNoLongerAnArcOrIsGoneGivesTheAlert) {
    const AIArtHandle path = QuarterArc(100);
    const AIArtHandle group = MakeCircleDimension(path, {150, 150});
    AIArtHandle clicked = Dim().CircleParts[1];
    Doc().MutableArt(path)->segments = {sim::CornerSegment(100, 0), sim::CornerSegment(0, 100)};
    RebuildCircleDimension(&clicked);
    AIArtHandle none = nullptr;
    RebuildCircleDimension(&none);
    RebuildCircleDimension(nullptr);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{kNotFound, kNotFound, kNotFound}));
    EXPECT_TRUE(Live(group));
}

}  // namespace
}  // namespace dimtest
