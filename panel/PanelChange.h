// The one road of every panel change that may rebuild the current dimension: the items' notifiers, the flyout's
// and the trackers' resets.
#pragma once

#include <string>

#include "panel/PanelEditing.h"
#include "tools/ClickSupport.h"
#include "tools/MouseDrag.h"

// While it lives, a finished current dimension on a layer locked or hidden since it was made is set aside, its
// definition in force: the change runs as it would with no dimension current, so that it alters the settings for the
// next dimension and leaves that art as it is, its kind included. The dimension is current again after the change,
// unless the change made another one current. A change that would have changed it (it asked for a redraw, and what a
// rebuild reads is no longer the same) leaves it behind the settings, and is left to be told refused at the end of
// its gesture.
class ClosedDimensionAside {
  public:
    ClosedDimensionAside();
    ~ClosedDimensionAside();
    ClosedDimensionAside(const ClosedDimensionAside&) = delete;
    ClosedDimensionAside& operator=(const ClosedDimensionAside&) = delete;
    bool Active() const { return active_; }

  private:
    bool active_ = false;
    std::string before_;  // what a rebuild read before the change
};

// True when the current dimension was left behind the settings by a change on its closed layer: the next change
// on it rebuilds it whole.
bool CurrentDimensionBehind();
// The current dimension rebuilt whole, as a fresh build of it with the settings in force, its parts selected as a
// build leaves them; it is no longer behind.
void RebuildCurrentWhole();

// When a change refused on a closed layer is told, with the locked-layer alert, so that one gesture gives one.
enum class Refusal {
    Told,          // at once: the change is a gesture (a click, a choice, a committed value, a Command-click), told
                   // with what its keystrokes left untold
    AtTheCommit,   // at the commit that ends the typing this keystroke is part of
    OncePerDrag,   // at the first step of a tracker's drag that a closed layer refused, its press included; the
                   // drag's later steps tell nothing more
};

// Tells what a change refused on a closed layer as `refusal` says.
void TellRefusal(Refusal refusal);
// A tracker's drag begins: the first of its steps that a closed layer refuses is told.
void BeginDragGesture();
// Forgets the changes refused on a closed layer and the dimension they left behind, for a fresh start.
void ForgetRefusedChanges();

// Runs a panel change: with the current dimension's definition in force around it (RebuildWithDefinition), or
// with that dimension set aside when its layer is closed, its refusal told as `refusal` says.
// The fields then show the placement in force where the change altered it: a dimension given back at the panel's
// cancel puts its own in force again at its first change, over a value typed while a first pick waited. A
// dimension left behind by changes on its closed layer is rebuilt whole after the change, once its layer opens.
template <typename Change>
void RunPanelChange(Change&& change, Refusal refusal = Refusal::Told) {
    {
        const ClosedDimensionAside aside;
        if (aside.Active()) {
            change();
        } else {
            const ShownPlacement shown = LivePlacement();
            RebuildWithDefinition([&] {
                change();
                if (CurrentDimensionBehind()) RebuildCurrentWhole();
            });
            if (!(LivePlacement() == shown)) ShowPlacementInPanel();
        }
    }
    TellRefusal(refusal);
}

// The dimension whose placement is in force: the current one, or the one a change on its closed layer set aside.
AIArtHandle DimensionInForce();

// True while a panel change runs with the current dimension set aside: every road that redraws the current
// dimension asks it first and redraws nothing; the change is then one that would have changed it.
bool RedrawRefused();
