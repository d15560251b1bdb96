// What the click sequences share: the flags they keep between clicks, the hand-over to the tool of a clicked
// dimension's kind, path records and the point arithmetic of the host's real-math suite.
#pragma once

#include <cstdint>

#include "dimension/Definitions.h"
#include "host/HitTestSuite.h"
#include "host/Messages.h"
#include "host/Types.h"
#include "records/ToolState.h"

class TavorinePlugIn;

// Flags the click sequences keep besides the tool state.
struct ClickFlags {
    // The first point of a two-point linear dimension was a centre point or an anchor of a dimension's part:
    // nothing links the dimension.
    int32_t FirstClickOnCentre = 0;
};
extern ClickFlags gClickFlags;

// The click beeps: a point click, and a one-click dimension or a division.
constexpr uint32_t kPointClickFrequency = 9000;
constexpr uint32_t kOneClickFrequency = 9001;

// True while the first pick of a two-pick dimension (a point, a side, an arc's end) waits for the next with the
// Segment, Angle or Cercle tool. Nothing of that dimension is drawn yet, and the cursor and measured points hold
// the waiting pick, not the last dimension's: a panel change then rebuilds nothing.
bool FirstPickWaiting();

// The one way a rebuild of the current dimension without the cursor (a panel change, a panel tracker) puts the
// dimension's definition in force and takes it back: `rebuild` runs with the live values the dimension was
// built from (UseDefinition), not what a later press or hover left, and what it leaves in force is the
// dimension's definition after it. While a first pick waits the live values are the pick's, and are left alone.
template <typename Rebuild>
void RebuildWithDefinition(Rebuild&& rebuild) {
    const bool defined = !FirstPickWaiting() && UseDefinition();
    rebuild();
    if (defined && !FirstPickWaiting()) KeepDefinition();
}

// Virtual keys read at a click.
constexpr int32_t kShiftKey = 16;
constexpr int32_t kAltKey = 18;

// True while the platform reports the key held.
bool KeyHeld(int32_t virtualKey);


// A click sequence, as the hand-over runs it.
using ClickSequence = ASErr (*)(TavorinePlugIn*, const AIToolHitData&, AIToolMessage*);
// How the panel is shown for the tool taken over.
enum class PanelStep : int32_t { Layout, SegmentPage, AnglePage };

// Shows the panel for the tool, makes it the host's selected tool and runs `click` (the re-open of the clicked
// dimension of that tool's kind) with the same hit and message. Result: the result of selecting the tool.
ASErr HandOverClick(TavorinePlugIn* plugin, PanelStep step, int32_t tool, ClickSequence click,
                    const AIToolHitData& hit, AIToolMessage* message);

// The hit record a click acts on: the art the last hover test showed under the cursor (the art its hint and
// outline named), hit at the click point within `tolerance` the way the hover found it (an anchor, or a
// segment); the hover's own indexes and the cursor when the art lies farther. An empty record (no art) when
// the hover showed nothing, or showed art the host no longer knows. `error` is the host's hit-test error.
AIToolHitData HoveredArtHit(AIRealPoint cursor, AIReal tolerance, ASErr* error);

// The anchor record `index` of the path; an empty record when the host has no such anchor.
AIPathSegment PathRecord(AIArtHandle path, int16_t index);
// True when the path is closed; false for an open path or one the host does not know.
bool PathClosed(AIArtHandle path);

// The angle (radians) of the direction from `from` to `to`.
AIReal PointAngle(AIRealPoint from, AIRealPoint to);
// `base` moved by `length` in direction `angle` (radians).
AIRealPoint MovedBy(AIRealPoint base, AIReal length, AIReal angle);
// The unit vector from `from` towards `to`.
AIRealPoint UnitTowards(AIRealPoint from, AIRealPoint to);
// The angle at `vertex` from the side through `start` to the side through `end`, counter-clockwise positive.
AIReal SideAngle(AIRealPoint vertex, AIRealPoint start, AIRealPoint end);

// `pixels` of the first document view, in artwork units; as many units when the host tells no zoom.
AIReal ViewPixels(AIReal pixels);
// True while the cursor lies within a hand's tremor of the press (2 pixels at the view's zoom): a drag that goes
// no farther was not meant, and the press stays a click.
bool WithinTremor(AIRealPoint cursor);

// True when the hover showed the re-editable part of a dimension (its line, arc or mark) rather than an anchor.
bool OverDimensionPart();
// After a re-open: the press owns its drag when a dimension was rebuilt into a new group of its own (`before` the
// group the press found); after an update of every dimension, or a re-open refused, it owns none.
void NoteReOpened(AIArtHandle before);

// Answers the press with the alert `text`: the press starts no gesture, its drag and release change nothing.
void RefusePress(const char* text);

// The side tie a dimension drawn along an arc of `radius` at the tie `tie` (the live "Attaches") takes: `tie`, or
// the same length on the other side of the arc where `tie` would put the dimension's arc at or past the centre (a
// tie carried over from a dimension drawn below, on an arc smaller than it). False where neither side holds an
// arc. The side is the dimension's own: the live "Attaches" stays as the user set it, for the next dimension.
bool ArcSideTie(double radius, double tie, double* side);
// The radius of the arc of that dimension: `radius` and ArcSideTie's side together, or `radius` and `tie` where
// neither side holds an arc (an arc no builder draws).
double ArcSideRadius(double radius, double tie);

// A click on empty canvas with the Segment, Angle or Cercle tool (`slot` 0, 1 or 2): a new dimension group with
// the skeleton `buildSkeleton` makes, the click point kept, and the flags that let a drag make the tool's figure
// or an unmoved release open its creation dialog; the series' running value starts again when asked.
ASErr StartCreationClick(int32_t slot, ASErr (*buildSkeleton)(), bool restartSeriesValue);

// The hit point plus the normal at the hit's t of the curve that ends at the hit's segment (the closing
// segment of a closed path starts at its last anchor).
AIRealPoint NormalTipAtHit(AIArtHandle path, const AIToolHitData& hit);
