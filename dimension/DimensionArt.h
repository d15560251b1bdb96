// The shared routine of the dimension builders: every kind computes only its defining points and hands the
// paths, end marks, extension lines and label to these operations. Each reshapes a part the skeleton builders
// made; a null or stale handle is skipped (no art is made), and no NaN reaches the document.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "dimension/DimensionFit.h"
#include "frame/SettingsTable.h"
#include "host/Types.h"

// The distances that shape a dimension, in artwork points.
// How far an extension line runs past the dimension line when no end marks are shown.
constexpr double kExtensionLineOvershoot = 2.0;
// How far past the dimension line an extension line runs per unit of the live end-mark size "Zoom".
constexpr double kExtensionReachPerEndMarkSize = 0.04;
// Half the width of a label's text: this share of the text size per character. The gap a dimension line
// leaves around its label adds the stored text gap "GapTexteSeg" on each side and is never less than
// kMinimumTextHalfGap.
constexpr double kTextGapPerCharacter = 0.3;
constexpr double kMinimumTextHalfGap = 4.0;
// Half the gap across the text's height, for a label that does not read along its line: this share of the
// text size.
constexpr double kTextGapPerHeight = 0.6;
// How far below the line a label's baseline goes so that the text sits centred in the gap: this share of the
// text size.
constexpr double kBaselineDrop = 0.35;
// How far a label sits beside the dimension line it belongs to (off the line, on the cursor side).
constexpr double kLabelClearance = 2.0;
// End-mark sizes are percentages of the shape: the live "Zoom" over this.
constexpr double kEndMarkSizeUnit = 100.0;
// Handle length of a cubic that follows a circular arc of one radian or less, per unit radius and
// tan(sweep/4).
constexpr double kArcHandleFactor = 4.0 / 3.0;
// The largest sweep one cubic of an arc path covers, radians (a quarter turn).
constexpr double kMaxArcPieceSweep = 1.5707963267948966;
// Sweeps and lengths below this count as nothing: no arc, no line.
constexpr double kNegligibleLength = kShortestDrawnLength;
// True when an arc can be drawn at `radius`: a finite radius of more than nothing.
inline bool IsDrawableRadius(double radius) { return std::isfinite(radius) && radius >= kNegligibleLength; }

// A corner anchor at `p` with both handles on it.
AIPathSegment CornerSegment(AIRealPoint p);

// A path of straight segments through `count` points (1..kMaxStraightPoints), left open; a point that is
// not finite leaves the path as it was and answers kBadParameterErr.
constexpr int16_t kMaxStraightPoints = 8;
ASErr SetStraightPath(AIArtHandle path, const AIRealPoint* points, int16_t count);
// The line from a to b.
ASErr SetLinePath(AIArtHandle path, AIRealPoint a, AIRealPoint b);
// An empty path (no anchors): a part that this build does not show, kept for the next build.
ASErr ClearPath(AIArtHandle path);
// A circular arc of centre `centre` and radius `radius` from direction `start` (radians) over `sweep`
// (radians, signed: positive counter-clockwise), in cubic pieces of at most a quarter turn; a radius or sweep
// below kNegligibleLength clears the path.
ASErr SetArcPath(AIArtHandle path, AIRealPoint centre, double radius, double start, double sweep);
// The point at `radius` from `centre` in direction `angle` (radians).
AIRealPoint PointOnCircle(AIRealPoint centre, double radius, double angle);

// The scale of end marks: the live "Zoom" over kEndMarkSizeUnit; 0 when no end marks are shown.
double EndMarkScale();
// Lays the end-mark shape of gArrowHeadShape at `tip`, its line side towards `direction` (radians, from the
// tip into the dimension line), scaled by EndMarkScale(). Result: the point where the dimension line meets
// the mark (the shape's line start offset, placed), written to *lineStart when given. A null or stale mark,
// or no end marks shown, leaves the art alone and gives `tip`. The custom arrow is laid as its editor's preview
// shows it: flipped across the line at the first end (end-mark sets 0 and 2), as it stands at the second.
ASErr PlaceEndMark(AIArtHandle mark, AIRealPoint tip, double direction, AIRealPoint* lineStart);
// The dot of a dense chain laid at `point`: the filled round point of the points end-mark set at the scale
// `scale`, styled filled and closed; no scale clears the mark.
ASErr PlaceChainDot(AIArtHandle mark, AIRealPoint point, double scale);
// The second variant of each end (end-mark sets 2 and 3, the point style's second path) is laid a quarter turn
// from the first, so that the two paths cross; sets 0 and 1 are laid at `direction`.
double EndMarkSetDirection(size_t set, double direction);
// The same at the scale `scale` (a size over kEndMarkSizeUnit; 0 or less: no end mark).
ASErr PlaceScaledEndMark(AIArtHandle mark, AIRealPoint tip, double direction, double scale,
                         AIRealPoint* lineStart);

// An extension line from the measured point towards the point where the dimension line ends: it starts the
// stored extension-line offset "Gap" from `measured` (before it when negative) and runs `overshoot` past
// `lineEnd`; cleared when the two points coincide or the offset would reach past the end.
ASErr SetExtensionLine(AIArtHandle line, AIRealPoint measured, AIRealPoint lineEnd, double overshoot);
// Extension line `k` (0 or 1) of the dimension being edited, shaped as SetExtensionLine shapes it while it is
// `shown` and has a length; otherwise it goes from the document (no empty path stays in the group), and comes
// back, where the skeleton puts it, at the next build that shows it.
ASErr ShapeExtensionLine(size_t k, bool shown, AIRealPoint measured, AIRealPoint lineEnd, double overshoot);

// Half the gap a line running along `lineAngle` leaves around that text when its baseline reads along
// `textAngle` (radians): the half extent of the text along the line, its width along its baseline and
// kTextGapPerHeight of the text size across it, and the stored text gap; never less than kMinimumTextHalfGap.
double TextHalfGapAcross(double lineAngle, double textAngle);
// How far extension lines run past the dimension line: kExtensionReachPerEndMarkSize times the live "Zoom",
// or kExtensionLineOvershoot while no end marks are shown.
double ExtensionOvershoot();
// Where a label's anchor goes for a label whose text is centred on `onLine` and reads along `angle`: dropped
// by kBaselineDrop of the text size below its upright baseline, then moved by `offset` (the live label
// offsets).
AIRealPoint LabelAnchor(AIRealPoint onLine, double angle, AIRealPoint offset);
// The middle of a label anchored at `anchor` and reading along `angle`: the anchor raised by kBaselineDrop of
// the text size across its upright baseline (what LabelAnchor dropped).
AIRealPoint LabelCentre(AIRealPoint anchor, double angle);

// How a dimension line ends at one of its two points: with its end mark, or, at an inner point of a dense
// chain, with the one dot the two spans that meet there share: the span before draws it (Dot), the span after
// draws nothing there (DotOfNeighbour). The line runs up to the point under the dot.
enum class LineEnd : uint8_t { Mark, Dot, DotOfNeighbour };

// The defining points of a straight dimension (linear, series or along an offset) that DrawStraightDimension
// turns into art.
struct StraightDimension {
    AIRealPoint Measured[2];  // the two measured points
    AIRealPoint LineEnds[2];  // where the dimension line ends (the end-mark tips)
    AIRealPoint LabelAt;      // where the label's anchor goes
    AIReal LabelAngle = 0.0f; // the label's baseline direction, radians (turned upright by the label setter)
    Vector2 Direction;        // the direction it measures along, the line's where its ends coincide
    bool CutAroundText = false; // the line leaves a gap around the label's middle (the second part holds the
                                // far side)
    bool MarksOutside = false;  // the end marks point inwards from outside the line ends, the line runs on
    bool ExtensionLines = true; // extension lines from the measured points to the line ends
    double ExtensionOvershoot = kExtensionLineOvershoot; // how far they run past the line ends
    double RunOn[2] = {0.0, 0.0}; // how far the line runs on past each end (under a label shifted aside)
    // A value standing on the run-on stopped it short of its box: RunOn says how far, even short of the tail of a
    // mark turned out there.
    bool RunOnStopped[2] = {false, false};
    // Where a value goes that does not fit: past end 0 or 1 (the cursor's side), or, at -1, past the end the
    // text reads towards.
    int8_t OutsideEnd = -1;
    bool ValueBeside = false; // the label already stands beside the line past OutsideEnd (side text)
    bool FreeText = false;    // the user placed the label along the line: past an end the line runs on under it
    bool UserPlaced = false;  // a value alone on its line: the label offsets along the line (or FreeText) may
                              // take its middle past an end, where it stays, the line running on under it
    AIRealPoint LabelShift;   // the live label offsets, kept when the value moves outside
    // An end shared with the next dimension of a chain: past a mark turned out there the line runs on no
    // further than the mark, whose neighbour's line goes on.
    bool SharedEnd[2] = {false, false};
    LineEnd Ends[2] = {LineEnd::Mark, LineEnd::Mark};
    double DotScale = 0.0;     // the scale of the dot at a Dot end
    bool RestyleMarks = false; // a second end's mark is styled again (in a chain it may have been a dot)
    // A value staggered off its line keeps a leader to it: the line's second part runs from Leader[0] on the
    // line to Leader[1] by the value (the line itself is not cut then).
    bool HasLeader = false;
    AIRealPoint Leader[2];
};

// What the fit of a straight dimension decides, and the value's extent it was decided on.
struct StraightFit {
    DimensionFit Fit;
    LabelExtent Extent;
    size_t End = 1;      // the end past which an outside value goes
    double Along = 0.0;  // how far past that end the middle of an outside value lies (0: as close as it may)
    bool Placed = false; // Along counts the label offsets along the line (for a value alone on its line)
};

// The end marks of a straight dimension point in from outside when they do not fit (or as the user asked),
// and the value moves past the end on the cursor's side when it does not fit between the extension lines; a
// value alone on its line whose middle the user took past an extension line (the label point of free text, or
// for a value that fits between the ends the label offsets' part along the line) stays there, the line running
// on under it, once it clears the mark and the extension line there; a value alone on its line that goes
// outside goes on as far as the label offsets take it along the line. An offset across the line changes none
// of this. Nothing is drawn.
StraightFit FitStraightDimension(const StraightDimension& dimension, const LabelExtent& extent);
// The value of `dimension` put outside past end `end`, `along` past it (at least clear of the marks and the
// extension line), standing beside the line's continuation, the line running on under it; `lift` raises it
// further from the line.
void PutValueOutside(StraightDimension& dimension, const LabelExtent& extent, size_t end, double along,
                     double lift);
// The value of `dimension` raised `lift` off the middle of its line on the side away from the measured points
// (beyond the extension lines), slid `shift` along the line, the line uncut, with a leader from the middle of
// the line to the value.
void PutValueAbove(StraightDimension& dimension, const LabelExtent& extent, double lift, double shift = 0.0);
// The clearance past a line end that an outside value keeps: the mark that stands there and the value gap.
double OutsideValueStart(bool markThere);
// The value gap on each side of a label that does not read along its line, and the half gap a line leaves
// around a label measured at `extent`: never less than what TextHalfGapAcross gives.
double ValueHalfGap(double lineAngle, double textAngle, const LabelExtent& extent);
// Applies a fit: the marks turned, the value moved outside; a value beside the line (side text) that would
// come nearer its run-on than the label clearance stands off it by that clearance, past the extension line,
// and past the end mark there where it would meet it.
void ApplyStraightFit(StraightDimension& dimension, const StraightFit& fit);

// Writes ValueTextBuffer into the label of dimension `index` and measures it.
ASErr PrepareStraightLabel(size_t index, LabelExtent* extent);
// Shapes dimension `index` of CurrentDimension (0 for a single dimension; 0..kSeriesCapacity - 1): its label
// from ValueTextBuffer, measured and fitted, then drawn by DrawFittedStraightDimension. Result: the last host
// error.
ASErr DrawStraightDimension(const StraightDimension& dimension, size_t index);
// Shapes dimension `index` as `dimension` says, its label already written and measured at `extent`: its line (and
// second part, the gap cut around the value's box), the end marks at both ends (variants 2 and 3 with them), the
// extension lines (index 0 only) and the label's place.
// Writes the two line ends into DimensionLineEnds, whatever the index.
ASErr DrawFittedStraightDimension(const StraightDimension& dimension, size_t index, const LabelExtent& extent);
