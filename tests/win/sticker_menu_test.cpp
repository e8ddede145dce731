// A sticker window's popup menu as the program builds it, read back item by
// item: the fixed order, the check marks, and which items can be chosen.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "sticker/sticker_menu_win.h"
#include "store/sticker_record.h"

namespace {

constexpr UINT kSeparator = 0;

// The command ids in menu order, kSeparator for each separator.
std::vector<UINT> ItemsOf(HMENU menu) {
  std::vector<UINT> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    items.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) ? kSeparator
                                                                                              : GetMenuItemID(menu, i));
  return items;
}

UINT StateOf(HMENU menu, UINT item) { return GetMenuState(menu, item, MF_BYCOMMAND); }

std::wstring TextOf(HMENU menu, UINT item) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, item, text, 64, MF_BYCOMMAND);
  return text;
}

// Every item keeps its place; Undo comes last, after a separator of its own.
TEST(StickerMenuItems, StandInTheirFixedOrderWithUndoLast) {
  const TMUI texts;
  const MenuGlyphs glyphs;
  const UniqueMenu menu = MakeStickerMenu({}, texts, glyphs);
  const std::vector<UINT> expected = {kMenuDuplicate, kMenuHide, kMenuDelete, kSeparator, kMenuFloat, kSeparator,
                                      kMenuFirstPosition, kMenuFirstPosition + 1, kMenuFirstPosition + 2,
                                      kMenuLastPosition, kSeparator, kMenuCopy, kMenuPaste, kSeparator, kMenuShortcut,
                                      kSeparator, kMenuCollapse, kMenuProperties, kSeparator, kMenuUndo};
  EXPECT_EQ(ItemsOf(menu.Get()), expected);
  const std::vector<std::pair<UINT, std::wstring>> captions = {
      {kMenuFirstPosition, L"Topmost"}, {kMenuProperties, L"Properties"}, {kMenuUndo, L"Undo"}};
  for (const auto& [item, caption] : captions) EXPECT_EQ(TextOf(menu.Get(), item), caption) << item;
}

TEST(StickerMenuItems, UndoAndPasteCanBeChosenOnlyWithSomethingToTakeBackOrToPaste) {
  const TMUI texts;
  const MenuGlyphs glyphs;
  struct Case {
    bool clipboardHasText, canUndo;
  };
  for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    const UniqueMenu menu =
        MakeStickerMenu({.clipboardHasText = c.clipboardHasText, .canUndo = c.canUndo}, texts, glyphs);
    EXPECT_EQ((StateOf(menu.Get(), kMenuUndo) & MF_GRAYED) == 0, c.canUndo) << c.canUndo << c.clipboardHasText;
    EXPECT_EQ((StateOf(menu.Get(), kMenuPaste) & MF_GRAYED) == 0, c.clipboardHasText) << c.canUndo << c.clipboardHasText;
    EXPECT_EQ(StateOf(menu.Get(), kMenuCopy) & MF_GRAYED, 0u);
  }
}

// The position item of the sticker's own position and Floating when it
// floats are checked; a collapsed sticker offers to expand.
TEST(StickerMenuItems, ShowTheStickersStateAndLanguage) {
  TMUI texts;
  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  const MenuGlyphs glyphs;
  const UniqueMenu menu =
      MakeStickerMenu({.floating = true, .position = kPositionBottom, .expanded = false}, texts, glyphs);
  for (UINT item = kMenuFirstPosition; item <= kMenuLastPosition; ++item)
    EXPECT_EQ((StateOf(menu.Get(), item) & MF_CHECKED) != 0, item == kMenuFirstPosition + 2) << item;  // Behind all
  EXPECT_TRUE(StateOf(menu.Get(), kMenuFloat) & MF_CHECKED);
  EXPECT_EQ(TextOf(menu.Get(), kMenuCollapse), L"\u0420\u0430\u0437\u0432\u0435\u0440\u043D\u0443\u0442\u044C "
                                               L"\u0441\u0442\u0438\u043A\u0435\u0440");  // Развернуть стикер
  EXPECT_EQ(TextOf(menu.Get(), kMenuUndo), L"\u041E\u0442\u043C\u0435\u043D\u0438\u0442\u044C");  // Отменить
}

}  // namespace
