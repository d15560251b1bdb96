#include "dialogs/creation/PointEditorShape.h"

#include <algorithm>
#include <cmath>

namespace {

// Copies point `from` of the six tables onto point `to`.
void CopyPoint(ShapePointTables& p, int32_t from, int32_t to) {
    p.AnchorX[to] = p.AnchorX[from];
    p.AnchorY[to] = p.AnchorY[from];
    p.InX[to] = p.InX[from];
    p.InY[to] = p.InY[from];
    p.OutX[to] = p.OutX[from];
    p.OutY[to] = p.OutY[from];
}

EditorPoint Anchor(const ShapePointTables& p, int32_t i) { return {p.AnchorX[i], p.AnchorY[i]}; }
EditorPoint InHandle(const ShapePointTables& p, int32_t i) { return {p.InX[i], p.InY[i]}; }
EditorPoint OutHandle(const ShapePointTables& p, int32_t i) { return {p.OutX[i], p.OutY[i]}; }

void SetIn(ShapePointTables& p, int32_t i, EditorPoint q) {
    p.InX[i] = q.x;
    p.InY[i] = q.y;
}
void SetOut(ShapePointTables& p, int32_t i, EditorPoint q) {
    p.OutX[i] = q.x;
    p.OutY[i] = q.y;
}

EditorPoint Lerp(EditorPoint a, EditorPoint b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The points a shape really holds: its count, never more than its tables.
int32_t HeldPoints(const PointEditorShape& shape) { return std::clamp<int32_t>(shape.PointCount, 0, kShapeMaxPoints); }

bool ValidPoint(const PointEditorShape& shape, int32_t point) { return point >= 0 && point < HeldPoints(shape); }

int32_t Wrapped(int32_t index, int32_t count) { return ((index % count) + count) % count; }

}  // namespace

Selection DecodeSelection(int32_t code, int32_t count) {
    count = std::clamp<int32_t>(count, 0, kShapeMaxPoints);
    if (code == kLineStartSelection) return {SelectionKind::LineStart, 0};
    if (code >= 0 && code < count) return {SelectionKind::Anchor, code};
    if (code >= kInHandleBase && code < kInHandleBase + count) return {SelectionKind::InHandle, code - kInHandleBase};
    if (code >= kOutHandleBase && code < kOutHandleBase + count) {
        return {SelectionKind::OutHandle, code - kOutHandleBase};
    }
    return {};
}

int16_t EncodeSelection(SelectionKind kind, int32_t point) {
    switch (kind) {
        case SelectionKind::Anchor: return static_cast<int16_t>(point);
        case SelectionKind::InHandle: return static_cast<int16_t>(kInHandleBase + point);
        case SelectionKind::OutHandle: return static_cast<int16_t>(kOutHandleBase + point);
        case SelectionKind::LineStart: return kLineStartSelection;
        default: return kNoSelection;
    }
}

void CopyShapePoints(const ShapePointTables& from, ShapePointTables& to, int32_t count) {
    const int32_t n = std::clamp<int32_t>(count, 0, kShapeMaxPoints);
    for (int32_t i = 0; i < n; ++i) {
        to.AnchorX[i] = from.AnchorX[i];
        to.AnchorY[i] = from.AnchorY[i];
        to.InX[i] = from.InX[i];
        to.InY[i] = from.InY[i];
        to.OutX[i] = from.OutX[i];
        to.OutY[i] = from.OutY[i];
    }
}

int8_t ClampedPointCount(int32_t count) {
    return static_cast<int8_t>(std::clamp<int32_t>(count, kShapeMinPoints, kShapeMaxPoints));
}

EditorPoint SelectedPosition(const PointEditorShape& shape, int32_t code) {
    const Selection s = DecodeSelection(code, shape.PointCount);
    switch (s.Kind) {
        case SelectionKind::Anchor: return Anchor(shape.Points, s.Point);
        case SelectionKind::InHandle: return InHandle(shape.Points, s.Point);
        case SelectionKind::OutHandle: return OutHandle(shape.Points, s.Point);
        case SelectionKind::LineStart: return {shape.LineStartX, shape.LineStartY};
        default: return {};
    }
}

bool IsCornerPoint(const PointEditorShape& shape, int32_t point) {
    if (!ValidPoint(shape, point)) return false;
    const ShapePointTables& p = shape.Points;
    return p.InX[point] == p.AnchorX[point] && p.InY[point] == p.AnchorY[point] &&
           p.OutX[point] == p.AnchorX[point] && p.OutY[point] == p.AnchorY[point];
}

void MoveAnchor(PointEditorShape& shape, int32_t point, float x, float y) {
    if (!ValidPoint(shape, point)) return;
    ShapePointTables& p = shape.Points;
    const float dx = x - p.AnchorX[point], dy = y - p.AnchorY[point];
    p.AnchorX[point] = x;
    p.AnchorY[point] = y;
    p.InX[point] += dx;
    p.InY[point] += dy;
    p.OutX[point] += dx;
    p.OutY[point] += dy;
}

bool IsFiniteShape(const PointEditorShape& shape) {
    const ShapePointTables& p = shape.Points;
    for (const float* table : {p.AnchorX, p.AnchorY, p.InX, p.InY, p.OutX, p.OutY})
        if (!std::all_of(table, table + kShapeMaxPoints, [](float v) { return std::isfinite(v); })) return false;
    return std::isfinite(shape.LineStartX) && std::isfinite(shape.LineStartY);
}

void PlaceSelection(PointEditorShape& shape, int32_t code, float x, float y) {
    // A place that would take a coordinate beyond a float (a handle moved with its anchor) leaves the shape.
    const PointEditorShape before = shape;
    const Selection s = DecodeSelection(code, shape.PointCount);
    switch (s.Kind) {
        case SelectionKind::Anchor: MoveAnchor(shape, s.Point, x, y); break;
        case SelectionKind::InHandle: SetIn(shape.Points, s.Point, {x, y}); break;
        case SelectionKind::OutHandle: SetOut(shape.Points, s.Point, {x, y}); break;
        case SelectionKind::LineStart:
            shape.LineStartX = x;
            shape.LineStartY = 0.0f;  // the line start stays on the axis
            break;
        default: break;
    }
    if (!IsFiniteShape(shape)) shape = before;
}

void MakeCorner(PointEditorShape& shape, int32_t point) {
    if (!ValidPoint(shape, point)) return;
    const EditorPoint a = Anchor(shape.Points, point);
    SetIn(shape.Points, point, a);
    SetOut(shape.Points, point, a);
}

int32_t MirrorPartner(int32_t point, int32_t count) { return point == 0 ? 0 : count - point; }

bool OnMirrorAxis(int32_t point, int32_t count) { return point == 0 || (count % 2 == 0 && point == count / 2); }

void MirrorSelection(PointEditorShape& shape, int32_t code, bool alongX, bool alongY) {
    const int32_t n = shape.PointCount;
    const Selection s = DecodeSelection(code, n);
    ShapePointTables& p = shape.Points;
    const int32_t partner = MirrorPartner(s.Point, n);
    switch (s.Kind) {
        case SelectionKind::Anchor: {
            if (OnMirrorAxis(s.Point, n)) {
                if (alongY) MoveAnchor(shape, s.Point, p.AnchorX[s.Point], 0.0f);
                return;
            }
            const float x = alongX ? p.AnchorX[s.Point] : p.AnchorX[partner];
            const float y = alongY ? -p.AnchorY[s.Point] : p.AnchorY[partner];
            MoveAnchor(shape, partner, x, y);
            return;
        }
        case SelectionKind::InHandle:
            if (alongX) p.OutX[partner] = p.InX[s.Point];
            if (alongY) p.OutY[partner] = -p.InY[s.Point];
            return;
        case SelectionKind::OutHandle:
            if (alongX) p.InX[partner] = p.OutX[s.Point];
            if (alongY) p.InY[partner] = -p.OutY[s.Point];
            return;
        default: return;
    }
}

bool DeletePoint(PointEditorShape& shape, int32_t point) {
    if (shape.PointCount <= kShapeMinPoints || shape.PointCount > kShapeMaxPoints || !ValidPoint(shape, point)) return false;
    for (int32_t i = point; i + 1 < shape.PointCount; ++i) CopyPoint(shape.Points, i + 1, i);
    --shape.PointCount;
    return true;
}

bool ShapeSegment(const PointEditorShape& shape, int32_t segment, Cubic* cubic) {
    const int32_t n = shape.PointCount;
    const ShapePointTables& p = shape.Points;
    if (n > kShapeMaxPoints) return false;
    if (segment < 0 || segment >= n || cubic == nullptr) return false;
    const bool closing = segment == n - 1;
    if (closing && shape.Closed == 0) return false;
    const int32_t next = closing ? 0 : segment + 1;
    *cubic = Cubic{Anchor(p, segment), InHandle(p, segment), OutHandle(p, next), Anchor(p, next)};
    return true;
}

void SplitCubic(const Cubic& c, float t, Cubic* first, Cubic* second) {
    const EditorPoint a = Lerp(c.p0, c.p1, t), b = Lerp(c.p1, c.p2, t), d = Lerp(c.p2, c.p3, t);
    const EditorPoint ab = Lerp(a, b, t), bd = Lerp(b, d, t);
    const EditorPoint middle = Lerp(ab, bd, t);
    if (first != nullptr) *first = Cubic{c.p0, a, ab, middle};
    if (second != nullptr) *second = Cubic{middle, bd, d, c.p3};
}

EditorPoint EvaluateCubic(const Cubic& c, float t) {
    Cubic first;
    SplitCubic(c, t, &first, nullptr);
    return first.p3;
}

bool InsertPoint(PointEditorShape& shape, int32_t segment, float t, EditorPoint anchor) {
    Cubic old;
    if (shape.PointCount >= kShapeMaxPoints || !ShapeSegment(shape, segment, &old)) return false;
    Cubic first, second;
    SplitCubic(old, std::clamp(t, 0.0f, 1.0f), &first, &second);
    ShapePointTables& p = shape.Points;
    const int32_t n = shape.PointCount;
    const bool closing = segment == n - 1;
    const int32_t added = closing ? n : segment + 1;
    const int32_t after = closing ? 0 : segment + 2;
    for (int32_t i = n; i > added; --i) CopyPoint(p, i - 1, i);
    p.AnchorX[added] = anchor.x;
    p.AnchorY[added] = anchor.y;
    SetIn(p, segment, first.p1);
    SetOut(p, added, first.p2);
    SetIn(p, added, second.p1);
    SetOut(p, after, second.p2);
    ++shape.PointCount;
    return true;
}

int16_t SteppedSelection(int32_t code, int32_t count, int32_t step) {
    count = std::clamp<int32_t>(count, 0, kShapeMaxPoints);
    const Selection s = DecodeSelection(code, count);
    if (s.Kind == SelectionKind::None || s.Kind == SelectionKind::LineStart) return static_cast<int16_t>(code);
    return EncodeSelection(s.Kind, Wrapped(s.Point + step, count));
}

int16_t NumberedSelection(int32_t code, int32_t point) {
    if (code >= kOutHandleBase) return EncodeSelection(SelectionKind::OutHandle, point);
    if (code >= kInHandleBase) return EncodeSelection(SelectionKind::InHandle, point);
    return EncodeSelection(SelectionKind::Anchor, point);
}

int16_t KindSelection(int32_t code, SelectionKind kind, int32_t count) {
    const Selection s = DecodeSelection(code, count);
    if (s.Kind == SelectionKind::None || s.Kind == SelectionKind::LineStart) return static_cast<int16_t>(code);
    return EncodeSelection(kind, s.Point);
}

float SnappedOffset(float offset, int32_t step, bool snap) {
    if (!snap || step <= 0) return offset;
    const float steps = std::round(offset / static_cast<float>(step));
    return steps * static_cast<float>(step);
}

EditorPoint ToCanvas(const CanvasMapping& m, EditorPoint p) {
    return {m.OriginX + m.PixelsPerUnit * p.x, m.OriginY + m.PixelsPerUnit * p.y};
}

EditorPoint FromCanvas(const CanvasMapping& m, EditorPoint pixel) {
    return {(pixel.x - m.OriginX) / m.PixelsPerUnit, (pixel.y - m.OriginY) / m.PixelsPerUnit};
}

EditorPoint DraggedPosition(const CanvasMapping& m, ADMPoint pixel, int32_t step, bool snap) {
    const float x = static_cast<float>(std::clamp(pixel.h, m.DragArea.left, m.DragArea.right));
    const float y = static_cast<float>(std::clamp(pixel.v, m.DragArea.top, m.DragArea.bottom));
    const float dx = SnappedOffset(x - m.OriginX, step, snap);
    const float dy = SnappedOffset(y - m.OriginY, step, snap);
    return {dx / m.PixelsPerUnit, dy / m.PixelsPerUnit};
}
