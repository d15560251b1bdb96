// Double-precision points for the stand-in's math suites, converted from and to the host's float points.
#pragma once

#include <cmath>

#include "host/Types.h"

namespace sim {

// A point or vector in double precision.
struct Vec {
    double x = 0.0;
    double y = 0.0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(double s, Vec a) {
    return {s * a.x, s * a.y};
}
inline double Length(Vec a) {
    return std::hypot(a.x, a.y);
}
inline double Cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}
// A null point reads as the origin.
inline Vec ToVec(const AIRealPoint* p) {
    return p == nullptr ? Vec{} : Vec{p->h, p->v};
}
inline AIRealPoint ToPoint(Vec a) {
    return {static_cast<AIReal>(a.x), static_cast<AIReal>(a.y)};
}

// A cubic Bézier in double precision: p0, control 1, control 2, p3.
struct Cubic {
    Vec p0, p1, p2, p3;
};

inline Cubic ToCubic(const AIRealBezier& b) {
    return {ToVec(&b.p0), ToVec(&b.p1), ToVec(&b.p2), ToVec(&b.p3)};
}

// The point of the cubic at t.
inline Vec CubicAt(const Cubic& c, double t) {
    const double u = 1.0 - t;
    return (u * u * u) * c.p0 + (3.0 * u * u * t) * c.p1 + (3.0 * u * t * t) * c.p2 + (t * t * t) * c.p3;
}

// The derivative of the cubic at t.
inline Vec CubicDerivative(const Cubic& c, double t) {
    const double u = 1.0 - t;
    return 3.0 * ((u * u) * (c.p1 - c.p0) + (2.0 * u * t) * (c.p2 - c.p1) + (t * t) * (c.p3 - c.p2));
}

} // namespace sim
