// The element the Bézier tool works on: what its hover found under the cursor, or what its click built.
#pragma once

#include <cstdint>

enum BezierElement : int32_t {
    kReticleElement = 0,   // a closed arc (a whole circle), divided as a reticle
    kArcElement = 1,       // an open arc
    kAngleElement = 2,     // the angle at an anchor
    kSegmentElement = 3,   // a straight segment
    kCurveElement = 4,     // a curve
    kRadiusElement = 5,    // the local radius construction
    kTangentElement = 6,   // the local tangent construction
    kCreationElement = 7,  // a Bézier figure made on empty canvas
    kNoBezierElement = 8,  // nothing: no construction to redraw
};
