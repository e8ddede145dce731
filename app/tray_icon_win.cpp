#include "app/tray_icon_win.h"

#include <shlwapi.h>

#include <algorithm>

namespace {

constexpr UINT kIconId = 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr std::size_t kMaxBalloonText = 255, kMaxBalloonTitle = 63;
constexpr DWORD kBalloonShellVersion = 5;

// The shell's own version: balloons came with version 5.
DWORD ShellMajorVersion() {
  HMODULE shell = GetModuleHandleW(L"shell32.dll");
  const auto getVersion = shell ? reinterpret_cast<DLLGETVERSIONPROC>(
                                      reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")))
                                : nullptr;
  DLLVERSIONINFO info{sizeof(info)};
  return getVersion && SUCCEEDED(getVersion(&info)) ? info.dwMajorVersion : 0;
}

template <std::size_t N>
void CopyCut(wchar_t (&to)[N], const std::wstring& text, std::size_t limit) {
  const std::size_t n = std::min({text.size(), limit, N - 1});
  std::copy_n(text.data(), n, to);
  to[n] = L'\0';
}

TTrayIconClicks GestureOf(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      return ticLeftClick;
    case WM_LBUTTONUP:
      return ticLeftClickUp;
    case WM_LBUTTONDBLCLK:
      return ticLeftDblClick;
    case WM_RBUTTONDOWN:
      return ticRightClick;
    case WM_RBUTTONUP:
      return ticRightClickUp;
    case WM_RBUTTONDBLCLK:
      return ticRightDblClick;
    default:
      return ticNone;
  }
}

}  // namespace

TTrayIconAdv::TTrayIconAdv(HWND owner, HICON applicationIcon) : owner_(owner), applicationIcon_(applicationIcon) {}

TTrayIconAdv::~TTrayIconAdv() { SetEnabled(false); }

bool TTrayIconAdv::Create() {
  WindowCreateArgs args;
  args.className = kTrayWindowClass;
  args.style = WS_POPUP;
  args.exStyle = WS_EX_TOOLWINDOW;
  args.x = args.y = args.width = args.height = 0;
  return CreateWindowFor(args);
}

// The first layout of the structure: message, icon and tip, as every shell
// takes it.
NOTIFYICONDATAW TTrayIconAdv::IconData(DWORD size) const {
  NOTIFYICONDATAW data{};
  data.cbSize = size;
  data.hWnd = Handle();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | (hint_.empty() ? 0 : NIF_TIP);
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = CurrentIcon();
  CopyCut(data.szTip, hint_, kMaxTrayTip);
  return data;
}

void TTrayIconAdv::Notify(DWORD action) {
  NOTIFYICONDATAW data = IconData(NOTIFYICONDATAW_V1_SIZE);
  Shell_NotifyIconW(action, &data);
}

HICON TTrayIconAdv::CurrentIcon() const {
  if (iconIndex_ >= 0 && static_cast<std::size_t>(iconIndex_) < icons_.size()) return icons_[static_cast<std::size_t>(iconIndex_)];
  return applicationIcon_;
}

void TTrayIconAdv::SetEnabled(bool enabled) {
  if (!Handle()) return;
  if (enabled) {
    Notify(NIM_ADD);  // after a restart of the shell the icon is added anew
  } else if (enabled_) {
    Notify(NIM_DELETE);
  }
  enabled_ = enabled;
}

void TTrayIconAdv::SetHint(const std::wstring& hint) {
  if (hint == hint_ || hint.size() > kMaxTrayTip) return;
  hint_ = hint;
  if (enabled_) Notify(NIM_MODIFY);
}

void TTrayIconAdv::SetApplicationIcon(HICON icon) {
  applicationIcon_ = icon;
  if (enabled_) Notify(NIM_MODIFY);
}

void TTrayIconAdv::SetIcons(std::vector<HICON> icons) {
  icons_ = std::move(icons);
  SetIconIndex(0);
}

void TTrayIconAdv::SetIconIndex(int index) {
  iconIndex_ = index;
  if (enabled_) Notify(NIM_MODIFY);
}

void TTrayIconAdv::SetAnimate(bool animate) {
  animate_ = animate;
  if (animate_)
    SetTimer(Handle(), kAnimationTimer, interval_, nullptr);
  else
    KillTimer(Handle(), kAnimationTimer);
}

void TTrayIconAdv::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  if (animate_) SetTimer(Handle(), kAnimationTimer, interval_, nullptr);
}

bool TTrayIconAdv::ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD iconKind) {
  if (ShellMajorVersion() < kBalloonShellVersion) return false;
  NOTIFYICONDATAW data = IconData(NOTIFYICONDATAW_V2_SIZE);
  data.uFlags = NIF_INFO;
  CopyCut(data.szInfo, text, kMaxBalloonText);
  CopyCut(data.szInfoTitle, title, kMaxBalloonTitle);
  data.uTimeout = 1;  // the shell raises it to its own least time
  data.dwInfoFlags = iconKind;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void TTrayIconAdv::OpenMenu() {
  if (!openMenu_) return;
  POINT at{};
  GetCursorPos(&at);
  if (owner_) SetForegroundWindow(owner_);
  openMenu_(at);
  PostMessageW(nullptr, WM_NULL, 0, 0);  // so that a click elsewhere closes the menu next time too
}

// The program has no window of its own to restore: the gesture only fires
// its event.
void TTrayIconAdv::OnGesture(TTrayIconClicks gesture) {
  if (gesture == restoreOn && onRestoreApp) onRestoreApp();
  if (gesture == popupMenuOn) OpenMenu();
  if (gesture == ticLeftDblClick && onLeftButtonDoubleClick) onLeftButtonDoubleClick();
}

LRESULT TTrayIconAdv::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kTrayCallbackMessage:
      OnGesture(GestureOf(lParam));
      return 0;
    case WM_TIMER:
      if (wParam == kAnimationTimer && !icons_.empty()) SetIconIndex((iconIndex_ + 1) % static_cast<int>(icons_.size()));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) SetEnabled(false);
      return 0;
    default:
      return WindowBase::HandleMessage(message, wParam, lParam);
  }
}
