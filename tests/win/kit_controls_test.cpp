// The kit's own dialog controls in this process: the task panel's caption
// bar, heights and change notices, what the containers pass on to their
// parent, the check box and radio button that fit their caption, and the
// colour box. With QUILLORY_GALLERY_DIR set, a window holding each of them
// is also saved as the screen shows it.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/golden_picture_win.h"
#include "win/caption_fitting_win.h"
#include "win/colour_box_win.h"
#include "win/control_page_win.h"
#include "win/dib_picture_win.h"
#include "win/kit_controls_win.h"
#include "win/no_throw.h"
#include "win/panel_colours.h"
#include "win/task_panel_win.h"

namespace {

constexpr wchar_t kParentClass[] = L"KitControlsTestParent";
constexpr int kPanelId = 7, kButtonId = 42, kBoxId = 9;
constexpr int kCaption = 24, kNormal = 150, kPanelWidth = 300;
const auto kBlackBrush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));

struct Command {
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Command&) const = default;
};

Command CommandOf(HWND control, WORD code) {
  return {MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control)};
}

// A dialog-like top-level window in the message font that records every
// WM_COMMAND it gets and can answer WM_CTLCOLORSTATIC with a brush of its own.
class TestParent {
 public:
  TestParent() {
    RegisterKitControls();
    RegisterKitControls();  // a second dialog registers again
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kParentClass;
    RegisterClassExW(&wc);
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_.Reset(CreateFontIndirectW(&metrics.lfMessageFont));
    window_.Reset(CreateWindowExW(0, kParentClass, L"Kit controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 380,
                                  340, nullptr, nullptr, wc.hInstance, this));
  }
  HWND Get() const { return window_.Get(); }
  std::vector<Command>& Commands() { return commands_; }
  void AnswerStaticColourWith(HBRUSH brush) { staticBrush_ = brush; }

  HWND Child(const wchar_t* className, int id, RECT r, DWORD style = 0, const wchar_t* text = L"", HWND in = nullptr) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, in ? in : Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
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
      if (self && self->staticBrush_ && message == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(self->staticBrush_);
      return DefWindowProcW(window, message, wParam, lParam);
    });
  }

  std::vector<Command> commands_;
  HBRUSH staticBrush_ = nullptr;  // not owned
  UniqueFont font_;
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
  void Press(int x, int y) { SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

  TestParent parent;
  HWND panel = nullptr;
};

TEST_F(KitControlsTaskPanel, TakesTheHeightOfEachStateKeepingLeftTopAndWidth) {
  EXPECT_FALSE(PanelCollapsed(panel));
  EXPECT_EQ(RectInParent(panel), Expected(kNormal));
  EXPECT_TRUE(parent.Commands().empty());  // the sizes alone are no change of state
  SetPanelCollapsed(panel, true);
  EXPECT_TRUE(PanelCollapsed(panel));
  EXPECT_EQ(RectInParent(panel), Expected(kCaption));
  SetPanelCollapsed(panel, false);
  EXPECT_EQ(RectInParent(panel), Expected(kNormal));
  EXPECT_TRUE(GetWindowLongPtrW(panel, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(KitControlsTaskPanel, SettingTheSameStateAgainStillSetsTheHeightAndTellsTheParent) {
  SetWindowPos(panel, nullptr, 0, 0, kPanelWidth, 77, SWP_NOMOVE | SWP_NOZORDER);
  SetPanelCollapsed(panel, false);
  EXPECT_EQ(RectInParent(panel), Expected(kNormal));
  SetPanelCollapsed(panel, true);
  SetWindowPos(panel, nullptr, 0, 0, kPanelWidth, 77, SWP_NOMOVE | SWP_NOZORDER);
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
    Press(c.x, c.y);
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
    // Rows 0, 1 and the last two belong to the frame.
    EXPECT_EQ(At(picture, kPanelWidth / 2, 2), GradientRow(top, bottom, 2, kCaption)) << collapsed;
    EXPECT_EQ(At(picture, kPanelWidth / 2, kCaption - 3), GradientRow(top, bottom, kCaption - 3, kCaption));
    const int baseRow = collapsed ? margin : margin + 4, apexRow = collapsed ? margin + 4 : margin;
    EXPECT_EQ(At(picture, baseLeft, baseRow), text) << collapsed;
    EXPECT_NE(At(picture, baseLeft, apexRow), text) << collapsed;
  }
  SetPanelCollapsed(panel, false);
  EXPECT_EQ(At(Printed(panel), kPanelWidth / 2, kNormal / 2), face);
}

// A page holding a panel holding a button: the dialog hears the button and
// the panel as if they were its own, and answers their colour questions.
TEST(KitControlsContainers, PassTheirChildrensNotificationsToTheParentAndItsAnswersBack) {
  TestParent parent;
  parent.AnswerStaticColourWith(kBlackBrush);
  HWND page = parent.Child(kControlPageClass, 1, {0, 0, 360, 300});
  HWND panel = parent.Child(kTaskPanelClass, kPanelId, {10, 10, 310, 200}, 0, L"Panel", page);
  HWND button = parent.Child(L"BUTTON", kButtonId, {10, 40, 110, 64}, BS_PUSHBUTTON, L"Press", panel);
  ASSERT_TRUE(page && panel && button);
  for (HWND container : {page, panel}) {
    EXPECT_TRUE(GetWindowLongPtrW(container, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(SendMessageW(container, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(button)),
              reinterpret_cast<LRESULT>(kBlackBrush));
  }
  SendMessageW(button, BM_CLICK, 0, 0);
  SetPanelCollapsed(panel, true);
  EXPECT_EQ(parent.Commands(), (std::vector<Command>{CommandOf(button, BN_CLICKED), CommandOf(panel, kTaskPanelChanged)}));
}

TEST(KitControlsCaptionFitting, FitsANewCaptionOnceKeepingLeftAndTop) {
  TestParent parent;
  const std::pair<const wchar_t*, DWORD> kinds[] = {{kCheckBoxClass, BS_AUTOCHECKBOX},
                                                    {kRadioButtonClass, BS_AUTORADIOBUTTON}};
  for (const auto& [className, style] : kinds) {
    HWND control = parent.Child(className, kButtonId, {20, 30, 30, 40}, style | WS_TABSTOP);
    ASSERT_TRUE(control);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
    ScopedGetDC screen(nullptr);
    ScopedSelectObject selected(screen.Get(), font);
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
    EXPECT_EQ(longer[0], 20);
    EXPECT_EQ(longer[1], 30);
    SetWindowPos(control, nullptr, 5, 6, 50, 50, SWP_NOZORDER);
    SetWindowTextW(control, L"A much longer caption");
    EXPECT_EQ(RectInParent(control), (Edges{5, 6, 55, 56}));
    DestroyWindow(control);
  }
}

TEST(KitControlsColourBox, ShowsTheColourItIsGivenWithoutTellingTheParent) {
  TestParent parent;
  HWND box = parent.Child(kColourBoxClass, kBoxId, {10, 10, 50, 32}, WS_TABSTOP);
  ASSERT_TRUE(box);
  for (COLORREF colour : {RGB(10, 200, 30), RGB(250, 0, 128)}) {
    SetBoxColour(box, colour);
    EXPECT_EQ(BoxColour(box), colour);
    EXPECT_EQ(At(Printed(box), 20, 11), colour);
  }
  EXPECT_EQ(BoxColour(parent.Get()), RGB(255, 255, 255));  // not a colour box: no state to read
  const COLORREF sunken = At(Printed(box), 1, 1);
  EnableWindow(box, FALSE);
  EXPECT_NE(At(Printed(box), 1, 1), sunken);  // the edge greys
  EXPECT_TRUE(parent.Commands().empty());
}

// The window's client area as the screen shows it.
Picture32 OnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  DibPicture32 shot(r.right - r.left, r.bottom - r.top);
  {
    ScopedGetDC screen(nullptr);
    DibDrawingContext dc(shot.Bitmap());
    BitBlt(dc.Get(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
  }
  Picture32 opaque(shot.Width(), shot.Height());
  for (int y = 0; y < opaque.Height(); ++y)
    for (int x = 0; x < opaque.Width(); ++x) {
      opaque.At(x, y) = shot.View().At(x, y);
      opaque.At(x, y).a = 255;
    }
  return opaque;
}

TEST(KitControlsGallery, EachControlOnADialog) {
  const std::wstring folder = FolderFromEnvironment("QUILLORY_GALLERY_DIR");
  if (folder.empty()) GTEST_SKIP() << "QUILLORY_GALLERY_DIR names the folder for the gallery";
  TestParent parent;
  HWND folded = parent.Child(kTaskPanelClass, 1, {12, 12, 352, 100}, 0, L"Reminders");
  TaskPanelSetup(folded, kCaption, 120);
  SetPanelCollapsed(folded, true);
  HWND open = parent.Child(kTaskPanelClass, 2, {12, 46, 352, 100}, 0, L"Appearance");
  TaskPanelSetup(open, kCaption, 150);
  SetWindowTextW(parent.Child(kCheckBoxClass, 3, {14, 36, 20, 20}, BS_AUTOCHECKBOX, L"", open), L"Show the date line");
  SetWindowTextW(parent.Child(kRadioButtonClass, 4, {14, 62, 20, 20}, BS_AUTORADIOBUTTON, L"", open), L"Left");
  SetWindowTextW(parent.Child(kRadioButtonClass, 5, {14, 86, 20, 20}, BS_AUTORADIOBUTTON, L"", open), L"Right");
  parent.Child(L"STATIC", 6, {14, 116, 60, 132}, 0, L"Colour:", open);
  SetBoxColour(parent.Child(kColourBoxClass, 7, {80, 112, 120, 134}, WS_TABSTOP, L"", open), RGB(240, 200, 80));
  SendMessageW(GetDlgItem(open, 3), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(GetDlgItem(open, 4), BM_SETCHECK, BST_CHECKED, 0);
  ShowWindow(parent.Get(), SW_SHOW);
  SetForegroundWindow(parent.Get());
  SetFocus(GetDlgItem(open, 7));
  for (int i = 0; i < 10; ++i, Sleep(30)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  EXPECT_TRUE(SavePng(OnScreen(parent.Get()), folder + L"kit_controls.png"));
}

}  // namespace
