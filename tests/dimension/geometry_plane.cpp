// Plane geometry: products, signed angles, line intersections, feet of perpendiculars, crossing segments.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "dimension/Geometry.h"

namespace {

AIRealPoint P(float h, float v) { return AIRealPoint{h, v}; }

AIPathSegment Corner(float h, float v) {
    AIPathSegment s;
    s.p = s.in = s.out = P(h, v);
    return s;
}

}  // namespace

TEST(Geometry, DotAndCrossOfDirections) {
    EXPECT_DOUBLE_EQ(Dot2(P(3, 4), P(-4, 3)), 0.0);
    EXPECT_DOUBLE_EQ(Dot2(P(2, 3), P(4, 5)), 23.0);
    EXPECT_DOUBLE_EQ(Cross2(P(1, 0), P(0, 1)), 1.0);
    EXPECT_DOUBLE_EQ(Cross2(P(0, 1), P(1, 0)), -1.0);
    // (b1 - a1) x (b2 - a2): (2, 0) x (0, 3).
    EXPECT_DOUBLE_EQ(Cross2(P(1, 1), P(3, 1), P(5, 5), P(5, 8)), 6.0);
    EXPECT_DOUBLE_EQ(Cross2(P(1, 1), P(3, 1), P(0, 2), P(4, 2)), 0.0);
}

TEST(Geometry, SignedAngleIsNegatedWhenTheSecondSideTurnsClockwise) {
    EXPECT_NEAR(SignedAngle(P(1, 0), P(0, 5)), std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(SignedAngle(P(0, 5), P(1, 0)), -std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(SignedAngle(P(1, 0), P(-3, 0)), std::numbers::pi, 1e-12);
    EXPECT_NEAR(SignedAngle(P(2, 2), P(4, 4)), 0.0, 1e-7);
    EXPECT_DOUBLE_EQ(SignedAngle(P(0, 0), P(1, 0)), 0.0);
    EXPECT_DOUBLE_EQ(SignedAngle(P(1, 0), P(0, 0)), 0.0);
}

TEST(Geometry, SignsAndDirectionsOfDegenerateInputs) {
    EXPECT_EQ(Sign(-2.0), -1);
    EXPECT_EQ(Sign(0.0), 0);
    EXPECT_EQ(Sign(3.0), 1);
    // A turn always has a sense, so a step along a null sweep still goes somewhere.
    EXPECT_DOUBLE_EQ(TurnSense(-0.5), -1.0);
    EXPECT_DOUBLE_EQ(TurnSense(0.0), 1.0);
    EXPECT_NEAR(DirectionFrom(P(1, 1), P(1, 3)), std::numbers::pi / 2, 1e-12);
    // Points closer than the geometry's epsilon give no direction: 0, never the angle of rounding noise.
    EXPECT_DOUBLE_EQ(DirectionFrom(P(1, 1), P(1, 1)), 0.0);
    EXPECT_DOUBLE_EQ(DirectionFrom(P(0, 0), P(-1e-12f, -1e-12f)), 0.0);
}

TEST(Geometry, ArcCosineArgumentsAreClamped) {
    EXPECT_DOUBLE_EQ(ClampedAcos(1.0000001), 0.0);
    EXPECT_DOUBLE_EQ(ClampedAcos(-1.0000001), std::numbers::pi);
    EXPECT_DOUBLE_EQ(ClampedAcos(std::nan("")), 0.0);
    EXPECT_FALSE(std::isnan(SignedAngle(P(1e-20f, 0), P(1e20f, 1e-20f))));
}

TEST(Geometry, LineIntersectionReportsCrossingParallelAndDegenerateLines) {
    LineIntersectionResult crossing = LineIntersection(P(0, 0), P(10, 10), P(0, 10), P(10, 0));
    EXPECT_EQ(crossing.Status, LineMeeting::Crossing);
    EXPECT_FLOAT_EQ(crossing.Point.h, 5.0f);
    EXPECT_FLOAT_EQ(crossing.Point.v, 5.0f);

    // The lines meet beyond the ends of the given points.
    crossing = LineIntersection(P(0, 0), P(1, 0), P(7, 3), P(7, 4));
    EXPECT_EQ(crossing.Status, LineMeeting::Crossing);
    EXPECT_FLOAT_EQ(crossing.Point.h, 7.0f);
    EXPECT_FLOAT_EQ(crossing.Point.v, 0.0f);

    const LineIntersectionResult parallel = LineIntersection(P(0, 0), P(10, 0), P(0, 5), P(20, 5));
    EXPECT_EQ(parallel.Status, LineMeeting::Parallel);
    EXPECT_FLOAT_EQ(parallel.Point.h, 0.0f);
    EXPECT_FLOAT_EQ(parallel.Point.v, 0.0f);
    EXPECT_EQ(LineIntersection(P(0, 0), P(10, 0), P(3, 0), P(4, 0)).Status, LineMeeting::Parallel);

    const LineIntersectionResult degenerate = LineIntersection(P(2, 2), P(2, 2), P(0, 5), P(20, 5));
    EXPECT_EQ(degenerate.Status, LineMeeting::Degenerate);
    EXPECT_FLOAT_EQ(degenerate.Point.h, 2.0f);
}

TEST(Geometry, FootOfPerpendicular) {
    AIRealPoint foot = FootOfPerpendicular(P(3, 7), P(0, 0), P(10, 0));
    EXPECT_FLOAT_EQ(foot.h, 3.0f);
    EXPECT_FLOAT_EQ(foot.v, 0.0f);
    foot = FootOfPerpendicular(P(0, 10), P(0, 0), P(10, 10));
    EXPECT_FLOAT_EQ(foot.h, 5.0f);
    EXPECT_FLOAT_EQ(foot.v, 5.0f);
    // Beyond the second point, on the line's extension.
    foot = FootOfPerpendicular(P(20, 3), P(0, 0), P(10, 0));
    EXPECT_FLOAT_EQ(foot.h, 20.0f);
    // A line of one point: the point itself.
    foot = FootOfPerpendicular(P(20, 3), P(4, 4), P(4, 4));
    EXPECT_FLOAT_EQ(foot.h, 4.0f);
    EXPECT_FLOAT_EQ(foot.v, 4.0f);
}

TEST(Geometry, SegmentsCrossOnlyInsideBoth) {
    struct {
        AIRealPoint a, b, c, d;
        int32_t expected;
        const char* what;
    } const cases[] = {
        {P(0, 0), P(10, 10), P(0, 10), P(10, 0), 1, "an X"},
        {P(0, 0), P(10, 0), P(5, -1), P(5, 1), 1, "a plus"},
        {P(0, 0), P(10, 0), P(5, 0), P(5, 5), 0, "a T touching the first"},
        {P(0, 0), P(10, 0), P(10, 0), P(20, 5), 0, "sharing an end"},
        {P(0, 0), P(10, 0), P(5, 0), P(15, 0), 0, "collinear overlap"},
        {P(0, 0), P(10, 0), P(11, -1), P(11, 1), 0, "beyond the end"},
        {P(0, 0), P(10, 0), P(0, 1), P(10, 1), 0, "parallel"},
        {P(3, 3), P(3, 3), P(0, 0), P(6, 6), 0, "a point on the other"},
    };
    for (const auto& c : cases) EXPECT_EQ(SegmentsCross(c.a, c.b, c.c, c.d), c.expected) << c.what;
}

TEST(Geometry, ArePointsEqualWhenBothSegmentsAtTheVertexAreStraight) {
    const AIPathSegment before = Corner(0, 0);
    const AIPathSegment vertex = Corner(10, 0);
    const AIPathSegment after = Corner(10, 10);
    EXPECT_EQ(ArePointsEqual(before, vertex, after), 1);

    AIPathSegment curvedVertex = vertex;
    curvedVertex.in = P(8, 0);
    EXPECT_EQ(ArePointsEqual(before, curvedVertex, after), 0);
    AIPathSegment curvedBefore = before;
    curvedBefore.out = P(2, 1);
    EXPECT_EQ(ArePointsEqual(curvedBefore, vertex, after), 0);
    AIPathSegment curvedAfter = after;
    curvedAfter.in = P(10, 8);
    EXPECT_EQ(ArePointsEqual(before, vertex, curvedAfter), 0);
    // Handles that point away from the vertex's segments do not matter.
    AIPathSegment outerHandles = before;
    outerHandles.in = P(-5, 3);
    EXPECT_EQ(ArePointsEqual(outerHandles, vertex, after), 1);
}
