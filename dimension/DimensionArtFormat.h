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

// Link keys, on the measured path and on the parts: the link id as decimal text.
inline constexpr const char* FirstPointLink = "segpt1";
inline constexpr const char* SecondPointLink = "segpt2";
inline constexpr const char* OnSegmentLink = "surseg";
inline constexpr const char* AngleLink = "ang";
inline constexpr const char* CircleLink = "cer";

// On the group of a linear dimension: the end ("0" or "1") past which its drag put a value that does not fit,
// so that a rebuild without the cursor puts it there again. A group without it takes the end the text reads
// towards.
inline constexpr const char* OutsideEndKey = "hors";
// On the group of an angle dimension: the radius of its first arc (decimal text) and its side ("1" re-entrant,
// "0" salient) as its last build drew them, so that update-all draws it there again. A group without them takes
// the live "Rayon" and the salient side.
inline constexpr const char* ArcRadiusKey = "rayon";
inline constexpr const char* ReentrantKey = "rentrant";
// Every tag of a dimension's group that stays with it when a rebuild replaces the group.
inline constexpr const char* GroupKeys[] = {OutsideEndKey, ArcRadiusKey, ReentrantKey};

// Anchor indexes of a link, on the parts: decimal text.
inline constexpr size_t AnchorIndexKeyCount = 3;
inline constexpr const char* AnchorIndexKeys[AnchorIndexKeyCount] = {"num1", "num2", "num3"};

}  // namespace DimensionArtFormat
