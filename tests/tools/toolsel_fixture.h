// The plug-in started in a fresh stand-in host, with helpers that select its tools, move the cursor and draw
// the annotations as the host would.
#pragma once

#include <string>
#include <vector>

#include "hover_fixture.h"
#include "simhost/Annotator.h"
#include "simhost/Platform.h"
#include "simhost/Tools.h"
#include "tools/ToolSelection.h"

namespace toolseltest {

class ToolTest : public hovertest::HoverTest {
protected:
    static const sim::ToolRecord& Tool(const char* name) { return *sim::TheTools().FindByName(name); }
    static void Select(int32_t toolNumber) {
        ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[toolNumber - 1]), kNoErr);
    }
    static void SelectHostTool() {
        ASSERT_EQ(sim::TheTools().Select(sim::TheTools().FindByName(kSelectToolName)->handle), kNoErr);
    }
    static ASErr Track(AIRealPoint cursor) {
        return sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), cursor);
    }
    static void Hold(int32_t key) { sim::ThePlatform().SetKeyDown(key, true); }
    static int32_t LastCursor() {
        return sim::TheLogs().cursors.empty() ? 0 : sim::TheLogs().cursors.back();
    }
    static const sim::AnnotatorRecord& Annotator() { return sim::TheAnnotators().Records().front(); }
    static const std::vector<sim::DrawnShape>& Draw() {
        EXPECT_EQ(sim::TheAnnotators().Draw(), kNoErr);
        return sim::TheAnnotators().LastDrawing().shapes;
    }
    static std::vector<std::string> Kinds(const std::vector<sim::DrawnShape>& shapes) {
        std::vector<std::string> kinds;
        for (const sim::DrawnShape& shape : shapes) kinds.push_back(shape.kind);
        return kinds;
    }
};

}  // namespace toolseltest
