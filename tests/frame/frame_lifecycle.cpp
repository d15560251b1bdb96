// Start-up, shut-down, unload and reload of the plug-in, driven through its entry as the host drives it.
#include <cstring>
#include <new>

#include "frame_fixture.h"
#include "simhost/Notifiers.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Tools.h"

namespace frametest {
namespace {

const void* PointerOf(const SuiteEntry& entry) {
    const void* suite = nullptr;
    std::memcpy(&suite, entry.Pointer, sizeof suite);
    return suite;
}

std::vector<const SuiteEntry*> EverySuite() {
    std::vector<const SuiteEntry*> entries;
    for (const SuiteTable* table : {&gFrameSuiteTable, &gSuiteTable})
        for (size_t i = 0; i < table->Count; ++i) entries.push_back(&table->Entries[i]);
    return entries;
}

void ExpectEverySuiteUsedOnce() {
    for (const SuiteEntry* entry : EverySuite()) {
        SCOPED_TRACE(std::string(entry->Name) + " " + std::to_string(entry->Version));
        EXPECT_EQ(sim::TheSuites().UseCount(entry->Name, entry->Version), 1);
        EXPECT_EQ(PointerOf(*entry), sim::TheSuites().Table(entry->Name, entry->Version));
    }
}

void ExpectNoSuiteHeld() {
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
    for (const SuiteEntry* entry : EverySuite()) EXPECT_EQ(PointerOf(*entry), nullptr) << entry->Name;
    EXPECT_EQ(gSuiteTable.UseCount, 0);
    EXPECT_EQ(gFrameSuiteTable.UseCount, 0);
}

// Sends a few messages of every kind; each must answer 0 and reach nothing.
void SendLaterMessages() {
    AIToolMessage tool;
    AIMenuMessage menu;
    AIAnnotatorMessage annotation;
    EXPECT_EQ(sim::ThePlugin().About(), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Send(kCallerAITool, kSelectorAIToolMouseDown, &tool), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Send(kCallerAIMenu, kSelectorAIGoMenuItem, &menu), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, &annotation), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Reload(), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

using LifecycleTest = FrameTest;

TEST_F(LifecycleTest, StartUpKeepsTheObjectInTheGlobalsSlotAndAcquiresEverySuiteOnce) {
    EXPECT_EQ(sim::ThePlugin().Startup(), kNoErr);
    ASSERT_NE(Object(), nullptr);
    ExpectEverySuiteUsedOnce();
    EXPECT_EQ(sim::TheSuites().UseCount(kADMIconSuite, 1), 1);
    EXPECT_EQ(sim::TheSuites().UseCount(kADMIconSuite, 2), 1);
    EXPECT_EQ(sim::ThePlugin().LockCount(), 1);
    EXPECT_STREQ(Object()->PluginName, "TextFileFormat");
}

TEST_F(LifecycleTest, StartUpRegistersTheThreeNotifiersUnderTheirNames) {
    sim::ThePlugin().Startup();
    const auto& records = sim::TheNotifiers().Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "TextFileFormat App Started Notifier");
    EXPECT_EQ(records[0].type, "AI Application Started Notifier");
    EXPECT_EQ(records[1].name, "TransormButtonsDialog ");
    EXPECT_EQ(records[1].type, "AI Application Shutdown Notifier");
    EXPECT_EQ(records[2].name, "Couleur");
    EXPECT_EQ(records[2].type, "AI Art Custom Color Changed Notifier");
    for (const sim::NotifierRecord& record : records) EXPECT_EQ(record.plugin, sim::ThePlugin().Ref());
}

TEST_F(LifecycleTest, StartUpMakesTheHostsSelectToolCurrent) {
    const sim::ToolRecord* eyedropper = sim::TheTools().FindByName(kEyedropperToolName);
    ASSERT_NE(eyedropper, nullptr);
    sim::TheTools().Select(eyedropper->handle);
    sim::ThePlugin().Startup();
    ASSERT_NE(sim::TheTools().SelectedRecord(), nullptr);
    EXPECT_EQ(sim::TheTools().SelectedRecord()->name, "Select Tool");
}

TEST_F(LifecycleTest, WithdrawingAnySuiteFailsTheStartUpAndDeletesTheObject) {
    for (const SuiteEntry* entry : EverySuite()) {
        SCOPED_TRACE(std::string(entry->Name) + " " + std::to_string(entry->Version));
        sim::ResetHost();
        Connect(ResultEntry);
        sim::TheSuites().Withdraw(entry->Name, entry->Version);
        sim::ThePlugin().Startup();
        EXPECT_EQ(gLastResult, kSuiteNotFoundErr);
        EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
        ExpectNoSuiteHeld();
        EXPECT_EQ(sim::ThePlugin().LockCount(), 0);
        EXPECT_TRUE(sim::TheNotifiers().Records().empty());
        SendLaterMessages();
        EXPECT_EQ(gLastResult, kNoErr);
    }
}

TEST_F(LifecycleTest, AFailedStartUpThroughTheEntryAnswersZeroAndLeavesNothingBehind) {
    sim::TheSuites().Withdraw(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    EXPECT_EQ(sim::ThePlugin().Startup(), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    ExpectNoSuiteHeld();
    SendLaterMessages();
    EXPECT_TRUE(sim::TheLogs().debugOutput.empty());
}

TEST_F(LifecycleTest, AnObjectThatCannotBeAllocatedAnswersOutOfMemory) {
    Connect(ResultEntry);
    const PluginFactory factories[] = {
        [](SPPluginRef) -> Plugin* { return nullptr; },
        [](SPPluginRef) -> Plugin* { throw std::bad_alloc(); },
    };
    for (PluginFactory factory : factories) {
        gFrameEntry.MakePlugin = factory;
        sim::ThePlugin().Startup();
        EXPECT_EQ(gLastResult, kOutOfMemoryErr);
        EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
        ExpectNoSuiteHeld();
    }
    Connect(PluginMain);
    EXPECT_EQ(sim::ThePlugin().Startup(), kNoErr);
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    SendLaterMessages();
}

TEST_F(LifecycleTest, ShutDownWritesTheDockCodeAndThePanelFlags) {
    sim::ThePlugin().Startup();
    gSettings.PanelVisible = 1;
    gSettings.OptionsShown = 0;
    sim::ThePreferences().ClearWriteLog();
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);

    const auto& writes = sim::ThePreferences().WriteLog();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].prefix, "Tavorine");
    EXPECT_EQ(writes[0].key, "kADM_DPDockCodeStr");
    EXPECT_EQ(writes[0].type, sim::PrefType::Int);
    EXPECT_EQ(writes[0].value, "7168");
    EXPECT_EQ(writes[1].prefix, "VekTavorine");
    EXPECT_EQ(writes[1].key, "PanneauVisible");
    EXPECT_EQ(writes[1].type, sim::PrefType::Bool);
    EXPECT_EQ(writes[1].value, "true");
    EXPECT_EQ(writes[2].prefix, "VekTavorine");
    EXPECT_EQ(writes[2].key, "PanneauGrand");
    EXPECT_EQ(writes[2].type, sim::PrefType::Bool);
    EXPECT_EQ(writes[2].value, "false");
    EXPECT_EQ(sim::ThePreferences().Get("Tavorine", "kADM_DPDockCodeStr"), sim::PrefValue::Int(7168));
    EXPECT_EQ(sim::ThePreferences().Get("VekTavorine", "PanneauVisible"), sim::PrefValue::Bool(true));
    EXPECT_EQ(sim::ThePreferences().Get("VekTavorine", "PanneauGrand"), sim::PrefValue::Bool(false));
}

TEST_F(LifecycleTest, ShutDownReleasesEverySuiteAndTheLockAndDeletesTheObject) {
    sim::ThePlugin().Startup();
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    ExpectNoSuiteHeld();
    EXPECT_EQ(sim::ThePlugin().LockCount(), 0);
    sim::TheLogs().Clear();
    SendLaterMessages();
    EXPECT_TRUE(sim::ThePreferences().Has("Tavorine", "kADM_DPDockCodeStr"));
}

TEST_F(LifecycleTest, TheShutdownNotifierDestroysThePanelAndItsDockCodeIsWritten) {
    sim::ThePlugin().Startup();
    int destroyed = 0;
    Tavorine()->PanelDialogue = new FakePanel(1234, &destroyed);
    sim::ThePlugin().SendNotifier(kAIArtCustomColorChangedNotifier);
    EXPECT_EQ(destroyed, 0);
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Tavorine()->PanelDialogue, nullptr);
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    EXPECT_EQ(destroyed, 1);
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(sim::ThePreferences().Get("Tavorine", "kADM_DPDockCodeStr"), sim::PrefValue::Int(1234));
}

TEST_F(LifecycleTest, APanelStillAliveAtShutDownIsDestroyedBeforeItsDockCodeIsWritten) {
    sim::ThePlugin().Startup();
    int destroyed = 0;
    Tavorine()->PanelDialogue = new FakePanel(4352, &destroyed);
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(sim::ThePreferences().Get("Tavorine", "kADM_DPDockCodeStr"), sim::PrefValue::Int(4352));
}

TEST_F(LifecycleTest, UnloadGivesEverySuiteBackAndReloadTakesThemAgain) {
    sim::ThePlugin().Startup();
    const int32_t started = sim::TheSuites().TotalUseCount();
    EXPECT_EQ(sim::ThePlugin().Unload(), kNoErr);
    ExpectNoSuiteHeld();
    EXPECT_EQ(sim::ThePlugin().Unload(), kNoErr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
    EXPECT_EQ(sim::ThePlugin().Reload(), kNoErr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), started);
    ExpectEverySuiteUsedOnce();
    EXPECT_EQ(sim::ThePlugin().Reload(), kNoErr);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), started);
    sim::ThePlugin().Shutdown();
    ExpectNoSuiteHeld();
}

TEST_F(LifecycleTest, AMessageToAnUnloadedPluginFindsItsSuitesAgain) {
    sim::ThePlugin().Startup();
    const int32_t started = sim::TheSuites().TotalUseCount();
    sim::ThePlugin().Unload();
    sim::ThePlugin().About();
    EXPECT_EQ(AlertTexts("about").size(), 1u);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), started);
    sim::ThePlugin().Unload();
    sim::ThePlugin().Shutdown();
    EXPECT_TRUE(sim::ThePreferences().Has("VekTavorine", "PanneauVisible"));
    ExpectNoSuiteHeld();
}

TEST_F(LifecycleTest, ASecondStartUpKeepsTheOneObject) {
    sim::ThePlugin().Startup();
    void* first = sim::ThePlugin().Globals();
    sim::ThePlugin().Startup();
    EXPECT_EQ(sim::ThePlugin().Globals(), first);
    EXPECT_EQ(sim::TheNotifiers().Records().size(), 3u);
    ExpectEverySuiteUsedOnce();
}

TEST_F(LifecycleTest, NullMessagesAndAnEmptyGlobalsSlotAreAnsweredZero) {
    EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kNoErr);
    EXPECT_EQ(PluginMain(nullptr, nullptr, nullptr), kNoErr);
    sim::ThePlugin().Startup();
    SPMessageData header;
    header.SPCheck = kSPValidSPMessageData;
    header.self = sim::ThePlugin().Ref();
    header.basic = sim::TheBasicSuite();
    EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceAboutSelector, &header), kNoErr);
    EXPECT_EQ(PluginMain(nullptr, nullptr, &header), kNoErr);
    EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &header), kNoErr);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
    EXPECT_NE(sim::ThePlugin().Globals(), nullptr);
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);
}

TEST_F(LifecycleTest, TheAnnotationDrawReachesTheAnnotatorWhichAnswersZero) {
    Connect(ResultEntry);
    sim::ThePlugin().Startup();
    AIAnnotatorMessage message;
    EXPECT_EQ(SendRecord(kCallerAIAnnotation, kSelectorAIDrawAnnotation, message), kNoErr);
    EXPECT_EQ(SendRecord(kCallerAIAnnotation, kSelectorAIInvalAnnotation, message), kUnhandledMsgErr);
}

}  // namespace
}  // namespace frametest
