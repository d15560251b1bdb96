#include "hover_fixture.h"

namespace hovertest {
namespace {

namespace format = DimensionArtFormat;

class SegmentHover : public HoverTest {};

TEST_F(SegmentHover, StraightSegmentSnapsToItsStartAndEnd) {
    AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 100}});
    SetEveryFlag();
    HitTestSegmentTool(At({50, 3}));
    EXPECT_EQ(FlagList(), With(Only(kSegment), kNotAVertex)) << "the Segment test leaves the vertex flag alone";
    EXPECT_EQ(gHitState.HitArt, path);
    EXPECT_EQ(gHitState.HitStartIndex, 0);
    EXPECT_EQ(gHitState.HitEndIndex, 1);
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    EXPECT_POINT(gHitState.HitSegment.p, 100, 0);
    EXPECT_POINT(gToolState.ClickViewPoint, 50, 3);
}

TEST_F(SegmentHover, AnchorWinsOverTheSegmentUnderIt) {
    Line({{0, 0}, {100, 0}, {100, 100}});
    HitTestSegmentTool(At({97, 2}));
    EXPECT_EQ(FlagList(), Only(kAnchor));
    EXPECT_EQ(gHitState.HitStartIndex, 1);
    EXPECT_POINT(gHitState.SnapSegment.p, 100, 0);
}

TEST_F(SegmentHover, ToleranceIsFourUnits) {
    AIArtHandle path = Line({{0, 0}, {100, 0}});
    HitTestSegmentTool(At({50, 3.9f}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    HitTestSegmentTool(At({50, 4.2f}));
    EXPECT_EQ(FlagList(), NoFlag());
    EXPECT_EQ(gHitState.HitArt, path) << "a miss keeps the last path hovered";
}

TEST_F(SegmentHover, ClosingSegmentStartsAtTheLastAnchor) {
    Line({{0, 0}, {100, 0}, {50, 80}}, true);
    HitTestSegmentTool(At({25, 40}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitStartIndex, 2);
    EXPECT_EQ(gHitState.HitEndIndex, 0);
    EXPECT_POINT(gHitState.SnapSegment.p, 50, 80);
    EXPECT_POINT(gHitState.HitSegment.p, 0, 0);
}

TEST_F(SegmentHover, CrossingOfTwoPathsSnapsToTheirIntersection) {
    AIArtHandle across = Line({{0, 0}, {100, 0}});
    AIArtHandle up = Line({{50, -50}, {50, 50}});
    HitTestSegmentTool(At({51.5f, 1.5f}));
    EXPECT_EQ(FlagList(), Only(kIntersection));
    EXPECT_EQ(gHitState.HitArt, up);
    EXPECT_POINT_NEAR(gHitState.SnapSegment.p, 50, 0, 1e-4);
    EXPECT_FALSE(Locked(up)) << "the hovered path is unlocked after the crossing test";
    EXPECT_FALSE(Locked(across));
}

TEST_F(SegmentHover, OtherPathBeyondTwoUnitsIsNoCrossing) {
    Line({{0, 0}, {100, 0}});
    AIArtHandle up = Line({{50, -50}, {50, 50}});
    HitTestSegmentTool(At({51, 2.5f}));
    EXPECT_EQ(FlagList(), Only(kSegment));
    EXPECT_EQ(gHitState.HitArt, up);
    EXPECT_POINT(gHitState.SnapSegment.p, 50, -50);
}

TEST_F(SegmentHover, DimensionLineIsReEditableNotASegment) {
    AIArtHandle part = Line({{0, 0}, {100, 0}});
    MakeDimensionPart(part, format::SegmentMarker);
    HitTestSegmentTool(At({40, 1}));
    EXPECT_EQ(FlagList(), Only(kDimension));
    EXPECT_POINT(gHitState.SnapSegment.p, 0, 0);
    EXPECT_POINT(gHitState.HitSegment.p, 100, 0);
}

TEST_F(SegmentHover, EveryKindMarkerMakesADimensionPart) {
    for (const char* marker : {format::SegmentMarker, format::AngleMarker, format::CircleMarker}) {
        sim::TheDocument().Reset();
        MakeDimensionPart(Line({{0, 0}, {100, 0}}), marker);
        HitTestSegmentTool(At({40, 1}));
        EXPECT_EQ(FlagList(), Only(kDimension)) << marker;
    }
}

TEST_F(SegmentHover, DimensionPartWithoutMarkerSetsNothing) {
    AIArtHandle part = Line({{0, 0}, {100, 0}});
    MakeDimensionPart(part, nullptr);
    gHitState.SnapSegment.p = {7, 7};
    HitTestSegmentTool(At({40, 1}));
    EXPECT_EQ(FlagList(), NoFlag());
    EXPECT_POINT(gHitState.SnapSegment.p, 7, 7);
}

TEST_F(SegmentHover, DimensionOverAPathIsNoCrossing) {
    Line({{0, 0}, {100, 0}});
    AIArtHandle part = Line({{50, -50}, {50, 50}});
    MakeDimensionPart(part, format::SegmentMarker);
    gHitState.SnapSegment.p = {7, 7};
    HitTestSegmentTool(At({51, 1}));
    EXPECT_EQ(FlagList(), NoFlag());
    EXPECT_POINT(gHitState.SnapSegment.p, 7, 7);
}

TEST_F(SegmentHover, CircularArcGivesItsCentreAndTheNearestPoint) {
    QuarterArc(100);
    HitTestSegmentTool(At({72, 72}));
    EXPECT_EQ(FlagList(), Only(kArc));
    EXPECT_POINT_NEAR(gHitState.HoverArcCentre.p, 0, 0, 0.05);
    EXPECT_POINT_NEAR(gHitState.CurveHitPoint, 70.71, 70.71, 0.05);
}

TEST_F(SegmentHover, CurvesThatAreNoArcsAreFreeCurves) {
    SCurve();
    HitTestSegmentTool(At({50, 1}));
    EXPECT_EQ(FlagList(), Only(kCurve));
    EXPECT_NEAR(gHitState.CurveHitPoint.h, 50, 1.0);
    // A handle on its anchor is never an arc, even when the curve is nearly round.
    sim::TheDocument().Reset();
    Doc().DrawPath({sim::CurveSegment({100, 0}, {100, 0}, {100, 0}), sim::CurveSegment({0, 100}, {55.2f, 100}, {0, 100})},
                   false);
    HitTestSegmentTool(At({71.7f, 51}));
    EXPECT_EQ(FlagList(), Only(kCurve));
}

TEST_F(SegmentHover, ArcOfADimensionIsReEditable) {
    MakeDimensionPart(QuarterArc(100), format::AngleMarker);
    HitTestSegmentTool(At({71, 71}));
    EXPECT_EQ(FlagList(), Only(kDimensionArc));
}

TEST_F(SegmentHover, LockedHiddenAndGuidePathsAreNeverHovered) {
    SetAttr(Line({{0, 0}, {100, 0}}), kArtLocked);
    SetAttr(Line({{0, 10}, {100, 10}}), kArtHidden);
    Doc().MutableArt(Line({{0, 20}, {100, 20}}))->guide = true;
    for (float y : {0.0f, 10.0f, 20.0f}) {
        HitTestSegmentTool(At({50, y}));
        EXPECT_EQ(FlagList(), NoFlag()) << y;
        EXPECT_EQ(gHitState.HitArt, nullptr);
    }
}

TEST_F(SegmentHover, EmptyDocumentAndDegeneratePaths) {
    HitTestSegmentTool(At({0, 0}));
    EXPECT_EQ(FlagList(), NoFlag());
    AIArtHandle dot = Line({{10, 10}});
    HitTestSegmentTool(At({11, 10}));
    EXPECT_EQ(FlagList(), Only(kAnchor));
    EXPECT_EQ(gHitState.HitArt, dot);
    EXPECT_EQ(gHitState.HitStartIndex, 0);
}

}  // namespace
}  // namespace hovertest
