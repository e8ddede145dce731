#pragma once
// What the two sticker editors share: the settings dialog of an existing
// sticker and the form for a new one show the same text, appearance and
// pattern controls with the same ids, conversions, live feedback and
// drawing. Each editor lays them out in its own table.

#include <windows.h>

#include <array>
#include <random>
#include <span>
#include <string>

#include "editors/icon_choices_win.h"
#include "lang/tmui.h"
#include "win/menu_glyphs_win.h"
#include "sticker/sticker_content_win.h"
#include "store/tat_bitmap.h"
#include "win/dialog_base_win.h"
#include "win/tab_pages_win.h"
#include "win/dib_picture_win.h"

struct StickerEditorArgs {
  TMUI* texts;                 // not owned
  std::wstring programFolder;  // patterns\ lies there
  ContentSources art;          // not owned: skins and icons for the previews
  const IconChoices* icons;    // not owned
  const MenuGlyphs* glyphs;    // not owned: the pattern buttons' pictures
};

struct EditorLayout {
  const wchar_t* className;
  int clientWidth, clientHeight;
  std::array<int, 4> tabTexts;
  int stylePreviewWidth, stylePreviewHeight;
  int textPanelExpanded;
  int patternIconLimit;  // loading a pattern: icon values up to this are list positions
};

class StickerEditor : public DialogBase {
 public:
  enum ControlId : int {
    kTabs = 10, kPageText, kPageLook, kPagePosition, kPagePatterns, kApplyButton,
    kCaptionPanel = 100, kCaptionLabel, kCaptionEdit, kUseDateCheck, kDateEdit, kBodyEdit, kLengthLabel,
    kWordWrapCheck, kFontPanel, kFontNameList, kFontSizeList, kTextColourBox, kBoldButton, kItalicButton,
    kAlignLeftButton, kAlignCentreButton, kAlignRightButton, kTextShadowCheck, kShadowColourBox,
    kStyleGroup = 200, kSkinStyleList, kStylePreview, kTransparencyGroup, kTransparencySlider, kIconGroup,
    kIconList, kPinCheck, kUseColourCheck, kMaskColourBox, kRandomColourButton,
    kPositionUpRadio = 300, kPositionNormalRadio, kPositionBackRadio, kPositionBottomRadio, kLockMoveCheck,
    kFloatCheck, kHideDelayGroup, kMouseOverCheck, kHideDelaySlider, kHideDelayLabel, kDefaultsGroup,
    kRandomColourCheck, kSaveDefaultsButton, kPlacementList,
    kPatternList = 400, kPatternPreviewGroup, kPatternPreview, kApplyPatternButton, kSavePatternButton,
    kDeletePatternButton,
  };
  static constexpr std::array<int, 3> kAlignButtons = {kAlignLeftButton, kAlignCentreButton, kAlignRightButton};

  // Handlers the editors share, named after their controls.
  void CBDatauseClick();
  void LineTextChange();
  void MemoChange();
  void CBAutoPerClick();
  void MemoFontChange();
  void CBStyleClick();
  void CBuseColorClick();
  void SBrandomClick();
  void TBMaChange();
  void CBPressClick();
  void BPressPrimClick();
  void PanelChange();

 protected:
  StickerEditor(StickerEditorArgs args, std::span<const ControlRow> controls, const EditorLayout& layout);

  [[nodiscard]] bool CreateEditor();
  void Relabel() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnKey(const MSG& message) override;
  void OnDpiChanged() override;

  void ShowPage(int page);
  void FillFonts();
  void FillPatterns(const std::wstring& select);
  // The controls of a record's look: everything a pattern carries.
  void ShowAppearance(const StickerRecord& record, int iconLimit);
  void RecreateMemo(bool wordWrap);
  std::wstring SelectedPattern() const;
  std::wstring SelectedFont() const;
  int Selection(int id) const;
  void Select(int id, int index) const;
  const TATBitmap& UserIcons() const { return *a_.art.userIcons; }
  const std::wstring& ProgramFolder() const { return a_.programFolder; }
  std::mt19937& Random() { return random_; }

 private:
  void Relayout();
  void SetUpPanels();
  void SetButtonPictures();
  void FillStyles();
  void DrawStyle();
  void DrawPattern();

  StickerEditorArgs a_;
  EditorLayout layout_;
  TabPages tabs_;
  UniqueFont memoFont_, boldFont_;
  DibPicture24 stylePicture_, patternPicture_;
  std::array<MenuGlyphs, 3> alignPictures_;
  std::mt19937 random_;
};
