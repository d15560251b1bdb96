// AI Path: the segments, closed flag and guide flag of path art, with its Bézier pieces, area and length.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Segment i of a path runs from anchor i to anchor i + 1; on a closed path the last one runs from anchor n -
// 1 back to anchor 0. Every operation answers kBadParameterErr for a null handle or pointer or for art that
// is no path, kStaleHandleErr for disposed art, and kIndexOutOfRangeErr for anchors outside the path.
struct AIPathSuite {
    ASErr (*GetPathSegmentCount)(AIArtHandle path, int16_t* count);
    // Grows (new anchors at (0, 0), corner) or shrinks the path to `count` anchors (0 or more).
    ASErr (*SetPathSegmentCount)(AIArtHandle path, int16_t count);
    // Reads or writes `count` anchors starting at anchor `segNumber`; the range must lie inside the path.
    ASErr (*GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments);
    ASErr (*SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                             const AIPathSegment* segments);
    // Inserts `count` anchors so that the first of them becomes anchor `segNumber` (0..count of the path).
    ASErr (*InsertPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                                const AIPathSegment* segments);
    ASErr (*DeletePathSegments)(AIArtHandle path, int16_t segNumber, int16_t count);
    ASErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
    ASErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
    ASErr (*GetPathGuide)(AIArtHandle path, AIBoolean* isGuide);
    ASErr (*SetPathGuide)(AIArtHandle path, AIBoolean isGuide);
    // The cubic from anchor `segNumber` (its out handle) to the next anchor (its in handle).
    ASErr (*GetPathBezier)(AIArtHandle path, int16_t segNumber, AIRealBezier* bezier);
    // The signed area enclosed by the path taken as closed, exact for curves: positive when the anchors run
    // counter-clockwise with v upward, negative when they run clockwise; 0 below two anchors (two anchors
    // joined by curves enclose the area between them).
    ASErr (*GetPathArea)(AIArtHandle path, AIReal* area);
    // The length of the path (its closing segment included when closed), curves measured to within
    // `flatness`.
    ASErr (*GetPathLength)(AIArtHandle path, AIReal flatness, AIReal* length);
    // Whether the path shows its centre point (the centre of its bounds), as the host's ellipses and
    // rectangles do: an anchor hit test finds that point, with a part type that is not an anchor.
    ASErr (*GetPathCentreShown)(AIArtHandle path, AIBoolean* shown);
    ASErr (*SetPathCentreShown)(AIArtHandle path, AIBoolean shown);
};
