// The colour dialog driven as a user would: channels slid and typed, models switched, the lock, the arrow
// pictures dragged, and what OK, "Défaut" and "Annuler" leave in the settings and the store.
#include "options_fixture.h"

#include <algorithm>

#include "dialogs/options/ColourChannels.h"

namespace optionstest {
namespace {

constexpr int32_t kRedSlider = kFirstChannelSlider + kRedChannel;
constexpr int32_t kRedEdit = kFirstChannelEdit + kRedChannel;
constexpr int32_t kCyanEdit = kFirstChannelEdit + kCyanChannel;

class ColourDialog : public OptionsTest {
protected:
    static void RunColours(std::function<void(ADMDialogRef)> act) { Run(ModalDialog::Colours, std::move(act)); }
    static float Value(ADMDialogRef dialog, int32_t id) { return Data(dialog, id).value; }
};

TEST_F(ColourDialog, OkWritesTheCommonKeysThenTheChannelsOfEachSidesModelInOrder) {
    RunColours([](ADMDialogRef dialog) {
        ASSERT_EQ(Enter(dialog, kRedEdit, "10"), kNoErr);
        EXPECT_EQ(Value(dialog, kRedSlider), 10.0f);  // the twin follows
        ASSERT_EQ(Press(dialog, kColourOkButton), kNoErr);
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{
                            "TypeCoulTraits int 1", "TypeCoulTexte int 1", "AnglePointe1 real 17", "AnglePointe2 real 17",
                            "FlecheCreuse bool true", "CadenasTexte bool true", "CouleursGlobales bool false",
                            "Rouge real 10", "Vert real 25", "Bleu real 127", "RougeTexte real 10", "VertTexte real 25",
                            "BleuTexte real 127"}));
    EXPECT_EQ(gColourSettings.Stroke.Red, 10.0);
    EXPECT_EQ(gColourSettings.Text.Red, 10.0);  // locked: the text followed the strokes
    EXPECT_EQ(gDialogOpenFlags.ColourDialogRef, nullptr);
}

TEST_F(ColourDialog, TheLockedTextRecordIsTheNewStrokeColourAtOnce) {
    RunColours([](ADMDialogRef dialog) {
        Dialogs().Slide(Item(dialog, kRedSlider), 51.0f);
        Press(dialog, kColourOkButton);
    });
    const float red = 51.0f / 255.0f;
    EXPECT_FLOAT_EQ(gPathStyles.DimensionLineStyle.stroke.color.rgb.red, red);
    EXPECT_FLOAT_EQ(gPathStyles.EndMarkStyle.fill.color.rgb.red, red);
    EXPECT_FLOAT_EQ(gColourSettings.StrokeColour.rgb.red, red);
    EXPECT_FLOAT_EQ(gColourSettings.TextColour.rgb.red, red);
}

TEST_F(ColourDialog, DefaultThenCancelChangesNothingAndWritesNothing) {
    const ColourSettings before = gColourSettings;
    RunColours([](ADMDialogRef dialog) {
        Press(dialog, kColourDefaultButton);
        EXPECT_EQ(Chosen(dialog, kColourModelPopup), "Gris");
        EXPECT_FALSE(Data(dialog, kStrokeTargetRadio).enabled);
        EXPECT_EQ(Press(dialog, kColourCancelButton), kNoErr);
    });
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(gColourSettings.StrokeModel, before.StrokeModel);
    EXPECT_EQ(gColourSettings.Stroke.Grey, before.Stroke.Grey);
    EXPECT_EQ(gColourSettings.OpenArrowAngle, before.OpenArrowAngle);
}

TEST_F(ColourDialog, DefaultThenOkMakesBothSidesBlackInGreyAndWritesOnlyTheGreyChannels) {
    gColourSettings.GlobalSwatches = 1;
    gColourSettings.TextLock = 0;
    gColourSettings.OpenArrowAngle = 40.0;
    RunColours([](ADMDialogRef dialog) {
        Press(dialog, kColourDefaultButton);
        EXPECT_EQ(Data(dialog, kOpenArrowAngleEdit).value, 17.0f);
        EXPECT_EQ(Data(dialog, kFirstChannelEdit).text, "100.00");
        EXPECT_TRUE(Data(dialog, kFirstChannelSlider).visible);
        EXPECT_FALSE(Data(dialog, kRedSlider).visible);
        Press(dialog, kColourOkButton);
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{
                            "TypeCoulTraits int 0", "TypeCoulTexte int 0", "AnglePointe1 real 17", "AnglePointe2 real 17",
                            "FlecheCreuse bool true", "CadenasTexte bool true", "CouleursGlobales bool false",
                            "Gris real 100", "GrisTexte real 100"}));
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.kind, kGrayColor);
    EXPECT_FLOAT_EQ(gPathStyles.DimensionLineStyle.stroke.color.g.gray, 1.0f);
}

TEST_F(ColourDialog, SwitchingModelsShowsTheCommittedValuesOfThatModelNotAConversion) {
    RunColours([](ADMDialogRef dialog) {
        Enter(dialog, kRedEdit, "3");
        ASSERT_EQ(Dialogs().Choose(Item(dialog, kColourModelPopup), kCmykModel), kNoErr);
        EXPECT_TRUE(Data(dialog, kCyanEdit).visible);
        EXPECT_FALSE(Data(dialog, kRedEdit).visible);
        EXPECT_EQ(Value(dialog, kCyanEdit), 23.0f);
        Dialogs().Choose(Item(dialog, kColourModelPopup), kRgbModel);
        EXPECT_EQ(Value(dialog, kRedEdit), 196.0f);
        EXPECT_EQ(Value(dialog, kRedSlider), 196.0f);
    });
}

TEST_F(ColourDialog, WhileLockedTheTextFollowsTheStrokesAndCannotBeChosen) {
    RunColours([](ADMDialogRef dialog) {
        Dialogs().Slide(Item(dialog, kRedSlider), 10.0f);
        EXPECT_EQ(gColourWorkingCopy.Text.Red, 10.0);
        EXPECT_EQ(Press(dialog, kTextTargetRadio), kBadParameterErr);
        Dialogs().DrawDialog(dialog);
        // The text bar shows the stroke colour: both bars are painted alike.
        const sim::Drawing& drawn = *Dialogs().DialogDrawing(dialog);
        EXPECT_TRUE(HasLine(drawn, "RGB 2550 6375 32385"));
        EXPECT_TRUE(HasLine(drawn, "FillRect 42 190 76 194"));
        EXPECT_TRUE(HasLine(drawn, "FillRect 132 190 166 194"));
    });
}

TEST_F(ColourDialog, UnlockingFreesTheTextAndLockingCopiesTheStrokeModelAndValues) {
    RunColours([](ADMDialogRef dialog) {
        Press(dialog, kTextLockPicture);  // unlocked
        EXPECT_EQ(Data(dialog, kTextLockPicture).tip,
                  "Le texte pourra avoir une couleur différente de celle des traits.");
        ASSERT_EQ(Press(dialog, kTextTargetRadio), kNoErr);
        Dialogs().Choose(Item(dialog, kColourModelPopup), kCmykModel);
        Enter(dialog, kCyanEdit, "60");
        EXPECT_EQ(gColourWorkingCopy.Text.Cyan, 60.0);
        EXPECT_EQ(gColourWorkingCopy.Stroke.Cyan, 23.0);
        Press(dialog, kTextLockPicture);  // locked again: the strokes are edited, in RGB
        EXPECT_EQ(gColourWorkingCopy.Target, kStrokeSide);
        EXPECT_EQ(gColourWorkingCopy.TextModel, kRgbModel);
        EXPECT_TRUE(Data(dialog, kRedEdit).visible);
        EXPECT_FALSE(Data(dialog, kTextTargetRadio).enabled);
        Press(dialog, kColourOkButton);
    });
    EXPECT_EQ(gColourSettings.TextModel, kRgbModel);
    EXPECT_EQ(gColourSettings.Text.Cyan, 23.0);  // CMYK text channels are not written under the RGB model
}

TEST_F(ColourDialog, CaptionsNameTheirChannelByModelAndFocusTheirEdit) {
    RunColours([](ADMDialogRef dialog) {
        Dialogs().Choose(Item(dialog, kColourModelPopup), kCmykModel);
        const int32_t magentaCaption = kFirstChannelCaption + kMagentaChannel;
        ASSERT_EQ(Press(dialog, magentaCaption), kNoErr);
        EXPECT_TRUE(Data(dialog, kFirstChannelEdit + kMagentaChannel).active);
        Dialogs().DrawItem(Item(dialog, magentaCaption));
        EXPECT_TRUE(HasLine(*Dialogs().ItemDrawing(Item(dialog, magentaCaption)), "Text 6 13 M"));
        EXPECT_EQ(Data(dialog, magentaCaption).tip, "Magenta");
    });
}

TEST_F(ColourDialog, ThePercentSignsAndTheRampsFollowTheEditedSide) {
    const auto percents = [](ADMDialogRef dialog) {
        Dialogs().DrawDialog(dialog);
        const sim::Drawing& drawn = *Dialogs().DialogDrawing(dialog);
        return std::count_if(drawn.begin(), drawn.end(), [](const std::string& l) { return l.ends_with(" %"); });
    };
    RunColours([&](ADMDialogRef dialog) {
        EXPECT_EQ(percents(dialog), 0);  // RGB
        Press(dialog, kTextLockPicture);
        Press(dialog, kTextTargetRadio);
        Dialogs().Choose(Item(dialog, kColourModelPopup), kCmykModel);
        EXPECT_EQ(percents(dialog), 4);
        Enter(dialog, kFirstChannelEdit + kMagentaChannel, "50");  // the text's magenta; the strokes' stays 97
        const ADMItemRef cyan = Item(dialog, kFirstChannelSlider + kCyanChannel);
        Dialogs().DrawItem(cyan);
        const sim::Drawing& ramp = *Dialogs().ItemDrawing(cyan);
        ASSERT_GE(ramp.size(), 3u);
        EXPECT_EQ(ramp[0], "DefaultDraw");
        EXPECT_EQ(ramp[1], "RGB 65535 32767 62913");  // no cyan, half magenta, the text's yellow
        EXPECT_EQ(ramp[2], "FillRect 2 2 7 6");
        Dialogs().Choose(Item(dialog, kColourModelPopup), kGreyModel);
        EXPECT_EQ(percents(dialog), 1);
    });
}

TEST_F(ColourDialog, DraggingTheOpenArrowStepsTwoDegreesHeldToNinetyAndControlPutsBackTheCommittedAngle) {
    RunColours([](ADMDialogRef dialog) {
        Track(dialog, kOpenArrowPicture, kADMButtonDownAction, {5, 10});
        for (int32_t x = 6; x <= 24; ++x) Track(dialog, kOpenArrowPicture, kADMMouseMovedDownAction, {x, 10});
        Track(dialog, kOpenArrowPicture, kADMButtonUpAction, {24, 10});
        EXPECT_EQ(gColourWorkingCopy.OpenArrowAngle, 17.0 + 2.0 * 20);
        EXPECT_EQ(Value(dialog, kOpenArrowAngleEdit), 57.0f);
        EXPECT_TRUE(Data(dialog, kOpenArrowAngleEdit).active);
        Dialogs().Drag(Item(dialog, kOpenArrowPicture), {{24, 5}, {23, 5}, {22, 5}});
        EXPECT_EQ(gColourWorkingCopy.OpenArrowAngle, 57.0 + 2.0 - 4.0);  // the press, then two moves left
        gColourWorkingCopy.OpenArrowAngle = 89.0;
        Dialogs().Drag(Item(dialog, kOpenArrowPicture), {{22, 5}, {23, 5}});
        EXPECT_EQ(gColourWorkingCopy.OpenArrowAngle, 90.0);
        Dialogs().Click(Item(dialog, kOpenArrowPicture), kADMControlKeyModifier);
        EXPECT_EQ(gColourWorkingCopy.OpenArrowAngle, 17.0);
        Track(dialog, kOpenArrowPicture, kADMButtonDownAction, {30, 10});  // beyond the picture's width
        EXPECT_EQ(gColourWorkingCopy.OpenArrowAngle, 17.0);
        EXPECT_EQ(sim::TheLogs().cursors.back(), 1100);
    });
}

TEST_F(ColourDialog, APressLowInTheTriangleTogglesHollowAndFilledWithItsTip) {
    RunColours([](ADMDialogRef dialog) {
        Track(dialog, kTriangleArrowPicture, kADMButtonDownAction, {30, 25});
        Track(dialog, kTriangleArrowPicture, kADMButtonUpAction, {30, 25});
        EXPECT_EQ(gColourWorkingCopy.HollowTriangle, 0);
        EXPECT_EQ(Data(dialog, kTriangleArrowAngleEdit).tip, "Angle de pointe de flèche pleine (de 0° à 90°).");
        Dialogs().DrawItem(Item(dialog, kTriangleArrowPicture));
        EXPECT_TRUE(HasLine(*Dialogs().ItemDrawing(Item(dialog, kTriangleArrowPicture)),
                            "FillPolygon 4 54 6 40 11 54 15 54 6"));
        Press(dialog, kColourOkButton);
    });
    EXPECT_EQ(gColourSettings.HollowTriangle, 0);
}

TEST_F(ColourDialog, GlobalSwatchesMakeTheSwatchesAndPaintNewStrokesWithThem) {
    RunColours([](ADMDialogRef dialog) {
        Press(dialog, kGlobalSwatchesBox);
        EXPECT_EQ(Data(dialog, kGlobalSwatchesBox).tip, "Les couleurs (traits et texte) seront des nuances globales.");
        Dialogs().DrawDialog(dialog);
        EXPECT_TRUE(HasLine(*Dialogs().DialogDrawing(dialog), "Line 22 78 13 87"));  // the swatch's cut corner
        Press(dialog, kColourOkButton);
    });
    ASSERT_NE(gColourSettings.StrokeSwatchColour, nullptr);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.kind, kCustomColor);
    EXPECT_EQ(gPathStyles.DimensionLineStyle.stroke.color.c.color, gColourSettings.StrokeSwatchColour);
}

TEST_F(ColourDialog, ASecondOpeningWhileItRunsDoesNothing) {
    RunColours([](ADMDialogRef) {
        Dialogs().QueueModalResponder([](ADMDialogRef) { ADD_FAILURE() << "opened twice"; });
        OpenModalDialog(ModalDialog::Colours);
        EXPECT_EQ(Dialogs().PendingResponders(), 1u);
    });
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"ModèleBidon 16700"});
    Dialogs().Reset();
}

TEST_F(ColourDialog, OpensOverACreationDialogFromItsColourButton) {
    constexpr int32_t kCreationColourButton = 525;
    Dialogs().QueueModalResponder([](ADMDialogRef creation) {
        ASSERT_EQ(Press(creation, kCreationColourButton), kNoErr);
        EXPECT_EQ(gDialogOpenFlags.ColourDialogRef, nullptr);
    });
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        EXPECT_EQ(Dialogs().TopModal(), dialog);
        Enter(dialog, kRedEdit, "0");
        Press(dialog, kColourOkButton);
    });
    OpenModalDialog(ModalDialog::SegmentCreation);
    EXPECT_EQ(sim::TheLogs().modalRuns.size(), 2u);
    EXPECT_EQ(gColourSettings.Stroke.Red, 0.0);
}

TEST_F(ColourDialog, OkOverThePreferencesDialogRedrawsIt) {
    constexpr int32_t kPrefsStrokeColourButton = 140;
    Dialogs().QueueModalResponder([](ADMDialogRef prefs) { ASSERT_EQ(Press(prefs, kPrefsStrokeColourButton), kNoErr); });
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        ASSERT_NE(gDialogOpenFlags.PrefsDialogOpen, 0);
        const int32_t before = Dialogs().Dialog(gDialogOpenFlags.PrefsDialogRef)->invalidations;
        Press(dialog, kColourOkButton);
        EXPECT_EQ(Dialogs().Dialog(gDialogOpenFlags.PrefsDialogRef)->invalidations, before + 1);
    });
    OpenModalDialog(ModalDialog::Preferences);
    EXPECT_EQ(Dialogs().PendingResponders(), 0u);
}

TEST_F(ColourDialog, ARefusedWriteIsToldOnceAndKeepsTheStoredValueInMemory) {
    RefuseWrites("Rouge");
    RefuseWrites("TypeCoulTexte");
    RunColours([](ADMDialogRef dialog) {
        Enter(dialog, kRedEdit, "10");
        Press(dialog, kColourOkButton);
    });
    EXPECT_EQ(Alerts(), std::vector<std::string>{kSettingsNotSavedAlert});
    EXPECT_EQ(gColourSettings.Stroke.Red, 196.0);
    EXPECT_EQ(StoredText("Rouge"), "196");
    EXPECT_EQ(gColourSettings.Text.Red, 10.0);  // accepted
    EXPECT_FLOAT_EQ(gPathStyles.DimensionLineStyle.stroke.color.rgb.red, 196.0f / 255.0f);
}

TEST_F(ColourDialog, ANewDimensionAfterOkTakesTheNewColour) {
    const AIArtHandle path = Line({{0, 0}, {200, 0}});
    (void)path;
    RunColours([](ADMDialogRef dialog) {
        Dialogs().Choose(Item(dialog, kColourModelPopup), kCmykModel);
        Enter(dialog, kFirstChannelEdit + kBlackChannel, "100");
        Press(dialog, kColourOkButton);
    });
    Select(1);
    ClickDrag({100, 0}, {100, 40});
    ASSERT_NE(Group(), nullptr);
    for (AIArtHandle child : Doc().Children(Group())) {
        const sim::ArtNode* node = Doc().Art(child);
        if (node->type == kTextFrameArt) {
            EXPECT_EQ(node->text.fill.kind, kFourColor);
            EXPECT_FLOAT_EQ(node->text.fill.f.black, 1.0f);
        } else if (node->type == kPathArt && node->style.strokePaint) {
            EXPECT_EQ(node->style.stroke.color.kind, kFourColor);
            EXPECT_FLOAT_EQ(node->style.stroke.color.f.black, 1.0f);
        }
    }
}

}  // namespace
}  // namespace optionstest
