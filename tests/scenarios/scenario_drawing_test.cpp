// The drawing gallery played end to end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(DrawingScenario, TheGalleryPlaysWithNoAlertAndNoEmptyLabel) {
    for (const std::string name : {"drawing-gallery", "drawing-gallery-series", "drawing-gallery-chain"}) {
        SCOPED_TRACE(name);
        WorkFolder folder;
        const DriverResult result = folder.Run(
            {TAVORINE_SOURCE_DIR "/examples/" + name + ".scn", "-o", "out", "--prefs", "out/prefs.txt"});
        ASSERT_EQ(result.status, 0) << result.errors;
        const std::string tree = folder.Read("out/" + name + ".tree.txt");
        EXPECT_THAT(folder.Read("out/" + name + ".log"), Not(HasSubstr("alert message")));
        EXPECT_THAT(tree, Not(HasSubstr("contents=\"\"")));
        EXPECT_THAT(tree, Not(HasSubstr("nan")));
    }
}

} // namespace
} // namespace scenarios
