// Start-up of Quillory.exe with no sticker and with 256 open stickers: the
// time until the last window shows and the process's peak working set, so the
// cost of one more sticker can be read off, held against the floor (a program
// that only shows as many ready pictures); and the round trip of a full
// rebuild and of a redraw of one sticker window, asked for by message.

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/handles_win.h"
#include "protocol/messages.h"
#include "win/file_io_win.h"
#include "store/sticker_database.h"
#include "support/system_scale_win.h"
#include "support/window_search_win.h"
#include "win_bench_registry_win.h"

namespace {

constexpr int kManyStickers = 256;
constexpr LPARAM kRedraw = 99, kRebuild = 100;

std::wstring BesideThis(const std::wstring& name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.rfind(L'\\') + 1);
  return folder + name;
}

// base.db with that many open, typical five-line notes, placed in a grid.
std::vector<std::uint8_t> TypicalDatabase(int count) {
  auto store = std::make_unique<Tmassiv>();
  for (int i = 0; i < count; ++i) {
    StickerRecord r = NewStickerRecord(0x60C8F0);
    r.id = 100 + i;
    r.visible = 1;
    r.left = (i % 16) * 60;
    r.top = (i / 16) * 40;
    r.caption.line_text.Assign("Shopping");
    SetStickerText(r, "Milk and bread\r\nCall Anna at five\r\nBook the tickets\r\nWater the plants\r\nPay the rent");
    store->AddRecord(r);
  }
  return BuildDatabaseImage(*store);
}

struct StartFigures {
  double milliseconds = 0;
  double peakMegabytes = 0;
  double rebuildMicroseconds = 0, redrawMicroseconds = 0;
  SIZE windowSize{};
};

// A program started for timing: its main window (class and title, named once
// start-up is over) and the windows it must show.
struct TimedProgram {
  std::wstring exe, arguments;
  const wchar_t* mainClass;
  const wchar_t* mainTitle;
  const wchar_t* windowClass;
  int windows;
};

// From the start of the process until every window shows and the main window
// answers; then `whileRunning` with the shown windows, and an orderly end.
StartFigures TimeStart(const TimedProgram& program,
                       const std::function<void(const std::vector<HWND>&, StartFigures&)>& whileRunning) {
  StartFigures figures;
  std::wstring commandLine = L"\"" + program.exe + L"\" " + program.arguments;
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info))
    return figures;
  UniqueHandle process(info.hProcess), thread(info.hThread);
  std::vector<HWND> shown;
  HWND main = nullptr;
  for (;;) {
    main = FindWindowW(program.mainClass, program.mainTitle);
    shown = TopLevelWindows({program.windowClass, info.dwProcessId, true});
    DWORD_PTR ignored;
    if (main && static_cast<int>(shown.size()) == program.windows &&
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored))
      break;
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(120)) break;
    Sleep(5);
  }
  figures.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS memory{sizeof(memory)};
  if (GetProcessMemoryInfo(process.Get(), &memory, sizeof(memory)))
    figures.peakMegabytes = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
  if (!shown.empty()) {
    RECT r{};
    GetWindowRect(shown.front(), &r);
    figures.windowSize = {r.right - r.left, r.bottom - r.top};
  }
  whileRunning(shown, figures);
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), 120000) != WAIT_OBJECT_0) TerminateProcess(process.Get(), 1);
  WaitForSingleObject(process.Get(), 10000);  // the program file can go only once the process has
  return figures;
}

// A private portable copy of Quillory with that many typical notes open.
StartFigures StartQuilloryWith(int stickers) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"quillory_startup_" + std::to_wstring(stickers) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CopyFileW(BesideThis(L"Quillory\\Quillory.exe").c_str(), (folder + L"Quillory.exe").c_str(), FALSE);
  const std::string config = "[Base]\r\nportable=yes\r\n";
  (void)WriteFileAtomically(folder + L"config.txt", {reinterpret_cast<const std::uint8_t*>(config.data()), config.size()});
  (void)WriteFileAtomically(folder + L"base.db", TypicalDatabase(stickers));
  const StartFigures figures = TimeStart(
      {folder + L"Quillory.exe", L"", L"TQuillor", L"Quillory", L"TStickForm", stickers},
      [](const std::vector<HWND>& shown, StartFigures& f) {
        if (shown.empty()) return;
        const auto ask = [&](LPARAM command) {
          DWORD_PTR ignored;
          SendMessageTimeoutW(shown.front(), WM_STICKER_COMMAND, 0, command, SMTO_NORMAL, 10000, &ignored);
        };
        f.rebuildMicroseconds = MicrosecondsPerRun(50, [&] { ask(kRebuild); });
        f.redrawMicroseconds = MicrosecondsPerRun(50, [&] { ask(kRedraw); });
      });
  for (const wchar_t* name : {L"Quillory.exe", L"config.txt", L"base.db"}) DeleteFileW((folder + name).c_str());
  for (const wchar_t* name : {L"backup\\", L""}) RemoveDirectoryW((folder + name).c_str());
  return figures;
}

StartFigures StartFloorWith(int windows, SIZE size) {
  const std::wstring arguments =
      std::to_wstring(windows) + L" " + std::to_wstring(size.cx) + L" " + std::to_wstring(size.cy);
  return TimeStart({BesideThis(L"startup_floor.exe"), arguments, L"QuilloryFloor", L"QuilloryFloor",
                    L"QuilloryFloorPicture", windows},
                   [](const std::vector<HWND>&, StartFigures&) {});
}

double PerWindow(const StartFigures& full, const StartFigures& empty, double StartFigures::*figure) {
  return (full.*figure - empty.*figure) / kManyStickers;
}

struct ScaleFigures {
  StartFigures empty, full, floorEmpty, floorFull;
  double PerSticker() const { return PerWindow(full, empty, &StartFigures::milliseconds); }
  double FloorPerWindow() const { return PerWindow(floorFull, floorEmpty, &StartFigures::milliseconds); }
};

// Quillory against the floor, both started empty and with 256 windows in one
// run at the same system scale, so that the ratio compares like with like.
ScaleFigures StartAtScale() {
  ScaleFigures f;
  f.empty = StartQuilloryWith(0);
  f.full = StartQuilloryWith(kManyStickers);
  f.floorEmpty = StartFloorWith(0, f.full.windowSize);
  f.floorFull = StartFloorWith(kManyStickers, f.full.windowSize);
  return f;
}

void Run() {
  const ScaleFigures at100 = StartAtScale();
  const StartFigures& empty = at100.empty;
  const StartFigures& full = at100.full;
  const double perSticker = at100.PerSticker();
  const double floorPerWindow = at100.FloorPerWindow();
  Report("startup_no_stickers", empty.milliseconds, "ms");
  Report("startup_256_stickers", full.milliseconds, "ms");
  Report("startup_per_sticker", perSticker, "ms");
  Report("startup_floor_no_windows", at100.floorEmpty.milliseconds, "ms");
  Report("startup_floor_256_windows", at100.floorFull.milliseconds, "ms");
  Report("startup_floor_per_window", floorPerWindow, "ms");
  Report("startup_per_sticker_to_floor", perSticker / floorPerWindow, "ratio");
  Report("startup_peak_working_set_no_stickers", empty.peakMegabytes, "MB");
  Report("startup_peak_working_set_256_stickers", full.peakMegabytes, "MB");
  Report("working_set_per_sticker", PerWindow(full, empty, &StartFigures::peakMegabytes), "MB");
  Report("working_set_per_floor_window", PerWindow(at100.floorFull, at100.floorEmpty, &StartFigures::peakMegabytes), "MB");
  Report("sticker_window_full_rebuild", full.rebuildMicroseconds, "us");
  Report("sticker_window_redraw", full.redrawMicroseconds, "us");

  ScaleFigures at150;
  {
    const ScopedSystemScale scale(144);  // the programs started meanwhile run at 150 %
    at150 = StartAtScale();
  }
  std::fprintf(stderr, "sticker at 150 %%: %ld x %ld\n", at150.full.windowSize.cx, at150.full.windowSize.cy);
  Report("startup_per_sticker_150pct", at150.PerSticker(), "ms");
  Report("startup_per_sticker_150pct_to_floor", at150.PerSticker() / at150.FloorPerWindow(), "ratio");
  Report("working_set_per_sticker_150pct", PerWindow(at150.full, at150.empty, &StartFigures::peakMegabytes), "MB");
  Report("sticker_window_redraw_150pct_to_100pct", at150.full.redrawMicroseconds / full.redrawMicroseconds, "ratio");
}

const WinBenchRegistration registration(&Run);

}  // namespace
