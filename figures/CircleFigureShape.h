// The shape of a created circle, arc or sector: the path segments, in document coordinates, that the circle
// maker writes. Pure geometry: no host call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"

// The handle length of a cubic quarter circle of radius 1.
constexpr double kQuarterCircleHandle = 0.5522847771644592;

// The quarter, half and three-quarter turns as the host's floats hold them: the bounds of the arc pieces.
constexpr float kQuarterTurn = 1.5707963705062866f;
constexpr float kHalfTurn = 3.1415927410125732f;
constexpr float kThreeQuarterTurns = 4.71238899230957f;

// The handle length, per unit radius, of one cubic piece of circle over `sweep` radians (signed): 4/3 x
// tan(sweep / 4), which puts the piece's middle on the circle; a quarter piece gives about kQuarterCircleHandle.
double PartialArcHandle(double sweep);

// Segments of a full circle.
constexpr size_t kCircleSegmentCount = 4;
// Segments of an arc at most: three full quarters, the partial piece's two ends, and a sector's centre.
constexpr size_t kArcSegmentCapacity = 6;

// The four corner segments of the circle of radius `r` about `centre`: leftmost point first, then clockwise
// (y up) through the top, the right and the bottom; handles r x kQuarterCircleHandle along the tangents.
void CircleSegments(AIReal r, AIRealPoint centre, AIPathSegment (&segments)[kCircleSegmentCount]);

// How many pieces an arc of `sweep` radians takes: 1 up to a quarter turn (its absolute value), 2 up to a half,
// 3 up to three quarters, 4 beyond.
int32_t ArcPieceCount(float sweep);

// The segments of the arc of radius `r` about `centre` from direction `start` over `sweep` radians
// (counter-clockwise positive), built of `pieces` - 1 full quarters and one partial piece (pieces 1..4, as
// ArcPieceCount gives); a sector adds the centre as its last segment, with its handles on it. Answers the
// count written: pieces + 1, plus 1 for a sector.
size_t ArcSegmentsInPieces(int32_t pieces, AIReal r, AIRealPoint centre, float sweep, float start, bool sector,
                           AIPathSegment (&segments)[kArcSegmentCapacity]);

// The same with the piece count ArcPieceCount gives for the sweep.
size_t ArcSegments(AIReal r, AIRealPoint centre, float sweep, float start, bool sector,
                   AIPathSegment (&segments)[kArcSegmentCapacity]);
