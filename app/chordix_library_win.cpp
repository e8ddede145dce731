#include "app/chordix_library_win.h"

#include "win/file_io_win.h"

namespace {

constexpr wchar_t kLibraryFile[] = L"Chordix.dll";
using HookFunction = HHOOK (*)(unsigned char install, HWND window);
using TableFunction = void (*)(unsigned char value, unsigned char index);

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

ChordixLibrary::ChordixLibrary(const std::wstring& programFolder, HWND window) : window_(window) {
  const std::wstring path = programFolder + kLibraryFile;
  if (!FileExists(path)) return;
  module_.Reset(LoadLibraryW(path.c_str()));
  Hook(true);
}

ChordixLibrary::~ChordixLibrary() { Hook(false); }

void ChordixLibrary::Hook(bool install) const {
  if (const auto hook = Export<HookFunction>(module_.Get(), "Hook")) hook(install ? 1 : 0, window_);
}

void ChordixLibrary::PassTable(const TChordix& keys) const {
  const auto table = keys.LibraryTable();
  const auto pass = Export<TableFunction>(module_.Get(), "HookTablenum");
  if (!pass) return;
  for (std::size_t k = 0; k < table.size(); ++k) pass(table[k], static_cast<unsigned char>(k));
}
