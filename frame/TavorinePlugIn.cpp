#include "frame/TavorinePlugIn.h"

#include <new>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/PointEditorDialogs.h"
#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/ColourDialog.h"
#include "dialogs/options/FreeTextDialog.h"
#include "dialogs/options/OtherOptionsDialog.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/LiveOptions.h"
#include "frame/PluginReference.h"
#include "frame/PreferenceStore.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "frame/SuiteTable.h"
#include "panel/CurrentOptions.h"
#include "panel/TavorineDialogue.h"
#include "records/ToolState.h"
#include "tools/Annotator.h"
#include "tools/ClickSequences.h"
#include "tools/CursorTracking.h"
#include "tools/ToolSelection.h"

PanelDock gPanelDock;

namespace {

constexpr const char* kAboutTitle = "Vek-Tavorine";
constexpr const char* kAboutText =
    "Cotation des tracés : segments, angles, cercles, courbes de Bézier, longueurs et aires.";

}  // namespace

TavorinePlugIn::TavorinePlugIn(SPPluginRef pluginRef) : Plugin(pluginRef) { SetOwnPluginRef(pluginRef); }

TavorinePlugIn::~TavorinePlugIn() {
    DestroyPanel();
    SetOwnPluginRef(nullptr);
}

ASErr TavorinePlugIn::Message(const char* caller, const char* selector, void* message) {
    ASErr result = Plugin::Message(caller, selector, message);
    if (result != kUnhandledMsgErr || !SameText(caller, kCallerAIAnnotation) ||
        !SameText(selector, kSelectorAIDrawAnnotation))
        return result;
    return Guarded([&] { return DrawAnnotations(static_cast<AIAnnotatorMessage*>(message)); });
}

ASErr TavorinePlugIn::Startup(SPInterfaceMessage* message) {
    if (ASErr error = Plugin::Startup(message); error != kNoErr) return error;
    InstallPointEditorOpeners();
    InstallDialogOpener(ModalDialog::Preferences, OpenPreferencesDialog);
    InstallDialogOpeners();
    ASErr error = AddMenus();
    error = AddNotifiers();
    error = LoadSettingsStep();
    error = AddToolsStep();
    error = AddAnnotatorStep();
    InstallFigureCreationDialogs();
    SelectHostTool();
    return error;
}

void TavorinePlugIn::InstallDialogOpeners() {
    InstallDialogOpener(ModalDialog::Colours, &OpenColourDialog);
    InstallDialogOpener(ModalDialog::OtherOptions, &OpenOtherOptionsDialog);
    InstallDialogOpener(ModalDialog::FreeTexts, &OpenFreeTextDialog);
}

ASErr TavorinePlugIn::AddNotifiers() {
    ASErr error = sAINotifier->AddNotifier(PluginRef, kShutdownNotifierName, kAIApplicationShutdownNotifier,
                                           &ShutdownNotifier);
    error = sAINotifier->AddNotifier(PluginRef, kCustomColourNotifierName, kAIArtCustomColorChangedNotifier,
                                     &CustomColourNotifier);
    return error;
}

ASErr TavorinePlugIn::LoadSettingsStep() {
    InstallLiveOptionsLoader(&LoadAllCurrentOptions);
    return LoadSettings();
}

ASErr TavorinePlugIn::AddToolsStep() { return AddTools(PluginRef); }

ASErr TavorinePlugIn::AddAnnotatorStep() { return AddVekAnnotator(PluginRef, &AnnotatorHandle); }

void TavorinePlugIn::CustomColourChangedStep() { CustomColourChangedNotify(); }

void TavorinePlugIn::SelectHostTool() {
    AIToolHandle selectTool = nullptr;
    if (sAITool->GetToolHandleFromName(kSelectToolName, &selectTool) == kNoErr) sAITool->SetSelectedTool(selectTool);
}

ASErr TavorinePlugIn::Notify(AINotifierMessage* message) {
    if (IsNotifier(message, ShutdownNotifier, kAIApplicationShutdownNotifier)) {
        // A first point left waiting is no dimension: the document keeps none of it.
        AbandonClickSequence();
        DestroyPanel();
    }
    else if (IsNotifier(message, CustomColourNotifier, kAIArtCustomColorChangedNotifier))
        CustomColourChangedStep();
    return kNoErr;
}

ASErr TavorinePlugIn::ApplicationStarted(AINotifierMessage*) {
    if (PanelDialogue != nullptr) return kNoErr;
    auto* panel = new (std::nothrow) TavorineDialogue(PluginRef);
    PanelDialogue = panel;
    gToolState.CurrentTool = kSegmentTool;
    if (panel == nullptr) return kNoErr;
    panel->LayoutPanelForTool(0);
    panel->EnablePanelMenuEntries(0);
    return kNoErr;
}

void TavorinePlugIn::DestroyPanel() {
    delete PanelDialogue;
    PanelDialogue = nullptr;
}

ASErr TavorinePlugIn::Shutdown(SPInterfaceMessage* message) {
    DestroyPanel();
    WritePanelPreferences();
    ClearSettings();
    ClearValueFormat();
    ForgetDivisionMarks();
    return Plugin::Shutdown(message);
}

void TavorinePlugIn::WritePanelPreferences() {
    sAIPreference->PutIntegerPreference(kDockPrefix, kDockCodeKey, gPanelDock.DockCode);
    for (const char* key : {kPanelVisibleKey, kOptionsShownKey}) {
        if (const SettingEntry* entry = FindSetting(key)) WriteSetting(*entry);
    }
}

ASErr TavorinePlugIn::DrawAnnotations(AIAnnotatorMessage* message) {
    return AnnotatorHandle == nullptr ? kNoErr : DrawToolAnnotations(message, PanelDialogue);
}

ASErr TavorinePlugIn::ToolSelect(AIToolMessage* message) { return SelectTool(*message, AnnotatorHandle, PanelDialogue); }

ASErr TavorinePlugIn::ToolDeselect(AIToolMessage* message) {
    return DeselectTool(*message, AnnotatorHandle, PanelDialogue);
}

ASErr TavorinePlugIn::ToolEditOptions(AIToolMessage*) {
    OpenModalDialog(ModalDialog::Preferences);
    return kNoErr;
}

ASErr TavorinePlugIn::ToolTrackCursor(AIToolMessage* message) {
    return TrackToolCursor(*message, PanelDialogue != nullptr && PanelDialogue->IsShown());
}

const char* TavorinePlugIn::AboutTitle() const { return kAboutTitle; }

const char* TavorinePlugIn::AboutText() const { return kAboutText; }
