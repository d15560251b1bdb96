// Checks of a straight dimension as drawn, for the grids that guard its tight places: its value keeps the
// text gap from every mark and line of its own dimension, each end mark has its line, the gap cut around the
// value is the same on both sides, and an offset across the line moves the value and nothing else.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "fit_fixture.h"

namespace dimtest {

// The four corners of a box, counter-clockwise from the lower left.
inline std::vector<P> Corners(const Box& b) {
    const double a[4] = {b.left, b.right, b.right, b.left}, u[4] = {b.bottom, b.bottom, b.top, b.top};
    std::vector<P> corners;
    for (int k = 0; k < 4; ++k)
        corners.push_back({b.origin.x + a[k] * b.along.x - u[k] * b.along.y,
                           b.origin.y + a[k] * b.along.y + u[k] * b.along.x});
    return corners;
}

// How far `p` lies past `from` along `u`, and from the piece a-b.
inline double Along(P p, P from, P u) { return (p.x - from.x) * u.x + (p.y - from.y) * u.y; }
inline double DistanceToPiece(P p, P a, P b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// One straight dimension as drawn: its value's box (a tolerance's smaller runs included), where its line
// ends, its line's two parts, its end marks and its extension lines, each part as its points.
struct DrawnStraight {
    Box value;
    P tips[2];
    std::vector<std::vector<P>> line, marks, extensions;
};

class FitGrid : public FitGeometry {
  protected:
    // Dimension `i` of the group, its line ending at `a` and `b`, with the extension lines `extensions`.
    static DrawnStraight ReadStraight(size_t i, AIRealPoint a, AIRealPoint b,
                                      std::vector<AIArtHandle> extensions) {
        DrawnStraight d{LabelBox(i), {{a.h, a.v}, {b.h, b.v}}, {}, {}, {}};
        for (const sim::TextRun& run : Node(Dim().LabelFrames[i]).text.runs) {
            d.value.top = std::max<double>(d.value.top, run.baselineShift + run.size);
            d.value.bottom =
                std::min<double>(d.value.bottom, run.baselineShift - sim::kCharacterDescent * run.size);
        }
        for (AIArtHandle part : {Dim().DimensionLines[i], Dim().DimensionLineHalves[i]})
            d.line.push_back(Trace(part, true));
        for (const auto& set : Dim().EndMarks) d.marks.push_back(Trace(set[i]));
        for (AIArtHandle line : extensions) d.extensions.push_back(Trace(line, true));
        return d;
    }
    // The parts that come nearer the value's box than `gap`, by name; empty when none does.
    static std::string CrossingValueGap(const DrawnStraight& d, double gap) {
        std::string crossing;
        const Box& box = d.value;
        const auto off = [&](P p) { // how far the point lies outside the box
            const double a = Along(p, box.origin, box.along),
                         up = Along(p, box.origin, {-box.along.y, box.along.x});
            return std::hypot(std::max({box.left - a, a - box.right, 0.0}),
                              std::max({box.bottom - up, up - box.top, 0.0}));
        };
        for (const auto& [parts, name] :
             {std::pair{&d.line, "line "}, {&d.marks, "mark "}, {&d.extensions, "extension "}}) {
            for (size_t k = 0; k < parts->size(); ++k) {
                const std::vector<P>& q = (*parts)[k];
                for (size_t j = 1; j < q.size(); ++j) {
                    double nearest = Crosses(box, q[j - 1], q[j]) ? 0.0 : std::min(off(q[j - 1]), off(q[j]));
                    for (const P& c : Corners(box))
                        nearest = std::min(nearest, DistanceToPiece(c, q[j - 1], q[j]));
                    if (nearest > gap - 1e-3) continue;
                    crossing += "near " + (name + std::to_string(k)) + "; ";
                    break;
                }
            }
        }
        return crossing;
    }
    // The end marks (0, 1) that no part of the line reaches.
    static std::string MarksWithoutLine(const DrawnStraight& d) {
        std::string missing;
        for (size_t k = 0; k < 2; ++k) {
            bool reached = d.marks[k].empty();
            for (const std::vector<P>& part : d.line)
                for (size_t j = 1; j < part.size(); ++j)
                    for (const P& p : d.marks[k])
                        reached = reached || DistanceToPiece(p, part[j - 1], part[j]) < 1e-3;
            if (!reached) missing += "mark " + std::to_string(k) + " has no line; ";
        }
        return missing;
    }
    // Where the line is cut around the value, how far the cut reaches past its box on either side along the
    // line, when that differs or is short of `gap`.
    static std::string LopsidedCut(const DrawnStraight& d, double gap) {
        if (d.line[0].size() != 2 || d.line[1].size() != 2) return "";
        const P u{d.tips[1].x - d.tips[0].x, d.tips[1].y - d.tips[0].y};
        double low = 1e9, high = -1e9;
        for (const P& c : Corners(d.value))
            low = std::min(low, Along(c, d.tips[0], u)), high = std::max(high, Along(c, d.tips[0], u));
        const double cut[2] = {Along(d.line[0][1], d.tips[0], u), Along(d.line[1][0], d.tips[0], u)};
        const double before = (low - std::min(cut[0], cut[1])) / std::hypot(u.x, u.y),
                     after = (std::max(cut[0], cut[1]) - high) / std::hypot(u.x, u.y);
        return std::abs(before - after) < 1e-2 && std::min(before, after) > gap - 1e-3
                   ? ""
                   : "cut " + std::to_string(before) + " and " + std::to_string(after) + " past the value; ";
    }
    // What `moved` changes of `still` but its value moved by `offset`: a run-on past an end may stop shorter.
    static std::string MoreThanValueMoved(const DrawnStraight& still, const DrawnStraight& moved, P offset) {
        const P o = still.value.origin, m = moved.value.origin;
        std::string changed = std::hypot(m.x - o.x - offset.x, m.y - o.y - offset.y) > 1e-3 ? "value; " : "";
        const P u{still.tips[1].x - still.tips[0].x, still.tips[1].y - still.tips[0].y};
        const double length = Along(still.tips[1], still.tips[0], u);
        for (const auto& [a, b] : {std::pair{&still.marks, &moved.marks},
                                   {&still.extensions, &moved.extensions},
                                   {&still.line, &moved.line}}) {
            for (size_t k = 0; k < a->size(); ++k) {
                bool kept = (*a)[k].size() == (*b)[k].size();
                for (size_t j = 0; kept && j < (*a)[k].size(); ++j) {
                    const double was = Along((*a)[k][j], still.tips[0], u),
                                 is = Along((*b)[k][j], still.tips[0], u);
                    const bool stopped =
                        a == &still.line && ((was < 0.0 && is > was) || (was > length && is < was));
                    kept = std::hypot((*a)[k][j].x - (*b)[k][j].x, (*a)[k][j].y - (*b)[k][j].y) < 1e-3 ||
                           stopped;
                }
                if (!kept) changed += "part " + std::to_string(k) + " moved across; ";
            }
        }
        return changed;
    }
};

} // namespace dimtest
