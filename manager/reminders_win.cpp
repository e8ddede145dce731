#include "manager/reminders_win.h"

#include <algorithm>

#include "manager/reminder_cascade.h"

namespace {

// Posted to the owner's window when a reminder has closed, so that its object
// is freed outside its own window procedure.
constexpr UINT kReleaseClosedReminders = WM_APP + 1;

}  // namespace

bool Reminders::Create() {
  WindowCreateArgs args;
  args.className = L"QuilloryReminders";
  args.style = 0;
  args.x = args.y = args.width = args.height = 0;
  args.parent = HWND_MESSAGE;
  return CreateWindowFor(args);
}

bool Reminders::Show(const std::wstring& text) {
  auto form = std::make_unique<TReminderForm>(texts_, [this](TReminderForm* closed) { OnClosed(closed); });
  if (!form->Create()) return false;
  std::vector<int> taken;
  for (const Shown& shown : open_) taken.push_back(shown.place);
  const int place = FirstFreePlace(taken);
  const POINT topLeft = TopLeftOf(place, form->SizeFor(text));
  if (!form->Show(text, topLeft)) return false;
  open_.push_back({std::move(form), place});
  return true;
}

// The first place is the middle of the screen; each next one a caption's
// height lower and to the right, kept on the screen.
POINT Reminders::TopLeftOf(int place, SIZE size) const {
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME);
  const CascadeOffset offset = PlaceOffset(place, step);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int width = static_cast<int>(size.cx), height = static_cast<int>(size.cy);
  const int left = (screenWidth - width) / 2 + offset.x, top = (screenHeight - height) / 2 + offset.y;
  return {std::clamp(left, 0, std::max(0, screenWidth - width)), std::clamp(top, 0, std::max(0, screenHeight - height))};
}

std::vector<HWND> Reminders::OpenWindows() const {
  std::vector<HWND> windows;
  for (const Shown& shown : open_) windows.push_back(shown.form->Handle());
  return windows;
}

// Runs as the window goes and again once its last handler has returned.
void Reminders::OnClosed(TReminderForm* form) {
  const auto it = std::find_if(open_.begin(), open_.end(), [form](const Shown& s) { return s.form.get() == form; });
  if (it != open_.end()) {
    closed_.push_back(std::move(it->form));
    open_.erase(it);
  }
  PostMessageW(Handle(), kReleaseClosedReminders, 0, 0);
}

void Reminders::ReleaseClosed() {
  std::erase_if(closed_, [](const auto& form) { return !form->Busy(); });
}

LRESULT Reminders::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kReleaseClosedReminders) {
    ReleaseClosed();
    return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}
