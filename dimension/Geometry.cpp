// Pure plane geometry: vectors, lines, segments, Bézier points and circles through curves.
#include "dimension/Geometry.h"

#include <algorithm>
#include <cmath>

FoundArc gFoundArc;

double Vector2::Length() const { return std::hypot(X, Y); }

AIRealPoint Vector2::ToPoint() const {
    return AIRealPoint{static_cast<AIReal>(X), static_cast<AIReal>(Y)};
}

Vector2 UnitVector(Vector2 v) {
    const double length = v.Length();
    if (length <= kGeometryEpsilon) return {};
    return v * (1.0 / length);
}

double Distance(AIRealPoint a, AIRealPoint b) { return (Vector2(b) - Vector2(a)).Length(); }

int Sign(double x) { return (x > 0.0) - (x < 0.0); }

double TurnSense(double sweep) { return sweep < 0.0 ? -1.0 : 1.0; }

double DirectionFrom(AIRealPoint from, AIRealPoint to) {
    const Vector2 d = Vector2(to) - Vector2(from);
    return d.IsDegenerate() ? 0.0 : std::atan2(d.Y, d.X);
}

namespace {

double Dot(Vector2 u, Vector2 v) { return u.X * v.X + u.Y * v.Y; }
double Cross(Vector2 u, Vector2 v) { return u.X * v.Y - u.Y * v.X; }

// A tangent line of an arc: an anchor and a direction along one of its handles (no direction when none is off it).
struct ArcTangent {
    Vector2 Anchor;
    Vector2 Direction;
};

// The tangent at the first handle that lies off its anchor, in this order: the first record's out and in handles,
// then the second record's in and out handles; so the two ends of an arc may be given in either order.
ArcTangent TangentOfArc(const AIPathSegment& first, const AIPathSegment& second) {
    const struct {
        AIRealPoint Anchor;
        AIRealPoint Handle;
    } candidates[] = {{first.p, first.out}, {first.p, first.in}, {second.p, second.in}, {second.p, second.out}};
    for (const auto& candidate : candidates) {
        const Vector2 direction = Vector2(candidate.Handle) - Vector2(candidate.Anchor);
        if (!direction.IsDegenerate()) return {Vector2(candidate.Anchor), direction};
    }
    return {};
}

}  // namespace

double Dot2(AIRealPoint u, AIRealPoint v) { return Dot(Vector2(u), Vector2(v)); }

double Cross2(AIRealPoint u, AIRealPoint v) { return Cross(Vector2(u), Vector2(v)); }

double Cross2(AIRealPoint a1, AIRealPoint b1, AIRealPoint a2, AIRealPoint b2) {
    return Cross(Vector2(b1) - Vector2(a1), Vector2(b2) - Vector2(a2));
}

double ClampedAcos(double cosine) {
    if (std::isnan(cosine)) return 0.0;
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

double SignedAngle(AIRealPoint u, AIRealPoint v) {
    const Vector2 a = UnitVector(Vector2(u));
    const Vector2 b = UnitVector(Vector2(v));
    if (a.IsDegenerate() || b.IsDegenerate()) return 0.0;
    const double angle = ClampedAcos(Dot(a, b));
    return Cross(a, b) < 0.0 ? -angle : angle;
}

LineIntersectionResult LineIntersection(AIRealPoint a1, AIRealPoint b1, AIRealPoint a2, AIRealPoint b2) {
    LineIntersectionResult result;
    result.Point = a1;
    const Vector2 d1 = Vector2(b1) - Vector2(a1);
    const Vector2 d2 = Vector2(b2) - Vector2(a2);
    if (d1.IsDegenerate() || d2.IsDegenerate()) {
        result.Status = LineMeeting::Degenerate;
        return result;
    }
    const double denominator = Cross(d1, d2);
    if (std::fabs(denominator) <= kGeometryEpsilon * d1.Length() * d2.Length()) {
        result.Status = LineMeeting::Parallel;
        return result;
    }
    const double t = Cross(Vector2(a2) - Vector2(a1), d2) / denominator;
    result.Point = (Vector2(a1) + d1 * t).ToPoint();
    result.Status = LineMeeting::Crossing;
    return result;
}

AIRealPoint FootOfPerpendicular(AIRealPoint p, AIRealPoint a, AIRealPoint b) {
    const Vector2 d = Vector2(b) - Vector2(a);
    if (d.IsDegenerate()) return a;
    const double t = Dot(Vector2(p) - Vector2(a), d) / Dot(d, d);
    return (Vector2(a) + d * t).ToPoint();
}

Vector2 CutAtSquare(Vector2 from, Vector2 to, double reach) {
    const Vector2 d = to - from;
    double kept = 1.0;  // the share of the segment inside the square
    const auto cut = [&](double start, double step) {
        if (step > 0.0 && start + step > reach) kept = std::min(kept, (reach - start) / step);
        if (step < 0.0 && start + step < -reach) kept = std::min(kept, (-reach - start) / step);
    };
    cut(from.X, d.X);
    cut(from.Y, d.Y);
    return from + d * std::max(kept, 0.0);
}

int32_t SegmentsCross(AIRealPoint a, AIRealPoint b, AIRealPoint c, AIRealPoint d) {
    const Vector2 pa(a), pb(b), pc(c), pd(d);
    const int side1 = Sign(Cross(pb - pa, pc - pa));
    const int side2 = Sign(Cross(pb - pa, pd - pa));
    const int side3 = Sign(Cross(pd - pc, pa - pc));
    const int side4 = Sign(Cross(pd - pc, pb - pc));
    return (side1 * side2 < 0 && side3 * side4 < 0) ? 1 : 0;
}

int32_t ArePointsEqual(const AIPathSegment& previous, const AIPathSegment& vertex, const AIPathSegment& next) {
    const bool straight = SamePoint(vertex.in, vertex.p) && SamePoint(vertex.out, vertex.p) &&
                          SamePoint(previous.out, previous.p) && SamePoint(next.in, next.p);
    return straight ? 1 : 0;
}

Vector2 BezierPoint(const AIRealBezier& curve, double t) {
    const double u = 1.0 - t;
    const double w0 = u * u * u;
    const double w1 = 3.0 * u * u * t;
    const double w2 = 3.0 * u * t * t;
    const double w3 = t * t * t;
    return Vector2(curve.p0) * w0 + Vector2(curve.p1) * w1 + Vector2(curve.p2) * w2 + Vector2(curve.p3) * w3;
}

AIRealBezier CurveBetween(const AIPathSegment& start, const AIPathSegment& end, int32_t handleFlag) {
    if (handleFlag == 0) return AIRealBezier{start.p, start.out, end.in, end.p};
    return AIRealBezier{start.p, start.in, end.out, end.p};
}

bool CircleFromChords(const AIPathSegment& first, const AIPathSegment& second, AIPathSegment* centre,
                      AIReal* radius) {
    const Vector2 chord = Vector2(second.p) - Vector2(first.p);
    if (chord.IsDegenerate()) return false;
    const Vector2 middle = (Vector2(first.p) + Vector2(second.p)) * 0.5;
    const Vector2 bisectorEnd = middle + chord.Perpendicular();

    const ArcTangent tangent = TangentOfArc(first, second);
    if (tangent.Direction.IsDegenerate()) return false;
    const Vector2 normalEnd = tangent.Anchor + tangent.Direction.Perpendicular();

    const LineIntersectionResult meeting = LineIntersection(tangent.Anchor.ToPoint(), normalEnd.ToPoint(),
                                                            middle.ToPoint(), bisectorEnd.ToPoint());
    if (meeting.Status != LineMeeting::Crossing) return false;
    if (centre != nullptr) {
        *centre = AIPathSegment{};
        centre->p = meeting.Point;
        centre->in = meeting.Point;
        centre->out = meeting.Point;
    }
    if (radius != nullptr) *radius = static_cast<AIReal>(Distance(meeting.Point, first.p));
    return true;
}

int32_t IsCircularArc(AIArtHandle /*art*/, const AIPathSegment& start, const AIPathSegment& end,
                      int32_t handleFlag) {
    const AIRealBezier curve = CurveBetween(start, end, handleFlag);
    if (SamePoint(curve.p1, curve.p0) || SamePoint(curve.p2, curve.p3)) return 0;

    AIPathSegment from = start;
    AIPathSegment to = end;
    from.out = curve.p1;
    to.in = curve.p2;
    AIPathSegment centre;
    AIReal radius = 0.0f;
    if (!CircleFromChords(from, to, &centre, &radius)) return 0;
    gFoundArc.ArcCentreFound = centre;
    gFoundArc.ArcRadiusFound = radius;

    const Vector2 middle(centre.p);
    for (AIReal t = 0.0f; t < 1.0f; t += kCurveSampleStep) {
        const double distance = (BezierPoint(curve, t) - middle).Length();
        if (std::fabs(distance - radius) > kArcTolerance) return 0;
    }
    return 1;
}
