#include "panel/PanelChange.h"

#include <string>
#include <type_traits>

#include "dimension/CurrentDimension.h"
#include "dimension/Naming.h"
#include "dimension/Redraw.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "panel/PanelProcedures.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/ClickSequences.h"
#include "tools/DimensionParts.h"

namespace {

// The dimension a panel change set aside, and what the change did about it.
struct SetAside {
    bool Active = false;
    bool Redraws = false;       // the panel redraws that dimension: a change that asks for a redraw would change it
    bool RedrawAsked = false;   // the change asked for one
    CurrentDimension Dimension;
    int32_t EditingBezier = 0;  // the division marks of a Bézier dimension are its parts too
};

SetAside gSetAside;
// The dimension a change on its closed layer left behind the settings.
AIArtHandle gBehind = nullptr;
// A change was refused on a closed layer since the last refusal told.
bool gRefusalUntold = false;
// The tracker's drag under way has told a refusal.
bool gDragTold = false;

// True when a panel change redraws the current dimension: the kind its press built, or the Bézier construction.
bool PanelRedrawsCurrent() {
    DimensionKind kind{};
    return RebuiltKind(&kind) || gToolState.CurrentTool == kBezierTool;
}

template <typename Record>
void AppendBytes(std::string& out, const Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
}

// What a rebuild of the current dimension reads besides its definition, as bytes: the live values and the flags
// the panel turns (the end marks' and the line's side, the text's place, the circle's angle, the re-entrant side),
// the styles and the texts; not what a change derives from them again, as the cursor point a side tie gives. A
// dimension that shows no end mark reads nothing of their shape.
std::string WhatARebuildReads() {
    CurrentOptions options = gCurrentOptions;
    // The angle builders draw their marks at the active size, which multiple arcs set to none.
    const bool marksRead =
        (gToolState.CurrentTool == kAngleTool ? options.ActiveEndMarkSize : options.EndMarkSize) != 0.0;
    if (!marksRead) options.ArrowHeads = options.ArrowPreset = 0;
    std::string out;
    AppendBytes(out, options);
    AppendBytes(out, gToolState.SegmentArrowsFlag);
    AppendBytes(out, gToolState.LabelPosition);
    AppendBytes(out, gToolState.CircleLabelAngle);
    AppendBytes(out, gMeasuredPoints.AngleFlip);
    AppendBytes(out, gDragValues.LineFlipped);
    AppendBytes(out, gPathStyles);
    AppendBytes(out, gSettings);
    if (marksRead) AppendBytes(out, gArrowHeadShape);
    AppendBytes(out, gValueFormat.InchFraction);
    AppendBytes(out, gValueFormat.AngleFormat);
    AppendBytes(out, gValueFormat.ToleranceOn);
    for (const char* text : {gValueFormat.ToleranceText, gValueFormat.FreeLabelText})
        out.append(SettingString(text)).push_back('\0');
    return out;
}

// The locked-layer alert, once, when a change was refused on a closed layer since the last one told.
void TellRefusedChange() {
    if (!gRefusalUntold) return;
    gRefusalUntold = false;
    RefuseClosedLayer();
}

}  // namespace

ClosedDimensionAside::ClosedDimensionAside() {
    if (gSetAside.Active || !CurrentDimensionClosed()) return;
    gSetAside = {true, PanelRedrawsCurrent(), false, gCurrentDimension, gToolState.EditingBezier};
    // What the change derives from the dimension's own values (an arc radius from its side tie) is derived as on
    // an open layer, so that a value taken again changes nothing.
    UseDefinition();
    gCurrentDimension = CurrentDimension();
    gToolState.EditingBezier = 0;
    if (gSetAside.Redraws) before_ = WhatARebuildReads();
    active_ = true;
}

ClosedDimensionAside::~ClosedDimensionAside() {
    if (!active_) return;
    if (gSetAside.Redraws && gSetAside.RedrawAsked && WhatARebuildReads() != before_) {
        gBehind = gSetAside.Dimension.DimensionGroup;
        gRefusalUntold = true;
    }
    if (gCurrentDimension.DimensionGroup == nullptr) {
        gCurrentDimension = gSetAside.Dimension;
        gToolState.EditingBezier = gSetAside.EditingBezier;
    }
    gSetAside = SetAside();
}

bool RedrawRefused() {
    if (!gSetAside.Active) return false;
    gSetAside.RedrawAsked = true;
    return true;
}

AIArtHandle DimensionInForce() {
    return gSetAside.Active ? gSetAside.Dimension.DimensionGroup : gCurrentDimension.DimensionGroup;
}

bool CurrentDimensionBehind() {
    return gBehind != nullptr && gBehind == gCurrentDimension.DimensionGroup && IsLiveArt(gBehind);
}

void RebuildCurrentWhole() {
    gBehind = nullptr;
    DimensionKind kind{};
    const bool bezier = gToolState.CurrentTool == kBezierTool && gToolState.EditingBezier != 0;
    if (FirstPickWaiting() || (!RebuiltKind(&kind) && !(bezier && CurrentDimensionKind(&kind)))) return;
    RebuildDimensionAs(kind);
    SelectDimensionParts();
}

void TellRefusal(Refusal refusal) {
    switch (refusal) {
    case Refusal::Told: TellRefusedChange(); break;
    case Refusal::AtTheCommit: break;
    case Refusal::OncePerDrag:
        if (gDragTold) {
            gRefusalUntold = false;
        } else if (gRefusalUntold) {
            gDragTold = true;
            TellRefusedChange();
        }
        break;
    }
}

void BeginDragGesture() { gDragTold = false; }

void ForgetRefusedChanges() {
    gBehind = nullptr;
    gRefusalUntold = false;
    gDragTold = false;
}
