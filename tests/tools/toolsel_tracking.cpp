// Cursor tracking: the cursor shown, the modifiers and the cancel of a click sequence.
#include "dimension/CurrentDimension.h"
#include "panel/CurrentOptions.h"
#include "tools/CursorTracking.h"
#include "toolsel_fixture.h"

namespace toolseltest {
namespace {

TEST_F(ToolTest, CursorFollowsWhatLiesUnderIt) {
    Line({{100, 100}, {200, 100}});
    Select(kSegmentTool);
    ASSERT_EQ(Track({100, 101}), kNoErr);
    EXPECT_EQ(LastCursor(), kAnchorCursor);
    Track({150, 101});
    EXPECT_EQ(LastCursor(), kSegmentCursor);
    Track({400, 400});
    EXPECT_EQ(LastCursor(), kNothingCursor);
}

TEST_F(ToolTest, OneModifierShowsItsCursorAndSkipsTheHoverTest) {
    Line({{100, 100}, {200, 100}});
    Select(kSegmentTool);
    Hold(kAltKey);
    Track({100, 100});
    EXPECT_EQ(LastCursor(), kPanelCursor);
    EXPECT_EQ(gHitState.HoverFlags.OverAnchor, 0);
    sim::ThePlatform().SetKeyDown(kAltKey, false);
    Hold(kShiftKey);
    Track({100, 100});
    EXPECT_EQ(LastCursor(), kNextToolCursor);
    sim::ThePlatform().SetKeyDown(kShiftKey, false);
    Track({100, 100});
    EXPECT_EQ(LastCursor(), kAnchorCursor);
    EXPECT_EQ(gHitState.HoverFlags.OverAnchor, 1);
}

TEST_F(ToolTest, ControlWithoutAClickOnlySetsWithEnds) {
    Select(kSegmentTool);
    Hold(kControlKey);
    Track({10, 10});
    EXPECT_EQ(gToolState.WithEnds, 1);
    EXPECT_EQ(gToolState.ClickCancelled, 0);
    EXPECT_EQ(LastCursor(), kNothingCursor);
}

TEST_F(ToolTest, ControlCancelsAHalfBuiltSegmentDimension) {
    Select(kSegmentTool);
    const AIArtHandle group = Doc().DrawPolyline({{0, 0}, {10, 0}}, false);
    gCurrentDimension.DimensionGroup = group;
    gToolState.SequenceGroup = group;  // what the first point made
    gToolState.ClickCount = 1;
    gToolState.EditingSegment = 1;
    const size_t cursors = sim::TheLogs().cursors.size();
    Hold(kControlKey);
    Track({30, 40});
    EXPECT_EQ(gToolState.ClickCancelled, 1);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gToolState.EditingSegment, 0);
    EXPECT_EQ(Doc().Art(group), nullptr);
    EXPECT_EQ(gToolState.ClickViewPoint.h, 30.0f);
    EXPECT_EQ(gToolState.ClickViewPoint.v, 40.0f);
    EXPECT_EQ(sim::TheLogs().cursors.size(), cursors);
    EXPECT_EQ(Doc().TakeQueuedAnnotationDraws(), 1);
}

TEST_F(ToolTest, OtherToolsKeepTheirArtOnCancel) {
    Select(kAngleTool);
    const AIArtHandle group = Doc().DrawPolyline({{0, 0}, {10, 0}}, false);
    gCurrentDimension.DimensionGroup = group;
    gToolState.ClickCount = 1;
    Hold(kControlKey);
    Track({30, 40});
    EXPECT_NE(Doc().Art(group), nullptr);
}

TEST_F(ToolTest, ShiftAndAltArmSubtractionForLengthsAndAreas) {
    Select(kMeasureTool);
    Hold(kShiftKey);
    Hold(kAltKey);
    Track({10, 10});
    EXPECT_EQ(gToolState.SubtractArea, 1);
    sim::ThePlatform().SetKeyDown(kAltKey, false);
    sim::ThePlatform().SetKeyDown(kShiftKey, false);
    Track({10, 10});
    EXPECT_EQ(gToolState.SubtractArea, 0);
}

TEST_F(ToolTest, CursorRulesPerTool) {
    gHitState.HoverFlags = HoverFlagSet();
    gHitState.HoverFlags.OverDimension = 1;
    gToolState.CurrentTool = kSegmentTool;
    EXPECT_EQ(HoverCursor(false), kReEditCursor);
    gCurrentOptions.SeriesOn = 1;
    EXPECT_EQ(HoverCursor(false), kNothingCursor);
    gToolState.CurrentTool = kCircleTool;
    EXPECT_EQ(HoverCursor(false), kReEditCursor);
    gToolState.CurrentTool = kAngleTool;
    EXPECT_EQ(HoverCursor(true), kAnchorCursor);
    gToolState.ClickCount = 1;
    gToolState.DimensionStarted = 1;
    EXPECT_EQ(HoverCursor(false), kSegmentCursor);
    gHitState.HoverFlags.OverCentre = 1;
    gToolState.CurrentTool = kSegmentTool;
    EXPECT_EQ(HoverCursor(false), kSegmentCursor);
    gToolState.DimensionStarted = 0;
    EXPECT_EQ(HoverCursor(false), kCentreCursor);
}

}  // namespace
}  // namespace toolseltest
