#include "app/data_folder_win.h"

#include <windows.h>
#include <shlobj.h>

#include "app/data_folder.h"
#include "store/shortcut_win.h"
#include "win/file_io_win.h"
#include "store/profile_file_win.h"

namespace {
constexpr wchar_t kConfigFileName[] = L"config.txt";
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::optional<std::wstring> DocumentsFolder() {
  std::wstring folder = SpecialFolder(CSIDL_PERSONAL);
  if (folder.empty()) return std::nullopt;
  return folder;
}

std::wstring ChooseDataFolder(const std::wstring& programFolder, const std::optional<std::wstring>& documents) {
  const std::wstring portableConfig = programFolder + kConfigFileName;
  if (FileExists(portableConfig) && IsPortableSwitch(IniFile(portableConfig).ReadString(L"Base", L"portable", L"")))
    return programFolder;
  return PerUserDataFolder(documents.value_or(L""));
}

void EnsureFolderExists(const std::wstring& folder) { CreateDirectoryW(folder.c_str(), nullptr); }
