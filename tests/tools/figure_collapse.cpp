// A figure dragged out of an empty click and back onto it has no size: its release leaves neither figure nor
// dimension, whatever the figure and the keys held.
#include <vector>

#include "end_to_end_fixture.h"
#include "host/Platform.h"

namespace endtoend {
namespace {

class FigureCollapse : public UserTest {
protected:
    static void Down(AIRealPoint p) { Send(kSelectorAIToolMouseDown, p); }
    static void DragTo(AIRealPoint p) { Send(kSelectorAIToolMouseDrag, p); }
    static void Up(AIRealPoint p) { Send(kSelectorAIToolMouseUp, p); }
};

// No zero-length segment reading "0 mm", no angle of no sides reading "0°", no circle of no radius; a figure
// released with a size stays.
TEST_F(FigureCollapse, AFigureDraggedBackToItsClickLeavesNothing) {
    struct Figure {
        const char* name;
        int32_t tool;
        std::vector<int32_t> keys;
    };
    const std::vector<Figure> figures = {
        {"segment", kSegmentTool, {}},          {"segment centred", kSegmentTool, {VK_LWIN}},
        {"segment, Alt", kSegmentTool, {VK_MENU}}, {"angle", kAngleTool, {}},
        {"angle centred", kAngleTool, {VK_LWIN}}, {"angle, Alt", kAngleTool, {VK_MENU}},
        {"circle", kCircleTool, {}},
    };
    for (const Figure& figure : figures) {
        SCOPED_TRACE(figure.name);
        TearDown();
        SetUp();
        Select(figure.tool);
        Down({600, 0});
        for (int32_t key : figure.keys) Hold(key);
        DragTo({640, 50});
        ASSERT_FALSE(Doc().AllArt().empty());
        DragTo({600, 0});
        for (int32_t key : figure.keys) Release(key);
        Up({600, 0});
        EXPECT_TRUE(Doc().AllArt().empty()) << Doc().DescribeTree();
        EXPECT_TRUE(sim::TheLogs().modalRuns.empty());
        Down({800, 0});
        DragTo({800, 30});
        Up({800, 30});
        EXPECT_FALSE(Doc().AllArt().empty()) << "a figure released with a size stays";
    }
}

}  // namespace
}  // namespace endtoend
