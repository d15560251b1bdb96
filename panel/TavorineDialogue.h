// The docked panel: one tabbed palette built once per launch, when the host has finished starting.
#pragma once

#include <cstdint>

#include "frame/FramePanel.h"
#include "panel/BaseADMDialog.h"

class TavorineDialogue : public BaseADMDialog, public DockedPanel {
public:
    // Makes the host dialog "Tavorine" on shell 16400 as a tabbed palette; the panel is complete on return.
    explicit TavorineDialogue(SPPluginRef pluginRef);
    // Keeps the dock code for shut-down, then destroys the host dialog.
    ~TavorineDialogue() override;

    // Builds the panel: procedures, dialog positions, open flags, path styles, live values, every item, the
    // scale and help items, then its size, visibility and docking.
    ASErr Init() override;
    void DialogDestroyed() override;

    bool IsShown() const override;
    void SetShown(bool shown) override;
    void LayoutPanelForTool(int32_t enabled) override;
    void ShowPanelSegmentPage(int32_t enabled) override;
    void ShowPanelAnglePage(int32_t enabled) override;
    void EnablePanelMenuEntries(int32_t enabled) override;
    void EnableFlyoutEntry(int32_t entryID, int32_t enabled) override;
    void ShowSelectionMeasures() override;
    void ShowFigureArea() override;
    void ShowCurvePartText(const char* line) override;
    void ShowPlacementValues() override;

private:
    SPAccessRef fPluginAccess = nullptr;
};

// The dock group the panel joins when none is stored.
#define kDefaultDockGroup "SDK Dialogs"

// Each modal dialog's first position: centred across the screen, a third of the way down.
void ComputeDialogPositions(const AIRect& screen);
