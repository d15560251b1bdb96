#include "host/Suites.h"
#include "simhost/Menus.h"
#include "simhost/Notifiers.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Annotator.h"
#include "simhost/Tools.h"

namespace sim {

namespace {

// The plug-in acquires these and uses none of their operations.
const AIPluginSuite kPluginSuite{};
const AIRuntimeSuite kRuntimeSuite{};

} // namespace

SuiteRegistry& TheSuites() {
    static SuiteRegistry suites;
    return suites;
}

PluginConnection& ThePlugin() {
    static PluginConnection plugin;
    return plugin;
}

PreferenceStore& ThePreferences() {
    static PreferenceStore preferences;
    return preferences;
}

NotifierRegistry& TheNotifiers() {
    static NotifierRegistry notifiers;
    return notifiers;
}

MenuRegistry& TheMenus() {
    static MenuRegistry menus;
    return menus;
}

ToolRegistry& TheTools() {
    static ToolRegistry tools;
    return tools;
}

PlatformState& ThePlatform() {
    static PlatformState platform;
    return platform;
}

void ResetServices(bool clearPreferences) {
    TheSuites().Clear();
    FreeAllHostBlocks();
    ThePlugin().Disconnect();
    ResetAccess();
    if (clearPreferences) {
        ThePreferences().Clear();
    } else {
        ThePreferences().ClearWriteLog();
        ThePreferences().ClearFaults();
    }
    ThePreferences().SeedHostKeys();
    TheNotifiers().Clear();
    TheMenus().Reset();
    TheTools().Reset();
    TheAnnotators().Reset();
    ThePlatform().Reset();
}

void InstallServiceSuites() {
    SuiteRegistry& suites = TheSuites();
    suites.Register(kSPAccessSuite, kSPAccessSuiteVersion, &AccessSuiteTable());
    suites.Register(kSPPluginsSuite, kSPPluginsSuiteVersion, &PluginsSuiteTable());
    suites.Register(kAINotifierSuite, kAINotifierSuiteVersion, &NotifierSuiteTable());
    suites.Register(kAIContextSuite, kAIContextSuiteVersion, &ContextSuiteTable());
    suites.Register(kADMBasicSuite, kADMBasicSuiteVersion, &ADMBasicSuiteTable());
    suites.Register(kSPBlocksSuite, kSPBlocksSuiteVersion, &BlocksSuiteTable());
    suites.Register(kAIMenuSuite, kAIMenuSuiteVersion, &MenuSuiteTable());
    suites.Register(kAIToolSuite, kAIToolSuiteVersion, &ToolSuiteTable());
    suites.Register(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &AnnotatorSuiteTable());
    suites.Register(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &AnnotatorDrawerSuiteTable());
    suites.Register(kAIURLSuite, kAIURLSuiteVersion, &URLSuiteTable());
    suites.Register(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &PreferenceSuiteTable());
    suites.Register(kAIPluginSuite, kAIPluginSuiteVersion, &kPluginSuite);
    suites.Register(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kRuntimeSuite);
    suites.Register(kAIRealMathSuite, kAIRealMathSuiteVersion, &RealMathSuiteTable());
    suites.Register(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &RealBezierSuiteTable());
    // Every other suite the plug-in acquires gets a blank table until its part registers the real one.
    for (const SuiteName& suite : kHostSuites)
        suites.RegisterBlank(suite.Name, suite.Version);
}

} // namespace sim
