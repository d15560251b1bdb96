#include "figures/CircleFigureShape.h"

#include <algorithm>
#include <cmath>

#include "dimension/Geometry.h"

namespace {

// A point of the arc's own frame (the arc starting on the positive x axis at the origin's radius), turned by
// `turn` about the origin, then by the arc's start and moved to the centre.
struct ArcFrame {
    double Start;
    Vector2 Centre;

    AIRealPoint Place(Vector2 local, double turn) const {
        const double angle = turn + Start;
        const double c = std::cos(angle), s = std::sin(angle);
        return (Centre + Vector2(local.X * c - local.Y * s, local.X * s + local.Y * c)).ToPoint();
    }
    AIPathSegment Segment(Vector2 anchor, Vector2 in, Vector2 out, double turn, bool corner) const {
        AIPathSegment segment;
        segment.p = Place(anchor, turn);
        segment.in = Place(in, turn);
        segment.out = Place(out, turn);
        segment.corner = corner ? 1 : 0;
        return segment;
    }
};

}  // namespace

double PartialArcHandle(double sweep) { return 4.0 / 3.0 * std::tan(sweep / 4.0); }

void CircleSegments(AIReal r, AIRealPoint centre, AIPathSegment (&segments)[kCircleSegmentCount]) {
    const AIReal k = static_cast<AIReal>(r * kQuarterCircleHandle);
    const AIReal x = centre.h, y = centre.v;
    const AIPathSegment local[kCircleSegmentCount] = {
        {{-r, 0}, {-r, -k}, {-r, k}, 1},
        {{0, r}, {-k, r}, {k, r}, 1},
        {{r, 0}, {r, k}, {r, -k}, 1},
        {{0, -r}, {k, -r}, {-k, -r}, 1},
    };
    for (size_t i = 0; i < kCircleSegmentCount; ++i) {
        const AIPathSegment& s = local[i];
        segments[i] = {{s.p.h + x, s.p.v + y}, {s.in.h + x, s.in.v + y}, {s.out.h + x, s.out.v + y}, 1};
    }
}

int32_t ArcPieceCount(float sweep) {
    const float size = std::fabs(sweep);
    if (size <= kQuarterTurn) return 1;
    if (size <= kHalfTurn) return 2;
    if (size <= kThreeQuarterTurns) return 3;
    return 4;
}

size_t ArcSegmentsInPieces(int32_t pieces, AIReal r, AIRealPoint centre, float sweep, float start, bool sector,
                           AIPathSegment (&segments)[kArcSegmentCapacity]) {
    const int32_t quarters = std::clamp(pieces, 1, 4) - 1;
    const double sgn = Sign(sweep);
    const double quarter = static_cast<double>(kQuarterTurn);
    const double q = r * kQuarterCircleHandle;
    // The partial piece: its signed sweep and the handle length that puts its middle on the circle.
    const double rest = sweep - sgn * quarters * quarter;
    const double k = r * PartialArcHandle(rest);
    const ArcFrame frame{start, Vector2(centre)};
    const Vector2 anchor(r, 0.0);
    size_t count = 0;
    segments[count++] = frame.Segment(anchor, anchor, {r, quarters == 0 ? k : sgn * q}, 0.0, true);
    for (int32_t i = 1; i <= quarters; ++i) {
        const Vector2 out(r, i == quarters ? k : sgn * q);
        segments[count++] = frame.Segment(anchor, {r, -sgn * q}, out, i * sgn * quarter, false);
    }
    segments[count++] = frame.Segment(anchor, {r, -k}, anchor, sweep, true);
    if (sector) {
        AIPathSegment middle;
        middle.p = middle.in = middle.out = centre;
        segments[count++] = middle;
    }
    return count;
}

size_t ArcSegments(AIReal r, AIRealPoint centre, float sweep, float start, bool sector,
                   AIPathSegment (&segments)[kArcSegmentCapacity]) {
    return ArcSegmentsInPieces(ArcPieceCount(sweep), r, centre, sweep, start, sector, segments);
}
