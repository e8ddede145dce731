#include "lang/language_menu_win.h"

#include <algorithm>

#include "lang/flag_codes.h"
#include "lang/language_file.h"
#include "lang/language_file_win.h"
#include "win/file_io_win.h"

namespace {

constexpr wchar_t kLanguageFolder[] = L"Languages\\";
constexpr wchar_t kLanguageExtension[] = L".lng";
constexpr int kRussianFlag = 175, kEnglishFlag = 213;
constexpr int kFlagLeft = 2, kFlagBoxWidth = 24, kFlagHeight = 15, kFlagWidth = 25;
constexpr int kCaptionLeft = 32, kCaptionRightMargin = 8;
constexpr BYTE kUncheckedFlagOpacity = 162;

COLORREF Darkened(COLORREF c, int by) {
  const auto down = [by](int v) { return std::max(0, v - by); };
  return RGB(down(GetRValue(c)), down(GetGValue(c)), down(GetBValue(c)));
}

COLORREF LightenedQuarter(COLORREF c) {
  const auto up = [](int v) { return v + (255 - v) / 4; };
  return RGB(up(GetRValue(c)), up(GetGValue(c)), up(GetBValue(c)));
}

TRIVERTEX Vertex(int x, int y, COLORREF c) {
  return {x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
          static_cast<COLOR16>(GetBValue(c) << 8), 0};
}

// The checked item's ground: a gradient from the lighter to the darker
// colour, framed by rounded corners.
void DrawCheckedGround(HDC dc, const RECT& r, COLORREF ground) {
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, LightenedQuarter(ground)),
                           Vertex(r.right, r.bottom, Darkened(ground, 25))};
  GRADIENT_RECT rect{0, 1};
  GdiGradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
  const ScopedHandle<HPEN, GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 1, Darkened(GetSysColor(COLOR_MENU), 60)));
  const ScopedSelectObject penSelection(dc, pen.Get());
  const ScopedSelectObject brushSelection(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, r.left, r.top, r.right, r.bottom, 4, 4);
}

// An unchecked item's flag shows faded: drawn on the item's ground first,
// then laid over it at part opacity.
void DrawFlag(HDC dc, HIMAGELIST flags, int flag, int x, int y, COLORREF ground, bool faded) {
  if (!faded) {
    ImageList_Draw(flags, flag, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  const UniqueMemoryDc memory(CreateCompatibleDC(dc));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(dc, kFlagWidth, kFlagHeight));
  const ScopedSelectObject selection(memory.Get(), bitmap.Get());
  const UniqueBrush brush(CreateSolidBrush(ground));
  const RECT all{0, 0, kFlagWidth, kFlagHeight};
  FillRect(memory.Get(), &all, brush.Get());
  ImageList_Draw(flags, flag, memory.Get(), 0, 0, ILD_TRANSPARENT);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, kUncheckedFlagOpacity, 0};
  GdiAlphaBlend(dc, x, y, kFlagWidth, kFlagHeight, memory.Get(), 0, 0, kFlagWidth, kFlagHeight, blend);
}

}  // namespace

LanguageMenu::LanguageMenu(TMUI& texts, std::wstring programFolder, HIMAGELIST flags)
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

bool LanguageMenu::Measure(MEASUREITEMSTRUCT& m) const {
  if (m.CtlType != ODT_MENU) return false;
  const Item* item = ItemOf(m.itemID);
  if (!item) return false;
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const UniqueFont font(CreateFontIndirectW(&metrics.lfMenuFont));
  const ScopedGetDC dc(nullptr);
  const ScopedSelectObject selection(dc.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), item->caption.c_str(), static_cast<int>(item->caption.size()), &size);
  m.itemWidth = static_cast<UINT>(kCaptionLeft + size.cx + kCaptionRightMargin);
  m.itemHeight = kItemHeight;
  return true;
}

bool LanguageMenu::Draw(const DRAWITEMSTRUCT& d) const {
  if (d.CtlType != ODT_MENU) return false;
  const Item* item = ItemOf(d.itemID);
  if (!item) return false;
  const bool selected = (d.itemState & ODS_SELECTED) != 0, checked = (d.itemState & ODS_CHECKED) != 0;
  const COLORREF ground = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
  const UniqueBrush groundBrush(CreateSolidBrush(ground));
  FillRect(d.hDC, &d.rcItem, groundBrush.Get());
  if (checked) DrawCheckedGround(d.hDC, d.rcItem, ground);
  const int flagTop = d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - kFlagHeight) / 2;
  const int flagLeft = d.rcItem.left + kFlagLeft;
  if (item->flag != kNoFlag) {
    DrawFlag(d.hDC, flags_, item->flag, flagLeft, flagTop, checked ? LightenedQuarter(ground) : ground, !checked);
  } else if (checked) {
    const UniqueBrush box(CreateSolidBrush(Darkened(GetSysColor(COLOR_MENU), 45)));
    const RECT r{flagLeft, flagTop, flagLeft + kFlagBoxWidth, flagTop + kFlagHeight};
    FillRect(d.hDC, &r, box.Get());
  }
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text = d.rcItem;
  text.left += kCaptionLeft;
  DrawTextW(d.hDC, item->caption.c_str(), static_cast<int>(item->caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  return true;
}
