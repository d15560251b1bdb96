// AI Cursor Snap: moves a point onto what the host's smart guides snap to near it.
#pragma once

#include "host/Messages.h"
#include "host/Suites.h"
#include "host/Types.h"

// Every operation answers kBadParameterErr for a null view, control string or result.
struct AICursorSnapSuite {
    // Snaps `source` as the control string asks and writes the snapped point into `result`: "i" crossings of
    // two paths, then "A" anchors, then "o" the outlines of visible paths, the nearest within the snap distance
    // of the first kind that has one; letters are separated by spaces. A point with nothing to snap to is
    // written unchanged.
    ASErr (*Track)(AIDocumentViewHandle view, AIRealPoint source, const AIEvent* event, const char* control,
                   AIRealPoint* result);
    // True when the host's Smart Guides are in force for the view.
    AIBoolean (*UseCustomSnap)(AIDocumentViewHandle view);
};
