#include "dialogs/creation/PointEditorState.h"

#include "frame/PreferenceStore.h"

PointEditor gArrowEditor;
PointEditor gBezierEditor;
PointEditorModes gPointEditorModes;
BezierReplicaEdit gBezierEditReplicas;

// The arrow-head canvas: 20 pixels per unit from (130, 130) in a 460 x 260 canvas.
const PointEditorLook kArrowEditorLook{&gArrowEditor,   {130.0f, 130.0f, 20.0f, {10, 10, 450, 250}},
                                       460,             260,
                                       {30, 30, 430, 230}, {10, 10, 450, 250},
                                       16,              true,
                                       true};
// The Bézier canvas: one pixel per point from (290, 190) in a 580 x 380 canvas.
const PointEditorLook kBezierEditorLook{&gBezierEditor,  {290.0f, 190.0f, 1.0f, {10, 10, 570, 370}},
                                        580,             380,
                                        {10, 10, 570, 370}, {0, 0, 580, 380},
                                        293,             false,
                                        false};

const char* CornerButtonTip(int32_t isCorner) { return isCorner != 0 ? kMakeRoundTip : kMakeCornerTip; }

ADMRGBColor ReadHostGridColour() {
    const char* keys[] = {"Grid/Color/Lite/r", "Grid/Color/Lite/g", "Grid/Color/Lite/b"};
    uint16_t channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        double value = 0.0;
        ReadHostRealPreference(keys[i], &value);
        if (!(value > 0.0)) value = 0.0;
        if (value > 1.0) value = 1.0;
        channels[i] = static_cast<uint16_t>(value * 65535.0);
    }
    return ADMRGBColor{channels[0], channels[1], channels[2]};
}

void ResetPointEditors() {
    gArrowEditor = PointEditor();
    gBezierEditor = PointEditor();
    gPointEditorModes = PointEditorModes();
    gBezierEditReplicas = BezierReplicaEdit();
}
