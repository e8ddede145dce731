#include "manager/task_wizard_form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "lang/text_id.h"
#include "store/local_time_win.h"
#include "protocol/messages.h"
#include "win/text_convert_win.h"

namespace {

constexpr int kClientWidth = 472, kClientHeight = 258;
constexpr std::size_t kMessageLength = 128, kNameLength = 64;
constexpr int kPages[kWizardPageCount] = {TFormPlan::kActionPane,    TFormPlan::kEventPane, TFormPlan::kTimePane,
                                          TFormPlan::kMessagePane, TFormPlan::kOptionsPane,   TFormPlan::kStickerPane,
                                          TFormPlan::kNamePane};
constexpr int kActionButtons[] = {TFormPlan::kShowStickerRadio, TFormPlan::kHideStickerRadio, TFormPlan::kDeleteStickerRadio,
                                  TFormPlan::kShowHintRadio,    TFormPlan::kShowMessageRadio, TFormPlan::kTrayMessageRadio};

struct PageTitles {
  TextId bold, title;
};
constexpr PageTitles kTitles[kWizardPageCount] = {
    {{L"Plan", L"capt_bold_main"}, {L"Plan", L"capt_main"}},     {{L"Plan", L"capt_bold_period"}, {L"Plan", L"capt_period"}},
    {{L"Plan", L"capt_bold_time"}, {L"Plan", L"capt_time"}},     {{L"Plan", L"capt_bold_mess"}, {L"Plan", L"capt_mess"}},
    {{L"Plan", L"capt_bold_auto"}, {L"Plan", L"capt_auto"}},     {{L"Plan", L"capt_bold_stick"}, {L"Plan", L"capt_stick"}},
    {{L"Plan", L"capt_bold_mess_end"}, {L"Plan", L"capt_mess_end"}}};

SYSTEMTIME SystemTimeOf(DateTime value) {
  const CivilTime t = DecodeDateTime(value);
  SYSTEMTIME s{};
  s.wYear = static_cast<WORD>(t.year);
  s.wMonth = static_cast<WORD>(t.month);
  s.wDay = static_cast<WORD>(t.day);
  s.wHour = static_cast<WORD>(t.hour);
  s.wMinute = static_cast<WORD>(t.minute);
  s.wSecond = static_cast<WORD>(t.second);
  return s;
}

UniqueFont BoldVersionOf(HFONT font) {
  LOGFONTW face{};
  GetObjectW(font, sizeof(face), &face);
  face.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectW(&face));
}

}  // namespace

TFormPlan::TFormPlan(TMUI& texts, const Tmassiv& store) : DialogBase(texts, Controls()), store_(store) {}

// The old bold font goes only once the title holds the new one.
void TFormPlan::SetTitleFont() {
  UniqueFont bold = BoldVersionOf(Font());
  SendMessageW(Control(kTitleLabel), WM_SETFONT, reinterpret_cast<WPARAM>(bold.Get()), TRUE);
  boldFont_ = std::move(bold);
}

bool TFormPlan::Create() {
  if (!DialogBase::Create({.className = L"TFormPlan", .clientWidth = kClientWidth, .clientHeight = kClientHeight,
                           .style = WS_MINIMIZEBOX}))
    return false;
  SetTitleFont();
  SendMessageW(Control(kMessageEdit), EM_SETLIMITTEXT, kMessageLength, 0);
  SendMessageW(Control(kTaskNameEdit), EM_SETLIMITTEXT, kNameLength, 0);
  SendMessageW(Control(kOtherNameEdit), EM_SETLIMITTEXT, kNameLength, 0);
  ShowPage(kPageAction);
  return true;
}

bool TFormPlan::Edit(TaskRecord& task) {
  Open(task);
  if (ShowModal() != 1 || readOnly_) return false;
  ApplyWizardChoices(Choices(), task);
  return true;
}

// Opening: the first page, and every control set from the task.
void TFormPlan::Open(const TaskRecord& task) {
  taskName_ = WideFromAnsi(task.name.View());
  readOnly_ = !IsKnownTaskKind(task.kind);
  Relabel();
  Check(kBlockCheck, !task.active);
  for (int button : kActionButtons) Check(button, false);
  if (task.action < std::size(kActionButtons)) Check(kActionButtons[task.action], true);
  route_ = RouteForAction(task.action);
  Check(kDateTimeRadio, task.kind != kTaskHourly);
  Check(kEveryHourRadio, task.kind == kTaskHourly);
  Check(kEveryDayCheck, task.kind == kTaskDaily);
  SetHourly(route_, task.kind == kTaskHourly);
  const DateTime when = std::trunc(task.date_time) == 0 ? LocalNow() : task.date_time;
  SetPicker(kTimePicker, when);
  SetPicker(kDatePicker, when);
  Check(kAutoCloseCheck, task.auto_block);
  Check(kAutoDeleteCheck, task.auto_delete);
  const std::wstring name = taskName_.empty() ? ProposedName() : taskName_;
  SetControlText(kTaskNameEdit, name);
  SetControlText(kOtherNameEdit, name);
  SetControlText(kMessageEdit, WideFromAnsi(task.message.View()));
  AllowChanges(!readOnly_);
  EveryDayClick();
  FillStickers(task.sticker_id);
  ShowPage(kPageAction);
  FocusOnShow(kNextButton);
}

std::wstring TFormPlan::ProposedName() const {
  std::vector<std::wstring> used;
  for (int slot = 0; slot < kTaskSlotCount; ++slot)
    if (store_.Task(slot).in_use) used.push_back(WideFromAnsi(store_.Task(slot).name.View()));
  return DefaultTaskName(used, Texts().TextAt(TextIndex(L"Plan", L"Name")));
}

void TFormPlan::FillStickers(std::int32_t selectedId) {
  HWND list = Control(kStickerList);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  int selected = -1;
  for (const WizardSticker& sticker : WizardStickers(store_)) {
    const LRESULT index =
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromAnsi(sticker.text).c_str()));
    SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(sticker.id));
    if (selectedId != kNoTaskSticker && sticker.id == selectedId && selected < 0) selected = static_cast<int>(index);
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

WizardChoices TFormPlan::Choices() const {
  WizardChoices c;
  for (int i = 0; i < static_cast<int>(std::size(kActionButtons)) && !c.action; ++i)
    if (Checked(kActionButtons[i])) c.action = i;
  c.chosenTime = Checked(kDateTimeRadio);
  c.hourly = Checked(kEveryHourRadio);
  c.daily = Checked(kEveryDayCheck);
  c.timeOfDay = PickerValue(kTimePicker);
  c.date = PickerValue(kDatePicker);
  c.blocked = Checked(kBlockCheck);
  c.autoBlock = Checked(kAutoCloseCheck);
  c.autoDelete = Checked(kAutoDeleteCheck);
  c.stickerRoute = IsStickerRoute(route_);
  c.stickerPageName = AnsiFromWide(ControlText(kTaskNameEdit).substr(0, kNameLength));
  c.namePageName = AnsiFromWide(ControlText(kOtherNameEdit).substr(0, kNameLength));
  c.message = AnsiFromWide(ControlText(kMessageEdit).substr(0, kMessageLength));
  const LRESULT sticker = SendMessageW(Control(kStickerList), CB_GETCURSEL, 0, 0);
  if (sticker != CB_ERR)
    c.stickerId = static_cast<std::int32_t>(SendMessageW(Control(kStickerList), CB_GETITEMDATA, static_cast<WPARAM>(sticker), 0));
  return c;
}

// Navigation

void TFormPlan::NextClick() {
  if (route_.last[static_cast<std::size_t>(page_)]) {
    EndDialog(1);
    return;
  }
  ShowPage(NextPage(route_, page_));
}

void TFormPlan::PrevClick() { ShowPage(PreviousPage(route_, page_)); }

// Choosing an action starts its route again; page 2 comes back with it.
void TFormPlan::ActionClick() {
  for (int i = 0; i < static_cast<int>(std::size(kActionButtons)); ++i)
    if (Checked(kActionButtons[i])) route_ = RouteForAction(i);
}

void TFormPlan::EventClick() { SetHourly(route_, Checked(kEveryHourRadio)); }

// A daily task keeps only its time of day.
void TFormPlan::EveryDayClick() { EnableControl(kDatePicker, !readOnly_ && !Checked(kEveryDayCheck)); }

// Each control that changes the task is itself disabled, so that it also
// looks it (a disabled page alone leaves its controls drawn as usable);
// Back, Next and Cancel stay, for looking through the pages.
void TFormPlan::AllowChanges(bool allowed) const {
  for (const ControlRow& row : Controls())
    if ((row.parent != 0 || row.id == kBlockCheck) && (row.style & WS_TABSTOP)) EnableControl(row.id, allowed);
}

void TFormPlan::ShowPage(int page) {
  page_ = page;
  for (int i = 0; i < kWizardPageCount; ++i) ShowControl(kPages[i], i == page);
  const TMUI& texts = static_cast<const TMUI&>(Texts());
  SetControlText(kTitleLabel, texts.Text(kTitles[page].bold));
  SetControlText(kSubtitleLabel, texts.Text(readOnly_ ? TextId(L"Plan", L"unknown_kind") : kTitles[page].title));
  const bool final = page == kPageSticker || page == kPageTaskName;
  SetControlText(kNextButton, texts.Text(final ? TextId(L"Plan", L"Button_done") : TextId(L"Plan", L"Button_next")));
  EnableControl(kBackButton, page != kPageAction);
}

void TFormPlan::Relabel() {
  DialogBase::Relabel();
  const TMUI& texts = static_cast<const TMUI&>(Texts());
  const std::wstring name = taskName_.empty() ? texts.Text({L"Plan", L"new"}) : taskName_;
  SetWindowTextW(Handle(), (texts.Text({L"Plan", L"caption"}) + L": " + name).c_str());
  ShowPage(page_);
}

DateTime TFormPlan::PickerValue(int id) const {
  SYSTEMTIME s{};
  SendMessageW(Control(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&s));
  return EncodeDateTime({s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond});
}

void TFormPlan::SetPicker(int id, DateTime value) const {
  const SYSTEMTIME s = SystemTimeOf(value);
  SendMessageW(Control(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&s));
}

// The sticker list: the entry's text from two pixels in, centred in height.
bool TFormPlan::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != static_cast<UINT>(kStickerList)) return false;
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return true;
  const auto length = SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
  std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
  SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT r = item.rcItem;
  r.left += 2;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

LRESULT TFormPlan::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WIZARD_TEXTS:
      if (lParam == 1) Relabel();
      return 0;
    case WM_CTLCOLORSTATIC: {  // the title band's labels stand on white
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id != kTitleLabel && id != kSubtitleLabel) break;
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {  // Enter: the default button
        NextClick();
        return 0;
      }
      break;
    default:
      break;
  }
  return DialogBase::HandleMessage(message, wParam, lParam);
}
