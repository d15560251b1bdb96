// The Bézier tool's local radius and the Cercle tool's radius on circles small and large and on a curve through an
// inflection, and the Bézier tool's Info-panel value, as a user hovers and clicks.
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "case_name.h"
#include "end_to_end_fixture.h"
#include "frame/CanvasWrites.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "simhost/Annotator.h"
#include "simhost/CursorSnap.h"

namespace endtoend {
namespace {

struct RadiusCase {
    const char* name;
    int32_t tool;   // 4 the Bézier tool's local radius, 3 the Cercle tool's radius of a clicked arc
    float radius;   // of the circle about the origin; 0 for the curve that turns through an inflection at (100, 0)
    float degrees;  // where the cursor is, counter-clockwise from the first anchor
    float reach;    // the cursor's distance from the centre: on the circle, or a little off it
    bool curve;     // the click takes the curve (else the anchor: a creation, or the Cercle tool's first end)
};
void PrintTo(const RadiusCase& c, std::ostream* out) { *out << c.name; }

// The curve from (0, 0) up and over to (200, 0) and back through itself: it turns through an inflection at t = 0.5,
// the point (100, 0), where its tangent runs along (3, -2).
constexpr AIRealPoint kInflection{100, 0};

// Through the host's messages: hover, press and release. A click on the curve draws the radius line from the centre
// of curvature to the curve point under the cursor (the Cercle tool: the radius dimension of the arc), one near an
// anchor takes the anchor. A tolerance wider than a quarter of a small circle's side no longer makes the whole
// circle an anchor. Where the centre lies beyond the canvas, the line runs on the normal to the canvas's edge.
class LocalRadiusClicks : public UserTest, public ::testing::WithParamInterface<RadiusCase> {};

TEST_P(LocalRadiusClicks, TheRadiusLineEndsOnTheCurveUnderTheCursor) {
    const RadiusCase& c = GetParam();
    if (c.radius > 0) {
        Circle(c.radius);
    } else {
        Doc().DrawPath({sim::CurveSegment({0, 0}, {0, 0}, {50, 100}), sim::CurveSegment({200, 0}, {150, -100}, {200, 0})},
                       false);
    }
    gSettings.Sound = 1;
    gCurrentOptions.BezierMode = 1;
    Select(c.tool);
    const double angle = static_cast<double>(c.degrees) * std::numbers::pi / 180.0;
    const auto at = [&](float reach) {
        if (c.radius <= 0) return kInflection;
        return AIRealPoint{static_cast<float>(reach * std::cos(angle)), static_cast<float>(reach * std::sin(angle))};
    };
    Click(at(c.reach));
    EXPECT_TRUE(Alerts().empty()) << c.name;
    if (!c.curve) {
        EXPECT_EQ(gHitState.HoverFlags.OverAnchor, 1) << c.name;
        if (c.tool == kCircleTool) {
            EXPECT_EQ(gToolState.ClickCount, 1) << c.name << ": the first end of an arc";
            return;
        }
        EXPECT_EQ(gToolState.BezierElementKind, 7) << c.name;
        EXPECT_EQ(sim::TheLogs().modalRuns.size(), 1u) << c.name << ": the creation dialog";
        return;
    }
    EXPECT_TRUE(sim::TheLogs().modalRuns.empty()) << c.name;
    if (c.tool == kCircleTool) {
        EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9001})) << c.name;
        EXPECT_EQ(gToolState.ClickCount, 0) << c.name << ": no first end waits";
        EXPECT_EQ(Label(Group()).rfind("R", 0), 0u) << c.name << ": " << Label(Group());
        EXPECT_NEAR(gMeasuredPoints.CircleRadius, c.radius, 0.05f * c.radius) << c.name;
        return;
    }
    ASSERT_EQ(c.radius > 0 ? gHitState.HoverFlags.OverArc : gHitState.HoverFlags.OverCurve, 1) << c.name;
    EXPECT_EQ(gToolState.BezierElementKind, 5) << c.name;
    EXPECT_EQ(Beeps(), (std::vector<uint32_t>{9000})) << c.name;
    const sim::ArtNode* line = Doc().Art(gCurrentDimension.AuxLine);
    ASSERT_NE(line, nullptr) << c.name;
    ASSERT_EQ(line->segments.size(), 2u) << c.name;
    const AIRealPoint centre = line->segments[0].p;
    const AIRealPoint end = line->segments[1].p;
    const AIRealPoint onCurve = at(c.radius);
    // The samples of a quarter lie a quarter's length / 1000 apart: under 0.32 on the largest circle here.
    EXPECT_NEAR(end.h, onCurve.h, 0.4f) << c.name;
    EXPECT_NEAR(end.v, onCurve.v, 0.4f) << c.name;
    if (c.radius > 0) {
        EXPECT_NEAR(std::hypot(end.h - centre.h, end.v - centre.v), c.radius, 0.01f * c.radius) << c.name;
        return;
    }
    // Beyond the canvas: the line leaves the curve point square to its tangent and stops at the canvas's edge,
    // not at a corner; the value is the radius, longer than any line on the canvas.
    const double along = (centre.h - end.h) * 3.0 + (centre.v - end.v) * -2.0;
    EXPECT_NEAR(along / std::hypot(centre.h - end.h, centre.v - end.v), 0.0, 1e-3) << c.name;
    EXPECT_NEAR(std::max(std::fabs(centre.h), std::fabs(centre.v)), kCanvasReach, 0.5) << c.name;
    EXPECT_LT(std::min(std::fabs(centre.h), std::fabs(centre.v)), kCanvasReach - 1.0) << c.name;
    const std::string value = Label(Group());
    EXPECT_GT(std::strtod(value.c_str(), nullptr), kCanvasReach * 25.4 / 72.0) << c.name << ": " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Circles, LocalRadiusClicks,
    ::testing::Values(RadiusCase{"small, middle of a quarter", 4, 8, 45, 8, true},
                      RadiusCase{"small, a third of a quarter", 4, 8, 30, 8, true},
                      RadiusCase{"small, beside an anchor", 4, 8, 5, 8, false},
                      RadiusCase{"medium, middle", 4, 40, 45, 40, true},
                      RadiusCase{"large, middle", 4, 200, 45, 200, true},
                      RadiusCase{"large, near the start of a quarter", 4, 200, 20, 200, true},
                      RadiusCase{"large, cursor outside", 4, 200, 60, 203, true},
                      RadiusCase{"large, cursor inside", 4, 200, 150, 197, true},
                      RadiusCase{"large, on an anchor", 4, 200, 90, 200, false},
                      RadiusCase{"inflection, centre beyond the canvas", 4, 0, 0, 0, true},
                      RadiusCase{"Cercle, radius 3, middle of a quarter", 3, 3, 45, 3, true},
                      RadiusCase{"Cercle, radius 4, middle of a quarter", 3, 4, 135, 4, true},
                      RadiusCase{"Cercle, radius 5, middle of a quarter", 3, 5, 225, 5, true},
                      RadiusCase{"Cercle, radius 6, middle of a quarter", 3, 6, 315, 6, true},
                      RadiusCase{"Cercle, radius 3, on an anchor", 3, 3, 90, 3.3f, false}),
    [](const ::testing::TestParamInfo<RadiusCase>& info) { return CaseName(info.param.name); });

// The Info panel's value after each move of a walk over two curves and empty canvas, in each mode: the value of
// what lies under the cursor at that move, which is the value the hint drawn there shows after "L courbe=", and
// nothing where the hint shows none (a value left by the local radius just built, or by the curve hovered before,
// no longer stays).
class BezierInfoValue : public UserTest {
protected:
    static std::string InfoValue() {
        const std::vector<std::string>& values = sim::TheLogs().infoValues;
        return values.empty() ? std::string("-") : values.back();
    }
    // The value of the hint drawn now after "L courbe=", or "" when no such line is drawn.
    static std::string HintedLength() {
        EXPECT_EQ(sim::TheAnnotators().Draw(), kNoErr);
        const std::string label = "L courbe=";
        for (const sim::DrawnShape& shape : sim::TheAnnotators().LastDrawing().shapes)
            if (shape.kind == "text" && shape.text.rfind(label, 0) == 0) return shape.text.substr(label.size());
        return "";
    }
};

TEST_F(BezierInfoValue, IsTheValueOfWhatLiesUnderTheCursorNow) {
    gSettings.Sound = 1;
    gCurrentOptions.Decimals = 2;
    Circle(60);                               // length 120 pi points: 133,01 mm
    Doc().DrawPath({sim::CurveSegment({100, 0}, {100, 0}, {150, 80}), sim::CurveSegment({250, 0}, {200, 80}, {250, 0})},
                   false);                    // 70,58 mm
    sim::SetSmartGuides(true);
    struct Step {
        int32_t mode;
        AIRealPoint at;
        bool click;
        const char* value;  // in the Info panel after the move (and the click)
    };
    const Step steps[] = {
        {1, {42.4264f, 42.4264f}, false, "133,01 mm"},
        {1, {42.4264f, 42.4264f}, true, "133,01 mm"},
        {1, {175, 59}, false, "70,58 mm"},
        {1, {300, 200}, false, ""},
        {2, {175, 59}, false, "70,58 mm"},
        {2, {42.4264f, 42.4264f}, false, "133,01 mm"},
        {0, {175, 59}, false, ""},
    };
    Select(4);
    for (const Step& step : steps) {
        gCurrentOptions.BezierMode = step.mode;
        if (step.click) Click(step.at);
        Track(step.at);
        EXPECT_EQ(InfoValue(), std::string("19=") + step.value)
            << step.mode << " " << step.at.h << (step.click ? " after the click" : "");
        EXPECT_EQ(HintedLength(), step.value) << step.mode << " " << step.at.h;
    }
}

}  // namespace
}  // namespace endtoend
