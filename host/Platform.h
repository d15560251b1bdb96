// The few operating-system calls the plug-in makes. The host executable provides them.
#pragma once

#include <cstdint>

#if defined(__GNUC__)
#define TAVORINE_HOST_EXPORT __attribute__((visibility("default")))
#else
#define TAVORINE_HOST_EXPORT
#endif

extern "C" {
// Non-zero while the key with this virtual-key code is held down.
TAVORINE_HOST_EXPORT int16_t GetAsyncKeyState(int32_t virtualKey);
// Sounds a tone of `frequency` hertz for `duration` milliseconds; non-zero on success.
TAVORINE_HOST_EXPORT int32_t Beep(uint32_t frequency, uint32_t duration);
// Writes a text to the debugger output.
TAVORINE_HOST_EXPORT void OutputDebugStringA(const char* text);
}

// Virtual-key codes the tools read.
constexpr int32_t VK_SHIFT = 16;
constexpr int32_t VK_CONTROL = 17;
constexpr int32_t VK_MENU = 18;  // Alt
constexpr int32_t VK_SPACE = 32;
constexpr int32_t VK_LWIN = 91;
constexpr int32_t VK_RSHIFT = 161;
