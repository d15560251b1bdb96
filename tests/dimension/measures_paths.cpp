// Path lengths between anchors: open and closed paths, ranges through the closing segment, units and scale.
#include <cmath>
#include <numbers>

#include "measures_fixture.h"

using measuretest::MeasureTest;

namespace {

const double kPi = std::numbers::pi;

}  // namespace

TEST_F(MeasureTest, OpenPathMeasuresBetweenTwoAnchorsInEitherOrder) {
    AIArtHandle path = Polyline({{0, 0}, {30, 40}, {30, 100}}, false);
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 0, 0), 0.0f);
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 0, 1), 50.0f);
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 0, 2), 110.0f);
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 2, 0), 110.0f);
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 1, 9), 60.0f);
    EXPECT_FLOAT_EQ(WholePathLength(&path), 110.0f);
}

TEST_F(MeasureTest, ClosedPathMeasuresWholeAndForwardRangesThroughTheClosingSegment) {
    AIArtHandle square = Polyline({{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true);
    struct {
        uint16_t first, second;
        float expected;
    } const cases[] = {
        {0, 0, 300.0f}, {2, 2, 300.0f}, {0, 2, 150.0f}, {1, 3, 150.0f}, {3, 0, 50.0f},
        {3, 1, 150.0f}, {2, 1, 250.0f}, {5, 1, 300.0f}, {1, 6, 50.0f},  {4, 3, 250.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(PathRangeLength(&square, c.first, c.second), c.expected) << c.first << " to " << c.second;
    EXPECT_FLOAT_EQ(WholePathLength(&square), 300.0f);
}

TEST_F(MeasureTest, MeasuringAClosedPathNeverRenumbersItsAnchors) {
    AIArtHandle square = Polyline({{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true);
    const std::string before = Doc().Describe(square);
    PathRangeLength(&square, 3, 1);
    PathRangeLength(&square, 7, 2);
    EXPECT_EQ(Doc().Describe(square), before);
}

TEST_F(MeasureTest, CircularQuartersMeasureTheirArcs) {
    AIArtHandle circle = Circle(200.0f, 100.0f, 100.0f);
    EXPECT_NEAR(PathRangeLength(&circle, 0, 1), kPi * 50.0, 0.05);
    EXPECT_NEAR(PathRangeLength(&circle, 3, 1), kPi * 100.0, 0.1);
    EXPECT_NEAR(PathRangeLength(&circle, 0, 0), kPi * 200.0, 0.2);
}

TEST_F(MeasureTest, LengthsComeInTheLiveUnitDividedByTheScale) {
    AIArtHandle square = Polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    gSettings.ScaleRatio = 2.0;
    struct {
        int32_t unit;
        double expected;
    } const cases[] = {
        {kUnitMillimetres, 200.0 * 25.4 / 72.0}, {kUnitCentimetres, 200.0 * 2.54 / 72.0},
        {kUnitDecimalInches, 200.0 / 72.0},      {kUnitFractionalInches, 200.0 / 72.0},
        {kUnitFeetAndInches, 200.0 / 72.0},      {kUnitPoints, 200.0},
        {kUnitPicas, 200.0 / 12.0},              {kUnitMetres, 200.0 * 0.0254 / 72.0},
        {kUnitNoValue, 200.0},                   {kUnitFreeText, 200.0},
    };
    for (const auto& c : cases) {
        gCurrentOptions.Unit = c.unit;
        EXPECT_FLOAT_EQ(PathRangeLength(&square, 0, 0), static_cast<float>(c.expected)) << "unit " << c.unit;
    }
    gCurrentOptions.Unit = kUnitPoints;
    gSettings.ScaleRatio = 0.0;
    EXPECT_FLOAT_EQ(PathRangeLength(&square, 0, 0), 400.0f);
}

TEST_F(MeasureTest, NoPathOrADisposedPathMeasuresZero) {
    AIArtHandle none = nullptr;
    EXPECT_FLOAT_EQ(PathRangeLength(&none, 0, 1), 0.0f);
    EXPECT_FLOAT_EQ(PathRangeLength(nullptr, 0, 1), 0.0f);
    AIArtHandle path = Polyline({{0, 0}, {10, 0}}, false);
    Doc().DisposeArt(Doc().MutableArt(path));
    EXPECT_FLOAT_EQ(PathRangeLength(&path, 0, 1), 0.0f);
    EXPECT_FLOAT_EQ(WholePathLength(&path), 0.0f);
}

TEST_F(MeasureTest, CurveLengthAndMeasureTextsUseTheUnitAndItsSuffix) {
    AIArtHandle square = Polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    gCurrentOptions.Unit = kUnitMillimetres;
    gCurrentOptions.Decimals = 1;
    gSettings.PrefixSuffixOn = 1;
    FormatCurveLengthText(square);
    EXPECT_EQ(Text(), "141,1 mm");
    FormatMeasure(square, 3, 1);
    EXPECT_EQ(Text(), "70,6 mm");
    gCurrentOptions.ShowUnit = 0;
    FormatMeasure(square, 0, 1);
    EXPECT_EQ(Text(), "35,3");

    AIArtHandle open = Polyline({{0, 0}, {72, 0}, {72, 108}}, false);
    gCurrentOptions.Unit = kUnitFractionalInches;
    gCurrentOptions.ShowUnit = 1;
    FormatCurveLengthText(open);
    EXPECT_EQ(Text(), "2 1/2''");
}

TEST_F(MeasureTest, CurveLengthWithoutAUnitNumberShowsThePointsBare) {
    AIArtHandle open = Polyline({{0, 0}, {72, 0}, {72, 108}}, false);
    SetFreeLabelText("Longueur");
    for (int32_t unit : {kUnitNoValue, kUnitFreeText}) {
        gCurrentOptions.Unit = unit;
        FormatCurveLengthText(open);
        EXPECT_EQ(Text(), "180") << "unit " << unit;
    }
}
