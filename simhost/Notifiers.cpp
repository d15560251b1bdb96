#include "simhost/Notifiers.h"

#include <cstring>

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

ASErr NotifierRegistry::Add(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier) {
    if (notifier != nullptr) *notifier = nullptr;
    if (!ThePlugin().IsSelf(plugin) || name == nullptr || type == nullptr) return kBadParameterErr;
    NotifierRecord record;
    record.handle = NewHandle<AINotifierHandle>();
    record.plugin = plugin;
    record.name = name;
    record.type = type;
    records_.push_back(record);
    if (notifier != nullptr) *notifier = record.handle;
    return kNoErr;
}

NotifierRecord* NotifierRegistry::Find(AINotifierHandle notifier) {
    for (NotifierRecord& record : records_) {
        if (notifier != nullptr && record.handle == notifier) return &record;
    }
    return nullptr;
}

const NotifierRecord* NotifierRegistry::Find(AINotifierHandle notifier) const {
    return const_cast<NotifierRegistry*>(this)->Find(notifier);
}

const NotifierRecord* NotifierRegistry::FindByName(const std::string& name) const {
    for (const NotifierRecord& record : records_) {
        if (record.name == name) return &record;
    }
    return nullptr;
}

ASErr NotifierRegistry::Send(const char* type, void* data) {
    if (type == nullptr) return kBadParameterErr;
    const std::string wanted = type;
    ASErr first = kNoErr;
    // Notifiers added while the plug-in handles one are not sent this time.
    const size_t count = records_.size();
    for (size_t i = 0; i < count && i < records_.size(); ++i) {
        const NotifierRecord record = records_[i];
        if (!record.active || record.type != wanted || !ThePlugin().IsSelf(record.plugin)) continue;
        AINotifierMessage message;
        message.notifier = record.handle;
        message.type = record.type.c_str();
        message.notifyData = data;
        const ASErr result = ThePlugin().Send(kCallerAINotify, kSelectorAINotify, &message, record.type);
        if (first == kNoErr) first = result;
    }
    return first;
}

namespace {

ASErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
    return TheNotifiers().Add(self, name, type, notifier);
}

ASErr GetNotifierName(AINotifierHandle notifier, const char** name) {
    if (name == nullptr) return kBadParameterErr;
    const NotifierRecord* record = TheNotifiers().Find(notifier);
    if (record == nullptr) return kStaleHandleErr;
    *name = record->name.c_str();
    return kNoErr;
}

ASErr GetNotifierType(AINotifierHandle notifier, const char** type) {
    if (type == nullptr) return kBadParameterErr;
    const NotifierRecord* record = TheNotifiers().Find(notifier);
    if (record == nullptr) return kStaleHandleErr;
    *type = record->type.c_str();
    return kNoErr;
}

ASErr SetNotifierActive(AINotifierHandle notifier, AIBoolean active) {
    NotifierRecord* record = TheNotifiers().Find(notifier);
    if (record == nullptr) return kStaleHandleErr;
    record->active = active != 0;
    return kNoErr;
}

ASErr GetNotifierActive(AINotifierHandle notifier, AIBoolean* active) {
    if (active == nullptr) return kBadParameterErr;
    const NotifierRecord* record = TheNotifiers().Find(notifier);
    if (record == nullptr) return kStaleHandleErr;
    *active = record->active ? 1 : 0;
    return kNoErr;
}

}  // namespace

const AINotifierSuite& NotifierSuiteTable() {
    static const AINotifierSuite suite{AddNotifier, GetNotifierName, GetNotifierType, SetNotifierActive,
                                       GetNotifierActive};
    return suite;
}

}  // namespace sim
