// The controls of the settings dialog, as its design lays them out: one row
// each, containers (tab pages, panels) before what they hold.

#include "editors/editor_controls.h"
#include "editors/settings_form_win.h"

namespace {
using namespace editor_controls;

using F = TSettingsForm;

}  // namespace

std::span<const ControlRow> TSettingsForm::Controls() {
  static constexpr auto kControls = Join(
      std::to_array<ControlRow>({
          {L"PC", F::kTabs, WC_TABCONTROLW, 4, 4, 425, 280, kTab | WS_CLIPSIBLINGS, kNoText, nullptr},
          {L"TS2", F::kPageText, kPage, 8, 30, 417, 250, 0, kNoText, nullptr},
          {L"TSS", F::kPageLook, kPage, 8, 30, 417, 250, 0, kNoText, nullptr},
          {L"TSPos", F::kPagePosition, kPage, 8, 30, 417, 250, 0, kNoText, nullptr},
          {L"TS_presset", F::kPagePatterns, kPage, 8, 30, 417, 250, 0, kNoText, nullptr},
          {L"Ok", IDOK, WC_BUTTONW, 189, 290, 75, 25, BS_DEFPUSHBUTTON | kTab, TextIndex(L"Setting", L"bOk"), &Handler<&F::OkClick>},
          {L"BNO", IDCANCEL, WC_BUTTONW, 270, 290, 75, 25, kTab, TextIndex(L"Setting", L"bNO"), nullptr},
          {L"BPRIM", F::kApplyButton, WC_BUTTONW, 351, 290, 75, 25, kTab, TextIndex(L"Setting", L"bPrim"), &Handler<&F::BPRIMClick>},
      }),
      TextTab(224, TextIndex(L"Sticker", L"mConfig")),
      std::to_array<ControlRow>({
          // Appearance
          {L"GB", F::kStyleGroup, WC_BUTTONW, 4, 4, 217, 240, kGroup, kNoText, nullptr, F::kPageLook},
          {L"CB_style", F::kSkinStyleList, WC_COMBOBOXW, 12, 24, 201, 300, kList, kNoText, &Handler<&F::CBStyleClick>, F::kPageLook},
          {L"I_style", F::kStylePreview, WC_STATICW, 12, 56, 201, 169, SS_OWNERDRAW, kNoText, nullptr, F::kPageLook},
          {L"Ltran", F::kTransparencyGroup, WC_BUTTONW, 228, 4, 185, 56, kGroup, kNoText, nullptr, F::kPageLook},
          {L"TrackBar", F::kTransparencySlider, TRACKBAR_CLASSW, 236, 22, 170, 30, TBS_AUTOTICKS | kTab, kNoText, nullptr, F::kPageLook},
          {L"TS5", F::kIconGroup, WC_BUTTONW, 228, 64, 185, 60, kGroup, kNoText, nullptr, F::kPageLook},
          {L"CB_icons", F::kIconList, WC_COMBOBOXW, 236, 84, 170, 400, kOwnerList, kNoText, nullptr, F::kPageLook},
          {L"cb_use_pin", F::kPinCheck, kCheck, 228, 134, 180, 18, kCheckStyle, TextIndex(L"Setting", L"vidUsePin"), nullptr, F::kPageLook},
          {L"CBuseColor", F::kUseColourCheck, kCheck, 228, 160, 180, 18, kCheckStyle, TextIndex(L"Setting", L"fUseColor"), &Handler<&F::CBuseColorClick>, F::kPageLook},
          {L"CBColorMask", F::kMaskColourBox, kColour, 228, 186, 60, 24, kTab, kNoText, &Handler<&F::CBStyleClick>, F::kPageLook},
          {L"SBrandom", F::kRandomColourButton, WC_BUTTONW, 294, 186, 24, 24, kTab, kNoText, &Handler<&F::SBrandomClick>, F::kPageLook, TextIndex(L"Setting", L"fSBrandhint")},
          // Position
          {L"RB_upp", F::kPositionUpRadio, kRadio, 12, 12, 180, 18, kRadioStyle | WS_GROUP, TextIndex(L"Setting", L"posUp"), nullptr, F::kPagePosition},
          {L"RB_normal_pos", F::kPositionNormalRadio, kRadio, 12, 36, 180, 18, kRadioStyle, TextIndex(L"Setting", L"posNormal"), nullptr, F::kPagePosition},
          {L"RB_back_pos", F::kPositionBackRadio, kRadio, 12, 60, 180, 18, kRadioStyle, TextIndex(L"Setting", L"posBack"), nullptr, F::kPagePosition},
          {L"RB_bott", F::kPositionBottomRadio, kRadio, 12, 84, 180, 18, kRadioStyle, TextIndex(L"Setting", L"posBottom"), nullptr, F::kPagePosition},
          {L"CB_lockMove", F::kLockMoveCheck, kCheck, 12, 120, 180, 18, kCheckStyle | WS_GROUP, TextIndex(L"Setting", L"vidCBLock"), nullptr, F::kPagePosition},
          {L"CB_float", F::kFloatCheck, kCheck, 12, 144, 180, 18, kCheckStyle, TextIndex(L"Setting", L"Float"), nullptr, F::kPagePosition},
          {L"GB_ml", F::kHideDelayGroup, WC_BUTTONW, 200, 4, 213, 110, kGroup, TextIndex(L"Setting", L"vidInterval"), nullptr, F::kPagePosition},
          {L"CB_mouse_atas", F::kMouseOverCheck, kCheck, 208, 26, 200, 18, kCheckStyle, TextIndex(L"Setting", L"vidMouseLook"), nullptr, F::kPagePosition},
          {L"TB_Ma", F::kHideDelaySlider, TRACKBAR_CLASSW, 208, 56, 140, 30, TBS_AUTOTICKS | kTab, kNoText, &Handler<&F::TBMaChange>, F::kPagePosition},
          {L"L_sec", F::kHideDelayLabel, WC_STATICW, 350, 62, 60, 16, SS_NOPREFIX, kNoText, nullptr, F::kPagePosition},
          // Patterns
          {L"CB_press", F::kPatternList, WC_LISTBOXW, 4, 4, 256, 48, WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY | kTab, kNoText, &Handler<&F::CBPressClick>, F::kPagePatterns},
          {L"B_press_prim", F::kApplyPatternButton, WC_BUTTONW, 266, 4, 90, 25, kTab, TextIndex(L"Setting", L"bPattPrim"), &Handler<&F::BPressPrimClick>, F::kPagePatterns},
          {L"BsavePattern", F::kSavePatternButton, WC_BUTTONW, 362, 4, 24, 24, BS_BITMAP | kTab, TextIndex(L"Setting", L"bPattSave"), &Handler<&F::BsavePatternClick>, F::kPagePatterns, TextIndex(L"Setting", L"bPattSave")},
          {L"BdelPattern", F::kDeletePatternButton, WC_BUTTONW, 389, 4, 24, 24, BS_BITMAP | kTab, TextIndex(L"Setting", L"bPattDel"), &Handler<&F::BdelPatternClick>, F::kPagePatterns, TextIndex(L"Setting", L"bPattDel")},
          {L"GB_prew_press", F::kPatternPreviewGroup, WC_BUTTONW, 4, 50, 409, 198, kGroup, kNoText, nullptr, F::kPagePatterns},
          {L"I_press", F::kPatternPreview, WC_STATICW, 16, 66, 377, 177, SS_OWNERDRAW, kNoText, nullptr, F::kPagePatterns},
      }));
  return kControls;
}
