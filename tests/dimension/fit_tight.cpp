// The tightest places checked on what is drawn: series whose values do not fit between their extension lines,
// from an origin or chained, and small angles whose sides run on past the arc. Every value's box stays clear of
// every other value, of every line and end mark of its group and of the measured path near it; a value
// staggered off its line keeps a leader to it; an angle's value crosses neither side.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/Labels.h"
#include "dimension/LinearDimensions.h"
#include "dimension/SeriesLayout.h"
#include "dimension/ValueFormat.h"
#include "dimension/Skeletons.h"
#include "dimension/CircleBuilder.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionFit.h"
#include "frame/ArrowHeads.h"
#include "fit_grid.h"

using dimtest::Box;
using dimtest::Corners;
using dimtest::DrawnStraight;
using dimtest::FitGrid;
using dimtest::Crosses;
using dimtest::Near;
using dimtest::kPi;
using dimtest::P;

namespace {

// True when two boxes share some area: an edge of one crosses the other, or one holds the other's middle.
bool Overlap(const Box& a, const Box& b) {
    if (a.Contains(b.Centre()) || b.Contains(a.Centre())) return true;
    for (const auto& [one, other] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        const std::vector<P> c = Corners(*one);
        for (int k = 0; k < 4; ++k) {
            if (Crosses(*other, c[k], c[(k + 1) % 4])) return true;
        }
    }
    return false;
}

// How far the box's nearest corner lies from the horizontal line at height `v`.
double NearestTo(const Box& box, double v) {
    double nearest = 1e9;
    for (const P& c : Corners(box)) nearest = std::min(nearest, std::abs(c.y - v));
    return nearest;
}

struct SeriesCase {
    const char* Name;
    bool Chained;
    std::vector<AIRealPoint> Measured; // the measured path
    std::vector<AIRealPoint> Points;   // the points clicked
    AIRealPoint Cursor;                // where the drag leaves the line
    LinearOrientation Kind = kHorizontalDimension;
    int16_t Decimals = 0;
    bool Dense = false; // a dense chain: its end marks are checked too
};

// A chain of `count` anchors `step` apart along the direction `turn` (radians), measured along `kind`, dragged
// `below` off its line (to the right of its direction), with values of two decimals.
SeriesCase DenseChain(LinearOrientation kind, double turn, float step, int count, float below) {
    const double c = std::cos(turn), s = std::sin(turn), middle = step * (count - 1) / 2.0;
    SeriesCase chain{"dense chain", true, {}, {}, {}, kind, 2, true};
    chain.Cursor = {static_cast<AIReal>(middle * c + below * s), static_cast<AIReal>(middle * s - below * c)};
    for (int k = 0; k < count; ++k)
        chain.Points.push_back({static_cast<AIReal>(step * k * c), static_cast<AIReal>(step * k * s)});
    chain.Measured = chain.Points;
    return chain;
}

P Mean(const std::vector<P>& points) {
    P mean{0.0, 0.0};
    for (const P& p : points) mean = {mean.x + p.x / points.size(), mean.y + p.y / points.size()};
    return mean;
}

// True when the point lies inside the closed outline (its points in order, the last back at the first).
bool Inside(P p, const std::vector<P>& outline) {
    bool inside = false;
    for (size_t k = 1; k < outline.size(); ++k) {
        const P a = outline[k - 1], b = outline[k];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
    return inside;
}

// True when segment a-b crosses segment c-d where neither only touches the other.
bool CrossProperly(P a, P b, P c, P d) {
    const auto side = [](P o, P p, P q) { return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x); };
    constexpr double kTouch = 1e-2;
    const double d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    return ((d1 > kTouch && d2 < -kTouch) || (d1 < -kTouch && d2 > kTouch)) &&
           ((d3 > kTouch && d4 < -kTouch) || (d3 < -kTouch && d4 > kTouch));
}

// A comb of anchors `step` apart, `count` of them, every anchor a series point.
SeriesCase Comb(const char* name, bool chained, float step, int count, float below) {
    SeriesCase c{name, chained, {}, {}, {step * static_cast<float>(count) / 2.0f, -below}};
    for (int k = 0; k < count; ++k) c.Points.push_back({step * static_cast<float>(k), 0.0f});
    c.Measured = c.Points;
    return c;
}

// The circle of `radius` round the origin as the measured outline: a closed polygon of 144 sides.
AIArtHandle DrawCircleOutline(double radius) {
    std::vector<AIRealPoint> points;
    for (int k = 0; k < 144; ++k) {
        const double a = 2.0 * kPi * k / 144.0;
        points.push_back({static_cast<AIReal>(radius * std::cos(a)), static_cast<AIReal>(radius * std::sin(a))});
    }
    return sim::TheDocument().DrawPolyline(points, true);
}

class TightFit : public FitGrid {
protected:
    void SetUp() override {
        FitGrid::SetUp();
        gCurrentOptions.SeriesLabelStep = 10.0f;
        gCurrentOptions.ActiveEndMarkSize = 100.0;
        gCurrentOptions.AngleOffsetAngle = 0.0;
        gCurrentOptions.AngleOffsetRadius = 0.0;
    }
    // Every value's box is clear of the others, of the group's paths and of the measured path.
    static void ExpectValuesClear(size_t count, const std::vector<AIRealPoint>& measured) {
        for (size_t i = 0; i < count; ++i) {
            if (!Live(Dim().LabelFrames[i])) continue;  // a right angle's square says the value
            SCOPED_TRACE("value " + std::to_string(i) + " " + LabelText(i));
            const Box box = LabelBox(i);
            EXPECT_TRUE(PartsCrossing(i).empty());
            for (size_t j = i + 1; j < count; ++j) EXPECT_FALSE(Overlap(box, LabelBox(j))) << "and value " << j;
            for (size_t k = 1; k < measured.size(); ++k) {
                EXPECT_FALSE(Crosses(box, {measured[k - 1].h, measured[k - 1].v}, {measured[k].h, measured[k].v}))
                    << "measured segment " << k;
            }
        }
    }
};

} // namespace

TEST_F(TightFit, SeriesValuesClearEveryValueLineAndMarkAndStaggeredOnesKeepALeader) {
    std::vector<SeriesCase> cases = {
        {"the comb from its origin", false, {{0, 0}, {20, 0}, {40, 0}, {60, 0}}, {{0, 0}, {20, 0}, {40, 0}, {60, 0}},
         {40, -30}},
        {"the stepped profile chained",
         true,
         {{0, 0}, {0, 40}, {50, 40}, {50, 60}, {110, 60}, {110, 30}, {180, 30}, {180, 0}},
         {{0, 40}, {50, 60}, {110, 30}, {180, 0}},
         {100, -100}},
        {"a dense chain tightest at its first point",
         true,
         {{0, 0}, {2, 0}, {4, 0}, {34, 0}, {52, 0}, {70, 0}},
         {{0, 0}, {2, 0}, {4, 0}, {34, 0}, {52, 0}, {70, 0}},
         {35, -30}, kHorizontalDimension, 2, true},
    };
    for (const bool chained : {false, true}) {
        for (const float step : {10.0f, 15.0f, 20.0f, 30.0f, 45.0f}) {
            for (const int count : {3, 5, 7}) {
                for (const float below : {30.0f, -30.0f}) {
                    SeriesCase c = Comb("comb", chained, step, count, below);
                    c.Name = chained ? "chained comb" : "comb from its origin";
                    cases.push_back(c);
                }
            }
        }
    }
    // Dense chains, horizontal, vertical and oblique, dragged out to either side: values two decimals wide.
    const std::pair<LinearOrientation, double> directions[] = {
        {kHorizontalDimension, 0.0}, {kVerticalDimension, kPi / 2.0}, {kParallelDimension, kPi / 6.0}};
    for (const auto& [kind, turn] : directions) {
        for (const float step : {2.0f, 3.0f, 5.0f, 7.0f, 9.0f, 12.0f, 19.0f}) {
            for (int count = 4; count <= 10; ++count) {
                for (const float below : {30.0f, -30.0f}) cases.push_back(DenseChain(kind, turn, step, count, below));
            }
        }
    }
    const ArrowHeadShape fixtureMarks = gArrowHeadShape;
    for (const SeriesCase& c : cases) {
        const double step = std::hypot(c.Points[1].h - c.Points[0].h, c.Points[1].v - c.Points[0].v);
        SCOPED_TRACE(std::string(c.Name) + " along " + std::to_string(c.Kind) + ", " +
                     std::to_string(c.Points.size()) + " points " + std::to_string(step) + " apart, cursor " +
                     std::to_string(c.Cursor.h) + ", " + std::to_string(c.Cursor.v));
        StartGroup();
        gCurrentOptions.Decimals = c.Decimals;
        // Dense chains carry the default end marks, 10 long.
        gArrowHeadShape = fixtureMarks;
        if (c.Dense) ApplyArrowPreset(kNotchedArrowPreset);
        Doc().DrawPolyline(c.Measured, false);
        for (size_t i = 0; i < c.Points.size(); ++i) gSeriesPointTable.SeriesPoint[i].p = c.Points[i];
        gToolState.ClickCount = static_cast<int16_t>(c.Points.size());
        ASSERT_EQ(TagSeriesArt(), kNoErr);
        const auto chain = c.Kind == kHorizontalDimension ? DrawSeriesChainHorizontal
                           : c.Kind == kVerticalDimension ? DrawSeriesChainVertical
                                                          : DrawSeriesChainOblique;
        ASSERT_EQ((c.Chained ? chain : DrawSeriesFromOriginHorizontal)(c.Cursor.h, c.Cursor.v, 0), kNoErr);
        const size_t count = c.Points.size() - 1;
        ExpectValuesClear(count, c.Measured);
        // No two end marks of a dense chain cross: where marks would, the two spans share one dot.
        std::vector<std::vector<P>> marks;
        for (const auto& set : Dim().EndMarks) {
            for (size_t i = 0; c.Dense && i < count; ++i) {
                if (Live(set[i]) && Node(set[i]).segments.size() > 1) marks.push_back(Trace(set[i], true));
            }
        }
        for (size_t m = 0; m < marks.size(); ++m) {
            for (size_t n = m + 1; n < marks.size(); ++n) {
                bool cross = false;
                for (size_t a = 1; a < marks[m].size() && !cross; ++a) {
                    for (size_t b = 1; b < marks[n].size() && !cross; ++b)
                        cross = CrossProperly(marks[m][a - 1], marks[m][a], marks[n][b - 1], marks[n][b]);
                }
                EXPECT_FALSE(cross || Inside(Mean(marks[m]), marks[n]) || Inside(Mean(marks[n]), marks[m]))
                    << "marks " << m << " and " << n;
            }
        }
        if (c.Kind != kHorizontalDimension) continue;
        // A value off its line (farther than a value standing beside it) has a leader from its line to it, and
        // stands a line's height clear of any other value staggered beside it in its row.
        std::vector<Box> staggered;
        for (size_t i = 0; i < count; ++i) {
            const auto line = Anchors(Dim().DimensionLines[i]);
            ASSERT_FALSE(line.empty());
            const double v = line.front().v;
            const Box box = LabelBox(i);
            if (NearestTo(box, v) <= 2.0 + 0.5 || box.Contains({box.Centre().x, v})) continue;
            SCOPED_TRACE("staggered value " + std::to_string(i));
            const auto leader = Anchors(Dim().DimensionLineHalves[i]);
            ASSERT_EQ(leader.size(), 2u);
            const double from = std::min(c.Points[c.Chained ? i : 0].h, c.Points[i + 1].h);
            const double to = std::max(c.Points[c.Chained ? i : 0].h, c.Points[i + 1].h);
            EXPECT_NEAR(leader[0].v, v, 1e-3);
            EXPECT_GE(leader[0].h, from);
            EXPECT_LE(leader[0].h, to);
            // It reaches the value: up to the label clearance short of its box, under it.
            const P end{leader[1].h, leader[1].v};
            EXPECT_TRUE(box.Contains(end, 2.0 + 1e-3)) << end.x << ", " << end.y;
            for (const Box& other : staggered) {
                const bool sameRow = box.origin.y + box.bottom < other.origin.y + other.top &&
                                     other.origin.y + other.bottom < box.origin.y + box.top;
                const double apart = std::max(other.origin.x + other.left - (box.origin.x + box.right),
                                              box.origin.x + box.left - (other.origin.x + other.right));
                EXPECT_TRUE(!sameRow || apart >= box.top - box.bottom - 1e-3) << apart;
            }
            staggered.push_back(box);
        }
    }
}

TEST_F(TightFit, ASmallAngleValueCrossesNeitherSideAtAnyArcRadius) {
    // Sides 120 long; arcs from a fifth to twice that; the cursor on either side of the bisector.
    constexpr double kSide = 120.0;
    gCurrentOptions.Decimals = 1;
    for (int degrees = 5; degrees <= 175; degrees += 5) {
        const double sweep = degrees * kPi / 180.0;
        const std::vector<AIRealPoint> sides = {
            {static_cast<AIReal>(kSide), 0.0f},
            {0.0f, 0.0f},
            {static_cast<AIReal>(kSide * std::cos(sweep)), static_cast<AIReal>(kSide * std::sin(sweep))}};
        for (const double share : {0.2, 0.35, 0.5, 0.65, 0.8, 1.0, 1.25, 1.5, 2.0}) {
            for (const double cursorTurn : {0.1, 0.9}) {
              // Measured by the tool (its points on the sides) or made by a creation drag (no measured points).
              for (const bool measured : {true, false}) {
                SCOPED_TRACE(std::to_string(degrees) + " degrees, radius " + std::to_string(share * kSide) +
                             ", cursor at " + std::to_string(cursorTurn) + " of the sweep" +
                             (measured ? ", measured" : ", created"));
                gMeasuredPoints.AnglePointB.p = measured ? sides[0] : AIRealPoint{};
                gMeasuredPoints.AnglePointA.p = measured ? sides[2] : AIRealPoint{};
                StartGroup();
                Doc().DrawPolyline(sides, false);
                ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
                const double radius = share * kSide;
                gToolState.CursorPoint = {static_cast<AIReal>(radius * std::cos(cursorTurn * sweep)),
                                          static_cast<AIReal>(radius * std::sin(cursorTurn * sweep))};
                ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, static_cast<AIReal>(radius), static_cast<AIReal>(sweep),
                                             0.0f, Dim().AngleArcs, 0, 0, 0, 0, 0),
                          kNoErr);
                ExpectValuesClear(1, sides);
              }
            }
        }
    }
}

TEST_F(TightFit, AValueThatCrossesASideGoesPastTheArcEndOnTheCursorsSideTheArcRunningOnUnderIt) {
    // 15 degrees, the arc at 80 inside sides 120 long: on the bisector outside the arc it would cross both.
    const double sweep = 15.0 * kPi / 180.0;
    for (const bool startSide : {true, false}) {
        SCOPED_TRACE(startSide ? "cursor by the start side" : "cursor by the far side");
        StartGroup();
        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
        const double towards = startSide ? 0.0 : sweep;
        gToolState.PressDragged = 1;  // the cursor of a drag decides
        gToolState.CursorPoint = {static_cast<AIReal>(80.0 * std::cos(towards)),
                                  static_cast<AIReal>(80.0 * std::sin(towards))};
        ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, 80.0f, static_cast<AIReal>(sweep), 0.0f, Dim().AngleArcs, 0, 0, 0,
                                     0, 0),
                  kNoErr);
        const P middle = LabelBox().Centre();
        const double direction = std::atan2(middle.y, middle.x);
        if (startSide) {
            EXPECT_LT(direction, 0.0);
        } else {
            EXPECT_GT(direction, sweep);
        }
        // Beside the arc's continuation, outside it; the arc runs on past the value's middle.
        EXPECT_GT(std::hypot(middle.x, middle.y), 80.0);
        const auto arc = Anchors(Dim().AngleArcs[0]);
        ASSERT_FALSE(arc.empty());
        const AIRealPoint end = startSide ? arc.front() : arc.back();
        const double reached = std::atan2(end.v, end.h);
        EXPECT_TRUE(startSide ? reached < direction : reached > direction) << reached << " vs " << direction;
    }
    // Where the measured sides end before the arc, the value stays on the bisector outside it.
    StartGroup();
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    gMeasuredPoints.AnglePointB.p = {120.0f, 0.0f};
    gMeasuredPoints.AnglePointA.p = {static_cast<AIReal>(120.0 * std::cos(sweep)),
                                     static_cast<AIReal>(120.0 * std::sin(sweep))};
    ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, 130.0f, static_cast<AIReal>(sweep), 0.0f, Dim().AngleArcs, 0, 0, 0, 0,
                                 0),
              kNoErr);
    const P middle = LabelBox().Centre();
    EXPECT_NEAR(std::atan2(middle.y, middle.x), sweep / 2.0, 1e-3);
    EXPECT_GT(std::hypot(middle.x, middle.y), 130.0);
}

TEST_F(TightFit, OnTheEdgeOfTheZonePastVerticalAValueReadsFromTheBottom) {
    // The line 120 degrees round, and the re-entrant angle whose arc's tangent lies there.
    StartGroup();
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    const double a = 120.0 * kPi / 180.0;
    Measure({0.0f, 0.0f}, {static_cast<AIReal>(200.0 * std::cos(a)), static_cast<AIReal>(200.0 * std::sin(a))});
    ASSERT_EQ(DrawParallelDimensionWithTextGap(static_cast<AIReal>(-40.0 * std::sin(a)),
                                               static_cast<AIReal>(40.0 * std::cos(a)), 0, 0, 0, 0, 0),
              kNoErr);
    const AIRealMatrix& line = Node(Dim().LabelFrames[0]).text.transform;
    EXPECT_GT(line.d, 0.0f) << "the top points up";
    EXPECT_LT(line.b, 0.0f) << "the baseline runs down to the right";
    EXPECT_NEAR(UprightAngle(static_cast<AIReal>(a)), a - kPi, 1e-5);
    EXPECT_NEAR(UprightAngle(static_cast<AIReal>(a - kPi)), a - kPi, 1e-5);
    EXPECT_NEAR(UprightAngle(static_cast<AIReal>(a - 1e-3)), a - 1e-3, 1e-5);

    StartGroup();
    ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
    gMeasuredPoints.AngleFlip = 1;
    gToolState.CursorPoint = {30.0f, -40.0f};
    ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, 50.0f, static_cast<AIReal>(kPi / 3.0), 0.0f, Dim().AngleArcs, 0, 0, 0,
                                 0, 0),
              kNoErr);
    EXPECT_EQ(LabelText(), "300°");
    EXPECT_GT(Node(Dim().LabelFrames[0]).text.transform.d, 0.0f) << "the top points up";
}

TEST_F(TightFit, EveryAngleValueReadsFromTheBottomOrTheRight) {
    // Every angle from 1 to 359 degrees (the re-entrant side past a half turn), its first side at four
    // directions, sides short and long, the cursor by either side, measured or made by a creation drag: the
    // value's baseline stays within a quarter turn of horizontal, on the arc or beside it.
    gCurrentOptions.Decimals = 2;
    for (int degrees = 1; degrees <= 359; ++degrees) {
        const bool reentrant = degrees > 180;
        const double sweep = (reentrant ? 360 - degrees : degrees) * kPi / 180.0;
        for (const double base : {0.0, kPi / 2.0, kPi, 3.0 * kPi / 2.0}) {
            for (const double side : {40.0, 120.0}) {
                for (const double cursorTurn : {0.1, 0.9}) {
                    for (const bool measured : {true, false}) {
                        SCOPED_TRACE(std::to_string(degrees) + " degrees from " + std::to_string(base) +
                                     ", sides " + std::to_string(side) + ", cursor at " +
                                     std::to_string(cursorTurn) + (measured ? ", measured" : ", created"));
                        const auto at = [&](double r, double a) {
                            return AIRealPoint{static_cast<AIReal>(r * std::cos(a)),
                                               static_cast<AIReal>(r * std::sin(a))};
                        };
                        gMeasuredPoints.AnglePointB.p = measured ? at(side, base) : AIRealPoint{};
                        gMeasuredPoints.AnglePointA.p = measured ? at(side, base + sweep) : AIRealPoint{};
                        gMeasuredPoints.AngleFlip = reentrant ? 1 : 0;
                        StartGroup();
                        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
                        gToolState.PressDragged = 1;
                        const double radius = side * 0.5;
                        const double shown = reentrant ? sweep - 2.0 * kPi : sweep;
                        gToolState.CursorPoint = at(radius, base + cursorTurn * shown);
                        ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, static_cast<AIReal>(radius),
                                                     static_cast<AIReal>(sweep), static_cast<AIReal>(base),
                                                     Dim().AngleArcs, 0, 0, 0, 0, 0),
                                  kNoErr);
                        if (!Live(Dim().LabelFrames[0])) continue; // the right angle's square
                        const AIRealMatrix& m = Node(Dim().LabelFrames[0]).text.transform;
                        EXPECT_TRUE(m.a > 1e-6f || (std::abs(m.a) <= 1e-6f && m.b > 0.0f))
                            << LabelText() << " reads along " << std::atan2(m.b, m.a) * 180.0 / kPi;
                    }
                }
            }
        }
    }
}

TEST_F(TightFit, AnAngleArcAtASmallRadiusStaysInFrontOfTheVertexAndSoDoesItsValue) {
    // Angles of 10 to 170 degrees and their re-entrant sides, arcs of radius 4 to 40, the cursor by either side,
    // measured (sides 120 long) or made by a creation drag, the value in decimal degrees or in degrees, minutes
    // and seconds with a tolerance: the arc with its run-ons spans no more than its angle or a half turn,
    // whichever is more, and the value's middle lies on the angle's side of the vertex, no farther from it than
    // the arc's radius and the value's length.
    gCurrentOptions.Decimals = 1;
    SetToleranceText("0,1");
    for (const bool longValue : {false, true}) {
    gValueFormat.AngleFormat = longValue ? kAngleDegreesMinutesSeconds : kAngleDecimalDegrees;
    gValueFormat.ToleranceOn = longValue ? 1 : 0;
    for (int degrees = 10; degrees <= 170; degrees += 20) {
        for (const bool reentrant : {false, true}) {
            const double angle = degrees * kPi / 180.0;
            const double sweep = reentrant ? angle - 2.0 * kPi : angle;
            const double bisector = sweep / 2.0;
            const std::vector<AIRealPoint> sides = {
                {120.0f, 0.0f}, {0.0f, 0.0f},
                {static_cast<AIReal>(120.0 * std::cos(angle)), static_cast<AIReal>(120.0 * std::sin(angle))}};
            for (const double radius : {4.0, 6.0, 8.0, 10.0, 12.0, 15.0, 20.0, 30.0, 40.0}) {
                for (const double cursorTurn : {0.1, 0.9}) {
                    for (const bool measured : {true, false}) {
                        SCOPED_TRACE(std::to_string(degrees) + (reentrant ? " degrees re-entrant" : " degrees") +
                                     ", radius " + std::to_string(radius) + ", cursor at " +
                                     std::to_string(cursorTurn) + (measured ? ", measured" : ", created"));
                        gMeasuredPoints.AnglePointB.p = measured ? sides[0] : AIRealPoint{};
                        gMeasuredPoints.AnglePointA.p = measured ? sides[2] : AIRealPoint{};
                        gMeasuredPoints.AngleFlip = reentrant ? 1 : 0;
                        StartGroup();
                        Doc().DrawPolyline(sides, false);
                        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
                        gToolState.PressDragged = 1;
                        gToolState.CursorPoint = {static_cast<AIReal>(radius * std::cos(cursorTurn * sweep)),
                                                  static_cast<AIReal>(radius * std::sin(cursorTurn * sweep))};
                        ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, static_cast<AIReal>(radius),
                                                     static_cast<AIReal>(angle), 0.0f, Dim().AngleArcs, 0, 0, 0,
                                                     0, 0),
                                  kNoErr);
                        if (!Live(Dim().LabelFrames[0])) continue; // the right angle's square
                        const std::vector<P> arc = Trace(Dim().AngleArcs[0]);
                        double spanned = 0.0;
                        for (size_t k = 1; k < arc.size(); ++k) {
                            spanned += std::abs(std::remainder(
                                std::atan2(arc[k].y, arc[k].x) - std::atan2(arc[k - 1].y, arc[k - 1].x),
                                2.0 * kPi));
                        }
                        EXPECT_LE(spanned, std::max(std::abs(sweep), kPi) + 1e-3);
                        const Box box = LabelBox();
                        const P middle = box.Centre();
                        EXPECT_GT(middle.x * std::cos(bisector) + middle.y * std::sin(bisector), 0.0)
                            << LabelText() << " at " << middle.x << ", " << middle.y;
                        EXPECT_LE(std::hypot(middle.x, middle.y), radius + box.right - box.left)
                            << LabelText() << " at " << middle.x << ", " << middle.y;
                        ExpectValuesClear(1, measured ? sides : std::vector<AIRealPoint>{});
                    }
                }
            }
        }
    }
    }
    ClearValueFormat();
}

TEST_F(TightFit, AHorizontalValueBesideAnInclinedLineStandsClearOfIt) {
    // Lines 60 long, or 14 with their marks turned out, at 0 to 180 degrees, the value past either end, pushed
    // past the measured length or not, the text horizontal and 12 high (its descent deeper than the clearance):
    // no line or mark of the dimension runs through it, nor the measured line.
    gCurrentOptions.HorizontalText = 1;
    gCurrentOptions.TextSize = 12.0;
    gCurrentOptions.Decimals = 2;
    gCurrentOptions.SideTieLength = 20.0;
    gDimensionValues.ExtensionLineReach = 24.0;
    for (int degrees = 0; degrees <= 180; degrees += 15) {
      for (const double length : {60.0, 14.0}) {
        const double a = degrees * kPi / 180.0;
        const AIRealPoint first{0.0f, 0.0f};
        const AIRealPoint second{static_cast<AIReal>(length * std::cos(a)), static_cast<AIReal>(length * std::sin(a))};
        for (const int8_t position : {int8_t{1}, int8_t{2}}) {
            for (const int16_t pushed : {int16_t{0}, int16_t{1}}) {
                SCOPED_TRACE(std::to_string(length) + " long at " + std::to_string(degrees) + " degrees, past end " +
                             std::to_string(position) +
                             (pushed != 0 ? ", pushed past the length" : ""));
                gToolState.LabelPosition = position;
                gDimensionValues.SideTextFlag = pushed;
                StartGroup();
                ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
                Measure(first, second);
                ASSERT_EQ(DrawParallelDimensionSideText(0, 0, 0), kNoErr);
                ExpectValuesClear(1, {first, second});
            }
        }
      }
    }
    gDimensionValues.SideTextFlag = 0;
    gToolState.LabelPosition = 0;
}

TEST_F(TightFit, AValueBetweenItsMarksLeavesHalfAMarkOfLineBesideEach) {
    // Lengths in the band where the value just fits between marks 9 long, single or the one dimension of a series
    // from an origin: where the marks stay inside, each piece of line beside the value is at least 4.5 long.
    gCurrentOptions.Decimals = 0;
    for (double length = 30.0; length <= 70.0; length += 0.5) {
        for (const bool series : {false, true}) {
            SCOPED_TRACE(std::to_string(length) + (series ? " in a series from an origin" : " alone"));
            const AIRealPoint first{0.0f, 0.0f}, second{static_cast<AIReal>(length), 0.0f};
            StartGroup();
            Doc().DrawPolyline({first, second}, false);
            if (series) {
                gSeriesPointTable.SeriesPoint[0].p = first;
                gSeriesPointTable.SeriesPoint[1].p = second;
                gToolState.ClickCount = 2;
                ASSERT_EQ(TagSeriesArt(), kNoErr);
                ASSERT_EQ(DrawSeriesFromOriginHorizontal(static_cast<AIReal>(length / 2.0), -20.0f, 0), kNoErr);
            } else {
                ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
                Measure(first, second);
                ASSERT_EQ(DrawParallelDimensionWithTextGap(static_cast<AIReal>(length / 2.0), -20.0f, 0, 0, 0, 0,
                                                           0),
                          kNoErr);
            }
            ExpectValuesClear(1, {first, second});
            // Skipped: the marks pointing in from outside, or the value past an end (the line not cut).
            if (MeanH(Dim().EndMarks[0][0]) < 0.0 || Anchors(Dim().DimensionLineHalves[0]).empty()) continue;
            for (AIArtHandle piece : {Dim().DimensionLines[0], Dim().DimensionLineHalves[0]}) {
                const auto ends = Anchors(piece);
                ASSERT_EQ(ends.size(), 2u);
                EXPECT_GE(std::abs(ends[1].h - ends[0].h), 4.5 - 1e-3) << LabelText();
            }
        }
    }
}

TEST_F(TightFit, AValueMovedAlongOrAcrossItsLineKeepsTheGapFromItsOwnMarksAndLinesAndEachMarkItsLine) {
    // Lines 2 to 400 long every 15 degrees, the value put along the whole line and past both ends by a Space
    // drag or by the label offsets, moved across the line either way, 8 to 32 high, level or not, with a
    // tolerance or not: the value keeps the text gap (2) from every mark and line of its dimension, each mark
    // has its line, the cut around the value is even, and the offset across the line moves only the value.
    SetToleranceText("0,1");
    for (const double length : {2.0, 11.0, 27.0, 52.0, 90.0, 400.0}) {
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const P u{std::cos(degrees * kPi / 180.0), std::sin(degrees * kPi / 180.0)}, n{-u.y, u.x};
            const auto at = [&](double along, double off) {
                return AIRealPoint{static_cast<AIReal>(along * u.x + off * n.x),
                                   static_cast<AIReal>(along * u.y + off * n.y)};
            };
            for (int style = 0; style < 8; ++style) {
                gCurrentOptions.TextSize = 8.0 + 8.0 * (style % 4);
                gCurrentOptions.HorizontalText = style / 4;
                gValueFormat.ToleranceOn = (style + degrees / 15) % 2;
                for (const double put : {-0.4, 0.03, 0.12, 0.5, 0.86, 0.96, 1.4}) {
                    for (const int16_t space : {int16_t{0}, int16_t{1}}) {
                        DrawnStraight still;
                        for (const double across : {0.0, 6.0, -9.0}) {
                            const AIRealPoint shift = at(space != 0 ? 0.0 : (put - 0.5) * length, across);
                            const AIRealPoint label = at((space != 0 ? put : 0.5) * length, -30.0);
                            gCurrentOptions.SegmentOffsetX = shift.h;
                            gCurrentOptions.SegmentOffsetY = shift.v;
                            SCOPED_TRACE(
                                std::to_string(length) + " long at " + std::to_string(degrees) + ", style " +
                                std::to_string(style) + ", put at " + std::to_string(put) +
                                (space != 0 ? " by Space, " : " by the offset, ") + std::to_string(across));
                            StartGroup();
                            ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
                            Measure({0.0f, 0.0f}, at(length, 0.0));
                            ASSERT_EQ(DrawParallelDimensionWithTextGap(label.h, label.v, 0, 0, 0, space, 0),
                                      kNoErr);
                            const DrawnStraight drawn =
                                ReadStraight(0, at(0.0, -30.0), at(length, -30.0),
                                             {Dim().ExtensionLines[0], Dim().ExtensionLines[1]});
                            const std::string moved =
                                across == 0.0 ? "" : MoreThanValueMoved(still, drawn, {across * n.x, across * n.y});
                            EXPECT_EQ(CrossingValueGap(drawn, 2.0) + MarksWithoutLine(drawn) +
                                          LopsidedCut(drawn, 2.0) + moved, "");
                            if (across == 0.0) still = drawn;
                            if (HasFailure()) return;
                        }
                    }
                }
            }
        }
    }
    gCurrentOptions.SegmentOffsetX = gCurrentOptions.SegmentOffsetY = 0.0;
}

TEST_F(TightFit, TheDotsOfAChainShareOneSizeAndNoValueTouchesOne) {
    // Chains of uneven spans, some shorter than two marks: every dot one size, laid out phase by phase as the
    // series builder does; drawn, no value crosses a dot, a mark or a line.
    ApplyArrowPreset(kNotchedArrowPreset);
    const std::vector<std::vector<float>> chains = {
        {2, 40, 5, 20, 3}, {3, 9, 2, 30}, {6, 1.5, 18, 4, 45, 2.5}, {12, 3, 3, 12}, {5, 25, 5, 25, 5}, {6, 34.25f, 6}};
    for (const int16_t decimals : {int16_t{0}, int16_t{2}}) {
        for (const std::vector<float>& spans : chains) {
            std::string name = std::to_string(decimals) + " decimals, spans";
            std::vector<AIRealPoint> points = {{0.0f, 0.0f}};
            for (const float s : spans) {
                points.push_back({points.back().h + s, 0.0f});
                name += " " + std::to_string(s);
            }
            SCOPED_TRACE(name);
            gCurrentOptions.Decimals = decimals;
            StartGroup();
            Doc().DrawPolyline(points, false);
            for (size_t i = 0; i < points.size(); ++i) gSeriesPointTable.SeriesPoint[i].p = points[i];
            gToolState.ClickCount = static_cast<int16_t>(points.size());
            ASSERT_EQ(TagSeriesArt(), kNoErr);
            const AIRealPoint cursor{points.back().h / 2.0f, -25.0f};
            SeriesLayout layout = StartSeriesLayout(kHorizontalDimension, true, cursor, 0);
            ASSERT_EQ(MeasureSeriesValues(layout), kNoErr);
            LaySeriesLines(layout);
            PlaceChainDots(layout);
            double size = 0.0;
            for (size_t i = 0; i < layout.Dimensions; ++i) {
                if (layout.Dims[i].Ends[1] != LineEnd::Dot) continue;
                if (size == 0.0) size = layout.Dims[i].DotScale;
                EXPECT_EQ(layout.Dims[i].DotScale, size) << "the dot after span " << i;
            }
            ASSERT_EQ(DrawSeriesChainHorizontal(cursor.h, cursor.v, 0), kNoErr);
            ExpectValuesClear(spans.size(), points);
        }
    }
}

TEST_F(TightFit, ARadiusOrDiameterValueClearsTheOutlineAndTheMarksInsideTheCircleOrOnItsLeaderOutside) {
    // Label points inside (a third and two thirds of the radius) and outside (just past the outline and well
    // away), in eight directions, on circles from the smallest to the largest.
    gCurrentOptions.Decimals = 2;
    gCurrentOptions.TextSize = 12.0; // a descent deeper than the clearance under a value on its shoulder
    gCurrentOptions.CircleTieLength = 10.0;
    for (const double radius : {5.0, 8.0, 12.0, 20.0, 35.0, 50.0, 60.0, 80.0, 100.0, 200.0}) {
        for (const int32_t diameter : {0, 1}) {
            for (int octant = 0; octant < 8; ++octant) {
                for (const double reach : {radius / 3.0, radius * 2.0 / 3.0, radius + 3.0, radius + 40.0}) {
                    const double a = octant * kPi / 4.0;
                    SCOPED_TRACE((diameter != 0 ? "diameter of radius " : "radius ") + std::to_string(radius) +
                                 ", label point " + std::to_string(reach) + " off the centre at " +
                                 std::to_string(octant * 45) + " degrees");
                    StartGroup();
                    gMeasuredPoints.CircleCentre = {0.0f, 0.0f};
                    gMeasuredPoints.CircleRadius = static_cast<AIReal>(radius);
                    gCurrentOptions.Diameter = diameter;
                    ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
                    const AIArtHandle outline = DrawCircleOutline(radius);
                    ASSERT_EQ(DrawCircleDimension(static_cast<AIReal>(reach * std::cos(a)),
                                                  static_cast<AIReal>(reach * std::sin(a)), 0, 0, 0, 0),
                              kNoErr);
                    EXPECT_TRUE(PartsCrossing(0, {outline}).empty()) << LabelText();
                    // A leader runs out from the arc in the label point's direction from the centre.
                    const auto leader = Anchors(Dim().CircleParts[1]);
                    // A level diameter of 50 to 80 that fits inside slides clear, with no leader.
                    EXPECT_TRUE(!diameter || radius < 50.0 || radius > 80.0 || reach > radius / 2.0 ||
                                octant % 4 != 0 || leader.empty());
                    if (leader.size() < 2) continue;
                    EXPECT_NEAR(std::atan2(leader[0].v, leader[0].h), std::atan2(std::sin(a), std::cos(a)), 1e-4);
                    EXPECT_NEAR(leader[1].h * std::sin(a) - leader[1].v * std::cos(a), 0.0, 1e-3);
                    EXPECT_GT(std::hypot(leader[1].h, leader[1].v), radius);
                }
            }
        }
    }
}

TEST_F(TightFit, AnArcLengthValueStandsOffItsArcAwayFromTheMeasuredArcClearOfItsMarksAndLines) {
    // Measured arcs from the smallest to the largest, bulging up or down, over short to long sweeps, the
    // dimension arc dragged just outside, well outside and inside them, the value along the arc or level.
    gCurrentOptions.Decimals = 2;
    for (const double measured : {8.0, 12.0, 20.0, 35.0, 60.0, 100.0, 200.0}) {
      for (const int32_t level : {0, 1}) {
        gCurrentOptions.HorizontalText = level;
        for (const double bulge : {kPi / 2.0, -kPi / 2.0}) {
            for (const double degrees : {30.0, 90.0, 160.0}) {
                for (const double drag : {3.0, 25.0, -0.15 * measured, -0.4 * measured, -0.7 * measured}) {
                    const double sweep = degrees * kPi / 180.0, start = bulge - sweep / 2.0;
                    const double radius = measured + drag;
                    SCOPED_TRACE("arc of radius " + std::to_string(measured) + " over " + std::to_string(degrees) +
                                 " degrees bulging " + (bulge > 0.0 ? "up" : "down") + ", dimensioned at " +
                                 std::to_string(radius) + (level != 0 ? ", level" : ""));
                    StartGroup();
                    ASSERT_EQ(BuildArcLengthDimensionArt(), kNoErr);
                    MeasuredPoints& m = gMeasuredPoints;
                    const auto at = [](double r, double a) {
                        return AIRealPoint{static_cast<AIReal>(r * std::cos(a)), static_cast<AIReal>(r * std::sin(a))};
                    };
                    m.AngleVertex.p = {0.0f, 0.0f};
                    m.ArcFirstAnchor.p = at(measured, start);
                    m.ArcLastAnchor.p = at(measured, start + sweep);
                    m.CircleRadius = static_cast<AIReal>(measured);
                    m.AngleValue = static_cast<AIReal>(sweep);
                    gCurrentOptions.ArcRadius = radius;
                    std::vector<AIRealPoint> arc;
                    for (int k = 0; k <= 64; ++k) arc.push_back(at(measured, start + sweep * k / 64.0));
                    const AIArtHandle outline = Doc().DrawPolyline(arc, false);
                    ASSERT_EQ(DrawArcLengthDimension(0, 0, 0, 0), kNoErr);
                    EXPECT_TRUE(PartsCrossing(0, {outline}).empty()) << LabelText();
                    // Outside a dimension arc that lies outside the measured arc.
                    const P middle = LabelBox().Centre();
                    EXPECT_TRUE(drag < 0.0 || std::hypot(middle.x, middle.y) > radius) << LabelText();
                    // Inside a measured arc wider than the value: never beyond it, on the centre's side of a
                    // dimension arc as wide, and within three text heights of the dimension arc.
                    const Box value = LabelBox();
                    const double width = value.right - value.left;
                    double nearest = 1e9;
                    for (const P& p : Trace(Dim().AngleArcs[0]))
                        nearest = std::min(nearest, std::hypot(p.x - middle.x, p.y - middle.y));
                    if (drag < 0.0 && measured > width) {
                        EXPECT_LT(std::hypot(middle.x, middle.y), measured) << LabelText();
                        EXPECT_TRUE(radius < width || std::hypot(middle.x, middle.y) < radius) << LabelText();
                        EXPECT_LE(nearest, 3.0 * value.top) << LabelText();
                    }
                    // A run-on past a mark that points in from outside stays within the mark's width of the
                    // line of the mark's body, the tangent at the arc's end, where no value stands past it.
                    const auto drawn = Anchors(Dim().AngleArcs[0]);
                    ASSERT_FALSE(drawn.empty());
                    const AIRealPoint end = at(radius, start);
                    const bool valuePastStart = std::remainder(std::atan2(middle.y, middle.x) - bulge, 2.0 * kPi) <
                                                -sweep / 2.0;
                    EXPECT_TRUE(valuePastStart ||
                                std::abs((drawn[0].h - end.h) * std::cos(start) +
                                         (drawn[0].v - end.v) * std::sin(start)) <=
                                    EndMarkHalfWidth(EndMarkScale()) + 1e-3);
                }
            }
        }
      }
    }
}

TEST_F(TightFit, ALocalRadiusValueStandsPastItsMarkAwayFromTheCentreClearOfTheCurve) {
    // Circles of radius 20 to 300 clicked at several points; arrows, then ticks with turned copies; marks in, out.
    for (int marks = 0; marks < 4; ++marks) {
        if (marks == 2)
            gCurrentOptions.ArrowHeads = 0, ApplyArrowPreset(gCurrentOptions.ArrowPreset = kCustomArrowPreset);
        gCurrentOptions.BezierArrowsFlag = marks % 2;
        for (const double radius : {20.0, 35.0, 60.0, 100.0, 180.0, 300.0}) {
            for (const double a : {-1.6, -0.5, 0.0, 0.8, 1.7, 3.5}) {
                StartGroup();
                gToolState.EditingBezier = 0;
                const AIArtHandle curve = DrawCircleOutline(radius);
                ASSERT_EQ(BuildLocalRadiusArt(), kNoErr);
                const AIRealPoint p[4] = {Polar({}, radius, a), Polar({}, radius + 1.0, a),
                                          Polar({}, radius + 1.0, a + 1e-3), Polar({}, radius, a + 1e-3)};
                gMeasuredPoints.ClickPoint.p = p[0];
                std::copy(p + 1, p + 4, gMeasuredPoints.ClickCurvePoints);
                ASSERT_EQ(DrawLocalRadius(p[0].h, p[0].v, 0, 0), kNoErr);
                EXPECT_TRUE(PartsCrossing(0, {curve}).empty()) << radius << " at " << a << ", marks " << marks;
                const P m = LabelBox().Centre(); // past the curve, away from the centre
                EXPECT_GT(m.x * std::cos(a) + m.y * std::sin(a), radius);
            }
        }
    }
}

TEST_F(TightFit, AZeroLengthValueOrOneTheLabelOffsetTakesPastAnExtensionLineStandsOnTheLineRunOnUnderIt) {
    // A zero-length projection, a bar 200 long whose value the label offsets take 150 to either side, one
    // 30 long whose value, outside, they take on, and a level value with a tolerance they take past a line
    // 5 long at 45 degrees, its run-on stopped clear of it. Last, a value 26 high that just fits a line 100
    // long at 135 degrees: an offset across the line leaves its marks as with none, the value only moved by it.
    struct Row { AIRealPoint second; float x, y; AIRealPoint drag{}; int16_t level = 0; };
    const AIRealPoint slant{-70.7107f, 70.7107f}, across{-14.14f, 56.57f};
    const Row rows[] = {{{0.0f, 40.0f}, 0, 0}, {{200.0f, 0.0f}, -150, 0}, {{200.0f, 0.0f}, 150, 0},
                        {{30.0f, 0.0f}, 45, 0}, {{3.5355f, 3.5355f}, 60, 15, {33.59f, -30.05f}, 1},
                        {slant, 0, 0, across}, {slant, -2.8284f, -2.8284f, across}};
    SetToleranceText("0,1");
    std::vector<AIRealPoint> unmoved;
    for (const Row& row : rows) {
        const AIRealPoint b = row.second, drag = row.drag;
        gCurrentOptions.SegmentOffsetX = row.x, gCurrentOptions.SegmentOffsetY = row.y;
        gCurrentOptions.HorizontalText = gValueFormat.ToleranceOn = row.level;
        gCurrentOptions.TextSize = b.h < 0.0f ? 26.0 : 10.0;
        StartGroup();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        Measure({0.0f, 0.0f}, b);
        ASSERT_EQ(drag.h == 0.0f
                      ? DrawHorizontalDimensionWithTextGap(100.0f, -30.0f, 0, 0, b.h, b.v, 0, 0, 0, 0)
                      : DrawParallelDimensionWithTextGap(drag.h, drag.v, 0, 0, 0, 0, 0), kNoErr);
        if (b.h < 0.0f) {
            std::vector<AIRealPoint> drawn = Anchors(Dim().EndMarks[0][0]);
            drawn.push_back({LabelAnchor().h - row.x, LabelAnchor().v - row.y});
            for (size_t k = 0; k < unmoved.size(); ++k) EXPECT_TRUE(Near(drawn.at(k), unmoved[k])) << k;
            unmoved = drawn;
            continue;
        }
        ExpectValuesClear(1, {{0.0f, 0.0f}, b});
        const Box box = LabelBox();
        const auto line = Anchors(Dim().DimensionLines[0]);
        EXPECT_TRUE(row.level != 0 || (line.size() == 2 && line[0].h <= box.origin.x + box.left + 1e-3 &&
                                       line[1].h >= box.origin.x + box.right - 1e-3)) << "offset " << row.x;
    }
}
