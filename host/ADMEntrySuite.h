// ADM Entry: one entry of a list: text, id, check mark, state, separator, selection.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMEntrySuite {
    ASErr (*GetList)(ADMEntryRef entry, ADMListRef* list);
    ASErr (*GetIndex)(ADMEntryRef entry, int32_t* index);
    ASErr (*SetID)(ADMEntryRef entry, int32_t entryID);
    ASErr (*GetID)(ADMEntryRef entry, int32_t* entryID);
    ASErr (*SetText)(ADMEntryRef entry, const char* text);
    // The text, at most maxLen - 1 characters.
    ASErr (*GetText)(ADMEntryRef entry, char* text, int32_t maxLen);
    ASErr (*Check)(ADMEntryRef entry, ADMBoolean check);
    ASErr (*IsChecked)(ADMEntryRef entry, ADMBoolean* checked);
    ASErr (*Enable)(ADMEntryRef entry, ADMBoolean enable);
    ASErr (*IsEnabled)(ADMEntryRef entry, ADMBoolean* enabled);
    ASErr (*MakeSeparator)(ADMEntryRef entry, ADMBoolean separator);
    ASErr (*IsSeparator)(ADMEntryRef entry, ADMBoolean* separator);
    // Selecting an entry deselects the others of its list.
    ASErr (*Select)(ADMEntryRef entry, ADMBoolean select);
    ASErr (*IsSelected)(ADMEntryRef entry, ADMBoolean* selected);
    ASErr (*SetPictureID)(ADMEntryRef entry, int32_t pictureID);
    ASErr (*GetPictureID)(ADMEntryRef entry, int32_t* pictureID);
    ASErr (*SetUserData)(ADMEntryRef entry, ADMUserData data);
    ASErr (*GetUserData)(ADMEntryRef entry, ADMUserData* data);
};
