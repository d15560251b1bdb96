// The end-mark shape that the end-mark builders draw, and the four presets that load it.
#pragma once

#include <cstdint>

#include "frame/Settings.h"
#include "host/Types.h"

// The end mark in shape units: the tip (or the point's centre) at the origin, the dimension line towards
// positive x. Segment k of the end-mark path is anchor k with in-handle k and out-handle k.
struct ArrowHeadShape {
    int16_t PointCount = 0;
    float AnchorX[kMaxShapePoints] = {};
    float AnchorY[kMaxShapePoints] = {};
    float InX[kMaxShapePoints] = {};   // in-handle of each path segment
    float InY[kMaxShapePoints] = {};
    float OutX[kMaxShapePoints] = {};  // out-handle of each path segment
    float OutY[kMaxShapePoints] = {};
    AIRealPoint LineStartOffset;       // where the dimension line starts on the shape
    int32_t EndMarkClosed = 0;         // the end-mark path is closed
    int32_t Hollow = 0;                // 1 stroked only (DimensionLineStyle), 0 filled (EndMarkStyle)
    int32_t Preset = 0;                // the preset last loaded, 0..3
    int32_t CustomArrow = 0;           // the editor's preferred arrow, laid at each end as its preview shows it
};

extern ArrowHeadShape gArrowHeadShape;

// The presets of the end marks, as "RadioFleche" numbers them.
enum ArrowPreset : int32_t {
    kNotchedArrowPreset = 0,  // arrows: predefined tip 1; points: a filled round point
    kOpenArrowPreset = 1,     // arrows: two barbs at "AnglePointe1"; points: a hollow round point
    kTriangleArrowPreset = 2, // arrows: a triangle at "AnglePointe2"; points: a slanted tick
    kCustomArrowPreset = 3    // arrows: the preferred arrow of the editor; points: a slanted tick
};

// Length of the barbed and triangular arrows along the line; their half-width is this times tan(angle).
constexpr float kPresetArrowLength = 9.0f;
// Half-length of the tick along the line, and the half-height of its slant.
constexpr float kTickHalfLength = 4.5f;
constexpr float kTickHalfHeight = 2.4508758f;
// Radius of the round points, and the handle length of a quarter circle per unit radius.
constexpr float kRoundPointRadius = 2.25f;
constexpr float kQuarterCircleHandle = 0.5522847771644592f;

// The filled round point of the points end-mark set (preset 0 as points), whatever the live end marks are.
ArrowHeadShape FilledRoundPoint();

// Loads preset `preset` (0..3; another number loads preset 0) into ArrowHeadShape, as arrows or as points
// by the live "FouP", and records it as the stored "RadioFleche" (in memory only).
void ApplyArrowPreset(int32_t preset);
struct ArrowTip;
// A predefined tip as the editor holds a shape: closed, filled, moved independently, its points as they stand.
PreferredArrow ArrowFromTip(const ArrowTip& tip);
// Loads the preferred arrow of the editor into ArrowHeadShape as arrows: the editor's In handle of point k
// becomes the out-handle of segment k and its Out handle the in-handle.
void LoadPreferredArrow(const PreferredArrow& arrow);
// Loads the stored preferred arrow into ArrowHeadShape as the custom arrow (end-mark choice 3 with arrows).
void LoadCustomArrow();
