// The editors' look controls filled from a record, and the live feedback of
// the text controls in the memo.

#include <windows.h>
#include <commctrl.h>

#include "editors/field_fit.h"
#include "editors/settings_conversions.h"
#include "editors/sticker_editor_win.h"
#include "lang/language_file.h"
#include "lang/text_id.h"
#include "store/pattern_file.h"
#include "store/sticker_identity.h"
#include "win/colour_box_win.h"
#include "win/point_font_win.h"
#include "store/profile_file_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr int kBold = 1, kItalic = 2;

std::wstring Line(const auto& shortString) { return WideFromAnsi(shortString.View()); }

}  // namespace

// Everything a pattern carries: used when a pattern is loaded too.
void StickerEditor::ShowAppearance(const StickerRecord& r, int iconLimit) {
  SendMessageW(Control(kTransparencySlider), TBM_SETPOS, TRUE, r.alpha);
  Select(kSkinStyleList, r.style);
  Check(kUseColourCheck, r.use_color != 0);
  SetBoxColour(Control(kMaskColourBox), r.color);
  SendMessageW(Control(kIconList), CB_SETCURSEL, static_cast<WPARAM>(IconListPosition(r.icon, UserIcons(), iconLimit)), 0);
  Check(kBoldButton, (r.font_style & kBold) != 0);
  Check(kItalicButton, (r.font_style & kItalic) != 0);
  for (int i = 0; i < 3; ++i) Check(kAlignButtons[static_cast<std::size_t>(i)], r.align == i);
  Check(kTextShadowCheck, r.body.use_shadow != 0);
  const std::wstring font = Line(r.body.font_name);
  SendMessageW(Control(kFontNameList), CB_SETCURSEL,
               static_cast<WPARAM>(SendMessageW(Control(kFontNameList), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(font.c_str()))),
               0);
  SendMessageW(Control(kFontSizeList), CB_SETCURSEL, static_cast<WPARAM>(FontSizeIndex(r.body.font_size)), 0);
  SetBoxColour(Control(kTextColourBox), r.body.color);
  SetBoxColour(Control(kShadowColourBox), r.body.shadow_color);
  EnableControl(kMaskColourBox, r.use_color != 0);
  MemoFontChange();
  DrawStyle();
}

void StickerEditor::CBDatauseClick() { EnableControl(kDateEdit, Checked(kUseDateCheck)); }

// The caption and the date line show no more than their record fields keep.
// The edits' own limit counts characters, exact for a single-byte code page;
// in a double-byte one a character may take two of the field's bytes.
void StickerEditor::LineTextChange() {
  for (int id : {kCaptionEdit, kDateEdit}) {
    HWND edit = Control(id);
    const std::wstring text = ControlText(id);
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const FittedText fitted = FitToField(text, caret, kLineTextCapacity,
                                         [](std::wstring_view character) { return AnsiFromWide(character).size(); });
    if (fitted.text == text) continue;
    SetWindowTextW(edit, fitted.text.c_str());  // changes the edit again, which then fits
    SendMessageW(edit, EM_SETSEL, fitted.caret, static_cast<LPARAM>(fitted.caret));
  }
}

void StickerEditor::CBuseColorClick() { EnableControl(kMaskColourBox, Checked(kUseColourCheck)); }

void StickerEditor::MemoChange() {
  const LengthCounter counter = LengthCounterOf(static_cast<std::size_t>(GetWindowTextLengthW(Control(kBodyEdit))));
  SetControlText(kLengthLabel, counter.text);
  if (!boldFont_) {
    LOGFONTW font{};
    GetObjectW(Font(), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectW(&font));
  }
  SendMessageW(Control(kLengthLabel), WM_SETFONT, reinterpret_cast<WPARAM>(counter.bold ? boldFont_.Get() : Font()), TRUE);
}

void StickerEditor::MemoFontChange() {
  const std::wstring font = SelectedFont();
  memoFont_ = PointFont(font.empty() ? L"Tahoma" : font, FontSizeOfIndex(std::max(0, Selection(kFontSizeList))),
                           Checked(kBoldButton), Checked(kItalicButton), Dpi());
  SendMessageW(Control(kBodyEdit), WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), TRUE);
}

void StickerEditor::CBAutoPerClick() { RecreateMemo(Checked(kWordWrapCheck)); }

// An edit wraps or scrolls sideways from its creation on: a change makes a
// new one with the same text, font and place.
void StickerEditor::RecreateMemo(bool wordWrap) {
  HWND old = Control(kBodyEdit);
  RECT r{};
  GetWindowRect(old, &r);
  MapWindowPoints(nullptr, Control(kPageText), reinterpret_cast<POINT*>(&r), 2);
  const std::wstring text = ControlText(kBodyEdit);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN |
                      ES_AUTOVSCROLL | (wordWrap ? 0 : WS_HSCROLL | ES_AUTOHSCROLL);
  HWND memo = CreateWindowExW(0, WC_EDITW, text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              Control(kPageText), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBodyEdit)),
                              GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(memo, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // the same place in the Tab order
  DestroyWindow(old);
  SendMessageW(memo, EM_SETLIMITTEXT, kStickerTextCapacity, 0);
  MemoFontChange();
}

void StickerEditor::CBStyleClick() { DrawStyle(); }

void StickerEditor::SBrandomClick() {
  SetBoxColour(Control(kMaskColourBox), RandomStickerColor(random_));
  DrawStyle();
}

void StickerEditor::TBMaChange() {
  SetControlText(kHideDelayLabel, HideIntervalLabel(static_cast<int>(SendMessageW(Control(kHideDelaySlider), TBM_GETPOS, 0, 0)),
                                      Texts().TextAt(TextIndex(L"Setting", L"vidIntSec"))));
}
