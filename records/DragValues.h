// The values a drag sets that no other record holds: the inverted dimension line of a dimension along a
// curve, the measures of the figure being created, which the figure makers read, and the paths they made.
#pragma once

#include <cstdint>

#include "host/Types.h"

struct DragValues {
    int32_t LineFlipped = 0;             // the line along a curve lies against the curve's normal
    AIReal CreatedSegmentLength = 0.0f;  // length of the segment figure
    AIReal CreatedAngleRotation = 0.0f;  // radians: direction of the angle figure's moving side
    AIReal CreatedAngleSide = 0.0f;      // length of the angle figure's sides
    AIReal CreatedCircleRadius = 0.0f;
    AIReal ArcSweep = 0.0f;              // radians, counter-clockwise from the live "AngCerCrea"
    AIReal CreatedBezierScaleX = 0.0f;
    AIReal CreatedBezierScaleY = 0.0f;
    AIReal CreatedBezierRotation = 0.0f; // radians
    // The path of the figure of the current creation click, null before the figure is made or when its
    // dimension group had gone.
    AIArtHandle CreatedSegmentPath = nullptr;
    AIArtHandle CreatedAnglePath = nullptr;
    AIArtHandle CreatedCirclePath = nullptr;  // the circle, arc or sector figure being made
    // The pointer position of the previous event of any tracker that steps a value while the mouse is dragged
    // (the panel's and the dialogs'): vertical, or horizontal for the horizontal drag controls.
    int32_t DragTrackY = 0;
};

extern DragValues gDragValues;
