#include "simhost/Menus.h"

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

void MenuRegistry::Reset() {
    groups_.clear();
    items_.clear();
    for (const char* name : {kToolPalettesMenuGroup, kAboutMenuGroup}) {
        MenuGroupRecord group;
        group.handle = NewHandle<AIMenuGroup>();
        group.name = name;
        groups_.push_back(group);
    }
}

ASErr MenuRegistry::AddItem(SPPluginRef plugin, const char* name, const AIPlatformAddMenuItemData* data,
                            int32_t options, AIMenuItemHandle* item) {
    if (item != nullptr)
        *item = nullptr;
    if (!ThePlugin().IsSelf(plugin) || name == nullptr || data == nullptr || data->groupName == nullptr ||
        data->itemText == nullptr) {
        return kBadParameterErr;
    }
    if (FindGroup(data->groupName) == nullptr)
        return kNameNotFoundErr;
    MenuItemRecord record;
    record.handle = NewHandle<AIMenuItemHandle>();
    record.plugin = plugin;
    record.name = name;
    record.text = data->itemText;
    record.group = data->groupName;
    record.options = options;
    items_.push_back(record);
    if (item != nullptr)
        *item = record.handle;
    return kNoErr;
}

ASErr MenuRegistry::AddSubMenuGroup(const char* name, int32_t options, AIMenuItemHandle parent,
                                    AIMenuGroup* group) {
    if (group != nullptr)
        *group = nullptr;
    if (name == nullptr || group == nullptr)
        return kBadParameterErr;
    if (const MenuGroupRecord* existing = FindGroup(name)) {
        *group = existing->handle;
        return kNoErr;
    }
    if (Item(parent) == nullptr)
        return kStaleHandleErr;
    MenuGroupRecord record;
    record.handle = NewHandle<AIMenuGroup>();
    record.name = name;
    record.parent = parent;
    record.options = options;
    groups_.push_back(record);
    *group = record.handle;
    return kNoErr;
}

ASErr MenuRegistry::GroupByName(const char* name, AIMenuGroup* group) const {
    if (name == nullptr || group == nullptr)
        return kBadParameterErr;
    const MenuGroupRecord* record = FindGroup(name);
    *group = record != nullptr ? record->handle : nullptr;
    return record != nullptr ? kNoErr : kNameNotFoundErr;
}

MenuItemRecord* MenuRegistry::Item(AIMenuItemHandle item) {
    return FindRecord(items_, HasHandle(item));
}

const MenuItemRecord* MenuRegistry::Item(AIMenuItemHandle item) const {
    return FindRecord(items_, HasHandle(item));
}

const MenuItemRecord* MenuRegistry::FindByName(const std::string& name) const {
    return FindRecord(items_, [&name](const MenuItemRecord& r) { return r.name == name; });
}

const MenuItemRecord* MenuRegistry::FindByText(const std::string& text) const {
    return FindRecord(items_, [&text](const MenuItemRecord& r) { return r.text == text; });
}

const MenuGroupRecord* MenuRegistry::Group(AIMenuGroup group) const {
    return FindRecord(groups_, HasHandle(group));
}

const MenuGroupRecord* MenuRegistry::FindGroup(const std::string& name) const {
    return FindRecord(groups_, [&name](const MenuGroupRecord& r) { return r.name == name; });
}

std::vector<const MenuItemRecord*> MenuRegistry::ItemsOf(const std::string& group) const {
    std::vector<const MenuItemRecord*> found;
    for (const MenuItemRecord& record : items_) {
        if (record.group == group)
            found.push_back(&record);
    }
    return found;
}

ASErr MenuRegistry::Choose(AIMenuItemHandle item) {
    const MenuItemRecord* record = Item(item);
    if (record == nullptr)
        return kStaleHandleErr;
    if (!record->enabled)
        return kBadParameterErr;
    return ThePlugin().SendMenu(kSelectorAIGoMenuItem, item);
}

ASErr MenuRegistry::Update(AIMenuItemHandle item) {
    if (Item(item) == nullptr)
        return kStaleHandleErr;
    return ThePlugin().SendMenu(kSelectorAIUpdateMenuItem, item);
}

namespace {

ASErr AddMenuItem(SPPluginRef self, const char* name, const AIPlatformAddMenuItemData* data, int32_t options,
                  AIMenuItemHandle* item) {
    return TheMenus().AddItem(self, name, data, options, item);
}

ASErr AddMenuGroupAsSubMenu(const char* name, int32_t options, AIMenuItemHandle parent, AIMenuGroup* group) {
    return TheMenus().AddSubMenuGroup(name, options, parent, group);
}

ASErr GetMenuGroupByName(const char* name, AIMenuGroup* group) {
    return TheMenus().GroupByName(name, group);
}

ASErr GetItemText(AIMenuItemHandle item, const char** text) {
    return ReadRecord(TheMenus().Item(item), text, [](const MenuItemRecord& r) { return r.text.c_str(); });
}

ASErr SetItemText(AIMenuItemHandle item, const char* text) {
    if (text == nullptr)
        return kBadParameterErr;
    return ChangeRecord(TheMenus().Item(item), [text](MenuItemRecord& r) { r.text = text; });
}

ASErr SetItemEnabled(AIMenuItemHandle item, bool enabled) {
    return ChangeRecord(TheMenus().Item(item), [enabled](MenuItemRecord& r) { r.enabled = enabled; });
}

ASErr EnableItem(AIMenuItemHandle item) {
    return SetItemEnabled(item, true);
}
ASErr DisableItem(AIMenuItemHandle item) {
    return SetItemEnabled(item, false);
}

ASErr IsItemEnabled(AIMenuItemHandle item, AIBoolean* enabled) {
    return ReadRecord(TheMenus().Item(item), enabled,
                      [](const MenuItemRecord& r) { return static_cast<AIBoolean>(r.enabled ? 1 : 0); });
}

ASErr CheckItem(AIMenuItemHandle item, AIBoolean checked) {
    return ChangeRecord(TheMenus().Item(item), [checked](MenuItemRecord& r) { r.checked = checked != 0; });
}

} // namespace

const AIMenuSuite& MenuSuiteTable() {
    static const AIMenuSuite suite{AddMenuItem, AddMenuGroupAsSubMenu, GetMenuGroupByName,
                                   GetItemText, SetItemText,           EnableItem,
                                   DisableItem, IsItemEnabled,         CheckItem};
    return suite;
}

} // namespace sim
