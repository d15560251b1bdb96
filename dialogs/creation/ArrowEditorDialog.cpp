#include "dialogs/creation/ArrowEditorDialog.h"

#include <algorithm>

#include "dialogs/creation/PointEditorCanvas.h"
#include "dialogs/creation/PointEditorDialogs.h"
#include "dialogs/creation/PointEditorGrid.h"
#include "dialogs/creation/PointEditorItems.h"
#include "dialogs/creation/PointEditorTracker.h"
#include "frame/ArrowHeads.h"
#include "frame/ArrowTips.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

namespace {

enum ArrowEditorItem : int32_t {
    kXLabel = 180, kYLabel = 181, kSymmetryItem = 15, kPreviewItem = 16,
    kCancelButton = 2, kDefaultButton = 3, kOkButton = 1,
};

#define kCountTip "Nombre de points d'ancrage de la pointe (<21 et >1)."
#define kSymmetricTip "Déplacement symétrique des points."
#define kIndependentTip "Déplacement indépendant des points."
#define kOkTip "Validation de la nouvelle flèche préférée (Retour)."

constexpr const char* kPush = kADMPicturePushButtonType;

constexpr EditorItemSpec kArrowItems[] = {
    {kPointXItem, kADMSpinEditType, {30, 8, 95, 30}, kPointXTip, nullptr, PointXEditNotify, nullptr},
    {kXLabel, kPush, {2, 8, 28, 30}, kPointXTip, DrawNothing, ArrowEditorPictureNotify, nullptr},
    {kPointYItem, kADMSpinEditType, {110, 8, 175, 30}, kPointYTip, nullptr, PointYEditNotify, nullptr},
    {kYLabel, kPush, {96, 8, 108, 30}, kPointYTip, DrawNothing, ArrowEditorPictureNotify, nullptr},
    {kAnchorKindItem, kPush, {177, 14, 187, 24}, "Sélection d'un point de contrôle.", AnchorKindButtonDraw,
     SelectAnchorKindNotify, nullptr},
    {kLineStartKindItem, kPush, {290, 14, 300, 24}, "Sélection du point de début du trait de cote.",
     LineStartButtonDraw, SelectLineStartNotify, nullptr},
    {kInKindItem, kPush, {202, 8, 212, 18}, "Sélection d'un point de tangence In.", InHandleButtonDraw,
     SelectInHandleNotify, nullptr},
    {kOutKindItem, kPush, {202, 20, 212, 30}, "Sélection d'un point de tangence Out.", OutHandleButtonDraw,
     SelectOutHandleNotify, nullptr},
    {kGridPopupItem, kADMPopupListType, {310, 8, 490, 30}, "Choix du pas de la grille.", nullptr, GridPopupNotify,
     nullptr},
    {kMoveModeItem, kPush, {6, 35, 25, 54}, "Déplacer des points (avec ou sans Shift).", ModeButtonDraw,
     ModeButtonNotify, nullptr},
    {kAddDeleteModeItem, kPush, {6, 55, 25, 74}, "Ajouter ou supprimer des points.", ModeButtonDraw,
     ModeButtonNotify, nullptr},
    {kSymmetryItem, kPush, {6, 75, 25, 94}, nullptr, DrawNothing, SymmetryToggleNotify, nullptr},
    {kClosedItem, kPush, {6, 102, 25, 121}, "Ouvert ou fermé.", DrawNothing, ClosedToggleNotify, nullptr},
    {kHollowItem, kPush, {6, 122, 25, 141}, "Vide ou plein.", DrawNothing, HollowToggleNotify, nullptr},
    {kCornerItem, kPush, {6, 142, 25, 161}, nullptr, SmoothCornerButtonDraw, SmoothCornerNotify, nullptr},
    {kFirstTipItem, kPush, {6, 175, 25, 194}, "Pointe prédéfinie 1.", nullptr, ArrowTipPreset1Notify, nullptr},
    {kFirstTipItem + 1, kPush, {6, 195, 25, 214}, "Pointe prédéfinie 2.", nullptr, ArrowTipPreset2Notify, nullptr},
    {kFirstTipItem + 2, kPush, {6, 215, 25, 234}, "Pointe prédéfinie 3.", nullptr, ArrowTipPreset3Notify, nullptr},
    {kFirstTipItem + 3, kPush, {6, 235, 25, 254}, "Pointe prédéfinie 4.", nullptr, ArrowTipPreset4Notify, nullptr},
    {kFirstTipItem + 4, kPush, {6, 255, 25, 274}, "Pointe prédéfinie 5.", nullptr, ArrowTipPreset5Notify, nullptr},
    {kFirstTipItem + 5, kPush, {6, 275, 25, 294}, "Pointe prédéfinie 6.", nullptr, ArrowTipPreset6Notify, nullptr},
    // The count text between the canvas and the preview strip, each clear of the other.
    {kPointCountItem, kADMTextStaticType, {210, 296, 290, 312}, kCountTip, nullptr, nullptr, nullptr},
    {kPreviewItem, kADMPictureStaticType, {30, 312, 490, 340}, nullptr, ArrowPreviewDraw, nullptr, nullptr},
    {kCanvasItem, kPush, {30, 35, 490, 295}, nullptr, ArrowEditorCanvasDraw, nullptr, ArrowEditorCanvasTrack},
    {kNextPointItem, kPush, {264, 14, 277, 25}, "Modifier le point suivant.", nullptr, ArrowNextPointNotify, nullptr},
    {kPreviousPointItem, kPush, {223, 14, 236, 25}, "Modifier le point précédent.", nullptr, ArrowPreviousPointNotify,
     nullptr},
    {kPointNumberItem, kADMTextEditType, {238, 8, 262, 30}, kCountTip, nullptr, ArrowPointNumberNotify, nullptr},
    {kCancelButton, kADMTextPushButtonType, {10, 342, 78, 362}, "Aucune modification (Esc).", nullptr,
     ArrowEditorCancel, nullptr},
    {kDefaultButton, kADMTextPushButtonType, {218, 342, 290, 362}, "Retour à la flèche préférée précédente.", nullptr,
     ArrowEditorDefault, nullptr},
    {kOkButton, kADMTextPushButtonType, {431, 342, 489, 362}, kOkTip, nullptr, ArrowEditorOk, nullptr},
};

// The ranges and steps of the position edits, in shape units.
constexpr float kMinX = -6.0f, kMaxX = 16.0f, kMinY = -6.0f, kMaxY = 6.0f;
constexpr float kPositionSmallStep = 0.1f, kPositionLargeStep = 1.0f;
// Pictures of the tips; icons of the states.
constexpr int32_t kFirstTipPicture = 1050;
constexpr int32_t kOpenIcon = 1121, kClosedIcon = 1122, kFilledIcon = 1123, kHollowIcon = 1124;
constexpr int32_t kIndependentIcon = 1125, kSymmetricIcon = 1126;
// The handles of a point made smooth lie one unit from its anchor.
constexpr float kSmoothHandleOffset = 1.0f;
constexpr ADMRGBColor kArrowSelectionColour{0x4EFF, 0x7FFF, 0xFFFF};

PointEditor& E() { return gArrowEditor; }
PointEditorShape& Shape() { return gArrowEditor.EditShape; }

// The working shape from the preferred arrow: its count, points, flags, line start and symmetric moves.
void LoadPreferredIntoWorking() {
    const PreferredArrow& preferred = gSettings.PreferredArrowShape;
    PointEditorShape& s = Shape();
    s.PointCount = ClampedPointCount(preferred.PointCount);
    CopyShapePoints(preferred.Points, s.Points, s.PointCount);
    s.Closed = preferred.Closed != 0 ? 1 : 0;
    s.Hollow = preferred.Hollow != 0 ? 1 : 0;
    s.LineStartX = SettingAsFloat(preferred.LineStartX);
    s.LineStartY = 0.0f;  // the line start stays on the axis
    gPointEditorModes.SymmetricMoves = preferred.Symmetric != 0 ? 1 : 0;
}

// The stepping items and the Y edit, which the line start does not use: it stays on the axis.
void EnableStepping(ADMItemRef item, bool enable) {
    for (int32_t id : {kNextPointItem, kPreviousPointItem, kPointNumberItem, kPointYItem}) {
        if (ADMItemRef stepping = SiblingItem(item, id)) sADMItem->Enable(stepping, enable ? 1 : 0);
    }
}

// After the shape changed wholesale: anchor 0 selected and shown, the count and the number's range shown.
void ShowPointZero(ADMItemRef item) {
    PointEditor& e = E();
    e.SelectedPoint = 0;
    ShowSelectedPosition(item, e);
    if (ADMItemRef count = SiblingItem(item, kPointCountItem)) SetPointCountText(count, e.EditShape.PointCount);
    if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) {
        sADMItem->SetMinIntValue(number, 0);
        sADMItem->SetMaxIntValue(number, e.EditShape.PointCount - 1);
        sADMItem->SetIntValue(number, 0);
    }
    EnableStepping(item, true);
}

void SetUpItem(ADMItemRef item, int32_t id) {
    if (SetUpSharedEditorItem(item, id, E())) return;
    switch (id) {
        case kPointXItem:
        case kPointYItem:
            sADMItem->SetUnits(item, kADMPointUnits);
            sADMItem->SetSmallIncrement(item, kPositionSmallStep);
            sADMItem->SetLargeIncrement(item, kPositionLargeStep);
            sADMItem->SetMinFloatValue(item, id == kPointXItem ? kMinX : kMinY);
            sADMItem->SetMaxFloatValue(item, id == kPointXItem ? kMaxX : kMaxY);
            sADMItem->SetFloatValue(item, id == kPointXItem ? Shape().Points.AnchorX[0] : Shape().Points.AnchorY[0]);
            BoundFieldTo(item, id == kPointXItem ? kArrowPointKeys.RangeX : kArrowPointKeys.RangeY);
            break;
        case kSymmetryItem:
            sADMItem->SetBooleanValue(item, gPointEditorModes.SymmetricMoves);
            sADMItem->SetTipString(item, gPointEditorModes.SymmetricMoves != 0 ? kSymmetricTip : kIndependentTip);
            break;
        default:
            if (id >= kFirstTipItem && id < kFirstTipItem + kPredefinedTipCount)
                sADMItem->SetPictureID(item, kFirstTipPicture + (id - kFirstTipItem));
            break;
    }
}

// A position edit changed the selected element on one axis, mirrored in symmetric mode.
void EditPosition(ADMItemRef item, ADMNotifierRef notifier, bool horizontal) {
    if (!IsUserChange(notifier)) return;
    PointEditor& e = E();
    const Selection s = DecodeSelection(e.SelectedPoint, Shape().PointCount);
    if (s.Kind == SelectionKind::None) return;
    const EditorPoint now = SelectedPosition(Shape(), e.SelectedPoint);
    const RealRange& range = horizontal ? kArrowPointKeys.RangeX : kArrowPointKeys.RangeY;
    const auto v = static_cast<float>(TakenFieldValue(item, horizontal ? now.x : now.y, range));
    PlaceSelection(Shape(), e.SelectedPoint, horizontal ? v : now.x, horizontal ? now.y : v);
    if (s.Kind == SelectionKind::InHandle || s.Kind == SelectionKind::OutHandle) UpdateCornerFlag(item, e, s.Point);
    if (s.Kind != SelectionKind::LineStart && gPointEditorModes.SymmetricMoves != 0) {
        MirrorSelection(Shape(), e.SelectedPoint, horizontal, !horizontal);
        if (!horizontal && s.Kind == SelectionKind::Anchor && OnMirrorAxis(s.Point, Shape().PointCount))
            sADMItem->SetFloatValue(item, 0.0f);
    }
    InvalidateItems(item, {kCornerItem, kCanvasItem, kPreviewItem});
}

// A selection-kind button: the new selection, shown, with the stepping items enabled or not.
void SelectKind(ADMItemRef item, ADMNotifierRef notifier, SelectionKind kind) {
    if (!IsUserChange(notifier)) return;
    PointEditor& e = E();
    const int32_t n = Shape().PointCount;
    if (kind == SelectionKind::LineStart) {
        e.SelectedPoint = kLineStartSelection;
    } else if (e.SelectedPoint == kLineStartSelection) {
        e.SelectedPoint = EncodeSelection(kind, 0);
        if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) sADMItem->SetIntValue(number, 0);
    } else {
        e.SelectedPoint = KindSelection(e.SelectedPoint, kind, n);
    }
    InvalidateItems(item, {kCanvasItem});
    ShowSelectedPosition(item, e);
    EnableStepping(item, kind != SelectionKind::LineStart);
    InvalidateItems(item, {kAnchorKindItem, kInKindItem, kOutKindItem, kLineStartKindItem});
}

void ToggleShapeFlag(ADMItemRef item, ADMNotifierRef notifier, int32_t& flag) {
    ToggleEditorFlag(item, notifier, flag, kPreviewItem);
}

void StoreAndWrite() {
    const PointEditorShape& s = Shape();
    PreferredArrow& preferred = gSettings.PreferredArrowShape;
    preferred.PointCount = ClampedPointCount(s.PointCount);
    WriteIntegerPreference("NbPtsFlEdit", preferred.PointCount);
    preferred.Closed = s.Closed;
    WriteBooleanPreference("FouOEdit", preferred.Closed);
    preferred.Hollow = s.Hollow;
    WriteBooleanPreference("CouPEdit", preferred.Hollow);
    preferred.Symmetric = gPointEditorModes.SymmetricMoves;
    WriteBooleanPreference("SymetriEdit", preferred.Symmetric);
    preferred.LineStartX = s.LineStartX;
    WriteRealPreference("DebEditSegX", preferred.LineStartX);
    preferred.LineStartY = 0.0;
    WriteRealPreference("DebEditSegY", preferred.LineStartY);
    CopyShapePoints(s.Points, preferred.Points, preferred.PointCount);
    WritePointPreferences(kArrowPointKeys, preferred.Points, preferred.PointCount);
}

void TipNotify(ADMItemRef item, ADMNotifierRef notifier, int32_t index) {
    if (IsUserChange(notifier)) LoadArrowTip(item, index);
}

}  // namespace

void OpenArrowEditorDialog() {
    RunPointEditorDialog(kArrowEditorName, kArrowEditorDialogID, ArrowEditorInit, gDialogOpenFlags.ArrowEditorOpen);
}

ASErr ArrowEditorInit(ADMDialogRef dialog) {
    PlacePointEditorDialog(dialog, kArrowEditorTitle, ArrowEditorDraw, gDialogPositions.ArrowEditorBounds,
                           kArrowEditorWidth, kArrowEditorHeight);
    PointEditor& e = E();
    e.SelectionColour = kArrowSelectionColour;
    e.GridColour = ReadHostGridColour();
    LoadPreferredIntoWorking();
    e.SelectedPoint = 0;
    e.PointIsCorner = IsCornerPoint(Shape(), 0) ? 1 : 0;
    for (const EditorItemSpec& desc : kArrowItems) {
        if (ADMItemRef item = CreateEditorItem(dialog, desc)) SetUpItem(item, desc.ID);
    }
    for (int32_t id : {kPointXItem, kPointYItem, kNextPointItem, kPreviousPointItem, kPointNumberItem}) {
        if (ADMItemRef item = FigureDialogItemOf(dialog, id)) sADMItem->Enable(item, 1);
    }
    gPointEditorModes.PickOnNextDrag = 1;
    gDialogOpenFlags.ArrowEditorOpen = 1;
    return kNoErr;
}

void ArrowEditorDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    DrawPointEditorLegends(drawer);
    SPPluginRef plugin = nullptr;
    sADMDialog->GetPluginRef(dialog, &plugin);
    DrawPluginIcon(drawer, plugin, gPointEditorModes.SymmetricMoves != 0 ? kSymmetricIcon : kIndependentIcon, 6, 75);
    DrawPluginIcon(drawer, plugin, Shape().Closed != 0 ? kClosedIcon : kOpenIcon, 6, 102);
    DrawPluginIcon(drawer, plugin, Shape().Hollow != 0 ? kHollowIcon : kFilledIcon, 6, 122);
}

void PointXEditNotify(ADMItemRef item, ADMNotifierRef notifier) { EditPosition(item, notifier, true); }

void PointYEditNotify(ADMItemRef item, ADMNotifierRef notifier) { EditPosition(item, notifier, false); }

void ArrowEditorPictureNotify(ADMItemRef item, ADMNotifierRef) {
    FocusArrowEditorEdit(item, ItemId(item) == kXLabel ? kPointXItem : kPointYItem);
}

void FocusArrowEditorEdit(ADMItemRef item, int32_t id) { FocusFigureDialogEdit(item, id); }

void SelectAnchorKindNotify(ADMItemRef item, ADMNotifierRef notifier) { SelectKind(item, notifier, SelectionKind::Anchor); }
void SelectInHandleNotify(ADMItemRef item, ADMNotifierRef notifier) { SelectKind(item, notifier, SelectionKind::InHandle); }
void SelectOutHandleNotify(ADMItemRef item, ADMNotifierRef notifier) { SelectKind(item, notifier, SelectionKind::OutHandle); }
void SelectLineStartNotify(ADMItemRef item, ADMNotifierRef notifier) { SelectKind(item, notifier, SelectionKind::LineStart); }

void AnchorKindButtonDraw(ADMItemRef, ADMDrawerRef drawer) {
    const int16_t code = E().SelectedPoint;
    DrawKindButton(drawer, code < 199 && code != kLineStartSelection, true);
}
void InHandleButtonDraw(ADMItemRef, ADMDrawerRef drawer) {
    const int16_t code = E().SelectedPoint;
    DrawKindButton(drawer, code >= kInHandleBase && code <= 398, false);
}
void OutHandleButtonDraw(ADMItemRef, ADMDrawerRef drawer) { DrawKindButton(drawer, E().SelectedPoint >= kOutHandleBase, false); }
void LineStartButtonDraw(ADMItemRef, ADMDrawerRef drawer) { DrawKindButton(drawer, E().SelectedPoint == kLineStartSelection, true); }

void GridPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) ChooseGridEntry(item, E(), kArrowEditorLook.Mapping.PixelsPerUnit);
}

void SymmetryToggleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    int32_t& symmetric = gPointEditorModes.SymmetricMoves;
    symmetric = symmetric != 0 ? 0 : 1;
    sADMItem->SetTipString(item, symmetric != 0 ? kSymmetricTip : kIndependentTip);
    sADMItem->Invalidate(item);
}

void ClosedToggleNotify(ADMItemRef item, ADMNotifierRef notifier) { ToggleShapeFlag(item, notifier, Shape().Closed); }
void HollowToggleNotify(ADMItemRef item, ADMNotifierRef notifier) { ToggleShapeFlag(item, notifier, Shape().Hollow); }

void SmoothCornerButtonDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawCornerButton(item, drawer, E()); }

void SmoothCornerNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMItemRef number = SiblingItem(item, kPointNumberItem);
    ADMBoolean enabled = 0;
    if (number == nullptr || sADMItem->IsEnabled(number, &enabled) != kNoErr || enabled == 0) return;
    PointEditor& e = E();
    PointEditorShape& s = Shape();
    const int32_t n = s.PointCount;
    const int32_t k = ShownPointNumber(item, s);
    const bool symmetric = gPointEditorModes.SymmetricMoves != 0;
    const bool axisAnchor = e.SelectedPoint < n && OnMirrorAxis(e.SelectedPoint, n);
    const int32_t partner = MirrorPartner(k, n);
    ShapePointTables& p = s.Points;
    e.PointIsCorner = e.PointIsCorner != 0 ? 0 : 1;
    if (e.PointIsCorner != 0) {
        MakeCorner(s, k);
        if (symmetric && !axisAnchor && k >= 1) MakeCorner(s, partner);
    } else if (symmetric && axisAnchor) {
        p.InY[k] = p.AnchorY[k] - kSmoothHandleOffset;
        p.OutY[k] = p.AnchorY[k] + kSmoothHandleOffset;
    } else {
        p.InX[k] = p.AnchorX[k] + kSmoothHandleOffset;
        p.OutX[k] = p.AnchorX[k] - kSmoothHandleOffset;
        if (symmetric && k >= 1) {
            p.InX[partner] = p.AnchorX[partner] - kSmoothHandleOffset;
            p.OutX[partner] = p.AnchorX[partner] + kSmoothHandleOffset;
        }
    }
    sADMItem->SetTipString(item, CornerButtonTip(e.PointIsCorner));
    sADMItem->Invalidate(item);
    InvalidateItems(item, {kCanvasItem, kPreviewItem});
}

void LoadArrowTip(ADMItemRef item, int32_t index) {
    if (index < 0 || index >= kPredefinedTipCount) return;
    const ArrowTip& tip = kPredefinedArrowTips[index];
    PointEditorShape& s = Shape();
    gPointEditorModes.SymmetricMoves = 1;
    s.Closed = 1;
    s.Hollow = 0;
    s.LineStartX = tip.LineStartX;
    s.LineStartY = 0.0f;
    s.PointCount = ClampedPointCount(tip.PointCount);
    for (int32_t i = 0; i < s.PointCount && i < kMaxTipPoints; ++i) {
        const ArrowTipPoint& p = tip.Points[i];
        s.Points.AnchorX[i] = p.AnchorX;
        s.Points.AnchorY[i] = p.AnchorY;
        s.Points.InX[i] = p.InX;
        s.Points.InY[i] = p.InY;
        s.Points.OutX[i] = p.OutX;
        s.Points.OutY[i] = p.OutY;
    }
    ShowPointZero(item);
    UpdateCornerFlag(item, E(), 0);
    if (ADMItemRef symmetry = SiblingItem(item, kSymmetryItem)) sADMItem->SetTipString(symmetry, kSymmetricTip);
    InvalidateItems(item, {kCanvasItem, kPreviewItem, kClosedItem, kHollowItem, kSymmetryItem, kAnchorKindItem,
                           kInKindItem, kOutKindItem, kLineStartKindItem, kCornerItem});
}

void ArrowTipPreset1Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 0); }
void ArrowTipPreset2Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 1); }
void ArrowTipPreset3Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 2); }
void ArrowTipPreset4Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 3); }
void ArrowTipPreset5Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 4); }
void ArrowTipPreset6Notify(ADMItemRef item, ADMNotifierRef notifier) { TipNotify(item, notifier, 5); }

void ArrowEditorOk(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    RememberItemDialogBounds(item, gDialogPositions.ArrowEditorBounds);
    StoreAndWrite();
    if (gCurrentOptions.ArrowPreset == kCustomArrowPreset && gCurrentOptions.ArrowHeads != 0)
        LoadCustomArrow();
    gDialogOpenFlags.ArrowEditorOpen = 0;
}

void ArrowEditorCancel(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    gDialogOpenFlags.ArrowEditorOpen = 0;
    RememberItemDialogBounds(item, gDialogPositions.ArrowEditorBounds);
}

void ArrowEditorDefault(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    LoadPreferredIntoWorking();
    if (ADMItemRef popup = SiblingItem(item, kGridPopupItem)) ResetGridPopup(popup, E());
    ShowPointZero(item);
    InvalidateItems(item, {kCanvasItem, kPreviewItem, kClosedItem, kSymmetryItem, kHollowItem});
}
