// The real Bézier suite: evaluation, direction, curvature, splitting and arc length of one cubic Bézier,
// in double precision inside and the host's float types outside.
#include <algorithm>
#include <cmath>
#include <vector>

#include "simhost/ServicesGeometry.h"
#include "simhost/ServicesInternal.h"

namespace sim {

namespace {

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

// Nodes and weights of the 8-point Gauss-Legendre rule on [-1, 1], by symmetric pairs.
constexpr double kGaussNodes[] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                  0.9602898564975363};
constexpr double kGaussWeights[] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                    0.1012285362903763};
// A span is halved until its two halves agree with it to this fraction of the curve's control polygon, far
// below the single precision of the answer; the depth bound only stops a curve made of NaN-free nonsense.
constexpr double kLengthTolerance = 1e-12;
constexpr int kMaxLengthDepth = 40;

double Speed(const Cubic& c, double t) {
    return Length(CubicDerivative(c, t));
}

// The length of the curve between t0 and t1 by one Gauss-Legendre rule.
double GaussLength(const Cubic& c, double t0, double t1) {
    const double middle = 0.5 * (t0 + t1), half = 0.5 * (t1 - t0);
    double sum = 0.0;
    for (size_t i = 0; i < std::size(kGaussNodes); ++i) {
        const double offset = half * kGaussNodes[i];
        sum += kGaussWeights[i] * (Speed(c, middle - offset) + Speed(c, middle + offset));
    }
    return half * sum;
}

// Halves [t0, t1] until the halves' lengths add up to the whole's within `tolerance`.
double AdaptiveLength(const Cubic& c, double t0, double t1, double whole, double tolerance, int depth) {
    const double middle = 0.5 * (t0 + t1);
    const double first = GaussLength(c, t0, middle), second = GaussLength(c, middle, t1);
    if (depth >= kMaxLengthDepth || std::fabs(first + second - whole) <= tolerance)
        return first + second;
    return AdaptiveLength(c, t0, middle, first, 0.5 * tolerance, depth + 1) +
           AdaptiveLength(c, middle, t1, second, 0.5 * tolerance, depth + 1);
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

// The arc length of the cubic, whatever flatness the caller asks: a host answers lengths far more closely
// than any label shows them.
double CubicLength(const Cubic& c) {
    const double polygon = Length(c.p1 - c.p0) + Length(c.p2 - c.p1) + Length(c.p3 - c.p2);
    if (polygon == 0.0)
        return 0.0;
    return AdaptiveLength(c, 0.0, 1.0, GaussLength(c, 0.0, 1.0), kLengthTolerance * polygon, 0);
}

ASErr BezierLength(const AIRealBezier* b, AIReal /*flatness*/, AIReal* length) {
    if (b == nullptr || length == nullptr)
        return kBadParameterErr;
    const Cubic c = ToCubic(*b);
    if (!IsFinite(c))
        return kBadParameterErr;
    *length = static_cast<AIReal>(CubicLength(c));
    return kNoErr;
}

// Bisection steps of TAtLength: far below single precision.
constexpr int kTAtLengthSteps = 48;

// The t at which the curve has run `length` from its start, found by halving [0, 1] on the length of the part
// before t, so that a curve whose speed varies (handles on their anchors, say) is measured truly.
ASErr TAtLength(const AIRealBezier* b, AIReal length, AIReal /*flatness*/, AIReal* t) {
    if (b == nullptr || t == nullptr)
        return kBadParameterErr;
    const Cubic c = ToCubic(*b);
    if (!IsFinite(c))
        return kBadParameterErr;
    *t = 0.0f;
    if (!(length > 0.0f))
        return kNoErr;
    if (length >= CubicLength(c)) {
        *t = 1.0f;
        return kNoErr;
    }
    double low = 0.0, high = 1.0;
    for (int step = 0; step < kTAtLengthSteps; ++step) {
        const double middle = 0.5 * (low + high);
        Cubic before, after;
        Split(c, middle, &before, &after);
        (CubicLength(before) < length ? low : high) = middle;
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
