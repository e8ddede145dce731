#pragma once
// The shell services around a sticker: special folders, its desktop shortcut
// and the clipboard.

#include <windows.h>

#include <cstdint>
#include <string>

// The path of a shell folder (CSIDL_PERSONAL, CSIDL_DESKTOPDIRECTORY, ...), or
// "" when the shell cannot tell it.
std::wstring SpecialFolder(int csidl);

struct ShortcutResult {
  std::wstring path;  // the shortcut file, written or not
  DWORD error = 0;    // a system error code, 0 once the file is written
  bool Written() const { return error == 0; }
};

// Writes "<desktop>\<name>.lnk", which starts this program with "id=<id>" in
// its own folder. A name taken by any other file gets the first free
// "<name> (2).lnk", "<name> (3).lnk", ...: only our own shortcut to the same
// sticker is written over. The name comes cleaned (CleanShortcutName). When it
// is not written the caller shows
// ShowFileError(FileErrorKind::kCreate, result.path, result.error).
[[nodiscard]] ShortcutResult CreateStickerShortcut(const std::wstring& name, std::int32_t id);

// Puts the text on the clipboard as Unicode when the clipboard offers Unicode
// text at the moment, otherwise in the ANSI code page. Empty text changes
// nothing.
void PutTextOnClipboard(HWND owner, const std::wstring& text);
