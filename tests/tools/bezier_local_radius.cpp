// The Bézier tool's local radius on circles small and large, as a user hovers and clicks them.
#include <cmath>
#include <numbers>

#include "end_to_end_fixture.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"

namespace endtoend {
namespace {

struct RadiusCase {
    const char* name;
    float radius;   // of the circle about the origin
    float degrees;  // where the cursor is, counter-clockwise from the first anchor
    float reach;    // the cursor's distance from the centre: on the circle, or a little off it
    bool curve;     // the click takes the curve (else the anchor, which starts a creation)
};
void PrintTo(const RadiusCase& c, std::ostream* out) { *out << c.name; }

// Through the host's messages: hover, press and release in the local-radius mode; a click on the curve draws the
// radius line from the centre of curvature to the curve point under the cursor, one near an anchor takes the
// anchor. A tolerance wider than a quarter of a small circle's side no longer makes the whole circle an anchor.
class LocalRadiusClicks : public UserTest, public ::testing::WithParamInterface<RadiusCase> {};

TEST_P(LocalRadiusClicks, TheRadiusLineEndsOnTheCurveUnderTheCursor) {
    const RadiusCase& c = GetParam();
    Circle(c.radius);
    gSettings.Sound = 1;
    gCurrentOptions.BezierMode = 1;
    Select(4);
    const double angle = static_cast<double>(c.degrees) * std::numbers::pi / 180.0;
    const auto at = [&](float reach) {
        return AIRealPoint{static_cast<float>(reach * std::cos(angle)), static_cast<float>(reach * std::sin(angle))};
    };
    Click(at(c.reach));
    if (!c.curve) {
        EXPECT_EQ(gHitState.HoverFlags.OverAnchor, 1) << c.name;
        EXPECT_EQ(gToolState.BezierElementKind, 7) << c.name;
        EXPECT_EQ(sim::TheLogs().modalRuns.size(), 1u) << c.name << ": the creation dialog";
        return;
    }
    ASSERT_EQ(gHitState.HoverFlags.OverArc, 1) << c.name;
    EXPECT_EQ(gToolState.BezierElementKind, 5) << c.name;
    EXPECT_TRUE(sim::TheLogs().modalRuns.empty()) << c.name;
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
    EXPECT_NEAR(std::hypot(end.h - centre.h, end.v - centre.v), c.radius, 0.01f * c.radius) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Circles, LocalRadiusClicks,
    ::testing::Values(RadiusCase{"small, middle of a quarter", 8, 45, 8, true},
                      RadiusCase{"small, a third of a quarter", 8, 30, 8, true},
                      RadiusCase{"small, beside an anchor", 8, 5, 8, false},
                      RadiusCase{"medium, middle", 40, 45, 40, true},
                      RadiusCase{"large, middle", 200, 45, 200, true},
                      RadiusCase{"large, near the start of a quarter", 200, 20, 200, true},
                      RadiusCase{"large, cursor outside", 200, 60, 203, true},
                      RadiusCase{"large, cursor inside", 200, 150, 197, true},
                      RadiusCase{"large, on an anchor", 200, 90, 200, false}),
    [](const ::testing::TestParamInfo<RadiusCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace endtoend
