// Path segments, Bézier pieces, area and length, path styles and transforms.
#include <cmath>
#include <functional>
#include <numbers>

#include "document_fixture.h"

namespace {

constexpr AIReal kCircleHandle = 0.5522847771644592f; // handle length of a quarter circle, per unit radius

// A circle of radius r around (h, v) from four quarter arcs, anchors counter-clockwise from the right.
std::vector<AIPathSegment> Circle(AIReal h, AIReal v, AIReal r) {
    const AIReal k = kCircleHandle * r;
    return {sim::CurveSegment({h + r, v}, {h + r, v - k}, {h + r, v + k}),
            sim::CurveSegment({h, v + r}, {h + k, v + r}, {h - k, v + r}),
            sim::CurveSegment({h - r, v}, {h - r, v + k}, {h - r, v - k}),
            sim::CurveSegment({h, v - r}, {h - k, v - r}, {h + k, v - r})};
}

} // namespace

class PathTest : public DocumentTest {
  protected:
    std::vector<AIRealPoint> Anchors(AIArtHandle p) {
        int16_t count = 0;
        EXPECT_EQ(kNoErr, path->GetPathSegmentCount(p, &count));
        std::vector<AIPathSegment> segments(static_cast<size_t>(count));
        EXPECT_EQ(kNoErr, path->GetPathSegments(p, 0, count, segments.data()));
        std::vector<AIRealPoint> anchors;
        for (const AIPathSegment& s : segments) {
            anchors.push_back(s.p);
        }
        return anchors;
    }
    static std::vector<AIRealPoint> Points(std::initializer_list<AIRealPoint> points) { return points; }
};

bool operator==(const AIRealPoint& a, const AIRealPoint& b) {
    return a.h == b.h && a.v == b.v;
}

TEST_F(PathTest, SegmentsAreReadWrittenInsertedAndDeletedInRange) {
    AIArtHandle p = Make(kPathArt, "p");
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 3));
    const AIPathSegment three[3] = {sim::CornerSegment(0, 0), sim::CornerSegment(10, 0),
                                    sim::CornerSegment(10, 10)};
    ASSERT_EQ(kNoErr, path->SetPathSegments(p, 0, 3, three));
    const AIPathSegment two[2] = {sim::CornerSegment(5, -1), sim::CornerSegment(6, -1)};
    ASSERT_EQ(kNoErr, path->InsertPathSegments(p, 1, 2, two));
    EXPECT_EQ(Points({{0, 0}, {5, -1}, {6, -1}, {10, 0}, {10, 10}}), Anchors(p));
    ASSERT_EQ(kNoErr, path->InsertPathSegments(p, 5, 1, two));
    ASSERT_EQ(kNoErr, path->DeletePathSegments(p, 0, 2));
    EXPECT_EQ(Points({{6, -1}, {10, 0}, {10, 10}, {5, -1}}), Anchors(p));

    AIPathSegment out[4];
    EXPECT_EQ(kIndexOutOfRangeErr, path->GetPathSegments(p, 3, 2, out));
    EXPECT_EQ(kIndexOutOfRangeErr, path->GetPathSegments(p, -1, 1, out));
    EXPECT_EQ(kIndexOutOfRangeErr, path->SetPathSegments(p, 4, 1, two));
    EXPECT_EQ(kIndexOutOfRangeErr, path->InsertPathSegments(p, 5, 1, two));
    EXPECT_EQ(kIndexOutOfRangeErr, path->DeletePathSegments(p, 2, 3));
    EXPECT_EQ(kBadParameterErr, path->SetPathSegmentCount(p, -1));
    EXPECT_EQ(Points({{6, -1}, {10, 0}, {10, 10}, {5, -1}}), Anchors(p));

    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 5));
    ASSERT_EQ(kNoErr, path->GetPathSegments(p, 4, 1, out));
    EXPECT_EQ(0.0f, out[0].p.h);
    EXPECT_EQ(1, out[0].corner);
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 1));
    EXPECT_EQ(Points({{6, -1}}), Anchors(p));
}

TEST_F(PathTest, ClosedAndGuideFlags) {
    AIArtHandle p = Make(kPathArt, "p");
    AIBoolean closed = 1, guide = 1;
    ASSERT_EQ(kNoErr, path->GetPathClosed(p, &closed));
    ASSERT_EQ(kNoErr, path->GetPathGuide(p, &guide));
    EXPECT_EQ(0, closed);
    EXPECT_EQ(0, guide);
    ASSERT_EQ(kNoErr, path->SetPathClosed(p, 1));
    ASSERT_EQ(kNoErr, path->SetPathGuide(p, 7));
    ASSERT_EQ(kNoErr, path->GetPathClosed(p, &closed));
    ASSERT_EQ(kNoErr, path->GetPathGuide(p, &guide));
    EXPECT_EQ(1, closed);
    EXPECT_EQ(1, guide);
}

TEST_F(PathTest, BezierPiecesIncludeTheClosingSegmentOfAClosedPath) {
    AIArtHandle p = doc.DrawPath({sim::CurveSegment({0, 0}, {-1, 0}, {1, 2}),
                                  sim::CurveSegment({10, 0}, {9, 3}, {11, 0}), sim::CornerSegment(5, 8)},
                                 false);
    AIRealBezier b;
    ASSERT_EQ(kNoErr, path->GetPathBezier(p, 0, &b));
    EXPECT_EQ((AIRealPoint{0, 0}), b.p0);
    EXPECT_EQ((AIRealPoint{1, 2}), b.p1);
    EXPECT_EQ((AIRealPoint{9, 3}), b.p2);
    EXPECT_EQ((AIRealPoint{10, 0}), b.p3);
    EXPECT_EQ(kIndexOutOfRangeErr, path->GetPathBezier(p, 2, &b));
    ASSERT_EQ(kNoErr, path->SetPathClosed(p, 1));
    ASSERT_EQ(kNoErr, path->GetPathBezier(p, 2, &b));
    EXPECT_EQ((AIRealPoint{5, 8}), b.p0);
    EXPECT_EQ((AIRealPoint{-1, 0}), b.p2);
    EXPECT_EQ((AIRealPoint{0, 0}), b.p3);
    EXPECT_EQ(kIndexOutOfRangeErr, path->GetPathBezier(p, 3, &b));
    EXPECT_EQ(kIndexOutOfRangeErr, path->GetPathBezier(p, -1, &b));
}

TEST_F(PathTest, AreaIsSignedByTheDirectionOfTheAnchors) {
    AIReal area = 0.0f;
    AIArtHandle ccw = doc.DrawPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    ASSERT_EQ(kNoErr, path->GetPathArea(ccw, &area));
    EXPECT_EQ(100.0f, area);
    AIArtHandle cw = doc.DrawPolyline({{0, 0}, {0, 10}, {10, 10}, {10, 0}}, false); // taken as closed
    ASSERT_EQ(kNoErr, path->GetPathArea(cw, &area));
    EXPECT_EQ(-100.0f, area);
    AIArtHandle line = doc.DrawPolyline({{0, 0}, {10, 10}}, false);
    ASSERT_EQ(kNoErr, path->GetPathArea(line, &area));
    EXPECT_EQ(0.0f, area);

    // Four-arc circle: the exact area of the cubics is pi r^2 to within 0.03 % (the arcs bulge by 0.027 %).
    AIArtHandle circle = doc.DrawPath(Circle(50, -20, 10), true);
    ASSERT_EQ(kNoErr, path->GetPathArea(circle, &area));
    EXPECT_NEAR(std::numbers::pi * 100.0, area, std::numbers::pi * 100.0 * 3e-4);
    EXPECT_GT(area, std::numbers::pi * 100.0);
}

TEST_F(PathTest, TwoAnchorsJoinedByCurvesEncloseTheLensBetweenThem) {
    // Out along the top (controls 6 above), back along the bottom: each half bounds 36, clockwise.
    AIArtHandle lens = doc.DrawPath({sim::CurveSegment({0, 0}, {0, -6}, {0, 6}),
                                     sim::CurveSegment({10, 0}, {10, 6}, {10, -6})},
                                    true);
    AIReal area = 0.0f;
    ASSERT_EQ(kNoErr, path->GetPathArea(lens, &area));
    EXPECT_FLOAT_EQ(-72.0f, area);
    AIArtHandle single = doc.DrawPolyline({{4, 4}}, true);
    ASSERT_EQ(kNoErr, path->GetPathArea(single, &area));
    EXPECT_EQ(0.0f, area);
}

TEST_F(PathTest, LengthCountsTheClosingSegmentOnlyWhenClosed) {
    AIArtHandle square = doc.DrawPolyline({{0, 0}, {3, 0}, {3, 4}, {0, 4}}, false);
    AIReal length = 0.0f;
    ASSERT_EQ(kNoErr, path->GetPathLength(square, 1.0f, &length));
    EXPECT_EQ(10.0f, length);
    ASSERT_EQ(kNoErr, path->SetPathClosed(square, 1));
    ASSERT_EQ(kNoErr, path->GetPathLength(square, 1.0f, &length));
    EXPECT_EQ(14.0f, length);

    for (AIReal r : {1.0f, 10.0f, 250.0f}) {
        AIArtHandle circle = doc.DrawPath(Circle(0, 0, r), true);
        ASSERT_EQ(kNoErr, path->GetPathLength(circle, 0.01f, &length));
        EXPECT_NEAR(2.0 * std::numbers::pi * r, length, 4e-3 * r) << r; // 1e-3 r per quarter
    }
    AIArtHandle single = doc.DrawPolyline({{4, 4}}, true);
    ASSERT_EQ(kNoErr, path->GetPathLength(single, 1.0f, &length));
    EXPECT_EQ(0.0f, length);
}

TEST_F(PathTest, NewPathsTakeTheCurrentStyleAndStylesAreChecked) {
    AIPathStyle current;
    ASSERT_EQ(kNoErr, style->GetCurrentPathStyle(&current));
    EXPECT_EQ(1, current.strokePaint);
    EXPECT_EQ(0, current.fillPaint);
    EXPECT_EQ(kGrayColor, current.stroke.color.kind);
    EXPECT_EQ(1.0f, current.stroke.color.g.gray);
    EXPECT_EQ(1.0f, current.stroke.width);

    current.stroke.width = 0.25f;
    current.stroke.color.kind = kThreeColor;
    current.stroke.color.rgb = {1.0f, 0.5f, 0.0f};
    ASSERT_EQ(kNoErr, style->SetCurrentPathStyle(&current));
    AIArtHandle p = Make(kPathArt, "p");
    AIPathStyle read;
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &read));
    EXPECT_EQ(0.25f, read.stroke.width);
    EXPECT_EQ(0.5f, read.stroke.color.rgb.green);

    read.stroke.dash.length = 4;
    const AIReal dashes[4] = {3, 1, 0.5f, 1};
    std::copy(dashes, dashes + 4, read.stroke.dash.array);
    read.stroke.cap = kAIRoundCap;
    read.stroke.join = kAIBevelJoin;
    read.fillPaint = 1;
    ASSERT_EQ(kNoErr, style->SetPathStyle(p, &read));
    AIPathStyle again;
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &again));
    EXPECT_EQ(4, again.stroke.dash.length);
    EXPECT_EQ(0.5f, again.stroke.dash.array[2]);
    EXPECT_EQ(kAIRoundCap, again.stroke.cap);
    EXPECT_EQ(kAIBevelJoin, again.stroke.join);

    const std::vector<std::pair<const char*, std::function<void(AIPathStyle&)>>> broken = {
        {"dash count", [](AIPathStyle& s) { s.stroke.dash.length = kMaxDashComponents + 1; }},
        {"negative dash count", [](AIPathStyle& s) { s.stroke.dash.length = -1; }},
        {"negative dash", [](AIPathStyle& s) { s.stroke.dash.array[0] = -1.0f; }},
        {"negative width", [](AIPathStyle& s) { s.stroke.width = -0.5f; }},
        {"width not a number", [](AIPathStyle& s) { s.stroke.width = std::nanf(""); }},
        {"cap", [](AIPathStyle& s) { s.stroke.cap = static_cast<AILineCap>(3); }},
        {"join", [](AIPathStyle& s) { s.stroke.join = static_cast<AILineJoin>(-1); }},
        {"colour kind", [](AIPathStyle& s) { s.fill.color.kind = static_cast<AIColorTag>(9); }},
    };
    for (const auto& [name, breakIt] : broken) {
        AIPathStyle bad = again;
        breakIt(bad);
        EXPECT_EQ(kBadParameterErr, style->SetPathStyle(p, &bad)) << name;
        EXPECT_EQ(kBadParameterErr, style->SetCurrentPathStyle(&bad)) << name;
    }
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &read));
    EXPECT_EQ(4, read.stroke.dash.length);
    EXPECT_EQ(0.25f, read.stroke.width);
}

TEST_F(PathTest, TransformsMoveAnchorsAndHandlesThroughGroups) {
    AIArtHandle g = doc.NewGroup(nullptr, "g");
    AIArtHandle p =
        doc.DrawPath({sim::CurveSegment({1, 0}, {1, -1}, {1, 1}), sim::CornerSegment(3, 4)}, false);
    ASSERT_EQ(kNoErr, doc.MoveInto(p, g));
    AIArtHandle untouched = doc.DrawPolyline({{1, 0}}, false);
    // A quarter turn counter-clockwise, then a move by (10, 20).
    const AIRealMatrix turn{0.0f, 1.0f, -1.0f, 0.0f, 10.0f, 20.0f};
    ASSERT_EQ(kNoErr, transform->TransformArt(g, &turn, 2.0f, kTransformObjects | kScaleLines));
    AIPathSegment s[2];
    ASSERT_EQ(kNoErr, path->GetPathSegments(p, 0, 2, s));
    EXPECT_EQ((AIRealPoint{10, 21}), s[0].p);
    EXPECT_EQ((AIRealPoint{11, 21}), s[0].in);
    EXPECT_EQ((AIRealPoint{9, 21}), s[0].out);
    EXPECT_EQ((AIRealPoint{6, 23}), s[1].p);
    AIPathStyle st;
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &st));
    EXPECT_EQ(2.0f, st.stroke.width);
    EXPECT_EQ(Points({{1, 0}}), Anchors(untouched));

    // Line scale alone leaves the geometry where it is.
    ASSERT_EQ(kNoErr, transform->TransformArt(p, &turn, 0.5f, kScaleLines));
    ASSERT_EQ(kNoErr, path->GetPathSegments(p, 0, 1, s));
    EXPECT_EQ((AIRealPoint{10, 21}), s[0].p);
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &st));
    EXPECT_EQ(1.0f, st.stroke.width);
}

TEST_F(PathTest, TextFramesKeepTheTransformForLater) {
    AIArtHandle text = Make(kTextFrameArt, "label");
    const AIRealMatrix move{1, 0, 0, 1, 5, 6};
    const AIRealMatrix scale{2, 0, 0, 2, 0, 0};
    ASSERT_EQ(kNoErr, transform->TransformArt(text, &move, 1.0f, kTransformObjects));
    ASSERT_EQ(kNoErr, transform->TransformArt(text, &scale, 1.0f, kTransformObjects));
    const sim::TextData& data = doc.Art(text)->text;
    EXPECT_EQ(2.0f, data.transform.a);
    EXPECT_EQ(2.0f, data.transform.d);
    EXPECT_EQ(10.0f, data.transform.tx);
    EXPECT_EQ(12.0f, data.transform.ty);
    AIRealRect bounds;
    ASSERT_EQ(kNoErr, art->GetArtBounds(text, &bounds));
    EXPECT_EQ(10.0f, bounds.left);
    EXPECT_EQ(12.0f, bounds.top);
    EXPECT_EQ(kBadParameterErr, transform->TransformArt(text, nullptr, 1.0f, kTransformObjects));
}
