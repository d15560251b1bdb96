// The stand-in's art converter: the path that runs alongside a path at a signed distance.
#pragma once

#include <vector>

#include "host/ArtConverterSuite.h"
#include "host/Types.h"

namespace sim {

// The anchors of the path at `distance` from the path of `anchors` (closed when `closed`), as
// AIArtConverterSuite::OffsetPath describes it; the result is written only on success.
ASErr OffsetAnchors(const std::vector<AIPathSegment>& anchors, bool closed, double distance,
                    std::vector<AIPathSegment>* result);

const AIArtConverterSuite& ArtConverterSuiteTable();
// Registers the art converter's table in place of its blank table.
void InstallArtConverterSuite();

} // namespace sim
