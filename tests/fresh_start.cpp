// The fresh start of every test, and the test programs' entry that runs it before each test.
#include "fresh_start.h"

#include <gtest/gtest.h>

#include "dialogs/creation/PointEditorState.h"
#include "dialogs/options/OptionsDialogsState.h"
#include "dimension/DimensionState.h"
#include "frame/FrameState.h"
#include "panel/PanelState.h"
#include "records/Records.h"
#include "simhost/SimHost.h"
#include "tools/ToolsState.h"

namespace tavotest {
namespace {

// Runs the fresh start before each test, ahead of its fixture's own set-up.
class FreshStartListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { StartFresh(); }
};

}  // namespace

// The stand-in host, then every folder through its own reset, from the records up.
void StartFresh() {
    sim::ResetHost();
    ResetRecords();
    ResetFrameState();
    ResetDimensionState();
    ResetToolsState();
    ResetPanelState();
    ResetOptionsDialogsState();
    ResetPointEditors();
}

}  // namespace tavotest

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new tavotest::FreshStartListener);
    return RUN_ALL_TESTS();
}
