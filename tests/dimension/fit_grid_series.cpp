// The grid of series: from an origin and chained, spans of 4 to 100 pt every 15 degrees (and measured
// horizontally and vertically), level text or along the line, dragged out to either side.
#include <span>

#include "dimension/LinearDimensions.h"
#include "fit_fixture.h"

using dimtest::Box;
using dimtest::P;

namespace {

// True when two boxes share some area: an edge of one crosses the other, or one holds the other's middle.
bool Overlap(const Box& a, const Box& b) {
    if (a.Contains(b.Centre()) || b.Contains(a.Centre())) return true;
    for (const auto& [one, other] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        const double l[5] = {one->left, one->right, one->right, one->left, one->left};
        const double u[5] = {one->bottom, one->bottom, one->top, one->top, one->bottom};
        const auto at = [&](int k) {
            return P{one->origin.x + l[k] * one->along.x - u[k] * one->along.y,
                     one->origin.y + l[k] * one->along.y + u[k] * one->along.x};
        };
        for (int k = 0; k < 4; ++k) if (dimtest::Crosses(*other, at(k), at(k + 1))) return true;
    }
    return false;
}

class SeriesGrid : public dimtest::FitGeometry {};

} // namespace

TEST_F(SeriesGrid, NoValueCrossesAnotherValueAMarkOrALineOfItsSeries) {
    using Draw = ASErr (*)(AIReal, AIReal, int32_t);
    const Draw draws[3][2] = {{DrawSeriesFromOriginOblique, DrawSeriesChainOblique},
                              {DrawSeriesFromOriginHorizontal, DrawSeriesChainHorizontal},
                              {DrawSeriesFromOriginVertical, DrawSeriesChainVertical}};
    const std::vector<std::vector<double>> spanSets = {{4, 4, 4, 4}, {10, 10, 10}, {20, 20, 40}, {25, 25, 25},
                                                       {50, 50, 50}, {100, 100}, {4, 100, 10, 50}};
    gCurrentOptions.Decimals = 2;
    gCurrentOptions.SeriesLabelStep = 10.0f;
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const P u{std::cos(degrees * dimtest::kPi / 180.0), std::sin(degrees * dimtest::kPi / 180.0)};
        const int kinds[2] = {0, degrees % 180 == 0 ? 1 : 2}; // oblique, then projected along the points
        for (const int kind : std::span(kinds, degrees % 90 == 0 ? 2 : 1)) {
            for (size_t set = 0; set < spanSets.size(); ++set) {
                for (int style = 0; style < 8; ++style) { // level text, chained, the side dragged to
                    const bool level = style & 1, chained = style & 2;
                    const double side = style & 4 ? -30.0 : 30.0;
                    SCOPED_TRACE(std::to_string(degrees) + " degrees, kind " + std::to_string(kind) + ", spans " +
                                 std::to_string(set) + ", style " + std::to_string(style));
                    StartGroup();
                    gCurrentOptions.HorizontalText = level;
                    double along = 0.0;
                    gSeriesPointTable.SeriesPoint[0].p = {0.0f, 0.0f};
                    for (size_t k = 0; k < spanSets[set].size(); ++k) {
                        along += spanSets[set][k];
                        gSeriesPointTable.SeriesPoint[k + 1].p = {static_cast<AIReal>(along * u.x),
                                                                  static_cast<AIReal>(along * u.y)};
                    }
                    gToolState.ClickCount = static_cast<int16_t>(spanSets[set].size() + 1);
                    ASSERT_EQ(TagSeriesArt(), kNoErr);
                    ASSERT_EQ(draws[kind][chained](static_cast<AIReal>(along / 2.0 * u.x - side * u.y),
                                                   static_cast<AIReal>(along / 2.0 * u.y + side * u.x), 0),
                              kNoErr);
                    for (size_t i = 0; i < spanSets[set].size(); ++i) {
                        EXPECT_TRUE(PartsCrossing(i).empty()) << "value " << i;
                        for (size_t j = i + 1; j < spanSets[set].size(); ++j)
                            EXPECT_FALSE(Overlap(LabelBox(i), LabelBox(j))) << "values " << i << " and " << j;
                    }
                }
            }
        }
    }
}
