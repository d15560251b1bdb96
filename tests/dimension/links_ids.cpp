// Link ids: a path keeps its id, a new id is one more than the largest in the document, never a repeat.
#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "host/ArtSuite.h"
#include "skeleton_fixture.h"

using dimtest::DimensionArtTest;
using dimtest::Tags;

namespace {

class LinkIds : public DimensionArtTest {
protected:
    // A one-click dimension of a new segment in a group of its own; the segment is returned.
    static AIArtHandle DimensionOnNewSegment(float v) {
        AIArtHandle path = Path({{0, v}, {100, v}});
        StartGroup();
        EXPECT_EQ(BuildSegmentDimensionArt(), kNoErr);
        EXPECT_EQ(LinkOnSegment(path, 0, 1), kNoErr);
        return path;
    }
    static std::string Id(AIArtHandle art, const char* key) { return TagsOf(art)[key]; }
};

}  // namespace

TEST_F(LinkIds, ADeletedDimensionNeverLetsItsIdBeGivenAgain) {
    AIArtHandle first = DimensionOnNewSegment(0);
    AIArtHandle firstGroup = Dim().DimensionGroup;
    AIArtHandle second = DimensionOnNewSegment(50);
    EXPECT_EQ(Id(first, "surseg"), "1");
    EXPECT_EQ(Id(second, "surseg"), "2");
    // The user deletes the first segment and its dimension: one linked path is left, yet the next id is 3.
    Doc().DisposeArt(Doc().MutableArt(first));
    Doc().DisposeArt(Doc().MutableArt(firstGroup));
    AIArtHandle third = DimensionOnNewSegment(100);
    EXPECT_EQ(Id(third, "surseg"), "3");
    EXPECT_EQ(Id(Dim().DimensionLines[0], "surseg"), "3");
}

TEST_F(LinkIds, TheIdsOfADeletedPathStillHeldByItsDimensionAreNotReused) {
    AIArtHandle first = DimensionOnNewSegment(0);
    DimensionOnNewSegment(50);
    Doc().DisposeArt(Doc().MutableArt(first));
    DimensionOnNewSegment(100);
    EXPECT_EQ(Id(Dim().DimensionLines[0], "surseg"), "3");
}

TEST_F(LinkIds, APathAlreadyLinkedKeepsItsIdForEveryDimensionOnIt) {
    AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 100}});
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkFirstPoint(path, 0), kNoErr);
    DimensionOnNewSegment(200);
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkFirstPoint(path, 2), kNoErr);
    EXPECT_EQ(Id(path, "segpt1"), "1");
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]).at("segpt1"), "1");
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]).at("num1"), "2");
}

TEST_F(LinkIds, EachLinkKeyCountsItsOwnIds) {
    DimensionOnNewSegment(0);
    DimensionOnNewSegment(50);
    AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 100}});
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkFirstPoint(path, 0), kNoErr);
    ASSERT_EQ(LinkSecondPoint(path, 2), kNoErr);
    EXPECT_EQ(TagsOf(path), (Tags{{"segpt1", "1"}, {"segpt2", "1"}}));
}

TEST_F(LinkIds, LockedAndHiddenArtCountsTowardsTheLargestId) {
    AIArtHandle locked = Path({{0, 0}, {10, 0}});
    sim::TheDocument().SetUserAttr(Doc().MutableArt(locked), kArtLocked | kArtHidden,
                                   kArtLocked | kArtHidden);
    Doc().MutableArt(locked)->tags["cer"] = sim::TagValue{"string", "41"};
    AIArtHandle path = Path({{0, 0}, {50, 50}, {100, 0}});
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkCircle(path, 0, 2), kNoErr);
    EXPECT_EQ(Id(path, "cer"), "42");
}

TEST_F(LinkIds, AnIdThatIsNoNumberIsReplacedByANewOne) {
    AIArtHandle path = Path({{0, 0}, {10, 0}});
    Doc().MutableArt(path)->tags["segpt2"] = sim::TagValue{"string", "x7"};
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    ASSERT_EQ(LinkSecondPoint(path, 1), kNoErr);
    EXPECT_EQ(Id(path, "segpt2"), "1");
    int32_t id = 0;
    EXPECT_FALSE(ReadLinkId(path, "segpt1", &id));
    EXPECT_TRUE(ReadLinkId(path, "segpt2", &id));
    EXPECT_EQ(id, 1);
    EXPECT_EQ(NewLinkId("segpt2"), 2);
    EXPECT_EQ(NewLinkId("ang"), 1);
}
