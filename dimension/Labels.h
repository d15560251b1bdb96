// The labels of dimensions: point-text frames that show the value text last formatted.
#pragma once

#include "dimension/DimensionFit.h"
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
// Values read from the bottom or the right-hand side of the sheet. A line up to this far past vertical (leaning
// left, the zone where dimension lines are best avoided) still reads from the right, as vertical lines do; beyond
// it the value turns to read from the bottom, so lines on either side of vertical read the same way.
constexpr double kRightReadingPastVertical = 0.5235987755982988;
// The direction in [-pi/2 + kRightReadingPastVertical, pi/2 + kRightReadingPastVertical) that reads the same
// line as `angle`, from the bottom or the right of the sheet: a line on the edge of the zone reads from there.
AIReal UprightAngle(AIReal angle);
// The direction in (-pi/2, pi/2] that reads the same line as `angle`: the baseline of a value whose place
// around its arc is the builder's choice (an angle's), read from the bottom, or from the right when vertical.
AIReal LevelAngle(AIReal angle);
// How a placed label's baseline is turned to read: as its line reads (UprightAngle) or level (LevelAngle).
enum class LabelReading { AlongLine, Level };

// The two steps of SetDimensionLabel, for builders that measure the text before they place it: the text, font,
// size and colour written into *frame (a new frame made first when it is no live art), then its placement.
ASErr WriteDimensionLabel(AIArtHandle* frame);
ASErr PlaceDimensionLabel(AIArtHandle frame, AIRealPoint at, AIReal angle,
                          LabelReading reading = LabelReading::AlongLine);
// The extent of the frame's text in its own frame: the host's bounds of the text laid flat at the origin, or,
// when the host answers none, kAverageAdvance of the size per character from the baseline up to the size.
// Leaves the frame laid flat at the origin until it is placed.
constexpr double kAverageAdvance = 0.6;
LabelExtent MeasureDimensionLabel(AIArtHandle frame);
