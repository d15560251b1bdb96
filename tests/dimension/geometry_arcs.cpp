// Circles through curves: CircleFromChords and IsCircularArc on quarter circles, flattened and straight curves.
#include <gtest/gtest.h>

#include <cmath>

#include "dimension/Geometry.h"

namespace {

// The handle length of the usual four-piece circle, as a fraction of the radius.
constexpr float kCircleHandle = 0.5522847498f;

AIPathSegment Anchor(float h, float v, float inH, float inV, float outH, float outV) {
    AIPathSegment s;
    s.p = AIRealPoint{h, v};
    s.in = AIRealPoint{inH, inV};
    s.out = AIRealPoint{outH, outV};
    s.corner = 0;
    return s;
}

// The quarter from (cx + r, cy) counter-clockwise to (cx, cy + r), with the given handle fraction.
void Quarter(float cx, float cy, float r, float handle, AIPathSegment* start, AIPathSegment* end) {
    const float k = handle * r;
    *start = Anchor(cx + r, cy, cx + r, cy - k, cx + r, cy + k);
    *end = Anchor(cx, cy + r, cx + k, cy + r, cx - k, cy + r);
}

class ArcTest : public ::testing::Test {
protected:
    void SetUp() override { gFoundArc = FoundArc(); }
};

}  // namespace

TEST_F(ArcTest, CircleFromChordsFindsTheCentreOfAQuarter) {
    AIPathSegment start, end;
    Quarter(50.0f, -20.0f, 100.0f, kCircleHandle, &start, &end);
    AIPathSegment centre;
    AIReal radius = 0.0f;
    ASSERT_TRUE(CircleFromChords(start, end, &centre, &radius));
    EXPECT_NEAR(centre.p.h, 50.0f, 1e-3);
    EXPECT_NEAR(centre.p.v, -20.0f, 1e-3);
    EXPECT_NEAR(radius, 100.0f, 1e-3);
}

TEST_F(ArcTest, CircleFromChordsFindsTheCircleOfAHalfCircleFromItsEnds) {
    // Two opposite anchors of a four-piece circle: the chord is a diameter.
    const float k = kCircleHandle * 40.0f;
    const AIPathSegment right = Anchor(40, 0, 40, -k, 40, k);
    const AIPathSegment left = Anchor(-40, 0, -40, k, -40, -k);
    AIPathSegment centre;
    AIReal radius = 0.0f;
    ASSERT_TRUE(CircleFromChords(right, left, &centre, &radius));
    EXPECT_NEAR(centre.p.h, 0.0f, 1e-4);
    EXPECT_NEAR(centre.p.v, 0.0f, 1e-4);
    EXPECT_NEAR(radius, 40.0f, 1e-4);
}

TEST_F(ArcTest, CircleFromChordsTakesTheEndsOfAnOpenArcInEitherOrder) {
    // The ends of an open quarter path: the first anchor has only its out handle, the last only its in handle.
    AIPathSegment start, end;
    Quarter(30.0f, 40.0f, 60.0f, kCircleHandle, &start, &end);
    start.in = start.p;
    end.out = end.p;
    const AIPathSegment* const orders[][2] = {{&start, &end}, {&end, &start}};
    for (const auto& order : orders) {
        AIPathSegment centre;
        AIReal radius = 0.0f;
        ASSERT_TRUE(CircleFromChords(*order[0], *order[1], &centre, &radius));
        EXPECT_NEAR(centre.p.h, 30.0f, 1e-3);
        EXPECT_NEAR(centre.p.v, 40.0f, 1e-3);
        EXPECT_NEAR(radius, 60.0f, 1e-3);
    }
}

TEST_F(ArcTest, CircleFromChordsFailsOnCollinearAndCoincidentPoints) {
    const AIPathSegment a = Anchor(0, 0, -5, 0, 5, 0);
    const AIPathSegment b = Anchor(30, 0, 25, 0, 35, 0);
    AIPathSegment centre = Anchor(7, 7, 7, 7, 7, 7);
    AIReal radius = 3.0f;
    EXPECT_FALSE(CircleFromChords(a, b, &centre, &radius));
    EXPECT_FALSE(CircleFromChords(a, a, &centre, &radius));
    const AIPathSegment noHandles = Anchor(0, 0, 0, 0, 0, 0);
    const AIPathSegment alsoNone = Anchor(10, 10, 10, 10, 10, 10);
    EXPECT_FALSE(CircleFromChords(noHandles, alsoNone, &centre, &radius));
    EXPECT_FLOAT_EQ(centre.p.h, 7.0f);
    EXPECT_FLOAT_EQ(radius, 3.0f);
}

TEST_F(ArcTest, AQuarterCircleIsACircularArc) {
    AIPathSegment start, end;
    Quarter(10.0f, 10.0f, 200.0f, kCircleHandle, &start, &end);
    EXPECT_EQ(IsCircularArc(nullptr, start, end, 0), 1);
    EXPECT_NEAR(gFoundArc.ArcCentreFound.p.h, 10.0f, 1e-2);
    EXPECT_NEAR(gFoundArc.ArcCentreFound.p.v, 10.0f, 1e-2);
    EXPECT_NEAR(gFoundArc.ArcRadiusFound, 200.0f, 1e-2);
}

TEST_F(ArcTest, AClosingSegmentTakenBackwardsUsesTheOtherHandles) {
    AIPathSegment start, end;
    Quarter(0.0f, 0.0f, 50.0f, kCircleHandle, &start, &end);
    // As the closing segment of a path whose last anchor is start and first anchor is end, taken backwards: from
    // anchor 0 by its in handle to the last anchor by its out handle.
    const AIPathSegment first = end;
    const AIPathSegment last = start;
    EXPECT_EQ(IsCircularArc(nullptr, first, last, 1), 1);
    EXPECT_NEAR(gFoundArc.ArcRadiusFound, 50.0f, 1e-2);
    EXPECT_EQ(IsCircularArc(nullptr, first, last, 0), 0);
}

TEST_F(ArcTest, AFlattenedCurveIsNoArc) {
    AIPathSegment start, end;
    Quarter(0.0f, 0.0f, 100.0f, 0.3f, &start, &end);
    EXPECT_EQ(IsCircularArc(nullptr, start, end, 0), 0);
}

TEST_F(ArcTest, AStraightCurveWithHandlesAlongItIsNoArc) {
    const AIPathSegment a = Anchor(0, 0, -5, 0, 10, 0);
    const AIPathSegment b = Anchor(30, 0, 20, 0, 35, 0);
    EXPECT_EQ(IsCircularArc(nullptr, a, b, 0), 0);
    EXPECT_FLOAT_EQ(gFoundArc.ArcRadiusFound, 0.0f);
}

TEST_F(ArcTest, AHandleOnItsAnchorIsNeverAnArc) {
    AIPathSegment start, end;
    Quarter(0.0f, 0.0f, 100.0f, kCircleHandle, &start, &end);
    AIPathSegment flatStart = start;
    flatStart.out = flatStart.p;
    EXPECT_EQ(IsCircularArc(nullptr, flatStart, end, 0), 0);
    AIPathSegment flatEnd = end;
    flatEnd.in = flatEnd.p;
    EXPECT_EQ(IsCircularArc(nullptr, start, flatEnd, 0), 0);
}
