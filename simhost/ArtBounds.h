// The stand-in's spatial index of path art: the box of each path's control points (anchors and handles),
// filed in a grid of square cells, so that hit tests and cursor snapping look only at the paths near a point.
// A path never leaves the box of its control points. The document keeps the index current: it files new
// paths, forgets disposed ones, and refiles a path whose geometry was handed out for change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/Types.h"

namespace sim {

struct ArtNode;

// A box in artwork coordinates, v upward.
struct ControlBox {
    double left = 0.0;
    double bottom = 0.0;
    double right = -1.0;
    double top = -1.0;
    bool Empty() const { return right < left; }
    // Whether (h, v) lies in the box grown by `reach` on every side.
    bool Holds(double h, double v, double reach) const {
        return !Empty() && h >= left - reach && h <= right + reach && v >= bottom - reach && v <= top + reach;
    }
};

// The box of a path's anchors and handles; empty for a path without anchors.
ControlBox PathControlBox(const ArtNode& path);

// A reach a little beyond `tolerance` at `size`, for the rounding of float coordinates and of curve points
// computed from them: anything within the tolerance of a point is within this reach of its box.
double SafeReach(double tolerance, double size);

class ArtBoundsIndex {
  public:
    // Forgets every path.
    void Clear();
    // Files the path again from its control points (a path without anchors is filed nowhere).
    void File(const ArtNode* path);
    void Remove(const ArtNode* path);
    // The filed box of a path; empty for one not filed.
    ControlBox BoxOf(const ArtNode* path) const;
    // The geometric bounds of a filed path (curves included, as GetArtBounds answers), worked out when it was
    // filed; false for a path not filed.
    bool GeometricBoundsOf(const ArtNode* path, AIRealRect* bounds) const;
    // The paths whose box grown by `reach` holds (h, v), in no particular order, each once.
    std::vector<const ArtNode*> Near(double h, double v, double reach) const;
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Entry {
        ControlBox box;
        AIRealRect geometric{};
        bool large = false;  // filed in large_ rather than in cells
        int64_t column0 = 0, row0 = 0, column1 = -1, row1 = -1;
    };
    static uint64_t CellKey(int64_t column, int64_t row);
    void Unfile(const ArtNode* path, const Entry& entry);

    std::unordered_map<const ArtNode*, Entry> entries_;
    std::unordered_map<uint64_t, std::vector<const ArtNode*>> cells_;
    std::vector<const ArtNode*> large_;  // paths whose box covers too many cells to file in each
};

}  // namespace sim
