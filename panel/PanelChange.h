// The one road of every panel change that may rebuild the current dimension: the items' notifiers, the flyout's
// and the trackers' resets.
#pragma once

#include "panel/PanelEditing.h"
#include "tools/ClickSupport.h"
#include "tools/MouseDrag.h"

// While it lives, a finished current dimension on a layer locked or hidden since it was made is set aside: the
// change runs as it would with no dimension current, so that it alters the settings for the next dimension and
// leaves that art as it is. The dimension is current again after the change, unless the change made another one
// current. A change that is the user's last word (`aloud`: a committed value, a click, not the intermediate
// notifications of typing) is told it was refused; see RedrawRefused.
class ClosedDimensionAside {
  public:
    explicit ClosedDimensionAside(bool aloud);
    ~ClosedDimensionAside();
    ClosedDimensionAside(const ClosedDimensionAside&) = delete;
    ClosedDimensionAside& operator=(const ClosedDimensionAside&) = delete;
    bool Active() const { return active_; }

  private:
    bool active_ = false;
};

// Runs a panel change: with the current dimension's definition in force around it (RebuildWithDefinition), or
// with that dimension set aside when its layer is closed.
// The fields then show the placement in force where the change altered it: a dimension given back at the panel's
// cancel puts its own in force again at its first change, over a value typed while a first pick waited.
template <typename Change>
void RunPanelChange(Change&& change, bool aloud = true) {
    const ClosedDimensionAside aside(aloud);
    if (aside.Active()) {
        change();
        return;
    }
    const ShownPlacement shown = LivePlacement();
    RebuildWithDefinition(change);
    if (!(LivePlacement() == shown)) ShowPlacementInPanel();
}

// True while a panel change runs with the current dimension set aside: every road that redraws the current
// dimension asks it first and redraws nothing. The first such road of an aloud change on a dimension the panel
// redraws refuses it with the locked-layer alert, so that a change alerts once at most.
bool RedrawRefused();
