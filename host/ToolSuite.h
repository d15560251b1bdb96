// AI Tool: tools of the host's palette. The selected plug-in tool receives the "AI Tool" messages.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

#define kSelectToolName "Select Tool"
#define kEyedropperToolName "Eyedropper Tool"

constexpr int32_t kNoTool = -2;
constexpr int32_t kToolNormalIconResourceNone = 0;

struct AIAddToolData {
    const char* title = nullptr;
    const char* tooltip = nullptr;
    int32_t sameGroupAs = kNoTool;    // tool number of the group to join, or kNoTool for a new group
    int32_t sameToolsetAs = kNoTool;  // tool number of the toolset to join, or kNoTool for a new toolset
    int32_t normalIconResID = 0;
    int32_t darkIconResID = 0;
};

// Tool options.
constexpr int32_t kToolWantsToTrackCursorOption = 1 << 0;
constexpr int32_t kToolDoesntWantAutoScrollOption = 1 << 1;
constexpr int32_t kToolWantsBufferedDraggingOption = 1 << 2;
constexpr int32_t kToolMaintainEditContextOption = 1 << 3;
constexpr int32_t kToolIsTextToolOption = 1 << 4;

struct AIToolSuite {
    ASErr (*AddTool)(SPPluginRef self, const char* name, const AIAddToolData* data, int32_t options,
                     AIToolHandle* tool);
    ASErr (*GetToolName)(AIToolHandle tool, const char** name);
    ASErr (*GetToolOptions)(AIToolHandle tool, int32_t* options);
    ASErr (*SetToolOptions)(AIToolHandle tool, int32_t options);
    ASErr (*GetToolTitle)(AIToolHandle tool, const char** title);
    ASErr (*SetToolTitle)(AIToolHandle tool, const char* title);
    ASErr (*GetTooltip)(AIToolHandle tool, const char** tip);
    ASErr (*SetTooltip)(AIToolHandle tool, const char* tip);
    // Makes the tool current. Changing to another tool sends "AI Deselect" to the old one and "AI Select" to the
    // new one at once; selecting the current tool again sends nothing.
    ASErr (*SetSelectedTool)(AIToolHandle tool);
    ASErr (*GetSelectedTool)(AIToolHandle* tool);
    ASErr (*GetToolHandleFromName)(const char* name, AIToolHandle* tool);
    ASErr (*GetToolNumberFromHandle)(AIToolHandle tool, int32_t* number);
    ASErr (*GetToolHandleFromNumber)(int32_t number, AIToolHandle* tool);
};
