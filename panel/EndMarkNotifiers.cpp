// The notifiers that change the end marks: the four shape presets, arrows or points, the arrow direction of
// circle and Bézier dimensions, and the circle's diameter or radius (one end mark or two).
#include "dimension/CurrentDimension.h"
#include "dimension/LiveValueSwap.h"
#include "dimension/Naming.h"
#include "frame/ArrowHeads.h"
#include "frame/DialogOpeners.h"
#include "frame/Settings.h"
#include "host/Platform.h"
#include "panel/PanelChange.h"
#include "panel/PanelEditing.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

// The half-height of the tick of preset 3 drawn as points.
constexpr float kCrossTickHeight = 4.5f;
constexpr int16_t kTickAnchors = 2;

// Loads preset `preset` into the shape for the live arrows-or-points choice, leaving the stored preset alone;
// preset 3 drawn as points is the cross's 45-degree tick (flat with the Angle tool).
void LoadPanelPreset(int32_t preset) {
    {
        const LiveValueSwap storedKept(gSettings.ArrowPreset);
        ApplyArrowPreset(preset);
    }
    if (preset != kCustomArrowPreset || gCurrentOptions.ArrowHeads != 0) return;
    float first = gToolState.CurrentTool == kAngleTool ? 0.0f : kCrossTickHeight;
    if (gToolState.SegmentArrowsFlag != 0) first = -first;
    SetShapePointY(0, first);
    SetShapePointY(1, -first);
}

void ChooseArrowShape(ADMNotifierRef notifier, int32_t preset) {
    if (!IsUserChange(notifier)) return;
    DropCrossEndMarks();
    gCurrentOptions.ArrowPreset = preset;
    LoadPanelPreset(preset);
    if (PointStyleOf(kCustomArrowPreset) && IsLiveArt(gCurrentDimension.DimensionGroup)) MakeCrossEndMarks();
    RestyleEndMarks();
    RedrawPanelItems({kArrowShape1Item, kArrowShape1Item + 1, kArrowShape1Item + 2, kArrowShape4Item});
    RefreshCurrentDimension();
}

}  // namespace

void ArrowShape1Notify(ADMItemRef, ADMNotifierRef notifier) { ChooseArrowShape(notifier, kNotchedArrowPreset); }
void ArrowShape2Notify(ADMItemRef, ADMNotifierRef notifier) { ChooseArrowShape(notifier, kOpenArrowPreset); }
void ArrowShape3Notify(ADMItemRef, ADMNotifierRef notifier) { ChooseArrowShape(notifier, kTriangleArrowPreset); }
// With Alt held, the fourth shape's button opens the arrow-head editor that draws that shape, as its tip says.
void ArrowShape4Notify(ADMItemRef, ADMNotifierRef notifier) {
    if (IsUserChange(notifier) && GetAsyncKeyState(VK_MENU) != 0) {
        OpenModalDialog(ModalDialog::ArrowEditor);
        return;
    }
    ChooseArrowShape(notifier, kCustomArrowPreset);
}

void ArrowsPointsNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.ArrowHeads);
    ApplyArrowPreset(gCurrentOptions.ArrowPreset);
    if (PointStyleOf(kCustomArrowPreset)) {
        if (!IsLiveArt(gCurrentDimension.EndMarks[2][0]) && IsLiveArt(gCurrentDimension.DimensionGroup))
            MakeCrossEndMarks();
    } else {
        DropCrossEndMarks();
    }
    RestyleEndMarks();
    RedrawPanelItems({kArrowsPointsItem, kEndSizePictureItem, kArrowShape1Item, kArrowShape1Item + 1,
                      kArrowShape1Item + 2, kArrowShape4Item});
    RefreshCurrentDimension();
}

void CircleArrowsNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.CircleArrowsFlag);
    LeanPointTick(gCurrentOptions.CircleArrowsFlag);
    RedrawPanelItems({kCircleArrowsItem});
    RedrawCircle();
}

void BezierArrowsNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.BezierArrowsFlag);
    LeanPointTick(gCurrentOptions.BezierArrowsFlag);
    RedrawPanelItems({kBezierArrowsItem});
    RefreshCurrentDimension();
}

void DiameterRadiusNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.Diameter);
    RedrawPanelItems({kDiameterRadiusItem});
    if (RedrawRefused() || !EditingCircleDimension()) return;
    AIArtHandle(&marks)[kEndMarkSets][kSeriesCapacity] = gCurrentDimension.EndMarks;
    const bool cross = PointStyleOf(kCustomArrowPreset);
    if (gCurrentOptions.Diameter != 0) {
        if (!IsLiveArt(marks[1][0])) marks[1][0] = NewEndMarkBelow(marks[0][0], kTickAnchors);
        // The radius's own cross mark goes: the diameter's two are made anew below the second end.
        if (cross) {
            DropCrossEndMarks();
            MakeCrossEndMarks();
        }
    } else {
        DisposeArtIfValid(&marks[1][0]);
        if (cross) DisposeArtIfValid(&marks[3][0]);
    }
    NameDimensionArt();
    RedrawCircle();
}
