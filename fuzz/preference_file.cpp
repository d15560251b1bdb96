// The preference file on any text: what reads is written back and reads again the same; the plug-in started on
// it holds only usable values and writes back a file that reads.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "records/Records.h"
#include "resources/Resources.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"

namespace {

using sim::PreferenceStore;

// The text of a store that holds `values`, read back and written again; traps when the two writes differ.
std::string WrittenTwice(const std::map<PreferenceStore::Key, sim::PrefValue>& values) {
    PreferenceStore store;
    for (const auto& [key, value] : values) store.Put(key.first, key.second, value);
    const std::string first = store.Serialize();
    std::map<PreferenceStore::Key, sim::PrefValue> again;
    if (PreferenceStore::Parse(first, &again).result != sim::PrefLoadResult::Loaded) __builtin_trap();
    PreferenceStore reread;
    for (const auto& [key, value] : again) reread.Put(key.first, key.second, value);
    if (reread.Serialize() != first) __builtin_trap();
    return first;
}

// Every real setting the plug-in holds is a number a drawing can use: within its setting's range.
void CheckHeldReals() {
    for (const SettingEntry& entry : SettingsTable()) {
        if (entry.Type != SettingType::Real) continue;
        const double value = *static_cast<const double*>(entry.Address);
        if (!std::isfinite(value) || value < entry.Reals.Minimum || value > entry.Reals.Maximum) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::map<PreferenceStore::Key, sim::PrefValue> values;
    if (PreferenceStore::Parse(text, &values).result != sim::PrefLoadResult::Loaded) return 0;
    WrittenTwice(values);

    // A run of the host on that file: start-up reads it, shut-down writes what it keeps.
    ResetRecords();
    sim::ResetHost();
    for (const auto& [key, value] : values) sim::ThePreferences().Put(key.first, key.second, value);
    sim::ThePreferences().SeedHostKeys();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    if (sim::ThePlugin().Startup() == kNoErr) {
        CheckHeldReals();
        sim::ThePlugin().Shutdown();
    }
    WrittenTwice(sim::ThePreferences().Values());
    ResetRecords();
    ClearSettings();
    return 0;
}
