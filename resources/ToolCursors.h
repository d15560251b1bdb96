// The tools' cursors: a 16 x 16 one-bit image (bit 15 is the left column) and the hot spot.
#pragma once

#include <cstdint>

struct CursorImage {
    int16_t HotH;
    int16_t HotV;
    uint16_t Rows[16];
};

// Cursor resources of the tools, shown by what lies under the cursor.
constexpr int32_t kToolCursorIDs[] = {1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110, 1117, 1118};

// A crosshair with its hot spot at the centre, the pointer every tool cursor is drawn around.
constexpr CursorImage kCrosshairCursor{7, 7, {0x0100, 0x0100, 0x0100, 0x0100, 0x0100, 0x0100, 0x0000, 0xFC7E,
                                              0x0000, 0x0100, 0x0100, 0x0100, 0x0100, 0x0100, 0x0100, 0x0000}};
