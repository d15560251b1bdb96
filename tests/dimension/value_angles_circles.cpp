// Angle texts (decimal degrees, degrees-minutes-seconds, no value, free text) and circle texts.
#include <numbers>

#include "value_fixture.h"

using valuetest::ValueTextTest;

namespace {

float Radians(double degrees) { return static_cast<float>(degrees * std::numbers::pi / 180.0); }

}  // namespace

TEST_F(ValueTextTest, DecimalDegreesFollowDecimalsSignAndReflexFlag) {
    struct {
        double degrees;
        int32_t reflex;
        int32_t decimals;
        int32_t sign;
        char separator;
        const char* expected;
    } const cases[] = {
        {45.0, 0, 0, 1, ',', "45°"},       {45.0, 0, 0, 0, ',', "45"},       {45.0, 0, 2, 1, ',', "45,00°"},
        {45.0, 1, 0, 1, ',', "315°"},      {-30.26, 0, 1, 1, '.', "30.3°"},  {-30.0, 1, 0, 1, ',', "330°"},
        {179.6, 0, 0, 1, ',', "180°"},     {0.0, 0, 0, 1, ',', "0°"},
    };
    for (const auto& c : cases) {
        gCurrentOptions.Decimals = c.decimals;
        gCurrentOptions.ShowAngleUnit = c.sign;
        gSettings.DecimalSeparator = c.separator;
        FormatAngleText(Radians(c.degrees), c.reflex);
        EXPECT_EQ(Text(), c.expected) << c.degrees << " reflex " << c.reflex;
    }
}

TEST_F(ValueTextTest, DegreesMinutesSecondsCarrySecondsAndMinutes) {
    gValueFormat.AngleFormat = kAngleDegreesMinutesSeconds;
    gCurrentOptions.ShowAngleUnit = 0;
    gCurrentOptions.Decimals = 3;
    struct {
        double degrees;
        int32_t reflex;
        const char* expected;
    } const cases[] = {
        {59.9999, 0, "60° 0' 0''"},  {30.5, 0, "30° 30' 0''"},    {10.2525, 0, "10° 15' 9''"},
        {89.99999, 0, "90° 0' 0''"}, {0.0, 0, "0° 0' 0''"},       {90.0, 1, "270° 0' 0''"},
        {12.999, 0, "12° 59' 56''"},
    };
    for (const auto& c : cases) {
        FormatAngleText(Radians(c.degrees), c.reflex);
        EXPECT_EQ(Text(), c.expected) << c.degrees;
    }
}

TEST_F(ValueTextTest, NoValueAndFreeTextAnglesStartFromAnEmptyBuffer) {
    FormatAngleText(Radians(45.0), 0);
    ASSERT_EQ(Text(), "45°");
    gValueFormat.AngleFormat = kAngleNoValue;
    for (int hover = 0; hover < 3; ++hover) FormatAngleText(Radians(45.0), 0);
    EXPECT_EQ(Text(), "");

    gValueFormat.AngleFormat = kAngleFreeText;
    SetFreeLabelText("Pente");
    for (int hover = 0; hover < 3; ++hover) FormatAngleText(Radians(45.0), 0);
    EXPECT_EQ(Text(), "Pente");
}

TEST_F(ValueTextTest, AnglesTakeToleranceAndDecorationsLikeLengths) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    SetToleranceText("0,5");
    gCurrentOptions.Decimals = 1;
    FormatAngleText(Radians(48.5), 0);
    EXPECT_EQ(Text(), "[48,5°±0,5]");
}

TEST_F(ValueTextTest, CircleSignStandsBeforeTheValueOrAfterTheUnit) {
    gCurrentOptions.Unit = kUnitPoints;
    struct {
        int32_t diameter;
        int32_t shown;
        int32_t before;
        const char* expected;
    } const cases[] = {
        {0, 1, 1, "R36 pt"}, {1, 1, 1, "Ø72 pt"}, {0, 1, 0, "36 ptR"},
        {1, 1, 0, "72 ptØ"}, {1, 0, 1, "72 pt"},  {0, 0, 0, "36 pt"},
    };
    for (const auto& c : cases) {
        gCurrentOptions.Diameter = c.diameter;
        gSettings.CircleSymbolShown = c.shown;
        gSettings.CircleSymbolBefore = c.before;
        FormatCircleDimensionText(36.0f);
        EXPECT_EQ(Text(), c.expected) << c.diameter << c.shown << c.before;
    }
}

TEST_F(ValueTextTest, CircleTextUsesUnitScaleDecimalsAndDecorations) {
    gCurrentOptions.Diameter = 1;
    gCurrentOptions.Decimals = 1;
    gSettings.DecimalSeparator = '.';
    gSettings.PrefixSuffixOn = 1;
    gSettings.ScaleRatio = 2.0;
    FormatCircleDimensionText(static_cast<float>(72.9 * valuetest::kPointsPerMillimetre));
    EXPECT_EQ(Text(), "[Ø72.9 mm]");

    gCurrentOptions.Unit = kUnitFractionalInches;
    gCurrentOptions.Diameter = 0;
    gSettings.PrefixSuffixOn = 0;
    gSettings.ScaleRatio = 1.0;
    FormatCircleDimensionText(180.0f);
    EXPECT_EQ(Text(), "R2 1/2''");
}

TEST_F(ValueTextTest, CircleTextWithoutANumberCarriesNoSign) {
    gCurrentOptions.Unit = kUnitNoValue;
    FormatCircleDimensionText(36.0f);
    EXPECT_EQ(Text(), "");
    gCurrentOptions.Unit = kUnitFreeText;
    SetFreeLabelText("Trou");
    FormatCircleDimensionText(36.0f);
    EXPECT_EQ(Text(), "Trou");
}
