// The About window in this process, with the built program's pictures: where
// it shows, how its close button answers the mouse, what its links open, and
// that the right button does nothing. With QUILLORY_GALLERY_DIR set, the card
// is also saved as composed and as the screen shows it.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "lang/tmui.h"
#include "manager/about_form_win.h"
#include "support/golden_picture_win.h"
#include "support/sticker_artwork_win.h"
#include "support/wait_win.h"

namespace {

constexpr int kCardWidth = 342, kCardHeight = 224;
constexpr RECT kButtonPixels{262, 6, 262 + 59, 6 + 34};
constexpr POINT kOnButton{290, 20}, kOnWeb{150, 130}, kOnMail{100, 142}, kOnCard{20, 200};
constexpr wchar_t kWebHint[] = L"https://www.quillory.example.com", kMailHint[] = L"help@quillory.example.com";
constexpr wchar_t kTestKey[] = L"Software\\Quillory tests";

struct Opened {
  std::wstring file, parameters;
  bool operator==(const Opened&) const = default;
};

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// HKEY_CLASSES_ROOT of this process only, so a test says which browser the
// system names for web pages.
class PrivateClassesRoot {
 public:
  PrivateClassesRoot() {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    key_.Reset(key);
    ready_ = key_ && RegOverridePredefKey(HKEY_CLASSES_ROOT, key) == ERROR_SUCCESS;
  }
  ~PrivateClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    key_.Reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  }
  bool Ready() const { return ready_; }
  bool SetBrowserCommand(const std::wstring& command) {
    const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(key_.Get(), L"htmlfile\\shell\\open\\command", nullptr, REG_SZ, command.c_str(), bytes) ==
           ERROR_SUCCESS;
  }

 private:
  UniqueKey key_;
  bool ready_ = false;
};

// The tooltip the card owns: shown or not, and its text.
std::pair<bool, std::wstring> HintOf(HWND card) {
  std::pair<HWND, HWND> search{card, nullptr};  // owner, tooltip
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<std::pair<HWND, HWND>*>(context);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == s->first) s->second = window;
        return !s->second;
      },
      reinterpret_cast<LPARAM>(&search));
  wchar_t text[256] = {};
  TTTOOLINFOW tool{TTTOOLINFOW_V1_SIZE};
  tool.lpszText = text;
  SendMessageW(search.second, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
  return {search.second && IsWindowVisible(search.second), text};
}

bool CursorIs(const wchar_t* shape) { return GetCursor() == LoadCursorW(nullptr, shape); }

// Pixels of the screen that are not the straight-alpha picture laid over what
// was beneath it, each channel c * a + under * (255 - a), within rounding.
int PixelsNotShownAsComposed(const Picture32& composed, const Picture32& beneath, const Picture32& shown) {
  int wrong = 0;
  for (int y = 0; y < composed.Height(); ++y)
    for (int x = 0; x < composed.Width(); ++x) {
      const Pixel32 c = composed.At(x, y), under = beneath.At(x, y), s = shown.At(x, y);
      const auto off = [&](int top, int bottom, int screen) {
        return std::abs((top * c.a + bottom * (255 - c.a)) / 255 - screen) > 3;
      };
      wrong += off(c.b, under.b, s.b) || off(c.g, under.g, s.g) || off(c.r, under.r, s.r);
    }
  return wrong;
}

// One card for the whole suite, as the program keeps one: each test starts
// with Show(), and the links it would open are recorded instead.
class AboutForm : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    form_ = std::make_unique<TAboutForm>(texts_, BuiltArtwork::Get().Module(),
                                         [](const std::wstring& file, const std::wstring& parameters) {
                                           opened_.push_back({file, parameters});
                                         });
    createFailure_ = form_->Create();
    hiddenAfterCreate_ = !IsWindowVisible(form_->Handle());
  }
  static void TearDownTestSuite() {
    form_.reset();
    texts_.ApplyBuiltin(BuiltinLanguage::kEnglish);
  }
  void SetUp() override {
    ASSERT_EQ(createFailure_, L"") << "QUILLORY_PROGRAM_DIR must name the built program folder";
    card_ = form_->Handle();
    opened_.clear();
    form_->Show();
  }

  void Send(UINT message, POINT p) { SendMessageW(card_, message, 0, MAKELPARAM(p.x, p.y)); }
  // The real pointer onto a point of the card, until the card shows it has
  // seen it there.
  template <typename Seen>
  void PointAt(POINT p, Seen seen) {
    SetCursorPos(WindowRect(card_).left + p.x, WindowRect(card_).top + p.y);
    Eventually(seen);
  }

  static inline TMUI texts_;
  static inline std::unique_ptr<TAboutForm> form_;
  static inline std::wstring createFailure_;
  static inline bool hiddenAfterCreate_ = false;
  static inline std::vector<Opened> opened_;
  HWND card_ = nullptr;
};

TEST_F(AboutForm, ShowsAsALayeredCardCentredInTheWorkArea) {
  EXPECT_TRUE(hiddenAfterCreate_);
  ASSERT_TRUE(IsWindowVisible(card_));
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT r = WindowRect(card_);
  EXPECT_EQ(r.right - r.left, kCardWidth);
  EXPECT_EQ(r.bottom - r.top, kCardHeight);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - kCardWidth) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - kCardHeight) / 2);
  EXPECT_EQ(GetWindowLongW(card_, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
  EXPECT_TRUE((GetWindowLongW(card_, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW)) ==
              (WS_EX_LAYERED | WS_EX_TOOLWINDOW));
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kNormal);


  if (const std::wstring gallery = FolderFromEnvironment("QUILLORY_GALLERY_DIR"); !gallery.empty()) {
    PointAt(kOnButton, [] { return form_->DrawnLook() == ButtonLook::kOver; });
    EXPECT_TRUE(SavePng(form_->Composite(), gallery + L"about_card.png"));
    PointAt(kOnWeb, [] { return form_->DrawnLook() == ButtonLook::kNormal; });
    EXPECT_TRUE(SavePng(SettledScreenPicture({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}),
                        gallery + L"about_screen.png"));
  }
}

TEST_F(AboutForm, TheCloseButtonFollowsTheMouseAndAClickOnlyHides) {
  const Picture32 normal = form_->Composite();
  Send(WM_MOUSEMOVE, kOnButton);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kOver);
  const Picture32 over = form_->Composite();
  Send(WM_LBUTTONDOWN, kOnButton);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kPressed);
  const Picture32 pressed = form_->Composite();
  int changed = 0;
  for (int y = 0; y < kCardHeight; ++y)
    for (int x = 0; x < kCardWidth; ++x) {
      const bool differs = !(normal.At(x, y) == over.At(x, y)) || !(over.At(x, y) == pressed.At(x, y));
      ASSERT_TRUE(!differs || PtInRect(&kButtonPixels, POINT{x, y})) << "outside the button: " << x << ", " << y;
      changed += differs;
    }
  EXPECT_GT(changed, 59 * 34 / 2);

  Send(WM_LBUTTONUP, kOnButton);
  EXPECT_FALSE(IsWindowVisible(card_));
  EXPECT_TRUE(IsWindow(card_));
  Send(WM_MOUSEMOVE, kOnCard);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kOver) << "a closing card draws nothing more";

  // Shown again after a move: centred, normal, the pointer's earlier visit
  // forgotten, and on the screen with soft edges over what is beneath.
  const RECT centred = WindowRect(card_);
  SetWindowPos(card_, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DispatchPending();
  const Picture32 beneath = SettledScreenPicture(centred);
  form_->Show();
  EXPECT_TRUE(IsWindowVisible(card_));
  EXPECT_EQ(WindowRect(card_).left, centred.left);
  EXPECT_EQ(WindowRect(card_).top, centred.top);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kNormal);
  int notShown = -1;
  EXPECT_TRUE(Eventually([&] {
    notShown = PixelsNotShownAsComposed(form_->Composite(), beneath, ScreenPicture(centred));
    return notShown == 0;
  })) << notShown << " pixels";
  Send(WM_MOUSEMOVE, kOnButton);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kOver);

  SendMessageW(card_, WM_CLOSE, 0, 0);  // Alt+F4
  EXPECT_FALSE(IsWindowVisible(card_));
  EXPECT_TRUE(IsWindow(card_));
}

// Screen readers find the close button and the links as windows of their
// own, named, where the card shows them; the pointer goes through them to the
// card (the hint and cursor tests hold with the real pointer).
TEST_F(AboutForm, ItsButtonAndLinksAreNamedWhereTheyLie) {
  const auto nameAt = [&](POINT at) {
    HWND part = ChildWindowFromPointEx(card_, at, CWP_SKIPINVISIBLE);
    wchar_t name[64] = {};
    if (part && part != card_) GetWindowTextW(part, name, 64);
    return std::wstring(name);
  };
  EXPECT_EQ(nameAt(kOnButton), L"Close");
  EXPECT_EQ(nameAt(kOnWeb), kWebHint);
  EXPECT_EQ(nameAt(kOnMail), kMailHint);
  EXPECT_EQ(nameAt(kOnCard), L"");
  texts_.ApplyBuiltin(BuiltinLanguage::kRussian);
  EXPECT_EQ(nameAt(kOnButton), L"\u0417\u0430\u043A\u0440\u044B\u0442\u044C");  // Закрыть
  texts_.ApplyBuiltin(BuiltinLanguage::kEnglish);
  EXPECT_EQ(nameAt(kOnButton), L"Close");
}

TEST_F(AboutForm, APressDraggedOffTheButtonIsNoClick) {
  Send(WM_MOUSEMOVE, kOnButton);
  Send(WM_LBUTTONDOWN, kOnButton);
  EXPECT_EQ(GetCapture(), card_) << "the release must come back to the card";
  Send(WM_MOUSEMOVE, kOnCard);
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kPressed);
  Send(WM_LBUTTONUP, kOnCard);
  EXPECT_TRUE(IsWindowVisible(card_));
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kNormal);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(AboutForm, LinksShowTheHandAndTheirAddressElsewhereTheArrowAndNoHint) {
  struct Case {
    POINT at;
    const wchar_t* hint;  // null: no hint, the arrow
  };
  for (const Case& c : {Case{kOnWeb, kWebHint}, Case{kOnCard, nullptr}, Case{kOnMail, kMailHint},
                        Case{kOnButton, nullptr}, Case{{91, 130}, nullptr}, Case{{92, 130}, kWebHint}}) {
    Send(WM_MOUSEMOVE, c.at);
    EXPECT_TRUE(CursorIs(c.hint ? IDC_HAND : IDC_ARROW)) << c.at.x << ", " << c.at.y;
    const auto [shown, text] = HintOf(card_);
    EXPECT_EQ(shown, c.hint != nullptr) << c.at.x << ", " << c.at.y;
    if (c.hint) {
      EXPECT_EQ(text, c.hint) << c.at.x << ", " << c.at.y;
    }
  }
  Send(WM_MOUSELEAVE, kOnMail);
  EXPECT_FALSE(HintOf(card_).first);

  // The same with the real pointer, whose cursor the card sets in WM_SETCURSOR.
  PointAt(kOnWeb, [&] { return CursorIs(IDC_HAND) && HintOf(card_).first; });
  EXPECT_TRUE(CursorIs(IDC_HAND));
  EXPECT_EQ(HintOf(card_), std::make_pair(true, std::wstring(kWebHint)));
  PointAt(kOnCard, [&] { return CursorIs(IDC_ARROW) && !HintOf(card_).first; });
  EXPECT_TRUE(CursorIs(IDC_ARROW));
  EXPECT_FALSE(HintOf(card_).first);
}

TEST_F(AboutForm, LinksOpenWithTheLeftOrMiddleButtonAndTheRightDoesNothing) {
  PrivateClassesRoot classes;
  ASSERT_TRUE(classes.Ready());
  Send(WM_LBUTTONDOWN, kOnWeb);  // no browser named
  ASSERT_TRUE(classes.SetBrowserCommand(L""));
  Send(WM_LBUTTONDOWN, kOnWeb);
  EXPECT_TRUE(opened_.empty());

  ASSERT_TRUE(classes.SetBrowserCommand(LR"("C:\Web Browsers\browse.exe" -url "%1")"));
  const RECT before = WindowRect(card_);
  for (const POINT p : {kOnWeb, kOnMail, kOnButton, kOnCard}) {
    Send(WM_RBUTTONDOWN, p);
    Send(WM_RBUTTONUP, p);
    EXPECT_EQ(form_->DrawnLook(), ButtonLook::kNormal) << p.x << ", " << p.y;
  }
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(IsWindowVisible(card_));
  const RECT after = WindowRect(card_);
  EXPECT_TRUE(EqualRect(&before, &after));

  Send(WM_LBUTTONDOWN, kOnWeb);
  Send(WM_MBUTTONDOWN, kOnMail);
  const std::vector<Opened> expected = {{LR"(C:\Web Browsers\browse.exe)", kWebHint},
                                        {L"mailto:help@quillory.example.com?subject=Quillory", L""}};
  EXPECT_EQ(opened_, expected);
}

// Real input from a second thread, as a hand gives it: a press on the card
// away from the button and links drags it in the system's move loop. Escape
// ends a loop that the release did not.
TEST_F(AboutForm, DraggingTheCardMovesIt) {
  SetForegroundWindow(card_);
  ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == card_; }));
  const RECT before = WindowRect(card_);
  const int x = before.left + kOnCard.x, y = before.top + kOnCard.y, dx = 40, dy = 30;
  const DWORD cardThread = GetCurrentThreadId();
  std::atomic<bool> done = false;
  std::thread hand([&] {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const auto mouse = [&](int px, int py, DWORD flags) {
      INPUT input{INPUT_MOUSE};
      input.mi = {px * 65535 / (width - 1), py * 65535 / (height - 1), 0,
                  MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags};
      SendInput(1, &input, sizeof(input));
      Eventually([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == px && at.y == py;
      });
    };
    mouse(x, y, 0);
    mouse(x, y, MOUSEEVENTF_LEFTDOWN);
    Eventually([&] { return InMoveLoop(cardThread); });
    mouse(x + dx / 2, y + dy / 2, 0);
    mouse(x + dx, y + dy, 0);
    mouse(x + dx, y + dy, MOUSEEVENTF_LEFTUP);
    if (!Eventually([&] { return !InMoveLoop(cardThread); })) {
      INPUT escape[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
      escape[0].ki.wVk = escape[1].ki.wVk = VK_ESCAPE;
      escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(2, escape, sizeof(INPUT));
    }
    done = true;
  });
  EXPECT_TRUE(Eventually([&] { return done.load(); }, 3 * kUsualWait));  // the card's messages, the move loop too, run here
  hand.join();
  EXPECT_EQ(WindowRect(card_).left, before.left + dx);
  EXPECT_EQ(WindowRect(card_).top, before.top + dy);
  EXPECT_TRUE(opened_.empty());
}

// On a monitor at 1.5 times the scale the card is drawn from the pictures of
// that scale, and its button and links are found where they then lie.
TEST_F(AboutForm, AtOneAndAHalfTimesTheScaleItsPicturesAndPartsGrowTogether) {
  const int dpi = form_->Dpi(), grown = dpi * 3 / 2;
  const RECT before = WindowRect(card_);
  const int width = form_->Composite().Width(), height = form_->Composite().Height();
  RECT suggested{before.left, before.top, before.left + 1, before.top + 1};  // a layered card takes its own size
  SendMessageW(card_, WM_DPICHANGED, MAKEWPARAM(grown, grown), reinterpret_cast<LPARAM>(&suggested));
  const auto scaled = [&](POINT p) { return POINT{MulDiv(p.x, grown, dpi), MulDiv(p.y, grown, dpi)}; };

  EXPECT_EQ(form_->Dpi(), grown);
  EXPECT_NEAR(form_->Composite().Width(), width * 3 / 2, 1);
  EXPECT_NEAR(form_->Composite().Height(), height * 3 / 2, 1);
  EXPECT_EQ(WindowRect(card_).right - WindowRect(card_).left, form_->Composite().Width());
  HWND part = ChildWindowFromPointEx(card_, scaled(kOnWeb), CWP_SKIPINVISIBLE);
  ASSERT_NE(part, card_);
  wchar_t name[64] = {};
  GetWindowTextW(part, name, 64);
  EXPECT_EQ(std::wstring(name), kWebHint);
  // A press lands on the button where this scale draws it.
  Send(WM_LBUTTONDOWN, scaled(kOnButton));
  EXPECT_EQ(form_->DrawnLook(), ButtonLook::kPressed);
  Send(WM_LBUTTONUP, scaled(kOnButton));
  EXPECT_FALSE(IsWindowVisible(card_));

  SendMessageW(card_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(WindowRect(card_).right - WindowRect(card_).left, before.right - before.left);
}

}  // namespace
