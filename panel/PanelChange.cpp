#include "panel/PanelChange.h"

#include "dimension/Naming.h"
#include "panel/PanelProcedures.h"
#include "records/CurrentDimension.h"
#include "records/ToolState.h"
#include "tools/ClickSequences.h"

namespace {

// The dimension a panel change set aside, and what the change did about it.
struct SetAside {
    bool Active = false;
    bool Aloud = false;       // an aloud change on a dimension the panel redraws: a redraw asked for is told refused
    bool Refused = false;     // the alert was given
    CurrentDimension Dimension;
    int32_t EditingBezier = 0;  // the division marks of a Bézier dimension are its parts too
};

SetAside gSetAside;

// True when a panel change redraws the current dimension: the kind its press built, or the Bézier construction.
bool PanelRedrawsCurrent() {
    DimensionKind kind{};
    return RebuiltKind(&kind) || gToolState.CurrentTool == kBezierTool;
}

}  // namespace

ClosedDimensionAside::ClosedDimensionAside(bool aloud) {
    if (gSetAside.Active || !CurrentDimensionClosed()) return;
    gSetAside = {true, aloud && PanelRedrawsCurrent(), false, gCurrentDimension, gToolState.EditingBezier};
    gCurrentDimension = CurrentDimension();
    gToolState.EditingBezier = 0;
    active_ = true;
}

ClosedDimensionAside::~ClosedDimensionAside() {
    if (!active_) return;
    if (gCurrentDimension.DimensionGroup == nullptr) {
        gCurrentDimension = gSetAside.Dimension;
        gToolState.EditingBezier = gSetAside.EditingBezier;
    }
    gSetAside = SetAside();
}

bool RedrawRefused() {
    if (!gSetAside.Active) return false;
    if (gSetAside.Aloud && !gSetAside.Refused) {
        gSetAside.Refused = true;
        RefuseClosedLayer();
    }
    return true;
}
