// The reload of the panel's fields from the stored settings, the end marks that follow them, the common refresh
// of the dimension being edited, and the notifiers of the line width, end size, path length and web page.
#include "panel/FieldReload.h"

#include <algorithm>
#include <cmath>

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Naming.h"
#include "dimension/OffsetDimension.h"
#include "dimension/Placement.h"
#include "dimension/Redraw.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ArtSuite.h"
#include "host/PathSuite.h"
#include "host/Platform.h"
#include "host/RealMathSuite.h"
#include "host/URLSuite.h"
#include "panel/CurrentOptions.h"
#include "panel/FontChoice.h"
#include "panel/PanelChange.h"
#include "panel/PanelEditing.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/ScalePopup.h"
#include "panel/ToolPages.h"
#include "panel/UnitPopups.h"
#include "panel/WebPage.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/ClickSupport.h"

namespace {

// Anchors of the end marks this reload makes: circles and angles take six, the point ticks two; zero leaves the
// count to the builder.
constexpr int16_t kRoundEndMarkAnchors = 6;
constexpr int16_t kTickAnchors = 2;
// The beep of a division mark that cannot be allocated.
constexpr uint32_t kAllocationBeepFrequency = 9001;
constexpr uint32_t kAllocationBeepDuration = 100;

// End mark k (0 to 3) of the dimension: element 0 of its array.
AIArtHandle& EndMark(size_t k) { return gCurrentDimension.EndMarks[k][0]; }

// The point variant of preset 3 needs two more end marks.
bool SecondEndMarksWanted() {
    return gCurrentOptions.ArrowHeads == 0 && gCurrentOptions.ArrowPreset == kCustomArrowPreset;
}

// A new end mark at `order` from `prep`, with `anchors` anchors when that is above 0, made as the builders make
// theirs, into `mark`; false, leaving `mark` as it was, when none was made.
bool NewEndMark(int16_t order, AIArtHandle prep, int16_t anchors, AIArtHandle& mark) {
    AIArtHandle made = nullptr;
    NewEndMarkPart(order, prep, anchors, &made);  // no dimension to put it in: no stray art
    if (made == nullptr) return false;
    mark = made;
    return true;
}

void DisposeEndMarks(std::initializer_list<size_t> marks) {
    for (size_t k : marks) DisposeArtIfValid(&EndMark(k));
}

// End marks 2 and 3 below end mark 1: made anew (the paths they held disposed first), each with `anchors`;
// false when a creation failed.
bool MakeSecondEndMarks(int16_t anchors) {
    if (!IsLiveArt(EndMark(1))) return false;
    DisposeEndMarks({2, 3});
    return NewEndMark(kPlaceBelow, EndMark(1), anchors, EndMark(2)) &&
           NewEndMark(kPlaceBelow, EndMark(2), anchors, EndMark(3));
}

void SetItemFloat(int32_t id, double value) {
    if (ADMItemRef item = PanelItem(id)) SetFloatValue(item, value);
}

void SetItemInt(int32_t id, int32_t value) {
    if (ADMItemRef item = PanelItem(id)) sADMItem->SetIntValue(item, value);
}

void InvalidatePanel() {
    if (PanelDialog != nullptr) sADMDialog->Invalidate(PanelDialog);
}

// The unit and its suffix, and the unit popup showing them.
void LoadUnitStep() {
    LoadLiveOption(&CurrentOptions::Unit);
    LoadLiveOption(&CurrentOptions::ShowUnit);
    ADMItemRef popup = PanelItem(kUnitPopupItem);
    CheckEntryByID(popup, 11, gSettings.ShowUnit != 0);
    SelectEntryByID(popup, gCurrentOptions.Unit);
}

// The radius of an arc measured by the Segment tool, from the arc's first anchor.
void DeriveArcRadius() {
    MeasuredPoints& m = gMeasuredPoints;
    const AIArtHandle path = gHitState.MeasuredArt;
    int16_t count = 0;
    if (gToolState.ArcLengthMode == 0 || !IsLiveArt(path) || sAIPath->GetPathSegmentCount(path, &count) != kNoErr ||
        count < 1)
        return;
    if (sAIPath->GetPathSegments(path, 0, 1, &m.ArcFirstAnchor) != kNoErr ||
        sAIPath->GetPathSegments(path, static_cast<int16_t>(count - 1), 1, &m.ArcLastAnchor) != kNoErr)
        return;
    m.CircleRadius = sAIRealMath->AIRealPointDistance(&m.AngleVertex.p, &m.ArcFirstAnchor.p);
    gCurrentOptions.ArcRadius = ArcSideRadius(m.CircleRadius, gCurrentOptions.SideTieLength);
}

}  // namespace

void ReloadPanelNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    LoadGeneralFields();
    switch (gToolState.CurrentTool) {
        case kSegmentTool: LoadSegmentFields(); break;
        case kAngleTool: LoadAngleFields(); break;
        case kCircleTool: LoadCircleFields(); break;
        case kBezierTool: LoadBezierFields(); break;
        case kMeasureTool: LoadMeasureFields(); break;
        default: break;
    }
    if (gToolState.CurrentTool >= kSegmentTool && gToolState.CurrentTool <= kBezierTool) {
        NameDimensionArt();
        InvalidatePanel();
    }
    LayoutPanelForTool(1);
    RefreshCurrentDimension();
    ShowFigureArea();
}

void LoadGeneralFields() {
    const Settings& s = gSettings;
    CurrentOptions& live = gCurrentOptions;
    LoadLiveOption(&CurrentOptions::LineWidth);
    gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(live.LineWidth);
    SetItemFloat(kLineWidthItem, live.LineWidth);
    LoadLiveOption(&CurrentOptions::ArrowHeads);
    LoadLiveOption(&CurrentOptions::ArrowPreset);
    ApplyArrowPreset(s.ArrowPreset);
    if (live.EndMarkSize == 0.0 && s.EndMarkSize != 0.0)
        RecreateEndMarks();
    else if (live.EndMarkSize != 0.0 && s.EndMarkSize == 0.0)
        DisposeEndMarks({0, 1, 2, 3});
    LoadLiveOption(&CurrentOptions::EndMarkSize);
    // The angle builders draw their end marks at this size; multiple arcs keep theirs without.
    live.ActiveEndMarkSize = live.MultipleArcs != 0 ? 0.0 : live.EndMarkSize;
    SetItemFloat(kEndSizeItem, live.EndMarkSize);
    LoadLiveOption(&CurrentOptions::ScaleNumerator);
    LoadLiveOption(&CurrentOptions::ScaleDenominator);
    UpdateScaleRatio(live.ScaleNumerator, live.ScaleDenominator);
    SelectPanelScaleEntry(PanelItem(kScalePopupItem));
    ShowScaleMarker();
    LoadLiveOption(&CurrentOptions::Decimals);
    SetItemInt(kDecimalsItem, live.Decimals);
    LoadLiveOption(&CurrentOptions::TextSize);
    SetItemFloat(kTextSizeItem, live.TextSize);
    live.FontIndex = SelectFontByName(PanelItem(kFontItem), s.PreferredFontName);
}

void LoadSegmentFields() {
    CurrentOptions& live = gCurrentOptions;
    if (live.EndMarkSize <= 0.0 || !SecondEndMarksWanted())
        DisposeEndMarks({2, 3});
    else
        MakeSecondEndMarks(0);
    LoadUnitStep();
    LoadLiveOption(&CurrentOptions::SegmentOffsetX);
    LoadLiveOption(&CurrentOptions::SegmentOffsetY);
    SetItemFloat(kSegmentOffsetXItem, live.SegmentOffsetX);
    SetItemFloat(kSegmentOffsetYItem, live.SegmentOffsetY);
    LoadLiveOption(&CurrentOptions::HorizontalText);
    LoadLiveOption(&CurrentOptions::DimensionOrientation);
    EnablePanelItem(kTextOrientationItem, live.DimensionOrientation != kHorizontalDimension);
    LoadLiveOption(&CurrentOptions::SideTieLength);
    SetItemFloat(kSideTieItem, live.SideTieLength);
    SetFieldUnits(PanelItem(kSideTieItem));
    gToolState.SegmentArrowsFlag = 0;
    gDragValues.LineFlipped = 0;
    gToolState.LabelPosition = 0;
    DeriveArcRadius();
    LoadLiveOption(&CurrentOptions::SideTiesOn);
    SetItemFlag(kWithTiesItem, live.SideTiesOn);
    LoadLiveOption(&CurrentOptions::SeriesOn);
    LoadLiveOption(&CurrentOptions::SeriesKind);
    UpdateSeriesLabelStep();
    InvalidatePanel();
}

void LoadAngleFields() {
    const Settings& s = gSettings;
    CurrentOptions& live = gCurrentOptions;
    if (SecondEndMarksWanted()) MakeSecondEndMarks(kTickAnchors);
    gValueFormat.AngleFormat = kAngleDecimalDegrees;
    LoadLiveOption(&CurrentOptions::ShowAngleUnit);
    ADMItemRef format = PanelItem(kAngleFormatItem);
    CheckEntryByID(format, 5, s.ShowAngleUnit != 0);
    SelectEntryByID(format, kAngleDecimalDegrees);
    LoadLiveOption(&CurrentOptions::AngleOffsetAngle);
    LoadLiveOption(&CurrentOptions::AngleOffsetRadius);
    SetItemFloat(kAngleOffsetAItem, live.AngleOffsetAngle);
    SetItemFloat(kAngleOffsetRItem, live.AngleOffsetRadius);
    LoadLiveOption(&CurrentOptions::ArcRadius);
    SetFieldUnits(PanelItem(kArcRadiusItem));
    SetItemFloat(kArcRadiusItem, live.ArcRadius);
    for (int32_t id : {kArcGapItem, kArcGapPictureItem, kArcCountItem}) EnablePanelItem(id, false);
    if (live.MultipleArcs != 0) {
        live.MultipleArcs = 0;
        EnablePanelItem(kEndSizePictureItem, true);
        EnablePanelItem(kEndSizeItem, true);
        LoadLiveOption(&CurrentOptions::EndMarkSize);
        live.ActiveEndMarkSize = live.EndMarkSize;
        SetItemFloat(kEndSizeItem, live.EndMarkSize);
    }
    if (!IsLiveArt(EndMark(0)) && IsLiveArt(gCurrentDimension.DimensionGroup)) {
        [&] {
            if (!NewEndMark(kPlaceInsideOnBottom, gCurrentDimension.DimensionGroup, kRoundEndMarkAnchors, EndMark(0)))
                return;
            if (!NewEndMark(kPlaceBelow, EndMark(0), kRoundEndMarkAnchors, EndMark(1))) return;
            if (SecondEndMarksWanted()) MakeSecondEndMarks(kTickAnchors);
        }();
    }
    live.AngleArrowsFlag = 0;
}

void LoadCircleFields() {
    const Settings& s = gSettings;
    CurrentOptions& live = gCurrentOptions;
    LoadUnitStep();
    LoadLiveOption(&CurrentOptions::CircleOffsetX);
    LoadLiveOption(&CurrentOptions::CircleOffsetY);
    SetItemFloat(kCircleOffsetXItem, live.CircleOffsetX);
    SetItemFloat(kCircleOffsetYItem, live.CircleOffsetY);
    LoadLiveOption(&CurrentOptions::CircleTieLength);
    SetItemFloat(kCircleTieItem, live.CircleTieLength);
    SetFieldUnits(PanelItem(kCircleTieItem));
    if (live.Diameter == 0 && s.Diameter != 0) {
        if (!NewEndMark(kPlaceBelow, EndMark(0), kRoundEndMarkAnchors, EndMark(1))) return;
    } else if (live.Diameter != 0 && s.Diameter == 0) {
        DisposeEndMarks({1});
    }
    LoadLiveOption(&CurrentOptions::Diameter);
    SetItemFlag(kDiameterRadiusItem, live.Diameter);
    live.CircleArrowsFlag = 0;
}

void LoadBezierFields() {
    const Settings& s = gSettings;
    CurrentOptions& live = gCurrentOptions;
    LoadUnitStep();
    LoadLiveOption(&CurrentOptions::BezierOffsetX);
    LoadLiveOption(&CurrentOptions::BezierOffsetY);
    SetItemFloat(kBezierOffsetXItem, live.BezierOffsetX);
    SetItemFloat(kBezierOffsetYItem, live.BezierOffsetY);
    LoadLiveOption(&CurrentOptions::BezierMode);
    if (gToolState.EditingBezier != 0) {
        for (int32_t count = live.DivisionCount; count < s.DivisionCount; ++count) {
            if (PushDivisionMark() == kOutOfMemoryErr) {
                Beep(kAllocationBeepFrequency, kAllocationBeepDuration);
                break;
            }
        }
        for (int32_t count = live.DivisionCount; count > s.DivisionCount && gDivisionMarks.Head != nullptr; --count)
            DropDivisionMark();
    }
    LoadLiveOption(&CurrentOptions::DivisionCount);
    SetItemInt(kDivisionCountItem, live.DivisionCount);
    live.BezierPathLength = kDefaultBezierPathLength;
    SetItemFloat(kPathLengthItem, live.BezierPathLength);
    live.BezierArrowsFlag = 0;
}

void LoadMeasureFields() { LoadUnitStep(); }

void RecreateEndMarks() {
    CurrentDimension& d = gCurrentDimension;
    const auto make = [](size_t k, int16_t order, AIArtHandle prep, int16_t anchors) {
        if (!IsLiveArt(EndMark(k))) NewEndMark(order, prep, anchors, EndMark(k));
    };
    const auto secondMarks = [&](int16_t anchors) {
        if (!SecondEndMarksWanted()) return;
        make(2, kPlaceBelow, EndMark(1), anchors);
        make(3, kPlaceBelow, EndMark(2), anchors);
    };
    switch (gToolState.CurrentTool) {
        case kSegmentTool:
            make(0, kPlaceBelow, d.DimensionLines[0], 0);
            make(1, kPlaceBelow, EndMark(0), 0);
            secondMarks(0);
            break;
        case kAngleTool:
            make(0, kPlaceBelow, d.AngleArcs[0], 0);
            make(1, kPlaceBelow, EndMark(0), 0);
            secondMarks(kTickAnchors);
            break;
        case kCircleTool:
            // A radius has one end mark (and its cross tick), a diameter two.
            make(0, kPlaceBelow, d.CircleParts[1], kRoundEndMarkAnchors);
            if (gCurrentOptions.Diameter != 0) {
                make(1, kPlaceBelow, EndMark(0), kRoundEndMarkAnchors);
                secondMarks(kTickAnchors);
            } else if (SecondEndMarksWanted()) {
                make(2, kPlaceBelow, EndMark(0), kTickAnchors);
            }
            break;
        case kBezierTool:
            make(0, kPlaceBelow, d.DimensionLineHalves[0], 0);
            if (SecondEndMarksWanted()) make(2, kPlaceBelow, EndMark(0), kTickAnchors);
            break;
        default: break;
    }
}

bool RebuiltKind(DimensionKind* kind) {
    const ToolNumber tool = gToolState.CurrentTool;
    if (FirstPickWaiting() || !CurrentBuiltKind(kind) || KindTool(*kind) != tool) return false;
    // A series is drawn by its clicks only.
    if (tool == kSegmentTool && gCurrentOptions.SeriesOn != 0) return false;
    return KindOrientation(*kind) < 0 || *kind <= DimensionKind::SegmentVertical;
}

void RefreshCurrentDimension() {
    const ToolState& tool = gToolState;
    if (FirstPickWaiting()) return;
    if (tool.CurrentTool == kMeasureTool) {
        ShowSelectionMeasures();
        return;
    }
    if (RedrawRefused()) return;
    // The current dimension's own kind, as its press built it; a Bézier construction not yet named is redrawn as
    // its own kind.
    DimensionKind kind{};
    const bool built = RebuiltKind(&kind);
    if (!built && tool.CurrentTool != kBezierTool) return;
    // The parts the rebuild keeps take the styles now in force, as new parts would.
    RestyleDimensionParts();
    if (built)
        RedrawDimensionAs(kind);
    else
        RedrawBezierExtra();
}

void LineWidthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const double width = HeldPanelValue(item, gCurrentOptions.LineWidth);
    if (KeystrokeChangesNothing(notifier, width == gCurrentOptions.LineWidth)) return;
    gCurrentOptions.LineWidth = width;
    gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(gCurrentOptions.LineWidth);
    RefreshCurrentDimension();
}

void EndMarkSizeNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const double size = HeldPanelValue(item, gCurrentOptions.EndMarkSize);
    gCurrentOptions.EndMarkSize = size;
    gCurrentOptions.ActiveEndMarkSize = size;
    UpdateSeriesLabelStep();
    if (gCurrentOptions.EndMarkSize == 0.0)
        DisposeEndMarks({0, 1, 2, 3});
    else
        RecreateEndMarks();
    RefreshCurrentDimension();
}

void BezierLengthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gCurrentOptions.BezierPathLength = static_cast<float>(HeldPanelValue(item, gCurrentOptions.BezierPathLength));
    if (!RedrawRefused()) RedrawBezierExtra();
}

void OpenWebPageNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const std::string address = WebPageAddress();
    if (!address.empty() && sAIURL->IsBrowserAvailable()) sAIURL->OpenURL(address.c_str());
}
