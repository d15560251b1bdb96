#include "simhost/Tools.h"

#include <algorithm>
#include <cstdio>

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

// Host tools are titled as they are named.
constexpr const char* kHostTools[] = {kSelectToolName, kEyedropperToolName};

} // namespace

AIToolHandle ToolRegistry::AddRecord(SPPluginRef plugin, const std::string& name, const std::string& title) {
    ToolRecord record;
    record.handle = NewHandle<AIToolHandle>();
    record.plugin = plugin;
    record.name = name;
    record.title = title;
    record.number = static_cast<int32_t>(records_.size());
    record.group = record.number;
    record.toolset = record.number;
    records_.push_back(record);
    return record.handle;
}

void ToolRegistry::Reset() {
    records_.clear();
    for (const char* name : kHostTools)
        AddRecord(nullptr, name, name);
    selected_ = records_.front().handle;
}

ASErr ToolRegistry::Add(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
                        AIToolHandle* tool) {
    if (tool != nullptr)
        *tool = nullptr;
    if (!ThePlugin().IsSelf(plugin) || name == nullptr || data == nullptr || FindByName(name) != nullptr) {
        return kBadParameterErr;
    }
    const ToolRecord* group = data->sameGroupAs == kNoTool ? nullptr : FindByNumber(data->sameGroupAs);
    const ToolRecord* toolset = data->sameToolsetAs == kNoTool ? nullptr : FindByNumber(data->sameToolsetAs);
    if ((data->sameGroupAs != kNoTool && group == nullptr) ||
        (data->sameToolsetAs != kNoTool && toolset == nullptr)) {
        return kIndexOutOfRangeErr;
    }
    const int32_t groupNumber = group != nullptr ? group->group : -1;
    const int32_t toolsetNumber = toolset != nullptr ? toolset->toolset : -1;
    AIToolHandle handle = AddRecord(plugin, name, data->title != nullptr ? data->title : "");
    ToolRecord& record = records_.back();
    if (groupNumber >= 0)
        record.group = groupNumber;
    if (toolsetNumber >= 0)
        record.toolset = toolsetNumber;
    record.tip = data->tooltip != nullptr ? data->tooltip : "";
    record.normalIcon = data->normalIconResID;
    record.darkIcon = data->darkIconResID;
    record.options = options;
    if (tool != nullptr)
        *tool = handle;
    return kNoErr;
}

ToolRecord* ToolRegistry::Find(AIToolHandle tool) {
    return FindRecord(records_, HasHandle(tool));
}

const ToolRecord* ToolRegistry::Find(AIToolHandle tool) const {
    return FindRecord(records_, HasHandle(tool));
}

const ToolRecord* ToolRegistry::FindByName(const std::string& name) const {
    return FindRecord(records_, [&name](const ToolRecord& r) { return r.name == name; });
}

const ToolRecord* ToolRegistry::FindByNumber(int32_t number) const {
    return FindRecord(records_, [number](const ToolRecord& r) { return r.number == number; });
}

ASErr ToolRegistry::Select(AIToolHandle tool) {
    const ToolRecord* next = Find(tool);
    if (next == nullptr)
        return kStaleHandleErr;
    if (tool == selected_)
        return kNoErr;
    LogCall("Tool.SetSelectedTool " + next->name);
    const AIToolHandle previous = selected_;
    const ToolRecord* old = Find(previous);
    ASErr result = kNoErr;
    if (old != nullptr && ThePlugin().IsSelf(old->plugin)) {
        result = ThePlugin().SendTool(kSelectorAIDeselectTool, previous, AIRealPoint());
    }
    selected_ = tool;
    const ToolRecord* current = Find(tool);
    if (current != nullptr && ThePlugin().IsSelf(current->plugin)) {
        const ASErr selected = ThePlugin().SendTool(kSelectorAISelectTool, tool, AIRealPoint());
        if (result == kNoErr)
            result = selected;
    }
    return result;
}

namespace {

ASErr AddTool(SPPluginRef self, const char* name, const AIAddToolData* data, int32_t options,
              AIToolHandle* tool) {
    return TheTools().Add(self, name, data, options, tool);
}

// Reads one text field of a tool.
ASErr ToolText(AIToolHandle tool, const char** text, std::string ToolRecord::*field) {
    return ReadRecord(TheTools().Find(tool), text,
                      [field](const ToolRecord& r) { return (r.*field).c_str(); });
}

// Replaces one text field of a tool.
ASErr SetToolText(AIToolHandle tool, const char* text, std::string ToolRecord::*field) {
    if (text == nullptr)
        return kBadParameterErr;
    return ChangeRecord(TheTools().Find(tool), [text, field](ToolRecord& r) { r.*field = text; });
}

ASErr GetToolName(AIToolHandle tool, const char** name) {
    return ToolText(tool, name, &ToolRecord::name);
}
ASErr GetToolTitle(AIToolHandle tool, const char** title) {
    return ToolText(tool, title, &ToolRecord::title);
}
ASErr SetToolTitle(AIToolHandle tool, const char* title) {
    return SetToolText(tool, title, &ToolRecord::title);
}
ASErr GetTooltip(AIToolHandle tool, const char** tip) {
    return ToolText(tool, tip, &ToolRecord::tip);
}
ASErr SetTooltip(AIToolHandle tool, const char* tip) {
    return SetToolText(tool, tip, &ToolRecord::tip);
}

ASErr GetToolOptions(AIToolHandle tool, int32_t* options) {
    return ReadRecord(TheTools().Find(tool), options, [](const ToolRecord& r) { return r.options; });
}

ASErr SetToolOptions(AIToolHandle tool, int32_t options) {
    return ChangeRecord(TheTools().Find(tool), [options](ToolRecord& r) { r.options = options; });
}

ASErr SetSelectedTool(AIToolHandle tool) {
    return TheTools().Select(tool);
}

ASErr GetSelectedTool(AIToolHandle* tool) {
    if (tool == nullptr)
        return kBadParameterErr;
    *tool = TheTools().Selected();
    return kNoErr;
}

ASErr GetToolHandleFromName(const char* name, AIToolHandle* tool) {
    if (name == nullptr || tool == nullptr)
        return kBadParameterErr;
    const ToolRecord* record = TheTools().FindByName(name);
    *tool = record != nullptr ? record->handle : nullptr;
    return record != nullptr ? kNoErr : kNameNotFoundErr;
}

ASErr GetToolNumberFromHandle(AIToolHandle tool, int32_t* number) {
    return ReadRecord(TheTools().Find(tool), number, [](const ToolRecord& r) { return r.number; });
}

ASErr GetToolHandleFromNumber(int32_t number, AIToolHandle* tool) {
    if (tool == nullptr)
        return kBadParameterErr;
    const ToolRecord* record = TheTools().FindByNumber(number);
    *tool = record != nullptr ? record->handle : nullptr;
    return record != nullptr ? kNoErr : kIndexOutOfRangeErr;
}

// The most Info-panel variables one tool declares.
constexpr size_t kMaxInfoVars = 16;

ASErr SetToolInfoVars(AIToolHandle tool, const int32_t* infoVars) {
    if (infoVars == nullptr)
        return kBadParameterErr;
    std::vector<int32_t> list;
    for (const int32_t* var = infoVars; *var != kInfoEndOfList; ++var) {
        if (list.size() == kMaxInfoVars)
            return kBadParameterErr;
        list.push_back(*var);
    }
    return ChangeRecord(TheTools().Find(tool), [&list](ToolRecord& r) { r.infoVars = list; });
}

// One Info-panel value as the log shows it: "<variable>=<value>".
std::string InfoValueText(int32_t var, const void* value) {
    std::string text = std::to_string(var) + "=";
    if (var == kInfoCursorX || var == kInfoCursorY) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", static_cast<double>(*static_cast<const AIReal*>(value)));
        return text + number;
    }
    return text + static_cast<const char*>(value);
}

ASErr SetToolInfoVarValues(const int32_t* infoVars, void** values) {
    const ToolRecord* tool = TheTools().SelectedRecord();
    if (infoVars == nullptr || values == nullptr || tool == nullptr)
        return kBadParameterErr;
    std::vector<std::string> shown;
    for (size_t i = 0; infoVars[i] != kInfoEndOfList; ++i) {
        const bool declared =
            std::find(tool->infoVars.begin(), tool->infoVars.end(), infoVars[i]) != tool->infoVars.end();
        if (i == kMaxInfoVars || !declared || values[i] == nullptr)
            return kBadParameterErr;
        shown.push_back(InfoValueText(infoVars[i], values[i]));
    }
    for (std::string& entry : shown)
        TheLogs().infoValues.push_back(std::move(entry));
    return kNoErr;
}

ASErr SetToolRolloverIcon(AIToolHandle tool, int32_t iconResID) {
    return ChangeRecord(TheTools().Find(tool), [iconResID](ToolRecord& r) { r.rolloverIcon = iconResID; });
}

} // namespace

const AIToolSuite& ToolSuiteTable() {
    static const AIToolSuite suite{AddTool,
                                   GetToolName,
                                   GetToolOptions,
                                   SetToolOptions,
                                   GetToolTitle,
                                   SetToolTitle,
                                   GetTooltip,
                                   SetTooltip,
                                   SetSelectedTool,
                                   GetSelectedTool,
                                   GetToolHandleFromName,
                                   GetToolNumberFromHandle,
                                   GetToolHandleFromNumber,
                                   SetToolInfoVars,
                                   SetToolInfoVarValues,
                                   SetToolRolloverIcon};
    return suite;
}

} // namespace sim
