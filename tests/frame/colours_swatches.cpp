// The global swatches in the document, the path styles, and the "Couleur" notifier through PluginMain.
#include "settings_fixture.h"
#include "frame/SuiteTable.h"
#include "host/PathStyleSuite.h"
#include "simhost/Colours.h"
#include "simhost/Document.h"

namespace settingstest {
namespace {

using sim::TheColours;

class SwatchTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        StartFromDefaults();
    }
    static const sim::SwatchGroupRecord* Group() { return TheColours().FindGroupByName(kColourSwatchGroupName); }
    static const sim::SwatchRecord* Swatch(const char* name) { return TheColours().FindSwatchByName(name); }
    // The custom colour a swatch shows.
    static const sim::CustomColourRecord* ColourOf(const char* name) {
        const sim::SwatchRecord* swatch = Swatch(name);
        if (swatch == nullptr || swatch->colour.kind != kCustomColor) return nullptr;
        return TheColours().FindCustomColour(swatch->colour.c.color);
    }
};

TEST_F(SwatchTest, MakingTheSwatchesCreatesTheGroupAndItsTwoSwatches) {
    gColourSettings.TextModel = kGreyModel;
    gColourSettings.Text.Grey = 25.0;
    EXPECT_EQ(MakeColourSwatches(), kNoErr);
    const sim::SwatchGroupRecord* group = Group();
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->swatches.size(), 2u);
    EXPECT_EQ(TheColours().FindSwatch(group->swatches[0])->name, kStrokeSwatchName);
    EXPECT_EQ(TheColours().FindSwatch(group->swatches[1])->name, kTextSwatchName);

    const sim::CustomColourRecord* stroke = ColourOf(kStrokeSwatchName);
    ASSERT_NE(stroke, nullptr);
    EXPECT_EQ(stroke->colour.kind, kCustomThreeColor);
    EXPECT_EQ(stroke->colour.c.rgb.red, static_cast<float>(196.0 / 255.0));
    EXPECT_EQ(stroke->colour.c.rgb.green, static_cast<float>(25.0 / 255.0));
    EXPECT_EQ(stroke->colour.c.rgb.blue, static_cast<float>(127.0 / 255.0));
    EXPECT_EQ(Swatch(kStrokeSwatchName)->colour.c.tint, 0.0f);
    const sim::CustomColourRecord* text = ColourOf(kTextSwatchName);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->colour.kind, kCustomThreeColor);
    EXPECT_EQ(text->colour.c.rgb.red, 0.75f);
    EXPECT_EQ(text->colour.c.rgb.blue, 0.75f);
    EXPECT_EQ(gColourSettings.StrokeSwatchColour, stroke->handle);
    EXPECT_EQ(gColourSettings.TextSwatchColour, text->handle);
}

TEST_F(SwatchTest, MakingThemAgainUpdatesTheSameSwatchesAndColours) {
    MakeColourSwatches();
    const AICustomColorHandle strokeColour = gColourSettings.StrokeSwatchColour;
    gColourSettings.StrokeModel = kCmykModel;
    gColourSettings.Stroke.Cyan = 50.0;
    gColourSettings.Stroke.Black = 100.0;
    EXPECT_EQ(MakeColourSwatches(), kNoErr);
    EXPECT_EQ(TheColours().Groups().size(), 2u);
    EXPECT_EQ(Group()->swatches.size(), 2u);
    EXPECT_EQ(TheColours().CustomColours().size(), 2u);
    EXPECT_EQ(gColourSettings.StrokeSwatchColour, strokeColour);
    const sim::CustomColourRecord* stroke = ColourOf(kStrokeSwatchName);
    ASSERT_NE(stroke, nullptr);
    EXPECT_EQ(stroke->colour.kind, kCustomFourColor);
    EXPECT_EQ(stroke->colour.c.f.cyan, 0.5f);
    EXPECT_EQ(stroke->colour.c.f.magenta, 0.97f);
    EXPECT_EQ(stroke->colour.c.f.black, 1.0f);
}

TEST_F(SwatchTest, UpdatingWithoutTheGroupChangesNothing) {
    EXPECT_EQ(UpdateColourSwatches(), kNoErr);
    EXPECT_EQ(Group(), nullptr);
    EXPECT_EQ(TheColours().Groups().size(), 1u);
    EXPECT_TRUE(TheColours().CustomColours().empty());
    EXPECT_EQ(gColourSettings.StrokeSwatchColour, nullptr);
}

TEST_F(SwatchTest, UpdatingTheGroupRecreatesAMissingSwatchAndColoursTheTextFromItsOwnValues) {
    MakeColourSwatches();
    TheColours().RemoveSwatch(Swatch(kTextSwatchName)->handle);
    ASSERT_EQ(Swatch(kTextSwatchName), nullptr);
    gColourSettings.TextLock = 1;
    gColourSettings.TextModel = kRgbModel;
    gColourSettings.Text.Red = 0.0;
    gColourSettings.Text.Green = 51.0;
    gColourSettings.Text.Blue = 255.0;
    EXPECT_EQ(UpdateColourSwatches(), kNoErr);
    ASSERT_EQ(Group()->swatches.size(), 2u);
    const sim::CustomColourRecord* text = ColourOf(kTextSwatchName);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->colour.c.rgb.red, 0.0f);
    EXPECT_EQ(text->colour.c.rgb.green, 0.2f);
    EXPECT_EQ(text->colour.c.rgb.blue, 1.0f);
    EXPECT_EQ(TheColours().CustomColours().size(), 2u);
}

TEST_F(SwatchTest, WithGlobalSwatchesTheArtColourIsTheSidesCustomColour) {
    MakeColourSwatches();
    gColourSettings.GlobalSwatches = 1;
    gColourSettings.TextLock = 1;
    for (int32_t which : {kStrokeSide, kTextSide}) {
        AIColor colour;
        GetArtColour(&colour, which);
        ASSERT_EQ(colour.kind, kCustomColor);
        EXPECT_EQ(colour.c.color, which == kTextSide ? gColourSettings.TextSwatchColour
                                                      : gColourSettings.StrokeSwatchColour);
        EXPECT_EQ(colour.c.tint, 0.0f);
    }
}

TEST_F(SwatchTest, GlobalSwatchesThatDoNotExistGiveTheProcessColour) {
    gColourSettings.GlobalSwatches = 1;
    gColourSettings.TextLock = 0;
    AIColor colour;
    GetArtColour(&colour, kStrokeSide);
    EXPECT_EQ(colour.kind, kThreeColor);
    MakeColourSwatches();
    TheColours().DeleteCustomColour(gColourSettings.StrokeSwatchColour);
    GetArtColour(&colour, kStrokeSide);
    EXPECT_EQ(colour.kind, kThreeColor);
    ApplyStrokeColourToStyles(1);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.kind, kThreeColor);
}

TEST_F(SwatchTest, TheStylesTakeTheStrokeColourAndKeepTheDashAndLineEnds) {
    gSettings.Dashed = 1;
    gSettings.DashOne = 3.0;
    gSettings.GapOne = 1.5;
    gSettings.DashTwo = 0.5;
    gSettings.GapTwo = -2.0;
    gSettings.RoundDashEnds = 0;
    gColourSettings.StrokeModel = kGreyModel;
    gColourSettings.Stroke.Grey = 60.0;
    ApplyStrokeColourToStyles(0);
    const PathStyles& styles = gPathStyles;
    EXPECT_EQ(styles.EndMarkStyle.fill.color.kind, kGrayColor);
    EXPECT_EQ(styles.EndMarkStyle.fill.color.g.gray, 0.6f);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.color.g.gray, 0.6f);
    EXPECT_EQ(styles.BasePathStyle.stroke.color.g.gray, 0.6f);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.length, 4);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[0], 3.0f);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[1], 1.5f);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[2], 0.5f);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[3], 0.0f);
    // "BoutRond" off: butt ends on the dashed lines though the dimension-line style keeps round caps.
    EXPECT_EQ(styles.DimensionLineStyle.stroke.cap, kAIRoundCap);
    EXPECT_EQ(styles.BasePathStyle.stroke.cap, kAIButtCap);
    EXPECT_EQ(styles.BasePathStyle.stroke.width, styles.DimensionLineStyle.stroke.width);

    MakeColourSwatches();
    ApplyStrokeColourToStyles(1);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.color.kind, kCustomColor);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.color.c.color, gColourSettings.StrokeSwatchColour);
    EXPECT_EQ(styles.EndMarkStyle.fill.color.c.color, gColourSettings.StrokeSwatchColour);
    EXPECT_EQ(styles.BasePathStyle.stroke.cap, kAIButtCap);
}

TEST_F(SwatchTest, TheStartingStylesNeedNoPanel) {
    gSettings.Dashed = 0;
    gSettings.LineWidth = 0.75;
    InitPathStyles();
    const PathStyles& styles = gPathStyles;
    EXPECT_EQ(styles.EndMarkStyle.fillPaint, 1);
    EXPECT_EQ(styles.EndMarkStyle.strokePaint, 0);
    EXPECT_EQ(styles.EndMarkStyle.fill.color.kind, kGrayColor);
    EXPECT_EQ(styles.EndMarkStyle.stroke.cap, kAIRoundCap);
    EXPECT_EQ(styles.EndMarkStyle.stroke.join, kAIMiterJoin);
    EXPECT_EQ(styles.EndMarkStyle.stroke.miterLimit, 10.0f);
    EXPECT_EQ(styles.DimensionLineStyle.fillPaint, 0);
    EXPECT_EQ(styles.DimensionLineStyle.strokePaint, 1);
    EXPECT_EQ(styles.DimensionLineStyle.fill.color.kind, kFourColor);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.cap, kAIRoundCap);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.join, kAIBevelJoin);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.width, 0.75f);
    // "Pointille" off: no dash, though the four lengths are copied.
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.length, 0);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[0], 6.0f);
    EXPECT_EQ(styles.BasePathStyle.stroke.dash.array[1], 6.0f);
    EXPECT_EQ(styles.BasePathStyle.stroke.join, kAIBevelJoin);
}

TEST_F(SwatchTest, StartUpGivesTheStylesTheLineWidthAndStrokeColour) {
    const PathStyles& styles = gPathStyles;
    EXPECT_EQ(styles.DimensionLineStyle.stroke.width, 0.24f);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.color.kind, kThreeColor);
    EXPECT_EQ(styles.DimensionLineStyle.stroke.color.rgb.red, static_cast<float>(196.0 / 255.0));
    EXPECT_EQ(styles.EndMarkStyle.fill.color.rgb.blue, static_cast<float>(127.0 / 255.0));
    EXPECT_EQ(styles.BasePathStyle.stroke.cap, kAIRoundCap);
}

TEST_F(SwatchTest, SettingTheStylesUpAgainKeepsTheDimensionLineColour) {
    gColourSettings.StrokeModel = kCmykModel;
    ApplyStrokeColourToStyles(0);
    InitPathStyles();
    for (const AIPathStyle* style : {&gPathStyles.DimensionLineStyle, &gPathStyles.BasePathStyle}) {
        ASSERT_EQ(style->stroke.color.kind, kFourColor);
        EXPECT_EQ(style->stroke.color.f.cyan, 0.23f);
        EXPECT_EQ(style->stroke.color.f.magenta, 0.97f);
        EXPECT_EQ(style->fill.color.kind, kFourColor);
        EXPECT_EQ(style->fillPaint, 0);
    }
    // With the lock on, text made after the set-up takes that colour too.
    AIColor text;
    GetArtColour(&text, kTextSide);
    ASSERT_EQ(text.kind, kFourColor);
    EXPECT_EQ(text.f.yellow, 0.04f);
}

TEST_F(SwatchTest, TheEndMarkStyleStartsFromTheDocumentsCurrentStyle) {
    AIPathStyle& current = sim::TheDocument().CurrentPathStyle();
    current.stroke.width = 3.0f;
    current.stroke.dash.length = 2;
    current.stroke.dash.array[0] = 1.0f;
    current.stroke.dash.array[1] = 2.0f;
    InitPathStyles();
    EXPECT_EQ(gPathStyles.EndMarkStyle.stroke.width, 3.0f);
    EXPECT_EQ(gPathStyles.EndMarkStyle.stroke.dash.length, 2);
    EXPECT_EQ(gPathStyles.EndMarkStyle.fillPaint, 1);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.dash.length, 0);
}

TEST_F(SwatchTest, TheStylesBuiltFromBadStoredLengthsAreStylesTheHostAccepts) {
    sim::ThePlugin().Shutdown();
    ClearPluginState();
    Seed("Epaisseur", sim::PrefValue::Real(-2.0));
    Seed("Pointille", sim::PrefValue::Bool(true));
    Seed("TiretUn", sim::PrefValue::Real(-6.0));
    Seed("TrouDeux", sim::PrefValue::Real(1e300));
    Start();
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.width, 0.0f);
    EXPECT_EQ(gPathStyles.BasePathStyle.stroke.dash.array[0], 0.0f);
    const AIArtHandle path = sim::TheDocument().DrawPolyline({{0, 0}, {10, 0}}, false);
    for (const AIPathStyle* style :
         {&gPathStyles.DimensionLineStyle, &gPathStyles.BasePathStyle, &gPathStyles.EndMarkStyle}) {
        EXPECT_EQ(sAIPathStyle->SetPathStyle(path, style), kNoErr);
    }
}

TEST_F(SwatchTest, TheColourNotifierPutsTheCommittedColoursBackWhenGlobal) {
    gColourSettings.GlobalSwatches = 1;
    MakeColourSwatches();
    AICustomColor changed;
    changed.kind = kCustomGrayColor;
    changed.c.gray.gray = 0.5f;
    TheColours().SetCustomColour(gColourSettings.StrokeSwatchColour, &changed);
    gPathStyles.DimensionLineStyle.stroke.color = AIColor();

    EXPECT_EQ(sim::ThePlugin().SendNotifier(kAIArtCustomColorChangedNotifier), kNoErr);
    const sim::CustomColourRecord* stroke = ColourOf(kStrokeSwatchName);
    ASSERT_NE(stroke, nullptr);
    EXPECT_EQ(stroke->colour.kind, kCustomThreeColor);
    EXPECT_EQ(stroke->colour.c.rgb.red, static_cast<float>(196.0 / 255.0));
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.kind, kCustomColor);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.c.color, stroke->handle);
}

TEST_F(SwatchTest, TheColourNotifierChangesNothingWhenNotGlobal) {
    MakeColourSwatches();
    AICustomColor changed;
    changed.kind = kCustomGrayColor;
    changed.c.gray.gray = 0.5f;
    TheColours().SetCustomColour(gColourSettings.StrokeSwatchColour, &changed);
    sim::TheLogs().calls.clear();
    sim::ThePlugin().SendNotifier(kAIArtCustomColorChangedNotifier);
    EXPECT_EQ(ColourOf(kStrokeSwatchName)->colour.kind, kCustomGrayColor);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.kind, kThreeColor);
}

TEST_F(SwatchTest, AnUnchangedSwatchColourIsNotSetAgain) {
    gColourSettings.GlobalSwatches = 1;
    MakeColourSwatches();
    sim::TheLogs().calls.clear();
    sim::ThePlugin().SendNotifier(kAIArtCustomColorChangedNotifier);
    for (const std::string& call : sim::TheLogs().calls) {
        EXPECT_EQ(call.find("CustomColor.SetCustomColor"), std::string::npos) << call;
        EXPECT_EQ(call.find("SwatchList.SetAIColor"), std::string::npos) << call;
    }
}

}  // namespace
}  // namespace settingstest
