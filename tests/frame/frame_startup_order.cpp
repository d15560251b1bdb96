// The order of the start-up steps, read from the host's call log, and how a failing step is answered.
#include <algorithm>

#include "frame_fixture.h"
#include "simhost/Menus.h"
#include "simhost/Notifiers.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Tools.h"

namespace frametest {
namespace {

// The host's own tables, which the logged tables below call on.
SPBasicSuite gHostBasic;
SPPluginsSuite gHostPlugins;
SPAccessSuite gHostAccess;
AINotifierSuite gHostNotifier;
AIMenuSuite gHostMenu;
AIPreferenceSuite gHostPreference;

// Failures the test asks the host for.
std::string gFailingNotifier;
ASErr gMenuFailure = kNoErr;
ASErr gLockFailure = kNoErr;
// Whether the settings' boolean and integer reads are logged too.
bool gLogPreferenceReads = false;

ASErr LoggedAcquireSuite(const char* name, int32_t version, const void** suite) {
    sim::LogCall(std::string("Basic.AcquireSuite ") + name + " " + std::to_string(version));
    return gHostBasic.AcquireSuite(name, version, suite);
}

ASErr LoggedGetPluginName(SPPluginRef plugin, const char** name) {
    sim::LogCall("Plugins.GetPluginName");
    return gHostPlugins.GetPluginName(plugin, name);
}

ASErr LoggedAcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
    sim::LogCall("Access.AcquirePlugin");
    if (gLockFailure != kNoErr) return gLockFailure;
    return gHostAccess.AcquirePlugin(plugin, access);
}

ASErr LoggedAddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
    sim::LogCall(std::string("Notifier.AddNotifier ") + name);
    if (gFailingNotifier == name) return kBadParameterErr;
    return gHostNotifier.AddNotifier(self, name, type, notifier);
}

ASErr LoggedAddMenuItem(SPPluginRef self, const char* name, const AIPlatformAddMenuItemData* data, int32_t options,
                        AIMenuItemHandle* item) {
    sim::LogCall(std::string("Menu.AddMenuItem ") + name);
    if (gMenuFailure != kNoErr) return gMenuFailure;
    return gHostMenu.AddMenuItem(self, name, data, options, item);
}

ASErr LoggedGetIntegerPreference(const char* prefix, const char* suffix, int32_t* value) {
    if (gLogPreferenceReads) sim::LogCall(std::string("Preference.GetInteger ") + suffix);
    return gHostPreference.GetIntegerPreference(prefix, suffix, value);
}

ASErr LoggedGetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value) {
    if (gLogPreferenceReads) sim::LogCall(std::string("Preference.GetBoolean ") + suffix);
    return gHostPreference.GetBooleanPreference(prefix, suffix, value);
}

ASErr LoggedGetRealPreference(const char* prefix, const char* suffix, double* value) {
    if (gLogPreferenceReads) sim::LogCall(std::string("Preference.GetReal ") + suffix);
    return gHostPreference.GetRealPreference(prefix, suffix, value);
}

// Copies a host table and registers the copy with some of its operations replaced.
template <class Suite, class Edit>
void Interpose(const char* name, int32_t version, Suite& host, Edit edit) {
    host = *static_cast<const Suite*>(sim::TheSuites().Table(name, version));
    static Suite logged;
    logged = host;
    edit(logged);
    sim::TheSuites().Register(name, version, &logged);
}

class StartupOrderTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gFailingNotifier.clear();
        gMenuFailure = kNoErr;
        gLockFailure = kNoErr;
        gLogPreferenceReads = false;
        SPBasicSuite* basic = sim::TheBasicSuite();
        gHostBasic = *basic;
        basic->AcquireSuite = LoggedAcquireSuite;
        Interpose(kSPPluginsSuite, kSPPluginsSuiteVersion, gHostPlugins,
                  [](SPPluginsSuite& s) { s.GetPluginName = LoggedGetPluginName; });
        Interpose(kSPAccessSuite, kSPAccessSuiteVersion, gHostAccess,
                  [](SPAccessSuite& s) { s.AcquirePlugin = LoggedAcquirePlugin; });
        Interpose(kAINotifierSuite, kAINotifierSuiteVersion, gHostNotifier,
                  [](AINotifierSuite& s) { s.AddNotifier = LoggedAddNotifier; });
        Interpose(kAIMenuSuite, kAIMenuSuiteVersion, gHostMenu,
                  [](AIMenuSuite& s) { s.AddMenuItem = LoggedAddMenuItem; });
        Interpose(kAIPreferenceSuite, kAIPreferenceSuiteVersion, gHostPreference,
                  [](AIPreferenceSuite& s) {
                      s.GetIntegerPreference = LoggedGetIntegerPreference;
                      s.GetBooleanPreference = LoggedGetBooleanPreference;
                      s.GetRealPreference = LoggedGetRealPreference;
                  });
        sim::TheTools().Select(sim::TheTools().FindByName(kEyedropperToolName)->handle);
        sim::TheLogs().Clear();
    }
    void TearDown() override {
        *sim::TheBasicSuite() = gHostBasic;
        FrameTest::TearDown();
    }
};

std::vector<std::string> ExpectedAcquisitions() {
    // Every suite "name version", frame suites first, in the order the host boundary lists them.
    const char* const suites[] = {
        "SP Access Suite 3", "SP Plug-ins Suite 4", "AI Notifier Suite 2", "AI Context Suite 5",
        "ADM Basic Suite 10", "SP Blocks Suite 2", "AI Menu Suite 9", "AI Tool Suite 11", "AI Annotator Suite 4",
        "AI Annotator Drawer Suite 2", "AI URL Suite 1", "AI Preference Suite 4", "AI Plugin Suite 3",
        "AI Runtime Suite 10", "AI Art Suite 15", "AI Path Suite 9", "AI Path Style Suite 11", "AI Tag Suite 2",
        "AI Matching Art Suite 5", "AI Art Set Suite 6", "AI Transform Art Suite 1", "AI Art Converter Suite 1",
        "AI Text Frame Suite 2", "AI Font Suite 4", "AIATE Paint Suite 1", "AI Document Suite 12",
        "AI Document View Suite 10", "AI Layer Suite 11", "AI Hit Test Suite 4", "AI Cursor Snap Suite 3",
        "AI MdMemory Suite 1", "AI Real Math Suite 1", "AI Real Bezier Suite 2", "AI Custom Color Suite 6",
        "AI Swatch List Suite 5", "AI Swatch Group Suite 1", "AI Unicode String Suite 6", "AS Lib Suite 2",
        "ADM Dialog Suite 10", "ADM Dialog Group Suite 1", "ADM Item Suite 7", "ADM List Suite 1",
        "ADM Entry Suite 2", "ADM Notifier Suite 2", "ADM Tracker Suite 2", "ADM Icon Suite 1", "ADM Icon Suite 2",
        "ADM Drawer Suite 7", "ATE TextRange Suite 1", "ATE CharFeatures Suite 1", "ATE ParaFeatures Suite 1",
        "ATE Font Suite 1", "ATE Story Suite 101", "ATE ApplicationPaint Suite 101",
    };
    std::vector<std::string> lines;
    for (const char* suite : suites) lines.push_back(std::string("Basic.AcquireSuite ") + suite);
    return lines;
}

TEST_F(StartupOrderTest, TheStepsRunInTheirOrder) {
    sim::ThePlugin().Startup();
    std::vector<std::string> expected{"message SP Interface/Startup"};
    for (const std::string& line : ExpectedAcquisitions()) expected.push_back(line);
    for (const char* line : {"Plugins.GetPluginName", "Notifier.AddNotifier TextFileFormat App Started Notifier",
                             "Access.AcquirePlugin", "Menu.AddMenuItem Vektoria plug-ins",
                             "Menu.AddMenuItem Vek-Tavorine About", "Menu.AddMenuItem Vek-Tavorine Panel",
                             "Notifier.AddNotifier TransormButtonsDialog ", "Notifier.AddNotifier Couleur",
                             "Tool.SetSelectedTool Select Tool"})
        expected.push_back(line);
    EXPECT_EQ(sim::TheLogs().calls, expected);
}

TEST_F(StartupOrderTest, TheSettingsAreLoadedAfterTheNotifiersAndBeforeTheSelectToolIsMadeCurrent) {
    gLogPreferenceReads = true;
    sim::ThePlugin().Startup();
    const std::vector<std::string>& calls = sim::TheLogs().calls;
    const auto at = [&calls](const std::string& line) { return std::find(calls.begin(), calls.end(), line); };
    const auto firstRead = std::find_if(calls.begin(), calls.end(), [](const std::string& line) {
        return line.rfind("Preference.Get", 0) == 0;
    });
    ASSERT_NE(firstRead, calls.end());
    // The first read asks, in the key's own type, whether the store holds the first key of the table: a store
    // without one is a first run.
    EXPECT_EQ(*firstRead, "Preference.GetReal Epaisseur");
    EXPECT_LT(at("Notifier.AddNotifier Couleur"), firstRead);
    const auto selected = at("Tool.SetSelectedTool Select Tool");
    ASSERT_NE(selected, calls.end());
    EXPECT_TRUE(std::none_of(selected, calls.end(), [](const std::string& line) {
        return line.rfind("Preference.", 0) == 0;
    }));
}

TEST_F(StartupOrderTest, FailingMenuAndNotifierStepsDoNotStopTheLaterSteps) {
    gMenuFailure = kBadParameterErr;
    gFailingNotifier = "TransormButtonsDialog ";
    sim::ThePlugin().Startup();
    ASSERT_NE(Object(), nullptr);
    EXPECT_TRUE(sim::TheMenus().Items().empty());
    ASSERT_EQ(sim::TheNotifiers().Records().size(), 2u);
    EXPECT_EQ(sim::TheNotifiers().Records()[1].name, "Couleur");
    EXPECT_EQ(sim::TheTools().SelectedRecord()->name, "Select Tool");
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
}

TEST_F(StartupOrderTest, AFailureBeforeTheLockEndsTheStartUpAndGivesEverythingBack) {
    Connect(ResultEntry);
    gFailingNotifier = "TextFileFormat App Started Notifier";
    sim::ThePlugin().Startup();
    EXPECT_EQ(gLastResult, kBadParameterErr);
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
    EXPECT_TRUE(sim::TheMenus().Items().empty());

    gFailingNotifier.clear();
    gLockFailure = kCantHappenErr;
    sim::ThePlugin().Startup();
    EXPECT_EQ(gLastResult, kCantHappenErr);
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
    EXPECT_EQ(sim::ThePlugin().LockCount(), 0);
    EXPECT_EQ(sim::TheTools().SelectedRecord()->name, "Eyedropper Tool");
}

}  // namespace
}  // namespace frametest
