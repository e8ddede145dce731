// The sticker window's popup menu and its clipboard commands.

#include <cstring>

#include "win/text_convert_win.h"
#include "sticker/stacking_choices.h"
#include "sticker/stick_form_win.h"
#include "store/shortcut_win.h"
#include "win/handles_win.h"

namespace {

enum MenuItem : UINT {
  kDuplicate = 1,
  kHide,
  kDelete,
  kFloat,
  kFirstPosition,  // one item each of kStackingChoices, in its order
  kLastPosition = kFirstPosition + 3,
  kCopy,
  kPaste,
  kShortcut,
  kCollapse,
  kProperties,
};


// Glyphs of the strip shown beside the items that have one.
struct ItemGlyph {
  MenuItem item;
  int glyph;
};
constexpr ItemGlyph kItemGlyphs[] = {{kDuplicate, 8}, {kDelete, 12}, {kFloat, 21}, {kCopy, 14},
                                     {kPaste, 15},    {kShortcut, 18}, {kProperties, 9}};

void Append(HMENU menu, UINT item, const std::wstring& text, UINT flags = 0) {
  AppendMenuW(menu, MF_STRING | flags, item, text.c_str());
}

void SetGlyphs(HMENU menu, const MenuGlyphs& glyphs) {
  for (const ItemGlyph& g : kItemGlyphs) glyphs.AttachTo(menu, g.item, g.glyph);
}

void Separator(HMENU menu) { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }

}  // namespace

void TStickForm::ShowMenu(int x, int y) {
  if (x == -1 && y == -1) {  // from the keyboard: at the window's corner
    RECT r{};
    GetWindowRect(Handle(), &r);
    x = r.left;
    y = r.top;
  }
  const UniqueMenu menu(CreatePopupMenu());
  HMENU m = menu.Get();
  Append(m, kDuplicate, texts_.Text({L"Sticker", L"mCopys"}));
  Append(m, kHide, texts_.Text({L"Sticker", L"mhide"}));
  Append(m, kDelete, texts_.Text({L"Sticker", L"mdelete"}));
  Separator(m);
  Append(m, kFloat, texts_.Text({L"Setting", L"Float"}), record_.floating ? MF_CHECKED : 0);
  Separator(m);
  for (UINT i = 0; i < kStackingChoices.size(); ++i)
    Append(m, kFirstPosition + i, texts_.Text(kStackingChoices[i].text),
           record_.position == kStackingChoices[i].position ? MF_CHECKED : 0);
  Separator(m);
  Append(m, kCopy, texts_.Text({L"Setting", L"buffOut"}));
  Append(m, kPaste, texts_.Text({L"Setting", L"buffIn"}), IsClipboardFormatAvailable(CF_TEXT) ? 0 : MF_GRAYED);
  Separator(m);
  Append(m, kShortcut, texts_.Text({L"Manager", L"Link"}));
  Separator(m);
  Append(m, kCollapse, texts_.Text(record_.expanded ? TextId{L"Sticker", L"dfSver"} : TextId{L"Sticker", L"dfRazver"}));
  Append(m, kProperties, texts_.Text({L"Sticker", L"mConfig"}));
  SetGlyphs(m, glyphs_);
  SetForegroundWindow(Handle());
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(m, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, Handle(), nullptr));
  if (chosen) OnMenuCommand(chosen);
}

void TStickForm::OnMenuCommand(UINT item) {
  if (item >= kFirstPosition && item <= kLastPosition) {
    const int position = kStackingChoices[item - kFirstPosition].position;
    record_.position = static_cast<std::uint8_t>(position);
    StoreStackingPosition(position);
    Redraw();
    return;
  }
  switch (item) {
    case kDuplicate:
      host_.Duplicate(record_.id);
      break;
    case kHide:
      Hide();
      break;
    case kDelete:
      Delete();
      break;
    case kFloat:
      record_.floating = record_.floating ? 0 : 1;
      host_.SetFloating(record_.id, record_.floating != 0);
      Redraw();
      break;
    case kCopy:
      CopyText();
      break;
    case kPaste:
      PasteText();
      break;
    case kCollapse:
      ToggleExpanded();
      break;
    case kProperties:
      host_.OpenSettings(record_.id);
      break;
    case kShortcut:
      host_.CreateShortcut(record_.id);
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
