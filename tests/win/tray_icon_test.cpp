// The tray icon component in the test's own process: its tip rule, balloons,
// and the order in which a gesture restores, opens the menu and fires.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tray_icon_win.h"
#include "support/wait_win.h"

namespace {

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tray.Create());
    tray.SetEnabled(true);
  }
  TTrayIconAdv tray{nullptr, LoadIconW(nullptr, IDI_APPLICATION)};
};

TEST_F(TrayIconTest, ATipOfSixtyFourCharactersOrMoreIsRefused) {
  tray.SetHint(L"Quillory\r\nv2.2");
  EXPECT_EQ(tray.Hint(), L"Quillory\r\nv2.2");
  tray.SetHint(std::wstring(64, L'x'));
  EXPECT_EQ(tray.Hint(), L"Quillory\r\nv2.2");
  tray.SetHint(std::wstring(63, L'y'));
  EXPECT_EQ(tray.Hint(), std::wstring(63, L'y'));
}

TEST_F(TrayIconTest, GesturesRestoreThenOpenTheMenuThenFireTheirEvent) {
  std::vector<std::string> seen;
  tray.onRestoreApp = [&] { seen.push_back("restore"); };
  tray.onLeftButtonDoubleClick = [&] { seen.push_back("double click"); };
  tray.SetPopupMenu([&](POINT) { seen.push_back("menu"); });
  for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}) {
    SendMessageW(tray.Handle(), kTrayCallbackMessage, 1, mouse);
    DispatchPending();
  }
  EXPECT_TRUE(seen.empty());
  SendMessageW(tray.Handle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  SendMessageW(tray.Handle(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
  EXPECT_EQ(seen, (std::vector<std::string>{"restore", "double click", "menu"}));
  seen.clear();
  tray.popupMenuOn = ticLeftDblClick;  // one gesture may do all three
  SendMessageW(tray.Handle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  EXPECT_EQ(seen, (std::vector<std::string>{"restore", "menu", "double click"}));
}

TEST_F(TrayIconTest, ABalloonIsShownByAShellOfVersionFiveOrLater) {
  EXPECT_TRUE(tray.ShowBalloon(L"Quillory", std::wstring(400, L'z'), NIIF_NONE));  // a long text is cut, not refused
  EXPECT_EQ(SendMessageW(tray.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(tray.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(tray.Enabled());
}

}  // namespace
