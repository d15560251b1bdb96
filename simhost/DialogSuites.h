// The dialog suites' tables and the lookups they share: a null ref is a bad parameter, a stale one is stale.
#pragma once

#include <string>

#include "host/ADMDialogGroupSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "host/ADMTrackerSuite.h"
#include "simhost/DialogManager.h"

namespace sim {

const ADMDialogSuite& ADMDialogSuiteTable();
const ADMDialogGroupSuite& ADMDialogGroupSuiteTable();
const ADMItemSuite& ADMItemSuiteTable();
const ADMListSuite& ADMListSuiteTable();
const ADMEntrySuite& ADMEntrySuiteTable();
const ADMNotifierSuite& ADMNotifierSuiteTable();
const ADMTrackerSuite& ADMTrackerSuiteTable();
const ADMIconSuite& ADMIconSuiteTable();
const ADMDrawerSuite& ADMDrawerSuiteTable();

inline DialogData* Lookup(ADMDialogRef ref) { return TheDialogs().Dialog(ref); }
inline ItemData* Lookup(ADMItemRef ref) { return TheDialogs().Item(ref); }
inline ListData* Lookup(ADMListRef ref) { return TheDialogs().List(ref); }
inline EntryData* Lookup(ADMEntryRef ref) { return TheDialogs().Entry(ref); }
inline NotifierData* Lookup(ADMNotifierRef ref) { return TheDialogs().Notifier(ref); }
inline TrackerData* Lookup(ADMTrackerRef ref) { return TheDialogs().Tracker(ref); }
inline DrawerData* Lookup(ADMDrawerRef ref) { return TheDialogs().Drawer(ref); }
inline IconData* Lookup(ADMIconRef ref) { return TheDialogs().Icon(ref); }

// Runs `change` on the object behind `ref` and answers its result, or the error of a null or stale ref.
template <typename Ref, typename Fn>
ASErr With(Ref ref, Fn change) {
    if (ref == nullptr)
        return kBadParameterErr;
    auto* data = Lookup(ref);
    if (data == nullptr)
        return kStaleHandleErr;
    if constexpr (std::is_void_v<decltype(change(*data))>) {
        change(*data);
        return kNoErr;
    } else {
        return change(*data);
    }
}

// Writes what `read` gives for the object behind `ref` into `out`.
template <typename Ref, typename T, typename Fn>
ASErr Read(Ref ref, T* out, Fn read) {
    if (out == nullptr)
        return kBadParameterErr;
    return With(ref, [&](auto& data) { *out = static_cast<T>(read(data)); });
}

// Copies `text` into a caller's buffer of maxLen bytes, cut at a character boundary.
ASErr CopyText(const std::string& text, char* buffer, int32_t maxLen);

}  // namespace sim
