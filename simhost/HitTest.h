// The stand-in's hit-testing: the AI Hit Test Suite over the document.
#pragma once

#include <cstddef>

#include "host/HitTestSuite.h"
#include "host/Types.h"

namespace sim {

// The suite table of the hit tests.
const AIHitTestSuite& HitTestSuiteTable();
// Forgets every hit reference (their handles stay invalid) and registers the suite with the suite registry,
// replacing its blank table.
void InstallHitTestSuite();
// Hit references made and not yet released.
size_t OutstandingHitRefs();

// How a hit test finds its art: through the bounds index, as the suite does, or by examining every art of the
// tree in paint order (the plain walk the index must always agree with).
enum class HitSearch { NearPaths, EveryArt };
// The answer HitTestEx would record, found the given way.
ASErr HitTestWith(HitSearch search, AIArtHandle art, AIRealPoint point, int32_t request, AIReal tolerance,
                  AIToolHitData* data);

} // namespace sim
