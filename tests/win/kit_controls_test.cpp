// The kit's own dialog controls in this process: the task panel's caption
// bar, heights and change notices, what the containers pass on to their
// parent, the check box and radio button that fit their caption, and the
// colour box with its chooser. With QUILLORY_GALLERY_DIR set, a window
// holding each of them is also saved as the screen shows it.

#include <gtest/gtest.h>

#include <colordlg.h>

#include <array>
#include <optional>
#include <thread>
#include <vector>

#include "support/golden_picture_win.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"
#include "win/caption_fitting_win.h"
#include "win/colour_box_win.h"
#include "win/control_page_win.h"
#include "win/dib_picture_win.h"
#include "win/kit_class_win.h"
#include "win/kit_controls_win.h"
#include "pixels/panel_colours.h"
#include "win/task_panel_win.h"

namespace {

constexpr int kPanelId = 7, kButtonId = 42, kBoxId = 9;
constexpr int kCaption = 24, kNormal = 150, kPanelWidth = 300;
const auto kBlackBrush = reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));

struct Command {
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Command&) const = default;
};

Command CommandOf(HWND control, WORD code) {
  return {MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control)};
}

// A dialog-like window that records every WM_COMMAND it gets and colours the
// control kButtonId black, so a test sees both reach it.
class TestParent {
 public:
  TestParent() {
    RegisterKitControls();
    RegisterKitControls();  // as each dialog does
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KitControlsTestParent";
    RegisterClassExW(&wc);
    window_.Reset(CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 380, 340,
                                  nullptr, nullptr, wc.hInstance, this));
  }
  HWND Get() const { return window_.Get(); }
  const std::vector<Command>& Commands() const { return commands_; }

  HWND Child(const wchar_t* className, int id, RECT r, DWORD style = 0, const wchar_t* text = L"", HWND in = nullptr) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, in ? in : Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return NoThrow<LRESULT>(0, [&]() -> LRESULT {
      if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      auto* self = reinterpret_cast<TestParent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      if (self && message == WM_COMMAND) self->commands_.push_back({wParam, lParam});
      if (message == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kButtonId) return kBlackBrush;
      return DefWindowProcW(window, message, wParam, lParam);
    });
  }

  std::vector<Command> commands_;
  UniqueWindow window_;  // last, so that it goes first
};

using Edges = std::array<LONG, 4>;  // left, top, right, bottom

Edges RectInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

// The control as it paints itself, into a picture of its size.
DibPicture32 Printed(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  DibPicture32 picture(r.right, r.bottom);
  DibDrawingContext dc(picture.Bitmap());
  SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  GdiFlush();
  return picture;
}

COLORREF At(const DibPicture32& picture, int x, int y) {
  const Pixel32 p = picture.View().At(x, y);
  return RGB(p.r, p.g, p.b);
}

class KitControlsTaskPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = parent.Child(kTaskPanelClass, kPanelId, {10, 10, 10 + kPanelWidth, 100}, 0, L"Appearance");
    ASSERT_TRUE(panel);
    TaskPanelSetup(panel, kCaption, kNormal);
  }
  Edges Expected(int height) const { return {10, 10, 10 + kPanelWidth, 10 + height}; }
  void Resize(int height) { SetWindowPos(panel, nullptr, 0, 0, kPanelWidth, height, SWP_NOMOVE | SWP_NOZORDER); }

  TestParent parent;
  HWND panel = nullptr;
};

TEST_F(KitControlsTaskPanel, SettingTheSameStateAgainStillSetsTheHeightAndTellsTheParent) {
  EXPECT_EQ(RectInParent(panel), Expected(kNormal));  // the sizes alone: no notice
  EXPECT_TRUE(parent.Commands().empty());
  Resize(77);
  SetPanelCollapsed(panel, false);
  EXPECT_EQ(RectInParent(panel), Expected(kNormal));
  SetPanelCollapsed(panel, true);
  Resize(77);
  SetPanelCollapsed(panel, true);
  EXPECT_EQ(RectInParent(panel), Expected(kCaption));
  EXPECT_EQ(parent.Commands(), std::vector<Command>(3, CommandOf(panel, kTaskPanelChanged)));
}

TEST_F(KitControlsTaskPanel, OnlyAPressStrictlyInsideTheCaptionBarToggles) {
  struct Case { int x, y; bool toggles; };
  const Case cases[] = {{5, 0, false}, {0, 5, false}, {1, 1, true},  {kPanelWidth - 1, 5, true},
                        {5, kCaption - 1, true}, {5, kCaption, false}, {kPanelWidth, 5, false}};
  bool collapsed = false;
  std::size_t notices = 0;
  for (const Case& c : cases) {
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    collapsed ^= c.toggles;
    notices += c.toggles;
    EXPECT_EQ(PanelCollapsed(panel), collapsed) << c.x << "," << c.y;
    EXPECT_EQ(parent.Commands().size(), notices) << c.x << "," << c.y;
    EXPECT_EQ(RectInParent(panel), Expected(collapsed ? kCaption : kNormal)) << c.x << "," << c.y;
  }
}

TEST_F(KitControlsTaskPanel, PaintsAGradientBarAndAnArrowPointingWhereThePanelWillGo) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF top = Darkened(face, 60), bottom = Lightened(face, 60);
  const int margin = (kCaption - 4) / 2, baseLeft = kPanelWidth - margin - 7;  // inside the arrow's base
  for (bool collapsed : {false, true}) {
    SetPanelCollapsed(panel, collapsed);
    const DibPicture32 picture = Printed(panel);
    for (int row : {2, kCaption - 3})  // the outer two rows on each side are the frame's
      EXPECT_EQ(At(picture, kPanelWidth / 2, row), GradientRow(top, bottom, row, kCaption)) << row;
    EXPECT_EQ(At(picture, baseLeft, collapsed ? margin : margin + 4), text) << collapsed;
    EXPECT_NE(At(picture, baseLeft, collapsed ? margin + 4 : margin), text) << collapsed;
  }
  SetPanelCollapsed(panel, false);
  EXPECT_EQ(At(Printed(panel), kPanelWidth / 2, kNormal / 2), face);
}

// A page holding a panel holding a button: the dialog hears the button and
// the panel as if they were its own, and answers their colour questions.
TEST(KitControlsContainers, PassTheirChildrensNotificationsToTheParentAndItsAnswersBack) {
  TestParent parent;
  HWND page = parent.Child(kControlPageClass, 1, {0, 0, 360, 300});
  HWND panel = parent.Child(kTaskPanelClass, kPanelId, {10, 10, 310, 200}, 0, L"Panel", page);
  HWND button = parent.Child(L"BUTTON", kButtonId, {10, 40, 110, 64}, BS_PUSHBUTTON, L"Press", panel);
  ASSERT_TRUE(page && panel && button);
  for (HWND container : {page, panel}) {
    EXPECT_TRUE(GetWindowLongPtrW(container, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(SendMessageW(container, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(button)), kBlackBrush);
  }
  SendMessageW(button, BM_CLICK, 0, 0);
  SetPanelCollapsed(panel, true);
  EXPECT_EQ(parent.Commands(),
            (std::vector<Command>{CommandOf(button, BN_CLICKED), CommandOf(panel, kTaskPanelChanged)}));
}

TEST(KitControlsCaptionFitting, FitsANewCaptionOnceKeepingLeftAndTop) {
  TestParent parent;
  for (const auto& [className, style] :
       {std::pair{kCheckBoxClass, BS_AUTOCHECKBOX}, {kRadioButtonClass, BS_AUTORADIOBUTTON}}) {
    HWND control = parent.Child(className, kButtonId, {20, 30, 30, 40}, style | WS_TABSTOP);
    ASSERT_TRUE(control);
    ScopedGetDC screen(nullptr);
    ScopedSelectObject font(screen.Get(), GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), L"Short", 5, &extent);
    SetWindowTextW(control, L"Short");
    const Edges fitted{20, 30, 20 + extent.cx + 4 * GetSystemMetrics(SM_CXBORDER) + 24,
                       30 + extent.cy + 4 * GetSystemMetrics(SM_CYBORDER)};
    EXPECT_EQ(RectInParent(control), fitted);
    SetWindowTextW(control, L"A much longer caption");
    EXPECT_EQ(WindowText(control), L"A much longer caption");
    const Edges longer = RectInParent(control);
    EXPECT_GT(longer[2], fitted[2]);
    EXPECT_EQ((Edges{longer[0], longer[1]}), (Edges{20, 30}));
    SetWindowPos(control, nullptr, 5, 6, 50, 50, SWP_NOZORDER);
    SetWindowTextW(control, L"A much longer caption");
    EXPECT_EQ(RectInParent(control), (Edges{5, 6, 55, 56}));
    DestroyWindow(control);
  }
}

// Waits on another thread for this process's colour chooser, types `colour`
// into it when given, presses OK and notes the chooser's owner.
std::thread AnswerChooser(std::optional<COLORREF> colour, HWND& owner) {
  return std::thread([colour, &owner] {
    std::vector<HWND> found;
    if (!Eventually([&] { return !(found = TopLevelWindows({L"#32770", GetCurrentProcessId(), true})).empty(); }))
      return;
    owner = GetWindow(found[0], GW_OWNER);
    if (colour)
      for (const auto& [edit, value] : {std::pair{COLOR_RED, GetRValue(*colour)}, {COLOR_GREEN, GetGValue(*colour)},
                                        {COLOR_BLUE, GetBValue(*colour)}})
        SetDlgItemInt(found[0], edit, value, FALSE);
    PostMessageW(found[0], WM_COMMAND, IDOK, 0);
  });
}

TEST(KitControlsColourBox, ShowsItsColourAndTakesOnlyAnotherOneFromTheChooser) {
  TestParent parent;
  HWND box = parent.Child(kColourBoxClass, kBoxId, {10, 10, 50, 32}, WS_TABSTOP);
  for (COLORREF colour : {RGB(250, 0, 128), RGB(10, 20, 30)}) {
    SetBoxColour(box, colour);
    EXPECT_EQ(BoxColour(box), colour);
    EXPECT_EQ(At(Printed(box), 20, 11), colour);
  }
  EXPECT_TRUE(parent.Commands().empty());  // set by the program: nobody is told
  const std::pair<WPARAM, std::optional<COLORREF>> answers[] = {{VK_SPACE, RGB(200, 100, 50)},
                                                                {VK_RETURN, std::nullopt}};
  for (const auto& [key, typed] : answers) {
    HWND owner = nullptr;
    std::thread answer = AnswerChooser(typed, owner);
    SendMessageW(box, WM_KEYDOWN, key, 0);
    answer.join();
    EXPECT_EQ(owner, parent.Get());
    EXPECT_EQ(BoxColour(box), RGB(200, 100, 50));
    // OK on the colour the box has already is no news.
    EXPECT_EQ(parent.Commands(), std::vector<Command>(1, CommandOf(box, kColourBoxChanged)));
  }
  const COLORREF sunken = At(Printed(box), 1, 1);
  EnableWindow(box, FALSE);
  EXPECT_NE(At(Printed(box), 1, 1), sunken);  // the edge greys
}

// The window's client area as the screen shows it.
Picture32 OnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return SettledScreenPicture(r);
}

TEST(KitControlsGallery, EachControlOnADialog) {
  const std::wstring folder = FolderFromEnvironment("QUILLORY_GALLERY_DIR");
  if (folder.empty()) GTEST_SKIP() << "QUILLORY_GALLERY_DIR names the folder for the gallery";
  TestParent parent;
  SetPanelCollapsed(parent.Child(kTaskPanelClass, 1, {12, 12, 352, 100}, 0, L"Reminders"), true);
  HWND open = parent.Child(kTaskPanelClass, 2, {12, 46, 352, 100}, 0, L"Appearance");
  TaskPanelSetup(open, kCaption, kNormal);
  struct Row { const wchar_t* className; RECT r; DWORD style; const wchar_t* caption; };
  const Row rows[] = {{kCheckBoxClass, {14, 36, 20, 20}, BS_AUTOCHECKBOX, L"Show the date line"},
                      {kRadioButtonClass, {14, 62, 20, 20}, BS_AUTORADIOBUTTON, L"Left"},
                      {kRadioButtonClass, {14, 86, 20, 20}, BS_AUTORADIOBUTTON, L"Right"},
                      {L"STATIC", {14, 116, 60, 132}, 0, L"Colour:"},
                      {kColourBoxClass, {80, 112, 120, 134}, WS_TABSTOP, L""}};
  for (int i = 0; const Row& row : rows)
    SetWindowTextW(parent.Child(row.className, ++i, row.r, row.style, L"", open), row.caption);
  for (int checked : {1, 2}) SendMessageW(GetDlgItem(open, checked), BM_SETCHECK, BST_CHECKED, 0);
  SetBoxColour(GetDlgItem(open, 5), RGB(240, 200, 80));
  ShowWindow(parent.Get(), SW_SHOW);
  SetForegroundWindow(parent.Get());
  SetFocus(GetDlgItem(open, 5));
  DispatchPending();
  EXPECT_TRUE(SavePng(OnScreen(parent.Get()), folder + L"kit_controls.png"));
}

}  // namespace
