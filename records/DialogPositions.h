// Where each modal dialog opens and whether it is up. The panel's set-up computes the first positions from
// the screen and clears the flags; each dialog reads its rectangle when it opens, writes it back when it
// closes, and holds its flag while it runs. None of this is stored in the preferences.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// The remembered bounds {left, top, right, bottom} of each modal dialog, in screen pixels.
struct DialogPositions {
    ADMRect PrefsDialogBounds{};
    ADMRect ColourDialogBounds{};
    ADMRect OtherOptionsBounds{};
    ADMRect FreeTextsBounds{};
    ADMRect ArrowEditorBounds{};
    ADMRect CustomScaleDialogBounds{};
    ADMRect SegmentDialogBounds{};
    ADMRect AngleDialogBounds{};
    ADMRect CircleDialogBounds{};
    ADMRect BezierDialogBounds{};
};

extern DialogPositions gDialogPositions;

// One flag per modal dialog, 1 while it runs; an opener does nothing while its dialog's flag is set.
struct DialogOpenFlags {
    int32_t PrefsDialogOpen = 0;
    int32_t ArrowEditorOpen = 0;
    int32_t OtherOptionsOpen = 0;
    int32_t CustomScaleDialogOpen = 0;
    int32_t FreeTextsOpen = 0;
    int32_t SegmentDialogOpen = 0;
    int32_t AngleDialogOpen = 0;
    int32_t CircleDialogOpen = 0;
    int32_t BezierDialogOpen = 0;
    ADMDialogRef ColourDialogRef = nullptr;  // the colour dialog while it runs, else null
    ADMDialogRef PrefsDialogRef = nullptr;   // the preferences dialog while it runs, else null
};

extern DialogOpenFlags gDialogOpenFlags;
