// A user's road through the host's messages: select a tool, hover, click, drag and release, and find the
// dimension in the document.
#include "end_to_end_fixture.h"

namespace endtoend {
namespace {

TEST_F(UserTest, TwoAnchorsClickedThenDraggedMakeALinkedLinearDimension) {
    const AIArtHandle path = Doc().DrawPolyline({{0, 0}, {100, 0}, {100, 60}}, false);
    Select(1);
    Click({0, 0});
    ClickDrag({100, 0}, {50, -30});

    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    ASSERT_TRUE(Doc().IsValid(group));
    EXPECT_EQ(Label(group), "35 mm");  // 100 points at the first run's millimetres, no decimals
    EXPECT_TRUE(HasTag(path, "segpt1"));
    EXPECT_TRUE(HasTag(path, "segpt2"));
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(UserTest, AClickOnALockedLayerIsRefusedWithTheAlert) {
    Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    Select(1);
    Click({100, 0});
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Tavorine impossible. Calque verrouillé."});
}

}  // namespace
}  // namespace endtoend
