// A rebuild that no drag places (update-all from a click on one dimension) puts an angle's value that does not
// fit past the end of its arc that its own drag chose, wherever the click that rebuilds it lies, and draws each
// angle at its own arc radius and on its own side.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

// Two 15-degree corners with sides 120 long, each angle dragged to an arc of radius 80 inside its sides: the
// value of A goes past the arc's start (the cursor by the first side), that of B past its far end. A 60-degree
// corner C, its value inside, far above and to the right of both.
constexpr const char* kTwoSmallAngles =
    "path \"A\" 120,0 0,0 115.911,31.058\n"
    "path \"B\" 120,-200 0,-200 115.911,-168.942\n"
    "tool \"Outil Angle\"\n"
    "move 0,0\ndown 0,0\ndrag 60,0 79.89,4.19\nup 79.89,4.19\n"
    "move 0,-200\ndown 0,-200\ndrag 60,-190 78.25,-183.37\nup 78.25,-183.37\n"
    "path \"C\" 420,300 300,300 360,403.92\n"
    "move 300,300\ndown 300,300\ndrag 360,320 369.28,340\nup 369.28,340\n"
    "dump file\n";

// The label anchors of a tree dump, in order.
std::vector<std::pair<double, double>> LabelAnchors(const std::string& tree) {
    std::vector<std::pair<double, double>> anchors;
    for (size_t at = tree.find(" contents="); at != std::string::npos; at = tree.find(" contents=", at + 1)) {
        const size_t point = tree.find(" at=", at);
        double h = 0.0, v = 0.0;
        if (point != std::string::npos && std::sscanf(tree.c_str() + point, " at=%lf,%lf", &h, &v) == 2)
            anchors.emplace_back(h, v);
    }
    return anchors;
}

TEST(AngleRebuild, UpdateAllLeavesEachValuePastItsArcEndOnTheSideItsDragChose) {
    // The click on the arc of A, run on under its value; then on that of C, on the far side of A and B.
    const char* clicks[] = {"move 77.27,-20.71\nclick 77.27,-20.71\n", "move 375.18,327.36\nclick 375.18,327.36\n"};
    for (const char* click : clicks) {
        SCOPED_TRACE(click);
        WorkFolder folder;
        const std::string script =
            std::string("pref \"VekTavorine\" \"Redessiner\" bool true\n") + kTwoSmallAngles + click + "dump file\n";
        folder.Write("angles.scn", script);
        const DriverResult result = folder.Run({"angles.scn", "-o", "out", "--prefs", "out/prefs.txt"});
        ASSERT_EQ(result.status, 0) << result.errors;
        EXPECT_EQ(folder.Read("out/angles.log").find("alert"), std::string::npos);
        const auto before = LabelAnchors(folder.Read("out/angles.1.tree.txt"));
        const auto after = LabelAnchors(folder.Read("out/angles.2.tree.txt"));
        ASSERT_EQ(before.size(), 3u);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_NEAR(after[i].first, before[i].first, 0.05) << i;
            EXPECT_NEAR(after[i].second, before[i].second, 0.05) << i;
        }
    }
}

// Two 53.1-degree corners: A dragged to an arc of radius 42.43 on its salient side, then B dragged across its
// vertex to an arc of radius 100 on its re-entrant side (the live "Rayon" is B's after it).
constexpr const char* kTwoArcs =
    "pref \"VekTavorine\" \"Precision\" int 1\n"
    "path \"A\" 100,0 0,0 60,80\n"
    "path \"B\" 400,0 300,0 360,80\n"
    "tool \"Outil Angle\"\n"
    "move 0,0\ndown 0,0\ndrag 30,30\nup 30,30\n"
    "move 300,0\ndown 300,0\ndrag 340,-40 360,-80\nup 360,-80\n"
    "dump file\n";

// The dimension groups of a tree dump and what they hold, line by line, without the selection state.
std::vector<std::string> DimensionArt(const std::string& tree) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end = tree.find('\n'); end != std::string::npos; from = end + 1, end = tree.find('\n', from)) {
        std::string line = tree.substr(from, end - from);
        if (line.rfind("  group", 0) != 0 && line.rfind("    ", 0) != 0) continue;
        const size_t attrs = line.find(" attrs=");
        if (attrs != std::string::npos) line.erase(attrs, line.find(' ', attrs + 1) - attrs);
        lines.push_back(line);
    }
    return lines;
}

TEST(AngleRebuild, EachAngleIsRebuiltAtItsOwnArcRadiusAndOnItsOwnSide) {
    struct Case {
        const char* redrawAll;
        const char* click;
    };
    // Update-all from a click on the arc of A; the click on B's arc alone re-opening B at the live "Rayon".
    const Case cases[] = {{"true", "move 37.97,18.93\ndown 37.97,18.93\nup 37.97,18.93\n"},
                          {"false", "move 300,-100\ndown 300,-100\nup 300,-100\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        WorkFolder folder;
        folder.Write("arcs.scn", std::string("pref \"VekTavorine\" \"Redessiner\" bool ") + c.redrawAll + "\n" +
                                     kTwoArcs + c.click + "dump file\n");
        const DriverResult result = folder.Run({"arcs.scn", "-o", "out", "--prefs", "out/prefs.txt"});
        ASSERT_EQ(result.status, 0) << result.errors;
        EXPECT_EQ(folder.Read("out/arcs.log").find("alert"), std::string::npos);
        const std::string before = folder.Read("out/arcs.1.tree.txt");
        ASSERT_NE(before.find("contents=\"306,9°\""), std::string::npos);
        ASSERT_NE(before.find("contents=\"53,1°\""), std::string::npos);
        EXPECT_EQ(DimensionArt(folder.Read("out/arcs.2.tree.txt")), DimensionArt(before));
    }
}

}  // namespace
}  // namespace scenarios
