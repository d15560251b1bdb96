#include "frame/Plugin.h"

#include <cstdio>
#include <cstring>

#include "frame/SuiteTable.h"

// The application-started notifier is named after the plug-in: "<name> App Started Notifier".
#define kAppStartedNotifierSuffix " App Started Notifier"

namespace {

// Callers whose messages the plug-in has no use for.
constexpr const char* kUnusedCallers[] = {
    kSPPropertiesCaller, kSPCacheCaller,       kCallerAIFilter,    kCallerAIPluginGroup, kCallerAIFileFormat,
    kCallerAILiveEffect, kCallerAITimer,       kCallerAIClipboard, kCallerAIWorkspace,
};

bool IsUnusedCaller(const char* caller) {
    for (const char* unused : kUnusedCallers)
        if (SameText(caller, unused)) return true;
    return false;
}

}  // namespace

bool SameText(const char* a, const char* b) { return a != nullptr && b != nullptr && std::strcmp(a, b) == 0; }

bool IsNotifier(const AINotifierMessage* message, AINotifierHandle notifier, const char* type) {
    if (notifier != nullptr && message->notifier == notifier) return true;
    return SameText(message->type, type);
}

Plugin::Plugin(SPPluginRef pluginRef) : PluginRef(pluginRef) {}

Plugin::~Plugin() {
    ReleasePluginLock();
    ReleaseAllSuites();
}

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
    return Guarded([&] { return Dispatch(caller, selector, message); });
}

ASErr Plugin::Dispatch(const char* caller, const char* selector, void* message) {
    if (message == nullptr) return kBadParameterErr;
    auto* header = static_cast<SPMessageData*>(message);
    if (header->basic != nullptr) sSPBasic = header->basic;

    if (SameText(caller, kSPInterfaceCaller) && SameText(selector, kSPInterfaceStartupSelector))
        return StartOnce(static_cast<SPInterfaceMessage*>(message));
    if (!Started || IsUnusedCaller(caller)) return kUnhandledMsgErr;
    if (SameText(caller, kSPAccessCaller)) return AccessMessage(selector, static_cast<SPAccessMessage*>(message));

    // A message that reaches an unloaded plug-in finds its suites again first.
    if (ASErr error = AcquireAllSuites(); error != kNoErr) return error;
    if (SameText(caller, kSPInterfaceCaller)) return InterfaceMessage(selector, static_cast<SPInterfaceMessage*>(message));
    if (SameText(caller, kCallerAINotify)) return NotifierMessage(selector, static_cast<AINotifierMessage*>(message));
    if (SameText(caller, kCallerAIMenu)) return MenuMessage(selector, static_cast<AIMenuMessage*>(message));
    if (SameText(caller, kCallerAITool)) return ToolMessage(selector, static_cast<AIToolMessage*>(message));
    if (SameText(caller, kCallerAIPluginPurge) && SameText(selector, kSelectorAIPurgeCache)) return PurgeCache(header);
    if (SameText(caller, kCallerAIActionManager) && SameText(selector, kSelectorAIGoAction)) return GoAction(header);
    return kUnhandledMsgErr;
}

ASErr Plugin::StartOnce(SPInterfaceMessage* message) {
    if (Started) return kNoErr;
    Started = true;
    ASErr error = Startup(message);
    if (error != kNoErr) Started = false;
    return error;
}

ASErr Plugin::InterfaceMessage(const char* selector, SPInterfaceMessage* message) {
    if (SameText(selector, kSPInterfaceShutdownSelector)) {
        Started = false;
        return Shutdown(message);
    }
    if (SameText(selector, kSPInterfaceAboutSelector)) return About(message);
    return kUnhandledMsgErr;
}

ASErr Plugin::AccessMessage(const char* selector, SPAccessMessage* message) {
    if (SameText(selector, kSPAccessUnloadSelector)) return UnloadPlugin(message);
    if (SameText(selector, kSPAccessReloadSelector)) return ReloadPlugin(message);
    return kUnhandledMsgErr;
}

ASErr Plugin::NotifierMessage(const char* selector, AINotifierMessage* message) {
    if (!SameText(selector, kSelectorAINotify)) return kUnhandledMsgErr;
    if (IsNotifier(message, AppStartedNotifier, kAIApplicationStartedNotifier)) return ApplicationStarted(message);
    return Notify(message);
}

ASErr Plugin::MenuMessage(const char* selector, AIMenuMessage* message) {
    if (SameText(selector, kSelectorAIGoMenuItem)) return GoMenuItem(message);
    if (SameText(selector, kSelectorAIUpdateMenuItem)) return UpdateMenuItem(message);
    return kUnhandledMsgErr;
}

ASErr Plugin::ToolMessage(const char* selector, AIToolMessage* message) {
    using ToolOperation = ASErr (Plugin::*)(AIToolMessage*);
    struct ToolRow {
        const char* Selector;
        ToolOperation Operation;
    };
    static constexpr ToolRow kRows[] = {
        {kSelectorAIEditToolOptions, &Plugin::ToolEditOptions},
        {kSelectorAITrackToolCursor, &Plugin::ToolTrackCursor},
        {kSelectorAIToolMouseDown, &Plugin::ToolMouseDown},
        {kSelectorAIToolMouseDrag, &Plugin::ToolMouseDrag},
        {kSelectorAIToolMouseUp, &Plugin::ToolMouseUp},
        {kSelectorAISelectTool, &Plugin::ToolSelect},
        {kSelectorAIDeselectTool, &Plugin::ToolDeselect},
        {kSelectorAIReselectTool, &Plugin::ToolReselect},
        {kSelectorAIToolDecreaseDiameter, &Plugin::ToolDecreaseDiameter},
        {kSelectorAIToolIncreaseDiameter, &Plugin::ToolIncreaseDiameter},
    };
    for (const ToolRow& row : kRows)
        if (SameText(selector, row.Selector)) return (this->*row.Operation)(message);
    return kUnhandledMsgErr;
}

ASErr Plugin::Startup(SPInterfaceMessage*) {
    if (ASErr error = AcquireAllSuites(); error != kNoErr) return error;
    if (ASErr error = RegisterAppStartedNotifier(); error != kNoErr) return error;
    return sSPAccess->AcquirePlugin(PluginRef, &PluginAccess);
}

ASErr Plugin::RegisterAppStartedNotifier() {
    const char* name = nullptr;
    if (ASErr error = sSPPlugins->GetPluginName(PluginRef, &name); error != kNoErr) return error;
    std::snprintf(PluginName, sizeof PluginName, "%s", name != nullptr ? name : "");
    char notifierName[kFrameNameLength + sizeof kAppStartedNotifierSuffix];
    std::snprintf(notifierName, sizeof notifierName, "%s" kAppStartedNotifierSuffix, PluginName);
    return sAINotifier->AddNotifier(PluginRef, notifierName, kAIApplicationStartedNotifier, &AppStartedNotifier);
}

ASErr Plugin::Shutdown(SPInterfaceMessage*) {
    ReleasePluginLock();
    ReleaseAllSuites();
    return kNoErr;
}

void Plugin::ReleasePluginLock() {
    if (PluginAccess == nullptr) return;
    if (sSPAccess != nullptr) sSPAccess->ReleasePlugin(PluginAccess);
    PluginAccess = nullptr;
}

ASErr Plugin::About(SPInterfaceMessage*) { return ShowAboutBox(); }

ASErr Plugin::ShowAboutBox() { return sADMBasic->AboutBox(PluginRef, AboutTitle(), AboutText()); }

const char* Plugin::AboutTitle() const { return PluginName; }

const char* Plugin::AboutText() const { return ""; }

ASErr Plugin::UnloadPlugin(SPAccessMessage*) {
    ReleaseAllSuites();
    return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPAccessMessage*) { return AcquireAllSuites(); }

ASErr Plugin::AcquireAllSuites() {
    if (SuitesHeld) return kNoErr;
    if (ASErr error = AcquireSuites(gFrameSuiteTable, sSPBasic); error != kNoErr) return error;
    if (ASErr error = AcquireSuites(gSuiteTable, sSPBasic); error != kNoErr) {
        ReleaseSuites(gFrameSuiteTable, sSPBasic);
        return error;
    }
    SuitesHeld = true;
    return kNoErr;
}

void Plugin::ReleaseAllSuites() {
    if (!SuitesHeld) return;
    ReleaseSuites(gSuiteTable, sSPBasic);
    ReleaseSuites(gFrameSuiteTable, sSPBasic);
    SuitesHeld = false;
}

ASErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
ASErr Plugin::ApplicationStarted(AINotifierMessage*) { return kNoErr; }

ASErr Plugin::GoMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }

ASErr Plugin::ToolEditOptions(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolTrackCursor(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolSelect(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolDeselect(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolReselect(AIToolMessage*) { return kNoErr; }
ASErr Plugin::ToolDecreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::ToolIncreaseDiameter(AIToolMessage*) { return kNoErr; }

ASErr Plugin::PurgeCache(SPMessageData*) { return kNoErr; }
ASErr Plugin::GoAction(SPMessageData*) { return kNoErr; }
