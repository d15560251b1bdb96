// The host's tool palette: host tools ("Select Tool", "Eyedropper Tool") and the plug-in's tools, with the
// selected tool and the hand-over messages a host sends when the tool changes.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/ToolSuite.h"

namespace sim {

struct ToolRecord {
    AIToolHandle handle = nullptr;
    SPPluginRef plugin = nullptr; // null for a host tool
    std::string name;
    std::string title;
    std::string tip;
    int32_t number = 0;  // palette number, 0 for "Select Tool"
    int32_t group = 0;   // number of the first tool of its group
    int32_t toolset = 0; // number of the first tool of its toolset
    int32_t normalIcon = 0;
    int32_t darkIcon = 0;
    int32_t options = 0;
    int32_t rolloverIcon = 0;
    std::vector<int32_t> infoVars; // declared Info-panel variables, in order
};

class ToolRegistry {
  public:
    // The host tools only, "Select Tool" selected.
    void Reset();

    // Adds a plug-in tool. A plug-in other than the loaded one, a null name or data, or a name already in the
    // palette answer kBadParameterErr; a group or toolset number that names no tool answers
    // kIndexOutOfRangeErr.
    ASErr Add(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
              AIToolHandle* tool);

    ToolRecord* Find(AIToolHandle tool);
    const ToolRecord* Find(AIToolHandle tool) const;
    const ToolRecord* FindByName(const std::string& name) const;
    const ToolRecord* FindByNumber(int32_t number) const;
    const std::deque<ToolRecord>& Records() const { return records_; }

    // Makes `tool` current. To another tool: "AI Deselect" to the old tool, then "AI Select" to the new one,
    // each only when it is a plug-in tool; the result of the first failing message, else 0. To the current
    // tool: nothing is sent. An unknown tool answers kStaleHandleErr.
    ASErr Select(AIToolHandle tool);
    AIToolHandle Selected() const { return selected_; }
    const ToolRecord* SelectedRecord() const { return Find(selected_); }

  private:
    AIToolHandle AddRecord(SPPluginRef plugin, const std::string& name, const std::string& title);
    std::deque<ToolRecord> records_; // a deque keeps the texts handed out valid
    AIToolHandle selected_ = nullptr;
};

} // namespace sim
