// The plug-in started in a fresh stand-in host, with helpers that open the point editors modally and act on
// their items as a hand would.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/creation/PointEditorState.h"
#include "frame/DialogOpeners.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "host/ADMItemSuite.h"
#include "records/CurrentDimension.h"
#include "records/Records.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"
#include "records/ToolState.h"
#include "host/Messages.h"

namespace editortest {

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetHost();
        ResetRecords();
        ResetPointEditors();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        sim::ThePreferences().ClearWriteLog();
    }
    void TearDown() override { sim::ThePlugin().Shutdown(); }

    // Runs the dialog modally; `hand` acts on it while it is up (it must end it with OK or Annuler).
    static void Run(ModalDialog which, std::function<void(ADMDialogRef)> hand) {
        sim::TheDialogs().QueueModalResponder(std::move(hand));
        OpenModalDialog(which);
    }
    // The Bézier tool's press and release at `p` on empty canvas, unmoved: the creation dialog opens, and
    // `hand` acts on it.
    static void BezierClickAt(AIRealPoint p, std::function<void(ADMDialogRef)> hand) {
        ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[kBezierTool - 1]), kNoErr);
        sim::TheDialogs().QueueModalResponder(std::move(hand));
        const AIToolHandle tool = sim::TheTools().Selected();
        sim::ThePlugin().SendTool(kSelectorAIToolMouseDown, tool, p);
        sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, tool, p);
    }
    // The paths of the current dimension group, top first.
    static std::vector<const sim::ArtNode*> GroupPaths() {
        std::vector<const sim::ArtNode*> paths;
        if (gCurrentDimension.DimensionGroup == nullptr) return paths;
        for (AIArtHandle child : sim::TheDocument().Children(gCurrentDimension.DimensionGroup))
            if (const sim::ArtNode* node = sim::TheDocument().Art(child); node != nullptr && node->type == kPathArt)
                paths.push_back(node);
        return paths;
    }
    static ADMItemRef Item(ADMDialogRef dialog, int32_t id) { return sim::TheDialogs().FindItem(dialog, id); }
    static sim::ItemData& Data(ADMDialogRef dialog, int32_t id) { return *sim::TheDialogs().Item(Item(dialog, id)); }
    static void Click(ADMDialogRef dialog, int32_t id, int32_t modifiers = 0) {
        ASSERT_EQ(sim::TheDialogs().Click(Item(dialog, id), modifiers), kNoErr);
    }
    static void Enter(ADMDialogRef dialog, int32_t id, const std::string& text) {
        ASSERT_EQ(sim::TheDialogs().Enter(Item(dialog, id), text), kNoErr);
    }
    // A drag on the canvas (item 12) between points in canvas pixels.
    static void DragCanvas(ADMDialogRef dialog, std::vector<ADMPoint> points, int32_t modifiers = 0) {
        ASSERT_EQ(sim::TheDialogs().Drag(Item(dialog, kCanvasItem), points, modifiers), kNoErr);
    }
    // One canvas event at a point in canvas pixels.
    static void TrackCanvas(ADMDialogRef dialog, int32_t action, ADMPoint p, int32_t modifiers = 0) {
        ASSERT_EQ(sim::TheDialogs().Track(Item(dialog, kCanvasItem), action, p, modifiers), kNoErr);
    }
    static std::vector<std::string> Alerts() {
        std::vector<std::string> texts;
        for (const auto& alert : sim::TheLogs().alerts) texts.push_back(alert.text);
        return texts;
    }
    // The keys written under the plug-in's prefix, in order.
    static std::vector<std::string> WrittenKeys() {
        std::vector<std::string> keys;
        for (const sim::PrefWrite& w : sim::ThePreferences().WriteLog()) keys.push_back(w.key);
        return keys;
    }
    static std::string Written(const std::string& key) {
        std::string value;
        for (const sim::PrefWrite& w : sim::ThePreferences().WriteLog())
            if (w.key == key) value = w.value;
        return value;
    }
    static int CountLines(const sim::Drawing& drawing, const std::string& prefix) {
        int count = 0;
        for (const std::string& line : drawing)
            if (line.rfind(prefix, 0) == 0) ++count;
        return count;
    }
    static const sim::Drawing& Draw(ADMDialogRef dialog, int32_t id) {
        sim::TheDialogs().DrawItem(Item(dialog, id));
        return *sim::TheDialogs().ItemDrawing(Item(dialog, id));
    }
};

}  // namespace editortest
