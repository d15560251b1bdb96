// The stand-in's cursor snapping: the AI Cursor Snap Suite over the document.
#pragma once

#include "host/CursorSnapSuite.h"

namespace sim {

// Distance in artwork units within which the stand-in snaps a point.
constexpr double kCursorSnapDistance = 4.0;

// The suite table of the cursor snapping.
const AICursorSnapSuite& CursorSnapSuiteTable();
// Registers the suite with the suite registry, replacing its blank table; the Smart Guides start on.
void InstallCursorSnapSuite();
// Turns the host's Smart Guides on or off.
void SetSmartGuides(bool on);

} // namespace sim
