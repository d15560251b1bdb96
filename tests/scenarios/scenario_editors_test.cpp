// The point editors' example: the custom end mark drawn in the arrow-head editor ends the segment dimensioned
// after it, and the Bézier dialog's preset is laid at its click and dragged out again with its replicas.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "scenarios/DriverRun.h"

namespace {

TEST(EditorsExample, TheEditedEndMarkAndTheCurvesReachTheDocument) {
    const scenarios::WorkFolder folder;
    const scenarios::DriverResult result =
        folder.Run({TAVORINE_SOURCE_DIR "/examples/editors.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_TRUE(folder.Has("out/editors.fleche.pointe.svg"));
    EXPECT_TRUE(folder.Has("out/editors.bezier.courbe.svg"));
    const std::string tree = folder.Read("out/editors.tree.txt");
    // Tip 3 with its upper barb pulled to (16, -5) and the mirror following, at the dimension line's start: the
    // upper barb above the line, as the editor shows it.
    EXPECT_NE(tree.find("anchors=[(0,60 in 10,59 out 10,61 smooth) (16,65 in 14,61.5 out 16,61.5 smooth) "
                        "(11,60 in 15,61 out 15,59 smooth) (16,55 in 16,58.5 out 14,58.5 smooth)]"),
              std::string::npos)
        << tree;
    EXPECT_EQ(scenarios::Count(tree, "group \"Bézier courbe\""), 2u);
    // Two creations of six replicas each, filled.
    EXPECT_EQ(scenarios::Count(tree, "path closed attrs=selected,fully-selected stroke=none"), 6u);
    const std::string prefs = folder.Read("out/prefs.txt");
    EXPECT_NE(prefs.find("\"RepBez\" int 6"), std::string::npos) << prefs;
    EXPECT_NE(prefs.find("\"PtFlEditY1\" real 1"), std::string::npos) << prefs;  // -5 stored as -5 + 6
}

// The dimension line starts on the custom arrow's axis whatever "DebEditSegY" the file holds: both halves of a
// horizontal dimension's line stay level, and the next OK of the editor writes 0.
TEST(EditorsExample, TheStoredLineStartYNeverTiltsTheDimensionLine) {
    for (const char* stored : {"3", "1e300", "-6"}) {
        SCOPED_TRACE(stored);
        const scenarios::WorkFolder folder;
        folder.Write("tilt.scn", std::string("pref \"VekTavorine\" \"Precision\" int 2\n"
                                             "pref \"VekTavorine\" \"RadioFleche\" int 3\n"
                                             "pref \"VekTavorine\" \"DebEditSegY\" real ") +
                                     stored +
                                     "\n"
                                     "tool \"Outil Segment\"\n"
                                     "path \"Plat\" 0,0 200,0\n"
                                     "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 200,40 200,60\nup 200,60\n"
                                     "dialog \"fleche\"\n    ok\nend\n"
                                     "panel choose -5 6\n");
        const scenarios::DriverResult result = folder.Run({"tilt.scn", "-o", "out", "--prefs", "out/prefs.txt"});
        ASSERT_EQ(result.status, 0) << result.errors;
        const std::string tree = folder.Read("out/tilt.tree.txt");
        // The two halves of the dimension line: the paths tagged "mods".
        const std::regex line(R"(mods=string:jj[^\n]*anchors=\[\(([-0-9.e]+),([-0-9.e]+)\) \(([-0-9.e]+),([-0-9.e]+)\)\])");
        std::vector<double> heights;
        for (auto it = std::sregex_iterator(tree.begin(), tree.end(), line); it != std::sregex_iterator(); ++it) {
            heights.push_back(std::stod((*it)[2]));
            heights.push_back(std::stod((*it)[4]));
            EXPECT_LT(std::stod((*it)[1]), std::stod((*it)[3]));
        }
        ASSERT_EQ(heights.size(), 4u) << tree;
        for (double v : heights) EXPECT_NEAR(v, heights.front(), 1e-3) << tree;
        EXPECT_NE(folder.Read("out/prefs.txt").find("\"DebEditSegY\" real 0\n"), std::string::npos);
    }
}

}  // namespace

namespace {

// The Bézier dialog's first point at X 1e30 with two replicas a scale step of 1e30 apart, then the curve laid
// and dragged out again: no replica lies beyond a float, and the document's picture keeps a finite view box.
TEST(EditorsExample, ABezierCurveBeyondAFloatIsNotLaid) {
    const scenarios::WorkFolder folder;
    folder.Write("far.scn", "tool \"Outil Bézier\"\n"
                            "move 400,-250\n"
                            "down 400,-250\n"
                            "dialog \"bezier\"\n"
                            "    enter 10 \"1e30\"\n"
                            "    enter 289 \"2\"\n"
                            "    enter 291 \"1e30\"\n"
                            "    ok\n"
                            "end\n"
                            "up 400,-250\n"
                            "down -100,-250\n"
                            "drag -50,-230 45,-187\n"
                            "up 45,-187\n");
    const scenarios::DriverResult result = folder.Run({"far.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string tree = folder.Read("far.tree.txt");
    EXPECT_EQ(tree.find("inf"), std::string::npos) << tree;
    EXPECT_EQ(tree.find("nan"), std::string::npos) << tree;
    const std::string svg = folder.Read("far.svg");
    EXPECT_EQ(svg.find("inf"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("nan"), std::string::npos) << svg;
}

}  // namespace
