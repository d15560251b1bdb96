// Length texts in every unit, precision, separator, notation, fraction and scale.
#include <cmath>
#include <limits>

#include <ostream>

#include "case_name.h"
#include "value_fixture.h"

using valuetest::ValueTextTest;

namespace {

struct LengthCase {
    const char* what;
    int32_t unit;
    int32_t decimals;
    char separator;
    int32_t showUnit;
    int32_t inchSymbol;
    int32_t footSymbol;
    int16_t fraction;
    double scale;
    float points;
    const char* expected;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const LengthCase kLengthCases[] = {
    {"10 mm", 0, 0, ',', 1, 0, 0, 8, 1.0, 28.346457f, "10 mm"},
    {"10 mm, two decimals", 0, 2, ',', 1, 0, 0, 8, 1.0, 28.346457f, "10,00 mm"},
    {"10 mm, decimal point", 0, 2, '.', 1, 0, 0, 8, 1.0, 28.346457f, "10.00 mm"},
    {"10 mm, unit hidden", 0, 0, ',', 0, 0, 0, 8, 1.0, 28.346457f, "10"},
    {"12.7 mm rounds half up", 0, 0, ',', 1, 0, 0, 8, 1.0, 36.0f, "13 mm"},
    {"12.7 mm, one decimal", 0, 1, ',', 1, 0, 0, 8, 1.0, 36.0f, "12,7 mm"},
    {"one inch in cm", 1, 2, ',', 1, 0, 0, 8, 1.0, 72.0f, "2,54 cm"},
    {"decimal inches, symbol", 2, 1, ',', 1, 0, 0, 8, 1.0, 180.0f, "2,5''"},
    {"decimal inches, po", 2, 1, ',', 1, 1, 0, 8, 1.0, 180.0f, "2,5 po"},
    {"decimal inches, in", 2, 1, '.', 1, 2, 0, 8, 1.0, 180.0f, "2.5 in"},
    {"2.5 in at no decimals", 2, 0, ',', 1, 0, 0, 8, 1.0, 180.0f, "3''"},
    {"2.5 in as a fraction", 3, 0, ',', 1, 0, 0, 8, 1.0, 180.0f, "2 1/2''"},
    {"2.5 in, unit hidden", 3, 0, ',', 0, 0, 0, 8, 1.0, 180.0f, "2 1/2"},
    {"2.99 in rounds up to 3", 3, 0, ',', 1, 0, 0, 8, 1.0, 215.28f, "3 ''"},
    {"2.99 in with po", 3, 0, ',', 1, 1, 0, 8, 1.0, 215.28f, "3  po"},
    {"thirty-seconds", 3, 0, ',', 1, 0, 0, 32, 1.0, 74.25f, "1 1/32''"},
    {"sixteenths", 3, 4, ',', 1, 2, 0, 16, 1.0, 85.5f, "1 3/16 in"},
    {"whole inches round half up", 3, 0, ',', 1, 0, 0, 1, 1.0, 180.0f, "3 ''"},
    {"exactly one inch", 3, 0, ',', 1, 0, 0, 8, 1.0, 72.0f, "1 ''"},
    {"2.75 in to the half rounds up", 3, 0, ',', 1, 0, 0, 2, 1.0, 198.0f, "3 ''"},
    {"30.5 in in feet", 4, 0, ',', 1, 0, 0, 2, 1.0, 2196.0f, "2 ' 6 1/2''"},
    {"feet as pi, inches as po", 4, 0, ',', 1, 1, 1, 2, 1.0, 2196.0f, "2 pi 6 1/2 po"},
    {"feet as ft, unit hidden", 4, 0, ',', 0, 2, 2, 2, 1.0, 2196.0f, "2 ft 6 1/2"},
    {"under a foot", 4, 0, ',', 1, 0, 0, 8, 1.0, 720.0f, "10 ''"},
    {"two feet exactly", 4, 0, ',', 1, 0, 0, 8, 1.0, 1728.0f, "2 ' 0 ''"},
    {"11.99 in carries into a foot", 4, 0, ',', 1, 0, 0, 8, 1.0, 863.28f, "1 ' 0 ''"},
    {"half an inch", 4, 0, ',', 1, 0, 0, 8, 1.0, 36.0f, " 1/2''"},
    {"zero in feet and inches", 4, 0, ',', 1, 0, 0, 8, 1.0, 0.0f, "0 ''"},
    {"points", 5, 1, ',', 1, 0, 0, 8, 1.0, 100.25f, "100,3 pt"},
    {"picas round half up", 6, 0, ',', 1, 0, 0, 8, 1.0, 30.0f, "3 pc"},
    {"one metre", 7, 3, ',', 1, 0, 0, 8, 1.0, 2834.6457f, "1,000 m"},
    {"no value", 8, 2, ',', 1, 0, 0, 8, 1.0, 100.0f, ""},
    {"scale 2 divides", 0, 0, ',', 1, 0, 0, 8, 2.0, 56.692913f, "10 mm"},
    {"scale 1/2 multiplies", 0, 0, ',', 1, 0, 0, 8, 0.5, 14.173228f, "10 mm"},
    {"zero scale never divides", 0, 0, ',', 1, 0, 0, 8, 0.0, 28.346457f, "10 mm"},
    {"NaN scale never divides", 0, 0, ',', 1, 0, 0, 8, kNaN, 28.346457f, "10 mm"},
    {"negative scale never divides", 0, 0, ',', 1, 0, 0, 8, -2.0, 28.346457f, "10 mm"},
    {"lengths in points are divided by the scale", 5, 0, ',', 1, 0, 0, 8, 4.0, 100.0f, "25 pt"},
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.what << " -> \"" << c.expected << '"'; }

class LengthTable : public ValueTextTest, public ::testing::WithParamInterface<LengthCase> {};

}  // namespace

TEST_P(LengthTable, WritesTheLabelText) {
    const LengthCase& c = GetParam();
    gCurrentOptions.Unit = c.unit;
    gCurrentOptions.Decimals = c.decimals;
    gSettings.DecimalSeparator = c.separator;
    gCurrentOptions.ShowUnit = c.showUnit;
    gSettings.InchSymbol = c.inchSymbol;
    gSettings.FootSymbol = c.footSymbol;
    gValueFormat.InchFraction = c.fraction;
    gSettings.ScaleRatio = c.scale;
    FormatLengthText(10.0f, 20.0f, 10.0f + c.points, 20.0f, 0);
    EXPECT_EQ(Text(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, LengthTable, ::testing::ValuesIn(kLengthCases),
                         [](const ::testing::TestParamInfo<LengthCase>& info) {
                             return CaseName(info.param.what);
                         });

TEST_F(ValueTextTest, FreeTextUnitWritesTheFreeLabelInsteadOfANumber) {
    gCurrentOptions.Unit = kUnitFreeText;
    SetFreeLabelText("Longueur");
    FormatLengthText(0.0f, 0.0f, 100.0f, 0.0f, 0);
    EXPECT_EQ(Text(), "Longueur");
    SetFreeLabelText(nullptr);
    FormatLengthText(0.0f, 0.0f, 100.0f, 0.0f, 0);
    EXPECT_EQ(Text(), "");
}

TEST_F(ValueTextTest, OrientationPicksTrueHorizontalOrVerticalDistanceAndTheFlagSwapsThem) {
    gCurrentOptions.Unit = kUnitPoints;
    struct {
        int32_t orientation;
        int32_t swap;
        const char* expected;
    } const cases[] = {{0, 0, "50 pt"}, {0, 1, "50 pt"}, {1, 0, "30 pt"}, {1, 1, "40 pt"},
                       {2, 0, "40 pt"}, {2, 1, "30 pt"}};
    for (const auto& c : cases) {
        gCurrentOptions.DimensionOrientation = c.orientation;
        FormatLengthText(130.0f, 10.0f, 100.0f, 50.0f, c.swap);
        EXPECT_EQ(Text(), c.expected) << "orientation " << c.orientation << " swap " << c.swap;
    }
}

TEST_F(ValueTextTest, PrefixValueUnitToleranceAndSuffixComeInThatOrder) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gCurrentOptions.Decimals = 2;
    FormatLengthText(0.0f, 0.0f, 0.0f, 28.346457f, 0);
    EXPECT_EQ(Text(), "[10,00 mm±0,25]");
    EXPECT_EQ(gValueTextBuffer.ToleranceStart, std::string("[10,00 mm").size());
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, std::string("±0,25").size());
}

TEST_F(ValueTextTest, DecorationsFollowTheirSwitchesOnly) {
    gSettings.PrefixSuffixOn = 0;
    gValueFormat.ToleranceOn = 1;
    FormatLengthText(0.0f, 0.0f, 0.0f, 28.346457f, 0);
    EXPECT_EQ(Text(), "10 mm±0,25");

    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 0;
    FormatLengthText(0.0f, 0.0f, 0.0f, 28.346457f, 0);
    EXPECT_EQ(Text(), "[10 mm]");
    EXPECT_EQ(gValueTextBuffer.ToleranceLength, 0u);

    SetSettingString(gSettings.Prefix, nullptr);
    SetSettingString(gSettings.Suffix, "");
    gValueFormat.ToleranceOn = 1;
    SetToleranceText("");
    FormatLengthText(0.0f, 0.0f, 0.0f, 28.346457f, 0);
    EXPECT_EQ(Text(), "10 mm");
}

TEST_F(ValueTextTest, NoValueUnitKeepsOnlyTheDecorations) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    gCurrentOptions.Unit = kUnitNoValue;
    FormatLengthText(0.0f, 0.0f, 0.0f, 28.346457f, 0);
    EXPECT_EQ(Text(), "[±0,25]");
}

TEST_F(ValueTextTest, RoundedTextRoundsHalfAwayFromZeroAndNeverWritesMinusZero) {
    struct {
        float value;
        int8_t decimals;
        char separator;
        const char* expected;
    } const cases[] = {
        {2.5f, 0, ',', "3"},          {-2.5f, 0, ',', "-3"},        {0.125f, 2, ',', "0,13"},
        {-0.125f, 2, '.', "-0.13"},   {-0.004f, 2, ',', "0,00"},    {-0.4f, 0, ',', "0"},
        {-0.006f, 2, ',', "-0,01"},   {1234567.0f, 0, ',', "1234567"}, {0.5f, 6, '.', "0.500000"},
        {3.0f, -1, ',', "3"},         {1.0f / 3.0f, 9, ',', "0,333333"},
    };
    for (const auto& c : cases) {
        gSettings.DecimalSeparator = c.separator;
        EXPECT_EQ(RoundedText(c.value, c.decimals), c.expected) << c.value;
    }
    EXPECT_EQ(RoundedText(std::numeric_limits<float>::infinity(), 2), "");
    EXPECT_EQ(RoundedText(std::numeric_limits<float>::quiet_NaN(), 2), "");
}

TEST_F(ValueTextTest, InchAndFootNotationsFollowTheStoredNotation) {
    const char* const inches[] = {"''", " po", " in", "''"};
    const char* const feet[] = {" ' ", " pi ", " ft ", " ' "};
    for (int32_t notation = 0; notation < 4; ++notation) {
        EXPECT_EQ(InchNotation(notation), inches[notation]);
        EXPECT_EQ(FootNotation(notation), feet[notation]);
    }
}
