#include "dialogs/creation/PointEditorTracker.h"

#include <algorithm>
#include <cmath>

#include "dialogs/creation/PointEditorCanvas.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/ADMTrackerSuite.h"

namespace {

// Pick tolerances in pixels: an element to drag, an anchor to delete, the curve to insert on.
constexpr float kPickTolerance = 6.0f;
constexpr float kAnchorTolerance = 5.0f;
constexpr float kCurveTolerance = 4.0f;
// The curve is searched in steps of the parameter.
constexpr int32_t kCurveSteps = 1000;
// The line start stays between these canvas pixels horizontally.
constexpr int32_t kLineStartLeft = 30;
constexpr int32_t kLineStartRight = 430;

void SetCursor(ADMItemRef item, int32_t cursor) { sADMBasic->SetPlatformCursor(ItemPlugin(item), cursor); }

bool Near(EditorPoint a, EditorPoint b, float tolerance) {
    return std::fabs(a.x - b.x) < tolerance && std::fabs(a.y - b.y) < tolerance;
}

bool Inside(const ADMRect& area, EditorPoint p) {
    return p.x >= static_cast<float>(area.left) && p.x <= static_cast<float>(area.right) &&
           p.y >= static_cast<float>(area.top) && p.y <= static_cast<float>(area.bottom);
}

void SetItemFloat(ADMItemRef item, int32_t id, float value) {
    if (ADMItemRef target = SiblingItem(item, id)) sADMItem->SetFloatValue(target, value);
}

void EnableItems(ADMItemRef item, std::initializer_list<int32_t> ids, bool enable) {
    for (int32_t id : ids) {
        if (ADMItemRef target = SiblingItem(item, id)) sADMItem->Enable(target, enable ? 1 : 0);
    }
}

// The count text and the point number's range after the count changed; the canvas and preview redrawn.
void ShowNewCount(ADMItemRef item, const PointEditorLook& look) {
    const int8_t count = look.Editor->EditShape.PointCount;
    if (ADMItemRef text = SiblingItem(item, kPointCountItem)) SetPointCountText(text, count);
    if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) sADMItem->SetMaxIntValue(number, count - 1);
    InvalidateItems(item, {kCanvasItem, look.PreviewItem});
}

Cubic CanvasSegment(const PointEditorLook& look, const Cubic& c) {
    return Cubic{ToCanvas(look.Mapping, c.p0), ToCanvas(look.Mapping, c.p1), ToCanvas(look.Mapping, c.p2),
                 ToCanvas(look.Mapping, c.p3)};
}

// The first parameter at which the segment passes within the curve tolerance of the pixel, or -1.
float CurveParameterNear(const Cubic& pixels, EditorPoint pixel) {
    for (int32_t k = 0; k < kCurveSteps; ++k) {
        const float t = static_cast<float>(k) / static_cast<float>(kCurveSteps);
        const EditorPoint p = EvaluateCubic(pixels, t);
        if (std::hypot(p.x - pixel.x, p.y - pixel.y) < kCurveTolerance) return t;
    }
    return -1.0f;
}

void DeleteAnchor(ADMItemRef item, const PointEditorLook& look, int32_t anchor) {
    PointEditor& e = *look.Editor;
    if (!DeletePoint(e.EditShape, anchor)) {
        sADMBasic->MessageAlert(kDeleteRefusedAlert);
        return;
    }
    ShowNewCount(item, look);
    e.SelectedPoint = kNoSelection;
}

void InsertAt(ADMItemRef item, const PointEditorLook& look, const CanvasHit& hit, EditorPoint pixel) {
    PointEditor& e = *look.Editor;
    if (e.EditShape.PointCount >= kShapeMaxPoints) {
        sADMBasic->MessageAlert(kInsertRefusedAlert);
        return;
    }
    const EditorPoint anchor = FromCanvas(look.Mapping, pixel);
    if (!InsertPoint(e.EditShape, hit.Index, hit.T, anchor)) return;
    SetItemFloat(item, kPointXItem, anchor.x);
    SetItemFloat(item, kPointYItem, anchor.y);
    ShowNewCount(item, look);
}

// A hover or a button-down of the add/delete mode.
void AddOrDelete(ADMItemRef item, const PointEditorLook& look, EditorPoint pixel, bool press) {
    PointEditor& e = *look.Editor;
    e.SelectedPoint = kNoSelection;
    if (look.HasLineStart) EnableItems(item, {kPointYItem}, true);  // the line start is no longer selected
    if (!Inside(look.AddDeleteArea, pixel)) return;
    const CanvasHit hit = HitCanvas(look, pixel);
    switch (hit.What) {
        case CanvasHit::Anchor:
            e.SelectedPoint = static_cast<int16_t>(hit.Index);
            SetCursor(item, kDeleteCursor);
            if (press) DeleteAnchor(item, look, hit.Index);
            return;
        case CanvasHit::Curve:
            SetCursor(item, kInsertCursor);
            if (press) InsertAt(item, look, hit, pixel);
            return;
        default:
            SetCursor(item, kPlainCanvasCursor);
            return;
    }
}

void DragPoint(const PointEditorLook& look, int32_t x, int32_t y, ADMItemRef item, bool shift) {
    PointEditor& e = *look.Editor;
    const CanvasMapping& m = look.Mapping;
    const ADMPoint held{std::clamp(x, m.DragArea.left, m.DragArea.right), std::clamp(y, m.DragArea.top, m.DragArea.bottom)};
    const EditorPoint pixel{static_cast<float>(held.h), static_cast<float>(held.v)};
    if (gPointEditorModes.PickOnNextDrag != 0) {
        const int16_t picked = PickAt(look, pixel);
        if (picked != kNoSelection) {
            e.SelectedPoint = picked;
            const Selection s = DecodeSelection(picked, e.EditShape.PointCount);
            if (s.Kind != SelectionKind::LineStart) {
                if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) sADMItem->SetIntValue(number, s.Point);
            }
            gPointEditorModes.PickOnNextDrag = 0;
            SetCursor(item, kDragPointCursor);
        }
    }
    const Selection s = DecodeSelection(e.SelectedPoint, e.EditShape.PointCount);
    if (s.Kind == SelectionKind::None) return;
    const bool snap = (e.GridSnap != 0) != shift;
    if (s.Kind == SelectionKind::LineStart) {
        const ADMPoint start{std::clamp(held.h, kLineStartLeft, kLineStartRight), held.v};
        const EditorPoint at = DraggedPosition(m, start, e.GridStep, snap);
        e.EditShape.LineStartX = std::max(at.x, 0.0f);
        e.EditShape.LineStartY = 0.0f;
        EnableItems(item, {kNextPointItem, kPreviousPointItem, kPointNumberItem, kPointYItem}, false);
    } else {
        const EditorPoint at = DraggedPosition(m, held, e.GridStep, snap);
        PlaceSelection(e.EditShape, e.SelectedPoint, at.x, at.y);
        UpdateCornerFlag(item, e, s.Point);
        if (look.HasLineStart)
            EnableItems(item, {kNextPointItem, kPreviousPointItem, kPointNumberItem, kPointYItem}, true);
        if (look.Symmetric && gPointEditorModes.SymmetricMoves != 0) MirrorSelection(e.EditShape, e.SelectedPoint, true, true);
    }
    ShowSelectedPosition(item, e);
    InvalidateItems(item, {kCanvasItem, kCornerItem, look.PreviewItem, kAnchorKindItem, kInKindItem, kOutKindItem});
    if (look.HasLineStart) InvalidateItems(item, {kLineStartKindItem});
}

ADMBoolean TrackCanvas(const PointEditorLook& look, ADMItemRef item, ADMTrackerRef tracker) {
    ADMPoint point{0, 0};
    int32_t action = 0;
    ADMBoolean shift = 0, control = 0;
    sADMTracker->GetPoint(tracker, &point);
    sADMTracker->GetAction(tracker, &action);
    sADMTracker->TestModifier(tracker, kADMShiftKeyModifier, &shift);
    sADMTracker->TestModifier(tracker, kADMControlKeyModifier, &control);
    if (gPointEditorModes.PointEditMode == 0) {
        if (action == kADMMouseMovedDownAction) DragPoint(look, point.h, point.v, item, shift != 0);
    } else if (control != 0) {
        sADMItem->SetMask(item, kMoveModeMask);
        if (action == kADMMouseMovedDownAction) DragPoint(look, point.h, point.v, item, shift != 0);
    } else {
        sADMItem->SetMask(item, kAddDeleteModeMask);
        SetCursor(item, kPlainCanvasCursor);
        if (action == kADMMouseMovedUpAction || action == kADMButtonDownAction) {
            AddOrDelete(item, look, EditorPoint{static_cast<float>(point.h), static_cast<float>(point.v)},
                        action == kADMButtonDownAction);
        }
    }
    if (action == kADMButtonUpAction) {
        gPointEditorModes.PickOnNextDrag = 1;
        SetCursor(item, kPlainCanvasCursor);
    }
    ADMBoolean notify = 0;
    sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}

}  // namespace

int16_t PickAt(const PointEditorLook& look, EditorPoint pixel) {
    const PointEditorShape& s = look.Editor->EditShape;
    const ShapePointTables& p = s.Points;
    const int32_t n = std::clamp<int32_t>(s.PointCount, 0, kShapeMaxPoints);
    const CanvasMapping& m = look.Mapping;
    for (int32_t i = 0; i < n; ++i) {
        if (Near(ToCanvas(m, {p.AnchorX[i], p.AnchorY[i]}), pixel, kPickTolerance)) return static_cast<int16_t>(i);
    }
    for (int32_t i = 0; i < n; ++i) {
        if (Near(ToCanvas(m, {p.InX[i], p.InY[i]}), pixel, kPickTolerance)) return static_cast<int16_t>(kInHandleBase + i);
    }
    for (int32_t i = 0; i < n; ++i) {
        if (Near(ToCanvas(m, {p.OutX[i], p.OutY[i]}), pixel, kPickTolerance)) return static_cast<int16_t>(kOutHandleBase + i);
    }
    if (look.HasLineStart && Near(ToCanvas(m, {s.LineStartX, s.LineStartY}), pixel, kPickTolerance)) return kLineStartSelection;
    return kNoSelection;
}

CanvasHit HitCanvas(const PointEditorLook& look, EditorPoint pixel) {
    const PointEditorShape& s = look.Editor->EditShape;
    const int32_t n = std::clamp<int32_t>(s.PointCount, 0, kShapeMaxPoints);
    for (int32_t i = 0; i < n; ++i) {
        if (Near(ToCanvas(look.Mapping, {s.Points.AnchorX[i], s.Points.AnchorY[i]}), pixel, kAnchorTolerance))
            return CanvasHit{CanvasHit::Anchor, i, 0.0f};
    }
    for (int32_t i = 0; i < n; ++i) {
        Cubic segment;
        if (!ShapeSegment(s, i, &segment)) continue;
        const float t = CurveParameterNear(CanvasSegment(look, segment), pixel);
        if (t >= 0.0f) return CanvasHit{CanvasHit::Curve, i, t};
    }
    return {};
}

void ShowSelectedPosition(ADMItemRef item, const PointEditor& editor) {
    const EditorPoint p = SelectedPosition(editor.EditShape, editor.SelectedPoint);
    SetItemFloat(item, kPointXItem, p.x);
    SetItemFloat(item, kPointYItem, p.y);
}

void UpdateCornerFlag(ADMItemRef item, PointEditor& editor, int32_t point) {
    editor.PointIsCorner = IsCornerPoint(editor.EditShape, point) ? 1 : 0;
    if (ADMItemRef corner = SiblingItem(item, kCornerItem)) sADMItem->SetTipString(corner, CornerButtonTip(editor.PointIsCorner));
}

ADMBoolean ArrowEditorCanvasTrack(ADMItemRef item, ADMTrackerRef tracker) { return TrackCanvas(kArrowEditorLook, item, tracker); }

ADMBoolean BezierCanvasTrack(ADMItemRef item, ADMTrackerRef tracker) { return TrackCanvas(kBezierEditorLook, item, tracker); }
