// The four end-mark presets in both variants, for the Angle tool and the others.
#include <cmath>

#include "case_name.h"
#include "frame/ArrowTips.h"
#include "settings_fixture.h"

namespace settingstest {
namespace {

struct Point {
    float X, Y;
};

class ArrowTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        StartFromDefaults();
        gToolState.CurrentTool = kSegmentTool;
        gToolState.SegmentArrowsFlag = 0;
    }
    static void Apply(int32_t preset, bool arrows) {
        gCurrentOptions.ArrowHeads = arrows ? 1 : 0;
        ApplyArrowPreset(preset);
    }
    static std::vector<Point> Anchors() {
        std::vector<Point> points;
        for (int i = 0; i < gArrowHeadShape.PointCount; ++i)
            points.push_back({gArrowHeadShape.AnchorX[i], gArrowHeadShape.AnchorY[i]});
        return points;
    }
    static void ExpectAnchors(const std::vector<Point>& expected) {
        ASSERT_EQ(gArrowHeadShape.PointCount, static_cast<int16_t>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorX[i], expected[i].X) << i;
            EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[i], expected[i].Y) << i;
        }
    }
    static void ExpectCorners() {
        for (int i = 0; i < gArrowHeadShape.PointCount; ++i) {
            EXPECT_EQ(gArrowHeadShape.InX[i], gArrowHeadShape.AnchorX[i]) << i;
            EXPECT_EQ(gArrowHeadShape.InY[i], gArrowHeadShape.AnchorY[i]) << i;
            EXPECT_EQ(gArrowHeadShape.OutX[i], gArrowHeadShape.AnchorX[i]) << i;
            EXPECT_EQ(gArrowHeadShape.OutY[i], gArrowHeadShape.AnchorY[i]) << i;
        }
    }
    static void ExpectFlags(int32_t closed, int32_t hollow, float lineStartX, float lineStartY) {
        EXPECT_EQ(gArrowHeadShape.EndMarkClosed, closed);
        EXPECT_EQ(gArrowHeadShape.Hollow, hollow);
        EXPECT_FLOAT_EQ(gArrowHeadShape.LineStartOffset.h, lineStartX);
        EXPECT_FLOAT_EQ(gArrowHeadShape.LineStartOffset.v, lineStartY);
    }
    // A round point of radius 2.25 centred on the origin: four smooth anchors with quarter-circle handles.
    static void ExpectRoundPoint(int32_t hollow) {
        constexpr float r = 2.25f;
        constexpr float h = 2.25f * 0.5522847771644592f;
        ExpectAnchors({{r, 0}, {0, r}, {-r, 0}, {0, -r}});
        ExpectFlags(1, hollow, r, 0.0f);
        const float inX[] = {r, h, -r, -h}, inY[] = {-h, r, h, -r};
        const float outX[] = {r, -h, -r, h}, outY[] = {h, r, -h, -r};
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(gArrowHeadShape.InX[i], inX[i]) << i;
            EXPECT_FLOAT_EQ(gArrowHeadShape.InY[i], inY[i]) << i;
            EXPECT_FLOAT_EQ(gArrowHeadShape.OutX[i], outX[i]) << i;
            EXPECT_FLOAT_EQ(gArrowHeadShape.OutY[i], outY[i]) << i;
        }
    }
};

TEST_F(ArrowTest, PresetZeroAsArrowsIsPredefinedTipOne) {
    Apply(0, true);
    ExpectAnchors({{0, 0}, {10, -5}, {10, -4}, {2, 0}, {10, 4}, {10, 5}});
    ExpectCorners();
    ExpectFlags(1, 0, 2.0f, 0.0f);
    EXPECT_EQ(gArrowHeadShape.Preset, 0);
}

TEST_F(ArrowTest, PresetsZeroAndOneAsPointsAreAFilledAndAHollowRoundPoint) {
    Apply(0, false);
    ExpectRoundPoint(0);
    Apply(1, false);
    ExpectRoundPoint(1);
}

TEST_F(ArrowTest, PresetOneAsArrowsIsTwoOpenBarbsAtTheFirstAngle) {
    gColourSettings.OpenArrowAngle = 17.0;
    gColourSettings.TriangleArrowAngle = 45.0;
    Apply(1, true);
    ExpectAnchors({{9.0f, -2.7515761f}, {0, 0}, {9.0f, 2.7515761f}});
    ExpectCorners();
    ExpectFlags(0, 1, 0.0f, 0.0f);
}

TEST_F(ArrowTest, PresetTwoAsArrowsIsATriangleAtTheSecondAngleHollowByTheSetting) {
    gColourSettings.OpenArrowAngle = 45.0;
    gColourSettings.TriangleArrowAngle = 30.0;
    gColourSettings.HollowTriangle = 1;
    Apply(2, true);
    ExpectAnchors({{0, 0}, {9.0f, -5.1961524f}, {9.0f, 5.1961524f}});
    ExpectCorners();
    ExpectFlags(1, 1, 9.0f, 0.0f);
    gColourSettings.HollowTriangle = 0;
    Apply(2, true);
    EXPECT_EQ(gArrowHeadShape.Hollow, 0);
}

// The angles at which a barbed or triangular arrow has no width: flat at 90 degrees and beyond.
struct GuardCase {
    double Angle;
    float Length;
    float HalfWidth;
};

class ArrowAngleGuard : public ArrowTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(ArrowAngleGuard, KeepsEveryCoordinateFinite) {
    const GuardCase& c = GetParam();
    gColourSettings.OpenArrowAngle = c.Angle;
    gColourSettings.TriangleArrowAngle = c.Angle;
    for (int32_t preset : {1, 2}) {
        Apply(preset, true);
        for (int i = 0; i < gArrowHeadShape.PointCount; ++i) {
            EXPECT_TRUE(std::isfinite(gArrowHeadShape.AnchorX[i]) && std::isfinite(gArrowHeadShape.AnchorY[i]));
            EXPECT_TRUE(std::isfinite(gArrowHeadShape.InY[i]) && std::isfinite(gArrowHeadShape.OutY[i]));
        }
        // Point 2 is the upper barb of both arrows.
        EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorX[2], c.Length) << preset;
        EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[2], c.HalfWidth) << preset;
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, ArrowAngleGuard,
                         ::testing::Values(GuardCase{90.0, 0.0f, 0.0f}, GuardCase{120.0, 0.0f, 0.0f},
                                           GuardCase{0.0, 9.0f, 0.0f}, GuardCase{-15.0, 9.0f, 0.0f},
                                           GuardCase{45.0, 9.0f, 9.0f},
                                           GuardCase{89.9, 9.0f, 5156.6149f},
                                           GuardCase{std::nan(""), 9.0f, 0.0f}),
                         [](const auto& info) {
                             return CaseName("Angle", info.param.Angle, "length", info.param.Length, "half width",
                                             info.param.HalfWidth);
                         });

// The two-point tick of presets 2 and 3 as points: the Angle tool flat, the others slanted by the flag.
struct TickCase {
    int32_t Preset;
    ToolNumber Tool;
    int32_t Flag;
    float FirstY;
};

class TickRule : public ArrowTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickRule, IsAnOpenStrokedTickAcrossTheLine) {
    const TickCase& c = GetParam();
    gToolState.CurrentTool = c.Tool;
    gToolState.SegmentArrowsFlag = c.Flag;
    Apply(c.Preset, false);
    ExpectAnchors({{-4.5f, c.FirstY}, {4.5f, -c.FirstY}});
    ExpectCorners();
    ExpectFlags(0, 1, 0.0f, 0.0f);
    EXPECT_EQ(gArrowHeadShape.Preset, c.Preset);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, TickRule,
    ::testing::Values(TickCase{2, kAngleTool, 0, 0.0f}, TickCase{2, kAngleTool, 1, 0.0f},
                      TickCase{3, kAngleTool, 1, 0.0f}, TickCase{2, kSegmentTool, 1, -2.4508758f},
                      TickCase{2, kSegmentTool, 0, 2.4508758f}, TickCase{3, kSegmentTool, 1, -2.4508758f},
                      TickCase{3, kSegmentTool, 0, 2.4508758f}, TickCase{2, kCircleTool, 0, 2.4508758f},
                      TickCase{3, kBezierTool, 1, -2.4508758f}, TickCase{2, kMeasureTool, 1, -2.4508758f}),
    [](const auto& info) {
        return CaseName("Preset", info.param.Preset, "tool", info.param.Tool, "flag", info.param.Flag);
    });

TEST_F(ArrowTest, PresetThreeAsArrowsCopiesThePreferredArrowWithInAndOutSwapped) {
    PreferredArrow& arrow = gSettings.PreferredArrowShape;
    arrow.Closed = 0;
    arrow.Hollow = 1;
    arrow.LineStartX = 3.5;
    arrow.LineStartY = -0.5;
    Apply(3, true);
    // The factory preferred arrow is predefined tip 5.
    ExpectAnchors({{0, 0}, {11, -4.5f}, {13, -2}, {2, 0}, {13, 2}, {11, 4.5f}});
    ExpectFlags(0, 1, 3.5f, 0.0f);  // the line start stays on the axis
    // The editor's In handle of point k is the out-handle of segment k, its Out handle the in-handle.
    EXPECT_EQ(gArrowHeadShape.OutX[1], 14.6f);
    EXPECT_EQ(gArrowHeadShape.OutY[1], -5.8f);
    EXPECT_EQ(gArrowHeadShape.InX[1], 11.0f);
    EXPECT_EQ(gArrowHeadShape.InY[1], -4.5f);
    EXPECT_EQ(gArrowHeadShape.OutX[2], 10.7f);
    EXPECT_EQ(gArrowHeadShape.InX[2], 15.25f);
    EXPECT_EQ(gArrowHeadShape.InY[4], 1.4f);
    EXPECT_EQ(gArrowHeadShape.OutX[5], 11.0f);
    EXPECT_EQ(gArrowHeadShape.InX[5], 14.6f);
    EXPECT_EQ(gArrowHeadShape.InY[5], 5.8f);
}

TEST_F(ArrowTest, PresetThreeHoldsAPreferredCountOutsideItsArrayToTheArray) {
    gSettings.PreferredArrowShape.PointCount = 40;
    Apply(3, true);
    EXPECT_EQ(gArrowHeadShape.PointCount, 20);
    gSettings.PreferredArrowShape.PointCount = -1;
    Apply(3, true);
    EXPECT_EQ(gArrowHeadShape.PointCount, 2);
}

TEST_F(ArrowTest, ThePresetIsRecordedAsTheStoredChoiceInMemoryOnly) {
    for (int32_t preset : {3, 1, 2, 0}) {
        Apply(preset, preset % 2 == 0);
        EXPECT_EQ(gSettings.ArrowPreset, preset);
        EXPECT_EQ(gArrowHeadShape.Preset, preset);
    }
    EXPECT_TRUE(WrittenKeys().empty());
    EXPECT_EQ(Stored("RadioFleche"), sim::PrefValue::Int(0));
}

TEST_F(ArrowTest, APresetNumberOutsideTheFourLoadsPresetZero) {
    Apply(7, true);
    EXPECT_EQ(gArrowHeadShape.Preset, 0);
    EXPECT_EQ(gSettings.ArrowPreset, 0);
    EXPECT_EQ(gArrowHeadShape.PointCount, 6);
    Apply(-2, false);
    EXPECT_EQ(gArrowHeadShape.PointCount, 4);
}

TEST_F(ArrowTest, ALoadLeavesNoPointOfAnEarlierShapeBehind) {
    Apply(3, true);
    gSettings.PreferredArrowShape.PointCount = 20;
    gSettings.PreferredArrowShape.Points.AnchorX[19] = 7.0f;
    Apply(3, true);
    EXPECT_EQ(gArrowHeadShape.AnchorX[19], 7.0f);
    Apply(2, false);
    for (int i = 2; i < 20; ++i) EXPECT_EQ(gArrowHeadShape.AnchorX[i], 0.0f) << i;
}

TEST_F(ArrowTest, ThePredefinedTipsMatchTheirOutlines) {
    // Each tip starts at the origin, is mirrored about the x axis and extends towards positive x.
    for (const ArrowTip& tip : kPredefinedArrowTips) {
        ASSERT_GE(tip.PointCount, 3);
        ASSERT_LE(tip.PointCount, 12);
        EXPECT_EQ(tip.Points[0].AnchorX, 0.0f);
        EXPECT_EQ(tip.Points[0].AnchorY, 0.0f);
        const int n = tip.PointCount;
        for (int k = 1; k < n; ++k) {
            const ArrowTipPoint& p = tip.Points[k];
            const ArrowTipPoint& partner = tip.Points[n - k];
            EXPECT_GE(p.AnchorX, 0.0f);
            EXPECT_EQ(p.AnchorX, partner.AnchorX) << "tip " << n << " point " << k;
            EXPECT_EQ(p.AnchorY, -partner.AnchorY) << "tip " << n << " point " << k;
            EXPECT_EQ(p.InX, partner.OutX) << "tip " << n << " point " << k;
            EXPECT_EQ(p.InY, -partner.OutY) << "tip " << n << " point " << k;
        }
    }
    EXPECT_EQ(kPredefinedArrowTips[5].LineStartX, 13.0f);
    EXPECT_EQ(kPredefinedArrowTips[2].Points[1].InY, -2.5f);
}

}  // namespace
}  // namespace settingstest
