// The controls of the task wizard: the white title band, the seven pages
// (one shows at a time) and the button band below.

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "lang/text_id.h"
#include "manager/task_wizard_form_win.h"

namespace {

using F = TFormPlan;

constexpr wchar_t kPage[] = L"ControlPage";
constexpr wchar_t kCheck[] = L"TMyCheckBox";
constexpr wchar_t kRadio[] = L"TMyRadioButton";
constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kCheckStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadioStyle = BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kLabel = SS_NOPREFIX;
constexpr int kPageTop = 44, kPageHeight = 168, kWidth = 472;

consteval int Text(std::wstring_view key) { return TextIndex(L"Plan", key); }

}  // namespace

std::span<const ControlRow> TFormPlan::Controls() {
  static constexpr auto kControls = std::to_array<ControlRow>({
      {L"PB_top", F::kTitleBand, WC_STATICW, 0, 0, kWidth, 42, SS_WHITERECT, kNoText, nullptr},
      {L"L_capt_bold", F::kTitleLabel, WC_STATICW, 12, 6, 448, 16, kLabel, kNoText, nullptr},
      {L"L_capt", F::kSubtitleLabel, WC_STATICW, 28, 23, 432, 16, kLabel, kNoText, nullptr},
      {L"Bevel_top", F::kTopRule, WC_STATICW, 0, 42, kWidth, 2, SS_ETCHEDHORZ, kNoText, nullptr},
      {L"P_main", F::kActionPane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_period", F::kEventPane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_time", F::kTimePane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_message", F::kMessagePane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_auto", F::kOptionsPane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_stick", F::kStickerPane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      {L"P_end_message", F::kNamePane, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
      // Action
      {L"L_info_main", F::kActionInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_main"), nullptr, F::kActionPane},
      {L"RB_sticker_show", F::kShowStickerRadio, kRadio, 32, 32, 400, 18, kRadioStyle | WS_GROUP, Text(L"sticker_show"), &Handler<&F::ActionClick>, F::kActionPane},
      {L"RB_sticker_hide", F::kHideStickerRadio, kRadio, 32, 52, 400, 18, kRadioStyle, Text(L"sticker_hide"), &Handler<&F::ActionClick>, F::kActionPane},
      {L"RB_sticker_delete", F::kDeleteStickerRadio, kRadio, 32, 72, 400, 18, kRadioStyle, Text(L"sticker_delete"), &Handler<&F::ActionClick>, F::kActionPane},
      {L"RB_hint_show", F::kShowHintRadio, kRadio, 32, 92, 400, 18, kRadioStyle, Text(L"hint_show"), &Handler<&F::ActionClick>, F::kActionPane},
      {L"RB_show_message", F::kShowMessageRadio, kRadio, 32, 112, 400, 18, kRadioStyle, Text(L"message_show"), &Handler<&F::ActionClick>, F::kActionPane},
      {L"RB_show_tray", F::kTrayMessageRadio, kRadio, 32, 132, 400, 18, kRadioStyle, Text(L"hint_show_message"), &Handler<&F::ActionClick>, F::kActionPane},
      // Event
      {L"L_info_period", F::kEventInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_period"), nullptr, F::kEventPane},
      {L"RB_datetime", F::kDateTimeRadio, kRadio, 32, 36, 400, 18, kRadioStyle | WS_GROUP, Text(L"date_time"), &Handler<&F::EventClick>, F::kEventPane},
      {L"RB_every_hour", F::kEveryHourRadio, kRadio, 32, 60, 400, 18, kRadioStyle, Text(L"every_hour"), &Handler<&F::EventClick>, F::kEventPane},
      // Start time
      {L"L_info_time", F::kTimeInfoLabel, WC_STATICW, 16, 10, 440, 30, kLabel, Text(L"info_time"), nullptr, F::kTimePane},
      {L"DTT", F::kTimePicker, DATETIMEPICK_CLASSW, 32, 50, 110, 22, DTS_TIMEFORMAT | DTS_UPDOWN | kTab | WS_GROUP, kNoText, nullptr, F::kTimePane},
      {L"DTP", F::kDatePicker, DATETIMEPICK_CLASSW, 152, 50, 130, 22, DTS_SHORTDATEFORMAT | DTS_UPDOWN | kTab, kNoText, nullptr, F::kTimePane},
      {L"CB_every_day", F::kEveryDayCheck, kCheck, 32, 86, 400, 18, kCheckStyle, Text(L"every_day"), &Handler<&F::EveryDayClick>, F::kTimePane},
      // Message
      {L"capt_text_mess", F::kMessageInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"capt_text_mess"), nullptr, F::kMessagePane},
      {L"E_text_mess", F::kMessageEdit, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kMessagePane},
      // Options
      {L"L_info_auto", F::kOptionsInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_auto"), nullptr, F::kOptionsPane},
      {L"CB_auto_close", F::kAutoCloseCheck, kCheck, 32, 40, 400, 18, kCheckStyle | WS_GROUP, Text(L"auto_close"), nullptr, F::kOptionsPane},
      {L"CB_auto_delete", F::kAutoDeleteCheck, kCheck, 32, 64, 400, 18, kCheckStyle, Text(L"auto_delete"), nullptr, F::kOptionsPane},
      // Sticker and name
      {L"L_info_stick", F::kStickerInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_stick"), nullptr, F::kStickerPane},
      {L"E_text", F::kTaskNameEdit, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kStickerPane},
      {L"CB_stickers", F::kStickerList, WC_COMBOBOXW, 16, 64, 440, 200, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | kTab, kNoText, nullptr, F::kStickerPane},
      // Name alone
      {L"L_info_other", F::kNameInfoLabel, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_other"), nullptr, F::kNamePane},
      {L"e_end_mess", F::kOtherNameEdit, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kNamePane},
      // Button band
      {L"Bevel_bottom", F::kBottomRule, WC_STATICW, 0, 213, kWidth, 2, SS_ETCHEDHORZ, kNoText, nullptr},
      {L"CB_lock", F::kBlockCheck, kCheck, 12, 227, 180, 18, kCheckStyle | WS_GROUP, Text(L"planBlock"), nullptr},
      {L"b_prev", F::kBackButton, WC_BUTTONW, 218, 224, 75, 25, kTab | WS_GROUP, Text(L"Button_prev"), &Handler<&F::PrevClick>},
      {L"b_next", F::kNextButton, WC_BUTTONW, 297, 224, 75, 25, BS_DEFPUSHBUTTON | kTab, Text(L"Button_next"), &Handler<&F::NextClick>},
      {L"b_no", F::kCancelButton, WC_BUTTONW, 386, 224, 75, 25, kTab, Text(L"Button_cancel"), nullptr},
  });
  return kControls;
}
