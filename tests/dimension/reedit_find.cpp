// Finding a dimension's measured path and anchors again from the link tags of one of its parts, and the
// dimensions an update-all pass visits.
#include <string>
#include <vector>

#include "dimension/Links.h"
#include "dimension/ReEdit.h"
#include "host/TagSuite.h"
#include "skeleton_fixture.h"

namespace dimtest {
namespace {

class ReEditFindTest : public DimensionArtTest {
protected:
    // A path below, then a linear skeleton in a new group on top of it.
    AIArtHandle PathUnderNewSkeleton(const std::vector<AIRealPoint>& points) {
        const AIArtHandle path = Path(points);
        StartGroup();
        EXPECT_EQ(BuildSegmentDimensionArt(), kNoErr);
        return path;
    }
    static void SetTag(AIArtHandle art, const char* key, const char* text) {
        Doc().MutableArt(art)->tags[key] = sim::TagValue{"string", text, 0, 0.0, false};
    }
    static void ExpectAnchor(const LinkedAnchor& found, AIArtHandle path, int16_t index, AIRealPoint at) {
        EXPECT_EQ(found.Path, path);
        EXPECT_EQ(found.Index, index);
        EXPECT_FLOAT_EQ(found.Anchor.p.h, at.h);
        EXPECT_FLOAT_EQ(found.Anchor.p.v, at.v);
    }
};

TEST_F(ReEditFindTest, ASegmentLinkReadsBothAnchorsAsThePathStandsNow) {
    const AIArtHandle path = PathUnderNewSkeleton({{0, 0}, {10, 0}, {40, 30}});
    ASSERT_EQ(LinkOnSegment(path, 1, 2), kNoErr);
    Doc().MutableArt(path)->segments[2] = sim::CornerSegment(70, 50);
    for (const AIArtHandle part : {Dim().DimensionLines[0], Dim().DimensionLineHalves[0]}) {
        LinearAnchors found;
        ASSERT_TRUE(FindLinearAnchors(part, &found));
        EXPECT_TRUE(found.OnSegment);
        ExpectAnchor(found.First, path, 1, {10, 0});
        ExpectAnchor(found.Second, path, 2, {70, 50});
    }
}

TEST_F(ReEditFindTest, TwoPointLinksReadEachAnchorFromItsOwnPath) {
    const AIArtHandle first = Path({{5, 5}, {6, 6}});
    const AIArtHandle second = PathUnderNewSkeleton({{0, 0}, {1, 1}, {80, 20}});
    ASSERT_EQ(LinkFirstPoint(first, 1), kNoErr);
    ASSERT_EQ(LinkSecondPoint(second, 2), kNoErr);
    LinearAnchors found;
    ASSERT_TRUE(FindLinearAnchors(Dim().DimensionLines[0], &found));
    EXPECT_FALSE(found.OnSegment);
    ExpectAnchor(found.First, first, 1, {6, 6});
    ExpectAnchor(found.Second, second, 2, {80, 20});
}

TEST_F(ReEditFindTest, TheMeasuredPathIsNeverADimensionPartCarryingTheSameId) {
    const AIArtHandle path = PathUnderNewSkeleton({{0, 0}, {100, 0}});
    ASSERT_EQ(LinkOnSegment(path, 0, 1), kNoErr);
    const AIArtHandle line = Dim().DimensionLines[0];
    EXPECT_EQ(FindLinkedPath("surseg", 1), path);
    DisposeArtIfValid(&Dim().DimensionGroup);
    EXPECT_EQ(FindLinkedPath("surseg", 1), path);
    Doc().MutableArt(path)->tags.erase("surseg");
    EXPECT_EQ(FindLinkedPath("surseg", 1), nullptr);
    EXPECT_FALSE(Live(line));
}

TEST_F(ReEditFindTest, ALinkThatNoLongerLeadsToAnAnchorIsNotFound) {
    struct Case {
        const char* what;
        void (*spoil)(AIArtHandle path, AIArtHandle line);
    };
    const Case cases[] = {
        {"path deleted", [](AIArtHandle path, AIArtHandle) { Doc().DisposeArt(Doc().MutableArt(path)); }},
        {"anchor removed", [](AIArtHandle path, AIArtHandle) { Doc().MutableArt(path)->segments.pop_back(); }},
        {"link removed from the path",
         [](AIArtHandle path, AIArtHandle) { Doc().MutableArt(path)->tags.erase("surseg"); }},
        {"other id on the path", [](AIArtHandle path, AIArtHandle) { SetTag(path, "surseg", "7"); }},
        {"index unreadable", [](AIArtHandle, AIArtHandle line) { SetTag(line, "num2", "deux"); }},
        {"index negative", [](AIArtHandle, AIArtHandle line) { SetTag(line, "num1", "-1"); }},
        {"index beyond 16 bits", [](AIArtHandle, AIArtHandle line) { SetTag(line, "num1", "40000"); }},
        {"index missing", [](AIArtHandle, AIArtHandle line) { Doc().MutableArt(line)->tags.erase("num2"); }},
    };
    for (const Case& c : cases) {
        StartGroup();
        const AIArtHandle path = PathUnderNewSkeleton({{0, 0}, {10, 0}, {20, 5}});
        ASSERT_EQ(LinkOnSegment(path, 1, 2), kNoErr);
        c.spoil(path, Dim().DimensionLines[0]);
        LinearAnchors found;
        found.First.Index = 99;
        EXPECT_FALSE(FindLinearAnchors(Dim().DimensionLines[0], &found)) << c.what;
        EXPECT_EQ(found.First.Index, 99) << c.what;
    }
}

TEST_F(ReEditFindTest, AFirstPointWithoutASecondLinkIsNotFound) {
    const AIArtHandle path = PathUnderNewSkeleton({{0, 0}, {10, 0}});
    ASSERT_EQ(LinkFirstPoint(path, 0), kNoErr);
    LinearAnchors found;
    EXPECT_FALSE(FindLinearAnchors(Dim().DimensionLines[0], &found));
    EXPECT_FALSE(FindLinearAnchors(Dim().LabelFrames[0], &found));
}

TEST_F(ReEditFindTest, ACircleLinkReadsTheArcEndsFromEitherPart) {
    const AIArtHandle path = Doc().DrawPath({sim::CurveSegment({100, 0}, {100, 0}, {100, 55.2285f}),
                                             sim::CurveSegment({0, 100}, {55.2285f, 100}, {0, 100})},
                                            false);
    StartGroup();
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkCircle(path, 0, 1), kNoErr);
    for (const AIArtHandle part : Dim().CircleParts) {
        CircleAnchors found;
        ASSERT_TRUE(FindCircleAnchors(part, &found));
        ExpectAnchor(found.First, path, 0, {100, 0});
        ExpectAnchor(found.Second, path, 1, {0, 100});
        EXPECT_FLOAT_EQ(found.First.Anchor.out.v, 55.2285f);
    }
}

TEST_F(ReEditFindTest, UpdateAllVisitsEachLinkedDimensionOfItsKindOnce) {
    const AIArtHandle path = Path({{0, 0}, {50, 0}, {50, 40}});
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkOnSegment(path, 0, 1), kNoErr);
    const AIArtHandle onSegment = Dim().DimensionLines[0];
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkFirstPoint(path, 0), kNoErr);
    ASSERT_EQ(LinkSecondPoint(path, 2), kNoErr);
    const AIArtHandle twoPoints = Dim().DimensionLines[0];
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    StartGroup();
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkCircle(path, 1, 2), kNoErr);
    StartGroup();
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    AIArtHandle secondArc = nullptr;
    ASSERT_EQ(NewDimensionPart(kPathArt, nullptr, &secondArc), kNoErr);
    Dim().AngleArcs[1] = secondArc;
    ASSERT_EQ(LinkAngle(path, 0, 1, 2), kNoErr);
    const AIArtHandle angle = Dim().AngleArcs[0];

    EXPECT_EQ(LinearDimensionsToUpdate(), (std::vector<AIArtHandle>{twoPoints, onSegment}));
    EXPECT_EQ(AngleDimensionsToUpdate(), (std::vector<AIArtHandle>{secondArc}));
    Doc().MutableArt(secondArc)->tags.erase("moda");
    EXPECT_EQ(AngleDimensionsToUpdate(), (std::vector<AIArtHandle>{angle}));
    EXPECT_EQ(TagsOf(path).count("red"), 0u);
}

}  // namespace
}  // namespace dimtest
