// The grid of series: from an origin and chained, spans of 4 to 100 pt every 15 degrees (and measured
// horizontally and vertically), level text or along the line, dragged out to either side.
#include <span>
#include "dimension/LinearDimensions.h"
#include "fit_grid.h"

using SeriesGrid = dimtest::FitGrid;

TEST_F(SeriesGrid, NoValueComesNearerAnotherValueAMarkOrALineOfItsSeriesThanTheGap) {
    using Draw = ASErr (*)(AIReal, AIReal, int32_t);
    const Draw draws[3][2] = {{DrawSeriesFromOriginOblique, DrawSeriesChainOblique},
                              {DrawSeriesFromOriginHorizontal, DrawSeriesChainHorizontal},
                              {DrawSeriesFromOriginVertical, DrawSeriesChainVertical}};
    const std::vector<std::vector<double>> spanSets = {{4, 4, 4, 4}, {10, 10, 10}, {20, 20, 40}, {25, 25, 25},
                                                       {50, 50, 50}, {100, 100}, {4, 100, 10, 50}};
    gCurrentOptions.Decimals = 2;
    gCurrentOptions.SeriesLabelStep = 10.0f;
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double turn = degrees * dimtest::kPi / 180.0, c = std::cos(turn), s = std::sin(turn);
        const auto at = [&](double along, double side) {
            return AIRealPoint{static_cast<AIReal>(along * c - side * s),
                               static_cast<AIReal>(along * s + side * c)};
        };
        const int kinds[2] = {0, degrees % 180 == 0 ? 1 : 2}; // oblique, then projected along the points
        for (const int kind : std::span(kinds, degrees % 90 == 0 ? 2 : 1)) {
            for (size_t run = 0; run < 8 * spanSets.size(); ++run) { // the spans, side, chained, level text
                const std::vector<double>& spans = spanSets[run / 8];
                SCOPED_TRACE(testing::Message() << degrees << " degrees, kind " << kind << ", run " << run);
                StartGroup();
                gCurrentOptions.HorizontalText = run & 1;
                double along = 0.0;
                gSeriesPointTable.SeriesPoint[0].p = at(0.0, 0.0);
                for (size_t k = 0; k < spans.size(); ++k)
                    gSeriesPointTable.SeriesPoint[k + 1].p = at(along += spans[k], 0.0);
                gToolState.ClickCount = static_cast<int16_t>(spans.size() + 1);
                ASSERT_EQ(TagSeriesArt(), kNoErr);
                const AIRealPoint cursor = at(along / 2.0, run & 4 ? -30.0 : 30.0);
                ASSERT_EQ(draws[kind][(run & 2) != 0](cursor.h, cursor.v, 0), kNoErr);
                const std::vector<AIArtHandle> extensions(std::begin(Dim().SeriesExtensionLines),
                                                          std::end(Dim().SeriesExtensionLines));
                for (size_t i = 0; i < spans.size(); ++i) {
                    dimtest::DrawnStraight d = ReadStraight(i, {}, {}, extensions);
                    for (size_t j = 0; j < spans.size(); ++j) {
                        const dimtest::DrawnStraight other = ReadStraight(j, {}, {}, {});
                        if (j == i) continue;
                        d.line.insert(d.line.end(), other.line.begin(), other.line.end());
                        d.marks.insert(d.marks.end(), other.marks.begin(), other.marks.end());
                        d.extensions.push_back(dimtest::Corners(other.value)); // its value's outline
                        d.extensions.back().push_back(d.extensions.back().front());
                    }
                    EXPECT_EQ(CrossingValueGap(d, 2.0), "") << "value " << i << " " << LabelText(i);
                }
            }
        }
    }
}
