// What the Bézier click sets for the Bézier construction builders, and what those leave.
#pragma once

#include <cstdint>

#include "host/Types.h"

// What the Bézier click writes for its construction builders, and where the local radius's label went.
struct BezierExtraValues {
    AIArtHandle DivisionPath = nullptr; // the path whose curve is divided
    AIReal SegmentDirection = 0.0f;     // radians: from FirstPoint to SecondPoint of a divided segment
    AIReal DivisionSweep = 0.0f;        // radians, signed: the divided angle at AngleVertex
    AIReal DivisionStartAngle = 0.0f; // radians: from the vertex towards FirstPoint, or cursor to curve point
    AIRealPoint RadiusLabelPoint;     // the point the local radius was last drawn at
};

extern BezierExtraValues gBezierExtraValues;
