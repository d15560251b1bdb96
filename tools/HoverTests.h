// The hover tests: what lies under the cursor of a tool, the working point snapped to it, the answer left in
// the hit state and the measured points. They never change the document.
#pragma once

#include "host/Messages.h"
#include "host/Types.h"

// Artwork units within which the hit-test based tests find an anchor or a segment.
constexpr AIReal kHoverTolerance = 4.0f;
// Artwork units within which another path crossing the hovered one is found.
constexpr AIReal kCrossingTolerance = 2.0f;
// The path walk's tolerance at zoom kWalkZoomLimit or less, and above it.
constexpr AIReal kWalkToleranceNear = 6.0f;
constexpr AIReal kWalkToleranceFar = 3.0f;
constexpr AIReal kWalkZoomLimit = 2.0f;
// The step of the curve parameter with which the path walk samples a curve.
constexpr int32_t kWalkSamples = 1000;
// The control string with which a crossing snaps the cursor.
inline constexpr const char* kCrossingSnapControl = "A i o";

// Each answers the last host error, which callers ignore.
ASErr HitTestSegmentTool(const AIToolMessage& message);
ASErr HitTestAngleTool(const AIToolMessage& message);
ASErr HitTestCircleTool(const AIToolMessage& message);
ASErr HitTestBezierTool(const AIToolMessage& message);
// How the path walk skips paths and segments: by the box of their control points grown by the tolerance, which
// cannot change its answer, or not at all.
enum class WalkCulling { ByControlBoxes, None };
// Walks every visible, unlocked path of the document itself: the Bézier tool's later stages, the Longueurs
// & aires tool and dragging.
ASErr HitTestBezierStageAndMeasure(const AIToolMessage& message, WalkCulling culling = WalkCulling::ByControlBoxes);
