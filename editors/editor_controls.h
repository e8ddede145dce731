#pragma once
// The controls both sticker editors lay out alike: the kinds and styles of
// their rows, and the whole text tab. A picture button carries its tool tip
// as its text too, which screen readers say and the picture hides.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>

#include "editors/sticker_editor_win.h"
#include "lang/text_id.h"

namespace editor_controls {

inline constexpr wchar_t kPage[] = L"ControlPage";
inline constexpr wchar_t kPanel[] = L"TTaskPanel";
inline constexpr wchar_t kCheck[] = L"TMyCheckBox";
inline constexpr wchar_t kRadio[] = L"TMyRadioButton";
inline constexpr wchar_t kColour[] = L"TColorBox";
inline constexpr DWORD kTab = WS_TABSTOP;
inline constexpr DWORD kCheckStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
inline constexpr DWORD kRadioStyle = BS_AUTORADIOBUTTON | WS_TABSTOP;
inline constexpr DWORD kToggle = BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP;
inline constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
inline constexpr DWORD kOwnerList = kList | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
inline constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
inline constexpr DWORD kGroup = BS_GROUPBOX;

using S = StickerEditor;

// The text tab: caption panel, memo, counter, word wrap and the font panel,
// whose caption and place differ between the editors.
constexpr auto TextTab(int textPanelTop, int textPanelCaption) {
  return std::to_array<ControlRow>({
      {L"TP_caption", S::kCaptionPanel, kPanel, 4, 4, 409, 21, 0, TextIndex(L"Setting", L"tabCapt"), &Handler<&S::PanelChange>, S::kPageText},
      {L"LCapt", S::kCaptionLabel, WC_STATICW, 10, 26, 126, 16, SS_NOPREFIX, TextIndex(L"Setting", L"capLtext"), nullptr, S::kCaptionPanel},
      {L"ECaption", S::kCaptionEdit, WC_EDITW, 140, 23, 260, 20, kEdit, kNoText, &Handler<&S::LineTextChange>, S::kCaptionPanel},
      {L"CBDatause", S::kUseDateCheck, kCheck, 10, 46, 104, 18, kCheckStyle, TextIndex(L"Setting", L"capCBusedata"), &Handler<&S::CBDatauseClick>, S::kCaptionPanel},
      {L"EdateText", S::kDateEdit, WC_EDITW, 140, 44, 260, 20, kEdit, kNoText, &Handler<&S::LineTextChange>, S::kCaptionPanel},
      {L"Memo", S::kBodyEdit, WC_EDITW, 4, 29, 409, 150, WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | kTab, kNoText, &Handler<&StickerEditor::MemoChange>, S::kPageText},
      {L"LCount", S::kLengthLabel, WC_STATICW, 313, 184, 100, 16, SS_RIGHT | SS_NOPREFIX, kNoText, nullptr, S::kPageText},
      {L"CB_autoPer", S::kWordWrapCheck, kCheck, 4, 183, 200, 18, kCheckStyle, TextIndex(L"Setting", L"capCBAutoPer"), &Handler<&S::CBAutoPerClick>, S::kPageText},
      {L"TP_text", S::kFontPanel, kPanel, 4, textPanelTop, 409, 22, 0, textPanelCaption, &Handler<&S::PanelChange>, S::kPageText},
      {L"CBFontNameText", S::kFontNameList, WC_COMBOBOXW, 10, 28, 190, 300, kOwnerList | CBS_SORT, kNoText, &Handler<&S::MemoFontChange>, S::kFontPanel},
      {L"CBsizetext", S::kFontSizeList, WC_COMBOBOXW, 206, 28, 50, 200, kList, kNoText, &Handler<&S::MemoFontChange>, S::kFontPanel},
      {L"CBColor", S::kTextColourBox, kColour, 262, 28, 40, 22, kTab, kNoText, nullptr, S::kFontPanel},
      {L"SB_style_b", S::kBoldButton, WC_BUTTONW, 308, 28, 24, 22, kToggle, kNoText, &Handler<&S::MemoFontChange>, S::kFontPanel, TextIndex(L"Setting", L"Bstyle")},
      {L"SB_style_i", S::kItalicButton, WC_BUTTONW, 334, 28, 24, 22, kToggle, kNoText, &Handler<&S::MemoFontChange>, S::kFontPanel, TextIndex(L"Setting", L"Istyle")},
      {L"SB_text_l", S::kAlignLeftButton, WC_BUTTONW, 10, 62, 24, 24, kRadioStyle | BS_PUSHLIKE | BS_BITMAP | WS_GROUP, TextIndex(L"Setting", L"aligL"), nullptr, S::kFontPanel, TextIndex(L"Setting", L"aligL")},
      {L"SB_text_c", S::kAlignCentreButton, WC_BUTTONW, 36, 62, 24, 24, kRadioStyle | BS_PUSHLIKE | BS_BITMAP, TextIndex(L"Setting", L"aligC"), nullptr, S::kFontPanel, TextIndex(L"Setting", L"aligC")},
      {L"SB_text_r", S::kAlignRightButton, WC_BUTTONW, 62, 62, 24, 24, kRadioStyle | BS_PUSHLIKE | BS_BITMAP, TextIndex(L"Setting", L"aligR"), nullptr, S::kFontPanel, TextIndex(L"Setting", L"aligR")},
      {L"CBShadText", S::kTextShadowCheck, kCheck, 100, 66, 150, 18, kCheckStyle | WS_GROUP, TextIndex(L"Setting", L"vidCBST"), nullptr, S::kFontPanel},
      {L"CBColorSh", S::kShadowColourBox, kColour, 262, 64, 40, 22, kTab, kNoText, nullptr, S::kFontPanel},
  });
}

// One table from its parts, in order.
template <std::size_t... N>
constexpr std::array<ControlRow, (N + ...)> Join(const std::array<ControlRow, N>&... parts) {
  std::array<ControlRow, (N + ...)> all{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
  return all;
}

}  // namespace editor_controls
