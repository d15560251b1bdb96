// The stand-in's operating system: held keys, the main screen, the browser, and the app-context depth.
#pragma once

#include <cstdint>
#include <set>

#include "host/Platform.h"
#include "host/Types.h"

namespace sim {

// The left and right variants of the modifier keys (VK_SHIFT, VK_CONTROL and VK_MENU read either).
constexpr int32_t VK_LSHIFT_CODE = 160;
constexpr int32_t VK_LCONTROL_CODE = 162;
constexpr int32_t VK_RCONTROL_CODE = 163;
constexpr int32_t VK_LMENU_CODE = 164;
constexpr int32_t VK_RMENU_CODE = 165;

// What GetAsyncKeyState answers for a held key (the high bit set).
constexpr int16_t kKeyDownState = static_cast<int16_t>(0x8000);

class PlatformState {
  public:
    // No key held, the default screen, a browser available, no context pushed.
    void Reset();

    void SetKeyDown(int32_t virtualKey, bool down);
    // True while the key is held; VK_SHIFT, VK_CONTROL and VK_MENU are also down while a left or right
    // variant is held.
    bool IsKeyDown(int32_t virtualKey) const;
    // The AIEvent modifiers of the held keys (shift, option = Alt, control).
    int32_t Modifiers() const;

    AIRect Screen() const { return screen_; }
    void SetScreen(const AIRect& screen) { screen_ = screen; }

    bool BrowserAvailable() const { return browser_; }
    void SetBrowserAvailable(bool available) { browser_ = available; }

    // App contexts pushed through the context suite and not yet popped.
    int32_t ContextDepth() const { return static_cast<int32_t>(contexts_.size()); }
    AIAppContextHandle PushContext();
    bool PopContext(AIAppContextHandle context);

  private:
    std::set<int32_t> keys_;
    AIRect screen_{0, 0, 1920, 1080};
    bool browser_ = true;
    std::set<AIAppContextHandle> contexts_;
};

} // namespace sim
