// AI Matching Art: the art of the document that matches a kind and attribute filter, and the selection.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Art matches an entry when its kind is `type` (or `type` is kAnyArt) and its user attributes agree with `attr`
// on every bit of `whichAttr` (whichAttr 0: no filter). Layers' own groups never match.
struct AIMatchingArtSpec {
    int16_t type = 0;
    int32_t whichAttr = 0;
    int32_t attr = 0;
};

// Results are an array of AIArtHandle in a host memory block (AI MdMemory Suite) that the caller disposes;
// with no match, *matches is null and *numMatches 0. Art is listed from the top layer down, each group before
// what it holds, children top first; art inside groups is found at any depth.
struct AIMatchingArtSuite {
    ASErr (*GetMatchingArt)(const AIMatchingArtSpec* specs, int16_t numSpecs, AIMdMemoryHandle* matches,
                            int32_t* numMatches);
    // The art whose kArtSelected bit is set, in the same order.
    ASErr (*GetSelectedArt)(AIMdMemoryHandle* matches, int32_t* numMatches);
    ASErr (*IsSomeArtSelected)(AIBoolean* selected);
    ASErr (*DeselectAll)();
};
