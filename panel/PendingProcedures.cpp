// The panel's procedures whose work is still to come: they draw nothing, change nothing, and the trackers
// leave the event to the dialog manager. Each moves to the file of its group once it does its work.
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelProcedures.h"

namespace {

ADMBoolean DefaultTracking(ADMItemRef item, ADMTrackerRef tracker) {
    ADMBoolean notify = 0;
    if (sADMItem != nullptr) sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}

}  // namespace

void PanelDraw(ADMDialogRef, ADMDrawerRef) {}
void WebPageButtonPictureDraw(ADMItemRef, ADMDrawerRef) {}
void LineColourButtonDraw(ADMItemRef, ADMDrawerRef) {}
void TextColourButtonDraw(ADMItemRef, ADMDrawerRef) {}
void ArrowsPointsPictureDraw(ADMItemRef, ADMDrawerRef) {}
void DecimalsIndicatorDraw(ADMItemRef, ADMDrawerRef) {}
void TolerancePictureDraw(ADMItemRef, ADMDrawerRef) {}
void TiesPictureDraw(ADMItemRef, ADMDrawerRef) {}
void SeriesTypePictureDraw(ADMItemRef, ADMDrawerRef) {}
void TextOrientationPictureDraw(ADMItemRef, ADMDrawerRef) {}
void TextPositionPictureDraw(ADMItemRef, ADMDrawerRef) {}
void InvertLinePictureDraw(ADMItemRef, ADMDrawerRef) {}
void SegmentArrowDirectionPictureDraw(ADMItemRef, ADMDrawerRef) {}
void AngleArrowDirectionPictureDraw(ADMItemRef, ADMDrawerRef) {}
void CircleArrowDirectionPictureDraw(ADMItemRef, ADMDrawerRef) {}
void BezierArrowDirectionPictureDraw(ADMItemRef, ADMDrawerRef) {}
void ArcRadiusPictureDraw(ADMItemRef, ADMDrawerRef) {}
void SalientReentrantPictureDraw(ADMItemRef, ADMDrawerRef) {}
void PathLengthPictureDraw(ADMItemRef, ADMDrawerRef) {}
void SharePathPictureDraw(ADMItemRef, ADMDrawerRef) {}
void LocalRadiusPictureDraw(ADMItemRef, ADMDrawerRef) {}
void LocalTangentPictureDraw(ADMItemRef, ADMDrawerRef) {}
void DiameterRadiusPictureDraw(ADMItemRef, ADMDrawerRef) {}
void CircleTieLengthPictureDraw(ADMItemRef, ADMDrawerRef) {}
void CircleAnglePictureDraw(ADMItemRef, ADMDrawerRef) {}
void ParallelPictureDraw(ADMItemRef, ADMDrawerRef) {}
void ProjectedHorizontalPictureDraw(ADMItemRef, ADMDrawerRef) {}
void ProjectedVerticalPictureDraw(ADMItemRef, ADMDrawerRef) {}
void FirstTextOffsetPictureDraw(ADMItemRef, ADMDrawerRef) {}
void SecondTextOffsetPictureDraw(ADMItemRef, ADMDrawerRef) {}
void ArrowShape1PictureDraw(ADMItemRef, ADMDrawerRef) {}
void ArrowShape2PictureDraw(ADMItemRef, ADMDrawerRef) {}
void ArrowShape3PictureDraw(ADMItemRef, ADMDrawerRef) {}
void ArrowShape4PictureDraw(ADMItemRef, ADMDrawerRef) {}
void ScalePictureDraw(ADMItemRef, ADMDrawerRef) {}

ADMBoolean CancelDimensionTrack(ADMItemRef item, ADMTrackerRef tracker) { return DefaultTracking(item, tracker); }
ADMBoolean ResetLineWidthTrack(ADMItemRef item, ADMTrackerRef tracker) { return DefaultTracking(item, tracker); }
ADMBoolean ResetEndSizeTrack(ADMItemRef item, ADMTrackerRef tracker) { return DefaultTracking(item, tracker); }
ADMBoolean DecimalsDragTrack(ADMItemRef item, ADMTrackerRef tracker) { return DefaultTracking(item, tracker); }
ADMBoolean ScalePictureTrack(ADMItemRef item, ADMTrackerRef tracker) { return DefaultTracking(item, tracker); }

void ReloadPanelNotify(ADMItemRef, ADMNotifierRef) {}
void OpenWebPageNotify(ADMItemRef, ADMNotifierRef) {}
void LineWidthNotify(ADMItemRef, ADMNotifierRef) {}
void EndMarkSizeNotify(ADMItemRef, ADMNotifierRef) {}
void BezierLengthNotify(ADMItemRef, ADMNotifierRef) {}
void CoverClickNotify(ADMItemRef, ADMNotifierRef) {}
void ArrowsPointsNotify(ADMItemRef, ADMNotifierRef) {}
void DecimalsNotify(ADMItemRef, ADMNotifierRef) {}
void FreeTextEditNotify(ADMItemRef, ADMNotifierRef) {}
void ToleranceTextNotify(ADMItemRef, ADMNotifierRef) {}
void ToleranceButtonNotify(ADMItemRef, ADMNotifierRef) {}
void FontNotify(ADMItemRef, ADMNotifierRef) {}
void TextSizeNotify(ADMItemRef, ADMNotifierRef) {}
void SideTieLengthNotify(ADMItemRef, ADMNotifierRef) {}
void WithTiesNotify(ADMItemRef, ADMNotifierRef) {}
void SeriesOnNotify(ADMItemRef, ADMNotifierRef) {}
void SeriesTypeOneNotify(ADMItemRef, ADMNotifierRef) {}
void SeriesTypeTwoNotify(ADMItemRef, ADMNotifierRef) {}
void TextOrientationNotify(ADMItemRef, ADMNotifierRef) {}
void TextPositionNotify(ADMItemRef, ADMNotifierRef) {}
void SideTextNotify(ADMItemRef, ADMNotifierRef) {}
void FlipLineNotify(ADMItemRef, ADMNotifierRef) {}
void SegmentArrowsNotify(ADMItemRef, ADMNotifierRef) {}
void ParallelNotify(ADMItemRef, ADMNotifierRef) {}
void ProjectedHorizontalNotify(ADMItemRef, ADMNotifierRef) {}
void ProjectedVerticalNotify(ADMItemRef, ADMNotifierRef) {}
void AngleFormatNotify(ADMItemRef, ADMNotifierRef) {}
void ArcRadiusNotify(ADMItemRef, ADMNotifierRef) {}
void AngleArrowsNotify(ADMItemRef, ADMNotifierRef) {}
void SalientReentrantNotify(ADMItemRef, ADMNotifierRef) {}
void SingleArcNotify(ADMItemRef, ADMNotifierRef) {}
void MultipleArcsNotify(ADMItemRef, ADMNotifierRef) {}
void ArcCountNotify(ADMItemRef, ADMNotifierRef) {}
void ArcGapNotify(ADMItemRef, ADMNotifierRef) {}
void CircleArrowsNotify(ADMItemRef, ADMNotifierRef) {}
void DiameterRadiusNotify(ADMItemRef, ADMNotifierRef) {}
void CircleTieLengthNotify(ADMItemRef, ADMNotifierRef) {}
void CircleDimensionAngleNotify(ADMItemRef, ADMNotifierRef) {}
void DivisionCountNotify(ADMItemRef, ADMNotifierRef) {}
void SharePathNotify(ADMItemRef, ADMNotifierRef) {}
void LocalRadiusNotify(ADMItemRef, ADMNotifierRef) {}
void LocalTangentNotify(ADMItemRef, ADMNotifierRef) {}
void SegmentOffsetXNotify(ADMItemRef, ADMNotifierRef) {}
void SegmentOffsetYNotify(ADMItemRef, ADMNotifierRef) {}
void AngleOffsetANotify(ADMItemRef, ADMNotifierRef) {}
void AngleOffsetRNotify(ADMItemRef, ADMNotifierRef) {}
void CircleOffsetXNotify(ADMItemRef, ADMNotifierRef) {}
void CircleOffsetYNotify(ADMItemRef, ADMNotifierRef) {}
void BezierOffsetXNotify(ADMItemRef, ADMNotifierRef) {}
void BezierOffsetYNotify(ADMItemRef, ADMNotifierRef) {}
void ArrowShape1Notify(ADMItemRef, ADMNotifierRef) {}
void ArrowShape2Notify(ADMItemRef, ADMNotifierRef) {}
void ArrowShape3Notify(ADMItemRef, ADMNotifierRef) {}
void ArrowShape4Notify(ADMItemRef, ADMNotifierRef) {}
void BezierArrowsNotify(ADMItemRef, ADMNotifierRef) {}

void RefreshCurrentDimension() {}
void ShowSelectionMeasures() {}
void ShowFigureArea() {}
