// A calendar sticker in a running Quillory.exe takes the week-day names of
// the language in use: choosing another language in the tray menu redraws it
// and sizes it anew.

#include <gtest/gtest.h>

#include <windows.h>

#include "support/golden_picture_win.h"
#include "support/same_pictures.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

constexpr UINT kTrayCallbackMessage = 1124;

class CalendarSticker : public StickerProgram {};

// What the screen shows of the window.
Picture32 Shot(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SettledScreenPicture(r);
}

TEST_F(CalendarSticker, ALanguageChangeRedrawsItWithTheNewNames) {
  WriteText(copy.File(L"config.txt"),
            "[Base]\r\nportable=yes\r\n[Language]\r\nDefualtLanguageEng=1\r\nDefualtLanguageRus=0\r\n");
  StickerRecord calendar = Placed(1, 500, 300);  // clear of the tray menu
  calendar.style = 12;  // a title-bar style: the calendar alone sizes it
  SetStickerText(calendar, "[12.2026/vw]");  // the week-day column is as wide as the widest name
  HWND sticker = StartOne(calendar);
  ASSERT_NE(sticker, nullptr);
  const Picture32 english = Shot(sticker);
  const int englishWidth = english.Width();

  PostMessageW(TopLevelWindows({L"TTrayIconAdv", Pid()}).front(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
  ASSERT_TRUE(WaitForMenuKeys(Pid()));
  for (WORD key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_UP, VK_RETURN}) PressKeys({key});  // Language > Russian
  ASSERT_TRUE(Eventually([&] { return TopLevelWindows({L"#32768", Pid(), true}).empty(); }));
  EXPECT_TRUE(Eventually([&] { return !SamePixels(Shot(sticker), english); }));
  EXPECT_TRUE(Eventually([&] { return Shot(sticker).Width() < englishWidth; }));  // "Wed" is wider than "Ср"
}

}  // namespace
