// Shared set-up of the settings tests: a fresh stand-in host, the plug-in connected and started through
// PluginMain, and helpers that read the stand-in's preference store.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/ArrowHeads.h"
#include "frame/Colours.h"
#include "frame/FrameEntry.h"
#include "frame/PathStyles.h"
#include "frame/PreferenceStore.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "dimension/ValueFormat.h"
#include "panel/CurrentOptions.h"
#include "tools/CreationOptions.h"
#include "resources/Resources.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "records/ToolState.h"

namespace settingstest {

inline sim::PreferenceStore& Store() { return sim::ThePreferences(); }

// Seeds one key of the plug-in under "VekTavorine".
inline void Seed(const std::string& key, const sim::PrefValue& value) {
    Store().Put(kTavorinePreferencePrefix, key, value);
}

// The stored value of one key of the plug-in, which must be present.
inline sim::PrefValue Stored(const std::string& key) {
    const std::optional<sim::PrefValue> value = Store().Get(kTavorinePreferencePrefix, key);
    EXPECT_TRUE(value.has_value()) << key;
    return value.value_or(sim::PrefValue());
}

// The keys of the plug-in that the last run wrote, in order.
inline std::vector<std::string> WrittenKeys() {
    std::vector<std::string> keys;
    for (const sim::PrefWrite& write : Store().WriteLog())
        if (write.prefix == kTavorinePreferencePrefix) keys.push_back(write.key);
    return keys;
}

// Every process-wide value of the settings back to its zero state.
inline void ClearPluginState() {
    ClearSettings();
    gColourSettings = ColourSettings();
    gPathStyles = PathStyles();
    gArrowHeadShape = ArrowHeadShape();
    gCurrentOptions = CurrentOptions();
    gToolState = ToolState();
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ClearPluginState();
        sim::ThePlugin().Load(PluginMain, PluginResources);
    }
    void TearDown() override {
        if (sim::ThePlugin().Globals() != nullptr) sim::ThePlugin().Shutdown();
        ClearSettings();
    }

    // Starts the plug-in as the host does; the store is read during start-up.
    static void Start() {
        sim::ThePlugin().Startup();
        ASSERT_NE(sim::ThePlugin().Globals(), nullptr);
    }
    // A first run, then a clean write log: the store holds every default.
    static void StartFromDefaults() {
        Start();
        Store().ClearWriteLog();
    }
};

}  // namespace settingstest
