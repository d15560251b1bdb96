#include "simhost/Tools.h"

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

// Host tools are titled as they are named.
constexpr const char* kHostTools[] = {kSelectToolName, kEyedropperToolName};

}  // namespace

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
    for (const char* name : kHostTools) AddRecord(nullptr, name, name);
    selected_ = records_.front().handle;
}

ASErr ToolRegistry::Add(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
                        AIToolHandle* tool) {
    if (tool != nullptr) *tool = nullptr;
    if (!ThePlugin().IsSelf(plugin) || name == nullptr || data == nullptr || FindByName(name) != nullptr) {
        return kBadParameterErr;
    }
    const ToolRecord* group = data->sameGroupAs == kNoTool ? nullptr : FindByNumber(data->sameGroupAs);
    const ToolRecord* toolset = data->sameToolsetAs == kNoTool ? nullptr : FindByNumber(data->sameToolsetAs);
    if ((data->sameGroupAs != kNoTool && group == nullptr) || (data->sameToolsetAs != kNoTool && toolset == nullptr)) {
        return kIndexOutOfRangeErr;
    }
    const int32_t groupNumber = group != nullptr ? group->group : -1;
    const int32_t toolsetNumber = toolset != nullptr ? toolset->toolset : -1;
    AIToolHandle handle = AddRecord(plugin, name, data->title != nullptr ? data->title : "");
    ToolRecord& record = records_.back();
    if (groupNumber >= 0) record.group = groupNumber;
    if (toolsetNumber >= 0) record.toolset = toolsetNumber;
    record.tip = data->tooltip != nullptr ? data->tooltip : "";
    record.normalIcon = data->normalIconResID;
    record.darkIcon = data->darkIconResID;
    record.options = options;
    if (tool != nullptr) *tool = handle;
    return kNoErr;
}

ToolRecord* ToolRegistry::Find(AIToolHandle tool) {
    for (ToolRecord& record : records_) {
        if (tool != nullptr && record.handle == tool) return &record;
    }
    return nullptr;
}

const ToolRecord* ToolRegistry::Find(AIToolHandle tool) const { return const_cast<ToolRegistry*>(this)->Find(tool); }

const ToolRecord* ToolRegistry::FindByName(const std::string& name) const {
    for (const ToolRecord& record : records_) {
        if (record.name == name) return &record;
    }
    return nullptr;
}

const ToolRecord* ToolRegistry::FindByNumber(int32_t number) const {
    for (const ToolRecord& record : records_) {
        if (record.number == number) return &record;
    }
    return nullptr;
}

ASErr ToolRegistry::Select(AIToolHandle tool) {
    const ToolRecord* next = Find(tool);
    if (next == nullptr) return kStaleHandleErr;
    if (tool == selected_) return kNoErr;
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
        if (result == kNoErr) result = selected;
    }
    return result;
}

namespace {

ASErr AddTool(SPPluginRef self, const char* name, const AIAddToolData* data, int32_t options, AIToolHandle* tool) {
    return TheTools().Add(self, name, data, options, tool);
}

// Reads one text field of a tool.
ASErr ToolText(AIToolHandle tool, const char** text, std::string ToolRecord::*field) {
    if (text == nullptr) return kBadParameterErr;
    const ToolRecord* record = TheTools().Find(tool);
    if (record == nullptr) return kStaleHandleErr;
    *text = (record->*field).c_str();
    return kNoErr;
}

// Replaces one text field of a tool.
ASErr SetToolText(AIToolHandle tool, const char* text, std::string ToolRecord::*field) {
    if (text == nullptr) return kBadParameterErr;
    ToolRecord* record = TheTools().Find(tool);
    if (record == nullptr) return kStaleHandleErr;
    record->*field = text;
    return kNoErr;
}

ASErr GetToolName(AIToolHandle tool, const char** name) { return ToolText(tool, name, &ToolRecord::name); }
ASErr GetToolTitle(AIToolHandle tool, const char** title) { return ToolText(tool, title, &ToolRecord::title); }
ASErr SetToolTitle(AIToolHandle tool, const char* title) { return SetToolText(tool, title, &ToolRecord::title); }
ASErr GetTooltip(AIToolHandle tool, const char** tip) { return ToolText(tool, tip, &ToolRecord::tip); }
ASErr SetTooltip(AIToolHandle tool, const char* tip) { return SetToolText(tool, tip, &ToolRecord::tip); }

ASErr GetToolOptions(AIToolHandle tool, int32_t* options) {
    if (options == nullptr) return kBadParameterErr;
    const ToolRecord* record = TheTools().Find(tool);
    if (record == nullptr) return kStaleHandleErr;
    *options = record->options;
    return kNoErr;
}

ASErr SetToolOptions(AIToolHandle tool, int32_t options) {
    ToolRecord* record = TheTools().Find(tool);
    if (record == nullptr) return kStaleHandleErr;
    record->options = options;
    return kNoErr;
}

ASErr SetSelectedTool(AIToolHandle tool) { return TheTools().Select(tool); }

ASErr GetSelectedTool(AIToolHandle* tool) {
    if (tool == nullptr) return kBadParameterErr;
    *tool = TheTools().Selected();
    return kNoErr;
}

ASErr GetToolHandleFromName(const char* name, AIToolHandle* tool) {
    if (name == nullptr || tool == nullptr) return kBadParameterErr;
    const ToolRecord* record = TheTools().FindByName(name);
    *tool = record != nullptr ? record->handle : nullptr;
    return record != nullptr ? kNoErr : kNameNotFoundErr;
}

ASErr GetToolNumberFromHandle(AIToolHandle tool, int32_t* number) {
    if (number == nullptr) return kBadParameterErr;
    const ToolRecord* record = TheTools().Find(tool);
    if (record == nullptr) return kStaleHandleErr;
    *number = record->number;
    return kNoErr;
}

ASErr GetToolHandleFromNumber(int32_t number, AIToolHandle* tool) {
    if (tool == nullptr) return kBadParameterErr;
    const ToolRecord* record = TheTools().FindByNumber(number);
    *tool = record != nullptr ? record->handle : nullptr;
    return record != nullptr ? kNoErr : kIndexOutOfRangeErr;
}

}  // namespace

const AIToolSuite& ToolSuiteTable() {
    static const AIToolSuite suite{AddTool,         GetToolName,           GetToolOptions,
                                   SetToolOptions,  GetToolTitle,          SetToolTitle,
                                   GetTooltip,      SetTooltip,            SetSelectedTool,
                                   GetSelectedTool, GetToolHandleFromName, GetToolNumberFromHandle,
                                   GetToolHandleFromNumber};
    return suite;
}

}  // namespace sim
