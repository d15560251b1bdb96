#include "panel/SelectionReadouts.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "dimension/Measures.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "host/TagSuite.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// The value of pi the disc's area is taken with (single precision).
constexpr float kDiscPi = 3.1415927f;

bool ShowsNumber(int32_t unit) { return unit >= kUnitMillimetres && unit <= kUnitMetres; }

// The rounded value and its suffix while ShowUnit is set, within `room` bytes: fewer digits, never a cut unit.
std::string DecimalLengthText(double value, std::string_view suffix, size_t room) {
    const bool shown = gCurrentOptions.ShowUnit != 0;
    std::string text = FittedRoundedText(value, gCurrentOptions.Decimals, room - std::min(room, shown ? suffix.size() : 0));
    if (shown) text += suffix;
    return text;
}

std::string LengthInUnitText(double length, int32_t unit, size_t room) {
    switch (unit) {
        case kUnitMillimetres: return DecimalLengthText(length, " mm", room);
        case kUnitCentimetres: return DecimalLengthText(length, " cm", room);
        case kUnitDecimalInches: return DecimalLengthText(length, InchNotation(gSettings.InchSymbol), room);
        case kUnitFractionalInches: return FractionalInchesText(length);
        case kUnitFeetAndInches: return FeetAndInchesText(length);
        case kUnitPicas: return DecimalLengthText(length, " pc", room);
        case kUnitMetres: return DecimalLengthText(length, " m", room);
        default: return DecimalLengthText(length, " pt", room);
    }
}

// The bytes a read-out line leaves after its label.
template <size_t Capacity>
size_t RoomAfter(std::string_view label) {
    return BoundedText<Capacity>::kMaxLength - std::min(label.size(), BoundedText<Capacity>::kMaxLength);
}

constexpr std::string_view kLengthLabel = "L (sélection)=";
constexpr std::string_view kAreaLabel = "A (sélection)=";
constexpr std::string_view kPolygonAreaLabel = "Aire du polygone=";
constexpr std::string_view kDiscAreaLabel = "Aire du disque=";

bool HasNonZeroDigit(std::string_view text) {
    return text.find_first_of("123456789") != std::string_view::npos;
}

// "%d" of a count, then ".".
std::string CountText(int32_t count) { return std::to_string(count) + "."; }

// Read-out items of the Longueurs & aires page.
constexpr int32_t kSelectionAreaItem = 90;
constexpr int32_t kSelectionPointsItem = 91;
constexpr int32_t kSelectionPathsItem = 92;

void SetItemText(int32_t itemID, const char* text) {
    if (ADMItemRef item = PanelItem(itemID)) sADMItem->SetText(item, text);
}

// A path's share of the totals: its anchors, its length and, closed, its enclosed area, taken away from the
// total when the path carries the subtraction tag.
void AddPath(AIArtHandle path, SelectionTotals& totals) {
    int16_t count = 0;
    AIBoolean closed = 0;
    sAIPath->GetPathSegmentCount(path, &count);
    sAIPath->GetPathClosed(path, &closed);
    if (count <= 0) return;
    totals.PointCount += count;
    const auto last = static_cast<uint16_t>(count - 1);
    totals.LengthPoints += PathRangePoints(&path, 0, closed != 0 ? 0 : last);
    if (closed == 0) return;
    AIReal area = 0.0f;
    if (sAIPath->GetPathArea(path, &area) != kNoErr || !std::isfinite(area)) return;
    const double enclosed = std::fabs(area);
    totals.AreaPoints += ArtHasTag(path, DimensionArtFormat::SubtractedAreaMarker) ? -enclosed : enclosed;
}

}  // namespace

int32_t ReadoutLengthUnit() {
    if (ShowsNumber(gCurrentOptions.Unit)) return gCurrentOptions.Unit;
    return ShowsNumber(gSettings.Unit) ? gSettings.Unit : static_cast<int32_t>(kUnitPoints);
}

std::string SelectionLengthText(double points, size_t room) {
    const int32_t unit = ReadoutLengthUnit();
    return LengthInUnitText(ScaledLengthInUnit(points, unit), unit, room);
}

SelectionReadout SelectionReadoutLines(const SelectionTotals& totals) {
    SelectionReadout readout;
    gValueTextBuffer.Clear();
    gValueTextBuffer.Append(SelectionLengthText(totals.LengthPoints, RoomAfter<sizeof readout.Length.Text>(kLengthLabel)));
    readout.Length.Append(kLengthLabel);
    readout.Length.Append(gValueTextBuffer.View());
    // Room for a minus sign too.
    const bool less = totals.AreaPoints < 0.0;
    FormatAreaText(nullptr, static_cast<AIReal>(totals.AreaPoints), 0,
                   RoomAfter<sizeof readout.Area.Text>(kAreaLabel) - (less ? 1 : 0));
    readout.Area.Append(kAreaLabel);
    // More taken away than added: the total keeps its sign.
    if (less && HasNonZeroDigit(gAreaTextBuffer.View())) readout.Area.Append("-");
    readout.Area.Append(gAreaTextBuffer.View());
    readout.Points.Append("Nombre de points=");
    readout.Points.Append(CountText(totals.PointCount));
    readout.Paths.Append("Nombre de tracés=");
    readout.Paths.Append(CountText(totals.PathCount));
    return readout;
}

SelectionTotals TotalSelectedPaths() {
    SelectionTotals totals;
    if (sAIMatchingArt == nullptr || sAIMdMemory == nullptr) return totals;
    const AIMatchingArtSpec fullySelectedPaths{kPathArt, kArtFullySelected, kArtFullySelected};
    AIMdMemoryHandle matches = nullptr;
    int32_t count = 0;
    if (sAIMatchingArt->GetMatchingArt(&fullySelectedPaths, 1, &matches, &count) != kNoErr || matches == nullptr)
        return totals;
    void* block = nullptr;
    if (sAIMdMemory->MdMemoryDeref(matches, &block) == kNoErr && block != nullptr && count > 0) {
        const std::vector<AIArtHandle> paths(static_cast<AIArtHandle*>(block),
                                             static_cast<AIArtHandle*>(block) + count);
        for (AIArtHandle path : paths) {
            if (ArtHasTag(path, DimensionArtFormat::Vek)) {
                sAIArt->SetArtUserAttr(path, kArtFullySelected, 0);
                continue;
            }
            ++totals.PathCount;
            AddPath(path, totals);
        }
    }
    sAIMdMemory->MdMemoryDisposeHandle(matches);
    return totals;
}

bool FigureAreaText(FigureAreaLine& line) {
    switch (gToolState.CurrentTool) {
        case kSegmentTool:
            if (IsCrossedPolygon(&gHitState.HitArt, RoomAfter<sizeof line.Text>(kPolygonAreaLabel)) == 0) return false;
            line.Clear();
            line.Append(kPolygonAreaLabel);
            break;
        case kCircleTool: {
            const AIReal radius = gMeasuredPoints.CircleRadius;
            if (gHitState.MeasuredArt == nullptr ||
                FormatAreaText(&gHitState.MeasuredArt, kDiscPi * radius * radius, 1,
                               RoomAfter<sizeof line.Text>(kDiscAreaLabel)) == 0)
                return false;
            line.Clear();
            line.Append(kDiscAreaLabel);
            break;
        }
        default: return false;
    }
    line.Append(gAreaTextBuffer.View());
    return true;
}

void ShowSelectionMeasures() {
    const SelectionReadout readout = SelectionReadoutLines(TotalSelectedPaths());
    SetItemText(kSelectionLengthItem, readout.Length.CStr());
    SetItemText(kSelectionAreaItem, readout.Area.CStr());
    SetItemText(kSelectionPointsItem, readout.Points.CStr());
    SetItemText(kSelectionPathsItem, readout.Paths.CStr());
}

void ShowCurvePartText(const char* line) { SetItemText(kCurvePartItem, line); }

void ShowFigureArea() {
    FigureAreaLine line;
    if (FigureAreaText(line)) SetItemText(kAreaTextItem, line.CStr());
}
