// The five tool pages of the panel and the relayout that covers or uncovers it: which items each page shows,
// enables and moves, its title and height, its flyout and unit entries, and the tick of point end marks.
#include "panel/ToolPages.h"

#include <algorithm>
#include <iterator>

#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelState.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "resources/ResourceIds.h"

namespace {

// Where the cover goes while the panel is active: outside the panel at either width.
constexpr int32_t kCoverAwayX = 480;
// The items whose tips the relayout switches.
constexpr int32_t kFirstTipItem = 5;
constexpr int32_t kLastTipItem = 100;
// The unit popup's entries that the pages enable.
constexpr int32_t kUnitPopupEntries[] = {kUnitNoValue, kUnitFreeText, 11};
// The tick of point end marks: the half-height of presets 2 and 3.
constexpr float kTickTwoHalfHeight = 2.4508758f;
constexpr float kTickThreeHalfHeight = 4.5f;

// What a page does with an item. "With the flag": enabled when the page's flag is true.
enum class Cell : uint8_t {
    On,             // shown, enabled with the flag
    Off,            // hidden, disabled
    ShownDisabled,  // shown, disabled
    ShownEnabled,   // shown, enabled whatever the flag
    BezierMode,     // shown, enabled by the Bézier mode table
    UnitRule,       // items 17, 18, 42 by the unit
    UnitRuleTop,    // the same, in the Longueurs & aires page's top row
    AngleFormatRule,
    FreeTextRule,   // shown, enabled with the flag for a free text
    ToleranceRule,  // shown, enabled exactly when the tolerance is on
    ArcRule,        // items 61, 62, 63 by the multiple arcs
    TextSideRule,   // items 95 and 99 by the text position
};

// A run of item ids that a page treats alike, moved to (x, y) when x is not negative.
struct ItemCell {
    int32_t First;
    int32_t Last;
    Cell What;
    int32_t X = -1;
    int32_t Y = -1;
};

// The rows of the item table shared by every page: the same ids in every page table, in this order.
constexpr ItemCell kSegmentCells[] = {
    {7, 8, Cell::On},       {80, 80, Cell::On},        {9, 11, Cell::On},       {12, 12, Cell::On, 151, 68},
    {13, 13, Cell::On, 128, 70}, {15, 16, Cell::On},   {17, 18, Cell::UnitRule}, {19, 20, Cell::On},
    {21, 23, Cell::On},     {81, 81, Cell::On},        {24, 27, Cell::On},      {28, 39, Cell::Off},
    {40, 41, Cell::FreeTextRule}, {43, 43, Cell::On, 6, 68}, {44, 46, Cell::On}, {47, 51, Cell::Off},
    {52, 53, Cell::On},     {54, 56, Cell::Off},       {57, 57, Cell::ToleranceRule}, {58, 58, Cell::On},
    {59, 63, Cell::Off},    {64, 68, Cell::Off},       {82, 82, Cell::Off},     {69, 73, Cell::Off},
    {83, 83, Cell::On},     {84, 87, Cell::On},        {88, 92, Cell::Off},     {93, 94, Cell::On},
    {95, 95, Cell::TextSideRule},
};

constexpr ItemCell kAngleCells[] = {
    {7, 8, Cell::On},       {80, 80, Cell::On},        {9, 11, Cell::On},       {12, 13, Cell::Off},
    {15, 16, Cell::Off},    {17, 18, Cell::AngleFormatRule}, {19, 20, Cell::Off}, {21, 23, Cell::On},
    {81, 81, Cell::On},     {24, 27, Cell::Off},       {28, 31, Cell::On},      {32, 39, Cell::Off},
    {40, 41, Cell::FreeTextRule}, {43, 43, Cell::Off}, {44, 46, Cell::Off},     {47, 51, Cell::On},
    {52, 53, Cell::Off},    {54, 56, Cell::Off},       {57, 57, Cell::ToleranceRule}, {58, 58, Cell::On},
    {59, 60, Cell::On},     {61, 63, Cell::ArcRule},   {64, 68, Cell::Off},     {82, 82, Cell::Off},
    {69, 73, Cell::Off},    {83, 83, Cell::ShownDisabled}, {84, 87, Cell::On},  {88, 92, Cell::Off},
    {93, 95, Cell::Off},
};

constexpr ItemCell kCircleCells[] = {
    {7, 8, Cell::On},       {80, 80, Cell::On},        {9, 11, Cell::On},       {12, 12, Cell::On, 151, 68},
    {13, 13, Cell::On, 128, 70}, {15, 16, Cell::Off},  {17, 18, Cell::UnitRule}, {19, 20, Cell::Off},
    {21, 23, Cell::On},     {81, 81, Cell::On},        {24, 31, Cell::Off},     {32, 35, Cell::On},
    {36, 39, Cell::Off},    {40, 41, Cell::FreeTextRule}, {43, 43, Cell::On, 6, 68}, {44, 46, Cell::Off},
    {47, 51, Cell::Off},    {52, 53, Cell::Off},       {54, 56, Cell::Off},     {57, 57, Cell::ToleranceRule},
    {58, 58, Cell::On},     {59, 63, Cell::Off},       {64, 68, Cell::On},      {82, 82, Cell::On},
    {69, 73, Cell::Off},    {83, 83, Cell::On},        {84, 87, Cell::On},      {88, 92, Cell::Off},
    {93, 95, Cell::Off},
};

constexpr ItemCell kBezierCells[] = {
    {7, 8, Cell::On},       {80, 80, Cell::On},        {9, 11, Cell::BezierMode}, {12, 12, Cell::BezierMode, 151, 68},
    {13, 13, Cell::BezierMode, 128, 70}, {15, 16, Cell::Off}, {17, 18, Cell::BezierMode}, {19, 20, Cell::Off},
    {21, 23, Cell::BezierMode}, {81, 81, Cell::BezierMode}, {24, 35, Cell::Off}, {36, 39, Cell::BezierMode},
    {40, 41, Cell::BezierMode}, {43, 43, Cell::BezierMode, 6, 68}, {44, 53, Cell::Off}, {54, 56, Cell::On},
    {57, 58, Cell::BezierMode}, {59, 68, Cell::Off},   {82, 82, Cell::Off},     {69, 73, Cell::BezierMode},
    {83, 83, Cell::ShownDisabled}, {84, 87, Cell::BezierMode}, {88, 95, Cell::Off},
};

constexpr ItemCell kMeasureCells[] = {
    {7, 11, Cell::Off},     {80, 80, Cell::Off},       {12, 12, Cell::On, 116, 5}, {13, 13, Cell::On, 93, 7},
    {15, 16, Cell::Off},    {17, 18, Cell::UnitRuleTop}, {19, 41, Cell::Off},   {81, 81, Cell::Off},
    {43, 43, Cell::ShownEnabled, 6, 31}, {44, 73, Cell::Off}, {82, 87, Cell::Off}, {88, 92, Cell::On},
    {93, 95, Cell::Off},
};

// The enable state the Bézier page gives its mode items, by mode 0 (divide), 1 (local radius), 2 (local tangent).
enum class ModeEnable : uint8_t { Disabled, Flag, Always, FreeTextRule, ToleranceRule, UnitRule, DecimalsOffRule };
struct ModeRow {
    int32_t First;
    int32_t Last;
    ModeEnable ByMode[3];
};
constexpr ModeRow kBezierModes[] = {
    {9, 13, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {21, 23, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {81, 81, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {36, 39, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {84, 87, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {17, 18, {ModeEnable::DecimalsOffRule, ModeEnable::UnitRule, ModeEnable::UnitRule}},
    {43, 43, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {40, 41, {ModeEnable::Disabled, ModeEnable::FreeTextRule, ModeEnable::Disabled}},
    {57, 57, {ModeEnable::Disabled, ModeEnable::ToleranceRule, ModeEnable::Disabled}},
    {58, 58, {ModeEnable::Disabled, ModeEnable::Flag, ModeEnable::Disabled}},
    {69, 69, {ModeEnable::Disabled, ModeEnable::Always, ModeEnable::Disabled}},
    {70, 71, {ModeEnable::Flag, ModeEnable::Disabled, ModeEnable::Flag}},
    {72, 73, {ModeEnable::Flag, ModeEnable::Disabled, ModeEnable::Disabled}},
};
// Items whose visibility only a valid Bézier mode decides.
constexpr int32_t kModeShownItems[] = {17, 18, 41, 42, 84, 85, 86, 87};

// What a page sets besides its items.
enum class EntryState : uint8_t { Flag, Disabled, Unchanged };
struct PageSpec {
    const char* Title;
    const ItemCell* Cells;
    size_t CellCount;
    EntryState OptionsAndArrows;  // flyout entries 1 and 2
    EntryState Colours;           // flyout entry 4
    EntryState UnitEntries;       // unit popup entries 8, 9 and 11
    const char* AreaText;         // item 83, or null
    bool EntriesBeforeHeight;
};

template <size_t N>
constexpr PageSpec Page(const char* title, const ItemCell (&cells)[N], EntryState options, EntryState colours,
                        EntryState units, const char* area, bool entriesFirst) {
    return PageSpec{title, cells, N, options, colours, units, area, entriesFirst};
}

constexpr const char* kPolygonArea = "Aire du polygone=";
constexpr PageSpec kSegmentPage = Page("Segment 13.2", kSegmentCells, EntryState::Flag, EntryState::Flag,
                                       EntryState::Flag, kPolygonArea, true);
constexpr PageSpec kAnglePage = Page("Angle 13.2", kAngleCells, EntryState::Flag, EntryState::Flag,
                                     EntryState::Unchanged, kPolygonArea, false);
constexpr PageSpec kCirclePage = Page("Cercle 13.2", kCircleCells, EntryState::Flag, EntryState::Flag,
                                      EntryState::Flag, "Aire du disque=", false);
constexpr PageSpec kBezierPage = Page("Bézier 13.2", kBezierCells, EntryState::Flag, EntryState::Disabled,
                                      EntryState::Flag, kPolygonArea, false);
constexpr PageSpec kMeasurePage = Page("Longueurs & aires 13.2", kMeasureCells, EntryState::Disabled,
                                       EntryState::Disabled, EntryState::Disabled, nullptr, false);

ADMItemRef FlyoutMenu() { return PanelItem(kADMMenuItemID); }

void SetEntry(ADMItemRef item, int32_t entryID, EntryState state, bool flag) {
    if (state != EntryState::Unchanged) EnableEntryByID(item, entryID, state == EntryState::Flag && flag);
}

// Shows and enables an item; `place` moves it first when x is not negative.
void SetItem(int32_t id, bool shown, bool enabled, int32_t x = -1, int32_t y = -1) {
    ADMItemRef item = PanelItem(id);
    if (item == nullptr) return;
    if (x >= 0) sADMItem->Move(item, x, y);
    sADMItem->Show(item, shown ? 1 : 0);
    sADMItem->Enable(item, enabled ? 1 : 0);
}

void EnableItem(int32_t id, bool enabled) {
    if (ADMItemRef item = PanelItem(id)) sADMItem->Enable(item, enabled ? 1 : 0);
}

bool IsFractional() { return gCurrentOptions.Unit == kUnitFractionalInches || gCurrentOptions.Unit == kUnitFeetAndInches; }

// Items 17, 18 and 42 by the unit: fractions use item 42, a free text disables the decimals.
void ApplyUnitRule(bool flag, bool topRow) {
    const int32_t fractionTop = topRow ? 4 : 46;
    if (IsFractional()) {
        SetItem(kDecimalsItem, false, false);
        SetItem(kDecimalsPictureItem, false, false);
        SetItem(kFractionPopupItem, true, flag, 6, fractionTop);
        return;
    }
    if (gCurrentOptions.Unit == kUnitFreeText) {
        EnableItem(kDecimalsItem, false);
        EnableItem(kDecimalsPictureItem, false);
    } else {
        SetItem(kDecimalsItem, true, flag, 25, 45);
        SetItem(kDecimalsPictureItem, true, flag, 0, 47);
        SetItem(kFractionPopupItem, false, false);
    }
    if (topRow) {
        if (ADMItemRef decimals = PanelItem(kDecimalsItem)) sADMItem->Move(decimals, 25, 4);
        if (ADMItemRef picture = PanelItem(kDecimalsPictureItem)) sADMItem->Move(picture, 0, 6);
    }
}

// Bézier mode 0: the decimals shown but disabled (or the fraction popup, disabled).
void ApplyDecimalsOffRule() {
    if (IsFractional()) {
        SetItem(kDecimalsItem, false, false);
        SetItem(kDecimalsPictureItem, false, false);
        SetItem(kFractionPopupItem, true, false, 6, 46);
        return;
    }
    SetItem(kDecimalsItem, true, false, 25, 45);
    SetItem(kDecimalsPictureItem, true, false, 0, 47);
    SetItem(kFractionPopupItem, false, false);
}

bool FreeTextChosen() {
    return gToolState.CurrentTool == kAngleTool ? gValueFormat.AngleFormat == kAngleFreeText
                                                : gCurrentOptions.Unit == kUnitFreeText;
}

void ApplyCell(const ItemCell& cell, int32_t id, bool flag) {
    const CurrentOptions& live = gCurrentOptions;
    switch (cell.What) {
        case Cell::On: SetItem(id, true, flag, cell.X, cell.Y); break;
        case Cell::Off: SetItem(id, false, false); break;
        case Cell::ShownDisabled: SetItem(id, true, false, cell.X, cell.Y); break;
        case Cell::ShownEnabled: SetItem(id, true, true, cell.X, cell.Y); break;
        case Cell::FreeTextRule: SetItem(id, true, flag && FreeTextChosen()); break;
        case Cell::ToleranceRule: SetItem(id, true, gValueFormat.ToleranceOn != 0); break;
        case Cell::TextSideRule:
            ShowPanelItem(id, true);
            EnableShiftedTextItems(flag && gToolState.LabelPosition > 0);
            break;
        case Cell::ArcRule: {
            const bool multiple = flag && live.MultipleArcs == 1;
            SetItem(id, true, id == kArcCountItem ? multiple : multiple && live.ArcCount > 1);
            break;
        }
        case Cell::AngleFormatRule: {
            const bool decimal = flag && gValueFormat.AngleFormat == kAngleDecimalDegrees;
            if (id == kDecimalsItem) {
                SetItem(kDecimalsItem, true, decimal, 25, 45);
            } else {
                SetItem(kDecimalsPictureItem, true, decimal, 0, 47);
                SetItem(kFractionPopupItem, false, false);
            }
            break;
        }
        case Cell::UnitRule:
        case Cell::UnitRuleTop:
            if (id == kDecimalsPictureItem) ApplyUnitRule(flag, cell.What == Cell::UnitRuleTop);
            break;
        case Cell::BezierMode: {
            const bool validMode = live.BezierMode >= 0 && live.BezierMode <= 2;
            const bool modeShown =
                std::find(std::begin(kModeShownItems), std::end(kModeShownItems), id) != std::end(kModeShownItems);
            ADMItemRef item = PanelItem(id);
            if (item == nullptr) break;
            if (cell.X >= 0) sADMItem->Move(item, cell.X, cell.Y);
            if (!modeShown) sADMItem->Show(item, 1);
            else if (validMode && id != kDecimalsItem && id != kDecimalsPictureItem) sADMItem->Show(item, 1);
            break;
        }
    }
}

ModeEnable ModeOf(int32_t id, int32_t mode) {
    for (const ModeRow& row : kBezierModes)
        if (id >= row.First && id <= row.Last) return row.ByMode[mode];
    return ModeEnable::Flag;
}

// The enable states of the Bézier page's mode items, and the decimals by the mode's rule.
void ApplyBezierModes(bool flag) {
    const int32_t mode = gCurrentOptions.BezierMode;
    if (mode < 0 || mode > 2) return;
    for (const ModeRow& row : kBezierModes) {
        for (int32_t id = row.First; id <= row.Last; ++id) {
            switch (ModeOf(id, mode)) {
                case ModeEnable::Disabled: EnableItem(id, false); break;
                case ModeEnable::Flag: EnableItem(id, flag); break;
                case ModeEnable::Always: EnableItem(id, true); break;
                case ModeEnable::FreeTextRule: EnableItem(id, flag && FreeTextChosen()); break;
                case ModeEnable::ToleranceRule: EnableItem(id, gValueFormat.ToleranceOn != 0); break;
                case ModeEnable::UnitRule:
                    if (id == kDecimalsPictureItem) ApplyUnitRule(flag, false);
                    break;
                case ModeEnable::DecimalsOffRule:
                    if (id == kDecimalsPictureItem) ApplyDecimalsOffRule();
                    break;
            }
        }
    }
}

// The y of the first two points of the tick, written to the anchor and both handles.
void SetTickHeights(float first, float second) {
    ArrowHeadShape& shape = gArrowHeadShape;
    shape.AnchorY[0] = shape.InY[0] = shape.OutY[0] = first;
    shape.AnchorY[1] = shape.InY[1] = shape.OutY[1] = second;
}

// End marks drawn as points with preset 2 or 3 are a tick: slanted by the arrow direction, flat for angles.
void ApplyTickRule(bool flatTick) {
    const CurrentOptions& live = gCurrentOptions;
    if (live.ArrowHeads != 0) return;
    if (live.ArrowPreset != kTriangleArrowPreset && live.ArrowPreset != kCustomArrowPreset) return;
    if (flatTick) {
        SetTickHeights(0.0f, 0.0f);
        return;
    }
    const float half = live.ArrowPreset == kTriangleArrowPreset ? kTickTwoHalfHeight : kTickThreeHalfHeight;
    if (gToolState.SegmentArrowsFlag != 0)
        SetTickHeights(-half, half);
    else
        SetTickHeights(half, -half);
}

// The page of a tool; null for a number that is no tool.
const PageSpec* PageOf(int32_t tool) {
    switch (tool) {
        case kSegmentTool: return &kSegmentPage;
        case kAngleTool: return &kAnglePage;
        case kCircleTool: return &kCirclePage;
        case kBezierTool: return &kBezierPage;
        case kMeasureTool: return &kMeasurePage;
        default: return nullptr;
    }
}

// Whether the page keeps a flyout entry disabled whatever its flag.
bool PageDisablesEntry(const PageSpec* page, int32_t entryID) {
    if (page == nullptr) return false;
    if (entryID == kFlyoutOptionsEntry || entryID == kFlyoutArrowsEntry)
        return page->OptionsAndArrows == EntryState::Disabled;
    return entryID == kFlyoutColoursEntry && page->Colours == EntryState::Disabled;
}

void SetEntries(const PageSpec& page, bool flag) {
    ADMItemRef menu = FlyoutMenu();
    SetEntry(menu, kFlyoutOptionsEntry, page.OptionsAndArrows, flag);
    SetEntry(menu, kFlyoutArrowsEntry, page.OptionsAndArrows, flag);
    SetEntry(menu, kFlyoutColoursEntry, page.Colours, flag);
    ADMItemRef units = PanelItem(kUnitPopupItem);
    for (int32_t entry : kUnitPopupEntries) SetEntry(units, entry, page.UnitEntries, flag);
}

// The first letter of flyout entry 1: "A" while the options are hidden.
char OptionsLetter() {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    char text[2] = {};
    ADMItemRef menu = FlyoutMenu();
    if (menu != nullptr && sADMItem->GetList(menu, &list) == kNoErr &&
        sADMList->GetEntry(list, kFlyoutOptionsEntry, &entry) == kNoErr)
        sADMEntry->GetText(entry, text, sizeof text);
    return text[0];
}

void SetHeight(bool measurePage) {
    ADMRect bounds{};
    sADMDialog->GetBoundsRect(PanelDialog, &bounds);
    const bool hidden = OptionsLetter() == 'A';
    if (measurePage) {
        if (!hidden) return;
        bounds.bottom = bounds.top + kOptionsShownHeight;
    } else {
        gSettings.OptionsShown = hidden ? 0 : 1;
        bounds.bottom = bounds.top + (hidden ? kOptionsHiddenHeight : kOptionsShownHeight);
    }
    sADMDialog->SetBoundsRect(PanelDialog, &bounds);
}

void ShowPage(const PageSpec& page, int32_t enable) {
    if (PanelDialog == nullptr) return;
    const bool flag = enable != 0;
    const bool measurePage = page.Cells == kMeasureCells;
    sADMDialog->SetText(PanelDialog, page.Title);
    if (page.EntriesBeforeHeight) SetEntries(page, flag);
    SetHeight(measurePage);
    if (!page.EntriesBeforeHeight) SetEntries(page, flag);
    for (size_t i = 0; i < page.CellCount; ++i)
        for (int32_t id = page.Cells[i].First; id <= page.Cells[i].Last; ++id) ApplyCell(page.Cells[i], id, flag);
    if (page.Cells == kBezierCells) ApplyBezierModes(flag);
    if (page.AreaText != nullptr)
        if (ADMItemRef area = PanelItem(kAreaTextItem)) sADMItem->SetText(area, page.AreaText);
}

}  // namespace

void ShowPanelSegmentPage(int32_t enable) {
    ShowPage(kSegmentPage, enable);
    ApplyTickRule(false);
}

void ShowPanelAnglePage(int32_t enable) {
    ShowPage(kAnglePage, enable);
    ApplyTickRule(true);
}

void ShowPanelCirclePage(int32_t enable) {
    ShowPage(kCirclePage, enable);
    ApplyTickRule(false);
}

void ShowPanelBezierPage(int32_t enable) {
    ShowPage(kBezierPage, enable);
    if (gCurrentOptions.BezierMode == 1) ApplyTickRule(false);
}

void ShowPanelMeasurePage(int32_t enable) { ShowPage(kMeasurePage, enable); }

void LayoutPanelForTool(int32_t enable) {
    if (PanelDialog == nullptr) return;
    for (int32_t id = kFirstTipItem; id <= kLastTipItem; ++id)
        if (ADMItemRef item = PanelItem(id)) sADMItem->EnableTip(item, enable != 0 ? 1 : 0);
    EnableItem(kReloadItem, enable != 0);
    EnableItem(kWebPageItem, enable != 0);
    if (ADMItemRef cover = PanelItem(kCoverItem)) sADMItem->Move(cover, enable * kCoverAwayX, 0);
    switch (gToolState.CurrentTool) {
        case kSegmentTool: ShowPanelSegmentPage(enable); break;
        case kAngleTool: ShowPanelAnglePage(enable); break;
        case kCircleTool: ShowPanelCirclePage(enable); break;
        case kBezierTool: ShowPanelBezierPage(enable); break;
        case kMeasureTool: ShowPanelMeasurePage(enable); break;
        default: break;
    }
}

void EnablePanelMenuEntries(int32_t enable) {
    ADMItemRef menu = FlyoutMenu();
    // The entries the current page disables stay disabled: the Longueurs & aires page must not be shrunk by
    // entry 1, nor open what it has no use for.
    const PageSpec* page = PageOf(gToolState.CurrentTool);
    for (int32_t id = kFlyoutOptionsEntry; id <= kFlyoutHelpEntry; ++id)
        EnableEntryByID(menu, id, enable != 0 && !PageDisablesEntry(page, id));
}
