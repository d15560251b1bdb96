// The AI Preference suite over the stand-in's preference store.
#include "simhost/PreferenceStore.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

ASErr GetBoolean(const char* prefix, const char* suffix, AIBoolean* value) {
    if (value == nullptr) return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, PrefType::Bool, &stored);
    if (error == kNoErr) *value = stored.boolValue ? 1 : 0;
    return error;
}

ASErr PutBoolean(const char* prefix, const char* suffix, AIBoolean value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Bool(value != 0));
}

ASErr GetInteger(const char* prefix, const char* suffix, int32_t* value) {
    if (value == nullptr) return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, PrefType::Int, &stored);
    if (error == kNoErr) *value = stored.intValue;
    return error;
}

ASErr PutInteger(const char* prefix, const char* suffix, int32_t value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Int(value));
}

ASErr GetReal(const char* prefix, const char* suffix, double* value) {
    if (value == nullptr) return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, PrefType::Real, &stored);
    if (error == kNoErr) *value = stored.realValue;
    return error;
}

ASErr PutReal(const char* prefix, const char* suffix, double value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Real(value));
}

ASErr GetString(const char* prefix, const char* suffix, char* buffer, size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, PrefType::String, &stored);
    if (error == kNoErr) CopyBounded(stored.stringValue.c_str(), buffer, bufferSize);
    return error;
}

ASErr PutString(const char* prefix, const char* suffix, const char* value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::String(value == nullptr ? "" : value));
}

ASErr RemovePreference(const char* prefix, const char* suffix) { return ThePreferences().Erase(prefix, suffix); }

}  // namespace

const AIPreferenceSuite& PreferenceSuiteTable() {
    static const AIPreferenceSuite suite{GetBoolean, PutBoolean, GetInteger, PutInteger, GetReal,
                                         PutReal,    GetString,  PutString,  RemovePreference};
    return suite;
}

}  // namespace sim
