// The tray menu built by the program's own code and read back with the menu
// functions: items, order, captions in every language, the stickers listed,
// and the language sub-menu.

#include <gtest/gtest.h>

#include <memory>

#include "app/main_menu_win.h"
#include "support/blank_glyphs.h"
#include "support/sticker_samples.h"
#include "support/temp_folder_win.h"

namespace {

bool IsSeparator(HMENU menu, int position) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE;
  return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_SEPARATOR);
}

// "-" for a separator.
std::wstring Caption(HMENU menu, int position) {
  if (IsSeparator(menu, position)) return L"-";
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

std::vector<std::wstring> Captions(HMENU menu) {
  std::vector<std::wstring> captions;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) captions.push_back(Caption(menu, i));
  return captions;
}

bool Checked(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

bool Grayed(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0;
}

// The side of a bitmap, or 0 for none.
int BitmapSide(HBITMAP bitmap) {
  BITMAP info{};
  return bitmap && GetObjectW(bitmap, sizeof(info), &info) ? info.bmWidth : 0;
}

HBITMAP ItemBitmap(HMENU menu, UINT item, bool byPosition) {
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_BITMAP;
  GetMenuItemInfoW(menu, item, byPosition, &info);
  return info.hbmpItem;
}

UniqueImageList BlankFlags(int dpi) {
  return UniqueImageList(ImageList_Create(ScaleToDpi(25, dpi), ScaleToDpi(15, dpi), ILC_COLOR24, 0, 1));
}

StickerRecord WithText(std::int32_t id, const char* text, bool visible = true) {
  StickerRecord r = MakeSticker(id, visible);
  SetStickerText(r, text);
  return r;
}

class MainMenuTest : public ::testing::Test {
 protected:
  MainMenuTest() {
    CreateDirectoryW(program.File(L"Languages").c_str(), nullptr);
    texts.Hooks().Register([this](const TMUI&) { menu->Relabel(); });
  }
  HMENU Sub(int position) const { return GetSubMenu(menu->Handle(), position); }

  TempFolder program;
  TMUI texts;
  MenuGlyphs glyphs{BlankGlyphStrip, 0};
  ScaledImageList flags{BlankFlags};
  Tmassiv store;
  std::unique_ptr<MainMenu> menu = std::make_unique<MainMenu>(texts, glyphs, program.Path(), flags);
};

TEST_F(MainMenuTest, ItemsStandInTheirOrderWithTheirCaptionsInEveryLanguage) {
  const std::vector<std::wstring> english = {L"New sticker", L"-", L"Language", L"Chordix", L"Stickers",
                                             L"Sticker manager", L"About", L"-", L"Actions", L"-", L"Close"};
  EXPECT_EQ(Captions(menu->Handle()), english);
  const std::vector<std::wstring> actions = {L"Show all stickers", L"Hide all stickers", L"Remove all stickers", L"-",
                                             L"Show off-screen stickers", L"Show transparent stickers"};
  EXPECT_EQ(Captions(Sub(MainMenu::kActionsPosition)), actions);
  EXPECT_EQ(Captions(Sub(MainMenu::kHotKeysPosition)), (std::vector<std::wstring>{L"New sticker", L"Sticker manager"}));

  texts.ApplyBuiltin(BuiltinLanguage::kRussian);
  const std::vector<std::wstring> russian = {L"Новый стикер", L"-", L"Язык", L"Горячие клавиши", L"Стикеры",
                                             L"Менеджер стикеров", L"Об Авторе", L"-", L"Действия", L"-",
                                             L"Закрыть программу"};
  EXPECT_EQ(Captions(menu->Handle()), russian);
  EXPECT_EQ(Caption(Sub(MainMenu::kActionsPosition), 2), L"Удалить все стикеры");

  WriteText(program.File(L"Languages\\Test.lng"), "[Options]\r\nName=Test\r\n[Tray]\r\nmNewStick=Fresh note\r\nmClose=Quit\r\n");
  ASSERT_TRUE(menu->Languages().Choose(LanguageMenu::kEnglish));
  menu->Languages().Rebuild();
  ASSERT_TRUE(menu->Languages().Choose(LanguageMenu::kFirstFile));
  EXPECT_EQ(Caption(menu->Handle(), 0), L"Fresh note");
  EXPECT_EQ(Caption(menu->Handle(), 10), L"Quit");
  EXPECT_EQ(Caption(menu->Handle(), 2), L"Language");  // a key the file lacks: English
}

// The keys of the two hot-key sub-menus are one list: the same names, item
// by item, whichever command they choose a key for.
TEST_F(MainMenuTest, BothHotKeyMenusNameTheKeysAlike) {
  HMENU create = GetSubMenu(Sub(MainMenu::kHotKeysPosition), 0), manager = GetSubMenu(Sub(MainMenu::kHotKeysPosition), 1);
  ASSERT_EQ(GetMenuItemCount(create), kHotKeyMenuItems);
  ASSERT_EQ(GetMenuItemCount(manager), kHotKeyMenuItems);
  const std::vector<std::wstring> names = {L"-/-", L"Win+\"+\"", L"Find", L"Back", L"Forward", L"Favourite", L"WWW"};
  for (int i = 0; i < kHotKeyMenuItems; ++i) {
    EXPECT_EQ(menu->NewStickerKeys().Caption(GetMenuItemID(create, i)), names[static_cast<std::size_t>(i)]);
    EXPECT_EQ(menu->ManagerKeys().Caption(GetMenuItemID(manager, i)), names[static_cast<std::size_t>(i)]);
  }
}

TEST_F(MainMenuTest, OpenStickersAreListedByTheirTextWithTheirOwnCommands) {
  EXPECT_TRUE(Grayed(menu->Handle(), MainMenu::kStickersPosition));
  (void)store.AddRecord(WithText(1, "hidden one", false));
  menu->ListStickers(store);
  EXPECT_TRUE(Grayed(menu->Handle(), MainMenu::kStickersPosition));  // nothing open

  StickerRecord floating = WithText(2, "Buy milk\r\nand bread");
  floating.floating = 1;
  floating.position = kPositionBottom;
  (void)store.AddRecord(floating);
  (void)store.AddRecord(WithText(3, "0123456789abcdef"));
  (void)store.AddRecord(WithText(4, "0123456789abcdefg"));
  menu->ListStickers(store);
  menu->ListStickers(store);  // listed anew, not added twice
  EXPECT_FALSE(Grayed(menu->Handle(), MainMenu::kStickersPosition));
  HMENU stickers = Sub(MainMenu::kStickersPosition);
  EXPECT_EQ(Captions(stickers), (std::vector<std::wstring>{L"Buy milk...", L"0123456789abcdef", L"0123456789abcdef..."}));

  HMENU first = GetSubMenu(stickers, 0);
  EXPECT_EQ(Captions(first), (std::vector<std::wstring>{L"Topmost", L"Normal", L"Stay behind all windows", L"Desktop",
                                                        L"-", L"Show", L"-", L"Floating window", L"Properties"}));
  EXPECT_FALSE(Checked(first, 0));
  EXPECT_TRUE(Checked(first, 2));  // its stacking position
  EXPECT_TRUE(Checked(first, 7));  // floating
  EXPECT_FALSE(Checked(GetSubMenu(stickers, 1), 7));
  const MenuChoice back = menu->Decode(GetMenuItemID(first, 0));
  EXPECT_EQ(back.action, MenuAction::kStickerPosition);
  EXPECT_EQ(back.stickerId, 2);
  EXPECT_EQ(back.position, kPositionTopmost);
  EXPECT_EQ(menu->Decode(GetMenuItemID(first, 3)).position, kPositionDesktop);
  const MenuChoice show = menu->Decode(GetMenuItemID(GetSubMenu(stickers, 2), 5));
  EXPECT_EQ(show.action, MenuAction::kStickerShow);
  EXPECT_EQ(show.stickerId, 4);
  EXPECT_EQ(menu->Decode(GetMenuItemID(GetSubMenu(stickers, 1), 7)).action, MenuAction::kStickerFloat);
  EXPECT_EQ(menu->Decode(GetMenuItemID(GetSubMenu(stickers, 1), 8)).action, MenuAction::kStickerSettings);
  EXPECT_EQ(menu->Decode(GetMenuItemID(Sub(MainMenu::kActionsPosition), 2)).action, MenuAction::kDeleteAll);
  EXPECT_EQ(menu->Decode(GetMenuItemID(menu->Handle(), 10)).action, MenuAction::kClose);
}

// Owner-drawn items are measured in pixels of the monitor the menu opens on:
// at 150 % half as high again, and wider by their grown caption and box.
TEST_F(MainMenuTest, OwnerDrawnItemsAreMeasuredAtTheMenusScale) {
  const auto measure = [&](UINT command, const DisplayScale& scale) {
    menu->SetScale(scale);
    MEASUREITEMSTRUCT item{ODT_MENU, 0, command};
    EXPECT_TRUE(menu->Measure(item));
    return item;
  };
  const UINT hotKey = GetMenuItemID(GetSubMenu(Sub(MainMenu::kHotKeysPosition), 0), 2);  // "Find"
  const UINT language = LanguageMenu::kRussian;
  struct Case { int dpi; UINT hotKeyHeight, languageHeight; };
  for (const Case c : {Case{96, 22, 21}, Case{120, 28, 26}, Case{144, 33, 32}, Case{192, 44, 42}}) {
    EXPECT_EQ(measure(hotKey, DisplayScale(c.dpi)).itemHeight, c.hotKeyHeight) << c.dpi;
    EXPECT_EQ(measure(language, DisplayScale(c.dpi)).itemHeight, c.languageHeight) << c.dpi;
  }
  const UINT wide100 = measure(hotKey, DisplayScale()).itemWidth;
  const UINT wide200 = measure(hotKey, DisplayScale(192)).itemWidth;
  EXPECT_GE(wide200, wide100 * 3 / 2) << "the caption is measured in the menu font of 200 %";
}

// The items' pictures are those drawn for the monitor the menu opens on, the
// stickers listed as well as the fixed items, and follow it back.
TEST_F(MainMenuTest, PicturesAreThoseOfTheMenusScale) {
  store.AddRecord(WithText(5, "Milk"));
  for (const auto& [dpi, side] : {std::pair{144, 24}, {192, 32}, {96, 16}}) {
    menu->SetScale(DisplayScale(dpi));
    menu->ListStickers(store);
    EXPECT_EQ(BitmapSide(ItemBitmap(menu->Handle(), 0, true)), side) << "New sticker at " << dpi;
    EXPECT_EQ(BitmapSide(ItemBitmap(Sub(MainMenu::kHotKeysPosition), 1, true)), side) << "a hot-key menu at " << dpi;
    const HMENU listed = Sub(MainMenu::kStickersPosition);
    EXPECT_EQ(BitmapSide(ItemBitmap(listed, 0, true)), side) << "a listed sticker at " << dpi;
    EXPECT_EQ(BitmapSide(ItemBitmap(GetSubMenu(listed, 0), 7, true)), side) << "its Float at " << dpi;
  }
}

TEST_F(MainMenuTest, LanguageFilesAreListedLastFirstAboveTheBuiltInLanguages) {
  WriteText(program.File(L"Languages\\a.lng"), "[Options]\r\nName=Alpha\r\nFlag=de\r\n");
  WriteText(program.File(L"Languages\\b.LNG"), "[Options]\r\nName=Beta\r\nFlag=zz\r\n");
  WriteText(program.File(L"Languages\\notes.txt"), "not a language");
  CreateDirectoryW(program.File(L"Languages\\folder.lng").c_str(), nullptr);
  LanguageMenu& languages = menu->Languages();
  EXPECT_EQ(GetMenuItemCount(languages.Handle()), 3);  // the built-in ones until it first opens
  languages.Rebuild();
  languages.Rebuild();
  ASSERT_EQ(GetMenuItemCount(languages.Handle()), 5);
  // The system lists a before b; each file item goes above the last.
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, GetMenuItemID(languages.Handle(), 0)};
  ASSERT_TRUE(languages.Measure(measure, DisplayScale()));
  EXPECT_EQ(measure.itemHeight, static_cast<UINT>(LanguageMenu::kItemHeight));
  EXPECT_EQ(GetMenuItemID(languages.Handle(), 0), LanguageMenu::kFirstFile + 1);
  EXPECT_TRUE(IsSeparator(languages.Handle(), 2));
  EXPECT_EQ(GetMenuItemID(languages.Handle(), 3), LanguageMenu::kRussian);
  EXPECT_TRUE(Checked(languages.Handle(), 4));  // English, as the texts are

  ASSERT_TRUE(languages.Choose(LanguageMenu::kFirstFile));  // Alpha
  EXPECT_FALSE(texts.Language().english);
  EXPECT_FALSE(texts.Language().russian);
  EXPECT_EQ(texts.Language().otherLanguage, L"a.lng");
  EXPECT_TRUE(Checked(languages.Handle(), 1));
  EXPECT_FALSE(Checked(languages.Handle(), 4));
  EXPECT_FALSE(languages.Choose(LanguageMenu::kFirstFile + 50));  // no such item

  DeleteFileW(program.File(L"Languages\\a.lng").c_str());  // gone: English takes over when the menu opens
  languages.Rebuild();
  EXPECT_TRUE(texts.Language().english);
  EXPECT_TRUE(Checked(languages.Handle(), 3));
}

}  // namespace
