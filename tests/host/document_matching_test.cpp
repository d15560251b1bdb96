// Matching art over the whole document, host memory blocks and art sets.
#include <cstdint>
#include <cstring>

#include "document_fixture.h"

class MatchingTest : public DocumentTest {
  protected:
    // The names of the art matching the specs, in the order the host hands them out; disposes the block.
    std::vector<std::string> Match(std::vector<AIMatchingArtSpec> specs) {
        AIMdMemoryHandle block = nullptr;
        int32_t count = -1;
        EXPECT_EQ(kNoErr,
                  matching->GetMatchingArt(specs.data(), static_cast<int16_t>(specs.size()), &block, &count));
        std::vector<std::string> names;
        if (count == 0) {
            EXPECT_EQ(nullptr, block);
            return names;
        }
        size_t size = 0;
        EXPECT_EQ(kNoErr, memory->MdMemoryGetSize(block, &size));
        EXPECT_EQ(static_cast<size_t>(count) * sizeof(AIArtHandle), size);
        void* data = nullptr;
        EXPECT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
        for (int32_t i = 0; i < count; ++i) {
            names.push_back(doc.DisplayName(static_cast<AIArtHandle*>(data)[i]));
        }
        EXPECT_EQ(kNoErr, memory->MdMemoryDisposeHandle(block));
        return names;
    }
};

using Names = std::vector<std::string>;

TEST_F(MatchingTest, PathsInsideNestedGroupsOnEveryLayerAreFoundTopFirst) {
    doc.DrawPolyline({{0, 0}, {10, 0}}, false, "bottom layer path");
    AILayerHandle top = doc.AddLayer("Cotes");
    AIArtHandle outer = doc.NewGroup(nullptr, "outer");
    AIArtHandle inner = doc.NewGroup(outer, "inner");
    AIArtHandle deep = doc.DrawPolyline({{0, 0}, {5, 5}}, false, "deep");
    ASSERT_EQ(kNoErr, doc.MoveInto(deep, inner));
    AIArtHandle loose = doc.DrawPolyline({{1, 1}, {2, 2}}, false, "loose", top);
    ASSERT_EQ(kNoErr, doc.MoveInto(loose, outer));
    doc.DrawPolyline({{3, 3}, {4, 4}}, true, "top path", top);

    EXPECT_EQ((Names{"top path", "loose", "deep", "bottom layer path"}), Match({{kPathArt, 0, 0}}));
    EXPECT_EQ((Names{"outer", "inner"}), Match({{kGroupArt, 0, 0}}));
    EXPECT_EQ((Names{"top path", "outer", "loose", "inner", "deep", "bottom layer path"}),
              Match({{kAnyArt, 0, 0}}));
    EXPECT_EQ(0u, doc.LiveMemoryBlocks());
}

TEST_F(MatchingTest, AttributeFiltersSelectOnTheGivenBitsOnly) {
    AIArtHandle locked = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "locked");
    AIArtHandle selected = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "selected");
    AIArtHandle both = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "both");
    doc.DrawPolyline({{0, 0}, {1, 1}}, false, "plain");
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(locked, kArtLocked, kArtLocked));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(selected, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr,
              art->SetArtUserAttr(both, kArtLocked | kArtFullySelected, kArtLocked | kArtFullySelected));

    EXPECT_EQ((Names{"plain", "selected"}), Match({{kPathArt, kArtLocked, 0}}));
    EXPECT_EQ((Names{"both", "locked"}), Match({{kPathArt, kArtLocked, kArtLocked}}));
    EXPECT_EQ((Names{"both", "selected"}), Match({{kPathArt, kArtFullySelected, kArtFullySelected}}));
    EXPECT_EQ((Names{"selected"}), Match({{kPathArt, kArtFullySelected | kArtLocked, kArtFullySelected}}));
    // Either of two specs; art matching both is listed once.
    EXPECT_EQ((Names{"both", "selected", "locked"}),
              Match({{kPathArt, kArtLocked, kArtLocked}, {kPathArt, kArtSelected, kArtSelected}}));
    EXPECT_EQ(Names{}, Match({{kGroupArt, 0, 0}}));
}

TEST_F(MatchingTest, DisposedArtIsNeverHandedOut) {
    AIArtHandle g = doc.NewGroup(nullptr, "g");
    AIArtHandle inside = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "inside");
    ASSERT_EQ(kNoErr, doc.MoveInto(inside, g));
    AIArtHandle gone = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "gone");
    doc.DrawPolyline({{0, 0}, {1, 1}}, false, "kept");
    ASSERT_EQ(kNoErr, art->DisposeArt(gone));
    ASSERT_EQ(kNoErr, art->DisposeArt(g));
    EXPECT_EQ((Names{"kept"}), Match({{kPathArt, 0, 0}}));
}

TEST_F(MatchingTest, BadRequestsAnswerErrors) {
    AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIMdMemoryHandle block = nullptr;
    int32_t count = 0;
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(nullptr, 1, &block, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(&paths, 0, &block, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(&paths, 1, nullptr, &count));
    EXPECT_EQ(kBadParameterErr, matching->GetMatchingArt(&paths, 1, &block, nullptr));
    EXPECT_EQ(kBadParameterErr, matching->GetSelectedArt(nullptr, &count));
    EXPECT_EQ(kBadParameterErr, matching->IsSomeArtSelected(nullptr));
    EXPECT_EQ(0u, doc.LiveMemoryBlocks());
}

TEST_F(MatchingTest, MemoryBlocksGrowZeroFilledAndKeepTheirBytes) {
    AIMdMemoryHandle block = nullptr;
    ASSERT_EQ(kNoErr, memory->MdMemoryNewHandle(4, &block));
    void* data = nullptr;
    ASSERT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
    EXPECT_EQ(0, std::memcmp(data, "\0\0\0\0", 4));
    std::memcpy(data, "abcd", 4);
    ASSERT_EQ(kNoErr, memory->MdMemoryResize(block, 8));
    ASSERT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
    EXPECT_EQ(0, std::memcmp(data, "abcd\0\0\0\0", 8));
    ASSERT_EQ(kNoErr, memory->MdMemoryResize(block, 2));
    size_t size = 0;
    ASSERT_EQ(kNoErr, memory->MdMemoryGetSize(block, &size));
    EXPECT_EQ(2u, size);
    EXPECT_EQ(1u, doc.LiveMemoryBlocks());
    ASSERT_EQ(kNoErr, memory->MdMemoryDisposeHandle(block));
    EXPECT_EQ(0u, doc.LiveMemoryBlocks());
    EXPECT_EQ(kBadParameterErr, memory->MdMemoryNewHandle(4, nullptr));
}

TEST_F(MatchingTest, MemoryBlocksTooLargeForTheHostAnswerOutOfMemoryAndChangeNothing) {
    AIMdMemoryHandle block = reinterpret_cast<AIMdMemoryHandle>(&block);
    EXPECT_EQ(kOutOfMemoryErr, memory->MdMemoryNewHandle(SIZE_MAX, &block));
    EXPECT_EQ(nullptr, block);
    EXPECT_EQ(kOutOfMemoryErr, memory->MdMemoryNewHandle(sim::kLargestHostBlock + 1, &block));
    EXPECT_EQ(0u, doc.LiveMemoryBlocks());
    ASSERT_EQ(kNoErr, memory->MdMemoryNewHandle(3, &block));
    void* data = nullptr;
    ASSERT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
    std::memcpy(data, "ab", 3);
    EXPECT_EQ(kOutOfMemoryErr, memory->MdMemoryResize(block, SIZE_MAX));
    size_t size = 0;
    ASSERT_EQ(kNoErr, memory->MdMemoryGetSize(block, &size));
    EXPECT_EQ(3u, size);
    ASSERT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
    EXPECT_STREQ("ab", static_cast<const char*>(data));
    EXPECT_EQ(kNoErr, memory->MdMemoryDisposeHandle(block));
}

TEST_F(MatchingTest, ArtSetsKeepEachArtOnceInTheOrderAdded) {
    AIArtHandle a = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "a");
    AIArtHandle b = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "b");
    AIArtHandle notInSet = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "c");
    AIArtSet set = nullptr;
    ASSERT_EQ(kNoErr, artSet->NewArtSet(&set));
    ASSERT_EQ(kNoErr, artSet->AddArtToArtSet(set, b));
    ASSERT_EQ(kNoErr, artSet->AddArtToArtSet(set, a));
    ASSERT_EQ(kNoErr, artSet->AddArtToArtSet(set, b));
    int32_t count = 0;
    ASSERT_EQ(kNoErr, artSet->CountArtSet(set, &count));
    EXPECT_EQ(2, count);
    AIArtHandle member = nullptr;
    ASSERT_EQ(kNoErr, artSet->IndexArtSet(set, 0, &member));
    EXPECT_EQ(b, member);
    ASSERT_EQ(kNoErr, artSet->IndexArtSet(set, 1, &member));
    EXPECT_EQ(a, member);
    EXPECT_EQ(kIndexOutOfRangeErr, artSet->IndexArtSet(set, 2, &member));
    EXPECT_EQ(nullptr, member);

    // Removing art that is not in the set is no error and changes nothing.
    ASSERT_EQ(kNoErr, artSet->RemoveArtFromArtSet(set, notInSet));
    ASSERT_EQ(kNoErr, artSet->CountArtSet(set, &count));
    EXPECT_EQ(2, count);
    ASSERT_EQ(kNoErr, artSet->RemoveArtFromArtSet(set, b));
    ASSERT_EQ(kNoErr, artSet->RemoveArtFromArtSet(set, b));
    ASSERT_EQ(kNoErr, artSet->CountArtSet(set, &count));
    EXPECT_EQ(1, count);
    ASSERT_EQ(kNoErr, artSet->IndexArtSet(set, 0, &member));
    EXPECT_EQ(a, member);

    // Disposed art stays in the set as a handle that is no longer valid, and can be taken out.
    ASSERT_EQ(kNoErr, art->DisposeArt(a));
    ASSERT_EQ(kNoErr, artSet->IndexArtSet(set, 0, &member));
    EXPECT_FALSE(art->ValidArt(member, 1));
    EXPECT_EQ(kStaleHandleErr, artSet->AddArtToArtSet(set, a));
    ASSERT_EQ(kNoErr, artSet->RemoveArtFromArtSet(set, a));
    ASSERT_EQ(kNoErr, artSet->CountArtSet(set, &count));
    EXPECT_EQ(0, count);

    ASSERT_EQ(kNoErr, artSet->AddArtToArtSet(set, notInSet));
    ASSERT_EQ(kNoErr, artSet->ClearArtSet(set));
    ASSERT_EQ(kNoErr, artSet->CountArtSet(set, &count));
    EXPECT_EQ(0, count);
    EXPECT_TRUE(art->ValidArt(notInSet, 1));
    ASSERT_EQ(kNoErr, artSet->DisposeArtSet(&set));
    EXPECT_EQ(0u, doc.ArtSetCount());
}
