// Which art a hit test reports: the topmost unlocked, visible art in paint order, never a guide, a leaf and
// never its group; and the contract of hit references.
#include <limits>

#include "hittest_fixture.h"

namespace {

class HitOrderTest : public HitTestTest {
  protected:
    void SetUp() override {
        HitTestTest::SetUp();
        below = Polyline({{0, 0}, {100, 0}});
        above = Polyline({{0, 1}, {100, 1}});
    }
    AIArtHandle Topmost() { return Hit({50, 0.5f}, kSegmentHitRequest, 4.0f).object; }
    void SetAttr(AIArtHandle art, int32_t which) { doc.SetUserAttr(doc.MutableArt(art), which, which); }

    AIArtHandle below = nullptr;
    AIArtHandle above = nullptr;
};

TEST_F(HitOrderTest, TheTopmostArtWinsOverANearerOneBelow) {
    EXPECT_EQ(Hit({50, 0}, kSegmentHitRequest, 4.0f).object, above);
}

TEST_F(HitOrderTest, LockedHiddenAndGuideArtIsPassedOver) {
    SetAttr(above, kArtLocked);
    EXPECT_EQ(Topmost(), below);
    SetAttr(below, kArtHidden);
    EXPECT_EQ(Topmost(), nullptr);
    const AIArtHandle guide = Polyline({{0, 2}, {100, 2}});
    doc.MutableArt(guide)->guide = true;
    EXPECT_EQ(Topmost(), nullptr);
}

TEST_F(HitOrderTest, ArtInsideALockedOrHiddenGroupIsPassedOver) {
    const AIArtHandle group = doc.NewGroup();
    ASSERT_EQ(kNoErr, doc.MoveInto(above, group));
    EXPECT_EQ(Topmost(), above);
    SetAttr(group, kArtHidden);
    EXPECT_EQ(Topmost(), below);
}

TEST_F(HitOrderTest, ALeafInsideNestedGroupsIsReportedNotItsGroup) {
    const AIArtHandle outer = doc.NewGroup();
    const AIArtHandle inner = doc.NewGroup(outer);
    ASSERT_EQ(kNoErr, doc.MoveInto(above, inner));
    EXPECT_EQ(Topmost(), above);
}

TEST_F(HitOrderTest, ArtOnALockedOrHiddenLayerIsPassedOver) {
    const AILayerHandle first = doc.CurrentLayer();
    const AILayerHandle top = doc.AddLayer("Cotes");
    const AIArtHandle onTop = Polyline({{0, 0.5f}, {100, 0.5f}});
    EXPECT_EQ(Topmost(), onTop);
    doc.SetLayerLocked(top, true);
    EXPECT_EQ(Topmost(), above);
    doc.SetLayerVisible(first, false);
    EXPECT_EQ(Topmost(), nullptr);
}

TEST_F(HitOrderTest, AHigherArtsSegmentBeatsALowerArtsAnchor) {
    EXPECT_EQ(Hit({100, 1.5f}, kAnyHitRequest, 4.0f).type, kAnchorHitType);
    const AIArtHandle top = Polyline({{60, 4}, {140, 4}});
    const AIToolHitData hit = Hit({100, 1.5f}, kAnyHitRequest, 4.0f);
    EXPECT_EQ(hit.object, top);
    EXPECT_EQ(hit.type, kSegmentHitType);
}

TEST_F(HitOrderTest, AGivenArtIsTheOnlyOneTested) {
    EXPECT_EQ(Hit({50, 0}, kSegmentHitRequest, 4.0f, below).object, below);
    EXPECT_EQ(Hit({50, 30}, kSegmentHitRequest, 4.0f, below).hit, 0);
}

TEST_F(HitOrderTest, BadArgumentsAnswerErrorsAndMakeNoReference) {
    AIHitRef ref = reinterpret_cast<AIHitRef>(1);
    EXPECT_EQ(kBadParameterErr, suite->HitTestEx(nullptr, {0, 0}, 7, 4.0f, &ref));
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(kBadParameterErr, suite->HitTestEx(nullptr, {0, 0}, kAnyHitRequest, -1.0f, &ref));
    EXPECT_EQ(kBadParameterErr, suite->HitTestEx(nullptr, {0, 0}, kAnyHitRequest, 4.0f, nullptr));
    AIArtHandle gone = below;
    ASSERT_EQ(kNoErr, doc.DisposeArt(doc.MutableArt(gone)));
    EXPECT_EQ(kStaleHandleErr, suite->HitTestEx(gone, {0, 0}, kAnyHitRequest, 4.0f, &ref));
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(sim::OutstandingHitRefs(), 0u);
}

TEST_F(HitOrderTest, AReleasedReferenceIsNeverValidAgain) {
    AIHitRef ref = nullptr;
    ASSERT_EQ(kNoErr, suite->HitTestEx(nullptr, {50, 0}, kSegmentHitRequest, 4.0f, &ref));
    EXPECT_EQ(sim::OutstandingHitRefs(), 1u);
    ASSERT_EQ(kNoErr, suite->Release(ref));
    AIToolHitData data;
    int32_t type = 0;
    EXPECT_EQ(kStaleHandleErr, suite->GetHitData(ref, &data));
    EXPECT_EQ(kStaleHandleErr, suite->GetType(ref, &type));
    EXPECT_EQ(kStaleHandleErr, suite->Release(ref));
    EXPECT_EQ(kBadParameterErr, suite->Release(nullptr));
    AIHitRef next = nullptr;
    ASSERT_EQ(kNoErr, suite->HitTestEx(nullptr, {50, 0}, kSegmentHitRequest, 4.0f, &next));
    EXPECT_NE(next, ref);
    EXPECT_EQ(kBadParameterErr, suite->GetHitData(next, nullptr));
    EXPECT_EQ(kNoErr, suite->Release(next));
}

} // namespace

namespace {

// Art however far away, or with coordinates that are no numbers, is filed and found without harm.
TEST_F(HitTestTest, FarAwayAndNonNumericArtIsFoundOrPassedOverSafely) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const AIArtHandle far = Polyline({{-2e35f, 40.0f}, {-1e35f, 40.0f}});
    Polyline({{nan, 0.0f}, {10.0f, nan}});
    const AIArtHandle near = Polyline({{0, 100}, {100, 100}});
    EXPECT_EQ(Hit({-2e35f, 40.0f}, kAnchorHitRequest, 4.0f).object, far);
    EXPECT_EQ(Hit({50, 100}, kSegmentHitRequest, 4.0f).object, near);
    EXPECT_EQ(Hit({5, 0}, kAnyHitRequest, 4.0f).object, nullptr);
    EXPECT_EQ(Hit({3e38f, -3e38f}, kAnyHitRequest, 4.0f).object, nullptr);
}

}  // namespace
