// The tool pages: every item's visibility, enable state and place for each tool, active or not, in every unit,
// Bézier mode, angle format, tolerance, text position and multiple-arc state, against the page table; titles,
// heights, the cover and the flyout entries after select and deselect.
#include <algorithm>
#include <map>
#include <optional>

#include "case_name.h"
#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/Settings.h"
#include "panel/ToolPages.h"
#include "panel_fixture.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace {

using paneltest::PanelTest;

// What the page table says of an item, by tool 1 to 5. "on" shown and enabled with the page's flag; "off"
// hidden and disabled; "dis" shown and disabled; "all" shown and enabled whatever the flag; "mode" by the
// Bézier mode table; "unit", "top", "angle", "free", "tol", "arc", "side" by the rules of the same names.
struct PageRow {
    std::vector<int32_t> items;
    const char* cells[5];
};

const PageRow kPageTable[] = {
    {{7, 8, 80}, {"on", "on", "on", "on", "off"}},
    {{9, 10, 11}, {"on", "on", "on", "mode", "off"}},
    {{12, 13}, {"on", "off", "on", "mode", "on"}},
    {{15, 16}, {"on", "off", "off", "off", "off"}},
    {{17, 18}, {"unit", "angle", "unit", "mode", "top"}},
    {{19, 20}, {"on", "off", "off", "off", "off"}},
    {{21, 22, 23, 81}, {"on", "on", "on", "mode", "off"}},
    {{24, 25, 26, 27}, {"on", "off", "off", "off", "off"}},
    {{28, 29, 30, 31}, {"off", "on", "off", "off", "off"}},
    {{32, 33, 34, 35}, {"off", "off", "on", "off", "off"}},
    {{36, 37, 38, 39}, {"off", "off", "off", "mode", "off"}},
    {{40, 41}, {"free", "free", "free", "mode", "off"}},
    {{43}, {"on", "off", "on", "mode", "all"}},
    {{44, 45, 46}, {"on", "off", "off", "off", "off"}},
    {{47, 48, 49, 50, 51}, {"off", "on", "off", "off", "off"}},
    {{52, 53}, {"on", "off", "off", "off", "off"}},
    {{54, 55, 56}, {"off", "off", "off", "on", "off"}},
    {{57}, {"tol", "tol", "tol", "mode", "off"}},
    {{58}, {"on", "on", "on", "mode", "off"}},
    {{59, 60}, {"off", "on", "off", "off", "off"}},
    {{61, 62, 63}, {"off", "arc", "off", "off", "off"}},
    {{64, 65, 66, 67, 68, 82}, {"off", "off", "on", "off", "off"}},
    {{69, 70, 71, 72, 73}, {"off", "off", "off", "mode", "off"}},
    {{83}, {"on", "dis", "on", "dis", "off"}},
    {{84, 85, 86, 87}, {"on", "on", "on", "mode", "off"}},
    {{88, 89, 90, 91, 92}, {"off", "off", "off", "off", "on"}},
    {{93, 94}, {"on", "off", "off", "off", "off"}},
    {{95}, {"side", "off", "off", "off", "off"}},
};

// Places the pages give: by item, then by tool (0 when the page does not move it).
const std::map<int32_t, std::map<int32_t, std::pair<int32_t, int32_t>>> kPlaces = {
    {12, {{1, {151, 68}}, {3, {151, 68}}, {4, {151, 68}}, {5, {116, 5}}}},
    {13, {{1, {128, 70}}, {3, {128, 70}}, {4, {128, 70}}, {5, {93, 7}}}},
    {43, {{1, {6, 68}}, {3, {6, 68}}, {4, {6, 68}}, {5, {6, 31}}}},
};

// The Bézier mode table: the enable state by mode 0, 1, 2: 'd' disabled, 'f' the flag, 'a' always, 'r' the rule.
const std::map<int32_t, const char*> kBezierModes = {
    {9, "dfd"},  {10, "dfd"}, {11, "dfd"}, {12, "dfd"}, {13, "dfd"}, {21, "dfd"}, {22, "dfd"}, {23, "dfd"},
    {81, "dfd"}, {36, "dfd"}, {37, "dfd"}, {38, "dfd"}, {39, "dfd"}, {84, "dfd"}, {85, "dfd"}, {86, "dfd"},
    {87, "dfd"}, {43, "dfd"}, {40, "drd"}, {41, "drd"}, {57, "drd"}, {58, "dfd"}, {69, "dad"}, {70, "fdf"},
    {71, "fdf"}, {72, "fdd"}, {73, "fdd"},
};

// The expected state of one item: nullopt where the page leaves it as it was.
struct Expected {
    std::optional<bool> shown;
    std::optional<bool> enabled;
    std::optional<std::pair<int32_t, int32_t>> at;
};

struct State {
    int32_t tool;
    bool flag;
    int32_t unit;
    int32_t mode;
    int32_t angleFormat;
    int32_t tolerance;
    int8_t labelPosition;
    int8_t multipleArcs;
    int32_t arcCount;
};

bool Fractional(const State& s) { return s.unit == 3 || s.unit == 4; }

// Items 17, 18 and 42 by the unit (top row for Longueurs & aires), or all disabled (Bézier mode 0).
Expected DecimalsByUnit(const State& s, int32_t id, bool topRow, bool allDisabled) {
    const bool flag = s.flag && !allDisabled;
    if (Fractional(s)) {
        if (id == 42) return {true, flag, std::make_pair(6, topRow ? 4 : 46)};
        return {false, false, std::nullopt};
    }
    if (s.unit == 9 && !allDisabled) {
        if (id == 42) return {};
        std::optional<std::pair<int32_t, int32_t>> at;
        if (topRow) at = id == 17 ? std::make_pair(25, 4) : std::make_pair(0, 6);
        return {std::nullopt, false, at};
    }
    if (id == 42) return {false, false, std::nullopt};
    std::pair<int32_t, int32_t> at = id == 17 ? std::make_pair(25, 45) : std::make_pair(0, 47);
    if (topRow) at = id == 17 ? std::make_pair(25, 4) : std::make_pair(0, 6);
    return {true, flag, at};
}

Expected ExpectedFor(const State& s, int32_t id, const std::string& cell) {
    const bool freeText = s.tool == 2 ? s.angleFormat == 3 : s.unit == 9;
    if (cell == "on") return {true, s.flag, std::nullopt};
    if (cell == "off") return {false, false, std::nullopt};
    if (cell == "dis") return {true, false, std::nullopt};
    if (cell == "all") return {true, true, std::nullopt};
    if (cell == "free") return {true, s.flag && freeText, std::nullopt};
    if (cell == "tol") return {true, s.tolerance != 0, std::nullopt};
    if (cell == "side") return {true, s.flag && s.labelPosition > 0, std::nullopt};
    if (cell == "arc") {
        const bool multiple = s.flag && s.multipleArcs == 1;
        return {true, id == 61 ? multiple : multiple && s.arcCount > 1, std::nullopt};
    }
    if (cell == "angle") {
        if (id == 42) return {false, false, std::nullopt};
        return {true, s.flag && s.angleFormat == 0, id == 17 ? std::make_pair(25, 45) : std::make_pair(0, 47)};
    }
    if (cell == "unit") return DecimalsByUnit(s, id, false, false);
    if (cell == "top") return DecimalsByUnit(s, id, true, false);
    // The Bézier page: shown, enabled by the mode table; nothing changes in a mode outside 0..2.
    if (s.mode < 0 || s.mode > 2) return {};
    if (id == 17 || id == 18 || id == 42) return DecimalsByUnit(s, id, false, s.mode == 0);
    const char code = kBezierModes.at(id)[s.mode];
    bool enabled = code == 'a' || (code == 'f' && s.flag);
    if (code == 'r') enabled = id == 57 ? s.tolerance != 0 : s.flag && freeText;
    return {true, enabled, std::nullopt};
}

void Check(bool actual, std::optional<bool> expected, const std::string& what) {
    if (expected) {
        EXPECT_EQ(actual, *expected) << what;
    }
}

const char* const kTitles[] = {"Segment 13.2", "Angle 13.2", "Cercle 13.2", "Bézier 13.2", "Longueurs & aires 13.2"};

// tool, flag, unit, Bézier mode
using PageParam = std::tuple<int32_t, bool, int32_t, int32_t>;

class PageMatrix : public PanelTest, public ::testing::WithParamInterface<PageParam> {};

TEST_P(PageMatrix, EveryItemFollowsThePageTable) {
    Start();
    State s{};
    std::tie(s.tool, s.flag, s.unit, s.mode) = GetParam();
    // The other states the rules read, each combination laid out in turn.
    for (int32_t format : {0, 3})
        for (int32_t tolerance : {0, 1})
            for (int8_t position : {0, 2})
                for (auto [multiple, count] : {std::pair<int8_t, int32_t>{0, 2}, {1, 1}, {1, 3}}) {
                    s.angleFormat = format;
                    s.tolerance = tolerance;
                    s.labelPosition = position;
                    s.multipleArcs = multiple;
                    s.arcCount = count;
                    gToolState.CurrentTool = static_cast<ToolNumber>(s.tool);
                    gCurrentOptions.Unit = s.unit;
                    gCurrentOptions.BezierMode = s.mode;
                    gValueFormat.AngleFormat = format;
                    gValueFormat.ToleranceOn = tolerance;
                    gToolState.LabelPosition = position;
                    gCurrentOptions.MultipleArcs = multiple;
                    gCurrentOptions.ArcCount = count;
                    LayoutPanelForTool(s.flag ? 1 : 0);
                    const std::string where = "tool " + std::to_string(s.tool) + " flag " + std::to_string(s.flag) +
                                              " unit " + std::to_string(s.unit) + " mode " +
                                              std::to_string(s.mode) + " format " + std::to_string(format) +
                                              " tolerance " + std::to_string(tolerance) + " position " +
                                              std::to_string(position) + " arcs " + std::to_string(multiple) +
                                              "/" + std::to_string(count);
                    for (const PageRow& row : kPageTable) {
                        for (int32_t id : row.items) {
                            const Expected e = ExpectedFor(s, id, row.cells[s.tool - 1]);
                            const sim::ItemData& item = Item(id);
                            Check(item.visible, e.shown, where + " shown " + std::to_string(id));
                            Check(item.enabled, e.enabled, where + " enabled " + std::to_string(id));
                            std::optional<std::pair<int32_t, int32_t>> at = e.at;
                            if (auto places = kPlaces.find(id); places != kPlaces.end())
                                if (auto place = places->second.find(s.tool); place != places->second.end())
                                    at = place->second;
                            if (at) {
                                EXPECT_EQ(item.bounds.left, at->first) << where << " item " << id;
                                EXPECT_EQ(item.bounds.top, at->second) << where << " item " << id;
                            }
                        }
                    }
                    const Expected fraction = ExpectedFor(
                        s, 42, s.tool == 2 ? "angle" : s.tool == 4 ? "mode" : s.tool == 5 ? "top" : "unit");
                    Check(Item(42).visible, fraction.shown, where + " shown 42");
                    Check(Item(42).enabled, fraction.enabled, where + " enabled 42");
                    EXPECT_EQ(Dialog().title, kTitles[s.tool - 1]);
                    EXPECT_EQ(Item(100).bounds.left, s.flag ? 480 : 0);
                    EXPECT_EQ(Item(5).enabled, s.flag);
                    EXPECT_EQ(Item(6).enabled, s.flag);
                    EXPECT_EQ(Item(57).tipEnabled, s.flag);
                    EXPECT_EQ(Item(100).tipEnabled, s.flag);
                    EXPECT_TRUE(Item(0).tipEnabled);  // items 0 and 1 keep their tips
                }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageMatrix,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4, 5), ::testing::Bool(),
                                            ::testing::Values(0, 3, 9), ::testing::Values(0, 1, 2)),
                         [](const auto& info) {
                             return CaseName("Tool", std::get<0>(info.param), "flag", std::get<1>(info.param), "unit",
                                             std::get<2>(info.param), "mode", std::get<3>(info.param));
                         });

TEST_F(PanelTest, AnotherToolNumberLaysOutOnlyTheCoverAndTheButtons) {
    Start();
    SelectTool("Outil Segment");
    const std::string title = Dialog().title;
    gToolState.CurrentTool = static_cast<ToolNumber>(7);
    LayoutPanelForTool(0);
    EXPECT_EQ(Item(100).bounds.left, 0);
    EXPECT_FALSE(Item(5).enabled);
    EXPECT_EQ(Dialog().title, title);
    EXPECT_TRUE(Item(7).enabled);  // no page applied
    gToolState.CurrentTool = kBezierTool;
    gCurrentOptions.BezierMode = 5;  // a mode outside 0..2 leaves the mode items as they were
    LayoutPanelForTool(1);
    EXPECT_TRUE(Item(7).enabled);
    EXPECT_EQ(Dialog().title, "Bézier 13.2");
}

TEST_F(PanelTest, HeightsFollowTheOptionsEntryAndTheMeasurePageNeverShrinks) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("PanneauGrand", sim::PrefValue::Bool(false));
    Start();
    SelectTool("Outil Segment");
    EXPECT_EQ(Dialog().bounds.bottom, 106);
    EXPECT_EQ(gSettings.OptionsShown, 0);
    SelectTool("Outil Longueurs & aires");
    EXPECT_EQ(Dialog().bounds.bottom, 172);  // the read-outs need the full height
    EXPECT_EQ(gSettings.OptionsShown, 0);
    EXPECT_EQ(Entry(kADMMenuItemID, 1)->text, "Afficher les options");
    SelectTool("Outil Cercle");
    EXPECT_EQ(Dialog().bounds.bottom, 106);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(kADMMenuItemID), 1), kNoErr);
    SelectTool("Outil Angle");
    EXPECT_EQ(Dialog().bounds.bottom, 172);
    EXPECT_EQ(gSettings.OptionsShown, 1);
    ASSERT_EQ(sim::TheDialogs().Choose(ItemRef(kADMMenuItemID), 10), kNoErr);  // the help: 480 wide
    SelectTool("Outil Segment");
    EXPECT_EQ(Dialog().bounds.right, 480);
    EXPECT_TRUE(Entry(kADMMenuItemID, 1)->enabled);  // the page enables it again with its flag
}

// The Longueurs & aires page needs its full height for the read-outs: its flyout entry 1 cannot be chosen after
// the tool selection enables the menu, so the options-hidden height never cuts the read-outs off.
TEST_F(PanelTest, TheMeasurePageCannotBeShrunkByTheOptionsEntry) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("PanneauGrand", sim::PrefValue::Bool(false));
    Start();
    SelectTool("Outil Longueurs & aires");
    ASSERT_EQ(Dialog().bounds.bottom, 172);
    EXPECT_FALSE(Entry(kADMMenuItemID, 1)->enabled);
    EXPECT_EQ(sim::TheDialogs().Choose(ItemRef(kADMMenuItemID), 1), kBadParameterErr);
    EXPECT_EQ(Dialog().bounds.bottom, 172);
    EXPECT_EQ(Entry(kADMMenuItemID, 1)->text, "Afficher les options");
    EXPECT_TRUE(Entry(kADMMenuItemID, 10)->enabled);  // the help stays at hand
}

TEST_F(PanelTest, FlyoutEntriesAfterSelectAndDeselect) {
    Start();
    const std::vector<int32_t> ids = {1, 2, 4, 5, 6, 8, 10};
    // Enabling the menu after the page keeps the entries the page disables: the colours on the Bézier page,
    // the options, arrows and colours on the Longueurs & aires page.
    const struct {
        const char* Tool;
        std::vector<int32_t> Disabled;
    } pages[] = {{"Outil Segment", {}}, {"Outil Angle", {}}, {"Outil Cercle", {}}, {"Outil Bézier", {4}},
                 {"Outil Longueurs & aires", {1, 2, 4}}};
    for (const auto& page : pages) {
        SelectTool(page.Tool);
        for (int32_t id : ids) {
            const bool held = std::find(page.Disabled.begin(), page.Disabled.end(), id) != page.Disabled.end();
            EXPECT_EQ(Entry(kADMMenuItemID, id)->enabled, !held) << page.Tool << " " << id;
        }
    }
    SelectTool("Select Tool");
    for (int32_t id : ids) EXPECT_FALSE(Entry(kADMMenuItemID, id)->enabled) << id;
    // A relayout alone applies the page's own entries: the Bézier page disables the colours.
    gToolState.CurrentTool = kBezierTool;
    LayoutPanelForTool(1);
    EXPECT_TRUE(Entry(kADMMenuItemID, 1)->enabled);
    EXPECT_FALSE(Entry(kADMMenuItemID, 4)->enabled);
    EXPECT_TRUE(Entry(43, 8)->enabled);
    gToolState.CurrentTool = kAngleTool;  // the Angle page leaves the unit entries as they were
    LayoutPanelForTool(0);
    EXPECT_TRUE(Entry(43, 8)->enabled);
    EXPECT_FALSE(Entry(kADMMenuItemID, 1)->enabled);
    gToolState.CurrentTool = kMeasureTool;
    LayoutPanelForTool(1);
    EXPECT_FALSE(Entry(43, 11)->enabled);
    EXPECT_FALSE(Entry(kADMMenuItemID, 2)->enabled);
}

// The tick of point end marks: slanted by the arrow direction, flat for angles, left alone for arrows.
struct TickCase {
    int32_t tool;
    int32_t mode;
    int32_t preset;
    int32_t arrowsFlag;
    float first;
};

class TickRule : public PanelTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickRule, ThePagesSetTheTickOfPointEndMarks) {
    Start();
    const TickCase& c = GetParam();
    gCurrentOptions.ArrowHeads = 0;
    gCurrentOptions.ArrowPreset = c.preset;
    ApplyArrowPreset(c.preset);
    for (float* y : {gArrowHeadShape.AnchorY, gArrowHeadShape.InY, gArrowHeadShape.OutY}) y[0] = y[1] = 99.0f;
    gToolState.SegmentArrowsFlag = c.arrowsFlag;
    gToolState.CurrentTool = static_cast<ToolNumber>(c.tool);
    gCurrentOptions.BezierMode = c.mode;
    LayoutPanelForTool(1);
    EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[0], c.first);
    EXPECT_FLOAT_EQ(gArrowHeadShape.InY[0], c.first);
    EXPECT_FLOAT_EQ(gArrowHeadShape.OutY[0], c.first);
    EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorY[1], c.first == 99.0f ? 99.0f : -c.first);
}

INSTANTIATE_TEST_SUITE_P(Presets, TickRule,
                         ::testing::Values(TickCase{1, 0, 2, 0, 2.4508758f}, TickCase{1, 0, 2, 1, -2.4508758f},
                                           TickCase{3, 0, 3, 0, 4.5f}, TickCase{4, 1, 3, 1, -4.5f},
                                           TickCase{2, 0, 2, 0, 0.0f}, TickCase{4, 0, 2, 0, 99.0f},
                                           TickCase{5, 0, 3, 0, 99.0f}, TickCase{1, 0, 1, 0, 99.0f}),
                         [](const auto& info) {
                             return CaseName("Tool", info.param.tool, "mode", info.param.mode, "preset",
                                             info.param.preset, "flag", info.param.arrowsFlag);
                         });

}  // namespace
