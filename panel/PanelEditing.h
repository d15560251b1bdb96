// The small steps the panel's option notifiers share: reading an item's value, redrawing items, flipping flags,
// remaking end marks and rebuilding the dimension being edited with its own builder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "host/ADMTypes.h"
#include "host/Types.h"

// A flag turns 1 when it was 0, else 0.
void Flip(int32_t& flag);
// The value an item holds now (0 when the dialog manager cannot give it).
float ItemFloat(ADMItemRef item);
int32_t ItemInt(ADMItemRef item);
// The item's whole text, however long.
std::string ItemText(ADMItemRef item);

// Asks for a redraw of the panel's items with those ids; of the whole panel; or draws the whole panel at once.
void RedrawPanelItems(std::initializer_list<int32_t> itemIDs);
void RedrawWholePanel();
void UpdateWholePanel();
// Enables or disables the panel's items with those ids.
void EnablePanelItems(std::initializer_list<int32_t> itemIDs, bool enabled);
// Shows a value in a panel field (nothing while there is no panel or field).
void ShowPanelValue(int32_t itemID, double value);
// Where the cursor stands for a side-tie length `a` of the dimension being edited: along a curve, on the side
// its line lies (LineFlipped).
AIRealPoint CursorForSideTie(double a);
// Shows a flag (0 or not) in a panel button (nothing while there is no panel or button).
void SetItemFlag(int32_t id, int32_t value);

// The panel lays itself out again for the current tool (its items follow the options just changed).
void LayOutPanelAgain();

// A new end-mark path just below `above` (inside DimensionGroup at its bottom when `above` is null), with
// `anchors` empty anchors, styled as the skeletons style end marks and tagged `vek` = "jj". Null, with nothing
// made, while DimensionGroup is gone or the host refuses.
AIArtHandle NewEndMarkBelow(AIArtHandle above, int16_t anchors);
// End marks 3 and 4 of the point style's cross (sets 2 and 3), made anew below end mark 2 (set 1), or below
// end mark 1 when there is no end mark 2; nothing for a dimension without end mark 1.
void MakeCrossEndMarks();
// Disposes end marks 3 and 4.
void DropCrossEndMarks();
// Gives every end mark of the dimension being edited the style and closed flag of the shape now loaded: a
// filled arrow turned into an open tick would otherwise be filled and unstroked, that is invisible.
void RestyleEndMarks();

// Rewrites the y of the anchor and both handles of point `index` of the end-mark shape.
void SetShapePointY(int index, float y);
// True while the end marks are drawn as points of preset `preset`.
bool PointStyleOf(int32_t preset);
// The oblique tick of preset 2 drawn as points leans the way an arrow-direction flag says: its first point
// above the line while the flag is clear, below it while set; any other end mark is left alone.
void LeanPointTick(int32_t flag);

// Each rebuild below acts only while its tool is current and its dimension's first part is still in the
// document, so that no other dimension's parts are reshaped and nothing is made for a deleted one.
// True while an angle dimension is being edited with the Angle tool (its first arc still there).
bool EditingAngleDimension();
// Rebuilds the angle dimension being edited as its own kind (RedrawDimensionAs): on its arc, or at its vertex
// from the live "Rayon", starting towards its own measured side AnglePointB.
void RedrawAngle();
// The angle in degrees from the circle dimension's centre to the bend of its leader, which its placement keeps (the
// dimension in force: the current one, or the one set aside on its closed layer); the angle in force when it keeps
// none.
float CircleAngleInForce();
// Shows in the panel the placement in force: side tie, arc radius, path length, the circle dimension's angle,
// diameter or radius, and the orientation with the text orientation it allows.
void ShowPlacementInPanel();
// True while a circle dimension is being edited with the Cercle tool.
bool EditingCircleDimension();
// Rebuilds the circle dimension being edited as its own kind, its label towards the label point in force.
void RedrawCircle();
// Rebuilds the local radius being edited with the Bézier tool where it was last drawn.
void RedrawLocalRadius();
// Rebuilds the linear dimension being edited and remembers its new line for snapping.
void RefreshAndRememberLine();
