#include "editors/settings_form_win.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "editors/settings_conversions.h"
#include "lang/text_id.h"
#include "store/folder_paths.h"
#include "store/local_time_win.h"
#include "store/pattern_file.h"
#include "store/patterns_win.h"
#include "win/colour_box_win.h"
#include "store/profile_file_win.h"
#include "win/text_convert_win.h"

namespace {

constexpr wchar_t kSettingsSection[] = L"Settings", kPatternKey[] = L"pattern";
constexpr wchar_t kNoFontPattern[] = L"tahoma";
constexpr int kBold = 1, kItalic = 2;

constexpr EditorLayout kLayout{L"TSettingsForm",
                               433,
                               321,
                               {TextIndex(L"Setting", L"tabText"), TextIndex(L"Setting", L"tabVid"),
                                TextIndex(L"Setting", L"tabPos"), TextIndex(L"Setting", L"tabPattern")},
                               201,
                               169,
                               97,
                               kPatternIconPositionLimit};

std::wstring Line(const auto& shortString) { return WideFromAnsi(shortString.View()); }

}  // namespace

TSettingsForm::TSettingsForm(SettingsFormArgs args)
    : StickerEditor(std::move(args.editor), Controls(), kLayout),
      configPath_(std::move(args.configPath)),
      prompt_(args.prompt),
      apply_(std::move(args.apply)) {}

bool TSettingsForm::Create() {
  if (!CreateEditor()) return false;
  rememberedPattern_ = IniFile(configPath_).ReadString(kSettingsSection, kPatternKey, L"");
  return true;
}

void TSettingsForm::Relabel() {
  StickerEditor::Relabel();
  SetWindowTextW(Handle(), (Texts().TextAt(TextIndex(L"Setting", L"fConfig")) + L" " + Line(record_.caption.line_text)).c_str());
}

void TSettingsForm::Open(std::int32_t id, const StickerRecord& record) {
  if (IsWindowVisible(Handle())) {
    SetForegroundWindow(Handle());
    return;
  }
  stickerId_ = id;
  record_ = record;
  FillFonts();
  EnableControl(kApplyPatternButton, false);
  ShowControls(record);
  Relabel();
  FillPatterns(L"");
  ShowPage(0);
  ShowModal();
}

void TSettingsForm::ShowControls(const StickerRecord& r) {
  SetControlText(kCaptionEdit, Line(r.caption.line_text));
  Check(kLockMoveCheck, r.lock_move != 0);
  SetControlText(kDateEdit, Line(r.date_line.line_text));
  Check(kUseDateCheck, r.date_line.show != 0);
  const PositionButtons buttons = PositionButtonsOf(r.position);
  Check(kPositionUpRadio, buttons.upp);
  Check(kPositionNormalRadio, buttons.normal);
  Check(kPositionBackRadio, buttons.back);
  Check(kPositionBottomRadio, buttons.bottom);
  SetControlText(kBodyEdit, WideFromAnsi(GetStickerText(r)));
  Check(kMouseOverCheck, r.hide_from_mouse != 0);
  SendMessageW(Control(kHideDelaySlider), TBM_SETPOS, TRUE, HideSliderPosition(r.hide_interval));
  Check(kWordWrapCheck, r.word_wrap != 0);
  RecreateMemo(r.word_wrap != 0);
  Check(kPinCheck, r.popup_buttons != 0);
  Check(kFloatCheck, r.floating != 0);
  ShowAppearance(r, kIconPositionLimit);
  CBDatauseClick();
  TBMaChange();
  MemoChange();
}

StickerRecord TSettingsForm::BuildRecord() const {
  StickerRecord r{};
  r.body.color = BoxColour(Control(kTextColourBox));
  r.body.shadow_color = BoxColour(Control(kShadowColourBox));
  r.body.use_shadow = Checked(kTextShadowCheck) ? 1 : 0;
  r.body.font_size = static_cast<std::uint8_t>(FontSizeOfIndex(Selection(kFontSizeList)));
  for (StickerTextBlock* block : {&r.caption, &r.date_line}) {
    block->color = r.body.color;
    block->shadow_color = r.body.shadow_color;
    block->use_shadow = r.body.use_shadow;
  }
  // A font the list lacks (uninstalled, or named on another computer) shows
  // as no selection: the blocks then keep the fonts they had.
  const std::wstring font = SelectedFont();
  for (auto [block, stored] : {std::pair{&r.body, &record_.body}, {&r.caption, &record_.caption},
                               {&r.date_line, &record_.date_line}}) {
    if (font.empty()) block->font_name = stored->font_name;
    else block->font_name.Assign(AnsiFromWide(font));
  }
  r.caption.line_text.Assign(AnsiFromWide(ControlText(kCaptionEdit)));
  r.date_line.line_text.Assign(AnsiFromWide(ControlText(kDateEdit)));
  r.date_line.show = Checked(kUseDateCheck) ? 1 : 0;
  r.alpha = static_cast<std::uint8_t>(SendMessageW(Control(kTransparencySlider), TBM_GETPOS, 0, 0));
  r.lock_move = Checked(kLockMoveCheck) ? 1 : 0;
  r.style = static_cast<std::uint16_t>(std::max(0, Selection(kSkinStyleList)));
  r.use_color = Checked(kUseColourCheck) ? 1 : 0;
  r.color = BoxColour(Control(kMaskColourBox));
  const std::wstring text = ControlText(kBodyEdit);
  r.icon = static_cast<std::uint16_t>(IconValueOfPosition(Selection(kIconList), UserIcons(), text));
  r.word_wrap = Checked(kWordWrapCheck) ? 1 : 0;
  for (int i = 2; i >= 0; --i)
    if (Checked(kAlignButtons[static_cast<std::size_t>(i)])) r.align = static_cast<std::uint8_t>(i);
  r.hide_from_mouse = Checked(kMouseOverCheck) ? 1 : 0;
  r.hide_interval = HideIntervalOfPosition(static_cast<int>(SendMessageW(Control(kHideDelaySlider), TBM_GETPOS, 0, 0)));
  r.popup_buttons = Checked(kPinCheck) ? 1 : 0;
  r.position = static_cast<std::uint8_t>(
      PositionOfButtons({Checked(kPositionUpRadio), Checked(kPositionNormalRadio), Checked(kPositionBackRadio), Checked(kPositionBottomRadio)}));
  r.font_style = static_cast<std::uint8_t>((Checked(kBoldButton) ? kBold : 0) | (Checked(kItalicButton) ? kItalic : 0));
  r.floating = Checked(kFloatCheck) ? 1 : 0;
  SetStickerText(r, AnsiFromWide(text));
  return r;
}

void TSettingsForm::OkClick() {
  Close(true);
}

void TSettingsForm::BPRIMClick() { apply_(stickerId_, BuildRecord()); }

void TSettingsForm::OnCancel() { Close(false); }

// Every close keeps the pattern chosen last, once the user has chosen one.
void TSettingsForm::Close(bool apply) {
  if (apply) apply_(stickerId_, BuildRecord());
  if (!rememberedPattern_.empty()) {
    const PatternEntry chosen = SplitPatternEntry(SelectedPattern());
    rememberedPattern_ = PatternEntryText(chosen.name, FileNameWithoutFolder(chosen.file));
    IniFile(configPath_).WriteString(kSettingsSection, kPatternKey, rememberedPattern_);
  }
  EndDialog(apply ? 1 : 0);
}

// A pattern holds the current appearance, with "tahoma" when no font is chosen.
StickerRecord TSettingsForm::PatternSource() const {
  StickerRecord r = BuildRecord();
  if (SelectedFont().empty()) r.body.font_name.Assign(AnsiFromWide(kNoFontPattern));
  r.icon = static_cast<std::uint16_t>(IconValueOfPosition(Selection(kIconList), UserIcons()));
  return r;
}

// The prompt proposes the name given last, ready to be kept or typed over.
void TSettingsForm::BsavePatternClick() {
  if (!prompt_->Input(Texts().TextAt(TextIndex(L"Setting", L"dialCaptionSavePattern")),
                      Texts().TextAt(TextIndex(L"Setting", L"dPattFile")), patternName_))
    return;
  if (SavePattern(ProgramFolder(), patternName_, PatternSource(), LocalNow())) FillPatterns(L"");
}

// The list follows at once, so that a deleted pattern cannot still be chosen.
void TSettingsForm::BdelPatternClick() {
  const std::wstring selected = SelectedPattern();
  if (selected.empty()) return;
  DeletePattern(ProgramFolder(), selected);
  FillPatterns(L"");
}
