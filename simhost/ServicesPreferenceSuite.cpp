// The AI Preference suite over the stand-in's preference store.
#include "simhost/PreferenceStore.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

// Reads a key of `type` and hands its value out through `convert`; the output is untouched on failure.
template <class Out, class Convert>
ASErr ReadAs(const char* prefix, const char* suffix, PrefType type, Out* value, Convert convert) {
    if (value == nullptr)
        return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, type, &stored);
    if (error == kNoErr)
        *value = convert(stored);
    return error;
}

ASErr GetBoolean(const char* prefix, const char* suffix, AIBoolean* value) {
    return ReadAs(prefix, suffix, PrefType::Bool, value,
                  [](const PrefValue& v) { return static_cast<AIBoolean>(v.boolValue ? 1 : 0); });
}

ASErr PutBoolean(const char* prefix, const char* suffix, AIBoolean value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Bool(value != 0));
}

ASErr GetInteger(const char* prefix, const char* suffix, int32_t* value) {
    return ReadAs(prefix, suffix, PrefType::Int, value, [](const PrefValue& v) { return v.intValue; });
}

ASErr PutInteger(const char* prefix, const char* suffix, int32_t value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Int(value));
}

ASErr GetReal(const char* prefix, const char* suffix, double* value) {
    return ReadAs(prefix, suffix, PrefType::Real, value, [](const PrefValue& v) { return v.realValue; });
}

ASErr PutReal(const char* prefix, const char* suffix, double value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::Real(value));
}

ASErr GetString(const char* prefix, const char* suffix, char* buffer, size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0)
        return kBadParameterErr;
    PrefValue stored;
    const ASErr error = ThePreferences().Read(prefix, suffix, PrefType::String, &stored);
    if (error == kNoErr)
        CopyBounded(stored.stringValue.c_str(), buffer, bufferSize);
    return error;
}

ASErr GetStringLength(const char* prefix, const char* suffix, size_t* length) {
    return ReadAs(prefix, suffix, PrefType::String, length, [](const PrefValue& v) { return v.stringValue.size(); });
}

ASErr PutString(const char* prefix, const char* suffix, const char* value) {
    return ThePreferences().Write(prefix, suffix, PrefValue::String(value == nullptr ? "" : value));
}

ASErr RemovePreference(const char* prefix, const char* suffix) {
    return ThePreferences().Erase(prefix, suffix);
}

} // namespace

const AIPreferenceSuite& PreferenceSuiteTable() {
    static const AIPreferenceSuite suite{GetBoolean, PutBoolean, GetInteger,       PutInteger,
                                         GetReal,    PutReal,    GetString,        PutString,
                                         RemovePreference,       GetStringLength};
    return suite;
}

} // namespace sim
