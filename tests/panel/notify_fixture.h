// The panel built, a tool chosen and a dimension made by the user's clicks, with helpers that act on the
// panel's items as a hand would and look at what the notifiers changed.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "host/Messages.h"
#include "panel_fixture.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "simhost/Document.h"
#include "simhost/Tools.h"

namespace paneltest {

class NotifyTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        Start();
    }

    static sim::Document& Doc() { return sim::TheDocument(); }
    static void UseTool(int32_t tool) {
        ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[tool - 1]), kNoErr);
    }
    static void Send(const char* selector, AIRealPoint p) {
        sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), p);
        sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
    }
    // Pressed at p, dragged to q, released there.
    static void ClickDrag(AIRealPoint p, AIRealPoint q) {
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseDrag, q);
        Send(kSelectorAIToolMouseUp, q);
    }
    static void Click(AIRealPoint p) { ClickDrag(p, p); }

    // Chooses the first tool whose page shows the item enabled; false when none does.
    static bool ShowPageOf(int32_t id) {
        for (int32_t tool = kSegmentTool; tool <= kMeasureTool; ++tool) {
            if (sim::TheTools().Select(gToolState.ToolHandles[tool - 1]) != kNoErr) continue;
            if (Item(id).visible && Item(id).enabled) return true;
        }
        return false;
    }
    static ASErr ClickItem(int32_t id, int32_t modifiers = 0) { return sim::TheDialogs().Click(ItemRef(id), modifiers); }
    static ASErr ChooseIn(int32_t id, int32_t entry) { return sim::TheDialogs().Choose(ItemRef(id), entry); }
    static ASErr EnterIn(int32_t id, const std::string& text) { return sim::TheDialogs().Enter(ItemRef(id), text); }
    // A notification of a type no panel notifier takes.
    static void Disturb(int32_t id) { sim::TheDialogs().Notify(Item(id).handle, kADMBoundsChangedNotifier); }

    static bool Live(AIArtHandle art) { return art != nullptr && Doc().IsValid(art); }
    static std::string Text(AIArtHandle art) { return Live(art) ? Doc().Art(art)->text.contents : std::string(); }
    static std::vector<AIRealPoint> Anchors(AIArtHandle art) {
        std::vector<AIRealPoint> points;
        if (Live(art))
            for (const AIPathSegment& s : Doc().Art(art)->segments) points.push_back(s.p);
        return points;
    }
    static double ItemFloatValue(int32_t id) { return Item(id).value; }
    // The 45-degree angle at the origin between (100, 0) and (100, 100), its arc dragged out to radius 50.
    static void MakeAngle() {
        Doc().DrawPolyline({{100, 0}, {0, 0}, {100, 100}}, false);
        UseTool(kAngleTool);
        ClickDrag({0, 0}, {40, 30});
        ASSERT_TRUE(Live(gCurrentDimension.AngleArcs[0]));
    }
    // A quarter arc of radius 50 about the origin, its circle dimension dragged out.
    static void MakeCircle() {
        constexpr float kArcHandle = 0.5522847f;
        const float k = kArcHandle * 50.0f;
        Doc().DrawPath({sim::CurveSegment({50, 0}, {50, 0}, {50, k}), sim::CurveSegment({0, 50}, {k, 50}, {0, 50})},
                       false);
        UseTool(kCircleTool);
        ClickDrag({35.355f, 35.355f}, {80, 80});
        ASSERT_TRUE(Live(gCurrentDimension.CircleParts[0]));
    }
    static size_t Writes() { return sim::ThePreferences().WriteLog().size(); }
};

// The bytes of a record, to tell whether anything in it changed.
template <typename Record>
std::vector<unsigned char> Bytes(const Record& record) {
    std::vector<unsigned char> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

}  // namespace paneltest
