#pragma once
// Owners for Win32 handles: each frees its handle once, cannot be copied and
// can be moved.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <utility>

template <typename Handle, typename Traits>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ~ScopedHandle() { Reset(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return Valid(); }
  void Reset(Handle handle = Traits::Invalid()) {
    if (Valid()) Traits::Close(handle_);
    handle_ = handle;
  }
  // Gives the handle up to a new owner, such as the clipboard.
  Handle Detach() { return std::exchange(handle_, Traits::Invalid()); }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {  // handles closed with CloseHandle whose failure value is null
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFile fails with INVALID_HANDLE_VALUE
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct ChangeNotificationTraits {  // FindFirstChangeNotification fails with INVALID_HANDLE_VALUE
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindCloseChangeNotification(h); }
};
struct RegistryKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND h) { DestroyWindow(h); }
};
struct LocalMemoryTraits {  // buffers the system allocates with LocalAlloc
  static HLOCAL Invalid() { return nullptr; }
  static void Close(HLOCAL h) { LocalFree(h); }
};
struct GlobalMemoryTraits {  // blocks made with GlobalAlloc, as the clipboard takes them
  static HGLOBAL Invalid() { return nullptr; }
  static void Close(HGLOBAL h) { GlobalFree(h); }
};

template <typename GdiObject>
struct GdiObjectTraits {  // bitmaps, fonts, brushes, pens
  static GdiObject Invalid() { return nullptr; }
  static void Close(GdiObject h) { DeleteObject(h); }
};
struct MemoryDcTraits {  // device contexts made with CreateCompatibleDC
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};

struct ImageListTraits {
  static HIMAGELIST Invalid() { return nullptr; }
  static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct ModuleTraits {  // libraries loaded with LoadLibrary
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
template <typename Interface>
struct ComTraits {  // COM interface pointers, each holding one reference
  static Interface* Invalid() { return nullptr; }
  static void Close(Interface* p) { p->Release(); }
};

using UniqueHandle = ScopedHandle<HANDLE, KernelHandleTraits>;
using UniqueFile = ScopedHandle<HANDLE, FileHandleTraits>;
using UniqueChangeNotification = ScopedHandle<HANDLE, ChangeNotificationTraits>;
using UniqueKey = ScopedHandle<HKEY, RegistryKeyTraits>;
using UniqueWindow = ScopedHandle<HWND, WindowTraits>;
using UniqueLocal = ScopedHandle<HLOCAL, LocalMemoryTraits>;
using UniqueGlobal = ScopedHandle<HGLOBAL, GlobalMemoryTraits>;
using UniqueBitmap = ScopedHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueFont = ScopedHandle<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBrush = ScopedHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniquePen = ScopedHandle<HPEN, GdiObjectTraits<HPEN>>;
using UniqueMemoryDc = ScopedHandle<HDC, MemoryDcTraits>;
using UniqueImageList = ScopedHandle<HIMAGELIST, ImageListTraits>;
using UniqueMenu = ScopedHandle<HMENU, MenuTraits>;
using UniqueIcon = ScopedHandle<HICON, IconTraits>;
using UniqueModule = ScopedHandle<HMODULE, ModuleTraits>;
template <typename Interface>
using ScopedCom = ScopedHandle<Interface*, ComTraits<Interface>>;

// COM on the calling thread for as long as the owner lives. Each successful
// call (S_FALSE when the thread had it already) is balanced; a thread already
// in the multithreaded model refuses and is left as it was, COM still usable.
class ScopedCoInitialize {
 public:
  ScopedCoInitialize() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ScopedCoInitialize() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ScopedCoInitialize(const ScopedCoInitialize&) = delete;
  ScopedCoInitialize& operator=(const ScopedCoInitialize&) = delete;

 private:
  HRESULT result_;
};

// Selects an object into a device context and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() { SelectObject(dc_, previous_); }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;  // not owned
  HGDIOBJ previous_;
};

// The device context of a window, or of the whole screen for a null window,
// released when the owner goes.
class ScopedGetDC {
 public:
  ScopedGetDC() = default;
  explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedGetDC() { Reset(); }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ScopedGetDC(ScopedGetDC&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  ScopedGetDC& operator=(ScopedGetDC&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  HDC Get() const { return dc_; }

 private:
  void Reset() {
    if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
  }
  HWND window_ = nullptr;  // not owned
  HDC dc_ = nullptr;
};

// The clipboard, open for as long as the owner lives. A clipboard manager or
// another program may hold it a moment: the opening tries again for a while.
class ScopedClipboard {
 public:
  explicit ScopedClipboard(HWND owner) : open_(Open(owner)) {}
  ~ScopedClipboard() {
    if (open_) CloseClipboard();
  }
  ScopedClipboard(const ScopedClipboard&) = delete;
  ScopedClipboard& operator=(const ScopedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  static bool Open(HWND owner) {
    constexpr int kTries = 50;
    constexpr DWORD kLookAgainMs = 10;
    for (int attempt = 1; attempt < kTries; ++attempt) {
      if (OpenClipboard(owner)) return true;
      Sleep(kLookAgainMs);
    }
    return OpenClipboard(owner) != FALSE;
  }
  bool open_;
};
