// The Bézier tool's constructions played end to end: what the panel rebuilds after the cursor has moved on,
// and what a press dragged off the curve leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

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

// A press on the arc dragged off it: the construction goes as the cursor leaves the curve, and the group the
// press made goes with it when the button is released; the panel's rebuilds then find nothing to draw.
TEST_F(BezierConstruction, ALocalConstructionDraggedOffTheCurveLeavesNothing) {
    const struct {
        const char* Mode;
        const char* Group;
    } modes[] = {{"panel click 55\n", "Bézier rayon local"}, {"panel click 56\n", "Bézier tangente locale"}};
    for (const auto& mode : modes) {
        const std::string press = std::string(mode.Mode) + "move 335.355,35.355\ndown 335.355,35.355\n";
        const std::string tree =
            Play(press + "drag 370,70 380,80\nup 380,80\npanel enter 36 \"5\"\npanel enter 22 \"14\"\n");
        EXPECT_THAT(tree, Not(HasSubstr("group"))) << mode.Group << "\n" << tree;
        EXPECT_EQ(Count(tree, "  path "), 3u) << mode.Group;

        // Back on the curve before the release, the construction stands where the cursor left it.
        const std::string back = Play(press + "drag 370,70 336,36\nup 336,36\n");
        EXPECT_THAT(back, HasSubstr("  group \"" + std::string(mode.Group) + "\"")) << back;
        EXPECT_THAT(back, Not(HasSubstr("anchors=[]"))) << back;
    }
}

}  // namespace
}  // namespace scenarios
