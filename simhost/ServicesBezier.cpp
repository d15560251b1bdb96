// The real Bézier suite: evaluation, direction, curvature, splitting and arc length of one cubic Bézier,
// in double precision inside and the host's float types outside.
#include <algorithm>
#include <cmath>
#include <vector>

#include "simhost/ServicesGeometry.h"
#include "simhost/ServicesInternal.h"

namespace sim {

namespace {

// Halving stops at this depth whatever the flatness (at most 65536 pieces).
constexpr int kMaxFlattenDepth = 16;
// The parameter step used to find a direction where the derivative vanishes.
constexpr double kDirectionStep = 1e-3;
// Vectors shorter than this fraction of the curve's size count as zero.
constexpr double kZeroVector = 1e-12;

AIRealBezier ToBezier(const Cubic& c) {
    return {ToPoint(c.p0), ToPoint(c.p1), ToPoint(c.p2), ToPoint(c.p3)};
}

bool IsFinite(const Cubic& c) {
    for (Vec p : {c.p0, c.p1, c.p2, c.p3}) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return false;
    }
    return true;
}

// The largest coordinate of the control polygon, at least 1: the scale of "negligible".
double Size(const Cubic& c) {
    double size = 1.0;
    for (Vec p : {c.p0, c.p1, c.p2, c.p3})
        size = std::max({size, std::fabs(p.x), std::fabs(p.y)});
    return size;
}

// A parameter in 0..1 (NaN reads as 0).
double ClampT(AIReal t) {
    if (!(t >= 0.0f))
        return 0.0;
    return t > 1.0f ? 1.0 : static_cast<double>(t);
}

Vec SecondDerivative(const Cubic& c, double t) {
    return 6.0 * ((1.0 - t) * (c.p2 - 2.0 * c.p1 + c.p0) + t * (c.p3 - 2.0 * c.p2 + c.p1));
}

void Split(const Cubic& c, double t, Cubic* first, Cubic* second) {
    auto lerp = [t](Vec a, Vec b) { return a + t * (b - a); };
    const Vec a = lerp(c.p0, c.p1), b = lerp(c.p1, c.p2), d = lerp(c.p2, c.p3);
    const Vec ab = lerp(a, b), bd = lerp(b, d);
    const Vec mid = lerp(ab, bd);
    *first = {c.p0, a, ab, mid};
    *second = {mid, bd, d, c.p3};
}

// The direction of travel at t, not normalised; false when the curve is a single point.
bool Direction(const Cubic& c, double t, Vec* direction) {
    const double zero = kZeroVector * Size(c);
    const Vec candidates[] = {
        CubicDerivative(c, t),
        CubicAt(c, std::min(1.0, t + kDirectionStep)) - CubicAt(c, std::max(0.0, t - kDirectionStep)),
        c.p3 - c.p0,
    };
    for (Vec candidate : candidates) {
        if (Length(candidate) > zero) {
            *direction = candidate;
            return true;
        }
    }
    return false;
}

double DistanceToChord(Vec p, Vec a, Vec b) {
    const Vec chord = b - a;
    const double length = Length(chord);
    return length == 0.0 ? Length(p - a) : std::fabs(Cross(chord, p - a)) / length;
}

// One flat piece of the curve: the parameter where it ends and its length.
struct Piece {
    double tEnd;
    double length;
};

// Halves the curve until each piece's controls lie within `flatness` of its chord and its control polygon is
// no more than `flatness` longer than the chord; a flat piece measures (chord + polygon) / 2.
void Flatten(const Cubic& c, double t0, double t1, double flatness, int depth, std::vector<Piece>* pieces) {
    const double chord = Length(c.p3 - c.p0);
    const double polygon = Length(c.p1 - c.p0) + Length(c.p2 - c.p1) + Length(c.p3 - c.p2);
    const bool flat =
        std::max(DistanceToChord(c.p1, c.p0, c.p3), DistanceToChord(c.p2, c.p0, c.p3)) <= flatness &&
        polygon - chord <= flatness;
    if (flat || depth >= kMaxFlattenDepth) {
        pieces->push_back({t1, (chord + polygon) / 2.0});
        return;
    }
    Cubic first, second;
    Split(c, 0.5, &first, &second);
    const double mid = (t0 + t1) / 2.0;
    Flatten(first, t0, mid, flatness, depth + 1, pieces);
    Flatten(second, mid, t1, flatness, depth + 1, pieces);
}

std::vector<Piece> Pieces(const Cubic& c, AIReal flatness) {
    std::vector<Piece> pieces;
    const double tolerance = flatness > 0.0f ? static_cast<double>(flatness) : kDefaultBezierFlatness;
    Flatten(c, 0.0, 1.0, tolerance, 0, &pieces);
    return pieces;
}

ASErr BezierSet(AIRealBezier* b, const AIRealPoint* p0, const AIRealPoint* p1, const AIRealPoint* p2,
                const AIRealPoint* p3) {
    if (b == nullptr || p0 == nullptr || p1 == nullptr || p2 == nullptr || p3 == nullptr)
        return kBadParameterErr;
    *b = {*p0, *p1, *p2, *p3};
    return kNoErr;
}

ASErr PointsToBezier(const AIRealPoint* p0, const AIRealPoint* p3, AIRealBezier* b) {
    if (p0 == nullptr || p3 == nullptr || b == nullptr)
        return kBadParameterErr;
    const Vec a = ToVec(p0), d = ToVec(p3);
    *b = {*p0, ToPoint(a + (1.0 / 3.0) * (d - a)), ToPoint(a + (2.0 / 3.0) * (d - a)), *p3};
    return kNoErr;
}

ASErr Evaluate(const AIRealBezier* b, AIReal t, AIRealPoint* p) {
    if (b == nullptr || p == nullptr)
        return kBadParameterErr;
    *p = ToPoint(CubicAt(ToCubic(*b), ClampT(t)));
    return kNoErr;
}

ASErr UnitDirection(const AIRealBezier* b, AIReal t, bool turnLeft, AIRealPoint* result) {
    if (b == nullptr || result == nullptr)
        return kBadParameterErr;
    Vec direction;
    if (!Direction(ToCubic(*b), ClampT(t), &direction)) {
        *result = AIRealPoint();
        return kBadParameterErr;
    }
    const Vec unit = (1.0 / Length(direction)) * direction;
    *result = ToPoint(turnLeft ? Vec{-unit.y, unit.x} : unit);
    return kNoErr;
}

ASErr Tangent(const AIRealBezier* b, AIReal t, AIRealPoint* tangent) {
    return UnitDirection(b, t, false, tangent);
}
ASErr Normal(const AIRealBezier* b, AIReal t, AIRealPoint* normal) {
    return UnitDirection(b, t, true, normal);
}

ASErr Curvature(const AIRealBezier* b, AIReal t, AIReal* curvature) {
    if (b == nullptr || curvature == nullptr)
        return kBadParameterErr;
    const Cubic c = ToCubic(*b);
    const Vec d1 = CubicDerivative(c, ClampT(t));
    const double speed = Length(d1);
    if (speed <= kZeroVector * Size(c)) {
        *curvature = 0.0f;
        return kNoErr;
    }
    *curvature = static_cast<AIReal>(Cross(d1, SecondDerivative(c, ClampT(t))) / (speed * speed * speed));
    return kNoErr;
}

ASErr Divide(const AIRealBezier* b, AIReal t, AIRealBezier* first, AIRealBezier* second) {
    if (b == nullptr)
        return kBadParameterErr;
    Cubic left, right;
    Split(ToCubic(*b), ClampT(t), &left, &right);
    if (first != nullptr)
        *first = ToBezier(left);
    if (second != nullptr)
        *second = ToBezier(right);
    return kNoErr;
}

// The length of the cubic, its pieces halved to `flatness`.
double CubicLength(const Cubic& c, AIReal flatness) {
    double total = 0.0;
    for (const Piece& piece : Pieces(c, flatness))
        total += piece.length;
    return total;
}

ASErr BezierLength(const AIRealBezier* b, AIReal flatness, AIReal* length) {
    if (b == nullptr || length == nullptr)
        return kBadParameterErr;
    const Cubic c = ToCubic(*b);
    if (!IsFinite(c))
        return kBadParameterErr;
    *length = static_cast<AIReal>(CubicLength(c, flatness));
    return kNoErr;
}

// Bisection steps of TAtLength: far below single precision.
constexpr int kTAtLengthSteps = 48;

// The t at which the curve has run `length` from its start, found by halving [0, 1] on the length of the part
// before t, so that a curve whose speed varies (handles on their anchors, say) is measured truly.
ASErr TAtLength(const AIRealBezier* b, AIReal length, AIReal flatness, AIReal* t) {
    if (b == nullptr || t == nullptr)
        return kBadParameterErr;
    const Cubic c = ToCubic(*b);
    if (!IsFinite(c))
        return kBadParameterErr;
    *t = 0.0f;
    if (!(length > 0.0f))
        return kNoErr;
    if (length >= CubicLength(c, flatness)) {
        *t = 1.0f;
        return kNoErr;
    }
    double low = 0.0, high = 1.0;
    for (int step = 0; step < kTAtLengthSteps; ++step) {
        const double middle = 0.5 * (low + high);
        Cubic before, after;
        Split(c, middle, &before, &after);
        (CubicLength(before, flatness) < length ? low : high) = middle;
    }
    *t = static_cast<AIReal>(0.5 * (low + high));
    return kNoErr;
}

} // namespace

const AIRealBezierSuite& RealBezierSuiteTable() {
    static const AIRealBezierSuite suite{BezierSet, PointsToBezier, Evaluate,     Tangent,  Normal,
                                         Curvature, Divide,         BezierLength, TAtLength};
    return suite;
}

} // namespace sim
