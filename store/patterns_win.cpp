#include "store/patterns_win.h"

#include <windows.h>

#include "win/file_io_win.h"
#include "store/profile_file_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr wchar_t kPatternExtension[] = L".ptr";

std::wstring FreePatternPath(const std::wstring& folder, DateTime now) {
  for (int attempt = 1;; ++attempt) {
    std::wstring path = folder + PatternFileName(now, attempt);
    if (!FileExists(path)) return path;
  }
}

}  // namespace

std::vector<std::wstring> ListPatternEntries(const std::wstring& programFolder, bool& folderExists) {
  const std::wstring folder = PatternsFolder(programFolder);
  folderExists = FolderExists(folder);
  std::vector<std::wstring> entries;
  for (const std::wstring& path : FilesWithExtension(folder, kPatternExtension))
    entries.push_back(PatternEntryText(PatternName(IniFile(path)), path.substr(folder.size())));
  return entries;
}

StickerRecord PatternRecord(const std::wstring& programFolder, std::wstring_view entry, Colour randomColour) {
  StickerRecord record = NewStickerRecord(randomColour);
  const std::wstring path = PatternFilePath(programFolder, entry);
  if (FileExists(path)) LoadPattern(IniFile(path), record, AnsiFromWide);
  return record;
}

bool SavePattern(const std::wstring& programFolder, const std::wstring& name, const StickerRecord& record, DateTime now,
                 const ErrorReport& report) {
  const std::wstring folder = PatternsFolder(programFolder);
  const std::wstring path = FreePatternPath(folder, now);
  DWORD error = ERROR_PATH_NOT_FOUND;
  if (FolderExists(folder)) {
    IniFile file(path);
    WritePattern(file, name, PatternDateText(now), record, WideFromAnsi);
    if (!file.WriteFailed()) return true;
    error = file.WriteError();
  }
  report(FileErrorText(FileErrorKind::kCreate, path, error));
  return false;
}

void DeletePattern(const std::wstring& programFolder, std::wstring_view entry) {
  const std::wstring path = PatternFilePath(programFolder, entry);
  if (!FileExists(path)) return;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}
