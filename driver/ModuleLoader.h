// Loads a plug-in module the way a host does at launch: opens the shared object and finds its two exports.
#pragma once

#include <string>

#include "host/Messages.h"
#include "host/Resources.h"

namespace driver {

// An open plug-in module; it stays loaded until the object is destroyed.
class ModuleLoader {
  public:
    // Throws std::runtime_error naming the path and what went wrong.
    explicit ModuleLoader(const std::string& path);
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    SPPluginEntryProc Entry() const { return entry_; }
    PluginResourcesProc Resources() const { return resources_; }

  private:
    void* handle_ = nullptr;
    SPPluginEntryProc entry_ = nullptr;
    PluginResourcesProc resources_ = nullptr;
};

} // namespace driver
