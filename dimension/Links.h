// Links between a dimension and the path it measures: the link key with one id on both, the anchor indexes on
// the dimension's parts.
#pragma once

#include <cstdint>

#include <vector>

#include "dimension/DimensionArtFormat.h"
#include "host/Types.h"

// The keys that link a measured path to its dimensions.
inline constexpr const char* kDimensionLinkKeys[] = {
    DimensionArtFormat::FirstPointLink, DimensionArtFormat::SecondPointLink, DimensionArtFormat::OnSegmentLink,
    DimensionArtFormat::AngleLink, DimensionArtFormat::CircleLink};

// Writes the string tag `marker` with the value VekValue on the art: `vek` on each part the plug-in makes, the
// kind and refresh markers, the measured set's subtracted area.
ASErr SetMarker(AIArtHandle art, const char* marker);
// True when the art carries the tag `key` (the tag suite finds it and names its type); false for no art.
bool ArtHasTag(AIArtHandle art, const char* key);
// True for a dimension's end mark: a part its builder made as one, whatever its shape or the end marks now set.
bool IsEndMark(AIArtHandle art);

// The id that `key` holds on the art: false when the art has no such tag or its text is no decimal number
// that fits.
bool ReadLinkId(AIArtHandle art, const char* key, int32_t* id);
// One more than the largest id of `key` on any art of the document (1 in a document without one), so an id is
// never given twice, even after the art that held the largest was deleted.
int32_t NewLinkId(const char* key);
// Takes the link `key` off the path when no other art of the document holds its id any more (its dimension is
// gone). True when a tag was removed.
bool UnlinkOrphan(AIArtHandle path, const char* key);
// The same for every measured path of the document (no dimension's part) and each of the keys: after a
// dimension is gone, no link names it.
void UnlinkOrphans(const std::vector<const char*>& keys);

// Each link writes `key` = id on the measured path and on the current dimension's parts, and the anchor
// indexes ("num1".. in order) on the parts. The id is the path's own id of that key when it has one, else a
// new id. The parts are the dimension line and its second part for the linear links, the angle arcs for the
// angle link (which also marks them "moda"), the two circle parts for the circle link; a part the host no
// longer knows is skipped. A path the host does not know gets no link: its error is returned and nothing is
// written. A part of a dimension (tagged `vek`) is never linked: nothing is written and the result is 0.
// Otherwise the result is the last host error (0 when every tag was written).
ASErr LinkFirstPoint(AIArtHandle path, int16_t anchorIndex);
ASErr LinkSecondPoint(AIArtHandle path, int16_t anchorIndex);
ASErr LinkOnSegment(AIArtHandle path, int16_t firstIndex, int16_t secondIndex);
ASErr LinkAngle(AIArtHandle path, int16_t previousIndex, int16_t vertexIndex, int16_t nextIndex);
ASErr LinkCircle(AIArtHandle path, int16_t firstIndex, int16_t secondIndex);
