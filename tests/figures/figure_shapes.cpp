// The shapes of created figures, computed without a document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "case_name.h"
#include "figures/CircleFigureShape.h"
#include "figures/SegmentFigureShape.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr float kTolerance = 1e-3f;

#define EXPECT_AT(point, x, y)                       \
    do {                                             \
        EXPECT_NEAR((point).h, (x), kTolerance);     \
        EXPECT_NEAR((point).v, (y), kTolerance);     \
    } while (false)

TEST(CircleShape, StartsLeftmostAndRunsClockwiseWithQuarterHandles) {
    AIPathSegment s[kCircleSegmentCount];
    CircleSegments(10.0f, {100, 50}, s);
    const float k = 5.522848f;
    EXPECT_AT(s[0].p, 90, 50);
    EXPECT_AT(s[0].in, 90, 50 - k);
    EXPECT_AT(s[0].out, 90, 50 + k);
    EXPECT_AT(s[1].p, 100, 60);
    EXPECT_AT(s[1].out, 100 + k, 60);
    EXPECT_AT(s[2].p, 110, 50);
    EXPECT_AT(s[2].out, 110, 50 - k);
    EXPECT_AT(s[3].p, 100, 40);
    EXPECT_AT(s[3].in, 100 + k, 40);
    for (const AIPathSegment& segment : s) EXPECT_EQ(segment.corner, 1);
}

// Arc of radius 10 about the origin from direction 0 over `sweep`: the pieces, the count and each anchor.
struct ArcCase {
    float Sweep;
    int32_t Pieces;
    size_t Count;
};

class ArcShape : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcShape, AnchorsLieOnTheCircleAtEachQuarterAndTheEnd) {
    const ArcCase c = GetParam();
    EXPECT_EQ(ArcPieceCount(c.Sweep), c.Pieces);
    AIPathSegment s[kArcSegmentCapacity];
    const size_t count = ArcSegments(10.0f, {0, 0}, c.Sweep, 0.0f, false, s);
    ASSERT_EQ(count, c.Count);
    const double sign = (c.Sweep > 0) - (c.Sweep < 0);
    for (size_t i = 0; i + 1 < count; ++i) {
        const double at = sign * static_cast<double>(i) * kPi / 2.0;
        EXPECT_AT(s[i].p, 10 * std::cos(at), 10 * std::sin(at));
    }
    EXPECT_AT(s[count - 1].p, 10 * std::cos(c.Sweep), 10 * std::sin(c.Sweep));
    EXPECT_AT(s[0].in, s[0].p.h, s[0].p.v);                  // the ends have no outer handle
    EXPECT_AT(s[count - 1].out, s[count - 1].p.h, s[count - 1].p.v);
    // The last piece's handles are r x 4/3 x tan(piece / 4), tangent to the circle.
    const double last = c.Sweep - sign * (c.Pieces - 1) * kPi / 2.0;
    const double k = 10 * 4.0 / 3.0 * std::tan(last / 4.0);
    const double end = c.Sweep;
    EXPECT_AT(s[count - 1].in, 10 * std::cos(end) + k * std::sin(end), 10 * std::sin(end) - k * std::cos(end));
}

INSTANTIATE_TEST_SUITE_P(Sweeps, ArcShape,
                         ::testing::Values(ArcCase{0.0f, 1, 2}, ArcCase{static_cast<float>(kPi / 2), 1, 2},
                                           ArcCase{static_cast<float>(kPi), 2, 3},
                                           ArcCase{static_cast<float>(3 * kPi / 2 + 0.01), 4, 5},
                                           ArcCase{static_cast<float>(2 * kPi), 4, 5},
                                           ArcCase{static_cast<float>(-kPi / 3), 1, 2},
                                           ArcCase{static_cast<float>(-kPi * 1.25), 3, 4}),
                         [](const auto& info) {
                             return CaseName("Sweep", std::lround(info.param.Sweep * 180.0 / kPi), "degrees");
                         });

TEST(ArcShapeDetail, AQuarterHasFullHandlesAndAZeroSweepHasNone) {
    AIPathSegment s[kArcSegmentCapacity];
    ArcSegments(10.0f, {0, 0}, kQuarterTurn, 0.0f, false, s);
    EXPECT_AT(s[0].out, 10, 5.522848f);
    EXPECT_AT(s[1].in, 5.522848f, 10);
    ASSERT_EQ(ArcSegments(10.0f, {0, 0}, 0.0f, 0.0f, false, s), 2u);
    for (const AIPathSegment& end : {s[0], s[1]}) {
        EXPECT_AT(end.p, 10, 0);
        EXPECT_AT(end.in, 10, 0);
        EXPECT_AT(end.out, 10, 0);
    }
}

TEST(ArcShapeDetail, ANegativeSweepRunsClockwiseWithItsHandles) {
    AIPathSegment s[kArcSegmentCapacity];
    ArcSegments(10.0f, {0, 0}, -kQuarterTurn, 0.0f, false, s);
    EXPECT_AT(s[0].out, 10, -5.522848f);
    EXPECT_AT(s[1].p, 0, -10);
    EXPECT_AT(s[1].in, 5.522848f, -10);
}

TEST(ArcShapeDetail, ASectorEndsAtTheCentreAndTheStartTurnsAndMovesTheArc) {
    AIPathSegment arc[kArcSegmentCapacity], sector[kArcSegmentCapacity];
    const float half = static_cast<float>(kPi / 2);
    const size_t arcCount = ArcSegments(10.0f, {5, 7}, 2.0f, half, false, arc);
    const size_t sectorCount = ArcSegments(10.0f, {5, 7}, 2.0f, half, true, sector);
    EXPECT_EQ(sectorCount, arcCount + 1);
    EXPECT_AT(sector[sectorCount - 1].p, 5, 7);
    EXPECT_AT(sector[sectorCount - 1].in, 5, 7);
    EXPECT_AT(sector[sectorCount - 1].out, 5, 7);
    EXPECT_AT(arc[0].p, 5, 17);  // starts straight above the centre
    EXPECT_AT(arc[0].out, 5 - 5.522848f, 17);
    EXPECT_AT(arc[arcCount - 1].p, 5 + 10 * std::cos(half + 2.0), 7 + 10 * std::sin(half + 2.0));
}

TEST(ArcShapeDetail, ThePieceBuilderTakesItsQuartersAsGiven) {
    AIPathSegment s[kArcSegmentCapacity];
    // Two pieces over a half turn: the middle anchor at the quarter, both pieces with full handles.
    ASSERT_EQ(ArcSegmentsInPieces(2, 10.0f, {0, 0}, kHalfTurn, 0.0f, false, s), 3u);
    EXPECT_AT(s[1].p, 0, 10);
    EXPECT_AT(s[1].in, 5.522848f, 10);
    EXPECT_AT(s[1].out, -5.522848f, 10);
    EXPECT_AT(s[2].p, -10, 0);
}

// The point at `t` of the cubic from segment a's anchor through its out-handle and b's in-handle to b's anchor.
AIRealPoint OnPiece(const AIPathSegment& a, const AIPathSegment& b, double t) {
    const double u = 1.0 - t;
    const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    return {static_cast<AIReal>(w0 * a.p.h + w1 * a.out.h + w2 * b.in.h + w3 * b.p.h),
            static_cast<AIReal>(w0 * a.p.v + w1 * a.out.v + w2 * b.in.v + w3 * b.p.v)};
}

// Every whole degree of sweep, either way: no point of the arc strays from the radius by more than 0.03 %
// (the full quarters' own error is 0.027 %).
TEST(ArcShapeDetail, EveryPieceStaysOnItsRadiusForSweepsOfOneTo359Degrees) {
    constexpr double r = 100.0;
    for (int degrees = 1; degrees <= 359; ++degrees) {
        for (const double sign : {1.0, -1.0}) {
            const float sweep = static_cast<float>(sign * degrees * kPi / 180.0);
            AIPathSegment s[kArcSegmentCapacity];
            const size_t count = ArcSegments(static_cast<AIReal>(r), {300, -200}, sweep, 0.5f, false, s);
            double worst = 0.0;
            for (size_t i = 0; i + 1 < count; ++i) {
                for (int step = 0; step <= 64; ++step) {
                    const AIRealPoint p = OnPiece(s[i], s[i + 1], step / 64.0);
                    worst = std::max(worst, std::abs(std::hypot(p.h - 300.0, p.v + 200.0) - r));
                }
            }
            EXPECT_LE(worst, 3e-4 * r) << sign * degrees << " degrees";
        }
    }
}

// A segment of length 100 at 30 degrees, centred or from the click at (10, 20), the cursor on either side.
TEST(SegmentShape, CentredOnTheClickOrFromItTowardsTheCursorsSide) {
    const AIReal angle = static_cast<AIReal>(kPi / 6);
    const double dx = 100 * std::cos(kPi / 6), dy = 100 * std::sin(kPi / 6);
    const SegmentPlacement centred = PlaceCreatedSegment({10, 20}, {0, 0}, 100, angle, true);
    EXPECT_AT(centred.First, 10 - dx / 2, 20 - dy / 2);
    EXPECT_AT(centred.Second, 10 + dx / 2, 20 + dy / 2);
    EXPECT_FLOAT_EQ(centred.LineAngle, angle);
    const SegmentPlacement right = PlaceCreatedSegment({10, 20}, {50, 0}, 100, angle, false);
    EXPECT_AT(right.First, 10, 20);
    EXPECT_AT(right.Second, 10 + dx, 20 + dy);
    const SegmentPlacement left = PlaceCreatedSegment({10, 20}, {0, 10}, 100, angle, false);  // behind the orientation
    EXPECT_AT(left.Second, 10 - dx, 20 - dy);
    EXPECT_NEAR(left.LineAngle, kPi / 6 + kPi, 1e-6);
    const SegmentPlacement none = PlaceCreatedSegment({10, 20}, {10, 20}, 0, angle, true);
    EXPECT_AT(none.First, 10, 20);
    EXPECT_AT(none.Second, 10, 20);
}

TEST(AngleShape, SidesFromTheOrientationOrAboutItAndTheSignOfTheTurn) {
    const AnglePlacement from = PlaceCreatedAngle({0, 0}, 10, 0.0, kPi / 2, false);
    EXPECT_AT(from.First, 10, 0);
    EXPECT_AT(from.Second, 0, 10);
    EXPECT_FLOAT_EQ(from.StartAngle, 0.0f);
    EXPECT_NEAR(CreatedAngleValue({0, 0}, from.First, from.Second), kPi / 2, 1e-5);
    const AnglePlacement centred = PlaceCreatedAngle({0, 0}, 10, kPi / 2, kPi / 2, true);
    EXPECT_AT(centred.First, 10 * std::cos(kPi / 4), 10 * std::sin(kPi / 4));
    EXPECT_AT(centred.Second, -10 * std::cos(kPi / 4), 10 * std::sin(kPi / 4));
    EXPECT_NEAR(centred.StartAngle, kPi / 4, 1e-6);
    const AnglePlacement clockwise = PlaceCreatedAngle({0, 0}, 10, 0.0, -kPi / 3, false);
    EXPECT_NEAR(CreatedAngleValue({0, 0}, clockwise.First, clockwise.Second), -kPi / 3, 1e-5);
    EXPECT_FLOAT_EQ(CreatedAngleValue({0, 0}, {0, 0}, {0, 0}), 0.0f);  // sides of no length: no NaN
}

TEST(PreviewShape, DirectionsCountCounterClockwiseWithYDownAndLeftIsPlusPi) {
    EXPECT_DOUBLE_EQ(PreviewDirection(73, 73, 100, 73), 0.0);
    EXPECT_DOUBLE_EQ(PreviewDirection(73, 73, 73, 10), kPi / 2);
    EXPECT_DOUBLE_EQ(PreviewDirection(73, 73, 73, 140), -kPi / 2);
    EXPECT_DOUBLE_EQ(PreviewDirection(73, 73, 0, 73), kPi);
    const double upLeft = PreviewDirection(60, 52, 55, 40);
    EXPECT_GT(upLeft, kPi / 2);
    EXPECT_LT(upLeft, kPi);
}

}  // namespace
