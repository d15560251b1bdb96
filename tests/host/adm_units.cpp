// Fields hold lengths in points and show them in their unit; ADM Basic writes and reads numbers the same way.
#include <string>

#include "adm_fixture.h"
#include "case_name.h"
#include "host/ADMBasicSuite.h"

namespace {

using admtest::AdmTest;

class AdmUnits : public AdmTest {
  protected:
    void SetUp() override {
        AdmTest::SetUp();
        basic = fake::Acquire<ADMBasicSuite>(kADMBasicSuite, kADMBasicSuiteVersion);
        panel = Palette();
        field = Make(panel, 15, kADMSpinEditType);
        items->ShowUnits(field, 1);
    }
    float Value() {
        float value = 0.0f;
        items->GetFloatValue(field, &value);
        return value;
    }
    const ADMBasicSuite* basic = nullptr;
    ADMDialogRef panel = nullptr;
    ADMItemRef field = nullptr;
};

// 28.346457 points (1 cm) in each unit, and typed back in that unit.
struct UnitCase {
    int32_t units;
    const char* shown;
    const char* typed;
    float held;
};

class EachUnit : public AdmUnits, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(EachUnit, AFieldShowsPointsInItsUnitAndReadsTypedTextBackInPoints) {
    const UnitCase& c = GetParam();
    items->SetUnits(field, c.units);
    items->SetPrecision(field, 2);
    items->SetFloatValue(field, 28.346457f);
    EXPECT_EQ(Text(field), c.shown);
    ASSERT_EQ(sim::TheDialogs().Enter(field, c.typed), kNoErr);
    EXPECT_NEAR(Value(), c.held, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Units, EachUnit,
                         ::testing::Values(UnitCase{kADMPointUnits, "28.35 pt", "10", 10.0f},
                                           UnitCase{kADMInchUnits, "0.39 in", "1,5", 108.0f},
                                           UnitCase{kADMMillimeterUnits, "10.00 mm", "25,4", 72.0f},
                                           UnitCase{kADMCentimeterUnits, "1.00 cm", "2", 56.692913f},
                                           UnitCase{kADMPicaUnits, "2.36 pc", "1", 12.0f},
                                           // Units that are not lengths hold the number shown.
                                           UnitCase{kADMPercentUnits, "28.35%", "150 %", 150.0f},
                                           UnitCase{kADMDegreeUnits, "28.35°", "-45°", -45.0f},
                                           UnitCase{kADMNoUnits, "28.35", "7", 7.0f}),
                         [](const auto& info) { return CaseName(info.param.shown, "typed", info.param.typed); });

TEST_F(AdmUnits, ALengthTypedInAnotherUnitIsConverted) {
    items->SetUnits(field, kADMMillimeterUnits);
    ASSERT_EQ(sim::TheDialogs().Enter(field, "1 in"), kNoErr);
    EXPECT_FLOAT_EQ(Value(), 72.0f);
    EXPECT_EQ(Text(field), "25.4 mm");
    ASSERT_EQ(sim::TheDialogs().Enter(field, "12pt"), kNoErr);
    EXPECT_FLOAT_EQ(Value(), 12.0f);
    // A unit of another kind, or words after the number, do not read: the field keeps its value.
    EXPECT_EQ(sim::TheDialogs().Enter(field, "3°"), kBadParameterErr);
    EXPECT_EQ(sim::TheDialogs().Enter(field, "3 mètres"), kBadParameterErr);
    EXPECT_EQ(sim::TheDialogs().Enter(field, ""), kBadParameterErr);
    EXPECT_FLOAT_EQ(Value(), 12.0f);
    EXPECT_EQ(Text(field), "4.2333 mm");
}

TEST_F(AdmUnits, ClampingAndWholeNumbersApplyToTheValueInPoints) {
    items->SetUnits(field, kADMMillimeterUnits);
    items->SetMinFloatValue(field, 0.0f);
    items->SetMaxFloatValue(field, 72.0f);  // one inch
    ASSERT_EQ(sim::TheDialogs().Enter(field, "30"), kNoErr);
    EXPECT_FLOAT_EQ(Value(), 72.0f);
    items->SetPrecision(field, 0);
    ASSERT_EQ(sim::TheDialogs().Enter(field, "2,6"), kNoErr);
    EXPECT_NEAR(Value(), 3.0f * 2.8346457f, 1e-4);
    EXPECT_EQ(Text(field), "3 mm");
}

TEST_F(AdmUnits, ANewSpinFieldIsInPointsAndSettingTheUnitKeepsTheLength) {
    EXPECT_EQ(sim::TheDialogs().Item(field)->units, kADMPointUnits);
    items->SetFloatValue(field, 72.0f);
    items->SetUnits(field, kADMInchUnits);
    EXPECT_FLOAT_EQ(Value(), 72.0f);
    EXPECT_EQ(Text(field), "1 in");
}

TEST_F(AdmUnits, ValueToStringWritesTheNumberInTheUnitAndFitsTheBuffer) {
    char text[32];
    ASSERT_EQ(basic->ValueToString(0.2f, text, 8, kADMPointUnits, 1, 1), kNoErr);
    EXPECT_STREQ(text, "0.2 pt");
    ASSERT_EQ(basic->ValueToString(20.0f, text, 8, kADMPointUnits, 1, 1), kNoErr);
    EXPECT_STREQ(text, "20.0 pt");
    ASSERT_EQ(basic->ValueToString(300.0f, text, 5, kADMPercentUnits, 0, 1), kNoErr);
    EXPECT_STREQ(text, "300%");
    ASSERT_EQ(basic->ValueToString(72.0f, text, 32, kADMMillimeterUnits, 2, 0), kNoErr);
    EXPECT_STREQ(text, "25.40");
    // Too long: the decimals go first, then the unit, then the number is cut.
    ASSERT_EQ(basic->ValueToString(-90.0f, text, 6, kADMDegreeUnits, 1, 1), kNoErr);
    EXPECT_STREQ(text, "-90°");
    ASSERT_EQ(basic->ValueToString(-150.0f, text, 6, kADMDegreeUnits, 1, 1), kNoErr);
    EXPECT_STREQ(text, "-150");
    ASSERT_EQ(basic->ValueToString(123456.0f, text, 4, kADMNoUnits, 0, 1), kNoErr);
    EXPECT_STREQ(text, "123");
    EXPECT_EQ(basic->ValueToString(1.0f, nullptr, 8, kADMPointUnits, 1, 1), kBadParameterErr);
    EXPECT_EQ(basic->ValueToString(1.0f, text, 0, kADMPointUnits, 1, 1), kBadParameterErr);
}

TEST_F(AdmUnits, StringToValueReadsWhatValueToStringWrote) {
    char text[32];
    float value = 0.0f;
    ASSERT_EQ(basic->ValueToString(14.173228f, text, 32, kADMMillimeterUnits, 3, 1), kNoErr);
    EXPECT_STREQ(text, "5.000 mm");
    ASSERT_EQ(basic->StringToValue(text, &value, kADMMillimeterUnits), kNoErr);
    EXPECT_NEAR(value, 14.173228f, 1e-4);
    value = 9.0f;
    EXPECT_EQ(basic->StringToValue("abc", &value, kADMPointUnits), kBadParameterErr);
    EXPECT_FLOAT_EQ(value, 9.0f);
    EXPECT_EQ(basic->StringToValue(nullptr, &value, kADMPointUnits), kBadParameterErr);
}

TEST_F(AdmUnits, AClickTracksAtTheMiddleOfTheItemInItsOwnPixels) {
    ADMItemRef button = Make(panel, 5, kADMPicturePushButtonType, {100, 40, 120, 60});
    static ADMPoint seen{-1, -1};
    items->SetTrackProc(button, [](ADMItemRef item, ADMTrackerRef tracker) {
        sim::TheDialogs().Tracker(tracker);
        const sim::TrackerData* data = sim::TheDialogs().Tracker(tracker);
        seen = data->point;
        ADMBoolean notify = 0;
        sim::TheDialogs().DefaultTrack(*sim::TheDialogs().Item(item), *data);
        return notify;
    });
    ASSERT_EQ(sim::TheDialogs().Click(button), kNoErr);
    EXPECT_EQ(seen.h, 10);
    EXPECT_EQ(seen.v, 10);
}

TEST_F(AdmUnits, TipsCanBeSwitchedOff) {
    ADMBoolean enabled = 0;
    ASSERT_EQ(items->IsTipEnabled(field, &enabled), kNoErr);
    EXPECT_EQ(enabled, 1);
    ASSERT_EQ(items->EnableTip(field, 0), kNoErr);
    ASSERT_EQ(items->IsTipEnabled(field, &enabled), kNoErr);
    EXPECT_EQ(enabled, 0);
}

}  // namespace
