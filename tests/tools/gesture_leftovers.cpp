// What the tools' model check found, each as a user meets it: a gesture leaves no unbuilt dimension behind, no
// change on a hidden or locked layer, and a Longueurs & aires selection that is the measured set.
#include "end_to_end_fixture.h"
#include "panel/SelectionReadouts.h"
#include "tools/MeasuredSet.h"

namespace endtoend {
namespace {

constexpr const char* kLockedLayerAlert = "Tavorine impossible. Calque verrouillé.";

bool Selected(AIArtHandle art) { return (sim::TheDocument().Art(art)->userAttr & kArtFullySelected) != 0; }

// An angle dragged to a hair's breadth of its vertex keeps its drawing but leaves the live radius at nothing:
// the next angle is drawn with no radius, so nothing of it shows, and its release leaves neither its empty group
// nor its link on the path.
TEST_F(UserTest, ADimensionLeftUndrawnIsGoneAtTheRelease) {
    Line({{0, 0}, {100, 0}, {50, 86.60254f}});
    const AIArtHandle second = Line({{300, 0}, {400, 0}, {350, 86.60254f}});
    Select(kAngleTool);
    ClickDrag({100, 0}, {100.00001f, 0});
    ASSERT_EQ(GroupCount(), 1u);
    const AIArtHandle drawn = Group();
    Click({400, 0});
    EXPECT_EQ(GroupCount(), 1u);
    EXPECT_TRUE(Doc().IsValid(drawn));
    EXPECT_FALSE(HasTag(second, "ang"));
}

// A hidden current layer takes no dimension, as a locked one takes none.
TEST_F(UserTest, AHiddenLayerTakesNoDimension) {
    Line({{0, 0}, {100, 0}});
    Doc().SetLayerVisible(Doc().CurrentLayer(), false);
    for (int32_t tool : {kSegmentTool, kAngleTool, kCircleTool, kBezierTool}) {
        SCOPED_TRACE(tool);
        sim::TheLogs().Clear();
        Select(tool);
        ClickDrag({200, 200}, {260, 230});
        EXPECT_EQ(Alerts(), std::vector<std::string>{kLockedLayerAlert});
        EXPECT_EQ(Doc().ArtCount(), 1u);
    }
}

// A press refused on a layer locked since the last dimension leaves that dimension as it was, name included.
TEST_F(UserTest, ARefusedPressRenamesNoEarlierDimension) {
    Line({{0, 0}, {100, 0}, {50, 86.60254f}});
    Select(kBezierTool);
    gCurrentOptions.BezierMode = 0;
    ClickDrag({100, 0}, {80, 20});  // the angle divided
    const AIArtHandle divided = Group();
    const std::string name = Doc().Art(divided)->name;
    ASSERT_FALSE(name.empty());
    Doc().SetLayerLocked(Doc().CurrentLayer(), true);
    ClickDrag({200, 200}, {260, 230});  // a curve would be made here
    EXPECT_EQ(Alerts(), std::vector<std::string>{kLockedLayerAlert});
    EXPECT_EQ(Doc().Art(divided)->name, name);
}

// After a Longueurs & aires click the selection is the measured set: a path selected before, or left selected by
// another tool, is no longer; a click on nothing deselects everything.
TEST_F(UserTest, AMeasureClickLeavesTheSetAloneSelected) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle b = Line({{0, 50}, {100, 50}});
    SetAttr(b, kArtSelected | kArtFullySelected);
    Select(kMeasureTool);
    Click({50, 0});
    EXPECT_TRUE(Selected(a));
    EXPECT_FALSE(Selected(b));
    EXPECT_EQ(TotalSelectedPaths().PathCount, 1);
    SetAttr(b, kArtSelected | kArtFullySelected);
    Click({300, 300});
    EXPECT_FALSE(Selected(a) || Selected(b));
    EXPECT_EQ(gToolState.MeasuredCount, 0u);
}

// The marquee makes the selection anew: what it does not measure, a path on a layer locked since it was
// selected included, is deselected.
TEST_F(UserTest, TheMarqueeLeavesTheSetAloneSelected) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AILayerHandle drawing = Doc().CurrentLayer();
    const AILayerHandle other = Doc().AddLayer("Verrou");
    const AIArtHandle locked = Line({{0, 20}, {100, 20}});
    SetAttr(locked, kArtSelected | kArtFullySelected);
    Doc().SetLayerLocked(other, true);
    Doc().SetCurrentLayer(drawing);
    Select(kMeasureTool);
    Send(kSelectorAIToolMouseDown, {-10, 30});
    Send(kSelectorAIToolMouseDrag, {110, -10});
    Draw();
    Send(kSelectorAIToolMouseUp, {110, -10});
    EXPECT_TRUE(Selected(a));
    EXPECT_FALSE(Selected(locked));
    EXPECT_EQ(TotalSelectedPaths().PathCount, 1);
}

}  // namespace
}  // namespace endtoend
