#pragma once
// A sticker window's popup menu: its items in their fixed order, each with
// its caption from the language table, its check mark, its picture and
// whether it can be chosen now.

#include <windows.h>

#include "lang/tmui.h"
#include "pixels/picture_scale.h"
#include "win/menu_glyphs_win.h"
#include "win/handles_win.h"

// The items' command ids; the four positions follow kStackingChoices.
enum StickerMenuItem : UINT {
  kMenuDuplicate = 1,
  kMenuHide,
  kMenuDelete,
  kMenuFloat,
  kMenuFirstPosition,
  kMenuLastPosition = kMenuFirstPosition + 3,
  kMenuCopy,
  kMenuPaste,
  kMenuShortcut,
  kMenuCollapse,
  kMenuProperties,
  kMenuUndo,
};

// What the items show of the sticker and its surroundings when the menu opens.
struct StickerMenuState {
  bool floating = false;
  int position = 0;
  bool expanded = true;
  bool clipboardHasText = false;
  bool canUndo = false;
  int dpi = kDefaultDpi;  // of the sticker's monitor, for the pictures
};

UniqueMenu MakeStickerMenu(const StickerMenuState& state, const TMUI& texts, const MenuGlyphs& glyphs);
