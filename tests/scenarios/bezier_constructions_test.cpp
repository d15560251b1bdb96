// The Bézier tool's constructions played end to end: what the panel rebuilds after the cursor has moved on,
// and what a press dragged off the curve leaves.
#include <gtest/gtest.h>

#include <string>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

constexpr const char* kFigures =
    "path \"Barre\" 0,0 200,0\n"
    "path \"Ailleurs\" 400,-300 500,-300 500,-200\n"
    "path \"Arc\" 350,0 out 350,27.614 300,50 in 327.614,50\n"
    "tool \"Outil Bézier\"\n";

// The cursor's pass over the anchors and the vertex of another figure.
constexpr const char* kElsewhere = "move 400,-300 500,-300 500,-200 450,-250\n";

class BezierConstruction : public ::testing::Test {
  protected:
    // Plays the figures followed by `script` and answers the document's tree.
    std::string Play(const std::string& script) {
        folder.Write("road.scn", std::string(kFigures) + script);
        const DriverResult result = folder.Run({(folder.Path() / "road.scn").string(), "-o", "out"});
        EXPECT_EQ(result.status, 0) << result.errors;
        return folder.Read("out/road.tree.txt");
    }
    WorkFolder folder;
};

// The tick at x across the divided bar, as the tree writes it.
std::string Tick(const char* x) { return "anchors=[(" + std::string(x) + ",0) (" + x + ",14.173228)]"; }

TEST_F(BezierConstruction, ADivisionRebuiltByThePanelAfterTheCursorCrossedAVertexStaysOnItsSegment) {
    const std::string tree = Play("move 60,0\nclick 60,0\n" + std::string(kElsewhere) + "panel enter 72 \"6\"\n");
    ExpectInOrder(tree, {"  group \"Bézier partage segment\"", Tick("200"), Tick("166.66667"), Tick("133.33333"),
                         Tick("100"), Tick("66.666664"), Tick("33.333332"), Tick("0"), "  path \"Barre\""});
    EXPECT_EQ(Count(tree, "    path open "), 7u);
}

}  // namespace
}  // namespace scenarios
