// The manager's find field: typing narrows the sticker grid to the stickers
// whose body text or caption (or a calendar's month title) holds the typed
// text, case ignored in any script; Enter opens the first match's settings,
// Esc clears the field before it hides the window, Ctrl+F comes back to it.

#include "manager/manager_form_win.h"

#include <algorithm>

#include "lang/case_fold.h"
#include "win/text_convert_win.h"

namespace {
constexpr int kStickerPage = 0;  // the first tab page; the task page is the second
}  // namespace

// Focus changes notify as typing does; only a new text refills.
void TFormManager::FindChange() {
  if (ControlText(kFindEdit) != filter_) RefillStickers();
}

// The store keeps ANSI bytes: they are compared as Unicode, so that Russian
// matches whatever the case the user types in.
void TFormManager::FilterStickerRows() {
  filter_ = ControlText(kFindEdit);
  if (filter_.empty()) return;
  const auto holds = [&](const std::wstring& text) { return ContainsIgnoringCase(text, filter_); };
  std::erase_if(stickerRows_, [&](const StickerRow& row) {
    return !holds(WideFromAnsi(row.text)) && !holds(WideFromAnsi(row.caption)) &&
           !(row.calendar && holds(StickerName(row)));
  });
}

void TFormManager::FocusFind() {
  tabs_.Show(kStickerPage);
  SetFocus(Control(kFindEdit));
  SendMessageW(Control(kFindEdit), EM_SETSEL, 0, -1);
}

bool TFormManager::OnFindKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam == 'F' && GetKeyState(VK_CONTROL) < 0) {
    FocusFind();
    return true;
  }
  if (message.wParam == VK_ESCAPE && tabs_.Current() == kStickerPage && !filter_.empty()) {
    SetControlText(kFindEdit, L"");
    RefillStickers();
    return true;
  }
  if (message.wParam == VK_RETURN && message.hwnd == Control(kFindEdit)) {
    if (!stickerRows_.empty()) {
      stickerGrid_->Select(0);
      StickerSettingsClick();
    }
    return true;
  }
  return false;
}
