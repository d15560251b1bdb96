// AI Preference: the host's typed preference store. A key is a prefix and a suffix; a null or empty prefix
// names a host preference such as "Grid/Color/Lite/r".
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Get operations leave the value untouched and answer kNoSuchKeyErr when the key is absent and kWrongTypeErr
// when it holds another type.
struct AIPreferenceSuite {
    ASErr (*GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
    ASErr (*PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
    ASErr (*GetIntegerPreference)(const char* prefix, const char* suffix, int32_t* value);
    ASErr (*PutIntegerPreference)(const char* prefix, const char* suffix, int32_t value);
    ASErr (*GetRealPreference)(const char* prefix, const char* suffix, double* value);
    ASErr (*PutRealPreference)(const char* prefix, const char* suffix, double value);
    // Copies at most bufferSize - 1 characters and always terminates the buffer.
    ASErr (*GetStringPreference)(const char* prefix, const char* suffix, char* buffer, size_t bufferSize);
    ASErr (*PutStringPreference)(const char* prefix, const char* suffix, const char* value);
    ASErr (*RemovePreference)(const char* prefix, const char* suffix);
    // The length in bytes of a stored string, its terminating zero not counted: a buffer of length + 1 bytes
    // reads it whole.
    ASErr (*GetStringPreferenceLength)(const char* prefix, const char* suffix, size_t* length);
};
