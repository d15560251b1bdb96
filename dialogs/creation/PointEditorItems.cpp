#include "dialogs/creation/PointEditorItems.h"

#include <algorithm>

#include "dialogs/creation/PointEditorCanvas.h"
#include "dialogs/creation/PointEditorGrid.h"
#include "dialogs/creation/PointEditorTracker.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/ADMTrackerSuite.h"
#include "records/DragValues.h"

namespace {

// The replica items that need more than one replica.
constexpr int32_t kReplicaItems[] = {283, 284, 285, 286, 287, 288, 291, 292};
// Picture buttons beside the Bézier edits, and the edit each focuses.
struct FocusPair {
    int32_t Button, Edit;
};
constexpr FocusPair kBezierFocusPairs[] = {{180, 10}, {181, 11}, {284, 283}, {286, 285}, {288, 287}, {292, 291}};
// The replica-count drag control: its width, its cursor and the count's bounds.
constexpr int32_t kReplicaDragWidth = 58;
constexpr int32_t kReplicaDragCursor = 1100;
// The handles of a point made round lie this many points either side of its anchor.
constexpr float kRoundHandleOffset = 20.0f;
// The pictures of the next and previous buttons, normal and pressed.
constexpr int32_t kNextPicture = 1004, kNextPressedPicture = 1005;
constexpr int32_t kPreviousPicture = 1006, kPreviousPressedPicture = 1007;

// Previous or next: the selection steps within its kind; the edits and the point number follow.
void StepPoint(ADMItemRef item, PointEditor& e, int32_t step) {
    e.SelectedPoint = SteppedSelection(e.SelectedPoint, e.EditShape.PointCount, step);
    ShowSelectedPosition(item, e);
    const Selection s = DecodeSelection(e.SelectedPoint, e.EditShape.PointCount);
    if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) {
        if (s.Kind != SelectionKind::None && s.Kind != SelectionKind::LineStart) sADMItem->SetIntValue(number, s.Point);
        sADMItem->Activate(number, 1);
    }
    InvalidateItems(item, {kCanvasItem});
}

// The point-number field after any change: it selects the point of its number held to the shape; once the
// user commits, the field shows that whole number in place of what was typed.
void PointNumber(ADMItemRef item, ADMNotifierRef notifier, const PointEditorLook& look) {
    PointEditor& e = *look.Editor;
    const int32_t point = ShownPointNumber(item, e.EditShape);
    if (IsUserChange(notifier)) ShowWholeNumber(item, point);
    e.SelectedPoint = NumberedSelection(e.SelectedPoint, point);
    ShowSelectedPosition(item, e);
    if (DecodeSelection(e.SelectedPoint, e.EditShape.PointCount).Kind == SelectionKind::Anchor) {
        UpdateCornerFlag(item, e, point);
        InvalidateItems(item, {kCornerItem});
    }
    InvalidateItems(item, {kAnchorKindItem, kInKindItem, kOutKindItem, kCanvasItem});
    if (look.HasLineStart) InvalidateItems(item, {kLineStartKindItem});
}

// The Bézier X or Y edit: the selected element takes the value on that axis.
void EditBezierAxis(ADMItemRef item, ADMNotifierRef notifier, bool horizontal) {
    if (!IsUserChange(notifier)) return;
    PointEditor& e = gBezierEditor;
    const Selection s = DecodeSelection(e.SelectedPoint, e.EditShape.PointCount);
    if (s.Kind == SelectionKind::None || s.Kind == SelectionKind::LineStart) return;
    const EditorPoint now = SelectedPosition(e.EditShape, e.SelectedPoint);
    const RealRange& range = horizontal ? kBezierPointKeys.RangeX : kBezierPointKeys.RangeY;
    const auto value = static_cast<float>(TakenFieldValue(item, horizontal ? now.x : now.y, range));
    PlaceSelection(e.EditShape, e.SelectedPoint, horizontal ? value : now.x, horizontal ? now.y : value);
    UpdateCornerFlag(item, e, s.Point);
    InvalidateItems(item, {kCornerItem, kCanvasItem, kBezierPreviewItem});
}

void SelectBezierKind(ADMItemRef item, ADMNotifierRef notifier, SelectionKind kind) {
    if (!IsUserChange(notifier)) return;
    PointEditor& e = gBezierEditor;
    e.SelectedPoint = KindSelection(e.SelectedPoint, kind, e.EditShape.PointCount);
    InvalidateItems(item, {kCanvasItem});
    ShowSelectedPosition(item, e);
    InvalidateItems(item, {kAnchorKindItem, kInKindItem, kOutKindItem});
}

}  // namespace

bool SetUpSharedEditorItem(ADMItemRef item, int32_t id, PointEditor& e) {
    switch (id) {
        case kGridPopupItem: FillGridPopup(item, e); break;
        case kMoveModeItem: gPointEditorModes.PointEditMode = 0; break;
        case kClosedItem: sADMItem->SetBooleanValue(item, e.EditShape.Closed); break;
        case kHollowItem: sADMItem->SetBooleanValue(item, e.EditShape.Hollow); break;
        case kCornerItem:
            sADMItem->SetBooleanValue(item, e.PointIsCorner);
            sADMItem->SetTipString(item, CornerButtonTip(e.PointIsCorner));
            break;
        case kPointCountItem:
            sADMItem->SetJustify(item, kADMCenterJustify);
            SetPointCountText(item, e.EditShape.PointCount);
            break;
        case kCanvasItem: sADMItem->SetMask(item, kMoveModeMask); break;
        case kNextPointItem:
        case kPreviousPointItem:
            sADMItem->SetPictureID(item, id == kNextPointItem ? kNextPicture : kPreviousPicture);
            sADMItem->SetSelectedPictureID(item, id == kNextPointItem ? kNextPressedPicture : kPreviousPressedPicture);
            sADMItem->SetBooleanValue(item, 0);
            break;
        case kPointNumberItem:
            sADMItem->SetJustify(item, kADMCenterJustify);
            sADMItem->SetUnits(item, kADMNoUnits);
            sADMItem->SetMinIntValue(item, 0);
            sADMItem->SetMaxIntValue(item, e.EditShape.PointCount - 1);
            sADMItem->SetIntValue(item, e.SelectedPoint);
            break;
        case kCancelItem: sADMItem->SetText(item, "Annuler"); break;
        case kDefaultItem: sADMItem->SetText(item, "Défaut"); break;
        case kOkItem:
            sADMItem->SetText(item, "OK");
            sADMItem->Enable(item, 1);
            break;
        default: return false;
    }
    return true;
}

int32_t ShownPointNumber(ADMItemRef anyItem, const PointEditorShape& shape) {
    const int32_t value = FieldInt32(SiblingItem(anyItem, kPointNumberItem), 0);
    return std::clamp<int32_t>(value, 0, std::clamp<int32_t>(shape.PointCount, 1, kShapeMaxPoints) - 1);
}

void EnableReplicaItems(ADMItemRef anyItem, int32_t count) {
    for (int32_t id : kReplicaItems) {
        if (ADMItemRef target = SiblingItem(anyItem, id)) sADMItem->Enable(target, count > 1 ? 1 : 0);
    }
}

void ArrowPreviousPointNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) StepPoint(item, gArrowEditor, -1);
}

void ArrowNextPointNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) StepPoint(item, gArrowEditor, 1);
}

void ArrowPointNumberNotify(ADMItemRef item, ADMNotifierRef notifier) {
    PointNumber(item, notifier, kArrowEditorLook);
}

void BezierPreviousPointNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) StepPoint(item, gBezierEditor, -1);
}

void BezierNextPointNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) StepPoint(item, gBezierEditor, 1);
}

void BezierPointNumberNotify(ADMItemRef item, ADMNotifierRef notifier) {
    PointNumber(item, notifier, kBezierEditorLook);
}

void BezierPointXNotify(ADMItemRef item, ADMNotifierRef notifier) { EditBezierAxis(item, notifier, true); }

void BezierPointYNotify(ADMItemRef item, ADMNotifierRef notifier) { EditBezierAxis(item, notifier, false); }

void BezierSelectAnchorNotify(ADMItemRef item, ADMNotifierRef notifier) {
    SelectBezierKind(item, notifier, SelectionKind::Anchor);
}

void BezierSelectInNotify(ADMItemRef item, ADMNotifierRef notifier) {
    SelectBezierKind(item, notifier, SelectionKind::InHandle);
}

void BezierSelectOutNotify(ADMItemRef item, ADMNotifierRef notifier) {
    SelectBezierKind(item, notifier, SelectionKind::OutHandle);
}

void BezierCornerButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    PointEditor& e = gBezierEditor;
    const int32_t point = ShownPointNumber(item, e.EditShape);
    e.PointIsCorner = e.PointIsCorner != 0 ? 0 : 1;
    ShapePointTables& p = e.EditShape.Points;
    if (e.PointIsCorner != 0) {
        MakeCorner(e.EditShape, point);
    } else {
        p.InX[point] = p.AnchorX[point] - kRoundHandleOffset;
        p.OutX[point] = p.AnchorX[point] + kRoundHandleOffset;
    }
    sADMItem->SetTipString(item, CornerButtonTip(e.PointIsCorner));
    sADMItem->Invalidate(item);
    InvalidateItems(item, {kCanvasItem, kBezierPreviewItem});
}

void ToggleEditorFlag(ADMItemRef item, ADMNotifierRef notifier, int32_t& flag, int32_t previewItem) {
    if (!IsUserChange(notifier)) return;
    flag = flag != 0 ? 0 : 1;
    sADMItem->Invalidate(item);
    InvalidateItems(item, {kCanvasItem, previewItem});
}

void BezierClosedNotify(ADMItemRef item, ADMNotifierRef notifier) {
    ToggleEditorFlag(item, notifier, gBezierEditor.EditShape.Closed, kBezierPreviewItem);
}

void BezierHollowNotify(ADMItemRef item, ADMNotifierRef notifier) {
    ToggleEditorFlag(item, notifier, gBezierEditor.EditShape.Hollow, kBezierPreviewItem);
}

void BezierDialogPictureNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t id = ItemId(item);
    for (const FocusPair& pair : kBezierFocusPairs) {
        if (pair.Button == id) FocusBezierDialogEdit(item, pair.Edit);
    }
}

void FocusBezierDialogEdit(ADMItemRef item, int32_t id) { FocusFigureDialogEdit(item, id); }

ADMBoolean BezierReplicaCountTrack(ADMItemRef item, ADMTrackerRef tracker) {
    ADMPoint point{0, 0};
    sADMTracker->GetPoint(tracker, &point);
    if (point.h >= 0 && point.h <= kReplicaDragWidth) {
        sADMBasic->SetPlatformCursor(ItemPlugin(item), kReplicaDragCursor);
        int32_t state = kADMMouseNotCaptured;
        sADMTracker->GetMouseState(tracker, &state);
        if (state == kADMMouseCaptured) {
            ADMBoolean control = 0;
            sADMTracker->TestModifier(tracker, kADMControlKeyModifier, &control);
            int32_t& count = gBezierEditReplicas.Count;
            int32_t& last = gDragValues.DragTrackY;
            if (control != 0) {
                count = 1;
            } else {
                count += static_cast<int64_t>(last - point.h) * point.h < 1 ? 1 : -1;
                last = point.h;
            }
            count = std::clamp<int32_t>(count, 1, kMaxBezierReplicas);
            EnableReplicaItems(item, count);
            sADMItem->Invalidate(item);
            InvalidateItems(item, {kBezierPreviewItem});
            if (ADMItemRef edit = SiblingItem(item, kReplicaCountItem)) {
                sADMItem->SetIntValue(edit, count);
                sADMItem->Activate(edit, 1);
            }
        }
    }
    ADMBoolean notify = 0;
    sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}
