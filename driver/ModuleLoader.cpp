#include "driver/ModuleLoader.h"

#include <dlfcn.h>

#include <cstring>
#include <stdexcept>

namespace driver {

namespace {

std::string LastLoaderError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}

// Finds an exported function of the module by name.
template <typename Function> Function Export(void* handle, const char* name, const std::string& path) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (!symbol)
        throw std::runtime_error(path + ": the module exports no " + name + " (" + LastLoaderError() + ")");
    Function function = nullptr;
    static_assert(sizeof function == sizeof symbol);
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

} // namespace

ModuleLoader::ModuleLoader(const std::string& path) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        throw std::runtime_error("cannot load the module " + path + ": " + LastLoaderError());
    try {
        entry_ = Export<SPPluginEntryProc>(handle_, kPluginEntryName, path);
        resources_ = Export<PluginResourcesProc>(handle_, kPluginResourcesName, path);
    } catch (...) {
        dlclose(handle_);
        throw;
    }
}

ModuleLoader::~ModuleLoader() {
    dlclose(handle_);
}

} // namespace driver
