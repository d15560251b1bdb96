// The mouse-down: the per-click reset, the panel and next-tool gestures, and the hand-over to the click
// sequence of the current tool.
#include "dimension/CurrentDimension.h"
#include "dimension/Naming.h"
#include "dimension/Definitions.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "host/Platform.h"
#include "host/ToolSuite.h"
#include "records/CurrentOptions.h"
#include "tools/CreationOptions.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "tools/MouseDrag.h"
#include "records/DragValues.h"
#include "records/ToolState.h"

namespace {

constexpr AIReal kClickTolerance = 8.0f;

// Clears the flags of the previous click and keeps the cursor point.
void ResetClickState(const AIToolMessage* message) {
    gToolState.CurveOffsetMode = 0;
    gToolState.ArcLengthMode = 0;
    gToolState.ClickInProgress = 0;
    gToolState.PressConsumed = 0;
    gToolState.PressDragged = 0;
    gToolState.PressOpened = 0;
    gToolState.PressMade = 0;
    gToolState.DimensionStarted = 0;
    gDragValues.MarksTurned = 0;
    gDragValues.ExtensionLinesToggled = 0;
    gDragValues.TextTurned = 0;
    gToolState.CursorPoint = message->cursor;
    gToolState.PressPoint = message->cursor;
}

// The live creation values start from their stored settings, and the figure of the click from nothing.
void RefreshCreationValues() {
    LoadCreationOptions();
    gDragValues.CreatedAngleSide = 0.0f;
    gDragValues.CreatedAngleRotation = 0.0f;
    gDragValues.CreatedCircleRadius = 0.0f;
    gDragValues.ArcSweep = 0.0f;
    gDragValues.FlattenDepth = kFlattenDepth;
}

// Alt alone: shows or hides the panel.
void TogglePanel(TavorinePlugIn* plugin) {
    gSettings.PanelVisible = gSettings.PanelVisible != 0 ? 0 : 1;
    if (plugin->PanelDialogue != nullptr) plugin->PanelDialogue->SetShown(gSettings.PanelVisible != 0);
}

// Shift alone: the next tool, selected in the host, with the panel laid out for it.
ASErr SelectNextTool(TavorinePlugIn* plugin) {
    gToolState.CurrentTool = static_cast<ToolNumber>(gToolState.CurrentTool % kToolCount + 1);
    gToolState.EditingSegment = 0;
    gToolState.EditingAngle = 0;
    gToolState.EditingCircle = 0;
    gToolState.EditingBezier = 0;
    const ASErr error = sAITool->SetSelectedTool(gToolState.ToolHandles[gToolState.CurrentTool - 1]);
    if (plugin->PanelDialogue != nullptr) plugin->PanelDialogue->LayoutPanelForTool(1);
    return error;
}

// Names the dimension group after the click's kind when the click made that group or re-opened a dimension;
// a refused click, or one that took only a first point, side or end, leaves the group it found (an earlier
// dimension's, perhaps on a layer locked since) as it was.
ASErr NameWhenMade(AIArtHandle before) {
    if (gToolState.PressConsumed != 0) return kNoErr;
    if (gCurrentDimension.DimensionGroup == before && gToolState.PressOpened == 0) return kNoErr;
    return NameDimensionArt();
}

// The current tool's click sequence, the dimension tools' followed by the naming of the group.
ASErr RunClickSequence(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message) {
    const AIArtHandle before = gCurrentDimension.DimensionGroup;
    switch (gToolState.CurrentTool) {
    case kSegmentTool: SegmentClick(plugin, hit, message); return NameWhenMade(before);
    case kAngleTool: AngleClick(plugin, hit, message); return NameWhenMade(before);
    case kCircleTool: CircleClick(plugin, hit, message); return NameWhenMade(before);
    case kBezierTool: BezierClick(plugin, hit, message); return NameWhenMade(before);
    case kMeasureTool: return MeasureClick(plugin, hit, message);
    default: return kNoErr;
    }
}

// The press was taken, and it made the current group or re-opened it, or it ended a sequence; a first pick
// that waits for its next one made its group too.
bool MadeOrOpened(AIArtHandle before) {
    const ToolState& t = gToolState;
    if (t.PressConsumed != 0 || !IsLiveArt(gCurrentDimension.DimensionGroup)) return false;
    return gCurrentDimension.DimensionGroup != before || t.PressOpened != 0 || t.ClickInProgress != 0;
}

}  // namespace

ASErr TavorinePlugIn::ToolMouseDown(AIToolMessage* message) {
    ResetClickState(message);
    RefreshCreationValues();
    const bool shift = GetAsyncKeyState(VK_SHIFT) != 0;
    const bool alt = GetAsyncKeyState(VK_MENU) != 0;
    if (alt != shift) gToolState.PressConsumed = 1;
    if (alt && !shift) {
        TogglePanel(this);
        return kNoErr;
    }
    if (shift && !alt) return SelectNextTool(this);
    // The click takes the art the hover showed, whatever else lies within the click's tolerance.
    ASErr error = kNoErr;
    const AIToolHitData hit = HoveredArtHit(message->cursor, kClickTolerance, &error);
    if (error != kNoErr) return error;
    // A re-open puts the dimension's own placement in force; the panel then shows it.
    const ShownPlacement before = LivePlacement();
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    const ASErr result = RunClickSequence(this, hit, message);
    // A press that built or re-opened a dimension makes its definition (a first pick waiting builds none yet);
    // any other press leaves the current dimension's as it was.
    gToolState.PressMade = MadeOrOpened(group) ? 1 : 0;
    if (gToolState.PressMade != 0 && !FirstPickWaiting()) KeepDefinition();
    ShowPlacementIfChanged(this, before);
    return result;
}
