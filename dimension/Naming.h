// The names of dimension groups: one per kind of dimension, chosen by the current tool and its options.
#pragma once

#include <cstdint>

#include "host/Types.h"
#include "records/ToolState.h"

// Every kind of dimension a group is named after.
enum class DimensionKind : int32_t {
    SegmentParallel,
    SegmentHorizontal,
    SegmentVertical,
    SeriesParallel,
    SeriesHorizontal,
    SeriesVertical,
    ChainParallel,
    ChainHorizontal,
    ChainVertical,
    ArcLength,
    CurveOffset,
    Angle,
    ArcAngle,
    CircleRadius,
    CircleDiameter,
    BezierReticle,
    BezierDivideArc,
    BezierDivideAngle,
    BezierDivideSegment,
    BezierDivideCurve,
    BezierLocalRadius,
    BezierLocalTangent,
    BezierCreation,
};

// The name of a kind ("Segment horiz", "Cercle Rayon", ...).
const char* DimensionKindName(DimensionKind kind);
// The kind a group named `name` was built as; false for a name no kind has.
bool KindNamed(const char* name, DimensionKind* kind);
// The orientation of a linear kind, as the live "RadioCoteType" numbers them; -1 for a kind that has none.
int32_t KindOrientation(DimensionKind kind);
// The single linear kind along the orientation in force.
DimensionKind LinearKindInForce();
// The tool that builds the kind.
ToolNumber KindTool(DimensionKind kind);
// The kind the current tool would build now: Segment by arc length, curve offset, series (from the origin or
// chained) and orientation; Angle on a vertex or an arc; Cercle by radius or diameter; Bézier by the element
// clicked. False when there is nothing to name (no drawing tool, or no Bézier element yet).
bool CurrentDimensionKind(DimensionKind* kind);
// The families of linear dimensions: one dimension, a series from a common origin, a chained series.
enum class LinearFamily : int32_t { Single = 0, FromOrigin = 1, Chained = 2 };
// Names DimensionGroup after the linear dimension a builder has just drawn along `orientation` (as the live
// "RadioCoteType" numbers them: Alt may have swapped the live one for the drag) while the Segment tool measures
// segments (neither an arc length nor along a curve); otherwise leaves the name alone. Result as for
// NameDimensionArt, kNoErr when there is nothing to rename.
ASErr NameBuiltDimension(int32_t orientation, LinearFamily family);
// Names DimensionGroup after the current kind through the host's art-name operation; the host's error, or
// kBadParameterErr when there is no group or nothing to name.
ASErr NameDimensionArt();
