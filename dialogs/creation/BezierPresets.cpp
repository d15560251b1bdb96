#include "dialogs/creation/BezierPresets.h"

#include "dialogs/creation/BezierCreationDialog.h"
#include "dialogs/creation/PointEditorCanvas.h"
#include "dialogs/creation/PointEditorItems.h"
#include "dialogs/creation/PointEditorState.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/RealMathSuite.h"

namespace {

constexpr PresetPoint Corner(float x, float y) { return PresetPoint{x, y, x, y, x, y}; }

// 5 mm and 11 mm in points.
constexpr double kFiveMillimetres = 14.173228346456694;
constexpr double kElevenMillimetres = 31.181102362204726;

}  // namespace

const BezierPreset kBezierPresets[kBezierPresetCount] = {
    // 1: ten horizontal lines 5 mm apart.
    {2, {Corner(-280, -180), Corner(280, -180)}, 0, 1, 10, 0.0, false, 0.0, kFiveMillimetres, 0.0},
    // 2: ten vertical lines 5 mm apart.
    {2, {Corner(-280, -180), Corner(-280, 180)}, 0, 1, 10, 0.0, false, kFiveMillimetres, 0.0, 0.0},
    // 3: six triangles turned about the clicked point.
    {3, {Corner(-240, 0), Corner(-20, -20), Corner(-20, 20)}, 1, 0, 6, 60.0, true, 0.0, 0.0, 0.0},
    // 4: five squares turned about the clicked point.
    {4, {Corner(-160, -60), Corner(-10, -60), Corner(-10, -10), Corner(-160, -10)}, 1, 0, 5, 72.0, true, 0.0, 0.0, 0.0},
    // 5: eight rounded shapes turned about the clicked point.
    {6,
     {{-260, 0, -260, -40, -260, 40},
      {-180, -60, -140, -60, -220, -60},
      {-40, -20, -40, -20, -100, -40},
      {-160, 0, -160, 20, -160, -20},
      {-40, 20, -100, 40, -40, 20},
      {-180, 60, -220, 60, -140, 60}},
     1, 0, 8, 0.7853981852531433, false, 0.0, 0.0, 0.0},
    // 6: three overlapping rectangles 11 mm apart.
    {4, {Corner(-160, -80), Corner(0, -80), Corner(0, 0), Corner(-160, 0)}, 1, 0, 3, 0.0, false, kElevenMillimetres, 0.0, 0.0},
};

void ApplyBezierPreset(ADMItemRef item, int32_t index) {
    if (index < 0 || index >= kBezierPresetCount) return;
    const BezierPreset& preset = kBezierPresets[index];
    PointEditor& e = gBezierEditor;
    e.SelectedPoint = 0;
    e.EditShape.Closed = preset.Closed;
    e.EditShape.Hollow = preset.Hollow;
    ShapePointTables& w = e.EditShape.Points;
    for (int32_t i = 0; i < preset.PointCount; ++i) {
        const PresetPoint& p = preset.Points[i];
        w.AnchorX[i] = p.AnchorX;
        w.AnchorY[i] = p.AnchorY;
        w.InX[i] = p.InX;
        w.InY[i] = p.InY;
        w.OutX[i] = p.OutX;
        w.OutY[i] = p.OutY;
    }
    e.EditShape.PointCount = preset.PointCount;
    BezierReplicaEdit& r = gBezierEditReplicas;
    r.Count = preset.Replicas;
    r.RotationStep = preset.RotationInDegrees ? sAIRealMath->AIDegreeToRadian(static_cast<AIReal>(preset.Rotation))
                                              : preset.Rotation;
    r.HorizontalStep = preset.HorizontalStep;
    r.VerticalStep = preset.VerticalStep;
    r.ScaleStep = preset.ScaleStep;
    ShowBezierReplicaValues(item);
    if (ADMItemRef count = SiblingItem(item, kPointCountItem)) SetPointCountText(count, e.EditShape.PointCount);
    if (ADMItemRef number = SiblingItem(item, kPointNumberItem)) {
        sADMItem->SetMaxIntValue(number, e.EditShape.PointCount - 1);
        sADMItem->SetIntValue(number, e.SelectedPoint);
    }
    EnableReplicaItems(item, r.Count);
    if (ADMItemRef x = SiblingItem(item, kPointXItem)) sADMItem->SetFloatValue(x, w.AnchorX[0]);
    if (ADMItemRef y = SiblingItem(item, kPointYItem)) sADMItem->SetFloatValue(y, w.AnchorY[0]);
    for (int32_t id : {kNextPointItem, kPreviousPointItem, kPointNumberItem}) {
        if (ADMItemRef stepping = SiblingItem(item, id)) sADMItem->Enable(stepping, 1);
    }
    InvalidateItems(item, {kCanvasItem, kClosedItem, kHollowItem, kAnchorKindItem, kInKindItem, kOutKindItem,
                           kBezierPreviewItem});
}

void BezierPreset1Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 0); }
void BezierPreset2Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 1); }
void BezierPreset3Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 2); }
void BezierPreset4Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 3); }
void BezierPreset5Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 4); }
void BezierPreset6Notify(ADMItemRef item, ADMNotifierRef notifier) { if (IsUserChange(notifier)) ApplyBezierPreset(item, 5); }
