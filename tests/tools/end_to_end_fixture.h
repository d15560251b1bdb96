// A user at the canvas: tools picked in the host, the cursor moved, buttons pressed and keys held, each as the
// host's messages reach the plug-in.
#pragma once

#include <string>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "frame/Settings.h"
#include "panel/CurrentOptions.h"
#include "simhost/DialogManager.h"
#include "toolsel_fixture.h"

namespace endtoend {

class UserTest : public toolseltest::ToolTest {
protected:
    static ASErr Send(const char* selector, AIRealPoint p) {
        Track(p);
        return sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
    }
    // Hover, press and release at p without moving.
    static void Click(AIRealPoint p) {
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseUp, p);
    }
    // Press at p, drag to q and release there.
    static void ClickDrag(AIRealPoint p, AIRealPoint q) {
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseDrag, q);
        Send(kSelectorAIToolMouseUp, q);
    }
    static void Release(int32_t key) { sim::ThePlatform().SetKeyDown(key, false); }
    static std::vector<std::string> Labels(AIArtHandle group) {
        std::vector<std::string> texts;
        for (AIArtHandle child : Doc().Children(group)) {
            const sim::ArtNode* node = Doc().Art(child);
            if (node != nullptr && node->type == kTextFrameArt) texts.push_back(node->text.contents);
        }
        return texts;
    }
    static std::string Label(AIArtHandle group) {
        const std::vector<std::string> texts = Labels(group);
        return texts.empty() ? std::string() : texts.front();
    }
    static bool HasTag(AIArtHandle art, const char* key) {
        const sim::ArtNode* node = Doc().Art(art);
        return node != nullptr && node->tags.count(key) == 1;
    }
    static std::vector<uint32_t> Beeps() {
        std::vector<uint32_t> frequencies;
        for (const sim::BeepRecord& beep : sim::TheLogs().beeps) frequencies.push_back(beep.frequency);
        return frequencies;
    }
    static std::vector<std::string> Alerts() {
        std::vector<std::string> texts;
        for (const auto& alert : sim::TheLogs().alerts) texts.push_back(alert.text);
        return texts;
    }
    // Dimension groups in the current layer's top group.
    static size_t GroupCount() {
        size_t count = 0;
        for (AIArtHandle child : Doc().Children(Doc().LayerGroup(Doc().CurrentLayer())))
            if (Doc().Art(child)->type == kGroupArt) ++count;
        return count;
    }
    static AIArtHandle Group() { return gCurrentDimension.DimensionGroup; }
    // The panel, built as the application-started notifier builds it, and its item `id`.
    static void BuildPanel() { sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier); }
    static ADMItemRef PanelItem(int32_t id) {
        return sim::TheDialogs().FindItem(sim::TheDialogs().FindDialog("Tavorine"), id);
    }
    // The panel's cancel: item 5 clicked with Control held.
    static void PanelCancel() { sim::TheDialogs().Click(PanelItem(5), kADMControlKeyModifier); }
};

}  // namespace endtoend
