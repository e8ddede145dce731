// The sticker window's popup menu and its clipboard commands.

#include <cstring>

#include "win/text_convert_win.h"
#include "sticker/stacking_choices.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_menu_win.h"
#include "store/shortcut_win.h"
#include "win/handles_win.h"

void TStickForm::ShowMenu(int x, int y) {
  if (x == -1 && y == -1) {  // from the keyboard: at the window's corner
    RECT r{};
    GetWindowRect(Handle(), &r);
    x = r.left;
    y = r.top;
  }
  const StickerMenuState state{.floating = record_.floating != 0,
                               .position = record_.position,
                               .expanded = record_.expanded != 0,
                               .clipboardHasText = IsClipboardFormatAvailable(CF_TEXT) != FALSE,
                               .canUndo = host_.CanUndo(record_.id),
                               .dpi = scale_.Dpi()};
  const UniqueMenu menu = MakeStickerMenu(state, texts_, glyphs_);
  SetForegroundWindow(Handle());
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, Handle(), nullptr));
  if (chosen) OnMenuCommand(chosen);
}

void TStickForm::OnMenuCommand(UINT item) {
  if (item >= kMenuFirstPosition && item <= kMenuLastPosition) {
    const int position = kStackingChoices[item - kMenuFirstPosition].position;
    record_.position = static_cast<std::uint8_t>(position);
    StoreStackingPosition(position);
    Redraw();
    return;
  }
  switch (item) {
    case kMenuDuplicate:
      host_.Duplicate(record_.id);
      break;
    case kMenuHide:
      Hide();
      break;
    case kMenuDelete:
      Delete();
      break;
    case kMenuFloat:
      record_.floating = record_.floating ? 0 : 1;
      host_.SetFloating(record_.id, record_.floating != 0);
      Redraw();
      break;
    case kMenuCopy:
      CopyText();
      break;
    case kMenuPaste:
      PasteText();
      break;
    case kMenuCollapse:
      ToggleExpanded();
      break;
    case kMenuProperties:
      host_.OpenSettings(record_.id);
      break;
    case kMenuShortcut:
      host_.CreateShortcut(record_.id);
      break;
    case kMenuUndo:
      host_.Undo(record_.id);
      break;
    default:
      break;
  }
}

void TStickForm::CopyText() { PutTextOnClipboard(Handle(), text_); }

void TStickForm::PasteText() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  std::wstring pasted;
  {
    const ScopedClipboard clipboard(Handle());
    if (!clipboard.IsOpen()) return;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        pasted.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
      }
    }
  }
  if (pasted.empty()) return;
  std::optional<StickerRecord> stored = host_.StoredRecord(record_.id);
  if (!stored) return;
  SetStickerText(*stored, AnsiFromWide(pasted));  // cut to the buffer
  host_.ApplyStickerSettings(record_.id, *stored);
}
