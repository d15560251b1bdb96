// AI Swatch List: the swatches of a document, in order, and the named swatch groups that organise them.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Every operation answers kBadParameterErr for a null argument, kStaleHandleErr for a list, group or swatch
// the host no longer knows, kIndexOutOfRangeErr for an index outside the list, and leaves the outputs untouched
// on failure.
struct AISwatchListSuite {
    // The swatch list of a document; a null document names the current one (kNoDocumentErr without one).
    ASErr (*GetSwatchList)(AIDocumentHandle document, AISwatchListRef* list);
    ASErr (*CountSwatches)(AISwatchListRef list, int32_t* count);
    ASErr (*GetNthSwatch)(AISwatchListRef list, int32_t index, AISwatchRef* swatch);
    // A new swatch (grey, black, no name) in the list's general group at `index`; -1 appends.
    ASErr (*InsertNthSwatch)(AISwatchListRef list, int32_t index, AISwatchRef* swatch);
    // Removes a swatch from the list and from its group; the handle is then stale.
    ASErr (*RemoveSwatch)(AISwatchListRef list, AISwatchRef swatch);
    // kNameNotFoundErr when no swatch of the list has the name.
    ASErr (*GetSwatchByName)(AISwatchListRef list, const char* name, AISwatchRef* swatch);
    // Copies at most bufferSize - 1 bytes of the name and always terminates the buffer.
    ASErr (*GetSwatchName)(AISwatchRef swatch, char* buffer, size_t bufferSize);
    ASErr (*SetSwatchName)(AISwatchRef swatch, const char* name);
    ASErr (*GetAIColor)(AISwatchRef swatch, AIColor* color);
    ASErr (*SetAIColor)(AISwatchRef swatch, const AIColor* color);
    ASErr (*CountSwatchGroups)(AISwatchListRef list, int32_t* count);
    ASErr (*GetNthSwatchGroup)(AISwatchListRef list, int32_t index, AISwatchGroupRef* group);
    // A new, empty, unnamed swatch group appended to the list.
    ASErr (*NewSwatchGroup)(AISwatchListRef list, AISwatchGroupRef* group);
    // Removes a group; its swatches are removed with it when `deleteSwatches`, else moved to the general group.
    ASErr (*RemoveSwatchGroup)(AISwatchListRef list, AISwatchGroupRef group, AIBoolean deleteSwatches);
    // kNameNotFoundErr when no group of the list has the name.
    ASErr (*GetSwatchGroupByName)(AISwatchListRef list, const char* name, AISwatchGroupRef* group);
};
