// ADM List and ADM Entry: entries of popups and menus, loaded from menu resources or made in code.
#include "host/Resources.h"
#include "simhost/DialogSuites.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

ASErr SetMenuID(ADMListRef list, SPPluginRef plugin, int32_t menuID) {
    return With(list, [&](ListData& x) {
        if (!ThePlugin().IsSelf(plugin))
            return kBadParameterErr;
        const PluginResource* menu = ThePlugin().FindResource(kMenuResourceType, menuID);
        if (menu == nullptr || menu->data == nullptr)
            return kNameNotFoundErr;
        while (!x.entries.empty())
            TheDialogs().RemoveEntry(x, x.entries.size() - 1);
        const auto* entries = static_cast<const MenuEntry*>(menu->data);
        for (size_t i = 0; i < menu->count; ++i) {
            EntryData& entry = TheDialogs().NewEntry(x, i);
            entry.id = static_cast<int32_t>(i + 1);
            entry.text = entries[i].text != nullptr ? entries[i].text : "";
            entry.separator = entry.text == "-";
            entry.enabled = entries[i].enabled != 0;
        }
        x.menuID = menuID;
        return kNoErr;
    });
}

ASErr InsertEntry(ADMListRef list, int32_t index, ADMEntryRef* entry) {
    if (entry == nullptr)
        return kBadParameterErr;
    *entry = nullptr;
    return With(list, [&](ListData& x) {
        if (index < 0 || static_cast<size_t>(index) > x.entries.size())
            return kIndexOutOfRangeErr;
        *entry = ToRef<ADMEntryRef>(TheDialogs().NewEntry(x, static_cast<size_t>(index)).handle);
        return kNoErr;
    });
}

ASErr RemoveEntry(ADMListRef list, int32_t index) {
    return With(list, [&](ListData& x) {
        if (index < 0 || static_cast<size_t>(index) >= x.entries.size())
            return kIndexOutOfRangeErr;
        TheDialogs().RemoveEntry(x, static_cast<size_t>(index));
        return kNoErr;
    });
}

ASErr IndexEntry(ADMListRef list, int32_t index, ADMEntryRef* entry) {
    if (entry == nullptr)
        return kBadParameterErr;
    *entry = nullptr;
    return With(list, [&](ListData& x) {
        if (index < 0 || static_cast<size_t>(index) >= x.entries.size())
            return kIndexOutOfRangeErr;
        *entry = ToRef<ADMEntryRef>(x.entries[static_cast<size_t>(index)]);
        return kNoErr;
    });
}

// The first entry of the list for which `match` holds.
template <typename Match>
ASErr FindEntry(ADMListRef list, ADMEntryRef* entry, Match match) {
    if (entry == nullptr)
        return kBadParameterErr;
    *entry = nullptr;
    return With(list, [&](ListData& x) {
        for (uintptr_t handle : x.entries) {
            EntryData* data = TheDialogs().EntryByHandle(handle);
            if (data != nullptr && match(*data)) {
                *entry = ToRef<ADMEntryRef>(handle);
                return kNoErr;
            }
        }
        return kNameNotFoundErr;
    });
}

ASErr GetIndex(ADMEntryRef entry, int32_t* index) {
    return Read(entry, index, [](const EntryData& x) {
        const ListData* list = TheDialogs().ListByHandle(x.list);
        int32_t at = 0;
        for (uintptr_t handle : list->entries) {
            if (handle == x.handle)
                break;
            ++at;
        }
        return at;
    });
}

ASErr SetText(ADMEntryRef entry, const char* text) {
    if (text == nullptr)
        return kBadParameterErr;
    return With(entry, [&](EntryData& x) { x.text = text; });
}

ASErr GetText(ADMEntryRef entry, char* text, int32_t maxLen) {
    if (text == nullptr || maxLen <= 0)
        return kBadParameterErr;
    text[0] = '\0';
    return With(entry, [&](EntryData& x) { return CopyText(x.text, text, maxLen); });
}

ASErr Select(ADMEntryRef entry, ADMBoolean select) {
    return With(entry, [&](EntryData& x) {
        if (select != 0)
            TheDialogs().SelectEntry(*TheDialogs().ListByHandle(x.list), &x);
        else
            x.selected = false;
    });
}

} // namespace

const ADMListSuite& ADMListSuiteTable() {
    static const ADMListSuite suite{
        SetMenuID,
        [](ADMListRef l, int32_t* id) { return Read(l, id, [](const ListData& x) { return x.menuID; }); },
        [](ADMListRef l, ADMItemRef* i) {
            return Read(l, i, [](const ListData& x) { return ToRef<ADMItemRef>(x.item); });
        },
        [](ADMListRef l, int32_t* n) {
            return Read(l, n, [](const ListData& x) { return static_cast<int32_t>(x.entries.size()); });
        },
        InsertEntry,
        RemoveEntry,
        IndexEntry,
        [](ADMListRef l, int32_t id, ADMEntryRef* e) {
            return FindEntry(l, e, [&](const EntryData& x) { return x.id == id; });
        },
        [](ADMListRef l, ADMEntryRef* e) {
            const ASErr error = FindEntry(l, e, [](const EntryData& x) { return x.selected; });
            return error == kNameNotFoundErr ? kNoErr : error;
        }};
    return suite;
}

const ADMEntrySuite& ADMEntrySuiteTable() {
    static const ADMEntrySuite suite{
        [](ADMEntryRef e, ADMListRef* l) {
            return Read(e, l, [](const EntryData& x) { return ToRef<ADMListRef>(x.list); });
        },
        GetIndex,
        [](ADMEntryRef e, int32_t id) { return With(e, [&](EntryData& x) { x.id = id; }); },
        [](ADMEntryRef e, int32_t* id) { return Read(e, id, [](const EntryData& x) { return x.id; }); },
        SetText,
        GetText,
        [](ADMEntryRef e, ADMBoolean c) { return With(e, [&](EntryData& x) { x.checked = c != 0; }); },
        [](ADMEntryRef e, ADMBoolean* c) { return Read(e, c, [](const EntryData& x) { return x.checked; }); },
        [](ADMEntryRef e, ADMBoolean b) { return With(e, [&](EntryData& x) { x.enabled = b != 0; }); },
        [](ADMEntryRef e, ADMBoolean* b) { return Read(e, b, [](const EntryData& x) { return x.enabled; }); },
        [](ADMEntryRef e, ADMBoolean s) { return With(e, [&](EntryData& x) { x.separator = s != 0; }); },
        [](ADMEntryRef e, ADMBoolean* s) { return Read(e, s, [](const EntryData& x) { return x.separator; }); },
        Select,
        [](ADMEntryRef e, ADMBoolean* s) { return Read(e, s, [](const EntryData& x) { return x.selected; }); },
        [](ADMEntryRef e, int32_t p) { return With(e, [&](EntryData& x) { x.pictureID = p; }); },
        [](ADMEntryRef e, int32_t* p) { return Read(e, p, [](const EntryData& x) { return x.pictureID; }); },
        [](ADMEntryRef e, ADMUserData u) { return With(e, [&](EntryData& x) { x.userData = u; }); },
        [](ADMEntryRef e, ADMUserData* u) { return Read(e, u, [](const EntryData& x) { return x.userData; }); }};
    return suite;
}

} // namespace sim
