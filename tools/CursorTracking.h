// Cursor tracking between presses: the Info panel, the hover test of the tool and the cursor it shows.
#pragma once

#include <cstdint>

#include "host/Messages.h"

// Platform cursor resources the tools show.
enum ToolCursor : int32_t {
    kNothingCursor = 1102,
    kPanelCursor = 1103,
    kAnchorCursor = 1104,
    kSegmentCursor = 1105,
    kArcCursor = 1106,
    kCurveCursor = 1107,
    kIntersectionCursor = 1108,
    kReEditCursor = 1110,
    kCentreCursor = 1117,
    kNextToolCursor = 1118
};

// Virtual keys read while tracking.
constexpr int32_t kShiftKey = 16;
constexpr int32_t kControlKey = 17;
constexpr int32_t kAltKey = 18;

// The cursor the current tool shows over what the last hover test found, with both or neither of Shift and Alt.
int32_t HoverCursor(bool bothModifiers);
// Ends the click sequence under way, as a cancel or a change of tool does: the tool is ready for a new first
// click; the skeleton the sequence's first pick made goes with its links, every finished or re-opened dimension
// stays.
void EndClickSequence();
// Handles one cursor move; the result of the last host step.
ASErr TrackToolCursor(const AIToolMessage& message, bool panelVisible);
