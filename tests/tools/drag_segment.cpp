#include "drag_fixture.h"

#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"
#include "tools/DimensionParts.h"

namespace dragtest {
namespace {

class SegmentDrag : public DragTest {
protected:
    void SetUp() override {
        DragTest::SetUp();
        gSettings.Magnetism = 0;
    }
    static std::vector<AIRealPoint> LineEnds() {
        return {gDimensionValues.DimensionLineEnds[0].p, gDimensionValues.DimensionLineEnds[1].p};
    }
};

TEST_F(SegmentDrag, ParallelDimensionFollowsTheCursor) {
    DimensionBetween({0, 0}, {100, 0});
    EXPECT_EQ(Drag({40, 30}), kNoErr);
    EXPECT_POINT(gToolState.CursorPoint, 40, 30);
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, 30.0);
    EXPECT_POINT(LineEnds()[0], 0, 30);
    EXPECT_POINT(LineEnds()[1], 100, 30);
    EXPECT_EQ(Label(), "35 mm");
}

TEST_F(SegmentDrag, AltSwapsHorizontalAndVertical) {
    struct Case {
        int32_t orientation;
        bool alt;
        std::vector<AIRealPoint> ends;
        std::string label;
    };
    const Case cases[] = {
        {kHorizontalDimension, false, {{0, 80}, {100, 80}}, "35 mm"},
        {kHorizontalDimension, true, {{120, 0}, {120, 50}}, "18 mm"},
        {kVerticalDimension, false, {{120, 0}, {120, 50}}, "18 mm"},
        {kVerticalDimension, true, {{0, 80}, {100, 80}}, "35 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation * 10 + (c.alt ? 1 : 0));
        gCurrentOptions.DimensionOrientation = c.orientation;
        DimensionBetween({0, 0}, {100, 50});
        Hold(VK_MENU, c.alt);
        Drag(c.alt == (c.orientation == kHorizontalDimension) ? AIRealPoint{120, 30} : AIRealPoint{50, 80});
        EXPECT_EQ(gToolState.SeriesPreview, c.alt ? 1 : 0);
        EXPECT_POINT(LineEnds()[0], c.ends[0].h, c.ends[0].v);
        EXPECT_POINT(LineEnds()[1], c.ends[1].h, c.ends[1].v);
        EXPECT_EQ(Label(), c.label);
    }
}

TEST_F(SegmentDrag, ASideLabelTakesTheSignedOffsetAndTheReach) {
    DimensionBetween({0, 0}, {100, 0});
    gToolState.LabelPosition = 2;
    gCurrentOptions.EndMarkSize = 100.0;
    Drag({50, -20});
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, -20.0);
    EXPECT_DOUBLE_EQ(gDimensionValues.ExtensionLineReach, -24.0);
    EXPECT_POINT(LineEnds()[0], 0, -20);
    Drag({50, 20});
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, 20.0);
    EXPECT_DOUBLE_EQ(gDimensionValues.ExtensionLineReach, 24.0);
    EXPECT_POINT(LineEnds()[1], 100, 20);
}

TEST_F(SegmentDrag, ModifierKeysAreKeptForTheBuilders) {
    DimensionBetween({0, 0}, {100, 0});
    Hold(VK_CONTROL);
    Hold(VK_LWIN);
    Drag({50, 10});
    EXPECT_EQ(gToolState.WithEnds, 1);
    EXPECT_EQ(gToolState.DragModifier, 1);
    Hold(VK_CONTROL, false);
    Hold(VK_LWIN, false);
    Drag({50, 10});
    EXPECT_EQ(gToolState.WithEnds, 0);
    EXPECT_EQ(gToolState.DragModifier, 0);
}

TEST_F(SegmentDrag, RightShiftRoundsTheOffsetToTheStoredStep) {
    DimensionBetween({0, 0}, {100, 0});
    gSettings.SideTieLength = 25.0;
    Hold(VK_RSHIFT);
    Drag({50, 30});
    EXPECT_DOUBLE_EQ(gCurrentOptions.SideTieLength, 50.0);
    EXPECT_POINT(LineEnds()[0], 0, 50);
}

class Magnetism : public SegmentDrag {
protected:
    void SetUp() override {
        SegmentDrag::SetUp();
        gSettings.Magnetism = 1;
        gSettings.RememberedPointCount = 10;
        Doc().View().zoom = 2.0f;  // 8 pixels are 4 units
    }
};

TEST_F(Magnetism, TheNewestSegmentWinsAndWithinItTheFirstEnd) {
    DimensionBetween({0, 0}, {100, 0});
    RememberSegment({10, 10}, {90, 90});
    RememberSegment({13, 12}, {12, 13});
    Drag({11, 11});
    EXPECT_POINT(gToolState.CursorPoint, 13, 12);
    EXPECT_EQ(Cursors(), std::vector<int32_t>{1104});
    EXPECT_POINT(LineEnds()[0], 0, 12);
}

TEST_F(Magnetism, AnOlderSegmentSnapsAfterTheNewerMissesAndFarEndsDoNot) {
    gToolState.CurrentTool = kSegmentTool;
    RememberSegment({10, 10}, {90, 90});
    RememberSegment({50, 50}, {60, 60});
    Drag({93.5f, 86.5f});
    EXPECT_POINT(gToolState.CursorPoint, 90, 90);
    EXPECT_EQ(Cursors(), (std::vector<int32_t>{1102, 1104}));
    sim::TheLogs().Clear();
    gToolState.DimensionStarted = 1;
    Drag({94.5f, 90});
    EXPECT_POINT(gToolState.CursorPoint, 94.5f, 90);
    EXPECT_EQ(Cursors(), (std::vector<int32_t>{1105, 1105}));
    gSettings.Magnetism = 0;
    sim::TheLogs().Clear();
    Drag({91, 91});
    EXPECT_POINT(gToolState.CursorPoint, 91, 91);
    EXPECT_TRUE(Cursors().empty());
}

TEST_F(SegmentDrag, ASeriesOfTwoPointsIsRefusedAndRestarts) {
    gToolState.CurrentTool = kSegmentTool;
    gCurrentOptions.SeriesOn = 1;
    gToolState.ClickCount = 2;
    EXPECT_EQ(Drag({5, 5}), kNoErr);
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Il faut cliquer sur plus de deux points pour réaliser des cotes en "
                                                 "série."});
    EXPECT_EQ(gToolState.ClickCount, 0);
}

TEST_F(SegmentDrag, ACreatedSegmentFollowsWithItsCursorAndBuildsNoDimension) {
    gToolState.CurrentTool = kSegmentTool;
    gToolState.CreateOnClick[kSegmentTool - 1] = 1;
    EXPECT_EQ(Drag({5, 5}), kNoErr);
    EXPECT_EQ(Cursors(), std::vector<int32_t>{1105});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
}

TEST_F(SegmentDrag, AnOffsetTooLargeAlertsOnceADragNotAtEveryDragEvent) {
    // A quarter circle of radius 50 about the origin, clicked at its middle: its normal points to the centre.
    const float h = 50.0f * 0.55228475f;
    gHitState.MeasuredArt = Doc().DrawPath({sim::CurveSegment({50, 0}, {50, 0}, {50, h}),
                                            sim::CurveSegment({0, 50}, {h, 50}, {0, 50})},
                                           false);
    gToolState.CurrentTool = kSegmentTool;
    gToolState.CurveOffsetMode = 1;
    gMeasuredPoints.CurveClickPoint = {35.355339f, 35.355339f};
    gMeasuredPoints.CurveNormalTip = {34.648232f, 34.648232f};
    gCurrentDimension.DimensionGroup = Doc().NewGroup();
    ASSERT_EQ(BuildOffsetDimensionArt(), kNoErr);
    // Past the centre: no line can follow the arc that far inside.
    const AIRealPoint pastCentre{-20, -20};
    for (int event = 0; event < 3; ++event) Drag(pastCentre);
    const std::vector<std::string> once{"Décalage trop grand, recommencez avec un décalage plus petit."};
    EXPECT_EQ(Alerts(), once);
    Drag({30, 30});
    Drag(pastCentre);
    EXPECT_EQ(Alerts(), once);
    // The next drag is a new one: its first refusal alerts again.
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, nullptr, pastCentre);
    sim::TheLogs().Clear();
    Drag(pastCentre);
    Drag(pastCentre);
    EXPECT_EQ(Alerts(), once);
}

}  // namespace
}  // namespace dragtest
