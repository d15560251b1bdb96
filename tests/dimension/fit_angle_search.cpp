// The search that puts an angle's value past the end of its arc passes over the steps where the value plainly
// still meets a side or the mark; it must find the very place the search of every step finds.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dimension/AngleBuilders.h"
#include "dimension/DimensionArt.h"
#include "fit_fixture.h"

namespace dimtest {
namespace {

using TightAngleSearch = FitGeometry;

constexpr double kPi = 3.14159265358979323846;

TEST_F(TightAngleSearch, PassingOverBlockedStepsFindsThePlaceEveryStepFinds) {
    // A press that drags: the cursor's side chooses the arc end the value goes past.
    gToolState.PressDragged = 1;
    int searched = 0;
    int startEnds = 0;
    for (const AIRealPoint vertex : {AIRealPoint{0.0f, 0.0f}, AIRealPoint{-3000.5f, 12000.25f}}) {
        for (const double start : {0.0, 1.3, -2.9}) {
            for (int degrees = 2; degrees <= 178; degrees += 11) {
                for (const double sign : {1.0, -1.0}) {
                    const double sweep = sign * degrees * kPi / 180.0;
                    for (const double radius : {6.0, 25.0, 80.0}) {
                        for (const double width : {9.0, 31.5, 120.0}) {
                            for (const bool marksOutside : {false, true}) {
                                for (const bool measured : {false, true}) {
                                    for (const double cursorShare : {0.2, 0.8}) {
                                        SCOPED_TRACE("vertex " + std::to_string(vertex.h) + " start " +
                                                     std::to_string(start) + " sweep " + std::to_string(sweep) +
                                                     " radius " + std::to_string(radius) + " width " +
                                                     std::to_string(width) + (marksOutside ? " out" : " in") +
                                                     (measured ? " measured" : " created") + " cursor " +
                                                     std::to_string(cursorShare));
                                        const double sideLength = 1.5 * radius;
                                        const auto along = [&](double length, double direction) {
                                            return AIRealPoint{
                                                static_cast<AIReal>(vertex.h + length * std::cos(direction)),
                                                static_cast<AIReal>(vertex.v + length * std::sin(direction))};
                                        };
                                        gMeasuredPoints.AnglePointB.p =
                                            measured ? along(sideLength, start) : AIRealPoint{};
                                        gMeasuredPoints.AnglePointA.p =
                                            measured ? along(sideLength, start + sweep) : AIRealPoint{};
                                        gToolState.CursorPoint = along(radius, start + cursorShare * sweep);
                                        const AngleLayout layout =
                                            LayOutAngle(vertex, radius, sweep, start, false, false, 0.0, 0.0);
                                        const LabelExtent extent{width, -2.0, 8.5};
                                        const double scale = EndMarkScale();
                                        const OutsideAngleValue every =
                                            PlaceOutsideAngleValue(vertex, radius, layout, extent, scale,
                                                                   marksOutside, AngleValueSearch::EveryStep);
                                        const OutsideAngleValue passing =
                                            PlaceOutsideAngleValue(vertex, radius, layout, extent, scale,
                                                                   marksOutside, AngleValueSearch::PassOverBlocked);
                                        EXPECT_EQ(passing.Centre.X, every.Centre.X);
                                        EXPECT_EQ(passing.Centre.Y, every.Centre.Y);
                                        EXPECT_EQ(passing.TextAngle, every.TextAngle);
                                        EXPECT_EQ(passing.Arc.Tail[0], every.Arc.Tail[0]);
                                        EXPECT_EQ(passing.Arc.Tail[1], every.Arc.Tail[1]);
                                        if (every.Arc.Tail[0] + every.Arc.Tail[1] > 0.0) ++searched;
                                        if (every.Arc.Tail[0] > 0.0) ++startEnds;
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    // Most of the cases went past an arc's end (at both ends), where the two searches differ in the work they do.
    EXPECT_GT(searched, 2000);
    EXPECT_GT(startEnds, 500);
}

} // namespace
} // namespace dimtest
