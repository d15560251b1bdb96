// The definition store (records/DimensionDefinition.h): what each dimension measures and how it was
// constructed, kept beside its group, put in force again for a rebuild and taken back after it. An entry
// follows its group: a re-open that replaces the group moves it, a disposed group takes it away.
#pragma once

#include "host/Types.h"

// Keeps what the current dimension measures and how it was constructed, from the live values the press, drag or
// re-open that built it left: called when a press, drag or re-open has built the current dimension, and after a
// panel change rebuilt it.
void KeepDefinition();
// Puts back in force the live values the current dimension was built from, which a later press or hover may
// have rewritten (its measured points, path, label point, arc and curve modes); false, changing nothing, when
// none is kept for the current group.
bool UseDefinition();
// The definition kept for group `from` is now `to`'s: a re-open replaced the group.
void MoveDefinition(AIArtHandle from, AIArtHandle to);
// Group `group` is gone: its definition with it.
void ForgetDefinition(AIArtHandle group);
