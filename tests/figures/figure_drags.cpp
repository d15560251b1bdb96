// Figures dragged out of empty clicks with the Segment, Angle and Cercle tools, as the host sends the drags.
#include <cmath>
#include <numbers>

#include "figure_fixture.h"
#include "frame/Settings.h"

namespace figuretest {
namespace {

constexpr double kPi = std::numbers::pi;

class FigureDrags : public FigureTest {
protected:
    // The figure made by the last creation: the art directly above the click's group.
    static AIArtHandle FigureAbove(AIArtHandle group) {
        const std::vector<AIArtHandle> top = TopArt();
        for (size_t i = 1; i < top.size(); ++i)
            if (top[i] == group) return top[i - 1];
        return nullptr;
    }
};

TEST_F(FigureDrags, ASegmentFromTheClickLiesAboveItsGroupWithItsLinkedDimension) {
    Select(kSegmentTool);
    DragOut({0, 0}, {{30, 40}, {60, 80}});
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    const AIArtHandle path = gDragValues.CreatedSegmentPath;
    ASSERT_TRUE(Doc().IsValid(path));
    EXPECT_EQ(FigureAbove(group), path);
    const auto& anchors = Anchors(path);
    ASSERT_EQ(anchors.size(), 2u);
    EXPECT_POINT_AT(anchors[0].p, 0, 0);
    // The stored 45 degrees; the length from the first anchor to the cursor.
    EXPECT_POINT_AT(anchors[1].p, 100 * std::cos(kPi / 4), 100 * std::sin(kPi / 4));
    EXPECT_FLOAT_EQ(Node(path).style.stroke.width, 2.5f);
    EXPECT_EQ(Node(path).style.stroke.cap, kAIButtCap);
    EXPECT_TRUE(HasTag(path, "surseg"));
    EXPECT_EQ(Labels(group).size(), 1u);
    EXPECT_EQ(ModalRuns(), 0u);  // the drag moved: no dialog
    EXPECT_FLOAT_EQ(gToolState.CursorPoint.h, 61.0f);
}

TEST_F(FigureDrags, ASegmentBehindItsOrientationTurnsHalfATurnAndTheWindowsKeyCentresIt) {
    Select(kSegmentTool);
    DragOut({0, 0}, {{-30, -40}, {-60, -80}});  // behind the orientation of 45 degrees
    const auto& left = Anchors(gDragValues.CreatedSegmentPath);
    EXPECT_POINT_AT(left[1].p, -100 * std::cos(kPi / 4), -100 * std::sin(kPi / 4));
    EXPECT_NEAR(gMeasuredPoints.SegmentAngle, kPi / 4 + kPi, 1e-5);
    Hold(VK_LWIN);
    DragOut({200, 0}, {{200, 50}});
    const auto& centred = Anchors(gDragValues.CreatedSegmentPath);
    EXPECT_POINT_AT(centred[0].p, 200 - 25 * std::cos(kPi / 4), -25 * std::sin(kPi / 4));
    EXPECT_POINT_AT(centred[1].p, 200 + 25 * std::cos(kPi / 4), 25 * std::sin(kPi / 4));
    EXPECT_EQ(gCurrentOptions.SegmentCreateCentred, 0);  // put back after the step
}

TEST_F(FigureDrags, ShiftAndAltTurnTheSegmentTowardsTheCursor) {
    Select(kSegmentTool);
    Down({0, 0});
    Hold(VK_MENU);  // held after the press: Alt at a press shows or hides the panel
    Drag({0, 50});
    Hold(VK_MENU, false);
    Up({0, 50});
    EXPECT_NEAR(gCurrentOptions.SegmentCreateRotation, 90.0, 1e-4);
    EXPECT_POINT_AT(Anchors(gDragValues.CreatedSegmentPath)[1].p, 0, 50);
    Down({100, 0});
    Hold(VK_RSHIFT);
    Drag({150, 10});  // 11.3 degrees, up to 20
    Hold(VK_RSHIFT, false);
    Up({150, 10});
    EXPECT_NEAR(gCurrentOptions.SegmentCreateRotation, 20.0, 1e-3);
}

TEST_F(FigureDrags, AFirstDragAtTheClickMakesAPointAndAnEarlierFigureNeverMoves) {
    Select(kSegmentTool);
    DragOut({0, 0}, {{60, 80}});
    const AIArtHandle first = gDragValues.CreatedSegmentPath;
    const std::vector<AIPathSegment> kept = Anchors(first);
    Down({300, 300});
    Drag({310, 300});  // past a hand's tremor, then back onto the press
    Drag({300, 300});
    const AIArtHandle second = gDragValues.CreatedSegmentPath;
    ASSERT_NE(second, first);
    EXPECT_POINT_AT(Anchors(second)[0].p, 300, 300);
    EXPECT_POINT_AT(Anchors(second)[1].p, 300, 300);
    EXPECT_FALSE(std::isnan(Anchors(second)[1].p.h));
    Up({300, 300});
    // A click whose group has gone makes no figure and leaves the others where they are.
    Down({500, 0});
    sim::ArtNode* group = Doc().MutableArt(gCurrentDimension.DimensionGroup);
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(Doc().DisposeArt(group), kNoErr);
    Drag({520, 30});
    Drag({540, 60});
    Up({540, 60});
    EXPECT_EQ(gDragValues.CreatedSegmentPath, nullptr);
    EXPECT_EQ(Anchors(first)[1].p.h, kept[1].p.h);
    EXPECT_EQ(Anchors(first)[1].p.v, kept[1].p.v);
}

TEST_F(FigureDrags, WithoutDimensionTheGroupGoesAtReleaseAndTheFigureStays) {
    gSettings.SegmentCreateWithDimension = 0;  // the stored value, copied at the press
    Select(kSegmentTool);
    DragOut({0, 0}, {{30, 40}});
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    ASSERT_TRUE(Doc().IsValid(gDragValues.CreatedSegmentPath));
    EXPECT_EQ(TopArt().size(), 1u);
    EXPECT_FALSE(HasTag(gDragValues.CreatedSegmentPath, "surseg"));
}

TEST_F(FigureDrags, AnAngleOpensFromItsOrientationByTheCursorsDirection) {
    Select(kAngleTool);
    DragOut({0, 0}, {{-25, 43.30127f}});  // side 50, opening 120 degrees from the stored 45
    const AIArtHandle path = gDragValues.CreatedAnglePath;
    ASSERT_TRUE(Doc().IsValid(path));
    const auto& sides = Anchors(path);
    ASSERT_EQ(sides.size(), 3u);
    EXPECT_POINT_AT(sides[0].p, 50 * std::cos(kPi / 4), 50 * std::sin(kPi / 4));
    EXPECT_POINT_AT(sides[1].p, 0, 0);
    const double second = kPi / 4 + 2 * kPi / 3;
    EXPECT_POINT_AT(sides[2].p, 50 * std::cos(second), 50 * std::sin(second));
    EXPECT_EQ(Node(path).style.stroke.cap, kAIRoundCap);
    EXPECT_NEAR(gMeasuredPoints.AngleValue, 2 * kPi / 3, 1e-5);
    EXPECT_TRUE(HasTag(path, "ang"));
    EXPECT_EQ(Labels(gCurrentDimension.DimensionGroup), std::vector<std::string>{"120°"});
}

TEST_F(FigureDrags, ACentredAngleStandsAboutItsOrientationAndAClockwiseOneIsNegative) {
    Select(kAngleTool);
    Hold(VK_LWIN);
    DragOut({0, 0}, {{25, 43.30127f}});  // opening 60 degrees about 45
    const auto& centred = Anchors(gDragValues.CreatedAnglePath);
    EXPECT_POINT_AT(centred[0].p, 50 * std::cos(kPi / 12), 50 * std::sin(kPi / 12));
    EXPECT_POINT_AT(centred[2].p, 50 * std::cos(5 * kPi / 12), 50 * std::sin(5 * kPi / 12));
    Hold(VK_LWIN, false);
    DragOut({200, 0}, {{225, -43.30127f}});  // opening -60 degrees: the second side turns clockwise
    EXPECT_NEAR(gMeasuredPoints.AngleValue, -kPi / 3, 1e-5);
    EXPECT_EQ(Labels(gCurrentDimension.DimensionGroup), std::vector<std::string>{"60°"});
}

TEST_F(FigureDrags, ACircleStartsLeftmostClosedWithRoundEndsAndItsLabelOutside) {
    Select(kCircleTool);
    DragOut({100, 100}, {{130, 140}});
    const AIArtHandle path = gDragValues.CreatedCirclePath;
    ASSERT_TRUE(Doc().IsValid(path));
    const auto& anchors = Anchors(path);
    ASSERT_EQ(anchors.size(), 4u);
    EXPECT_POINT_AT(anchors[0].p, 50, 100);
    EXPECT_POINT_AT(anchors[1].p, 100, 150);
    EXPECT_TRUE(Node(path).closed);
    EXPECT_TRUE(Node(path).showsCentre);
    EXPECT_EQ(Node(path).style.stroke.cap, kAIRoundCap);
    EXPECT_TRUE(HasTag(path, "cer"));
    // The label point: 20 beyond the radius on the ray through the cursor, then shifted by 1.
    EXPECT_NEAR(gToolState.CursorPoint.h, 100 + 70 * 0.6 + 1, 1e-3);
    EXPECT_NEAR(gToolState.CursorPoint.v, 100 + 70 * 0.8, 1e-3);
    EXPECT_EQ(Labels(gCurrentDimension.DimensionGroup).size(), 1u);
    EXPECT_EQ(ModalRuns(), 0u);
}

class ArcDrags : public FigureDrags {
protected:
    void SeedPreferences() override {
        Store("CreaArcCer", sim::PrefValue::Bool(true));
        Store("AngCerCrea", sim::PrefValue::Real(0.0));
        Store("Precision", sim::PrefValue::Int(2));
    }
};

TEST_F(ArcDrags, AnArcSweepsToTheCursorAndASectorClosesThroughTheCentre) {
    Select(kCircleTool);
    DragOut({0, 0}, {{-50, 0}});  // a half turn counter-clockwise
    const AIArtHandle arc = gDragValues.CreatedCirclePath;
    const auto& anchors = Anchors(arc);
    ASSERT_EQ(anchors.size(), 3u);
    EXPECT_POINT_AT(anchors[0].p, 50, 0);
    EXPECT_POINT_AT(anchors[1].p, 0, 50);
    EXPECT_POINT_AT(anchors[2].p, -50, 0);
    EXPECT_FALSE(Node(arc).closed);
    EXPECT_NEAR(gDimensionValues.ArcMiddleAngle, kPi / 2, 1e-5);
    gSettings.CircleCreateSector = 1;
    DragOut({0, 0}, {{-50, 0}});
    const AIArtHandle sector = gDragValues.CreatedCirclePath;
    EXPECT_EQ(Anchors(sector).size(), 4u);
    EXPECT_POINT_AT(Anchors(sector)[3].p, 0, 0);
    EXPECT_TRUE(Node(sector).closed);
}

}  // namespace
}  // namespace figuretest
