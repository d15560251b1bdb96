// AI Text Frame: point-text frames and the way into their text.
#pragma once

#include <cstdint>

#include "host/ATESuites.h"
#include "host/Suites.h"
#include "host/Types.h"

// Orientations of new text.
enum AITextOrientation : int16_t { kHorizontalTextOrientation = 0, kVerticalTextOrientation = 1 };

// The matrix of a point-text frame takes the text's own coordinates (the baseline along x from the anchor at
// the origin, v upward) to artwork coordinates: its translation is the anchor. Operations on art that is no
// text frame answer kBadParameterErr; on disposed art kStaleHandleErr.
struct AITextFrameSuite {
    // A new empty point-text frame with its anchor at `anchor`, upright, at `paintOrder` relative to `prep`
    // (AI Art Suite's orders).
    ASErr (*NewPointText)(int16_t paintOrder, AIArtHandle prep, int16_t orientation, AIRealPoint anchor,
                          AIArtHandle* newTextFrame);
    ASErr (*GetPointTextAnchor)(AIArtHandle textFrame, AIRealPoint* anchor);
    ASErr (*GetTextFrameMatrix)(AIArtHandle textFrame, AIRealMatrix* matrix);
    // A matrix with a non-finite entry or no inverse answers kBadParameterErr.
    ASErr (*SetTextFrameMatrix)(AIArtHandle textFrame, const AIRealMatrix* matrix);
    // A range over the whole text of the frame; the caller releases it.
    ASErr (*GetATETextRange)(AIArtHandle textFrame, TextRangeRef* range);
    ASErr (*GetATEStory)(AIArtHandle textFrame, StoryRef* story);
};
