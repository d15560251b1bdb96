// The live options copied from the stored settings at start-up, before any panel exists.
#include "dimension/ValueFormat.h"
#include "settings_fixture.h"

namespace settingstest {
namespace {

using sim::PrefValue;

TEST_F(SettingsTest, StartUpCopiesTheStoredSettingsIntoTheLiveOptions) {
    StartFromDefaults();
    sim::ThePlugin().Shutdown();
    ClearPluginState();
    Seed("Epaisseur", PrefValue::Real(0.5));
    Seed("Zoom", PrefValue::Real(200.0));
    Seed("Corps", PrefValue::Real(12.0));
    Seed("FouP", PrefValue::Bool(false));
    Seed("UnitePrefs", PrefValue::Int(2));
    Seed("Precision", PrefValue::Int(3));
    Seed("RadioCoteType", PrefValue::Int(2));
    Seed("CoteSerie", PrefValue::Bool(true));
    Seed("TypeCoteSerie", PrefValue::Int(1));
    Seed("Rayon", PrefValue::Real(40.0));
    Seed("Diametre", PrefValue::Bool(true));
    Seed("NbDivBez", PrefValue::Int(5));
    Seed("PartRayTanBez", PrefValue::Int(2));
    Seed("AngCerCrea", PrefValue::Real(1.25));
    Seed("CaseCreaSeg", PrefValue::Bool(false));
    Start();
    const CurrentOptions& o = gCurrentOptions;
    EXPECT_EQ(o.LineWidth, 0.5);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.width, 0.5f);
    EXPECT_EQ(o.EndMarkSize, 200.0);
    EXPECT_EQ(o.ActiveEndMarkSize, 200.0);
    EXPECT_EQ(o.ArrowHeads, 0);
    EXPECT_EQ(gArrowHeadShape.PointCount, 4);  // preset 0 as points: the round point
    EXPECT_EQ(o.Unit, 2);
    EXPECT_EQ(o.ShowUnit, 1);
    EXPECT_EQ(o.Decimals, 3);
    EXPECT_EQ(o.DimensionOrientation, 2);
    EXPECT_EQ(o.SeriesOn, 1);
    EXPECT_EQ(o.SeriesKind, 1);
    EXPECT_EQ(o.ArcRadius, 40.0);
    EXPECT_EQ(o.Diameter, 1);
    EXPECT_EQ(o.DivisionCount, 5);
    EXPECT_EQ(o.BezierMode, 2);
    EXPECT_EQ(o.CircleCreateAngle, 1.25);
    EXPECT_EQ(o.SegmentCreateWithDimension, 0);
    EXPECT_EQ(o.SegmentCreateWidth, 2.5);
    EXPECT_EQ(o.SideTieLength, 28.3464564929);
    EXPECT_EQ(o.BezierPathLength, 14.173228f);
    // The larger of the text size and 0.08 times the end-mark size.
    EXPECT_EQ(o.SeriesLabelStep, 16.0f);
}

TEST_F(SettingsTest, TheSeriesStepIsTheTextSizeWhenThatIsLarger) {
    StartFromDefaults();
    EXPECT_EQ(gCurrentOptions.SeriesLabelStep, 12.0f);
    gSettings.TextSize = 5.0;
    gSettings.EndMarkSize = 50.0;
    LoadGeneralOptions();
    LoadSegmentOptions();
    EXPECT_EQ(gCurrentOptions.SeriesLabelStep, 5.0f);
}

TEST_F(SettingsTest, AReloadReturnsLiveValuesToTheStoredOnes) {
    StartFromDefaults();
    gCurrentOptions.SegmentOffsetX = 14.0;
    gCurrentOptions.Unit = 9;
    gCurrentOptions.ScaleNumerator = 5.0;
    gSettings.ScaleRatio = 5.0;
    LoadGeneralOptions();
    LoadSegmentOptions();
    EXPECT_EQ(gCurrentOptions.SegmentOffsetX, 0.0);
    EXPECT_EQ(gCurrentOptions.Unit, 0);
    EXPECT_EQ(gCurrentOptions.ScaleNumerator, 1.0);
    EXPECT_EQ(gSettings.ScaleRatio, 1.0);
    EXPECT_TRUE(WrittenKeys().empty());
}

TEST_F(SettingsTest, TheCentredCreationFlagsAreNotCopiedFromTheStore) {
    StartFromDefaults();
    sim::ThePlugin().Shutdown();
    ClearPluginState();
    Seed("CentreCreaSeg", PrefValue::Bool(true));
    Seed("CentreCreaAng", PrefValue::Bool(true));
    Seed("SegEpaisCrea", PrefValue::Real(4.0));
    Start();
    EXPECT_EQ(gSettings.SegmentCreateCentred, 1);
    EXPECT_EQ(gSettings.AngleCreateCentred, 1);
    // Only the creation dialogs set the live centred flags: 0 until a dialog has opened.
    EXPECT_EQ(gCurrentOptions.SegmentCreateCentred, 0);
    EXPECT_EQ(gCurrentOptions.AngleCreateCentred, 0);
    EXPECT_EQ(gCurrentOptions.SegmentCreateWidth, 4.0);

    // A mouse-down's copy leaves what a dialog set, while the other creation values follow the store.
    gCurrentOptions.SegmentCreateCentred = 1;
    gCurrentOptions.AngleCreateCentred = 0;
    gCurrentOptions.SegmentCreateWidth = 9.0;
    LoadCreationOptions();
    EXPECT_EQ(gCurrentOptions.SegmentCreateCentred, 1);
    EXPECT_EQ(gCurrentOptions.AngleCreateCentred, 0);
    EXPECT_EQ(gCurrentOptions.SegmentCreateWidth, 4.0);
}

TEST_F(SettingsTest, AScaleWithoutARatioKeepsTheLastRatio) {
    StartFromDefaults();
    gSettings.ScaleNumerator = 3.0;
    gSettings.ScaleDenominator = 2.0;
    LoadGeneralOptions();
    EXPECT_EQ(gSettings.ScaleRatio, 1.5);
    // A denominator that rounds to 0 in single precision, or a numerator of 0, gives no usable ratio.
    for (const auto& [numerator, denominator] :
         {std::pair{3.0, 0.0}, std::pair{3.0, 1e-60}, std::pair{0.0, 2.0}, std::pair{-1.0, 2.0}}) {
        gSettings.ScaleNumerator = numerator;
        gSettings.ScaleDenominator = denominator;
        LoadGeneralOptions();
        EXPECT_EQ(gSettings.ScaleRatio, 1.5) << numerator << " / " << denominator;
        EXPECT_EQ(gSettings.ScaleRatio, 1.5);
    }
}

TEST_F(SettingsTest, ShutDownStoresThePanelFlagsReadAtStartUpAndFreesTheTexts) {
    StartFromDefaults();
    sim::ThePlugin().Shutdown();
    Seed("PanneauVisible", PrefValue::Bool(false));
    Seed("PanneauGrand", PrefValue::Bool(false));
    Start();
    EXPECT_EQ(gSettings.PanelVisible, 0);
    ASSERT_NE(gSettings.Prefix, nullptr);
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(Stored("PanneauVisible"), PrefValue::Bool(false));
    EXPECT_EQ(Stored("PanneauGrand"), PrefValue::Bool(false));
    EXPECT_EQ(gSettings.Prefix, nullptr);
    EXPECT_EQ(gSettings.FreeTexts[4], nullptr);
}

}  // namespace
}  // namespace settingstest

namespace settingstest {
namespace {

struct FontCase {
    const char* stored;
    int32_t step;
    int32_t index;
};

// The host's fonts: "Arial", "Arial Black", "Arial Narrow", "Courier New", "Georgia", "Times New Roman", "Verdana".
TEST_F(SettingsTest, TheLabelFontIsTheLastHostFontBeginningTheStoredNameStepped) {
    const FontCase cases[] = {
        {"Arial", 0, 0},           {"Arial Black", 0, 1},    {"Arial Black Italic", 0, 1},
        {"Georgia", 1, 5},         {"Verdana", 1, 6},        {"Arial Narrow", -9, 0},
        {"Comic Sans", 3, 0},      {"", 2, 0},
    };
    for (const FontCase& c : cases) {
        sim::ResetHost();
        ClearPluginState();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        Seed("Precision", sim::PrefValue::Int(2));
        Seed("Police", sim::PrefValue::String(c.stored));
        Seed("VariablePolice", sim::PrefValue::Int(c.step));
        Start();
        EXPECT_EQ(gCurrentOptions.FontIndex, c.index) << '"' << c.stored << "\" step " << c.step;
        sim::ThePlugin().Shutdown();
    }
}

}  // namespace
}  // namespace settingstest

namespace settingstest {
namespace {

TEST_F(SettingsTest, ShutDownFreesTheToleranceAndFreeLabelTexts) {
    Start();
    SetToleranceText("0,25");
    SetFreeLabelText("Longueur");
    ASSERT_NE(gValueFormat.ToleranceText, nullptr);
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(gValueFormat.ToleranceText, nullptr);
    EXPECT_EQ(gValueFormat.FreeLabelText, nullptr);
}

}  // namespace
}  // namespace settingstest
