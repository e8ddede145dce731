#pragma once
// One hot-key sub-menu of the tray menu: "-/-", Win+"+", Find, Back, Forward,
// Favourites and WWW, owner-drawn with their pictures, the assigned key
// checked. The captions are the keys' own names in every language.

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "app/key_assignments.h"
#include "pixels/display_scale.h"
#include "win/menu_glyphs_win.h"

class HotKeyMenu {
 public:
  // Fills `menu` (lent; the glyphs too) with commands firstCommand..firstCommand+6.
  HotKeyMenu(HMENU menu, UINT firstCommand, const MenuGlyphs& glyphs);

  // Checks the item of the key index, or none (the Mail key has no item).
  void Show(int keyIndex) const;
  // The key index a command of this menu chooses; none for other commands
  // and for the item already checked.
  std::optional<int> Choose(UINT command) const;

  bool Measure(MEASUREITEMSTRUCT& item, const DisplayScale& scale) const;
  // Has the system ask for the items' sizes again when the menu next opens.
  void Remeasure() const;
  bool Draw(const DRAWITEMSTRUCT& item, const DisplayScale& scale) const;
  // The caption drawn for a command of this menu; empty for any other.
  const wchar_t* Caption(UINT command) const;

 private:
  bool Owns(UINT command) const { return command >= first_ && command < first_ + kHotKeyMenuItems; }

  HMENU menu_;  // not owned
  UINT first_;
  const MenuGlyphs& glyphs_;
};
