// The mouse on a point-editor canvas: picking and dragging points and handles with grid snap and mirroring,
// and, in the add/delete mode, deleting the anchor or inserting a point on the curve under a click.
#pragma once

#include <cstdint>

#include "dialogs/creation/PointEditorState.h"
#include "host/ADMTypes.h"

// Track procedures of the canvases (item 12 of each editor).
ADMBoolean ArrowEditorCanvasTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean BezierCanvasTrack(ADMItemRef item, ADMTrackerRef tracker);

// The selection under canvas pixel (x, y) within 6 pixels: anchors, then In handles, then Out handles, then the
// line start; 100 when nothing lies there.
int16_t PickAt(const PointEditorLook& look, EditorPoint pixel);
// Where a click of the add/delete mode would act: the anchor it deletes (its index), or the segment and curve
// parameter at which it inserts.
struct CanvasHit {
    enum Kind { Nothing, Anchor, Curve } What = Nothing;
    int32_t Index = 0;  // the anchor, or the segment (the last point for the closing segment)
    float T = 0.0f;
};
CanvasHit HitCanvas(const PointEditorLook& look, EditorPoint pixel);

// Shows the selected element's position in the X and Y edits (10 and 11) of the item's dialog.
void ShowSelectedPosition(ADMItemRef item, const PointEditor& editor);
// Sets the corner flag of `point` and the round/corner button's tip from it.
void UpdateCornerFlag(ADMItemRef item, PointEditor& editor, int32_t point);
