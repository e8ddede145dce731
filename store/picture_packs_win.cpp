#include "store/picture_packs_win.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "win/handles_win.h"
#include "store/text_utils.h"
#include "win/file_io_win.h"

namespace {

constexpr wchar_t kPackFolder[] = L"pic\\";
constexpr wchar_t kPackExtension[] = L".qpk";
// Icons are small; a larger file is read only this far and stops where it was cut.
constexpr std::size_t kMaxPackFileBytes = std::size_t{64} << 20;

}  // namespace

std::vector<std::wstring> FindPicturePacks(const std::wstring& folder) {
  return FilesWithExtension(WithTrailingSeparator(folder), kPackExtension);
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
  for (const std::wstring& path : FindPicturePacks(WithTrailingSeparator(programFolder) + kPackFolder)) {
    const int before = list.Count();
    try {
      remaining -= LoadPicturePack(path, list, std::min(remaining, kMaxPackDecodedBytes)).decodedBytes;
    } catch (const std::bad_alloc&) {
      list.Truncate(before);
    }
  }
}
