// The panel's trackers: a Command-click (Control on Windows) puts a value back to its stored setting or cancels
// the dimension being built, and a drag across the decimals indicator steps the number of decimals.
#include <algorithm>

#include "dimension/CurrentDimension.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMTrackerSuite.h"
#include "host/DocumentSuite.h"
#include "panel/PanelChange.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/ScalePopup.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "resources/ResourceIds.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"

int32_t DragTrackX = 0;

namespace {

// The cursor of the decimals drag.
constexpr int32_t kDecimalsDragCursor = kDecimalsDragCursorID;
// The decimals indicator's width: a point outside it is not a drag on it.
constexpr int32_t kDecimalsIndicatorWidth = 24;
constexpr int32_t kMaxDecimals = 6;

ADMBoolean DefaultTracking(ADMItemRef item, ADMTrackerRef tracker) {
    ADMBoolean notify = 0;
    sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}

// The button going down with Command held.
bool IsCommandClick(ADMTrackerRef tracker) {
    int32_t action = -1;
    ADMBoolean command = 0;
    return sADMTracker->GetAction(tracker, &action) == kNoErr && action == kADMButtonDownAction &&
           sADMTracker->TestModifier(tracker, kADMControlKeyModifier, &command) == kNoErr && command != 0;
}

bool CommandDown(ADMTrackerRef tracker) {
    ADMBoolean command = 0;
    return sADMTracker->TestModifier(tracker, kADMControlKeyModifier, &command) == kNoErr && command != 0;
}

}  // namespace

ADMBoolean ResetLineWidthTrack(ADMItemRef item, ADMTrackerRef tracker) {
    if (IsCommandClick(tracker)) {
        RunPanelChange([] {
            LoadLiveOption(&CurrentOptions::LineWidth);
            if (ADMItemRef field = PanelItem(kLineWidthItem)) SetFloatValue(field, gCurrentOptions.LineWidth);
            gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(gCurrentOptions.LineWidth);
            RefreshCurrentDimension();
        });
    }
    return DefaultTracking(item, tracker);
}

// A Command-click that cancels is the whole of its press: the button lets the mouse go, so its release brings
// no reload, which would rebuild the dimension given back with the stored values. With nothing to cancel the
// press goes on as a plain click.
ADMBoolean CancelDimensionTrack(ADMItemRef item, ADMTrackerRef tracker) {
    if (IsCommandClick(tracker) && CancelCurrentDimension()) {
        sADMTracker->Abort(tracker);
        return 0;
    }
    return DefaultTracking(item, tracker);
}

ADMBoolean ScalePictureTrack(ADMItemRef item, ADMTrackerRef tracker) {
    if (IsCommandClick(tracker)) {
        RunPanelChange([] {
            CurrentOptions& live = gCurrentOptions;
            LoadLiveOption(&CurrentOptions::ScaleNumerator);
            LoadLiveOption(&CurrentOptions::ScaleDenominator);
            UpdateScaleRatio(live.ScaleNumerator, live.ScaleDenominator);
            SelectPanelScaleEntry(PanelItem(kScalePopupItem));
            ShowScaleMarker();
            RefreshCurrentDimension();
        });
    }
    return DefaultTracking(item, tracker);
}

ADMBoolean ResetEndSizeTrack(ADMItemRef item, ADMTrackerRef tracker) {
    if (IsCommandClick(tracker)) {
        RunPanelChange([] {
            LoadLiveOption(&CurrentOptions::EndMarkSize);
            gCurrentOptions.ActiveEndMarkSize = gCurrentOptions.EndMarkSize;
            if (ADMItemRef field = PanelItem(kEndSizeItem)) SetFloatValue(field, gCurrentOptions.EndMarkSize);
            RefreshCurrentDimension();
        });
    }
    return DefaultTracking(item, tracker);
}

// The drag is one gesture: what a closed layer refused along it, at its press or a later step, is told once.
ADMBoolean DecimalsDragTrack(ADMItemRef item, ADMTrackerRef tracker) {
    int32_t action = -1;
    if (sADMTracker->GetAction(tracker, &action) == kNoErr && action == kADMButtonDownAction) BeginDragGesture();
    ADMPoint point{};
    if (sADMTracker->GetPoint(tracker, &point) != kNoErr || point.h < 0 || point.h > kDecimalsIndicatorWidth)
        return DefaultTracking(item, tracker);
    sADMBasic->SetPlatformCursor(PluginOfItem(item), kDecimalsDragCursor);
    int32_t state = kADMMouseNotCaptured;
    if (sADMTracker->GetMouseState(tracker, &state) == kNoErr && state == kADMMouseCaptured) {
        int32_t& decimals = gCurrentOptions.Decimals;
        RunPanelChange(
            [&] {
                if (CommandDown(tracker)) {
                    LoadLiveOption(&CurrentOptions::Decimals);
                } else {
                    const int64_t leftward = static_cast<int64_t>(DragTrackX - point.h) * point.h;
                    decimals += leftward > 0 ? -1 : 1;
                    decimals = std::clamp(decimals, 0, kMaxDecimals);
                    DragTrackX = point.h;
                }
                RefreshCurrentDimension();
            },
            Refusal::OncePerDrag);
        sAIDocument->RedrawDocument();
        sADMItem->Invalidate(item);
        if (ADMItemRef field = PanelItem(kDecimalsItem)) {
            sADMItem->SetIntValue(field, decimals);
            sADMItem->Activate(field, 1);
        }
    }
    return DefaultTracking(item, tracker);
}
