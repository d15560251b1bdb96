#include "simhost/Notifiers.h"

#include <cstring>

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

ASErr NotifierRegistry::Add(SPPluginRef plugin, const char* name, const char* type,
                            AINotifierHandle* notifier) {
    if (notifier != nullptr)
        *notifier = nullptr;
    if (!ThePlugin().IsSelf(plugin) || name == nullptr || type == nullptr)
        return kBadParameterErr;
    NotifierRecord record;
    record.handle = NewHandle<AINotifierHandle>();
    record.plugin = plugin;
    record.name = name;
    record.type = type;
    records_.push_back(record);
    if (notifier != nullptr)
        *notifier = record.handle;
    return kNoErr;
}

NotifierRecord* NotifierRegistry::Find(AINotifierHandle notifier) {
    return FindRecord(records_, HasHandle(notifier));
}

const NotifierRecord* NotifierRegistry::Find(AINotifierHandle notifier) const {
    return FindRecord(records_, HasHandle(notifier));
}

const NotifierRecord* NotifierRegistry::FindByName(const std::string& name) const {
    return FindRecord(records_, [&name](const NotifierRecord& r) { return r.name == name; });
}

ASErr NotifierRegistry::Send(const char* type, void* data) {
    if (type == nullptr)
        return kBadParameterErr;
    const std::string wanted = type;
    ASErr first = kNoErr;
    // Notifiers added while the plug-in handles one are not sent this time.
    const size_t count = records_.size();
    for (size_t i = 0; i < count && i < records_.size(); ++i) {
        const NotifierRecord record = records_[i];
        if (!record.active || record.type != wanted || !ThePlugin().IsSelf(record.plugin))
            continue;
        AINotifierMessage message;
        message.notifier = record.handle;
        message.type = record.type.c_str();
        message.notifyData = data;
        const ASErr result = ThePlugin().Send(kCallerAINotify, kSelectorAINotify, &message, record.type);
        if (first == kNoErr)
            first = result;
    }
    return first;
}

namespace {

ASErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
    return TheNotifiers().Add(self, name, type, notifier);
}

ASErr GetNotifierName(AINotifierHandle notifier, const char** name) {
    return ReadRecord(TheNotifiers().Find(notifier), name,
                      [](const NotifierRecord& r) { return r.name.c_str(); });
}

ASErr GetNotifierType(AINotifierHandle notifier, const char** type) {
    return ReadRecord(TheNotifiers().Find(notifier), type,
                      [](const NotifierRecord& r) { return r.type.c_str(); });
}

ASErr SetNotifierActive(AINotifierHandle notifier, AIBoolean active) {
    return ChangeRecord(TheNotifiers().Find(notifier),
                        [active](NotifierRecord& r) { r.active = active != 0; });
}

ASErr GetNotifierActive(AINotifierHandle notifier, AIBoolean* active) {
    return ReadRecord(TheNotifiers().Find(notifier), active,
                      [](const NotifierRecord& r) { return static_cast<AIBoolean>(r.active ? 1 : 0); });
}

} // namespace

const AINotifierSuite& NotifierSuiteTable() {
    static const AINotifierSuite suite{AddNotifier, GetNotifierName, GetNotifierType, SetNotifierActive,
                                       GetNotifierActive};
    return suite;
}

} // namespace sim
