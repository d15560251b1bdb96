// The figures the Segment and Angle tools drag out of an empty click, with their dimensions.
#pragma once

#include <cstdint>

#include "host/Types.h"

// Lays the segment of the current creation click: CreatedSegmentLength long in the live "SegRotCrea"
// direction, centred on the click or from it towards the cursor's side, in the live width with butt ends; with
// the live "CaseCreaSeg", its linear dimension linked to it in the click's group. Writes FirstPoint,
// SecondPoint and SegmentAngle. Does nothing past making the path while the segment dialog is open.
// Result: the last host error.
ASErr MakeCreatedSegment();

// Lays the angle of the current creation click at AngleVertex: two sides CreatedAngleSide long, the first
// along the live "AngCrea" and the second CreatedAngleRotation further, or the two either side of "AngCrea"
// when `centred`; round ends in the live width; with the live "CaseCreaAng", its angle dimension at the live
// "Rayon", linked to it. Writes AngleValue. Does nothing past making the path while the angle dialog is open.
// Result: the last host error.
ASErr MakeCreatedAngle(int32_t centred);

// At the release of a creation click that shaped a figure: a segment left with no length, or an angle whose
// sides have none, goes, its dimension group with it.
void DropCollapsedSegment();
void DropCollapsedAngle();
