// The annotator's draw pass: texts only with Smart Guides, markers, guide lines, outlines and the marquee.
#include "host/ArtSuite.h"
#include "simhost/CursorSnap.h"
#include "simhost/PreferenceStore.h"
#include "tools/Annotator.h"
#include "toolsel_fixture.h"

namespace toolseltest {
namespace {

using Kinds_ = std::vector<std::string>;

// The view maps artwork (h, v) to (h, 768 - v) at the stand-in's default zoom and origin.
constexpr int32_t kViewTop = 768;

class AnnotatorTest : public ToolTest {
protected:
    static AIRGBColor LayerColour() { return Doc().LayerInfo(Doc().CurrentLayer())->colour; }
    static void ExpectRect(const sim::DrawnShape& shape, int32_t left, int32_t top, int32_t right, int32_t bottom) {
        ASSERT_EQ(shape.points.size(), 2u);
        EXPECT_EQ(shape.points[0].h, left);
        EXPECT_EQ(shape.points[0].v, top);
        EXPECT_EQ(shape.points[1].h, right);
        EXPECT_EQ(shape.points[1].v, bottom);
    }
};

TEST_F(AnnotatorTest, AnchorMarkerAndHintWithSmartGuides) {
    Line({{100, 100}, {200, 150}});
    Select(kSegmentTool);
    Track({100, 101});
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_FALSE(shapes.empty());
    EXPECT_EQ(shapes.front().kind, "text");
    const sim::DrawnShape& marker = shapes.back();
    EXPECT_EQ(marker.kind, "ellipse");
    EXPECT_FALSE(marker.fill);
    ExpectRect(marker, 97, kViewTop - 103, 103, kViewTop - 97);
    EXPECT_EQ(marker.colour.red, LayerColour().red);
    EXPECT_EQ(marker.colour.blue, LayerColour().blue);
}

TEST_F(AnnotatorTest, SmartGuidesOffDrawsMarkersButNoText) {
    Line({{100, 100}, {200, 150}});
    Select(kSegmentTool);
    Track({100, 101});
    sim::SetSmartGuides(false);
    EXPECT_EQ(Kinds(Draw()), (Kinds_{"ellipse"}));
}

TEST_F(AnnotatorTest, GuideLineOnAScreenRowIsThreeWide) {
    Line({{100, 100}, {200, 100}});
    Select(kSegmentTool);
    Track({150, 101});
    sim::SetSmartGuides(false);
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"line"}));
    EXPECT_EQ(shapes[0].width, 3.0f);
    EXPECT_EQ(shapes[0].points[0].v, kViewTop - 100);
}

TEST_F(AnnotatorTest, SlantedGuideLineKeepsItsWidth) {
    Line({{100, 100}, {200, 150}});
    Select(kSegmentTool);
    Track({150, 125});
    sim::SetSmartGuides(false);
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"line"}));
    EXPECT_EQ(shapes[0].width, 2.0f);
}

TEST_F(AnnotatorTest, SubtractedClosedPathOutlineIsFourWide) {
    const AIArtHandle square = Line({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    Select(kMeasureTool);
    sim::SetSmartGuides(false);
    gHitState.HitArt = square;
    gHitState.HoverFlags.OverSegment = 1;
    gToolState.MeasuredCount = 1;
    gToolState.SubtractArea = 1;
    std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"bezier"}));
    EXPECT_EQ(shapes[0].width, 4.0f);
    EXPECT_EQ(shapes[0].points.size(), 1u + 3u * 4u);  // start, then four pieces with the closing one
    gToolState.SubtractArea = 0;
    shapes = Draw();
    EXPECT_EQ(shapes[0].width, 2.0f);
}

TEST_F(AnnotatorTest, PartialOutlineWithEqualIndexesDrawsTheWholeClosedPath) {
    const AIArtHandle triangle = Line({{0, 0}, {100, 0}, {0, 100}}, true);
    Select(kMeasureTool);
    sim::SetSmartGuides(false);
    gHitState.HitArt = triangle;
    gHitState.HoverFlags.OverAnchor = 1;
    gToolState.ClickCount = 1;
    gToolState.MeasuredAnchorIndex = 1;
    gHitState.HitStartIndex = 1;
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"ellipse", "bezier", "bezier", "bezier"}));
    EXPECT_EQ(shapes[1].width, 3.0f);
    // The closing piece runs from anchor 0 back to the last anchor.
    EXPECT_EQ(shapes[3].points.front().h, 0);
    EXPECT_EQ(shapes[3].points.front().v, kViewTop);
    EXPECT_EQ(shapes[3].points.back().v, kViewTop - 100);
}

TEST_F(AnnotatorTest, PartialOutlineSwapsReversedIndexes) {
    const AIArtHandle zigzag = Line({{0, 0}, {10, 10}, {20, 0}, {30, 10}});
    Select(kMeasureTool);
    sim::SetSmartGuides(false);
    gHitState.HitArt = zigzag;
    gHitState.HoverFlags.OverSegment = 1;
    gToolState.ClickCount = 1;
    gToolState.MeasuredAnchorIndex = 3;
    gHitState.HitStartIndex = 1;
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"bezier", "bezier"}));
    EXPECT_EQ(shapes[0].points.front().h, 10);
    EXPECT_EQ(shapes[1].points.back().h, 30);
}

TEST_F(AnnotatorTest, PartialOutlineStopsAtThePathsLastAnchor) {
    const AIArtHandle zigzag = Line({{0, 0}, {10, 10}, {20, 0}});
    Select(kMeasureTool);
    sim::SetSmartGuides(false);
    gHitState.HitArt = zigzag;
    gHitState.HoverFlags.OverSegment = 1;
    gToolState.ClickCount = 1;
    gToolState.MeasuredAnchorIndex = 40;
    gHitState.HitStartIndex = 1;
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_EQ(Kinds(shapes), (Kinds_{"bezier"}));
    EXPECT_EQ(shapes[0].points.back().h, 20);
}

TEST_F(AnnotatorTest, OneAnchorPathHasNoOutline) {
    const AIArtHandle dot = Line({{5, 5}});
    Select(kBezierTool);
    sim::SetSmartGuides(false);
    gHitState.HitArt = dot;
    gHitState.HoverFlags.OverCurve = 1;
    gToolState.BezierElementKind = kReticleElement;
    EXPECT_EQ(Kinds(Draw()), Kinds_{});
}

TEST_F(AnnotatorTest, MarqueeSelectsUntaggedPathsWhicheverWayItIsDragged) {
    const AIArtHandle inside = Line({{10, 10}, {20, 20}});
    const AIArtHandle tagged = Line({{30, 30}, {40, 40}});
    const AIArtHandle outside = Line({{300, 300}, {400, 400}});
    MakeDimensionPart(tagged, nullptr);
    Select(kMeasureTool);
    sim::SetSmartGuides(false);
    gToolState.ClickInProgress = 1;
    const AIRealPoint corners[2][2] = {{{0, 0}, {50, 50}}, {{50, 50}, {0, 0}}};
    for (const auto& drag : corners) {
        gToolState.MarqueeStart = drag[0];
        gToolState.CursorPoint = drag[1];
        const std::vector<sim::DrawnShape> shapes = Draw();
        ASSERT_EQ(Kinds(shapes), (Kinds_{"rect"}));
        EXPECT_TRUE(shapes[0].dashed);
        EXPECT_EQ(shapes[0].points[0].h, static_cast<int32_t>(drag[0].h));
        EXPECT_EQ(gToolState.MeasuredCount, 1u);
        EXPECT_NE(Doc().Art(inside)->userAttr & kArtSelected, 0);
        EXPECT_EQ(Doc().Art(tagged)->userAttr & kArtSelected, 0);
        EXPECT_EQ(Doc().Art(outside)->userAttr & kArtSelected, 0);
    }
    EXPECT_FALSE(sim::TheAnnotators().invalidated.empty());
}

TEST_F(AnnotatorTest, TextsTakeTheSmartGuidesColourTruncatedToSixteenBits) {
    sim::ThePreferences().Put("", "snapomatic/Color/red", sim::PrefValue::Real(1.0));
    sim::ThePreferences().Put("", "snapomatic/Color/green", sim::PrefValue::Real(0.5));
    sim::ThePreferences().Remove("", "snapomatic/Color/blue");
    Line({{100, 100}, {200, 150}});
    Select(kSegmentTool);
    Track({100, 101});
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_FALSE(shapes.empty());
    const sim::DrawnShape& hint = shapes.front();
    EXPECT_EQ(hint.kind, "text");
    EXPECT_EQ(hint.colour.red, 65535);
    EXPECT_EQ(hint.colour.green, 32767);
    EXPECT_EQ(hint.colour.blue, 0);
}

TEST_F(AnnotatorTest, NothingIsDrawnWhileAnotherToolIsCurrent) {
    Select(kSegmentTool);
    SelectHostTool();
    EXPECT_EQ(Kinds(Draw()), Kinds_{});
}

}  // namespace
}  // namespace toolseltest
