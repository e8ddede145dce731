#pragma once
// Window handles as the sticker record stores them: 32 bits, which is all a
// window handle ever uses, sign-extended back as the system does.

#include <windows.h>

#include <cstdint>

inline std::uint32_t StoredWindowHandle(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

inline HWND WindowFromStored(std::uint32_t stored) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(stored)));
}
