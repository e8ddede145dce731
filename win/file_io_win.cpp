#include "win/file_io_win.h"

#include <algorithm>

#include "win/handles_win.h"

namespace {
constexpr wchar_t kTemporarySuffix[] = L".tmp";
constexpr DWORD kChunk = 1u << 20;
constexpr wchar_t kUnreadSuffix[] = L".unread";
constexpr int kMaxUnreadCopies = 1000;

struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};

bool HasExtension(const std::wstring& fileName, std::wstring_view extension) {
  const std::size_t dot = fileName.rfind(L'.');
  if (dot == std::wstring::npos) return false;
  std::wstring found = fileName.substr(dot);
  CharLowerBuffW(found.data(), static_cast<DWORD>(found.size()));
  return found == extension;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

// Only a file missing from a folder that is there means "nothing written
// yet". A missing folder (a USB stick pulled, a drive not yet connected)
// hides whatever the file holds, so it is a failed read; the check of the
// folder also covers systems that answer "file not found" for it.
bool IsMissingFile(const std::wstring& path, DWORD error) {
  return error == ERROR_FILE_NOT_FOUND && FolderExists(FolderOf(path));
}

}  // namespace

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  const ScopedHandle<HANDLE, FindHandleTraits> search(FindFirstFileW((folder + L"*.*").c_str(), &entry));
  if (!search) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (FindNextFileW(search.Get(), &entry));
  return names;
}

std::vector<std::wstring> FilesWithExtension(const std::wstring& folder, std::wstring_view extension) {
  std::vector<std::wstring> files;
  for (const std::wstring& name : FileNamesIn(folder))
    if (HasExtension(name, extension)) files.push_back(folder + name);
  return files;
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileStamp> StampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                   join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

FileReadResult ReadWholeFile(const std::wstring& path, std::size_t maxBytes) {
  FileReadResult result;
  // A writer that replaces the file whole may do so while it is read here.
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    result.error = GetLastError();
    result.status = IsMissingFile(path, result.error) ? FileReadResult::Status::kMissing : FileReadResult::Status::kFailed;
    return result;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) {
    result.error = GetLastError();
    result.status = FileReadResult::Status::kFailed;
    return result;
  }
  result.bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), maxBytes));
  std::size_t done = 0;
  while (done < result.bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - done, kChunk));
    DWORD got = 0;
    if (!ReadFile(file.Get(), result.bytes.data() + done, want, &got, nullptr)) {
      result.error = GetLastError();
      result.status = FileReadResult::Status::kFailed;
      result.bytes.clear();
      return result;
    }
    if (got == 0) break;  // the file shrank under us: keep what was read
    done += got;
  }
  result.bytes.resize(done);
  result.status = FileReadResult::Status::kOk;
  return result;
}

DWORD WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr)) return GetLastError();
    done += wrote;
  }
  return 0;
}

DWORD WriteFileAtomically(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  const std::wstring temporary = path + kTemporarySuffix;
  DWORD error = 0;
  {
    UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    error = WriteAll(file.Get(), bytes);
    if (error == 0 && !FlushFileBuffers(file.Get())) error = GetLastError();
  }
  if (error == 0 && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != 0) DeleteFileW(temporary.c_str());
  return error;
}

KeptFile KeepUnreadFile(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return {IsMissingFile(path, error) ? 0 : error, {}};
  }
  for (int n = 0; n < kMaxUnreadCopies; ++n) {
    std::wstring name = path + kUnreadSuffix + (n == 0 ? L"" : L"." + std::to_wstring(n));
    if (GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES) continue;  // taken
    if (MoveFileExW(path.c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH)) return {0, std::move(name)};
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return {error, {}};
  }
  return {ERROR_FILE_EXISTS, {}};
}
