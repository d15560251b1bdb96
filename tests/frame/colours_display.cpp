// The host and screen colours made from the committed colour settings.
#include <limits>

#include "settings_fixture.h"

namespace settingstest {
namespace {

using ColoursTest = SettingsTest;

struct DisplayCase {
    const char* Name;
    int32_t Model;
    ColourValues Values;
    ADMRGBColor Expected;
};

ColourValues Grey(double g) {
    ColourValues v;
    v.Grey = g;
    return v;
}
ColourValues Rgb(double r, double g, double b) {
    ColourValues v;
    v.Red = r;
    v.Green = g;
    v.Blue = b;
    return v;
}
ColourValues Cmyk(double c, double m, double y, double k) {
    ColourValues v;
    v.Cyan = c;
    v.Magenta = m;
    v.Yellow = y;
    v.Black = k;
    return v;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class DisplayColour : public ColoursTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayColour, GivesTheExactSixteenBitChannelsOnBothSides) {
    const DisplayCase& c = GetParam();
    gColourSettings.StrokeModel = c.Model;
    gColourSettings.Stroke = c.Values;
    gColourSettings.TextModel = c.Model;
    gColourSettings.Text = c.Values;
    gColourSettings.TextLock = 1;
    gColourSettings.GlobalSwatches = 1;
    for (int32_t which : {kStrokeSide, kTextSide}) {
        ADMRGBColor colour;
        EXPECT_EQ(GetDisplayColour(&colour, which), &colour);
        EXPECT_EQ(colour.red, c.Expected.red) << which;
        EXPECT_EQ(colour.green, c.Expected.green) << which;
        EXPECT_EQ(colour.blue, c.Expected.blue) << which;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Models, DisplayColour,
    ::testing::Values(
        DisplayCase{"DefaultRgb", kRgbModel, Rgb(196, 25, 127), {49980, 6375, 32385}},
        DisplayCase{"RgbFractionsTruncated", kRgbModel, Rgb(255.9, 0.99, 1.5), {65025, 0, 255}},
        DisplayCase{"RgbOutOfRangeClamped", kRgbModel, Rgb(300, -5, kNaN), {65025, 0, 0}},
        DisplayCase{"DefaultGrey", kGreyModel, Grey(100), {0, 0, 0}},
        DisplayCase{"GreyWhite", kGreyModel, Grey(0), {65025, 65025, 65025}},
        DisplayCase{"GreyTruncatedTwice", kGreyModel, Grey(33.3), {42916, 42916, 42916}},
        DisplayCase{"GreyAboveHundred", kGreyModel, Grey(150), {0, 0, 0}},
        DisplayCase{"GreyNegative", kGreyModel, Grey(-20), {65025, 65025, 65025}},
        DisplayCase{"DefaultCmyk", kCmykModel, Cmyk(23, 97, 4, 0), {50461, 1966, 62913}},
        DisplayCase{"CmykWithBlack", kCmykModel, Cmyk(10, 20, 30, 40), {35388, 31456, 27524}},
        DisplayCase{"CmykFullBlack", kCmykModel, Cmyk(0, 0, 0, 100), {0, 0, 0}},
        DisplayCase{"CmykOutOfRangeClamped", kCmykModel, Cmyk(250, -40, 50, 0), {0, 65535, 32767}}),
    [](const ::testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.Name); });

TEST_F(ColoursTest, CmykToDisplayRgbWritesEachChannelFromItsComponent) {
    ADMRGBColor colour;
    EXPECT_EQ(CmykToDisplayRgb(&colour, 0.0f, 0.0f, 0.0f, 0.0f), &colour);
    EXPECT_EQ(colour.red, 65535);
    EXPECT_EQ(colour.green, 65535);
    EXPECT_EQ(colour.blue, 65535);
    CmykToDisplayRgb(&colour, 0.5f, 1.0f, 0.25f, 0.0f);
    EXPECT_EQ(colour.red, 32767);
    EXPECT_EQ(colour.green, 0);
    EXPECT_EQ(colour.blue, 49151);
    CmykToDisplayRgb(&colour, 0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(colour.red, 0);
    EXPECT_EQ(colour.blue, 0);
    CmykToDisplayRgb(&colour, -1.0f, 2.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f);
    EXPECT_EQ(colour.red, 65535);
    EXPECT_EQ(colour.green, 0);
    EXPECT_EQ(colour.blue, 65535);
    EXPECT_EQ(CmykToDisplayRgb(nullptr, 0, 0, 0, 0), nullptr);
}

TEST_F(ColoursTest, TheArtColourFollowsEachSidesModel) {
    gColourSettings.StrokeModel = kRgbModel;
    gColourSettings.Stroke = Rgb(196, 25, 127);
    gColourSettings.TextModel = kCmykModel;
    gColourSettings.Text = Cmyk(23, 97, 4, 0);
    AIColor stroke, text;
    EXPECT_EQ(GetArtColour(&stroke, kStrokeSide), &stroke);
    ASSERT_EQ(stroke.kind, kThreeColor);
    EXPECT_EQ(stroke.rgb.red, static_cast<float>(196.0 / 255.0));
    EXPECT_EQ(stroke.rgb.green, static_cast<float>(25.0 / 255.0));
    EXPECT_EQ(stroke.rgb.blue, static_cast<float>(127.0 / 255.0));
    GetArtColour(&text, kTextSide);
    ASSERT_EQ(text.kind, kFourColor);
    EXPECT_EQ(text.f.cyan, 0.23f);
    EXPECT_EQ(text.f.magenta, 0.97f);
    EXPECT_EQ(text.f.yellow, 0.04f);
    EXPECT_EQ(text.f.black, 0.0f);
    gColourSettings.TextModel = kGreyModel;
    gColourSettings.Text = Grey(40);
    GetArtColour(&text, kTextSide);
    ASSERT_EQ(text.kind, kGrayColor);
    EXPECT_EQ(text.g.gray, 0.4f);
    // Each call leaves its result as the committed record of its side.
    EXPECT_EQ(gColourSettings.TextColour.kind, kGrayColor);
    EXPECT_EQ(gColourSettings.StrokeColour.kind, kThreeColor);
}

TEST_F(ColoursTest, WithTheLockBothSidesTakeTheDimensionLineColour) {
    gColourSettings.TextLock = 1;
    gColourSettings.TextModel = kCmykModel;
    gColourSettings.StrokeModel = kRgbModel;
    gPathStyles.DimensionLineStyle.stroke.color.kind = kGrayColor;
    gPathStyles.DimensionLineStyle.stroke.color.g.gray = 0.3f;
    for (int32_t which : {kStrokeSide, kTextSide}) {
        AIColor colour;
        GetArtColour(&colour, which);
        ASSERT_EQ(colour.kind, kGrayColor) << which;
        EXPECT_EQ(colour.g.gray, 0.3f) << which;
    }
    EXPECT_EQ(gColourSettings.TextColour.g.gray, 0.3f);
}

TEST_F(ColoursTest, ChannelsOutOfRangeAreClampedInTheArtColour) {
    gColourSettings.StrokeModel = kRgbModel;
    gColourSettings.Stroke = Rgb(400, -10, kNaN);
    AIColor colour;
    GetArtColour(&colour, kStrokeSide);
    EXPECT_EQ(colour.rgb.red, 1.0f);
    EXPECT_EQ(colour.rgb.green, 0.0f);
    EXPECT_EQ(colour.rgb.blue, 0.0f);
    gColourSettings.StrokeModel = kGreyModel;
    gColourSettings.Stroke = Grey(180);
    GetArtColour(&colour, kStrokeSide);
    EXPECT_EQ(colour.g.gray, 1.0f);
}

}  // namespace
}  // namespace settingstest
