// The dimension being built or edited: the handles of its art, and the values its builders share. The
// operations on them belong to the dimension builders.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"
#include "records/BezierExtraValues.h"

// Handles per array of a series (element i is the i-th dimension; element 0 a single dimension).
constexpr size_t kSeriesCapacity = 10;
// End marks 0 and 1 at the two ends of a dimension, 2 and 3 the second variants of the point preset.
constexpr size_t kEndMarkSets = 4;
constexpr size_t kExtensionLineCount = 2;
constexpr size_t kAngleArcCapacity = 20;
constexpr size_t kCirclePartCount = 2;
// Anchor indexes a link keeps (the vertex and its two neighbours for an angle).
constexpr size_t kLinkIndexCount = 3;

struct CurrentDimension {
    AIArtHandle DimensionGroup = nullptr;                  // holds every part of the dimension
    AIArtHandle LabelFrames[kSeriesCapacity] = {};         // point-text frame of each label
    AIArtHandle DimensionLines[kSeriesCapacity] = {};      // the lines; they carry the kind and link tags
    AIArtHandle DimensionLineHalves[kSeriesCapacity] = {}; // second part of a line cut around its text
    AIArtHandle EndMarks[kEndMarkSets][kSeriesCapacity] = {};
    AIArtHandle ExtensionLines[kExtensionLineCount] = {};
    AIArtHandle SeriesExtensionLines[kSeriesCapacity] = {}; // extension line of each point of a series
    AIArtHandle AngleArcs[kAngleArcCapacity] = {};         // arcs of an angle (several with multiple arcs)
    AIArtHandle CircleParts[kCirclePartCount] = {};        // the two paths of a circle or arc dimension
    AIArtHandle AuxLine = nullptr;                         // radius or tangent line of the Bézier extras
    const char* LinkKey = nullptr; // link key last written on the parts, null for none
    int32_t LinkId = 0;                                    // its id
    int16_t LinkIndexes[kLinkIndexCount] = {-1, -1, -1};   // its anchor indexes, -1 where unused
};

extern CurrentDimension gCurrentDimension;
// The dimension that was current when a press's new group took its place: disposing of that group unbuilt (a
// refusal, a cancelled first pick, a press that drew nothing) makes it current again.
struct ReplacedDimension {
    AIArtHandle By = nullptr;   // the new group
    CurrentDimension Dimension; // what was current before it
    BezierExtraValues Construction;  // the Bézier construction it was, which a click on empty canvas rewrites
};

extern ReplacedDimension gReplacedDimension;

// The values the dimension builders share with the tools and the panel.
struct DimensionValues {
    AIReal ArcMiddleAngle = 0.0f;      // radians: start plus half the sweep of the arc being dimensioned
    int32_t RightAngleShown = 0;       // the last angle build drew the right-angle mark
    AIPathSegment DimensionLineEnds[2];  // the two ends of the dimension line built last
    double ExtensionLineReach = 0.0;   // how far the extension lines reach (signed for a side-shifted label)
    int32_t SideTextFlag = 0;          // the shifted-text builders add the measured length to the text shift
    AIRealPoint CircleLabelPoint{};    // the point the last circle build hung its label from
};

extern DimensionValues gDimensionValues;
