// Dimension labels: the value text in the label font, size and colour, the tolerance run, the placement.
#include <cmath>
#include <numbers>

#include "dimension/Labels.h"
#include "frame/Colours.h"
#include "frame/PathStyles.h"
#include "panel/CurrentOptions.h"
#include "simhost/Text.h"
#include "skeleton_fixture.h"

using dimtest::DimensionArtTest;
using dimtest::Tags;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

class Labels : public DimensionArtTest {
protected:
    void SetUp() override {
        DimensionArtTest::SetUp();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        gCurrentOptions.TextSize = 12.0;
        gCurrentOptions.FontIndex = 0;
    }
    static void ValueText(const char* text) {
        gValueTextBuffer.Clear();
        gValueTextBuffer.Append(text);
    }
    static ASErr Label(AIRealPoint at = {100.0f, 50.0f}, float angle = 0.0f) {
        return SetDimensionLabel(&Dim().LabelFrames[0], at, angle);
    }
    static const sim::TextData& Text() { return Node(Dim().LabelFrames[0]).text; }
    static AIRealMatrix Matrix() { return Text().transform; }
};

AIColor Rgb(float r, float g, float b) {
    AIColor c;
    c.kind = kThreeColor;
    c.rgb = {r, g, b};
    return c;
}

}  // namespace

TEST_F(Labels, TheLabelShowsTheValueInTheLabelFontSizeAndTextColourCentredOnItsAnchor) {
    gCurrentOptions.FontIndex = 5;
    gCurrentOptions.TextSize = 14.0;
    gColourSettings.TextLock = 0;
    gColourSettings.TextModel = kRgbModel;
    gColourSettings.Text.Red = 255.0;
    gColourSettings.Text.Green = 0.0;
    gColourSettings.Text.Blue = 51.0;
    ValueText("125 mm");
    ASSERT_EQ(Label(), kNoErr);
    const sim::TextData& text = Text();
    EXPECT_EQ(text.contents, "125 mm");
    ASSERT_EQ(text.runs.size(), 1u);
    EXPECT_EQ(text.runs[0].font, "Times New Roman");
    EXPECT_EQ(text.runs[0].size, 14.0f);
    EXPECT_EQ(text.runs[0].fill.kind, kThreeColor);
    EXPECT_FLOAT_EQ(text.runs[0].fill.rgb.red, 1.0f);
    EXPECT_FLOAT_EQ(text.runs[0].fill.rgb.green, 0.0f);
    EXPECT_FLOAT_EQ(text.runs[0].fill.rgb.blue, 0.2f);
    EXPECT_EQ(text.justification, 2);
    EXPECT_EQ(Matrix().tx, 100.0f);
    EXPECT_EQ(Matrix().ty, 50.0f);
    AIRealRect bounds;
    ASSERT_TRUE(sim::TextFrameBounds(Dim().LabelFrames[0], &bounds));
    EXPECT_FLOAT_EQ(bounds.left, 100.0f - 3.0f * 0.6f * 14.0f);
    EXPECT_FLOAT_EQ(bounds.right, 100.0f + 3.0f * 0.6f * 14.0f);
    EXPECT_FLOAT_EQ(bounds.bottom, 50.0f - 0.2f * 14.0f);
    EXPECT_FLOAT_EQ(bounds.top, 64.0f);
    EXPECT_EQ(sim::LiveTextReferences(), 0u);
}

TEST_F(Labels, WithTheLockOnTheTextTakesTheStrokeColour) {
    gColourSettings.TextLock = 1;
    gColourSettings.TextModel = kRgbModel;
    gColourSettings.Text.Red = 255.0;
    gPathStyles.DimensionLineStyle.stroke.color = Rgb(0.0f, 0.5f, 1.0f);
    ValueText("45°");
    ASSERT_EQ(Label(), kNoErr);
    const AIColor fill = Text().runs.at(0).fill;
    EXPECT_EQ(fill.kind, kThreeColor);
    EXPECT_EQ(fill.rgb.red, 0.0f);
    EXPECT_EQ(fill.rgb.green, 0.5f);
    EXPECT_EQ(fill.rgb.blue, 1.0f);
}

TEST_F(Labels, TheFontIsTheEntryAtFontIndexEvenWhenAnotherFontsNameBeginsIt) {
    ValueText("12");
    const struct {
        int32_t index;
        const char* font;
    } cases[] = {{0, "Arial"}, {1, "Arial Black"}, {2, "Arial Narrow"}, {6, "Verdana"}};
    for (const auto& c : cases) {
        gCurrentOptions.FontIndex = c.index;
        ASSERT_EQ(Label(), kNoErr);
        EXPECT_EQ(Text().runs.at(0).font, c.font) << c.index;
    }
    // An index past the host's list leaves the font as it was.
    gCurrentOptions.FontIndex = 7;
    EXPECT_EQ(Label(), kNoErr);
    EXPECT_EQ(Text().runs.at(0).font, "Verdana");
}

TEST_F(Labels, TheToleranceRunIsSmallerAndRaised) {
    gCurrentOptions.Unit = kUnitMillimetres;
    gCurrentOptions.Decimals = 1;
    gCurrentOptions.ShowUnit = 1;
    gSettings.DecimalSeparator = ',';
    gSettings.ScaleRatio = 1.0;
    gValueFormat.ToleranceOn = 1;
    SetToleranceText("0,1");
    gSettings.PrefixSuffixOn = 1;
    SetSettingString(gSettings.Prefix, "[");
    SetSettingString(gSettings.Suffix, "]");
    gSettings.ReducedToleranceText = 1;
    gSettings.ToleranceOffset = 1.5;
    FormatLengthText(0.0f, 0.0f, 72.0f, 0.0f, 0);
    ASSERT_EQ(Label(), kNoErr);
    const sim::TextData& text = Text();
    EXPECT_EQ(text.contents, "[25,4 mm±0,1]");
    ASSERT_EQ(text.runs.size(), 3u);
    EXPECT_EQ(text.contents.substr(text.runs[1].start, text.runs[1].length), "±0,1");
    EXPECT_FLOAT_EQ(text.runs[0].size, 12.0f);
    EXPECT_FLOAT_EQ(text.runs[1].size, 12.0f * kReducedToleranceScale);
    EXPECT_FLOAT_EQ(text.runs[2].size, 12.0f);
    EXPECT_EQ(sim::RunBaselineShift(Dim().LabelFrames[0], 0), 0.0f);
    EXPECT_EQ(sim::RunBaselineShift(Dim().LabelFrames[0], 1), 1.5f);
    EXPECT_EQ(sim::RunBaselineShift(Dim().LabelFrames[0], 2), 0.0f);

    // Full size, lowered; then a value without tolerance leaves one plain run.
    gSettings.ReducedToleranceText = 0;
    gSettings.ToleranceOffset = -2.0;
    FormatLengthText(0.0f, 0.0f, 72.0f, 0.0f, 0);
    ASSERT_EQ(Label(), kNoErr);
    ASSERT_EQ(Text().runs.size(), 3u);
    EXPECT_FLOAT_EQ(Text().runs[1].size, 12.0f);
    EXPECT_EQ(sim::RunBaselineShift(Dim().LabelFrames[0], 1), -2.0f);
    gValueFormat.ToleranceOn = 0;
    gSettings.PrefixSuffixOn = 0;
    FormatLengthText(0.0f, 0.0f, 72.0f, 0.0f, 0);
    ASSERT_EQ(Label(), kNoErr);
    EXPECT_EQ(Text().contents, "25,4 mm");
    ASSERT_EQ(Text().runs.size(), 1u);
    EXPECT_EQ(sim::RunBaselineShift(Dim().LabelFrames[0], 0), 0.0f);
}

TEST_F(Labels, TheLabelTurnsWithItsLineButNeverReadsUpsideDown) {
    ValueText("8");
    const float r = std::sqrt(0.5f);
    const struct {
        float angle, a, b;
    } cases[] = {
        {0.0f, 1.0f, 0.0f},         {kPi / 4, r, r},       {3 * kPi / 4, r, -r},
        {kPi, 1.0f, 0.0f},          {kPi / 2, 0.0f, 1.0f}, {-kPi / 2, 0.0f, 1.0f},
        {-3 * kPi / 4, r, r},       {5 * kPi / 2, 0.0f, 1.0f},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Label({10.0f, 20.0f}, c.angle), kNoErr);
        const AIRealMatrix m = Matrix();
        EXPECT_NEAR(m.a, c.a, 1e-6) << c.angle;
        EXPECT_NEAR(m.b, c.b, 1e-6) << c.angle;
        EXPECT_NEAR(m.c, -c.b, 1e-6) << c.angle;
        EXPECT_NEAR(m.d, c.a, 1e-6) << c.angle;
        EXPECT_EQ(m.tx, 10.0f);
        EXPECT_EQ(m.ty, 20.0f);
    }
}

TEST_F(Labels, AnAngleLabelSitsOnTheArcAlongItsTangent) {
    ValueText("90°");
    ASSERT_EQ(SetAngleLabel(&Dim().LabelFrames[0], {100.0f, 100.0f}, 50.0f, kPi / 2), kNoErr);
    EXPECT_NEAR(Matrix().tx, 100.0f, 1e-4);
    EXPECT_NEAR(Matrix().ty, 150.0f, 1e-4);
    EXPECT_NEAR(Matrix().a, 1.0f, 1e-6);
    ASSERT_EQ(SetAngleLabel(&Dim().LabelFrames[0], {100.0f, 100.0f}, 50.0f, kPi), kNoErr);
    EXPECT_NEAR(Matrix().tx, 50.0f, 1e-4);
    EXPECT_NEAR(Matrix().ty, 100.0f, 1e-4);
    EXPECT_NEAR(Matrix().b, 1.0f, 1e-6);
}

TEST_F(Labels, ALabelTheUserDeletedIsMadeAgainOnTopOfTheGroup) {
    Doc().DisposeArt(Doc().MutableArt(Dim().LabelFrames[0]));
    const AIArtHandle old = Dim().LabelFrames[0];
    ValueText("3 cm");
    ASSERT_EQ(Label(), kNoErr);
    ASSERT_NE(Dim().LabelFrames[0], old);
    EXPECT_EQ(Children(Dim().DimensionGroup).front(), Dim().LabelFrames[0]);
    EXPECT_EQ(TagsOf(Dim().LabelFrames[0]), (Tags{{"vek", "jj"}}));
    EXPECT_EQ(Text().contents, "3 cm");
}

TEST_F(Labels, ALabelNeedsAFrameOrALiveGroup) {
    ValueText("1");
    EXPECT_EQ(SetDimensionLabel(nullptr, {0, 0}, 0.0f), kBadParameterErr);
    AIArtHandle frame = nullptr;
    Dim().DimensionGroup = nullptr;
    EXPECT_EQ(SetDimensionLabel(&frame, {0, 0}, 0.0f), kBadParameterErr);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(SetDimensionLabel(&Dim().LabelFrames[0], {NAN, 0}, 0.0f), kBadParameterErr);
}

TEST_F(Labels, NoNaNReachesTheLabelsPlacement) {
    ValueText("5");
    ASSERT_EQ(Label({10.0f, 20.0f}, NAN), kNoErr);
    EXPECT_EQ(Matrix().a, 1.0f);
    EXPECT_EQ(Matrix().b, 0.0f);
    for (const float bad : {NAN, INFINITY}) {
        EXPECT_EQ(SetAngleLabel(&Dim().LabelFrames[0], {0.0f, 0.0f}, bad, 1.0f), kBadParameterErr);
        EXPECT_EQ(SetAngleLabel(&Dim().LabelFrames[0], {0.0f, 0.0f}, 10.0f, bad), kBadParameterErr);
    }
    const AIRealMatrix m = Matrix();
    for (const float entry : {m.a, m.b, m.c, m.d, m.tx, m.ty}) EXPECT_TRUE(std::isfinite(entry));
    EXPECT_EQ(m.tx, 10.0f);
    EXPECT_EQ(m.ty, 20.0f);
}
