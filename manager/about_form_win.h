#pragma once
// TAboutForm: the About window, a borderless layered card with a close button
// and two links. It is created once at start-up; closing it only hides it, and
// Show() brings it back centred on the work area. The button and the links are
// parts of one picture; windows of their own lie over them, named for screen
// readers, and let the pointer through to the card.

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "manager/about_card.h"
#include "manager/link_tooltip_win.h"
#include "pixels/picture.h"
#include "win/dib_picture_win.h"
#include "win/handles_win.h"
#include "text/text_source.h"
#include "win/window_base_win.h"

inline constexpr wchar_t kAboutWindowClass[] = L"TAboutForm";

// Opens a program or document with parameters ("" for none).
using LinkOpener = std::function<void(const std::wstring& file, const std::wstring& parameters)>;
// The shell's way: ShellExecuteW "open", shown normally.
void OpenWithShell(const std::wstring& file, const std::wstring& parameters);

class TAboutForm final : public WindowBase {
 public:
  // Pictures come from the resources of `resources` (the program itself when
  // null); the links are opened through `opener`; `texts` names the close
  // button in the current language.
  explicit TAboutForm(TextSource& texts, HMODULE resources = nullptr, LinkOpener opener = OpenWithShell);
  ~TAboutForm() override;

  // Loads the pictures and creates the hidden window. Answers "" when the
  // window is ready, otherwise the text of what failed.
  [[nodiscard]] std::wstring Create();
  // Centres the card on the work area and shows it in its normal look.
  void Show();

  // The close button's look last handed to the system.
  ButtonLook DrawnLook() const { return drawnLook_; }
  // That picture as it was composed, with straight alpha.
  const Picture32& Composite() const { return composite_; }
  // The scale the card is drawn at.
  int Dpi() const { return dpi_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  [[nodiscard]] std::wstring LoadPictures();
  void ChangeDpi(int dpi);
  // A point of the window in the card's own units (those at 100 %).
  int Unscaled(int pixels) const;
  void CreateNames();
  void PlaceNames() const;
  void NameCloseButton();
  void Draw(ButtonLook look);
  void DrawChanged(std::optional<ButtonLook> look);
  void Hide();

  void OnMouseMove(int x, int y);
  void OnMouseLeave();
  void OnPress(int x, int y, bool rightButton);
  void OnRelease(int x, int y);
  void ShowHintFor(CardSpot spot, int x, int y);
  void OpenWebPage();

  TextSource& texts_;
  int watch_ = 0;
  HMODULE resources_;  // not owned
  LinkOpener opener_;
  // Not owned: children of the card over the close button and the two links.
  std::array<HWND, 3> names_{};
  int dpi_ = 0;

  Picture32 background_;
  std::array<Picture32, kButtonLookCount> buttonPictures_;
  Picture32 composite_;
  DibPicture32 handedOver_{0, 0};  // premultiplied, as the system takes it
  LinkTooltip tooltip_;

  CloseButtonTracker button_;
  ButtonLook drawnLook_ = ButtonLook::kNormal;
  CardSpot pointerSpot_ = CardSpot::kNothing;
  bool pointerInside_ = false;
  bool closing_ = false;
};
