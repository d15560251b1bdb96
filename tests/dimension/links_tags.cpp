// Which tag of a link lands on the measured path and which on the dimension's parts, for every link.
#include <functional>
#include <ostream>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "panel/CurrentOptions.h"
#include "skeleton_fixture.h"
#include "records/HitState.h"

using dimtest::DimensionArtTest;
using dimtest::Tags;

namespace {

struct LinkCase {
    const char* name;
    std::function<ASErr()> build;
    std::function<ASErr(AIArtHandle)> link;
    Tags path;                              // every tag of the measured path afterwards
    std::function<AIArtHandle()> part;      // a part that carries the link
    Tags partTags;                          // every tag of that part
};

AIArtHandle Line() { return gCurrentDimension.DimensionLines[0]; }
AIArtHandle Half() { return gCurrentDimension.DimensionLineHalves[0]; }

const LinkCase kLinks[] = {
    {"FirstPoint",
     BuildSegmentDimensionArt,
     [](AIArtHandle p) { return LinkFirstPoint(p, 3); },
     {{"segpt1", "1"}},
     Line,
     {{"vek", "jj"}, {"mods", "jj"}, {"red", "jj"}, {"segpt1", "1"}, {"num1", "3"}}},
    {"FirstPointOnTheSecondPart",
     BuildSegmentDimensionArt,
     [](AIArtHandle p) { return LinkFirstPoint(p, 3); },
     {{"segpt1", "1"}},
     Half,
     {{"vek", "jj"}, {"mods", "jj"}, {"segpt1", "1"}, {"num1", "3"}}},
    {"SecondPoint",
     BuildSegmentDimensionArt,
     [](AIArtHandle p) { return LinkSecondPoint(p, 12); },
     {{"segpt2", "1"}},
     Half,
     {{"vek", "jj"}, {"mods", "jj"}, {"segpt2", "1"}, {"num2", "12"}}},
    {"OnSegment",
     BuildSegmentDimensionArt,
     [](AIArtHandle p) { return LinkOnSegment(p, 0, 1); },
     {{"surseg", "1"}},
     Line,
     {{"vek", "jj"}, {"mods", "jj"}, {"red", "jj"}, {"surseg", "1"}, {"num1", "0"}, {"num2", "1"}}},
    {"Angle",
     BuildAngleDimensionArt,
     [](AIArtHandle p) { return LinkAngle(p, 4, 0, 1); },
     {{"ang", "1"}},
     [] { return gCurrentDimension.AngleArcs[0]; },
     {{"vek", "jj"}, {"moda", "jj"}, {"ang", "1"}, {"num1", "4"}, {"num2", "0"}, {"num3", "1"}}},
    {"Circle",
     BuildCircleDimensionArt,
     [](AIArtHandle p) { return LinkCircle(p, 1, 2); },
     {{"cer", "1"}},
     [] { return gCurrentDimension.CircleParts[1]; },
     {{"vek", "jj"}, {"modc", "jj"}, {"cer", "1"}, {"num1", "1"}, {"num2", "2"}}},
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class LinkTags : public DimensionArtTest, public ::testing::WithParamInterface<LinkCase> {};

}  // namespace

TEST_P(LinkTags, TheLinkKeyGoesOnThePathAndTheIndexesOnlyOnTheParts) {
    const LinkCase& c = GetParam();
    AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 80}, {0, 80}, {0, 40}});
    ASSERT_EQ(c.build(), kNoErr);
    ASSERT_EQ(c.link(path), kNoErr);
    EXPECT_EQ(TagsOf(path), c.path);
    EXPECT_EQ(TagsOf(c.part()), c.partTags);
    // The label, end marks and extension lines carry no link.
    for (AIArtHandle other : {Dim().LabelFrames[0], Dim().EndMarks[0][0], Dim().EndMarks[1][0]}) {
        if (other != nullptr) {
            EXPECT_EQ(TagsOf(other), BareTags(other));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLink, LinkTags, ::testing::ValuesIn(kLinks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DimensionArtTest, TheCircleLinkAndRefreshMarkerLieOnTheFirstCirclePart) {
    AIArtHandle path = Path({{0, 0}, {50, 50}, {100, 0}});
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkCircle(path, 0, 2), kNoErr);
    EXPECT_EQ(
        TagsOf(Dim().CircleParts[0]),
        (Tags{{"vek", "jj"}, {"modc", "jj"}, {"red", "jj"}, {"cer", "1"}, {"num1", "0"}, {"num2", "2"}}));
}

TEST_F(DimensionArtTest, AnAngleLinkNeverMarksTheMeasuredPathAsAnAngleDimension) {
    AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 80}});
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkAngle(path, 0, 1, 2), kNoErr);
    EXPECT_EQ(TagsOf(path).count(DimensionArtFormat::AngleMarker), 0u);
    EXPECT_EQ(TagsOf(path).count(DimensionArtFormat::Vek), 0u);
}

TEST_F(DimensionArtTest, APointMeasuredFromACentreLeavesTheLinesUnmarked) {
    gHitState.HoverFlags.OverCentre = 1;
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]), (Tags{{"vek", "jj"}}));
    EXPECT_EQ(TagsOf(Dim().DimensionLineHalves[0]), (Tags{{"vek", "jj"}}));
}

TEST_F(DimensionArtTest, AMissingPathGetsNoLinkAndThePartsStayUnlinked) {
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    AIArtHandle gone = Path({{0, 0}, {10, 0}});
    Doc().DisposeArt(Doc().MutableArt(gone));
    EXPECT_EQ(LinkFirstPoint(gone, 0), kStaleHandleErr);
    EXPECT_EQ(LinkOnSegment(nullptr, 0, 1), kBadParameterErr);
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]), (Tags{{"vek", "jj"}, {"mods", "jj"}, {"red", "jj"}}));
    EXPECT_EQ(Dim().LinkKey, nullptr);
}

TEST_F(DimensionArtTest, APartTheUserDeletedIsSkippedAndTheOthersAreLinked) {
    AIArtHandle path = Path({{0, 0}, {10, 0}});
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    Doc().DisposeArt(Doc().MutableArt(Dim().DimensionLineHalves[0]));
    EXPECT_EQ(LinkSecondPoint(path, 1), kNoErr);
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]).at("segpt2"), "1");
    EXPECT_EQ(TagsOf(path), (Tags{{"segpt2", "1"}}));
}

TEST_F(DimensionArtTest, TheLinkWrittenLastIsKeptWithTheDimensionUntilItIsCleared) {
    AIArtHandle path = Path({{0, 0}, {100, 0}, {100, 80}});
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    ASSERT_EQ(LinkAngle(path, 2, 0, 1), kNoErr);
    EXPECT_STREQ(Dim().LinkKey, "ang");
    EXPECT_EQ(Dim().LinkId, 1);
    EXPECT_EQ(Dim().LinkIndexes[0], 2);
    EXPECT_EQ(Dim().LinkIndexes[2], 1);
    ClearCurrentDimension();
    EXPECT_EQ(Dim().LinkKey, nullptr);
    EXPECT_EQ(Dim().LinkIndexes[0], -1);
}
