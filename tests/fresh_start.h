// A fresh start for every test: the stand-in host as new, and every process-wide value of the plug-in back to
// its start value, so a test binary passes as one process as well as one process per test.
#pragma once

namespace tavotest {

// Resets the stand-in host (document, services, logs, preferences), then each folder's process-wide state
// through that folder's own reset, whatever a test may have left behind.
void StartFresh();

}  // namespace tavotest
