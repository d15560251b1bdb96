// The panel's procedures whose work is still to come: they change nothing. Each moves to the file of its group
// once it does its work.
#include "panel/PanelProcedures.h"

void CoverClickNotify(ADMItemRef, ADMNotifierRef) {}
void ColourButtonNotify(ADMItemRef, ADMNotifierRef) {}
void ArrowsPointsNotify(ADMItemRef, ADMNotifierRef) {}
void DecimalsNotify(ADMItemRef, ADMNotifierRef) {}
void FreeTextMenuNotify(ADMItemRef, ADMNotifierRef) {}
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

void ShowSelectionMeasures() {}
void ShowFigureArea() {}
