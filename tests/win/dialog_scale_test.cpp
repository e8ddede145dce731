// Dialogs at display scales other than 100 %: the control table, the frame
// and the fonts grow together, at creation and when the dialog moves to a
// monitor of another scale.

#include <gtest/gtest.h>

#include <windows.h>

#include "lang/tmui.h"
#include "support/dialog_fit_win.h"
#include "win/caption_fitting_win.h"
#include "win/dialog_base_win.h"

namespace {

TEST(ControlRectAtDpi, ScalesEdgesSoNeighboursStillTouch) {
  const ControlRow left{L"A", 1, L"BUTTON", 8, 8, 75, 25, 0, kNoText, nullptr};
  const ControlRow right{L"B", 2, L"BUTTON", 83, 8, 75, 25, 0, kNoText, nullptr};
  struct Case {
    int dpi;
    RECT expected;
  };
  const Case cases[] = {
      {96, {8, 8, 83, 33}}, {144, {12, 12, 125, 50}}, {192, {16, 16, 166, 66}}, {120, {10, 10, 104, 41}}};
  for (const Case& c : cases) {
    const RECT r = ControlRectAtDpi(left, c.dpi);
    EXPECT_EQ(r.left, c.expected.left) << c.dpi;
    EXPECT_EQ(r.top, c.expected.top) << c.dpi;
    EXPECT_EQ(r.right, c.expected.right) << c.dpi;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.dpi;
    EXPECT_EQ(ControlRectAtDpi(right, c.dpi).left, r.right) << "a gap opened at " << c.dpi;
  }
}

constexpr int kPage = 10, kCheck = 11, kOk = IDOK;
constexpr ControlRow kControls[] = {
    {L"Page", kPage, L"ControlPage", 4, 4, 192, 60, 0, kNoText, nullptr},
    {L"Check", kCheck, kCheckBoxClass, 8, 8, 60, 17, BS_AUTOCHECKBOX | WS_TABSTOP, kNoText, nullptr, kPage},
    {L"BOK", kOk, L"BUTTON", 117, 70, 75, 25, BS_DEFPUSHBUTTON | WS_TABSTOP, kNoText, nullptr},
};
constexpr int kClientWidth = 200, kClientHeight = 100;

class ScaledForm final : public DialogBase {
 public:
  explicit ScaledForm(TextSource& texts) : DialogBase(texts, kControls) {}
  bool Create() {
    return DialogBase::Create(
        {.className = L"QuilloryTestScaledForm", .clientWidth = kClientWidth, .clientHeight = kClientHeight});
  }
  int changes = 0;

 protected:
  void OnDpiChanged() override { ++changes; }
};

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

class DialogScaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Create());
    dpi = form.Dpi();
  }
  RECT Rect(int id) const { return RectIn(form.Handle(), form.Control(id)); }

  TMUI texts;
  ScaledForm form{texts};
  int dpi = 0;
};

TEST_F(DialogScaleTest, IsMadeAtTheScaleOfItsMonitor) {
  EXPECT_EQ(dpi, DialogDpiOf(form.Control(kCheck)));
  const SIZE client = ClientSize(form.Handle());
  EXPECT_EQ(client.cx, MulDiv(kClientWidth, dpi, 96));
  EXPECT_EQ(client.cy, MulDiv(kClientHeight, dpi, 96));
  EXPECT_EQ(Rect(kOk).left, MulDiv(117, dpi, 96));
}

TEST_F(DialogScaleTest, AMoveToAnotherScaleGrowsTheDialogItsControlsAndItsFont) {
  const SIZE client = ClientSize(form.Handle());
  const RECT ok = Rect(kOk), check = Rect(kCheck);
  const int font = FontHeight(form.Control(kOk));
  const int to = dpi * 3 / 2;
  form.SetControlText(kCheck, L"A caption longer than its row");
  const int checkWidth = check.right - check.left;
  const int grownCheckWidth = Rect(kCheck).right - Rect(kCheck).left;
  ASSERT_GT(grownCheckWidth, checkWidth);  // fitted to the caption

  MoveToDpi(form.Handle(), dpi, to);

  EXPECT_EQ(form.Dpi(), to);
  EXPECT_EQ(form.changes, 1);
  EXPECT_EQ(DialogDpiOf(form.Control(kCheck)), to);
  const SIZE grown = ClientSize(form.Handle());
  EXPECT_NEAR(grown.cx, client.cx * 3 / 2, 1);
  EXPECT_NEAR(grown.cy, client.cy * 3 / 2, 1);
  const RECT movedOk = Rect(kOk);
  EXPECT_NEAR(movedOk.left, ok.left * 3 / 2, 1);
  EXPECT_NEAR(movedOk.top, ok.top * 3 / 2, 1);
  EXPECT_NEAR(movedOk.right - movedOk.left, (ok.right - ok.left) * 3 / 2, 1);
  EXPECT_NEAR(movedOk.bottom - movedOk.top, (ok.bottom - ok.top) * 3 / 2, 1);
  // Inside its page, which moved too.
  EXPECT_NEAR(Rect(kCheck).top, check.top * 3 / 2, 1);
  EXPECT_NEAR(FontHeight(form.Control(kOk)), font * 3 / 2, 1);
  EXPECT_EQ(SendMessageW(form.Control(kCheck), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(form.Font()));
  // The fitted check box measured its caption again in the larger font.
  EXPECT_GT(Rect(kCheck).right - Rect(kCheck).left, grownCheckWidth * 5 / 4);
  EXPECT_TRUE(ControlsThatDoNotFit(form.Handle()).empty());
}

TEST_F(DialogScaleTest, MovingBackGivesTheFirstLayoutAgain) {
  const SIZE client = ClientSize(form.Handle());
  const RECT ok = Rect(kOk);
  MoveToDpi(form.Handle(), dpi, dpi * 2);
  MoveToDpi(form.Handle(), dpi * 2, dpi);
  EXPECT_NEAR(ClientSize(form.Handle()).cx, client.cx, 2);
  const RECT back = Rect(kOk);
  EXPECT_EQ(back.left, ok.left);
  EXPECT_EQ(back.right, ok.right);
  EXPECT_EQ(back.bottom, ok.bottom);
}

}  // namespace
