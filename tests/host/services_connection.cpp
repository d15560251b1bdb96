// The plug-in connection: message headers, globals between messages, the message log, resources, the name
// property, SP Access locks and the app-context stack.
#include <gtest/gtest.h>

#include <cstring>

#include "host/ContextSuite.h"
#include "host/SPAccessSuite.h"
#include "host/SPPluginsSuite.h"
#include "services_fake_plugin.h"
#include "simhost/Platform.h"
#include "simhost/SuiteRegistry.h"

namespace {

using fake::Acquire;

class ServicesConnection : public ::testing::Test {
  protected:
    void SetUp() override { fake::Connect(); }
};

TEST_F(ServicesConnection, HeaderCarriesCheckSelfGlobalsAndBasic) {
    static int pluginObject = 0;
    fake::OnMessage() = [](const char*, const char* selector, void* message) {
        if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
            static_cast<SPMessageData*>(message)->globals = &pluginObject;
        }
        return kNoErr;
    };
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    ASSERT_EQ(sim::ThePlugin().About(), kNoErr);
    ASSERT_EQ(fake::Messages().size(), 2u);
    const fake::Received& startup = fake::Messages()[0];
    EXPECT_EQ(startup.check, kSPValidSPMessageData);
    EXPECT_EQ(startup.self, sim::ThePlugin().Ref());
    EXPECT_NE(startup.self, nullptr);
    EXPECT_EQ(startup.globals, nullptr);
    EXPECT_EQ(startup.basic, sim::TheBasicSuite());
    // The globals the plug-in left come back with the next message.
    EXPECT_EQ(fake::Messages()[1].globals, &pluginObject);
    EXPECT_EQ(sim::ThePlugin().Globals(), &pluginObject);
}

TEST_F(ServicesConnection, ConvenienceSendersUseTheRightCallersAndLogEachMessage) {
    sim::TheLogs().calls.clear();
    sim::ThePlugin().Startup();
    sim::ThePlugin().About();
    sim::ThePlugin().Unload();
    sim::ThePlugin().Reload();
    sim::ThePlugin().SendAnnotation(kSelectorAIDrawAnnotation);
    sim::ThePlugin().Shutdown();
    EXPECT_EQ(fake::Trace(), (std::vector<std::string>{"SP Interface/Startup", "SP Interface/About",
                                                       "SP Access/Unload", "SP Access/Reload",
                                                       "AI Annotation/AI Draw", "SP Interface/Shutdown"}));
    EXPECT_EQ(sim::TheLogs().calls,
              (std::vector<std::string>{"message SP Interface/Startup", "message SP Interface/About",
                                        "message SP Access/Unload", "message SP Access/Reload",
                                        "message AI Annotation/AI Draw", "message SP Interface/Shutdown"}));
}

TEST_F(ServicesConnection, EntryResultIsReturned) {
    fake::OnMessage() = [](const char*, const char*, void*) { return kUnhandledMsgErr; };
    EXPECT_EQ(sim::ThePlugin().About(), kUnhandledMsgErr);
}

TEST_F(ServicesConnection, NothingIsSentWithoutAPluginOrMessage) {
    EXPECT_EQ(sim::ThePlugin().Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, nullptr),
              kBadParameterErr);
    sim::ThePlugin().Disconnect();
    EXPECT_FALSE(sim::ThePlugin().IsLoaded());
    EXPECT_EQ(sim::ThePlugin().Startup(), kBadParameterErr);
    EXPECT_TRUE(fake::Messages().empty());
    EXPECT_EQ(sim::ThePlugin().Load(nullptr, fake::Resources), kBadParameterErr);
    EXPECT_FALSE(sim::ThePlugin().IsLoaded());
}

TEST_F(ServicesConnection, EachLoadGetsAReferenceNeverSeenBefore) {
    const SPPluginRef first = sim::ThePlugin().Ref();
    fake::Connect();
    const SPPluginRef second = sim::ThePlugin().Ref();
    EXPECT_NE(first, second);
    // A stale reference is refused by the suites.
    const auto* plugins = Acquire<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
    const char* name = "unchanged";
    EXPECT_EQ(plugins->GetPluginName(first, &name), kBadParameterErr);
    EXPECT_EQ(name, nullptr);
}

TEST_F(ServicesConnection, ResourcesAndNameComeFromTheModule) {
    const auto* access = Acquire<SPAccessSuite>(kSPAccessSuite, kSPAccessSuiteVersion);
    const auto* plugins = Acquire<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
    const SPPluginRef self = sim::ThePlugin().Ref();
    const char* name = nullptr;
    ASSERT_EQ(plugins->GetPluginName(self, &name), kNoErr);
    EXPECT_STREQ(name, "TextFileFormat");
    const PluginResource* list = nullptr;
    ASSERT_EQ(access->GetPluginResource(self, kStringListResourceType, 16050, &list), kNoErr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 3u);
    EXPECT_STREQ(static_cast<const char* const*>(list->data)[2], "Ø");
    EXPECT_EQ(access->GetPluginResource(self, kStringListResourceType, 16051, &list), kNameNotFoundErr);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(access->GetPluginResource(self, kPiPLResourceType, 16000, nullptr), kBadParameterErr);
}

TEST_F(ServicesConnection, PluginWithoutResourcesHasNoName) {
    sim::ThePlugin().Load(fake::Entry, nullptr);
    const auto* plugins = Acquire<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
    const char* name = "x";
    EXPECT_EQ(plugins->GetPluginName(sim::ThePlugin().Ref(), &name), kNameNotFoundErr);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(sim::ThePlugin().FindResource(kPiPLResourceType, 16000), nullptr);
}

TEST_F(ServicesConnection, AccessLocksCountAndStaleReleasesAreRefused) {
    const auto* access = Acquire<SPAccessSuite>(kSPAccessSuite, kSPAccessSuiteVersion);
    SPAccessRef first = nullptr;
    SPAccessRef second = nullptr;
    ASSERT_EQ(access->AcquirePlugin(sim::ThePlugin().Ref(), &first), kNoErr);
    ASSERT_EQ(access->AcquirePlugin(sim::ThePlugin().Ref(), &second), kNoErr);
    EXPECT_NE(first, second);
    EXPECT_EQ(sim::ThePlugin().LockCount(), 2);
    EXPECT_EQ(access->ReleasePlugin(first), kNoErr);
    EXPECT_EQ(access->ReleasePlugin(first), kStaleHandleErr);
    EXPECT_EQ(access->ReleasePlugin(nullptr), kStaleHandleErr);
    EXPECT_EQ(sim::ThePlugin().LockCount(), 1);
    SPAccessRef foreign = nullptr;
    EXPECT_EQ(access->AcquirePlugin(nullptr, &foreign), kBadParameterErr);
    EXPECT_EQ(foreign, nullptr);
    EXPECT_EQ(sim::ThePlugin().LockCount(), 1);
}

TEST_F(ServicesConnection, ContextPushesAndPopsBalance) {
    const auto* context = Acquire<AIContextSuite>(kAIContextSuite, kAIContextSuiteVersion);
    AIAppContextHandle outer = nullptr;
    AIAppContextHandle inner = nullptr;
    ASSERT_EQ(context->PushAppContext(sim::ThePlugin().Ref(), &outer), kNoErr);
    ASSERT_EQ(context->PushAppContext(sim::ThePlugin().Ref(), &inner), kNoErr);
    EXPECT_EQ(sim::ThePlatform().ContextDepth(), 2);
    EXPECT_EQ(context->PopAppContext(inner), kNoErr);
    EXPECT_EQ(context->PopAppContext(inner), kStaleHandleErr);
    EXPECT_EQ(context->PopAppContext(outer), kNoErr);
    EXPECT_EQ(sim::ThePlatform().ContextDepth(), 0);
    EXPECT_EQ(context->PushAppContext(sim::ThePlugin().Ref(), nullptr), kBadParameterErr);
}

} // namespace
