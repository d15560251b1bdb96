#include "host/Suites.h"
#include "simhost/Menus.h"
#include "simhost/Notifiers.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Tools.h"

namespace sim {

namespace {

// Every suite the plug-in acquires; each gets a blank table until its part registers the real one.
struct SuiteName {
    const char* name;
    int32_t version;
};
constexpr SuiteName kAllSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion},
    {kSPPluginsSuite, kSPPluginsSuiteVersion},
    {kAINotifierSuite, kAINotifierSuiteVersion},
    {kAIContextSuite, kAIContextSuiteVersion},
    {kADMBasicSuite, kADMBasicSuiteVersion},
    {kSPBlocksSuite, kSPBlocksSuiteVersion},
    {kAIMenuSuite, kAIMenuSuiteVersion},
    {kAIToolSuite, kAIToolSuiteVersion},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion},
    {kAIURLSuite, kAIURLSuiteVersion},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
    {kAIPluginSuite, kAIPluginSuiteVersion},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
    {kAIArtSuite, kAIArtSuiteVersion},
    {kAIPathSuite, kAIPathSuiteVersion},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
    {kAITagSuite, kAITagSuiteVersion},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion},
    {kAIArtSetSuite, kAIArtSetSuiteVersion},
    {kAITransformArtSuite, kAITransformArtSuiteVersion},
    {kAIArtConverterSuite, kAIArtConverterSuiteVersion},
    {kAITextFrameSuite, kAITextFrameSuiteVersion},
    {kAIFontSuite, kAIFontSuiteVersion},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion},
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
    {kAILayerSuite, kAILayerSuiteVersion},
    {kAIHitTestSuite, kAIHitTestSuiteVersion},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
    {kAIRealMathSuite, kAIRealMathSuiteVersion},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
    {kAICustomColorSuite, kAICustomColorSuiteVersion},
    {kAISwatchListSuite, kAISwatchListSuiteVersion},
    {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion},
    {kASLibSuite, kASLibSuiteVersion},
    {kADMDialogSuite, kADMDialogSuiteVersion},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion},
    {kADMItemSuite, kADMItemSuiteVersion},
    {kADMListSuite, kADMListSuiteVersion},
    {kADMEntrySuite, kADMEntrySuiteVersion},
    {kADMNotifierSuite, kADMNotifierSuiteVersion},
    {kADMTrackerSuite, kADMTrackerSuiteVersion},
    {kADMIconSuite, kADMIconSuiteVersion1},
    {kADMIconSuite, kADMIconSuiteVersion2},
    {kADMDrawerSuite, kADMDrawerSuiteVersion},
    {kATETextRangeSuite, kATETextRangeSuiteVersion},
    {kATECharFeaturesSuite, kATECharFeaturesSuiteVersion},
    {kATEParaFeaturesSuite, kATEParaFeaturesSuiteVersion},
    {kATEFontSuite, kATEFontSuiteVersion},
    {kATEStorySuite, kATEStorySuiteVersion},
    {kATEApplicationPaintSuite, kATEApplicationPaintSuiteVersion},
};

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
    suites.Register(kAIURLSuite, kAIURLSuiteVersion, &URLSuiteTable());
    suites.Register(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &PreferenceSuiteTable());
    suites.Register(kAIPluginSuite, kAIPluginSuiteVersion, &kPluginSuite);
    suites.Register(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kRuntimeSuite);
    suites.Register(kAIRealMathSuite, kAIRealMathSuiteVersion, &RealMathSuiteTable());
    suites.Register(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &RealBezierSuiteTable());
    for (const SuiteName& suite : kAllSuites)
        suites.RegisterBlank(suite.name, suite.version);
}

} // namespace sim
