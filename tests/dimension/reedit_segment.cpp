// Re-editing linear dimensions: the clicked one, or with "Redessiner" every linear dimension, rebuilt in a new
// group from its anchors read again, linked again and still re-editable; the alert when its path is gone.
#include <cmath>
#include <string>
#include <vector>

#include "dimension/LinearDimensions.h"
#include "dimension/Links.h"
#include "dimension/ReEdit.h"
#include "frame/SuiteTable.h"
#include "host/TagSuite.h"
#include "reedit_fixture.h"
#include "records/ToolState.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"

namespace dimtest {
namespace {

const char* const kNotFound = "Le tracé correspondant à cette cote n'a pas été trouvé !";

class ReEditSegmentTest : public ReEditTest {
protected:
    void SetUp() override {
        ReEditTest::SetUp();
        gCurrentOptions.SideTieLength = 20.0;
        gCurrentOptions.DimensionOrientation = 0;
    }

    // A linear dimension from anchor `first` of one path to anchor `second` of another (the same for a segment),
    // made and linked as the Segment click makes it; its group.
    static AIArtHandle MakeLinearDimension(AIArtHandle firstPath, int16_t first, AIArtHandle secondPath,
                                           int16_t second, bool onSegment) {
        MeasuredPoints& m = gMeasuredPoints;
        StartGroup();
        EXPECT_EQ(BuildSegmentDimensionArt(), kNoErr);
        m.FirstPoint = Node(firstPath).segments[static_cast<size_t>(first)];
        m.SecondPoint = Node(secondPath).segments[static_cast<size_t>(second)];
        m.SegmentAngle = static_cast<AIReal>(
            std::atan2(m.SecondPoint.p.v - m.FirstPoint.p.v, m.SecondPoint.p.h - m.FirstPoint.p.h));
        if (onSegment) {
            EXPECT_EQ(LinkOnSegment(firstPath, first, second), kNoErr);
        } else {
            EXPECT_EQ(LinkFirstPoint(firstPath, first), kNoErr);
            EXPECT_EQ(LinkSecondPoint(secondPath, second), kNoErr);
        }
        EXPECT_EQ(DrawSegmentDimension(), kNoErr);
        return Dim().DimensionGroup;
    }

    // A point a tenth of the way along the first piece of the dimension line, clear of its label.
    static AIRealPoint OnLine(AIArtHandle line) {
        const std::vector<AIPathSegment>& anchors = Node(line).segments;
        if (anchors.size() < 2) return {};
        const AIRealPoint a = anchors[0].p;
        const AIRealPoint b = anchors[1].p;
        return {a.h + (b.h - a.h) * 0.1f, a.v + (b.v - a.v) * 0.1f};
    }
};

TEST_F(ReEditSegmentTest, AClickedSegmentDimensionIsRebuiltFromTheAnchorsAsTheyStandNow) {
    const AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 50}});
    const AIArtHandle old = MakeLinearDimension(path, 0, path, 1, true);
    EXPECT_EQ(std::string(gValueTextBuffer.Text), "35 mm");
    Doc().MutableArt(path)->segments[1] = sim::CornerSegment(0, 60);
    const AIRealPoint click = OnLine(Dim().DimensionLines[0]);
    const AIToolHitData hit = MouseDownHit(click);
    ASSERT_EQ(hit.object, Dim().DimensionLines[0]);

    EXPECT_EQ(ReEditSegmentDimension(hit, Click(click)), kNoErr);

    EXPECT_FALSE(Live(old));
    EXPECT_EQ(LayerGroups(), (std::vector<AIArtHandle>{Dim().DimensionGroup, path}));
    EXPECT_FLOAT_EQ(gMeasuredPoints.SecondPoint.p.v, 60.0f);
    EXPECT_EQ(gHitState.MeasuredArt, path);
    EXPECT_EQ(std::string(gValueTextBuffer.Text), "21 mm");
    const Tags line = TagsOf(Dim().DimensionLines[0]);
    EXPECT_EQ(line.at("surseg"), "1");
    EXPECT_EQ(line.at("num1"), "0");
    EXPECT_EQ(line.at("num2"), "1");
    EXPECT_EQ(line.at("mods"), "jj");
    EXPECT_EQ(line.at("red"), "jj");
    EXPECT_EQ(TagsOf(path).at("surseg"), "1");
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(ReEditSegmentTest, ARebuiltDimensionKeepsItsOwnOffsetAndAnOlderOneTheOffsetItsLineShows) {
    // Built at 20; another dimension's drag then left -45 in force.
    for (const bool kept : {true, false}) {
        SCOPED_TRACE(kept ? "offset kept on its group" : "a group from before the offset was kept");
        gCurrentOptions.SideTieLength = 20.0;
        const AIArtHandle path = Path({{0, 0}, {100, 0}});
        const AIArtHandle group = MakeLinearDimension(path, 0, path, 1, true);
        if (!kept) {
            ASSERT_EQ(sAITag->DeleteTag(group, "attaches"), kNoErr);
        }
        gCurrentOptions.SideTieLength = -45.0;

        ASSERT_EQ(RebuildSegmentDimensionOf(Dim().DimensionLines[0]).Outcome, RebuildOutcome::Rebuilt);

        EXPECT_NEAR(gCurrentOptions.SideTieLength, 20.0, 1e-3) << "its own offset is the one in force";
        ASSERT_FALSE(Node(Dim().DimensionLines[0]).segments.empty());
        EXPECT_NEAR(Node(Dim().DimensionLines[0]).segments.front().p.v, 20.0, 1e-3);
        EXPECT_EQ(TagsOf(Dim().DimensionGroup).at("attaches"), "20");
        Doc().DisposeArt(Doc().MutableArt(Dim().DimensionGroup));
    }
}

TEST_F(ReEditSegmentTest, ARebuiltDimensionStaysReEditableWhateverTheCentreFlagSays) {
    const AIArtHandle path = Path({{0, 0}, {100, 0}});
    MakeLinearDimension(path, 0, path, 1, true);
    AIToolHitData hit;
    hit.hit = 1;
    hit.object = Dim().DimensionLines[0];
    gHitState.HoverFlags.OverCentre = 1;

    ReEditSegmentDimension(hit, Click({}));

    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]).at("mods"), "jj");
    EXPECT_EQ(TagsOf(Dim().DimensionLineHalves[0]).at("mods"), "jj");
    EXPECT_EQ(gHitState.HoverFlags.OverCentre, 1);
}

TEST_F(ReEditSegmentTest, RedrawOnRebuildsEveryLinearDimensionAndNoOtherKind) {
    gSettings.RedrawAll = 1;
    const AIArtHandle a = Path({{0, 0}, {100, 0}});
    const AIArtHandle b = Path({{0, 200}, {30, 200}, {50, 240}});
    const AIArtHandle onSegment = MakeLinearDimension(a, 0, a, 1, true);
    const AIArtHandle twoPoints = MakeLinearDimension(a, 1, b, 2, false);
    StartGroup();
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkAngle(b, 0, 1, 2), kNoErr);
    const AIArtHandle angle = Dim().DimensionGroup;
    const AIArtHandle unlinked = MakeLinearDimension(a, 0, a, 1, true);
    Doc().MutableArt(Dim().DimensionLines[0])->tags.erase("surseg");
    Doc().MutableArt(Dim().DimensionLines[0])->tags.erase("red");
    Doc().MutableArt(b)->segments[2] = sim::CornerSegment(100, 240);
    AIToolHitData hit;
    hit.hit = 1;
    hit.object = nullptr;
    gToolState.ClickInProgress = 1;

    ReEditSegmentDimension(hit, Click({}));

    EXPECT_EQ(gToolState.ClickInProgress, 0);
    EXPECT_FALSE(Live(onSegment));
    EXPECT_FALSE(Live(twoPoints));
    EXPECT_TRUE(Live(angle));
    EXPECT_TRUE(Live(unlinked));
    const std::vector<AIArtHandle> lines = LinearDimensionsToUpdate();
    ASSERT_EQ(lines.size(), 2u);
    const Tags rebuiltTwoPoints = TagsOf(lines[0]);
    EXPECT_EQ(rebuiltTwoPoints.at("segpt1"), "1");
    EXPECT_EQ(rebuiltTwoPoints.at("segpt2"), "1");
    EXPECT_EQ(rebuiltTwoPoints.at("num1"), "1");
    EXPECT_EQ(rebuiltTwoPoints.at("num2"), "2");
    EXPECT_EQ(TagsOf(lines[1]).at("surseg"), "1");
    EXPECT_EQ(lines[1], Dim().DimensionLines[0]);
    const AIArtHandle twoPointsLabel = Children(Doc().Handle(Doc().Art(lines[0])->parent)).front();
    EXPECT_EQ(Node(twoPointsLabel).text.contents, "85 mm");
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(ReEditSegmentTest, ALinearDimensionWhosePathIsGoneGivesTheAlertAndStays) {
    const AIArtHandle path = Path({{0, 0}, {100, 0}});
    const AIArtHandle group = MakeLinearDimension(path, 0, path, 1, true);
    AIToolHitData hit;
    hit.hit = 1;
    hit.object = Dim().DimensionLines[0];
    Doc().DisposeArt(Doc().MutableArt(path));

    ReEditSegmentDimension(hit, Click({}));

    EXPECT_EQ(Alerts(), (std::vector<std::string>{kNotFound}));
    EXPECT_TRUE(Live(group));
}

}  // namespace
}  // namespace dimtest
