// The dimension folder's process-wide state as a whole.
#pragma once

// Puts the dimension folder's state back to its start value: no division mark held (their paths stay in the
// document), the value format and the last formatted texts cleared, no arc found, no definition kept. For a
// fresh start of the plug-in's state, as in a new test.
void ResetDimensionState();
