// The other-options dialog driven as a user would: the dash pattern, the separator, the tolerance text, the
// drag pictures, the expanded font step, and what OK, "Défaut" and "Annuler" leave behind.
#include "options_fixture.h"

#include <algorithm>

namespace optionstest {
namespace {

class OtherOptions : public OptionsTest {
protected:
    static void RunOptions(std::function<void(ADMDialogRef)> act) { Run(ModalDialog::OtherOptions, std::move(act)); }
    static std::vector<float> Dashes() {
        const AIDashStyle& dash = gPathStyles.BasePathStyle.stroke.dash;
        return {static_cast<float>(dash.length), dash.array[0], dash.array[1], dash.array[2], dash.array[3]};
    }
};

TEST_F(OtherOptions, OkWritesTheTwelveKeysInOrderAndDashesTheBaseStyle) {
    RunOptions([](ADMDialogRef dialog) {
        EXPECT_FALSE(Data(dialog, kDashOneEdit).enabled);
        ASSERT_EQ(Press(dialog, kDashButton), kNoErr);
        EXPECT_TRUE(Data(dialog, kDashOneEdit).enabled);
        EXPECT_TRUE(Data(dialog, kDashEndsButton).enabled);
        Enter(dialog, kDashOneEdit, "4");
        Enter(dialog, kGapOneEdit, "2");
        Press(dialog, kDashEndsButton);
        EXPECT_EQ(Data(dialog, kDashEndsButton).tip, "Extrémité carrée.");
        Press(dialog, kOtherOptionsOkButton);
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{
                            "Pointille bool true", "BoutRond bool false", "TiretUn real 4", "TrouUn real 2",
                            "TiretDeux real 0", "TrouDeux real 0", "Gap real 0", "GapTexteSeg real 2",
                            "TailleTexteTol bool true", "DecaleTexteTol real 1.5", "VariablePolice int 0",
                            "Virgule bool true"}));
    EXPECT_EQ(Dashes(), (std::vector<float>{4, 4, 2, 0, 0}));
    EXPECT_EQ(gPathStyles.BasePathStyle.stroke.cap, kAIButtCap);
    EXPECT_EQ(gDialogOpenFlags.OtherOptionsOpen, 0);
}

TEST_F(OtherOptions, WithDashesOffOkStillWritesTheLengthsAndLeavesTheLineSolid) {
    gSettings.DashOne = -3.0;  // a length below the range: OK writes the nearest length the reader keeps
    RunOptions([](ADMDialogRef dialog) { Press(dialog, kOtherOptionsOkButton); });
    EXPECT_EQ(Writes()[2], "TiretUn real 0");
    EXPECT_EQ(Dashes(), (std::vector<float>{0, 0, 6, 0, 0}));  // a negative dash is no length
}

TEST_F(OtherOptions, DefaultTurnsDashesOffAndSetsTheCommaButKeepsLengthsEndsAndFontStep) {
    RunOptions([](ADMDialogRef dialog) {
        Enter(dialog, kTieOffsetEdit, "5");
        Press(dialog, kReducedToleranceBox);
        EXPECT_EQ(Data(dialog, kReducedToleranceBox).tip, "Taille normale du texte de tolérance.");
        Press(dialog, kPointRadio);
        EXPECT_EQ(Data(dialog, kCommaRadio).value, 0.0f);
        Press(dialog, kDashButton);
        Enter(dialog, kDashOneEdit, "9");
        Press(dialog, kDashEndsButton);
        Press(dialog, kOtherOptionsDefaultButton);
        EXPECT_EQ(Data(dialog, kTieOffsetEdit).value, 0.0f);
        EXPECT_EQ(Data(dialog, kCommaRadio).value, 1.0f);
        EXPECT_FALSE(Data(dialog, kDashOneEdit).enabled);
        Press(dialog, kOtherOptionsOkButton);
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{
                            "Pointille bool false", "BoutRond bool false", "TiretUn real 9", "TrouUn real 6",
                            "TiretDeux real 0", "TrouDeux real 0", "Gap real 0", "GapTexteSeg real 2",
                            "TailleTexteTol bool true", "DecaleTexteTol real 1.5", "VariablePolice int 0",
                            "Virgule bool true"}));
}

TEST_F(OtherOptions, CancelWritesNothingButTheFontStepKeepsWhatItsFieldSet) {
    RunOptions([](ADMDialogRef dialog) {
        EXPECT_FALSE(Data(dialog, kFontStepEdit).visible);
        Press(dialog, kExpandButton);
        ASSERT_TRUE(Data(dialog, kFontStepEdit).visible);
        EXPECT_TRUE(Data(dialog, kFontStepEdit).active);
        Enter(dialog, kFontStepEdit, "2");
        Enter(dialog, kTextGapEdit, "7");
        Press(dialog, kOtherOptionsCancelButton);
    });
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(gSettings.FontStep, 2);
    EXPECT_EQ(gSettings.TextGap, 2.0);
}

TEST_F(OtherOptions, DragPicturesStepByOnePointAndControlPutsBackTheStoredValue) {
    RunOptions([](ADMDialogRef dialog) {
        Dialogs().Drag(Item(dialog, kTieOffsetPicture), {{5, 20}, {5, 18}, {5, 16}});  // the press, then up twice
        EXPECT_EQ(gOtherOptionsWorkingCopy.ExtensionGap, 1.0);
        EXPECT_EQ(Data(dialog, kTieOffsetEdit).value, 1.0f);
        EXPECT_TRUE(Data(dialog, kTieOffsetEdit).active);
        Track(dialog, kTieOffsetPicture, kADMButtonDownAction, {5, 41});  // below the picture's band
        EXPECT_EQ(gOtherOptionsWorkingCopy.ExtensionGap, 1.0);
        Dialogs().Click(Item(dialog, kTieOffsetPicture), kADMControlKeyModifier);
        EXPECT_EQ(gOtherOptionsWorkingCopy.ExtensionGap, 0.0);
        Dialogs().Drag(Item(dialog, kTextGapPicture), {{30, 5}, {20, 5}, {10, 5}, {5, 5}, {2, 5}});  // leftward
        EXPECT_EQ(gOtherOptionsWorkingCopy.TextGap, 0.0);  // held at the field's floor
        Dialogs().Drag(Item(dialog, kToleranceOffsetPicture), {{5, 30}, {5, 40}});
        EXPECT_EQ(gOtherOptionsWorkingCopy.ToleranceOffset, -0.5);
        EXPECT_GT(Data(dialog, kToleranceSample).invalidations, 0);
        EXPECT_EQ(sim::TheLogs().cursors.back(), 1101);
    });
}

TEST_F(OtherOptions, TheDialogReopensCollapsedWhereItWasClosed) {
    RunOptions([](ADMDialogRef dialog) {
        Press(dialog, kExpandButton);
        EXPECT_EQ(Dialogs().Dialog(dialog)->bounds.bottom - Dialogs().Dialog(dialog)->bounds.top, 319);
        Dialogs().Dialog(dialog)->bounds = {40, 50, 348, 369};  // the user moves the window
        Press(dialog, kOtherOptionsOkButton);
    });
    RunOptions([](ADMDialogRef dialog) {
        const ADMRect bounds = Dialogs().Dialog(dialog)->bounds;
        EXPECT_EQ(bounds.left, 40);
        EXPECT_EQ(bounds.top, 50);
        EXPECT_EQ(bounds.bottom - bounds.top, 269);
        EXPECT_FALSE(Data(dialog, kFontStepEdit).visible);
    });
}

TEST_F(OtherOptions, PicturesHoldTheirMarksInsideForLargeOffsets) {
    struct Case {
        double Gap;
        double ToleranceOffset;
        int32_t Reduced;
        std::string ExtensionLine;
        std::string ToleranceText;
    };
    const Case cases[] = {
        {0.0, 1.5, 1, "Line 0 11 0 30", "Text 0 33 ±0,25"},      {-5.0, -22.0, 1, "Line 0 11 0 35", "Text 0 57 ±0,25"},
        {20.0, 30.0, 1, "Line 0 11 0 17", "Text 0 7 ±0,25"},     {-8.0, 25.0, 0, "Line 0 11 0 38", "Text 0 10 ±0,25"},
        {1.0e30, -21.0, 0, "Line 0 11 0 17", "Text 0 57 ±0,25"},
    };
    for (const Case& c : cases) {
        gSettings.ExtensionGap = c.Gap;
        gSettings.ToleranceOffset = c.ToleranceOffset;
        gSettings.ReducedToleranceText = c.Reduced;
        RunOptions([&](ADMDialogRef dialog) {
            for (int32_t id : {kTieOffsetPicture, kToleranceSample}) Dialogs().DrawItem(Item(dialog, id));
            EXPECT_TRUE(HasLine(*Dialogs().ItemDrawing(Item(dialog, kTieOffsetPicture)), c.ExtensionLine)) << c.Gap;
            EXPECT_TRUE(HasLine(*Dialogs().ItemDrawing(Item(dialog, kToleranceSample)), c.ToleranceText))
                << c.ToleranceOffset;
        });
    }
}

TEST_F(OtherOptions, TheDashPreviewEndsWhateverTheLengths) {
    for (const double length : {0.0, 0.2, -4.0, 1.0e30}) {
        gSettings.Dashed = 1;
        gSettings.DashOne = gSettings.GapOne = gSettings.DashTwo = gSettings.GapTwo = length;
        RunOptions([](ADMDialogRef dialog) {
            EXPECT_EQ(Dialogs().DrawItem(Item(dialog, kDashPreview)), kNoErr);
            EXPECT_LT(Dialogs().ItemDrawing(Item(dialog, kDashPreview))->size(), 1000u);
        });
    }
    gSettings.DashOne = 2.0;
    gSettings.GapOne = 3.0;
    gSettings.DashTwo = gSettings.GapTwo = 0.0;
    gSettings.RoundDashEnds = 0;
    RunOptions([](ADMDialogRef dialog) {
        Dialogs().DrawItem(Item(dialog, kDashPreview));
        const sim::Drawing& drawn = *Dialogs().ItemDrawing(Item(dialog, kDashPreview));
        EXPECT_TRUE(HasLine(drawn, "FillRect 2 0 4 4"));
        EXPECT_TRUE(HasLine(drawn, "FillRect 7 0 9 4"));
        EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [](const std::string& l) { return l.starts_with("FillRect"); }),
                  48);  // from x 2 every 5 pixels while below 241
    });
}

TEST_F(OtherOptions, ADimensionAfterOkUsesTheDecimalPointAndTheDashes) {
    Line({{0, 0}, {200, 0}});
    RunOptions([](ADMDialogRef dialog) {
        Press(dialog, kPointRadio);
        Press(dialog, kDashButton);
        Press(dialog, kOtherOptionsOkButton);
    });
    EXPECT_EQ(Writes().back(), "Virgule bool false");
    EXPECT_EQ(gSettings.DecimalSeparator, '.');
    Select(1);
    gCurrentOptions.Decimals = 1;
    ClickDrag({100, 0}, {100, 40});
    EXPECT_EQ(Label(Group()), "70.6 mm");
    int dashed = 0;
    for (AIArtHandle child : Doc().Children(Group()))
        if (Doc().Art(child)->type == kPathArt && Doc().Art(child)->style.stroke.dash.length == 4) ++dashed;
    EXPECT_GT(dashed, 0);
}

TEST_F(OtherOptions, ARefusedFontStepWriteGoesBackToTheStoredStep) {
    RefuseWrites("VariablePolice");
    RunOptions([](ADMDialogRef dialog) {
        Press(dialog, kExpandButton);
        Enter(dialog, kFontStepEdit, "3");
        EXPECT_EQ(gSettings.FontStep, 3);
        Press(dialog, kOtherOptionsOkButton);
    });
    EXPECT_EQ(gSettings.FontStep, 0);
    EXPECT_EQ(Alerts(), std::vector<std::string>{kSettingsNotSavedAlert});
}

}  // namespace
}  // namespace optionstest
