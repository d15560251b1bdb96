#include "dialogs/creation/PointEditorOutline.h"

#include <algorithm>
#include <cmath>

#include "frame/SettingRanges.h"

namespace {

bool IsStraight(const Cubic& c) {
    return c.p1.x == c.p0.x && c.p1.y == c.p0.y && c.p2.x == c.p3.x && c.p2.y == c.p3.y;
}

void FlattenPieces(const Cubic& c, int8_t depth, bool hollow, PolygonBuffer& buffer, OutlineLines& lines) {
    if (depth > 0) {
        Cubic first, second;
        SplitCubic(c, 0.5f, &first, &second);
        FlattenPieces(first, static_cast<int8_t>(depth - 1), hollow, buffer, lines);
        FlattenPieces(second, static_cast<int8_t>(depth - 1), hollow, buffer, lines);
        return;
    }
    const ADMPoint end = Rounded(c.p3);
    if (hollow)
        lines.Line(Rounded(c.p0), end);
    else
        buffer.Append(end);
}

}  // namespace

void PolygonBuffer::Append(ADMPoint p) {
    if (Count < 0) Count = 0;
    if (Count < kOutlineCapacity) Points[Count++] = p;
}

Affine ScaleRotateMove(float sx, float sy, float angle, float tx, float ty) {
    const float cosine = std::cos(angle), sine = std::sin(angle);
    return Affine{cosine * sx, -sine * sy, sine * sx, cosine * sy, tx, ty};
}

ADMPoint Truncated(EditorPoint p) { return {CheckedInt32(p.x, 0), CheckedInt32(p.y, 0)}; }

ADMPoint Rounded(EditorPoint p) { return {CheckedInt32(p.x + 0.5, 0), CheckedInt32(p.y + 0.5, 0)}; }

void FlattenSegment(const Cubic& pixels, int8_t depth, bool hollow, PolygonBuffer& buffer, OutlineLines& lines) {
    if (IsStraight(pixels)) {
        const ADMPoint end = Truncated(pixels.p3);
        if (hollow)
            lines.Line(Truncated(pixels.p0), end);
        else
            buffer.Append(end);
        return;
    }
    FlattenPieces(pixels, std::clamp<int8_t>(depth, 0, kMaxFlattenDepth), hollow, buffer, lines);
}

void OutlineShape(const PointEditorShape& shape, const Affine& toPixels, int8_t depth, PolygonBuffer& buffer,
                  OutlineLines& lines) {
    buffer.Reset();
    const int32_t n = std::clamp<int32_t>(shape.PointCount, 0, kShapeMaxPoints);
    const bool hollow = shape.Hollow != 0;
    for (int32_t i = 0; i < n; ++i) {
        Cubic segment;
        if (!ShapeSegment(shape, i, &segment)) continue;
        const Cubic pixels{toPixels.Apply(segment.p0), toPixels.Apply(segment.p1), toPixels.Apply(segment.p2),
                           toPixels.Apply(segment.p3)};
        buffer.Append(Truncated(pixels.p0));
        FlattenSegment(pixels, depth, hollow, buffer, lines);
    }
}
