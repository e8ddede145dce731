#include "sticker/stick_form_win.h"

#include <windowsx.h>

#include <cstring>

#include "sticker/calendar_notation.h"

#include "win/display_dpi_win.h"
#include "win/layered_window_win.h"
#include "protocol/messages.h"
#include "win/text_convert_win.h"
#include "win/window_handle_win.h"
#include "pixels/pixel_routines.h"
#include "sticker/skin_styles.h"
#include "sticker/sticker_geometry.h"
#include "sticker/sticker_title_win.h"
#include "sticker/work_area_win.h"
#include "store/record_merge.h"

namespace {

constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;  // 19
constexpr LPARAM kSwallowedUserCommands = 999;
constexpr int kMinVisibleAlpha = 32;

// Asked of the keyboard itself: the sticker under the pointer need not have
// the keyboard focus while Shift is held.
bool ShiftHeld() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

TStickForm::TStickForm(StickerHost& host, const ContentSources& art, const TMUI& texts, const MenuGlyphs& glyphs,
                       HWND mainWindow, std::function<void(TStickForm*)> onClosed)
    : host_(host), art_(art), texts_(texts), glyphs_(glyphs), mainWindow_(mainWindow), onClosed_(std::move(onClosed)) {}

TStickForm::~TStickForm() = default;

// The picture is made before the window, so that the window is made at its
// size and place: every later move or resize costs the system a round trip of
// its own, and at start-up there are as many windows as stickers.
bool TStickForm::Open(const StickerRecord& record) {
  record_ = NewStickerRecord(record.color);
  record_.id = record.id;
  record_.visible = 1;
  record_.left = record.left;
  record_.top = record.top;
  record_ = WindowCopyOf(record, record_);
  text_ = BodyTextOf(record_);
  // Places convert with the system's scale alone, so the place is known
  // before the scale of the monitor it lies on.
  const ScreenPoint place = Units().ScreenPlace(record_.left, record_.top);
  scale_ = MonitorScaleAt({place.x, place.y});
  FullRebuild();  // no window yet: only the picture
  WindowCreateArgs args;
  args.className = kStickerWindowClass;
  args.style = WS_POPUP;
  args.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  args.x = place.x;
  args.y = place.y;
  args.width = composite_.Width();
  args.height = composite_.Height();
  // A tool window has no task-bar button and no Alt+Tab entry; with no owner
  // it takes the focus from a click like any top-level window.
  if (!CreateWindowFor(args)) return false;
  record_.window = StoredWindowHandle(Handle());
  StoreStackingPosition(record_.position);
  const DisplayScale drawnAt = scale_;
  FollowScale();  // the system may place the new window on a monitor of another scale
  if (scale_ == drawnAt) LayeredUpdate(record_.alpha);
  UpdateTitle();
  return true;
}

void TStickForm::ShowAt(int left, int top) {
  record_.left = left;
  record_.top = top;
  const ScreenPoint place = Units().ScreenPlace(left, top);
  // One call moves and shows; the picture was handed over when the record was applied.
  SetWindowPos(Handle(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

StoredUnits TStickForm::Units() const { return {SystemScale(), scale_}; }

void TStickForm::FollowScale() {
  const DisplayScale now = WindowScale(Handle());
  if (now == scale_) return;
  scale_ = now;
  FullRebuild();
}

void TStickForm::OnDpiChanged(int dpi, const RECT& suggested) {
  scale_ = DisplayScale(dpi);
  FullRebuild();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, composite_.Width(), composite_.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TStickForm::Apply(const StickerRecord& delivered) {
  const StickerRecord before = record_;
  record_ = WindowCopyOf(delivered, record_);
  text_ = BodyTextOf(record_);
  StoreStackingPosition(record_.position);
  if (NeedsFullRebuild(before, record_) || composite_.Width() == 0)
    FullRebuild();
  else
    Redraw();
}

void TStickForm::ApplySettings(std::span<const std::uint8_t> payload) {
  if (!ApplyCompactRecord(record_, payload)) return;
  const ScreenPoint place = Units().ScreenPlace(record_.left, record_.top);
  SetWindowPos(Handle(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  StoreStackingPosition(record_.position);
  FullRebuild();
}

// What another program hands over can be taken back like an edit.
LRESULT TStickForm::OnCopyData(WPARAM selector, const COPYDATASTRUCT& data) {
  if (!data.lpData && data.cbData != 0) return 0;
  const StickerRecord before = record_;
  TakeDelivery(selector, std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data.lpData), data.cbData));
  host_.NoteDelivered(record_.id, before, record_);
  return 1;
}

void TStickForm::TakeDelivery(WPARAM selector, std::span<const std::uint8_t> payload) {
  if (payload.size() == kStickerRecordSize) {
    StickerRecord delivered;
    std::memcpy(&delivered, payload.data(), kStickerRecordSize);
    Apply(delivered);
  } else if (payload.size() == kCompactRecordSize) {
    ApplySettings(payload);
  } else if (ApplyDeliveredString(record_, static_cast<int>(selector), PayloadString(payload))) {
    text_ = BodyTextOf(record_);
    FullRebuild();
  } else {
    UpdateTitle();  // a new caption is taken quietly, but the window is named by it at once
  }
}

void TStickForm::SendLiveRecord(HWND target) {
  if (!target) return;
  const StoredBounds bounds = Units().Stored(WindowRect());
  record_.left = bounds.left;
  record_.top = bounds.top;
  record_.width = bounds.width;
  record_.height = bounds.height;
  record_.window = StoredWindowHandle(Handle());
  COPYDATASTRUCT data{kRecordDeliveryData, static_cast<DWORD>(kStickerRecordSize), &record_};
  SendMessageW(target, WM_COPYDATA, kRecordDeliveryTag, reinterpret_cast<LPARAM>(&data));
}

void TStickForm::OnCommand(LPARAM command, WPARAM argument) {
  switch (command) {
    case kStickerCommandBringOnScreen:
      BringOnScreen();
      break;
    case kStickerCommandMakeVisible:
      if (record_.alpha < kMinVisibleAlpha) {
        record_.alpha = 255;
        LayeredUpdate(255);
      }
      break;
    case kStickerCommandEndTemporarilyTopmost:
      temporarilyTopmost_ = false;
      (void)ApplyStackingPosition(record_.position);
      break;
    case kStickerCommandTemporarilyTopmost:
      temporarilyTopmost_ = clickHandled_ = true;
      (void)ApplyStackingPosition(kPositionTopmost);  // for now only: the record keeps its own
      break;
    case kStickerCommandRedraw:
      Redraw();
      break;
    case kStickerCommandRebuild:
      FullRebuild();
      break;
    case kStickerCommandSendLiveRecord:
      SendLiveRecord(reinterpret_cast<HWND>(argument));
      break;
    case kStickerCommandRelabel:  // a calendar's names are the language's
      text_ = BodyTextOf(record_);
      if (IsCalendar(GetStickerText(record_))) FullRebuild();
      break;
    case kStickerCommandClose:
      Release();
      break;
    case kStickerCommandFloating:
      record_.floating = argument == kFloatingOn ? 1 : 0;
      Redraw();
      break;
    default:
      break;
  }
}

void TStickForm::FullRebuild() {
  art_.dpi = scale_.Dpi();
  picture_.Rebuild(record_, text_, art_);
  Redraw();
}

void TStickForm::Redraw() {
  StickerOverlays overlays;
  overlays.pin = PinVisible(record_.style, focused_, record_.popup_buttons != 0) && !record_.floating;
  overlays.pinOn = record_.position == kPositionTopmost;
  overlays.buttons = focused_ && record_.popup_buttons && !record_.floating;
  const Picture32& picture = picture_.Compose(record_, text_, art_, overlays);
  if (composite_.Width() != picture.Width() || composite_.Height() != picture.Height())
    composite_ = DibPicture32(picture.Width(), picture.Height());
  Premultiply(picture.View(), composite_.View());
  LayeredUpdate(record_.alpha);
  UpdateTitle();
}

// Screen readers say the window's text, and window lists show it.
void TStickForm::UpdateTitle() {
  if (!Handle()) return;
  std::wstring title = StickerWindowTitle(record_, texts_, TodayOf(art_));
  if (title == title_) return;
  title_ = std::move(title);
  SetWindowTextW(Handle(), title_.c_str());
}

// The composite keeps straight alpha everywhere else; the system composes
// premultiplied pixels, so the copy handed over is premultiplied.
void TStickForm::LayeredUpdate(int alpha) {
  if (!Handle() || composite_.Width() == 0) return;
  UpdateLayeredPicture(Handle(), composite_, alpha);
  if (record_.floating)
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Also after the program closed the window on the user's own request.
void TStickForm::Release() {
  closing_ = true;
  if (!Handle()) return;
  if (hideTimerRunning_) KillTimer(Handle(), kHideTimer);
  DestroyWindow(Handle());
}

void TStickForm::OnDestroyed() { onClosed_(this); }

void TStickForm::OnHandlersReturned() { onClosed_(this); }

// Puts the window where the position asks; false when the desktop host for
// position 3 is missing (the window then keeps to the bottom instead).
bool TStickForm::ApplyStackingPosition(int position) {
  if (position < kPositionDesktop) {
    // Only a window on the desktop host has a parent to clear: clearing none
    // would still hide, show and focus the window on some systems.
    if (GetAncestor(Handle(), GA_PARENT) != GetDesktopWindow()) SetParent(Handle(), nullptr);
    // A window not shown yet is still in the topmost band it was made in.
    if (position < kPositionBottom && IsWindowVisible(Handle())) StayTopmost();
    if (position == kPositionBottom) {
      lastBottomWasBehindAll_ = true;
      SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, kTopmostFlags);  // at once, not only at the next move
    }
    return true;
  }
  if (position != kPositionDesktop) return false;
  desktopHostMissing_ = true;
  HWND host = FindWindowW(L"Progman", L"Program Manager");
  if (!host) return false;
  desktopHostMissing_ = false;
  SetParent(Handle(), host);
  lastBottomWasBehindAll_ = false;
  return true;
}

// For the choices that change the position on purpose (menu, pin, a delivered
// record): applied, then kept in the record and in the store.
void TStickForm::StoreStackingPosition(int position) {
  if (!ApplyStackingPosition(position)) return;
  record_.position = static_cast<std::uint8_t>(position);
  host_.SetStackingPosition(record_.id, position);
}

void TStickForm::StayTopmost() { SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags); }

void TStickForm::OnWindowPosChanging(WINDOWPOS& position) {
  if (temporarilyTopmost_) return;
  if (record_.position == kPositionBottom || (record_.position == kPositionDesktop && desktopHostMissing_)) {
    position.hwndInsertAfter = HWND_BOTTOM;
    position.flags &= ~static_cast<UINT>(SWP_NOZORDER);
  }
}

void TStickForm::StoreBounds() {
  const StoredBounds bounds = Units().Stored(WindowRect());
  record_.left = bounds.left;
  record_.top = bounds.top;
  host_.SetBounds(record_.id, bounds.left, bounds.top, bounds.width, bounds.height);
}

ScreenRect TStickForm::WindowRect() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

// The off-screen check: less than a corner's worth of the window shows on
// any monitor.
// The place found is the sticker's from now on.
void TStickForm::BringOnScreen() {
  const std::optional<ScreenPoint> place = OffScreenPlacement(CurrentMonitors(), WindowRect(), scale_);
  if (!place) return;
  MoveOnScreen(place);
  StoreBounds();
}

void TStickForm::BringBackIfStranded(const std::vector<Monitor>& monitors) {
  MoveOnScreen(StrandedPlacement(monitors, WindowRect()));
}

void TStickForm::MoveOnScreen(const std::optional<ScreenPoint>& place) {
  if (place) SetWindowPos(Handle(), nullptr, place->x, place->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TStickForm::ToggleExpanded() {
  record_.expanded = record_.expanded ? 0 : 1;
  host_.SetExpanded(record_.id, record_.expanded != 0);
  FullRebuild();
}

void TStickForm::TogglePin() {
  int position = kPositionTopmost;
  if (record_.position == kPositionTopmost) position = lastBottomWasBehindAll_ ? kPositionBottom : kPositionDesktop;
  record_.position = static_cast<std::uint8_t>(position);
  StoreStackingPosition(position);
  Redraw();
}

// The program closes the window as it hides the record; one whose record it
// no longer holds closes all the same.
void TStickForm::Hide() {
  closing_ = true;
  host_.Hide(record_.id);
  Release();
}

void TStickForm::Delete() {
  closing_ = true;
  host_.Delete(record_.id);
  Release();
}

void TStickForm::OnMouseDown(int x, int y, bool right, bool shift) {
  const int w = composite_.Width(), h = composite_.Height();
  if (doubleClickPending_) {
    doubleClickPending_ = false;
    if (InCollapseZone(x, y, record_.style, picture_.IconWidth(), scale_))
      ToggleExpanded();
    else
      host_.OpenSettings(record_.id);
    return;
  }
  if (right) {
    clickHandled_ = true;
    return;
  }
  const PopupButton button =
      focused_ && record_.popup_buttons ? HitPopupButton(x, y, record_.style, record_.expanded != 0, w, h, scale_)
                                        : kButtonNone;
  if (button == kButtonNone) {
    const bool pinShown = PinVisible(record_.style, focused_, record_.popup_buttons != 0) && !record_.floating;
    const bool accepts = !IsIconTitleStyle(record_.style) || clickHandled_;
    if (pinShown && accepts &&
        PinHitArea(record_.style, w, IconHalf(picture_.IconWidth(), scale_), scale_).StrictlyContains(x, y)) {
      TogglePin();
      clickHandled_ = true;
      return;
    }
  } else {
    switch (button) {
      case kButtonClose:
        Hide();
        return;
      case kButtonDuplicate:
        host_.Duplicate(record_.id);
        break;
      case kButtonEdit:
        host_.OpenSettings(record_.id);
        break;
      default:
        ToggleExpanded();
        break;
    }
  }
  if (!record_.lock_move || shift) {
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
  }
  clickHandled_ = true;
}

void TStickForm::OnMouseMove(int x, int y) {
  if (!pointerInside_) {
    pointerInside_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    if (record_.hide_from_mouse && !ShiftHeld() && !hideTimerRunning_) {
      LayeredUpdate(0);
      SetTimer(Handle(), kHideTimer, static_cast<UINT>(record_.hide_interval), nullptr);
      hideTimerRunning_ = true;
    }
  }
  handCursor_ = record_.popup_buttons && focused_ &&
                HitPopupButton(x, y, record_.style, record_.expanded != 0, composite_.Width(), composite_.Height(),
                               scale_) != kButtonNone;
}

void TStickForm::OnHideTimer() {
  KillTimer(Handle(), kHideTimer);
  hideTimerRunning_ = false;
  POINT p{};
  GetCursorPos(&p);
  RECT r{};
  GetWindowRect(Handle(), &r);
  const Rect window{r.left, r.top, r.left + composite_.Width(), r.top + composite_.Height()};
  if (window.StrictlyContains(p.x, p.y)) {
    SetTimer(Handle(), kHideTimer, static_cast<UINT>(record_.hide_interval), nullptr);
    hideTimerRunning_ = true;
  } else {
    LayeredUpdate(record_.alpha);
  }
}

void TStickForm::OnKillFocus() {
  focused_ = clickHandled_ = false;
  if (temporarilyTopmost_) {
    temporarilyTopmost_ = false;
    (void)ApplyStackingPosition(record_.position);
  }
  if (!closing_ && record_.popup_buttons && !record_.floating) Redraw();
}

LRESULT TStickForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_STICKER_COMMAND:
      OnCommand(lParam, wParam);
      return 0;
    case WM_COPYDATA:
      if (!lParam) return 0;
      return OnCopyData(wParam, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_EXITSIZEMOVE:
      StoreBounds();
      break;
    case WM_WINDOWPOSCHANGED:
      if (temporarilyTopmost_ || record_.position == kPositionTopmost) StayTopmost();
      break;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_DPICHANGED:
      if (lParam) OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SETFOCUS:
      focused_ = true;
      if (record_.popup_buttons && !record_.floating) Redraw();
      break;
    case WM_KILLFOCUS:
      OnKillFocus();
      break;
    case WM_LBUTTONDBLCLK:
      doubleClickPending_ = clickHandled_ = true;
      OnMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), false, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      OnMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), message == WM_RBUTTONDOWN, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONUP:
      doubleClickPending_ = false;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_MOUSELEAVE:
      pointerInside_ = false;
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, handCursor_ ? IDC_HAND : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_TIMER:
      if (wParam == kHideTimer) OnHideTimer();
      return 0;
    case WM_CONTEXTMENU:
      ShowMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_KEYDOWN:
      if (GetKeyState(VK_CONTROL) & 0x8000) {
        if (wParam == 'C') CopyText();
        if (wParam == 'V') PasteText();
        if (wParam == 'Z') host_.Undo(record_.id);
      }
      break;
    case WM_USER:
      if (lParam >= kSwallowedUserCommands) return 0;
      break;
    case WM_CLOSE:  // the program closes its windows with command 103: this is the user (Alt+F4)
      if (!closing_) Hide();
      return 0;
    default:
      break;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}
