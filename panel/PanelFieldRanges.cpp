// The range of every numeric field of the panel: the range of the setting whose live value it edits, or, for a
// live value no key stores, the lengths a drawing can use. Set as the field's minimum and maximum when the
// field is made, and held by the notifiers before a live value changes.
#include "frame/NumericFields.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelState.h"
#include "records/CurrentDimension.h"

namespace {

// A panel field and the range of what it edits: a setting's key, else its own range.
struct PanelFieldRange {
    int32_t Id;
    const char* Key;
    RealRange Own;
};

constexpr RealRange kDrawingLength{0.0, kLongestDrawingLength};
constexpr RealRange kArcCount{1.0, static_cast<double>(kAngleArcCapacity)};
// The gap between two arcs of an angle, a whole number of points: the most arcs side by side span at most the
// longest length, so that the gap alone never lays the outer arcs past the canvas's edge.
constexpr double kLongestArcGap = static_cast<double>(static_cast<int32_t>(kLongestDrawingLength) /
                                                      static_cast<int32_t>(kAngleArcCapacity - 1));
constexpr RealRange kArcGap{0.0, kLongestArcGap};
constexpr RealRange kHalfTurnDegrees{-180.0, 180.0, 360.0};

constexpr PanelFieldRange kPanelFieldRanges[] = {
    {kLineWidthItem, "Epaisseur", {}},
    {kEndSizeItem, "Zoom", {}},
    {kSideTieItem, "Attaches", {}},
    {kDecimalsItem, "Precision", {}},
    {kTextSizeItem, "Corps", {}},
    {kSegmentOffsetXItem, "DecalageSegX", {}},
    {kSegmentOffsetYItem, "DecalageSegY", {}},
    {kAngleOffsetAItem, "DecalageAngA", {}},
    {kAngleOffsetRItem, "DecalageAngR", {}},
    {kCircleOffsetXItem, "DecalageCerX", {}},
    {kCircleOffsetYItem, "DecalageCerY", {}},
    {kBezierOffsetXItem, "DecalageBezierX", {}},
    {kBezierOffsetYItem, "DecalageBezierY", {}},
    {kArcRadiusItem, "Rayon", {}},
    {kArcCountItem, nullptr, kArcCount},
    {kArcGapItem, nullptr, kArcGap},
    {kCircleAngleItem, nullptr, kHalfTurnDegrees},
    {kCircleTieItem, "Ligne", {}},
    {kPathLengthItem, nullptr, kDrawingLength},
    {kDivisionCountItem, "NbDivBez", {}},
};

const PanelFieldRange* RangeRow(int32_t itemID) {
    for (const PanelFieldRange& row : kPanelFieldRanges)
        if (row.Id == itemID) return &row;
    return nullptr;
}

int32_t IdOf(ADMItemRef item) {
    int32_t id = 0;
    if (item == nullptr || sADMItem->GetID(item, &id) != kNoErr) return 0;
    return id;
}

}  // namespace

bool PanelFieldRangeOf(int32_t itemID, RealRange& range) {
    const PanelFieldRange* row = RangeRow(itemID);
    if (row == nullptr) return false;
    range = row->Key != nullptr ? RealRangeOf(row->Key) : row->Own;
    return true;
}

void BoundPanelField(ADMItemRef item, int32_t itemID) {
    RealRange range;
    if (PanelFieldRangeOf(itemID, range)) BoundFieldTo(item, range);
}

double HeldPanelValue(ADMItemRef item, double fallback) {
    RealRange range;
    return PanelFieldRangeOf(IdOf(item), range) ? TakenFieldValue(item, fallback, range)
                                                : KeptFieldValue(item, fallback);
}

int32_t HeldPanelInt(ADMItemRef item, int32_t fallback) {
    return RoundedInt32(HeldPanelValue(item, fallback), fallback);
}

int32_t TakePanelInt(ADMItemRef item, int32_t fallback) {
    const int32_t value = HeldPanelInt(item, fallback);
    ShowWholeNumber(item, value);
    return value;
}
