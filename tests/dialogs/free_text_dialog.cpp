// The free-text dialog driven as a user would: typing follows every keystroke, OK stores and writes the five
// texts, "Annuler" keeps them, "Défaut" brings back the built-in ones.
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "options_fixture.h"

namespace optionstest {
namespace {

class FreeTexts : public OptionsTest {
protected:
    static void RunTexts(std::function<void(ADMDialogRef)> act) { Run(ModalDialog::FreeTexts, std::move(act)); }
    static std::string Stored(int index) { return SettingString(gSettings.FreeTexts[index]); }
};

TEST_F(FreeTexts, TypingFollowsEachKeystrokeAndOkWritesTheFiveTexts) {
    RunTexts([](ADMDialogRef dialog) {
        EXPECT_EQ(Data(dialog, kFirstFreeTextField).text, "Longueur");
        EXPECT_TRUE(Data(dialog, kFirstFreeTextField).active);
        ASSERT_EQ(Dialogs().Type(Item(dialog, kFirstFreeTextField + 1), "Épaisseur"), kNoErr);
        EXPECT_EQ(gFreeTextWorkingCopy.Texts[1], "Épaisseur");
        Dialogs().Type(Item(dialog, kFirstFreeTextField + 4), "");
        Dialogs().SelectText(Item(dialog, kFirstFreeTextField + 4));
        Press(dialog, kFreeTextOkButton);
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{"TexteLibre1 string Longueur", "TexteLibre2 string Épaisseur",
                                                  "TexteLibre3 string Hauteur", "TexteLibre4 string Profondeur",
                                                  "TexteLibre5 string "}));
    EXPECT_EQ(Stored(1), "Épaisseur");
    EXPECT_EQ(Stored(4), "");
    EXPECT_EQ(gDialogOpenFlags.FreeTextsOpen, 0);
}

// A field emptied as a hand does it (the old text deleted, nothing typed) and OK: the empty text is written, stored
// (the panel's menu shows it: options_panel.cpp); the first field opens with its whole text selected, so typing replaces it.
TEST_F(FreeTexts, AnEmptiedFieldIsWrittenAsAnEmptyText) {
    RunTexts([](ADMDialogRef dialog) {
        ADMItemRef first = Item(dialog, kFirstFreeTextField);
        int32_t start = -1;
        int32_t end = -1;
        ASSERT_EQ(sADMItem->GetSelectionRange(first, &start, &end), kNoErr);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, static_cast<int32_t>(std::string("Longueur").size()));
        ASSERT_EQ(Dialogs().Type(Item(dialog, kFirstFreeTextField + 2), ""), kNoErr);
        EXPECT_EQ(gFreeTextWorkingCopy.Texts[2], "");
        Press(dialog, kFreeTextOkButton);
    });
    EXPECT_EQ(Writes()[2], "TexteLibre3 string ");
    EXPECT_EQ(StoredText("TexteLibre3"), "");
    EXPECT_EQ(Stored(2), "");
}

TEST_F(FreeTexts, CancelKeepsTheStoredTextsAndTheNextOpeningShowsThem) {
    RunTexts([](ADMDialogRef dialog) {
        Dialogs().Type(Item(dialog, kFirstFreeTextField), "Cote");
        Dialogs().Dialog(dialog)->bounds = {12, 34, 272, 254};
        Press(dialog, kFreeTextCancelButton);
    });
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Stored(0), "Longueur");
    RunTexts([](ADMDialogRef dialog) {
        EXPECT_EQ(Data(dialog, kFirstFreeTextField).text, "Longueur");
        EXPECT_EQ(Dialogs().Dialog(dialog)->bounds.left, 12);
        EXPECT_EQ(Dialogs().Dialog(dialog)->bounds.top, 34);
    });
}

TEST_F(FreeTexts, DefaultThenOkWritesTheBuiltInTexts) {
    SetSettingString(gSettings.FreeTexts[2], "Diamètre");
    RunTexts([](ADMDialogRef dialog) {
        EXPECT_EQ(Data(dialog, kFirstFreeTextField + 2).text, "Diamètre");
        Press(dialog, kFreeTextDefaultButton);
        EXPECT_EQ(Data(dialog, kFirstFreeTextField + 2).text, "Hauteur");
        Press(dialog, kFreeTextOkButton);
    });
    EXPECT_EQ(Stored(2), "Hauteur");
    EXPECT_EQ(Writes()[2], "TexteLibre3 string Hauteur");
}

TEST_F(FreeTexts, AVeryLongTextIsKeptWhole) {
    const std::string longText(70000, 'x');
    RunTexts([&](ADMDialogRef dialog) {
        Dialogs().Item(Item(dialog, kFirstFreeTextField))->text = longText;  // pasted at once
        Dialogs().SelectText(Item(dialog, kFirstFreeTextField));
        Press(dialog, kFreeTextOkButton);
    });
    EXPECT_EQ(Stored(0).size(), longText.size());
    EXPECT_EQ(StoredText("TexteLibre1").size(), longText.size());
}

TEST_F(FreeTexts, ARefusedWriteKeepsTheStoredTextAndIsToldOnce) {
    RefuseWrites("TexteLibre1");
    RefuseWrites("TexteLibre2");
    RunTexts([](ADMDialogRef dialog) {
        Dialogs().Type(Item(dialog, kFirstFreeTextField), "A");
        Dialogs().Type(Item(dialog, kFirstFreeTextField + 1), "B");
        Dialogs().Type(Item(dialog, kFirstFreeTextField + 2), "C");
        Press(dialog, kFreeTextOkButton);
    });
    EXPECT_EQ(Stored(0), "Longueur");
    EXPECT_EQ(Stored(1), "Largeur");
    EXPECT_EQ(Stored(2), "C");
    EXPECT_EQ(Alerts(), std::vector<std::string>{kSettingsNotSavedAlert});
}

}  // namespace
}  // namespace optionstest
