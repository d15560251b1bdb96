// The handles of the dimension being built: disposing only art the host knows, forgetting without disposing,
// and the list of division marks.
#include "host/ArtSuite.h"
#include "skeleton_fixture.h"
#include "records/ToolState.h"

using dimtest::DimensionArtTest;
using dimtest::Tags;

TEST_F(DimensionArtTest, DisposeArtIfValidDisposesLiveArtAndNullsTheHandle) {
    AIArtHandle path = Path({{0, 0}, {10, 0}});
    AIArtHandle kept = Path({{0, 5}, {10, 5}});
    DisposeArtIfValid(&path);
    EXPECT_EQ(path, nullptr);
    EXPECT_EQ(Doc().ArtCount(), 2u);
    EXPECT_TRUE(Live(kept));
}

TEST_F(DimensionArtTest, DisposeArtIfValidLeavesNullAndStaleHandlesAlone) {
    AIArtHandle none = nullptr;
    DisposeArtIfValid(&none);
    DisposeArtIfValid(nullptr);
    AIArtHandle path = Path({{0, 0}, {10, 0}});
    AIArtHandle stale = path;
    Doc().DisposeArt(Doc().MutableArt(path));
    const size_t before = Doc().ArtCount();
    DisposeArtIfValid(&stale);
    EXPECT_EQ(stale, nullptr);
    EXPECT_EQ(Doc().ArtCount(), before);
}

TEST_F(DimensionArtTest, DisposingTheGroupLeavesEveryPartHandleStale) {
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    const AIArtHandle line = Dim().DimensionLines[0];
    DisposeArtIfValid(&Dim().DimensionGroup);
    EXPECT_EQ(Dim().DimensionGroup, nullptr);
    EXPECT_FALSE(IsLiveArt(line));
    EXPECT_EQ(Doc().ArtCount(), 0u);
}

TEST_F(DimensionArtTest, ClearingForgetsEveryHandleOfTheDimensionAndKeepsItsArt) {
    gToolState.ClickCount = 6;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    const size_t made = Doc().ArtCount();
    ClearCurrentDimension();
    const CurrentDimension& d = Dim();
    EXPECT_EQ(d.DimensionGroup, nullptr);
    for (size_t i = 0; i < kSeriesCapacity; ++i) {
        EXPECT_EQ(d.LabelFrames[i], nullptr) << i;
        EXPECT_EQ(d.DimensionLines[i], nullptr) << i;
        EXPECT_EQ(d.DimensionLineHalves[i], nullptr) << i;
        for (size_t k = 0; k < kEndMarkSets; ++k) EXPECT_EQ(d.EndMarks[k][i], nullptr) << k << "," << i;
    }
    EXPECT_EQ(Doc().ArtCount(), made);
}

TEST_F(DimensionArtTest, DivisionMarksArePushedTaggedAndDroppedFromTheHead) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    EXPECT_EQ(gToolState.EditingBezier, 1);
    EXPECT_EQ(DivisionMarkCount(), 0u);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(PushDivisionMark(), kNoErr);
    const std::vector<AIArtHandle> parts = Children(Dim().DimensionGroup);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(gDivisionMarks.Head->Path, parts[0]);
    for (AIArtHandle part : parts) EXPECT_EQ(TagsOf(part), (Tags{{"vek", "jj"}}));
    DropDivisionMark();
    EXPECT_EQ(DivisionMarkCount(), 2u);
    EXPECT_FALSE(Live(parts[0]));
    // A new list forgets the old nodes; their marks stay in the document.
    StartGroup();
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    EXPECT_EQ(DivisionMarkCount(), 0u);
    EXPECT_TRUE(Live(parts[1]));
    EXPECT_TRUE(Live(parts[2]));
    DropDivisionMark();
}

TEST_F(DimensionArtTest, TheTicksOfAFinishedDivisionAreOutOfReachOfTheNextConstruction) {
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(PushDivisionMark(), kNoErr);
    const std::vector<AIArtHandle> ticks = Children(Dim().DimensionGroup);
    // A local radius follows; the panel then takes marks from the head of the list as the count drops.
    StartGroup();
    ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
    EXPECT_EQ(DivisionMarkCount(), 0u);
    DropDivisionMark();
    for (AIArtHandle tick : ticks) EXPECT_TRUE(Live(tick));
    // The same after the tool lets the dimension go.
    StartGroup();
    ASSERT_EQ(StartDivisionTickList(), kNoErr);
    ASSERT_EQ(PushDivisionMark(), kNoErr);
    const AIArtHandle tick = Children(Dim().DimensionGroup).front();
    ClearCurrentDimension();
    EXPECT_EQ(DivisionMarkCount(), 0u);
    DropDivisionMark();
    EXPECT_TRUE(Live(tick));
}

TEST_F(DimensionArtTest, ADivisionMarkNeedsALiveGroup) {
    Dim().DimensionGroup = nullptr;
    EXPECT_EQ(PushDivisionMark(), kBadParameterErr);
    EXPECT_EQ(DivisionMarkCount(), 0u);
}
