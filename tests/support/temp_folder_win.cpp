#include "support/temp_folder_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "win/handles_win.h"
#include "win/file_io_win.h"

namespace {

std::wstring NewTempFolderPath() {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  return std::wstring(base) + L"qtest_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
         std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(counter++) + L"\\";
}

template <typename Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") visit(name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

}  // namespace

TempFolder::TempFolder() : path_(NewTempFolderPath()) { CreateDirectoryW(path_.c_str(), nullptr); }
TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::wstring& folder) {
  ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
    if (isFolder)
      RemoveTree(folder + name + L"\\");
    else
      DeleteFileW((folder + name).c_str());
  });
  RemoveDirectoryW(folder.c_str());
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  ForEachEntry(from, [&](const std::wstring& name, bool isFolder) {
    if (isFolder)
      CopyTree(from + name + L"\\", to + name + L"\\");
    else
      CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
  });
}

std::vector<std::uint8_t> ReadBytes(const std::wstring& path) {
  FileReadResult file = ReadWholeFile(path, SIZE_MAX);
  EXPECT_EQ(file.status, FileReadResult::Status::kOk) << "reading a test file";
  return std::move(file.bytes);
}

void WriteBytes(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file.Valid());
  ASSERT_EQ(WriteAll(file.Get(), bytes), 0u);
}

void WriteText(const std::wstring& path, const std::string& text) {
  WriteBytes(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::string ReadText(const std::wstring& path) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}
