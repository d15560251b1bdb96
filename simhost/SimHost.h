// The stand-in host: one process-wide instance of each part, reached through these accessors.
// Tests, benchmarks and the driver include simhost headers; the plug-in never does.
#pragma once

#include <string>
#include <vector>

#include "host/Messages.h"
#include "host/Resources.h"
#include "host/SPBasic.h"

namespace sim {

// Everything the host records for tests and for the driver's log file.
struct Alert {
    std::string kind;  // "message", "error" or "about"
    std::string text;
};
struct BeepRecord {
    uint32_t frequency;
    uint32_t duration;
};
struct Logs {
    std::vector<std::string> calls;  // "Suite.Operation detail" of every host operation worth ordering
    std::vector<Alert> alerts;
    std::vector<BeepRecord> beeps;
    std::vector<std::string> debugOutput;
    std::vector<int32_t> cursors;
    std::vector<std::string> infoValues;
    std::vector<std::string> modalRuns;
    std::vector<std::string> urls;
    void Clear() { *this = Logs(); }
};
Logs& TheLogs();
void LogCall(const std::string& entry);

class SuiteRegistry;        // simhost/SuiteRegistry.h
class PluginConnection;     // simhost/PluginConnection.h
class PreferenceStore;      // simhost/PreferenceStore.h
class Document;             // simhost/Document.h
class NotifierRegistry;     // simhost/Notifiers.h
class MenuRegistry;         // simhost/Menus.h
class ToolRegistry;         // simhost/Tools.h
class PlatformState;        // simhost/Platform.h

SuiteRegistry& TheSuites();
PluginConnection& ThePlugin();
PreferenceStore& ThePreferences();
Document& TheDocument();
NotifierRegistry& TheNotifiers();
MenuRegistry& TheMenus();
ToolRegistry& TheTools();
PlatformState& ThePlatform();

// Each part of the stand-in resets its own state and registers its suites with the suite registry.
// The services install first and register a table for every suite the plug-in acquires; later parts
// replace those tables with their own.
void ResetServices(bool clearPreferences);  // suites, plug-in connection, preferences, registries, platform
void InstallServiceSuites();
void ResetDocument();                       // document, layers, art, views
void InstallDocumentSuites();
void ResetColours();                        // custom colours and swatches
void InstallColourSuites();
void ResetText();                           // text frames, fonts, the text engine
void InstallTextSuites();

// Builds a fresh host (empty document with one layer, no plug-in loaded, empty logs); the preference store
// is kept unless `clearPreferences` is set.
void ResetHost(bool clearPreferences = true);

}  // namespace sim
