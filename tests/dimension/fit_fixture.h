// Shared set-up of the tests of tight dimensions: labels' boxes as drawn, and the parts of the group that cross
// them.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "angular_fixture.h"
#include "simhost/Text.h"

namespace dimtest {

struct P {
    double x, y;
};

// A label's box as drawn: the text's advance by its size, from its descent below the baseline to its size above,
// turned by its matrix.
struct Box {
    P origin; // the anchor
    P along;  // unit baseline direction
    double left, right, bottom, top;
    bool Contains(P p, double margin = 0.0) const {
        const double dx = p.x - origin.x, dy = p.y - origin.y;
        const double a = dx * along.x + dy * along.y, u = -dx * along.y + dy * along.x;
        return a > left - margin && a < right + margin && u > bottom - margin && u < top + margin;
    }
    P Centre() const {
        const double a = (left + right) / 2.0, u = (bottom + top) / 2.0;
        return {origin.x + a * along.x - u * along.y, origin.y + a * along.y + u * along.x};
    }
};

// True when the segment passes through the inside of the box: the part of it within both slabs of the box (along
// and across its baseline) has some length, or the segment is a point inside.
inline bool Crosses(const Box& box, P a, P b) {
    const double ax = (a.x - box.origin.x) * box.along.x + (a.y - box.origin.y) * box.along.y;
    const double ay = -(a.x - box.origin.x) * box.along.y + (a.y - box.origin.y) * box.along.x;
    const double dx = (b.x - a.x) * box.along.x + (b.y - a.y) * box.along.y;
    const double dy = -(b.x - a.x) * box.along.y + (b.y - a.y) * box.along.x;
    double t0 = 0.0, t1 = 1.0;
    const double slabs[2][4] = {{ax, dx, box.left, box.right}, {ay, dy, box.bottom, box.top}};
    for (const auto& [p, d, low, high] : slabs) {
        if (std::abs(d) < 1e-12) {
            if (!(p > low && p < high)) return false;
            continue;
        }
        const double ta = (low - p) / d, tb = (high - p) / d;
        t0 = std::max(t0, std::min(ta, tb));
        t1 = std::min(t1, std::max(ta, tb));
    }
    return t0 < t1 || (t0 == t1 && box.Contains({a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0}));
}

class FitGeometry : public AngularBuilderTest {
protected:
    void TearDown() override {
        gToolState.ClickCount = 0;
        AngularBuilderTest::TearDown();
    }
    static Box LabelBox(size_t i = 0) {
        const sim::ArtNode& n = Node(Dim().LabelFrames[i]);
        const double width = sim::TextAdvanceWidth(Dim().LabelFrames[i]);
        return Box{{n.text.transform.tx, n.text.transform.ty},
                   {n.text.transform.a, n.text.transform.b},
                   -width / 2.0,
                   width / 2.0,
                   -static_cast<double>(sim::kCharacterDescent * n.text.size),
                   static_cast<double>(n.text.size)};
    }
    // The points along a path's straight or curved pieces; with `straightInOne`, a straight piece by its ends only.
    static std::vector<P> Trace(AIArtHandle art, bool straightInOne = false) {
        std::vector<P> points;
        if (!Live(art)) return points;
        const sim::ArtNode& n = Node(art);
        const size_t count = n.segments.size();
        const size_t pieces = count < 2 ? 0 : (n.closed ? count : count - 1);
        for (size_t i = 0; i < pieces; ++i) {
            const AIPathSegment& s = n.segments[i];
            const AIPathSegment& e = n.segments[(i + 1) % count];
            const bool straight = straightInOne && s.out.h == s.p.h && s.out.v == s.p.v && e.in.h == e.p.h &&
                                  e.in.v == e.p.v;
            for (int k = 0; k <= 16; k += straight ? 16 : 1) {
                const double t = k / 16.0, r = 1.0 - t;
                const double b0 = r * r * r, b1 = 3 * r * r * t, b2 = 3 * r * t * t, b3 = t * t * t;
                points.push_back({b0 * s.p.h + b1 * s.out.h + b2 * e.in.h + b3 * e.p.h,
                                  b0 * s.p.v + b1 * s.out.v + b2 * e.in.v + b3 * e.p.v});
            }
        }
        return points;
    }
    // Every other part of the group, and every measured outline of `measured`, that crosses the box of label `i`.
    static std::vector<AIArtHandle> PartsCrossing(size_t i, std::vector<AIArtHandle> measured = {}) {
        // A part that only touches the box, within the rounding of art to single precision, does not cross it.
        constexpr double kTouch = 1e-4;
        Box box = LabelBox(i);
        box.left += kTouch, box.right -= kTouch, box.bottom += kTouch, box.top -= kTouch;
        std::vector<AIArtHandle> crossing;
        std::vector<AIArtHandle> parts = Children(Dim().DimensionGroup);
        parts.insert(parts.end(), measured.begin(), measured.end());
        for (AIArtHandle part : parts) {
            if (Node(part).type != kPathArt) continue;
            const std::vector<P> points = Trace(part);
            bool hit = points.size() == 1 && box.Contains(points[0]);
            for (size_t k = 1; k < points.size() && !hit; ++k) hit = Crosses(box, points[k - 1], points[k]);
            // A closed mark's inside counts too: its middle.
            if (!hit && Node(part).closed && !points.empty()) {
                double x = 0, y = 0;
                for (const P& p : points) x += p.x, y += p.y;
                hit = box.Contains({x / points.size(), y / points.size()});
            }
            if (hit) crossing.push_back(part);
        }
        return crossing;
    }
    static double MeanH(AIArtHandle mark) {
        double h = 0.0;
        const auto s = Segments(mark);
        for (const AIPathSegment& seg : s) h += seg.p.h;
        return s.empty() ? 0.0 : h / static_cast<double>(s.size());
    }
};

}  // namespace dimtest
