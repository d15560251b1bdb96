// AI Menu: items the plug-in adds to the host's menus. Choosing one sends "AI Menu"/"AI Go".
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Host menu groups a plug-in may add to.
#define kToolPalettesMenuGroup "Tool Palettes"
#define kAboutMenuGroup "About"

struct AIPlatformAddMenuItemData {
    const char* groupName = nullptr;
    const char* itemText = nullptr;
};

// Options of AddMenuItem: the host sends "AI Update" before showing the item.
constexpr int32_t kMenuItemWantsUpdateOption = 1 << 0;

struct AIMenuSuite {
    ASErr (*AddMenuItem)(SPPluginRef self, const char* name, const AIPlatformAddMenuItemData* data, int32_t options,
                         AIMenuItemHandle* item);
    // Makes a group whose items show as a sub-menu of `parent`; an existing group of that name is returned as is.
    ASErr (*AddMenuGroupAsSubMenu)(const char* name, int32_t options, AIMenuItemHandle parent, AIMenuGroup* group);
    ASErr (*GetMenuGroupByName)(const char* name, AIMenuGroup* group);
    ASErr (*GetItemText)(AIMenuItemHandle item, const char** text);
    ASErr (*SetItemText)(AIMenuItemHandle item, const char* text);
    ASErr (*EnableItem)(AIMenuItemHandle item);
    ASErr (*DisableItem)(AIMenuItemHandle item);
    ASErr (*IsItemEnabled)(AIMenuItemHandle item, AIBoolean* enabled);
    ASErr (*CheckItem)(AIMenuItemHandle item, AIBoolean checked);
};
