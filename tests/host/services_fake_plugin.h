// A plug-in written for the stand-in's own tests: it records every message it receives and runs a behaviour
// the test sets, the way a real plug-in would react inside PluginMain.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/Messages.h"
#include "host/Resources.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace fake {

struct Received {
    std::string caller;
    std::string selector;
    int32_t check = 0;
    SPPluginRef self = nullptr;
    void* globals = nullptr;
    SPBasicSuite* basic = nullptr;
    AIToolHandle tool = nullptr;
    int32_t modifiers = 0;
    AIMenuItemHandle item = nullptr;
    AINotifierHandle notifier = nullptr;
    std::string notifierType;
    void* notifyData = nullptr;
};

inline std::vector<Received>& Messages() {
    static std::vector<Received> messages;
    return messages;
}

using Behaviour = std::function<ASErr(const char* caller, const char* selector, void* message)>;
inline Behaviour& OnMessage() {
    static Behaviour behaviour;
    return behaviour;
}

inline Received Decode(const char* caller, const char* selector, void* message) {
    Received r;
    r.caller = caller;
    r.selector = selector;
    const auto* header = static_cast<SPMessageData*>(message);
    r.check = header->SPCheck;
    r.self = header->self;
    r.globals = header->globals;
    r.basic = header->basic;
    const std::string from = caller;
    if (from == kCallerAITool) {
        const auto* tool = static_cast<AIToolMessage*>(message);
        r.tool = tool->tool;
        r.modifiers = tool->event != nullptr ? tool->event->modifiers : -1;
    } else if (from == kCallerAIMenu) {
        r.item = static_cast<AIMenuMessage*>(message)->menuItem;
    } else if (from == kCallerAINotify) {
        const auto* notify = static_cast<AINotifierMessage*>(message);
        r.notifier = notify->notifier;
        r.notifierType = notify->type != nullptr ? notify->type : "";
        r.notifyData = notify->notifyData;
    }
    return r;
}

inline ASErr Entry(const char* caller, const char* selector, void* message) {
    Messages().push_back(Decode(caller, selector, message));
    return OnMessage() ? OnMessage()(caller, selector, message) : kNoErr;
}

// "caller/selector" of every message received, in order.
inline std::vector<std::string> Trace() {
    std::vector<std::string> trace;
    for (const Received& r : Messages())
        trace.push_back(r.caller + "/" + r.selector);
    return trace;
}

inline const PluginResourceTable* Resources() {
    static const PiPLProperty properties[] = {
        {kPIVendorAdobe, kPIKindProperty, 0, "SPEA"},
        {kPIVendorAdobe, kPIInterfaceVersionProperty, 2, nullptr},
        {kPIVendorAdobe, kPIWin32X86CodeProperty, 0, "PluginMain"},
        {kPIVendorAdobe, kPINameProperty, 0, "TextFileFormat"},
    };
    static const char* const errors[] = {"Première erreur", "Deuxième", "Ø"};
    static const char* const cursorRows[] = {"#"};
    static const PixelImage cursor{1, 1, cursorRows};
    static const PluginResource entries[] = {
        {kPiPLResourceType, 16000, properties, 4},
        {kStringListResourceType, 16050, errors, 3},
        {kCursorResourceType, 1100, &cursor, 1},
    };
    static const PluginResourceTable table{entries, 3};
    return &table;
}

// A suite acquired through SP Basic as the plug-in would, failing the test when the host lacks it.
template <class Suite> const Suite* Acquire(const char* name, int32_t version) {
    const void* suite = nullptr;
    EXPECT_EQ(sim::TheBasicSuite()->AcquireSuite(name, version, &suite), kNoErr) << name;
    return static_cast<const Suite*>(suite);
}

// A fresh host with this plug-in loaded and its message record emptied.
inline void Connect() {
    sim::ResetHost();
    Messages().clear();
    OnMessage() = nullptr;
    sim::ThePlugin().Load(Entry, Resources);
}

} // namespace fake
