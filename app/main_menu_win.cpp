#include "app/main_menu_win.h"

#include "sticker/stacking_choices.h"
#include "sticker/sticker_title_win.h"
#include "store/text_utils.h"
#include "win/text_convert_win.h"

namespace {

// Command ids: each action of the menu is its own, offset past the language
// commands; a sticker's commands are kFirstSticker + item * 8 + its own.
constexpr UINT kFirstAction = 20;
constexpr UINT CommandOf(MenuAction action) { return kFirstAction + static_cast<UINT>(action); }
constexpr UINT kNewSticker = CommandOf(MenuAction::kNewSticker), kManager = CommandOf(MenuAction::kManager),
               kAbout = CommandOf(MenuAction::kAbout), kShowAll = CommandOf(MenuAction::kShowAll),
               kHideAll = CommandOf(MenuAction::kHideAll), kDeleteAll = CommandOf(MenuAction::kDeleteAll),
               kFindOffScreen = CommandOf(MenuAction::kFindOffScreen),
               kFindTransparent = CommandOf(MenuAction::kFindTransparent), kClose = CommandOf(MenuAction::kClose);
constexpr UINT kFirstSticker = 1000;  // up to 1000 + 256 * 8
constexpr UINT kFirstNewStickerKey = 4000, kFirstManagerKey = 4100;
constexpr UINT kStickerCommands = 8;
// A sticker's own commands: its four positions (kStackingChoices), then these.
enum StickerCommand : UINT { kShow = 4, kFloat, kSettings };
// A sticker is listed by the start of its text.
constexpr std::size_t kMenuLabelLength = 16;

// Glyphs of the strip.
constexpr int kGlyphNew = 6, kGlyphHotKeys = 19, kGlyphManager = 17, kGlyphShowAll = 1, kGlyphHideAll = 0,
              kGlyphDelete = 12, kGlyphFind = 16, kGlyphClose = 11, kGlyphSticker = 22, kGlyphFloat = 21,
              kGlyphSettings = 9;

// Captions of the items named by command, and of the sub-menus by position.
struct CommandCaption {
  UINT command;
  TextId text;
};
constexpr CommandCaption kCommandCaptions[] = {
    {kNewSticker, {L"Tray", L"mNewStick"}},       {kManager, {L"Manager", L"ts_manager"}},
    {kAbout, {L"Tray", L"mAbout"}},               {kShowAll, {L"Tray", L"mShowall"}},
    {kHideAll, {L"Tray", L"mHideAll"}},           {kDeleteAll, {L"Tray", L"mDeleteAll"}},
    {kFindOffScreen, {L"Tray", L"mFindSreen"}},   {kFindTransparent, {L"Tray", L"mFindTransp"}},
    {kClose, {L"Tray", L"mClose"}},
};

void Separator(HMENU menu) { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }
void Item(HMENU menu, UINT command) { AppendMenuW(menu, MF_STRING, command, L""); }
void Popup(HMENU menu, HMENU popup) { AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L""); }

}  // namespace

MainMenu::MainMenu(TMUI& texts, const MenuGlyphs& glyphs, const std::wstring& programFolder,
                   const ScaledImageList& flags)
    : texts_(texts),
      glyphs_(glyphs),
      menu_(CreatePopupMenu()),
      languages_(texts, programFolder, flags),
      hotKeys_(CreatePopupMenu()),
      newStickerKeyMenu_(CreatePopupMenu()),
      managerKeyMenu_(CreatePopupMenu()),
      stickers_(CreatePopupMenu()),
      actions_(CreatePopupMenu()),
      newStickerKeys_(newStickerKeyMenu_, kFirstNewStickerKey, glyphs),
      managerKeys_(managerKeyMenu_, kFirstManagerKey, glyphs) {
  HMENU m = menu_.Get();
  Item(m, kNewSticker);
  Separator(m);
  Popup(m, languages_.Handle());
  Popup(m, hotKeys_);
  Popup(m, stickers_);
  Item(m, kManager);
  Item(m, kAbout);
  Separator(m);
  Popup(m, actions_);
  Separator(m);
  Item(m, kClose);
  Popup(hotKeys_, newStickerKeyMenu_);
  Popup(hotKeys_, managerKeyMenu_);
  for (UINT c : {kShowAll, kHideAll, kDeleteAll}) Item(actions_, c);
  Separator(actions_);
  for (UINT c : {kFindOffScreen, kFindTransparent}) Item(actions_, c);
  AttachGlyphs();
  EnableMenuItem(m, kStickersPosition, MF_BYPOSITION | MF_GRAYED);
  Relabel();
}

void MainMenu::AttachGlyphs() const {
  HMENU m = menu_.Get();
  const int dpi = scale_.Dpi();
  for (auto [command, glyph] : {std::pair{kNewSticker, kGlyphNew}, {kManager, kGlyphManager}, {kClose, kGlyphClose},
                                {kShowAll, kGlyphShowAll}, {kHideAll, kGlyphHideAll}, {kDeleteAll, kGlyphDelete},
                                {kFindOffScreen, kGlyphFind}, {kFindTransparent, kGlyphFind}})
    glyphs_.AttachTo(m, command, glyph, dpi);
  glyphs_.AttachTo(m, kHotKeysPosition, kGlyphHotKeys, dpi, true);
  glyphs_.AttachTo(hotKeys_, 0, kGlyphNew, dpi, true);
  glyphs_.AttachTo(hotKeys_, 1, kGlyphManager, dpi, true);
}

bool MainMenu::Measure(MEASUREITEMSTRUCT& item) const {
  return languages_.Measure(item, scale_) || newStickerKeys_.Measure(item, scale_) || managerKeys_.Measure(item, scale_);
}

bool MainMenu::Draw(const DRAWITEMSTRUCT& item) const {
  return languages_.Draw(item, scale_) || newStickerKeys_.Draw(item, scale_) || managerKeys_.Draw(item, scale_);
}

// The language menu is filled anew each time it opens, and so measured anew.
void MainMenu::SetScale(const DisplayScale& scale) {
  if (scale == scale_) return;
  scale_ = scale;
  AttachGlyphs();
  newStickerKeys_.Remeasure();
  managerKeys_.Remeasure();
}

void MainMenu::SetCaption(HMENU menu, UINT item, bool byPosition, TextId text) const {
  const std::wstring caption = texts_.Text(text);
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
  SetMenuItemInfoW(menu, item, byPosition, &info);
}

void MainMenu::Relabel() {
  HMENU m = menu_.Get();
  for (const CommandCaption& c : kCommandCaptions) SetCaption(m, c.command, false, c.text);
  SetCaption(m, kLanguagePosition, true, {L"Tray", L"mLang"});
  SetCaption(m, kHotKeysPosition, true, {L"Tray", L"mChordix"});
  SetCaption(m, kStickersPosition, true, {L"Tray", L"mSticks"});
  SetCaption(m, kActionsPosition, true, {L"Tray", L"mDeist"});
  SetCaption(hotKeys_, 0, true, {L"Tray", L"mNewStick"});
  SetCaption(hotKeys_, 1, true, {L"Manager", L"ts_manager"});
  languages_.Relabel();
}

HMENU MainMenu::StickerItemMenu(std::size_t index, const StickerRecord& record) const {
  HMENU menu = CreatePopupMenu();
  const UINT base = kFirstSticker + static_cast<UINT>(index) * kStickerCommands;
  for (UINT i = 0; i < kStackingChoices.size(); ++i) {
    AppendMenuW(menu, MF_STRING, base + i, texts_.Text(kStackingChoices[i].text).c_str());
    if (record.position == kStackingChoices[i].position)  // a radio group of its own
      CheckMenuRadioItem(menu, base, base + kStackingChoices.size() - 1, base + i, MF_BYCOMMAND);
  }
  Separator(menu);
  AppendMenuW(menu, MF_STRING, base + kShow, texts_.Text({L"Tray", L"mSticksView"}).c_str());
  Separator(menu);
  AppendMenuW(menu, MF_STRING | (record.floating ? MF_CHECKED : 0), base + kFloat, texts_.Text({L"Setting", L"Float"}).c_str());
  AppendMenuW(menu, MF_STRING, base + kSettings, texts_.Text({L"Sticker", L"mConfig"}).c_str());
  glyphs_.AttachTo(menu, base + kFloat, kGlyphFloat, scale_.Dpi());
  glyphs_.AttachTo(menu, base + kSettings, kGlyphSettings, scale_.Dpi());
  return menu;
}

void MainMenu::ListStickers(const Tmassiv& store) {
  while (GetMenuItemCount(stickers_) > 0) DeleteMenu(stickers_, 0, MF_BYPOSITION);  // sub-menus go with their items
  listedIds_.clear();
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& record = store.Sticker(slot);
    if (!record.in_use || !record.visible) continue;
    const std::wstring label = StickerTitle(record, texts_, kMenuLabelLength);
    AppendMenuW(stickers_, MF_POPUP, reinterpret_cast<UINT_PTR>(StickerItemMenu(listedIds_.size(), record)),
                label.c_str());
    glyphs_.AttachTo(stickers_, static_cast<UINT>(listedIds_.size()), kGlyphSticker, scale_.Dpi(), true);
    listedIds_.push_back(record.id);
  }
  EnableMenuItem(menu_.Get(), kStickersPosition, MF_BYPOSITION | (listedIds_.empty() ? MF_GRAYED : MF_ENABLED));
}

MenuChoice MainMenu::Decode(UINT command) const {
  if (command >= kNewSticker && command <= kClose) return {static_cast<MenuAction>(command - kFirstAction)};
  if (command < kFirstSticker) return {};
  const std::size_t index = (command - kFirstSticker) / kStickerCommands;
  if (index >= listedIds_.size()) return {};
  const std::int32_t id = listedIds_[index];
  const UINT own = (command - kFirstSticker) % kStickerCommands;
  if (own < kStackingChoices.size()) return {MenuAction::kStickerPosition, id, kStackingChoices[own].position};
  switch (own) {
    case kShow:
      return {MenuAction::kStickerShow, id};
    case kFloat:
      return {MenuAction::kStickerFloat, id};
    case kSettings:
      return {MenuAction::kStickerSettings, id};
    default:
      return {};
  }
}
