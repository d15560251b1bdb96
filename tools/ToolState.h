// State of the tools: the current tool and the one-shot flags the tools and the panel share.
#pragma once

#include <cstdint>

// The five tools, numbered as the current tool holds them.
enum ToolNumber : int32_t {
    kSegmentTool = 1,
    kAngleTool = 2,
    kCircleTool = 3,
    kBezierTool = 4,
    kMeasureTool = 5
};

struct ToolState {
    int32_t CurrentTool = 0;  // 0 none yet, 1 Segment, 2 Angle, 3 Cercle, 4 Bézier, 5 Longueurs & aires
    int32_t SegmentArrowsFlag = 0;       // the Segment end marks point the other way
};

extern ToolState gToolState;
