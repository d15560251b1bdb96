// Tight dimensions checked on what is drawn: the value's box never crosses an end mark, an extension line or
// another line of its own dimension; end marks point in from outside exactly when they do not fit; values
// read from the bottom or the right on either side of vertical; every series point has its extension line.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "fit_fixture.h"
#include "dimension/AngleBuilders.h"
#include "dimension/CircleBuilder.h"
#include "dimension/Labels.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Naming.h"
#include "dimension/Skeletons.h"

using dimtest::AngularBuilderTest;
using dimtest::Box;
using dimtest::Crosses;
using dimtest::FitGeometry;
using dimtest::kPi;
using dimtest::P;

namespace {

struct LinearCase {
    const char* Name;
    float Length;      // a horizontal segment from the origin
    float LabelH;      // where the drag leaves the label point, 30 below
    int32_t WithEnds;  // Control: the user turns the marks out
    int32_t Space;     // the label slides along the line with the cursor
    bool MarksOutside; // expected
    bool ValueOutside; // expected
};

// Text 10 points, 6 per character ("NN pt" is 30 wide), its gap 2 each side; marks 9 long, 3 either side.
const LinearCase kLinearCases[] = {
    {"long: everything inside", 200.0f, 100.0f, 0, 0, false, false},
    {"room for the value only once the marks are out", 50.0f, 25.0f, 0, 0, true, false},
    {"room for the marks but not the value", 30.0f, 15.0f, 0, 0, false, true},
    {"room for neither", 20.0f, 10.0f, 0, 0, true, true},
    {"marks turned out by the user", 200.0f, 100.0f, 1, 0, true, false},
    {"value slid past the end with Space", 100.0f, 150.0f, 0, 1, false, true},
    {"value slid before the start with Space", 100.0f, -40.0f, 0, 1, false, true},
};

} // namespace

TEST_F(FitGeometry, LinearValuesNeverCrossTheirMarksOrLinesAndGoOutsideExactlyWhenTheyDoNotFit) {
    for (const LinearCase& c : kLinearCases) {
        SCOPED_TRACE(c.Name);
        StartGroup();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        Measure({0.0f, 0.0f}, {c.Length, 0.0f});
        ASSERT_EQ(DrawParallelDimensionWithTextGap(c.LabelH, -30.0f, c.WithEnds, 0, 0, c.Space, 0), kNoErr);
        EXPECT_TRUE(PartsCrossing(0).empty());
        // Marks outside: each mark's body beyond its end.
        EXPECT_EQ(MeanH(Dim().EndMarks[0][0]) < 0.0, c.MarksOutside);
        EXPECT_EQ(MeanH(Dim().EndMarks[1][0]) > c.Length, c.MarksOutside);
        // A value outside lies past an extension line, on the line's continuation, which runs on under it.
        const Box box = LabelBox();
        const P middle = box.Centre();
        EXPECT_EQ(middle.x < 0.0 || middle.x > c.Length, c.ValueOutside) << middle.x;
        if (c.ValueOutside) {
            EXPECT_LT(std::abs(middle.y + 30.0), 10.0 + 4.0);
            double lineFrom = 1e9, lineTo = -1e9;
            for (AIArtHandle line : {Dim().DimensionLines[0], Dim().DimensionLineHalves[0]}) {
                for (const AIPathSegment& s : Segments(line)) {
                    lineFrom = std::min<double>(lineFrom, s.p.h);
                    lineTo = std::max<double>(lineTo, s.p.h);
                }
            }
            EXPECT_LE(lineFrom, middle.x + box.left + 1e-3);
            EXPECT_GE(lineTo, middle.x + box.right - 1e-3);
        }
        // Past a mark that points in from outside, the line shows an end mark's length beyond the mark.
        if (c.MarksOutside) {
            const auto line = Anchors(Dim().DimensionLines[0]);
            ASSERT_FALSE(line.empty());
            EXPECT_LE(line.front().h, -2.0 * 9.0 + 1e-3);
        }
    }
}

TEST_F(FitGeometry, AlignedValuesReadFromTheBottomOrTheRightOnEitherSideOfVertical) {
    struct Case {
        double Degrees;     // the measured line's direction
        bool ReadsUpwards;  // its value reads from the bottom up (from the right of the sheet)
    };
    const Case cases[] = {{60.0, true}, {85.0, true}, {89.5, true}, {90.0, true},   {90.5, true},
                          {95.0, true}, {115.0, true}, {125.0, false}, {-89.5, true}, {-91.0, true}};
    for (const Case c : cases) {
        SCOPED_TRACE(c.Degrees);
        StartGroup();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        const double a = c.Degrees * kPi / 180.0;
        Measure({0.0f, 0.0f}, {static_cast<AIReal>(200.0 * std::cos(a)), static_cast<AIReal>(200.0 * std::sin(a))});
        ASSERT_EQ(DrawParallelDimensionWithTextGap(static_cast<AIReal>(-40.0 * std::sin(a)),
                                                   static_cast<AIReal>(40.0 * std::cos(a)), 0, 0, 0, 0, 0),
                  kNoErr);
        const AIRealMatrix& m = Node(Dim().LabelFrames[0]).text.transform;
        EXPECT_EQ(m.b > 0.0f, c.ReadsUpwards) << "baseline " << m.a << ", " << m.b;
        // Never upside down: the text's top points up or to the left, towards the right-hand reader.
        EXPECT_TRUE(m.d > 1e-6f || m.c < 0.0f) << m.c << ", " << m.d;
    }
}

TEST_F(FitGeometry, AnglesKeepTheirValueInsideOnlyWhenItClearsTheSidesAndTheArc) {
    struct Case {
        double Degrees;
        float Radius;
        bool ValueInside; // at 0.6 x the radius
        bool MarksOutside;
    };
    // Marks 9 long need 22.5 of arc; "15°" is 18 wide, 10 high, and needs about 7 degrees either side at 0.6 x 80.
    const Case cases[] = {{100.0, 80.0f, true, false}, {60.0, 40.0f, true, false}, {30.0, 80.0f, true, false},
                          {15.0, 200.0f, true, false}, {15.0, 80.0f, false, true},  {12.0, 150.0f, false, false},
                          {8.0, 100.0f, false, true}};
    gCurrentOptions.ActiveEndMarkSize = 100.0;
    gCurrentOptions.AngleOffsetAngle = 0.0;
    gCurrentOptions.AngleOffsetRadius = 0.0;
    gCurrentOptions.Decimals = 0;
    for (const Case c : cases) {
        SCOPED_TRACE(c.Degrees);
        StartGroup();
        ASSERT_EQ(BuildAngleDimensionArt(), kNoErr);
        const double sweep = c.Degrees * kPi / 180.0;
        ASSERT_EQ(DrawAngleDimension(0.0f, 0.0f, c.Radius, static_cast<AIReal>(sweep), 0.0f, Dim().AngleArcs, 0, 0,
                                     0, 0, 0),
                  kNoErr);
        EXPECT_TRUE(PartsCrossing(0).empty());
        const Box box = LabelBox();
        const P middle = box.Centre();
        const double reach = std::hypot(middle.x, middle.y);
        EXPECT_EQ(reach < c.Radius, c.ValueInside) << reach;
        // Inside or out, the value crosses neither side (running on past the arc); outside, it stays on the
        // bisector beyond the arc where that crosses no side, else it goes past an end of the arc.
        const double far = 4.0 * c.Radius;
        const P sides[2] = {{far, 0.0}, {far * std::cos(sweep), far * std::sin(sweep)}};
        for (const P side : sides) EXPECT_FALSE(Crosses(box, {0.0, 0.0}, side));
        if (!c.ValueInside) {
            const double direction = std::atan2(middle.y, middle.x);
            EXPECT_TRUE(std::abs(direction - sweep / 2.0) < 1e-3 || direction < 0.0 || direction > sweep)
                << direction;
        }
        // Marks outside: the first one's body lies below the start side.
        EXPECT_EQ(dimtest::AngularBuilderTest::Centroid(Dim().EndMarks[0][0]).v < 0.0f, c.MarksOutside);
    }
}

TEST_F(FitGeometry, CircleValuesStandOnAShoulderAsLongAsThemAndSmallCirclesTakeTheirMarksOutside) {
    struct Case {
        float Radius;
        int32_t Diameter;
        bool MarksOutside;
    };
    // One mark needs 11.25 of line, two 22.5.
    const Case cases[] = {{50.0f, 0, false}, {8.0f, 0, true}, {50.0f, 1, false}, {8.0f, 1, true}, {12.0f, 1, false}};
    gCurrentOptions.CircleTieLength = 10.0;
    for (const Case c : cases) {
        SCOPED_TRACE(c.Radius);
        StartGroup();
        gMeasuredPoints.CircleCentre = {0.0f, 0.0f};
        gMeasuredPoints.CircleRadius = c.Radius;
        gCurrentOptions.Diameter = c.Diameter;
        ASSERT_EQ(BuildCircleDimensionArt(), kNoErr);
        const float out = c.Radius + 30.0f;
        ASSERT_EQ(DrawCircleDimension(out * 0.8f, out * 0.6f, 0, 0, 0, 0), kNoErr);
        EXPECT_TRUE(PartsCrossing(0).empty());
        const Box box = LabelBox();
        const auto leader = Anchors(Dim().CircleParts[1]);
        ASSERT_EQ(leader.size(), 3u);
        EXPECT_GE(std::abs(leader[2].h - leader[1].h), box.right - box.left + 2.0 * 2.0 - 1e-3);
        // The circle point's mark: its body inside the circle, or outside it pointing in.
        const AIRealPoint body = dimtest::AngularBuilderTest::Centroid(Dim().EndMarks[0][0]);
        EXPECT_EQ(std::hypot(body.h, body.v) > c.Radius, c.MarksOutside);
    }
}

TEST_F(FitGeometry, EverySeriesPointHasItsExtensionLineAndNoValueCrossesALineOfTheSeries) {
    struct Case {
        bool Chained;
        std::vector<AIRealPoint> Points;
    };
    const Case cases[] = {
        {true, {{0.0f, 0.0f}, {20.0f, 0.0f}, {70.0f, 0.0f}, {150.0f, 0.0f}, {260.0f, 0.0f}}},
        {false, {{0.0f, 0.0f}, {20.0f, 0.0f}, {70.0f, 0.0f}, {150.0f, 0.0f}, {260.0f, 0.0f}}},
        {true, {{0.0f, 0.0f}, {50.0f, 10.0f}, {110.0f, -5.0f}, {180.0f, 0.0f}}},
        {true, {{0.0f, 0.0f}, {15.0f, 0.0f}, {30.0f, 0.0f}, {45.0f, 0.0f}, {60.0f, 0.0f}}},
    };
    gCurrentOptions.SeriesLabelStep = 10.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Chained ? "chained" : "from the origin");
        StartGroup();
        for (size_t i = 0; i < c.Points.size(); ++i) gSeriesPointTable.SeriesPoint[i].p = c.Points[i];
        gToolState.ClickCount = static_cast<int16_t>(c.Points.size());
        ASSERT_EQ(TagSeriesArt(), kNoErr);
        ASSERT_EQ((c.Chained ? DrawSeriesChainHorizontal : DrawSeriesFromOriginHorizontal)(100.0f, -30.0f, 0),
                  kNoErr);
        for (size_t k = 0; k < c.Points.size(); ++k) {
            const auto line = Anchors(Dim().SeriesExtensionLines[k]);
            ASSERT_EQ(line.size(), 2u) << k;
            EXPECT_FLOAT_EQ(line[0].h, c.Points[k].h);
            EXPECT_LT(line[1].v, -29.0f);
        }
        for (size_t i = 0; i + 1 < c.Points.size(); ++i) EXPECT_TRUE(PartsCrossing(i).empty()) << "value " << i;
    }
}

TEST_F(FitGeometry, TheGroupIsNamedAfterTheOrientationTheDragBuiltNotTheLiveOne) {
    // An Alt drag swaps the live horizontal and vertical: the builder it calls names the group.
    struct Case {
        int32_t Live;
        ASErr (*Build)(AIReal, AIReal, AIReal, AIReal, AIReal, AIReal, int32_t, int32_t, int32_t, int32_t);
        const char* Name;
    };
    const Case cases[] = {{kHorizontalDimension, DrawVerticalDimensionWithTextGap, "Segment verti"},
                          {kVerticalDimension, DrawHorizontalDimensionWithTextGap, "Segment horiz"},
                          {kHorizontalDimension, DrawHorizontalDimensionWithTextGap, "Segment horiz"}};
    gToolState.CurrentTool = kSegmentTool;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartGroup();
        gCurrentOptions.DimensionOrientation = c.Live;
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        ASSERT_EQ(NameDimensionArt(), kNoErr);
        ASSERT_EQ(c.Build(130.0f, 30.0f, 0.0f, 0.0f, 100.0f, 60.0f, 0, 0, 0, 0), kNoErr);
        EXPECT_EQ(Node(Dim().DimensionGroup).name, c.Name);
    }
    // A series built along the swapped orientation too.
    StartGroup();
    gCurrentOptions.DimensionOrientation = kHorizontalDimension;
    gCurrentOptions.SeriesOn = 1;
    gCurrentOptions.SeriesKind = 1;
    const AIRealPoint points[] = {{0.0f, 0.0f}, {10.0f, 50.0f}, {20.0f, 120.0f}};
    for (size_t i = 0; i < 3; ++i) gSeriesPointTable.SeriesPoint[i].p = points[i];
    gToolState.ClickCount = 3;
    ASSERT_EQ(TagSeriesArt(), kNoErr);
    ASSERT_EQ(NameDimensionArt(), kNoErr);
    ASSERT_EQ(DrawSeriesChainVertical(60.0f, 0.0f, 0), kNoErr);
    EXPECT_EQ(Node(Dim().DimensionGroup).name, "Segment série chaînée verti");
    gCurrentOptions.SeriesOn = 0;
    gToolState.CurrentTool = kNoToolSelected;
}
