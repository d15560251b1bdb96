// The plug-in's host menu items: its entry in the shared About sub-menu and the panel toggle.
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "frame/TavorinePlugIn.h"

ASErr TavorinePlugIn::AddMenus() {
    ASErr error = AddAboutMenuItem();
    error = AddPanelMenuItem();
    return error;
}

// The About sub-menu is shared by every Vektoria plug-in: the first one to start makes it.
ASErr TavorinePlugIn::AddAboutMenuItem() {
    AIMenuGroup group = nullptr;
    if (sAIMenu->GetMenuGroupByName(kVektoriaAboutGroup, &group) != kNoErr || group == nullptr) {
        AIPlatformAddMenuItemData parentData;
        parentData.groupName = kAboutMenuGroup;
        parentData.itemText = kVektoriaAboutItemText;
        AIMenuItemHandle parent = nullptr;
        if (ASErr error = sAIMenu->AddMenuItem(PluginRef, kVektoriaAboutItemName, &parentData, 0, &parent))
            return error;
        if (ASErr error = sAIMenu->AddMenuGroupAsSubMenu(kVektoriaAboutGroup, 0, parent, &group)) return error;
    }
    AIPlatformAddMenuItemData data;
    data.groupName = kVektoriaAboutGroup;
    data.itemText = kAboutItemText;
    return sAIMenu->AddMenuItem(PluginRef, kAboutItemName, &data, 0, &AboutMenuItem);
}

ASErr TavorinePlugIn::AddPanelMenuItem() {
    AIPlatformAddMenuItemData data;
    data.groupName = kToolPalettesMenuGroup;
    data.itemText = kShowPanelText;
    return sAIMenu->AddMenuItem(PluginRef, kPanelItemName, &data, kMenuItemWantsUpdateOption, &PanelMenuItem);
}

ASErr TavorinePlugIn::GoMenuItem(AIMenuMessage* message) {
    if (message->menuItem == nullptr) return kUnhandledMsgErr;
    if (message->menuItem == AboutMenuItem) return ShowAboutBox();
    if (message->menuItem != PanelMenuItem) return kUnhandledMsgErr;
    if (PanelDialogue != nullptr) {
        const bool shown = !PanelDialogue->IsShown();
        PanelDialogue->SetShown(shown);
        gSettings.PanelVisible = shown ? 1 : 0;
    }
    return kNoErr;
}

ASErr TavorinePlugIn::UpdateMenuItem(AIMenuMessage* message) {
    if (message->menuItem == nullptr || message->menuItem != PanelMenuItem) return kUnhandledMsgErr;
    const bool shown = PanelDialogue != nullptr && PanelDialogue->IsShown();
    return sAIMenu->SetItemText(PanelMenuItem, shown ? kHidePanelText : kShowPanelText);
}
