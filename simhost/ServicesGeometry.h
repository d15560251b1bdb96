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

} // namespace sim
