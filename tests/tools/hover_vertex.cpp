#include "hover_fixture.h"

namespace hovertest {
namespace {

namespace format = DimensionArtFormat;

class VertexHover : public HoverTest {};

TEST_F(VertexHover, InnerAnchorOfAnOpenPathIsAVertex) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    SetEveryFlag();
    HitTestAngleTool(At({98, 1}));
    EXPECT_EQ(FlagList(), With(Only(kAnchor), kCentre)) << "the Angle test leaves the centre flag alone";
    EXPECT_EQ(gHitState.HitArt, path);
    EXPECT_EQ(gHitState.VertexIndex, 1);
    EXPECT_EQ(gHitState.PreviousIndex, 0);
    EXPECT_EQ(gHitState.NextIndex, 2);
    EXPECT_POINT(gHitState.SnapSegment.p, 100, 0);
    EXPECT_POINT(gMeasuredPoints.FirstPoint.p, 0, 0);
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 100, 100);
}

TEST_F(VertexHover, EndsOfAnOpenPathAreNoVertex) {
    Line({{0, 0}, {100, 0}, {100, 100}});
    for (AIRealPoint end : {AIRealPoint{1, 1}, AIRealPoint{100, 98}}) {
        HitTestAngleTool(At(end));
        EXPECT_EQ(FlagList(), With(Only(kAnchor), kNotAVertex));
    }
    EXPECT_EQ(gHitState.VertexIndex, 2);
}

struct ClosedCase {
    AIRealPoint Cursor;
    int16_t Vertex, Previous, Next;
};

TEST_F(VertexHover, NeighboursOfAClosedPathWrapAround) {
    Line({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    for (const ClosedCase& c : {ClosedCase{{1, 1}, 0, 3, 1}, ClosedCase{{99, 1}, 1, 0, 2},
                                ClosedCase{{1, 99}, 3, 2, 0}}) {
        HitTestAngleTool(At(c.Cursor));
        EXPECT_EQ(FlagList(), Only(kAnchor));
        EXPECT_EQ(gHitState.VertexIndex, c.Vertex);
        EXPECT_EQ(gHitState.PreviousIndex, c.Previous);
        EXPECT_EQ(gHitState.NextIndex, c.Next);
    }
    EXPECT_POINT(gMeasuredPoints.FirstPoint.p, 100, 100);
    EXPECT_POINT(gMeasuredPoints.SecondPoint.p, 0, 0);
}

TEST_F(VertexHover, CurvedNeighbourSegmentIsNoVertex) {
    Doc().DrawPath({sim::CornerSegment(0, 0), sim::CornerSegment(100, 0), sim::CurveSegment({100, 100}, {140, 50}, {100, 100})},
                   false);
    HitTestAngleTool(At({100, 1}));
    EXPECT_EQ(FlagList(), With(Only(kAnchor), kNotAVertex));
}

TEST_F(VertexHover, OneAnchorClosedPathIsNoVertex) {
    Line({{10, 10}}, true);
    HitTestAngleTool(At({10, 11}));
    EXPECT_EQ(FlagList(), With(Only(kAnchor), kNotAVertex));
}

TEST_F(VertexHover, AngleToolTakesTheCursorOnAPlainSegmentOnly) {
    Line({{0, 0}, {100, 0}});
    HitTestAngleTool(At({30, 2}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_POINT(gHitState.HoverPoint.p, 30, 2);
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    EXPECT_POINT(gHitState.HitSegment.p, 100, 0);

    sim::TheDocument().Reset();
    MakeDimensionPart(Line({{0, 50}, {100, 50}}), format::AngleMarker);
    gHitState.SnapSegment.p = {7, 7};
    HitTestAngleTool(At({30, 52}));
    EXPECT_EQ(FlagList(), Only(kDimension));
    EXPECT_POINT(gHitState.SnapSegment.p, 7, 7);
    EXPECT_POINT(gHitState.HoverPoint.p, 30, 2);
}

TEST_F(VertexHover, AngleToolCrossingSnaps) {
    Line({{0, 0}, {100, 0}});
    Line({{50, -50}, {50, 50}});
    HitTestAngleTool(At({51, 1}));
    EXPECT_EQ(FlagList(), Only(kIntersection));
    EXPECT_POINT_NEAR(gHitState.SnapSegment.p, 50, 0, 1e-4);
}

TEST_F(VertexHover, CircleToolAnchorAndArc) {
    AIArtHandle arc = QuarterArc(100);
    SetEveryFlag();
    HitTestCircleTool(At({99, 2}));
    EXPECT_EQ(FlagList(), With(With(Only(kAnchor), kCentre), kNotAVertex));
    EXPECT_EQ(gHitState.HitArt, arc);
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_POINT(gHitState.SnapSegment.p, 100, 0);

    gHitState.CurveHitPoint = {7, 7};
    HitTestCircleTool(At({72, 72}));
    EXPECT_EQ(FlagList(), With(With(Only(kArc), kCentre), kNotAVertex));
    EXPECT_POINT_NEAR(gHitState.HoverArcCentre.p, 0, 0, 0.05);
    EXPECT_POINT(gHitState.CurveHitPoint, 7, 7);  // the Cercle test keeps the curve point of an arc
}

TEST_F(VertexHover, CircleToolRecognisesItsOwnMarker) {
    MakeDimensionPart(QuarterArc(100), format::CircleMarker);
    HitTestCircleTool(At({71, 71}));
    EXPECT_EQ(FlagList(), Only(kDimensionArc));
}

TEST_F(VertexHover, BezierAnchorTakesTheVertexAsHoverPoint) {
    Line({{0, 0}, {100, 0}, {100, 100}});
    gToolState.BezierElementKind = kNoBezierElement;
    HitTestBezierTool(At({99, 1}));
    EXPECT_EQ(FlagList(), Only(kAnchor));
    EXPECT_EQ(gToolState.BezierElementKind, 2);
    EXPECT_POINT(gHitState.HoverPoint.p, 100, 0);

    gHitState.HoverPoint.p = {7, 7};
    HitTestBezierTool(At({1, 0}));
    EXPECT_EQ(FlagList(), With(Only(kAnchor), kNotAVertex));
    EXPECT_POINT(gHitState.HoverPoint.p, 7, 7);  // an end of an open path leaves the hover point
}

TEST_F(VertexHover, BezierToolNeverSnapsToCrossings) {
    AIArtHandle across = Line({{0, 0}, {100, 0}});
    AIArtHandle up = Line({{50, -50}, {50, 50}});
    HitTestBezierTool(At({51, 1}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitArt, up);
    EXPECT_POINT(gHitState.HoverPoint.p, 50, 1);
    EXPECT_FALSE(Locked(up));
    EXPECT_FALSE(Locked(across));
}

TEST_F(VertexHover, BezierToolTakesTheCurvePoint) {
    QuarterArc(100);
    HitTestBezierTool(At({72, 72}));
    EXPECT_EQ(FlagList(), Only(kArc));
    EXPECT_POINT_NEAR(gHitState.HoverPoint.p, 70.71, 70.71, 0.05);
    SCurve();
    HitTestBezierTool(At({50, 1}));
    EXPECT_EQ(FlagList(), Only(kCurve));
    EXPECT_NEAR(gHitState.HoverPoint.p.h, 50, 1.0);
}

}  // namespace
}  // namespace hovertest
