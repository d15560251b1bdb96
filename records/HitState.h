// What the last hover test found under the cursor, read by the annotator, the click sequences and the
// builders.
#pragma once

#include <cstdint>

#include "host/Types.h"

// One flag each (0 or 1), cleared and set by the tools' hover tests.
struct HoverFlagSet {
    int32_t OverCentre = 0;        // a centre point (no anchor) is under the cursor
    int32_t OverAnchor = 0;        // an anchor of a path
    int32_t OverIntersection = 0;  // the crossing of two paths
    int32_t OverSegment = 0;       // a straight segment of a path
    int32_t OverArc = 0;           // a circular arc of a path
    int32_t OverCurve = 0;         // a free curve of a path
    int32_t OverDimension = 0;     // a straight part of a dimension that can be re-edited
    int32_t OverDimensionArc = 0;  // a circular-arc part of a dimension that can be re-edited
    int32_t NotAVertex = 0;        // the hovered anchor cannot be the vertex of an angle
};

struct HitState {
    AIArtHandle HitArt = nullptr;       // the art under the cursor
    AIArtHandle MeasuredArt = nullptr;  // the path the running click sequence measures
    HoverFlagSet HoverFlags;
    int16_t HitStartIndex = 0;          // anchor of the hovered anchor, or where the hovered segment starts
    int16_t HitEndIndex = 0;            // anchor where the hovered segment ends
    int16_t PreviousIndex = 0;          // the anchors around a hovered vertex: before it,
    int16_t VertexIndex = 0;            // the vertex itself,
    int16_t NextIndex = 0;              // and after it
    AIPathSegment SnapSegment;          // the snapped point (the hovered anchor, or the start of the segment)
    AIPathSegment HitSegment;           // the end of the hovered segment
    AIPathSegment HoverArcCentre;       // the centre of the hovered circular arc, in its anchor
    AIPathSegment HoverPoint;           // the point the Angle and Bézier tests picked
    AIRealPoint CurveHitPoint;          // the point of a hovered curve or arc nearest the cursor
    AIRealPoint NormalTipA;             // the curve point plus the normal at t
    AIRealPoint NormalTipB;             // the curve point at t + 0.001 plus the normal there
    AIRealPoint NextCurvePoint;         // the curve point at t + 0.001
};

extern HitState gHitState;
