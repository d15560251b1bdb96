// The debugger text written for a message that nobody handles.
#include "frame_fixture.h"

namespace frametest {
namespace {

using DebugTextTest = FrameTest;

TEST_F(DebugTextTest, AnUnhandledMessageWritesItsCallerAndSelector) {
    sim::ThePlugin().Startup();
    SPInterfaceMessage message;
    EXPECT_EQ(sim::ThePlugin().Send("AI Timer", "AI Go Timer", &message), kNoErr);
    EXPECT_EQ(sim::TheLogs().debugOutput,
              std::vector<std::string>{"Warning: Unhandled plugin message: caller \"AI Timer\" selector \"AI Go Timer\"\n"});
}

TEST_F(DebugTextTest, HandledMessagesWriteNothing) {
    sim::ThePlugin().Startup();
    sim::ThePlugin().About();
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    sim::ThePlugin().SendAnnotation(kSelectorAIDrawAnnotation);
    sim::ThePlugin().Unload();
    sim::ThePlugin().Reload();
    sim::ThePlugin().Shutdown();
    EXPECT_TRUE(sim::TheLogs().debugOutput.empty());
}

TEST_F(DebugTextTest, MessagesWithoutAPluginObjectWriteNothing) {
    SPInterfaceMessage message;
    sim::ThePlugin().Send("AI Timer", "AI Go Timer", &message);
    sim::ThePlugin().Startup();
    sim::ThePlugin().Shutdown();
    sim::ThePlugin().Send("AI Timer", "AI Go Timer", &message);
    EXPECT_TRUE(sim::TheLogs().debugOutput.empty());
}

TEST_F(DebugTextTest, AnOverlongCallerIsCutToTheBuffer) {
    sim::ThePlugin().Startup();
    const std::string caller(2000, 'c');
    SPInterfaceMessage message;
    sim::ThePlugin().Send(caller.c_str(), "S", &message);
    ASSERT_EQ(sim::TheLogs().debugOutput.size(), 1u);
    const std::string& text = sim::TheLogs().debugOutput[0];
    EXPECT_EQ(text.size(), 511u);
    EXPECT_EQ(text.rfind("Warning: Unhandled plugin message: caller \"cccc", 0), 0u);
}

TEST(DebugTextFormat, AbsentTextsAndSmallBuffersAreSafe) {
    char text[64];
    FormatUnhandledMessage(nullptr, nullptr, text, sizeof text);
    EXPECT_STREQ(text, "Warning: Unhandled plugin message: caller \"\" selector \"\"\n");
    char small[9];
    FormatUnhandledMessage("AI Timer", "AI Go Timer", small, sizeof small);
    EXPECT_STREQ(small, "Warning:");
    FormatUnhandledMessage("AI Timer", "AI Go Timer", nullptr, 0);
}

}  // namespace
}  // namespace frametest
