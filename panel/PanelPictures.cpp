// The panel's drawing: its own background pictures, each picture item's icon chosen from the settings it shows,
// the two colour buttons and the decimals indicator.
#include "panel/PanelPictures.h"

#include <algorithm>

#include "dimension/ValueFormat.h"
#include "frame/Colours.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// The square in which the section buttons centre their icons, and the text-position picture's square.
constexpr ADMRect kButtonSquare{0, 0, 16, 16};
constexpr ADMRect kSideTextSquare{0, 0, 11, 11};

// Colour codes of the dialog manager's palette and the text font of the panel.
constexpr ADMColor kBlack = kADMBlackColor;
constexpr ADMColor kShadow = kADMShadowColor;
constexpr ADMColor kRed = kADMRedColor;

SPPluginRef PluginOfDialog(ADMDialogRef dialog) {
    SPPluginRef plugin = nullptr;
    return sADMDialog->GetPluginRef(dialog, &plugin) == kNoErr ? plugin : nullptr;
}

template <typename Draw>
void WithIcon(SPPluginRef plugin, int32_t iconID, Draw draw) {
    ADMIconRef icon = nullptr;
    if (sADMIcon->GetFromResource(plugin, iconID, 0, &icon) != kNoErr) return;
    draw(icon);
    sADMIcon->Destroy(icon);
}

void DrawIconAt(SPPluginRef plugin, ADMDrawerRef drawer, int32_t iconID, int32_t h, int32_t v) {
    const ADMPoint at{h, v};
    WithIcon(plugin, iconID, [&](ADMIconRef icon) { sADMDrawer->DrawIcon(drawer, icon, &at); });
}

ToolNumber Tool() { return gToolState.CurrentTool; }
bool On(int32_t flag) { return flag != 0; }

// Who draws a picture, whether the item is cleared first (inside the tool condition, or always), the icon its
// settings choose, and where it goes: at a point or centred in a square.
enum class When : uint8_t { AnyTool, Segment, Angle, Circle, Bezier, NotAngle, NotMeasure };
enum class Clearing : uint8_t { None, InCondition, Always };
struct PictureRule {
    When Condition;
    Clearing Clear;
    int32_t (*Icon)();
    ADMPoint (*At)(int32_t icon);  // null: centred in Square
    const ADMRect* Square;
};

bool Holds(When condition) {
    switch (condition) {
        case When::AnyTool: return true;
        case When::Segment: return Tool() == kSegmentTool;
        case When::Angle: return Tool() == kAngleTool;
        case When::Circle: return Tool() == kCircleTool;
        case When::Bezier: return Tool() == kBezierTool;
        case When::NotAngle: return Tool() != kAngleTool;
        case When::NotMeasure: return Tool() != kMeasureTool;
    }
    return false;
}

void DrawPicture(const PictureRule& rule, ADMItemRef item, ADMDrawerRef drawer) {
    const bool holds = Holds(rule.Condition);
    if (rule.Clear == Clearing::Always || (holds && rule.Clear == Clearing::InCondition)) sADMDrawer->Clear(drawer);
    if (!holds) return;
    const int32_t icon = rule.Icon();
    if (rule.At != nullptr) {
        const ADMPoint at = rule.At(icon);
        DrawIconAt(PluginOfItem(item), drawer, icon, at.h, at.v);
    } else {
        DrawPanelIconCentred(item, drawer, icon, *rule.Square);
    }
}

constexpr ADMPoint Origin(int32_t) { return {0, 0}; }

// The arrow-direction pictures: ">-<" or "<->".
constexpr int32_t ArrowDirection(int32_t flag) { return flag != 0 ? 1085 : 1086; }

// The end-mark shape buttons: the chosen preset shows its selected icon; points have their own icons.
int32_t ShapeIcon(int32_t preset, int32_t arrowSelected, int32_t arrow, int32_t pointSelected, int32_t point) {
    const bool chosen = gCurrentOptions.ArrowPreset == preset;
    if (On(gCurrentOptions.ArrowHeads)) return chosen ? arrowSelected : arrow;
    return chosen ? pointSelected : point;
}

int32_t TriangleShapeIcon() {
    if (!On(gCurrentOptions.ArrowHeads)) return gCurrentOptions.ArrowPreset == 2 ? 1047 : 1046;
    const bool hollow = On(gColourSettings.HollowTriangle);
    if (gCurrentOptions.ArrowPreset == 2) return hollow ? 1041 : 1037;
    return hollow ? 1040 : 1036;
}

// The text-position picture beside the hot spots: the side the shifted text goes to.
int32_t SideTextIcon() {
    const bool side = On(gDimensionValues.SideTextFlag);
    if (gToolState.LabelPosition < 1) return side ? 1155 : 1156;
    return side ? 1153 : 1154;
}

constexpr PictureRule kInvertLine{When::Segment, Clearing::InCondition,
                                  [] { return On(gDragValues.LineFlipped) ? 1088 : 1087; }, Origin, nullptr};
constexpr PictureRule kSeriesType{When::Segment, Clearing::Always,
                                  [] {
                                      if (!On(gCurrentOptions.SeriesOn)) return 1150;
                                      return gCurrentOptions.SeriesKind == 0 ? 1151 : 1152;
                                  },
                                  Origin, nullptr};
constexpr PictureRule kTies{When::Segment, Clearing::Always,
                            [] { return On(gCurrentOptions.SideTiesOn) ? 1148 : 1149; }, Origin, nullptr};
constexpr PictureRule kFirstOffset{When::AnyTool, Clearing::None,
                                   [] { return Tool() == kAngleTool ? 1137 : 1028; },
                                   [](int32_t icon) { return icon == 1137 ? ADMPoint{4, 3} : ADMPoint{2, 7}; },
                                   nullptr};
constexpr PictureRule kSecondOffset{When::AnyTool, Clearing::None,
                                    [] { return Tool() == kAngleTool ? 1138 : 1029; },
                                    [](int32_t icon) { return icon == 1138 ? ADMPoint{19, 4} : ADMPoint{23, 2}; },
                                    nullptr};
constexpr PictureRule kTolerance{When::AnyTool, Clearing::None,
                                 [] { return On(gValueFormat.ToleranceOn) ? 1097 : 1096; },
                                 [](int32_t) { return ADMPoint{7, 3}; }, nullptr};
constexpr PictureRule kCircleTie{When::Circle, Clearing::None, [] { return 1083; },
                                 [](int32_t) { return ADMPoint{16, 0}; }, nullptr};
constexpr PictureRule kCircleAngle{When::Circle, Clearing::None, [] { return 1084; },
                                   [](int32_t) { return ADMPoint{16, 0}; }, nullptr};
constexpr PictureRule kWebPage{When::AnyTool, Clearing::None, [] { return 1003; }, Origin, nullptr};
constexpr PictureRule kPathLength{When::Bezier, Clearing::None, [] { return 1119; },
                                  [](int32_t) { return ADMPoint{25, 2}; }, nullptr};
constexpr PictureRule kArcRadius{When::Angle, Clearing::None, [] { return 1082; },
                                 [](int32_t) { return ADMPoint{23, 0}; }, nullptr};
constexpr PictureRule kSegmentArrows{When::Segment, Clearing::InCondition,
                                     [] { return ArrowDirection(gToolState.SegmentArrowsFlag); }, Origin, nullptr};
constexpr PictureRule kScalePicture{When::NotAngle, Clearing::None, [] { return 1030; },
                                    [](int32_t) { return ADMPoint{0, 1}; }, nullptr};
constexpr PictureRule kAngleArrows{When::Angle, Clearing::InCondition,
                                   [] { return ArrowDirection(gCurrentOptions.AngleArrowsFlag); }, Origin, nullptr};
constexpr PictureRule kCircleArrows{When::Circle, Clearing::InCondition,
                                    [] { return ArrowDirection(gCurrentOptions.CircleArrowsFlag); }, Origin, nullptr};
constexpr PictureRule kBezierArrows{When::Bezier, Clearing::InCondition,
                                    [] { return ArrowDirection(gCurrentOptions.BezierArrowsFlag); }, Origin, nullptr};
constexpr PictureRule kSalientReentrant{When::Angle, Clearing::InCondition,
                                        [] { return On(gMeasuredPoints.AngleFlip) ? 1118 : 1098; }, Origin, nullptr};
constexpr PictureRule kDiameterRadius{When::Circle, Clearing::None,
                                      [] { return On(gCurrentOptions.Diameter) ? 1078 : 1077; }, Origin, nullptr};
constexpr PictureRule kArrowShape1{When::NotMeasure, Clearing::None, [] { return ShapeIcon(0, 1033, 1032, 1043, 1042); },
                                   nullptr, &kButtonSquare};
constexpr PictureRule kArrowShape2{When::NotMeasure, Clearing::None, [] { return ShapeIcon(1, 1035, 1034, 1045, 1044); },
                                   nullptr, &kButtonSquare};
constexpr PictureRule kArrowShape3{When::NotMeasure, Clearing::None, TriangleShapeIcon, nullptr, &kButtonSquare};
constexpr PictureRule kArrowShape4{When::NotMeasure, Clearing::None, [] { return ShapeIcon(3, 1039, 1038, 1049, 1048); },
                                   nullptr, &kButtonSquare};
constexpr PictureRule kParallel{When::Segment, Clearing::None,
                                [] { return gCurrentOptions.DimensionOrientation == 0 ? 1071 : 1070; }, nullptr,
                                &kButtonSquare};
constexpr PictureRule kProjectedHorizontal{When::Segment, Clearing::None,
                                           [] { return gCurrentOptions.DimensionOrientation == 1 ? 1073 : 1072; },
                                           nullptr, &kButtonSquare};
constexpr PictureRule kProjectedVertical{When::Segment, Clearing::None,
                                         [] { return gCurrentOptions.DimensionOrientation == 2 ? 1075 : 1074; },
                                         nullptr, &kButtonSquare};
constexpr PictureRule kSharePath{When::Bezier, Clearing::None,
                                 [] { return gCurrentOptions.BezierMode == 0 ? 1057 : 1056; }, nullptr, &kButtonSquare};
constexpr PictureRule kLocalRadius{When::Bezier, Clearing::None,
                                   [] { return gCurrentOptions.BezierMode == 1 ? 1059 : 1058; }, nullptr,
                                   &kButtonSquare};
constexpr PictureRule kLocalTangent{When::Bezier, Clearing::None,
                                    [] { return gCurrentOptions.BezierMode == 2 ? 1061 : 1060; }, nullptr,
                                    &kButtonSquare};
constexpr PictureRule kTextPosition{When::Segment, Clearing::InCondition, SideTextIcon, nullptr, &kSideTextSquare};
constexpr PictureRule kArrowsPoints{When::AnyTool, Clearing::Always,
                                    [] { return On(gCurrentOptions.ArrowHeads) ? 1023 : 1024; }, Origin, nullptr};
constexpr PictureRule kTextOrientation{When::Segment, Clearing::InCondition,
                                       [] { return On(gCurrentOptions.HorizontalText) ? 1094 : 1095; },
                                       [](int32_t icon) { return icon == 1094 ? ADMPoint{0, 5} : ADMPoint{4, 0}; },
                                       nullptr};

// The panel's text-position icon drawn by the panel itself beside the hot spot of item 20.
int32_t TextPositionIcon() {
    const bool side = On(gDimensionValues.SideTextFlag);
    switch (gToolState.LabelPosition) {
        case 0: return 1089;
        case 1: return side ? 1092 : 1090;
        default: return side ? 1093 : 1091;
    }
}

void InvalidateItems(std::initializer_list<int32_t> ids) {
    for (int32_t id : ids)
        if (ADMItemRef item = PanelItem(id)) sADMItem->Invalidate(item);
}

void ClearRect(ADMDrawerRef drawer, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const ADMRect rect{left, top, right, bottom};
    sADMDrawer->ClearRect(drawer, &rect);
}

void FillRect(ADMDrawerRef drawer, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const ADMRect rect{left, top, right, bottom};
    sADMDrawer->FillRect(drawer, &rect);
}

void Line(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const ADMPoint start{h1, v1};
    const ADMPoint end{h2, v2};
    sADMDrawer->DrawLine(drawer, &start, &end);
}

// The screen colour of the stroke (0) or text (1) colour, each channel's product truncated.
ADMRGBColor ButtonColour(int32_t which) {
    const ColourValues& v = ColourValuesOf(which);
    const auto channel = [](double value) {
        return static_cast<uint16_t>(std::clamp(CheckedInt32(value, 0), 0, UINT16_MAX));
    };
    switch (ColourModelOf(which)) {
        case kGreyModel: {
            const uint16_t grey = channel((100.0 - v.Grey) * 255.0 * 2.55);
            return {grey, grey, grey};
        }
        case kCmykModel: {
            ADMRGBColor colour{};
            CmykToDisplayRgb(&colour, static_cast<float>(v.Cyan / 100.0), static_cast<float>(v.Magenta / 100.0),
                             static_cast<float>(v.Yellow / 100.0), static_cast<float>(v.Black / 100.0));
            return colour;
        }
        default: return {channel(v.Red * 255.0), channel(v.Green * 255.0), channel(v.Blue * 255.0)};
    }
}

}  // namespace

void DrawPanelIcon(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, int32_t h, int32_t v) {
    DrawIconAt(PluginOfItem(item), drawer, iconID, h, v);
}

void DrawPanelIconCentred(ADMItemRef item, ADMDrawerRef drawer, int32_t iconID, const ADMRect& rect) {
    WithIcon(PluginOfItem(item), iconID, [&](ADMIconRef icon) { sADMDrawer->DrawIconCentered(drawer, icon, &rect); });
}

void PanelDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    ClearRect(drawer, 116, 45, 192, 65);
    sADMDialog->DefaultDraw(dialog, drawer);
    const SPPluginRef plugin = PluginOfDialog(dialog);
    InvalidateItems({18, 6, 5});
    if (Tool() != kMeasureTool) {
        InvalidateItems({84, 85, 86, 87, 80, 23, 58});
        DrawIconAt(plugin, drawer, 1079, 5, 23);
        ClearRect(drawer, 2, 6, 22, 20);
        DrawIconAt(plugin, drawer, On(gCurrentOptions.ArrowHeads) ? 1023 : 1024, 2, 6);
    }
    switch (Tool()) {
        case kSegmentTool:
            ClearRect(drawer, 72, 48, 93, 66);
            ClearRect(drawer, 122, 49, 148, 64);
            InvalidateItems({16, 26, 27, 19, 96, 52, 53, 44, 45, 46, 13});
            DrawIconAt(plugin, drawer, TextPositionIcon(), 122, 49);
            break;
        case kAngleTool:
            InvalidateItems({30, 31, 47, 51, 59, 60, 49});
            DrawIconAt(plugin, drawer, 1120, 134, 72);
            break;
        case kCircleTool: InvalidateItems({34, 35, 64, 13, 68, 67, 82}); break;
        case kBezierTool:
            DrawIconAt(plugin, drawer, 1031, 169, 47);
            InvalidateItems({38, 39, 69, 13, 71, 54, 55, 56});
            break;
        case kMeasureTool: {
            ClearRect(drawer, 5, 142, 200, 174);
            sADMDrawer->SetADMColor(drawer, kShadow);
            sADMDrawer->SetFont(drawer, kPanelFont);
            const ADMPoint first{5, 154};
            const ADMPoint second{58, 168};
            sADMDrawer->DrawText(drawer, "Si un des tracés se coupe, l'aire est fausse", &first);
            sADMDrawer->DrawText(drawer, "sinon, elle est juste.", &second);
            InvalidateItems({13});
            break;
        }
        default: break;
    }
}

void InvertLinePictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kInvertLine, item, drawer); }
void SeriesTypePictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kSeriesType, item, drawer); }
void TiesPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kTies, item, drawer); }
void FirstTextOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kFirstOffset, item, drawer); }
void SecondTextOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kSecondOffset, item, drawer); }
void TolerancePictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kTolerance, item, drawer); }
void CircleTieLengthPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kCircleTie, item, drawer); }
void CircleAnglePictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kCircleAngle, item, drawer); }
void WebPageButtonPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kWebPage, item, drawer); }
void PathLengthPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kPathLength, item, drawer); }
void ArcRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArcRadius, item, drawer); }
void SegmentArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    DrawPicture(kSegmentArrows, item, drawer);
}
void ScalePictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kScalePicture, item, drawer); }
void AngleArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kAngleArrows, item, drawer); }
void CircleArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    DrawPicture(kCircleArrows, item, drawer);
}
void BezierArrowDirectionPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    DrawPicture(kBezierArrows, item, drawer);
}
void SalientReentrantPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kSalientReentrant, item, drawer); }
void DiameterRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kDiameterRadius, item, drawer); }
void ArrowShape1PictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArrowShape1, item, drawer); }
void ArrowShape2PictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArrowShape2, item, drawer); }
void ArrowShape3PictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArrowShape3, item, drawer); }
void ArrowShape4PictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArrowShape4, item, drawer); }
void ParallelPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kParallel, item, drawer); }
void ProjectedHorizontalPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    DrawPicture(kProjectedHorizontal, item, drawer);
}
void ProjectedVerticalPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    DrawPicture(kProjectedVertical, item, drawer);
}
void SharePathPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kSharePath, item, drawer); }
void LocalRadiusPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kLocalRadius, item, drawer); }
void LocalTangentPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kLocalTangent, item, drawer); }
void TextPositionPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kTextPosition, item, drawer); }
void ArrowsPointsPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kArrowsPoints, item, drawer); }
void TextOrientationPictureDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawPicture(kTextOrientation, item, drawer); }

void SingleArcPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (Tool() != kAngleTool) return;
    DrawPanelIconCentred(item, drawer, gCurrentOptions.MultipleArcs == 0 ? 1063 : 1062, kButtonSquare);
}

void MultipleArcsPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (Tool() != kAngleTool) return;
    DrawPanelIconCentred(item, drawer, gCurrentOptions.MultipleArcs == 1 ? 1065 : 1064, kButtonSquare);
}

void LineColourButtonDraw(ADMItemRef, ADMDrawerRef drawer) {
    if (Tool() == kMeasureTool) return;
    sADMDrawer->SetADMColor(drawer, kBlack);
    const ADMRGBColor colour = ButtonColour(kStrokeSide);
    if (ColourModelOf(kStrokeSide) == kGreyModel && ColourValuesOf(kStrokeSide).Grey > 50.0) {
        ClearRect(drawer, 7, 5, 14, 17);
        sADMDrawer->SetRGBColor(drawer, &colour);
        FillRect(drawer, 8, 5, 13, 17);
        return;
    }
    const ADMRect frame{7, 5, 14, 17};
    sADMDrawer->DrawRect(drawer, &frame);
    sADMDrawer->SetRGBColor(drawer, &colour);
    FillRect(drawer, 8, 6, 13, 16);
}

void TextColourButtonDraw(ADMItemRef item, ADMDrawerRef drawer) {
    if (Tool() == kMeasureTool) return;
    DrawPanelIcon(item, drawer, 1025, 0, 0);
    const ADMRGBColor colour = ButtonColour(kTextSide);
    sADMDrawer->SetRGBColor(drawer, &colour);
    Line(drawer, 4, 0, 4, 3);
    Line(drawer, 15, 0, 15, 3);
    Line(drawer, 5, 0, 5, 2);
    Line(drawer, 14, 0, 14, 2);
    FillRect(drawer, 6, 0, 14, 2);
    FillRect(drawer, 9, 2, 11, 12);
    Line(drawer, 7, 12, 12, 12);
}

void DecimalsIndicatorDraw(ADMItemRef, ADMDrawerRef drawer) {
    const int32_t unit = gCurrentOptions.Unit;
    if (Tool() != kAngleTool && (unit == kUnitFractionalInches || unit == kUnitFeetAndInches)) {
        sADMDrawer->Clear(drawer);
        return;
    }
    sADMDrawer->SetADMColor(drawer, kRed);
    FillRect(drawer, 0, 5, 2, 11);
    if (gSettings.DecimalSeparator == ',') {
        sADMDrawer->SetADMColor(drawer, kBlack);
        FillRect(drawer, 3, 12, 4, 13);
        FillRect(drawer, 4, 11, 5, 12);
        FillRect(drawer, 3, 9, 5, 11);
    } else {
        ClearRect(drawer, 3, 9, 5, 13);
        sADMDrawer->SetADMColor(drawer, kBlack);
        FillRect(drawer, 3, 9, 5, 11);
    }
    for (int32_t i = 0; i < 6; ++i) {
        sADMDrawer->SetADMColor(drawer, i < gCurrentOptions.Decimals ? kRed : kShadow);
        FillRect(drawer, 6 + 3 * i, 5, 8 + 3 * i, 11);
    }
}
