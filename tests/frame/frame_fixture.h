// Shared set-up of the frame's tests: a fresh stand-in host with the plug-in connected.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/Settings.h"
#include "frame/FrameEntry.h"
#include "frame/FramePanel.h"
#include "frame/HostError.h"
#include "frame/Plugin.h"
#include "frame/Report.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "resources/Resources.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

namespace frametest {

// The frame's own result of the last message, which PluginMain does not pass on.
inline ASErr gLastResult = kNoErr;

// Throws the code of a failed host call, as an operation of a plug-in built on the frame may; success passes.
inline void ThrowIfError(ASErr error) {
    if (error != kNoErr) throw HostError(error);
}

// An entry that hands the host the frame's own result, so a test can read what each operation answered.
inline ASErr ResultEntry(const char* caller, const char* selector, void* message) {
    gLastResult = HandleHostMessage(caller, selector, message);
    return gLastResult;
}

// A panel standing in for the docked panel: it records its visibility and leaves a dock code when destroyed.
struct FakePanel : DockedPanel {
    explicit FakePanel(int32_t dockCode, int* destroyed = nullptr) : DockCode(dockCode), Destroyed(destroyed) {}
    ~FakePanel() override {
        gPanelDock.DockCode = DockCode;
        if (Destroyed != nullptr) ++*Destroyed;
    }
    bool IsShown() const override { return Shown; }
    void SetShown(bool shown) override { Shown = shown; }
    void LayoutPanelForTool(int32_t enabled) override { Calls.push_back("layout " + std::to_string(enabled)); }
    void ShowPanelSegmentPage(int32_t enabled) override { Calls.push_back("segment " + std::to_string(enabled)); }
    void ShowPanelAnglePage(int32_t enabled) override { Calls.push_back("angle " + std::to_string(enabled)); }
    void EnablePanelMenuEntries(int32_t enabled) override { Calls.push_back("menu " + std::to_string(enabled)); }
    void ShowSelectionMeasures() override { Calls.push_back("selection"); }
    void ShowFigureArea() override { Calls.push_back("figure area"); }

    bool Shown = true;
    std::vector<std::string> Calls;  // what the tools asked of the panel, in order
    int32_t DockCode;
    int* Destroyed;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        gFrameEntry = FrameEntry{};
        gPanelDock = PanelDock{};
        gReportState = ReportState{};
        gLastResult = kNoErr;
        Connect(PluginMain);
    }
    // A plug-in a test left started is shut down, as the host does at quit, so that nothing it holds is lost
    // when the next test starts from a fresh stand-in.
    void TearDown() override {
        if (sim::ThePlugin().IsLoaded() && Object() != nullptr) sim::ThePlugin().Shutdown();
    }

    static void Connect(SPPluginEntryProc entry) { sim::ThePlugin().Load(entry, PluginResources); }

    static Plugin* Object() { return static_cast<Plugin*>(sim::ThePlugin().Globals()); }
    static TavorinePlugIn* Tavorine() { return static_cast<TavorinePlugIn*>(Object()); }

    // Sends a message of the record type the caller uses and answers the frame's own result.
    template <class Record>
    static ASErr SendRecord(const char* caller, const char* selector, Record& record) {
        gLastResult = kNoErr;
        sim::ThePlugin().Send(caller, selector, &record);
        return gLastResult;
    }

    static std::vector<std::string> AlertTexts(const std::string& kind) {
        std::vector<std::string> texts;
        for (const sim::Alert& alert : sim::TheLogs().alerts)
            if (alert.kind == kind) texts.push_back(alert.text);
        return texts;
    }
};

}  // namespace frametest
