#include "editors/icon_choices_win.h"

#include <algorithm>

#include "pixels/pixel_routines.h"
#include "pixels/scaled_picture.h"
#include "store/tat_bitmap.h"

namespace {

constexpr int kBuiltInIcons = 34;
constexpr int kBox = 32;  // pictures are shown within 32 x 32
constexpr int kPictureLeft = 4, kTextLeft = 44, kNoIconLeft = 6, kRowForPicture = 36;

std::wstring SizeText(const Picture32& picture) {
  return L" (" + std::to_wstring(picture.Width()) + L"x" + std::to_wstring(picture.Height()) + L")";
}

DibPicture32 Premultiplied(const Picture32& picture) {
  DibPicture32 dib(picture.Width(), picture.Height());
  if (dib.Width() > 0) Premultiply(picture.View(), dib.View());
  return dib;
}

// The part of an entry shown beside its picture: after "||", or all of it.
std::wstring ShownText(const std::wstring& text) {
  const std::size_t bars = text.find(L"||");
  return bars == std::wstring::npos ? text : text.substr(bars + 2);
}

}  // namespace

IconChoices::IconChoices(const ContentSources& art) {
  entries_.push_back({L"_", DibPicture32(0, 0)});
  for (int icon = 1; icon <= kBuiltInIcons; ++icon) {
    Picture32 picture;
    LoadStickerIcon(icon, art, picture);
    entries_.push_back({SizeText(picture), Premultiplied(picture)});
  }
  if (!art.userIcons) return;
  for (int i = 0; i < art.userIcons->Count(); ++i) {
    const Picture32 picture = PictureForDpi(art.userIcons->PictureAt(i), art.dpi);
    const int number = art.userIcons->NumberAt(i);
    entries_.push_back({L"|" + std::to_wstring(number) + L"||" + SizeText(picture), Premultiplied(picture)});
  }
}

void IconChoices::Fill(HWND comboBox) const {
  SendMessageW(comboBox, CB_RESETCONTENT, 0, 0);
  for (const Entry& entry : entries_) SendMessageW(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
}

void IconChoices::Draw(const DRAWITEMSTRUCT& d) const {
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (d.itemID >= entries_.size()) return;
  const Entry& entry = entries_[d.itemID];
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text = d.rcItem;
  if (d.itemID == 0) {
    text.left += kNoIconLeft;
    DrawTextW(d.hDC, L"--/--", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return;
  }
  if (entry.picture.Width() > 0) {
    const int scale = std::max({entry.picture.Width(), entry.picture.Height(), kBox});
    const int width = entry.picture.Width() * kBox / scale, height = entry.picture.Height() * kBox / scale;
    const int top = d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - kRowForPicture) / 2 + (kRowForPicture - height) / 2;
    const DibDrawingContext source(entry.picture.Bitmap());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(d.hDC, d.rcItem.left + kPictureLeft + (kBox - width) / 2, top, width, height, source.Get(), 0, 0,
                  entry.picture.Width(), entry.picture.Height(), blend);
  }
  const std::wstring shown = ShownText(entry.text);
  text.left += kTextLeft;
  DrawTextW(d.hDC, shown.c_str(), static_cast<int>(shown.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
