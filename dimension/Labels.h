// The labels of dimensions: point-text frames that show the value text last formatted.
#pragma once

#include "host/Types.h"

// The size of the tolerance text against the label's while "TailleTexteTol" is on.
constexpr AIReal kReducedToleranceScale = 0.7f;

// Writes ValueTextBuffer into the label frame *frame, centred on its anchor: the font FontIndex of the host's
// list (left as it was when the list has no such font), the size of the live "Corps" (left as it was unless
// above 0), the text colour of GetArtColour; the tolerance run (when the text has one) smaller per
// "TailleTexteTol" and raised by "DecaleTexteTol". The anchor goes to `at` and the baseline turns by `angle`
// radians, turned half a turn more when that keeps the text from reading upside down. When *frame is no live
// art a new frame is made on top inside DimensionGroup first. Result: the last host error.
ASErr SetDimensionLabel(AIArtHandle* frame, AIRealPoint at, AIReal angle);
// The label of an angle: anchored at `radius` from `vertex` in the direction `direction` (radians), its
// baseline along the arc there.
ASErr SetAngleLabel(AIArtHandle* frame, AIRealPoint vertex, AIReal radius, AIReal direction);
// The direction in (-pi/2, pi/2] that reads the same line as `angle` without turning the text upside down.
AIReal UprightAngle(AIReal angle);
