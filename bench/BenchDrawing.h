// A user's drawing for the benchmarks: the plug-in started in a fresh stand-in host and a document of many
// paths, with a few known places on it to hover, click and drag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/Types.h"

namespace bench {

// The document sizes every benchmark runs at, so that growth shows.
inline constexpr int64_t kSmallDrawing = 100;
inline constexpr int64_t kMediumDrawing = 1000;
inline constexpr int64_t kLargeDrawing = 10000;

// The known places of a drawing. The target zigzag, the line crossing it and the quarter arc sit in a block
// of the grid that no other path reaches; the empty point is in a cell of the grid left empty.
struct Drawing {
    AIArtHandle Target = nullptr;   // a zigzag of 14 anchors, drawn in the middle of the paint order
    AIArtHandle Crossing = nullptr; // a straight line crossing one segment of the target
    AIArtHandle Arc = nullptr;      // a quarter circle of radius 40
    AIRealPoint Anchor{};           // an inner anchor of the target, a vertex with two straight sides
    AIRealPoint SegmentMiddle{};    // the middle of a straight segment of the target, far from all else
    AIRealPoint CrossingPoint{};    // where the line crosses the target
    AIRealPoint Empty{};            // empty canvas inside the drawing
    AIRealPoint ArcMiddle{};        // the middle of the quarter arc
    AIRealPoint ArcCentre{};
    float ArcRadius = 0.0f;
    AIRealPoint Far{};              // the far corner of the drawing from its origin
};

// Starts the plug-in in a fresh host and draws `pathCount` paths (three of them the known ones) of 10 to 20
// anchors each, about one segment in four curved and one path in four closed, the same for a given count.
Drawing StartWithDrawing(int64_t pathCount);
void StopPlugIn();

// Makes tool 1..5 the host's current tool.
void SelectTool(int32_t toolNumber);

// One cursor move as the host sends it: the tool's cursor tracking, then an annotation pass.
void MoveCursor(AIRealPoint at);
// The mouse pressed (where the cursor was tracked just before), dragged and released, each message followed by
// an annotation pass.
void MouseDown(AIRealPoint at);
void MouseDrag(AIRealPoint to);
void MouseUp(AIRealPoint at);
// What the current dimension shows, to tell at a glance that a benchmark did what it says: the text of its
// first label and the number of its parts, or "no dimension".
std::string DimensionSummary();
// Empties the host's logs, which grow by a line at each host operation worth ordering.
void ForgetLogs();

}  // namespace bench
