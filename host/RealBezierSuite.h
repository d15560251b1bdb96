// AI Real Bezier: one cubic Bézier (p0, control 1, control 2, p3) evaluated, measured and split.
// Work is done in double precision; results are the host's float types.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Flatness of AIRealBezierLength: the largest distance tolerated between the curve and the chords that
// measure it. A flatness of zero or below uses kDefaultBezierFlatness.
constexpr AIReal kDefaultBezierFlatness = 0.01f;

// Every operation answers kBadParameterErr and writes nothing when a pointer is null.
struct AIRealBezierSuite {
    ASErr (*AIRealBezierSet)(AIRealBezier* b, const AIRealPoint* p0, const AIRealPoint* p1,
                             const AIRealPoint* p2, const AIRealPoint* p3);
    // The straight segment from p0 to p3 as a Bézier, controls at its thirds.
    ASErr (*AIRealPointsToBezier)(const AIRealPoint* p0, const AIRealPoint* p3, AIRealBezier* b);
    // The point at parameter t (0 at p0, 1 at p3; t outside 0..1 is clamped).
    ASErr (*AIRealBezierEvaluate)(const AIRealBezier* b, AIReal t, AIRealPoint* p);
    // The unit tangent at t, in the direction of travel. Where the derivative vanishes (a control point on
    // its anchor) the direction of the curve next to t is used. A curve that is one point answers
    // kBadParameterErr with a zero vector.
    ASErr (*AIRealBezierTangent)(const AIRealBezier* b, AIReal t, AIRealPoint* tangent);
    // The unit normal at t: the unit tangent turned a quarter turn counter-clockwise (to the left of travel).
    ASErr (*AIRealBezierNormal)(const AIRealBezier* b, AIReal t, AIRealPoint* normal);
    // The signed curvature at t (positive when the curve turns counter-clockwise; 1 / radius); 0 where the
    // derivative vanishes.
    ASErr (*AIRealBezierCurvature)(const AIRealBezier* b, AIReal t, AIReal* curvature);
    // Splits at t into the part from p0 to t and the part from t to p3 (either output may be null).
    ASErr (*AIRealBezierDivide)(const AIRealBezier* b, AIReal t, AIRealBezier* first, AIRealBezier* second);
    // The arc length. `flatness` bounds the error a host may make (the stand-in answers to a relative
    // error below 1e-7 whatever it is).
    ASErr (*AIRealBezierLength)(const AIRealBezier* b, AIReal flatness, AIReal* length);
    // The parameter t at which the arc length from p0 reaches `length` (clamped to 0..1).
    ASErr (*AIRealBezierTAtLength)(const AIRealBezier* b, AIReal length, AIReal flatness, AIReal* t);
};
