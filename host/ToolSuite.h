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

// Info-panel variables a tool declares; a list of them ends with kInfoEndOfList.
constexpr int32_t kInfoEndOfList = -1;
constexpr int32_t kInfoCursorX = 15;   // value: const AIReal*
constexpr int32_t kInfoCursorY = 16;   // value: const AIReal*
constexpr int32_t kInfoValueText = 19; // value: const char* (UTF-8)
constexpr int32_t kInfoTipText = 23;   // value: const char* (UTF-8)

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
    // Declares the Info-panel variables the tool shows, a list ended by kInfoEndOfList (at most 16).
    ASErr (*SetToolInfoVars)(AIToolHandle tool, const int32_t* infoVars);
    // Shows values for variables of the selected tool: values[i] goes with infoVars[i], up to kInfoEndOfList.
    // A variable the selected tool did not declare answers kBadParameterErr and nothing is shown.
    ASErr (*SetToolInfoVarValues)(const int32_t* infoVars, void** values);
    // Gives the tool the rollover icon of an icon resource.
    ASErr (*SetToolRolloverIcon)(AIToolHandle tool, int32_t iconResID);
};
