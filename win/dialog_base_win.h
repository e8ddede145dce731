#pragma once
// The base of every dialog of the program. A form lists its controls in one
// table (name, id, class, pixel rectangle, style, text, handler); the base
// creates them with the dialog font, binds the form to its window, routes
// each control's command to its handler, puts the current texts on the
// controls (again at every change of language), and gives Enter, Esc and Tab
// their dialog meanings, modal or modeless. The table and the client size are
// written for 100 % (96 pixels per inch); the base lays them out at the scale
// of the monitor the dialog is on, and again when it moves to another.

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "win/handles_win.h"
#include "text/text_source.h"
#include "win/window_base_win.h"

class DialogBase;

// Asks a form whether it takes a key itself; lParam is the MSG.
inline constexpr UINT kFormKeyMessage = WM_APP + 0x3F0;

// The scale the dialog that holds `control` is laid out at: controls that size
// themselves ask it rather than the system, which knows only the monitor.
int DialogDpiOf(HWND control);

// The message loop's dialog keys for a modeless window that holds controls:
// the form's own keys first, then Tab, the arrows, Enter and Esc. True when
// the message was taken.
bool RouteDialogKey(MSG& message);

using ControlHandler = void (*)(DialogBase& form);

template <typename Method>
struct FormOf;
template <typename Form>
struct FormOf<void (Form::*)()> {
  using Type = Form;
};
// A table's handler: a member function of the form that takes nothing.
template <auto Method>
void Handler(DialogBase& form) {
  (static_cast<typename FormOf<decltype(Method)>::Type&>(form).*Method)();
}

struct ControlRow {
  const wchar_t* name;  // the control's name in the form's design
  int id;
  const wchar_t* className;
  int x, y, width, height;  // in client pixels at 100 %
  DWORD style;              // besides WS_CHILD and WS_VISIBLE
  int text;                 // position in the text table, or kNoText
  ControlHandler onCommand;  // clicked, changed, chosen or scrolled; null for none
  int parent = 0;            // the container control (a tab page, a panel) it lies in; 0: the dialog
  int hint = kNoText;        // its tool tip, or kNoText
};

// Where a row's control lies in its parent at `dpi`.
RECT ControlRectAtDpi(const ControlRow& row, int dpi);

struct DialogArgs {
  const wchar_t* className;
  int clientWidth, clientHeight;  // at 100 %
  int captionText = kNoText;  // the title bar's text, or kNoText to set it by hand
  DWORD style = 0;            // besides the dialog frame: WS_MINIMIZEBOX, say
  DWORD exStyle = 0;
  // Left enabled while another dialog runs modally: a window the user must be
  // able to answer whatever else the program asks meanwhile (a reminder).
  bool staysEnabled = false;
};

class DialogBase : public WindowBase {
 public:
  DialogBase(TextSource& texts, std::span<const ControlRow> controls);
  ~DialogBase() override;

  // Creates the hidden dialog and its controls.
  [[nodiscard]] bool Create(const DialogArgs& args);
  // Shows the dialog centred on the screen and waits until EndDialog; the
  // program's other windows take no input meanwhile, but for those made to
  // stay enabled, which get their dialog keys. A dialog that is already
  // showing modally answers 0 at once.
  int ShowModal();
  void ShowModeless();
  // Brings the dialog above every other window without activating it.
  void Raise() const;
  // Hides the dialog; a modal one returns `result`.
  void EndDialog(int result);
  bool IsModal() const { return modal_; }

  HWND Control(int id) const;
  // The control that has the focus when the dialog next shows.
  void FocusOnShow(int id) { focusId_ = id; }
  void SetControlText(int id, const std::wstring& text) const;
  // Gives a control of the table that has a tool tip another text.
  void SetHint(int id, int text) const;
  std::wstring ControlText(int id) const;
  // A check box's or radio button's state.
  bool Checked(int id) const;
  void Check(int id, bool checked) const;
  void EnableControl(int id, bool enabled) const;
  void ShowControl(int id, bool shown) const;
  const TextSource& Texts() const { return texts_; }
  // The scale the dialog is laid out at, and a length at 100 % in its pixels.
  int Dpi() const { return dpi_; }
  int Scaled(int length) const;
  // The dialog font, made for the dialog's scale.
  HFONT Font() const { return font_.Get(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Puts the table's texts on the controls; forms add the texts they set
  // themselves.
  virtual void Relabel();
  // Esc, the close box and a Cancel button without a handler end with 0.
  virtual void OnCancel() { EndDialog(0); }
  // Messages of the form's own owner-drawn controls and notifications.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT&) { return false; }
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  // A key the form handles before the dialog keys (Ctrl+Tab on a tab control).
  virtual bool OnKey(const MSG&) { return false; }
  // A command no control of the table handles: menu items, and IDOK when
  // Enter has no default button to press.
  virtual bool OnOtherCommand(int) { return false; }
  // The dialog was laid out again at a new scale: forms rebuild what they
  // sized or drew for the old one (fonts, pictures, list rows).
  virtual void OnDpiChanged() {}

 private:
  void CreateControls();
  void LayOutControls() const;
  void ChangeDpi(int dpi, const RECT& suggested);
  void AddHint(HWND control, int text);
  bool RunCommand(int id);
  void CentreOnScreen() const;
  void ShowCentred();
  void DisableOtherWindows();
  void EnableOtherWindows();
  void RememberFocus();
  void RestoreFocus();
  HWND FocusTarget() const;

  TextSource& texts_;
  std::span<const ControlRow> controls_;
  int captionText_ = kNoText;
  SIZE client_{};  // at 100 %
  int dpi_ = 0;
  UniqueFont font_;
  UniqueWindow hints_;
  int watch_ = 0;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
  int focusId_ = 0;
  HWND lastFocus_ = nullptr;  // not owned: the control that had the focus when the dialog lost the activation
  bool staysEnabled_ = false;
  std::vector<HWND> disabled_;  // not owned: the windows a modal run disabled
};
