#include "win/dialog_base_win.h"

#include <commctrl.h>

#include <utility>

#include "pixels/picture_scale.h"
#include "win/kit_class_win.h"
#include "win/kit_controls_win.h"
#include "win/display_dpi_win.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Asks a window whether a modal run must leave it enabled; only dialogs that
// stay enabled answer 1.
constexpr UINT kStaysEnabledQuery = WM_APP + 0x3F1;
// Asks a dialog for the scale it is laid out at; other windows answer 0.
constexpr UINT kDpiQuery = WM_APP + 0x3F2;

// The messages whose lParam points into the sender's memory. Only our own
// thread's controls and message loop send them; another thread or program that
// still waits for the answer must not make us read at an address it chose.
bool FromAnotherThread() { return (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_REPLIED)) == ISMEX_SEND; }

UniqueFont MessageFont(int dpi) {
  const LOGFONTW font = MessageFontAt(DisplayScale(dpi));
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

int DialogDpiOf(HWND control) {
  const int dpi = static_cast<int>(SendMessageW(GetAncestor(control, GA_ROOT), kDpiQuery, 0, 0));
  return dpi > 0 ? dpi : WindowScale(control).Dpi();
}

bool RouteDialogKey(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!root || !(GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
  return SendMessageW(root, kFormKeyMessage, 0, reinterpret_cast<LPARAM>(&message)) || IsDialogMessageW(root, &message);
}

RECT ControlRectAtDpi(const ControlRow& row, int dpi) {
  // Edges are scaled, not sizes, so that controls that touch at 100 % still
  // touch at every scale.
  return {ScaleToDpi(row.x, dpi), ScaleToDpi(row.y, dpi), ScaleToDpi(row.x + row.width, dpi),
          ScaleToDpi(row.y + row.height, dpi)};
}

DialogBase::DialogBase(TextSource& texts, std::span<const ControlRow> controls) : texts_(texts), controls_(controls) {}

DialogBase::~DialogBase() {
  if (watch_) texts_.StopWatching(watch_);
  if (modal_) EnableOtherWindows();
}

// The window is made first: only then does the system say which monitor, and
// so which scale, it is on.
bool DialogBase::Create(const DialogArgs& a) {
  client_ = {a.clientWidth, a.clientHeight};
  WindowCreateArgs args;
  args.className = a.className;
  args.style = kDialogStyle | a.style;
  args.exStyle = kDialogExStyle | a.exStyle;
  args.x = args.y = 0;
  args.width = a.clientWidth;
  args.height = a.clientHeight;
  args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterKitControls();
  if (!CreateWindowFor(args)) return false;
  captionText_ = a.captionText;
  staysEnabled_ = a.staysEnabled;
  dpi_ = WindowScale(Handle()).Dpi();
  const SIZE frame = FrameSizeAt({Scaled(client_.cx), Scaled(client_.cy)}, args.style, args.exStyle, false, DisplayScale(dpi_));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = MessageFont(dpi_);
  CreateControls();
  watch_ = texts_.WatchTexts([this] { Relabel(); });
  Relabel();
  return true;
}

// Containers come before what they hold in the table.
void DialogBase::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlRow& row : controls_) {
    HWND parent = row.parent ? Control(row.parent) : Handle();
    const RECT r = ControlRectAtDpi(row, dpi_);
    HWND control = CreateWindowExW(0, row.className, L"", WS_CHILD | WS_VISIBLE | row.style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!control) continue;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (row.hint != kNoText) AddHint(control, row.hint);
  }
}

void DialogBase::LayOutControls() const {
  for (const ControlRow& row : controls_) {
    HWND control = Control(row.id);
    const RECT r = ControlRectAtDpi(row, dpi_);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
  }
}

// The old font stays alive until no control holds it any more.
void DialogBase::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  UniqueFont old = std::move(font_);
  font_ = MessageFont(dpi_);
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutControls();
  OnDpiChanged();
  InvalidateRect(Handle(), nullptr, TRUE);
}

int DialogBase::Scaled(int length) const { return ScaleToDpi(length, dpi_); }

void DialogBase::AddHint(HWND control, int text) {
  if (!hints_)
    hints_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, Handle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr));
  TTTOOLINFOW tool{sizeof(tool)};
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(texts_.TextAt(text).c_str());
  SendMessageW(hints_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DialogBase::Relabel() {
  if (captionText_ != kNoText) SetWindowTextW(Handle(), texts_.TextAt(captionText_).c_str());
  for (const ControlRow& row : controls_) {
    if (row.text != kNoText) SetWindowTextW(Control(row.id), texts_.TextAt(row.text).c_str());
    if (row.hint != kNoText) SetHint(row.id, row.hint);
  }
}

void DialogBase::SetHint(int id, int text) const {
  if (!hints_) return;
  TTTOOLINFOW tool{sizeof(tool)};
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
  tool.lpszText = const_cast<wchar_t*>(texts_.TextAt(text).c_str());
  SendMessageW(hints_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DialogBase::SetControlText(int id, const std::wstring& text) const { SetWindowTextW(Control(id), text.c_str()); }

// Controls may lie inside containers: found by id anywhere in the dialog.
HWND DialogBase::Control(int id) const {
  HWND direct = GetDlgItem(Handle(), id);
  if (direct) return direct;
  for (const ControlRow& row : controls_)
    if (row.id == id && row.parent) return GetDlgItem(Control(row.parent), id);
  return nullptr;
}

std::wstring DialogBase::ControlText(int id) const { return WindowText(Control(id)); }

bool DialogBase::Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void DialogBase::Check(int id, bool checked) const {
  SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogBase::EnableControl(int id, bool enabled) const { EnableWindow(Control(id), enabled); }

void DialogBase::ShowControl(int id, bool shown) const { ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE); }

void DialogBase::CentreOnScreen() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// As a task-modal box does: while the dialog waits, no other window of the
// program takes input, so nothing it asks about can change meanwhile.
void DialogBase::DisableOtherWindows() {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto* self = reinterpret_cast<DialogBase*>(context);
        if (window != self->Handle() && IsWindowVisible(window) && IsWindowEnabled(window) &&
            !SendMessageW(window, kStaysEnabledQuery, 0, 0)) {
          EnableWindow(window, FALSE);
          self->disabled_.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
}

void DialogBase::EnableOtherWindows() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  disabled_.clear();
}

int DialogBase::ShowModal() {
  if (modal_) return 0;
  modal_ = true;
  ended_ = false;
  result_ = 0;
  // Opened while answering another thread: that thread is let go first, so
  // that the dialog's own controls are believed while it waits.
  if (InSendMessage()) ReplyMessage(0);
  DisableOtherWindows();
  ShowCentred();
  MSG message{};
  bool quit = false;
  while (!ended_ && !(quit = GetMessageW(&message, nullptr, 0, 0) <= 0)) {
    if (OnKey(message) || IsDialogMessageW(Handle(), &message) || RouteDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must end too
  EnableOtherWindows();
  modal_ = false;
  return result_;
}

void DialogBase::ShowModeless() { ShowCentred(); }

void DialogBase::ShowCentred() {
  CentreOnScreen();
  ShowWindow(Handle(), SW_SHOW);
  Raise();  // above a window made later (the manager, say) that would cover it
  lastFocus_ = focusId_ ? Control(focusId_) : nullptr;
  SetForegroundWindow(Handle());
  RestoreFocus();
}

// The activation may come long after the dialog shows (a window manager, a
// click from another program, Alt+Tab back); the default handling would then
// leave the focus on the frame, where keys go nowhere. Like the system's own
// dialogs, the control that had the focus gets it back.
void DialogBase::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
}

// Without a control that can take it the frame keeps the focus, so that Esc
// still reaches the dialog.
void DialogBase::RestoreFocus() {
  HWND target = FocusTarget();
  SetFocus(target ? target : Handle());
}

HWND DialogBase::FocusTarget() const {
  const bool usable = lastFocus_ && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
                      IsWindowEnabled(lastFocus_);
  return usable ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
}

// A plain move to the top is not always passed on to the display; a stay on
// top, taken back at once, is.
void DialogBase::Raise() const {
  for (HWND order : {HWND_TOPMOST, HWND_NOTOPMOST})
    SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DialogBase::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (modal_) EnableOtherWindows();  // before hiding, so that the focus has somewhere to go
  ShowWindow(Handle(), SW_HIDE);
}

bool DialogBase::RunCommand(int id) {
  for (const ControlRow& row : controls_)
    if (row.id == id && row.onCommand) {
      row.onCommand(*this);
      return true;
    }
  return false;
}

LRESULT DialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (!RunCommand(LOWORD(wParam)) && !OnOtherCommand(LOWORD(wParam)) && LOWORD(wParam) == IDCANCEL) OnCancel();
      return 0;
    case kFormKeyMessage:
      return !FromAnotherThread() && OnKey(*reinterpret_cast<const MSG*>(lParam));
    case kStaysEnabledQuery:
      return staysEnabled_;
    case kDpiQuery:
      return dpi_;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam) RunCommand(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return 0;
    case WM_NOTIFY:
      return FromAnotherThread() ? 0 : OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
      return !FromAnotherThread() && OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
      return !FromAnotherThread() && OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE)
        RememberFocus();
      else if (!HIWORD(wParam))  // not minimised
        RestoreFocus();
      return 0;
    case WM_SETFOCUS:  // the frame itself was given the focus: hand it on
      if (HWND target = FocusTarget()) SetFocus(target);
      return 0;
    case WM_CLOSE:
      OnCancel();
      return 0;
    case WM_DPICHANGED:
      if (!FromAnotherThread()) ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return WindowBase::HandleMessage(message, wParam, lParam);
  }
}
