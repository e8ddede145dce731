#include "editors/new_sticker_form_win.h"

#include <windows.h>
#include <commctrl.h>

#include "editors/settings_conversions.h"
#include "lang/text_id.h"
#include "store/date_time.h"
#include "store/local_time_win.h"
#include "store/patterns_win.h"
#include "store/sticker_identity.h"
#include "win/colour_box_win.h"
#include "win/handles_win.h"
#include "win/task_panel_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr wchar_t kNoFont[] = L"tahoma";
constexpr int kBold = 1, kItalic = 2;
constexpr UINT kFrontFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
// The position list: Normal, Topmost, Behind all windows, Desktop are positions 0 to 3.
constexpr int kPositionTexts[] = {TextIndex(L"Setting", L"posNormal"), TextIndex(L"Setting", L"posUp"),
                                  TextIndex(L"Setting", L"posBack"), TextIndex(L"Setting", L"posBottom")};
constexpr int kPositionOfEntry[] = {kPositionNormal, kPositionTopmost, kPositionBottom, kPositionDesktop};

constexpr EditorLayout kLayout{L"TFormStickerMess",
                               433,
                               329,
                               {TextIndex(L"Setting", L"tabText"), TextIndex(L"Setting", L"tabVid"),
                                TextIndex(L"Sticker", L"mConfig"), TextIndex(L"Setting", L"tabPattern")},
                               177,
                               153,
                               92,
                               kBuiltInIconEntries};

int EntryOfPosition(int position) {
  for (int i = 0; i < 4; ++i)
    if (kPositionOfEntry[i] == position) return i;
  return 0;
}

// Today as the date line shows it.
std::wstring Today() {
  const CivilTime now = DecodeDateTime(LocalNow());
  wchar_t text[16];
  swprintf(text, 16, L"%02d.%02d.%04d", now.day, now.month, now.year);
  return text;
}

std::wstring ClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return L"";
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return L"";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (!chars) return L"";
  std::wstring text(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
  GlobalUnlock(data);
  return text;
}

}  // namespace

TFormStickerMess::TFormStickerMess(NewStickerFormArgs args)
    : StickerEditor(std::move(args.editor), Controls(), kLayout), saveDefaults_(std::move(args.saveDefaults)) {}

bool TFormStickerMess::Create() { return CreateEditor(); }

void TFormStickerMess::Relabel() {
  StickerEditor::Relabel();
  SetWindowTextW(Handle(), (L"Quillory: " + Texts().TextAt(TextIndex(L"Tray", L"mNewStick"))).c_str());
  FillPositions();
}

void TFormStickerMess::FillPositions() {
  HWND list = Control(kPlacementList);
  const int selected = Selection(kPlacementList);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (int text : kPositionTexts) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Texts().TextAt(text).c_str()));
  Select(kPlacementList, selected);
}

void TFormStickerMess::BringToFront() const {
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kFrontFlags);
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, kFrontFlags);
}

// The collapsed states are kept twice in the file; the later keys win.
void TFormStickerMess::SetPanels(const TDefaultSettings& d) {
  SetPanelCollapsed(Control(kFontPanel), d.i_s_t);
  SetPanelCollapsed(Control(kCaptionPanel), d.i_s_c);
  SetPanelCollapsed(Control(kFontPanel), d.collapce_text);
  SetPanelCollapsed(Control(kCaptionPanel), d.collapce_caption);
}

void TFormStickerMess::ShowDefaults(const TDefaultSettings& d) {
  StickerRecord look = PatternRecord(ProgramFolder(), d.Pattern, d.Color);
  look.alpha = static_cast<std::uint8_t>(d.transparent);
  look.style = static_cast<std::uint16_t>(d.Style);
  look.use_color = d.use_color;
  look.color = d.random_color ? RandomStickerColor(Random()) : d.Color;
  look.icon = static_cast<std::uint16_t>(d.picture_num);
  look.font_style = d.style_text;
  look.align = d.text_align;
  look.body.use_shadow = d.use_text_shadow;
  look.body.font_name.Assign(AnsiFromWide(d.Fonttext));
  look.body.font_size = static_cast<std::uint8_t>(d.text_sixe);
  look.body.color = d.colortext;
  look.body.shadow_color = d.colorShadow;
  ShowAppearance(look, kPatternIconPositionLimit);
  Check(kLockMoveCheck, d.LockMove);
  Check(kRandomColourCheck, d.random_color);
  Select(kPlacementList, EntryOfPosition(d.position));
  Check(kMouseOverCheck, d.mouse_look);
  SendMessageW(Control(kHideDelaySlider), TBM_SETPOS, TRUE, HideSliderPosition(d.mouse_interval));
  TBMaChange();
  Check(kPinCheck, d.use_pin);
  Check(kWordWrapCheck, d._autoPer);
  RecreateMemo(d._autoPer);
  SetPanels(d);
}

bool TFormStickerMess::Run(const TDefaultSettings& defaults, StickerRecord& record) {
  if (IsWindowVisible(Handle())) {
    BringToFront();
    return false;
  }
  FillFonts();
  Relabel();
  SetControlText(kCaptionEdit, Texts().TextAt(TextIndex(L"Sticker", L"dfNapom")));
  record_ = PatternRecord(ProgramFolder(), defaults.Pattern, RandomStickerColor(Random()));
  ShowDefaults(defaults);
  FillPatterns(defaults.Pattern);
  SetControlText(kBodyEdit, ClipboardText(Handle()));
  MemoChange();
  Check(kUseDateCheck, defaults.use_data);
  CBDatauseClick();
  SetControlText(kDateEdit, Today());
  SetPanels(defaults);
  ShowPage(0);
  BringToFront();
  if (ShowModal() != 1) return false;
  record = BuildRecord();
  return true;
}

void TFormStickerMess::BOKClick() { EndDialog(1); }

StickerRecord TFormStickerMess::BuildRecord() const {
  StickerRecord r = record_;  // the defaults of a new record and the default pattern
  r.alpha = static_cast<std::uint8_t>(SendMessageW(Control(kTransparencySlider), TBM_GETPOS, 0, 0));
  r.lock_move = Checked(kLockMoveCheck) ? 1 : 0;
  r.style = static_cast<std::uint16_t>(std::max(0, Selection(kSkinStyleList)));
  r.use_color = Checked(kUseColourCheck) ? 1 : 0;
  r.color = BoxColour(Control(kMaskColourBox));
  r.icon = static_cast<std::uint16_t>(IconValueOfPosition(Selection(kIconList), UserIcons()));
  r.position = static_cast<std::uint8_t>(kPositionOfEntry[std::max(0, Selection(kPlacementList))]);
  r.hide_from_mouse = Checked(kMouseOverCheck) ? 1 : 0;
  r.hide_interval = HideIntervalOfPosition(static_cast<int>(SendMessageW(Control(kHideDelaySlider), TBM_GETPOS, 0, 0)));
  r.popup_buttons = Checked(kPinCheck) ? 1 : 0;
  r.align = 0;
  for (int i = 2; i >= 0; --i)
    if (Checked(kAlignButtons[static_cast<std::size_t>(i)])) r.align = static_cast<std::uint8_t>(i);
  r.font_style = static_cast<std::uint8_t>((Checked(kBoldButton) ? kBold : 0) | (Checked(kItalicButton) ? kItalic : 0));
  const std::wstring font = SelectedFont();
  r.body.font_name.Assign(AnsiFromWide(font.empty() ? kNoFont : font));
  r.body.font_size = static_cast<std::uint8_t>(FontSizeOfIndex(std::max(0, Selection(kFontSizeList))));
  for (StickerTextBlock* block : {&r.body, &r.caption, &r.date_line}) {
    block->use_shadow = Checked(kTextShadowCheck) ? 1 : 0;
    block->color = BoxColour(Control(kTextColourBox));
    block->shadow_color = BoxColour(Control(kShadowColourBox));
  }
  r.date_line.show = Checked(kUseDateCheck) ? 1 : 0;
  r.date_line.line_text.Assign(AnsiFromWide(ControlText(kDateEdit)));
  r.word_wrap = Checked(kWordWrapCheck) ? 1 : 0;
  const std::wstring text = ControlText(kBodyEdit);
  SetStickerText(r, AnsiFromWide(text.empty() ? Texts().TextAt(TextIndex(L"Sticker", L"dfText")) : text));
  r.caption.line_text.Assign(
      AnsiFromWide(NewStickerCaption(ControlText(kCaptionEdit), Texts().TextAt(TextIndex(L"Sticker", L"dfNapom")))));
  return r;
}

TDefaultSettings TFormStickerMess::BuildDefaults() const {
  TDefaultSettings d;
  d.transparent = static_cast<int>(SendMessageW(Control(kTransparencySlider), TBM_GETPOS, 0, 0));
  d.LockMove = Checked(kLockMoveCheck);
  d.Style = std::max(0, Selection(kSkinStyleList));
  d.use_color = Checked(kUseColourCheck);
  d.Color = BoxColour(Control(kMaskColourBox));
  d.random_color = Checked(kRandomColourCheck);
  d.picture_num = IconValueOfPosition(Selection(kIconList), UserIcons());
  d.position = kPositionOfEntry[std::max(0, Selection(kPlacementList))];
  d.mouse_look = Checked(kMouseOverCheck);
  d.mouse_interval = HideIntervalOfPosition(static_cast<int>(SendMessageW(Control(kHideDelaySlider), TBM_GETPOS, 0, 0)));
  d.use_pin = Checked(kPinCheck);
  d.use_data = Checked(kUseDateCheck);
  d.text_align = 0;
  for (int i = 2; i >= 0; --i)
    if (Checked(kAlignButtons[static_cast<std::size_t>(i)])) d.text_align = static_cast<std::uint8_t>(i);
  d.style_text = static_cast<std::uint8_t>((Checked(kBoldButton) ? kBold : 0) | (Checked(kItalicButton) ? kItalic : 0));
  d.use_text_shadow = Checked(kTextShadowCheck);
  const std::wstring font = SelectedFont();
  d.Fonttext = font.empty() ? L"Tahoma" : font;
  d.text_sixe = FontSizeOfIndex(std::max(0, Selection(kFontSizeList)));
  d.colortext = BoxColour(Control(kTextColourBox));
  d.colorShadow = BoxColour(Control(kShadowColourBox));
  d._autoPer = Checked(kWordWrapCheck);
  d.i_s_t = d.collapce_text = PanelCollapsed(Control(kFontPanel));
  d.i_s_c = d.collapce_caption = PanelCollapsed(Control(kCaptionPanel));
  d.Pattern = SelectedPattern();
  return d;
}

void TFormStickerMess::BSaveDefaultClick() { saveDefaults_(BuildDefaults()); }
