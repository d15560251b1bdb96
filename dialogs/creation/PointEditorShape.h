// The shape that a point editor edits, and the pure operations on it: selection codes, corner points, moves
// with their mirror partners, insertion and deletion, grid snap and the pixel mappings of the canvases.
#pragma once

#include <cstdint>

#include "frame/Settings.h"
#include "host/ADMTypes.h"

// The fewest and the most points a shape holds.
constexpr int8_t kShapeMinPoints = 2;
constexpr int8_t kShapeMaxPoints = kMaxShapePoints;

// A closed or open curve of Bézier points in editor units, y growing downward. The In handle of point i is
// the first control point of the segment leaving anchor i; its Out handle the second control point of the
// segment arriving at anchor i (for point 0, of the closing segment).
struct PointEditorShape {
    int8_t PointCount = kShapeMinPoints;
    ShapePointTables Points;
    int32_t Closed = 0;  // a closing segment runs from the last anchor to anchor 0
    int32_t Hollow = 0;  // 1 outline only, 0 filled
    float LineStartX = 0.0f;  // arrow-head editor: where the dimension line begins behind the tip
    float LineStartY = 0.0f;
};

// A point in editor units or in pixels, as floats.
struct EditorPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// Selection codes: i anchor i; 100 nothing; 110 the line start; 200 + i In handle i; 400 + i Out handle i.
constexpr int16_t kNoSelection = 100;
constexpr int16_t kLineStartSelection = 110;
constexpr int16_t kInHandleBase = 200;
constexpr int16_t kOutHandleBase = 400;

enum class SelectionKind { None, Anchor, InHandle, OutHandle, LineStart };

// What a selection code names; a code that names no point of a shape of `count` points is None.
struct Selection {
    SelectionKind Kind = SelectionKind::None;
    int32_t Point = 0;
};
Selection DecodeSelection(int32_t code, int32_t count);
int16_t EncodeSelection(SelectionKind kind, int32_t point);

// Copies points 0 .. count - 1 (held to the tables) of the six tables; the others keep what they hold.
void CopyShapePoints(const ShapePointTables& from, ShapePointTables& to, int32_t count);

// The count held to 2..20 (a count read from the store or typed by the user).
int8_t ClampedPointCount(int32_t count);

// The position of the selected element in editor units ((0, 0) when nothing is selected).
EditorPoint SelectedPosition(const PointEditorShape& shape, int32_t code);
// True when both handles of point `point` lie exactly on its anchor.
bool IsCornerPoint(const PointEditorShape& shape, int32_t point);
// Moves anchor `point` to (x, y); its handles keep their offsets from it.
void MoveAnchor(PointEditorShape& shape, int32_t point, float x, float y);
// True when every coordinate of the shape, the line start included, is a finite number.
bool IsFiniteShape(const PointEditorShape& shape);
// Puts the selected element at (x, y): an anchor with its handles, a handle alone, or the line start at x on the
// axis (its y stays 0). A place that would leave a coordinate that is not finite changes nothing: the editor's
// result stays sound.
void PlaceSelection(PointEditorShape& shape, int32_t code, float x, float y);
// Puts both handles of `point` on its anchor.
void MakeCorner(PointEditorShape& shape, int32_t point);

// The mirror partner about the horizontal axis: point 0 and, for an even count, point count / 2 are their own.
int32_t MirrorPartner(int32_t point, int32_t count);
bool OnMirrorAxis(int32_t point, int32_t count);
// After the selected element moved: brings its mirror partner along, axis by axis. An anchor on the axis keeps
// y = 0 (its handles keeping their offsets); another anchor gives its partner (x, -y); a handle gives the
// partner's opposite handle (x, -y). The line start has no partner.
void MirrorSelection(PointEditorShape& shape, int32_t code, bool alongX, bool alongY);

// Removes point `point`; false, leaving the shape unchanged, when it holds fewer than 3 points or the index is
// outside it.
bool DeletePoint(PointEditorShape& shape, int32_t point);
// Inserts a point with its anchor at `anchor` on the segment leaving point `segment` (the closing segment when
// `segment` is the last point of a closed shape), splitting that segment at `t` so that the curve keeps its
// course. False, leaving the shape unchanged, at 20 points or for a segment that does not exist.
bool InsertPoint(PointEditorShape& shape, int32_t segment, float t, EditorPoint anchor);

// A cubic segment: start anchor, first control point, second control point, end anchor.
struct Cubic {
    EditorPoint p0, p1, p2, p3;
};
// The segment leaving point `segment` (the closing one for the last point); false when there is none.
bool ShapeSegment(const PointEditorShape& shape, int32_t segment, Cubic* cubic);
// De Casteljau split at t into the part before and the part after.
void SplitCubic(const Cubic& c, float t, Cubic* first, Cubic* second);
EditorPoint EvaluateCubic(const Cubic& c, float t);

// The next or previous selection within its kind (anchor, In handle, Out handle), wrapping; nothing selected,
// or the line start, stays as it is.
int16_t SteppedSelection(int32_t code, int32_t count, int32_t step);
// Point `point` of the kind selected now: an anchor (also from nothing or the line start), In or Out handle.
int16_t NumberedSelection(int32_t code, int32_t point);
// The kind buttons: the same point as another kind; nothing selected or the line start stay as they are.
int16_t KindSelection(int32_t code, SelectionKind kind, int32_t count);

// A pixel offset from a canvas origin, snapped to a grid of `step` pixels (halves away from zero) when `snap`.
float SnappedOffset(float offset, int32_t step, bool snap);

// How a canvas shows editor units: x = origin + scale X, and the area a drag is held to.
struct CanvasMapping {
    float OriginX;
    float OriginY;
    float PixelsPerUnit;
    ADMRect DragArea;  // inclusive bounds of a dragged point, in canvas pixels
};
EditorPoint ToCanvas(const CanvasMapping& m, EditorPoint p);
EditorPoint FromCanvas(const CanvasMapping& m, EditorPoint pixel);
// The new editor position of a point dragged to pixel (x, y), held to the drag area and snapped.
EditorPoint DraggedPosition(const CanvasMapping& m, ADMPoint pixel, int32_t step, bool snap);
