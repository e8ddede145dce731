#pragma once
// TTrayIconAdv: the program's icon in the notification area. A hidden window
// of its own receives the shell's callback message and turns it into the six
// gestures; one gesture restores, one opens the pop-up menu, and each fires
// its own event.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "win/window_base_win.h"

enum TTrayIconClicks {
  ticNone = 0,
  ticLeftClick = 1,
  ticLeftDblClick = 2,
  ticLeftClickUp = 3,
  ticRightClick = 4,
  ticRightDblClick = 5,
  ticRightClickUp = 6,
};

inline constexpr UINT kTrayCallbackMessage = WM_USER + 100;  // 1124
inline constexpr wchar_t kTrayWindowClass[] = L"TTrayIconAdv";
inline constexpr std::size_t kMaxTrayTip = 63;  // a tip of 64 characters or more is refused

class TTrayIconAdv final : public WindowBase {
 public:
  // owner: the window made foreground while the menu shows, and the owner of
  // the menu (it gets the menu's messages). Not owned.
  TTrayIconAdv(HWND owner, HICON applicationIcon);
  ~TTrayIconAdv() override;

  [[nodiscard]] bool Create();

  // Adds the icon (again after a restart of the shell) or removes it.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Ignored when equal to the current tip or 64 characters or longer.
  void SetHint(const std::wstring& hint);
  const std::wstring& Hint() const { return hint_; }
  // The icons the animation cycles through (not owned); without any the
  // application icon shows.
  void SetIcons(std::vector<HICON> icons);
  // The icon shown without any of `Icons` (not owned), as a new scale needs
  // one of another size.
  void SetApplicationIcon(HICON icon);
  void SetIconIndex(int index);
  void SetAnimate(bool animate);
  void SetInterval(UINT milliseconds);
  // A balloon over the icon; false (and nothing shown) on a shell older than
  // version 5.
  bool ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD iconKind);

  void SetPopupMenu(std::function<void(POINT at)> open) { openMenu_ = std::move(open); }
  // Events, fired after the restore and the menu of the same gesture.
  std::function<void()> onRestoreApp;
  std::function<void()> onLeftButtonDoubleClick;

  TTrayIconClicks restoreOn = ticLeftDblClick;
  TTrayIconClicks popupMenuOn = ticRightClickUp;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnGesture(TTrayIconClicks gesture);
  void OpenMenu();
  void Notify(DWORD action);
  NOTIFYICONDATAW IconData(DWORD size) const;
  HICON CurrentIcon() const;

  HWND owner_;            // not owned
  HICON applicationIcon_;  // not owned
  std::vector<HICON> icons_;
  int iconIndex_ = 0;
  bool enabled_ = false;
  bool animate_ = false;
  UINT interval_ = 1000;
  std::wstring hint_;
  std::function<void(POINT)> openMenu_;
};
