#include "dialogs/creation/PointEditorCanvas.h"

#include <algorithm>
#include <cstdio>

#include "frame/Colours.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMNotifierSuite.h"
#include "records/DragValues.h"

namespace {

// Half the side of the markers of anchors and handles, and of the outline round the selected one.
constexpr int32_t kMarker = 2;
constexpr int32_t kSelectedMarker = 3;

// The Bézier preview draws the figure at a sixth of its size about the centre of its 100-pixel square.
constexpr double kBezierPreviewReduction = 6.0;
constexpr double kBezierPreviewCentre = 50.0;

// Icons of the Bézier dialog: open or closed, filled or hollow, the replica legends, round or corner.
constexpr int32_t kOpenIcon = 1112, kClosedIcon = 1113, kFilledIcon = 1114, kHollowIcon = 1115;
constexpr int32_t kSmoothIcon = 1127, kCornerIcon = 1128;
struct PlacedIcon {
    int32_t Icon, H, V;
};
constexpr PlacedIcon kReplicaLegends[] = {{1107, 37, 424}, {1108, 130, 422}, {1109, 220, 425}, {1110, 313, 422},
                                          {1111, 406, 425}};
// The legends of the X and Y edits: a square between arrows left and right, a square between arrows up and
// down; then the lines from the anchor button to the In and Out buttons.
constexpr ADMRect kLegendSquares[] = {{12, 17, 17, 22}, {99, 17, 104, 22}};
struct LegendLine {
    int32_t H1, V1, H2, V2;
};
constexpr LegendLine kLegendLines[] = {
    {5, 19, 12, 19},   {5, 19, 8, 16},    {5, 19, 8, 22},    {17, 19, 23, 19},  {23, 19, 20, 16},
    {23, 19, 20, 22},  {101, 11, 101, 17}, {101, 11, 98, 14}, {101, 11, 104, 14}, {101, 22, 101, 28},
    {101, 28, 98, 25}, {101, 28, 104, 25}, {183, 19, 203, 14}, {183, 20, 203, 25},
};
// Bitmaps of the two mode buttons.
constexpr int32_t kMoveModePicture = 1008, kAddDeleteModePicture = 1009;

class DrawerLines final : public OutlineLines {
  public:
    explicit DrawerLines(ADMDrawerRef drawer) : drawer_(drawer) {}
    void Line(ADMPoint from, ADMPoint to) override { sADMDrawer->DrawLine(drawer_, &from, &to); }

  private:
    ADMDrawerRef drawer_;
};

void Line(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const ADMPoint a{h1, v1}, b{h2, v2};
    sADMDrawer->DrawLine(drawer, &a, &b);
}

ADMRect Around(ADMPoint p, int32_t half) { return {p.h - half, p.v - half, p.h + half, p.v + half}; }

ADMPoint CanvasPixel(const PointEditorLook& look, EditorPoint p) {
    return Truncated(ToCanvas(look.Mapping, p));
}

void DrawGrid(ADMDrawerRef drawer, const PointEditorLook& look) {
    const PointEditor& e = *look.Editor;
    const ADMRect& g = look.GridArea;
    const int32_t step = e.GridStep > 0 ? e.GridStep : 20;
    sADMDrawer->SetRGBColor(drawer, &e.GridColour);
    for (int32_t k = 0; k <= (g.right - g.left) / step; ++k) Line(drawer, g.left + k * step, g.top, g.left + k * step, g.bottom);
    for (int32_t k = 0; k <= (g.bottom - g.top) / step; ++k) Line(drawer, g.left, g.top + k * step, g.right, g.top + k * step);
}

void DrawMarkers(ADMDrawerRef drawer, const PointEditorLook& look) {
    const PointEditor& e = *look.Editor;
    const ShapePointTables& p = e.EditShape.Points;
    sADMDrawer->SetRGBColor(drawer, &e.SelectionColour);
    for (int32_t i = 0; i < e.EditShape.PointCount && i < kShapeMaxPoints; ++i) {
        const ADMPoint anchor = CanvasPixel(look, {p.AnchorX[i], p.AnchorY[i]});
        const ADMPoint in = CanvasPixel(look, {p.InX[i], p.InY[i]});
        const ADMPoint out = CanvasPixel(look, {p.OutX[i], p.OutY[i]});
        sADMDrawer->DrawLine(drawer, &in, &anchor);
        const ADMRect inMark = Around(in, kMarker), anchorMark = Around(anchor, kMarker), outMark = Around(out, kMarker);
        sADMDrawer->FillOval(drawer, &inMark);
        sADMDrawer->FillRect(drawer, &anchorMark);
        sADMDrawer->DrawLine(drawer, &out, &anchor);
        sADMDrawer->FillOval(drawer, &outMark);
    }
}

void DrawSelected(ADMDrawerRef drawer, const PointEditorLook& look) {
    const PointEditor& e = *look.Editor;
    const Selection s = DecodeSelection(e.SelectedPoint, e.EditShape.PointCount);
    if (s.Kind == SelectionKind::None || s.Kind == SelectionKind::LineStart) return;
    const ADMPoint p = CanvasPixel(look, SelectedPosition(e.EditShape, e.SelectedPoint));
    const ADMRect inner = Around(p, kMarker), outer = Around(p, kSelectedMarker);
    const bool square = s.Kind == SelectionKind::Anchor;
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    if (square) sADMDrawer->FillRect(drawer, &inner); else sADMDrawer->FillOval(drawer, &inner);
    sADMDrawer->SetRGBColor(drawer, &e.SelectionColour);
    if (square) sADMDrawer->DrawRect(drawer, &outer); else sADMDrawer->DrawOval(drawer, &outer);
}

// The arrow-head editor's frame, axis and line start point.
void DrawArrowFrame(ADMDrawerRef drawer) {
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    const ADMRect frame{10, 10, 450, 250};
    sADMDrawer->DrawRect(drawer, &frame);
    Line(drawer, 129, 30, 129, 230);
}

void DrawLineStart(ADMDrawerRef drawer, const PointEditorLook& look) {
    const PointEditor& e = *look.Editor;
    const ADMPoint start = CanvasPixel(look, {e.EditShape.LineStartX, e.EditShape.LineStartY});
    sADMDrawer->SetADMColor(drawer, kADMRedColor);
    Line(drawer, start.h, start.v, 430, start.v);
    const ADMRect mark = Around(start, kMarker), outline = Around(start, kSelectedMarker);
    if (e.SelectedPoint != kLineStartSelection) {
        sADMDrawer->FillRect(drawer, &mark);
        return;
    }
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    sADMDrawer->FillRect(drawer, &mark);
    sADMDrawer->SetADMColor(drawer, kADMRedColor);
    sADMDrawer->DrawRect(drawer, &outline);
}

void SetStrokeColour(ADMDrawerRef drawer) {
    ADMRGBColor stroke;
    GetDisplayColour(&stroke, 0);
    sADMDrawer->SetRGBColor(drawer, &stroke);
}

void DrawCanvas(ADMDrawerRef drawer, const PointEditorLook& look) {
    PointEditor& e = *look.Editor;
    const ADMRect whole{0, 0, look.CanvasWidth, look.CanvasHeight};
    sADMDrawer->Clear(drawer);
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    sADMDrawer->FillRect(drawer, &whole);
    sADMDrawer->DrawSunkenRect(drawer, &whole);
    if (e.GridShown != 0) DrawGrid(drawer, look);
    if (!look.HasLineStart) {
        if (e.GridShown == 0) sADMDrawer->SetADMColor(drawer, kADMShadowColor);
        Line(drawer, 10, 191, 570, 191);
        Line(drawer, 291, 10, 291, 370);
    }
    SetStrokeColour(drawer);
    const CanvasMapping& m = look.Mapping;
    DrawShapeOutline(drawer, e, Affine{m.PixelsPerUnit, 0.0f, 0.0f, m.PixelsPerUnit, m.OriginX, m.OriginY});
    if (look.HasLineStart) DrawArrowFrame(drawer);
    DrawMarkers(drawer, look);
    DrawSelected(drawer, look);
    if (look.HasLineStart) DrawLineStart(drawer, look);
}

SelectionKind BezierSelectedKind() {
    return DecodeSelection(gBezierEditor.SelectedPoint, gBezierEditor.EditShape.PointCount).Kind;
}

}  // namespace

void DrawShapeOutline(ADMDrawerRef drawer, PointEditor& editor, const Affine& toPixels) {
    DrawerLines lines(drawer);
    OutlineShape(editor.EditShape, toPixels, gDragValues.FlattenDepth, editor.Polygon, lines);
    if (editor.EditShape.Hollow == 0 && editor.Polygon.Count > 0)
        sADMDrawer->FillPolygon(drawer, editor.Polygon.Points, editor.Polygon.Count);
}

void DrawKindButton(ADMDrawerRef drawer, bool selected, bool square) {
    sADMDrawer->Clear(drawer);
    const ADMRect outline{1, 3, 7, 9}, filled{2, 4, 6, 8};
    if (square) {
        if (selected) sADMDrawer->DrawRect(drawer, &outline); else sADMDrawer->FillRect(drawer, &filled);
    } else {
        if (selected) sADMDrawer->DrawOval(drawer, &outline); else sADMDrawer->FillOval(drawer, &filled);
    }
}

void ArrowEditorCanvasDraw(ADMItemRef, ADMDrawerRef drawer) { DrawCanvas(drawer, kArrowEditorLook); }

void BezierCanvasDraw(ADMItemRef, ADMDrawerRef drawer) { DrawCanvas(drawer, kBezierEditorLook); }

void ArrowPreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    SetStrokeColour(drawer);
    sADMDrawer->Clear(drawer);
    DrawShapeOutline(drawer, gArrowEditor, Affine{2.0f, 0.0f, 0.0f, 2.0f, 12.0f, 14.0f});
    DrawShapeOutline(drawer, gArrowEditor, Affine{-2.0f, 0.0f, 0.0f, 2.0f, 446.0f, 14.0f});
    const PointEditorShape& s = gArrowEditor.EditShape;
    const int32_t y = static_cast<int32_t>(2.0f * s.LineStartY + 14.0f);
    Line(drawer, static_cast<int32_t>(2.0f * s.LineStartX + 14.0f), y, static_cast<int32_t>(446.0f - 2.0f * s.LineStartX), y);
}

void BezierPreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    const ADMRect whole{0, 0, 100, 100};
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    sADMDrawer->FillRect(drawer, &whole);
    sADMDrawer->DrawSunkenRect(drawer, &whole);
    SetStrokeColour(drawer);
    // The document's replica transform at a sixth of the size, offsets included. The shape is drawn as the
    // editor shows it (y down), which is how the document shows it too; the document's rotation and vertical
    // step count y upward, so in these y-down pixels they change sign.
    const BezierReplicaEdit& r = gBezierEditReplicas;
    const int32_t count = std::clamp<int32_t>(r.Count, 1, kMaxBezierReplicas);
    for (int32_t i = 0; i < count; ++i) {
        const float scale = static_cast<float>((1.0 + i * r.ScaleStep) / kBezierPreviewReduction);
        const float angle = static_cast<float>(-(gDragValues.CreatedBezierRotation + i * r.RotationStep));
        const double h = kBezierPreviewCentre + i * r.HorizontalStep / kBezierPreviewReduction;
        const double v = kBezierPreviewCentre - i * r.VerticalStep / kBezierPreviewReduction;
        const Affine replica = ScaleRotateMove(scale, scale, angle, static_cast<float>(h), static_cast<float>(v));
        DrawShapeOutline(drawer, gBezierEditor, replica);
    }
}

void BezierSelectAnchorDraw(ADMItemRef, ADMDrawerRef drawer) {
    const SelectionKind kind = BezierSelectedKind();
    DrawKindButton(drawer, kind == SelectionKind::Anchor || kind == SelectionKind::None, true);
}

void BezierSelectInDraw(ADMItemRef, ADMDrawerRef drawer) {
    DrawKindButton(drawer, BezierSelectedKind() == SelectionKind::InHandle, false);
}

void BezierSelectOutDraw(ADMItemRef, ADMDrawerRef drawer) {
    DrawKindButton(drawer, BezierSelectedKind() == SelectionKind::OutHandle, false);
}

void BezierCornerButtonDraw(ADMItemRef item, ADMDrawerRef drawer) { DrawCornerButton(item, drawer, gBezierEditor); }

void DrawCornerButton(ADMItemRef item, ADMDrawerRef drawer, const PointEditor& editor) {
    sADMDrawer->Clear(drawer);
    DrawPluginIcon(drawer, ItemPlugin(item), editor.PointIsCorner != 0 ? kCornerIcon : kSmoothIcon, 0, 0);
}

void DrawPointEditorLegends(ADMDrawerRef drawer) {
    for (const ADMRect& square : kLegendSquares) sADMDrawer->DrawRect(drawer, &square);
    for (const LegendLine& l : kLegendLines) Line(drawer, l.H1, l.V1, l.H2, l.V2);
}

void BezierDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    DrawPointEditorLegends(drawer);
    SPPluginRef plugin = nullptr;
    sADMDialog->GetPluginRef(dialog, &plugin);
    const PointEditorShape& s = gBezierEditor.EditShape;
    DrawPluginIcon(drawer, plugin, s.Closed != 0 ? kClosedIcon : kOpenIcon, 6, 112);
    DrawPluginIcon(drawer, plugin, s.Hollow != 0 ? kHollowIcon : kFilledIcon, 6, 134);
    for (const PlacedIcon& legend : kReplicaLegends) DrawPluginIcon(drawer, plugin, legend.Icon, legend.H, legend.V);
}

void DrawPluginIcon(ADMDrawerRef drawer, SPPluginRef plugin, int32_t iconID, int32_t h, int32_t v) {
    ADMIconRef icon = nullptr;
    if (sADMIcon == nullptr || sADMIcon->GetFromResource(plugin, iconID, 0, &icon) != kNoErr || icon == nullptr) return;
    const ADMPoint at{h, v};
    sADMDrawer->DrawIcon(drawer, icon, &at);
    sADMIcon->Destroy(icon);
}

SPPluginRef ItemPlugin(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    SPPluginRef plugin = nullptr;
    if (sADMItem->GetDialog(item, &dialog) == kNoErr) sADMDialog->GetPluginRef(dialog, &plugin);
    return plugin;
}

void SetPointCountText(ADMItemRef item, int8_t count) {
    char text[20];
    std::snprintf(text, sizeof text, "%d points.", static_cast<int>(count));
    sADMItem->SetText(item, text);
}

void ModeButtonDraw(ADMItemRef item, ADMDrawerRef drawer) {
    const int32_t id = ItemId(item);
    if (id != kMoveModeItem && id != kAddDeleteModeItem) return;
    const bool current = (id == kMoveModeItem ? 0 : 1) == gPointEditorModes.PointEditMode;
    const ADMRect inner{1, 1, 18, 18}, frame{0, 0, 19, 19};
    sADMDrawer->DrawResPictureCentered(drawer, ItemPlugin(item), id == kMoveModeItem ? kMoveModePicture : kAddDeleteModePicture,
                                       &inner);
    if (current) {
        // The current mode's button shows pressed: sunken, its picture inverted.
        sADMDrawer->DrawSunkenRect(drawer, &frame);
        sADMDrawer->InvertRect(drawer, &inner);
    } else {
        sADMDrawer->DrawRaisedRect(drawer, &frame);
    }
}

void ModeButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t id = ItemId(item);
    const bool move = id == kMoveModeItem;
    gPointEditorModes.PointEditMode = move ? 0 : 1;
    if (ADMItemRef canvas = SiblingItem(item, kCanvasItem)) sADMItem->SetMask(canvas, move ? kMoveModeMask : kAddDeleteModeMask);
    InvalidateItems(item, {kMoveModeItem, kAddDeleteModeItem});
}

void InvalidateItems(ADMItemRef item, std::initializer_list<int32_t> ids) {
    for (int32_t id : ids) {
        if (ADMItemRef other = SiblingItem(item, id)) sADMItem->Invalidate(other);
    }
}
