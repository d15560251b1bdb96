// The Longueurs & aires tool's measured set: membership, its count, and which paths a user may add to it.
#pragma once

#include "host/Types.h"

// True when the art is a member of the measured set.
bool InMeasuredSet(AIArtHandle art);
// MeasuredCount becomes the number of members the set holds, so that it never drifts from the set; members the
// user has deleted leave the set first.
void RecountMeasuredSet();
// True when the user could select the art by hand: neither it, nor a group that holds it, is locked or hidden,
// and its layer is visible and editable.
bool UserCanSelect(AIArtHandle art);
// True when the path is a guide: guides are never measured.
bool IsGuide(AIArtHandle art);
