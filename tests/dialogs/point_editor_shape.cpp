// The point editors' shape model as pure code: outlines, mappings, snapping, insertion, deletion, selection
// stepping and mirroring.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "dialogs/creation/PointEditorOutline.h"
#include "dialogs/creation/PointEditorShape.h"
#include "dialogs/creation/PointEditorState.h"

namespace {

struct Lines final : OutlineLines {
    void Line(ADMPoint from, ADMPoint to) override { drawn.push_back({from, to}); }
    std::vector<std::pair<ADMPoint, ADMPoint>> drawn;
};

void SetPoint(PointEditorShape& s, int i, EditorPoint a, EditorPoint in, EditorPoint out) {
    s.Points.AnchorX[i] = a.x;
    s.Points.AnchorY[i] = a.y;
    s.Points.InX[i] = in.x;
    s.Points.InY[i] = in.y;
    s.Points.OutX[i] = out.x;
    s.Points.OutY[i] = out.y;
}

// A square of corner points, 100 units a side, from (0, 0).
PointEditorShape Square(bool closed) {
    PointEditorShape s;
    s.PointCount = 4;
    s.Closed = closed ? 1 : 0;
    const EditorPoint corners[] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    for (int i = 0; i < 4; ++i) SetPoint(s, i, corners[i], corners[i], corners[i]);
    return s;
}

// `count` smooth points on a circle: every segment is curved.
PointEditorShape Curvy(int count) {
    PointEditorShape s;
    s.PointCount = static_cast<int8_t>(count);
    s.Closed = 1;
    for (int i = 0; i < count; ++i) {
        const float a = 6.2831853f * i / count;
        const EditorPoint p{100.0f * std::cos(a), 100.0f * std::sin(a)};
        SetPoint(s, i, p, {p.x - 10, p.y + 10}, {p.x + 10, p.y - 10});
    }
    return s;
}

TEST(PointEditorOutline, StraightSegmentsAreOneLineEachAndCurvedOnesSixteen) {
    PolygonBuffer buffer;
    Lines lines;
    PointEditorShape square = Square(true);
    square.Hollow = 1;
    OutlineShape(square, Affine{}, 4, buffer, lines);
    EXPECT_EQ(lines.drawn.size(), 4u);
    PointEditorShape curve = Curvy(3);
    curve.Hollow = 1;
    lines.drawn.clear();
    OutlineShape(curve, Affine{}, 4, buffer, lines);
    EXPECT_EQ(lines.drawn.size(), 48u);
}

TEST(PointEditorOutline, AFilledOpenShapeCollectsEachStartAndPieceEnd) {
    PolygonBuffer buffer;
    Lines lines;
    OutlineShape(Square(false), Affine{}, 4, buffer, lines);
    // Three straight segments: each start anchor and its end; the fill closes back to (0, 0).
    ASSERT_EQ(buffer.Count, 6);
    EXPECT_EQ(buffer.Points[5].h, 0);
    EXPECT_EQ(buffer.Points[5].v, 100);
    EXPECT_TRUE(lines.drawn.empty());
}

TEST(PointEditorOutline, TheLargestOutlineFillsTheBufferExactlyAndADeeperHalvingNeverOverrunsIt) {
    PolygonBuffer buffer;
    Lines lines;
    OutlineShape(Curvy(20), Affine{}, 4, buffer, lines);
    EXPECT_EQ(buffer.Count, kOutlineCapacity);
    OutlineShape(Curvy(20), Affine{}, 9, buffer, lines);
    EXPECT_EQ(buffer.Count, kOutlineCapacity);
    PointEditorShape wrong = Curvy(20);
    wrong.PointCount = 100;  // a count outside the tables draws nothing
    OutlineShape(wrong, Affine{}, 4, buffer, lines);
    EXPECT_LE(buffer.Count, kOutlineCapacity);
}

TEST(PointEditorMapping, CanvasPixelsAndEditorUnitsMapBothWays) {
    const CanvasMapping& arrow = kArrowEditorLook.Mapping;
    const CanvasMapping& bezier = kBezierEditorLook.Mapping;
    EXPECT_FLOAT_EQ(ToCanvas(arrow, {2.0f, -1.0f}).x, 170.0f);
    EXPECT_FLOAT_EQ(ToCanvas(arrow, {2.0f, -1.0f}).y, 110.0f);
    EXPECT_FLOAT_EQ(FromCanvas(arrow, {170.0f, 110.0f}).x, 2.0f);
    EXPECT_FLOAT_EQ(FromCanvas(arrow, {170.0f, 110.0f}).y, -1.0f);
    EXPECT_FLOAT_EQ(ToCanvas(bezier, {-100.0f, 60.0f}).x, 190.0f);
    EXPECT_FLOAT_EQ(ToCanvas(bezier, {-100.0f, 60.0f}).y, 250.0f);
    EXPECT_FLOAT_EQ(FromCanvas(bezier, {190.0f, 250.0f}).x, -100.0f);
}

TEST(PointEditorMapping, SnapRoundsHalfStepsAwayFromZeroAndHoldsTheDragArea) {
    const CanvasMapping& arrow = kArrowEditorLook.Mapping;
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {161, 130}, 20, true).x, 2.0f);
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {149, 130}, 20, true).x, 1.0f);
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {111, 130}, 20, true).x, -1.0f);
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {161, 130}, 20, false).x, 1.55f);
    EXPECT_FLOAT_EQ(SnappedOffset(-10.0f, 20, true), -20.0f);
    // Out of the canvas: held to x 10..450, y 10..250.
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {900, -40}, 20, false).x, 16.0f);
    EXPECT_FLOAT_EQ(DraggedPosition(arrow, {900, -40}, 20, false).y, -6.0f);
}

TEST(PointEditorShapeEdits, InsertionSplitsTheSegmentWhereTheClickFoundIt) {
    PointEditorShape s = Square(false);
    ASSERT_TRUE(InsertPoint(s, 0, 0.5f, {50.0f, 1.0f}));
    ASSERT_EQ(s.PointCount, 5);
    const ShapePointTables& p = s.Points;
    EXPECT_FLOAT_EQ(p.AnchorX[1], 50.0f);  // the clicked point, not the curve point
    EXPECT_FLOAT_EQ(p.AnchorY[1], 1.0f);
    EXPECT_FLOAT_EQ(p.OutX[1], 25.0f);     // a quarter of the way
    EXPECT_FLOAT_EQ(p.InX[1], 75.0f);      // three quarters
    EXPECT_FLOAT_EQ(p.InX[0], 0.0f);       // the neighbours' handles stay on their anchors
    EXPECT_FLOAT_EQ(p.OutX[2], 100.0f);
    EXPECT_FLOAT_EQ(p.AnchorX[2], 100.0f);
    // Where the search stops first, a little before the middle: t squared and t (2 - t) of the way.
    PointEditorShape early = Square(false);
    ASSERT_TRUE(InsertPoint(early, 0, 0.46f, {46.0f, 0.0f}));
    EXPECT_NEAR(early.Points.OutX[1], 21.16f, 1e-4);
    EXPECT_NEAR(early.Points.InX[1], 70.84f, 1e-4);
}

TEST(PointEditorShapeEdits, InsertionOnTheClosingSegmentAppendsThePoint) {
    PointEditorShape s = Square(true);
    ASSERT_TRUE(InsertPoint(s, 3, 0.5f, {0.0f, 50.0f}));
    ASSERT_EQ(s.PointCount, 5);
    EXPECT_FLOAT_EQ(s.Points.AnchorY[4], 50.0f);
    EXPECT_FLOAT_EQ(s.Points.OutY[4], 75.0f);
    EXPECT_FLOAT_EQ(s.Points.InY[4], 25.0f);
    EXPECT_FLOAT_EQ(s.Points.OutY[0], 0.0f);
    EXPECT_FLOAT_EQ(s.Points.AnchorX[1], 100.0f);
    PointEditorShape open = Square(false);
    EXPECT_FALSE(InsertPoint(open, 3, 0.5f, {0.0f, 50.0f}));  // an open shape has no closing segment
}

TEST(PointEditorShapeEdits, TheLimitsRefuseAndLeaveTheArraysUnchanged) {
    PointEditorShape two = Square(false);
    two.PointCount = 2;
    const PointEditorShape before = two;
    EXPECT_FALSE(DeletePoint(two, 0));
    EXPECT_EQ(two.PointCount, 2);
    EXPECT_EQ(std::memcmp(&two.Points, &before.Points, sizeof two.Points), 0);
    PointEditorShape full = Curvy(20);
    const PointEditorShape fullBefore = full;
    EXPECT_FALSE(InsertPoint(full, 2, 0.5f, {0.0f, 0.0f}));
    EXPECT_EQ(std::memcmp(&full.Points, &fullBefore.Points, sizeof full.Points), 0);
    PointEditorShape four = Square(false);
    ASSERT_TRUE(DeletePoint(four, 1));
    EXPECT_EQ(four.PointCount, 3);
    EXPECT_FLOAT_EQ(four.Points.AnchorY[1], 100.0f);
    EXPECT_FALSE(DeletePoint(four, 7));
}

TEST(PointEditorSelection, CodesOutsideTheShapeSelectNothingAndMoveNothing) {
    PointEditorShape s = Square(true);
    const PointEditorShape before = s;
    for (int code : {100, 4, 19, 150, 204, 404, 420, -1, 32767}) {
        EXPECT_EQ(DecodeSelection(code, 4).Kind, SelectionKind::None) << code;
        PlaceSelection(s, code, 5.0f, 5.0f);
        MirrorSelection(s, code, true, true);
    }
    EXPECT_EQ(std::memcmp(&s.Points, &before.Points, sizeof s.Points), 0);
    EXPECT_EQ(DecodeSelection(110, 4).Kind, SelectionKind::LineStart);
}

TEST(PointEditorSelection, PreviousAndNextWrapWithinTheirKind) {
    EXPECT_EQ(SteppedSelection(3, 4, 1), 0);
    EXPECT_EQ(SteppedSelection(0, 4, -1), 3);
    EXPECT_EQ(SteppedSelection(200, 4, -1), 203);
    EXPECT_EQ(SteppedSelection(403, 4, 1), 400);
    EXPECT_EQ(SteppedSelection(100, 4, 1), 100);
    EXPECT_EQ(NumberedSelection(401, 3), 403);
    EXPECT_EQ(NumberedSelection(100, 3), 3);
    EXPECT_EQ(KindSelection(202, SelectionKind::OutHandle, 4), 402);
    EXPECT_EQ(KindSelection(100, SelectionKind::InHandle, 4), 100);
}

TEST(PointEditorSelection, CornerPointsAndMirrorPartners) {
    PointEditorShape s = Square(true);
    EXPECT_TRUE(IsCornerPoint(s, 1));
    s.Points.InX[1] = 110.0f;
    EXPECT_FALSE(IsCornerPoint(s, 1));
    MoveAnchor(s, 1, 90.0f, 10.0f);
    EXPECT_FLOAT_EQ(s.Points.InX[1], 100.0f);  // the handle kept its offset
    EXPECT_FLOAT_EQ(s.Points.OutY[1], 10.0f);
    // Six points: 2 pairs with 4, 3 lies on the axis.
    PointEditorShape arrow;
    arrow.PointCount = 6;
    for (int i = 0; i < 6; ++i) SetPoint(arrow, i, {static_cast<float>(i), 1.0f}, {static_cast<float>(i), 1.0f}, {static_cast<float>(i), 1.0f});
    PlaceSelection(arrow, 2, 7.0f, -3.0f);
    MirrorSelection(arrow, 2, true, true);
    EXPECT_FLOAT_EQ(arrow.Points.AnchorX[4], 7.0f);
    EXPECT_FLOAT_EQ(arrow.Points.AnchorY[4], 3.0f);
    PlaceSelection(arrow, 3, 2.0f, 4.0f);
    MirrorSelection(arrow, 3, true, true);
    EXPECT_FLOAT_EQ(arrow.Points.AnchorY[3], 0.0f);
    EXPECT_FLOAT_EQ(arrow.Points.InY[3], 0.0f);
    PlaceSelection(arrow, 200, 3.0f, 1.0f);
    MirrorSelection(arrow, 200, true, true);
    EXPECT_FLOAT_EQ(arrow.Points.OutY[0], -1.0f);
}

}  // namespace

// A place that would leave a coordinate that is not finite leaves the shape as it was, for every kind of element.
TEST(PointEditorShapeFinite, APlaceBeyondAFloatLeavesTheShape) {
    struct Case {
        const char* Name;
        SelectionKind Kind;
        float X, Y;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"anchor whose handle moves past the largest float", SelectionKind::Anchor, 3e38f, 0.0f},
        {"anchor at infinity", SelectionKind::Anchor, inf, 0.0f},
        {"in handle not a number", SelectionKind::InHandle, 0.0f, nan},
        {"out handle at minus infinity", SelectionKind::OutHandle, -inf, 5.0f},
        {"line start at infinity", SelectionKind::LineStart, inf, 1.0f},
    };
    for (const Case& c : cases) {
        PointEditorShape shape = Square(true);
        // Point 1 lies far to the left, its in handle further still.
        SetPoint(shape, 1, {-3e38f, 0.0f}, {-3.2e38f, 0.0f}, {-3e38f, 0.0f});
        const PointEditorShape before = shape;
        PlaceSelection(shape, EncodeSelection(c.Kind, 1), c.X, c.Y);
        EXPECT_TRUE(IsFiniteShape(shape)) << c.Name;
        EXPECT_EQ(std::memcmp(&shape.Points, &before.Points, sizeof shape.Points), 0) << c.Name;
        EXPECT_EQ(shape.LineStartX, before.LineStartX) << c.Name;
        EXPECT_EQ(shape.LineStartY, before.LineStartY) << c.Name;
    }
    // A sound place still moves the anchor with its handles.
    PointEditorShape shape = Square(true);
    PlaceSelection(shape, EncodeSelection(SelectionKind::Anchor, 1), 150.0f, 10.0f);
    EXPECT_EQ(shape.Points.AnchorX[1], 150.0f);
    EXPECT_EQ(shape.Points.InY[1], 10.0f);
}
