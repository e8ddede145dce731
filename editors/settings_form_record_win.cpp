// The settings dialog's controls filled from a record, and the record built
// back from them; the live feedback in the memo.

#include <windows.h>
#include <commctrl.h>

#include "editors/settings_conversions.h"
#include "editors/settings_form_win.h"
#include "lang/language_file.h"
#include "lang/text_id.h"
#include "store/pattern_file.h"
#include "store/sticker_identity.h"
#include "win/colour_box_win.h"
#include "win/point_font_win.h"
#include "win/profile_file_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr int kBold = 1, kItalic = 2;

std::wstring Line(const auto& shortString) { return WideFromAnsi(shortString.View()); }

}  // namespace

void TSettingsForm::Open(std::int32_t id, const StickerRecord& record) {
  if (IsWindowVisible(Handle())) {
    SetForegroundWindow(Handle());
    return;
  }
  stickerId_ = id;
  record_ = record;
  FillFonts();
  EnableWindow(Control(kBPressPrim), FALSE);
  ShowControls(record);
  Relabel();
  FillPatterns(L"");
  ShowPage(0);
  ShowModal();
}

// Everything a pattern carries: used when a pattern is loaded too.
void TSettingsForm::ShowAppearance(const StickerRecord& r, int iconLimit) {
  SendMessageW(Control(kTrackBar), TBM_SETPOS, TRUE, r.alpha);
  SendMessageW(Control(kCBStyle), CB_SETCURSEL, r.style, 0);
  Check(kCBuseColor, r.use_color != 0);
  SetBoxColour(Control(kCBColorMask), r.color);
  SendMessageW(Control(kCBIcons), CB_SETCURSEL, static_cast<WPARAM>(IconListPosition(r.icon, UserIcons(), iconLimit)), 0);
  Check(kSBStyleB, (r.font_style & kBold) != 0);
  Check(kSBStyleI, (r.font_style & kItalic) != 0);
  for (int i = 0; i < 3; ++i) Check(kAlignButtons[static_cast<std::size_t>(i)], r.align == i);
  Check(kCBShadText, r.body.use_shadow != 0);
  const std::wstring font = Line(r.body.font_name);
  SendMessageW(Control(kCBFontNameText), CB_SETCURSEL,
               static_cast<WPARAM>(SendMessageW(Control(kCBFontNameText), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(font.c_str()))),
               0);
  SendMessageW(Control(kCBsizetext), CB_SETCURSEL, static_cast<WPARAM>(FontSizeIndex(r.body.font_size)), 0);
  SetBoxColour(Control(kCBColor), r.body.color);
  SetBoxColour(Control(kCBColorSh), r.body.shadow_color);
  EnableWindow(Control(kCBColorMask), r.use_color != 0);
  MemoFontChange();
  DrawStyle();
}

void TSettingsForm::ShowControls(const StickerRecord& r) {
  SetControlText(kECaption, Line(r.caption.line_text));
  Check(kCBLockMove, r.lock_move != 0);
  SetControlText(kEdateText, Line(r.date_line.line_text));
  Check(kCBDatause, r.date_line.show != 0);
  const PositionButtons buttons = PositionButtonsOf(r.position);
  Check(kRBUpp, buttons.upp);
  Check(kRBNormalPos, buttons.normal);
  Check(kRBBackPos, buttons.back);
  Check(kRBBott, buttons.bottom);
  SetControlText(kMemo, WideFromAnsi(GetStickerText(r)));
  Check(kCBMouseAtas, r.hide_from_mouse != 0);
  SendMessageW(Control(kTBMa), TBM_SETPOS, TRUE, HideSliderPosition(r.hide_interval));
  Check(kCBAutoPer, r.word_wrap != 0);
  RecreateMemo(r.word_wrap != 0);
  Check(kCbUsePin, r.popup_buttons != 0);
  Check(kCBFloat, r.floating != 0);
  ShowAppearance(r, kIconPositionLimit);
  CBDatauseClick();
  TBMaChange();
  MemoChange();
}

StickerRecord TSettingsForm::BuildRecord() const {
  StickerRecord r{};
  r.body.color = BoxColour(Control(kCBColor));
  r.body.shadow_color = BoxColour(Control(kCBColorSh));
  r.body.use_shadow = Checked(kCBShadText) ? 1 : 0;
  r.body.font_size = static_cast<std::uint8_t>(FontSizeOfIndex(Selection(kCBsizetext)));
  r.body.font_name.Assign(AnsiFromWide(ControlText(kCBFontNameText)));
  for (StickerTextBlock* block : {&r.caption, &r.date_line}) {
    block->color = r.body.color;
    block->shadow_color = r.body.shadow_color;
    block->use_shadow = r.body.use_shadow;
    block->font_name = r.body.font_name;
  }
  r.caption.line_text.Assign(AnsiFromWide(ControlText(kECaption)));
  r.date_line.line_text.Assign(AnsiFromWide(ControlText(kEdateText)));
  r.date_line.show = Checked(kCBDatause) ? 1 : 0;
  r.alpha = static_cast<std::uint8_t>(SendMessageW(Control(kTrackBar), TBM_GETPOS, 0, 0));
  r.lock_move = Checked(kCBLockMove) ? 1 : 0;
  r.style = static_cast<std::uint16_t>(std::max(0, Selection(kCBStyle)));
  r.use_color = Checked(kCBuseColor) ? 1 : 0;
  r.color = BoxColour(Control(kCBColorMask));
  const std::wstring text = ControlText(kMemo);
  r.icon = static_cast<std::uint16_t>(IconValueOfPosition(Selection(kCBIcons), UserIcons(), text));
  r.word_wrap = Checked(kCBAutoPer) ? 1 : 0;
  for (int i = 2; i >= 0; --i)
    if (Checked(kAlignButtons[static_cast<std::size_t>(i)])) r.align = static_cast<std::uint8_t>(i);
  r.hide_from_mouse = Checked(kCBMouseAtas) ? 1 : 0;
  r.hide_interval = HideIntervalOfPosition(static_cast<int>(SendMessageW(Control(kTBMa), TBM_GETPOS, 0, 0)));
  r.popup_buttons = Checked(kCbUsePin) ? 1 : 0;
  r.position = static_cast<std::uint8_t>(
      PositionOfButtons({Checked(kRBUpp), Checked(kRBNormalPos), Checked(kRBBackPos), Checked(kRBBott)}));
  r.font_style = static_cast<std::uint8_t>((Checked(kSBStyleB) ? kBold : 0) | (Checked(kSBStyleI) ? kItalic : 0));
  r.floating = Checked(kCBFloat) ? 1 : 0;
  SetStickerText(r, AnsiFromWide(text));
  return r;
}

void TSettingsForm::OkClick() {
  Close(true);
}

void TSettingsForm::BPRIMClick() { a_.apply(stickerId_, BuildRecord()); }

void TSettingsForm::OnCancel() { Close(false); }

// Every close keeps the pattern chosen last, once the user has chosen one.
void TSettingsForm::Close(bool apply) {
  if (apply) a_.apply(stickerId_, BuildRecord());
  if (!rememberedPattern_.empty()) {
    const PatternEntry chosen = SplitPatternEntry(SelectedPattern());
    rememberedPattern_ = PatternEntryText(chosen.name, FileNameWithoutFolder(chosen.file));
    IniFile(a_.configPath).WriteString(L"Settings", L"pattern", rememberedPattern_);
  }
  EndDialog(apply ? 1 : 0);
}

void TSettingsForm::CBDatauseClick() { EnableWindow(Control(kEdateText), Checked(kCBDatause)); }

void TSettingsForm::CBuseColorClick() { EnableWindow(Control(kCBColorMask), Checked(kCBuseColor)); }

void TSettingsForm::MemoChange() {
  const LengthCounter counter = LengthCounterOf(static_cast<std::size_t>(GetWindowTextLengthW(Control(kMemo))));
  SetControlText(kLCount, counter.text);
  if (!boldFont_) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(kLCount), WM_GETFONT, 0, 0)), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectW(&font));
  }
  HFONT normal = reinterpret_cast<HFONT>(SendMessageW(Control(IDOK), WM_GETFONT, 0, 0));
  SendMessageW(Control(kLCount), WM_SETFONT, reinterpret_cast<WPARAM>(counter.bold ? boldFont_.Get() : normal), TRUE);
}

void TSettingsForm::MemoFontChange() {
  const std::wstring font = SelectedFont();
  memoFont_ = PointFont(font.empty() ? L"Tahoma" : font, FontSizeOfIndex(std::max(0, Selection(kCBsizetext))),
                           Checked(kSBStyleB), Checked(kSBStyleI));
  SendMessageW(Control(kMemo), WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), TRUE);
}

void TSettingsForm::CBAutoPerClick() { RecreateMemo(Checked(kCBAutoPer)); }

// An edit wraps or scrolls sideways from its creation on: a change makes a
// new one with the same text, font and place.
void TSettingsForm::RecreateMemo(bool wordWrap) {
  HWND old = Control(kMemo);
  RECT r{};
  GetWindowRect(old, &r);
  MapWindowPoints(nullptr, Control(kPageText), reinterpret_cast<POINT*>(&r), 2);
  const std::wstring text = ControlText(kMemo);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN |
                      ES_AUTOVSCROLL | (wordWrap ? 0 : WS_HSCROLL | ES_AUTOHSCROLL);
  HWND memo = CreateWindowExW(0, WC_EDITW, text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              Control(kPageText), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemo)),
                              GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(memo, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // the same place in the Tab order
  DestroyWindow(old);
  SendMessageW(memo, EM_SETLIMITTEXT, kStickerTextCapacity, 0);
  MemoFontChange();
}

void TSettingsForm::CBStyleClick() { DrawStyle(); }

void TSettingsForm::SBrandomClick() {
  SetBoxColour(Control(kCBColorMask), RandomStickerColor(random_));
  DrawStyle();
}

void TSettingsForm::TBMaChange() {
  SetControlText(kLSec, HideIntervalLabel(static_cast<int>(SendMessageW(Control(kTBMa), TBM_GETPOS, 0, 0)),
                                      Texts().TextAt(TextIndex(L"Setting", L"vidIntSec"))));
}
