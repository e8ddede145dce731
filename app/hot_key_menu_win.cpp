#include "app/hot_key_menu_win.h"

#include <array>

#include "win/menu_item_paint_win.h"

namespace {

constexpr std::array<const wchar_t*, kHotKeyMenuItems> kCaptions{L"-/-",     L"Win+\"+\"",  L"Find", L"Back",
                                                                 L"Forward", L"Favourite", L"WWW"};
constexpr std::array<int, kHotKeyMenuItems> kPictures{kNoPicture, kNoPicture, 16, 23, 24, 25, 27};
constexpr MenuItemLook kLook{.height = 22, .pictureLeft = 3, .boxWidth = 16, .boxHeight = 16, .captionLeft = 32,
                             .lightenPercent = 15, .darkenBy = 15, .fadedOpacity = 128};

}  // namespace

namespace {
constexpr UINT kItemType = MFT_OWNERDRAW | MFT_RADIOCHECK;
}

HotKeyMenu::HotKeyMenu(HMENU menu, UINT firstCommand, const MenuGlyphs& glyphs)
    : menu_(menu), first_(firstCommand), glyphs_(glyphs) {
  for (UINT tag = 0; tag < kHotKeyMenuItems; ++tag) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    info.fType = kItemType;
    info.wID = first_ + tag;
    info.dwItemData = tag;
    InsertMenuItemW(menu_, tag, TRUE, &info);
  }
}

// A changed item is measured again; setting its type is the least change.
void HotKeyMenu::Remeasure() const {
  for (UINT tag = 0; tag < kHotKeyMenuItems; ++tag) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE;
    info.fType = kItemType;
    SetMenuItemInfoW(menu_, first_ + tag, FALSE, &info);
  }
}

void HotKeyMenu::Show(int keyIndex) const {
  const std::optional<int> tag = MenuTagOfKeyIndex(keyIndex);
  for (UINT t = 0; t < kHotKeyMenuItems; ++t)
    CheckMenuItem(menu_, first_ + t, MF_BYCOMMAND | (tag && *tag == static_cast<int>(t) ? MF_CHECKED : MF_UNCHECKED));
}

std::optional<int> HotKeyMenu::Choose(UINT command) const {
  if (!Owns(command) || (GetMenuState(menu_, command, MF_BYCOMMAND) & MF_CHECKED)) return std::nullopt;
  return KeyIndexOfMenuTag(static_cast<int>(command - first_));
}

const wchar_t* HotKeyMenu::Caption(UINT command) const { return Owns(command) ? kCaptions[command - first_] : L""; }

bool HotKeyMenu::Measure(MEASUREITEMSTRUCT& item, const DisplayScale& scale) const {
  if (item.CtlType != ODT_MENU || !Owns(item.itemID)) return false;
  MeasureMenuItem(item, kLook, Caption(item.itemID), scale);
  return true;
}

bool HotKeyMenu::Draw(const DRAWITEMSTRUCT& item, const DisplayScale& scale) const {
  if (item.CtlType != ODT_MENU || !Owns(item.itemID)) return false;
  DrawMenuItem(item, kLook, glyphs_.List(scale.Dpi()), kPictures[item.itemID - first_], Caption(item.itemID), scale);
  return true;
}
