// The definition store: what each dimension in the document measures and how it was constructed, kept by its
// group, put in force again for a rebuild and taken back after it. An entry lives as long as its group: a group
// the plug-in disposes takes it away (one a re-open or update-all replaces too: the press that re-opens a
// dimension keeps its new group's), and one the user deletes in the host leaves the store at the next new entry.
#pragma once

#include <cstddef>

#include "host/Types.h"

// Keeps what the current dimension measures and how it was constructed, from the live values the press or drag
// that built or re-opened it left: called when one of them has built or re-opened the current dimension, and
// after a panel change rebuilt it.
void KeepDefinition();
// Puts back in force the live values the current dimension was built from, which a later press or hover may
// have rewritten (its measured points and path, its arc and curve modes, what its drag turned or flipped, its
// label point and its offset); false, changing nothing, when none is kept for the current group.
bool UseDefinition();
// Group `group` is gone: its definition with it.
void ForgetDefinition(AIArtHandle group);
// How many groups have a definition kept.
size_t KeptDefinitionCount();
// Forgets every definition, for a fresh start of the plug-in's state.
void ForgetEveryDefinition();
