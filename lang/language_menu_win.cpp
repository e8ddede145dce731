#include "lang/language_menu_win.h"

#include <algorithm>

#include "lang/flag_codes.h"
#include "lang/language_file.h"
#include "lang/language_file_win.h"
#include "win/file_io_win.h"
#include "win/menu_item_paint_win.h"

namespace {

constexpr wchar_t kLanguageFolder[] = L"Languages\\";
constexpr wchar_t kLanguageExtension[] = L".lng";
constexpr int kRussianFlag = 175, kEnglishFlag = 213;
// Flags 25 x 15 in a 24-pixel box; the checked ground lightened by a quarter.
constexpr MenuItemLook kLook{.height = LanguageMenu::kItemHeight, .pictureLeft = 2, .boxWidth = 24, .boxHeight = 15,
                             .captionLeft = 32, .lightenPercent = 25, .darkenBy = 25, .fadedOpacity = 162};

}  // namespace

LanguageMenu::LanguageMenu(TMUI& texts, std::wstring programFolder, const ScaledImageList& flags)
    : texts_(texts), programFolder_(std::move(programFolder)), flags_(flags), menu_(CreatePopupMenu()) {
  AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
  AddItem({kRussian, texts_.Text({L"Tray", L"mmRus"}), kRussianFlag, L""}, 1);
  AddItem({kEnglish, texts_.Text({L"Tray", L"mmEng"}), kEnglishFlag, L""}, 2);
  UpdateChecks(false);  // the file items come when the menu first opens
}

void LanguageMenu::AddItem(const Item& item, UINT position) {
  items_.push_back(item);
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
  info.fType = MFT_OWNERDRAW | MFT_RADIOCHECK;
  info.wID = item.command;
  info.dwItemData = item.command;
  InsertMenuItemW(menu_, position, TRUE, &info);
}

const LanguageMenu::Item* LanguageMenu::ItemOf(UINT command) const {
  const auto it = std::find_if(items_.begin(), items_.end(), [command](const Item& i) { return i.command == command; });
  return it == items_.end() ? nullptr : &*it;
}

void LanguageMenu::Rebuild() {
  const std::wstring folder = programFolder_ + kLanguageFolder;
  if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
    for (const Item& item : items_)
      if (!item.fileName.empty()) DeleteMenu(menu_, item.command, MF_BYCOMMAND);
    std::erase_if(items_, [](const Item& i) { return !i.fileName.empty(); });
    UINT command = kFirstFile;
    for (const std::wstring& path : FilesWithExtension(folder, kLanguageExtension)) {
      if (command == kFirstFile + kMaxFiles) break;
      const LanguageFileHeader header = ReadLanguageFileHeader(path);
      AddItem({command++, header.name, header.flagIndex, FileNameWithoutFolder(path)}, 0);  // each above the last
    }
  }
  UpdateChecks(true);
}

// The item of the language in use; a file no longer listed falls back to
// English once the files have been listed.
void LanguageMenu::UpdateChecks(bool listed) {
  const TLanguage& language = texts_.Language();
  bool found = false;
  for (const Item& item : items_) {
    const bool checked = item.fileName.empty()
                             ? (item.command == kRussian ? language.russian : language.english)
                             : (!language.english && !language.russian && item.fileName == language.otherLanguage);
    found = found || checked;
    CheckMenuItem(menu_, item.command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  if (found || !listed) return;
  texts_.ApplyBuiltin(BuiltinLanguage::kEnglish);
  CheckMenuItem(menu_, kEnglish, MF_BYCOMMAND | MF_CHECKED);
}

bool LanguageMenu::Choose(UINT command) {
  const Item* item = ItemOf(command);
  if (!item) return false;
  if (command == kRussian)
    texts_.ApplyBuiltin(BuiltinLanguage::kRussian);
  else if (command == kEnglish)
    texts_.ApplyBuiltin(BuiltinLanguage::kEnglish);
  else
    ApplyLanguageFile(texts_, LanguageFilePath(programFolder_, std::wstring(item->fileName)));
  UpdateChecks(true);
  return true;
}

void LanguageMenu::Relabel() {
  for (Item& item : items_) {
    if (item.command == kRussian) item.caption = texts_.Text({L"Tray", L"mmRus"});
    if (item.command == kEnglish) item.caption = texts_.Text({L"Tray", L"mmEng"});
  }
}

bool LanguageMenu::Measure(MEASUREITEMSTRUCT& m, const DisplayScale& scale) const {
  if (m.CtlType != ODT_MENU) return false;
  const Item* item = ItemOf(m.itemID);
  if (!item) return false;
  MeasureMenuItem(m, kLook, item->caption, scale);
  return true;
}

bool LanguageMenu::Draw(const DRAWITEMSTRUCT& d, const DisplayScale& scale) const {
  if (d.CtlType != ODT_MENU) return false;
  const Item* item = ItemOf(d.itemID);
  if (!item) return false;
  DrawMenuItem(d, kLook, flags_.At(scale.Dpi()), item->flag == kNoFlag ? kNoPicture : item->flag, item->caption, scale);
  return true;
}
