// A dimension as stored in the document: the tags on its parts and on the paths it measures.
#pragma once

#include <cstddef>

#include "host/TagSuite.h"

namespace DimensionArtFormat {

// Every tag of a dimension is a string.
inline constexpr const char* TagType = kTagTypeString;

// On every part the plug-in makes.
inline constexpr const char* Vek = "vek";
inline constexpr const char* VekValue = "jj";

// Kind markers on the parts that re-open a dimension, and the refresh marker of the update-all pass; their
// value is VekValue.
inline constexpr const char* SegmentMarker = "mods";
inline constexpr const char* AngleMarker = "moda";
inline constexpr const char* CircleMarker = "modc";
inline constexpr const char* RefreshMarker = "red";
// On each end mark (an arrowhead, a dot, a tick, a custom mark, a chain's dot), written by the one routine that
// makes them; its value is VekValue.
inline constexpr const char* EndMarkMarker = "fle";
// On a path of the Longueurs & aires tool's measured set whose area the total takes away; its value is VekValue.
inline constexpr const char* SubtractedAreaMarker = "spa";

// Link keys, on the measured path and on the parts: the link id as decimal text.
inline constexpr const char* FirstPointLink = "segpt1";
inline constexpr const char* SecondPointLink = "segpt2";
inline constexpr const char* OnSegmentLink = "surseg";
inline constexpr const char* AngleLink = "ang";
inline constexpr const char* CircleLink = "cer";

// The placement a drag gave a dimension, on its group (see dimension/Placement.h): numbers as decimal text.
// A linear dimension's signed offset of its line from the measured points.
inline constexpr const char* OffsetKey = "attaches";
// The end ("0" or "1") past which a linear or angle dimension's drag put a value that does not fit. A group
// without it takes the end the text reads towards.
inline constexpr const char* OutsideEndKey = "hors";
// An angle dimension's radius of its first arc and its side ("1" re-entrant, "0" salient).
inline constexpr const char* ArcRadiusKey = "rayon";
inline constexpr const char* ReentrantKey = "rentrant";
// A circle dimension's leader bend, from the circle's centre: two numbers apart by a blank.
inline constexpr const char* LeaderBendKey = "coude";
// A division's tick length.
inline constexpr const char* TickLengthKey = "tic";

// Anchor indexes of a link, on the parts: decimal text.
inline constexpr size_t AnchorIndexKeyCount = 3;
inline constexpr const char* AnchorIndexKeys[AnchorIndexKeyCount] = {"num1", "num2", "num3"};

}  // namespace DimensionArtFormat
