// Where a created segment and a created angle lie: pure geometry of the figures the Segment and Angle tools drag
// out of an empty click. No host call.
#pragma once

#include <cstdint>

#include "host/Types.h"

// pi as the host's float holds it.
constexpr double kFigurePi = 3.1415927410125732;

// The two ends of a created segment and the direction its dimension line takes.
struct SegmentPlacement {
    AIRealPoint First;
    AIRealPoint Second;
    AIReal LineAngle = 0.0f;  // radians, from First towards Second
};

// The segment of `length` in direction `angle` (radians): centred on the click, or starting at the click and
// running towards the cursor's side (a cursor left of the click turns it by half a turn).
SegmentPlacement PlaceCreatedSegment(AIRealPoint click, AIRealPoint cursor, double length, AIReal angle,
                                     bool centred);

// The two side ends of a created angle with its vertex at the click.
struct AnglePlacement {
    AIRealPoint First;
    AIRealPoint Second;
    AIReal StartAngle = 0.0f;  // radians: direction of the first side, where the dimension arc starts
};

// Sides of `side` length: the first along `orientation` and the second turned by `opening` from it, or both
// half the opening either side of the orientation when centred (angles in radians).
AnglePlacement PlaceCreatedAngle(AIRealPoint vertex, double side, double orientation, double opening,
                                 bool centred);

// The signed angle at the vertex from the first end to the second: the arc cosine of the unit sides' dot
// product, negative when the turn is clockwise (y up); 0 when a side has no length.
AIReal CreatedAngleValue(AIRealPoint vertex, AIRealPoint first, AIRealPoint second);

// The direction (radians, -pi..pi) from a preview's centre to a point of it, y growing downward in the preview
// and counter-clockwise positive as in the document: a point exactly left of the centre gives +pi.
double PreviewDirection(int32_t centreH, int32_t centreV, int32_t h, int32_t v);
