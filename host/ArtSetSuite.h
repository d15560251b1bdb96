// AI Art Set: an ordered set of art handles that a plug-in keeps between messages.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// A set holds each art once, in the order it was added. Disposing art does not take it out of a set: the set
// then answers a handle that is no longer valid. Null or disposed sets answer kBadParameterErr or
// kStaleHandleErr.
struct AIArtSetSuite {
    ASErr (*NewArtSet)(AIArtSet* artSet);
    // Disposes the set and nulls the caller's handle.
    ASErr (*DisposeArtSet)(AIArtSet* artSet);
    ASErr (*CountArtSet)(AIArtSet artSet, int32_t* count);
    // Member `index` (0-based); kIndexOutOfRangeErr outside the set.
    ASErr (*IndexArtSet)(AIArtSet artSet, int32_t index, AIArtHandle* art);
    // Adds valid art at the end; art already in the set stays where it is.
    ASErr (*AddArtToArtSet)(AIArtSet artSet, AIArtHandle art);
    // Removes the art, valid or disposed; art not in the set is no error and changes nothing.
    ASErr (*RemoveArtFromArtSet)(AIArtSet artSet, AIArtHandle art);
    ASErr (*ClearArtSet)(AIArtSet artSet);
};
