#include "manager/about_form_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <vector>

#include "pixels/picture_scale.h"
#include "pixels/pixel_routines.h"
#include "sticker/work_area_win.h"
#include "lang/text_id.h"
#include "store/resource_bitmap_win.h"
#include "win/layered_window_win.h"
#include "win/display_dpi_win.h"

namespace {

constexpr wchar_t kBackgroundPicture[] = L"BITMAP_ABOUTFORM";
constexpr std::array<const wchar_t*, kButtonLookCount> kButtonPictureNames = {L"BUTTON_CLOSE_N", L"BUTTON_CLOSE_L",
                                                                              L"BUTTON_CLOSE_D"};
constexpr wchar_t kBrowserCommandKey[] = L"htmlfile\\shell\\open\\command";
constexpr wchar_t kWindowFailure[] = L"The About window could not be created";
constexpr int kOpaque = 255;
// The hint goes below the pointer, clear of the cursor picture.
constexpr int kHintDropY = 20;

// The default value of the key the system opens web pages with, or "".
std::wstring BrowserCommand() {
  DWORD bytes = 0;
  // Text values of either kind: an expandable one comes back expanded.
  constexpr DWORD kText = RRF_RT_REG_SZ;
  if (RegGetValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, kText, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
    return {};
  std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CLASSES_ROOT, kBrowserCommandKey, nullptr, kText, nullptr, text.data(), &bytes) !=
      ERROR_SUCCESS)
    return {};
  return text.data();
}

void ShowCursorFor(CardSpot spot) { SetCursor(LoadCursorW(nullptr, IsLink(spot) ? IDC_HAND : IDC_ARROW)); }

constexpr std::array<Rect, 3> kNamedAreas = {kCloseButtonArea, kWebLinkArea, kMailLinkArea};
constexpr std::size_t kCloseName = 0;

// A window over a part of the card that names it. A static control without
// SS_NOTIFY lets the pointer through to the card; owner-drawn, it leaves the
// picture alone, as the card draws nothing for it. Placed by the card.
HWND NameArea(HWND card, const wchar_t* name) {
  return CreateWindowExW(0, WC_STATICW, name, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0, 0, card, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

// A link that does not open has nothing to report: the card stays as it is.
void OpenWithShell(const std::wstring& file, const std::wstring& parameters) {
  ShellExecuteW(nullptr, L"open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOW);
}

TAboutForm::TAboutForm(TextSource& texts, HMODULE resources, LinkOpener opener)
    : texts_(texts), resources_(resources), opener_(std::move(opener)) {}

TAboutForm::~TAboutForm() {
  if (watch_) texts_.StopWatching(watch_);
}

// The pictures give the window its size, so the first scale is the system's;
// a card that then finds itself on another monitor is drawn again for it.
std::wstring TAboutForm::Create() {
  dpi_ = SystemScale().Dpi();
  if (std::wstring failure = LoadPictures(); !failure.empty()) return failure;
  WindowCreateArgs args;
  args.className = kAboutWindowClass;
  args.style = WS_POPUP;
  args.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  args.x = args.y = 0;
  args.width = background_.Width();
  args.height = background_.Height();
  if (!CreateWindowFor(args) || !tooltip_.Create(Handle())) return kWindowFailure;
  handedOver_ = DibPicture32(background_.Width(), background_.Height());
  CreateNames();
  if (WindowScale(Handle()).Dpi() != dpi_) ChangeDpi(WindowScale(Handle()).Dpi());
  return {};
}

// Pictures that cannot be loaded for the new scale leave the card as it was.
void TAboutForm::ChangeDpi(int dpi) {
  const int old = dpi_;
  dpi_ = dpi;
  if (!LoadPictures().empty()) {
    dpi_ = old;
    return;
  }
  handedOver_ = DibPicture32(background_.Width(), background_.Height());
  SetWindowPos(Handle(), nullptr, 0, 0, background_.Width(), background_.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceNames();
  if (IsWindowVisible(Handle())) Draw(drawnLook_);
}

int TAboutForm::Unscaled(int pixels) const { return MulDiv(pixels, kDefaultDpi, dpi_); }

// The links are named by the addresses the card shows.
void TAboutForm::CreateNames() {
  const wchar_t* names[] = {L"", kWebAddress, kMailAddress};
  for (std::size_t i = 0; i < names_.size(); ++i) names_[i] = NameArea(Handle(), names[i]);
  PlaceNames();
  NameCloseButton();
  watch_ = texts_.WatchTexts([this] { NameCloseButton(); });
}

void TAboutForm::PlaceNames() const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const Rect& area = kNamedAreas[i];
    const int left = ScaleToDpi(area.left, dpi_), top = ScaleToDpi(area.top, dpi_);
    MoveWindow(names_[i], left, top, ScaleToDpi(area.right, dpi_) - left, ScaleToDpi(area.bottom, dpi_) - top, FALSE);
  }
}

void TAboutForm::NameCloseButton() {
  SetWindowTextW(names_[kCloseName], texts_.TextAt(TextIndex(L"Manager", L"close")).c_str());
}

std::wstring TAboutForm::LoadPictures() {
  ResourceBitmap background = LoadScaledPicture(kBackgroundPicture, dpi_, resources_);
  if (background.status != ResourceLoadStatus::kOk) return ResourceErrorText(kBackgroundPicture, background.status);
  background_ = std::move(background.picture);
  for (int look = 0; look < kButtonLookCount; ++look) {
    ResourceBitmap button = LoadScaledPicture(kButtonPictureNames[look], dpi_, resources_);
    if (button.status != ResourceLoadStatus::kOk) return ResourceErrorText(kButtonPictureNames[look], button.status);
    buttonPictures_[look] = std::move(button.picture);
  }
  return {};
}

void TAboutForm::Show() {
  // Whatever the pointer did before the card was hidden is over.
  closing_ = pointerInside_ = false;
  button_.Reset();
  pointerSpot_ = CardSpot::kNothing;
  const ScreenPoint place = CentredPosition(CurrentWorkArea(), background_.Width(), background_.Height());
  SetWindowPos(Handle(), HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE);
  Draw(ButtonLook::kNormal);
  ShowWindow(Handle(), SW_SHOW);
}

void TAboutForm::Hide() {
  closing_ = true;
  tooltip_.Hide();
  ShowWindow(Handle(), SW_HIDE);
}

// The pictures keep straight alpha; only the copy handed to the system is
// premultiplied.
void TAboutForm::Draw(ButtonLook look) {
  if (closing_) return;
  composite_ = background_;
  AlphaBlend(buttonPictures_[static_cast<int>(look)].View(), composite_.View(), ScaleToDpi(kCloseButtonLeft, dpi_),
             ScaleToDpi(kCloseButtonTop, dpi_));
  Premultiply(composite_.View(), handedOver_.View());
  UpdateLayeredPicture(Handle(), handedOver_, kOpaque);
  drawnLook_ = look;
}

void TAboutForm::DrawChanged(std::optional<ButtonLook> look) {
  if (look) Draw(*look);
}

void TAboutForm::OnMouseMove(int x, int y) {
  if (!pointerInside_) {
    pointerInside_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
  const CardSpot spot = SpotAt(x, y);
  DrawChanged(button_.PointerAt(spot == CardSpot::kCloseButton));
  if (spot != pointerSpot_) ShowHintFor(spot, x, y);
  pointerSpot_ = spot;
  ShowCursorFor(spot);
}

void TAboutForm::OnMouseLeave() {
  pointerInside_ = false;
  DrawChanged(button_.PointerAt(false));
  tooltip_.Hide();
  pointerSpot_ = CardSpot::kNothing;
}

void TAboutForm::ShowHintFor(CardSpot spot, int x, int y) {
  if (!IsLink(spot)) {
    tooltip_.Hide();
    return;
  }
  POINT at{ScaleToDpi(x, dpi_), ScaleToDpi(y + kHintDropY, dpi_)};  // (x, y) in the card's units
  ClientToScreen(Handle(), &at);
  tooltip_.Show(spot == CardSpot::kWebLink ? kWebAddress : kMailAddress, at);
}

void TAboutForm::OnPress(int x, int y, bool rightButton) {
  switch (ActionOfPress(x, y, rightButton)) {
    case PressAction::kNone:
      break;
    case PressAction::kPressCloseButton:
      SetCapture(Handle());  // the release comes here even off the window
      Draw(button_.Press());
      break;
    case PressAction::kOpenWeb:
      OpenWebPage();
      break;
    case PressAction::kOpenMail:
      opener_(MailLink(), L"");
      break;
    case PressAction::kDrag:
      ReleaseCapture();
      SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
      break;
  }
}

void TAboutForm::OnRelease(int x, int y) {
  if (!button_.Pressed()) return;
  const CloseButtonTracker::ReleaseResult result = button_.Release(SpotAt(x, y) == CardSpot::kCloseButton);
  ReleaseCapture();
  Draw(result.look);
  if (result.clicked) Hide();
}

// The page opens in the browser the system names for web pages; with none
// named, nothing is opened.
void TAboutForm::OpenWebPage() {
  const std::wstring browser = BrowserPathOf(BrowserCommand());
  if (!browser.empty()) opener_(browser, kWebAddress);
}

// The card's areas are in its own units: the pointer is brought to them.
LRESULT TAboutForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = Unscaled(GET_X_LPARAM(lParam)), y = Unscaled(GET_Y_LPARAM(lParam));
  switch (message) {
    // The class takes double clicks: a second quick press comes as one.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnPress(x, y, false);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnPress(x, y, true);
      return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
      OnRelease(x, y);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(x, y);
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      // Taken away while held down (a message box, Alt+Tab): no click.
      if (button_.Pressed()) Draw(button_.Release(false).look);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      ShowCursorFor(pointerSpot_);
      return TRUE;
    case WM_CLOSE:  // Alt+F4: the card is kept for the next Show()
      Hide();
      return 0;
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wParam));
      return 0;
    default:
      break;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}
