// The styles skeleton parts get: dashed dimension lines at the live width, solid extension lines, end marks
// filled only when closed and not hollow.
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

TEST_F(SkeletonStyles, AnOpenCustomArrowMarkedFilledIsStrokedNotLeftInvisible) {
    gSettings.PreferredArrowShape.PointCount = 3;
    gSettings.PreferredArrowShape.Closed = 0;
    gSettings.PreferredArrowShape.Hollow = 0;
    const sim::ArtNode& mark = EndMarkWith(kCustomArrowPreset, 1);
    EXPECT_FALSE(mark.closed);
    EXPECT_EQ(mark.style.strokePaint, 1);
    EXPECT_EQ(mark.style.fillPaint, 0);
    EXPECT_EQ(mark.style.stroke.width, gPathStyles.DimensionLineStyle.stroke.width);
}
