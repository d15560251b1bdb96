#include "dialogs/creation/BezierCreationDialog.h"

#include <algorithm>

#include "dialogs/creation/BezierPresets.h"
#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/PointEditorCanvas.h"
#include "dialogs/creation/PointEditorDialogs.h"
#include "dialogs/creation/PointEditorGrid.h"
#include "dialogs/creation/PointEditorItems.h"
#include "dialogs/creation/PointEditorTracker.h"
#include "dimension/CurrentDimension.h"
#include "figures/BezierFigure.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ArtSuite.h"
#include "host/LayerSuite.h"
#include "panel/UnitPopups.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "resources/ResourceIds.h"

namespace {

// The range of the rotation and offset edits.
constexpr float kReplicaLimit = 359.989990234375f;

enum BezierDialogItem : int32_t {
    kXLabel = 180, kYLabel = 181, kRotationEdit = 283, kRotationLabel = 284, kOffsetHEdit = 285,
    kOffsetHLabel = 286, kOffsetVEdit = 287, kOffsetVLabel = 288, kScaleEdit = 291, kScaleLabel = 292,
    kCancelButton = 2, kDefaultButton = 3, kOkButton = 1,
};

#define kCountTip "Nombre de répétions de la courbe de Bézier (de 1 à 24)."
#define kRotationTip "Angle de rotation des répliques."
#define kOffsetHTip "Décalage horizontal des répliques."
#define kOffsetVTip "Décalage vertical des répliques."
#define kScaleTip "Facteur de grossissement ou de réduction des répliques."

constexpr const char* kPush = kADMPicturePushButtonType;
constexpr const char* kSpin = kADMSpinEditType;

// Every item in the order it is made.
constexpr EditorItemSpec kBezierItems[] = {
    {kPointXItem, kSpin, {30, 8, 95, 30}, kPointXTip, nullptr, BezierPointXNotify, nullptr},
    {kXLabel, kPush, {2, 8, 28, 30}, kPointXTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kPointYItem, kSpin, {110, 8, 175, 30}, kPointYTip, nullptr, BezierPointYNotify, nullptr},
    {kYLabel, kPush, {96, 8, 108, 30}, kPointYTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kAnchorKindItem, kPush, {177, 14, 187, 24}, "Sélection d'un point de contrôle.", BezierSelectAnchorDraw,
     BezierSelectAnchorNotify, nullptr},
    {kInKindItem, kPush, {202, 8, 212, 18}, "Sélection d'un point de tangence In.", BezierSelectInDraw,
     BezierSelectInNotify, nullptr},
    {kOutKindItem, kPush, {202, 20, 212, 30}, "Sélection d'un point de tangence Out.", BezierSelectOutDraw,
     BezierSelectOutNotify, nullptr},
    {kGridPopupItem, kADMPopupListType, {410, 8, 610, 30}, "Choix du pas de la grille.", nullptr,
     BezierGridPopupNotify, nullptr},
    {kPointNumberItem, kADMTextEditType, {238, 8, 262, 30}, nullptr, nullptr, BezierPointNumberNotify, nullptr},
    {kMoveModeItem, kADMPictureRadioButtonType, {6, 35, 25, 54}, "Déplacer des points (avec ou sans Shift).",
     ModeButtonDraw, ModeButtonNotify, nullptr},
    {kAddDeleteModeItem, kADMPictureRadioButtonType, {6, 57, 25, 76}, "Ajouter ou supprimer des points.",
     ModeButtonDraw, ModeButtonNotify, nullptr},
    {kClosedItem, kPush, {6, 112, 25, 131}, "Ouvert ou fermé.", DrawNothing, BezierClosedNotify, nullptr},
    {kHollowItem, kPush, {6, 134, 25, 153}, "Vide ou plein.", DrawNothing, BezierHollowNotify, nullptr},
    {kCornerItem, kPush, {6, 156, 25, 175}, nullptr, BezierCornerButtonDraw, BezierCornerButtonNotify, nullptr},
    {kCanvasItem, kPush, {30, 35, 610, 415}, nullptr, BezierCanvasDraw, nullptr, BezierCanvasTrack},
    {kNextPointItem, kPush, {264, 14, 277, 25}, "Modifier le point suivant.", nullptr, BezierNextPointNotify, nullptr},
    {kPreviousPointItem, kPush, {223, 14, 236, 25}, "Modifier le point précédent.", nullptr,
     BezierPreviousPointNotify, nullptr},
    {kReplicaCountItem, kSpin, {62, 420, 127, 442}, kCountTip, nullptr, BezierReplicaCountNotify, nullptr},
    {kReplicaCountDragItem, kPush, {2, 420, 60, 442}, kCountTip, DrawNothing, nullptr, BezierReplicaCountTrack},
    {kRotationEdit, kSpin, {153, 420, 218, 442}, kRotationTip, nullptr, BezierReplicaRotationNotify, nullptr},
    {kRotationLabel, kPush, {128, 420, 151, 442}, kRotationTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kOffsetHEdit, kSpin, {243, 420, 308, 442}, kOffsetHTip, nullptr, BezierReplicaOffsetHNotify, nullptr},
    {kOffsetHLabel, kPush, {219, 420, 242, 442}, kOffsetHTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kOffsetVEdit, kSpin, {336, 420, 401, 442}, kOffsetVTip, nullptr, BezierReplicaOffsetVNotify, nullptr},
    {kOffsetVLabel, kPush, {309, 420, 334, 442}, kOffsetVTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kScaleEdit, kSpin, {429, 420, 494, 442}, kScaleTip, nullptr, BezierReplicaScaleNotify, nullptr},
    {kScaleLabel, kPush, {402, 420, 427, 442}, kScaleTip, DrawNothing, BezierDialogPictureNotify, nullptr},
    {kBezierPreviewItem, kADMPictureStaticType, {500, 420, 600, 520}, nullptr, BezierPreviewDraw, nullptr, nullptr},
    {kPointCountItem, kADMTextStaticType, {280, 445, 360, 463}, "Nombre de points de la courbe de Bézier.", nullptr,
     nullptr, nullptr},
    {kFirstPresetItem, kPush, {6, 283, 25, 302}, "Courbe prédéfinie 1.", nullptr, BezierPreset1Notify, nullptr},
    {kFirstPresetItem + 1, kPush, {6, 305, 25, 324}, "Courbe prédéfinie 2.", nullptr, BezierPreset2Notify, nullptr},
    {kFirstPresetItem + 2, kPush, {6, 327, 25, 346}, "Courbe prédéfinie 3.", nullptr, BezierPreset3Notify, nullptr},
    {kFirstPresetItem + 3, kPush, {6, 349, 25, 368}, "Courbe prédéfinie 4.", nullptr, BezierPreset4Notify, nullptr},
    {kFirstPresetItem + 4, kPush, {6, 371, 25, 390}, "Courbe prédéfinie 5.", nullptr, BezierPreset5Notify, nullptr},
    {kFirstPresetItem + 5, kPush, {6, 393, 25, 412}, "Courbe prédéfinie 6.", nullptr, BezierPreset6Notify, nullptr},
    {kCancelButton, kADMTextPushButtonType, {10, 527, 78, 547}, "Aucune modification (Esc).", nullptr,
     BezierDialogCancel, nullptr},
    {kDefaultButton, kADMTextPushButtonType, {278, 527, 350, 547}, "Retour aux valeurs par défaut.", nullptr,
     BezierDialogDefault, nullptr},
    {kOkButton, kADMTextPushButtonType, {551, 527, 609, 547}, "Validation des nouveaux réglages (Retour).", nullptr,
     BezierDialogOk, nullptr},
};

// The pictures of the presets.
constexpr int32_t kFirstPresetPicture = 1129;
// The mask of the replica-count drag control.
constexpr int32_t kReplicaDragMask = 0x20046;
// The colour that selects on the canvas when the layer gives none.
constexpr ADMRGBColor kDefaultSelectionColour{0x4EFF, 0x7FFF, 0xFFFF};

// Puts the stored curve into the working shape: the count, and the points below it.
void LoadWorkingShape() {
    PointEditorShape& e = gBezierEditor.EditShape;
    const BezierCurveShape& stored = gSettings.BezierShape;
    e.PointCount = ClampedPointCount(stored.PointCount);
    CopyShapePoints(stored.Points, e.Points, e.PointCount);
}

void LoadWorkingReplicas() {
    const BezierReplicaSteps& s = gSettings.BezierReplicas;
    BezierReplicaEdit& w = gBezierEditReplicas;
    w.Count = std::clamp<int32_t>(s.Count, 1, kMaxBezierReplicas);
    w.RotationStep = s.RotationStep;
    w.HorizontalStep = s.HorizontalStep;
    w.VerticalStep = s.VerticalStep;
    w.ScaleStep = s.ScaleStep;
}

// The colour of the layer that holds the current dimension; the default selection colour when none is known.
ADMRGBColor LayerColour() {
    const CurrentDimension& d = gCurrentDimension;
    if (!IsLiveArt(d.DimensionGroup)) return kDefaultSelectionColour;
    AILayerHandle layer = nullptr;
    AIArtHandle holder = IsLiveArt(d.DimensionLines[0]) ? d.DimensionLines[0] : d.DimensionGroup;
    AIRGBColor colour;
    if (sAIArt->GetLayerOfArt(holder, &layer) != kNoErr || layer == nullptr ||
        sAILayer->GetLayerColor(layer, &colour) != kNoErr)
        return kDefaultSelectionColour;
    return ADMRGBColor{colour.red, colour.green, colour.blue};
}

void SetPointCornerFlagFromPointZero() {
    gBezierEditor.PointIsCorner = IsCornerPoint(gBezierEditor.EditShape, 0) ? 1 : 0;
}

void SetupSpin(ADMItemRef item, int32_t units, float small, float large) {
    sADMItem->SetUnits(item, units);
    sADMItem->SetSmallIncrement(item, small);
    sADMItem->SetLargeIncrement(item, large);
}

void SetRange(ADMItemRef item, float minimum, float maximum) {
    sADMItem->SetMinFloatValue(item, minimum);
    sADMItem->SetMaxFloatValue(item, maximum);
}

// The values and looks of one item, set just after it is made.
void SetUpItem(ADMItemRef item, int32_t id) {
    PointEditor& e = gBezierEditor;
    if (SetUpSharedEditorItem(item, id, e)) return;
    BezierReplicaEdit& r = gBezierEditReplicas;
    switch (id) {
        case kPointXItem:
        case kPointYItem:
            SetupSpin(item, kADMPointUnits, 1.0f, 10.0f);
            sADMItem->SetFloatValue(item, id == kPointXItem ? e.EditShape.Points.AnchorX[0] : e.EditShape.Points.AnchorY[0]);
            BoundFieldTo(item, id == kPointXItem ? kBezierPointKeys.RangeX : kBezierPointKeys.RangeY);
            break;
        case kReplicaCountItem:
            SetupSpin(item, kADMNoUnits, 1.0f, 3.0f);
            sADMItem->SetMinIntValue(item, 1);
            sADMItem->SetMaxIntValue(item, kMaxBezierReplicas);
            r.Count = std::clamp<int32_t>(gSettings.BezierReplicas.Count, 1, kMaxBezierReplicas);
            sADMItem->SetIntValue(item, r.Count);
            break;
        case kReplicaCountDragItem: sADMItem->SetMask(item, kReplicaDragMask); break;
        case kRotationEdit:
            // No bounds: a rotation beyond a turn is taken within one when read.
            SetupSpin(item, kADMDegreeUnits, 1.0f, 10.0f);
            BoundFieldToSetting(item, "RotRepBez");
            r.RotationStep = gSettings.BezierReplicas.RotationStep;
            sADMItem->SetFloatValue(item, ReplicaRotationDegrees(r.RotationStep));
            break;
        case kOffsetHEdit:
        case kOffsetVEdit: {
            SetFieldUnits(item);
            SetRange(item, -kReplicaLimit, kReplicaLimit);
            BoundFieldToSetting(item, id == kOffsetHEdit ? "DecalHBez" : "DecalVBez");
            double& step = id == kOffsetHEdit ? r.HorizontalStep : r.VerticalStep;
            step = id == kOffsetHEdit ? gSettings.BezierReplicas.HorizontalStep : gSettings.BezierReplicas.VerticalStep;
            sADMItem->SetFloatValue(item, static_cast<float>(step));
            break;
        }
        case kScaleEdit:
            SetupSpin(item, kADMNoUnits, 0.01f, 0.1f);
            r.ScaleStep = gSettings.BezierReplicas.ScaleStep;
            sADMItem->SetFloatValue(item, static_cast<float>(r.ScaleStep));
            BoundFieldToSetting(item, "GrosReducBez");
            break;
        default:
            if (id >= kFirstPresetItem && id < kFirstPresetItem + kBezierPresetCount)
                sADMItem->SetPictureID(item, kFirstPresetPicture + (id - kFirstPresetItem));
            break;
    }
}

void StoreAndWrite() {
    const PointEditorShape& e = gBezierEditor.EditShape;
    const BezierReplicaEdit& r = gBezierEditReplicas;
    BezierCurveShape& shape = gSettings.BezierShape;
    BezierReplicaSteps& steps = gSettings.BezierReplicas;
    shape.PointCount = ClampedPointCount(e.PointCount);
    WriteIntegerPreference("NbPtsBez", shape.PointCount);
    shape.Closed = e.Closed;
    WriteBooleanPreference("FouOBez", shape.Closed);
    shape.Hollow = e.Hollow;
    WriteBooleanPreference("CouPBez", shape.Hollow);
    steps.Count = HeldToSetting("RepBez", std::clamp<int32_t>(r.Count, 1, kMaxBezierReplicas));
    WriteIntegerPreference("RepBez", steps.Count);
    steps.RotationStep = HeldToSetting("RotRepBez", r.RotationStep);
    WriteRealPreference("RotRepBez", steps.RotationStep);
    steps.HorizontalStep = HeldToSetting("DecalHBez", r.HorizontalStep);
    WriteRealPreference("DecalHBez", steps.HorizontalStep);
    steps.VerticalStep = HeldToSetting("DecalVBez", r.VerticalStep);
    WriteRealPreference("DecalVBez", steps.VerticalStep);
    steps.ScaleStep = HeldToSetting("GrosReducBez", r.ScaleStep);
    WriteRealPreference("GrosReducBez", steps.ScaleStep);
    CopyShapePoints(e.Points, shape.Points, shape.PointCount);
    WritePointPreferences(kBezierPointKeys, shape.Points, shape.PointCount);
}

void DefaultNotify(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->DefaultNotify(item, notifier); }

// A replica edit the user changed: its value becomes the working step, and the preview is redrawn.
void TakeReplicaStep(ADMItemRef item, ADMNotifierRef notifier, const char* key, double& step) {
    if (!IsUserChange(notifier)) return;
    step = TakenSettingValue(item, step, key);
    InvalidateItems(item, {kBezierPreviewItem});
}

}  // namespace

float ReplicaRotationDegrees(double radians) { return static_cast<float>(FieldOfDirection("RotRepBez", radians)); }

void OpenBezierCreationDialog() {
    RunPointEditorDialog(kBezierDialogName, kBezierCreationDialogID, BezierDialogInit,
                         gDialogOpenFlags.BezierDialogOpen);
}

ASErr BezierDialogInit(ADMDialogRef dialog) {
    DragValues& d = gDragValues;
    d.CreatedBezierRotation = 0.0f;
    d.CreatedBezierScaleX = 1.0;
    d.CreatedBezierScaleY = 1.0;
    gBezierEditReplicas.Count = 1;
    LoadWorkingShape();
    PlacePointEditorDialog(dialog, kBezierDialogTitle, BezierDialogDraw, gDialogPositions.BezierDialogBounds,
                           kBezierDialogWidth, kBezierDialogHeight);
    gBezierEditor.SelectionColour = LayerColour();
    gBezierEditor.GridColour = ReadHostGridColour();
    gBezierEditor.SelectedPoint = 0;
    PointEditorShape& shape = gBezierEditor.EditShape;
    shape.Closed = gSettings.BezierShape.Closed != 0 ? 1 : 0;
    shape.Hollow = gSettings.BezierShape.Hollow != 0 ? 1 : 0;
    SetPointCornerFlagFromPointZero();
    gPointEditorModes.PickOnNextDrag = 1;
    for (const EditorItemSpec& desc : kBezierItems) {
        if (ADMItemRef item = CreateEditorItem(dialog, desc)) SetUpItem(item, desc.ID);
    }
    EnableReplicaItems(FigureDialogItemOf(dialog, kOkButton), gBezierEditReplicas.Count);
    gDialogOpenFlags.BezierDialogOpen = 1;
    return kNoErr;
}

void BezierReplicaCountNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t count = HeldIntegerOf("RepBez", FieldReal(item, gBezierEditReplicas.Count));
    gBezierEditReplicas.Count = std::clamp<int32_t>(count, 1, kMaxBezierReplicas);
    ShowWholeNumber(item, gBezierEditReplicas.Count);
    EnableReplicaItems(item, gBezierEditReplicas.Count);
    InvalidateItems(item, {kBezierPreviewItem});
}

void BezierReplicaRotationNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    // Enter with nothing typed keeps the step in force; a new one is taken within a turn and shown as taken.
    const float shown = ReplicaRotationDegrees(gBezierEditReplicas.RotationStep);
    const double degrees = KeptFieldValue(item, shown);
    if (degrees != static_cast<double>(shown)) {
        gBezierEditReplicas.RotationStep = DirectionOfField("RotRepBez", degrees);
        const float taken = ReplicaRotationDegrees(gBezierEditReplicas.RotationStep);
        if (static_cast<double>(taken) != degrees) sADMItem->SetFloatValue(item, taken);
    }
    InvalidateItems(item, {kBezierPreviewItem});
}

void BezierReplicaOffsetHNotify(ADMItemRef item, ADMNotifierRef notifier) {
    TakeReplicaStep(item, notifier, "DecalHBez", gBezierEditReplicas.HorizontalStep);
}

void BezierReplicaOffsetVNotify(ADMItemRef item, ADMNotifierRef notifier) {
    TakeReplicaStep(item, notifier, "DecalVBez", gBezierEditReplicas.VerticalStep);
}

void BezierReplicaScaleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    TakeReplicaStep(item, notifier, "GrosReducBez", gBezierEditReplicas.ScaleStep);
}

void BezierGridPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (IsUserChange(notifier)) ChooseGridEntry(item, gBezierEditor, kBezierEditorLook.Mapping.PixelsPerUnit);
}

void BezierDialogOk(ADMItemRef item, ADMNotifierRef notifier) {
    DefaultNotify(item, notifier);
    RememberItemDialogBounds(item, gDialogPositions.BezierDialogBounds);
    StoreAndWrite();
    MakeCreatedBezier();
    gDialogOpenFlags.BezierDialogOpen = 0;
}

void BezierDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    DefaultNotify(item, notifier);
    DropClickGroup();
    gDialogOpenFlags.BezierDialogOpen = 0;
    RememberItemDialogBounds(item, gDialogPositions.BezierDialogBounds);
}

void BezierDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    DefaultNotify(item, notifier);
    PointEditor& e = gBezierEditor;
    e.SelectedPoint = 0;
    LoadWorkingShape();
    if (ADMItemRef count = SiblingItem(item, kPointCountItem)) SetPointCountText(count, e.EditShape.PointCount);
    if (ADMItemRef popup = SiblingItem(item, kGridPopupItem)) ResetGridPopup(popup, e);
    LoadWorkingReplicas();
    ShowBezierReplicaValues(item);
    SetPointCornerFlagFromPointZero();
    if (ADMItemRef corner = SiblingItem(item, kCornerItem)) sADMItem->SetTipString(corner, CornerButtonTip(e.PointIsCorner));
    InvalidateItems(item, {kCanvasItem, kClosedItem, kHollowItem, kCornerItem});
    e.EditShape.Closed = gSettings.BezierShape.Closed != 0 ? 1 : 0;
    e.EditShape.Hollow = gSettings.BezierShape.Hollow != 0 ? 1 : 0;
    InvalidateItems(item, {kBezierPreviewItem});
}

void ShowBezierReplicaValues(ADMItemRef anyItem) {
    const BezierReplicaEdit& r = gBezierEditReplicas;
    if (ADMItemRef count = SiblingItem(anyItem, kReplicaCountItem)) sADMItem->SetIntValue(count, r.Count);
    if (ADMItemRef rotation = SiblingItem(anyItem, kRotationEdit))
        sADMItem->SetFloatValue(rotation, ReplicaRotationDegrees(r.RotationStep));
    if (ADMItemRef h = SiblingItem(anyItem, kOffsetHEdit)) sADMItem->SetFloatValue(h, static_cast<float>(r.HorizontalStep));
    if (ADMItemRef v = SiblingItem(anyItem, kOffsetVEdit)) sADMItem->SetFloatValue(v, static_cast<float>(r.VerticalStep));
    if (ADMItemRef scale = SiblingItem(anyItem, kScaleEdit)) sADMItem->SetFloatValue(scale, static_cast<float>(r.ScaleStep));
}
