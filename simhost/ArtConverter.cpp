#include "simhost/ArtConverter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "host/Suites.h"
#include "simhost/Document.h"
#include "simhost/ServicesGeometry.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {
namespace {

// How far an approximated offset curve may stray from the true offset, in points.
constexpr double kOffsetTolerance = 0.01;
// A curve piece is halved at most this many times while its offset is approximated.
constexpr int kMaxHalvings = 8;
// Points per curve at which the curvature is compared with the distance.
constexpr int kCurvatureSamples = 64;
// Lengths below this count as nothing: a point, a vanishing derivative.
constexpr double kNegligible = 1e-9;
// Two offset ends closer than this meet at one anchor.
constexpr double kJoinTolerance = 1e-4;
// A curve is a circular arc when its ends, handles and middle agree with one circle to this share of its
// radius.
constexpr double kArcMatchShare = 1e-5;
// Parameter step taken inwards where the derivative of a curve vanishes, to find its direction.
constexpr double kDirectionNudge = 1e-3;

// One cubic piece of the offset path.
struct OffsetPiece {
    Vec q0, q1, q2, q3;
};

Vec Left(Vec v) {
    return {-v.y, v.x};
}
Vec Unit(Vec v) {
    const double length = Length(v);
    return length > kNegligible ? (1.0 / length) * v : Vec{};
}

// The rate of change of the derivative of the cubic at t.
Vec Acceleration(const Cubic& c, double t) {
    const Vec a = c.p2 - c.p1 - (c.p1 - c.p0);
    const Vec b = c.p3 - c.p2 - (c.p2 - c.p1);
    return 6.0 * ((1.0 - t) * a + t * b);
}

// The unit direction of travel at t; where the derivative vanishes, the direction just inside the curve,
// else that of its chord. A zero vector for a curve that is one point.
Vec TravelDirection(const Cubic& c, double t) {
    Vec d = CubicDerivative(c, t);
    if (Length(d) > kNegligible)
        return Unit(d);
    d = CubicDerivative(c, t < 0.5 ? t + kDirectionNudge : t - kDirectionNudge);
    if (Length(d) > kNegligible)
        return Unit(d);
    return Unit(c.p3 - c.p0);
}

// The signed curvature at t (positive turning left); 0 where the derivative vanishes.
double SignedCurvature(const Cubic& c, double t) {
    const Vec d = CubicDerivative(c, t);
    const double speed = Length(d);
    return speed > kNegligible ? Cross(d, Acceleration(c, t)) / (speed * speed * speed) : 0.0;
}

Vec OffsetPoint(const Cubic& c, double t, double distance) {
    return CubicAt(c, t) + distance * Left(TravelDirection(c, t));
}

bool IsPoint(const Cubic& c) {
    return Length(c.p1 - c.p0) <= kNegligible && Length(c.p2 - c.p0) <= kNegligible &&
           Length(c.p3 - c.p0) <= kNegligible;
}

// The circle a cubic follows: its centre and radius, when the curve is a circular arc.
struct ArcFit {
    Vec Centre;
    double Radius = 0.0;
    bool TurnsLeft = false;
};

bool FitArc(const Cubic& c, ArcFit* fit) {
    const Vec n0 = Left(TravelDirection(c, 0.0)), n3 = Left(TravelDirection(c, 1.0));
    const double denominator = Cross(n0, n3);
    if (std::abs(denominator) <= kNegligible)
        return false;
    // The centre is where the normals at the two ends meet: p0 + s n0 = p3 + u n3.
    const double s = Cross(c.p3 - c.p0, n3) / denominator;
    const Vec centre = c.p0 + s * n0;
    const double radius = std::abs(s);
    const double tolerance = kArcMatchShare * std::max(radius, 1.0);
    const bool onCircle = std::abs(Length(c.p3 - centre) - radius) <= tolerance &&
                          std::abs(Length(CubicAt(c, 0.5) - centre) - radius) <= tolerance;
    const bool symmetric = std::abs(Length(c.p1 - c.p0) - Length(c.p3 - c.p2)) <= tolerance;
    if (radius <= kNegligible || !onCircle || !symmetric)
        return false;
    *fit = ArcFit{centre, radius, s > 0.0};
    return true;
}

// The arc at `distance`: the same arc scaled about its centre.
ASErr OffsetArc(const Cubic& c, const ArcFit& arc, double distance, std::vector<OffsetPiece>* pieces) {
    const double radius = arc.Radius + (arc.TurnsLeft ? -distance : distance);
    if (radius <= kNegligible)
        return kOffsetTooLargeErr;
    const double k = radius / arc.Radius;
    const auto scaled = [&](Vec p) { return arc.Centre + k * (p - arc.Centre); };
    pieces->push_back({scaled(c.p0), scaled(c.p1), scaled(c.p2), scaled(c.p3)});
    return kNoErr;
}

// Whether the distance stays short of every centre of curvature on its side.
bool OffsetFits(const Cubic& c, double distance) {
    for (int i = 0; i <= kCurvatureSamples; ++i) {
        if (1.0 - distance * SignedCurvature(c, static_cast<double>(i) / kCurvatureSamples) <= 0.0)
            return false;
    }
    return true;
}

// The offset of the part of the cubic from t0 to t1 as one cubic with the true offset's ends and end
// derivatives (the derivative of the offset is the curve's, times 1 - distance x curvature).
OffsetPiece HermitePiece(const Cubic& c, double t0, double t1, double distance) {
    const double third = (t1 - t0) / 3.0;
    OffsetPiece piece;
    piece.q0 = OffsetPoint(c, t0, distance);
    piece.q3 = OffsetPoint(c, t1, distance);
    piece.q1 = piece.q0 + (third * (1.0 - distance * SignedCurvature(c, t0))) * CubicDerivative(c, t0);
    piece.q2 = piece.q3 - (third * (1.0 - distance * SignedCurvature(c, t1))) * CubicDerivative(c, t1);
    return piece;
}

// The largest distance between the piece and the true offset at a few inner parameters.
double PieceError(const Cubic& c, double t0, double t1, double distance, const OffsetPiece& piece) {
    const Cubic approximation{piece.q0, piece.q1, piece.q2, piece.q3};
    double error = 0.0;
    for (const double s : {0.25, 0.5, 0.75}) {
        const Vec exact = OffsetPoint(c, t0 + s * (t1 - t0), distance);
        error = std::max(error, Length(CubicAt(approximation, s) - exact));
    }
    return error;
}

void OffsetFreeCurve(const Cubic& c, double t0, double t1, double distance, int halvings,
                     std::vector<OffsetPiece>* pieces) {
    const OffsetPiece piece = HermitePiece(c, t0, t1, distance);
    if (halvings >= kMaxHalvings || PieceError(c, t0, t1, distance, piece) <= kOffsetTolerance) {
        pieces->push_back(piece);
        return;
    }
    const double middle = (t0 + t1) / 2.0;
    OffsetFreeCurve(c, t0, middle, distance, halvings + 1, pieces);
    OffsetFreeCurve(c, middle, t1, distance, halvings + 1, pieces);
}

ASErr OffsetCubic(const Cubic& c, double distance, std::vector<OffsetPiece>* pieces) {
    ArcFit arc;
    if (FitArc(c, &arc))
        return OffsetArc(c, arc, distance, pieces);
    if (!OffsetFits(c, distance))
        return kOffsetTooLargeErr;
    OffsetFreeCurve(c, 0.0, 1.0, distance, 0, pieces);
    return kNoErr;
}

// The cubic of the path from anchor i to the next one.
Cubic SegmentCubic(const std::vector<AIPathSegment>& anchors, size_t i) {
    const AIPathSegment& a = anchors[i];
    const AIPathSegment& b = anchors[(i + 1) % anchors.size()];
    return {ToVec(&a.p), ToVec(&a.out), ToVec(&b.in), ToVec(&b.p)};
}

AIPathSegment Anchor(Vec p, Vec in, Vec out, bool corner) {
    AIPathSegment segment;
    segment.p = ToPoint(p);
    segment.in = ToPoint(in);
    segment.out = ToPoint(out);
    segment.corner = corner ? 1 : 0;
    return segment;
}

// The anchors of consecutive pieces: one anchor where a piece starts at the end of the one before, else the
// two ends joined by a straight segment.
std::vector<AIPathSegment> JoinPieces(const std::vector<OffsetPiece>& pieces, bool closed) {
    std::vector<AIPathSegment> anchors;
    anchors.push_back(Anchor(pieces.front().q0, pieces.front().q0, pieces.front().q1, false));
    for (size_t i = 1; i < pieces.size(); ++i) {
        const OffsetPiece& before = pieces[i - 1];
        const OffsetPiece& piece = pieces[i];
        if (Length(piece.q0 - before.q3) <= kJoinTolerance) {
            anchors.push_back(Anchor(before.q3, before.q2, piece.q1, false));
        } else {
            anchors.push_back(Anchor(before.q3, before.q2, before.q3, true));
            anchors.push_back(Anchor(piece.q0, piece.q0, piece.q1, true));
        }
    }
    const OffsetPiece& last = pieces.back();
    if (closed && Length(last.q3 - pieces.front().q0) <= kJoinTolerance) {
        anchors.front().in = ToPoint(last.q2);
        return anchors;
    }
    anchors.front().corner = closed ? 1 : 0;
    anchors.push_back(Anchor(last.q3, last.q2, last.q3, closed));
    return anchors;
}

bool IsFinite(Vec v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

ASErr OffsetPath(AIArtHandle path, AIReal distance, int16_t paintOrder, AIArtHandle prep,
                 AIArtHandle* offsetPath) {
    if (offsetPath == nullptr)
        return kBadParameterErr;
    *offsetPath = nullptr;
    Document& document = TheDocument();
    ArtNode* source = nullptr;
    if (const ASErr error = document.FindNode(path, &source); error != kNoErr)
        return error;
    if (source->type != kPathArt)
        return kBadParameterErr;
    std::vector<AIPathSegment> anchors;
    if (const ASErr error = OffsetAnchors(source->segments, source->closed, distance, &anchors);
        error != kNoErr) {
        return error;
    }
    if (anchors.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return kOutOfMemoryErr;
    ArtNode* made = nullptr;
    if (const ASErr error = document.NewArt(kPathArt, paintOrder, prep, &made); error != kNoErr)
        return error;
    made->segments = std::move(anchors);
    made->closed = source->closed;
    made->style = source->style;
    *offsetPath = Document::Handle(made);
    return kNoErr;
}

} // namespace

ASErr OffsetAnchors(const std::vector<AIPathSegment>& anchors, bool closed, double distance,
                    std::vector<AIPathSegment>* result) {
    if (result == nullptr || !std::isfinite(distance) || anchors.size() < 2)
        return kBadParameterErr;
    const size_t count = closed ? anchors.size() : anchors.size() - 1;
    std::vector<OffsetPiece> pieces;
    for (size_t i = 0; i < count; ++i) {
        const Cubic c = SegmentCubic(anchors, i);
        if (!IsFinite(c.p0) || !IsFinite(c.p1) || !IsFinite(c.p2) || !IsFinite(c.p3))
            return kBadParameterErr;
        if (IsPoint(c))
            continue;
        if (const ASErr error = OffsetCubic(c, distance, &pieces); error != kNoErr)
            return error;
    }
    if (pieces.empty())
        return kBadParameterErr;
    *result = JoinPieces(pieces, closed);
    return kNoErr;
}

const AIArtConverterSuite& ArtConverterSuiteTable() {
    static const AIArtConverterSuite suite{OffsetPath};
    return suite;
}

void InstallArtConverterSuite() {
    TheSuites().Register(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &ArtConverterSuiteTable());
}

} // namespace sim
