// The skeletons of dimensions: their empty parts made inside DimensionGroup, tagged and styled, in a fixed
// paint order, for the drawing builders to shape.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Types.h"

struct ArrowHeadShape;

// Paths of a reticle, held in DimensionLines.
constexpr size_t kReticlePathCount = 6;

// Each builder first forgets the part handles and the division marks of the previous dimension (its art
// stays, and no later edit reaches into it), then makes its parts on top inside DimensionGroup, each tagged
// `vek` = "jj": from the bottom, the extension lines, the end marks (0 and 1 while the live end-mark size is
// above 0; 2 and 3 too for the point variant of preset 3; made by NewEndMarkPart), the lines, and on top the
// label frames. It sets the editing flag of its tool. Result: the last host error; a DimensionGroup the host
// does not know makes nothing and answers kStaleHandleErr (null: kBadParameterErr).

// Label, dimension line and its second part, end marks, two extension lines. Unless OverCentre is set, the
// line and its second part carry "mods" and the line "red". Sets EditingSegment.
ASErr BuildSegmentDimensionArt();
// Label, the concentric arc (AngleArcs[0]), end marks, two extension lines. Sets EditingSegment.
ASErr BuildArcLengthDimensionArt();
// Label, the line along the curve (DimensionLines[0]), end marks, two extension lines. Sets EditingSegment.
ASErr BuildOffsetDimensionArt();
// Label, the arc (AngleArcs[0]), end marks. Sets EditingAngle.
ASErr BuildAngleDimensionArt();
// As the angle, with the two radii of the arc as one more path (ExtensionLines[0]). Sets EditingAngle.
ASErr BuildArcAngleDimensionArt();
// Label, the two circle parts carrying "modc" (the first also "red"), end mark 0, and end mark 1 while the
// live "Diametre" is set. Sets EditingCircle.
ASErr BuildCircleDimensionArt();
// Label, the radius line (AuxLine), end mark 0 (and 2 for the point variant of preset 3). Sets EditingBezier.
ASErr BuildLocalRadiusArt();
// The tangent line (AuxLine) and the normal (DimensionLines[0]). Sets EditingBezier.
ASErr BuildLocalTangentArt();
// The six paths of a reticle in DimensionLines[0..5]. Sets EditingBezier.
ASErr BuildReticleArt();
// The parts of a series of ClickCount points (one dimension between each two, at most kSeriesCapacity - 1):
// for dimension i, DimensionLines[i], DimensionLineHalves[i] and the end marks [k][i] under LabelFrames[i];
// the handles of the elements past the series are forgotten. Sets EditingSegment.
ASErr TagSeriesArt();
// One more extension line of a series, made under every other part of DimensionGroup, tagged and styled as
// the skeletons' extension lines are.
ASErr NewSeriesExtensionLine(AIArtHandle* line);
// Starts an empty list of division marks for DimensionGroup. Sets EditingBezier.
ASErr StartDivisionTickList();

// Tags art the plug-in made as a part of a dimension: `vek` = "jj".
ASErr MarkAsDimensionPart(AIArtHandle art);
// The one routine that makes a part: new art of `type` (a path, or a point-text frame) on top inside
// DimensionGroup, tagged `vek` = "jj", a path given `style` when one is given.
ASErr NewDimensionPart(int16_t type, const AIPathStyle* style, AIArtHandle* part);
// The one routine that makes an end mark, for the skeletons and the panel alike: a new path at `order` from
// `prep`, with `anchors` anchors when that is above 0, tagged `vek` = "jj" and as an end mark, styled by
// StyleEndMark. *mark is the new path, or null when none was made (a null prep: kBadParameterErr, one the host
// does not know: kStaleHandleErr).
ASErr NewEndMarkPart(int16_t order, AIArtHandle prep, int16_t anchors, AIArtHandle* mark);
// The style of dimension lines, arcs and circle parts: BasePathStyle (dashes and line ends) at the width of
// DimensionLineStyle.
AIPathStyle DimensionLinePathStyle();
// True when the points of the shape (anchors and handles) do not all lie on one line, so that filling it
// shows something.
bool EndMarkEnclosesArea(const ArrowHeadShape& shape);
// The style of an end mark of the current shape: filled (EndMarkStyle) when the shape is not hollow, open or
// closed, as the arrow-head editor shows it; stroked (DimensionLineStyle) when it is hollow or encloses no area.
AIPathStyle EndMarkPathStyle();
// End marks 0 and 1 exist while the live end-mark size is above 0; 2 and 3 besides them for the point variant
// of preset 3.
bool EndMarksShown();
bool SecondEndMarksShown();
// Gives an end mark, however it was made, the end marks' style and closed flag of the current shape.
ASErr StyleEndMark(AIArtHandle mark);
// A live end mark styled as the dot a dense chain shares at an inner point: filled and closed.
ASErr StyleChainDot(AIArtHandle mark);
// Gives every part of the dimension being edited that a rebuild keeps the style the skeletons give a new
// one: extension lines (and a reticle's paths, and division marks) DimensionLineStyle, lines, arcs and circle
// parts DimensionLinePathStyle, end marks StyleEndMark. Handles that are no live art are skipped.
ASErr RestyleDimensionParts();

// The division marks of the Bézier division being built or edited, newest first.
struct DivisionMark {
    DivisionMark* Next = nullptr;
    AIArtHandle Path = nullptr;
};
struct DivisionMarkList {
    DivisionMark* Head = nullptr;
};
extern DivisionMarkList gDivisionMarks;

// A new tagged path on top inside DimensionGroup, at the head of the list. kOutOfMemoryErr, making nothing,
// when the node cannot be allocated.
ASErr PushDivisionMark();
// Disposes the head's path (if the host still knows it) and frees the node; nothing for an empty list.
void DropDivisionMark();
// Frees every node; the paths stay in the document.
void ForgetDivisionMarks();
size_t DivisionMarkCount();
