// Polygon areas and "Polygone croisé", and area texts that require a closed path.
#include "measures_fixture.h"

using measuretest::MeasureTest;

namespace {

class PolygonTest : public MeasureTest {
protected:
    void SetUp() override {
        MeasureTest::SetUp();
        gToolState.CurrentTool = kSegmentTool;
        gCurrentOptions.Unit = kUnitPoints;
    }
};

}  // namespace

TEST_F(PolygonTest, ClosedTriangleWritesItsArea) {
    AIArtHandle triangle = Polyline({{0, 0}, {72, 0}, {0, 72}}, true);
    gCurrentOptions.Unit = kUnitDecimalInches;
    gCurrentOptions.Decimals = 2;
    EXPECT_EQ(IsCrossedPolygon(&triangle), 1);
    EXPECT_EQ(Area(), "0,50 po2");
}

TEST_F(PolygonTest, SelfCrossingQuadrilateralIsACrossedPolygon) {
    AIArtHandle bowTie = Polyline({{0, 0}, {100, 100}, {100, 0}, {0, 100}}, true);
    EXPECT_EQ(IsCrossedPolygon(&bowTie), 1);
    EXPECT_EQ(Area(), "Polygone croisé");
}

TEST_F(PolygonTest, ConcavePolygonIsNotCrossed) {
    // An arrow: concave, no two sides cross. Shoelace area 7000.
    AIArtHandle arrow = Polyline({{0, 0}, {100, 50}, {0, 100}, {30, 50}}, true);
    EXPECT_EQ(IsCrossedPolygon(&arrow), 1);
    EXPECT_EQ(Area(), "3500 pt2");
    AIArtHandle clockwise = Polyline({{0, 0}, {0, 100}, {100, 100}, {100, 0}}, true);
    EXPECT_EQ(IsCrossedPolygon(&clockwise), 1);
    EXPECT_EQ(Area(), "10000 pt2");
}

TEST_F(PolygonTest, AreaIgnoresTheScaleOnlyInPoints) {
    AIArtHandle square = Polyline({{0, 0}, {72, 0}, {72, 72}, {0, 72}}, true);
    gSettings.ScaleRatio = 2.0;
    EXPECT_EQ(IsCrossedPolygon(&square), 1);
    EXPECT_EQ(Area(), "5184 pt2");
    gCurrentOptions.Unit = kUnitMillimetres;
    EXPECT_EQ(IsCrossedPolygon(&square), 1);
    EXPECT_EQ(Area(), "161 mm2");
}

TEST_F(PolygonTest, NothingIsWrittenForPathsAndToolsThatHaveNoPolygonArea) {
    AIArtHandle open = Polyline({{0, 0}, {100, 0}, {100, 100}}, false);
    std::vector<AIPathSegment> curved = {sim::CornerSegment(0, 0), sim::CornerSegment(100, 0),
                                         sim::CurveSegment({100, 100}, {110, 50}, {100, 100})};
    AIArtHandle withCurve = Doc().DrawPath(curved, true);
    AIArtHandle triangle = Polyline({{0, 0}, {100, 0}, {0, 100}}, true);
    AIArtHandle none = nullptr;
    gAreaTextBuffer.Clear();
    gAreaTextBuffer.Append("avant");

    EXPECT_EQ(IsCrossedPolygon(&open), 0);
    EXPECT_EQ(IsCrossedPolygon(&withCurve), 0);
    EXPECT_EQ(IsCrossedPolygon(&none), 0);
    EXPECT_EQ(IsCrossedPolygon(nullptr), 0);
    for (ToolNumber tool : {kCircleTool, kBezierTool, kMeasureTool}) {
        gToolState.CurrentTool = tool;
        EXPECT_EQ(IsCrossedPolygon(&triangle), 0) << "tool " << tool;
    }
    gToolState.CurrentTool = kAngleTool;
    gCurrentOptions.Unit = kUnitFreeText;
    EXPECT_EQ(IsCrossedPolygon(&triangle), 0);
    EXPECT_EQ(Area(), "avant");

    gCurrentOptions.Unit = kUnitNoValue;
    gSettings.Unit = kUnitCentimetres;
    gCurrentOptions.Decimals = 1;
    EXPECT_EQ(IsCrossedPolygon(&triangle), 1);
    EXPECT_EQ(Area(), "6,2 cm2");
}

TEST_F(PolygonTest, AreaOfACircleRequiresAClosedPath) {
    AIArtHandle circle = Circle(0, 0, 36);
    AIArtHandle arc = Doc().DrawPath({sim::CurveSegment({36, 0}, {36, 0}, {36, 20}),
                                      sim::CurveSegment({0, 36}, {20, 36}, {0, 36})},
                                     false);
    gCurrentOptions.Decimals = 2;
    const float disc = 3.1415927f * 36.0f * 36.0f;
    EXPECT_EQ(FormatAreaText(&circle, disc, 1), 1);
    EXPECT_EQ(Area(), "4071,50 pt2");
    EXPECT_EQ(FormatAreaText(&arc, disc / 4, 1), 0);
    EXPECT_EQ(Area(), "4071,50 pt2");
    EXPECT_EQ(FormatAreaText(&arc, disc / 4, 0), 1);
    EXPECT_EQ(Area(), "1017,88 pt2");
}
