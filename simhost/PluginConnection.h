// The host's connection to the one loaded plug-in: its entry, resources, reference, globals and messages.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "host/Messages.h"
#include "host/Resources.h"
#include "host/Types.h"

namespace sim {

class PluginConnection {
  public:
    // Connects the plug-in: its entry and resource table (as dlsym found them, or the static library's).
    // A null entry answers kBadParameterErr. Each load gets a new plug-in reference; the globals slot starts
    // empty. A null resource procedure means a plug-in without resources.
    ASErr Load(SPPluginEntryProc entry, PluginResourcesProc resources);
    // The path of the module file the plug-in was loaded from; empty (the host answers no path) for a plug-in
    // linked into the program. Named before the load; a disconnection forgets it.
    void SetModulePath(std::string path) { modulePath_ = std::move(path); }
    const std::string& ModulePath() const { return modulePath_; }
    bool IsLoaded() const { return entry_ != nullptr; }
    SPPluginRef Ref() const { return ref_; }
    // True when `plugin` is the loaded plug-in's reference.
    bool IsSelf(SPPluginRef plugin) const { return plugin != nullptr && plugin == ref_; }

    void* Globals() const { return globals_; }

    // Fills the header of `message` (which starts with an SPMessageData), calls the entry, keeps the globals
    // the plug-in left in the header and returns the entry's result. Logs "message CALLER/SELECTOR".
    // Without a loaded plug-in or with a null message it answers kBadParameterErr and calls nothing.
    ASErr Send(const char* caller, const char* selector, void* message, const std::string& detail = "");

    ASErr Startup();
    ASErr Shutdown();
    ASErr About();
    ASErr Unload();
    ASErr Reload();
    // An AINotifierMessage to every active notifier of `type` the plug-in registered; the first failure, else
    // 0.
    ASErr SendNotifier(const char* type, void* data = nullptr);
    // An "AI Tool" message; a null event uses the modifier keys held on ThePlatform().
    ASErr SendTool(const char* selector, AIToolHandle tool, AIRealPoint cursor,
                   const AIEvent* event = nullptr);
    ASErr SendMenu(const char* selector, AIMenuItemHandle item);
    ASErr SendAnnotation(const char* selector, AIAnnotatorHandle annotator = nullptr,
                         AIAnnotatorDrawer drawer = nullptr, AIPortRef port = nullptr,
                         const AIRect& invalidation = AIRect());

    // The plug-in's resource of this type and id, or null.
    const PluginResource* FindResource(uint32_t type, int32_t id) const;
    // The text of the first property with this key in the property list (resource type PiPL), or null.
    const char* PropertyText(uint32_t key) const;
    // The plug-in's name: the property list's name property, or null.
    const char* Name() const { return PropertyText(kPINameProperty); }

    // Locks taken through SP Access and not yet released.
    int32_t LockCount() const { return locks_; }
    void AddLock() { ++locks_; }
    bool RemoveLock();

    // Disconnects the plug-in (nothing is sent).
    void Disconnect();

  private:
    // The module's resource table, or null when it has none.
    const PluginResourceTable* ResourceTable() const;

    SPPluginEntryProc entry_ = nullptr;
    PluginResourcesProc resources_ = nullptr;
    SPPluginRef ref_ = nullptr;
    void* globals_ = nullptr;
    int32_t locks_ = 0;
    std::string modulePath_;
};

} // namespace sim
