// AI Hit Test: what art, and which part of it, lies under a point of the artwork.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// A hit result kept by the host until it is released.
struct AIHitRefOpaque;
using AIHitRef = AIHitRefOpaque*;

// What a hit test looks for.
enum AIHitRequest : int32_t {
    kAnyHitRequest = 0,     // anchors, segments and text frames
    kAnchorHitRequest = 1,  // anchors only
    kSegmentHitRequest = 11 // segments of paths only
};

// The part of the art that was hit.
enum AIHitType : int32_t {
    kNoHitType = -1,     // nothing was hit
    kAnchorHitType = 0,  // an anchor of a path
    kCentreHitType = 2,  // the centre point a path shows (an anchor request finds it)
    kSegmentHitType = 3, // a segment of a path between its anchors
    kTextHitType = 4     // the area of a text frame
};

// The tool-hit record: seven words that say what was hit and where.
struct AIToolHitData {
    int32_t hit = 0;              // 1 when something was hit, else 0 and no art
    int32_t type = kNoHitType;    // the part hit
    AIArtHandle object = nullptr; // the leaf art hit (a path or a text frame), never a group
    int32_t segment = 0;          // the anchor hit, or the segment hit: segment i ends at anchor i, 0 is the
                                  // closing segment of a closed path
    AIReal t = 0.0f;              // the curve parameter of the hit point on that segment (from anchor i - 1,
                                  // or from the last anchor for the closing segment); 0 for an anchor
    AIRealPoint point;            // the anchor hit, or the point of the segment nearest the tested point
};

// Every operation answers kBadParameterErr for a null pointer or an unknown request and kStaleHandleErr for
// a hit reference already released or never made.
struct AIHitTestSuite {
    // Tests `art` (null: the whole document) at `point`: the topmost unlocked, visible art whose part lies
    // within `tolerance` artwork units wins (guides are never hit; an anchor wins over a segment of the
    // same art). A miss is no error: the new reference reports no art. The caller releases the reference.
    ASErr (*HitTestEx)(AIArtHandle art, AIRealPoint point, int32_t request, AIReal tolerance, AIHitRef* hit);
    ASErr (*GetHitData)(AIHitRef hit, AIToolHitData* data);
    // The part type of the hit (kNoHitType for a miss).
    ASErr (*GetType)(AIHitRef hit, int32_t* type);
    // Gives the reference back; it is never valid again.
    ASErr (*Release)(AIHitRef hit);
};
