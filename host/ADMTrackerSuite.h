// ADM Tracker: the mouse event a track procedure receives.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMTrackerSuite {
    // The point in pixels from the top-left corner of the item.
    ASErr (*GetPoint)(ADMTrackerRef tracker, ADMPoint* point);
    ASErr (*GetAction)(ADMTrackerRef tracker, int32_t* action);
    ASErr (*GetModifiers)(ADMTrackerRef tracker, int32_t* modifiers);
    ASErr (*TestModifier)(ADMTrackerRef tracker, int32_t modifier, ADMBoolean* down);
    ASErr (*GetMouseState)(ADMTrackerRef tracker, int32_t* state);
    // Ends the capture: the events of this press reach the item no more.
    ASErr (*Abort)(ADMTrackerRef tracker);
};
