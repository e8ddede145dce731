// The controls of the task wizard: the white title band, the seven pages
// (one shows at a time) and the button band below.

#include <windows.h>
#include <commctrl.h>

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

const std::array<ControlRow, 40> TFormPlan::kControls{{
    {L"PB_top", F::kPBTop, WC_STATICW, 0, 0, kWidth, 42, SS_WHITERECT, kNoText, nullptr},
    {L"L_capt_bold", F::kLCaptBold, WC_STATICW, 12, 6, 448, 16, kLabel, kNoText, nullptr},
    {L"L_capt", F::kLCapt, WC_STATICW, 28, 23, 432, 16, kLabel, kNoText, nullptr},
    {L"Bevel_top", F::kBevelTop, WC_STATICW, 0, 42, kWidth, 2, SS_ETCHEDHORZ, kNoText, nullptr},
    {L"P_main", F::kPMain, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_period", F::kPPeriod, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_time", F::kPTime, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_message", F::kPMessage, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_auto", F::kPAuto, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_stick", F::kPStick, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    {L"P_end_message", F::kPEndMessage, kPage, 0, kPageTop, kWidth, kPageHeight, 0, kNoText, nullptr},
    // Action
    {L"L_info_main", F::kLInfoMain, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_main"), nullptr, F::kPMain},
    {L"RB_sticker_show", F::kRBStickerShow, kRadio, 32, 32, 400, 18, kRadioStyle | WS_GROUP, Text(L"sticker_show"), &Handler<&F::ActionClick>, F::kPMain},
    {L"RB_sticker_hide", F::kRBStickerHide, kRadio, 32, 52, 400, 18, kRadioStyle, Text(L"sticker_hide"), &Handler<&F::ActionClick>, F::kPMain},
    {L"RB_sticker_delete", F::kRBStickerDelete, kRadio, 32, 72, 400, 18, kRadioStyle, Text(L"sticker_delete"), &Handler<&F::ActionClick>, F::kPMain},
    {L"RB_hint_show", F::kRBHintShow, kRadio, 32, 92, 400, 18, kRadioStyle, Text(L"hint_show"), &Handler<&F::ActionClick>, F::kPMain},
    {L"RB_show_message", F::kRBShowMessage, kRadio, 32, 112, 400, 18, kRadioStyle, Text(L"message_show"), &Handler<&F::ActionClick>, F::kPMain},
    {L"RB_show_tray", F::kRBShowTray, kRadio, 32, 132, 400, 18, kRadioStyle, Text(L"hint_show_message"), &Handler<&F::ActionClick>, F::kPMain},
    // Event
    {L"L_info_period", F::kLInfoPeriod, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_period"), nullptr, F::kPPeriod},
    {L"RB_datetime", F::kRBDatetime, kRadio, 32, 36, 400, 18, kRadioStyle | WS_GROUP, Text(L"date_time"), &Handler<&F::EventClick>, F::kPPeriod},
    {L"RB_every_hour", F::kRBEveryHour, kRadio, 32, 60, 400, 18, kRadioStyle, Text(L"every_hour"), &Handler<&F::EventClick>, F::kPPeriod},
    // Start time
    {L"L_info_time", F::kLInfoTime, WC_STATICW, 16, 10, 440, 30, kLabel, Text(L"info_time"), nullptr, F::kPTime},
    {L"DTT", F::kDTT, DATETIMEPICK_CLASSW, 32, 50, 110, 22, DTS_TIMEFORMAT | DTS_UPDOWN | kTab | WS_GROUP, kNoText, nullptr, F::kPTime},
    {L"DTP", F::kDTP, DATETIMEPICK_CLASSW, 152, 50, 130, 22, DTS_SHORTDATEFORMAT | DTS_UPDOWN | kTab, kNoText, nullptr, F::kPTime},
    {L"CB_every_day", F::kCBEveryDay, kCheck, 32, 86, 400, 18, kCheckStyle, Text(L"every_day"), &Handler<&F::EveryDayClick>, F::kPTime},
    // Message
    {L"capt_text_mess", F::kLInfoMessage, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"capt_text_mess"), nullptr, F::kPMessage},
    {L"E_text_mess", F::kETextMess, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kPMessage},
    // Options
    {L"L_info_auto", F::kLInfoAuto, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_auto"), nullptr, F::kPAuto},
    {L"CB_auto_close", F::kCBAutoClose, kCheck, 32, 40, 400, 18, kCheckStyle | WS_GROUP, Text(L"auto_close"), nullptr, F::kPAuto},
    {L"CB_auto_delete", F::kCBAutoDelete, kCheck, 32, 64, 400, 18, kCheckStyle, Text(L"auto_delete"), nullptr, F::kPAuto},
    // Sticker and name
    {L"L_info_stick", F::kLInfoStick, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_stick"), nullptr, F::kPStick},
    {L"E_text", F::kEText, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kPStick},
    {L"CB_stickers", F::kCBStickers, WC_COMBOBOXW, 16, 64, 440, 200, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | kTab, kNoText, nullptr, F::kPStick},
    // Name alone
    {L"L_info_other", F::kLInfoEnd, WC_STATICW, 16, 10, 440, 16, kLabel, Text(L"info_other"), nullptr, F::kPEndMessage},
    {L"e_end_mess", F::kEEndMess, WC_EDITW, 16, 32, 440, 22, kEdit | WS_GROUP, kNoText, nullptr, F::kPEndMessage},
    // Button band
    {L"Bevel_bottom", F::kBevelBottom, WC_STATICW, 0, 213, kWidth, 2, SS_ETCHEDHORZ, kNoText, nullptr},
    {L"CB_lock", F::kCBLock, kCheck, 12, 227, 180, 18, kCheckStyle | WS_GROUP, Text(L"planBlock"), nullptr},
    {L"b_prev", F::kBPrev, WC_BUTTONW, 218, 224, 75, 25, kTab | WS_GROUP, Text(L"Button_prev"), &Handler<&F::PrevClick>},
    {L"b_next", F::kBNext, WC_BUTTONW, 297, 224, 75, 25, BS_DEFPUSHBUTTON | kTab, Text(L"Button_next"), &Handler<&F::NextClick>},
    {L"b_no", F::kBNo, WC_BUTTONW, 386, 224, 75, 25, kTab, Text(L"Button_cancel"), nullptr},
}};
