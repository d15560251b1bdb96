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

}  // namespace
}  // namespace scenarios
