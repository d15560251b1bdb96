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
};

// The dock position code of a panel that has never been docked elsewhere.
constexpr int32_t kDefaultPanelDockCode = 7168;

// The panel's docking as it stood when the panel was last destroyed; the panel's destructor records it.
struct PanelDock {
    int32_t DockCode = kDefaultPanelDockCode;
};
extern PanelDock gPanelDock;
