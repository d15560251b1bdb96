// The stand-in's hit-testing: the AI Hit Test Suite over the document.
#pragma once

#include <cstddef>

#include "host/HitTestSuite.h"

namespace sim {

// The suite table of the hit tests.
const AIHitTestSuite& HitTestSuiteTable();
// Forgets every hit reference (their handles stay invalid) and registers the suite with the suite registry,
// replacing its blank table.
void InstallHitTestSuite();
// Hit references made and not yet released.
size_t OutstandingHitRefs();

} // namespace sim
