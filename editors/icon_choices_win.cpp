#include "editors/icon_choices_win.h"

#include <algorithm>

#include "pixels/pixel_routines.h"
#include "pixels/scaled_picture.h"
#include "store/tat_bitmap.h"

namespace {

constexpr int kBuiltInIcons = 34;
// Lengths at 100 %: pictures are shown within 32 x 32.
constexpr int kBox = 32;
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

// Entry 0 has no picture.
std::vector<Picture32> EntryPictures(const ContentSources& art) {
  std::vector<Picture32> pictures(1);
  for (int icon = 1; icon <= kBuiltInIcons; ++icon) LoadStickerIcon(icon, art, pictures.emplace_back());
  if (art.userIcons)
    for (int i = 0; i < art.userIcons->Count(); ++i) pictures.push_back(PictureForDpi(art.userIcons->PictureAt(i), art.dpi));
  return pictures;
}

std::vector<DibPicture32> PremultipliedAll(const std::vector<Picture32>& pictures) {
  std::vector<DibPicture32> premultiplied;
  for (const Picture32& picture : pictures) premultiplied.push_back(Premultiplied(picture));
  return premultiplied;
}

}  // namespace

IconChoices::IconChoices(const ContentSources& art) : art_(art) {
  ContentSources at100 = art;
  at100.dpi = kDefaultDpi;
  const std::vector<Picture32> pictures = EntryPictures(at100);
  texts_.push_back(L"_");
  for (int icon = 1; icon <= kBuiltInIcons; ++icon) texts_.push_back(SizeText(pictures[static_cast<std::size_t>(icon)]));
  for (std::size_t i = kBuiltInIcons + 1; i < pictures.size(); ++i)
    texts_.push_back(L"|" + std::to_wstring(art.userIcons->NumberAt(static_cast<int>(i) - kBuiltInIcons - 1)) + L"||" +
                     SizeText(pictures[i]));
  pictures_.emplace(kDefaultDpi, PremultipliedAll(pictures));  // read once already
}

const std::vector<DibPicture32>& IconChoices::PicturesAt(int dpi) const {
  if (auto found = pictures_.find(dpi); found != pictures_.end()) return found->second;
  ContentSources at = art_;
  at.dpi = dpi;
  return pictures_.emplace(dpi, PremultipliedAll(EntryPictures(at))).first->second;
}

void IconChoices::Fill(HWND comboBox) const {
  SendMessageW(comboBox, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& text : texts_) SendMessageW(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void IconChoices::Draw(const DRAWITEMSTRUCT& d, const DisplayScale& scale) const {
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (d.itemID >= texts_.size()) return;
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text = d.rcItem;
  if (d.itemID == 0) {
    text.left += scale.Px(kNoIconLeft);
    DrawTextW(d.hDC, L"--/--", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return;
  }
  const DibPicture32& picture = PicturesAt(scale.Dpi())[d.itemID];
  if (picture.Width() > 0) {
    const int box = scale.Px(kBox), row = scale.Px(kRowForPicture);
    const int largest = std::max({picture.Width(), picture.Height(), box});
    const int width = picture.Width() * box / largest, height = picture.Height() * box / largest;
    const int top = d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - row) / 2 + (row - height) / 2;
    const DibDrawingContext source(picture.Bitmap());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(d.hDC, d.rcItem.left + scale.Px(kPictureLeft) + (box - width) / 2, top, width, height, source.Get(), 0,
                  0, picture.Width(), picture.Height(), blend);
  }
  const std::wstring shown = ShownText(texts_[d.itemID]);
  text.left += scale.Px(kTextLeft);
  DrawTextW(d.hDC, shown.c_str(), static_cast<int>(shown.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
