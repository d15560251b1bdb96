#include "drag_fixture.h"

#include <cmath>
#include <numbers>

#include "dimension/Skeletons.h"

namespace dragtest {
namespace {

class AngleDrag : public DragTest {
protected:
    void SetUp() override {
        DragTest::SetUp();
        gToolState.CurrentTool = kAngleTool;
        ASSERT_TRUE(NewDimensionGroup().Made);
        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
        gMeasuredPoints.AngleVertex.p = {0, 0};
        gMeasuredPoints.AnglePointB.p = {100, 0};
        gMeasuredPoints.AnglePointA.p = {0, 100};
        gMeasuredPoints.AngleValue = clicktest::kHalfPi;
        gSettings.ArcRadius = 20.0;
    }
};

TEST_F(AngleDrag, TheRadiusFollowsTheCursorOrJumpsByTheStoredRadius) {
    EXPECT_EQ(Drag({30, 40}), kNoErr);
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, 50.0);
    EXPECT_EQ(gMeasuredPoints.AngleFlip, 0);
    Hold(VK_RSHIFT);
    Drag({30, 40});
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, 60.0);
}

TEST_F(AngleDrag, DraggingAcrossTheVertexShowsTheReentrantAngle) {
    Drag({40, -30});
    EXPECT_EQ(gMeasuredPoints.AngleFlip, 1);
    EXPECT_EQ(Label(), "270°");
    Drag({40, 30});
    EXPECT_EQ(gMeasuredPoints.AngleFlip, 0);
}

TEST_F(AngleDrag, NothingMovesOverAnAnchorThatIsNoVertex) {
    gHitState.HoverFlags.NotAVertex = 1;
    const double radius = gCurrentOptions.ArcRadius;
    Drag({30, 40});
    EXPECT_DOUBLE_EQ(gCurrentOptions.ArcRadius, radius);
}

TEST_F(AngleDrag, ACreatedAngleTakesItsSideAndRotation) {
    gToolState.CreateOnClick[kAngleTool - 1] = 1;
    gMeasuredPoints.ClickPoint.p = {10, 10};
    Drag({10, 60});
    EXPECT_POINT(gMeasuredPoints.AngleVertex.p, 10, 10);
    EXPECT_POINT(gMeasuredPoints.AngleVertex.out, 10, 10);
    EXPECT_FLOAT_EQ(gDragValues.CreatedAngleSide, 50.0f);
    EXPECT_FLOAT_EQ(gDragValues.CreatedAngleRotation, clicktest::kHalfPi);
    EXPECT_EQ(Cursors(), std::vector<int32_t>{1105});
    Hold(VK_MENU);
    Drag({60, 60.5f});
    EXPECT_DOUBLE_EQ(gCurrentOptions.AngleCreateAngle, 46.0);
}

class CircleDrag : public DragTest {
protected:
    void SetUp() override {
        DragTest::SetUp();
        gToolState.CurrentTool = kCircleTool;
        gToolState.CreateOnClick[kCircleTool - 1] = 1;
        gMeasuredPoints.ClickPoint.p = {0, 0};
        gCurrentOptions.CircleCreateArc = 1;
        gCurrentOptions.CircleCreateAngle = 0.0;
    }
};

TEST_F(CircleDrag, ASweepJustClockwiseOfTheStartIsNearlyAWholeTurn) {
    Drag({100, -1});
    EXPECT_FLOAT_EQ(gDragValues.CreatedCircleRadius, static_cast<float>(std::hypot(100.0, 1.0)));
    EXPECT_FLOAT_EQ(gDragValues.ArcSweep, static_cast<float>(2.0 * std::numbers::pi - std::atan(0.01)));
    Drag({0, 50});
    EXPECT_FLOAT_EQ(gDragValues.ArcSweep, clicktest::kHalfPi);
    EXPECT_EQ(Cursors(), (std::vector<int32_t>{1106, 1106}));
}

TEST_F(CircleDrag, AltSetsTheStartDirectionToWholeDegrees) {
    Hold(VK_MENU);
    Drag({100, 100.5f});
    EXPECT_FLOAT_EQ(static_cast<float>(gCurrentOptions.CircleCreateAngle),
                    static_cast<float>(46.0 * std::numbers::pi / 180.0));
    EXPECT_FLOAT_EQ(gDragValues.ArcSweep, 0.0f);
}

class BezierDrag : public DragTest {
protected:
    void SetUp() override {
        DragTest::SetUp();
        gToolState.CurrentTool = kBezierTool;
        gToolState.CreateOnClick[kBezierTool - 1] = 1;
        gMeasuredPoints.ClickPoint.p = {10, 10};
    }
};

TEST_F(BezierDrag, TheFigureScalesWithTheDragAndRightShiftKeepsItsProportions) {
    Drag({300, -85});
    EXPECT_FLOAT_EQ(gDragValues.CreatedBezierScaleX, 1.0f);
    EXPECT_FLOAT_EQ(gDragValues.CreatedBezierScaleY, 0.5f);
    Hold(VK_RSHIFT);
    Drag({300, -85});
    EXPECT_FLOAT_EQ(gDragValues.CreatedBezierScaleY, 1.0f);
    EXPECT_EQ(Cursors(), (std::vector<int32_t>{1106, 1106}));
}

}  // namespace
}  // namespace dragtest
