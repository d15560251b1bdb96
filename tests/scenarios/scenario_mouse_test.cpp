// Tool selection, the mouse and held keys as a scenario plays them against the host.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;

constexpr int kRunFailed = 1;

struct RefusedCase {
    const char* script;
    const char* message;
};

const RefusedCase kRefusedCases[] = {
    {"tool \"Outil Inconnu\"\n", "play.scn:1: no tool \"Outil Inconnu\"\n"},
    // Titles are matched exactly, case included.
    {"tool \"select tool\"\n", "play.scn:1: no tool \"select tool\"\n"},
    // The host sends tool messages only to a plug-in tool.
    {"move 10,20\n", "play.scn:1: the selected tool \"Select Tool\" is not the plug-in's\n"},
    {"tool \"Eyedropper Tool\"\nclick 10,20 shift\n",
     "play.scn:2: the selected tool \"Eyedropper Tool\" is not the plug-in's\n"},
};

class RefusedMouseCommand : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedMouseCommand, StopsWithStatusOneNamingTheLineAndWritesNoOutput) {
    WorkFolder folder;
    folder.Write("play.scn", GetParam().script);
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    EXPECT_EQ(result.status, kRunFailed);
    EXPECT_EQ(result.errors, GetParam().message);
    EXPECT_FALSE(folder.Has("play.svg"));
    EXPECT_FALSE(folder.Has("play.log"));
}

INSTANTIATE_TEST_SUITE_P(Commands, RefusedMouseCommand, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ToolCommand, SelectsAHostToolByItsTitleAndLogsTheChangeInItsSection) {
    WorkFolder folder;
    folder.Write("play.scn", "tool \"Eyedropper Tool\"\ntool \"Eyedropper Tool\"\npress shift alt\n"
                             "release alt\n");
    const DriverResult result = folder.Run({"play.scn", "--prefs", "prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("play.log");
    // Choosing the tool already selected changes nothing and sends nothing.
    ExpectInOrder(log, {"== 1: tool \"Eyedropper Tool\"\ncall Tool.SetSelectedTool Eyedropper Tool\n",
                        "== 2: tool \"Eyedropper Tool\"\n== 3: press shift alt\n== 4: release alt\n"});
    EXPECT_EQ(Count(log, "Tool.SetSelectedTool"), 1u);
}

} // namespace
} // namespace scenarios
