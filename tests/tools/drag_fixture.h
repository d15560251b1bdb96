// Drags sent to the plug-in as the host sends them, after the clicks that start a dimension.
#pragma once

#include <string>
#include <vector>

#include "clicks_fixture.h"
#include "host/Messages.h"
#include "host/Platform.h"
#include "records/DragValues.h"

namespace dragtest {

class DragTest : public clicktest::ClickTest {
protected:
    // The drags follow a press that owns them, the cursor already past a hand's tremor.
    void SetUp() override {
        ClickTest::SetUp();
        gToolState.PressOpened = 1;
        gToolState.PressDragged = 1;
    }
    static ASErr Drag(AIRealPoint cursor) {
        return sim::ThePlugin().SendTool(kSelectorAIToolMouseDrag, nullptr, cursor);
    }
    static void Hold(int32_t key, bool down = true) { sim::ThePlatform().SetKeyDown(key, down); }
    static std::vector<int32_t> Cursors() { return sim::TheLogs().cursors; }
    static const sim::ArtNode& Node(AIArtHandle art) { return *Doc().Art(art); }
    static std::string Label() { return Node(gCurrentDimension.LabelFrames[0]).text.contents; }
    // Hovers the Segment tool at p and clicks there on `art`.
    static void SegmentClickAt(AIRealPoint p, AIArtHandle art) {
        AIToolMessage message = Press(p);
        HitTestSegmentTool(message);
        SegmentClick(nullptr, Hit(art, 0, 0.0f, p), &message);
    }
    // A linear dimension between the two ends of a new straight path.
    static void DimensionBetween(AIRealPoint a, AIRealPoint b) {
        gToolState.CurrentTool = kSegmentTool;
        const AIArtHandle path = Line({a, b});
        SegmentClickAt(a, path);
        SegmentClickAt(b, path);
        sim::TheLogs().Clear();
    }
};

} // namespace dragtest
