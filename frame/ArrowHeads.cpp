#include "frame/ArrowHeads.h"

#include <cmath>
#include <numbers>

#include "frame/ArrowTips.h"
#include "frame/Colours.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

ArrowHeadShape gArrowHeadShape;

namespace {

// The angle at which a barbed or triangular arrow has no width left: its size is taken as 0.
constexpr double kFlatAngle = 90.0;

// One point of the end mark: anchor, in-handle and out-handle.
using ShapePoint = ArrowTipPoint;

// Puts point `index` into six point tables (ArrowHeadShape's own or ShapePointTables), as they stand.
template <typename Tables>
void SetPoint(Tables& tables, int index, const ShapePoint& p) {
    tables.AnchorX[index] = p.AnchorX;
    tables.AnchorY[index] = p.AnchorY;
    tables.InX[index] = p.InX;
    tables.InY[index] = p.InY;
    tables.OutX[index] = p.OutX;
    tables.OutY[index] = p.OutY;
}

// Empties the shape's points and sets its count, flags and line start.
void BeginShape(ArrowHeadShape& shape, int16_t count, int32_t closed, int32_t hollow, AIRealPoint lineStart) {
    const int32_t preset = shape.Preset;
    shape = ArrowHeadShape();
    shape.Preset = preset;
    shape.PointCount = count;
    shape.EndMarkClosed = closed;
    shape.Hollow = hollow;
    shape.LineStartOffset = lineStart;
}

// Half-width of a barbed or triangular arrow of tip angle `degrees`, and its length; both 0 at 90 degrees.
// The angle is held to 0..90 degrees.
void ArrowSize(double degrees, float* length, float* halfWidth) {
    if (!(degrees > 0.0)) degrees = 0.0;
    if (degrees >= kFlatAngle) {
        *length = 0.0f;
        *halfWidth = 0.0f;
        return;
    }
    *length = kPresetArrowLength;
    *halfWidth = static_cast<float>(kPresetArrowLength * std::tan(degrees * std::numbers::pi / 180.0));
}

// Two barbs from the tip, open and stroked; the line starts at the tip.
void LoadOpenArrow(ArrowHeadShape& shape, double degrees) {
    float length = 0.0f, halfWidth = 0.0f;
    ArrowSize(degrees, &length, &halfWidth);
    BeginShape(shape, 3, 0, 1, AIRealPoint{0.0f, 0.0f});
    SetPoint(shape, 0, Corner(length, -halfWidth));
    SetPoint(shape, 1, Corner(0.0f, 0.0f));
    SetPoint(shape, 2, Corner(length, halfWidth));
}

// A closed triangle, hollow by "FlecheCreuse"; the line starts at the middle of its base.
void LoadTriangleArrow(ArrowHeadShape& shape, double degrees, int32_t hollow) {
    float length = 0.0f, halfWidth = 0.0f;
    ArrowSize(degrees, &length, &halfWidth);
    BeginShape(shape, 3, 1, hollow != 0 ? 1 : 0, AIRealPoint{length, 0.0f});
    SetPoint(shape, 0, Corner(0.0f, 0.0f));
    SetPoint(shape, 1, Corner(length, -halfWidth));
    SetPoint(shape, 2, Corner(length, halfWidth));
}

// A round point centred on the end of the line: four smooth anchors, counter-clockwise from (r, 0). The line
// starts on its rim.
void LoadRoundPoint(ArrowHeadShape& shape, int32_t hollow) {
    constexpr float r = kRoundPointRadius;
    constexpr float h = kRoundPointRadius * kQuarterCircleHandle;
    BeginShape(shape, 4, 1, hollow, AIRealPoint{r, 0.0f});
    SetPoint(shape, 0, ShapePoint{r, 0.0f, r, -h, r, h});
    SetPoint(shape, 1, ShapePoint{0.0f, r, h, r, -h, r});
    SetPoint(shape, 2, ShapePoint{-r, 0.0f, -r, h, -r, -h});
    SetPoint(shape, 3, ShapePoint{0.0f, -r, -h, -r, h, -r});
}

// An open, stroked two-point tick across the end of the line: flat for the Angle tool, else slanted one way
// or the other by SegmentArrowsFlag.
void LoadTick(ArrowHeadShape& shape) {
    float first = 0.0f;
    if (gToolState.CurrentTool != kAngleTool) {
        first = gToolState.SegmentArrowsFlag != 0 ? -kTickHalfHeight : kTickHalfHeight;
    }
    BeginShape(shape, 2, 0, 1, AIRealPoint{0.0f, 0.0f});
    SetPoint(shape, 0, Corner(-kTickHalfLength, first));
    SetPoint(shape, 1, Corner(kTickHalfLength, -first));
}

int32_t ClampedPointCount(int32_t count) {
    if (count < 2) return 2;
    return count > kMaxShapePoints ? kMaxShapePoints : count;
}

}  // namespace

ArrowHeadShape FilledRoundPoint() {
    ArrowHeadShape shape;
    LoadRoundPoint(shape, 0);
    return shape;
}

PreferredArrow ArrowFromTip(const ArrowTip& tip) {
    PreferredArrow arrow;
    arrow.PointCount = tip.PointCount;
    arrow.Closed = 1;
    arrow.LineStartX = tip.LineStartX;
    for (int i = 0; i < tip.PointCount && i < kMaxTipPoints; ++i) SetPoint(arrow.Points, i, tip.Points[i]);
    return arrow;
}

void LoadPreferredArrow(const PreferredArrow& arrow) {
    ArrowHeadShape& shape = gArrowHeadShape;
    const int32_t count = ClampedPointCount(arrow.PointCount);
    BeginShape(shape, static_cast<int16_t>(count), arrow.Closed != 0 ? 1 : 0, arrow.Hollow != 0 ? 1 : 0,
               AIRealPoint{SettingAsFloat(arrow.LineStartX), 0.0f});  // the line start stays on the axis
    const ShapePointTables& p = arrow.Points;
    for (int i = 0; i < count; ++i) {
        SetPoint(shape, i, ShapePoint{p.AnchorX[i], p.AnchorY[i], p.OutX[i], p.OutY[i], p.InX[i], p.InY[i]});
    }
}

void LoadCustomArrow() {
    LoadPreferredArrow(gSettings.PreferredArrowShape);
    gArrowHeadShape.CustomArrow = 1;
}

void ApplyArrowPreset(int32_t preset) {
    if (preset < kNotchedArrowPreset || preset > kCustomArrowPreset) preset = kNotchedArrowPreset;
    ArrowHeadShape& shape = gArrowHeadShape;
    shape.Preset = preset;
    const bool arrows = gCurrentOptions.ArrowHeads != 0;
    switch (preset) {
        case kNotchedArrowPreset:
            if (arrows) LoadPreferredArrow(ArrowFromTip(kPredefinedArrowTips[0])); else LoadRoundPoint(shape, 0);
            break;
        case kOpenArrowPreset:
            if (arrows) LoadOpenArrow(shape, gColourSettings.OpenArrowAngle); else LoadRoundPoint(shape, 1);
            break;
        case kTriangleArrowPreset:
            if (arrows) {
                LoadTriangleArrow(shape, gColourSettings.TriangleArrowAngle, gColourSettings.HollowTriangle);
            } else {
                LoadTick(shape);
            }
            break;
        default:
            if (arrows) LoadCustomArrow(); else LoadTick(shape);
            break;
    }
    gSettings.ArrowPreset = preset;
}
