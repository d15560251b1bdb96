// How a dimension makes room for its value and end marks: the one fit decision every kind takes when space is
// tight, the extent of a label's text, and the distances that shape what goes outside.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dimension/Geometry.h"
#include "host/Types.h"

// End marks fit inside a line or arc that gives each of them this many of its lengths (two arrowheads need two
// and a half arrowhead lengths, so some line shows between them).
constexpr double kMarkRoomPerMark = 1.25;
// A value fits between end marks that stand inside only where this many end-mark lengths of dimension line
// still show between each mark and the value.
constexpr double kLineShownPerMark = 0.5;
// Past an end mark that points in from outside, the line runs on beyond the mark's back by this many end-mark
// lengths, so that the run-out shows.
constexpr double kOutsideRunOutPerMark = 1.0;
// The least space between a value and the lines, marks and other values around it.
constexpr double kValueClearance = 2.0;
// The most steps a search for a value's or a leader's place takes along a length or a turn: past it the
// search stops where it stands, at any scale (far from the origin a step of a few points no longer moves a
// coordinate).
constexpr int32_t kMostSearchSteps = 4096;

// The extent of a label's text in its own frame: the baseline through the anchor, the text centred on it.
struct LabelExtent {
    double Width = 0.0;
    double Bottom = 0.0; // the lowest point below (negative) or above the baseline
    double Top = 0.0;    // the highest point above the baseline

    double Height() const { return Top - Bottom; }
    // Half the text's extent along a direction `turn` radians from its baseline.
    double HalfAlong(double turn) const;
    // True when there is no text to make room for.
    bool IsEmpty() const { return Width <= kGeometryEpsilon; }
};

// A label as placed: the middle of its box, its baseline direction (already upright) and its extent.
struct LabelBox {
    Vector2 Centre;
    double Angle = 0.0;
    LabelExtent Extent;

    // The unit vectors along the baseline and up across it.
    Vector2 Along() const;
    Vector2 Up() const;
    // Corner k (0..3, counter-clockwise from the lower left) of the box grown by `margin` on every side.
    Vector2 Corner(int k, double margin = 0.0) const;
    // The four corners at once, in that order.
    void Corners(double margin, Vector2 (&corners)[4]) const;
    // Half the box's extent along the unit direction `unit`.
    double HalfExtentOn(Vector2 unit) const;
};

// True when the two convex polygons (points in order, either turn) overlap with some area or touch.
bool ConvexPolygonsOverlap(const Vector2* a, size_t countA, const Vector2* b, size_t countB);

// The box of a label anchored at `anchor` with its baseline along `angle` (upright).
LabelBox BoxAtAnchor(AIRealPoint anchor, double angle, const LabelExtent& extent);
// The anchor that puts the middle of the label's box at `centre`.
AIRealPoint AnchorForCentre(Vector2 centre, double angle, const LabelExtent& extent);

// The current end-mark shape at `scale`: its length along its line (from the tip to its farthest point) and
// half its width across; 0 for no scale.
double EndMarkLength(double scale);
double EndMarkHalfWidth(double scale);
// How far a line runs on past the tip of a mark at `scale` that points in from outside: the mark and its
// run-out.
double OutsideMarkTail(double scale);

// The room one dimension has, as its kind measures it.
struct FitRoom {
    bool MarksFitInside = true;       // the end marks fit between the ends
    bool ValueFitsBetweenMarks = true; // the value fits between the end marks as they stand inside
    bool ValueFitsBetweenEnds = true;  // the value fits between the ends once the marks are outside
    bool MarksOutsideAsked = false;    // the user turned the marks outside
};
// What goes outside.
struct DimensionFit {
    bool MarksOutside = false;
    bool ValueOutside = false;
};

// End marks `markLength` long, `markCount` of them, fit inside `room`.
bool MarksFitInside(double room, double markLength, int markCount);
// The decision: value and marks inside when both fit (the user's outside marks kept); the marks outside when
// they do not fit, or when that makes room for the value; the value outside when it does not fit between the
// ends.
DimensionFit DecideFit(const FitRoom& room);
// The room of a straight line `length` long between its ends, with `markCount` marks of `markLength` and a
// value that needs `valueLength` along it (its gaps included); between the marks the value leaves
// kLineShownPerMark of a mark's length of line beside each.
FitRoom StraightRoom(double length, double markLength, int markCount, double valueLength, bool marksOutsideAsked);
// True when a value whose middle lies `along` a straight line `length` long from its first end, and that needs
// `halfValue` on each side of its middle (its gaps included), stands between the ends: beside marks
// `markLength` long standing inside, with kLineShownPerMark of a mark's length of line beside each; beside
// marks outside, anywhere up to the ends. A value this slack past the room still stands there (what
// single-precision anchors lose).
bool ValueStandsBetweenEnds(double along, double halfValue, double length, double markLength, bool marksOutside,
                            double slack);

// True when the box grown by `margin` meets the polyline through `count` points.
bool BoxMeetsPolyline(const LabelBox& box, double margin, const Vector2* points, size_t count);
// True when the box grown by `margin` meets the end mark at `scale` laid at `tip` with its line side towards
// `direction` (radians), taken as the rectangle its shape's points span along and across its line.
bool BoxMeetsEndMark(const LabelBox& box, double margin, Vector2 tip, double direction, double scale);
// How far from `from` along the unit direction `direction` a line `reach` long first meets the box grown by
// `margin`: 0 when it starts inside, `reach` when it stays clear of it.
double DistanceToBox(const LabelBox& box, double margin, Vector2 from, Vector2 direction, double reach);
// Where the box grown by `margin` lies against the circle of `centre` and `radius`.
enum class CircleSide { Inside, Outside, Across };
CircleSide BoxAgainstCircle(const LabelBox& box, double margin, Vector2 centre, double radius);
