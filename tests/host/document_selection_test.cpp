// User attributes: lock and hide stay per art; selection stays consistent through groups.
#include "document_fixture.h"

namespace {

constexpr int32_t kAll = kArtSelected | kArtFullySelected | kArtLocked | kArtHidden;

} // namespace

class SelectionTest : public DocumentTest {
  protected:
    void SetUp() override {
        DocumentTest::SetUp();
        group = Make(kGroupArt, "group");
        inner = Make(kGroupArt, "inner", kPlaceInsideOnTop, group);
        leafA = Make(kPathArt, "a", kPlaceInsideOnTop, inner);
        leafB = Make(kPathArt, "b", kPlaceInsideOnBottom, group);
        outside = Make(kPathArt, "outside");
    }

    int32_t Attr(AIArtHandle a) {
        int32_t attr = -1;
        EXPECT_EQ(kNoErr, art->GetArtUserAttr(a, kAll, &attr));
        return attr;
    }

    AIArtHandle group = nullptr, inner = nullptr, leafA = nullptr, leafB = nullptr, outside = nullptr;
};

TEST_F(SelectionTest, SelectingAGroupFullySelectsEverythingInsideIt) {
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(group, kArtSelected, kArtSelected));
    for (AIArtHandle a : {group, inner, leafA, leafB}) {
        EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(a)) << doc.DisplayName(a);
    }
    EXPECT_EQ(0, Attr(outside));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(group, kArtSelected, 0));
    for (AIArtHandle a : {group, inner, leafA, leafB}) {
        EXPECT_EQ(0, Attr(a)) << doc.DisplayName(a);
    }
}

TEST_F(SelectionTest, FullSelectionImpliesSelectionAndClearingEitherDeselects) {
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtFullySelected, kArtFullySelected));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(outside));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtFullySelected, 0));
    EXPECT_EQ(0, Attr(outside));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtSelected, kArtSelected));
    EXPECT_EQ(kArtSelected, Attr(outside)); // a path can be partly selected
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtSelected, 0));
    EXPECT_EQ(0, Attr(outside));

    // Both bits asked at once, only selection set: a fully selected path becomes partly selected.
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtSelected | kArtFullySelected, kArtSelected));
    EXPECT_EQ(kArtSelected, Attr(outside));
    // Selection alone asked of a fully selected path leaves it as it is.
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtSelected, kArtSelected));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(outside));
}

TEST_F(SelectionTest, GroupsFollowTheSelectionOfWhatTheyHold) {
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafA, kArtFullySelected, kArtFullySelected));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(inner)); // its only child is fully selected
    EXPECT_EQ(kArtSelected, Attr(group));                     // partly: b is not selected
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafB, kArtFullySelected, kArtFullySelected));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(group));
    ASSERT_EQ(kNoErr, art->DisposeArt(leafB));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(group));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafA, kArtSelected, 0));
    EXPECT_EQ(0, Attr(inner));
    EXPECT_EQ(0, Attr(group));
}

TEST_F(SelectionTest, SelectingThePartsOfALargeGroupOneByOneReadsEachGroupAboveOnce) {
    const AIArtHandle many = Make(kGroupArt, "many", kPlaceInsideOnTop, group);
    std::vector<AIArtHandle> parts(2000);
    for (AIArtHandle& part : parts) part = Make(kPathArt, "part", kPlaceInsideOnBottom, many);
    const uint64_t before = doc.SelectionRefreshReads();
    for (AIArtHandle part : parts) ASSERT_EQ(kNoErr, art->SetArtUserAttr(part, kArtFullySelected, kArtFullySelected));
    EXPECT_EQ(2 * parts.size(), doc.SelectionRefreshReads() - before); // many and group
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(many));
    EXPECT_EQ(kArtSelected, Attr(group)); // inner and b are not selected
}

TEST_F(SelectionTest, ATextFrameIsSelectedWhole) {
    AIArtHandle text = Make(kTextFrameArt, "label", kPlaceInsideOnTop, inner);
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafA, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(text, kArtSelected, kArtSelected));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(text));
    EXPECT_EQ(kArtSelected | kArtFullySelected, Attr(inner));
}

TEST_F(SelectionTest, NewArtInAFullySelectedGroupMakesItPartlySelected) {
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(group, kArtSelected, kArtSelected));
    Make(kPathArt, "new", kPlaceInsideOnTop, group);
    EXPECT_EQ(kArtSelected, Attr(group));
}

TEST_F(SelectionTest, LockAndHideAreKeptPerArtAndLeaveSelectionAlone) {
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafB, kArtFullySelected, kArtFullySelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(leafB, kArtLocked | kArtHidden, kArtLocked));
    EXPECT_EQ(kArtSelected | kArtFullySelected | kArtLocked, Attr(leafB));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(group, kArtHidden, kArtHidden));
    EXPECT_EQ(kArtHidden, Attr(group) & (kArtHidden | kArtLocked));
    EXPECT_EQ(0, Attr(leafA) & kArtHidden); // the host does not push lock or hide into a group
    int32_t masked = -1;
    ASSERT_EQ(kNoErr, art->GetArtUserAttr(leafB, kArtLocked | kArtHidden, &masked));
    EXPECT_EQ(kArtLocked, masked);
}

TEST_F(SelectionTest, DeselectAllAndTheSelectionQueries) {
    AIBoolean any = 1;
    ASSERT_EQ(kNoErr, matching->IsSomeArtSelected(&any));
    EXPECT_EQ(0, any);
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(inner, kArtSelected, kArtSelected));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(outside, kArtSelected, kArtSelected));
    ASSERT_EQ(kNoErr, matching->IsSomeArtSelected(&any));
    EXPECT_EQ(1, any);

    AIMdMemoryHandle block = nullptr;
    int32_t count = 0;
    ASSERT_EQ(kNoErr, matching->GetSelectedArt(&block, &count));
    ASSERT_EQ(4, count); // outside, group (partly), inner, a
    void* data = nullptr;
    ASSERT_EQ(kNoErr, memory->MdMemoryDeref(block, &data));
    const AIArtHandle* selected = static_cast<const AIArtHandle*>(data);
    EXPECT_EQ(outside, selected[0]);
    EXPECT_EQ(group, selected[1]);
    EXPECT_EQ(inner, selected[2]);
    EXPECT_EQ(leafA, selected[3]);
    ASSERT_EQ(kNoErr, memory->MdMemoryDisposeHandle(block));

    ASSERT_EQ(kNoErr, matching->DeselectAll());
    ASSERT_EQ(kNoErr, matching->IsSomeArtSelected(&any));
    EXPECT_EQ(0, any);
    for (AIArtHandle a : {group, inner, leafA, leafB, outside}) {
        EXPECT_EQ(0, Attr(a) & (kArtSelected | kArtFullySelected));
    }
}
