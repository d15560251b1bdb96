// The parts each skeleton builder makes: which, in which paint order, tagged and marked, with its editing
// flag.
#include <functional>
#include <ostream>

#include "frame/ArrowHeads.h"
#include "host/ArtSuite.h"
#include "panel/CurrentOptions.h"
#include "skeleton_fixture.h"
#include "records/HitState.h"
#include "records/ToolState.h"

using dimtest::DimensionArtTest;
using dimtest::Tags;

namespace {

// The name of the CurrentDimension field that holds `art`, e.g. "EndMarks[1][0]"; "?" for none.
std::string RoleOf(AIArtHandle art) {
    const CurrentDimension& d = gCurrentDimension;
    const auto indexed = [](const char* name, size_t i) {
        return std::string(name) + "[" + std::to_string(i) + "]";
    };
    for (size_t i = 0; i < kSeriesCapacity; ++i) {
        if (art == d.LabelFrames[i]) return indexed("LabelFrames", i);
        if (art == d.DimensionLines[i]) return indexed("DimensionLines", i);
        if (art == d.DimensionLineHalves[i]) return indexed("DimensionLineHalves", i);
        for (size_t k = 0; k < kEndMarkSets; ++k)
            if (art == d.EndMarks[k][i]) return indexed("EndMarks", k) + "[" + std::to_string(i) + "]";
    }
    for (size_t i = 0; i < kExtensionLineCount; ++i)
        if (art == d.ExtensionLines[i]) return indexed("ExtensionLines", i);
    for (size_t i = 0; i < kAngleArcCapacity; ++i)
        if (art == d.AngleArcs[i]) return indexed("AngleArcs", i);
    for (size_t i = 0; i < kCirclePartCount; ++i)
        if (art == d.CircleParts[i]) return indexed("CircleParts", i);
    return art == d.AuxLine ? "AuxLine" : "?";
}

using Order = std::vector<std::string>;

struct SkeletonCase {
    const char* name;
    std::function<ASErr()> build;
    Order parts;                  // top first
    int32_t ToolState::*editing;  // the flag the builder sets
};

void PrintTo(const SkeletonCase& c, std::ostream* out) { *out << c.name; }

const SkeletonCase kSkeletons[] = {
    {"Segment",
     BuildSegmentDimensionArt,
     {"LabelFrames[0]", "DimensionLines[0]", "DimensionLineHalves[0]", "EndMarks[0][0]", "EndMarks[1][0]",
      "ExtensionLines[0]", "ExtensionLines[1]"},
     &ToolState::EditingSegment},
    {"ArcLength",
     BuildArcLengthDimensionArt,
     {"LabelFrames[0]", "AngleArcs[0]", "EndMarks[0][0]", "EndMarks[1][0]", "ExtensionLines[0]",
      "ExtensionLines[1]"},
     &ToolState::EditingSegment},
    {"Offset",
     BuildOffsetDimensionArt,
     {"LabelFrames[0]", "DimensionLines[0]", "EndMarks[0][0]", "EndMarks[1][0]", "ExtensionLines[0]",
      "ExtensionLines[1]"},
     &ToolState::EditingSegment},
    {"Angle",
     BuildAngleDimensionArt,
     {"LabelFrames[0]", "AngleArcs[0]", "EndMarks[0][0]", "EndMarks[1][0]"},
     &ToolState::EditingAngle},
    {"ArcAngle",
     BuildArcAngleDimensionArt,
     {"LabelFrames[0]", "AngleArcs[0]", "EndMarks[0][0]", "EndMarks[1][0]", "ExtensionLines[0]"},
     &ToolState::EditingAngle},
    {"CircleRadius",
     BuildCircleDimensionArt,
     {"LabelFrames[0]", "CircleParts[0]", "CircleParts[1]", "EndMarks[0][0]"},
     &ToolState::EditingCircle},
    {"LocalRadius",
     BuildLocalRadiusArt,
     {"LabelFrames[0]", "AuxLine", "EndMarks[0][0]"},
     &ToolState::EditingBezier},
    {"LocalTangent", BuildLocalTangentArt, {"AuxLine", "DimensionLines[0]"}, &ToolState::EditingBezier},
    {"Reticle",
     BuildReticleArt,
     {"DimensionLines[0]", "DimensionLines[1]", "DimensionLines[2]", "DimensionLines[3]", "DimensionLines[4]",
      "DimensionLines[5]"},
     &ToolState::EditingBezier},
};

class SkeletonParts : public DimensionArtTest, public ::testing::WithParamInterface<SkeletonCase> {
protected:
    static Order PaintOrder() {
        Order order;
        for (AIArtHandle part : Children(Dim().DimensionGroup)) order.push_back(RoleOf(part));
        return order;
    }
};

}  // namespace

TEST_P(SkeletonParts, MakesItsPartsInTheGroupInAFixedOrderEachTagged) {
    const SkeletonCase& c = GetParam();
    EXPECT_EQ(c.build(), kNoErr);
    EXPECT_EQ(PaintOrder(), c.parts);
    for (AIArtHandle part : Children(Dim().DimensionGroup)) {
        EXPECT_EQ(TagsOf(part).at("vek"), "jj") << RoleOf(part);
        EXPECT_EQ(Node(part).type, RoleOf(part).starts_with("LabelFrames") ? kTextFrameArt : kPathArt);
    }
    EXPECT_EQ(gToolState.*c.editing, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryBuilder, SkeletonParts, ::testing::ValuesIn(kSkeletons),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DimensionArtTest, OnlyTheCircleAndLinearLinesCarryKindAndRefreshMarkers) {
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    EXPECT_EQ(TagsOf(Dim().DimensionLines[0]), (Tags{{"vek", "jj"}, {"mods", "jj"}, {"red", "jj"}}));
    EXPECT_EQ(TagsOf(Dim().DimensionLineHalves[0]), (Tags{{"vek", "jj"}, {"mods", "jj"}}));
    StartGroup();
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    EXPECT_EQ(TagsOf(Dim().CircleParts[0]), (Tags{{"vek", "jj"}, {"modc", "jj"}, {"red", "jj"}}));
    EXPECT_EQ(TagsOf(Dim().CircleParts[1]), (Tags{{"vek", "jj"}, {"modc", "jj"}}));
    for (const auto& build : {BuildAngleDimensionArt, BuildArcLengthDimensionArt, BuildOffsetDimensionArt}) {
        StartGroup();
        ASSERT_EQ(build(), kNoErr);
        for (AIArtHandle part : Children(Dim().DimensionGroup))
            EXPECT_EQ(TagsOf(part), BareTags(part));
    }
}

TEST_F(DimensionArtTest, ADiameterHasAnEndMarkAtEachEnd) {
    gCurrentOptions.Diameter = 1;
    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
    EXPECT_EQ(Children(Dim().DimensionGroup).size(), 5u);
    EXPECT_TRUE(Live(Dim().EndMarks[0][0]));
    EXPECT_TRUE(Live(Dim().EndMarks[1][0]));
}

TEST_F(DimensionArtTest, NoEndMarksAtSizeZeroAndFourWithThePointVariantOfTheCustomPreset) {
    gCurrentOptions.EndMarkSize = 0.0;
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    for (size_t k = 0; k < kEndMarkSets; ++k) EXPECT_EQ(Dim().EndMarks[k][0], nullptr);
    EXPECT_EQ(Children(Dim().DimensionGroup).size(), 5u);

    gCurrentOptions.EndMarkSize = 100.0;
    gCurrentOptions.ArrowHeads = 0;
    gCurrentOptions.ArrowPreset = kCustomArrowPreset;
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    const Order expected = {"DimensionLineHalves[0]", "EndMarks[0][0]", "EndMarks[1][0]", "EndMarks[2][0]",
                            "EndMarks[3][0]", "ExtensionLines[0]"};
    const std::vector<AIArtHandle> parts = Children(Dim().DimensionGroup);
    ASSERT_EQ(parts.size(), 9u);
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(RoleOf(parts[i + 2]), expected[i]);

    StartGroup();
    ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
    EXPECT_TRUE(Live(Dim().EndMarks[2][0]));
    EXPECT_EQ(Dim().EndMarks[1][0], nullptr);
    EXPECT_EQ(Dim().EndMarks[3][0], nullptr);
}

TEST_F(DimensionArtTest, ASeriesMakesOneDimensionBetweenEachTwoPointsWithTheLabelsOnTop) {
    gToolState.ClickCount = 4;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    const std::vector<AIArtHandle> parts = Children(Dim().DimensionGroup);
    ASSERT_EQ(parts.size(), 3u * 5u);
    EXPECT_EQ(RoleOf(parts[0]), "LabelFrames[0]");
    EXPECT_EQ(RoleOf(parts[2]), "LabelFrames[2]");
    EXPECT_EQ(RoleOf(parts[3]), "DimensionLines[0]");
    EXPECT_EQ(RoleOf(parts[14]), "EndMarks[1][2]");
    EXPECT_EQ(Dim().LabelFrames[3], nullptr);
    for (AIArtHandle part : parts) EXPECT_EQ(TagsOf(part), BareTags(part));
    EXPECT_EQ(gToolState.EditingSegment, 1);
}

TEST_F(DimensionArtTest, ASeriesTakesAtMostNineDimensionsAndForgetsTheHandlesOfALongerOne) {
    gToolState.ClickCount = 25;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    EXPECT_TRUE(Live(Dim().LabelFrames[8]));
    EXPECT_EQ(Dim().LabelFrames[9], nullptr);
    const AIArtHandle oldSeventh = Dim().DimensionLines[6];
    StartGroup();
    gToolState.ClickCount = 3;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    EXPECT_EQ(Dim().DimensionLines[6], nullptr);
    EXPECT_TRUE(Live(oldSeventh));
    gToolState.ClickCount = 1;
    StartGroup();
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    EXPECT_TRUE(Children(Dim().DimensionGroup).empty());
}

TEST_F(DimensionArtTest, ANewSkeletonForgetsThePartsOfThePreviousDimensionButLeavesTheirArt) {
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    const AIArtHandle oldLine = Dim().DimensionLines[0];
    StartGroup();
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    EXPECT_EQ(Dim().DimensionLines[0], nullptr);
    EXPECT_EQ(Dim().ExtensionLines[1], nullptr);
    EXPECT_TRUE(Live(oldLine));
}

TEST_F(DimensionArtTest, WithoutALiveGroupNothingIsMadeAndNoFlagIsSet) {
    AIArtHandle group = Dim().DimensionGroup;
    Doc().DisposeArt(Doc().MutableArt(group));
    const size_t before = Doc().ArtCount();
    EXPECT_EQ(BuildSegmentDimensionArt(), kStaleHandleErr);
    EXPECT_EQ(Doc().ArtCount(), before);
    EXPECT_EQ(gToolState.EditingSegment, 0);
    Dim().DimensionGroup = nullptr;
    EXPECT_EQ(BuildCircleDimensionArt(), kBadParameterErr);
    EXPECT_EQ(gToolState.EditingCircle, 0);
}

TEST_F(DimensionArtTest, AGroupOnALockedLayerGetsNoPartsAndTheErrorIsReturned) {
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    EXPECT_EQ(BuildAngleDimensionArt(), kLockedErr);
    EXPECT_TRUE(Children(Dim().DimensionGroup).empty());
    EXPECT_EQ(Dim().AngleArcs[0], nullptr);
}
