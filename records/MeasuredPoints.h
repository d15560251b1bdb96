// The points the click sequences measure and the builders read: the ends of a linear dimension, an angle, a
// circle, a clicked curve point and the points of a series.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"

// The measured values themselves, which a dimension's definition keeps a copy of (dimension/Definitions.h).
struct MeasuredValues {
    AIPathSegment FirstPoint;  // first measured anchor of a linear dimension
    AIPathSegment SecondPoint; // second measured anchor
    AIPathSegment AnglePointB; // point on the side the angle is measured from
    AIPathSegment AnglePointA; // point on the other side
    // The vertex (or an arc's centre) in the anchor; the two handle points are kept equal to it while a
    // created angle is dragged.
    AIPathSegment AngleVertex;
    AIReal AngleValue = 0.0f; // radians, signed; its sign sets AngleFlip
    int32_t AngleFlip = 0;    // the label shows the re-entrant angle
    // The clicked point, then the centre or start of a created figure; the Bézier radius and tangent drags
    // keep the hovered curve point and three further curve points here.
    AIPathSegment ClickPoint;
    AIRealPoint ClickCurvePoints[3];
    AIRealPoint CircleCentre;
    AIReal CircleRadius = 0.0f;
    AIRealPoint CurveClickPoint;  // a point clicked on a curve
    AIRealPoint CurveNormalTip;   // that point plus the curve's normal: with it, the line an offset follows
    AIPathSegment ArcFirstAnchor; // the two anchors of the circular arc an arc-length dimension measures
    AIPathSegment ArcLastAnchor;
};

struct MeasuredPoints : MeasuredValues {
    // Radians: inclination of the line from FirstPoint to SecondPoint, which the segment figure maker also
    // writes; a parallel dimension whose points coincide lies along it.
    AIReal SegmentAngle = 0.0f;
};

extern MeasuredPoints gMeasuredPoints;

// Points a series holds at most; one more click is refused.
constexpr size_t kSeriesPointCapacity = 10;

// The clicked points of a series: record i holds the anchor x and y of the i-th click.
struct SeriesPointTable {
    AIPathSegment SeriesPoint[kSeriesPointCapacity];
    float SeriesRunningValue = 0.0f; // accumulated by the series builders; 0.0 at each new series point
};

extern SeriesPointTable gSeriesPointTable;
