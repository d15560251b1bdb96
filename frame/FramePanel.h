// What the frame asks of the docked panel object, and the dock code it leaves behind when destroyed.
#pragma once

#include <cstdint>

// The panel object derives from this; the frame shows, hides and deletes it through it.
class DockedPanel {
public:
    DockedPanel() = default;
    DockedPanel(const DockedPanel&) = delete;
    DockedPanel& operator=(const DockedPanel&) = delete;
    virtual ~DockedPanel() = default;

    virtual bool IsShown() const = 0;
    virtual void SetShown(bool shown) = 0;

    // What the tools ask of the panel while it exists: lay it out for the current tool (enabled) or cover and
    // disable it, show the Segment or Angle page, enable or disable its flyout entries, and refresh its
    // selection and figure-area read-outs.
    virtual void LayoutPanelForTool(int32_t enabled) = 0;
    virtual void ShowPanelSegmentPage(int32_t enabled) = 0;
    virtual void ShowPanelAnglePage(int32_t enabled) = 0;
    virtual void EnablePanelMenuEntries(int32_t enabled) = 0;
    // Enables or disables one entry of the flyout menu by its id.
    virtual void EnableFlyoutEntry(int32_t /*entryID*/, int32_t /*enabled*/) {}
    virtual void ShowSelectionMeasures() = 0;
    virtual void ShowFigureArea() = 0;
    // Shows the placement values in force, as a drag or a re-open left them: the live "Attaches" in the tie
    // length field (its sign the side of the line), the live "Rayon" and the tick length.
    virtual void ShowPlacementValues() {}
    // Shows the line the Longueurs & aires hint draws for the part of a path between two anchors.
    virtual void ShowCurvePartText(const char* /*line*/) {}
};

// The prefix and keys of the panel's dock position: the code written at shut-down, the group only read.
#define kDockPrefix "Tavorine"
#define kDockCodeKey "kADM_DPDockCodeStr"
#define kDockGroupKey "kADM_DPDockGroupStr"

// The dock position code of a panel that has never been docked elsewhere.
constexpr int32_t kDefaultPanelDockCode = 7168;

// The panel's docking as it stood when the panel was last destroyed; the panel's destructor records it.
struct PanelDock {
    int32_t DockCode = kDefaultPanelDockCode;
};
extern PanelDock gPanelDock;
