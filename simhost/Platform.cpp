#include "simhost/Platform.h"

#include <string>

#include "host/Messages.h"
#include "simhost/ServicesHandles.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

// The frequencies a system beep can sound.
constexpr uint32_t kLowestBeep = 37;
constexpr uint32_t kHighestBeep = 32767;

} // namespace

void PlatformState::Reset() {
    *this = PlatformState();
}

void PlatformState::SetKeyDown(int32_t virtualKey, bool down) {
    if (down) {
        keys_.insert(virtualKey);
    } else {
        keys_.erase(virtualKey);
    }
}

bool PlatformState::IsKeyDown(int32_t virtualKey) const {
    if (keys_.count(virtualKey) != 0)
        return true;
    switch (virtualKey) {
    case VK_SHIFT:
        return IsKeyDown(VK_LSHIFT_CODE) || IsKeyDown(VK_RSHIFT);
    case VK_CONTROL:
        return IsKeyDown(VK_LCONTROL_CODE) || IsKeyDown(VK_RCONTROL_CODE);
    case VK_MENU:
        return IsKeyDown(VK_LMENU_CODE) || IsKeyDown(VK_RMENU_CODE);
    default:
        return false;
    }
}

int32_t PlatformState::Modifiers() const {
    int32_t modifiers = 0;
    if (IsKeyDown(VK_SHIFT))
        modifiers |= aiEventModifiers_shiftKey;
    if (IsKeyDown(VK_MENU))
        modifiers |= aiEventModifiers_optionKey;
    if (IsKeyDown(VK_CONTROL))
        modifiers |= aiEventModifiers_controlKey;
    return modifiers;
}

AIAppContextHandle PlatformState::PushContext() {
    AIAppContextHandle context = NewHandle<AIAppContextHandle>();
    contexts_.insert(context);
    return context;
}

bool PlatformState::PopContext(AIAppContextHandle context) {
    return contexts_.erase(context) != 0;
}

namespace {

AIBoolean IsBrowserAvailable() {
    return ThePlatform().BrowserAvailable() ? 1 : 0;
}

ASErr OpenURL(const char* url) {
    if (url == nullptr || *url == '\0')
        return kBadParameterErr;
    if (!ThePlatform().BrowserAvailable())
        return kCantHappenErr;
    TheLogs().urls.push_back(url);
    return kNoErr;
}

} // namespace

const AIURLSuite& URLSuiteTable() {
    static const AIURLSuite suite{IsBrowserAvailable, OpenURL};
    return suite;
}

} // namespace sim

extern "C" {

int16_t GetAsyncKeyState(int32_t virtualKey) {
    return sim::ThePlatform().IsKeyDown(virtualKey) ? sim::kKeyDownState : 0;
}

int32_t Beep(uint32_t frequency, uint32_t duration) {
    if (frequency < sim::kLowestBeep || frequency > sim::kHighestBeep)
        return 0;
    sim::TheLogs().beeps.push_back({frequency, duration});
    return 1;
}

void OutputDebugStringA(const char* text) {
    if (text != nullptr)
        sim::TheLogs().debugOutput.push_back(text);
}
}
