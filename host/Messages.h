// The plug-in entry and the message records the host hands to it.
#pragma once

#include "host/Types.h"

struct SPBasicSuite;

// Callers and selectors of the host messages.
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPCacheCaller "SP Cache"
#define kSPFlushCachesSelector "Flush"
#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"
#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIToolDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIToolIncreaseDiameter "AI Increase Diameter"
#define kCallerAIAnnotation "AI Annotation"
#define kSelectorAIDrawAnnotation "AI Draw"
#define kSelectorAIInvalAnnotation "AI Invalidate"
#define kCallerAIPluginGroup "AI Plugin Group"
#define kCallerAIFilter "AI Filter"
#define kCallerAIFileFormat "AI File Format"
#define kCallerAILiveEffect "AI Live Effect"
#define kCallerAITimer "AI Timer"
#define kCallerAIClipboard "AI Clipboard"
#define kCallerAIWorkspace "AI Workspace"
#define kCallerAIPluginPurge "Plug-in Purge"
#define kSelectorAIPurgeCache "Plug-in Purge"
#define kCallerAIActionManager "AI Action Manager"
#define kSelectorAIGoAction "Do Action"

// Notifier types the plug-in registers for.
#define kAIApplicationStartedNotifier "AI Application Started Notifier"
#define kAIApplicationShutdownNotifier "AI Application Shutdown Notifier"
#define kAIArtCustomColorChangedNotifier "AI Art Custom Color Changed Notifier"

// The header of every message.
struct SPMessageData {
    int32_t SPCheck = 0;           // 'SPCk' when the record is valid
    SPPluginRef self = nullptr;    // the plug-in being called
    void* globals = nullptr;       // the plug-in's globals slot, handed back with every message
    SPBasicSuite* basic = nullptr; // acquires and releases suites
};
constexpr int32_t kSPValidSPMessageData = FourCharCode("SPCk");

// Modifier and mouse state of a tool event.
struct AIEvent {
    int32_t modifiers = 0;
    AIPoint where;
    uint32_t when = 0;
};
constexpr int32_t aiEventModifiers_shiftKey = 1 << 9;
constexpr int32_t aiEventModifiers_optionKey = 1 << 11;
constexpr int32_t aiEventModifiers_controlKey = 1 << 12;

struct AIToolMessage {
    SPMessageData d;
    AIToolHandle tool = nullptr;
    AIRealPoint cursor;  // artwork coordinates
    AIReal pressure = 0.0f;
    AIEvent* event = nullptr;
};

struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier = nullptr;
    const char* type = nullptr;
    void* notifyData = nullptr;
};

struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem = nullptr;
};

struct AIAnnotatorMessage {
    SPMessageData d;
    AIAnnotatorHandle annotator = nullptr;
    AIPortRef port = nullptr;
    AIAnnotatorDrawer drawer = nullptr;
    AIRect invalidationRect;
};

struct SPInterfaceMessage {
    SPMessageData d;
};

struct SPAccessMessage {
    SPMessageData d;
};

// The entry every plug-in module exports with C linkage.
using SPPluginEntryProc = ASErr (*)(const char* caller, const char* selector, void* message);
#define kPluginEntryName "PluginMain"
