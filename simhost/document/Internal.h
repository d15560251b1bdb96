// Helpers shared by the document suites of the stand-in: typed lookups, text copies and path geometry.
#pragma once

#include <string>
#include <vector>

#include "simhost/Document.h"

namespace sim::doc {

// The art behind a handle for an operation whose result goes to `out`: kBadParameterErr for a null handle or
// a null `out`, kStaleHandleErr for art the host no longer knows.
ASErr FindArt(AIArtHandle art, const void* out, ArtNode** node);

// The same for path art: art of another kind is a bad parameter.
ASErr FindPath(AIArtHandle art, const void* out, ArtNode** node);

// Copies at most size - 1 bytes of `text` into `buffer`, never splitting a UTF-8 character, and terminates
// it; kBadParameterErr for a null buffer or a size of 0.
ASErr CopyOut(const std::string& text, char* buffer, size_t size);

// The cubic pieces of a path: one per segment, the closing one last on a closed path.
std::vector<AIRealBezier> PathBeziers(const ArtNode& path);

// The geometric bounds of a node; false when it holds no geometry (empty path or group).
bool NodeBounds(const ArtNode& node, AIRealRect* bounds);

// The signed area of the path taken as closed: positive counter-clockwise (v upward).
double PathArea(const ArtNode& path);

// The point moved by the matrix: (a*h + c*v + tx, b*h + d*v + ty).
AIRealPoint TransformPoint(const AIRealMatrix& m, AIRealPoint p);

// The matrix that applies `first` and then `then`.
AIRealMatrix Concatenate(const AIRealMatrix& first, const AIRealMatrix& then);

} // namespace sim::doc
