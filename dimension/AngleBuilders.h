// The angle dimension builders: the arc (or several), its end marks or right-angle mark, and the label, at a
// vertex or at the centre of a circular arc.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "dimension/DimensionFit.h"
#include "dimension/Geometry.h"
#include "host/Types.h"

// Angles within this many radians of a quarter turn are right angles.
constexpr double kRightAngleTolerance = 1e-4;
// Angles smaller than this many radians have no arc.
constexpr double kNullAngle = 1e-6;
// Side of the right-angle square per unit of arc radius.
constexpr double kRightAngleSquareRatio = 0.5;
// The label of an angle sits at this fraction of the arc radius, before the offsets.
constexpr double kAngleLabelRadiusRatio = 0.6;
// How far the radii of an arc's angle run past the dimension arc.
constexpr double kArcRadiusOvershoot = 2.0;

// The sweep an arc shows for the signed angle: the angle itself, or the rest of the turn the other way round
// when `reentrant` (a null angle stays null).
double ShownSweep(double angle, bool reentrant);

// Where one angle dimension's parts go: the arcs (their sweep after the re-entrant choice), the right-angle
// square, and the label's anchor.
struct AngleLayout {
    double Radius = 0.0;      // of the first arc
    double Start = 0.0;       // radians: where the arcs start
    double Sweep = 0.0;       // radians, signed: what they cover (the re-entrant side when AngleFlip is set)
    bool NullAngle = false;   // the sides coincide: no arc, no end marks
    bool RightAngle = false;  // the square replaces the arcs
    AIRealPoint Square[3];    // the square's corners on the start side, off the vertex, on the other side
    double LabelRadius = 0.0; // distance of the label's anchor from the vertex
    double LabelDirection = 0.0; // radians: its direction from the vertex
    double OffsetTurn = 0.0;     // radians: the user's turn of the label about the vertex (in LabelDirection)
    double OffsetRadius = 0.0;   // the user's push of the label off the vertex (in LabelRadius)
};

// The layout at `vertex` of radius `radius` for the signed angle `angle` measured from direction `start`,
// on the re-entrant side when `reentrant`; the square is chosen when `autoRightAngle` is set, the angle is
// not re-entrant and lies within kRightAngleTolerance of a quarter turn. The label goes at 0.6 x radius plus
// `offsetRadius`, in the middle of the arc turned by `offsetDegrees`.
AngleLayout LayOutAngle(AIRealPoint vertex, double radius, double angle, double start, bool reentrant,
                        bool autoRightAngle, double offsetDegrees, double offsetRadius);

// The radius of arc `index` (0 the innermost) and its stroke width for multiple-arc type `type` (0 equal, 1
// thin-thick-thin, 2 thick-thin-thick) with the line width `width` and the thick arcs `factor` times as wide.
double ArcRadiusAt(double radius, int32_t gap, int32_t index);
AIReal ArcWidthAt(int32_t type, double width, double factor, int32_t index);

// The direction (radians) from an arc end into the arc: at the start end (`atStart`) or the far end of an arc
// from `start` over `sweep`, turned half a turn when `outside` (the mark sits off the arc, pointing in).
double ArcEndMarkDirection(double start, double sweep, bool atStart, bool outside);

// An arc from direction `Start` over the signed `Sweep` (radians) that runs on past its ends, as a linear
// dimension's line runs on past its extension lines: past marks that point in from outside, and under a value
// set past an end, as far round as the value reaches; never farther than `Limit` past either end.
struct RunOnArc {
    double Start = 0.0;
    double Sweep = 0.0;
    double Limit = std::numeric_limits<double>::infinity();
    double Tail[2] = {0.0, 0.0}; // radians past the start end (0) and past the far end (1)

    // The direction of end `end`, and the sense (1 counter-clockwise, -1 clockwise) that turns away from the
    // arc past it.
    double EndDirection(size_t end) const { return end == 0 ? Start : Start + Sweep; }
    double Outward(size_t end) const { return end == 0 ? -TurnSense(Sweep) : TurnSense(Sweep); }
    // The arc runs on at least `reach` radians past end `end`, within Limit.
    void RunOnUnder(size_t end, double reach) { Tail[end] = std::min(std::max(Tail[end], reach), Limit); }
    // The arc as drawn: where it starts, and its signed sweep, run-ons included.
    double DrawnStart() const { return Start - TurnSense(Sweep) * Tail[0]; }
    double DrawnSweep() const { return Sweep + TurnSense(Sweep) * (Tail[0] + Tail[1]); }
};

// Where an angle's value goes when it does not fit inside, and the layout's arc running on under it.
struct OutsideAngleValue {
    Vector2 Centre;
    double TextAngle = 0.0;
    RunOnArc Arc;
};
// How the search along the arc's continuation goes: trying every step, or passing over the steps where the
// value plainly still meets a side or the mark (the same place, found with less work; a drag uses this one).
enum class AngleValueSearch { EveryStep, PassOverBlocked };
// The value of extent `extent` outside the arc of `layout` at `vertex` (its outermost arc at `outerRadius`, its
// marks at `markScale`, outside when `marksOutside`): on the bisector beyond the outermost arc while it crosses
// neither side; else past the end of the arc a drag chose (the cursor's side while a press drags, kept on the
// group; else the end kept there), standing beside the arc's continuation clear of the side and the mark there,
// the arc running on under it, as a linear value stands past its extension line; farther off the arc where the
// marks or the side leave it no room there, but never farther from the vertex than on the bisector out past the
// sides, where it goes last.
OutsideAngleValue PlaceOutsideAngleValue(AIRealPoint vertex, double outerRadius, const AngleLayout& layout,
                                         const LabelExtent& extent, double markScale, bool marksOutside,
                                         AngleValueSearch search = AngleValueSearch::PassOverBlocked);

// Rebuilds the angle dimension at vertex (x, y): its arcs in `arcs` (AngleArcs; AngleArcs[0] always, more
// with `multipleArcs` per ArcCount), the end marks (sized by ActiveEndMarkSize, none while it is 0, pointing
// the other way with Control or AngleArrowsFlag, and outside an arc too short for them), the right-angle square
// per the stored "AngleDroitAuto" (RightAngleShown set and the label frame removed), and the label with
// FormatAngleText of the angle (outside the arc, on the same direction, when it does not fit inside the angle),
// its baseline within a quarter turn of horizontal (LevelAngle). Alt, the left Windows key and right Shift
// change nothing here. Result: the last host error; kBadParameterErr for an
// angle or radius that is not finite, leaving the art as it was.
ASErr DrawAngleDimension(AIReal x, AIReal y, AIReal radius, AIReal angle, AIReal start, AIArtHandle* arcs,
                         int8_t multipleArcs, int32_t withEnds, int32_t alt, int32_t dragModifier,
                         int32_t rightShift);
// The angle of the circular arc from AnglePointB to AnglePointA around AngleVertex: the angle dimension at
// the live "Rayon" (with AngleArcs and MultipleArcs), and the two radii in ExtensionLines[0] from each end of
// the dimension arc through the centre; Control turns the end marks as for the vertex angle, the point and
// the other modifiers change nothing.
ASErr DrawArcAngleDimension(AIReal x, AIReal y, int32_t withEnds, int32_t rightShift, int32_t alt,
                            int32_t dragModifier);
