// The controls of the new-sticker form, as its design lays them out: one
// row each, containers (tab pages, panels) before what they hold. The text
// tab is the settings dialog's.

#include "editors/editor_controls.h"
#include "editors/new_sticker_form_win.h"

namespace {
using namespace editor_controls;

using F = TFormStickerMess;

}  // namespace

std::span<const ControlRow> TFormStickerMess::Controls() {
  static constexpr auto kControls = Join(
      std::to_array<ControlRow>({
          {L"PC", S::kTabs, WC_TABCONTROLW, 4, 4, 425, 284, kTab | WS_CLIPSIBLINGS, kNoText, nullptr},
          {L"TSText", S::kPageText, kPage, 8, 30, 417, 254, 0, kNoText, nullptr},
          {L"TSVid", S::kPageLook, kPage, 8, 30, 417, 254, 0, kNoText, nullptr},
          {L"TStextopt", S::kPagePosition, kPage, 8, 30, 417, 254, 0, kNoText, nullptr},
          {L"tsPatterns", S::kPagePatterns, kPage, 8, 30, 417, 254, 0, kNoText, nullptr},
          {L"CB_position", S::kPlacementList, WC_COMBOBOXW, 8, 298, 180, 200, kList, kNoText, nullptr},
          {L"BOK", F::kOkButton, WC_BUTTONW, 270, 297, 75, 25, BS_DEFPUSHBUTTON | kTab, TextIndex(L"Setting", L"bOk"), &Handler<&F::BOKClick>},
          {L"BNO", F::kCancelButton, WC_BUTTONW, 351, 297, 75, 25, kTab, TextIndex(L"Setting", L"bNO"), nullptr},
      }),
      TextTab(228, TextIndex(L"Setting", L"tabText")),
      std::to_array<ControlRow>({
          // Appearance
          {L"GB", S::kStyleGroup, WC_BUTTONW, 4, 4, 193, 214, kGroup, kNoText, nullptr, S::kPageLook},
          {L"CB_style", S::kSkinStyleList, WC_COMBOBOXW, 12, 22, 177, 300, kList, kNoText, &Handler<&S::CBStyleClick>, S::kPageLook},
          {L"I_style", S::kStylePreview, WC_STATICW, 12, 52, 177, 153, SS_OWNERDRAW, kNoText, nullptr, S::kPageLook},
          {L"Ltran", S::kTransparencyGroup, WC_BUTTONW, 204, 4, 209, 56, kGroup, kNoText, nullptr, S::kPageLook},
          {L"TrackBar", S::kTransparencySlider, TRACKBAR_CLASSW, 212, 22, 193, 30, TBS_AUTOTICKS | kTab, kNoText, nullptr, S::kPageLook},
          {L"TS5", S::kIconGroup, WC_BUTTONW, 204, 64, 209, 60, kGroup, kNoText, nullptr, S::kPageLook},
          {L"CB_icons", S::kIconList, WC_COMBOBOXW, 212, 84, 193, 400, kOwnerList, kNoText, nullptr, S::kPageLook},
          {L"cb_pin_useF", S::kPinCheck, kCheck, 204, 134, 200, 18, kCheckStyle, TextIndex(L"Setting", L"vidUsePin"), nullptr, S::kPageLook},
          {L"CBuseColor", S::kUseColourCheck, kCheck, 204, 160, 200, 18, kCheckStyle, TextIndex(L"Setting", L"fUseColor"), &Handler<&S::CBuseColorClick>, S::kPageLook},
          {L"CBColorMask", S::kMaskColourBox, kColour, 204, 186, 60, 24, kTab, kNoText, &Handler<&S::CBStyleClick>, S::kPageLook},
          {L"SBrandom", S::kRandomColourButton, WC_BUTTONW, 270, 186, 24, 24, kTab, kNoText, &Handler<&S::SBrandomClick>, S::kPageLook, TextIndex(L"Setting", L"fSBrandhint")},
          // Options
          {L"GB_ml", S::kHideDelayGroup, WC_BUTTONW, 4, 4, 409, 100, kGroup, TextIndex(L"Setting", L"vidInterval"), nullptr, S::kPagePosition},
          {L"CB_mouse_atas", S::kMouseOverCheck, kCheck, 12, 24, 300, 18, kCheckStyle, TextIndex(L"Setting", L"vidMouseLook"), nullptr, S::kPagePosition},
          {L"TB_Ma", S::kHideDelaySlider, TRACKBAR_CLASSW, 12, 54, 300, 30, TBS_AUTOTICKS | kTab, kNoText, &Handler<&S::TBMaChange>, S::kPagePosition},
          {L"L_sec", S::kHideDelayLabel, WC_STATICW, 320, 60, 80, 16, SS_NOPREFIX, kNoText, nullptr, S::kPagePosition},
          {L"CB_lockMove", S::kLockMoveCheck, kCheck, 4, 112, 200, 18, kCheckStyle, TextIndex(L"Setting", L"vidCBLock"), nullptr, S::kPagePosition},
          {L"GB_ds", S::kDefaultsGroup, WC_BUTTONW, 4, 140, 409, 100, kGroup, TextIndex(L"Setting", L"bSaveDefault"), nullptr, S::kPagePosition},
          {L"CB_random_color", S::kRandomColourCheck, kCheck, 12, 162, 300, 18, kCheckStyle, TextIndex(L"Setting", L"random_color"), nullptr, S::kPagePosition},
          {L"b_save_default", S::kSaveDefaultsButton, WC_BUTTONW, 12, 192, 220, 26, kTab, TextIndex(L"Setting", L"bSaveDefault"), &Handler<&F::BSaveDefaultClick>, S::kPagePosition},
          // Patterns
          {L"CB_press", S::kPatternList, WC_LISTBOXW, 4, 4, 300, 48, WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY | kTab, kNoText, &Handler<&S::CBPressClick>, S::kPagePatterns},
          {L"B_press_prim", S::kApplyPatternButton, WC_BUTTONW, 310, 4, 103, 25, kTab, TextIndex(L"Setting", L"bPattPrim"), &Handler<&S::BPressPrimClick>, S::kPagePatterns},
          {L"GB_prew_press", S::kPatternPreviewGroup, WC_BUTTONW, 4, 50, 409, 198, kGroup, kNoText, nullptr, S::kPagePatterns},
          {L"I_press", S::kPatternPreview, WC_STATICW, 16, 66, 377, 177, SS_OWNERDRAW, kNoText, nullptr, S::kPagePatterns},
      }));
  return kControls;
}
