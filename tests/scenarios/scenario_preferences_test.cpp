// The preferences example: a page drawn from each tool's double-click, new defaults kept by OK, and a
// dimension that takes them at the next run.
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace {

TEST(PreferencesExample, DrawsEachPageAndTheNextRunDimensionsWithTheStoredDefaults) {
    const scenarios::WorkFolder folder;
    const std::vector<std::string> arguments{TAVORINE_SOURCE_DIR "/examples/preferences.scn", "-o", "out",
                                             "--prefs", "out/prefs.txt"};
    scenarios::DriverResult result = folder.Run(arguments);
    ASSERT_EQ(result.status, 0) << result.errors;
    const struct {
        const char* Picture;
        const char* Tool;
    } pages[] = {{"segment", ">Outil Segment<"}, {"angle", ">Outil Angle<"},        {"cercle", ">Outil Cercle<"},
                 {"bezier", ">Outil Bézier<"},  {"longueurs", ">Outil Longueurs &amp; aires<"}};
    for (const auto& page : pages)
        EXPECT_NE(folder.Read(std::string("out/preferences.") + page.Picture + ".svg").find(page.Tool),
                  std::string::npos)
            << page.Picture;
    const std::string changed = folder.Read("out/preferences.nouveaux.svg");
    EXPECT_NE(changed.find(">689,23 cm<"), std::string::npos);
    EXPECT_NE(changed.find(">1/50<"), std::string::npos);
    // OK leaves the live values: this run's dimension is in millimetres.
    EXPECT_NE(folder.Read("out/preferences.tree.txt").find("contents=\"71 mm\""), std::string::npos);

    result = folder.Run(arguments);
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_NE(folder.Read("out/preferences.tree.txt").find("contents=\"352,78 cm\""), std::string::npos);
}

}  // namespace
