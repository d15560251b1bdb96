// The AI Cursor Snap Suite over the stand-in document: crossings of paths, anchors and outlines.
#include "simhost/CursorSnap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "host/ArtSuite.h"
#include "simhost/Document.h"
#include "simhost/HitTest.h"
#include "simhost/ServicesGeometry.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {

namespace {

// Straight pieces each curved segment is cut into when paths are crossed or followed.
constexpr int kPiecesPerCurve = 32;

using Polyline = std::vector<Vec>;

// False for guides and for art that is hidden or on a hidden layer.
bool Visible(const ArtNode& node) {
    if (node.guide) return false;
    if (node.layer != nullptr && !node.layer->visible) return false;
    for (const ArtNode* n = &node; n != nullptr; n = n->parent) {
        if ((n->userAttr & kArtHidden) != 0) return false;
    }
    return true;
}

// The path flattened into straight pieces, closing segment included.
Polyline Flatten(const ArtNode& path) {
    Polyline points;
    const size_t n = path.segments.size();
    if (n == 0) return points;
    points.push_back(ToVec(&path.segments[0].p));
    const size_t segmentCount = path.closed ? n : n - 1;
    for (size_t k = 0; k < segmentCount; ++k) {
        const AIPathSegment& a = path.segments[k];
        const AIPathSegment& b = path.segments[(k + 1) % n];
        const Cubic c{ToVec(&a.p), ToVec(&a.out), ToVec(&b.in), ToVec(&b.p)};
        for (int i = 1; i <= kPiecesPerCurve; ++i) points.push_back(CubicAt(c, static_cast<double>(i) / kPiecesPerCurve));
    }
    return points;
}

// The visible paths the snap looks at, in paint order from the top, flattened. When only pieces near the
// source are kept (`near`), each line holds the pieces, as pairs of points, that come within the snap distance
// of it, and only paths whose control box comes that near are looked at: no other piece can give a crossing,
// an anchor or a foot within the snap distance.
struct SnapPaths {
    std::vector<const ArtNode*> nodes;
    std::vector<Polyline> lines;
};

// A piece from a to b comes within `reach` of p.
bool PieceNear(Vec a, Vec b, Vec p, double reach) {
    return p.x >= std::min(a.x, b.x) - reach && p.x <= std::max(a.x, b.x) + reach &&
           p.y >= std::min(a.y, b.y) - reach && p.y <= std::max(a.y, b.y) + reach;
}

// The pieces of the line near p, each as its two ends.
Polyline PiecesNear(const Polyline& line, Vec p, double reach) {
    Polyline pieces;
    for (size_t a = 1; a < line.size(); ++a) {
        if (!PieceNear(line[a - 1], line[a], p, reach)) continue;
        pieces.push_back(line[a - 1]);
        pieces.push_back(line[a]);
    }
    return pieces;
}

SnapPaths VisiblePaths(Vec source, HitSearch search) {
    SnapPaths paths;
    Document& document = TheDocument();
    if (search == HitSearch::EveryArt) {
        for (AIArtHandle art : document.AllArt()) {
            const ArtNode* node = document.Art(art);
            if (node == nullptr || node->type != kPathArt || !Visible(*node)) continue;
            paths.nodes.push_back(node);
            Polyline line = Flatten(*node);
            Polyline pieces;
            for (size_t a = 1; a < line.size(); ++a) {
                pieces.push_back(line[a - 1]);
                pieces.push_back(line[a]);
            }
            paths.lines.push_back(std::move(pieces));
        }
        return paths;
    }
    const double reach = SafeReach(kCursorSnapDistance, std::max(std::fabs(source.x), std::fabs(source.y)) +
                                                            kCursorSnapDistance);
    for (const ArtNode* node : document.Bounds().Near(source.x, source.y, reach)) {
        if (Visible(*node)) paths.nodes.push_back(node);
    }
    std::sort(paths.nodes.begin(), paths.nodes.end(),
              [&document](const ArtNode* a, const ArtNode* b) { return document.ComesBefore(a, b); });
    for (const ArtNode* node : paths.nodes) paths.lines.push_back(PiecesNear(Flatten(*node), source, reach));
    return paths;
}

// The nearest candidate to `source` within the snap distance.
struct Nearest {
    Vec source;
    std::optional<Vec> best;
    double distance = kCursorSnapDistance;
    void Offer(Vec p) {
        const double d = Length(p - source);
        if (d <= distance) {
            distance = d;
            best = p;
        }
    }
};

// The crossing point of pieces a-b and c-d strictly inside both, if any.
std::optional<Vec> PieceCrossing(Vec a, Vec b, Vec c, Vec d) {
    const Vec r = b - a;
    const Vec s = d - c;
    const double denominator = Cross(r, s);
    if (denominator == 0.0) return std::nullopt;
    const double t = Cross(c - a, s) / denominator;
    const double u = Cross(c - a, r) / denominator;
    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0) return std::nullopt;
    return a + t * r;
}

void OfferCrossings(const SnapPaths& paths, Nearest& nearest) {
    for (size_t i = 0; i < paths.lines.size(); ++i) {
        for (size_t j = i + 1; j < paths.lines.size(); ++j) {
            const Polyline& p = paths.lines[i];
            const Polyline& q = paths.lines[j];
            for (size_t a = 0; a + 1 < p.size(); a += 2) {
                for (size_t c = 0; c + 1 < q.size(); c += 2) {
                    if (const auto x = PieceCrossing(p[a], p[a + 1], q[c], q[c + 1])) nearest.Offer(*x);
                }
            }
        }
    }
}

void OfferAnchors(const SnapPaths& paths, Nearest& nearest) {
    for (const ArtNode* node : paths.nodes) {
        for (const AIPathSegment& s : node->segments) nearest.Offer(ToVec(&s.p));
    }
}

// The foot of the perpendicular from p on piece a-b, kept inside the piece.
Vec FootOnPiece(Vec p, Vec a, Vec b) {
    const Vec r = b - a;
    const double length2 = r.x * r.x + r.y * r.y;
    if (length2 == 0.0) return a;
    double t = ((p.x - a.x) * r.x + (p.y - a.y) * r.y) / length2;
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    return a + t * r;
}

void OfferOutlines(const SnapPaths& paths, Nearest& nearest) {
    for (const Polyline& pieces : paths.lines) {
        for (size_t a = 0; a + 1 < pieces.size(); a += 2) nearest.Offer(FootOnPiece(nearest.source, pieces[a], pieces[a + 1]));
    }
}

bool Asks(const char* control, char letter) { return std::strchr(control, letter) != nullptr; }

// The point snapped to, of the kinds the control string asks for in the order crossings, anchors, outlines.
AIRealPoint Snapped(AIRealPoint source, const char* control, HitSearch search) {
    const SnapPaths paths = VisiblePaths(ToVec(&source), search);
    using Offer = void (*)(const SnapPaths&, Nearest&);
    const std::pair<char, Offer> order[] = {{'i', OfferCrossings}, {'A', OfferAnchors}, {'o', OfferOutlines}};
    for (const auto& [letter, offer] : order) {
        if (!Asks(control, letter)) continue;
        Nearest nearest{ToVec(&source), std::nullopt, kCursorSnapDistance};
        offer(paths, nearest);
        if (nearest.best) return ToPoint(*nearest.best);
    }
    return source;
}

ASErr Track(AIDocumentViewHandle view, AIRealPoint source, const AIEvent*, const char* control,
            AIRealPoint* result) {
    LogCall("CursorSnap.Track");
    if (view == nullptr || control == nullptr || result == nullptr) return kBadParameterErr;
    if (view != TheDocument().ViewHandle()) return kBadParameterErr;
    *result = Snapped(source, control, HitSearch::NearPaths);
    return kNoErr;
}

// Whether the host's Smart Guides are on.
bool gSmartGuidesOn = true;

AIBoolean UseCustomSnap(AIDocumentViewHandle view) {
    return view != nullptr && view == TheDocument().ViewHandle() && gSmartGuidesOn;
}

} // namespace

void SetSmartGuides(bool on) { gSmartGuidesOn = on; }

AIRealPoint SnapWith(HitSearch search, AIRealPoint source, const char* control) {
    return Snapped(source, control, search);
}

const AICursorSnapSuite& CursorSnapSuiteTable() {
    static const AICursorSnapSuite table{.Track = Track, .UseCustomSnap = UseCustomSnap};
    return table;
}

void InstallCursorSnapSuite() {
    gSmartGuidesOn = true;
    TheSuites().Register(kAICursorSnapSuite, kAICursorSnapSuiteVersion, &CursorSnapSuiteTable());
}

} // namespace sim
