#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct FileReadResult {
  enum class Status { kOk, kMissing, kFailed };
  Status status = Status::kMissing;
  std::vector<std::uint8_t> bytes;
  DWORD error = 0;
};

bool FileExists(const std::wstring& path);  // a file, not a folder

// A file's size and last-write time (in the file system's 100 ns units).
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t writeTime = 0;
};
// Nothing for a file that is missing or cannot be looked at.
std::optional<FileStamp> StampOf(const std::wstring& path);
bool FolderExists(const std::wstring& path);

// The names of the files of a folder (not the folders), in the order the
// system lists them. `folder` ends with a backslash.
std::vector<std::wstring> FileNamesIn(const std::wstring& folder);
// The files of a folder (not the folders) whose extension, lower-cased, is
// `extension` (".qpk"), with full paths, in the order the system lists them.
// `folder` ends with a backslash.
std::vector<std::wstring> FilesWithExtension(const std::wstring& folder, std::wstring_view extension);

// Reads at most maxBytes from the start of the file, sharing it for reading
// only, so that no writer changes it meanwhile. kMissing only for a file
// missing from a folder that exists: a missing folder is kFailed.
FileReadResult ReadWholeFile(const std::wstring& path, std::size_t maxBytes);

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and then replaces the target in one step, so that an interruption leaves
// either the old or the new file. Returns 0 or the system error code.
[[nodiscard]] DWORD WriteFileAtomically(const std::wstring& path, std::span<const std::uint8_t> bytes);

struct KeptFile {
  DWORD error = 0;        // 0 or the system error code
  std::wstring keptAs;    // empty when there was nothing to keep
};

// Moves a file the program could not read out of the way of the next write,
// to the first free name of path + ".unread", ".unread.1", ".unread.2", ...
// A file that is gone from its folder by now needs no keeping; a folder that
// is gone is an error, since the file may come back with it.
[[nodiscard]] KeptFile KeepUnreadFile(const std::wstring& path);

// Writes all bytes to an open file; returns 0 or the system error code.
[[nodiscard]] DWORD WriteAll(HANDLE file, std::span<const std::uint8_t> bytes);
