// The panel-edit example played end to end: every change from the panel played without an alert, the custom
// scale stored, the angle rebuilt from the panel and the dialog and document pictured after each change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(PanelEditScenario, ThePanelsChangesPlayAndTheCustomScaleIsStored) {
    WorkFolder folder;
    const DriverResult result =
        folder.Run({TAVORINE_SOURCE_DIR "/examples/panel-edit.scn", "-o", "out", "--prefs", "out/prefs.txt"});
    ASSERT_EQ(result.status, 0) << result.errors;
    const std::string log = folder.Read("out/panel-edit.log");
    EXPECT_THAT(log, Not(HasSubstr("alert message")));
    EXPECT_THAT(log, Not(HasSubstr("refused")));
    const std::string prefs = folder.Read("out/prefs.txt");
    EXPECT_THAT(prefs, HasSubstr("EchelleNumPersoReal"));
    EXPECT_THAT(prefs, HasSubstr("EchelleDenPersoReal"));
    const std::string tree = folder.Read("out/panel-edit.tree.txt");
    EXPECT_THAT(tree, HasSubstr("270,0°"));
    EXPECT_THAT(tree, Not(HasSubstr("nan")));
    EXPECT_THAT(folder.Read("out/panel-edit.echelle.svg"), HasSubstr("1 cm -&gt; 20 cm"));
    EXPECT_TRUE(folder.Has("out/panel-edit.10.svg"));
}

} // namespace
} // namespace scenarios
