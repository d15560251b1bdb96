// What a dimension measures and how it was constructed, as the press, drag, re-open or panel change that last
// built it left it: a copy of the live values its builders read, which a later press or hover rewrites for its own
// ends. dimension/Definitions.h keeps it and puts it in force again; nothing else reads or writes it.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "host/Types.h"
#include "records/MeasuredPoints.h"

struct DimensionDefinition {
    MeasuredValues Points;            // its measured points, angle and circle
    AIReal SegmentAngle = 0.0f;       // radians: the direction of its measured segment
    AIArtHandle MeasuredPath = nullptr;  // the path it measures
    int32_t ArcLengthMode = 0;        // it measures an arc's length
    int32_t CurveOffsetMode = 0;      // it runs along a curve
    int32_t AngleOnArc = 0;           // it measures the angle of an arc
    int32_t LineFlipped = 0;          // its line along a curve lies against the curve's normal
    int32_t MarksTurned = 0;          // its drag turned its end marks
    int32_t ExtensionLinesToggled = 0;  // its drag toggled its extension lines
    int32_t TextTurned = 0;           // its drag turned its value
    AIRealPoint LabelPoint{};         // the point its drag left its label at
    AIReal CircleLabelAngle = 0.0f;   // radians: from the circle's centre towards its label
    AIReal CircleLabelDistance = 0.0f;
    AIReal ArcMiddleAngle = 0.0f;     // radians: the middle of the arc a circle dimension measures
    double SideTieLength = 0.0;       // the offset of its line from what it measures
};

// The definition of each dimension built or re-opened since start-up, by its group, for as long as the plug-in
// keeps the group: a press that built nothing may give the current dimension back to an earlier group.
extern std::unordered_map<AIArtHandle, DimensionDefinition> gDimensionDefinitions;
