// AI Path Style: the fill and stroke of path art and the document's current style for new art.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Setting a style checks it: a dash length outside 0..kMaxDashComponents, a negative dash entry, a negative
// stroke width or miter limit, or an unknown colour kind, cap or join answers kBadParameterErr and changes
// nothing.
struct AIPathStyleSuite {
    ASErr (*GetPathStyle)(AIArtHandle path, AIPathStyle* style);
    ASErr (*SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
    // The style the host gives new paths: black 1-point stroke, no fill, unless set otherwise.
    ASErr (*GetCurrentPathStyle)(AIPathStyle* style);
    ASErr (*SetCurrentPathStyle)(const AIPathStyle* style);
};
