// The fresh start of every test, and the test programs' entry that runs it before each test.
#include "fresh_start.h"

#include <gtest/gtest.h>

#include <cstring>

#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/DialogOpeners.h"
#include "frame/FrameEntry.h"
#include "frame/FramePanel.h"
#include "frame/Report.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "records/Records.h"
#include "simhost/SimHost.h"

namespace tavotest {
namespace {

// A table left acquired by a test that never shut the plug-in down is forgotten: no count, no pointers.
void ForgetSuites(SuiteTable& table) {
    for (size_t i = 0; i < table.Count; ++i) {
        void* none = nullptr;
        std::memcpy(table.Entries[i].Pointer, &none, sizeof none);
    }
    table.UseCount = 0;
}

// Runs the fresh start before each test, ahead of its fixture's own set-up.
class FreshStartListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { StartFresh(); }
};

}  // namespace

void StartFresh() {
    sim::ResetHost();
    ResetRecords();
    ForgetSuites(gFrameSuiteTable);
    ForgetSuites(gSuiteTable);
    gFrameEntry = FrameEntry{};
    gPanelDock = PanelDock{};
    gReportState = ReportState{};
    ClearDialogOpeners();
    ForgetDivisionMarks();
    ClearValueFormat();
}

}  // namespace tavotest

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new tavotest::FreshStartListener);
    return RUN_ALL_TESTS();
}
