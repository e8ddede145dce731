#pragma once
// A running Quillory.exe with stickers of the test's own in base.db, and the
// ways the end-to-end tests look at it and drive it.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "app/tray_icon_win.h"
#include "support/program_run_win.h"
#include "support/sticker_samples.h"
#include "support/sticker_windows_win.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"
#include "protocol/messages.h"

inline StickerRecord Placed(std::int32_t id, int left, int top, bool visible = true) {
  StickerRecord r = MakeSticker(id, visible);
  r.in_use = 1;
  r.left = left;
  r.top = top;
  return r;
}

// A corner of the virtual screen where no test puts a sticker.
inline constexpr POINT kAwayFromStickers{1010, 750};

class StickerProgram : public ::testing::Test {
 protected:
  void Start(const std::vector<StickerRecord>& records) {
    WriteBytes(copy.File(L"base.db"), DatabaseImageOf(records));
    Run();
  }
  // Starts with one sticker and returns its window (null when none opened).
  HWND StartOne(const StickerRecord& record) {
    Start({record});
    if (!main || !WaitForStickerWindows(Pid(), 1)) return nullptr;
    return StickerWindowsOf(Pid()).front();
  }
  void Run() {
    MoveMouse({kAwayFromStickers.x, kAwayFromStickers.y});  // a pointer left inside a sticker would make a shy one vanish
    program = std::make_unique<RunningProgram>(copy.Exe());
    main = program->MainWindow();
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (program) program->Close();
  }
  LRESULT Instance(LPARAM command, WPARAM argument) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_INSTANCE_COMMAND, argument, command, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
  }
  LRESULT Command(HWND sticker, LPARAM command, WPARAM argument = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(sticker, WM_STICKER_COMMAND, argument, command, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
  }
  std::vector<StickerRecord> Saved() {
    program->SendUserCommand(kUserSaveDatabase);
    return ReadDatabase(copy.File(L"base.db"));
  }
  std::vector<StickerRecord> OnDisk() { return ReadDatabase(copy.File(L"base.db")); }
  DWORD Pid() const { return program->ProcessId(); }
  // The ids of the records, or of the shown ones only.
  static std::set<std::int32_t> Ids(const std::vector<StickerRecord>& records, bool visibleOnly = false) {
    std::set<std::int32_t> ids;
    for (const StickerRecord& r : records)
      if (!visibleOnly || r.visible) ids.insert(r.id);
    return ids;
  }
  // The program's tray window, once it has one (null when none came).
  HWND Tray() {
    HWND tray = nullptr;
    Eventually([&] {
      const auto found = TopLevelWindows({kTrayWindowClass, Pid()});
      tray = found.empty() ? nullptr : found.front();
      return tray != nullptr;
    });
    return tray;
  }
  // The program's shown window of that class, once there is one; null when
  // none shows within the usual wait.
  HWND ShownWindow(const wchar_t* className, DWORD timeoutMs = kUsualWait) {
    HWND shown = nullptr;
    Eventually(
        [&] {
          const auto found = TopLevelWindows({className, Pid(), true});
          shown = found.empty() ? nullptr : found.front();
          return shown != nullptr;
        },
        timeoutMs);
    return shown;
  }
  // The sticker's settings dialog, opened with "Properties" of its menu;
  // null when none shows.
  HWND OpenSettingsOf(HWND sticker) {
    ChooseFromMenu(sticker, kMenuPlaceProperties);
    return ShownWindow(L"TSettingsForm");
  }
  // The open window of the sticker with this id, or null.
  HWND WindowOf(std::int32_t id) {
    for (HWND w : StickerWindowsOf(Pid())) {
      StickerRecord live{};
      if (LiveRecordOf(w, live) && live.id == id) return w;
    }
    return nullptr;
  }

  ProgramCopy copy;
  std::unique_ptr<RunningProgram> program;
  HWND main = nullptr;
};
