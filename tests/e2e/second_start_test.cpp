// A later start of Quillory.exe hands its command line to the running
// instance: it waits for that instance to finish starting, gives up when the
// instance ends first, and is never held by one that hangs.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/single_instance_win.h"
#include "store/tmassiv.h"
#include "support/sticker_program_win.h"

namespace {

constexpr DWORD kLongerThanAnyWaitMs = 45000;

// The process's main window while it starts: it has its class from the first
// step of start-up on, its title only at the end.
HWND StartingWindowOf(DWORD processId) {
  const auto found = TopLevelWindows({kMainWindowClass, processId});
  return found.empty() ? nullptr : found.front();
}

// Every slot full and shown: a start-up of seconds, a second start comes in
// the middle of it.
std::vector<StickerRecord> FullStoreShown() {
  std::vector<StickerRecord> records;
  for (int i = 0; i < kStickerSlotCount; ++i) records.push_back(Placed(7000 + i, 10 + (i % 16) * 60, 10 + (i / 16) * 45));
  return records;
}

// The name of a running instance, held by the test in its place.
UniqueHandle HoldInstanceName() {
  SetLastError(ERROR_SUCCESS);
  UniqueHandle mutex(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
  EXPECT_TRUE(mutex.Valid());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS)) << "another Quillory still runs";
  return mutex;
}

// A main window that answers nothing: its thread (the test's) does not read
// messages while the test waits on a process.
class HungMainWindow {
 public:
  HungMainWindow() {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExW(&wc);
    window_.Reset(CreateWindowExW(0, kMainWindowClass, kMainWindowTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr));
  }
  ~HungMainWindow() {
    window_.Reset();
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
  }
  HWND Get() const { return window_.Get(); }

 private:
  UniqueWindow window_;
};

TEST(SecondStart, ACommandGivenWhileTheFirstStillStartsIsCarriedOut) {
  ProgramCopy copy;
  WriteBytes(copy.File(L"base.db"), DatabaseImageOf(FullStoreShown()));
  RunningProgram first(copy.Exe());
  ASSERT_TRUE(Eventually([&] { return StartingWindowOf(first.ProcessId()) != nullptr; }, 20000));
  ASSERT_EQ(FindMainWindowOf(first.ProcessId()), nullptr) << "start-up was over before the second start";

  RunningProgram second(copy.Exe(), L"hideall");
  ASSERT_TRUE(second.WaitForExit(kLongerThanAnyWaitMs));
  EXPECT_EQ(second.ExitCode(), 0u);
  ASSERT_NE(first.MainWindow(), nullptr);
  EXPECT_TRUE(Eventually([&] { return StickerWindowsOf(first.ProcessId()).empty(); }))
      << StickerWindowsOf(first.ProcessId()).size() << " stickers still shown";
  EXPECT_EQ(first.SendUserCommand(kUserCountStickers), kStickerSlotCount);
  EXPECT_TRUE(first.Close());
}

// The running instance may end before its window ever gets its title (closed
// by an installer, failed): the waiting start then ends too, quietly.
TEST(SecondStart, GivesUpWhenTheRunningInstanceEndsBeforeItsWindowComes) {
  ProgramCopy copy;
  UniqueHandle runningInstance = HoldInstanceName();
  RunningProgram second(copy.Exe(), L"hideall");
  EXPECT_FALSE(second.WaitForExit(1500)) << "it should wait for the window";
  runningInstance.Reset();
  ASSERT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(CountMainWindows(), 0);
}

TEST(SecondStart, AHungInstanceDoesNotHoldItsCommandsOrItsEnd) {
  ProgramCopy copy;
  const UniqueHandle runningInstance = HoldInstanceName();
  const HungMainWindow hung;
  ASSERT_NE(hung.Get(), nullptr);
  RunningProgram second(copy.Exe(), L"hideall new");
  EXPECT_TRUE(second.WaitForExit(kLongerThanAnyWaitMs));
  EXPECT_EQ(second.ExitCode(), 0u);
}

}  // namespace
