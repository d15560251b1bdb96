// Small point and vector types and the pure plane geometry the dimension builders and tools share.
#pragma once

#include <cstdint>

#include "host/Types.h"

// Distances below this many artwork units count as zero (coincident points, zero-length vectors).
constexpr double kGeometryEpsilon = 1e-9;

// A vector or point of the plane in double precision, for computing; artwork records stay single precision.
struct Vector2 {
    double X = 0.0;
    double Y = 0.0;

    constexpr Vector2() = default;
    constexpr Vector2(double x, double y) : X(x), Y(y) {}
    constexpr explicit Vector2(AIRealPoint p) : X(p.h), Y(p.v) {}

    constexpr Vector2 operator+(Vector2 o) const { return {X + o.X, Y + o.Y}; }
    constexpr Vector2 operator-(Vector2 o) const { return {X - o.X, Y - o.Y}; }
    constexpr Vector2 operator*(double k) const { return {X * k, Y * k}; }
    double Length() const;
    // True when the vector is too short to give a direction. A vector plainly longer than that (its squared
    // length past four times the squared limit) is told without the square root.
    bool IsDegenerate() const {
        return X * X + Y * Y <= 4.0 * kGeometryEpsilon * kGeometryEpsilon && Length() <= kGeometryEpsilon;
    }
    // The vector turned a quarter turn counter-clockwise.
    constexpr Vector2 Perpendicular() const { return {-Y, X}; }
    AIRealPoint ToPoint() const;
};

// The unit vector of v, or no direction (a zero vector) when v is degenerate.
Vector2 UnitVector(Vector2 v);
double Distance(AIRealPoint a, AIRealPoint b);
// -1, 0 or +1 as x is negative, zero or positive.
int Sign(double x);
// The sense of a turn by `sweep` radians: -1 for a clockwise one, +1 otherwise (a null sweep included), so a
// step along the turn always has a direction.
double TurnSense(double sweep);
// The direction (radians, counter-clockwise from the x axis) from one point to another; 0 when they are too
// close to give one.
double DirectionFrom(AIRealPoint from, AIRealPoint to);

// The dot product of two direction vectors.
double Dot2(AIRealPoint u, AIRealPoint v);
// The cross product u.x * v.y - u.y * v.x of two direction vectors; its sign tells the side.
double Cross2(AIRealPoint u, AIRealPoint v);
// (b1 - a1) x (b2 - a2): the cross product of the directions of two point pairs.
double Cross2(AIRealPoint a1, AIRealPoint b1, AIRealPoint a2, AIRealPoint b2);

// The arc cosine of an argument clamped to [-1, 1], so rounding never gives NaN.
double ClampedAcos(double cosine);
// The angle from u to v in radians, in [-pi, pi], counter-clockwise positive (v upward): the arc cosine of the
// unit vectors' dot product, negated when u x v is negative, so a clockwise turn is negative. Zero when either
// vector is degenerate.
double SignedAngle(AIRealPoint u, AIRealPoint v);

// How two lines meet.
enum class LineMeeting : int32_t {
    Crossing = 0,    // one intersection point
    Parallel = 1,    // parallel or the same line: no single point
    Degenerate = 2,  // a line given by two coincident points
};
// The intersection of two lines; Point is the first line's first point unless Status is Crossing.
struct LineIntersectionResult {
    AIRealPoint Point;
    LineMeeting Status = LineMeeting::Parallel;
};
// The intersection of the line a1-b1 with the line a2-b2.
LineIntersectionResult LineIntersection(AIRealPoint a1, AIRealPoint b1, AIRealPoint a2, AIRealPoint b2);

// The foot of the perpendicular from p to the line a-b; a itself when a and b coincide.
AIRealPoint FootOfPerpendicular(AIRealPoint p, AIRealPoint a, AIRealPoint b);

// The segment from `from` (inside the square of half-side `reach` about the origin) to `to`, cut where it
// leaves that square: `to` itself when it lies inside, else the point where the segment crosses the square's
// edge, on the same line.
Vector2 CutAtSquare(Vector2 from, Vector2 to, double reach);

// Non-zero when segment a-b and segment c-d cross at one point inside both; touching ends and collinear overlaps
// do not cross.
int32_t SegmentsCross(AIRealPoint a, AIRealPoint b, AIRealPoint c, AIRealPoint d);

// True when both coordinates are equal exactly (a handle placed on its anchor).
constexpr bool SamePoint(AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; }

// 1 when both segments at the vertex are straight: the vertex's two handles, the previous anchor's out handle and
// the next anchor's in handle all lie exactly on their anchors; else 0.
int32_t ArePointsEqual(const AIPathSegment& previous, const AIPathSegment& vertex, const AIPathSegment& next);

// The point of the cubic Bézier at parameter t.
Vector2 BezierPoint(const AIRealBezier& curve, double t);
// The curve that runs from the start record's anchor to the end record's anchor: flag 0 takes the start's out
// handle and the end's in handle, flag 1 the start's in handle and the end's out handle (a closing segment taken
// backwards).
AIRealBezier CurveBetween(const AIPathSegment& start, const AIPathSegment& end, int32_t handleFlag);

// The circle through both anchors whose tangent at the first anchor runs along that anchor's out handle, or its in
// handle when the out handle lies on the anchor (else the tangent at the second anchor, along its in handle, then
// its out handle), so the two ends of an arc may come in either order: its centre is where the perpendicular
// bisector of the chord meets the normal. Writes the centre into the anchor of centre and the radius; false,
// writing nothing, when the points are collinear or coincide or no handle lies off its anchor.
bool CircleFromChords(const AIPathSegment& first, const AIPathSegment& second, AIPathSegment* centre,
                      AIReal* radius);

// The circle that the last IsCircularArc found through a curve: its centre (in the anchor) and its radius.
struct FoundArc {
    AIPathSegment ArcCentreFound;
    AIReal ArcRadiusFound = 0.0f;
};
extern FoundArc gFoundArc;

// Samples of a curve farther than this from the circle make it a free curve.
constexpr double kArcTolerance = 1.0;
// The step of the curve parameter when a curve is sampled.
constexpr AIReal kCurveSampleStep = 0.001f;

// 1 when the curve between the two records (handles chosen by handleFlag as for CurveBetween) is a circular arc:
// neither control point lies on its anchor, the circle of CircleFromChords exists, and every sample from t = 0 in
// steps of 0.001 while t < 1 lies within 1.0 of it. The circle, once found, is written into gFoundArc.
int32_t IsCircularArc(AIArtHandle art, const AIPathSegment& start, const AIPathSegment& end, int32_t handleFlag);
