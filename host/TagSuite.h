// AI Tag: named, typed values that a plug-in keeps on art.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// The four tag types, as the type argument and as GetTagType answers them.
#define kTagTypeString "string"   // value: const char* (UTF-8, copied by the host)
#define kTagTypeInteger "integer" // value: const int32_t*
#define kTagTypeReal "real"       // value: const double*
#define kTagTypeBoolean "boolean" // value: const AIBoolean*

// A missing tag answers kNameNotFoundErr; a tag of another type than asked answers kWrongTypeErr. Null
// handles, names or values, empty names and unknown types answer kBadParameterErr; disposed art
// kStaleHandleErr.
struct AITagSuite {
    // Creates or replaces the tag `name` (a replaced tag may change its type).
    ASErr (*SetTag)(AIArtHandle art, const char* name, const char* type, const void* value);
    // Reads an integer, real or boolean tag into *value; strings are read with GetStringTag.
    ASErr (*GetTag)(AIArtHandle art, const char* name, const char* type, void* value);
    // Copies at most size - 1 bytes of a string tag, never splitting a UTF-8 character, and always terminates
    // the buffer (size must be at least 1).
    ASErr (*GetStringTag)(AIArtHandle art, const char* name, char* buffer, size_t size);
    // The length in bytes of a string tag, without its terminator.
    ASErr (*GetStringTagLength)(AIArtHandle art, const char* name, size_t* length);
    // The type of the tag as one of the kTagType strings (static text of the host).
    ASErr (*GetTagType)(AIArtHandle art, const char* name, const char** type);
    ASErr (*HasTag)(AIArtHandle art, const char* name, AIBoolean* has);
    ASErr (*DeleteTag)(AIArtHandle art, const char* name);
    ASErr (*CountTags)(AIArtHandle art, int32_t* count);
    // The name of tag `index` (0-based, in byte order of the names), copied as GetStringTag copies.
    ASErr (*GetNthTagName)(AIArtHandle art, int32_t index, char* buffer, size_t size);
};
