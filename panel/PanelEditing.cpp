#include "panel/PanelEditing.h"

#include <cmath>
#include <optional>
#include <vector>

#include "dimension/AngleBuilders.h"
#include "dimension/BezierExtras.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Placement.h"
#include "dimension/Redraw.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "host/RealMathSuite.h"
#include "host/TagSuite.h"
#include "panel/PanelChange.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/TavorineDialogue.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"
#include "tools/ClickSupport.h"
#include "tools/DimensionParts.h"

namespace {

// End marks 3 and 4 of the cross are the second variants, sets 2 and 3.
constexpr size_t kSecondEndSet = 1;
constexpr size_t kFirstCrossSet = 2;
constexpr size_t kSecondCrossSet = 3;
// The anchors of a tick of the cross.
constexpr int16_t kTickAnchors = 2;

}  // namespace

void SetShapePointY(int index, float y) {
    ArrowHeadShape& shape = gArrowHeadShape;
    shape.AnchorY[index] = shape.InY[index] = shape.OutY[index] = y;
}

bool PointStyleOf(int32_t preset) { return gCurrentOptions.ArrowHeads == 0 && gCurrentOptions.ArrowPreset == preset; }

void LeanPointTick(int32_t flag) {
    if (!PointStyleOf(kTriangleArrowPreset)) return;
    const float first = flag == 0 ? kTickHalfHeight : -kTickHalfHeight;
    SetShapePointY(0, first);
    SetShapePointY(1, -first);
}

void Flip(int32_t& flag) { flag = flag == 0 ? 1 : 0; }

float ItemFloat(ADMItemRef item) {
    float value = 0.0f;
    if (item == nullptr || sADMItem->GetFloatValue(item, &value) != kNoErr || !std::isfinite(value)) return 0.0f;
    return value;
}

int32_t ItemInt(ADMItemRef item) {
    float value = 0.0f;
    if (item == nullptr || sADMItem->GetFloatValue(item, &value) != kNoErr) return 0;
    return RoundedInt32(value, 0);
}

std::string ItemText(ADMItemRef item) {
    int32_t length = 0;
    if (item == nullptr || sADMItem->GetTextLength(item, &length) != kNoErr || length < 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    if (sADMItem->GetText(item, text.data(), length + 1) != kNoErr) return {};
    return std::string(text.data());
}

void RedrawPanelItems(std::initializer_list<int32_t> itemIDs) {
    for (int32_t id : itemIDs)
        if (ADMItemRef item = PanelItem(id)) sADMItem->Invalidate(item);
}

void RedrawWholePanel() {
    if (PanelDialog != nullptr) sADMDialog->Invalidate(PanelDialog);
}

void UpdateWholePanel() {
    if (PanelDialog != nullptr) sADMDialog->Update(PanelDialog);
}

void EnablePanelItems(std::initializer_list<int32_t> itemIDs, bool enabled) {
    for (int32_t id : itemIDs) EnablePanelItem(id, enabled);
}

void ShowPanelValue(int32_t itemID, double value) {
    if (ADMItemRef item = PanelItem(itemID)) SetFloatValue(item, value);
}

void SetItemFlag(int32_t id, int32_t value) {
    if (ADMItemRef item = PanelItem(id)) sADMItem->SetBooleanValue(item, value != 0 ? 1 : 0);
}

void LayOutPanelAgain() {
    ADMUserData data = nullptr;
    if (PanelDialog == nullptr || sADMDialog->GetUserData(PanelDialog, &data) != kNoErr || data == nullptr) return;
    auto* panel = static_cast<TavorineDialogue*>(static_cast<BaseADMDialog*>(data));
    panel->LayoutPanelForTool(1);
}

AIArtHandle NewEndMarkBelow(AIArtHandle above, int16_t anchors) {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (!IsLiveArt(group)) return nullptr;
    const bool besides = IsLiveArt(above);
    AIArtHandle mark = nullptr;
    NewEndMarkPart(besides ? kPlaceBelow : kPlaceInsideOnBottom, besides ? above : group, anchors, &mark);
    return mark;
}

void MakeCrossEndMarks() {
    AIArtHandle(&marks)[kEndMarkSets][kSeriesCapacity] = gCurrentDimension.EndMarks;
    if (!IsLiveArt(marks[0][0])) return;  // a dimension without end marks has no cross to complete
    // Each end that has a mark gets its tick: a radius has one end, so one tick.
    const bool secondEnd = IsLiveArt(marks[kSecondEndSet][0]);
    const AIArtHandle above = secondEnd ? marks[kSecondEndSet][0] : marks[0][0];
    marks[kFirstCrossSet][0] = NewEndMarkBelow(above, kTickAnchors);
    if (secondEnd) marks[kSecondCrossSet][0] = NewEndMarkBelow(marks[kFirstCrossSet][0], kTickAnchors);
}

void DropCrossEndMarks() {
    DisposeArtIfValid(&gCurrentDimension.EndMarks[kFirstCrossSet][0]);
    DisposeArtIfValid(&gCurrentDimension.EndMarks[kSecondCrossSet][0]);
}

bool EditingAngleDimension() {
    return gToolState.CurrentTool == kAngleTool && IsLiveArt(gCurrentDimension.AngleArcs[0]) && !FirstPickWaiting();
}

// An angle without value keeps no label, which the builders would make again empty.
static void DropLabelWithoutValue() {
    if (gValueFormat.AngleFormat == kAngleNoValue) DisposeArtIfValid(&gCurrentDimension.LabelFrames[0]);
}

void RestyleEndMarks() {
    for (auto& set : gCurrentDimension.EndMarks)
        for (AIArtHandle mark : set) StyleEndMark(mark);
}

void RedrawAngle() {
    DimensionKind kind{};
    if (RedrawRefused() || !EditingAngleDimension() || !CurrentBuiltKind(&kind) || KindTool(kind) != kAngleTool) return;
    RedrawDimensionAs(kind);
    DropLabelWithoutValue();
}

void ShowPlacementInPanel() {
    ShowPanelValue(kSideTieItem, gCurrentOptions.SideTieLength);
    ShowPanelValue(kArcRadiusItem, gCurrentOptions.ArcRadius);
    ShowPanelValue(kPathLengthItem, gCurrentOptions.BezierPathLength);
    ShowPanelValue(kCircleAngleItem, CircleAngleInForce());
    SetItemFlag(kDiameterRadiusItem, gCurrentOptions.Diameter);
    // The orientation in force, and the text orientation a horizontal dimension does not offer.
    EnablePanelItem(kTextOrientationItem, gCurrentOptions.DimensionOrientation != kHorizontalDimension);
    RedrawPanelItems({kTextOrientationItem, kParallelItem, kProjectedHorizontalItem, kProjectedVerticalItem,
                      kDiameterRadiusItem});
}

float CircleAngleInForce() {
    const std::optional<AIRealPoint> bend = ReadPlacement(DimensionInForce()).LeaderBend;
    const double radians = bend ? std::atan2(bend->v, bend->h) : gToolState.CircleLabelAngle;
    return sAIRealMath->AIRadianToDegree(static_cast<AIReal>(radians));
}

bool EditingCircleDimension() {
    return gToolState.CurrentTool == kCircleTool && IsLiveArt(gCurrentDimension.CircleParts[0]) && !FirstPickWaiting();
}

void RedrawCircle() {
    DimensionKind kind{};
    if (RedrawRefused() || !EditingCircleDimension() || !CurrentBuiltKind(&kind) || KindTool(kind) != kCircleTool) return;
    RedrawDimensionAs(kind);
}

void RedrawLocalRadius() {
    if (RedrawRefused() || gToolState.CurrentTool != kBezierTool || gCurrentOptions.BezierMode != 1 ||
        !IsLiveArt(gCurrentDimension.AuxLine))
        return;
    RedrawDimensionAs(DimensionKind::BezierLocalRadius);
}

void RefreshAndRememberLine() {
    RefreshCurrentDimension();
    RememberSegment(gDimensionValues.DimensionLineEnds[0].p, gDimensionValues.DimensionLineEnds[1].p);
}
