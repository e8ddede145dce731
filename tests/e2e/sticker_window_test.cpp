// Sticker windows of a running Quillory.exe: opened from base.db, driven by
// the main window's commands, records sent to them, and real mouse input.

#include <gtest/gtest.h>

#include <cstring>

#include "support/sticker_program_win.h"

namespace {

using StickerWindows = StickerProgram;

// What the screen shows at a point once the sticker there has reached it: a
// loaded machine hands layered pictures to the X server a little later.
COLORREF ShownPixel(POINT at) {
  COLORREF pixel = RGB(0, 0, 0);
  Eventually([&] { return (pixel = ScreenPixel(at)) != RGB(0, 0, 0); });
  return pixel;
}

TEST_F(StickerWindows, VisibleStickersOpenAsLayeredToolWindowsAndUnplacedOnesAreCentred) {
  Start({Placed(1, 40, 50), Placed(2, 300, 60, false), Placed(3, -1, -1)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  for (HWND w : StickerWindowsOf(Pid())) {
    const LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & WS_CAPTION);
  }
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 3u);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  StickerRecord live{};
  HWND centred = nullptr;
  for (HWND w : StickerWindowsOf(Pid()))
    if (LiveRecordOf(w, live) && live.id == 3) centred = w;
  ASSERT_NE(centred, nullptr);
  RECT r{};
  GetWindowRect(centred, &r);
  EXPECT_EQ(saved[2].left, (work.right - work.left - (r.right - r.left)) / 2);
  EXPECT_EQ(saved[2].top, (work.bottom - work.top - (r.bottom - r.top)) / 2);
  EXPECT_EQ(saved[2].left, r.left);
  EXPECT_EQ(saved[0].left, 40);
  EXPECT_EQ(saved[1].visible, 0);
}

TEST_F(StickerWindows, InstanceCommandsToggleHideAndShowThem) {
  Start({Placed(1, 40, 50), Placed(2, 300, 60, false), Placed(3, 500, 70)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceToggleSticker, 2);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));
  Instance(kInstanceToggleSticker, 1);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceToggleSticker, 777);  // no such sticker: nothing happens
  Instance(kInstanceHideAll, kInstanceHideAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  const auto hidden = Saved();
  for (const auto& r : hidden) EXPECT_EQ(r.visible, 0) << r.id;
  Instance(kInstanceShowAll, kInstanceShowAll);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));
  Instance(kInstanceShowAll, kInstanceShowAll);  // twice: each opens once
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 3));
  Instance(kInstanceRedrawAll, 0);
  EXPECT_EQ(StickerWindowsOf(Pid()).size(), 3u);
}

TEST_F(StickerWindows, RecordsAndStringsSentToAWindowAreTakenSafely) {
  Start({Placed(1, 40, 50)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  HWND sticker = StickerWindowsOf(Pid()).front();
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.id, 1);
  EXPECT_EQ(live.window, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(sticker)));
  EXPECT_EQ(live.left, 40);

  StickerRecord record = Placed(1, 40, 50);
  record.style = 12;
  record.text_length = 0xFFFFFFFF;  // a foreign length is cut to the buffer
  SendCopyData(sticker, kRecordDeliveryTag, &record, sizeof(record));
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.style, 12);
  EXPECT_EQ(live.text_length, kStickerTextCapacity);

  const char caption[] = "Caption that is much longer than thirty-two characters";
  SendCopyData(sticker, 1, caption, sizeof(caption));
  const char noZero[3] = {'a', 'b', 'c'};
  SendCopyData(sticker, 2, noZero, sizeof(noZero));  // no terminator: read no further than given
  std::vector<char> huge(100000, 'x');
  SendCopyData(sticker, 4, huge.data(), huge.size());
  SendCopyData(sticker, 9, "ignored", 8);
  SendCopyData(sticker, 0, nullptr, 0);
  DWORD_PTR ignored;
  SendMessageTimeoutW(sticker, WM_COPYDATA, 0, 0, SMTO_NORMAL, 10000, &ignored);  // no data at all
  ASSERT_TRUE(IsWindow(sticker));
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.caption.line_text.View(), std::string(caption).substr(0, 32));
  EXPECT_EQ(GetStickerText(live), "abc");
  EXPECT_EQ(live.date_line.line_text.View(), std::string(32, 'x'));
}

TEST_F(StickerWindows, DraggingMovesTheStickerAndSavesTheNewPosition) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  RECT before{};
  GetWindowRect(sticker, &before);
  DragWithMouse({before.left + 60, before.top + 30}, {before.left + 160, before.top + 90});
  RECT after{};
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(sticker, &after);
    return after.left - before.left == 100 && after.top - before.top == 60;
  })) << after.left - before.left << "," << after.top - before.top;
  // The end of the move writes base.db itself.
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && saved[0].left == after.left && saved[0].top == after.top;
  }));
}

TEST_F(StickerWindows, ThePinMakesAStickerTopmostAndTheCloseButtonHidesIt) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  ClickWithMouse({r.left + width - 17, r.top + 12});  // the pin of a template style
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && saved[0].position == kPositionTopmost;
  }));
  EXPECT_TRUE(GetWindowLongW(sticker, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ClickWithMouse({r.left + width - 26 + 8, r.top + height - 25 + 7});  // close, shown now it has the focus
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && saved[0].visible == 0;
  }));
}

// From Topmost the pin goes back where the sticker was last put below the
// others: behind all windows when that was the last choice, else on the
// desktop (which needs the desktop's own window).
TEST_F(StickerWindows, ThePinTogglesBackFromTopmost) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  // Two points of the pin of a template style, far enough apart that two
  // quick clicks are not a double click (which would collapse the sticker).
  const POINT pins[] = {{r.right - 20, r.top + 9}, {r.right - 14, r.top + 15}};
  int clicks = 0;
  const auto clickPin = [&] { ClickWithMouse(pins[clicks++ % 2]); };
  const auto stored = [&](int position) {
    return Eventually([&] { return OnDisk().size() == 1 && OnDisk()[0].position == position; });
  };
  const auto topmost = [&] { return (GetWindowLongW(sticker, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  ChooseFromMenu(sticker, kMenuPlaceBehindAll);
  ASSERT_TRUE(stored(kPositionBottom));
  clickPin();
  EXPECT_TRUE(stored(kPositionTopmost));
  EXPECT_TRUE(topmost());
  clickPin();
  EXPECT_TRUE(stored(kPositionBottom));
  EXPECT_TRUE(Eventually([&] { return !topmost(); }));

  clickPin();  // on top again, so that the desktop's window comes up below it
  ASSERT_TRUE(stored(kPositionTopmost));
  const UniqueWindow desktop = OpenDesktopStandIn();
  HWND host = desktop.Get();
  ASSERT_NE(host, nullptr);
  ChooseFromMenu(sticker, kMenuPlaceOnDesktop);
  ASSERT_TRUE(stored(kPositionDesktop));
  ASSERT_EQ(GetAncestor(sticker, GA_PARENT), host);
  clickPin();
  EXPECT_TRUE(stored(kPositionTopmost));
  EXPECT_EQ(GetAncestor(sticker, GA_PARENT), GetDesktopWindow());
  clickPin();
  EXPECT_TRUE(stored(kPositionDesktop));
  EXPECT_EQ(GetAncestor(sticker, GA_PARENT), host);
}

// Screen readers and window lists name a sticker by its caption, or by the
// start of its text when the caption is blank, and follow every change.
TEST_F(StickerWindows, AStickerWindowIsNamedByItsCaptionElseItsText) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  const auto title = [&] {
    wchar_t text[128] = {};
    GetWindowTextW(sticker, text, 128);
    return std::wstring(text);
  };
  EXPECT_EQ(title(), L"note 1");
  const char caption[] = "Groceries";
  SendCopyData(sticker, 1, caption, sizeof(caption));  // a caption is taken quietly, but named at once
  EXPECT_EQ(title(), L"Groceries");
  const char blank[] = "  ";
  SendCopyData(sticker, 1, blank, sizeof(blank));
  EXPECT_EQ(title(), L"note 1");
  const char body[] = "Dentist at 9:30\r\nbring the card";
  SendCopyData(sticker, 2, body, sizeof(body));
  EXPECT_EQ(title(), L"Dentist at 9:30...");
  const char calendar[] = "[12.2026/wm]";
  SendCopyData(sticker, 2, calendar, sizeof(calendar));
  EXPECT_EQ(title(), L"December 2026");
  SetClipboardText(L"Call the plumber");
  ChooseFromMenu(sticker, kMenuPlacePaste);
  EXPECT_TRUE(Eventually([&] { return title() == L"Call the plumber"; })) << title().size();
}

TEST_F(StickerWindows, HidingIsWrittenAtOnceAndDuplicatingAddsAMovedCopy) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceToggleSticker, 2);
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  EXPECT_TRUE(Eventually([&] {
    const auto saved = OnDisk();
    return saved.size() == 2 && saved[1].visible == 0;
  }));

  HWND sticker = StickerWindowsOf(Pid()).front();
  RECT r{};
  GetWindowRect(sticker, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  ClickWithMouse({r.left + 60, r.top + 30});  // focus: the buttons appear
  ClickWithMouse({r.left + width - 26 - 18 + 8, r.top + height - 25 + 7});  // duplicate
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[2].left, saved[0].left + 18);
  EXPECT_EQ(saved[2].top, saved[0].top + 18);
  EXPECT_NE(saved[2].id, 1);
  EXPECT_EQ(saved[2].visible, 1);
}

TEST_F(StickerWindows, AMoveThatEndsWhereItBeganWritesNothing) {
  Start({Placed(1, 100, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  const auto before = ReadBytes(copy.File(L"base.db"));
  HWND sticker = StickerWindowsOf(Pid()).front();
  RECT r{};
  GetWindowRect(sticker, &r);
  DragWithMouse({r.left + 60, r.top + 30}, {r.left + 60, r.top + 30});  // returns with the end of the move handled
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), before);
}

TEST_F(StickerWindows, DoubleClickOnTheCaptionCollapsesAndTheCollapseButtonExpands) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  const int expandedHeight = r.bottom - r.top;
  DoubleClickWithMouse({r.left + 60, r.top + 10});
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && saved[0].expanded == 0;
  }));
  // The record is written first; the window takes its new size right after.
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(sticker, &r);
    return r.bottom - r.top < expandedHeight;
  })) << r.bottom - r.top;
  const int width = r.right - r.left, height = r.bottom - r.top;
  // Collapsed, the buttons move 18 pixels left; the collapse button is the fourth.
  ClickWithMouse({r.left + width - 44 - 54 + 8, r.top + height - 25 + 7});
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && saved[0].expanded == 1;
  }));
}

TEST_F(StickerWindows, ControlCCopiesTheTextAndControlVReplacesAndSavesIt) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  ASSERT_TRUE(FocusSticker(sticker));  // keys go to the window with the focus
  SetClipboardText(L"");
  PressKeys({VK_CONTROL, 'C'});
  EXPECT_TRUE(Eventually([] { return ClipboardText() == L"note 1"; })) << ClipboardText().size();
  SetClipboardText(L"pasted text");
  ASSERT_TRUE(FocusSticker(sticker));
  PressKeys({VK_CONTROL, 'V'});
  EXPECT_TRUE(Eventually([&] {
    const auto saved = ReadDatabase(copy.File(L"base.db"));
    return saved.size() == 1 && GetStickerText(saved[0]) == "pasted text";
  }));
}

TEST_F(StickerWindows, HideFromMouseVanishesUntilThePointerHasLeft) {
  StickerRecord shy = Placed(1, 100, 100);
  shy.hide_from_mouse = 1;
  shy.hide_interval = 300;
  HWND sticker = StartOne(shy);
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  // The screen shows the sticker's body, then the black of the empty screen.
  const POINT inside{r.left + 60, r.top + 30};
  const COLORREF shown = ShownPixel(inside);
  EXPECT_NE(shown, RGB(0, 0, 0));
  MoveMouse(inside);
  EXPECT_TRUE(Eventually([&] { return ScreenPixel(inside) == RGB(0, 0, 0); }));
  MoveMouse({r.right + 200, r.bottom + 200});
  EXPECT_TRUE(Eventually([&] { return ScreenPixel(inside) == shown; }));
}

TEST_F(StickerWindows, OnTheDesktopNeedsTheDesktopHostWindow) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  HWND first = WindowOf(1);
  ASSERT_NE(first, nullptr);
  StickerRecord desk = Placed(1, 100, 100);
  desk.position = kPositionDesktop;
  // No host: the position is not stored, and the window is not made a child.
  SendCopyData(first, kRecordDeliveryTag, &desk, sizeof(desk));
  auto saved = Saved();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0].position, kPositionNormal);
  EXPECT_EQ(GetAncestor(first, GA_PARENT), GetDesktopWindow());

  const UniqueWindow desktop = OpenDesktopStandIn();
  HWND host = desktop.Get();
  ASSERT_NE(host, nullptr);
  SendCopyData(first, kRecordDeliveryTag, &desk, sizeof(desk));
  EXPECT_EQ(GetAncestor(first, GA_PARENT), host);
  EXPECT_EQ(Saved()[0].position, kPositionDesktop);
}

TEST_F(StickerWindows, TheCompactSettingsRecordRestylesWithoutTouchingTheText) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  std::vector<std::uint8_t> compact(2404, 0);
  const std::int32_t left = 222, top = 111;
  std::memcpy(&compact[288], &left, 4);
  std::memcpy(&compact[292], &top, 4);
  compact[304] = 200;  // alpha
  compact[306] = 9;    // Modern
  compact[312] = 1;
  compact[316] = 4;    // no such stacking position: ignored
  SendCopyData(sticker, 0, compact.data(), compact.size());
  SendCopyData(sticker, 0, compact.data(), 2403);  // too short for a record: a string, cut at the first zero
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.style, 9);
  EXPECT_EQ(live.alpha, 200);
  EXPECT_EQ(live.left, 222);
  EXPECT_EQ(live.top, 111);
  EXPECT_EQ(GetStickerText(live), "note 1");
  EXPECT_EQ(Saved()[0].position, kPositionNormal);
}

TEST_F(StickerWindows, CommandsBringStickersBackOnScreenAndMakeFadedOnesVisible) {
  StickerRecord away = Placed(1, 5000, 100);
  StickerRecord faded = Placed(2, 100, 100);
  faded.alpha = 31;
  StickerRecord light = Placed(3, 400, 100);
  light.alpha = 32;
  Start({away, faded, light});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 3));
  for (HWND w : StickerWindowsOf(Pid())) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(w, WM_STICKER_COMMAND, 0, kStickerCommandBringOnScreen, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutW(w, WM_STICKER_COMMAND, 0, kStickerCommandMakeVisible, SMTO_NORMAL, 10000, &ignored);
  }
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  for (HWND w : StickerWindowsOf(Pid())) {
    StickerRecord live{};
    ASSERT_TRUE(LiveRecordOf(w, live));
    RECT r{};
    GetWindowRect(w, &r);
    if (live.id == 1) {
      EXPECT_EQ(r.left, (work.right - work.left - (r.right - r.left)) / 2);
    }
    if (live.id == 2) {
      EXPECT_EQ(live.alpha, 255);
    }
    if (live.id == 3) {
      EXPECT_EQ(live.alpha, 32);
      EXPECT_EQ(r.left, 400);  // on screen: left alone
    }
  }
}

// A sticker left on a monitor that is gone shows at start-up and after a
// change of displays, centred; its stored place waits for the monitor.
TEST_F(StickerWindows, AStickerOutsideEveryMonitorComesBackWithoutLosingItsPlace) {
  HWND sticker = StartOne(Placed(1, 5000, 3000));
  ASSERT_NE(sticker, nullptr);
  RECT work{}, r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.left, (work.right - work.left - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (work.bottom - work.top - (r.bottom - r.top)) / 2);
  ASSERT_EQ(Saved().size(), 1u);
  EXPECT_EQ(Saved().front().left, 5000);

  SetWindowPos(sticker, nullptr, -3000, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768), SMTO_NORMAL, 10000, &ignored);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.left, (work.right - work.left - (r.right - r.left)) / 2);
  // Partly on screen: the user's own doing, left alone.
  SetWindowPos(sticker, nullptr, -100, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageTimeoutW(main, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768), SMTO_NORMAL, 10000, &ignored);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.left, -100);
}

TEST_F(StickerWindows, ALockedStickerMovesOnlyWithShiftHeld) {
  StickerRecord locked = Placed(1, 100, 100);
  locked.lock_move = 1;
  HWND sticker = StartOne(locked);
  ASSERT_NE(sticker, nullptr);
  RECT before{};
  GetWindowRect(sticker, &before);
  const POINT from{before.left + 60, before.top + 30}, to{before.left + 160, before.top + 90};
  DragWithMouse(from, to);
  RECT after{};
  GetWindowRect(sticker, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);

  ClickWithMouse(from);  // the keys go to the sticker from now on
  Eventually([&] { return GetForegroundWindow() == sticker; }, 2000);
  INPUT shift{};
  shift.type = INPUT_KEYBOARD;
  shift.ki.wVk = VK_SHIFT;
  SendInput(1, &shift, sizeof(shift));
  DragWithMouse(from, to);
  shift.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &shift, sizeof(shift));
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(sticker, &after);
    return after.left - before.left == 100;
  })) << after.left - before.left;
}

// Each command of the private message on a real window, seen by its effect.
TEST_F(StickerWindows, BringToFrontLastsOnlyUntilItsEndAndIsNeverStored) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  Command(sticker, kStickerCommandTemporarilyTopmost);
  EXPECT_TRUE(GetWindowLongW(sticker, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Command(sticker, kStickerCommandEndTemporarilyTopmost);
  StickerRecord live{};
  ASSERT_TRUE(LiveRecordOf(sticker, live));
  EXPECT_EQ(live.position, kPositionNormal);
  EXPECT_EQ(Saved()[0].position, kPositionNormal);
}

TEST_F(StickerWindows, RebuildRedrawAndFloatingCommandsChangeWhatIsShown) {
  StickerRecord shy = Placed(1, 100, 100);
  shy.hide_from_mouse = 1;
  shy.hide_interval = 60000;
  HWND sticker = StartOne(shy);
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;

  // 99: a redraw shows the sticker the pointer made vanish.
  const POINT inside{r.left + 60, r.top + 30};
  const COLORREF shown = ShownPixel(inside);
  ASSERT_NE(shown, RGB(0, 0, 0));
  MoveMouse(inside);
  ASSERT_TRUE(Eventually([&] { return ScreenPixel(inside) == RGB(0, 0, 0); }));
  Command(sticker, kStickerCommandRedraw);
  EXPECT_TRUE(Eventually([&] { return ScreenPixel(inside) == shown; }));
  MoveMouse({r.right + 200, r.bottom + 200});

  // 100: a new caption taken quietly shows with the full rebuild.
  const std::string caption(32, 'W');
  SendCopyData(sticker, 1, caption.c_str(), caption.size() + 1);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.right - r.left, width);
  Command(sticker, kStickerCommandRebuild);
  GetWindowRect(sticker, &r);
  EXPECT_GT(r.right - r.left, width);
  const int wider = r.right - r.left;

  // 200: a floating window keeps no area of its own, and gets it back.
  Command(sticker, kStickerCommandFloating, kFloatingOn);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.right - r.left, 0);
  Command(sticker, kStickerCommandFloating, kFloatingOff);
  GetWindowRect(sticker, &r);
  EXPECT_EQ(r.right - r.left, wider);
  EXPECT_EQ(r.bottom - r.top, height);

  // A wider window that ends a move where it began writes nothing; the width
  // goes with the next write.
  const auto before = ReadBytes(copy.File(L"base.db"));
  DragWithMouse({r.left + 60, r.top + 30}, {r.left + 60, r.top + 30});
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), before);
  EXPECT_EQ(Saved()[0].width, wider);

  // 103: the window closes; the sticker stays in the store.
  Command(sticker, kStickerCommandClose);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 1);
}

// Font sizes and faces decide the layout: a delivered record that changes
// them shows at once.
TEST_F(StickerWindows, ANewBodyFontSizeShowsAtOnce) {
  HWND sticker = StartOne(Placed(1, 100, 100));
  ASSERT_NE(sticker, nullptr);
  RECT r{};
  GetWindowRect(sticker, &r);
  StickerRecord bigger = Placed(1, 100, 100);
  SetStickerText(bigger, "line one\r\nline two\r\nline three");
  SendCopyData(sticker, kRecordDeliveryTag, &bigger, sizeof(bigger));
  GetWindowRect(sticker, &r);
  const int height = r.bottom - r.top;
  bigger.body.font_size = 24;
  SendCopyData(sticker, kRecordDeliveryTag, &bigger, sizeof(bigger));
  GetWindowRect(sticker, &r);
  EXPECT_GT(r.bottom - r.top, height);
}

TEST_F(StickerWindows, RemoveStickerFromTheMenuFreesTheSlotAndWrites) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  ChooseFromMenu(WindowOf(1), kMenuPlaceRemove);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 1));
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 1 && OnDisk()[0].id == 2; }));
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 1);
}

}  // namespace
