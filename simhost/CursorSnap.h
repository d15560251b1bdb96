// The stand-in's cursor snapping: the AI Cursor Snap Suite over the document.
#pragma once

#include "host/CursorSnapSuite.h"
#include "simhost/HitTest.h"

namespace sim {

// Distance in artwork units within which the stand-in snaps a point.
constexpr double kCursorSnapDistance = 4.0;

// The suite table of the cursor snapping.
const AICursorSnapSuite& CursorSnapSuiteTable();
// Registers the suite with the suite registry, replacing its blank table; the Smart Guides start on.
void InstallCursorSnapSuite();
// Turns the host's Smart Guides on or off.
void SetSmartGuides(bool on);
// The point Track answers for `source` and the control string, the paths found the given way: near the
// source through the bounds index, as Track does, or among all of the document's.
AIRealPoint SnapWith(HitSearch search, AIRealPoint source, const char* control);

} // namespace sim
