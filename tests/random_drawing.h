// Generated documents for the tests that compare a fast search with the plain one: random paths, some curved,
// some closed, crossing each other, in three layers (one locked, one hidden), some in groups, some guides,
// some locked or hidden; and the points worth probing on them.
#pragma once

#include <random>
#include <vector>

#include "host/ArtSuite.h"
#include "simhost/Document.h"

namespace randomdrawing {

struct Drawing {
    std::vector<AIArtHandle> paths;
    std::vector<AIRealPoint> probes;  // anchors, points on segments and curves, crossings' neighbourhoods, anywhere
};

inline AIRealPoint OnCubic(const AIPathSegment& a, const AIPathSegment& b, float t) {
    const float u = 1.0f - t;
    const auto mix = [&](float p0, float p1, float p2, float p3) {
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    return {mix(a.p.h, a.out.h, b.in.h, b.p.h), mix(a.p.v, a.out.v, b.in.v, b.p.v)};
}

// `pathCount` paths of 2 to 8 anchors in a 300 x 300 square, the same for a given seed.
inline Drawing DrawRandom(unsigned seed, int pathCount) {
    sim::Document& doc = sim::TheDocument();
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> coordinate(0.0f, 300.0f);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> anchors(2, 8);
    const AILayerHandle locked = doc.AddLayer("Verrouillé");
    const AILayerHandle hidden = doc.AddLayer("Masqué");
    const AILayerHandle plain = doc.AddLayer("Dessin");
    doc.SetLayerLocked(locked, true);
    doc.SetLayerVisible(hidden, false);
    const AILayerHandle layers[] = {plain, plain, plain, locked, hidden};
    const AIArtHandle group = doc.NewGroup(doc.LayerGroup(plain), "Groupe");
    Drawing drawing;
    for (int i = 0; i < pathCount; ++i) {
        std::vector<AIPathSegment> segments;
        const int n = anchors(random);
        for (int k = 0; k < n; ++k) {
            const AIRealPoint p{coordinate(random), coordinate(random)};
            segments.push_back(sim::CornerSegment(p.h, p.v));
        }
        for (int k = 0; k + 1 < n; ++k) {
            if (unit(random) < 0.4f) {
                segments[static_cast<size_t>(k)].out = {coordinate(random), coordinate(random)};
                segments[static_cast<size_t>(k + 1)].in = {coordinate(random), coordinate(random)};
            }
        }
        if (unit(random) < 0.15f && n > 2) segments[1].p = segments[0].p;  // two anchors in one place
        const bool closed = unit(random) < 0.3f;
        const AIArtHandle path = doc.DrawPath(segments, closed, {}, layers[i % 5]);
        const float kind = unit(random);
        sim::ArtNode* node = doc.MutableArt(path);
        if (kind < 0.08f) {
            node->guide = true;
        } else if (kind < 0.14f) {
            doc.SetUserAttr(node, kArtLocked, kArtLocked);
        } else if (kind < 0.20f) {
            doc.SetUserAttr(node, kArtHidden, kArtHidden);
        } else if (kind < 0.35f && layers[i % 5] == plain) {
            doc.MoveInto(path, group);
        }
        drawing.paths.push_back(path);
        for (int k = 0; k < n; ++k) {
            const AIPathSegment& a = segments[static_cast<size_t>(k)];
            drawing.probes.push_back(a.p);
            drawing.probes.push_back({a.p.h + 2.5f, a.p.v - 1.5f});
            if (k + 1 < n) {
                const AIPathSegment& b = segments[static_cast<size_t>(k + 1)];
                drawing.probes.push_back(OnCubic(a, b, unit(random)));
                const AIRealPoint near = OnCubic(a, b, unit(random));
                drawing.probes.push_back({near.h + 3.0f * (unit(random) - 0.5f), near.v + 3.0f * (unit(random) - 0.5f)});
            }
        }
    }
    for (int k = 0; k < 100; ++k) drawing.probes.push_back({coordinate(random), coordinate(random)});
    return drawing;
}

}  // namespace randomdrawing
