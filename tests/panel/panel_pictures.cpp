// What each picture's draw procedure records in each state, the colour buttons, the decimals indicator and the
// panel's own drawing.
#include <functional>

#include "case_name.h"
#include "dimension/ValueFormat.h"
#include "frame/Colours.h"
#include "frame/Settings.h"
#include "panel/ToolPages.h"
#include "panel_fixture.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

using paneltest::PanelTest;

struct PictureCase {
    const char* name;
    int32_t tool;
    std::function<void()> state;
    int32_t item;
    sim::Drawing drawing;
};

class Pictures : public PanelTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(Pictures, EachPictureDrawsTheIconOfItsState) {
    Start();
    const PictureCase& c = GetParam();
    gToolState.CurrentTool = static_cast<ToolNumber>(c.tool);
    if (c.state) c.state();
    LayoutPanelForTool(1);  // the page of the tool shows its items
    sim::TheDialogs().Item(ItemRef(c.item))->visible = true;  // and the picture is drawn even where it hides
    ASSERT_EQ(sim::TheDialogs().DrawItem(ItemRef(c.item)), kNoErr);
    EXPECT_EQ(Item(c.item).drawing, c.drawing) << c.name;
}

const auto arrows = [](int32_t heads, int32_t preset) {
    return [=] {
        gCurrentOptions.ArrowHeads = heads;
        gCurrentOptions.ArrowPreset = preset;
    };
};

INSTANTIATE_TEST_SUITE_P(
    States, Pictures,
    ::testing::Values(
        PictureCase{"line as measured", 1, [] { gDragValues.LineFlipped = 0; }, 53, {"Clear", "Icon 1087 0 0"}},
        PictureCase{"line flipped", 1, [] { gDragValues.LineFlipped = 1; }, 53, {"Clear", "Icon 1088 0 0"}},
        PictureCase{"line, other tool", 2, nullptr, 53, {}},
        PictureCase{"series off", 1, [] { gCurrentOptions.SeriesOn = 0; }, 96, {"Clear", "Icon 1150 0 0"}},
        PictureCase{"series chained", 1, [] { gCurrentOptions.SeriesOn = 1; gCurrentOptions.SeriesKind = 1; }, 96,
                    {"Clear", "Icon 1152 0 0"}},
        PictureCase{"series, other tool", 3, nullptr, 96, {"Clear"}},
        PictureCase{"ties on", 1, [] { gCurrentOptions.SideTiesOn = 1; }, 16, {"Clear", "Icon 1148 0 0"}},
        PictureCase{"first offset, angle", 2, nullptr, 30, {"Icon 1137 4 3"}},
        PictureCase{"first offset", 3, nullptr, 34, {"Icon 1028 2 7"}},
        PictureCase{"second offset, angle", 2, nullptr, 31, {"Icon 1138 19 4"}},
        PictureCase{"second offset", 1, nullptr, 27, {"Icon 1029 23 2"}},
        PictureCase{"tolerance on", 5, [] { gValueFormat.ToleranceOn = 1; }, 58, {"Icon 1097 7 3"}},
        PictureCase{"web page", 4, nullptr, 6, {"Icon 1003 0 0"}},
        PictureCase{"scale picture", 3, nullptr, 13, {"Icon 1030 0 1"}},
        PictureCase{"scale picture, angle", 2, nullptr, 13, {}},
        PictureCase{"arrows reversed", 1, [] { gToolState.SegmentArrowsFlag = 1; }, 52, {"Clear", "Icon 1085 0 0"}},
        PictureCase{"angle arrows", 2, nullptr, 47, {"Clear", "Icon 1086 0 0"}},
        PictureCase{"re-entrant", 2, [] { gMeasuredPoints.AngleFlip = 1; }, 49, {"Clear", "Icon 1118 0 0"}},
        PictureCase{"diameter", 3, [] { gCurrentOptions.Diameter = 1; }, 68, {"Icon 1078 0 0"}},
        PictureCase{"notched arrow chosen", 1, arrows(1, 0), 84, {"IconCentered 1033 0 0 16 16"}},
        PictureCase{"barbs not chosen", 1, arrows(1, 0), 85, {"IconCentered 1034 0 0 16 16"}},
        PictureCase{"hollow triangle chosen", 1,
                    [] {
                        arrows(1, 2)();
                        gColourSettings.HollowTriangle = 1;
                    },
                    86, {"IconCentered 1041 0 0 16 16"}},
        PictureCase{"tick chosen", 3, arrows(0, 2), 86, {"IconCentered 1047 0 0 16 16"}},
        PictureCase{"cross", 2, arrows(0, 0), 87, {"IconCentered 1048 0 0 16 16"}},
        PictureCase{"shapes, measure tool", 5, arrows(1, 0), 84, {}},
        PictureCase{"projected vertical", 1, [] { gCurrentOptions.DimensionOrientation = 2; }, 46,
                    {"IconCentered 1075 0 0 16 16"}},
        PictureCase{"parallel not chosen", 1, [] { gCurrentOptions.DimensionOrientation = 2; }, 44,
                    {"IconCentered 1070 0 0 16 16"}},
        PictureCase{"local radius", 4, [] { gCurrentOptions.BezierMode = 1; }, 55, {"IconCentered 1059 0 0 16 16"}},
        PictureCase{"share path not chosen", 4, [] { gCurrentOptions.BezierMode = 1; }, 54,
                    {"IconCentered 1056 0 0 16 16"}},
        PictureCase{"text shifted", 1, [] { gToolState.LabelPosition = 1; gDimensionValues.SideTextFlag = 1; }, 99,
                    {"Clear", "IconCentered 1153 0 0 11 11"}},
        PictureCase{"text centred", 1, [] { gToolState.LabelPosition = 0; }, 99, {"Clear", "IconCentered 1156 0 0 11 11"}},
        PictureCase{"points", 5, arrows(0, 0), 11, {"Clear", "Icon 1024 0 0"}},
        PictureCase{"horizontal text", 1, [] { gCurrentOptions.HorizontalText = 1; }, 19, {"Clear", "Icon 1094 0 5"}},
        PictureCase{"slanted text", 1, [] { gCurrentOptions.HorizontalText = 0; }, 19, {"Clear", "Icon 1095 4 0"}},
        PictureCase{"single arc", 2, [] { gCurrentOptions.MultipleArcs = 0; }, 59, {"IconCentered 1063 0 0 16 16"}},
        PictureCase{"multiple arcs", 2, [] { gCurrentOptions.MultipleArcs = 1; }, 60, {"IconCentered 1065 0 0 16 16"}},
        // The decimals indicator: three red marks of six, the comma as three small rectangles.
        PictureCase{"three decimals with a comma", 1,
                    [] {
                        gCurrentOptions.Decimals = 3;
                        gSettings.DecimalSeparator = ',';
                        gCurrentOptions.Unit = 0;
                    },
                    18,
                    {"ADMColor 16", "FillRect 0 5 2 11", "ADMColor 0", "FillRect 3 12 4 13", "FillRect 4 11 5 12",
                     "FillRect 3 9 5 11", "ADMColor 16", "FillRect 6 5 8 11", "ADMColor 16", "FillRect 9 5 11 11",
                     "ADMColor 16", "FillRect 12 5 14 11", "ADMColor 6", "FillRect 15 5 17 11", "ADMColor 6",
                     "FillRect 18 5 20 11", "ADMColor 6", "FillRect 21 5 23 11"}},
        PictureCase{"no decimals with a point", 2,
                    [] {
                        gCurrentOptions.Decimals = 0;
                        gSettings.DecimalSeparator = '.';
                        gCurrentOptions.Unit = 3;  // the Angle tool draws it whatever the unit
                    },
                    18,
                    {"ADMColor 16", "FillRect 0 5 2 11", "ClearRect 3 9 5 13", "ADMColor 0", "FillRect 3 9 5 11",
                     "ADMColor 6", "FillRect 6 5 8 11", "ADMColor 6", "FillRect 9 5 11 11", "ADMColor 6",
                     "FillRect 12 5 14 11", "ADMColor 6", "FillRect 15 5 17 11", "ADMColor 6", "FillRect 18 5 20 11",
                     "ADMColor 6", "FillRect 21 5 23 11"}},
        PictureCase{"fractions", 1, [] { gCurrentOptions.Unit = 4; }, 18, {"Clear"}},
        // The colour buttons: a light grey without a frame, a dark one framed, nothing for Longueurs & aires.
        PictureCase{"grey 60 %", 1,
                    [] {
                        gColourSettings.StrokeModel = kGreyModel;
                        gColourSettings.Stroke.Grey = 60.0;
                    },
                    80, {"ADMColor 0", "ClearRect 7 5 14 17", "RGB 26010 26010 26010", "FillRect 8 5 13 17"}},
        PictureCase{"grey 40 %", 1,
                    [] {
                        gColourSettings.StrokeModel = kGreyModel;
                        gColourSettings.Stroke.Grey = 40.0;
                    },
                    80, {"ADMColor 0", "Rect 7 5 14 17", "RGB 39015 39015 39015", "FillRect 8 6 13 16"}},
        PictureCase{"colour, measure tool", 5, nullptr, 80, {}},
        PictureCase{"text colour", 1,
                    [] {
                        gColourSettings.TextModel = kRgbModel;
                        gColourSettings.Text.Red = 255.0;
                        gColourSettings.Text.Green = 0.0;
                        gColourSettings.Text.Blue = 10.0;
                    },
                    23,
                    {"Icon 1025 0 0", "RGB 65025 0 2550", "Line 4 0 4 3", "Line 15 0 15 3", "Line 5 0 5 2",
                     "Line 14 0 14 2", "FillRect 6 0 14 2", "FillRect 9 2 11 12", "Line 7 12 12 12"}}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return CaseName(info.param.name); });

TEST_F(PanelTest, ThePanelDrawsItsBackgroundPicturesForEachTool) {
    Start();
    gCurrentOptions.ArrowHeads = 1;
    gToolState.CurrentTool = kSegmentTool;
    gToolState.LabelPosition = 2;
    gDimensionValues.SideTextFlag = 1;
    ASSERT_EQ(sim::TheDialogs().DrawDialog(Panel()), kNoErr);
    EXPECT_EQ(Dialog().drawing,
              (sim::Drawing{"ClearRect 116 45 192 65", "DefaultDraw", "Icon 1079 5 23", "ClearRect 2 6 22 20",
                            "Icon 1023 2 6", "ClearRect 72 48 93 66", "ClearRect 122 49 148 64", "Icon 1093 122 49"}));
    EXPECT_TRUE(Item(19).invalid);
    EXPECT_TRUE(Item(84).invalid);
    gToolState.CurrentTool = kMeasureTool;
    ASSERT_EQ(sim::TheDialogs().DrawDialog(Panel()), kNoErr);
    EXPECT_EQ(Dialog().drawing,
              (sim::Drawing{"ClearRect 116 45 192 65", "DefaultDraw", "ClearRect 5 142 200 174", "ADMColor 6",
                            "Font 13", "Text 5 154 Si un des tracés se coupe, l'aire est fausse",
                            "Text 58 168 sinon, elle est juste."}));
    gToolState.CurrentTool = kBezierTool;
    ASSERT_EQ(sim::TheDialogs().DrawDialog(Panel()), kNoErr);
    EXPECT_EQ(Dialog().drawing.back(), "Icon 1031 169 47");
}

}  // namespace
