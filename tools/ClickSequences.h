// The click sequences of the five tools and the operations they share with the mouse-down. Each takes the
// plug-in, the mouse-down's hit data record and the tool message, and returns a host error code that callers
// keep and do not test.
#pragma once

#include "host/HitTestSuite.h"
#include "host/Messages.h"

class TavorinePlugIn;

// The Segment, Angle, Cercle, Bézier and Longueurs & aires tools' clicks.
ASErr SegmentClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr AngleClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr CircleClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr BezierClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr MeasureClick(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);

// Where a new dimension goes: a new group on the target layer, kept in DimensionGroup. Refuses, after the alert
// "Tavorine impossible. Calque verrouillé.", when that layer is locked: the result then says no group was made
// and the caller ends its click at once.
struct NewGroupResult {
    bool Made = false;      // DimensionGroup holds a new empty group
    ASErr Error = kNoErr;   // the host error of the last host call
};
NewGroupResult NewDimensionGroup();
// Disposes DimensionGroup when nothing is left in it (an abandoned click, a construction dragged away).
void DisposeEmptyGroup();

// One more point of a series (at most 10), and a two-click measure between segments.
ASErr AddSeriesPoint(const AIToolHitData& hit, AIToolMessage* message);
ASErr ReEditSegmentSeries(const AIToolHitData& hit, AIToolMessage* message);

// The click sound: a beep of `frequency` hertz for 100 ms while the stored "Son" is on.
void ClickBeep(uint32_t frequency);
