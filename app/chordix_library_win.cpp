#include "app/chordix_library_win.h"

#include <cstring>

#include "win/file_io_win.h"

namespace {

constexpr wchar_t kLibraryFile[] = L"Chordix.dll";
// A thread message to the hook's thread, the table packed into wParam.
constexpr UINT kPassTableMessage = WM_APP + 1;
using HookFunction = HHOOK (*)(unsigned char install, HWND window);
using TableFunction = void (*)(unsigned char value, unsigned char index);
using Table = decltype(TChordix{}.LibraryTable());
static_assert(sizeof(WPARAM) >= sizeof(Table));

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

ChordixLibrary::ChordixLibrary(const std::wstring& programFolder, HWND window) : window_(window) {
  const std::wstring path = programFolder + kLibraryFile;
  if (!FileExists(path)) return;
  module_.Reset(LoadLibraryW(path.c_str()));
  if (!module_) return;
  std::promise<DWORD> started;
  std::future<DWORD> threadId = started.get_future();
  hookThread_ = std::thread([this, started = std::move(started)]() mutable { RunHookThread(std::move(started)); });
  hookThreadId_ = threadId.get();
}

ChordixLibrary::~ChordixLibrary() {
  if (!hookThread_.joinable()) return;
  PostThreadMessageW(hookThreadId_, WM_QUIT, 0, 0);
  hookThread_.join();
}

// The hook is called from inside GetMessageW.
void ChordixLibrary::RunHookThread(std::promise<DWORD> started) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that thread messages need
  Hook(true);
  started.set_value(GetCurrentThreadId());
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kPassTableMessage) PassTableNow(message.wParam);
  }
  Hook(false);
}

void ChordixLibrary::Hook(bool install) const {
  if (const auto hook = Export<HookFunction>(module_.Get(), "Hook")) hook(install ? 1 : 0, window_);
}

void ChordixLibrary::PassTable(const TChordix& keys) const {
  if (!hookThread_.joinable()) return;
  const Table table = keys.LibraryTable();
  WPARAM packed = 0;
  std::memcpy(&packed, table.data(), table.size());
  PostThreadMessageW(hookThreadId_, kPassTableMessage, packed, 0);
}

void ChordixLibrary::PassTableNow(WPARAM packedTable) const {
  const auto pass = Export<TableFunction>(module_.Get(), "HookTablenum");
  if (!pass) return;
  Table table{};
  std::memcpy(table.data(), &packedTable, table.size());
  for (std::size_t k = 0; k < table.size(); ++k) pass(table[k], static_cast<unsigned char>(k));
}
