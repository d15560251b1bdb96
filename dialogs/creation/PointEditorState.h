// The working state of the two point editors, the arrow-head editor and the Bézier creation dialog: the shape
// each edits, its selection, grid and colours, and the constants in which the two editors differ.
#pragma once

#include <cstdint>

#include "dialogs/creation/PointEditorOutline.h"
#include "dialogs/creation/PointEditorShape.h"
#include "host/ADMTypes.h"
#include "host/Types.h"

// One editor's working state. For the arrow-head editor these are ArrowEditShape, SelectedArrowPoint,
// ArrowPointIsCorner, ArrowGridStep, ArrowGridShown, ArrowGridSnap, ArrowGridColour and ArrowSelectionColour;
// for the Bézier dialog BezierEditShape, SelectedBezierPoint, SelectedPointIsCorner, BezierGridStep,
// BezierGridShown, BezierGridSnap, BezierGridColour and BezierLayerColour.
struct PointEditor {
    PointEditorShape EditShape;
    int16_t SelectedPoint = 0;
    int32_t PointIsCorner = 0;       // both handles of the selected point lie on its anchor
    int8_t GridStep = 20;            // canvas pixels: 4, 10, 20, 50 or 100
    int32_t GridShown = 1;
    int32_t GridSnap = 1;
    ADMRGBColor GridColour{0, 0, 0};
    ADMRGBColor SelectionColour{0x4EFF, 0x7FFF, 0xFFFF};
    PolygonBuffer Polygon;           // reset at the start of every drawing
};

extern PointEditor gArrowEditor;
extern PointEditor gBezierEditor;

// State the two editors share.
struct PointEditorModes {
    int32_t PointEditMode = 0;   // 0 move points, 1 add or delete points
    int32_t PickOnNextDrag = 1;  // the next drag first picks what lies under the cursor
    int32_t SymmetricMoves = 0;  // arrow-head editor: moves mirrored about the horizontal axis ("SymetriEdit")
};
extern PointEditorModes gPointEditorModes;

// The replica settings the Bézier dialog edits (BezierEditReplicas).
struct BezierReplicaEdit {
    int32_t Count = 1;            // 1..24
    double RotationStep = 0.0;    // radians
    double HorizontalStep = 0.0;  // points
    double VerticalStep = 0.0;    // points
    double ScaleStep = 0.0;
};
extern BezierReplicaEdit gBezierEditReplicas;

// Item ids both editors share.
enum PointEditorItem : int32_t {
    kPointXItem = 10,
    kPointYItem = 11,
    kCanvasItem = 12,
    kClosedItem = 13,
    kHollowItem = 14,
    kGridPopupItem = 17,
    kNextPointItem = 24,
    kPreviousPointItem = 25,
    kPointNumberItem = 26,
    kAnchorKindItem = 27,
    kInKindItem = 28,
    kOutKindItem = 29,
    kLineStartKindItem = 30,
    kPointCountItem = 31,
    kCornerItem = 32,
    kMoveModeItem = 8,
    kAddDeleteModeItem = 9,
};

// The canvas action masks of the two modes: drags and button-ups, or hovers and button-downs.
constexpr int32_t kMoveModeMask = 0x40002;
constexpr int32_t kAddDeleteModeMask = 0x20004;

// Cursors of the canvas: a picked item dragged, plain, over the curve (a click inserts), over an anchor
// (a click deletes).
constexpr int32_t kDragPointCursor = 1111;
constexpr int32_t kPlainCanvasCursor = 1112;
constexpr int32_t kInsertCursor = 1113;
constexpr int32_t kDeleteCursor = 1114;

// What distinguishes the two editors.
struct PointEditorLook {
    PointEditor* Editor;
    CanvasMapping Mapping;
    int32_t CanvasWidth;
    int32_t CanvasHeight;
    ADMRect GridArea;         // the grid lines run from left to right and from top to bottom
    ADMRect AddDeleteArea;    // where the add/delete mode acts
    int32_t PreviewItem;      // 16 or 293
    bool HasLineStart;        // the arrow-head editor's line start point, its frame and axis
    bool Symmetric;           // moves may be mirrored
};
extern const PointEditorLook kArrowEditorLook;
extern const PointEditorLook kBezierEditorLook;

// The tips of the round/corner button for a corner point and for a smooth one.
#define kMakeRoundTip "Transforme le point sélectionné en point arrondi."
#define kMakeCornerTip "Transforme le point sélectionné en point d'angle."
const char* CornerButtonTip(int32_t isCorner);

// Alerts of the canvas at its limits.
#define kDeleteRefusedAlert "Suppression impossible."
#define kInsertRefusedAlert "Le maximum est atteint, ajouter un point est impossible."

// The grid colour from the host's own preferences "Grid/Color/Lite/r", "g" and "b" (0..1, times 65535).
ADMRGBColor ReadHostGridColour();

// Puts both editors, their shared modes and the working replicas back to their start values.
void ResetPointEditors();
