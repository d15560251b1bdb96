#include "simhost/PluginConnection.h"

#include "simhost/Menus.h"
#include "simhost/Notifiers.h"
#include "simhost/Platform.h"
#include "simhost/ServicesHandles.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Tools.h"

namespace sim {

ASErr PluginConnection::Load(SPPluginEntryProc entry, PluginResourcesProc resources) {
    if (entry == nullptr)
        return kBadParameterErr;
    entry_ = entry;
    resources_ = resources;
    ref_ = NewHandle<SPPluginRef>();
    globals_ = nullptr;
    locks_ = 0;
    return kNoErr;
}

void PluginConnection::Disconnect() {
    entry_ = nullptr;
    resources_ = nullptr;
    ref_ = nullptr;
    globals_ = nullptr;
    locks_ = 0;
    modulePath_.clear();
}

bool PluginConnection::RemoveLock() {
    if (locks_ <= 0)
        return false;
    --locks_;
    return true;
}

ASErr PluginConnection::Send(const char* caller, const char* selector, void* message,
                             const std::string& detail) {
    if (entry_ == nullptr || caller == nullptr || selector == nullptr || message == nullptr) {
        return kBadParameterErr;
    }
    auto* header = static_cast<SPMessageData*>(message);
    header->SPCheck = kSPValidSPMessageData;
    header->self = ref_;
    header->globals = globals_;
    header->basic = TheBasicSuite();
    std::string line = std::string("message ") + caller + "/" + selector;
    if (!detail.empty())
        line += " [" + detail + "]";
    LogCall(line);
    const SPPluginRef sender = ref_;
    const ASErr result = entry_(caller, selector, message);
    if (ref_ == sender)
        globals_ = header->globals;
    return result;
}

namespace {

// Sends a message that carries nothing but its header.
template <class Message> ASErr SendBare(PluginConnection& plugin, const char* caller, const char* selector) {
    Message message;
    return plugin.Send(caller, selector, &message);
}

} // namespace

ASErr PluginConnection::Startup() {
    return SendBare<SPInterfaceMessage>(*this, kSPInterfaceCaller, kSPInterfaceStartupSelector);
}

ASErr PluginConnection::Shutdown() {
    return SendBare<SPInterfaceMessage>(*this, kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}

ASErr PluginConnection::About() {
    return SendBare<SPInterfaceMessage>(*this, kSPInterfaceCaller, kSPInterfaceAboutSelector);
}

ASErr PluginConnection::Unload() {
    return SendBare<SPAccessMessage>(*this, kSPAccessCaller, kSPAccessUnloadSelector);
}

ASErr PluginConnection::Reload() {
    return SendBare<SPAccessMessage>(*this, kSPAccessCaller, kSPAccessReloadSelector);
}

ASErr PluginConnection::SendNotifier(const char* type, void* data) {
    return TheNotifiers().Send(type, data);
}

ASErr PluginConnection::SendTool(const char* selector, AIToolHandle tool, AIRealPoint cursor,
                                 const AIEvent* event) {
    AIEvent copy;
    if (event != nullptr) {
        copy = *event;
    } else {
        copy.modifiers = ThePlatform().Modifiers();
    }
    AIToolMessage message;
    message.tool = tool;
    message.cursor = cursor;
    message.event = &copy;
    const ToolRecord* record = TheTools().Find(tool);
    return Send(kCallerAITool, selector, &message, record != nullptr ? record->name : "");
}

ASErr PluginConnection::SendMenu(const char* selector, AIMenuItemHandle item) {
    AIMenuMessage message;
    message.menuItem = item;
    const MenuItemRecord* record = TheMenus().Item(item);
    return Send(kCallerAIMenu, selector, &message, record != nullptr ? record->name : "");
}

ASErr PluginConnection::SendAnnotation(const char* selector, AIAnnotatorHandle annotator,
                                       AIAnnotatorDrawer drawer, AIPortRef port, const AIRect& invalidation) {
    AIAnnotatorMessage message;
    message.annotator = annotator;
    message.drawer = drawer;
    message.port = port;
    message.invalidationRect = invalidation;
    return Send(kCallerAIAnnotation, selector, &message);
}

const PluginResourceTable* PluginConnection::ResourceTable() const {
    if (resources_ == nullptr)
        return nullptr;
    const PluginResourceTable* table = resources_();
    return table != nullptr && table->entries != nullptr ? table : nullptr;
}

const PluginResource* PluginConnection::FindResource(uint32_t type, int32_t id) const {
    const PluginResourceTable* table = ResourceTable();
    for (size_t i = 0; table != nullptr && i < table->count; ++i) {
        const PluginResource& resource = table->entries[i];
        if (resource.type == type && resource.id == id)
            return &resource;
    }
    return nullptr;
}

const char* PluginConnection::PropertyText(uint32_t key) const {
    const PluginResourceTable* table = ResourceTable();
    for (size_t i = 0; table != nullptr && i < table->count; ++i) {
        const PluginResource& resource = table->entries[i];
        if (resource.type != kPiPLResourceType || resource.data == nullptr)
            continue;
        const auto* properties = static_cast<const PiPLProperty*>(resource.data);
        for (size_t p = 0; p < resource.count; ++p) {
            if (properties[p].key == key && properties[p].textValue != nullptr)
                return properties[p].textValue;
        }
    }
    return nullptr;
}

} // namespace sim
