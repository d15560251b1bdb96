// The panel and modal dialogs as a scenario plays them: item actions with their notifiers in the log, a
// dialog's actions played while it runs, pictures of the panel and of the dialog, and the refusals.
#include <gtest/gtest.h>

#include "DriverRun.h"
#include "driver/LogWriter.h"
#include "driver/Player.h"
#include "driver/Scenario.h"
#include "frame/FrameEntry.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "records/Records.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace {

using scenarios::Count;
using scenarios::ExpectInOrder;
using scenarios::WorkFolder;

// What the little test dialog ended with: the id of the item that ended it and its field's value.
int32_t gModalResult = 0;
float gFieldValue = 0.0f;

ASErr TestDialogInit(ADMDialogRef dialog) {
    const ADMRect field{20, 14, 84, 36};
    const ADMRect cancel{10, 62, 78, 82};
    const ADMRect ok{131, 62, 189, 82};
    ADMItemRef item = nullptr;
    sADMItem->Create(dialog, 10, kADMSpinEditType, &field, nullptr, nullptr, 0, &item);
    sADMItem->SetNotifyProc(item, [](ADMItemRef self, ADMNotifierRef) { sADMItem->GetFloatValue(self, &gFieldValue); });
    sADMItem->Create(dialog, 2, kADMTextPushButtonType, &cancel, nullptr, nullptr, 0, &item);
    sADMItem->SetText(item, "Annuler");
    sADMItem->Create(dialog, 1, kADMTextPushButtonType, &ok, nullptr, nullptr, 0, &item);
    sADMItem->SetText(item, "OK");
    return kNoErr;
}

// Runs the test dialog modally; nested while `nested` is set.
void OpenTestDialog(ADMItemRef, ADMNotifierRef) {
    SPPluginRef plugin = nullptr;
    ADMDialogRef panel = sim::TheDialogs().FindDialog("Tavorine");
    sADMDialog->GetPluginRef(panel, &plugin);
    sADMDialog->Modal(plugin, "bidon", 16401, kADMModalDialogStyle, TestDialogInit, nullptr, 0, &gModalResult);
}

class DialogScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRecords();
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
        for (const sim::ToolRecord& record : sim::TheTools().Records())
            if (record.title == "Outil Segment") sim::TheTools().Select(record.handle);
        // The web-page button opens the test dialog in these tests.
        sADMItem->SetNotifyProc(sim::TheDialogs().FindItem(sim::TheDialogs().FindDialog("Tavorine"), 6),
                                OpenTestDialog);
        gModalResult = 0;
        gFieldValue = 0.0f;
    }
    void TearDown() override {
        sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
        sim::ThePlugin().Shutdown();
    }
    // Plays a script in-process; answers the failure, or "" when it went through.
    std::string Play(const std::string& text) {
        const driver::Scenario scenario = driver::ParseScenario("play.scn", text);
        driver::Player player(scenario, log_, folder_.Path().string());
        try {
            player.PlayRest();
        } catch (const driver::PlayError& error) {
            return error.what();
        }
        return {};
    }
    std::string Log() { return log_.Text(); }

    WorkFolder folder_;
    driver::LogWriter log_;
};

TEST_F(DialogScenario, ADialogsActionsPlayWhileItRunsAndItsPictureIsWritten) {
    ASSERT_EQ(Play("dialog \"test\"\n"
                   "    enter 10 \"25,5\"\n"
                   "    draw\n"
                   "    ok\n"
                   "end\n"
                   "panel click 6\n"),
              "");
    EXPECT_EQ(gModalResult, 1);
    EXPECT_FLOAT_EQ(gFieldValue, 25.5f);
    ExpectInOrder(Log(), {"modal: bidon 16401\n", "notified Tavorine 6 ADM User Changed Notifier\n",
                          "dialog \"test\" opened: bidon\n", "dialog \"test\" 2: enter 10 \"25,5\"\n",
                          "notified bidon 10 ADM Intermediate Changed Notifier\n",
                          "notified bidon 10 ADM User Changed Notifier\n", "dialog \"test\" 3: draw\n",
                          "picture written to", "dialog \"test\" 4: ok\n", "notified bidon 1 ADM User Changed Notifier\n"});
    const std::string svg = folder_.Read("play.test.svg");
    EXPECT_NE(svg.find("data-dialog=\"bidon\""), std::string::npos);
    EXPECT_NE(svg.find(">25.5<"), std::string::npos) << svg;  // the field's value
    EXPECT_NE(svg.find(">OK<"), std::string::npos);
    EXPECT_NE(svg.find(">Annuler<"), std::string::npos);
}

TEST_F(DialogScenario, CancelEndsTheDialogByItsCancelItem) {
    ASSERT_EQ(Play("dialog \"test\"\n    cancel\nend\npanel click 6\n"), "");
    EXPECT_EQ(gModalResult, 2);
    EXPECT_EQ(Log().find("cancelled: the script gave it no dialog block"), std::string::npos);
    // Without actions the dialog manager cancels it, and the log says which dialog and why.
    gModalResult = 0;
    ASSERT_EQ(Play("panel click 6\n"), "");
    EXPECT_EQ(gModalResult, 2);
    ExpectInOrder(Log(), {"== 1: panel click 6\n", "modal: bidon 16401\nnotified Tavorine 6 ADM User Changed Notifier\n"
                          "dialog \"bidon\" cancelled: the script gave it no dialog block\n"
                          "notified bidon 2 ADM User Changed Notifier\n"});
}

TEST_F(DialogScenario, ActionsForADialogLeftUnplayedAtTheEndOfTheScriptFailTheRun) {
    EXPECT_EQ(Play("panel click 5\ndialog \"x\"\n    ok\nend\n"),
              "play.scn:2: the script ends and no modal dialog opened for the actions of the dialog \"x\"");
}

TEST_F(DialogScenario, ActionsForADialogThatNeverOpensFailTheRun) {
    const std::string failure = Play("dialog \"test\"\n    ok\nend\npanel click 5\n");
    EXPECT_EQ(failure, "play.scn:4: no modal dialog opened for the actions of the dialog \"test\" written at line 1: "
                       "this line opens no dialog; the block goes right before the line that opens it");
}

TEST_F(DialogScenario, AnItemThatDoesNotExistFailsTheRunByName) {
    EXPECT_EQ(Play("panel click 3\n"),
              "play.scn:1: no item 3 in the dialog \"Tavorine\", whose items are -5, 0, 1, 5 to 96, 99, 100");
    EXPECT_EQ(Play("dialog \"test\"\n    click 44\n    ok\nend\npanel click 6\n"),
              "play.scn:2: no item 44 in the dialog \"test\", whose items are -5, 1, 2, 10");
    // A dialog is named by its block's label and its title: several dialogs share one modal name.
    EXPECT_EQ(Play("dialog \"echelle\"\n    click 9999\n    ok\nend\npanel choose 12 26\n"),
              "play.scn:2: no item 9999 in the dialog \"echelle\" (title \"Échelle personnalisée.\"), whose items "
              "are -5, 1, 2, 10 to 13");
    EXPECT_EQ(gModalResult, 2);  // the dialog the failure left open was cancelled
}

TEST_F(DialogScenario, RefusedActionsAreLoggedAndThePlayGoesOn) {
    ASSERT_EQ(Play("panel click 76\n"            // the previous help page: disabled on page 1
                   "panel enter 17 \"deux\"\n"   // not a number: the decimals keep their value
                   "tool \"Outil Segment\"\n"
                   "panel enter 5 \"2\"\n"       // an action of the wrong kind: a button takes a click,
                   "panel enter 12 \"1/50\"\n"   // a popup a choice
                   "panel type 12 \"x\"\n"
                   "panel click 12\n"            // which sends no change notice
                   "click 0,0 alt\n"             // Alt-click hides the panel: a hand reaches none of its items
                   "panel click 5\n"),
              "");
    const std::string log = Log();
    EXPECT_NE(log.find("refused: item 76: the item is disabled\n"), std::string::npos);
    EXPECT_NE(log.find("refused: item 17: the text does not read as a number; the field keeps"), std::string::npos);
    EXPECT_NE(log.find("refused: item 5: the panel is hidden\n"), std::string::npos);
    const std::string button = "refused: item 5: the item is a button; it takes panel click\n";
    const std::string popup = "refused: item 12: the item is a popup; it takes panel choose\n";
    ExpectInOrder(log, {"enter 5 \"2\"\n" + button, "enter 12 \"1/50\"\n" + popup, "type 12 \"x\"\n" + popup,
                        "click 12\n" + popup});
    EXPECT_EQ(Count(log, "notified Tavorine 5 "), 0u);
    EXPECT_EQ(Count(log, "notified Tavorine 17 ADM Intermediate Changed Notifier"), 5u);  // deleted, 4 keys
    EXPECT_EQ(Count(log, "notified Tavorine 17 ADM User Changed Notifier"), 0u);
}

TEST_F(DialogScenario, ThePanelPictureShowsItsItemsByType) {
    ASSERT_EQ(Play("panel choose 12 3\n"
                   "panel draw\n"
                   "panel draw \"encore\"\n"
                   "panel draw\n"),
              "");
    const std::string svg = folder_.Read("play.panel.svg");
    EXPECT_TRUE(folder_.Has("play.panel.encore.svg"));
    EXPECT_TRUE(folder_.Has("play.panel.2.svg"));
    EXPECT_NE(svg.find("id=\"item-12\""), std::string::npos);
    EXPECT_NE(svg.find(">1/50<"), std::string::npos);            // the popup shows its chosen entry
    EXPECT_EQ(svg.find(">1/125<"), std::string::npos);           // and no other
    // Its title names every entry by the id a script chooses it by, separators left out.
    EXPECT_NE(svg.find("<title>12: Échelle du dessin\nentries: 0 &quot;1/125&quot;, 1 &quot;1/100&quot;, "),
              std::string::npos);
    EXPECT_NE(svg.find(", 9 &quot;Texte libre&quot;, 11 &quot;Afficher l'unité.&quot;</title>"), std::string::npos);
    EXPECT_NE(svg.find("data-picture=\"1001\""), std::string::npos);  // the reload button's picture
    EXPECT_NE(svg.find("data-picture=\"1076\""), std::string::npos);  // the scale marker, now shown
    EXPECT_NE(svg.find("id=\"item-76\" data-type=\"ADM Picture Push Button Type\" transform=\"translate(260,159)\" "
                       "opacity=\"0.4\""),
              std::string::npos);  // the disabled previous-page button is greyed
}

TEST(DialogSyntax, ADialogsActionsMustEndWithOkOrCancelThenEnd) {
    const auto error = [](const std::string& text) {
        try {
            driver::ParseScenario("bad.scn", text);
        } catch (const driver::ScenarioError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(error("dialog \"x\"\n  click 1\nend\n"),
              "bad.scn:3: expected \"ok\" or \"cancel\" before the end of the dialog started at line 1");
    EXPECT_EQ(error("dialog \"x\"\n  ok\n  click 1\nend\n"), "bad.scn:3: expected \"end\" after \"ok\" or \"cancel\"");
    EXPECT_EQ(error("dialog \"x\"\n  ok\n"),
              "bad.scn:1: expected \"end\" for the dialog started here before the end of the script");
    EXPECT_EQ(error("panel click\n"), "bad.scn:1: expected an item id, found end of line");
    EXPECT_EQ(error("panel drag 18 1,1\n"), "bad.scn:1: expected a point h,v in whole pixels, found end of line");
    EXPECT_EQ(error("panel track 18 down 1.5,2\n"), "bad.scn:1: expected a point h,v in whole pixels, found \"1.5,2\"");
    EXPECT_EQ(error("end\n"), "bad.scn:1: expected a command (layer, lock, unlock, hide, show, path, pref, dump, menu, "
                              "tool, move, down, drag, up, click, press, release, draw, panel, dialog, translate, "
                              "reshape, delete), found \"end\"");
}

}  // namespace

namespace {

TEST(PanelExample, ThePanelExampleDrawsEachToolsPageTheCoverTheHelpTheScaleAndTheReload) {
    const scenarios::WorkFolder folder;
    const scenarios::DriverResult result =
        folder.Run({TAVORINE_SOURCE_DIR "/examples/panel.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const auto picture = [&](const std::string& label) {
        return folder.Read("out/panel.panel" + (label.empty() ? std::string() : "." + label) + ".svg");
    };
    const auto disabled = [](const std::string& svg, int32_t id) {
        const size_t at = svg.find("id=\"item-" + std::to_string(id) + "\"");
        return at != std::string::npos && svg.find("data-disabled=\"1\"", at) < svg.find('>', at);
    };
    // As built, before any tool: the Segment page, disabled under the cover; 240 by 172.
    const std::string built = picture("");
    EXPECT_NE(built.find("viewBox=\"-1 -17 242 190\""), std::string::npos);
    EXPECT_NE(built.find(">Segment 13.2<"), std::string::npos);
    EXPECT_TRUE(disabled(built, 7));
    // The Segment page: its fields in millimetres and its pictures.
    const std::string segment = picture("segment");
    EXPECT_FALSE(disabled(segment, 7));
    EXPECT_NE(segment.find(">mm<"), std::string::npos);
    EXPECT_NE(segment.find("id=\"item-15\""), std::string::npos);      // the side ties
    EXPECT_EQ(segment.find("id=\"item-50\""), std::string::npos);      // not the arc radius
    EXPECT_NE(segment.find("data-picture=\"1071\""), std::string::npos);  // parallel chosen
    EXPECT_NE(segment.find("data-picture=\"1089\""), std::string::npos);  // the text centred
    // The Angle page: the arc radius, the format popup, no unit popup.
    const std::string angle = picture("angle");
    EXPECT_NE(angle.find(">Angle 13.2<"), std::string::npos);
    EXPECT_NE(angle.find("id=\"item-50\""), std::string::npos);
    EXPECT_NE(angle.find(">Degrés (x,y°)<"), std::string::npos);
    EXPECT_EQ(angle.find("id=\"item-43\""), std::string::npos);
    EXPECT_NE(angle.find("data-picture=\"1120\""), std::string::npos);
    // Longueurs & aires: the read-outs and the two warning lines.
    const std::string measure = picture("longueurs");
    EXPECT_NE(measure.find(">L (sélection)=<"), std::string::npos);
    EXPECT_NE(measure.find(">sinon, elle est juste.<"), std::string::npos);
    EXPECT_EQ(measure.find("id=\"item-7\""), std::string::npos);
    // The host's tool chosen: the last page disabled under the cover, the unit popup still enabled.
    const std::string covered = picture("desactive");
    EXPECT_TRUE(disabled(covered, 12));
    EXPECT_FALSE(disabled(covered, 43));
    EXPECT_NE(picture("options-masquees").find("viewBox=\"-1 -17 242 124\""), std::string::npos);
    const std::string help = picture("aide");
    EXPECT_NE(help.find("viewBox=\"-1 -17 482 190\""), std::string::npos);
    EXPECT_NE(help.find(">FLéCHES/POINTS<"), std::string::npos);
    EXPECT_NE(picture("echelle").find(">1/50<"), std::string::npos);
    EXPECT_NE(picture("echelle").find("data-picture=\"1076\""), std::string::npos);
    const std::string reloaded = picture("rechargement");
    EXPECT_EQ(reloaded.find(">1/50<"), std::string::npos);
    EXPECT_EQ(reloaded.find("data-picture=\"1076\""), std::string::npos);
    const std::string log = folder.Read("out/panel.log");
    EXPECT_NE(log.find("== 42: panel choose 12 3\nnotified Tavorine 12 ADM User Changed Notifier\n"),
              std::string::npos)
        << log;
}

}  // namespace
