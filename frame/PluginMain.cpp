#include <cstdio>
#include <new>

#include "frame/FrameEntry.h"
#include "frame/TavorinePlugIn.h"
#include "host/Platform.h"

FrameEntry gFrameEntry;

namespace {

constexpr size_t kDebugTextLength = 512;

bool IsStartup(const char* caller, const char* selector) {
    return SameText(caller, kSPInterfaceCaller) && SameText(selector, kSPInterfaceStartupSelector);
}

bool IsShutdown(const char* caller, const char* selector) {
    return SameText(caller, kSPInterfaceCaller) && SameText(selector, kSPInterfaceShutdownSelector);
}

Plugin* MakePlugin(SPPluginRef pluginRef) {
    try {
        return gFrameEntry.MakePlugin != nullptr ? gFrameEntry.MakePlugin(pluginRef) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

// Makes the plug-in object, keeps it in the globals slot and starts it; a failed start deletes it.
ASErr StartPlugin(const char* caller, const char* selector, SPMessageData* header) {
    if (header->globals != nullptr) return kNoErr;
    Plugin* plugin = MakePlugin(header->self);
    if (plugin == nullptr) return kOutOfMemoryErr;
    header->globals = plugin;
    const ASErr result = plugin->Message(caller, selector, header);
    if (result != kNoErr) {
        delete plugin;
        header->globals = nullptr;
    }
    return result;
}

}  // namespace

Plugin* NewTavorinePlugIn(SPPluginRef pluginRef) { return new (std::nothrow) TavorinePlugIn(pluginRef); }

void FormatUnhandledMessage(const char* caller, const char* selector, char* buffer, size_t size) {
    if (buffer == nullptr || size == 0) return;
    std::snprintf(buffer, size, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n",
                  caller != nullptr ? caller : "", selector != nullptr ? selector : "");
}

ASErr HandleHostMessage(const char* caller, const char* selector, void* message) {
    if (message == nullptr) return kBadParameterErr;
    auto* header = static_cast<SPMessageData*>(message);
    if (IsStartup(caller, selector)) return StartPlugin(caller, selector, header);

    auto* plugin = static_cast<Plugin*>(header->globals);
    if (plugin == nullptr) return kNoErr;
    const ASErr result = plugin->Message(caller, selector, message);
    if (IsShutdown(caller, selector)) {
        delete plugin;
        header->globals = nullptr;
    }
    return result;
}

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message) {
    try {
        if (HandleHostMessage(caller, selector, message) == kUnhandledMsgErr) {
            char text[kDebugTextLength];
            FormatUnhandledMessage(caller, selector, text, sizeof text);
            OutputDebugStringA(text);
        }
    } catch (...) {
        // Nothing escapes to the host: every message is answered 0.
    }
    return kNoErr;
}
