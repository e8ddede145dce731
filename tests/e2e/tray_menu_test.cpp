// The tray icon and its menu, driven as a user drives them: the menu opened
// by the icon's message and walked with the keyboard, the confirmation
// answered by its buttons.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/tray_icon_win.h"
#include "manager/manager_form_win.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

class TrayMenu : public StickerProgram {
 protected:
  // The menu as the icon opens it on a right click.
  bool OpenMenu() {
    PostMessageW(Tray(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
    return WaitForMenuKeys(Pid());
  }
  bool MenuClosed() {
    return Eventually([&] { return TopLevelWindows({L"#32768", Pid(), true}).empty(); });
  }
  // "Remove all stickers", answered with the dialog's button of that id.
  void RemoveAll(int answer) {
    ASSERT_TRUE(OpenMenu());
    PressKeys({VK_UP});  // from the bottom: Close, then Action
    PressKeys({VK_UP});
    PressKeys({VK_RIGHT});  // Show all
    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    HWND dialog = ShownWindow(L"TFormDialog");
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(dialog); }));
  }
};

TEST_F(TrayMenu, TheIconWindowOutlivesAShellRestartAndItsMenuOpensAndCloses) {
  Start({});
  ASSERT_NE(Tray(), nullptr);
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
  ASSERT_NE(Tray(), nullptr);
  ASSERT_TRUE(OpenMenu());
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(MenuClosed());
  EXPECT_EQ(program->SendUserCommand(kUserVersionProbe), kVersionProbeAnswer);
}

TEST_F(TrayMenu, AStackingPositionChosenForOneStickerMovesItsWindowAndIsWritten) {
  Start({Placed(1, 100, 100), Placed(2, 150, 150)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  HWND first = WindowOf(1), second = WindowOf(2);
  ASSERT_TRUE(OpenMenu());
  for (int i = 0; i < 4; ++i) PressKeys({VK_DOWN});  // New sticker, Language, Chordix, Stickers
  PressKeys({VK_RIGHT});                             // the first sticker
  PressKeys({VK_RIGHT});                             // its Topmost item
  PressKeys({VK_DOWN});
  PressKeys({VK_DOWN});  // Stay behind all windows
  PressKeys({VK_RETURN});
  EXPECT_TRUE(Eventually([&] { return OnDisk().size() == 2 && OnDisk()[0].position == kPositionBottom; }));
  EXPECT_EQ(OnDisk()[1].position, kPositionNormal);
  // Behind the other sticker now, and out of the topmost band.
  bool below = false;
  for (HWND w = GetWindow(second, GW_HWNDNEXT); w && !below; w = GetWindow(w, GW_HWNDNEXT)) below = w == first;
  EXPECT_TRUE(below);
  EXPECT_FALSE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(TrayMenu, RemoveAllAsksFirstAndOnlyOkRemovesAndTheManagerFollows) {
  Start({Placed(1, 100, 100), Placed(2, 400, 100), Placed(3, 500, 100, false)});
  ASSERT_TRUE(WaitForStickerWindows(Pid(), 2));
  Instance(kInstanceShowManager, kInstanceShowManager);
  HWND list = ControlById(ShownWindow(L"TFormManager"), TFormManager::kStickerGrid);
  const auto rows = [&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); };
  ASSERT_EQ(rows(), 3);
  const auto before = ReadBytes(copy.File(L"base.db"));
  RemoveAll(IDCANCEL);
  EXPECT_EQ(ReadBytes(copy.File(L"base.db")), before);
  EXPECT_EQ(StickerWindowsOf(Pid()).size(), 2u);
  RemoveAll(IDOK);
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));
  EXPECT_TRUE(Eventually([&] { return ReadBytes(copy.File(L"base.db")).empty(); }));
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), 0);
  EXPECT_TRUE(Eventually([&] { return rows() == 0; })) << rows();
}

TEST_F(TrayMenu, ALanguageFileChosenFromTheMenuIsKeptInTheConfiguration) {
  Start({});
  ASSERT_TRUE(OpenMenu());
  PressKeys({VK_DOWN});
  PressKeys({VK_DOWN});   // Language
  PressKeys({VK_RIGHT});  // the language file listed last stands first
  PressKeys({VK_RETURN});
  EXPECT_TRUE(MenuClosed());
  ASSERT_TRUE(program->Close());
  program.reset();
  const std::string config = ReadText(copy.File(L"config.txt"));
  EXPECT_NE(config.find("DefualtLanguageEng=0"), std::string::npos) << config;
  EXPECT_NE(config.find("DefualtLanguageRus=0"), std::string::npos) << config;
  EXPECT_NE(config.find(".lng"), std::string::npos) << config;
}

TEST_F(TrayMenu, AboutOpensTheCard) {
  Start({});
  ASSERT_TRUE(OpenMenu());
  for (int i = 0; i < 3; ++i) PressKeys({VK_UP});  // Close, Action, About
  PressKeys({VK_RETURN});
  EXPECT_TRUE(Eventually([&] { return !TopLevelWindows({L"TAboutForm", Pid(), true}).empty(); }));
}

}  // namespace
