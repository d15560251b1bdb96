// The drawings of the point editors: the canvases with grid, shape, handles and selection, the previews, the
// small buttons, the legends, the point-count text and the two edit-mode buttons.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/PointEditorState.h"
#include "dialogs/options/DialogSupport.h"
#include "host/ADMTypes.h"

void ArrowEditorCanvasDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierCanvasDraw(ADMItemRef item, ADMDrawerRef drawer);
void ArrowPreviewDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierPreviewDraw(ADMItemRef item, ADMDrawerRef drawer);

// The Bézier dialog's point-kind buttons (27, 28, 29), its round/corner button (32) and the dialog itself.
void BezierSelectAnchorDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierSelectInDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierSelectOutDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierCornerButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void BezierDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
// A round/corner button: the icon of the editor's selected point, corner or round.
void DrawCornerButton(ADMItemRef item, ADMDrawerRef drawer, const PointEditor& editor);

// A point-kind button (10 x 10): an outlined square or circle while its kind is selected, a filled one otherwise.
void DrawKindButton(ADMDrawerRef drawer, bool selected, bool square);
// The legends of the X and Y edits and the lines joining the point-kind buttons, in the current colour.
void DrawPointEditorLegends(ADMDrawerRef drawer);
// Draws icon resource `iconID` of the plug-in with its top left at (h, v).
void DrawPluginIcon(ADMDrawerRef drawer, SPPluginRef plugin, int32_t iconID, int32_t h, int32_t v);
// The plug-in that made the item's dialog.
SPPluginRef ItemPlugin(ADMItemRef item);

// The shape's outline through `toPixels` in the current colour: filled as one polygon, or stroked.
void DrawShapeOutline(ADMDrawerRef drawer, PointEditor& editor, const Affine& toPixels);

// The count followed by " points." as the item's text.
void SetPointCountText(ADMItemRef item, int8_t count);
// Both point editors' mode buttons, ids 8 (move) and 9 (add or delete).
void ModeButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void ModeButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
// Invalidates the items with these ids in the dialog of `item`.
void InvalidateItems(ADMItemRef item, std::initializer_list<int32_t> ids);
