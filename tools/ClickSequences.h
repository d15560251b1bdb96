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

// Re-open the clicked dimension of each kind, as a click on its re-editable part does in its own tool or in a
// tool that hands the click over: nothing else of the click sequence runs. The press then owns the drag.
ASErr ReOpenSegmentDimension(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr ReOpenAngleDimension(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);
ASErr ReOpenCircleDimension(TavorinePlugIn* plugin, const AIToolHitData& hit, AIToolMessage* message);

// Where a new dimension goes: a new group on the target layer, kept in DimensionGroup. Refuses, after the alert
// "Tavorine impossible. Calque verrouillé.", when that layer is locked or hidden: the result then says no group
// was made and the caller ends its click at once.
struct NewGroupResult {
    bool Made = false;      // DimensionGroup holds a new empty group
    ASErr Error = kNoErr;   // the host error of the last host call
};
NewGroupResult NewDimensionGroup();
// True, after the same alert, when the next pick of a waiting sequence could not be built: the layer a new group
// would go to, or the layer of the sequence's skeleton, has been locked or hidden since the first pick. The
// caller ends its click at once and the sequence goes on waiting.
bool SequenceLayerRefused();
// True when the layer holding the art is editable and shown, so that its art may change; true for art the host
// no longer knows.
bool ArtLayerEditable(AIArtHandle art);
// True when no click sequence is under way and the current dimension lies on a layer locked or hidden since it was
// made: a cancel or a panel change leaves it as it is.
bool CurrentDimensionClosed();
// Refuses a change to the current dimension on its closed layer with NewDimensionGroup's alert.
void RefuseClosedLayer();
// Once no click sequence is under way, a dimension whose builders drew nothing (its group holds paths, none
// with an anchor, and no label with text) leaves nothing behind: the group goes as DropNewGroup takes it, and
// the links it held leave the paths it measured.
void DropUnbuiltDimension();
// The panel's cancel: a sequence under way ends as EndWaitingSequence ends it, the dimension current before it
// given back; else the current dimension leaves the document, and the links it held leave the paths it measured,
// unless its layer is locked or hidden: it then stays, after the same alert as NewDimensionGroup's. False when
// there was nothing to cancel: no sequence under way and no current dimension in the document.
bool CancelCurrentDimension();
// Gives up the click sequence under way (a tool change, the host shutting down): the group of a first point,
// side or end still waiting, unbuilt or empty, goes with the links it held.
void AbandonClickSequence();
// The skeleton the first pick of the running sequence made (SequenceGroup) goes with the links it held; no
// other group is touched.
void DropSequenceSkeleton();
// Ends the click sequence under way, if any, when a gesture does not continue it (a re-open, a cancel, a new
// measure between segments): no click counted, no second segment awaited, the sequence's skeleton and an empty
// group gone. A finished or re-opened dimension stays as it is.
void EndWaitingSequence();
// Disposes DimensionGroup when nothing is left in it (an abandoned click, a construction dragged away), as
// DropNewGroup does.
void DisposeEmptyGroup();
// Disposes DimensionGroup, a group a press made and built nothing in (a refusal, a cancelled first pick); the
// dimension that was current when NewDimensionGroup made it, if still in the document, is current again, so that
// the panel goes on changing the dimension the user last built or re-opened.
void DropNewGroup();

// One more point of a series (at most 10), and a two-click measure between segments.
ASErr AddSeriesPoint(const AIToolHitData& hit, AIToolMessage* message);
ASErr ReEditSegmentSeries(const AIToolHitData& hit, AIToolMessage* message);

// The click sound: a beep of `frequency` hertz for 100 ms while the stored "Son" is on.
void ClickBeep(uint32_t frequency);
