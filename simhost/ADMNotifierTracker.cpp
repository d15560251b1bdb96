// ADM Notifier and ADM Tracker: the notification or mouse event in progress; stale once it is over.
#include <cstring>

#include "simhost/DialogSuites.h"

namespace sim {

namespace {

ASErr IsNotifierType(ADMNotifierRef notifier, const char* type, ADMBoolean* matches) {
    if (type == nullptr)
        return kBadParameterErr;
    return Read(notifier, matches, [&](const NotifierData& x) { return x.type == type; });
}

ASErr GetNotifierType(ADMNotifierRef notifier, char* type, int32_t maxLen) {
    if (type == nullptr || maxLen <= 0)
        return kBadParameterErr;
    type[0] = '\0';
    return With(notifier, [&](NotifierData& x) { return CopyText(x.type, type, maxLen); });
}

ASErr TestModifier(ADMTrackerRef tracker, int32_t modifier, ADMBoolean* down) {
    return Read(tracker, down, [&](const TrackerData& x) { return (x.modifiers & modifier) != 0; });
}

} // namespace

const ADMNotifierSuite& ADMNotifierSuiteTable() {
    static const ADMNotifierSuite suite{
        [](ADMNotifierRef n, ADMItemRef* i) {
            return Read(n, i, [](const NotifierData& x) { return ToRef<ADMItemRef>(x.item); });
        },
        [](ADMNotifierRef n, ADMDialogRef* d) {
            return Read(n, d, [](const NotifierData& x) { return ToRef<ADMDialogRef>(x.dialog); });
        },
        IsNotifierType,
        GetNotifierType,
        [](ADMNotifierRef n, ADMBoolean) { return With(n, [](NotifierData&) {}); }};
    return suite;
}

const ADMTrackerSuite& ADMTrackerSuiteTable() {
    static const ADMTrackerSuite suite{
        [](ADMTrackerRef t, ADMPoint* p) { return Read(t, p, [](const TrackerData& x) { return x.point; }); },
        [](ADMTrackerRef t, int32_t* a) { return Read(t, a, [](const TrackerData& x) { return x.action; }); },
        [](ADMTrackerRef t, int32_t* m) { return Read(t, m, [](const TrackerData& x) { return x.modifiers; }); },
        TestModifier,
        [](ADMTrackerRef t, int32_t* s) { return Read(t, s, [](const TrackerData& x) { return x.mouseState; }); },
        [](ADMTrackerRef t) { return With(t, [](TrackerData& x) { x.aborted = true; }); }};
    return suite;
}

} // namespace sim
