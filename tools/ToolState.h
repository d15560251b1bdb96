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
    int16_t ClickCount = 0;              // clicks of the running click sequence; 0 none under way
    // A dimension of that tool is being built or re-edited: its art exists and follows the panel.
    int32_t EditingSegment = 0;
    int32_t EditingAngle = 0;
    int32_t EditingCircle = 0;
    int32_t EditingBezier = 0;
    int32_t ClickInProgress = 0;         // a click has been handled and its dimension is being placed
    int32_t ArcLengthMode = 0;           // the Segment tool measures the length of a circular arc
    int32_t CurveOffsetMode = 0;         // the Segment tool's dimension runs along a curve at an offset
    int32_t AngleOnArc = 0;              // the Angle tool measures the angle of a circular arc
    // Element clicked with the Bézier tool: 0 crosshair, 1 arc, 2 angle, 3 segment, 4 curve, 5 local radius,
    // 6 local tangent, 7 creation; 8 once the tool is selected, before any element.
    int32_t BezierElementKind = 0;
    // Text position of a linear dimension: 0 centred in a gap of the line, 1 shifted past the first end,
    // 2 past the second end.
    int8_t LabelPosition = 0;
    float CircleLabelDistance = 0.0f;    // distance from the centre at which an Alt-drag places the circle label
};

extern ToolState gToolState;
