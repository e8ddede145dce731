#include "editors/sticker_editor_win.h"

#include <windows.h>
#include <commctrl.h>

#include "editors/settings_conversions.h"
#include "sticker/pattern_preview_win.h"
#include "sticker/style_preview_win.h"
#include "store/date_time.h"
#include "store/patterns_win.h"
#include "pixels/bmp_reader.h"
#include "pixels/picture_scale.h"
#include "store/resource_bitmap_win.h"
#include "store/sticker_identity.h"
#include "win/colour_box_win.h"
#include "win/point_font_win.h"
#include "store/profile_file_win.h"
#include "win/task_panel_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr int kPages[] = {StickerEditor::kPageText, StickerEditor::kPageLook, StickerEditor::kPagePosition,
                                    StickerEditor::kPagePatterns};
constexpr int kStyleTexts[] = {
    TextIndex(L"Setting", L"vidSt1"),  TextIndex(L"Setting", L"vidSt2"),  TextIndex(L"Setting", L"vidSt3"),
    TextIndex(L"Setting", L"vidSt4"),  TextIndex(L"Setting", L"vidSt5"),  TextIndex(L"Setting", L"vidSt6"),
    TextIndex(L"Setting", L"vidSt7"),  TextIndex(L"Setting", L"vidSt8"),  TextIndex(L"Setting", L"vidSt9"),
    TextIndex(L"Setting", L"vidSt10"), TextIndex(L"Setting", L"vidSt11"), TextIndex(L"Setting", L"vidSt12"),
    TextIndex(L"Setting", L"vidSt13"), TextIndex(L"Setting", L"vidSt14"), TextIndex(L"Setting", L"vidSt15"),
    TextIndex(L"Setting", L"vidSt16"), TextIndex(L"Setting", L"vidSt17"), TextIndex(L"Setting", L"vidSt18")};
constexpr const wchar_t* kAlignPictures[3] = {L"BUTTON_L", L"BUTTON_C", L"BUTTON_R"};
constexpr const wchar_t* kSizes[] = {L"6", L"8", L"10", L"12", L"14", L"16", L"18", L"20"};
constexpr int kCaptionPanelCollapsed = 21, kCaptionPanelExpanded = 67, kTextPanelCollapsed = 22;
constexpr int kPatternPreviewWidth = 377, kPatternPreviewHeight = 177;
constexpr int kTrackBarMax = 255, kIntervalMax = 512, kIntervalStep = 20, kTickEvery = 8;
constexpr int kSaveGlyph = 20, kDeleteGlyph = 12;

std::wstring Spaced(const std::wstring& text) { return L" " + text + L" "; }

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
  if (font->lfFaceName[0] != L'@' &&
      SendMessageW(reinterpret_cast<HWND>(list), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(font->lfFaceName)) == CB_ERR)
    SendMessageW(reinterpret_cast<HWND>(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
  return 1;
}

}  // namespace

StickerEditor::StickerEditor(StickerEditorArgs args, std::span<const ControlRow> controls, const EditorLayout& layout)
    : DialogBase(*args.texts, controls),
      a_(std::move(args)),
      layout_(layout),
      tabs_(*this, kTabs, kPages, layout_.tabTexts),
      stylePicture_(layout.stylePreviewWidth, layout.stylePreviewHeight),
      patternPicture_(kPatternPreviewWidth, kPatternPreviewHeight),
      random_(std::random_device{}()) {}

bool StickerEditor::CreateEditor() {
  if (!DialogBase::Create({.className = layout_.className, .clientWidth = layout_.clientWidth,
                           .clientHeight = layout_.clientHeight}))
    return false;
  tabs_.Create();
  SetUpPanels();
  SetPanelCollapsed(Control(kCaptionPanel), true);
  SetPanelCollapsed(Control(kFontPanel), true);
  for (const wchar_t* size : kSizes) SendMessageW(Control(kFontSizeList), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // Magenta-keyed like the menu glyphs: the key becomes the button's face.
  for (std::size_t i = 0; i < kAlignButtons.size(); ++i) {
    const auto strip = [name = kAlignPictures[i]](int dpi) { return ToPicture24(LoadScaledPicture(name, dpi).picture); };
    alignPictures_[i] = MenuGlyphs(strip, MakeColour(GetRValue(face), GetGValue(face), GetBValue(face)));
  }
  SetButtonPictures();
  SendMessageW(Control(kTransparencySlider), TBM_SETRANGE, TRUE, MAKELPARAM(1, kTrackBarMax));
  SendMessageW(Control(kTransparencySlider), TBM_SETTICFREQ, kTickEvery, 0);
  SendMessageW(Control(kHideDelaySlider), TBM_SETRANGE, TRUE, MAKELPARAM(1, kIntervalMax));
  SendMessageW(Control(kHideDelaySlider), TBM_SETTICFREQ, kTickEvery, 0);
  SendMessageW(Control(kHideDelaySlider), TBM_SETLINESIZE, 0, kIntervalStep);
  SendMessageW(Control(kHideDelaySlider), TBM_SETPAGESIZE, 0, kIntervalStep);
  SendMessageW(Control(kBodyEdit), EM_SETLIMITTEXT, kStickerTextCapacity, 0);
  for (int id : {kCaptionEdit, kDateEdit}) SendMessageW(Control(id), EM_SETLIMITTEXT, kLineTextCapacity, 0);
  a_.icons->Fill(Control(kIconList));
  ShowPage(0);
  Relayout();
  return true;
}

// The picture buttons' pictures at the dialog's scale.
void StickerEditor::SetButtonPictures() {
  const auto set = [this](int button, HBITMAP picture) {
    SendMessageW(Control(button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  };
  for (std::size_t i = 0; i < kAlignButtons.size(); ++i) set(kAlignButtons[i], alignPictures_[i].Glyph(0, Dpi()));
  set(kSavePatternButton, a_.glyphs->Glyph(kSaveGlyph, Dpi()));
  set(kDeletePatternButton, a_.glyphs->Glyph(kDeleteGlyph, Dpi()));
}

// Listed when the dialog first opens: asking for every font of the system is
// slow on a cold start and would delay the whole program.
void StickerEditor::FillFonts() {
  if (SendMessageW(Control(kFontNameList), CB_GETCOUNT, 0, 0) > 0) return;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  const ScopedGetDC screen(nullptr);
  EnumFontFamiliesExW(screen.Get(), &all, CollectFont, reinterpret_cast<LPARAM>(Control(kFontNameList)), 0);
}

void StickerEditor::Relabel() {
  DialogBase::Relabel();
  tabs_.Relabel();
  SetControlText(kStyleGroup, Spaced(Texts().TextAt(TextIndex(L"Setting", L"vidBGSt"))));
  SetControlText(kPatternPreviewGroup, Spaced(Texts().TextAt(TextIndex(L"Setting", L"vidBGSt"))));
  SetControlText(kTransparencyGroup, Texts().TextAt(TextIndex(L"Setting", L"vidLTransp")));
  SetControlText(kIconGroup, Texts().TextAt(TextIndex(L"Setting", L"tabIcon")));
  SetControlText(kBoldButton, L"B");
  SetControlText(kItalicButton, L"I");
  SetControlText(kRandomColourButton, L"?");
  FillStyles();
  TBMaChange();
}

void StickerEditor::FillStyles() {
  HWND list = Control(kSkinStyleList);
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (int text : kStyleTexts) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Texts().TextAt(text).c_str()));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void StickerEditor::ShowPage(int page) { tabs_.Show(page); }

LRESULT StickerEditor::OnNotify(const NMHDR& header) {
  tabs_.OnNotify(header);
  return 0;
}

bool StickerEditor::OnKey(const MSG& message) { return tabs_.OnKey(message); }

// The memo fills what the two panels leave free; the counter row sits above
// the font panel.
void StickerEditor::Relayout() {
  RECT page{}, caption{}, text{};
  GetClientRect(Control(kPageText), &page);
  const auto place = [this](int id, RECT& r) {
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, Control(kPageText), reinterpret_cast<POINT*>(&r), 2);
  };
  place(kCaptionPanel, caption);
  place(kFontPanel, text);
  const int textHeight = text.bottom - text.top;
  const int gap = Scaled(4);
  const int textTop = page.bottom - gap - textHeight;
  MoveWindow(Control(kFontPanel), text.left, textTop, text.right - text.left, textHeight, TRUE);
  const int counterTop = textTop - Scaled(22);
  MoveWindow(Control(kLengthLabel), Scaled(313), counterTop + Scaled(1), Scaled(100), Scaled(16), TRUE);
  SetWindowPos(Control(kWordWrapCheck), nullptr, gap, counterTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(Control(kBodyEdit), gap, caption.bottom + gap, Scaled(409), counterTop - gap - caption.bottom - gap, TRUE);
}

void StickerEditor::SetUpPanels() {
  TaskPanelSetup(Control(kCaptionPanel), Scaled(kCaptionPanelCollapsed), Scaled(kCaptionPanelExpanded));
  TaskPanelSetup(Control(kFontPanel), Scaled(kTextPanelCollapsed), Scaled(layout_.textPanelExpanded));
}

// The fonts the editor made itself are made again for the new scale, the
// pictures are those of the new scale, and the memo and the counter take
// their places again.
void StickerEditor::OnDpiChanged() {
  SetUpPanels();
  SetButtonPictures();
  boldFont_.Reset();
  MemoChange();
  MemoFontChange();
  Relayout();
}

// A folded panel's controls are hidden too, so that Tab does not reach them.
void StickerEditor::PanelChange() {
  for (int panel : {kCaptionPanel, kFontPanel}) {
    const bool collapsed = PanelCollapsed(Control(panel));
    for (HWND child = GetWindow(Control(panel), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      ShowWindow(child, collapsed ? SW_HIDE : SW_SHOW);
  }
  Relayout();
}

int StickerEditor::Selection(int id) const {
  return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0));
}

void StickerEditor::Select(int id, int index) const { SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::wstring StickerEditor::SelectedFont() const {
  const int index = Selection(kFontNameList);
  if (index < 0) return L"";
  std::wstring name(static_cast<std::size_t>(SendMessageW(Control(kFontNameList), CB_GETLBTEXTLEN, index, 0)), L'\0');
  SendMessageW(Control(kFontNameList), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()));
  return name;
}

std::wstring StickerEditor::SelectedPattern() const {
  HWND list = Control(kPatternList);
  const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return L"";
  std::wstring entry(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)), L'\0');
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
  return entry;
}
