#include "simhost/Colours.h"

#include <algorithm>

#include "simhost/Document.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

bool InUnit(AIReal value) { return value >= 0.0f && value <= 1.0f; }

bool ValidCustomDefinition(const AICustomColor& colour) {
    switch (colour.kind) {
        case kCustomFourColor:
            return InUnit(colour.c.f.cyan) && InUnit(colour.c.f.magenta) && InUnit(colour.c.f.yellow) &&
                   InUnit(colour.c.f.black);
        case kCustomThreeColor:
            return InUnit(colour.c.rgb.red) && InUnit(colour.c.rgb.green) && InUnit(colour.c.rgb.blue);
        case kCustomGrayColor:
            return InUnit(colour.c.gray.gray);
    }
    return false;
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

Colours& TheColours() {
    static Colours colours;
    return colours;
}

void Colours::Reset() {
    customColours_.clear();
    groups_.clear();
    swatches_.clear();
    list_ = NewHandle<AISwatchListRef>();
    NewGroup("");
}

ASErr Colours::NewCustomColour(const AICustomColor* colour, const char* name, AICustomColorHandle* handle) {
    if (colour == nullptr || name == nullptr || handle == nullptr) return kBadParameterErr;
    if (!ValidCustomDefinition(*colour)) return kBadParameterErr;
    if (*name != '\0' && FindCustomColourByName(name) != nullptr) return kBadParameterErr;
    CustomColourRecord record;
    record.handle = NewHandle<AICustomColorHandle>();
    record.name = name;
    record.colour = *colour;
    customColours_.push_back(record);
    *handle = record.handle;
    LogCall("CustomColor.NewCustomColor " + record.name);
    return kNoErr;
}

ASErr Colours::DeleteCustomColour(AICustomColorHandle handle) {
    if (handle == nullptr) return kBadParameterErr;
    const auto found = std::find_if(customColours_.begin(), customColours_.end(),
                                    [handle](const CustomColourRecord& r) { return r.handle == handle; });
    if (found == customColours_.end()) return kStaleHandleErr;
    customColours_.erase(found);
    return kNoErr;
}

ASErr Colours::SetCustomColour(AICustomColorHandle handle, const AICustomColor* colour) {
    if (handle == nullptr || colour == nullptr) return kBadParameterErr;
    CustomColourRecord* record = MutableCustomColour(handle);
    if (record == nullptr) return kStaleHandleErr;
    if (!ValidCustomDefinition(*colour)) return kBadParameterErr;
    record->colour = *colour;
    LogCall("CustomColor.SetCustomColor " + record->name);
    return kNoErr;
}

ASErr Colours::RenameCustomColour(AICustomColorHandle handle, const char* name) {
    if (handle == nullptr || name == nullptr) return kBadParameterErr;
    CustomColourRecord* record = MutableCustomColour(handle);
    if (record == nullptr) return kStaleHandleErr;
    const CustomColourRecord* other = FindCustomColourByName(name);
    if (*name != '\0' && other != nullptr && other != record) return kBadParameterErr;
    record->name = name;
    return kNoErr;
}

const CustomColourRecord* Colours::FindCustomColour(AICustomColorHandle handle) const {
    for (const CustomColourRecord& record : customColours_)
        if (handle != nullptr && record.handle == handle) return &record;
    return nullptr;
}

CustomColourRecord* Colours::MutableCustomColour(AICustomColorHandle handle) {
    for (CustomColourRecord& record : customColours_)
        if (handle != nullptr && record.handle == handle) return &record;
    return nullptr;
}

const CustomColourRecord* Colours::FindCustomColourByName(const std::string& name) const {
    for (const CustomColourRecord& record : customColours_)
        if (!name.empty() && record.name == name) return &record;
    return nullptr;
}

std::vector<AISwatchRef> Colours::Swatches() const {
    std::vector<AISwatchRef> all;
    for (const SwatchGroupRecord& group : groups_) all.insert(all.end(), group.swatches.begin(), group.swatches.end());
    return all;
}

SwatchGroupRecord* Colours::FindGroup(AISwatchGroupRef group) {
    for (SwatchGroupRecord& record : groups_)
        if (group != nullptr && record.handle == group) return &record;
    return nullptr;
}

const SwatchGroupRecord* Colours::FindGroupByName(const std::string& name) const {
    for (const SwatchGroupRecord& record : groups_)
        if (record.name == name) return &record;
    return nullptr;
}

SwatchRecord* Colours::FindSwatch(AISwatchRef swatch) {
    for (SwatchRecord& record : swatches_)
        if (swatch != nullptr && record.handle == swatch) return &record;
    return nullptr;
}

const SwatchRecord* Colours::FindSwatch(AISwatchRef swatch) const {
    for (const SwatchRecord& record : swatches_)
        if (swatch != nullptr && record.handle == swatch) return &record;
    return nullptr;
}

const SwatchRecord* Colours::FindSwatchByName(const std::string& name) const {
    for (AISwatchRef handle : Swatches()) {
        const SwatchRecord* record = FindSwatch(handle);
        if (record != nullptr && record->name == name) return record;
    }
    return nullptr;
}

AISwatchGroupRef Colours::NewGroup(const std::string& name) {
    SwatchGroupRecord record;
    record.handle = NewHandle<AISwatchGroupRef>();
    record.name = name;
    groups_.push_back(record);
    if (!name.empty()) LogCall("SwatchList.NewSwatchGroup " + name);
    return record.handle;
}

AISwatchRef Colours::InsertSwatch(AISwatchGroupRef group, int32_t index, const std::string& name) {
    SwatchGroupRecord* record = FindGroup(group);
    if (record == nullptr) return nullptr;
    const auto size = static_cast<int32_t>(record->swatches.size());
    if (index == -1) index = size;
    if (index < 0 || index > size) return nullptr;
    SwatchRecord swatch;
    swatch.handle = NewHandle<AISwatchRef>();
    swatch.name = name;
    swatch.colour.kind = kGrayColor;
    swatch.colour.g.gray = 1.0f;
    swatch.group = group;
    swatches_.push_back(swatch);
    record->swatches.insert(record->swatches.begin() + index, swatch.handle);
    return swatch.handle;
}

ASErr Colours::RemoveSwatch(AISwatchRef swatch) {
    if (swatch == nullptr) return kBadParameterErr;
    const auto found = std::find_if(swatches_.begin(), swatches_.end(),
                                    [swatch](const SwatchRecord& r) { return r.handle == swatch; });
    if (found == swatches_.end()) return kStaleHandleErr;
    if (SwatchGroupRecord* group = FindGroup(found->group)) std::erase(group->swatches, swatch);
    swatches_.erase(found);
    return kNoErr;
}

ASErr Colours::RemoveGroup(AISwatchGroupRef group, bool deleteSwatches) {
    SwatchGroupRecord* record = FindGroup(group);
    if (group == nullptr) return kBadParameterErr;
    if (record == nullptr) return kStaleHandleErr;
    if (record == &groups_.front()) return kBadParameterErr;  // the general group stays
    const std::vector<AISwatchRef> members = record->swatches;
    for (AISwatchRef swatch : members) {
        if (deleteSwatches) {
            RemoveSwatch(swatch);
        } else {
            FindSwatch(swatch)->group = groups_.front().handle;
            groups_.front().swatches.push_back(swatch);
        }
    }
    std::erase_if(groups_, [group](const SwatchGroupRecord& r) { return r.handle == group; });
    return kNoErr;
}

ASErr Colours::CheckColour(const AIColor& colour) const {
    switch (colour.kind) {
        case kGrayColor: return InUnit(colour.g.gray) ? kNoErr : kBadParameterErr;
        case kThreeColor:
            return InUnit(colour.rgb.red) && InUnit(colour.rgb.green) && InUnit(colour.rgb.blue) ? kNoErr
                                                                                                : kBadParameterErr;
        case kFourColor:
            return InUnit(colour.f.cyan) && InUnit(colour.f.magenta) && InUnit(colour.f.yellow) &&
                           InUnit(colour.f.black)
                       ? kNoErr
                       : kBadParameterErr;
        case kCustomColor:
            if (!InUnit(colour.c.tint)) return kBadParameterErr;
            return FindCustomColour(colour.c.color) != nullptr ? kNoErr : kStaleHandleErr;
        case kNoneColor: return kNoErr;
        default: return kBadParameterErr;
    }
}

// The suites over TheColours().
namespace {

Colours& C() { return TheColours(); }

ASErr NewCustomColor(const AICustomColor* color, const char* name, AICustomColorHandle* customColor) {
    return C().NewCustomColour(color, name, customColor);
}
ASErr DeleteCustomColor(AICustomColorHandle customColor) { return C().DeleteCustomColour(customColor); }
ASErr GetCustomColor(AICustomColorHandle customColor, AICustomColor* color) {
    if (customColor == nullptr || color == nullptr) return kBadParameterErr;
    const CustomColourRecord* record = C().FindCustomColour(customColor);
    if (record == nullptr) return kStaleHandleErr;
    *color = record->colour;
    return kNoErr;
}
ASErr SetCustomColor(AICustomColorHandle customColor, const AICustomColor* color) {
    return C().SetCustomColour(customColor, color);
}
ASErr GetCustomColorName(AICustomColorHandle customColor, char* buffer, size_t bufferSize) {
    if (customColor == nullptr || buffer == nullptr || bufferSize == 0) return kBadParameterErr;
    const CustomColourRecord* record = C().FindCustomColour(customColor);
    if (record == nullptr) return kStaleHandleErr;
    CopyBounded(record->name.c_str(), buffer, bufferSize);
    return kNoErr;
}
ASErr SetCustomColorName(AICustomColorHandle customColor, const char* name) {
    return C().RenameCustomColour(customColor, name);
}
ASErr CountCustomColors(int32_t* count) {
    if (count == nullptr) return kBadParameterErr;
    *count = static_cast<int32_t>(C().CustomColours().size());
    return kNoErr;
}
ASErr GetNthCustomColor(int32_t n, AICustomColorHandle* customColor) {
    if (customColor == nullptr) return kBadParameterErr;
    if (n < 0 || n >= static_cast<int32_t>(C().CustomColours().size())) return kIndexOutOfRangeErr;
    *customColor = C().CustomColours()[static_cast<size_t>(n)].handle;
    return kNoErr;
}
ASErr GetCustomColorByName(const char* name, AICustomColorHandle* customColor) {
    if (name == nullptr || customColor == nullptr) return kBadParameterErr;
    const CustomColourRecord* record = C().FindCustomColourByName(name);
    if (record == nullptr) return kNameNotFoundErr;
    *customColor = record->handle;
    return kNoErr;
}
AIBoolean ValidCustomColor(AICustomColorHandle customColor) {
    return C().FindCustomColour(customColor) != nullptr ? 1 : 0;
}

ASErr CheckList(AISwatchListRef list) {
    if (list == nullptr) return kBadParameterErr;
    return C().IsList(list) ? kNoErr : kStaleHandleErr;
}

ASErr FindSwatch(AISwatchRef swatch, SwatchRecord** record) {
    if (swatch == nullptr) return kBadParameterErr;
    *record = C().FindSwatch(swatch);
    return *record != nullptr ? kNoErr : kStaleHandleErr;
}

ASErr FindGroup(AISwatchGroupRef group, SwatchGroupRecord** record) {
    if (group == nullptr) return kBadParameterErr;
    *record = C().FindGroup(group);
    return *record != nullptr ? kNoErr : kStaleHandleErr;
}

ASErr GetSwatchList(AIDocumentHandle document, AISwatchListRef* list) {
    if (list == nullptr) return kBadParameterErr;
    if (document != nullptr && document != TheDocument().DocumentHandle()) return kStaleHandleErr;
    *list = C().SwatchList();
    return kNoErr;
}
ASErr CountListSwatches(AISwatchListRef list, int32_t* count) {
    if (count == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    *count = static_cast<int32_t>(C().Swatches().size());
    return kNoErr;
}
ASErr GetNthListSwatch(AISwatchListRef list, int32_t index, AISwatchRef* swatch) {
    if (swatch == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    const std::vector<AISwatchRef> all = C().Swatches();
    if (index < 0 || index >= static_cast<int32_t>(all.size())) return kIndexOutOfRangeErr;
    *swatch = all[static_cast<size_t>(index)];
    return kNoErr;
}
ASErr InsertNthListSwatch(AISwatchListRef list, int32_t index, AISwatchRef* swatch) {
    if (swatch == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    const AISwatchRef made = C().InsertSwatch(C().Groups().front().handle, index);
    if (made == nullptr) return kIndexOutOfRangeErr;
    *swatch = made;
    return kNoErr;
}
ASErr RemoveListSwatch(AISwatchListRef list, AISwatchRef swatch) {
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    return C().RemoveSwatch(swatch);
}
ASErr GetSwatchByName(AISwatchListRef list, const char* name, AISwatchRef* swatch) {
    if (name == nullptr || swatch == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    const SwatchRecord* record = C().FindSwatchByName(name);
    if (record == nullptr) return kNameNotFoundErr;
    *swatch = record->handle;
    return kNoErr;
}
ASErr GetSwatchName(AISwatchRef swatch, char* buffer, size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return kBadParameterErr;
    SwatchRecord* record = nullptr;
    if (ASErr error = FindSwatch(swatch, &record); error != kNoErr) return error;
    CopyBounded(record->name.c_str(), buffer, bufferSize);
    return kNoErr;
}
ASErr SetSwatchName(AISwatchRef swatch, const char* name) {
    if (name == nullptr) return kBadParameterErr;
    SwatchRecord* record = nullptr;
    if (ASErr error = FindSwatch(swatch, &record); error != kNoErr) return error;
    record->name = name;
    LogCall("SwatchList.SetSwatchName " + record->name);
    return kNoErr;
}
ASErr GetAIColor(AISwatchRef swatch, AIColor* color) {
    if (color == nullptr) return kBadParameterErr;
    SwatchRecord* record = nullptr;
    if (ASErr error = FindSwatch(swatch, &record); error != kNoErr) return error;
    *color = record->colour;
    return kNoErr;
}
ASErr SetAIColor(AISwatchRef swatch, const AIColor* color) {
    if (color == nullptr) return kBadParameterErr;
    SwatchRecord* record = nullptr;
    if (ASErr error = FindSwatch(swatch, &record); error != kNoErr) return error;
    if (ASErr error = C().CheckColour(*color); error != kNoErr) return error;
    record->colour = *color;
    LogCall("SwatchList.SetAIColor " + record->name);
    return kNoErr;
}
ASErr CountSwatchGroups(AISwatchListRef list, int32_t* count) {
    if (count == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    *count = static_cast<int32_t>(C().Groups().size());
    return kNoErr;
}
ASErr GetNthSwatchGroup(AISwatchListRef list, int32_t index, AISwatchGroupRef* group) {
    if (group == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    if (index < 0 || index >= static_cast<int32_t>(C().Groups().size())) return kIndexOutOfRangeErr;
    *group = C().Groups()[static_cast<size_t>(index)].handle;
    return kNoErr;
}
ASErr NewSwatchGroup(AISwatchListRef list, AISwatchGroupRef* group) {
    if (group == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    *group = C().NewGroup("");
    return kNoErr;
}
ASErr RemoveSwatchGroup(AISwatchListRef list, AISwatchGroupRef group, AIBoolean deleteSwatches) {
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    return C().RemoveGroup(group, deleteSwatches != 0);
}
ASErr GetSwatchGroupByName(AISwatchListRef list, const char* name, AISwatchGroupRef* group) {
    if (name == nullptr || group == nullptr) return kBadParameterErr;
    if (ASErr error = CheckList(list); error != kNoErr) return error;
    const SwatchGroupRecord* record = *name != '\0' ? C().FindGroupByName(name) : nullptr;
    if (record == nullptr) return kNameNotFoundErr;
    *group = record->handle;
    return kNoErr;
}

ASErr GetSwatchGroupName(AISwatchGroupRef group, char* buffer, size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    CopyBounded(record->name.c_str(), buffer, bufferSize);
    return kNoErr;
}
ASErr SetSwatchGroupName(AISwatchGroupRef group, const char* name) {
    if (name == nullptr) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    record->name = name;
    LogCall("SwatchGroup.SetSwatchGroupName " + record->name);
    return kNoErr;
}
ASErr CountGroupSwatches(AISwatchGroupRef group, int32_t* count) {
    if (count == nullptr) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    *count = static_cast<int32_t>(record->swatches.size());
    return kNoErr;
}
ASErr GetNthGroupSwatch(AISwatchGroupRef group, int32_t index, AISwatchRef* swatch) {
    if (swatch == nullptr) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    if (index < 0 || index >= static_cast<int32_t>(record->swatches.size())) return kIndexOutOfRangeErr;
    *swatch = record->swatches[static_cast<size_t>(index)];
    return kNoErr;
}
ASErr InsertNthGroupSwatch(AISwatchGroupRef group, int32_t index, AISwatchRef* swatch) {
    if (swatch == nullptr) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    const AISwatchRef made = C().InsertSwatch(group, index);
    if (made == nullptr) return kIndexOutOfRangeErr;
    *swatch = made;
    return kNoErr;
}
ASErr RemoveGroupSwatch(AISwatchGroupRef group, AISwatchRef swatch) {
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    SwatchRecord* member = nullptr;
    if (ASErr error = FindSwatch(swatch, &member); error != kNoErr) return error;
    if (member->group != group) return kBadParameterErr;
    return C().RemoveSwatch(swatch);
}
ASErr LocateSwatch(AISwatchGroupRef group, const char* name, AISwatchRef* swatch) {
    if (name == nullptr || swatch == nullptr) return kBadParameterErr;
    SwatchGroupRecord* record = nullptr;
    if (ASErr error = FindGroup(group, &record); error != kNoErr) return error;
    for (AISwatchRef member : record->swatches) {
        if (C().FindSwatch(member)->name == Text(name)) {
            *swatch = member;
            return kNoErr;
        }
    }
    return kNameNotFoundErr;
}

constexpr AICustomColorSuite kCustomColorSuite = {
    NewCustomColor,  DeleteCustomColor,    GetCustomColor,       SetCustomColor,     GetCustomColorName,
    SetCustomColorName, CountCustomColors, GetNthCustomColor,    GetCustomColorByName, ValidCustomColor,
};

constexpr AISwatchListSuite kSwatchListSuite = {
    GetSwatchList,    CountListSwatches, GetNthListSwatch,   InsertNthListSwatch, RemoveListSwatch,
    GetSwatchByName,  GetSwatchName,     SetSwatchName,      GetAIColor,          SetAIColor,
    CountSwatchGroups, GetNthSwatchGroup, NewSwatchGroup,    RemoveSwatchGroup,   GetSwatchGroupByName,
};

constexpr AISwatchGroupSuite kSwatchGroupSuite = {
    GetSwatchGroupName, SetSwatchGroupName, CountGroupSwatches, GetNthGroupSwatch,
    InsertNthGroupSwatch, RemoveGroupSwatch, LocateSwatch,
};

}  // namespace

const AICustomColorSuite& CustomColorSuiteTable() { return kCustomColorSuite; }
const AISwatchListSuite& SwatchListSuiteTable() { return kSwatchListSuite; }
const AISwatchGroupSuite& SwatchGroupSuiteTable() { return kSwatchGroupSuite; }

}  // namespace sim
