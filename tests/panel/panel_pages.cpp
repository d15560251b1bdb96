// The help pages, the flyout's options and help entries, and the focus pictures beside the fields.
#include <cstring>

#include "frame/Settings.h"
#include "panel/HelpPages.h"
#include "panel_fixture.h"

namespace {

using paneltest::PanelTest;

// The first line of each page, exactly.
constexpr const char* kFirstLines[] = {
    "ALT-CLIC", "FLéCHES/POINTS", "COULEURS", "TEXTE LIBRE", "SEGMENT", "SEGMENT", "SEGMENT", "SEGMENT", "SEGMENT",
    "CRÉATION (SEGMENT).", "CRÉATION (SEGMENT).", "CRÉATION (ANGLE).", "CRÉATION (CERCLE ARC SECTEUR).",
    "CRÉATION (ANGLE).", "CRÉATION (CERCLE ARC SECTEUR).", "COMMANDE (SEGMENT).", "AUTRES OPTIONS…(1)",
    "AUTRES OPTIONS…(2)", "DÉCALAGE TEXTE", "ANGLE", "ANGLE", "COMMANDE (ANGLE)", "DÉCALAGE TEXTE (ANGLE)",
    "CERCLE (2)", "CERCLE (1)", "COMMANDE (CERCLE)", "BÉZIER", "BÉZIER", "BÉZIER", "BÉZIER", "BÉZIER",
    "ÉDITEUR DE FLéCHES", "MODIFIER UNE COTE", "LONGUEURS & AIRES", "LONGUEURS & AIRES", "LONGUEURS & AIRES"};

TEST(HelpTexts, ThirtySixPagesEachWithItsFirstLineAndLength) {
    ASSERT_EQ(kHelpPageTotal, 36);
    for (int page = 0; page < kHelpPageTotal; ++page) {
        const std::string text = kHelpTexts[page];
        EXPECT_EQ(text.substr(0, text.find('\r')), kFirstLines[page]) << page + 1;
        size_t characters = 0;
        for (unsigned char c : text) characters += (c & 0xC0u) != 0x80u;
        EXPECT_GE(characters, 191u) << page + 1;
        EXPECT_LE(characters, 526u) << page + 1;
        EXPECT_EQ(text.find('\n'), std::string::npos) << page + 1;
    }
    EXPECT_TRUE(std::string(kHelpTexts[8]).starts_with("SEGMENT\rTAVORINE EN SÉRIE\r"));
    EXPECT_TRUE(std::string(kHelpTexts[29]).starts_with("BÉZIER\rRAYON LOCAL\r"));
}

TEST_F(PanelTest, HelpTurnsPageByPageAndStopsAtBothEnds) {
    Start();
    auto& dialogs = sim::TheDialogs();
    EXPECT_EQ(Item(74).text, kHelpTexts[0]);
    EXPECT_EQ(Item(78).text, "1");
    EXPECT_EQ(Item(77).text, "36");
    EXPECT_EQ(Item(79).text, "/");
    EXPECT_FALSE(Item(76).enabled);
    EXPECT_EQ(Item(76).tip, "Première page de l'aide.");
    EXPECT_EQ(dialogs.Click(ItemRef(76)), kBadParameterErr);  // disabled at the first page
    ASSERT_EQ(dialogs.Click(ItemRef(75)), kNoErr);
    EXPECT_EQ(HelpPage, 2);
    EXPECT_EQ(Item(74).text, kHelpTexts[1]);
    EXPECT_EQ(Item(78).text, "2");
    EXPECT_TRUE(Item(76).enabled);
    EXPECT_EQ(Item(76).tip, "Page précédente de l'aide.");
    while (HelpPage < 35) ASSERT_EQ(dialogs.Click(ItemRef(75)), kNoErr);
    ASSERT_EQ(dialogs.Click(ItemRef(75)), kNoErr);
    EXPECT_EQ(HelpPage, 36);
    EXPECT_EQ(Item(74).text, kHelpTexts[35]);
    EXPECT_FALSE(Item(75).enabled);
    EXPECT_EQ(Item(75).tip, "Dernière page de l'aide.");
    ASSERT_EQ(dialogs.Click(ItemRef(76)), kNoErr);
    EXPECT_EQ(HelpPage, 35);
    EXPECT_TRUE(Item(75).enabled);
    EXPECT_EQ(Item(75).tip, "Page suivante de l'aide.");
    EXPECT_EQ(Item(78).text, "35");
    while (HelpPage > 2) ASSERT_EQ(dialogs.Click(ItemRef(76)), kNoErr);
    ASSERT_EQ(dialogs.Click(ItemRef(76)), kNoErr);
    EXPECT_EQ(HelpPage, 1);
    EXPECT_FALSE(Item(76).enabled);
    EXPECT_EQ(Item(76).tip, "Première page de l'aide.");
}

TEST_F(PanelTest, AnotherNotificationDoesNotTurnThePage) {
    Start();
    sim::TheDialogs().Notify(sim::ToHandle(ItemRef(75)), kADMIntermediateChangedNotifier);
    EXPECT_EQ(HelpPage, 1);
}

TEST_F(PanelTest, TheFlyoutHidesAndShowsTheOptionsAndTheHelp) {
    Start();
    auto& dialogs = sim::TheDialogs();
    Plugin()->PanelDialogue->EnablePanelMenuEntries(1);
    const ADMItemRef menu = ItemRef(kADMMenuItemID);
    ASSERT_EQ(dialogs.Choose(menu, 1), kNoErr);
    EXPECT_EQ(Dialog().bounds.bottom, 106);
    EXPECT_EQ(Entry(kADMMenuItemID, 1)->text, "Afficher les options");
    EXPECT_EQ(gSettings.OptionsShown, 0);
    ASSERT_EQ(dialogs.Choose(menu, 10), kNoErr);  // the help needs the full height
    EXPECT_EQ(Dialog().bounds.right, 480);
    EXPECT_EQ(Dialog().bounds.bottom, 172);
    EXPECT_EQ(Entry(kADMMenuItemID, 10)->text, "Masquer l'aide");
    EXPECT_FALSE(Entry(kADMMenuItemID, 1)->enabled);
    ASSERT_EQ(dialogs.Choose(menu, 10), kNoErr);  // back to the height the options entry asks for
    EXPECT_EQ(Dialog().bounds.right, 240);
    EXPECT_EQ(Dialog().bounds.bottom, 106);
    EXPECT_TRUE(Entry(kADMMenuItemID, 1)->enabled);
    ASSERT_EQ(dialogs.Choose(menu, 1), kNoErr);
    EXPECT_EQ(Dialog().bounds.bottom, 172);
    EXPECT_EQ(gSettings.OptionsShown, 1);
}

TEST_F(PanelTest, EachFieldPicturePutsTheFocusIntoItsField) {
    Start();
    const std::pair<int32_t, int32_t> partners[] = {{8, 7},   {10, 9},  {16, 15}, {23, 22}, {26, 24}, {27, 25},
                                                    {30, 28}, {31, 29}, {34, 32}, {35, 33}, {38, 36}, {39, 37},
                                                    {51, 50}, {63, 62}, {67, 66}, {71, 70}, {73, 72}, {82, 65}};
    for (const auto& [picture, field] : partners) {
        sim::TheDialogs().Notify(sim::ToHandle(ItemRef(picture)), kADMIntermediateChangedNotifier);
        EXPECT_TRUE(Item(field).active) << picture;
        EXPECT_FALSE(Item(picture).active) << picture;
    }
}

}  // namespace
