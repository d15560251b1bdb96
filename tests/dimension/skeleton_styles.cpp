// The styles skeleton parts get: dashed dimension lines at the live width, solid extension lines, end marks
// filled when not hollow (open or closed, as the arrow-head editor shows them) unless they enclose no area.
#include "frame/ArrowHeads.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "panel/CurrentOptions.h"
#include "skeleton_fixture.h"

using dimtest::DimensionArtTest;

namespace {

class SkeletonStyles : public DimensionArtTest {
protected:
    static const AIPathStyle& Style(AIArtHandle art) { return Node(art).style; }
    // The end mark a segment skeleton makes with `preset`, as arrows or points.
    static const sim::ArtNode& EndMarkWith(int32_t preset, int32_t arrows) {
        gCurrentOptions.ArrowHeads = arrows;
        ApplyArrowPreset(preset);
        StartGroup();
        EXPECT_EQ(BuildSegmentDimensionArt(), kNoErr);
        return Node(Dim().EndMarks[0][0]);
    }
};

}  // namespace

TEST_F(SkeletonStyles, DimensionLinesTakeTheDashesAndTheLiveWidthAndExtensionLinesStaySolid) {
    gSettings.Dashed = 1;
    gSettings.DashOne = 6.0;
    gSettings.GapOne = 3.0;
    gSettings.DashTwo = 1.0;
    gSettings.GapTwo = 3.0;
    RebuildBasePathStyle();
    gPathStyles.DimensionLineStyle.stroke.width = 0.5f;
    ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
    for (AIArtHandle line : {Dim().DimensionLines[0], Dim().DimensionLineHalves[0]}) {
        const AIStrokeStyle& stroke = Style(line).stroke;
        EXPECT_EQ(Style(line).strokePaint, 1);
        EXPECT_EQ(Style(line).fillPaint, 0);
        EXPECT_EQ(stroke.width, 0.5f);
        ASSERT_EQ(stroke.dash.length, 4);
        EXPECT_EQ(stroke.dash.array[0], 6.0f);
        EXPECT_EQ(stroke.dash.array[1], 3.0f);
        EXPECT_EQ(stroke.dash.array[2], 1.0f);
        EXPECT_EQ(stroke.dash.array[3], 3.0f);
    }
    const AIPathStyle& extension = Style(Dim().ExtensionLines[0]);
    EXPECT_EQ(extension.stroke.dash.length, 0);
    EXPECT_EQ(extension.stroke.width, 0.5f);
    EXPECT_EQ(extension.strokePaint, 1);
}

TEST_F(SkeletonStyles, AClosedSolidArrowIsFilledWithTheStrokeColour) {
    const sim::ArtNode& mark = EndMarkWith(kNotchedArrowPreset, 1);
    EXPECT_TRUE(mark.closed);
    EXPECT_EQ(mark.style.fillPaint, 1);
    EXPECT_EQ(mark.style.strokePaint, 0);
    EXPECT_EQ(mark.style.fill.color.kind, gPathStyles.DimensionLineStyle.stroke.color.kind);
}

TEST_F(SkeletonStyles, OpenOrHollowEndMarksAreStroked) {
    const struct {
        int32_t preset, arrows;
        bool closed;
    } cases[] = {
        {kOpenArrowPreset, 1, false},      // two barbs
        {kTriangleArrowPreset, 0, false},  // a tick
        {kOpenArrowPreset, 0, true},       // a hollow round point
    };
    for (const auto& c : cases) {
        const sim::ArtNode& mark = EndMarkWith(c.preset, c.arrows);
        EXPECT_EQ(mark.closed, c.closed) << c.preset << "/" << c.arrows;
        EXPECT_EQ(mark.style.strokePaint, 1) << c.preset << "/" << c.arrows;
        EXPECT_EQ(mark.style.fillPaint, 0) << c.preset << "/" << c.arrows;
    }
}

// A filled custom arrow is filled as its editor shows it, open or closed, keeping its open or closed path; a
// filled one that encloses no area (two points, or all its points and handles on one line) is stroked so that
// it stays visible, and so is a hollow one.
TEST_F(SkeletonStyles, ACustomArrowIsFilledOpenOrClosedUnlessHollowOrWithoutArea) {
    const struct {
        const char* name;
        int32_t count, closed, hollow;
        float points[4][2];
        bool filled;
    } cases[] = {
        {"open barb", 3, 0, 0, {{4, -2}, {0, 0}, {4, 2}}, true},
        {"closed triangle", 3, 1, 0, {{0, 0}, {4, -2}, {4, 2}}, true},
        {"open, hollow", 3, 0, 1, {{4, -2}, {0, 0}, {4, 2}}, false},
        {"two points", 2, 0, 0, {{0, 0}, {4, 2}}, false},
        {"on one line", 4, 1, 0, {{0, 0}, {2, 1}, {4, 2}, {-6, -3}}, false},
    };
    for (const auto& c : cases) {
        PreferredArrow& arrow = gSettings.PreferredArrowShape;
        arrow = PreferredArrow();
        arrow.PointCount = c.count;
        arrow.Closed = c.closed;
        arrow.Hollow = c.hollow;
        for (int i = 0; i < c.count; ++i) {
            arrow.Points.AnchorX[i] = arrow.Points.InX[i] = arrow.Points.OutX[i] = c.points[i][0];
            arrow.Points.AnchorY[i] = arrow.Points.InY[i] = arrow.Points.OutY[i] = c.points[i][1];
        }
        const sim::ArtNode& mark = EndMarkWith(kCustomArrowPreset, 1);
        EXPECT_EQ(mark.closed, c.closed != 0) << c.name;
        EXPECT_EQ(mark.style.fillPaint, c.filled ? 1 : 0) << c.name;
        EXPECT_EQ(mark.style.strokePaint, c.filled ? 0 : 1) << c.name;
    }
}

// A handle off the line gives a two-point shape an area.
TEST_F(SkeletonStyles, AHandleOffTheLineGivesTwoPointsAnArea) {
    ArrowHeadShape shape;
    shape.PointCount = 2;
    shape.AnchorX[1] = shape.InX[1] = shape.OutX[1] = 4.0f;
    EXPECT_FALSE(EndMarkEnclosesArea(shape));
    shape.OutY[0] = 1.0f;
    EXPECT_TRUE(EndMarkEnclosesArea(shape));
}
