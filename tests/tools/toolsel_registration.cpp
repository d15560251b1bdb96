// The five tools in the palette, select and deselect, and the Info panel.
#include "dimension/CurrentDimension.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "simhost/PreferenceStore.h"
#include "toolsel_fixture.h"

namespace toolseltest {
namespace {

using Strings = std::vector<std::string>;

TEST_F(ToolTest, StartupAddsFiveToolsInOneNewGroupAndToolset) {
    const sim::ToolRecord& segment = Tool("Outil Segment");
    EXPECT_EQ(segment.title, "Outil Segment");
    EXPECT_EQ(segment.tip, "Outil Segment 13.2");
    EXPECT_EQ(segment.group, segment.number);
    EXPECT_EQ(segment.toolset, segment.number);
    EXPECT_EQ(segment.options, kToolWantsToTrackCursorOption);
    const char* names[] = {"Outil Segment", "Outil Angle", "Outil Cercle", "Outil Bézier",
                           "Outil Longueurs & aires"};
    for (int32_t k = 0; k < 5; ++k) {
        const sim::ToolRecord& tool = Tool(names[k]);
        EXPECT_EQ(tool.handle, gToolState.ToolHandles[k]);
        EXPECT_EQ(tool.tip, std::string(names[k]) + " 13.2");
        EXPECT_EQ(tool.toolset, segment.number);
        EXPECT_EQ(tool.normalIcon, 1012 + k);
        EXPECT_EQ(tool.rolloverIcon, 1017 + k);
        EXPECT_EQ(tool.infoVars, (std::vector<int32_t>{15, 16, 23, 19}));
    }
    EXPECT_NE(gToolState.MeasuredSet, nullptr);
    EXPECT_EQ(gToolState.MeasuredCount, 0u);
}

TEST_F(ToolTest, GroupedToolsJoinTheEyedropperToolset) {
    sim::ThePlugin().Shutdown();
    sim::ResetHost(false);
    sim::ThePreferences().Put(kTavorinePreferencePrefix, "OutilsGroupe", sim::PrefValue::Bool(true));
    sim::ThePlugin().Load(PluginMain, PluginResources);
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    const int32_t eyedropper = Tool(kEyedropperToolName).number;
    EXPECT_EQ(Tool("Outil Segment").toolset, eyedropper);
    EXPECT_EQ(Tool("Outil Longueurs & aires").toolset, eyedropper);
}

TEST_F(ToolTest, AnnotatorIsRegisteredInactiveAndFollowsSelection) {
    ASSERT_EQ(sim::TheAnnotators().Records().size(), 1u);
    EXPECT_EQ(Annotator().name, "VekAnno");
    EXPECT_FALSE(Annotator().active);
    Select(kAngleTool);
    EXPECT_TRUE(Annotator().active);
    EXPECT_EQ(gToolState.CurrentTool, kAngleTool);
    SelectHostTool();
    EXPECT_FALSE(Annotator().active);
}

TEST_F(ToolTest, SelectResetsTheSequenceAndTheBezierElement) {
    gToolState.ClickCount = 2;
    gToolState.EditingSegment = gToolState.EditingBezier = 1;
    gToolState.CircleLabelDistance = 12.0f;
    Select(kBezierTool);
    EXPECT_EQ(gToolState.CurrentTool, kBezierTool);
    EXPECT_EQ(gToolState.BezierElementKind, 8);
    EXPECT_EQ(gToolState.ClickCount, 0);
    EXPECT_EQ(gToolState.EditingSegment, 0);
    EXPECT_EQ(gToolState.EditingBezier, 0);
    EXPECT_EQ(gToolState.CircleLabelDistance, 0.0f);
    EXPECT_EQ(gToolState.SavedLayer, Doc().CurrentLayer());
}

TEST_F(ToolTest, DeselectLeavesTheLayerUnlessDimensionsHaveTheirOwn) {
    const AILayerHandle first = Doc().CurrentLayer();
    const AILayerHandle other = Doc().AddLayer("Cotes");
    Select(kSegmentTool);
    Doc().SetCurrentLayer(other);
    SelectHostTool();
    EXPECT_EQ(Doc().CurrentLayer(), other);
    Select(kSegmentTool);
    gSettings.OwnLayer = 1;
    Doc().SetCurrentLayer(first == other ? first : other);
    gToolState.SavedLayer = first;
    SelectHostTool();
    EXPECT_EQ(Doc().CurrentLayer(), first);
}

TEST_F(ToolTest, DeselectForgetsTheCurrentDimensionButKeepsItsArt) {
    Select(kSegmentTool);
    const AIArtHandle group = Doc().DrawPolyline({{0, 0}, {10, 0}}, false);
    gCurrentDimension.DimensionGroup = group;
    SelectHostTool();
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_NE(Doc().Art(group), nullptr);
}

TEST_F(ToolTest, InfoPanelShowsPointTipAndValue) {
    Select(kCircleTool);
    sim::TheLogs().infoValues.clear();
    Track({12.5f, 40.0f});
    EXPECT_EQ(sim::TheLogs().infoValues, (Strings{"15=12.5", "16=40", "23=Clic point, arc ou cercle.", "19="}));
}

TEST_F(ToolTest, TipTexts) {
    struct Case {
        ToolNumber tool;
        int16_t clicks;
        int32_t mode;
        bool alt, shift;
        const char* tip;
    };
    const Case cases[] = {
        {kSegmentTool, 0, 0, false, false, "Clic point, segment, courbe ou arc."},
        {kSegmentTool, 0, 0, true, true, "Cliquez sur un segment."},
        {kSegmentTool, 0, 0, true, false, "Affiche le panneau Vek-Tavorine."},
        {kSegmentTool, 0, 0, false, true, "Clic pour l'outil suivant de Vek-Tavorine."},
        {kAngleTool, 0, 0, false, false, "Clic sommet, côté angle ou arc."},
        {kCircleTool, 1, 0, false, false, "Clic seconde extrémité de l'arc."},
        {kBezierTool, 0, 0, false, false, "Partager segment, angle, arc ou courbe."},
        {kBezierTool, 0, 1, false, false, "Rayon local de la courbe."},
        {kBezierTool, 0, 2, false, false, "Tangente locale à la courbe."},
        {kMeasureTool, 0, 0, false, false, "Mesure premier point."},
        {kMeasureTool, 1, 0, false, false, "Mesure second point."},
    };
    for (const Case& c : cases) {
        gToolState.CurrentTool = c.tool;
        gToolState.ClickCount = c.clicks;
        gCurrentOptions.BezierMode = c.mode;
        EXPECT_STREQ(ToolTipText(c.alt, c.shift, false), c.tip) << c.tool;
    }
    gToolState.CurrentTool = kAngleTool;
    gToolState.DimensionStarted = 1;
    gToolState.ClickCount = 1;
    EXPECT_STREQ(ToolTipText(false, false, false), "Clic second côté angle.");
    EXPECT_STREQ(ToolTipText(true, false, true), "Cache le panneau Vek-Tavorine.");
}

}  // namespace
}  // namespace toolseltest
