#include "store/picture_packs_win.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "win/handles_win.h"
#include "store/folder_paths.h"
#include "win/file_io_win.h"

namespace {

constexpr wchar_t kPackFolder[] = L"pic\\";
constexpr wchar_t kPackExtension[] = L".qpk";
// Icons are small; a larger file is read only this far and stops where it was cut.
constexpr std::size_t kMaxPackFileBytes = std::size_t{64} << 20;

struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};

bool HasPackExtension(const std::wstring& fileName) {
  const std::size_t dot = fileName.rfind(L'.');
  if (dot == std::wstring::npos) return false;
  std::wstring extension = fileName.substr(dot);
  CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
  return extension == kPackExtension;
}

}  // namespace

std::vector<std::wstring> FindPicturePacks(const std::wstring& folder) {
  std::vector<std::wstring> packs;
  const std::wstring base = WithTrailingBackslash(folder);
  WIN32_FIND_DATAW entry;
  const ScopedHandle<HANDLE, FindHandleTraits> search(FindFirstFileW((base + L"*.*").c_str(), &entry));
  if (!search) return packs;
  do {
    const std::wstring name = entry.cFileName;
    if (!HasPackExtension(name)) continue;
    const std::wstring path = base + name;
    if (FileExists(path)) packs.push_back(path);  // a folder named "x.qpk" is not a pack
  } while (FindNextFileW(search.Get(), &entry));
  return packs;
}

PackReadResult LoadPicturePack(const std::wstring& path, TATBitmap& list, std::size_t budgetBytes) {
  const FileReadResult file = ReadWholeFile(path, kMaxPackFileBytes);
  if (file.status != FileReadResult::Status::kOk) return {PackReadStatus::kEndedEarly, 0};
  return ReadPicturePack(file.bytes, list, budgetBytes);
}

// Failures are not reported: the pictures read so far stay. A pack that runs
// the program out of memory loses only what it added itself.
void LoadPicturePacks(const std::wstring& programFolder, TATBitmap& list) {
  list.Clear();
  std::size_t remaining = kMaxAllPacksDecodedBytes;
  for (const std::wstring& path : FindPicturePacks(WithTrailingBackslash(programFolder) + kPackFolder)) {
    const int before = list.Count();
    try {
      remaining -= LoadPicturePack(path, list, std::min(remaining, kMaxPackDecodedBytes)).decodedBytes;
    } catch (const std::bad_alloc&) {
      list.Truncate(before);
    }
  }
}
