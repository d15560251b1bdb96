// The plug-in object: start-up, shut-down, notifiers, menu items and the routing of annotation draws.
#pragma once

#include <cstdint>

#include "frame/FramePanel.h"
#include "frame/Plugin.h"

// The panel flags are settings like the others.
#define kPanelVisibleKey "PanneauVisible"
#define kOptionsShownKey "PanneauGrand"

// Names of the notifiers the plug-in registers besides the application-started one.
#define kShutdownNotifierName "TransormButtonsDialog "
#define kCustomColourNotifierName "Couleur"

// Menu items: the plug-in's entry in the shared About sub-menu and the panel toggle.
#define kVektoriaAboutGroup "About Vektoria plug-ins"
#define kVektoriaAboutItemName "Vektoria plug-ins"
#define kVektoriaAboutItemText "Modules Vektoria"
#define kAboutItemName "Vek-Tavorine About"
#define kAboutItemText "Vek-Tavorine..."
#define kPanelItemName "Vek-Tavorine Panel"
#define kShowPanelText "Afficher Vek-Tavorine"
#define kHidePanelText "Masquer Vek-Tavorine"

class TavorinePlugIn : public Plugin {
public:
    explicit TavorinePlugIn(SPPluginRef pluginRef);
    ~TavorinePlugIn() override;

    // Routes "AI Annotation"/"AI Draw", which the base dispatch leaves unhandled, to the annotator.
    ASErr Message(const char* caller, const char* selector, void* message) override;

    AIAnnotatorHandle AnnotatorHandle = nullptr;
    DockedPanel* PanelDialogue = nullptr;

    AINotifierHandle ShutdownNotifier = nullptr;
    AINotifierHandle CustomColourNotifier = nullptr;
    AIMenuItemHandle AboutMenuItem = nullptr;
    AIMenuItemHandle PanelMenuItem = nullptr;

protected:
    ASErr Startup(SPInterfaceMessage* message) override;
    ASErr Shutdown(SPInterfaceMessage* message) override;
    ASErr Notify(AINotifierMessage* message) override;
    // Builds the docked panel once, when the host has finished starting.
    ASErr ApplicationStarted(AINotifierMessage* message) override;
    ASErr GoMenuItem(AIMenuMessage* message) override;
    ASErr UpdateMenuItem(AIMenuMessage* message) override;
    const char* AboutTitle() const override;
    const char* AboutText() const override;

    // The tool messages without a press: select, deselect, options and cursor tracking.
    ASErr ToolSelect(AIToolMessage* message) override;
    ASErr ToolDeselect(AIToolMessage* message) override;
    ASErr ToolEditOptions(AIToolMessage* message) override;
    ASErr ToolTrackCursor(AIToolMessage* message) override;

    // Draws the tools' feedback over the artwork; answers 0 until the annotator is built.
    ASErr DrawAnnotations(AIAnnotatorMessage* message);

    // A press on the canvas with one of the tools: its click, its drag and its release.
    ASErr ToolMouseDown(AIToolMessage* message) override;
    ASErr ToolMouseDrag(AIToolMessage* message) override;
    ASErr ToolMouseUp(AIToolMessage* message) override;

private:
    void InstallDialogOpeners();
    ASErr AddMenus();
    ASErr AddAboutMenuItem();
    ASErr AddPanelMenuItem();
    ASErr AddNotifiers();
    ASErr LoadSettingsStep();
    ASErr AddToolsStep();
    ASErr AddAnnotatorStep();
    void CustomColourChangedStep();
    void SelectHostTool();
    void DestroyPanel();
    void WritePanelPreferences();
};
