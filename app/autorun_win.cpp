#include "app/autorun_win.h"

#include "win/handles_win.h"

namespace {
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Quillory";
}  // namespace

bool WriteAutorunValue(const std::wstring& programPath) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
    return false;
  UniqueKey key(raw);
  const auto bytes = static_cast<DWORD>((programPath.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(programPath.c_str()), bytes) ==
         ERROR_SUCCESS;
}
