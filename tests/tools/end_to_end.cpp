// A user's road through the host's messages: select a tool, hover, click, drag and release, and find the
// dimension in the document.
#include "toolsel_fixture.h"

#include "dimension/CurrentDimension.h"

namespace toolseltest {
namespace {

class EndToEnd : public ToolTest {
protected:
    static ASErr Send(const char* selector, AIRealPoint p) {
        Track(p);
        return sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
    }
    // Hover, press and release at p, as a click without a drag.
    static void Click(AIRealPoint p) {
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseUp, p);
    }
    static std::string LabelOf(AIArtHandle group) {
        for (AIArtHandle child : sim::TheDocument().Children(group)) {
            const sim::ArtNode* node = sim::TheDocument().Art(child);
            if (node != nullptr && node->type == kTextFrameArt) return node->text.contents;
        }
        return {};
    }
};

TEST_F(EndToEnd, TwoAnchorsClickedThenDraggedMakeALinkedLinearDimension) {
    const AIArtHandle path = sim::TheDocument().DrawPolyline({{0, 0}, {100, 0}, {100, 60}}, false);
    Select(1);
    Click({0, 0});
    Send(kSelectorAIToolMouseDown, {100, 0});
    Send(kSelectorAIToolMouseDrag, {50, -30});
    Send(kSelectorAIToolMouseUp, {50, -30});

    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    ASSERT_TRUE(sim::TheDocument().IsValid(group));
    EXPECT_EQ(LabelOf(group), "35 mm");  // 100 points at the first run's millimetres, no decimals
    const auto& pathTags = sim::TheDocument().Art(path)->tags;
    EXPECT_EQ(pathTags.count("segpt1"), 1u);
    EXPECT_EQ(pathTags.count("segpt2"), 1u);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(EndToEnd, AClickOnAStraightSegmentMakesItsDimensionAtOnce) {
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    Select(1);
    Click({100, 0});
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    ASSERT_TRUE(sim::TheDocument().IsValid(group));
    EXPECT_EQ(LabelOf(group), "71 mm");
}

TEST_F(EndToEnd, AClickOnALockedLayerIsRefusedWithTheAlert) {
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    sim::TheDocument().SetLayerLocked(sim::TheDocument().CurrentLayer(), true);
    Select(1);
    Click({100, 0});
    ASSERT_EQ(sim::TheLogs().alerts.size(), 1u);
    EXPECT_EQ(sim::TheLogs().alerts[0].text, "Tavorine impossible. Calque verrouillé.");
}

}  // namespace
}  // namespace toolseltest
