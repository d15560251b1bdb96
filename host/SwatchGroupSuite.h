// AI Swatch Group: a named group of swatches inside a document's swatch list.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Every operation answers kBadParameterErr for a null argument, kStaleHandleErr for a group or swatch the host
// no longer knows, kIndexOutOfRangeErr for an index outside the group, and leaves the outputs untouched on
// failure.
struct AISwatchGroupSuite {
    // Copies at most bufferSize - 1 bytes of the name and always terminates the buffer.
    ASErr (*GetSwatchGroupName)(AISwatchGroupRef group, char* buffer, size_t bufferSize);
    ASErr (*SetSwatchGroupName)(AISwatchGroupRef group, const char* name);
    ASErr (*CountSwatches)(AISwatchGroupRef group, int32_t* count);
    ASErr (*GetNthSwatch)(AISwatchGroupRef group, int32_t index, AISwatchRef* swatch);
    // A new swatch (grey, black, no name) in the group at `index`; -1 appends. It also joins the list.
    ASErr (*InsertNthSwatch)(AISwatchGroupRef group, int32_t index, AISwatchRef* swatch);
    // Removes a swatch from the group and from the list; the handle is then stale.
    ASErr (*RemoveSwatch)(AISwatchGroupRef group, AISwatchRef swatch);
    // kNameNotFoundErr when no swatch of the group has the name.
    ASErr (*LocateSwatch)(AISwatchGroupRef group, const char* name, AISwatchRef* swatch);
};
