// The user changing the drawing with the host's own tools: a path dragged by the selection tool, one of its
// anchors dragged by the direct selection tool, a path or a group deleted with the Delete key. The host changes
// the document, redraws the view and tells the plug-ins that asked for it: it sends "AI Art Selection Changed
// Notifier" to every notifier registered for that type, and to nothing else.
#pragma once

#include <cstdint>

#include "host/Types.h"

namespace sim {

// The notifier type a host sends when the art the user holds changes or goes away.
inline constexpr const char* kArtSelectionChangedNotifier = "AI Art Selection Changed Notifier";

// Each answers kBadParameterErr for a null handle, art that is not the path or group it names, an anchor the
// path does not have or a move that leaves a coordinate no float holds; kStaleHandleErr for art the host no
// longer knows; kLockedErr for art on a locked or hidden layer, which the host's tools cannot reach. A refused
// edit changes nothing and sends nothing.

// Moves every anchor and handle of the path by `by`.
ASErr UserMovesPath(AIArtHandle path, AIRealPoint by);
// Moves anchor `index` of the path by `by`, its two handles with it.
ASErr UserMovesAnchor(AIArtHandle path, int32_t index, AIRealPoint by);
// Deletes the path; its handle is never valid again.
ASErr UserDeletesPath(AIArtHandle path);
// Deletes the group with everything inside it, as the Delete key does on a group the selection tool holds (a
// dimension clicked with it); no handle of it is valid again. A layer's own group answers kBadParameterErr.
ASErr UserDeletesGroup(AIArtHandle group);

} // namespace sim
