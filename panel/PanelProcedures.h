// Every procedure that the panel's items and dialog hand to the dialog manager, by the item it serves.
#pragma once

#include <cstdint>

#include "dimension/Naming.h"
#include "host/ADMTypes.h"

// Does nothing: the draw procedure of the panel's items that draw nothing themselves.
void PanelNoOpProc(ADMItemRef item, ADMDrawerRef drawer);
// Does nothing: the draw procedure of the modal dialogs' items that must not draw.
void NoOpProc(ADMItemRef item, ADMDrawerRef drawer);

// The panel's own draw procedure.
void PanelDraw(ADMDialogRef dialog, ADMDrawerRef drawer);

// Pictures, colour buttons and the decimals indicator.
void WebPageButtonPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void LineColourButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void TextColourButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowsPointsPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void DecimalsIndicatorDraw(ADMItemRef item, ADMDrawerRef drawer);
void TolerancePictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void TiesPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SeriesTypePictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void TextOrientationPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void TextPositionPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void InvertLinePictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SegmentArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void AngleArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void CircleArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SingleArcPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void MultipleArcsPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArcRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SalientReentrantPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void PathLengthPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SharePathPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void LocalRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void LocalTangentPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void DiameterRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void CircleTieLengthPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void CircleAnglePictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ParallelPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ProjectedHorizontalPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ProjectedVerticalPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void FirstTextOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void SecondTextOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowShape1PictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowShape2PictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowShape3PictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowShape4PictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ScalePictureDraw(ADMItemRef item, ADMDrawerRef drawer);

// Trackers: each hands the event on to the dialog manager's own tracking and answers what it answers.
ADMBoolean CancelDimensionTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean ResetLineWidthTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean ResetEndSizeTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean DecimalsDragTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean ScalePictureTrack(ADMItemRef item, ADMTrackerRef tracker);

// Main and font items.
void CoverClickNotify(ADMItemRef item, ADMNotifierRef notifier);
void ReloadPanelNotify(ADMItemRef item, ADMNotifierRef notifier);
void OpenWebPageNotify(ADMItemRef item, ADMNotifierRef notifier);
void LineWidthNotify(ADMItemRef item, ADMNotifierRef notifier);
void EndMarkSizeNotify(ADMItemRef item, ADMNotifierRef notifier);
void ColourButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowsPointsNotify(ADMItemRef item, ADMNotifierRef notifier);
void DecimalsNotify(ADMItemRef item, ADMNotifierRef notifier);
void FreeTextMenuNotify(ADMItemRef item, ADMNotifierRef notifier);
void FreeTextEditNotify(ADMItemRef item, ADMNotifierRef notifier);
void ToleranceTextNotify(ADMItemRef item, ADMNotifierRef notifier);
void ToleranceButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void FontNotify(ADMItemRef item, ADMNotifierRef notifier);
void TextSizeNotify(ADMItemRef item, ADMNotifierRef notifier);
// Segment items.
void SideTieLengthNotify(ADMItemRef item, ADMNotifierRef notifier);
void WithTiesNotify(ADMItemRef item, ADMNotifierRef notifier);
void SeriesOnNotify(ADMItemRef item, ADMNotifierRef notifier);
void SeriesTypeOneNotify(ADMItemRef item, ADMNotifierRef notifier);
void SeriesTypeTwoNotify(ADMItemRef item, ADMNotifierRef notifier);
void TextOrientationNotify(ADMItemRef item, ADMNotifierRef notifier);
void TextPositionNotify(ADMItemRef item, ADMNotifierRef notifier);
void SideTextNotify(ADMItemRef item, ADMNotifierRef notifier);
void FlipLineNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentArrowsNotify(ADMItemRef item, ADMNotifierRef notifier);
void ParallelNotify(ADMItemRef item, ADMNotifierRef notifier);
void ProjectedHorizontalNotify(ADMItemRef item, ADMNotifierRef notifier);
void ProjectedVerticalNotify(ADMItemRef item, ADMNotifierRef notifier);
// Angle items.
void AngleFormatNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArcRadiusNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleArrowsNotify(ADMItemRef item, ADMNotifierRef notifier);
void SalientReentrantNotify(ADMItemRef item, ADMNotifierRef notifier);
void SingleArcNotify(ADMItemRef item, ADMNotifierRef notifier);
void MultipleArcsNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArcCountNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArcGapNotify(ADMItemRef item, ADMNotifierRef notifier);
// Cercle items.
void CircleArrowsNotify(ADMItemRef item, ADMNotifierRef notifier);
void DiameterRadiusNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleTieLengthNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleDimensionAngleNotify(ADMItemRef item, ADMNotifierRef notifier);
// Bézier items.
void BezierArrowsNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierLengthNotify(ADMItemRef item, ADMNotifierRef notifier);
void DivisionCountNotify(ADMItemRef item, ADMNotifierRef notifier);
void SharePathNotify(ADMItemRef item, ADMNotifierRef notifier);
void LocalRadiusNotify(ADMItemRef item, ADMNotifierRef notifier);
void LocalTangentNotify(ADMItemRef item, ADMNotifierRef notifier);
// Label offsets.
void SegmentOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleOffsetANotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleOffsetRNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier);
// End-mark shapes.
void ArrowShape1Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowShape2Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowShape3Notify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowShape4Notify(ADMItemRef item, ADMNotifierRef notifier);
// Unit, precision and scale popups, help pages and the flyout menu.
void PrecisionPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void UnitPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void ScalePopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void HelpNextPageNotify(ADMItemRef item, ADMNotifierRef notifier);
void HelpPreviousPageNotify(ADMItemRef item, ADMNotifierRef notifier);
void PanelMenuNotify(ADMItemRef item, ADMNotifierRef notifier);

// The small pictures beside the fields put the keyboard focus into their field.
void ActivatePartnerItemNotify(ADMItemRef item, ADMNotifierRef notifier);
// Activates the item with that id in the item's dialog.
void ActivateDialogItem(ADMItemRef item, int16_t itemID);
// The index of the chosen entry of a popup item; -1 when none is chosen.
int32_t GetPopupIndex(ADMItemRef item);
// True when the notification is a user's change.
bool IsUserChange(ADMNotifierRef notifier);
// True for a keystroke's notification (not the user's commit) that leaves the field's value as it was (`same`): a
// text that does not read yet rebuilds nothing.
bool KeystrokeChangesNothing(ADMNotifierRef notifier, bool same);

// The kind of the current dimension as its press built it, when a panel change rebuilds it: the current tool
// builds that kind, no pick waits and it is no series (drawn by its clicks only). False otherwise.
bool RebuiltKind(DimensionKind* kind);
// Rebuilds the dimension being edited by the current tool after a panel change.
void RefreshCurrentDimension();
// The Longueurs & aires read-outs of the measured paths, and the area text of the figure last clicked.
void ShowSelectionMeasures();
void ShowFigureArea();
// The curve-part read-out follows the hover: the hint's "L partie courbe=" line as the text of item 89.
void ShowCurvePartText(const char* line);
