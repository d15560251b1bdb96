#include "hover_fixture.h"

#include <cmath>

namespace hovertest {
namespace {

namespace format = DimensionArtFormat;

// A straight segment of 100 units along x whose handles lie on its anchors: its cubic eases in and out, so the
// point at t lies at 100 (3t^2 - 2t^3).
double EasedX(double t) { return 100.0 * (3.0 * t * t - 2.0 * t * t * t); }

class PathWalk : public HoverTest {
protected:
    static void Zoom(float zoom) { Doc().View().zoom = zoom; }
};

TEST_F(PathWalk, StartAnchorGivesTheNormalPoints) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    SetEveryFlag();
    HitTestBezierStageAndMeasure(At({3, 3}));
    EXPECT_EQ(FlagList(), With(With(With(Only(kAnchor), kCentre), kIntersection), kNotAVertex))
        << "the walk keeps the centre, crossing and vertex flags";
    EXPECT_EQ(gHitState.HitArt, path);
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_POINT(gHitState.HoverPoint.p, 0, 0);
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    EXPECT_POINT(gHitState.HitSegment.p, 100, 0);
    EXPECT_POINT_NEAR(gHitState.NormalTipA, 0, 1, 1e-5);
    EXPECT_POINT_NEAR(gHitState.NormalTipB, EasedX(0.001), 1, 1e-5);
    EXPECT_POINT_NEAR(gHitState.NextCurvePoint, EasedX(0.001), 0, 1e-5);
    EXPECT_POINT(gToolState.ClickViewPoint, 3, 3);
}

TEST_F(PathWalk, EndAnchorIsSnappedAndLooksBack) {
    Line({{0, 0}, {100, 0}});
    HitTestBezierStageAndMeasure(At({100, 4}));
    EXPECT_EQ(FlagList(), Only(kAnchor));
    EXPECT_EQ(gHitState.HitStartIndex, 1);
    EXPECT_POINT(gHitState.SnapSegment.p, 100, 0);
    EXPECT_POINT(gHitState.HoverPoint.p, 100, 0);
    EXPECT_POINT_NEAR(gHitState.NormalTipA, 100, 1, 1e-5);
    EXPECT_POINT_NEAR(gHitState.NextCurvePoint, EasedX(0.999), 0, 1e-4);
}

TEST_F(PathWalk, ToleranceFollowsTheZoom) {
    Line({{0, 0}, {100, 0}});
    struct Case {
        float Zoom, Distance;
        std::vector<int32_t> Flags;
    };
    for (const Case& c : {Case{1.0f, 5.9f, Only(kSegment)}, Case{2.0f, 5.9f, Only(kSegment)},
                          Case{2.0f, 6.1f, NoFlag()}, Case{2.01f, 2.9f, Only(kSegment)},
                          Case{2.01f, 3.1f, NoFlag()}, Case{8.0f, 3.1f, NoFlag()}}) {
        Zoom(c.Zoom);
        HitTestBezierStageAndMeasure(At({50, c.Distance}));
        EXPECT_EQ(FlagList(), c.Flags) << c.Zoom << " " << c.Distance;
        EXPECT_FLOAT_EQ(Doc().View().zoom, c.Zoom) << "the zoom is set again unchanged";
    }
}

TEST_F(PathWalk, NearestSampleWithinToleranceIsTheHit) {
    Line({{0, 0}, {100, 0}, {100, 100}});
    HitTestBezierStageAndMeasure(At({50, 5.5f}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_EQ(gHitState.HitEndIndex, 1);
    // The samples enter the 6.0 about (50, 5.5) at t = 0.485, x = 47.7507; the one under the cursor is t = 0.5.
    EXPECT_POINT_NEAR(gHitState.CurveHitPoint, EasedX(0.5), 0, 1e-3);
    EXPECT_GT(std::hypot(EasedX(0.484) - 50.0, 5.5), 6.0);
}

TEST_F(PathWalk, ClosingSegmentRunsFromTheFirstAnchorToTheLast) {
    Line({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    HitTestBezierStageAndMeasure(At({-2, 50}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_EQ(gHitState.HitEndIndex, 3);
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    EXPECT_POINT(gHitState.HitSegment.p, 0, 100);
}

TEST_F(PathWalk, FreeCurveChoosesRadiusOrTangent) {
    SCurve();
    for (int32_t mode : {0, 1, 2}) {
        gCurrentOptions.BezierMode = mode;
        HitTestBezierStageAndMeasure(At({50, 1}));
        EXPECT_EQ(FlagList(), Only(kCurve));
        EXPECT_EQ(gToolState.BezierElementKind, mode == 1 ? 5 : 6);
    }
    EXPECT_POINT(gHitState.HoverPoint.p, gHitState.CurveHitPoint.h, gHitState.CurveHitPoint.v);
    EXPECT_LT(std::hypot(gHitState.CurveHitPoint.h - 50, gHitState.CurveHitPoint.v - 1), 6.0);
    EXPECT_NEAR(std::hypot(gHitState.NormalTipA.h - gHitState.CurveHitPoint.h,
                           gHitState.NormalTipA.v - gHitState.CurveHitPoint.v), 1.0, 1e-4);
}

TEST_F(PathWalk, ArcGivesItsCentreAndIndexes) {
    QuarterArc(100);
    HitTestBezierStageAndMeasure(At({72, 72}));
    EXPECT_EQ(FlagList(), Only(kArc));
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_EQ(gHitState.HitEndIndex, 1);
    EXPECT_POINT_NEAR(gHitState.HoverArcCentre.p, 0, 0, 0.05);
    EXPECT_NEAR(std::hypot(gHitState.HoverPoint.p.h, gHitState.HoverPoint.p.v), 100, 0.05);
    // The normal of an arc running counter-clockwise points at its centre.
    EXPECT_LT(std::hypot(gHitState.NormalTipA.h, gHitState.NormalTipA.v), 100);
}

TEST_F(PathWalk, DimensionPartsByTheirMarkers) {
    AIArtHandle plain = Line({{0, 0}, {100, 0}});
    AIArtHandle bare = Line({{0, 20}, {100, 20}});
    MakeDimensionPart(bare, nullptr);
    AIArtHandle marked = Line({{0, 40}, {100, 40}});
    MakeDimensionPart(marked, format::CircleMarker);
    HitTestBezierStageAndMeasure(At({50, 21}));
    EXPECT_EQ(FlagList(), NoFlag()) << "a part without a kind marker is skipped";
    EXPECT_EQ(gHitState.HitArt, plain) << "after a miss the last path examined";
    HitTestBezierStageAndMeasure(At({50, 41}));
    EXPECT_EQ(FlagList(), Only(kDimension));
    EXPECT_EQ(gHitState.HitArt, marked);
    MakeDimensionPart(QuarterArc(100), format::AngleMarker);
    HitTestBezierStageAndMeasure(At({71, 71}));
    EXPECT_EQ(FlagList(), Only(kDimensionArc));
}

TEST_F(PathWalk, LockedHiddenGuideAndHiddenLayerPathsAreSkipped) {
    AIArtHandle bottom = Line({{0, 60}, {100, 60}});
    SetAttr(Line({{0, 0}, {100, 0}}), kArtLocked);
    SetAttr(Line({{0, 10}, {100, 10}}), kArtHidden);
    Doc().MutableArt(Line({{0, 20}, {100, 20}}))->guide = true;
    AILayerHandle hidden = Doc().AddLayer("cachée");
    Doc().DrawPolyline({{0, 30}, {100, 30}}, false, {}, hidden);
    Doc().SetLayerVisible(hidden, false);
    for (float y : {0.0f, 10.0f, 20.0f, 30.0f}) {
        HitTestBezierStageAndMeasure(At({50, y}));
        EXPECT_EQ(FlagList(), NoFlag()) << y;
    }
    EXPECT_EQ(gHitState.HitArt, bottom);
}

TEST_F(PathWalk, FirstPathInTheHostsOrderWins) {
    Line({{0, 0}, {100, 0}});
    AIArtHandle top = Line({{0, 2}, {100, 2}});
    HitTestBezierStageAndMeasure(At({50, 1}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitArt, top);
}

TEST_F(PathWalk, DegeneratePaths) {
    HitTestBezierStageAndMeasure(At({0, 0}));
    EXPECT_EQ(FlagList(), NoFlag());
    EXPECT_EQ(gHitState.HitArt, nullptr);
    Line({{10, 10}});
    Line({{50, 50}, {50, 50}});
    HitTestBezierStageAndMeasure(At({10, 10}));
    EXPECT_EQ(FlagList(), NoFlag()) << "a lone anchor has no segment to walk";
    HitTestBezierStageAndMeasure(At({52, 50}));
    EXPECT_EQ(FlagList(), Only(kAnchor));
    EXPECT_EQ(gHitState.HitStartIndex, 0);
}

}  // namespace
}  // namespace hovertest
