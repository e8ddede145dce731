#include "store/shortcut_win.h"

#include <shlobj.h>

#include <cstring>
#include <memory>

#include "store/text_utils.h"
#include "win/handles_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr wchar_t kShortcutExtension[] = L".lnk";
constexpr wchar_t kIdArgument[] = L"id=";
constexpr int kMostShortcutNames = 1000;

// An item list goes back to the allocator that the shell made it with.
struct ItemListRelease {
  IMalloc* allocator;  // not owned
  void operator()(ITEMIDLIST* items) const { allocator->Free(items); }
};

// The error box names Win32 errors by their own code.
DWORD ErrorCode(HRESULT result) {
  if (SUCCEEDED(result)) return 0;
  return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
}

// This program's file, or "" when its path is longer than a shortcut holds.
std::wstring ProgramFile() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

ScopedCom<IShellLinkW> NewShellLink(HRESULT& result) {
  IShellLinkW* rawLink = nullptr;
  result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&rawLink));
  return ScopedCom<IShellLinkW>(rawLink);
}

// Our own shortcut to the same sticker: this program, the same "id=N".
bool IsShortcutOf(const std::wstring& file, const std::wstring& target, const std::wstring& arguments) {
  HRESULT result = S_OK;
  const ScopedCom<IShellLinkW> link = NewShellLink(result);
  if (FAILED(result)) return false;
  IPersistFile* rawFile = nullptr;
  if (FAILED(link.Get()->QueryInterface(IID_PPV_ARGS(&rawFile)))) return false;
  const ScopedCom<IPersistFile> persist(rawFile);
  if (FAILED(persist.Get()->Load(file.c_str(), STGM_READ))) return false;
  wchar_t path[MAX_PATH] = {}, stored[MAX_PATH] = {};
  if (FAILED(link.Get()->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
      FAILED(link.Get()->GetArguments(stored, MAX_PATH)))
    return false;
  // Paths name the same file whatever their case; arguments are ours to the letter.
  return CompareStringOrdinal(path, -1, target.c_str(), -1, TRUE) == CSTR_EQUAL && arguments == stored;
}

// "Name.lnk", else "Name (2).lnk", "Name (3).lnk", ...: the first that is free
// or already our shortcut to this sticker. A file the user made, or one of
// another program, is never written over; empty when no name is left.
std::wstring ShortcutPath(const std::wstring& folder, const std::wstring& name, const std::wstring& target,
                          const std::wstring& arguments) {
  for (int n = 1; n <= kMostShortcutNames; ++n) {
    const std::wstring path = folder + name + (n == 1 ? L"" : L" (" + std::to_wstring(n) + L")") + kShortcutExtension;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES || IsShortcutOf(path, target, arguments)) return path;
  }
  return {};
}

HRESULT SaveShellLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& path) {
  HRESULT result = S_OK;
  const ScopedCom<IShellLinkW> link = NewShellLink(result);
  if (FAILED(result)) return result;
  const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
  if (FAILED(result = link.Get()->SetPath(target.c_str())) ||
      FAILED(result = link.Get()->SetArguments(arguments.c_str())) ||
      FAILED(result = link.Get()->SetWorkingDirectory(folder.c_str())))
    return result;
  IPersistFile* rawFile = nullptr;
  result = link.Get()->QueryInterface(IID_PPV_ARGS(&rawFile));
  const ScopedCom<IPersistFile> file(rawFile);
  if (FAILED(result)) return result;
  return file.Get()->Save(path.c_str(), TRUE);
}

// Hands a copy of the bytes to the open clipboard, which owns the block from then on.
void HandToClipboard(UINT format, const void* bytes, std::size_t size) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return;
  void* target = GlobalLock(block.Get());
  if (!target) return;
  std::memcpy(target, bytes, size);
  GlobalUnlock(block.Get());
  if (SetClipboardData(format, block.Get())) block.Detach();
}

}  // namespace

std::wstring SpecialFolder(int csidl) {
  IMalloc* rawAllocator = nullptr;
  const HRESULT allocatorResult = SHGetMalloc(&rawAllocator);
  const ScopedCom<IMalloc> allocator(rawAllocator);
  if (FAILED(allocatorResult) || !allocator) return {};
  LPITEMIDLIST rawItems = nullptr;
  const HRESULT itemsResult = SHGetSpecialFolderLocation(nullptr, csidl, &rawItems);
  const std::unique_ptr<ITEMIDLIST, ItemListRelease> items(rawItems, ItemListRelease{allocator.Get()});
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(itemsResult) || !items || !SHGetPathFromIDListW(items.get(), buffer)) return {};
  return buffer;
}

ShortcutResult CreateStickerShortcut(const std::wstring& name, std::int32_t id) {
  const std::wstring desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
  const std::wstring path = WithTrailingSeparator(desktop) + name + kShortcutExtension;
  // Without a desktop the name alone would land in the current folder.
  if (desktop.empty()) return {path, ERROR_PATH_NOT_FOUND};
  const std::wstring program = ProgramFile();
  if (program.empty()) return {path, ERROR_FILENAME_EXCED_RANGE};
  const ScopedCoInitialize com;
  const std::wstring arguments = kIdArgument + std::to_wstring(id);
  const std::wstring free = ShortcutPath(WithTrailingSeparator(desktop), name, program, arguments);
  if (free.empty()) return {path, ERROR_FILE_EXISTS};
  return {free, ErrorCode(SaveShellLink(program, arguments, free))};
}

void PutTextOnClipboard(HWND owner, const std::wstring& text) {
  if (text.empty()) return;
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return;
  // Asked before emptying, which takes every format away.
  const bool unicode = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
  EmptyClipboard();
  if (unicode) {
    HandToClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  } else {
    const std::string ansi = AnsiFromWide(text);
    HandToClipboard(CF_TEXT, ansi.c_str(), ansi.size() + 1);
  }
}
