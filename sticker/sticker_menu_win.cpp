#include "sticker/sticker_menu_win.h"

#include "sticker/stacking_choices.h"

namespace {

// Glyphs of the strip shown beside the items that have one.
struct ItemGlyph {
  StickerMenuItem item;
  int glyph;
};
constexpr ItemGlyph kItemGlyphs[] = {{kMenuDuplicate, 8}, {kMenuDelete, 12}, {kMenuFloat, 21}, {kMenuCopy, 14},
                                     {kMenuPaste, 15},    {kMenuShortcut, 18}, {kMenuProperties, 9}};

void Append(HMENU menu, UINT item, const std::wstring& text, UINT flags = 0) {
  AppendMenuW(menu, MF_STRING | flags, item, text.c_str());
}

void Separator(HMENU menu) { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }

UINT CheckedIf(bool on) { return on ? MF_CHECKED : 0; }
UINT GrayedUnless(bool on) { return on ? 0 : MF_GRAYED; }

}  // namespace

// Undo comes last, after a separator of its own: every item above keeps the
// place it has always had, which users who pick items by their keys, and
// programs that drive the menu the same way, count on.
UniqueMenu MakeStickerMenu(const StickerMenuState& state, const TMUI& texts, const MenuGlyphs& glyphs) {
  UniqueMenu menu(CreatePopupMenu());
  HMENU m = menu.Get();
  Append(m, kMenuDuplicate, texts.Text({L"Sticker", L"mCopys"}));
  Append(m, kMenuHide, texts.Text({L"Sticker", L"mhide"}));
  Append(m, kMenuDelete, texts.Text({L"Sticker", L"mdelete"}));
  Separator(m);
  Append(m, kMenuFloat, texts.Text({L"Setting", L"Float"}), CheckedIf(state.floating));
  Separator(m);
  for (UINT i = 0; i < kStackingChoices.size(); ++i)
    Append(m, kMenuFirstPosition + i, texts.Text(kStackingChoices[i].text),
           CheckedIf(state.position == kStackingChoices[i].position));
  Separator(m);
  Append(m, kMenuCopy, texts.Text({L"Setting", L"buffOut"}));
  Append(m, kMenuPaste, texts.Text({L"Setting", L"buffIn"}), GrayedUnless(state.clipboardHasText));
  Separator(m);
  Append(m, kMenuShortcut, texts.Text({L"Manager", L"Link"}));
  Separator(m);
  Append(m, kMenuCollapse, texts.Text(state.expanded ? TextId{L"Sticker", L"dfSver"} : TextId{L"Sticker", L"dfRazver"}));
  Append(m, kMenuProperties, texts.Text({L"Sticker", L"mConfig"}));
  Separator(m);
  Append(m, kMenuUndo, texts.Text({L"Sticker", L"mUndo"}), GrayedUnless(state.canUndo));
  for (const ItemGlyph& g : kItemGlyphs) glyphs.AttachTo(m, g.item, g.glyph, state.dpi);
  return menu;
}
