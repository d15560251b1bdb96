// AI Art Converter: new art made from existing art; here the path that runs alongside a path at a distance.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// The offset asked for is larger than the curve allows (past a centre of curvature on the inside).
constexpr ASErr kOffsetTooLargeErr = FourCharCode("OFS!");

struct AIArtConverterSuite {
    // Makes a new path (placed like AI Art Suite NewArt: `paintOrder` relative to `prep`) that runs at the
    // signed `distance` from `path`: positive to the left of the direction of travel (the side of AI Real
    // Bezier's normal), negative to the right. The new path has the source's closed flag and style; straight
    // segments and circular arcs are offset exactly, other curves to within a hundredth of a point; where two
    // segments meet at a corner the two offset ends are joined by a straight segment. kBadParameterErr for a
    // null pointer, art that is no path, a path of fewer than two distinct anchors or a distance that is not
    // finite; kStaleHandleErr for disposed art; kOffsetTooLargeErr, making nothing, when the distance passes
    // a centre of curvature of the path on its side. *offsetPath is null after any failure.
    ASErr (*OffsetPath)(AIArtHandle path, AIReal distance, int16_t paintOrder, AIArtHandle prep,
                        AIArtHandle* offsetPath);
};
