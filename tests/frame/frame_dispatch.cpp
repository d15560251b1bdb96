// Each host message reaches its operation of the base class and answers what the base answers.
#include <stdexcept>

#include "frame_fixture.h"
#include "host/ToolSuite.h"

namespace frametest {
namespace {

std::vector<std::string> gReached;

// An override that records its name and answers what the base class answers.
#define REACH(Operation, Record)                 \
    ASErr Operation(Record* message) override {  \
        gReached.push_back(#Operation);          \
        return Plugin::Operation(message);       \
    }

// A plug-in that records which operation each message reached and otherwise behaves as the base class.
class RecordingPlugin : public Plugin {
public:
    using Plugin::Plugin;

protected:
    REACH(About, SPInterfaceMessage)
    REACH(UnloadPlugin, SPAccessMessage)
    REACH(ReloadPlugin, SPAccessMessage)
    REACH(Notify, AINotifierMessage)
    REACH(ApplicationStarted, AINotifierMessage)
    REACH(GoMenuItem, AIMenuMessage)
    REACH(UpdateMenuItem, AIMenuMessage)
    REACH(ToolEditOptions, AIToolMessage)
    REACH(ToolTrackCursor, AIToolMessage)
    REACH(ToolMouseDown, AIToolMessage)
    REACH(ToolMouseDrag, AIToolMessage)
    REACH(ToolMouseUp, AIToolMessage)
    REACH(ToolSelect, AIToolMessage)
    REACH(ToolDeselect, AIToolMessage)
    REACH(ToolReselect, AIToolMessage)
    REACH(ToolDecreaseDiameter, AIToolMessage)
    REACH(ToolIncreaseDiameter, AIToolMessage)
    REACH(PurgeCache, SPMessageData)
    REACH(GoAction, SPMessageData)
};

#undef REACH

Plugin* MakeRecordingPlugin(SPPluginRef ref) { return new RecordingPlugin(ref); }

// The record each caller's messages use.
enum class Record { Plain, Tool, Notifier, Menu, Annotator };

struct DispatchRow {
    const char* Caller;
    const char* Selector;
    Record Kind;
    const char* NotifierType;  // for notifier messages
    ASErr Expected;
    const char* Operation;  // null when no operation may be reached
};

const DispatchRow kRows[] = {
    {"SP Interface", "About", Record::Plain, nullptr, kNoErr, "About"},
    {"SP Interface", "Restart", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"SP Access", "Unload", Record::Plain, nullptr, kNoErr, "UnloadPlugin"},
    {"SP Access", "Reload", Record::Plain, nullptr, kNoErr, "ReloadPlugin"},
    {"SP Access", "Acquire", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Notifier", "AI Notify", Record::Notifier, "AI Application Started Notifier", kNoErr, "ApplicationStarted"},
    {"AI Notifier", "AI Notify", Record::Notifier, "AI Application Shutdown Notifier", kNoErr, "Notify"},
    {"AI Notifier", "AI Notify", Record::Notifier, "AI Art Custom Color Changed Notifier", kNoErr, "Notify"},
    {"AI Menu", "AI Go", Record::Menu, nullptr, kUnhandledMsgErr, "GoMenuItem"},
    {"AI Menu", "AI Update", Record::Menu, nullptr, kUnhandledMsgErr, "UpdateMenuItem"},
    {"AI Tool", "AI Edit Options", Record::Tool, nullptr, kUnhandledMsgErr, "ToolEditOptions"},
    {"AI Tool", "AI Track Cursor", Record::Tool, nullptr, kUnhandledMsgErr, "ToolTrackCursor"},
    {"AI Tool", "AI Mouse Down", Record::Tool, nullptr, kUnhandledMsgErr, "ToolMouseDown"},
    {"AI Tool", "AI Mouse Drag", Record::Tool, nullptr, kUnhandledMsgErr, "ToolMouseDrag"},
    {"AI Tool", "AI Mouse Up", Record::Tool, nullptr, kUnhandledMsgErr, "ToolMouseUp"},
    {"AI Tool", "AI Select", Record::Tool, nullptr, kUnhandledMsgErr, "ToolSelect"},
    {"AI Tool", "AI Deselect", Record::Tool, nullptr, kUnhandledMsgErr, "ToolDeselect"},
    {"AI Tool", "AI Reselect", Record::Tool, nullptr, kNoErr, "ToolReselect"},
    {"AI Tool", "AI Decrease Diameter", Record::Tool, nullptr, kNoErr, "ToolDecreaseDiameter"},
    {"AI Tool", "AI Increase Diameter", Record::Tool, nullptr, kNoErr, "ToolIncreaseDiameter"},
    {"AI Tool", "AI Fly", Record::Tool, nullptr, kUnhandledMsgErr, nullptr},
    {"Plug-in Purge", "Plug-in Purge", Record::Plain, nullptr, kNoErr, "PurgeCache"},
    {"AI Action Manager", "Do Action", Record::Plain, nullptr, kNoErr, "GoAction"},
    {"AI Annotation", "AI Draw", Record::Annotator, nullptr, kUnhandledMsgErr, nullptr},
    {"SP Properties", "Acquire", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"SP Cache", "Flush", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Filter", "AI Go Filter", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Plugin Group", "AI Notify Edits", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI File Format", "AI Go File Format", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Live Effect", "AI Go Live Effect", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Timer", "AI Go Timer", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Clipboard", "AI Go Clipboard", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"AI Workspace", "AI Write Workspace", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
    {"Nobody", "Nothing", Record::Plain, nullptr, kUnhandledMsgErr, nullptr},
};

class DispatchTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gReached.clear();
        gFrameEntry.MakePlugin = MakeRecordingPlugin;
        Connect(ResultEntry);
    }

    static ASErr SendRow(const DispatchRow& row) {
        switch (row.Kind) {
            case Record::Tool: {
                AIToolMessage message;
                return SendRecord(row.Caller, row.Selector, message);
            }
            case Record::Notifier: {
                AINotifierMessage message;
                message.type = row.NotifierType;
                return SendRecord(row.Caller, row.Selector, message);
            }
            case Record::Menu: {
                AIMenuMessage message;
                return SendRecord(row.Caller, row.Selector, message);
            }
            case Record::Annotator: {
                AIAnnotatorMessage message;
                return SendRecord(row.Caller, row.Selector, message);
            }
            case Record::Plain:
                break;
        }
        SPInterfaceMessage message;
        return SendRecord(row.Caller, row.Selector, message);
    }
};

TEST_F(DispatchTest, EveryMessageReachesItsOperationWithTheBaseAnswer) {
    sim::ThePlugin().Startup();
    ASSERT_EQ(gLastResult, kNoErr);
    for (const DispatchRow& row : kRows) {
        SCOPED_TRACE(std::string(row.Caller) + "/" + row.Selector);
        gReached.clear();
        EXPECT_EQ(SendRow(row), row.Expected);
        if (row.Operation != nullptr)
            EXPECT_EQ(gReached, std::vector<std::string>{row.Operation});
        else
            EXPECT_TRUE(gReached.empty());
    }
}

TEST_F(DispatchTest, TheAboutMessageShowsTheHostsAboutBoxWithThePluginsName) {
    sim::ThePlugin().Startup();
    sim::ThePlugin().About();
    EXPECT_EQ(AlertTexts("about"), std::vector<std::string>{"TextFileFormat"});
}

TEST_F(DispatchTest, ApplicationStartedReachesItsOperationThroughTheRegisteredNotifier) {
    sim::ThePlugin().Startup();
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    EXPECT_EQ(gReached, std::vector<std::string>{"ApplicationStarted"});
}

TEST_F(DispatchTest, NothingReachesAnOperationBeforeStartUp) {
    for (const DispatchRow& row : kRows) {
        SCOPED_TRACE(std::string(row.Caller) + "/" + row.Selector);
        EXPECT_EQ(SendRow(row), kNoErr);
    }
    EXPECT_TRUE(gReached.empty());
    EXPECT_EQ(sim::ThePlugin().Globals(), nullptr);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

// A plug-in whose mouse-down throws what the test asks for.
enum class Throw { HostCode, Standard, Other };
Throw gThrow = Throw::HostCode;

class ThrowingPlugin : public Plugin {
public:
    using Plugin::Plugin;

protected:
    ASErr ToolMouseDown(AIToolMessage*) override {
        switch (gThrow) {
            case Throw::HostCode:
                throw HostError(kLockedErr);
            case Throw::Standard:
                throw std::runtime_error("lost");
            case Throw::Other:
                throw 42;
        }
        return kNoErr;
    }
    ASErr ToolMouseUp(AIToolMessage*) override {
        ThrowIfError(kStaleHandleErr);
        return kNoErr;
    }
};

TEST_F(DispatchTest, ExceptionsBecomeHostCodesAndNeverLeaveTheMessage) {
    gFrameEntry.MakePlugin = [](SPPluginRef ref) -> Plugin* { return new ThrowingPlugin(ref); };
    sim::ThePlugin().Startup();
    const struct {
        Throw What;
        ASErr Expected;
    } rows[] = {{Throw::HostCode, kLockedErr}, {Throw::Standard, kCantHappenErr}, {Throw::Other, kCantHappenErr}};
    for (const auto& row : rows) {
        gThrow = row.What;
        AIToolMessage message;
        EXPECT_EQ(SendRecord(kCallerAITool, kSelectorAIToolMouseDown, message), row.Expected);
    }
    AIToolMessage message;
    EXPECT_EQ(SendRecord(kCallerAITool, kSelectorAIToolMouseUp, message), kStaleHandleErr);

    // Through the real entry the host sees 0 and the plug-in keeps running.
    sim::ThePlugin().Shutdown();
    Connect(PluginMain);
    sim::ThePlugin().Startup();
    gThrow = Throw::Other;
    EXPECT_EQ(sim::ThePlugin().Send(kCallerAITool, kSelectorAIToolMouseDown, &message), kNoErr);
    EXPECT_NE(sim::ThePlugin().Globals(), nullptr);
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);
}

}  // namespace
}  // namespace frametest
