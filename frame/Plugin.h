// The plug-in base class: turns each host message into one virtual operation.
#pragma once

#include "frame/HostError.h"
#include "host/Messages.h"
#include "host/Types.h"

// The longest plug-in or notifier name the frame keeps, terminator included.
constexpr size_t kFrameNameLength = 256;

class Plugin {
public:
    explicit Plugin(SPPluginRef pluginRef);
    virtual ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // Dispatches one host message by caller, then selector. Nothing is thrown out of it: the host library's
    // error exception answers its code, any other exception 'CANT'.
    virtual ASErr Message(const char* caller, const char* selector, void* message);

    SPPluginRef PluginRef;
    SPAccessRef PluginAccess = nullptr;  // the lock that keeps the plug-in loaded
    char PluginName[kFrameNameLength] = {};
    AINotifierHandle AppStartedNotifier = nullptr;

protected:
    // Acquires the suites, registers the application-started notifier and locks the plug-in.
    virtual ASErr Startup(SPInterfaceMessage* message);
    // Releases the lock and every suite.
    virtual ASErr Shutdown(SPInterfaceMessage* message);
    virtual ASErr About(SPInterfaceMessage* message);
    virtual ASErr UnloadPlugin(SPAccessMessage* message);
    virtual ASErr ReloadPlugin(SPAccessMessage* message);

    virtual ASErr Notify(AINotifierMessage* message);
    virtual ASErr ApplicationStarted(AINotifierMessage* message);

    virtual ASErr GoMenuItem(AIMenuMessage* message);
    virtual ASErr UpdateMenuItem(AIMenuMessage* message);

    virtual ASErr ToolEditOptions(AIToolMessage* message);
    virtual ASErr ToolTrackCursor(AIToolMessage* message);
    virtual ASErr ToolMouseDown(AIToolMessage* message);
    virtual ASErr ToolMouseDrag(AIToolMessage* message);
    virtual ASErr ToolMouseUp(AIToolMessage* message);
    virtual ASErr ToolSelect(AIToolMessage* message);
    virtual ASErr ToolDeselect(AIToolMessage* message);
    virtual ASErr ToolReselect(AIToolMessage* message);
    virtual ASErr ToolDecreaseDiameter(AIToolMessage* message);
    virtual ASErr ToolIncreaseDiameter(AIToolMessage* message);

    virtual ASErr PurgeCache(SPMessageData* message);
    virtual ASErr GoAction(SPMessageData* message);

    // The two lines of the host's standard about box.
    virtual const char* AboutTitle() const;
    virtual const char* AboutText() const;
    ASErr ShowAboutBox();

    // Runs an operation, turning what it throws into a host error code.
    template <class Operation>
    static ASErr Guarded(Operation&& operation) noexcept;

    // Both suite tables, frame suites first; held by this object at most once.
    ASErr AcquireAllSuites();
    void ReleaseAllSuites();
    bool SuitesHeld = false;

private:
    ASErr Dispatch(const char* caller, const char* selector, void* message);
    // Runs the start-up once; a failed one may run again.
    ASErr StartOnce(SPInterfaceMessage* message);
    ASErr InterfaceMessage(const char* selector, SPInterfaceMessage* message);
    ASErr AccessMessage(const char* selector, SPAccessMessage* message);
    ASErr NotifierMessage(const char* selector, AINotifierMessage* message);
    ASErr MenuMessage(const char* selector, AIMenuMessage* message);
    ASErr ToolMessage(const char* selector, AIToolMessage* message);
    ASErr RegisterAppStartedNotifier();
    void ReleasePluginLock();

    bool Started = false;
};

// True when both texts are present and equal.
bool SameText(const char* a, const char* b);
// True when a notifier message comes from `notifier` or carries the notifier type `type`.
bool IsNotifier(const AINotifierMessage* message, AINotifierHandle notifier, const char* type);

template <class Operation>
ASErr Plugin::Guarded(Operation&& operation) noexcept {
    try {
        return operation();
    } catch (const HostError& error) {
        return error.Code;
    } catch (...) {
        return kCantHappenErr;
    }
}
