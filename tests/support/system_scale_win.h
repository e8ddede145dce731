#pragma once
// A program started while this lives runs at another system scale: Wine
// reads the scale from the registry value LogPixels when a process starts
// (96 is 100 %, 120, 144 and 192 the usual others). Processes already
// running keep theirs, this one included. The value is put back as it was,
// or removed when there was none.

#include <windows.h>

#include <optional>

class ScopedSystemScale {
 public:
  explicit ScopedSystemScale(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS)
      return;
    DWORD old = 0, size = sizeof(old), type = 0;
    if (RegQueryValueExW(key_, kValue, nullptr, &type, reinterpret_cast<BYTE*>(&old), &size) == ERROR_SUCCESS &&
        type == REG_DWORD)
      previous_ = old;
    set_ = RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi)) == ERROR_SUCCESS;
  }
  ~ScopedSystemScale() {
    if (!key_) return;
    if (previous_)
      RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*previous_), sizeof(DWORD));
    else
      RegDeleteValueW(key_, kValue);
    RegCloseKey(key_);
  }
  ScopedSystemScale(const ScopedSystemScale&) = delete;
  ScopedSystemScale& operator=(const ScopedSystemScale&) = delete;

  bool Set() const { return set_; }

 private:
  static constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
  static constexpr wchar_t kValue[] = L"LogPixels";
  HKEY key_ = nullptr;
  std::optional<DWORD> previous_;
  bool set_ = false;
};
