// The notifiers of the panel's option fields: tie lengths, offsets, decimals, text size, orientation and
// position, the font, the tolerance and free texts, the circle's dimension angle, the division count, the
// cover and the colour buttons.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "dimension/BezierExtras.h"
#include "dimension/CurrentDimension.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/DialogOpeners.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "host/FontSuite.h"
#include "host/ToolSuite.h"
#include "panel/PanelChange.h"
#include "panel/PanelEditing.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/DimensionParts.h"

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// Two leader angles closer than this, in degrees, are the same: a float's rounding of the one shown.
constexpr double kSameAngleDegrees = 1e-4;
// The spacing of stacked series labels is never less than this share of the end-mark size.
constexpr double kSeriesStepPerEndMarkSize = 0.08;
// The font name read from the host, at most this long.
constexpr size_t kFontNameBufferSize = 1024;
// The last entry of the free-text menu opens the preferred free texts.
constexpr int32_t kEditFreeTextsIndex = 6;
constexpr int32_t kLabelPositions = 3;

bool IsNotification(ADMNotifierRef notifier, const char* type) {
    ADMBoolean matches = 0;
    return sADMNotifier->IsNotifierType(notifier, type, &matches) == kNoErr && matches != 0;
}

// A value field's new value into a live option; false for a notification the field ignores.
bool TakeValue(ADMItemRef item, ADMNotifierRef notifier, double& live) {
    if (!IsUserChange(notifier)) return false;
    live = HeldPanelValue(item, live);
    return true;
}

// `from` moved `distance` along the direction from `from` to `towards`; `from` when the two coincide.
AIRealPoint MovedTowards(AIRealPoint from, AIRealPoint towards, double distance) {
    const double dx = towards.h - from.h, dy = towards.v - from.v;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length)) return from;
    return {static_cast<AIReal>(from.h + dx / length * distance), static_cast<AIReal>(from.v + dy / length * distance)};
}

// The text of the chosen entry of a popup, or nothing.
bool ChosenEntryText(ADMItemRef item, std::string& text) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    char buffer[kSettingsNameSize] = {};
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->GetActiveEntry(list, &entry) != kNoErr ||
        entry == nullptr || sADMEntry->GetText(entry, buffer, sizeof buffer) != kNoErr)
        return false;
    text = buffer;
    return true;
}

int32_t ChosenEntryID(ADMItemRef item) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    int32_t id = -1;
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->GetActiveEntry(list, &entry) != kNoErr ||
        entry == nullptr || sADMEntry->GetID(entry, &id) != kNoErr)
        return -1;
    return id;
}

// The name of the host's font `index`; empty when the host has no such font.
std::string FontNameAt(int32_t index) {
    char name[kFontNameBufferSize] = {};
    AIFontKey font = nullptr;
    if (index < 0 || sAIFont == nullptr || sAIFont->IndexFontList(index, &font) != kNoErr ||
        sAIFont->GetFontName(font, name, sizeof name) != kNoErr)
        return {};
    name[kFontNameBufferSize - 1] = '\0';
    return name;
}

}  // namespace

AIRealPoint CursorForSideTie(double a) {
    const MeasuredPoints& m = gMeasuredPoints;
    if (gToolState.ArcLengthMode != 0) {
        const AIRealPoint centre = m.AngleVertex.p, anchor = m.ArcFirstAnchor.p;
        const AIRealPoint beyond{anchor.h + (anchor.h - centre.h), anchor.v + (anchor.v - centre.v)};
        // The arc's radius is the measured arc's and the length together, on the side that holds it, as the click
        // and the drag make it, not one measured back from the rounded point.
        gCurrentOptions.ArcRadius = ArcSideRadius(m.CircleRadius, a);
        return MovedTowards(anchor, beyond, a);
    }
    // Along a curve the length is a distance on the side the drag chose, towards the normal's tip or away.
    if (gToolState.CurveOffsetMode != 0)
        return MovedTowards(m.CurveClickPoint, m.CurveNormalTip, gDragValues.LineFlipped != 0 ? -a : a);
    const AIRealPoint first = m.FirstPoint.p;
    switch (gCurrentOptions.DimensionOrientation) {
        case 1: return {first.h, static_cast<AIReal>(first.v + a)};
        case 2: return {static_cast<AIReal>(first.h + a), first.v};
        default: {
            const double across = m.SegmentAngle + kQuarterTurn;
            return {static_cast<AIReal>(first.h + a * std::cos(across)),
                    static_cast<AIReal>(first.v + a * std::sin(across))};
        }
    }
}

void CircleTieLengthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.CircleTieLength)) RedrawCircle();
}

void DivisionCountNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t old = gCurrentOptions.DivisionCount;
    const int32_t count = TakePanelInt(item, old);
    gCurrentOptions.DivisionCount = count;
    if (count == old || RedrawRefused()) return;
    if (gToolState.EditingBezier != 0 && count < old && gToolState.BezierElementKind != kNoBezierElement)
        while (gDivisionMarks.Head != nullptr && gDivisionMarks.Head->Next != nullptr) DropDivisionMark();
    if (gToolState.CurrentTool != kBezierTool || gToolState.EditingBezier == 0) return;
    RedrawBezierExtra();
    SelectDimensionParts();
}

void CircleDimensionAngleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    // The angle in force, which the field shows, taken again changes nothing.
    const float shown = CircleAngleInForce();
    const double typed = HeldPanelValue(item, shown);
    if (std::abs(typed - shown) <= kSameAngleDegrees) return;
    gToolState.CircleLabelAngle = static_cast<float>(typed * kRadiansPerDegree);
    const AIRealPoint centre = gMeasuredPoints.CircleCentre;
    const AIRealPoint cursor = gToolState.CursorPoint;
    const double distance = std::hypot(cursor.h - centre.h, cursor.v - centre.v);
    gToolState.CursorPoint = {static_cast<AIReal>(centre.h + distance * std::cos(gToolState.CircleLabelAngle)),
                              static_cast<AIReal>(centre.v + distance * std::sin(gToolState.CircleLabelAngle))};
    RedrawCircle();
}

void ToleranceTextNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsNotification(notifier, kADMIntermediateChangedNotifier)) return;
    SetToleranceText(ItemText(item).c_str());
    RefreshCurrentDimension();
}

void FreeTextEditNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsNotification(notifier, kADMIntermediateChangedNotifier) &&
        !IsNotification(notifier, kADMTextSelectionChangeNotifier))
        return;
    ADMBoolean enabled = 0;
    if (sADMItem->IsEnabled(item, &enabled) != kNoErr || enabled == 0) return;
    SetFreeLabelText(ItemText(item).c_str());
    RefreshCurrentDimension();
}

void FreeTextMenuNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t index = GetPopupIndex(item);
    if (index == kEditFreeTextsIndex) {
        OpenModalDialog(ModalDialog::FreeTexts);
        return;
    }
    std::string text;
    if (index < 0 || index >= static_cast<int32_t>(kFreeTextCount) || !ChosenEntryText(item, text)) return;
    SetFreeLabelText(text.c_str());
    if (ADMItemRef field = PanelItem(kFreeTextItem)) sADMItem->SetText(field, text.c_str());
    RefreshCurrentDimension();
}

void CoverClickNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ToolNumber tool = gToolState.CurrentTool;
    if (tool < kSegmentTool || tool > kMeasureTool || gToolState.ToolHandles[tool - 1] == nullptr) return;
    sAITool->SetSelectedTool(gToolState.ToolHandles[tool - 1]);
}

void ColourButtonNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) OpenModalDialog(ModalDialog::Colours);
}

// A length typed for a linear dimension is a distance on the side of the line in force (the sign of the live
// "Attaches", which the drag and the line's flip button set); the field shows it signed as it then stands, and
// the extension lines reach past it as a drag to it makes them.
void SideTieLengthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    double& live = gCurrentOptions.SideTieLength;
    const double typed = HeldPanelValue(item, live);
    // The field shows the signed length in force: a typed number keeps its sign, the side of the line.
    if (gToolState.ArcLengthMode != 0 || gToolState.CurveOffsetMode != 0)
        live = typed;
    else
        UseLinearOffset(typed);
    gToolState.CursorPoint = CursorForSideTie(live);
    RefreshAndRememberLine();
}

void DecimalsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const int32_t decimals = HeldPanelInt(item, gCurrentOptions.Decimals);
    if (KeystrokeChangesNothing(notifier, decimals == gCurrentOptions.Decimals)) return;
    gCurrentOptions.Decimals = decimals;
    RedrawPanelItems({kDecimalsPictureItem});
    RefreshCurrentDimension();
    ShowFigureArea();
}

void SegmentOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.SegmentOffsetX)) RefreshCurrentDimension();
}

void SegmentOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.SegmentOffsetY)) RefreshCurrentDimension();
}

void AngleOffsetANotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.AngleOffsetAngle))
        RedrawAngle();
}

void AngleOffsetRNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.AngleOffsetRadius))
        RedrawAngle();
}

void CircleOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.CircleOffsetX)) RedrawCircle();
}

void CircleOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.CircleOffsetY)) RedrawCircle();
}

void BezierOffsetXNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.BezierOffsetX)) RedrawLocalRadius();
}

void BezierOffsetYNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeValue(item, notifier, gCurrentOptions.BezierOffsetY)) RedrawLocalRadius();
}

void TextOrientationNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    Flip(gCurrentOptions.HorizontalText);
    RedrawPanelItems({kTextOrientationItem});
    RefreshCurrentDimension();
}

void TextPositionNotify(ADMItemRef, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t position = (gToolState.LabelPosition + 1) % kLabelPositions;
    gToolState.LabelPosition = static_cast<int8_t>(position < 0 ? 0 : position);
    EnableShiftedTextItems(gToolState.LabelPosition > 0);
    RedrawWholePanel();
    RefreshCurrentDimension();
}

void TextSizeNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const double size = HeldPanelValue(item, gCurrentOptions.TextSize);
    if (KeystrokeChangesNothing(notifier, size == gCurrentOptions.TextSize)) return;
    gCurrentOptions.TextSize = size;
    gCurrentOptions.SeriesLabelStep =
        static_cast<float>(std::max(size, kSeriesStepPerEndMarkSize * gCurrentOptions.EndMarkSize));
    RefreshCurrentDimension();
}

void FontNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = ChosenEntryID(item);
    if (index < 0) return;
    gCurrentOptions.FontIndex = index;
    SetSettingName(gSettings.FontName, sizeof gSettings.FontName, FontNameAt(index).c_str());
    RefreshCurrentDimension();
}
