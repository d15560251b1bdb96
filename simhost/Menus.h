// The host's menus: groups ("Tool Palettes" and "About" exist at reset, sub-menu groups hang from an item)
// and the plug-in's items in them.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/MenuSuite.h"

namespace sim {

struct MenuGroupRecord {
    AIMenuGroup handle = nullptr;
    std::string name;
    AIMenuItemHandle parent = nullptr; // the item the group shows under, null for a host group
    int32_t options = 0;
};

struct MenuItemRecord {
    AIMenuItemHandle handle = nullptr;
    SPPluginRef plugin = nullptr;
    std::string name;
    std::string text;
    std::string group;
    bool enabled = true;
    bool checked = false;
    int32_t options = 0;
};

class MenuRegistry {
  public:
    // Builds the host's groups "Tool Palettes" and "About" and forgets every item.
    void Reset();

    // Adds an item to an existing group. A plug-in other than the loaded one, a null name or data, a null
    // group name or item text answer kBadParameterErr; an unknown group answers kNameNotFoundErr.
    ASErr AddItem(SPPluginRef plugin, const char* name, const AIPlatformAddMenuItemData* data,
                  int32_t options, AIMenuItemHandle* item);
    // Adds a group shown as a sub-menu of `parent`; an existing group of that name is returned as is.
    ASErr AddSubMenuGroup(const char* name, int32_t options, AIMenuItemHandle parent, AIMenuGroup* group);
    ASErr GroupByName(const char* name, AIMenuGroup* group) const;

    MenuItemRecord* Item(AIMenuItemHandle item);
    const MenuItemRecord* Item(AIMenuItemHandle item) const;
    const MenuItemRecord* FindByName(const std::string& name) const;
    const MenuItemRecord* FindByText(const std::string& text) const;
    const MenuGroupRecord* Group(AIMenuGroup group) const;
    const MenuGroupRecord* FindGroup(const std::string& name) const;
    // Items of a group in the order they were added.
    std::vector<const MenuItemRecord*> ItemsOf(const std::string& group) const;
    const std::deque<MenuItemRecord>& Items() const { return items_; }

    // The user chooses the item: "AI Menu"/"AI Go" reaches the plug-in. A disabled item sends nothing and
    // answers kBadParameterErr; an unknown item answers kStaleHandleErr.
    ASErr Choose(AIMenuItemHandle item);
    // The host is about to show the item: "AI Menu"/"AI Update" reaches the plug-in.
    ASErr Update(AIMenuItemHandle item);

  private:
    // Deques keep the texts handed out valid while records are added.
    std::deque<MenuGroupRecord> groups_;
    std::deque<MenuItemRecord> items_;
};

} // namespace sim
