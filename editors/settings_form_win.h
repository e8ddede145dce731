#pragma once
// TSettingsForm: the settings dialog of one sticker. It edits a private copy
// of the sticker's record; Ok and Apply hand the record built from the
// controls to the program, Cancel leaves the sticker as the last Apply made
// it. Four tabs: text, appearance, position and patterns.

#include <windows.h>

#include <array>
#include <functional>
#include <random>
#include <string>

#include "editors/icon_choices_win.h"
#include "lang/tmui.h"
#include "manager/form_dialog_win.h"
#include "sticker/menu_glyphs_win.h"
#include "store/tat_bitmap.h"
#include "sticker/sticker_content_win.h"
#include "win/dialog_base_win.h"
#include "win/dib_picture_win.h"

struct SettingsFormArgs {
  TMUI* texts;                  // not owned
  std::wstring programFolder;   // patterns\ lies there
  std::wstring configPath;      // config.txt, for the remembered pattern
  ContentSources art;           // not owned: skins and icons for the previews
  const IconChoices* icons;     // not owned
  const MenuGlyphs* glyphs;     // not owned: the pattern buttons' pictures
  TFormDialog* prompt;          // not owned: asks for pattern names
  std::function<void(std::int32_t id, const StickerRecord& edited)> apply;
};

class TSettingsForm final : public DialogBase {
 public:
  explicit TSettingsForm(SettingsFormArgs args);

  [[nodiscard]] bool Create();
  // Opens for the sticker and waits until the dialog closes; while it shows,
  // a second call only brings it to the front.
  void Open(std::int32_t id, const StickerRecord& record);

  enum ControlId : int {
    kPC = 10, kPageText, kPageLook, kPagePosition, kPagePatterns, kBPRIM,
    kTPCaption = 100, kLCapt, kECaption, kCBDatause, kEdateText, kMemo, kLCount, kCBAutoPer, kTPText,
    kCBFontNameText, kCBsizetext, kCBColor, kSBStyleB, kSBStyleI, kSBTextL, kSBTextC, kSBTextR, kCBShadText,
    kCBColorSh,
    kGB = 200, kCBStyle, kIStyle, kLtran, kTrackBar, kTS5, kCBIcons, kCbUsePin, kCBuseColor, kCBColorMask, kSBrandom,
    kRBUpp = 300, kRBNormalPos, kRBBackPos, kRBBott, kCBLockMove, kCBFloat, kGBMl, kCBMouseAtas, kTBMa, kLSec,
    kCBPress = 400, kGBPrewPress, kIPress, kBPressPrim, kBsavePattern, kBdelPattern,
  };
  static constexpr std::array<int, 3> kAlignButtons = {kSBTextL, kSBTextC, kSBTextR};

 private:
  // Handlers, named after their controls.
  void OkClick();
  void BPRIMClick();
  void CBDatauseClick();
  void MemoChange();
  void CBAutoPerClick();
  void MemoFontChange();
  void CBStyleClick();
  void CBuseColorClick();
  void SBrandomClick();
  void TBMaChange();
  void CBPressClick();
  void BPressPrimClick();
  void BsavePatternClick();
  void BdelPatternClick();
  void PanelChange();

  void Relabel() override;
  void OnCancel() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnKey(const MSG& message) override;

  void ShowPage(int page);
  void Relayout();
  void FillFonts();
  void FillStyles();
  void FillPatterns(const std::wstring& select);
  void ShowControls(const StickerRecord& record);
  void ShowAppearance(const StickerRecord& record, int iconLimit);
  StickerRecord BuildRecord() const;
  StickerRecord PatternSource() const;
  void RecreateMemo(bool wordWrap);
  void DrawStyle();
  void DrawPattern();
  void Close(bool apply);
  std::wstring SelectedPattern() const;
  std::wstring SelectedFont() const;
  bool Checked(int id) const;
  void Check(int id, bool checked) const;
  int Selection(int id) const;
  const TATBitmap& UserIcons() const { return *a_.art.userIcons; }

  SettingsFormArgs a_;
  std::int32_t stickerId_ = 0;
  StickerRecord record_{};
  std::wstring rememberedPattern_;
  UniqueFont memoFont_, boldFont_;
  DibPicture24 stylePicture_, patternPicture_;
  std::array<MenuGlyphs, 3> alignPictures_;
  std::mt19937 random_;
  static const std::array<ControlRow, 54> kControls;
};
