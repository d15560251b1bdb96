// The stand-in's art converter: paths offset to either side, exact for lines and arcs, refused past a centre
// of curvature.
#include <algorithm>
#include <cmath>

#include "document_fixture.h"
#include "host/ArtConverterSuite.h"
#include "simhost/ArtConverter.h"

namespace {

// The handle length of a cubic quarter circle per unit radius.
constexpr double kQuarterHandle = 0.5522847498307936;

class ArtConverterTest : public DocumentTest {
  protected:
    void SetUp() override {
        DocumentTest::SetUp();
        Acquire(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &converter);
    }

    // A quarter circle of radius r about the origin, counter-clockwise from (r, 0) to (0, r).
    AIArtHandle QuarterCircle(float r) {
        const float h = static_cast<float>(kQuarterHandle * r);
        return doc.DrawPath({sim::CurveSegment({r, 0.0f}, {r, 0.0f}, {r, h}),
                             sim::CurveSegment({0.0f, r}, {h, r}, {0.0f, r})},
                            false);
    }

    AIArtHandle Offset(AIArtHandle source, float distance, ASErr expected = kNoErr) {
        AIArtHandle made = nullptr;
        EXPECT_EQ(converter->OffsetPath(source, distance, kPlaceAbove, source, &made), expected);
        return made;
    }

    const std::vector<AIPathSegment>& Anchors(AIArtHandle art) { return doc.Art(art)->segments; }

    const AIArtConverterSuite* converter = nullptr;
};

void ExpectPoint(AIRealPoint actual, double h, double v, double tolerance = 1e-4) {
    EXPECT_NEAR(actual.h, h, tolerance);
    EXPECT_NEAR(actual.v, v, tolerance);
}

} // namespace

TEST_F(ArtConverterTest, ALineMovesToTheLeftOfItsTravelForAPositiveDistanceAndToTheRightForANegativeOne) {
    const AIArtHandle line = doc.DrawPolyline({{0.0f, 0.0f}, {100.0f, 0.0f}}, false);
    for (const float distance : {12.5f, -7.0f}) {
        const AIArtHandle made = Offset(line, distance);
        ASSERT_NE(made, nullptr);
        ASSERT_EQ(Anchors(made).size(), 2u);
        ExpectPoint(Anchors(made)[0].p, 0.0, distance);
        ExpectPoint(Anchors(made)[1].p, 100.0, distance);
        ExpectPoint(Anchors(made)[1].in, 100.0, distance);
    }
    // The new path lies just above the source, open like it.
    EXPECT_EQ(doc.Children(CurrentLayerGroup()).size(), 3u);
    EXPECT_EQ(doc.Children(CurrentLayerGroup()).back(), line);
}

TEST_F(ArtConverterTest, AnArcBecomesTheConcentricArcAtTheRadiusLessTheDistanceOnItsInside) {
    const AIArtHandle arc = QuarterCircle(50.0f);
    struct Case {
        float Distance;
        double Radius;
    };
    for (const Case c : {Case{10.0f, 40.0}, Case{-25.0f, 75.0}}) {
        const AIArtHandle made = Offset(arc, c.Distance);
        ASSERT_NE(made, nullptr);
        const auto& anchors = Anchors(made);
        ASSERT_EQ(anchors.size(), 2u);
        const double h = kQuarterHandle * c.Radius;
        ExpectPoint(anchors[0].p, c.Radius, 0.0);
        ExpectPoint(anchors[0].out, c.Radius, h);
        ExpectPoint(anchors[1].in, h, c.Radius);
        ExpectPoint(anchors[1].p, 0.0, c.Radius);
    }
}

TEST_F(ArtConverterTest, AnOffsetPastTheCentreOfCurvatureIsRefusedAndMakesNothing) {
    const AIArtHandle arc = QuarterCircle(50.0f);
    const size_t before = doc.ArtCount();
    AIArtHandle made = arc;
    EXPECT_EQ(converter->OffsetPath(arc, 50.0f, kPlaceAbove, arc, &made), kOffsetTooLargeErr);
    EXPECT_EQ(made, nullptr);
    Offset(arc, 60.0f, kOffsetTooLargeErr);
    EXPECT_EQ(doc.ArtCount(), before);
    // The outside has no such limit.
    EXPECT_NE(Offset(arc, -500.0f), nullptr);
    // A free curve is refused where its tightest bend is too tight for the distance.
    const AIArtHandle bend = doc.DrawPath({sim::CurveSegment({0.0f, 0.0f}, {0.0f, 0.0f}, {100.0f, 0.0f}),
                                           sim::CurveSegment({0.0f, 10.0f}, {100.0f, 10.0f}, {0.0f, 10.0f})},
                                          false);
    Offset(bend, 20.0f, kOffsetTooLargeErr);
    EXPECT_NE(Offset(bend, -20.0f), nullptr);
}

TEST_F(ArtConverterTest, AFreeCurveIsFollowedWithinAHundredthOfAPoint) {
    const AIArtHandle curve =
        doc.DrawPath({sim::CurveSegment({0.0f, 0.0f}, {0.0f, 0.0f}, {40.0f, 80.0f}),
                      sim::CurveSegment({150.0f, 0.0f}, {60.0f, -60.0f}, {150.0f, 0.0f})},
                     false);
    const AIArtHandle made = Offset(curve, 8.0f);
    ASSERT_NE(made, nullptr);
    AIRealBezier source;
    ASSERT_EQ(path->GetPathBezier(curve, 0, &source), kNoErr);
    std::vector<AIRealPoint> dense;
    for (int i = 0; i <= 20000; ++i) {
        const double t = i / 20000.0, u = 1.0 - t;
        dense.push_back({static_cast<float>(u * u * u * source.p0.h + 3 * u * u * t * source.p1.h +
                                            3 * u * t * t * source.p2.h + t * t * t * source.p3.h),
                         static_cast<float>(u * u * u * source.p0.v + 3 * u * u * t * source.p1.v +
                                            3 * u * t * t * source.p2.v + t * t * t * source.p3.v)});
    }
    const auto& anchors = Anchors(made);
    ASSERT_GE(anchors.size(), 2u);
    for (size_t k = 0; k + 1 < anchors.size(); ++k) {
        AIRealBezier piece;
        ASSERT_EQ(path->GetPathBezier(made, static_cast<int16_t>(k), &piece), kNoErr);
        for (int i = 0; i <= 10; ++i) {
            const double t = i / 10.0, u = 1.0 - t;
            const double h = u * u * u * piece.p0.h + 3 * u * u * t * piece.p1.h +
                             3 * u * t * t * piece.p2.h + t * t * t * piece.p3.h;
            const double v = u * u * u * piece.p0.v + 3 * u * u * t * piece.p1.v +
                             3 * u * t * t * piece.p2.v + t * t * t * piece.p3.v;
            double nearest = 1e9;
            for (const AIRealPoint& p : dense)
                nearest = std::min(nearest, std::hypot(h - p.h, v - p.v));
            EXPECT_NEAR(nearest, 8.0, 0.02) << "piece " << k << " t " << t;
        }
    }
}

TEST_F(ArtConverterTest, CornersAreJoinedStraightAndAClosedPathStaysClosed) {
    const AIArtHandle turn = doc.DrawPolyline({{0.0f, 0.0f}, {100.0f, 0.0f}, {100.0f, 100.0f}}, false);
    const AIArtHandle made = Offset(turn, -10.0f);
    ASSERT_NE(made, nullptr);
    const auto& anchors = Anchors(made);
    ASSERT_EQ(anchors.size(), 4u);
    ExpectPoint(anchors[1].p, 100.0, -10.0);
    ExpectPoint(anchors[2].p, 110.0, 0.0);
    ExpectPoint(anchors[3].p, 110.0, 100.0);

    const AIArtHandle square =
        doc.DrawPolyline({{0.0f, 0.0f}, {100.0f, 0.0f}, {100.0f, 100.0f}, {0.0f, 100.0f}}, true);
    const AIArtHandle inner = Offset(square, 10.0f);
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(doc.Art(inner)->closed);
    EXPECT_EQ(Anchors(inner).size(), 8u);
    ExpectPoint(Anchors(inner)[0].p, 0.0, 10.0);
    ExpectPoint(Anchors(inner)[7].p, 10.0, 0.0);
}

TEST_F(ArtConverterTest, BadArgumentsAnswerErrorsWithoutMakingArt) {
    const AIArtHandle line = doc.DrawPolyline({{0.0f, 0.0f}, {100.0f, 0.0f}}, false);
    const AIArtHandle point = doc.DrawPolyline({{5.0f, 5.0f}, {5.0f, 5.0f}}, false);
    const AIArtHandle gone = doc.DrawPolyline({{0.0f, 0.0f}, {1.0f, 0.0f}}, false);
    ASSERT_EQ(art->DisposeArt(gone), kNoErr);
    const AIArtHandle group = doc.NewGroup();
    const size_t before = doc.ArtCount();
    AIArtHandle made = nullptr;
    EXPECT_EQ(converter->OffsetPath(line, 1.0f, kPlaceAbove, line, nullptr), kBadParameterErr);
    EXPECT_EQ(converter->OffsetPath(nullptr, 1.0f, kPlaceAbove, line, &made), kBadParameterErr);
    EXPECT_EQ(converter->OffsetPath(gone, 1.0f, kPlaceAbove, line, &made), kStaleHandleErr);
    EXPECT_EQ(converter->OffsetPath(group, 1.0f, kPlaceAbove, line, &made), kBadParameterErr);
    EXPECT_EQ(converter->OffsetPath(point, 1.0f, kPlaceAbove, line, &made), kBadParameterErr);
    EXPECT_EQ(converter->OffsetPath(line, std::nanf(""), kPlaceAbove, line, &made), kBadParameterErr);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(doc.ArtCount(), before);
}
