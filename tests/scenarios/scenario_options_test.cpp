// The option dialogs' example played end to end: each dialog drawn while it runs, then a dimension in the new
// colours, dashes and decimal point.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(OptionsScenario, EachDialogIsDrawnAndTheDimensionTakesTheNewSettings) {
    const WorkFolder folder;
    const DriverResult result =
        folder.Run({TAVORINE_SOURCE_DIR "/examples/options.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    for (const char* picture :
         {"couleurs.gris", "couleurs.rvb", "couleurs.cmjn", "autres", "autres.ouvert", "textes.ouvert", "textes"})
        EXPECT_THAT(folder.Read(std::string("out/options.") + picture + ".svg"), HasSubstr("<svg")) << picture;
    EXPECT_THAT(folder.Read("out/options.couleurs.cmjn.svg"), HasSubstr("Couleurs (Vek-Tavorine)."));
    EXPECT_THAT(folder.Read("out/options.textes.svg"), HasSubstr("Longueur totale"));
    EXPECT_THAT(folder.Read("out/options.textes.ouvert.svg"), HasSubstr("fill=\"#b5d5ff\""));  // "Longueur" selected
    EXPECT_THAT(folder.Read("out/options.textes.svg"), Not(HasSubstr("fill=\"#b5d5ff\"")));    // typed over
    const std::string document = folder.Read("out/options.svg");
    EXPECT_THAT(document, HasSubstr("stroke=\"#143cc8\""));          // RGB 20, 60, 200
    EXPECT_THAT(document, HasSubstr("stroke-dasharray=\"8 3 1 3\""));
    EXPECT_THAT(document, HasSubstr("fill=\"#ff7300\""));            // CMYK 0, 55, 100, 0
    EXPECT_THAT(document, HasSubstr(">70.6 mm<"));
    EXPECT_THAT(document, HasSubstr(">Longueur totale<"));
    const std::string prefs = folder.Read("out/prefs.txt");
    EXPECT_THAT(prefs, HasSubstr("Longueur totale"));
    EXPECT_THAT(prefs, HasSubstr("\"VekTavorine\" \"TexteLibre3\" string \"\"\n"));  // emptied, and written
    EXPECT_THAT(folder.Read("out/options.log"), Not(HasSubstr("refused")));
}

// A prefix and a suffix, stored or typed in the preferences dialog: the label shows them with the whole value
// and its unit.
struct PrefixCase {
    const char* Name;
    const char* Script;  // what comes before the segment is dimensioned
    const char* Contents;
};

class PrefixAndSuffix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixAndSuffix, KeepTheValueAndItsUnit) {
    const WorkFolder folder;
    folder.Write("prefixe.scn", std::string("pref \"VekTavorine\" \"Precision\" int 2\n") + GetParam().Script +
                                    "path \"Plaque\" 0,0 200,0 200,100 0,100 closed width 1.5\n"
                                    "tool \"Outil Segment\"\n"
                                    "move 100,0\n"
                                    "down 100,0\n"
                                    "drag 100,-20 100,-30\n"
                                    "up 100,-30\n");
    const DriverResult result = folder.Run({"prefixe.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_THAT(folder.Read("out/prefixe.tree.txt"),
                HasSubstr(std::string("contents=\"") + GetParam().Contents + "\""));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrefixAndSuffix,
    ::testing::Values(
        PrefixCase{"LongOnes",
                   "pref \"VekTavorine\" \"ChypreVF\" bool true\n"
                   "pref \"VekTavorine\" \"ChypreAvant\" string \"Longueur hors tout de la tôle : \"\n"
                   "pref \"VekTavorine\" \"ChypreApres\" string \" (cotée après pliage)\"\n",
                   "Longueur hors tout de la tôle : 70,56 mm (cotée après pliage)"},
        // A file edited in a Latin-1 editor: " été" stored as bytes E9.
        PrefixCase{"Latin1Suffix",
                   "pref \"VekTavorine\" \"ChypreVF\" bool true\n"
                   "pref \"VekTavorine\" \"ChypreAvant\" string \"\"\n"
                   "pref \"VekTavorine\" \"ChypreApres\" string \" \xE9t\xE9\"\n",
                   "70,56 mm été"},
        // Typed and confirmed with OK, Enter never pressed.
        PrefixCase{"TypedThenOk",
                   "dialog \"segment\"\n"
                   "    click 122\n"
                   "    type 123 \"AB\"\n"
                   "    type 124 \" cd\"\n"
                   "    ok\n"
                   "end\n"
                   "tool \"Outil Segment\" double\n",
                   "AB70,56 mm cd"}),
    [](const ::testing::TestParamInfo<PrefixCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace scenarios
