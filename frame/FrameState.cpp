#include "frame/FrameState.h"

#include <cstring>

#include "frame/ArrowHeads.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/FrameEntry.h"
#include "frame/FramePanel.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/PluginReference.h"
#include "frame/Report.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"

namespace {

// A table left acquired by a plug-in that was never shut down is forgotten: no count, no pointers.
void ForgetSuites(SuiteTable& table) {
    for (size_t i = 0; i < table.Count; ++i) {
        void* none = nullptr;
        std::memcpy(table.Entries[i].Pointer, &none, sizeof none);
    }
    table.UseCount = 0;
}

}  // namespace

void ResetFrameState() {
    ForgetSuites(gFrameSuiteTable);
    ForgetSuites(gSuiteTable);
    gFrameEntry = FrameEntry{};
    gPanelDock = PanelDock{};
    gReportState = ReportState{};
    ClearDialogOpeners();
    InstallLiveOptionsLoader(nullptr);
    SetOwnPluginRef(nullptr);
    ClearSettings();
    gColourSettings = ColourSettings{};
    gPathStyles = PathStyles{};
    gArrowHeadShape = ArrowHeadShape{};
}
