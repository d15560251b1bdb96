// The notifiers of the panel's section buttons: tolerance, dimension-line flip, side text and ties, series,
// arrow direction and orientation of the Segment page, the Bézier modes, and the Angle page's text format,
// arcs, radius, side and arrow direction.
#include <algorithm>
#include <cmath>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Naming.h"
#include "dimension/OffsetDimension.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/NumericFields.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ArtSuite.h"
#include "panel/PanelEditing.h"
#include "panel/PanelChange.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/ClickSequences.h"

namespace {

// Items of the Segment and Angle pages these notifiers redraw, enable or fill.
constexpr int32_t kHorizontalTextItem = 19;
constexpr int32_t kShowAngleUnitEntry = 5;
constexpr int32_t kAngleFormatSeparator = 4;
constexpr int32_t kEndMarkAnchors = 6;

void SetOrientation(int32_t orientation) {
    gCurrentOptions.DimensionOrientation = orientation;
    if (orientation == kHorizontalDimension) gCurrentOptions.HorizontalText = 1;
    EnablePanelItem(kHorizontalTextItem, orientation != kHorizontalDimension);
    RedrawPanelItems({kHorizontalTextItem});
    // The single linear dimension the change rebuilds takes the orientation; a series, drawn by its clicks only,
    // and a dimension of another kind keep their names.
    DimensionKind kind{};
    if (RebuiltKind(&kind) && KindOrientation(kind) >= 0) NameBuiltDimension(orientation, LinearFamily::Single);
    gCurrentOptions.SideTieLength = HeldPanelValue(PanelItem(kSideTieItem), gCurrentOptions.SideTieLength);
    if (orientation == kParallelDimension && gCurrentOptions.SideTieLength < 0.0) {
        UseLinearOffset(-gCurrentOptions.SideTieLength);
        ShowPanelValue(kSideTieItem, gCurrentOptions.SideTieLength);
    }
    RedrawPanelItems({kParallelItem, kProjectedHorizontalItem, kProjectedVerticalItem});
    RefreshAndRememberLine();
}

void SetBezierMode(ADMItemRef item, int32_t mode, BezierElement elementKind, const char* tip) {
    gCurrentOptions.BezierMode = mode;
    gToolState.BezierElementKind = elementKind;
    gToolState.EditingBezier = 0;
    RedrawPanelItems({kSharePathItem, kLocalRadiusItem, kLocalTangentItem});
    sADMItem->SetTipString(item, tip);
    LayOutPanelAgain();
}

// The entry of the angle-format popup with that id.
ADMEntryRef AngleFormatEntry(ADMItemRef popup, int32_t entryID) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (popup == nullptr || sADMItem->GetList(popup, &list) != kNoErr ||
        sADMList->GetEntry(list, entryID, &entry) != kNoErr)
        return nullptr;
    return entry;
}

void EnableShowAngleUnit(ADMItemRef popup, bool enabled) {
    if (ADMEntryRef entry = AngleFormatEntry(popup, kShowAngleUnitEntry)) sADMEntry->Enable(entry, enabled ? 1 : 0);
}

// A fresh label frame for an angle whose label "Cote (sans)" had removed.
void RecreateAngleLabel() {
    if (gToolState.CurrentTool != kAngleTool || !IsLiveArt(gCurrentDimension.DimensionGroup) ||
        IsLiveArt(gCurrentDimension.LabelFrames[0]))
        return;
    NewDimensionPart(kTextFrameArt, nullptr, &gCurrentDimension.LabelFrames[0]);
}

// The tolerance button and its text follow ToleranceOn.
void EnableToleranceText() { EnablePanelItem(kToleranceTextItem, gValueFormat.ToleranceOn != 0); }

void ApplyAngleFormat(ADMItemRef popup, int32_t index) {
    const int32_t previous = gValueFormat.AngleFormat;
    switch (index) {
        case kAngleDecimalDegrees:
        case kAngleDegreesMinutesSeconds:
            gValueFormat.AngleFormat = index;
            EnablePanelItems({kFreeTextMenuItem, kFreeTextItem}, false);
            EnablePanelItems({kDecimalsItem, kDecimalsPictureItem}, index == kAngleDecimalDegrees);
            EnablePanelItem(kToleranceButtonItem, true);
            EnableToleranceText();
            RecreateAngleLabel();
            EnableShowAngleUnit(popup, index == kAngleDecimalDegrees);
            break;
        case kAngleNoValue:
            gValueFormat.AngleFormat = index;
            EnablePanelItems({kToleranceButtonItem, kToleranceTextItem, kDecimalsItem, kDecimalsPictureItem,
                              kFreeTextMenuItem, kFreeTextItem},
                             false);
            if (gToolState.CurrentTool == kAngleTool) DisposeArtIfValid(&gCurrentDimension.LabelFrames[0]);
            EnableShowAngleUnit(popup, false);
            break;
        case kAngleFreeText:
            gValueFormat.AngleFormat = index;
            EnablePanelItems({kFreeTextMenuItem, kFreeTextItem}, true);
            EnablePanelItems({kDecimalsItem, kDecimalsPictureItem, kToleranceButtonItem, kToleranceTextItem}, false);
            if (gValueFormat.FreeLabelText != nullptr)
                if (ADMItemRef text = PanelItem(kFreeTextItem)) sADMItem->SetText(text, gValueFormat.FreeLabelText);
            RecreateAngleLabel();
            EnableShowAngleUnit(popup, false);
            break;
        case kShowAngleUnitEntry:
            gValueFormat.AngleFormat = previous;
            Flip(gCurrentOptions.ShowAngleUnit);
            if (ADMEntryRef entry = AngleFormatEntry(popup, kShowAngleUnitEntry))
                sADMEntry->Check(entry, gCurrentOptions.ShowAngleUnit != 0 ? 1 : 0);
            if (ADMEntryRef entry = AngleFormatEntry(popup, gValueFormat.AngleFormat)) sADMEntry->Select(entry, 1);
            break;
        default: break;  // the separator, or no entry chosen
    }
}

// The end marks of a single arc, made again when multiple arcs had replaced them by nothing.
void RecreateSingleArcEndMarks() {
    CurrentDimension& d = gCurrentDimension;
    if (IsLiveArt(d.EndMarks[0][0]) || !IsLiveArt(d.DimensionGroup) || gToolState.CurrentTool != kAngleTool) return;
    d.EndMarks[0][0] = NewEndMarkBelow(nullptr, kEndMarkAnchors);
    d.EndMarks[1][0] = NewEndMarkBelow(d.EndMarks[0][0], kEndMarkAnchors);
    if (gCurrentOptions.ArrowHeads == 0 && gCurrentOptions.ArrowPreset == kCustomArrowPreset) MakeCrossEndMarks();
}

}  // namespace

void ToleranceButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gValueFormat.ToleranceOn);
    RedrawPanelItems({kToleranceButtonItem});
    if (ADMItemRef button = PanelItem(kToleranceButtonItem))
        sADMItem->SetTipString(button, gValueFormat.ToleranceOn != 0 ? "Désactive la zone de texte de tolérance."
                                                                      : "Active la zone de texte de tolérance.");
    EnableToleranceText();
    ActivateDialogItem(item, kToleranceTextItem);
    RefreshCurrentDimension();
}

void FlipLineNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gDragValues.LineFlipped);
    CurrentOptions& live = gCurrentOptions;
    // Along a curve the line goes to the other side at its offset.
    if (gToolState.CurveOffsetMode != 0) {
        gToolState.CursorPoint = CursorForSideTie(live.SideTieLength);
        RefreshCurrentDimension();
        return;
    }
    live.SideTieLength = -live.SideTieLength;
    const AIRealPoint first = gMeasuredPoints.FirstPoint.p;
    gToolState.CursorPoint = {first.h, static_cast<AIReal>(first.v + live.SideTieLength)};
    ShowPanelValue(kSideTieItem, live.SideTieLength);
    UpdateWholePanel();
    RedrawPanelItems({kInvertLineItem});
    RefreshAndRememberLine();
}

void SideTextNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gDimensionValues.SideTextFlag);
    RedrawWholePanel();
    RefreshCurrentDimension();
}

void WithTiesNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.SideTiesOn);
    RedrawWholePanel();
    RefreshCurrentDimension();
}

void SeriesOnNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.SeriesOn);
    gCurrentOptions.SeriesKind = 0;
    // The points or the first pick taken before the switch make nothing: that sequence ends as a cancel ends it.
    EndWaitingSequence();
    gToolState.EditingSegment = 0;
    RedrawPanelItems({kSeriesTypePictureItem});
}

void SeriesTypeOneNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.SeriesKind = 0;
    RedrawPanelItems({kSeriesTypePictureItem});
}

void SeriesTypeTwoNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.SeriesKind = 1;
    RedrawPanelItems({kSeriesTypePictureItem});
}

void SegmentArrowsNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gToolState.SegmentArrowsFlag);
    RedrawPanelItems({kSegmentArrowsItem});
    LeanPointTick(gToolState.SegmentArrowsFlag);
    RefreshCurrentDimension();
}

void AngleArrowsNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.AngleArrowsFlag);
    RedrawPanelItems({kAngleArrowsItem});
    if (PointStyleOf(kTriangleArrowPreset)) {
        SetShapePointY(0, 0.0f);
        SetShapePointY(1, 0.0f);
    }
    RedrawAngle();
}

// The three orientation pictures act on every notification.
void ParallelNotify(ADMItemRef, ADMNotifierRef) { SetOrientation(kParallelDimension); }
void ProjectedHorizontalNotify(ADMItemRef, ADMNotifierRef) { SetOrientation(kHorizontalDimension); }
void ProjectedVerticalNotify(ADMItemRef, ADMNotifierRef) { SetOrientation(kVerticalDimension); }

void SharePathNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    SetBezierMode(item, 0, kCurveElement, "Partager le tracé (segment, angle, arc ou courbe).");
}

void LocalRadiusNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    SetBezierMode(item, 1, kRadiusElement, "Tracé du rayon local.");
}

void LocalTangentNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    SetBezierMode(item, 2, kTangentElement, "Tracé de la tangente locale.");
}

void AngleFormatNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    if (index != kAngleFormatSeparator) ApplyAngleFormat(item, index);
    if (gSettings.AutoRightAngle != 0 && gDimensionValues.RightAngleShown != 0) return;
    RedrawAngle();
}

void SingleArcNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier) || gCurrentOptions.MultipleArcs == 0) return;
    gCurrentOptions.MultipleArcs = 0;
    gCurrentOptions.ActiveEndMarkSize = gCurrentOptions.EndMarkSize;
    RedrawPanelItems({kSingleArcItem, kMultipleArcsItem});
    RecreateSingleArcEndMarks();
    EnablePanelItems({kEndSizeItem, kEndSizePictureItem, kSeriesTypeOneItem, kSeriesTypeTwoItem, kArrowsPointsItem,
                      kAngleArrowsItem},
                     true);
    EnablePanelItems({kArcGapItem, kArcGapPictureItem, kArcCountItem}, false);
    RedrawAngle();
}

void MultipleArcsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.MultipleArcs = 1;
    RedrawPanelItems({kSingleArcItem, kMultipleArcsItem});
    gCurrentOptions.ActiveEndMarkSize = 0.0;
    ShowPanelValue(kEndSizeItem, gCurrentOptions.EndMarkSize);
    ShowPanelValue(kLineWidthItem, gCurrentOptions.LineWidth);
    EnablePanelItems({kEndSizeItem, kEndSizePictureItem, kSeriesTypeOneItem, kSeriesTypeTwoItem, kArrowsPointsItem,
                      kAngleArrowsItem},
                     false);
    EnablePanelItems({kArcGapItem, kArcGapPictureItem, kArcCountItem}, true);
    ActivateDialogItem(item, kArcCountItem);
    RedrawAngle();
}

void ArcCountNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.ArcCount = TakePanelInt(item, gCurrentOptions.ArcCount);
    EnablePanelItems({kArcGapItem, kArcGapPictureItem}, gCurrentOptions.ArcCount > 1);
    if (RedrawRefused() || !IsLiveArt(gCurrentDimension.AngleArcs[0])) return;
    RedrawAngle();
}

void ArcGapNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    // The gap is whole points, the typed value truncated (2.6 is 2), and shown as it is taken.
    const int32_t gap = CheckedInt32(HeldPanelValue(item, gCurrentOptions.ArcGap), gCurrentOptions.ArcGap);
    ShowWholeNumber(item, gap);
    gCurrentOptions.ArcGap = gap;
    RedrawAngle();
}

// A radius of nothing is held by the setting's range to the smallest that draws the arc.
void ArcRadiusNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.ArcRadius = HeldPanelValue(PanelItem(kArcRadiusItem), gCurrentOptions.ArcRadius);
    RedrawAngle();
}

void SalientReentrantNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gMeasuredPoints.AngleFlip);
    RedrawPanelItems({kSalientReentrantItem});
    RedrawAngle();
}
