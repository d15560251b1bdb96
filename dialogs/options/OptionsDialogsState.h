// The option dialogs' process-wide state as a whole.
#pragma once

// Puts the option dialogs' state back to its start value: the preferences dialog's state and the working
// copies of the colour, free-text and other-options dialogs. For a fresh start of the plug-in's state, as in
// a new test.
void ResetOptionsDialogsState();
