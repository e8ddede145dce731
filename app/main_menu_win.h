#pragma once
// The tray icon's menu: new sticker, language, hot keys, the stickers that are
// open (each with its own small menu), manager, About, the whole-set actions
// and Close. Captions come from the current texts and follow every change of
// language; the stickers are listed anew each time the menu opens.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/hot_key_menu_win.h"
#include "lang/language_menu_win.h"
#include "lang/tmui.h"
#include "win/menu_glyphs_win.h"
#include "win/scaled_image_list_win.h"
#include "store/tmassiv.h"
#include "win/handles_win.h"

enum class MenuAction {
  kNone,
  kNewSticker,
  kManager,
  kAbout,
  kShowAll,
  kHideAll,
  kDeleteAll,
  kFindOffScreen,
  kFindTransparent,
  kClose,
  kStickerPosition,  // with the position
  kStickerShow,
  kStickerFloat,
  kStickerSettings,
};

struct MenuChoice {
  MenuAction action = MenuAction::kNone;
  std::int32_t stickerId = 0;
  int position = 0;
};

class MainMenu {
 public:
  // The glyphs and the flags are lent, not owned.
  MainMenu(TMUI& texts, const MenuGlyphs& glyphs, const std::wstring& programFolder, const ScaledImageList& flags);

  HMENU Handle() const { return menu_.Get(); }
  LanguageMenu& Languages() { return languages_; }
  const HotKeyMenu& NewStickerKeys() const { return newStickerKeys_; }
  const HotKeyMenu& ManagerKeys() const { return managerKeys_; }
  // The owner-drawn items of the sub-menus, at the scale of the monitor the
  // menu opens on: false for items of no sub-menu.
  bool Measure(MEASUREITEMSTRUCT& item) const;
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // The scale of the monitor the menu is about to open on: pictures drawn for
  // another are drawn anew for it, owner-drawn items measured again.
  void SetScale(const DisplayScale& scale);
  void Relabel();
  // One item for every open sticker, in slot order, with pictures at the
  // menu's scale; "Stickers" is enabled only when there is at least one.
  void ListStickers(const Tmassiv& store);
  // What a command of the menu asks for; language commands are the language
  // menu's own.
  MenuChoice Decode(UINT command) const;

  // Positions of the sub-menus in the menu.
  static constexpr int kLanguagePosition = 2, kHotKeysPosition = 3, kStickersPosition = 4, kActionsPosition = 8;

 private:
  void AttachGlyphs() const;
  HMENU StickerItemMenu(std::size_t index, const StickerRecord& record) const;
  void SetCaption(HMENU menu, UINT item, bool byPosition, TextId text) const;

  TMUI& texts_;
  const MenuGlyphs& glyphs_;
  UniqueMenu menu_;
  LanguageMenu languages_;
  HMENU hotKeys_, newStickerKeyMenu_, managerKeyMenu_, stickers_, actions_;  // owned by menu_
  HotKeyMenu newStickerKeys_, managerKeys_;
  std::vector<std::int32_t> listedIds_;  // the sticker of each item of stickers_
  DisplayScale scale_;
};
