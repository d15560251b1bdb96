#include <type_traits>

#include "case_name.h"
#include "frame/PreferenceStore.h"
#include "hover_fixture.h"
#include "simhost/PreferenceStore.h"

namespace hovertest {
namespace {

class ToolRecords : public HoverTest {};

TEST_F(ToolRecords, EveryRecordStartsAtZero) {
    EXPECT_EQ(gToolState.CurrentTool, kNoToolSelected);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gToolState.SeriesClickCount, 0);
    for (AIToolHandle handle : gToolState.ToolHandles) EXPECT_NE(handle, nullptr);  // start-up adds the tools
    for (int32_t flag : gToolState.CreateOnClick) EXPECT_EQ(flag, 0);
    EXPECT_EQ(gToolState.CurrentLayer, nullptr);
    EXPECT_EQ(gToolState.SavedLayer, nullptr);
    EXPECT_EQ(gToolState.MeasuredCount, 0u);
    EXPECT_EQ(FlagList(), NoFlag());
    EXPECT_EQ(gHitState.HitArt, nullptr);
    EXPECT_EQ(gHitState.MeasuredArt, nullptr);
    EXPECT_EQ(gRememberedSegments.Head, nullptr);
}

// The widths the host and the handlers count on.
static_assert(std::is_same_v<decltype(ToolState::ClickCount), int16_t>);
static_assert(std::is_same_v<decltype(ToolState::SeriesClickCount), int16_t>);
static_assert(std::is_same_v<decltype(ToolState::LabelPosition), int8_t>);
static_assert(std::is_same_v<decltype(ToolState::MeasuredCount), uint32_t>);
static_assert(sizeof(AIPathSegment) == 7 * sizeof(int32_t));

struct LimitCase {
    int32_t Stored;
    int32_t Segments;
};

class RememberedLimit : public HoverTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(RememberedLimit, HalfTheStoredEndPoints) {
    sim::ThePlugin().Shutdown();
    sim::ThePreferences().Put(kTavorinePreferencePrefix, "NombreSouvenirsPrefs", sim::PrefValue::Int(GetParam().Stored));
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    EXPECT_EQ(RememberedSegmentLimit(), GetParam().Segments);
}

INSTANTIATE_TEST_SUITE_P(Stored, RememberedLimit,
                         ::testing::Values(LimitCase{20, 10}, LimitCase{7, 3}, LimitCase{1, 1}, LimitCase{-4, 1},
                                           LimitCase{40, 20}),
                         [](const auto& info) { return CaseName("Stored", info.param.Stored); });

TEST_F(ToolRecords, FreeingTheListEmptiesIt) {
    for (int i = 0; i < 3; ++i) {
        gRememberedSegments.Head = new RememberedSegment{gRememberedSegments.Head, 1.0f * i, 2.0f, 3.0f, 4.0f};
    }
    EXPECT_EQ(RememberedSegmentCount(), 3u);
    EXPECT_FLOAT_EQ(gRememberedSegments.Head->X1, 2.0f);
    FreeRememberedSegments();
    EXPECT_EQ(gRememberedSegments.Head, nullptr);
    EXPECT_EQ(RememberedSegmentCount(), 0u);
}

}  // namespace
}  // namespace hovertest
