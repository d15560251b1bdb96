// The parts a hit test reports: anchors, segments (index, t and point) and text frames, by request code.
#include <cmath>

#include "hittest_fixture.h"
#include "simhost/Text.h"

namespace {

// The parameter of the straight cubic with handles on its anchors at the fraction `s` of its length.
double StraightParameter(double s) { return 0.5 - std::sin(std::asin(1.0 - 2.0 * s) / 3.0); }

TEST_F(HitTestTest, AnchorWithinToleranceReportsItsIndexAndExactPoint) {
    const AIArtHandle path = Polyline({{0, 0}, {100, 0}, {100, 50}});
    const AIToolHitData hit = Hit({103, 48}, kAnchorHitRequest, 4.0f);
    EXPECT_EQ(hit.hit, 1);
    EXPECT_EQ(hit.type, kAnchorHitType);
    EXPECT_EQ(hit.object, path);
    EXPECT_EQ(hit.segment, 2);
    EXPECT_FLOAT_EQ(hit.t, 0.0f);
    EXPECT_FLOAT_EQ(hit.point.h, 100.0f);
    EXPECT_FLOAT_EQ(hit.point.v, 50.0f);
}

TEST_F(HitTestTest, AMissReportsNoArtAndNoPart) {
    Polyline({{0, 0}, {100, 0}});
    for (const int32_t request : {kAnyHitRequest, kAnchorHitRequest, kSegmentHitRequest}) {
        const AIToolHitData hit = Hit({50, 4.5f}, request, 4.0f);
        EXPECT_EQ(hit.hit, 0) << request;
        EXPECT_EQ(hit.object, nullptr) << request;
        EXPECT_EQ(hit.type, kNoHitType) << request;
    }
}

TEST_F(HitTestTest, TheNearestOfThePointsInReachWins) {
    Polyline({{0, 0}, {3, 0}, {6, 0}});
    EXPECT_EQ(Hit({3.5f, 0}, kAnchorHitRequest, 4.0f).segment, 1);
    EXPECT_EQ(Hit({5.0f, 1}, kAnchorHitRequest, 4.0f).segment, 2);
    // A hole smaller than the tolerance: its centre under the cursor, not its anchor in reach.
    doc.MutableArt(Polyline({{3, 10}, {0, 13}, {-3, 10}, {0, 7}}, true))->showsCentre = true;
    EXPECT_EQ(Hit({0.5f, 10}, kAnchorHitRequest, 4.0f).type, kCentreHitType);
}

TEST_F(HitTestTest, ASegmentIsNamedByTheAnchorItEndsAt) {
    const AIArtHandle path = Polyline({{0, 0}, {100, 0}, {100, 100}});
    const AIToolHitData first = Hit({25, 2}, kSegmentHitRequest, 4.0f);
    EXPECT_EQ(first.type, kSegmentHitType);
    EXPECT_EQ(first.object, path);
    EXPECT_EQ(first.segment, 1);
    EXPECT_NEAR(first.point.h, 25.0, 1e-3);
    EXPECT_NEAR(first.point.v, 0.0, 1e-3);
    EXPECT_NEAR(first.t, StraightParameter(0.25), 1e-4);
    const AIToolHitData second = Hit({98, 60}, kSegmentHitRequest, 4.0f);
    EXPECT_EQ(second.segment, 2);
    EXPECT_NEAR(second.point.h, 100.0, 1e-3);
    EXPECT_NEAR(second.point.v, 60.0, 1e-3);
}

TEST_F(HitTestTest, TheClosingSegmentIsIndexZeroWithTFromTheLastAnchor) {
    Polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    const AIToolHitData hit = Hit({-2, 75}, kSegmentHitRequest, 4.0f);
    EXPECT_EQ(hit.segment, 0);
    EXPECT_NEAR(hit.point.h, 0.0, 1e-3);
    EXPECT_NEAR(hit.point.v, 75.0, 1e-3);
    EXPECT_NEAR(hit.t, StraightParameter(0.25), 1e-4);
}

TEST_F(HitTestTest, AnOpenPathHasNoClosingSegment) {
    Polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_EQ(Hit({-2, 50}, kSegmentHitRequest, 4.0f).hit, 0);
}

TEST_F(HitTestTest, ACurveReportsTheNearestPointAndItsParameter) {
    const AIArtHandle path = doc.DrawPath({sim::CurveSegment({0, 0}, {0, 0}, {0, 50}),
                                           sim::CurveSegment({100, 0}, {100, 50}, {100, 0})},
                                          false);
    const AIToolHitData hit = Hit({50, 40}, kSegmentHitRequest, 4.0f);
    EXPECT_EQ(hit.object, path);
    EXPECT_EQ(hit.segment, 1);
    EXPECT_NEAR(hit.t, 0.5, 1e-4);
    EXPECT_NEAR(hit.point.h, 50.0, 1e-3);
    EXPECT_NEAR(hit.point.v, 37.5, 1e-3);
    EXPECT_EQ(Hit({50, 42}, kSegmentHitRequest, 4.0f).hit, 0);
}

TEST_F(HitTestTest, RequestCodesChooseThePartsLookedFor) {
    Polyline({{0, 0}, {100, 0}});
    EXPECT_EQ(Hit({50, 1}, kAnchorHitRequest, 4.0f).hit, 0);
    EXPECT_EQ(Hit({1, 1}, kSegmentHitRequest, 4.0f).type, kSegmentHitType);
    EXPECT_EQ(Hit({1, 1}, kAnyHitRequest, 4.0f).type, kAnchorHitType);
    EXPECT_EQ(Hit({50, 1}, kAnyHitRequest, 4.0f).type, kSegmentHitType);
}

TEST_F(HitTestTest, TextFramesAreHitInsideTheirBoundsByAnyRequestOnly) {
    AIArtHandle frame = nullptr;
    ASSERT_EQ(kNoErr, sim::TextFrameSuiteTable().NewPointText(kPlaceAboveAll, nullptr, 0, {10, 10}, &frame));
    doc.MutableArt(frame)->text.contents = "12,5";
    AIRealRect bounds;
    ASSERT_TRUE(sim::TextFrameBounds(frame, &bounds));
    const AIRealPoint inside{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    const AIToolHitData hit = Hit(inside, kAnyHitRequest, 0.0f);
    EXPECT_EQ(hit.type, kTextHitType);
    EXPECT_EQ(hit.object, frame);
    EXPECT_EQ(Hit(inside, kAnchorHitRequest, 4.0f).hit, 0);
    EXPECT_EQ(Hit(inside, kSegmentHitRequest, 4.0f).hit, 0);
    EXPECT_EQ(Hit({bounds.right + 5, inside.v}, kAnyHitRequest, 4.0f).hit, 0);
}

} // namespace
