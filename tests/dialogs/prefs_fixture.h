// The plug-in started in a fresh stand-in host from the built-in defaults, with helpers that run the
// preferences dialog and act on its items as a hand would.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "frame/DialogOpeners.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "host/ADMItemSuite.h"
#include "records/DialogPositions.h"
#include "records/Records.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace prefstest {

inline sim::DialogManager& Dialogs() { return sim::TheDialogs(); }
inline sim::PreferenceStore& Store() { return sim::ThePreferences(); }

// One key as the store holds it.
inline std::optional<sim::PrefValue> Stored(const std::string& key) {
    return Store().Get(kTavorinePreferencePrefix, key);
}

// The keys of the plug-in written since the write log was cleared, in order, each with its type.
inline std::vector<std::string> Written() {
    std::vector<std::string> keys;
    for (const sim::PrefWrite& write : Store().WriteLog())
        if (write.prefix == kTavorinePreferencePrefix) keys.push_back(write.key + " " + sim::PrefTypeName(write.type));
    return keys;
}

// The open dialog as the user sees it.
struct PrefsWindow {
    ADMDialogRef Ref;

    ADMItemRef Item(int32_t id) const { return Dialogs().FindItem(Ref, id); }
    sim::ItemData& Data(int32_t id) const { return *Dialogs().Item(Item(id)); }
    ASErr Click(int32_t id) const { return Dialogs().Click(Item(id)); }
    ASErr Choose(int32_t id, int32_t entry) const { return Dialogs().Choose(Item(id), entry); }
    ASErr Enter(int32_t id, const std::string& text) const { return Dialogs().Enter(Item(id), text); }
    bool Shown(int32_t id) const { return Data(id).visible; }
    bool Enabled(int32_t id) const { return Data(id).enabled; }
    bool Active(int32_t id) const { return Data(id).active; }
    const std::string& Tip(int32_t id) const { return Data(id).tip; }
    const std::string& Text(int32_t id) const { return Data(id).text; }
    float Value(int32_t id) const { return Data(id).value; }
    // The text of the chosen entry of a popup.
    std::string Chosen(int32_t id) const {
        const sim::ListData* list = Dialogs().ListByHandle(Data(id).list);
        for (uintptr_t handle : list->entries)
            if (const sim::EntryData* entry = Dialogs().EntryByHandle(handle); entry->selected) return entry->text;
        return "";
    }
    const sim::EntryData& Entry(int32_t id, int32_t index) const {
        return *Dialogs().EntryByHandle(Dialogs().ListByHandle(Data(id).list)->entries.at(static_cast<size_t>(index)));
    }
    const std::string& Sample() const { return Text(kSampleTextItem); }
    // What the item's draw procedure draws now.
    sim::Drawing Draw(int32_t id) const {
        Dialogs().DrawItem(Item(id));
        return *Dialogs().ItemDrawing(Item(id));
    }
};

class PrefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ResetRecords();
        ResetPreferencesDialogState();
        ClearSettings();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        Store().ClearWriteLog();
        sim::TheLogs().Clear();
    }
    void TearDown() override {
        sim::ThePlugin().Shutdown();
        ClearSettings();
        ClearDialogOpeners();
    }

    // Opens the dialog with the current tool set as given; `act` plays the user while it is up. Without a
    // closing click, the run ends as Escape would.
    static void Run(const std::function<void(const PrefsWindow&)>& act, ToolNumber tool = kSegmentTool) {
        gToolState.CurrentTool = tool;
        Dialogs().QueueModalResponder([act](ADMDialogRef dialog) { act(PrefsWindow{dialog}); });
        OpenModalDialog(ModalDialog::Preferences);
    }
    static void Ok(const PrefsWindow& window) { EXPECT_EQ(window.Click(kPrefsOkItem), kNoErr); }
    static void Cancel(const PrefsWindow& window) { EXPECT_EQ(window.Click(kPrefsCancelItem), kNoErr); }
};

}  // namespace prefstest
