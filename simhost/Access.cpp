// SP Access (locks and resources), SP Plug-ins (the plug-in's name), AI Context (pushed contexts) and SP
// Blocks.
#include <set>

#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {

namespace {

std::set<SPAccessRef>& AccessRefs() {
    static std::set<SPAccessRef> refs;
    return refs;
}

ASErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
    if (access == nullptr)
        return kBadParameterErr;
    *access = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    *access = NewHandle<SPAccessRef>();
    AccessRefs().insert(*access);
    ThePlugin().AddLock();
    return kNoErr;
}

ASErr ReleasePlugin(SPAccessRef access) {
    if (AccessRefs().erase(access) == 0)
        return kStaleHandleErr;
    ThePlugin().RemoveLock();
    return kNoErr;
}

ASErr GetPluginResource(SPPluginRef plugin, uint32_t type, int32_t id, const PluginResource** resource) {
    if (resource == nullptr)
        return kBadParameterErr;
    *resource = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    *resource = ThePlugin().FindResource(type, id);
    return *resource != nullptr ? kNoErr : kNameNotFoundErr;
}

ASErr GetPluginName(SPPluginRef plugin, const char** name) {
    if (name == nullptr)
        return kBadParameterErr;
    *name = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    *name = ThePlugin().Name();
    return *name != nullptr ? kNoErr : kNameNotFoundErr;
}

ASErr GetPluginFilePath(SPPluginRef plugin, const char** path) {
    if (path == nullptr)
        return kBadParameterErr;
    *path = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    if (ThePlugin().ModulePath().empty())
        return kNameNotFoundErr;
    *path = ThePlugin().ModulePath().c_str();
    return kNoErr;
}

ASErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
    if (context == nullptr)
        return kBadParameterErr;
    *context = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    *context = ThePlatform().PushContext();
    return kNoErr;
}

ASErr PopAppContext(AIAppContextHandle context) {
    return ThePlatform().PopContext(context) ? kNoErr : kStaleHandleErr;
}

ASErr BlocksAllocate(size_t size, const char*, void** block) {
    return AllocateHostBlock(size, block);
}
ASErr BlocksFree(void* block) {
    return FreeHostBlock(block);
}
ASErr BlocksReallocate(void* block, size_t newSize, const char*, void** newBlock) {
    return ReallocateHostBlock(block, newSize, newBlock);
}

} // namespace

void ResetAccess() {
    AccessRefs().clear();
}

const SPAccessSuite& AccessSuiteTable() {
    static const SPAccessSuite suite{AcquirePlugin, ReleasePlugin, GetPluginResource};
    return suite;
}

const SPPluginsSuite& PluginsSuiteTable() {
    static const SPPluginsSuite suite{GetPluginName, GetPluginFilePath};
    return suite;
}

const AIContextSuite& ContextSuiteTable() {
    static const AIContextSuite suite{PushAppContext, PopAppContext};
    return suite;
}

const SPBlocksSuite& BlocksSuiteTable() {
    static const SPBlocksSuite suite{BlocksAllocate, BlocksFree, BlocksReallocate};
    return suite;
}

} // namespace sim
