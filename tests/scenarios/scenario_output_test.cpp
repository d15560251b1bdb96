// What a played scenario leaves: the SVG a user would see, the tree dump and the log.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;

// Plays `script` as NAME.scn in a fresh folder and expects success.
class PlayedScenario : public ::testing::Test {
  protected:
    void Play(const std::string& name, const std::string& script, std::vector<std::string> extra = {}) {
        folder.Write(name + ".scn", script);
        std::vector<std::string> arguments{name + ".scn", "--prefs", "prefs.txt"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const DriverResult result = folder.Run(arguments);
        ASSERT_EQ(result.status, 0) << result.errors;
        ASSERT_EQ(result.errors, "");
    }
    WorkFolder folder;
};

TEST_F(PlayedScenario, SvgHoldsLinesWithVFlippedAndAViewBoxWithAMargin) {
    Play("square", "path \"Carré\" 0,0 100,0 100,50 0,50 closed\n");
    const std::string svg = folder.Read("square.svg");
    EXPECT_EQ(
        svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"", 0),
        0u);
    // 100 x 50, a margin of 10 and half the stroke width on every side.
    EXPECT_THAT(svg, HasSubstr("viewBox=\"-10.5 -60.5 121 71\""));
    EXPECT_THAT(svg,
                HasSubstr("<path data-name=\"Carré\" d=\"M0,0 L100,0 L100,-50 L0,-50 Z\" stroke=\"#000000\" "
                          "stroke-width=\"1\" fill=\"none\"/>"));
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST_F(PlayedScenario, SvgWritesCurvesAsCubicBeziersAndClosesThem) {
    Play("curves", "path \"Arc\" 100,0 out 100,55.23 0,100 in 55.23,100\n"
                   "path \"Goutte\" 0,0 in 10,10 out 10,-10 smooth 20,0 in 10,-10 closed\n");
    const std::string svg = folder.Read("curves.svg");
    EXPECT_THAT(svg, HasSubstr("d=\"M100,0 C100,-55.23 55.23,-100 0,-100\""));
    // The closing segment is a curve when a handle leaves its anchor.
    EXPECT_THAT(svg, HasSubstr("d=\"M0,0 C10,10 10,10 20,0 C20,0 10,-10 0,0 Z\""));
}

TEST_F(PlayedScenario, SvgWritesEachVisibleLayerAsAGroupBottomFirstWithItsArtInPaintOrder) {
    Play("layers", "path \"Dessous\" 0,0 10,0\npath \"Dessus\" 0,5 10,5\n"
                   "layer \"Détails\"\npath \"Détail\" 0,10 10,10\n"
                   "layer \"Caché\"\npath \"Invisible\" 0,20 10,20\nhide \"Caché\"\n");
    const std::string svg = folder.Read("layers.svg");
    const size_t first = svg.find("<g data-layer=\"Calque 1\">");
    const size_t second = svg.find("<g data-layer=\"Détails\">");
    ASSERT_NE(first, std::string::npos) << svg;
    ASSERT_NE(second, std::string::npos) << svg;
    EXPECT_LT(first, second);
    EXPECT_LT(svg.find("data-name=\"Dessous\""), svg.find("data-name=\"Dessus\""));
    EXPECT_GT(svg.find("data-name=\"Détail\""), second);
    EXPECT_EQ(svg.find("Caché"), std::string::npos);
    EXPECT_EQ(svg.find("Invisible"), std::string::npos);
    // The hidden layer's art takes no room either: 0..10 across, 0..10 down.
    EXPECT_THAT(svg, HasSubstr("viewBox=\"-10.5 -20.5 31 31\""));
}

TEST_F(PlayedScenario, SvgWritesEveryPartOfThePathStyle) {
    Play("styles",
         "path \"Axe\" 0,0 100,0 stroke gray 0.5 width 0.25 dash 12 4 cap round join bevel\n"
         "path \"Patte\" 0,10 40,10 40,30 closed stroke rgb 0.1 0.2 0.6 fill cmyk 0 0 1 0 cap projecting\n"
         "path \"Plein\" 0,40 10,40 10,50 closed stroke none fill gray 0\n");
    const std::string svg = folder.Read("styles.svg");
    EXPECT_THAT(
        svg, HasSubstr("d=\"M0,0 L100,0\" stroke=\"#808080\" stroke-width=\"0.25\" stroke-linecap=\"round\" "
                       "stroke-linejoin=\"bevel\" stroke-dasharray=\"12 4\" fill=\"none\"/>"));
    EXPECT_THAT(svg, HasSubstr("d=\"M0,-10 L40,-10 L40,-30 Z\" stroke=\"#1a3399\" stroke-width=\"1\" "
                               "stroke-linecap=\"square\" fill=\"#ffff00\"/>"));
    EXPECT_THAT(svg, HasSubstr("d=\"M0,-40 L10,-40 L10,-50 Z\" stroke=\"none\" fill=\"#ffffff\"/>"));
}

TEST_F(PlayedScenario, SvgRaisesAToleranceByItsBaselineShiftAndLeavesTheValueOnTheBaseline) {
    const std::string script = R"(pref "VekTavorine" "Precision" int 2
path "Bord" 0,0 80,0
tool "Outil Segment"
panel click 58
move 40,0
down 40,0
drag 40,-20
up 40,-20
)";
    Play("tolerance", script);
    const std::string value = "font-size=\"12\" fill=\"#c4197f\">28,22 mm</tspan>";
    const std::string tolerance = "font-size=\"8.4\" fill=\"#c4197f\" baseline-shift=\"1.5\">±0,25</tspan>";
    EXPECT_THAT(folder.Read("tolerance.svg"), HasSubstr(value + "<tspan font-family=\"Arial\" " + tolerance));
}

TEST_F(PlayedScenario, SvgDrawsGuidesAsGuidesAndEscapesNames) {
    Play("guides", "path \"<Repère> & \\\"axe\\\"\" 0,0 0,100 guide width 3\n");
    const std::string svg = folder.Read("guides.svg");
    EXPECT_NE(
        svg.find(
            "<path data-name=\"&lt;Repère&gt; &amp; &quot;axe&quot;\" d=\"M0,0 L0,-100\" class=\"guide\" "
            "stroke=\"#4affff\" stroke-width=\"0.5\" fill=\"none\"/>"),
        std::string::npos)
        << svg;
}

TEST_F(PlayedScenario, TreeDumpListsLayersTopFirstWithArtAnchorsHandlesAndFlags) {
    Play("tree", "path \"Contour\" 0,0 200,0 200,120 closed width 1.5\n"
                 "layer \"Détails\"\n"
                 "path \"Courbe\" 0,160 out 60,220 200,160 in 140,220 smooth cap round\n"
                 "path 5,5 6,6 guide stroke none fill rgb 1 0 0\n"
                 "layer \"Fond\"\nlock \"Fond\"\nhide \"Fond\"\nlayer \"Détails\"\n");
    EXPECT_EQ(folder.Read("tree.tree.txt"),
              "layer \"Fond\" hidden locked colour=20303,65535,20303\n"
              "layer \"Détails\" visible unlocked colour=65535,20303,20303 current\n"
              "  path open guide stroke=none fill=rgb(1,0,0) anchors=[(5,5) (6,6)]\n"
              "  path \"Courbe\" open stroke=gray(1) width=1 cap=round join=miter miter=4 fill=none "
              "anchors=[(0,160 in 0,160 out 60,220) (200,160 in 140,220 out 200,160 smooth)]\n"
              "layer \"Calque 1\" visible unlocked colour=20303,32896,65535\n"
              "  path \"Contour\" closed stroke=gray(1) width=1.5 cap=butt join=miter miter=4 fill=none "
              "anchors=[(0,0) (200,0) (200,120)]\n");
}

TEST_F(PlayedScenario, DumpWritesTheTreeAsItStandsIntoTheLogOrANumberedFile) {
    Play("dumps", "path \"Un\" 0,0 1,1\ndump\ndump file\npath \"Deux\" 2,2 3,3\ndump file\n", {"-o", "out"});
    const std::string log = folder.Read("out/dumps.log");
    const size_t dump = log.find("== 2: dump\n");
    ASSERT_NE(dump, std::string::npos) << log;
    EXPECT_EQ(log.substr(dump, log.find("== 3:") - dump),
              "== 2: dump\nlayer \"Calque 1\" visible unlocked colour=20303,32896,65535 current\n"
              "  path \"Un\" open stroke=gray(1) width=1 cap=butt join=miter miter=4 fill=none "
              "anchors=[(0,0) (1,1)]\n");
    EXPECT_THAT(log, HasSubstr("tree written to out/dumps.1.tree.txt\n"));
    const std::string first = folder.Read("out/dumps.1.tree.txt");
    const std::string second = folder.Read("out/dumps.2.tree.txt");
    EXPECT_EQ(Count(first, "  path \""), 1u);
    EXPECT_EQ(Count(second, "  path \""), 2u);
    EXPECT_EQ(second, folder.Read("out/dumps.tree.txt"));
    EXPECT_TRUE(folder.Has("out/dumps.svg"));
    EXPECT_FALSE(folder.Has("dumps.svg"));
}

TEST_F(PlayedScenario, LogHoldsTheHostMessagesOfStartUpAndShutDownInOrder) {
    Play("log", "path 0,0 1,1\n");
    ExpectInOrder(folder.Read("log.log"),
                  {"== start-up\n", "call message SP Interface/Startup\n", "== application started\n",
                   "call message AI Notifier/AI Notify [AI Application Started Notifier]\n",
                   "== 1: path 0,0 1,1\n", "== shut-down\n",
                   "call message AI Notifier/AI Notify [AI Application Shutdown Notifier]\n",
                   "call message SP Interface/Shutdown\n"});
}

TEST_F(PlayedScenario, ALayerCommandSelectsAnExistingLayerInsteadOfMakingASecond) {
    Play("select", "layer \"Cotes\"\nlayer \"Calque 1\"\npath \"Ici\" 0,0 1,1\nlayer \"Cotes\"\n");
    const std::string tree = folder.Read("select.tree.txt");
    EXPECT_EQ(Count(tree, "layer \"Cotes\""), 1u);
    EXPECT_LT(tree.find("layer \"Calque 1\""), tree.find("  path \"Ici\""));
    EXPECT_THAT(tree, HasSubstr("layer \"Cotes\" visible unlocked colour=65535,20303,20303 current\n"));
}

TEST_F(PlayedScenario, AMenuChoiceUpdatesTheItemsThatAskThenReachesThePlugInAndLogsItsAlert) {
    Play("menu", "menu \"Vek-Tavorine...\"\n");
    const std::string log = folder.Read("menu.log");
    const size_t section = log.find("== 1: menu \"Vek-Tavorine...\"\n");
    ASSERT_NE(section, std::string::npos) << log;
    EXPECT_EQ(
        log.substr(section, log.find("== shut-down") - section),
        "== 1: menu \"Vek-Tavorine...\"\n"
        "call message AI Menu/AI Update [Vek-Tavorine Panel]\n"
        "call message AI Menu/AI Go [Vek-Tavorine About]\n"
        "alert about: Vek-Tavorine\\nCotation des tracés : segments, angles, cercles, courbes de Bézier, "
        "longueurs et aires.\n");
}

TEST_F(PlayedScenario, LeadingPreferencesAreSeededBeforeStartUpAndLaterOnesWhereThePlayReachesThem) {
    folder.Write("seed.scn", "# settings\npref \"VekTavorine\" \"Son\" bool true\n\npref \"VekTavorine\" "
                             "\"Precision\" int 3\npath 0,0 1,1\npref \"VekTavorine\" \"Precision\" int 4\n");
    const DriverResult result = folder.Run({"seed.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    // The plug-in read its settings at start-up, before the later line wrote.
    EXPECT_EQ(result.errors, "seed.scn:6: warning: the plug-in did not read \"VekTavorine\" \"Precision\" after "
                             "this line wrote it\n");
    const std::string log = folder.Read("seed.log");
    EXPECT_EQ(log.find("== 2: pref \"VekTavorine\" \"Son\" bool true\n"), 0u) << log;
    ExpectInOrder(log, {"== 2: pref \"VekTavorine\" \"Son\" bool true\n",
                        "== 4: pref \"VekTavorine\" \"Precision\" int 3\n", "== start-up\n",
                        "== 5: path 0,0 1,1\n", "== 6: pref \"VekTavorine\" \"Precision\" int 4\n",
                        "== shut-down\n"});
}

struct RefusedCase {
    const char* script;
    const char* message;
    const char* drawn = ""; // a part of the tree the lines before the failing one made
};

// What a text that no menu item shows is told: the texts the items show.
#define TAVORINE_MENU_TEXTS " (the items: \"Modules Vektoria\", \"Vek-Tavorine...\", \"Masquer Vek-Tavorine\")\n"

const RefusedCase kRefusedCases[] = {
    {"path 0,0 1,1\nlock \"Absent\"\n", "play.scn:2: no layer \"Absent\"\n", "anchors=[(0,0) (1,1)]"},
    {"show \"Absent\"\n", "play.scn:1: no layer \"Absent\"\n"},
    {"layer \"Cotes\"\nlock \"Cotes\"\npath 0,0 1,1\n",
     "play.scn:3: cannot draw on the locked layer \"Cotes\"\n", "layer \"Cotes\" visible locked"},
    {"hide \"Calque 1\"\npath 0,0 1,1\n", "play.scn:2: cannot draw on the hidden layer \"Calque 1\"\n",
     "layer \"Calque 1\" hidden unlocked"},
    // While the panel is shown the toggle reads "Masquer", never "Afficher".
    {"menu \"Afficher Vek-Tavorine\"\n", "play.scn:1: no menu item \"Afficher Vek-Tavorine\"" TAVORINE_MENU_TEXTS},
    {"menu \"Aide\"\n", "play.scn:1: no menu item \"Aide\"" TAVORINE_MENU_TEXTS},
    {"path \"Trait\" 0,0 10,0\ntool \"Outil Segment\"\npanel click 555\n",
     "play.scn:3: no item 555 in the dialog \"Tavorine\", whose items are -5, 0, 1, 5 to 96, 99, 100\n",
     "path \"Trait\" open"},
    {"panel choose 43 99\n",
     "play.scn:1: no entry 99 in item 43 of the dialog \"Tavorine\" (entries: 0 \"mm\", 1 \"cm\", 2 \"po (décimal)\", "
     "3 \"po (fractionnaire)\", 4 \"pi po (fractionnaire)\", 5 \"Point\", 6 \"Pica\", 7 \"m\", "
     "8 \"Cote (sans)\" (disabled), 9 \"Texte libre\" (disabled), 11 \"Afficher l'unité.\" (disabled))\n"},
    // The drawing changed as with the host's own tools: by a path's name, never an unnamed path.
    {"path \"Trait\" 0,0 10,0\ntranslate \"Trait\" 5,5\ndelete \"Absent\"\n",
     "play.scn:3: no path \"Absent\"\n", "anchors=[(5,5) (15,5)]"},
    {"path 0,0 10,0\ntranslate \"\" 5,5\n", "play.scn:2: no path \"\"\n", "anchors=[(0,0) (10,0)]"},
    {"path \"Trait\" 0,0 10,0\nreshape \"Trait\" 1 0,5\nreshape \"Trait\" 2 0,5\n",
     "play.scn:3: the path \"Trait\" has no anchor 2: its 2 anchors are numbered from 0\n",
     "anchors=[(0,0) (10,5)]"},
    {"layer \"Cotes\"\npath \"Trait\" 0,0 10,0\nlock \"Cotes\"\ndelete \"Trait\"\n",
     "play.scn:4: cannot change the path \"Trait\" on the locked layer \"Cotes\"\n", "path \"Trait\" open"},
    // The action that was to open the dialog was refused: the reason is said, not only logged.
    {"dialog \"prefs\"\n    ok\nend\npanel choose -5 8\n",
     "play.scn:4: no modal dialog opened for the actions of the dialog \"prefs\" written at line 1 (refused: item "
     "-5: no enabled entry 8)\n"},
    {"tool \"Outil Segment\"\ndialog \"creation\"\n    ok\nend\nmove 0,0\nclick 0,0\n",
     "play.scn:5: no modal dialog opened for the actions of the dialog \"creation\" written at line 2: this line opens "
     "no dialog; the block goes right before the line that opens it\n"},
};
#undef TAVORINE_MENU_TEXTS

class RefusedCommand : public ::testing::TestWithParam<RefusedCase> {};

// A failed run keeps the log, the document and the tree up to its failing line, and changes no settings.
TEST_P(RefusedCommand, StopsWithStatusOneNamingTheLineAndKeepsWhatTheLinesBeforeDid) {
    WorkFolder folder;
    const std::string stored = "\"VekTavorine\" \"Precision\" int 3\n";
    folder.Write("prefs.txt", stored);
    folder.Write("play.scn", GetParam().script);
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors, GetParam().message);
    ExpectStoppedAt(folder, "play", GetParam().script, GetParam().message);
    EXPECT_THAT(folder.Read("play.tree.txt"), HasSubstr(GetParam().drawn));
    EXPECT_EQ(folder.Read("prefs.txt"), stored);
}

INSTANTIATE_TEST_SUITE_P(Commands, RefusedCommand, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ExampleScenario, PlaysAndDrawsBothLayersAndTheirDimensions) {
    WorkFolder folder;
    const DriverResult result =
        folder.Run({TAVORINE_SOURCE_DIR "/examples/segment.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string svg = folder.Read("out/segment.svg");
    EXPECT_THAT(svg, HasSubstr("<g data-layer=\"Calque 1\">"));
    EXPECT_THAT(svg, HasSubstr("<g data-layer=\"Détails\">"));
    EXPECT_THAT(svg, HasSubstr("data-name=\"Contour\" d=\"M0,0 L200,0 L200,-120 L0,-120 Z\""));
    // The five drawn paths, the bottom edge's dimension (two line parts around its value, end marks and
    // extension lines: six paths) and the lug's (its value moved past the line's end, one line: five paths).
    EXPECT_EQ(Count(svg, "<path "), 16u);
    EXPECT_THAT(svg, HasSubstr(">70,56 mm</tspan></text>"));
    EXPECT_THAT(svg, HasSubstr(">21,17 mm</tspan></text>"));
    // Each dimension lies on the layer that was current at its click, linked to the path it measures.
    ExpectInOrder(folder.Read("out/segment.tree.txt"),
                  {"layer \"Détails\"", "  group \"Segment oblique\"", "contents=\"21,17 mm\"",
                   "  path \"Patte\" closed tags={surseg=string:1} ", "layer \"Calque 1\"",
                   "  group \"Segment oblique\"", "contents=\"70,56 mm\"",
                   "  path \"Contour\" closed tags={segpt1=string:1, segpt2=string:1} "});
    EXPECT_TRUE(folder.Has("out/segment.tree.txt"));
    EXPECT_TRUE(folder.Has("out/segment.log"));
    // The example's stored settings are an earlier session's: the start-up keeps them.
    const std::string prefs = folder.Read("out/prefs.txt");
    EXPECT_THAT(prefs, HasSubstr("\"VekTavorine\" \"Precision\" int 2\n"));
    EXPECT_THAT(prefs, HasSubstr("\"VekTavorine\" \"Son\" bool true\n"));
}

} // namespace
} // namespace scenarios
