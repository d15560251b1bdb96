// The panel's set-up: dialog positions from the screen, docking, size and visibility, the scale marker and the
// custom scale entry, a second application-started notifier, and what shut-down keeps of the panel.
#include "case_name.h"
#include "frame/FramePanel.h"
#include "panel/PanelProcedures.h"
#include "panel/ScalePopup.h"
#include "panel/TavorineDialogue.h"
#include "records/ToolState.h"
#include "frame/Settings.h"
#include "panel_fixture.h"
#include "records/DialogPositions.h"
#include "simhost/Platform.h"

namespace {

using paneltest::PanelTest;

TEST_F(PanelTest, DialogPositionsAreCentredAThirdOfTheWayDown) {
    sim::ThePlatform().SetScreen({0, 0, 1024, 768});
    gDialogOpenFlags.PrefsDialogOpen = 1;
    gDialogOpenFlags.BezierDialogOpen = 1;
    Start();
    const DialogPositions& p = gDialogPositions;
    EXPECT_EQ(p.PrefsDialogBounds.left, (1024 - 460) / 2);
    EXPECT_EQ(p.PrefsDialogBounds.top, (768 - 395) / 3);
    EXPECT_EQ(p.CustomScaleDialogBounds.left, 412);
    EXPECT_EQ(p.CustomScaleDialogBounds.top, 216);
    EXPECT_EQ(p.CustomScaleDialogBounds.right, 612);
    EXPECT_EQ(p.BezierDialogBounds.left, 202);
    EXPECT_EQ(p.BezierDialogBounds.top, 61);
    EXPECT_EQ(p.ColourDialogBounds.left, 405);
    EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 0);
    EXPECT_EQ(gDialogOpenFlags.BezierDialogOpen, 0);
    EXPECT_EQ(ScreenBounds.right, 1024);
}

TEST_F(PanelTest, AScreenSmallerThanADialogGivesNegativePositions) {
    ComputeDialogPositions({0, 0, 401, 300});
    // (401 - 460) shifted right by one rounds down; (300 - 395) / 3 truncates toward zero.
    EXPECT_EQ(gDialogPositions.PrefsDialogBounds.left, -30);
    EXPECT_EQ(gDialogPositions.PrefsDialogBounds.top, -31);
    EXPECT_EQ(gDialogPositions.BezierDialogBounds.bottom, -95 + 585);
}

TEST_F(PanelTest, TheColourDialogReferenceIsLeftAlone) {
    int colourDialog = 0;
    gDialogOpenFlags.ColourDialogRef = reinterpret_cast<ADMDialogRef>(&colourDialog);
    Start();
    EXPECT_EQ(gDialogOpenFlags.ColourDialogRef, reinterpret_cast<ADMDialogRef>(&colourDialog));
    gDialogOpenFlags.ColourDialogRef = nullptr;
}

struct DockCase {
    bool storeGroup;
    sim::PrefValue group;
    bool storeCode;
    sim::PrefValue code;
    const char* expectedGroup;
    int32_t expectedCode;
};

class Docking : public PanelTest, public ::testing::WithParamInterface<DockCase> {};

TEST_P(Docking, TheStoredGroupAndCodeElseTheDefaults) {
    const DockCase& c = GetParam();
    if (c.storeGroup) Seed(kDockGroupKey, c.group, kDockPrefix);
    if (c.storeCode) Seed(kDockCodeKey, c.code, kDockPrefix);
    Start();
    EXPECT_EQ(Dialog().groupName, c.expectedGroup);
    EXPECT_EQ(Dialog().groupCode, c.expectedCode);
    EXPECT_EQ(Dialog().style, kADMTabbedFloatingDialogStyle);
    EXPECT_EQ(Dialog().resourceID, 16400);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, Docking,
    ::testing::Values(DockCase{false, {}, false, {}, "SDK Dialogs", 7168},
                      DockCase{true, sim::PrefValue::String("Outils"), true, sim::PrefValue::Int(3), "Outils", 3},
                      // A group or code of the wrong type keeps the default.
                      DockCase{true, sim::PrefValue::Int(4), true, sim::PrefValue::String("7"), "SDK Dialogs", 7168}),
    [](const auto& info) {
        return CaseName(info.param.expectedGroup, info.param.expectedCode, "from", info.index);
    });

struct SizeCase {
    bool optionsShown;
    int32_t bottom;
    const char* entryText;
};

class Size : public PanelTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(Size, TheOptionsSettingGivesTheHeightAndTheFlyoutText) {
    Seed("Precision", sim::PrefValue::Int(2));  // not a first run, which would write every default
    Seed("PanneauGrand", sim::PrefValue::Bool(GetParam().optionsShown));
    Start();
    EXPECT_EQ(Dialog().bounds.right, 240);
    EXPECT_EQ(Dialog().bounds.bottom, GetParam().bottom);
    EXPECT_EQ(Entry(kADMMenuItemID, 1)->text, GetParam().entryText);
}

INSTANTIATE_TEST_SUITE_P(Options, Size,
                         ::testing::Values(SizeCase{false, 106, "Afficher les options"},
                                           SizeCase{true, 172, "Masquer les options"}),
                         [](const auto& info) { return CaseName(info.param.entryText); });

TEST_F(PanelTest, TheFlyoutComesFromMenu128DisabledUntilAToolIsChosen) {
    Start();
    EXPECT_EQ(Entries(kADMMenuItemID),
              (std::vector<std::string>{"1:Masquer les options", "2:Flèches/Points", "-", "4:Couleurs...",
                                        "5:Autres options...", "6:Éditeur de flèche...", "-", "8:Préférences...",
                                        "-", "10:Afficher l'aide"}));
    for (int32_t id : {1, 2, 4, 5, 6, 8, 10}) EXPECT_FALSE(Entry(kADMMenuItemID, id)->enabled) << id;
    // Its notifier runs through the panel's one notification, as every item's does.
    EXPECT_EQ(Item(kADMMenuItemID).notifyProc, Item(kArrowsPointsItem).notifyProc);
}

TEST_F(PanelTest, AHiddenPanelStaysHiddenAndTheMenuOffersToShowIt) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("PanneauVisible", sim::PrefValue::Bool(false));
    Start();
    EXPECT_FALSE(Dialog().visible);
    EXPECT_FALSE(Plugin()->PanelDialogue->IsShown());
    Plugin()->PanelDialogue->SetShown(true);
    EXPECT_TRUE(Dialog().visible);
}

TEST_F(PanelTest, ASecondApplicationStartedLeavesThePanelAsItIs) {
    Start();
    DockedPanel* first = Plugin()->PanelDialogue;
    const ADMDialogRef dialog = Panel();
    gToolState.CurrentTool = kCircleTool;
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    EXPECT_EQ(Plugin()->PanelDialogue, first);
    EXPECT_EQ(Panel(), dialog);
    EXPECT_EQ(sim::TheDialogs().OpenDialogs().size(), 1u);
    EXPECT_EQ(gToolState.CurrentTool, kCircleTool);
}

TEST_F(PanelTest, ShutDownWritesTheDockCodeTheDestroyedPanelHad) {
    Start();
    Dialog().groupCode = 1234;  // the user docked the palette elsewhere
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    EXPECT_EQ(PanelDialog, nullptr);
    EXPECT_EQ(sim::TheDialogs().FindDialog("Tavorine"), nullptr);
    sim::ThePlugin().Shutdown();
    const std::optional<sim::PrefValue> code = sim::ThePreferences().Get(kDockPrefix, kDockCodeKey);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(code->intValue, 1234);
}

struct ScaleCase {
    double numerator;
    double denominator;
    bool markerShown;
    int32_t chosen;
};

class ScaleAtStart : public PanelTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleAtStart, TheStoredScaleChoosesItsEntryAndTheMarker) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("EchelleNum", sim::PrefValue::Real(GetParam().numerator));
    Seed("EchelleDen", sim::PrefValue::Real(GetParam().denominator));
    Start();
    EXPECT_EQ(Item(14).visible, GetParam().markerShown);
    if (GetParam().markerShown) {
        EXPECT_EQ(Item(14).tip, "Indique que l'échelle n'est pas 1.");
    }
    EXPECT_EQ(Chosen(12), GetParam().chosen);
    if (GetParam().chosen >= 0) {
        EXPECT_TRUE(Entry(12, GetParam().chosen)->checked);
    }
    EXPECT_DOUBLE_EQ(gSettings.ScaleRatio, static_cast<double>(static_cast<float>(GetParam().numerator)) /
                                               static_cast<float>(GetParam().denominator));
}

INSTANTIATE_TEST_SUITE_P(Stored, ScaleAtStart,
                         ::testing::Values(ScaleCase{1, 1, false, 12}, ScaleCase{1, 100, true, 1},
                                           ScaleCase{125, 1, true, 24}, ScaleCase{3, 7, true, 27},
                                           ScaleCase{2.5, 1, true, 28}),  // no other entry reads 2.5/1
                         [](const auto& info) { return CaseName(info.param.numerator, "to", info.param.denominator); });

struct CustomCase {
    double numerator;
    double denominator;
    const char* text;
    bool enabled;
};

class CustomEntry : public PanelTest, public ::testing::WithParamInterface<CustomCase> {};

TEST_P(CustomEntry, TheCustomScaleEntryReadsBothValues) {
    Start();
    gSettings.CustomScaleNumerator = GetParam().numerator;
    gSettings.CustomScaleDenominator = GetParam().denominator;
    SetCustomScaleEntry(ItemRef(12));
    EXPECT_EQ(Entry(12, 27)->text, GetParam().text);
    EXPECT_EQ(Entry(12, 27)->enabled, GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(Stored, CustomEntry,
                         ::testing::Values(CustomCase{3, 7, "3/7", true}, CustomCase{2.5, 1, "2.5/1", true},
                                           CustomCase{1, 1234567.5, "1/1234567.5", true},
                                           CustomCase{0, 7, "…/…", false}, CustomCase{3, 0, "…/…", false}),
                         [](const auto& info) { return CaseName(info.param.numerator, "to", info.param.denominator); });

}  // namespace
