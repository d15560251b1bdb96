// ADM List: the entries of a popup, menu or list item.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMListSuite {
    // Replaces the entries by those of the plug-in's menu resource `menuID`.
    ASErr (*SetMenuID)(ADMListRef list, SPPluginRef plugin, int32_t menuID);
    ASErr (*GetMenuID)(ADMListRef list, int32_t* menuID);
    ASErr (*GetItem)(ADMListRef list, ADMItemRef* item);
    ASErr (*NumberOfEntries)(ADMListRef list, int32_t* count);
    // A new entry at `index` (0-based; the count appends).
    ASErr (*InsertEntry)(ADMListRef list, int32_t index, ADMEntryRef* entry);
    ASErr (*RemoveEntry)(ADMListRef list, int32_t index);
    ASErr (*IndexEntry)(ADMListRef list, int32_t index, ADMEntryRef* entry);
    // The first entry with `entryID`.
    ASErr (*GetEntry)(ADMListRef list, int32_t entryID, ADMEntryRef* entry);
    // The selected entry, or null when none is.
    ASErr (*GetActiveEntry)(ADMListRef list, ADMEntryRef* entry);
};
