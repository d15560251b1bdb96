// The host's notifier registry: each notifier a plug-in added, with its name, type and active flag.
#pragma once

#include <deque>
#include <string>

#include "host/Types.h"

namespace sim {

struct NotifierRecord {
    AINotifierHandle handle = nullptr;
    SPPluginRef plugin = nullptr;
    std::string name;
    std::string type;
    bool active = true;
};

class NotifierRegistry {
  public:
    // Adds an active notifier; a plug-in other than the loaded one, or a null name or type, answers
    // kBadParameterErr.
    ASErr Add(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier);
    NotifierRecord* Find(AINotifierHandle notifier);
    const NotifierRecord* Find(AINotifierHandle notifier) const;
    const NotifierRecord* FindByName(const std::string& name) const;
    // Records of every notifier, in the order they were added.
    const std::deque<NotifierRecord>& Records() const { return records_; }
    // Sends "AI Notifier"/"AI Notify" for every active notifier of `type`, in the order they were added;
    // answers the first failure, else 0.
    ASErr Send(const char* type, void* data = nullptr);
    void Clear() { records_.clear(); }

  private:
    std::deque<NotifierRecord> records_; // a deque keeps the names handed out valid
};

} // namespace sim
