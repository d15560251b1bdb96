// Lengths of paths read through the host's path and Bézier suites.
#pragma once

#include <cstdint>
#include <vector>

#include "host/Types.h"

// The flatness with which every segment of a measured path is measured.
constexpr AIReal kMeasureFlatness = 1.0f;

// Reads every anchor of a path and its closed flag; false for no path, an empty path or a host failure.
bool ReadPathAnchors(AIArtHandle path, std::vector<AIPathSegment>& anchors, bool& closed);

// The length in points of the segments of a path between two anchors: with equal indexes the whole length of a
// closed path (closing segment included) or 0 for an open one; on a closed path the range runs forward from the
// first anchor to the second, through the closing segment when the second is below the first, both taken modulo
// the anchor count; on an open path between the two anchors in either order, indexes past the end taken as the
// last anchor. 0 for no path or a host failure.
double PathRangePoints(const AIArtHandle* path, uint16_t firstIndex, uint16_t secondIndex);
// PathRangePoints converted into the live unit and divided by the scale.
AIReal PathRangeLength(const AIArtHandle* path, uint16_t firstIndex, uint16_t secondIndex);
// The whole length of a path in the live unit and scale: closed paths with their closing segment, open paths
// from their first anchor to their last.
AIReal WholePathLength(const AIArtHandle* path);
