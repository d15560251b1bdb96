// The outline of a point-editor shape in whole pixels: each cubic segment flattened by halving, collected into
// a polygon to fill or handed out as lines to stroke.
#pragma once

#include <cstdint>

#include "dialogs/creation/PointEditorShape.h"
#include "host/ADMTypes.h"

// The largest outline: one start point per segment plus 16 per curved segment, 20 segments.
constexpr int32_t kOutlineCapacity = 340;
// The deepest halving: 16 pieces per curved segment, which the buffer is sized for.
constexpr int8_t kMaxFlattenDepth = 4;

// The whole-pixel points of one outline; appends past the capacity are dropped, never written.
struct PolygonBuffer {
    int32_t Count = 0;
    ADMPoint Points[kOutlineCapacity] = {};

    void Reset() { Count = 0; }
    void Append(ADMPoint p);
};

// Receives the lines of a hollow outline.
class OutlineLines {
  public:
    virtual void Line(ADMPoint from, ADMPoint to) = 0;

  protected:
    ~OutlineLines() = default;
};

// x' = a x + b y + tx, y' = c x + d y + ty: how editor units become pixels.
struct Affine {
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f, tx = 0.0f, ty = 0.0f;

    EditorPoint Apply(EditorPoint p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
};
// Scales by (sx, sy) about the origin, then turns by `angle` radians, then moves by (tx, ty).
Affine ScaleRotateMove(float sx, float sy, float angle, float tx, float ty);

// A pixel point truncated, or rounded (add 0.5, then truncate).
ADMPoint Truncated(EditorPoint p);
ADMPoint Rounded(EditorPoint p);

// Flattens one segment given in pixels. A straight segment (controls exactly on their anchors) is one line (or
// its end appended); otherwise it is halved `depth` times (held to 0..4) and each piece's end is appended, or
// a line is drawn along each piece when hollow.
void FlattenSegment(const Cubic& pixels, int8_t depth, bool hollow, PolygonBuffer& buffer, OutlineLines& lines);
// The outline of the shape through `toPixels`: each segment's start anchor appended, then the segment flattened;
// the closing segment last when the shape is closed. The buffer is reset first; filling is the caller's.
void OutlineShape(const PointEditorShape& shape, const Affine& toPixels, int8_t depth, PolygonBuffer& buffer,
                  OutlineLines& lines);
