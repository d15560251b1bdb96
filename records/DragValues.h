// The values a drag sets that no other record holds: the inverted dimension line of a dimension along a
// curve, the measures of the figure being created, which the figure makers read, and the paths they made.
#pragma once

#include <cstdint>

#include "host/Types.h"

// The most replicas a Bézier figure lays, one path each.
constexpr int32_t kMaxBezierReplicas = 24;
// Halvings of a curved segment in the point editors' drawings: 16 pieces.
constexpr int8_t kFlattenDepth = 4;

struct DragValues {
    int32_t LineFlipped = 0;             // the line along a curve lies against the curve's normal
    // What the keys held during the current dimension's drag chose, for its rebuilds: its end marks turned the
    // other way than the live flag (Control), its extension lines the other way than "AvecAttaches" (left
    // Windows key), its value along a line or an arc read the other way than "TexteHoriz" (Alt). A press starts
    // them from none.
    int32_t MarksTurned = 0;
    int32_t ExtensionLinesToggled = 0;
    int32_t TextTurned = 0;
    int32_t OffsetAlertShown = 0;        // the drag under way has shown the too-large-offset alert
    AIReal CreatedSegmentLength = 0.0f;  // length of the segment figure
    AIReal CreatedAngleRotation = 0.0f;  // radians: direction of the angle figure's moving side
    AIReal CreatedAngleSide = 0.0f;      // length of the angle figure's sides
    AIReal CreatedCircleRadius = 0.0f;
    AIReal ArcSweep = 0.0f;              // radians, counter-clockwise from the live "AngCerCrea"
    double CreatedBezierScaleX = 0.0;    // horizontal scale of the Bézier figure's first replica
    double CreatedBezierScaleY = 0.0;    // vertical scale of the same
    AIReal CreatedBezierRotation = 0.0f; // radians: the turn of the same
    // The path of the figure of the current creation click, null before the figure is made or when its
    // dimension group had gone.
    AIArtHandle CreatedSegmentPath = nullptr;
    AIArtHandle CreatedAnglePath = nullptr;
    AIArtHandle CreatedCirclePath = nullptr;  // the circle, arc or sector figure being made
    AIArtHandle BezierPaths[kMaxBezierReplicas] = {};  // one path per replica of the Bézier figure being made
    int8_t FlattenDepth = kFlattenDepth; // set by the panel's set-up and by every mouse-down
    int32_t DragTrackY = 0;              // pointer position of the last event of the value-stepping trackers
};

extern DragValues gDragValues;
