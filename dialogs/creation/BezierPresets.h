// The six preset curves of the Bézier creation dialog: ready-made curves with their replicas.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

constexpr int32_t kBezierPresetCount = 6;
constexpr int32_t kFirstPresetItem = 294;
constexpr int32_t kMaxPresetPoints = 6;

// One point of a preset: anchor, In handle, Out handle.
struct PresetPoint {
    float AnchorX, AnchorY, InX, InY, OutX, OutY;
};

struct BezierPreset {
    int8_t PointCount;
    PresetPoint Points[kMaxPresetPoints];
    int32_t Closed;
    int32_t Hollow;
    int32_t Replicas;
    double Rotation;          // in degrees when RotationInDegrees, else radians
    bool RotationInDegrees;   // the host converts degrees to radians
    double HorizontalStep;    // points
    double VerticalStep;      // points
    double ScaleStep;
};

extern const BezierPreset kBezierPresets[kBezierPresetCount];

// Puts preset `index` (0-based) into the working curve and replicas, and shows it in the dialog of `item`.
void ApplyBezierPreset(ADMItemRef item, int32_t index);

void BezierPreset1Notify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreset2Notify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreset3Notify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreset4Notify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreset5Notify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreset6Notify(ADMItemRef item, ADMNotifierRef notifier);
