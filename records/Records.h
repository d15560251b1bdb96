// The shared records as a whole.
#pragma once

// Puts every shared record back to its start value: frees the remembered segments and forgets every handle
// (the art stays with the host). For a fresh start of the plug-in's state, as in a new test.
void ResetRecords();
