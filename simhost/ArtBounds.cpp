#include "simhost/ArtBounds.h"

#include <algorithm>
#include <cmath>

#include "simhost/Document.h"
#include "simhost/document/Internal.h"

namespace sim {

namespace {

// The side of a grid cell, in artwork units.
constexpr double kCellSize = 64.0;
// A path whose box covers more cells than this goes into the list that every query reads.
constexpr int64_t kMostCells = 256;

int64_t CellOf(double coordinate) { return static_cast<int64_t>(std::floor(coordinate / kCellSize)); }

void Erase(std::vector<const ArtNode*>& list, const ArtNode* path) {
    const auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end()) return;
    *found = list.back();
    list.pop_back();
}

} // namespace

ControlBox PathControlBox(const ArtNode& path) {
    ControlBox box;
    bool first = true;
    const auto add = [&](const AIRealPoint& p) {
        const double h = p.h;
        const double v = p.v;
        if (first) {
            box = {h, v, h, v};
            first = false;
            return;
        }
        box.left = std::min(box.left, h);
        box.right = std::max(box.right, h);
        box.bottom = std::min(box.bottom, v);
        box.top = std::max(box.top, v);
    };
    for (const AIPathSegment& s : path.segments) {
        add(s.p);
        add(s.in);
        add(s.out);
    }
    return box;
}

double SafeReach(double tolerance, double size) { return tolerance + 1e-3 + 1e-5 * std::fabs(size); }

uint64_t ArtBoundsIndex::CellKey(int64_t column, int64_t row) {
    return (static_cast<uint64_t>(column) << 32) ^ (static_cast<uint64_t>(row) & 0xFFFFFFFFu);
}

void ArtBoundsIndex::Clear() {
    entries_.clear();
    cells_.clear();
    large_.clear();
}

void ArtBoundsIndex::Unfile(const ArtNode* path, const Entry& entry) {
    if (entry.large) {
        Erase(large_, path);
        return;
    }
    for (int64_t column = entry.column0; column <= entry.column1; ++column) {
        for (int64_t row = entry.row0; row <= entry.row1; ++row) {
            const auto cell = cells_.find(CellKey(column, row));
            if (cell == cells_.end()) continue;
            Erase(cell->second, path);
            if (cell->second.empty()) cells_.erase(cell);
        }
    }
}

void ArtBoundsIndex::Remove(const ArtNode* path) {
    const auto found = entries_.find(path);
    if (found == entries_.end()) return;
    Unfile(path, found->second);
    entries_.erase(found);
}

void ArtBoundsIndex::File(const ArtNode* path) {
    Remove(path);
    Entry entry;
    entry.box = PathControlBox(*path);
    if (entry.box.Empty() || !doc::NodeBounds(*path, &entry.geometric)) return;
    const ControlBox& b = entry.box;
    if (!std::isfinite(b.left) || !std::isfinite(b.right) || !std::isfinite(b.bottom) || !std::isfinite(b.top)) {
        entry.large = true;
    } else {
        entry.column0 = CellOf(b.left);
        entry.column1 = CellOf(b.right);
        entry.row0 = CellOf(b.bottom);
        entry.row1 = CellOf(b.top);
        entry.large = (entry.column1 - entry.column0 + 1) * (entry.row1 - entry.row0 + 1) > kMostCells;
    }
    if (entry.large) {
        large_.push_back(path);
    } else {
        for (int64_t column = entry.column0; column <= entry.column1; ++column) {
            for (int64_t row = entry.row0; row <= entry.row1; ++row) cells_[CellKey(column, row)].push_back(path);
        }
    }
    entries_.emplace(path, entry);
}

ControlBox ArtBoundsIndex::BoxOf(const ArtNode* path) const {
    const auto found = entries_.find(path);
    return found == entries_.end() ? ControlBox{} : found->second.box;
}

bool ArtBoundsIndex::GeometricBoundsOf(const ArtNode* path, AIRealRect* bounds) const {
    const auto found = entries_.find(path);
    if (found == entries_.end()) return false;
    *bounds = found->second.geometric;
    return true;
}

std::vector<const ArtNode*> ArtBoundsIndex::Near(double h, double v, double reach) const {
    std::vector<const ArtNode*> near;
    const auto offer = [&](const ArtNode* path) {
        const auto entry = entries_.find(path);
        if (entry != entries_.end() && entry->second.box.Holds(h, v, reach)) near.push_back(path);
    };
    for (const ArtNode* path : large_) offer(path);
    const bool fewCells = std::isfinite(h) && std::isfinite(v) && std::isfinite(reach) &&
                          (CellOf(h + reach) - CellOf(h - reach) + 1) * (CellOf(v + reach) - CellOf(v - reach) + 1) <=
                              kMostCells;
    if (!fewCells) {
        // A reach over many cells: every filed path is looked at.
        for (const auto& [path, entry] : entries_) {
            if (!entry.large) offer(path);
        }
    } else {
        for (int64_t column = CellOf(h - reach); column <= CellOf(h + reach); ++column) {
            for (int64_t row = CellOf(v - reach); row <= CellOf(v + reach); ++row) {
                const auto cell = cells_.find(CellKey(column, row));
                if (cell == cells_.end()) continue;
                for (const ArtNode* path : cell->second) offer(path);
            }
        }
    }
    std::sort(near.begin(), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    return near;
}

} // namespace sim
