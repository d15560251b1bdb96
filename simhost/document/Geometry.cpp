#include <algorithm>
#include <array>
#include <cmath>

#include "simhost/ServicesGeometry.h"
#include "simhost/ServicesInternal.h"
#include "simhost/Text.h"
#include "simhost/document/Internal.h"

namespace sim::doc {

namespace {

// Three-point Gauss-Legendre nodes and weights on [0, 1]: exact for polynomials up to degree 5.
constexpr std::array<double, 3> kGaussNodes = {0.11270166537925831, 0.5, 0.8872983346207417};
constexpr std::array<double, 3> kGaussWeights = {0.2777777777777778, 0.4444444444444444, 0.2777777777777778};

// Twice the signed area swept by the cubic against the origin: the integral of h dv - v dh.
double SweptArea(const AIRealBezier& b) {
    const Cubic c = ToCubic(b);
    double sum = 0.0;
    for (size_t i = 0; i < kGaussNodes.size(); ++i) {
        const Vec p = CubicAt(c, kGaussNodes[i]);
        const Vec d = CubicDerivative(c, kGaussNodes[i]);
        sum += kGaussWeights[i] * Cross(p, d);
    }
    return sum;
}

// Parameters in (0, 1) where one coordinate of the cubic has a turning point.
void Extrema(double p0, double p1, double p2, double p3, std::vector<double>& out) {
    const double a = 3.0 * (-p0 + 3.0 * p1 - 3.0 * p2 + p3);
    const double b = 6.0 * (p0 - 2.0 * p1 + p2);
    const double c = 3.0 * (p1 - p0);
    constexpr double kEpsilon = 1e-12;
    if (std::fabs(a) < kEpsilon) {
        if (std::fabs(b) > kEpsilon) {
            out.push_back(-c / b);
        }
        return;
    }
    const double disc = b * b - 4.0 * a * c;
    if (disc < 0.0) {
        return;
    }
    const double root = std::sqrt(disc);
    out.push_back((-b + root) / (2.0 * a));
    out.push_back((-b - root) / (2.0 * a));
}

void Include(AIRealRect& r, Vec p) {
    r.left = std::min(r.left, static_cast<AIReal>(p.x));
    r.right = std::max(r.right, static_cast<AIReal>(p.x));
    r.bottom = std::min(r.bottom, static_cast<AIReal>(p.y));
    r.top = std::max(r.top, static_cast<AIReal>(p.y));
}

bool PathBounds(const ArtNode& path, AIRealRect* bounds) {
    if (path.segments.empty()) {
        return false;
    }
    const AIRealPoint first = path.segments.front().p;
    AIRealRect r{first.h, first.v, first.h, first.v};
    for (const AIRealBezier& b : PathBeziers(path)) {
        Include(r, ToVec(&b.p3));
        std::vector<double> ts;
        Extrema(b.p0.h, b.p1.h, b.p2.h, b.p3.h, ts);
        Extrema(b.p0.v, b.p1.v, b.p2.v, b.p3.v, ts);
        for (double t : ts) {
            if (t > 0.0 && t < 1.0) {
                Include(r, CubicAt(ToCubic(b), t));
            }
        }
    }
    *bounds = r;
    return true;
}

bool GroupBounds(const ArtNode& group, AIRealRect* bounds) {
    bool any = false;
    for (const ArtNode* child : group.children) {
        AIRealRect r;
        if (!NodeBounds(*child, &r)) {
            continue;
        }
        if (!any) {
            *bounds = r;
            any = true;
            continue;
        }
        bounds->left = std::min(bounds->left, r.left);
        bounds->right = std::max(bounds->right, r.right);
        bounds->bottom = std::min(bounds->bottom, r.bottom);
        bounds->top = std::max(bounds->top, r.top);
    }
    return any;
}

} // namespace

ASErr FindArt(AIArtHandle art, const void* out, ArtNode** node) {
    const ASErr error = TheDocument().FindNode(art, node);
    if (error != kNoErr) {
        return error;
    }
    return out == nullptr ? kBadParameterErr : kNoErr;
}

ASErr FindPath(AIArtHandle art, const void* out, ArtNode** node) {
    const ASErr error = FindArt(art, out, node);
    if (error != kNoErr) {
        return error;
    }
    return (*node)->type == kPathArt ? kNoErr : kBadParameterErr;
}

ASErr CopyOut(const std::string& text, char* buffer, size_t size) {
    if (buffer == nullptr || size == 0) {
        return kBadParameterErr;
    }
    CopyBounded(text.c_str(), buffer, size);
    return kNoErr;
}

std::vector<AIRealBezier> PathBeziers(const ArtNode& path) {
    std::vector<AIRealBezier> pieces;
    const size_t n = path.segments.size();
    if (n < 2) {
        return pieces;
    }
    const size_t count = path.closed ? n : n - 1;
    for (size_t i = 0; i < count; ++i) {
        const AIPathSegment& a = path.segments[i];
        const AIPathSegment& b = path.segments[(i + 1) % n];
        pieces.push_back({a.p, a.out, b.in, b.p});
    }
    return pieces;
}

bool NodeBounds(const ArtNode& node, AIRealRect* bounds) {
    switch (node.type) {
    case kPathArt:
        return PathBounds(node, bounds);
    case kGroupArt:
        return GroupBounds(node, bounds);
    case kTextFrameArt:
        return TextFrameBounds(Document::Handle(&node), bounds);
    default:
        return false;
    }
}

double PathArea(const ArtNode& path) {
    if (path.segments.size() < 2) {
        return 0.0;
    }
    ArtNode closed = path;
    closed.closed = true;
    double twice = 0.0;
    for (const AIRealBezier& b : PathBeziers(closed)) {
        twice += SweptArea(b);
    }
    return 0.5 * twice;
}

AIRealPoint TransformPoint(const AIRealMatrix& m, AIRealPoint p) {
    const double h = static_cast<double>(m.a) * p.h + static_cast<double>(m.c) * p.v + m.tx;
    const double v = static_cast<double>(m.b) * p.h + static_cast<double>(m.d) * p.v + m.ty;
    return {static_cast<AIReal>(h), static_cast<AIReal>(v)};
}

AIRealMatrix Concatenate(const AIRealMatrix& first, const AIRealMatrix& then) {
    AIRealMatrix r;
    r.a = first.a * then.a + first.b * then.c;
    r.b = first.a * then.b + first.b * then.d;
    r.c = first.c * then.a + first.d * then.c;
    r.d = first.c * then.b + first.d * then.d;
    r.tx = first.tx * then.a + first.ty * then.c + then.tx;
    r.ty = first.tx * then.b + first.ty * then.d + then.ty;
    return r;
}

} // namespace sim::doc
