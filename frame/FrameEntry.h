// The module's entry: the host's messages arrive here and reach the plug-in object kept in the globals slot.
#pragma once

#include "host/Export.h"
#include "frame/Plugin.h"
#include "host/Messages.h"

extern "C" TAVORINE_PLUGIN_EXPORT ASErr PluginMain(const char* caller, const char* selector, void* message);

// Makes the plug-in object on "SP Interface"/"Startup"; null when it cannot be allocated.
using PluginFactory = Plugin* (*)(SPPluginRef pluginRef);
Plugin* NewTavorinePlugIn(SPPluginRef pluginRef);

// How the entry makes its plug-in object.
struct FrameEntry {
    PluginFactory MakePlugin = NewTavorinePlugIn;
};
extern FrameEntry gFrameEntry;

// Handles one message and gives the frame's own result, which PluginMain does not pass on to the host.
ASErr HandleHostMessage(const char* caller, const char* selector, void* message);

// The debugger text for a message nobody handled, cut to fit the buffer.
void FormatUnhandledMessage(const char* caller, const char* selector, char* buffer, size_t size);
