// The tools folder's process-wide state as a whole.
#pragma once

// Puts the tools folder's state back to its start value: the flags the click sequences keep between clicks.
// For a fresh start of the plug-in's state, as in a new test.
void ResetToolsState();
