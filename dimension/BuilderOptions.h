// Values the panel and the Bézier click set for the angle, circle and Bézier builders to read.
#pragma once

#include <cstdint>

#include "host/Types.h"

// The arc marks and end-mark directions the panel's Angle, Cercle and Bézier pages toggle.
struct ArcMarkOptions {
    int8_t MultipleArcs = 0;       // several concentric arcs mark the angle
    int32_t ArcCount = 0;          // arcs drawn with multiple arcs, 1..20 (0 counts as 1)
    int32_t ArcGap = 0;            // points between two arcs
    int32_t AngleArrowsFlag = 0;   // the angle's end marks point the other way
    int32_t CircleArrowsFlag = 0;  // the circle's end marks point the other way
    int32_t BezierArrowsFlag = 0;  // the local radius's end mark points the other way
    AIReal CircleLabelDistance = 0.0f;  // distance of the circle label from the centre, left by the last build
};

extern ArcMarkOptions gArcMarkOptions;

// What the Bézier click writes for its construction builders, and where the local radius's label went.
struct BezierExtraValues {
    AIArtHandle DivisionPath = nullptr;  // the path whose curve is divided
    AIReal SegmentDirection = 0.0f;      // radians: from FirstPoint to SecondPoint of a divided segment
    AIReal DivisionSweep = 0.0f;         // radians, signed: the divided angle at AngleVertex
    AIReal DivisionStartAngle = 0.0f;    // radians: from the vertex towards FirstPoint, or cursor to curve point
    AIRealPoint RadiusLabelPoint;        // the point the local radius was last drawn at
};

extern BezierExtraValues gBezierExtraValues;
