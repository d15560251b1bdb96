// The shared records start clean again, and the dialog openers reach only what start-up installed.
#include <gtest/gtest.h>

#include "frame/DialogOpeners.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/MeasuredPoints.h"
#include "records/Records.h"
#include "records/RememberedSegments.h"
#include "records/ToolState.h"

TEST(SharedRecords, ResetClearsEveryRecord) {
    gToolState.CurrentTool = kAngleTool;
    gToolState.ClickCount = 2;
    gCurrentOptions.SeriesLabelStep = 12.0f;
    gDialogOpenFlags.PrefsDialogOpen = 1;
    gRememberedSegments.Head = new RememberedSegment{new RememberedSegment{}, 1, 2, 3, 4};

    ResetRecords();

    EXPECT_EQ(gToolState.CurrentTool, kNoToolSelected);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gDialogOpenFlags.PrefsDialogOpen, 0);
    EXPECT_EQ(gRememberedSegments.Head, nullptr);
    EXPECT_EQ(gCurrentOptions.SeriesLabelStep, 0.0f);
}

namespace {
int gColourOpenings = 0;
}

TEST(DialogOpeners, OnlyAnInstalledOpenerRuns) {
    ClearDialogOpeners();
    OpenModalDialog(ModalDialog::Colours);  // nothing installed: nothing happens
    InstallDialogOpener(ModalDialog::Colours, [] { ++gColourOpenings; });
    OpenModalDialog(ModalDialog::Colours);
    OpenModalDialog(ModalDialog::Preferences);
    EXPECT_EQ(gColourOpenings, 1);
    ClearDialogOpeners();
    OpenModalDialog(ModalDialog::Colours);
    EXPECT_EQ(gColourOpenings, 1);
}
