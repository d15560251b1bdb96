// Tool selection, the mouse and held keys as a scenario plays them against the host.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;

constexpr int kRunFailed = 1;

struct RefusedCase {
    const char* script;
    const char* message;
};

// What a title that names no tool is told: the titles there are.
#define TAVORINE_TOOL_TITLES                                                                                  \
    " (the tools: \"Select Tool\", \"Eyedropper Tool\", \"Outil Segment\", \"Outil Angle\", \"Outil Cercle\", " \
    "\"Outil Bézier\", \"Outil Longueurs & aires\")\n"

const RefusedCase kRefusedCases[] = {
    {"tool \"Outil Inconnu\"\n", "play.scn:1: no tool \"Outil Inconnu\"" TAVORINE_TOOL_TITLES},
    // Titles are matched exactly, case included.
    {"tool \"select tool\"\n", "play.scn:1: no tool \"select tool\"" TAVORINE_TOOL_TITLES},
    // The host sends tool messages only to a plug-in tool.
    {"move 10,20\n", "play.scn:1: the selected tool \"Select Tool\" is not the plug-in's\n"},
    {"tool \"Eyedropper Tool\"\nclick 10,20 shift\n",
     "play.scn:2: the selected tool \"Eyedropper Tool\" is not the plug-in's\n"},
    // The host sends a drag or a release only while the button is down, and no move, press or tool change
    // then.
    {"tool \"Outil Segment\"\ndrag 10,20\n", "play.scn:2: the mouse button is not down\n"},
    {"tool \"Outil Segment\"\nclick 10,20\nup 10,20\n", "play.scn:3: the mouse button is not down\n"},
    {"tool \"Outil Segment\"\ndown 10,20\nmove 10,30\n", "play.scn:3: the mouse button is still down\n"},
    {"tool \"Outil Segment\"\ndown 10,20\nclick 10,30\n", "play.scn:3: the mouse button is still down\n"},
    {"tool \"Outil Segment\"\ndown 10,20\ndown 10,30\n", "play.scn:3: the mouse button is still down\n"},
    {"tool \"Outil Segment\"\ndown 10,20\ntool \"Outil Angle\"\n",
     "play.scn:3: the mouse button is still down\n"},
    {"tool \"Outil segment\"\n", "play.scn:1: no tool \"Outil segment\"" TAVORINE_TOOL_TITLES},
};
#undef TAVORINE_TOOL_TITLES

class RefusedMouseCommand : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedMouseCommand, StopsWithStatusOneNamingTheLineAndKeepsTheLogUpToIt) {
    WorkFolder folder;
    folder.Write("play.scn", GetParam().script);
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    EXPECT_EQ(result.status, kRunFailed);
    EXPECT_EQ(result.errors, GetParam().message);
    ExpectStoppedAt(folder, "play", GetParam().script, GetParam().message);
    EXPECT_FALSE(folder.Has("prefs.txt"));
}

INSTANTIATE_TEST_SUITE_P(Commands, RefusedMouseCommand, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ToolCommand, SelectsAHostToolByItsTitleAndLogsTheChangeInItsSection) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Eyedropper Tool\"\ntool \"Eyedropper Tool\"\npress shift alt\n"
                             "release alt\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    // Choosing the tool already selected changes nothing and sends nothing.
    ExpectInOrder(log, {"== 1: tool \"Eyedropper Tool\"\ncall Tool.SetSelectedTool Eyedropper Tool\n",
                        "== 2: tool \"Eyedropper Tool\"\n== 3: press shift alt\n== 4: release alt\n"});
    EXPECT_EQ(Count(log, "Tool.SetSelectedTool"), 1u);
}

// The tip the Info panel shows tells which keys the plug-in read as held at a cursor move.
TEST(MouseCommand, KeysAfterThePointsAreHeldForThatCommandOnlyAndPressedKeysUntilReleased) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Outil Angle\"\n"
                             "move 10,20 shift\n"
                             "move 10,20\n"
                             "press alt\n"
                             "move 10,20\n"
                             "move 10,20 rshift\n"
                             "release alt\n"
                             "move 30,40 rshift\n"
                             "tool \"Select Tool\"\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    // The message, the cursor the plug-in chose, then the Info panel's point.
    const auto track = [](const std::string& cursor, const std::string& point) {
        return "call message AI Tool/AI Track Cursor [Outil Angle]\ncursor " + cursor + "\n" + point;
    };
    const std::string at = "info: 15=10\ninfo: 16=20\n";
    ExpectInOrder(
        log,
        {"== 1: tool \"Outil Angle\"\ncall Tool.SetSelectedTool Outil Angle\n"
         "call message AI Tool/AI Select [Outil Angle]\n",
         "== 2: move 10,20 shift\n" + track("1118", at) +
             "info: 23=Clic pour l'outil suivant de Vek-Tavorine.\ninfo: 19=\n",
         "== 3: move 10,20\n" + track("1102", at) + "info: 23=Clic sommet, côté angle ou arc.\ninfo: 19=\n",
         "== 4: press alt\n== 5: move 10,20\n" + track("1103", at) +
             "info: 23=Cache le panneau Vek-Tavorine.\ninfo: 19=\n",
         // Alt and the right Shift together are no gesture: the tool's own tip, and the Angle
         // tool's cursor for that pair.
         "== 6: move 10,20 rshift\n" + track("1104", at) +
             "info: 23=Clic sommet, côté angle ou arc.\ninfo: 19=\n",
         "== 7: release alt\n== 8: move 30,40 rshift\n" + track("1118", "info: 15=30\ninfo: 16=40\n") +
             "info: 23=Clic pour l'outil suivant de Vek-Tavorine.\ninfo: 19=\n",
         "== 9: tool \"Select Tool\"\ncall Tool.SetSelectedTool Select Tool\n"
         "call message AI Tool/AI Deselect [Outil Angle]\n== shut-down\n"});
}

// A double-click on a plug-in tool selects it, then asks it for its options: the preferences dialog runs
// (and, with no action given for it, closes as Escape would). A host tool is only selected.
TEST(ToolCommand, ADoubleClickOpensTheToolsOptions) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Outil Angle\" double\ntool \"Eyedropper Tool\" double\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    ExpectInOrder(log, {"== 1: tool \"Outil Angle\" double\ncall Tool.SetSelectedTool Outil Angle\n"
                        "call message AI Tool/AI Select [Outil Angle]\n"
                        "call message AI Tool/AI Edit Options [Outil Angle]\n",
                        "modal: bidon 16900\n"
                        "dialog \"Préférences (Vek-Tavorine).\" cancelled: the script gave it no dialog block\n"
                        "notified bidon 2 ADM User Changed Notifier\n",
                        "== 2: tool \"Eyedropper Tool\" double\n"});
    EXPECT_EQ(Count(log, "AI Edit Options"), 1u);
    folder.Write("bad.scn", "tool \"Outil Angle\" twice\n");
    EXPECT_THAT(folder.Run({"bad.scn"}).errors, HasSubstr("bad.scn:1: expected double or end of line"));
}

TEST(MouseCommand, AClickSendsDownThenUpAndADragOneMessagePerPoint) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Outil Cercle\"\nclick 5,5\ndown 5,5\ndrag 6,6 7,7 8,8\nup 8,8\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    // The click on empty canvas opened the Cercle tool's creation dialog, which nobody answered.
    ExpectInOrder(log, {"== 2: click 5,5\ncall message AI Tool/AI Mouse Down [Outil Cercle]\n"
                        "call message AI Tool/AI Mouse Up [Outil Cercle]\nmodal: ModèleBidon 17600\n"
                        "dialog \"Création cercle/arc/secteur (Vek-Tavorine).\" cancelled: the script gave it no "
                        "dialog block\nnotified ModèleBidon 2 ADM User Changed Notifier\n",
                        "== 3: down 5,5\ncall message AI Tool/AI Mouse Down [Outil Cercle]\n",
                        "== 4: drag 6,6 7,7 8,8\n",
                        "== 5: up 8,8\ncall message AI Tool/AI Mouse Up [Outil Cercle]\n"});
    const size_t drag = log.find("== 4: drag");
    EXPECT_EQ(Count(log.substr(drag, log.find("== 5:") - drag),
                    "call message AI Tool/AI Mouse Drag [Outil Cercle]\n"),
              3u);
}

// Control held by `press` reaches the plug-in at the next move: the two-anchor measure under way is
// cancelled.
TEST(MouseCommand, ControlHeldAfterAFirstAnchorCancelsTheSegmentMeasure) {
    WorkFolder folder;
    folder.Write("play.scn", "path \"L\" 0,0 100,0\ntool \"Outil Segment\"\nmove 0,0\nclick 0,0\ndump\n"
                             "press control\nmove 50,20\ndraw\nrelease control\ndump\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    // The first anchor's skeleton is there before the cancel and gone after it.
    ExpectInOrder(log,
                  {"== 5: dump\n", "  group \"Segment oblique\" attrs=selected,fully-selected\n",
                   "== 6: press control\n",
                   "== 7: move 50,20\ncall message AI Tool/AI Track Cursor [Outil Segment]\n== 8: draw\n",
                   "drawn text \"Clic annulé.\" (66,748)", "== 10: dump\n"});
    const std::string last = log.substr(log.find("== 10: dump\n"));
    EXPECT_EQ(Count(last, "group "), 0u) << last;
}

// Shift alone at a press hands over to the next tool; the press's release still goes to the tool it began
// with.
TEST(MouseCommand, AClickWithShiftSelectsTheNextTool) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Outil Longueurs & aires\"\nclick 30,30 shift\nmove 30,30\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    ExpectInOrder(log,
                  {"== 2: click 30,30 shift\ncall message AI Tool/AI Mouse Down [Outil Longueurs & aires]\n"
                   "call Tool.SetSelectedTool Outil Segment\n"
                   "call message AI Tool/AI Deselect [Outil Longueurs & aires]\n"
                   "call message AI Tool/AI Select [Outil Segment]\n"
                   "call message AI Tool/AI Mouse Up [Outil Longueurs & aires]\n",
                   // Shift was held for the click only: the next move is a plain one of the new tool.
                   "== 3: move 30,30\ncall message AI Tool/AI Track Cursor [Outil Segment]\ncursor 1102\n"});
}

// The alert of a refused click is logged in the section of the line that clicked.
TEST(MouseCommand, AClickOnALockedLayerLogsTheAlertAndBuildsNothing) {
    WorkFolder folder;
    folder.Write("play.scn", "path \"L\" 0,0 100,0\nlock \"Calque 1\"\ntool \"Outil Segment\"\nmove 50,0\n"
                             "click 50,0\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    ExpectInOrder(log, {"== 5: click 50,0\ncall message AI Tool/AI Mouse Down [Outil Segment]\n"
                        "call message AI Tool/AI Mouse Up [Outil Segment]\n"
                        "alert message: Tavorine impossible. Calque verrouillé.\n== shut-down\n"});
    EXPECT_EQ(Count(folder.Read("play.tree.txt"), "group"), 0u);
}

} // namespace
} // namespace scenarios
