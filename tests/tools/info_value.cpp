// The Info panel's value while each tool tracks the cursor over two measurable things and empty canvas: the value
// of what lies under the cursor at that move, the one the hint drawn there shows, and nothing where the hint shows
// none; never the value the previous thing's hint or an earlier build left.
#include "end_to_end_fixture.h"
#include "simhost/Annotator.h"
#include "simhost/CursorSnap.h"

namespace endtoend {
namespace {

struct InfoStep {
    AIRealPoint at;
    const char* value;  // in the Info panel after the move
};

struct InfoWalk {
    const char* name;
    int32_t tool;
    InfoStep steps[5];
};
void PrintTo(const InfoWalk& walk, std::ostream* out) { *out << walk.name; }

constexpr AIRealPoint kEmpty{300, -200};
// On the circle of radius 60 about the origin, and on that of radius 30 about (200, 0), between anchors.
constexpr AIRealPoint kOnCircle60{42.4264f, 42.4264f};
constexpr AIRealPoint kOnCircle30{221.2132f, 21.2132f};

class InfoValueWalk : public UserTest, public ::testing::WithParamInterface<InfoWalk> {
protected:
    static std::string InfoValue() {
        const std::vector<std::string>& values = sim::TheLogs().infoValues;
        return values.empty() ? std::string("-") : values.back();
    }
    // True when some text of the hint drawn now ends with the value.
    static bool HintShows(const std::string& value) {
        for (const sim::DrawnShape& shape : Draw())
            if (shape.kind == "text" && shape.text.size() >= value.size() &&
                shape.text.compare(shape.text.size() - value.size(), value.size(), value) == 0)
                return true;
        return false;
    }
    // Two straight paths of 100 and 150 points, two open corners (90 and 45 degrees), two circles, two curves, and
    // a closed square of side 10 whose corners lie nearer one another than two tolerances of the path walk, and a
    // side of 40 that ends in a half circle of radius 4.
    static void DrawThings() {
        Line({{500, 0}, {510, 0}, {510, 10}, {500, 10}}, true);
        const float h = 4.0f * 4.0f / 3.0f;
        Doc().DrawPath({sim::CurveSegment({600, 0}, {600, 0}, {600, 0}), sim::CurveSegment({640, 0}, {640, 0}, {640 + h, 0}),
                        sim::CurveSegment({640, 8}, {640 + h, 8}, {640, 8})},
                       false);
        Line({{0, 0}, {100, 0}});
        Line({{0, 200}, {0, 350}});
        Line({{-200, 0}, {-100, 0}, {-100, 100}});
        Line({{-300, 200}, {-200, 200}, {-300, 300}});
        Circle(60);
        const float k = hovertest::kQuarterArcHandle * 30;
        Doc().DrawPath({sim::CurveSegment({230, 0}, {230, -k}, {230, k}), sim::CurveSegment({200, 30}, {200 + k, 30}, {200 - k, 30}),
                        sim::CurveSegment({170, 0}, {170, k}, {170, -k}), sim::CurveSegment({200, -30}, {200 - k, -30}, {200 + k, -30})},
                       true);
        Doc().DrawPath({sim::CurveSegment({100, -300}, {100, -300}, {150, -220}),
                        sim::CurveSegment({250, -300}, {200, -220}, {250, -300})},
                       false);
    }
};

TEST_P(InfoValueWalk, ShowsTheValueOfWhatLiesUnderTheCursorNow) {
    const InfoWalk& walk = GetParam();
    gSettings.Sound = 1;
    gCurrentOptions.Decimals = 2;
    gCurrentOptions.BezierMode = 1;
    DrawThings();
    sim::SetSmartGuides(true);
    Select(walk.tool);
    for (const InfoStep& step : walk.steps) {
        Track(step.at);
        EXPECT_EQ(InfoValue(), std::string("19=") + step.value) << walk.name << " at " << step.at.h << "," << step.at.v;
        // The annotator draws after each move, leaving its own values in the shared buffer.
        if (*step.value != '\0') {
            EXPECT_TRUE(HintShows(step.value)) << walk.name << " at " << step.at.h << "," << step.at.v;
        } else {
            Draw();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTool, InfoValueWalk,
    ::testing::Values(
        InfoWalk{"Segment: two sides", 1,
                 {{{50, 0}, "35,28 mm"}, {{0, 275}, "52,92 mm"}, {kEmpty, ""}, {{50, 0}, "35,28 mm"}, {kEmpty, ""}}},
        InfoWalk{"Angle: two vertices", 2,
                 {{{-100, 0}, "90,00°"}, {{-200, 200}, "45,00°"}, {kEmpty, ""}, {{-100, 0}, "90,00°"}, {kEmpty, ""}}},
        InfoWalk{"Cercle: two arcs", 3,
                 {{kOnCircle60, "R21,17 mm"}, {kOnCircle30, "R10,58 mm"}, {kEmpty, ""}, {kOnCircle60, "R21,17 mm"},
                  {kEmpty, ""}}},
        InfoWalk{"Bezier: two curves", 4,
                 {{kOnCircle60, "133,01 mm"}, {{175, -241}, "70,58 mm"}, {kEmpty, ""}, {kOnCircle60, "133,01 mm"},
                  {kEmpty, ""}}},
        InfoWalk{"Longueurs et aires: two anchors", 5,
                 {{{0, 0}, "35,28 mm"}, {{0, 350}, "52,92 mm"}, {kEmpty, ""}, {{0, 0}, "35,28 mm"}, {kEmpty, ""}}},
        // The anchor within the tolerance wins over a straight segment however short: 40 points round.
        InfoWalk{"Longueurs et aires: corners of a small square", 5,
                 {{{503, 0}, "14,11 mm"}, {{510, 7}, "14,11 mm"}, {kEmpty, ""}, {{0, 0}, "35,28 mm"}, {{497, 10}, "14,11 mm"}}},
        // Where a straight side meets a short curve, the part under the cursor decides: 3 from the corner along the
        // side takes the anchor; 3 from it along the curve, past a quarter of its chord, the curve.
        InfoWalk{"Longueurs et aires: a side ending in a small half circle", 5,
                 {{{637, 0}, "18,59 mm"}, {{642.83f, 1.17f}, ""}, {kEmpty, ""}, {{637, 0}, "18,59 mm"}, {{0, 0}, "35,28 mm"}}}),
    [](const ::testing::TestParamInfo<InfoWalk>& info) {
        const std::string tool = "Tool" + std::to_string(info.param.tool);
        return info.index < 5 ? tool : tool + "_" + std::to_string(info.index);
    });

}  // namespace
}  // namespace endtoend
