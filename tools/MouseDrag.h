// The drag of each tool and what the drags share: the modifier keys of the message, the cursors and the
// rounding of dragged values.
#pragma once

#include <cstdint>

#include "host/Messages.h"
#include "host/Types.h"

// The cursors a drag sets.
constexpr int32_t kPlainCursor = 1102;
constexpr int32_t kSnappedCursor = 1104;
constexpr int32_t kFollowCursor = 1105;
constexpr int32_t kShapeCursor = 1106;

// The keys read at a drag message that are not kept in the tool state.
struct DragKeys {
    int32_t RightShift = 0;
    int32_t Alt = 0;
    int32_t Space = 0;
};

// Sets the platform cursor `id` for the plug-in that the message is sent to.
void SetDragCursor(const AIToolMessage& message, int32_t id);
// `value` rounded up, or down, to a multiple of `step`; unchanged when `step` is not positive.
AIReal RoundedUpTo(AIReal value, double step);
AIReal RoundedDownTo(AIReal value, double step);

class TavorinePlugIn;

// The placement values in force that the panel shows: the live "Attaches", "Rayon", the tick length and the
// orientation of a linear dimension ("RadioCoteType"), the radius or diameter ("Diametre") and the bend of a
// circle dimension's leader.
struct ShownPlacement {
    double Offset = 0.0;
    double ArcRadius = 0.0;
    float TickLength = 0.0f;
    int32_t Orientation = 0;
    int32_t Diameter = 0;
    float BendH = 0.0f;  // a circle dimension's leader bend from its centre; 0, 0 for none
    float BendV = 0.0f;
    bool operator==(const ShownPlacement&) const = default;
};
ShownPlacement LivePlacement();
// Shows them in the panel when a press (its click or its drag) changed them since `before`.
void ShowPlacementIfChanged(TavorinePlugIn* plugin, const ShownPlacement& before);

// Each answers the result of the last builder it called, 0 when none ran.
ASErr DragSegmentTool(const AIToolMessage& message, const DragKeys& keys);
ASErr DragAngleTool(const AIToolMessage& message, const DragKeys& keys);
ASErr DragCircleTool(const AIToolMessage& message, const DragKeys& keys);
ASErr DragBezierTool(const AIToolMessage& message, const DragKeys& keys);
