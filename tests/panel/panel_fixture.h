// The plug-in started in a fresh stand-in host and the panel built by the application-started notifier, with
// helpers that look at the panel's items through the stand-in's dialog manager.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/FrameEntry.h"
#include "frame/TavorinePlugIn.h"
#include "panel/PanelState.h"
#include "records/Records.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace paneltest {

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecords();
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
    }
    void TearDown() override {
        if (started_) Stop();
    }

    // Seeds the store before start-up, as a preference file of an earlier run would.
    static void Seed(const std::string& key, sim::PrefValue value, const std::string& prefix = "VekTavorine") {
        sim::ThePreferences().Put(prefix, key, value);
    }

    // Start-up, then the application-started notifier, which builds the panel.
    void Start() {
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
        started_ = true;
    }
    void Stop() {
        sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
        sim::ThePlugin().Shutdown();
        started_ = false;
    }

    // Selects a tool in the host's palette by its title, as a click in the palette does.
    static void SelectTool(const std::string& title) {
        for (const sim::ToolRecord& record : sim::TheTools().Records())
            if (record.title == title) {
                ASSERT_EQ(sim::TheTools().Select(record.handle), kNoErr);
                return;
            }
        FAIL() << "no tool " << title;
    }

    // The cursor over the canvas, then a press and release (or a drag) there, as the host sends them.
    static void Tool(const char* selector, AIRealPoint p) {
        sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), p);
        sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
    }
    static void ClickAt(AIRealPoint p) {
        Tool(kSelectorAIToolMouseDown, p);
        Tool(kSelectorAIToolMouseUp, p);
    }
    static void DragTo(AIRealPoint from, AIRealPoint to) {
        Tool(kSelectorAIToolMouseDown, from);
        Tool(kSelectorAIToolMouseDrag, to);
        Tool(kSelectorAIToolMouseUp, to);
    }

    static TavorinePlugIn* Plugin() { return static_cast<TavorinePlugIn*>(sim::ThePlugin().Globals()); }
    static ADMDialogRef Panel() { return sim::TheDialogs().FindDialog("Tavorine"); }
    static ADMItemRef ItemRef(int32_t id) { return sim::TheDialogs().FindItem(Panel(), id); }
    static sim::ItemData& Item(int32_t id) {
        sim::ItemData* item = sim::TheDialogs().Item(ItemRef(id));
        if (item == nullptr) throw std::runtime_error("no panel item " + std::to_string(id));
        return *item;
    }
    static sim::DialogData& Dialog() { return *sim::TheDialogs().Dialog(Panel()); }

    // The entries of an item's list, "id:text" (a separator "-", a tick "+" after the text).
    static std::vector<std::string> Entries(int32_t id) {
        std::vector<std::string> texts;
        const sim::ListData* list = sim::TheDialogs().ListByHandle(Item(id).list);
        for (uintptr_t handle : list->entries) {
            const sim::EntryData* entry = sim::TheDialogs().EntryByHandle(handle);
            texts.push_back(entry->separator ? "-" : std::to_string(entry->id) + ":" + entry->text +
                                                         (entry->checked ? "+" : ""));
        }
        return texts;
    }
    // The chosen entry's id, or -1.
    static int32_t Chosen(int32_t id) {
        const sim::ListData* list = sim::TheDialogs().ListByHandle(Item(id).list);
        for (uintptr_t handle : list->entries) {
            const sim::EntryData* entry = sim::TheDialogs().EntryByHandle(handle);
            if (entry->selected) return entry->id;
        }
        return -1;
    }
    static const sim::EntryData* Entry(int32_t item, int32_t entryID) {
        const sim::ListData* list = sim::TheDialogs().ListByHandle(Item(item).list);
        for (uintptr_t handle : list->entries) {
            const sim::EntryData* entry = sim::TheDialogs().EntryByHandle(handle);
            if (!entry->separator && entry->id == entryID) return entry;
        }
        return nullptr;
    }

private:
    bool started_ = false;
};

}  // namespace paneltest
