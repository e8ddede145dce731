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
  SendMessageW(Control(kTrackBar), TBM_SETPOS, TRUE, r.alpha);
  Select(kCBStyle, r.style);
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
  EnableControl(kCBColorMask, r.use_color != 0);
  MemoFontChange();
  DrawStyle();
}

void StickerEditor::CBDatauseClick() { EnableControl(kEdateText, Checked(kCBDatause)); }

// The caption and the date line show no more than their record fields keep.
// The edits' own limit counts characters, exact for a single-byte code page;
// in a double-byte one a character may take two of the field's bytes.
void StickerEditor::LineTextChange() {
  for (int id : {kECaption, kEdateText}) {
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

void StickerEditor::CBuseColorClick() { EnableControl(kCBColorMask, Checked(kCBuseColor)); }

void StickerEditor::MemoChange() {
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

void StickerEditor::MemoFontChange() {
  const std::wstring font = SelectedFont();
  memoFont_ = PointFont(font.empty() ? L"Tahoma" : font, FontSizeOfIndex(std::max(0, Selection(kCBsizetext))),
                           Checked(kSBStyleB), Checked(kSBStyleI));
  SendMessageW(Control(kMemo), WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), TRUE);
}

void StickerEditor::CBAutoPerClick() { RecreateMemo(Checked(kCBAutoPer)); }

// An edit wraps or scrolls sideways from its creation on: a change makes a
// new one with the same text, font and place.
void StickerEditor::RecreateMemo(bool wordWrap) {
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

void StickerEditor::CBStyleClick() { DrawStyle(); }

void StickerEditor::SBrandomClick() {
  SetBoxColour(Control(kCBColorMask), RandomStickerColor(random_));
  DrawStyle();
}

void StickerEditor::TBMaChange() {
  SetControlText(kLSec, HideIntervalLabel(static_cast<int>(SendMessageW(Control(kTBMa), TBM_GETPOS, 0, 0)),
                                      Texts().TextAt(TextIndex(L"Setting", L"vidIntSec"))));
}
