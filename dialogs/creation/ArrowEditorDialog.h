// The arrow-head editor: the custom end mark drawn on a canvas, with six predefined tips, a grid, symmetric
// moves, open or closed, hollow or filled and round or corner points; OK makes it the preferred arrow.
#pragma once

#include "host/ADMTypes.h"

#define kArrowEditorName "bidon"
#define kArrowEditorTitle "Éditeur de flèches (Vek-Tavorine)."
constexpr int32_t kArrowEditorWidth = 500;
constexpr int32_t kArrowEditorHeight = 400;
constexpr int32_t kFirstTipItem = 18;

// Runs the editor modally when it is not open already.
void OpenArrowEditorDialog();

ASErr ArrowEditorInit(ADMDialogRef dialog);
void ArrowEditorDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void PointXEditNotify(ADMItemRef item, ADMNotifierRef notifier);
void PointYEditNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowEditorPictureNotify(ADMItemRef item, ADMNotifierRef notifier);
void SelectAnchorKindNotify(ADMItemRef item, ADMNotifierRef notifier);
void SelectInHandleNotify(ADMItemRef item, ADMNotifierRef notifier);
void SelectOutHandleNotify(ADMItemRef item, ADMNotifierRef notifier);
void SelectLineStartNotify(ADMItemRef item, ADMNotifierRef notifier);
void AnchorKindButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void InHandleButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void OutHandleButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void LineStartButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void GridPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void SymmetryToggleNotify(ADMItemRef item, ADMNotifierRef notifier);
void ClosedToggleNotify(ADMItemRef item, ADMNotifierRef notifier);
void HollowToggleNotify(ADMItemRef item, ADMNotifierRef notifier);
void SmoothCornerButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void SmoothCornerNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset1Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset2Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset3Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset4Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset5Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowTipPreset6Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowEditorOk(ADMItemRef item, ADMNotifierRef notifier);
void ArrowEditorCancel(ADMItemRef item, ADMNotifierRef notifier);
void ArrowEditorDefault(ADMItemRef item, ADMNotifierRef notifier);
// Gives the keyboard focus to the item with `id` in the dialog of `item`.
void FocusArrowEditorEdit(ADMItemRef item, int32_t id);

// Puts predefined tip `index` (0-based) into the working shape and shows it in the dialog of `item`.
void LoadArrowTip(ADMItemRef item, int32_t index);
