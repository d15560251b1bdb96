// What the Bézier click sets for the Bézier construction builders, and what those leave: the construction in
// the current group, as data.
#pragma once

#include <cstdint>

#include "host/Types.h"
#include "records/BezierElement.h"

// What the Bézier click writes for its construction builders, and where the local radius's label went. The
// construction keeps its own kind and measured ends here, so that the hover, which rewrites BezierElementKind
// and the measured points at every vertex it crosses, never changes what the panel's rebuilds redraw.
struct BezierExtraValues {
    BezierElement ConstructionKind = kNoBezierElement; // element kind of the construction in the current group
    AIRealPoint DividedSegment[2] = {};               // the ends of a divided segment
    AIArtHandle DivisionPath = nullptr; // the path whose curve is divided
    AIReal SegmentDirection = 0.0f;     // radians: from the first end to the second of a divided segment
    AIReal DivisionSweep = 0.0f;        // radians, signed: the divided angle at AngleVertex
    AIReal DivisionStartAngle = 0.0f; // radians: from the vertex towards FirstPoint, or cursor to curve point
    AIRealPoint RadiusLabelPoint;     // the point the local radius was last drawn at
    double TickDirection = 0.0;       // radians: the side a segment's or curve's division ticks were drawn on
    int32_t TicksCentred = 0;         // the drag's Alt laid a segment's division ticks across it
    int32_t WithEnds = 0;             // the drag's Control: ticks at the ends too, or a local radius's marks turned
};

extern BezierExtraValues gBezierExtraValues;
