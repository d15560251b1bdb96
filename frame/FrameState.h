// The frame's process-wide state as a whole.
#pragma once

// Puts the frame's state back to its start value: no suites held, no entry, panel dock, report, dialog
// opener or live-options loader installed, no plug-in reference, and the settings, colours, path styles
// and arrow-head shape as before the first read. For a fresh start of the plug-in's state, as in a new test.
void ResetFrameState();
