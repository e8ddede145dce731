// The editors' pattern page and pictures: the pattern list, its preview,
// loading a pattern, the style preview and the owner-drawn lists.

#include "editors/settings_conversions.h"
#include "editors/sticker_editor_win.h"
#include "lang/text_id.h"
#include "sticker/pattern_preview_win.h"
#include "sticker/style_preview_win.h"
#include "store/date_time.h"
#include "store/pattern_file.h"
#include "store/patterns_win.h"
#include "store/sticker_identity.h"
#include "win/colour_box_win.h"
#include "win/point_font_win.h"
#include "store/local_time_win.h"
#include "win/text_convert_win.h"

namespace {
constexpr int kFontItemHeight = 20, kPatternItemHeight = 18, kFontLeft = 2, kPatternLeft = 2;
constexpr std::size_t kSampleLength = 16;
}  // namespace

void StickerEditor::FillPatterns(const std::wstring& select) {
  bool folderExists = false;
  const std::vector<std::wstring> entries = ListPatternEntries(a_.programFolder, folderExists);
  if (!folderExists) return;
  HWND list = Control(kPatternList);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& entry : entries) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  LRESULT index = select.empty() ? LB_ERR : SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(select.c_str()));
  if (index == LB_ERR && !entries.empty()) index = 0;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  CBPressClick();
}

void StickerEditor::CBPressClick() {
  DrawPattern();
  EnableControl(kApplyPatternButton, true);
}

void StickerEditor::DrawPattern() {
  const std::wstring selected = SelectedPattern();
  std::wstring sample = Texts().TextAt(TextIndex(L"Sticker", L"dfText"));
  sample.resize(std::min(sample.size(), kSampleLength));
  DrawPatternPreview(patternPicture_, a_.programFolder, selected.empty() ? L"||1.txt" : selected, a_.art, sample);
  InvalidateRect(Control(kPatternPreview), nullptr, FALSE);
}

void StickerEditor::DrawStyle() {
  DrawStylePreview(stylePicture_, std::max(0, Selection(kSkinStyleList)), BoxColour(Control(kMaskColourBox)), a_.art);
  InvalidateRect(Control(kStylePreview), nullptr, FALSE);
}

// Only the pattern's appearance reaches the controls; texts, position and
// behaviour stay as they are.
void StickerEditor::BPressPrimClick() {
  const std::wstring selected = SelectedPattern();
  if (selected.empty()) return;
  std::mt19937 random(std::random_device{}());
  ShowAppearance(PatternRecord(a_.programFolder, selected, RandomStickerColor(random)), layout_.patternIconLimit);
  EnableControl(kApplyPatternButton, false);
}

bool StickerEditor::OnMeasureItem(MEASUREITEMSTRUCT& m) {
  if (m.CtlID == static_cast<UINT>(kFontNameList)) m.itemHeight = Scaled(kFontItemHeight);
  else if (m.CtlID == static_cast<UINT>(kIconList)) m.itemHeight = Scaled(IconChoices::kItemHeight);
  else if (m.CtlID == static_cast<UINT>(kPatternList)) m.itemHeight = Scaled(kPatternItemHeight);
  else return false;
  return true;
}

namespace {

std::wstring ItemText(const DRAWITEMSTRUCT& d, bool listBox) {
  const UINT lengthMessage = listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, textMessage = listBox ? LB_GETTEXT : CB_GETLBTEXT;
  const LRESULT length = SendMessageW(d.hwndItem, lengthMessage, d.itemID, 0);
  if (length <= 0) return L"";
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  SendMessageW(d.hwndItem, textMessage, d.itemID, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

void DrawTextItem(const DRAWITEMSTRUCT& d, const std::wstring& text, int left, HFONT font) {
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const ScopedSelectObject selection(d.hDC, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(d.hDC, OBJ_FONT));
  RECT r = d.rcItem;
  r.left += left;
  DrawTextW(d.hDC, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

bool StickerEditor::OnDrawItem(const DRAWITEMSTRUCT& d) {
  switch (d.CtlID) {
    case kStylePreview:
      BlitPicture(d.hDC, d.rcItem.left, d.rcItem.top, stylePicture_);
      return true;
    case kPatternPreview:
      BlitPicture(d.hDC, d.rcItem.left, d.rcItem.top, patternPicture_);
      return true;
    case kIconList:
      a_.icons->Draw(d, DisplayScale(Dpi()));
      return true;
    case kFontNameList: {
      const std::wstring face = ItemText(d, false);
      const UniqueFont font = PointFont(face, 10, false, false, Dpi());  // each name in its own face
      DrawTextItem(d, face, Scaled(kFontLeft), font.Get());
      return true;
    }
    case kPatternList:
      DrawTextItem(d, SplitPatternEntry(ItemText(d, true)).name, Scaled(kPatternLeft), nullptr);
      return true;
    default:
      return false;
  }
}
