#pragma once
// Window handles as the sticker record stores them: 32 bits, which is all a
// window handle ever uses.

#include <windows.h>

#include <cstdint>

inline std::uint32_t StoredWindowHandle(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}
