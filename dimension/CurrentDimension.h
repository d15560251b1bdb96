// Operations on the dimension being built or edited.
#pragma once

#include "host/Types.h"
#include "records/CurrentDimension.h"

// Keeps the error of a host call that failed, so that a sequence of calls ends with its last failure.
inline void KeepError(ASErr& result, ASErr error) {
    if (error != kNoErr) result = error;
}

// True while the host still knows the art (a null handle is not).
bool IsLiveArt(AIArtHandle art);
// Disposes the art when the host still knows it, and sets the handle to null once the art is gone (disposed
// here or before); a handle whose art the host refused to dispose is kept. A dimension group's definition goes
// with it.
void DisposeArtIfValid(AIArtHandle* art);

// Forgets the handles of the parts, the link kept with them and the list of division marks; disposes nothing.
void ForgetDimensionParts();
// Forgets the dimension being edited: its group, every part handle, the link and the division marks; the art
// stays in the document.
void ClearCurrentDimension();
// The set (0..3) of the current dimension's end marks that holds `mark`; 0 when none does.
size_t EndMarkSetOf(AIArtHandle mark);
