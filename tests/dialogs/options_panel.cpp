// The option dialogs opened from the docked panel, and what their OKs change on it.
#include "options_fixture.h"

#include "frame/ArrowHeads.h"
#include "panel/PanelState.h"
#include "records/CurrentOptions.h"
#include "simhost/Platform.h"
#include "resources/ResourceIds.h"

namespace optionstest {
namespace {

class FromThePanel : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
        ASSERT_NE(PanelDialog, nullptr);
        Select(1);  // the panel lays out the Segment page and enables its flyout
    }
    static ADMItemRef PanelRef(int32_t id) { return Dialogs().FindItem(PanelDialog, id); }
    static sim::ItemData& PanelData(int32_t id) { return *Dialogs().Item(PanelRef(id)); }
    static std::string EntryText(int32_t item, int32_t entryID) {
        for (uintptr_t handle : Dialogs().ListByHandle(PanelData(item).list)->entries)
            if (const sim::EntryData* entry = Dialogs().EntryByHandle(handle); entry->id == entryID) return entry->text;
        return "(none)";
    }
};

TEST_F(FromThePanel, EachColourButtonOpensTheColourDialogWhoseOkRedrawsThem) {
    for (int32_t button : {kLineColourItem, kTextColourItem}) {
        const int32_t strokeBefore = PanelData(kLineColourItem).invalidations;
        const int32_t textBefore = PanelData(kTextColourPictureItem).invalidations;
        Dialogs().QueueModalResponder([](ADMDialogRef dialog) { Press(dialog, kColourOkButton); });
        ASSERT_EQ(Dialogs().Click(PanelRef(button)), kNoErr);
        EXPECT_EQ(Dialogs().PendingResponders(), 0u) << button;
        EXPECT_EQ(PanelData(kLineColourItem).invalidations, strokeBefore + 1);
        EXPECT_EQ(PanelData(kTextColourPictureItem).invalidations, textBefore + 1);
    }
    EXPECT_EQ(sim::TheLogs().modalRuns, (std::vector<std::string>{"ModèleBidon 16700", "ModèleBidon 16700"}));
}

// The fourth end-mark shape's button: with Alt held it only opens the arrow-head editor, as its tip says;
// without, it chooses the shape.
TEST_F(FromThePanel, TheFourthShapeButtonWithAltOpensTheArrowHeadEditor) {
    for (const bool alt : {true, false}) {
        sim::TheLogs().modalRuns.clear();
        sim::ThePlatform().SetKeyDown(VK_MENU, alt);
        if (alt) Dialogs().QueueModalResponder([](ADMDialogRef dialog) { Press(dialog, 2); });
        ASSERT_EQ(Dialogs().Click(PanelRef(kArrowShape4Item)), kNoErr);
        sim::ThePlatform().SetKeyDown(VK_MENU, false);
        EXPECT_EQ(sim::TheLogs().modalRuns, alt ? std::vector<std::string>{"bidon 17000"} : std::vector<std::string>{});
        EXPECT_EQ(Dialogs().PendingResponders(), 0u);
        EXPECT_EQ(gCurrentOptions.ArrowPreset == kCustomArrowPreset, !alt);
    }
}

TEST_F(FromThePanel, TheFlyoutOpensTheOtherOptionsWhoseOkRedrawsTheDecimalsIndicator) {
    const int32_t before = PanelData(kDecimalsPictureItem).invalidations;
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        Press(dialog, kPointRadio);
        Press(dialog, kOtherOptionsOkButton);
    });
    ASSERT_EQ(Dialogs().Choose(PanelRef(kADMMenuItemID), kFlyoutOtherOptionsEntry), kNoErr);
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"ModèleBidon 17300"});
    EXPECT_EQ(PanelData(kDecimalsPictureItem).invalidations, before + 1);
    EXPECT_EQ(gSettings.DecimalSeparator, '.');
}

TEST_F(FromThePanel, ModifyInTheFreeTextMenuOpensTheDialogWhoseOkRenamesTheEntries) {
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        Dialogs().Type(Item(dialog, kFirstFreeTextField + 3), "Épaisseur");
        Press(dialog, kFreeTextOkButton);
    });
    ASSERT_EQ(Dialogs().Choose(PanelRef(kUnitPopupItem), 9), kNoErr);  // "Texte libre": the free-text menu opens up
    ASSERT_EQ(Dialogs().Choose(PanelRef(kFreeTextMenuItem), 6), kNoErr);
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"bidon 17800"});
    EXPECT_EQ(EntryText(kFreeTextMenuItem, 3), "Épaisseur");
    EXPECT_EQ(EntryText(kFreeTextMenuItem, 0), "Longueur");
    ASSERT_EQ(Dialogs().Choose(PanelRef(kFreeTextMenuItem), 3), kNoErr);  // a text goes into the field
    EXPECT_EQ(PanelData(kFreeTextItem).text, "Épaisseur");
}

TEST_F(FromThePanel, AFreeTextEmptiedInTheDialogEmptiesItsMenuEntry) {
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        Dialogs().Type(Item(dialog, kFirstFreeTextField + 2), "");
        Press(dialog, kFreeTextOkButton);
    });
    ASSERT_EQ(Dialogs().Choose(PanelRef(kUnitPopupItem), 9), kNoErr);
    ASSERT_EQ(Dialogs().Choose(PanelRef(kFreeTextMenuItem), 6), kNoErr);
    EXPECT_EQ(EntryText(kFreeTextMenuItem, 2), "");
    EXPECT_EQ(StoredText("TexteLibre3"), "");
    EXPECT_EQ(EntryText(kFreeTextMenuItem, 1), "Largeur");
}

TEST_F(FromThePanel, TheFontStepMovesThePanelsFontAtOnce) {
    const int32_t before = gCurrentOptions.FontIndex;
    Dialogs().QueueModalResponder([](ADMDialogRef dialog) {
        Press(dialog, kExpandButton);
        Enter(dialog, kFontStepEdit, "1");
    });
    ASSERT_EQ(Dialogs().Choose(PanelRef(kADMMenuItemID), kFlyoutOtherOptionsEntry), kNoErr);
    EXPECT_EQ(gSettings.FontStep, 1);  // kept by "Annuler"
    EXPECT_EQ(gCurrentOptions.FontIndex, before + 1);
    int32_t chosen = -1;
    for (uintptr_t handle : Dialogs().ListByHandle(PanelData(kFontItem).list)->entries)
        if (const sim::EntryData* entry = Dialogs().EntryByHandle(handle); entry->selected) chosen = entry->id;
    EXPECT_EQ(chosen, before + 1);
}

}  // namespace
}  // namespace optionstest
