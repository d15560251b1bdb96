// The mouse drag: the modifier keys of the message, then the drag of the current tool.
#include <cmath>

#include "dimension/Definitions.h"
#include "dimension/Placement.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"
#include "host/Platform.h"
#include "frame/FramePanel.h"
#include "records/CurrentOptions.h"
#include "tools/ClickSupport.h"
#include "tools/MouseDrag.h"
#include "records/ToolState.h"

namespace {

int32_t Held(int32_t virtualKey) { return GetAsyncKeyState(virtualKey) != 0 ? 1 : 0; }

// Reads the five keys of a drag into the tool state and the returned record.
DragKeys ReadDragKeys() {
    DragKeys keys;
    keys.RightShift = Held(VK_RSHIFT);
    keys.Alt = Held(VK_MENU);
    keys.Space = Held(VK_SPACE);
    gToolState.WithEnds = Held(VK_CONTROL);
    gToolState.DragModifier = Held(VK_LWIN);
    gToolState.SeriesPreview = keys.Alt;
    return keys;
}

}  // namespace

void SetDragCursor(const AIToolMessage& message, int32_t id) { sADMBasic->SetPlatformCursor(message.d.self, id); }

AIReal RoundedUpTo(AIReal value, double step) {
    if (!(step > 0.0)) return value;
    return static_cast<AIReal>(std::ceil(value / step) * step);
}

AIReal RoundedDownTo(AIReal value, double step) {
    if (!(step > 0.0)) return value;
    return static_cast<AIReal>(std::floor(value / step) * step);
}

ShownPlacement LivePlacement() {
    const CurrentOptions& live = gCurrentOptions;
    const AIRealPoint bend = KeptPlacement().LeaderBend.value_or(AIRealPoint{});
    return {live.SideTieLength, live.ArcRadius, live.BezierPathLength, live.DimensionOrientation, live.Diameter, bend.h, bend.v};
}

void ShowPlacementIfChanged(TavorinePlugIn* plugin, const ShownPlacement& before) {
    if (plugin->PanelDialogue != nullptr && !(LivePlacement() == before)) plugin->PanelDialogue->ShowPlacementValues();
}

ASErr TavorinePlugIn::ToolMouseDrag(AIToolMessage* message) {
    if (gToolState.PressConsumed != 0) return kNoErr;
    // A hand's tremor is no drag: the press stays a click until the cursor leaves it.
    if (gToolState.PressDragged == 0 && WithinTremor(message->cursor)) return kNoErr;
    gToolState.PressDragged = 1;
    // A press that took only a first point, side or end has no dimension of its own to place: the one the
    // dimension records still name is an earlier, finished one.
    if (gToolState.ClickInProgress == 0 && gToolState.PressOpened == 0) return kNoErr;
    gToolState.WithEnds = 0;
    gToolState.DragModifier = 0;
    const DragKeys keys = ReadDragKeys();
    gToolState.CursorPoint = message->cursor;
    // The drag may put another offset, arc radius or tick length in force; the panel then shows it.
    const ShownPlacement before = LivePlacement();
    ASErr result = kNoErr;
    switch (gToolState.CurrentTool) {
    case kSegmentTool: result = DragSegmentTool(*message, keys); break;
    case kAngleTool: result = DragAngleTool(*message, keys); break;
    case kCircleTool: result = DragCircleTool(*message, keys); break;
    case kBezierTool: result = DragBezierTool(*message, keys); break;
    default: break;
    }
    // The drag placed the dimension its press built or re-opened: that is the dimension's definition now. A drag
    // that refused its press placed nothing, and the dimension it gave back keeps its own.
    if (gToolState.PressConsumed == 0 && !FirstPickWaiting()) KeepDefinition();
    ShowPlacementIfChanged(this, before);
    return result;
}
