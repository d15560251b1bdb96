// The items beside the point-editor canvases: previous and next point, the point number, and in the Bézier
// dialog the X and Y edits, point-kind, round/corner, open/closed and filled/hollow buttons, the picture buttons
// that focus their edits and the drag control of the replica count.
#pragma once

#include <cstdint>

#include "dialogs/creation/PointEditorState.h"
#include "host/ADMTypes.h"

// The tips of the X and Y edits and of the picture buttons beside them.
constexpr const char* kPointXTip = "Position horizontale du point sélectionné.";
constexpr const char* kPointYTip = "Position verticale du point sélectionné.";

// The set-up both editors give the items they share (grid popup, edit mode, open/closed, filled/hollow,
// round/corner, point count, canvas, stepping buttons, point number, "Annuler", "Défaut", OK) just after each is
// made, from the working editor; false for an item that is not one of them.
bool SetUpSharedEditorItem(ADMItemRef item, int32_t id, PointEditor& e);

void ArrowPreviousPointNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowNextPointNotify(ADMItemRef item, ADMNotifierRef notifier);
void ArrowPointNumberNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPreviousPointNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierNextPointNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPointNumberNotify(ADMItemRef item, ADMNotifierRef notifier);

void BezierPointXNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierPointYNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierSelectAnchorNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierSelectInNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierSelectOutNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierCornerButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierClosedNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierHollowNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierDialogPictureNotify(ADMItemRef item, ADMNotifierRef notifier);
ADMBoolean BezierReplicaCountTrack(ADMItemRef item, ADMTrackerRef tracker);

// The open/closed or filled/hollow button the user clicked: the flag inverted, the button, the canvas and the
// preview redrawn.
void ToggleEditorFlag(ADMItemRef item, ADMNotifierRef notifier, int32_t& flag, int32_t previewItem);

// Gives the keyboard focus to the item with `id` in the dialog of `item`.
void FocusBezierDialogEdit(ADMItemRef item, int32_t id);

// The Bézier dialog's replica row: count edit and its drag control, and the items that only mean something
// with more than one replica.
constexpr int32_t kReplicaCountItem = 289;
constexpr int32_t kReplicaCountDragItem = 290;
constexpr int32_t kBezierPreviewItem = 293;
// Enables the rotation, offset and scale edits and their label buttons exactly when `count` is above 1.
void EnableReplicaItems(ADMItemRef anyItem, int32_t count);
// The point number the item 26 of the dialog shows, held to the shape.
int32_t ShownPointNumber(ADMItemRef anyItem, const PointEditorShape& shape);
