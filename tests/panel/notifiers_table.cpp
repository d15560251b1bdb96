// Each option notifier as the user reaches it: a notification of a type it does not take changes nothing, a
// click or entry changes its live value and redraws what shows it, and nothing reaches the preference store.
#include <functional>

#include "notify_fixture.h"
#include "frame/ArrowHeads.h"
#include "records/DragValues.h"

namespace paneltest {
namespace {

// Every item whose notifier acts only on the user's change (or on typing, for the two texts).
constexpr int32_t kPickyItems[] = {0,  1,  11, 15, 19, 20, 21, 24, 25, 28, 29, 32, 33, 36, 37, 41, 47, 48,
                                   49, 50, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 64, 65, 66, 68, 69,
                                   72, 80, 81, 84, 85, 86, 87, 93, 94, 95, 100, 12};

TEST_F(NotifyTest, ANotificationOfAnotherTypeChangesNothing) {
    UseTool(kSegmentTool);
    for (int32_t id : kPickyItems) {
        SCOPED_TRACE(id);
        const auto options = Bytes(gCurrentOptions), tools = Bytes(gToolState), shape = Bytes(gArrowHeadShape);
        const auto drag = Bytes(gDragValues), points = Bytes(gMeasuredPoints);
        const int32_t tolerance = gValueFormat.ToleranceOn, format = gValueFormat.AngleFormat;
        const size_t art = Doc().ArtCount(), writes = Writes(), modals = sim::TheLogs().modalRuns.size();
        Disturb(id);
        EXPECT_EQ(Bytes(gCurrentOptions), options);
        EXPECT_EQ(Bytes(gToolState), tools);
        EXPECT_EQ(Bytes(gArrowHeadShape), shape);
        EXPECT_EQ(Bytes(gDragValues), drag);
        EXPECT_EQ(Bytes(gMeasuredPoints), points);
        EXPECT_EQ(gValueFormat.ToleranceOn, tolerance);
        EXPECT_EQ(gValueFormat.AngleFormat, format);
        EXPECT_EQ(Doc().ArtCount(), art);
        EXPECT_EQ(Writes(), writes);
        EXPECT_EQ(sim::TheLogs().modalRuns.size(), modals);
    }
}

TEST_F(NotifyTest, TheOrientationPicturesActOnAnyNotification) {
    Disturb(kProjectedHorizontalItem);
    EXPECT_EQ(gCurrentOptions.DimensionOrientation, 1);
    EXPECT_EQ(gCurrentOptions.HorizontalText, 1);
    EXPECT_FALSE(Item(kTextOrientationItem).enabled);
    Disturb(kProjectedVerticalItem);
    EXPECT_EQ(gCurrentOptions.DimensionOrientation, 2);
    EXPECT_TRUE(Item(kTextOrientationItem).enabled);
}

// The y of the tick's two points, the first above the line.
void SetTick(float y) {
    for (int k = 0; k < 2; ++k) {
        const float v = k == 0 ? y : -y;
        gArrowHeadShape.AnchorY[k] = gArrowHeadShape.InY[k] = gArrowHeadShape.OutY[k] = v;
    }
}

// A click on a picture button, the value it flips (or sets), and the item that shows it.
struct Toggle {
    int32_t Item;
    std::function<int32_t()> Value;
    int32_t Sets;     // the value one click sets, or -1 when the click flips it
    int32_t Redrawn;  // the item redrawn (-1: the whole panel)
};

TEST_F(NotifyTest, EachPictureButtonChangesItsValueAndRedrawsWhatShowsIt) {
    const Toggle toggles[] = {
        {kToleranceButtonItem, [] { return gValueFormat.ToleranceOn; }, -1, kToleranceButtonItem},
        {kWithTiesItem, [] { return gCurrentOptions.SideTiesOn; }, -1, -1},
        {kSeriesOnItem, [] { return gCurrentOptions.SeriesOn; }, -1, kSeriesTypePictureItem},
        {kSegmentArrowsItem, [] { return gToolState.SegmentArrowsFlag; }, -1, kSegmentArrowsItem},
        {kTextOrientationItem, [] { return gCurrentOptions.HorizontalText; }, -1, kTextOrientationItem},
        {kSalientReentrantItem, [] { return gMeasuredPoints.AngleFlip; }, -1, kSalientReentrantItem},
        {kAngleArrowsItem, [] { return gCurrentOptions.AngleArrowsFlag; }, -1, kAngleArrowsItem},
        {kCircleArrowsItem, [] { return gCurrentOptions.CircleArrowsFlag; }, -1, kCircleArrowsItem},
        {kDiameterRadiusItem, [] { return gCurrentOptions.Diameter; }, -1, kDiameterRadiusItem},
        {kLocalRadiusItem, [] { return gCurrentOptions.BezierMode; }, 1, kLocalRadiusItem},
        {kLocalTangentItem, [] { return gCurrentOptions.BezierMode; }, 2, kLocalTangentItem},
        {kSharePathItem, [] { return gCurrentOptions.BezierMode; }, 0, kSharePathItem},
        {kLocalRadiusItem, [] { return gCurrentOptions.BezierMode; }, 1, kLocalRadiusItem},
        {kBezierArrowsItem, [] { return gCurrentOptions.BezierArrowsFlag; }, -1, kBezierArrowsItem},
        {kArrowsPointsItem, [] { return gCurrentOptions.ArrowHeads; }, -1, kArrowsPointsItem},
    };
    const size_t writes = Writes();
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.Item);
        ASSERT_TRUE(ShowPageOf(t.Item));
        const int32_t before = t.Value();
        const int32_t itemBefore = t.Redrawn >= 0 ? Item(t.Redrawn).invalidations : 0;
        const int32_t panelBefore = Dialog().invalidations;
        ASSERT_EQ(ClickItem(t.Item), kNoErr);
        EXPECT_EQ(t.Value(), t.Sets >= 0 ? t.Sets : (before == 0 ? 1 : 0));
        if (t.Redrawn >= 0)
            EXPECT_GT(Item(t.Redrawn).invalidations, itemBefore);
        else
            EXPECT_GT(Dialog().invalidations, panelBefore);
    }
    EXPECT_EQ(Writes(), writes) << "the panel writes nothing to the store";
}

TEST_F(NotifyTest, TheSeriesKindsFollowTheirButtons) {
    Disturb(kSeriesOnItem);
    gCurrentOptions.SeriesOn = 1;
    sim::TheDialogs().Notify(Item(kSeriesTypeTwoItem).handle, kADMUserChangedNotifier);
    EXPECT_EQ(gCurrentOptions.SeriesKind, 1);
    sim::TheDialogs().Notify(Item(kSeriesTypeOneItem).handle, kADMUserChangedNotifier);
    EXPECT_EQ(gCurrentOptions.SeriesKind, 0);
}

TEST_F(NotifyTest, TheToleranceButtonRetipsItselfAndOpensItsText) {
    ASSERT_TRUE(ShowPageOf(kToleranceButtonItem));
    ASSERT_EQ(ClickItem(kToleranceButtonItem), kNoErr);
    EXPECT_EQ(Item(kToleranceButtonItem).tip, "Désactive la zone de texte de tolérance.");
    EXPECT_TRUE(Item(kToleranceTextItem).enabled);
    EXPECT_TRUE(Item(kToleranceTextItem).active);
    ASSERT_EQ(sim::TheDialogs().Type(ItemRef(kToleranceTextItem), "0,1"), kNoErr);
    EXPECT_STREQ(gValueFormat.ToleranceText, "0,1");  // taken at each keystroke
    ASSERT_EQ(ClickItem(kToleranceButtonItem), kNoErr);
    EXPECT_EQ(Item(kToleranceButtonItem).tip, "Active la zone de texte de tolérance.");
    EXPECT_FALSE(Item(kToleranceTextItem).enabled);
}

TEST_F(NotifyTest, TheTextPositionCyclesAndTheSideTextFollowsIt) {
    ASSERT_TRUE(ShowPageOf(kTextPositionItem));
    const bool enabled[] = {true, true, false};
    for (int step = 0; step < 3; ++step) {
        ASSERT_EQ(ClickItem(kTextPositionItem), kNoErr);
        EXPECT_EQ(gToolState.LabelPosition, (step + 1) % 3);
        EXPECT_EQ(Item(kSideTextItem).enabled, enabled[step]);
    }
}

// Items 95 and 99 go together: enabled for both shifted positions, disabled while the text is centred, whether
// the position comes from the notifier or from a relayout of the page.
TEST_F(NotifyTest, TheSideTextButtonAndItsPictureFollowTheTextPositionTogether) {
    ASSERT_TRUE(ShowPageOf(kTextPositionItem));
    for (int step = 0; step < 3; ++step) {
        ASSERT_EQ(ClickItem(kTextPositionItem), kNoErr);
        const bool shifted = gToolState.LabelPosition > 0;
        SCOPED_TRACE(gToolState.LabelPosition);
        EXPECT_EQ(Item(kSideTextItem).enabled, shifted) << "after the notifier";
        EXPECT_EQ(Item(kTextPositionPictureItem).enabled, shifted) << "after the notifier";
        UseTool(kAngleTool);
        UseTool(kSegmentTool);
        EXPECT_EQ(Item(kSideTextItem).enabled, shifted) << "after the relayout";
        EXPECT_EQ(Item(kTextPositionPictureItem).enabled, shifted) << "after the relayout";
    }
}

TEST_F(NotifyTest, FieldsTakeTheirValuesAndTheTextSizeKeepsTheSeriesStepAboveTheEndMarks) {
    gCurrentOptions.EndMarkSize = 100.0;
    ASSERT_TRUE(ShowPageOf(kSegmentOffsetXItem));
    ASSERT_EQ(EnterIn(kTextSizeItem, "2"), kNoErr);
    EXPECT_NEAR(gCurrentOptions.TextSize, 2.0, 1e-6);
    EXPECT_FLOAT_EQ(gCurrentOptions.SeriesLabelStep, 8.0f);
    ASSERT_EQ(EnterIn(kDecimalsItem, "3"), kNoErr);
    EXPECT_EQ(gCurrentOptions.Decimals, 3);
    const size_t before = Writes();
    gCurrentOptions.Unit = kUnitPoints;
    sim::TheDialogs().Item(ItemRef(kSegmentOffsetXItem))->units = kADMPointUnits;
    ASSERT_EQ(EnterIn(kSegmentOffsetXItem, "12"), kNoErr);
    EXPECT_NEAR(gCurrentOptions.SegmentOffsetX, 12.0, 1e-4);
    EXPECT_EQ(Writes(), before);
}

TEST_F(NotifyTest, FlippingTheLineTwiceRestoresTheSideAndParallelMakesItPositive) {
    ASSERT_TRUE(ShowPageOf(kInvertLineItem));
    gCurrentOptions.SideTieLength = 20.0;
    gMeasuredPoints.FirstPoint.p = {10, 5};
    ASSERT_EQ(ClickItem(kInvertLineItem), kNoErr);
    EXPECT_NEAR(gCurrentOptions.SideTieLength, -20.0, 1e-4);
    EXPECT_NEAR(ItemFloatValue(kSideTieItem), -20.0, 1e-4);
    EXPECT_FLOAT_EQ(gToolState.CursorPoint.v, -15.0f);
    EXPECT_EQ(gDragValues.LineFlipped, 1);
    ASSERT_EQ(ClickItem(kInvertLineItem), kNoErr);
    EXPECT_NEAR(gCurrentOptions.SideTieLength, 20.0, 1e-4);
    EXPECT_EQ(gDragValues.LineFlipped, 0);

    ASSERT_EQ(ClickItem(kInvertLineItem), kNoErr);
    ASSERT_EQ(ClickItem(kProjectedVerticalItem), kNoErr);
    EXPECT_LT(gCurrentOptions.SideTieLength, 0.0) << "a projected orientation keeps the sign";
    ASSERT_EQ(ClickItem(kParallelItem), kNoErr);
    EXPECT_NEAR(gCurrentOptions.SideTieLength, 20.0, 1e-4);
    EXPECT_NEAR(ItemFloatValue(kSideTieItem), 20.0, 1e-4);
}

TEST_F(NotifyTest, TheFreeTextMenuAndFieldSetTheLabelTextOnlyWhileTheFieldIsEnabled) {
    Item(kFreeTextItem).enabled = false;
    ASSERT_EQ(sim::TheDialogs().Type(ItemRef(kFreeTextItem), "x"), kBadParameterErr);
    EXPECT_EQ(gValueFormat.FreeLabelText, nullptr);
    Item(kFreeTextMenuItem).enabled = true;
    Item(kFreeTextItem).enabled = true;
    ASSERT_EQ(ChooseIn(kFreeTextMenuItem, 0), kNoErr);
    ASSERT_NE(gValueFormat.FreeLabelText, nullptr);
    EXPECT_EQ(Item(kFreeTextItem).text, gValueFormat.FreeLabelText);
    ASSERT_EQ(sim::TheDialogs().Type(ItemRef(kFreeTextItem), "Axe"), kNoErr);
    EXPECT_STREQ(gValueFormat.FreeLabelText, "Axe");
}

TEST_F(NotifyTest, TheFontPopupSetsTheFontInUseAndItsName) {
    ASSERT_TRUE(ShowPageOf(kFontItem));
    const std::vector<std::string> fonts = Entries(kFontItem);
    ASSERT_GE(fonts.size(), 2u);
    const size_t writes = Writes();
    ASSERT_EQ(ChooseIn(kFontItem, 1), kNoErr);
    EXPECT_EQ(gCurrentOptions.FontIndex, 1);
    EXPECT_EQ("1:" + std::string(gSettings.FontName), fonts[1]);
    EXPECT_EQ(Writes(), writes);
}

TEST_F(NotifyTest, TheArrowDirectionsLeanTheObliqueTickOfThePointStyleOnly) {
    struct Lean {
        int32_t Item;
        float First;  // the y of the tick's first point after a click from a flag at 0
    };
    const Lean leans[] = {{kSegmentArrowsItem, -2.4508758f}, {kCircleArrowsItem, -2.4508758f}, {kAngleArrowsItem, 0.0f}};
    for (const Lean& lean : leans) {
        SCOPED_TRACE(lean.Item);
        ASSERT_TRUE(ShowPageOf(lean.Item));
        gToolState.SegmentArrowsFlag = 0;
        gCurrentOptions.CircleArrowsFlag = gCurrentOptions.AngleArrowsFlag = 0;
        gCurrentOptions.ArrowHeads = 0;
        gCurrentOptions.ArrowPreset = 2;
        SetTick(2.4508758f);
        ASSERT_EQ(ClickItem(lean.Item), kNoErr);
        EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[0], lean.First);
        EXPECT_FLOAT_EQ(gArrowHeadShape.InY[1], -lean.First);
        // Any other end mark keeps its shape.
        gCurrentOptions.ArrowPreset = 1;
        SetTick(1.0f);
        ASSERT_EQ(ClickItem(lean.Item), kNoErr);
        EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[0], 1.0f);
    }
}

TEST_F(NotifyTest, TheDivisionCountChangesOnlyForANewNumber) {
    ASSERT_TRUE(ShowPageOf(kDivisionCountItem));
    ASSERT_EQ(EnterIn(kDivisionCountItem, "7"), kNoErr);
    EXPECT_EQ(gCurrentOptions.DivisionCount, 7);
    ASSERT_EQ(EnterIn(kDivisionCountItem, "0"), kNoErr);
    EXPECT_GE(gCurrentOptions.DivisionCount, 1);
    ASSERT_EQ(EnterIn(kDivisionCountItem, "1000000"), kNoErr);
    EXPECT_LE(gCurrentOptions.DivisionCount, 10000) << "no more marks than a division takes";
}

}  // namespace
}  // namespace paneltest
