#pragma once
// The language sub-menu of the tray menu: the language files beside the
// program, listed anew each time it opens, above the two built-in languages;
// owner-drawn items with the flag of each language. Choosing an item applies
// that language, which relabels every window that exists.

#include <windows.h>

#include <string>
#include <vector>

#include "lang/tmui.h"
#include "pixels/display_scale.h"
#include "win/handles_win.h"
#include "win/scaled_image_list_win.h"

class LanguageMenu {
 public:
  // The flags (25 x 15 pictures at 100 %) are lent, not owned.
  LanguageMenu(TMUI& texts, std::wstring programFolder, const ScaledImageList& flags);

  // The sub-menu, for its parent to own once it is added there.
  HMENU Handle() const { return menu_; }
  // Lists the language files again and checks the item of the language in use.
  void Rebuild();
  // Applies the language of a command of this menu; false for other commands.
  bool Choose(UINT command);
  void Relabel();

  bool Measure(MEASUREITEMSTRUCT& item, const DisplayScale& scale) const;
  bool Draw(const DRAWITEMSTRUCT& item, const DisplayScale& scale) const;

  static constexpr UINT kRussian = 2, kEnglish = 3, kFirstFile = 100, kMaxFiles = 100;
  static constexpr int kItemHeight = 21;

 private:
  struct Item {
    UINT command;
    std::wstring caption;
    int flag;
    std::wstring fileName;  // empty for a built-in language
  };
  const Item* ItemOf(UINT command) const;
  void AddItem(const Item& item, UINT position);
  void UpdateChecks(bool listed);

  TMUI& texts_;
  std::wstring programFolder_;
  const ScaledImageList& flags_;
  HMENU menu_;        // owned by the parent menu once added
  std::vector<Item> items_;
};
