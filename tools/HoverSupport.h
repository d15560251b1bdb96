// What the hover tests share: tags, the view's zoom.
#pragma once

#include "host/Types.h"

// True when the art carries one of the three kind markers, asked in the given order.
bool HasKindMarker(AIArtHandle art, const char* const (&order)[3]);
// How near one of a segment's anchors the cursor must be to take the anchor rather than the segment: on a
// straight segment the whole tolerance; on a curve or an arc the tolerance or a quarter of its chord, whichever
// is smaller, so that the middle of a short curve (a small circle's quarter) stays the curve's. A curve whose
// ends coincide is its anchor's alone, within the tolerance.
AIReal AnchorReach(const AIRealBezier& curve, AIReal tolerance);
// The distance from the cursor to the nearest of the curve's walk samples, its two ends included.
double NearestSampleDistance(const AIRealBezier& curve, AIRealPoint cursor);
// Reads the zoom of document view 0 and sets it again unchanged; 0 when the view cannot be read.
AIReal TouchViewZoom(ASErr* error);
