#include "win/colour_box_win.h"

#include <commdlg.h>

#include <array>

#include "win/kit_class_win.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kFocusInset = 2;  // the focus rectangle inside the swatch

struct BoxState {
  static constexpr const wchar_t* kClassName = kColourBoxClass;
  COLORREF colour = kWhite;
};
using BoxKit = KitState<BoxState>;

void PaintBox(HWND box, const BoxState& state, HDC dc) {
  RECT r{};
  GetClientRect(box, &r);
  DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | (IsWindowEnabled(box) ? 0 : BF_FLAT));
  FillSolid(dc, r, state.colour);
  if (GetFocus() == box) {
    InflateRect(&r, -kFocusInset, -kFocusInset);
    DrawFocusRect(dc, &r);
  }
}

// The user's own colours of the chooser, kept for the whole run.
COLORREF* CustomColours() {
  static std::array<COLORREF, 16> colours = [] {
    std::array<COLORREF, 16> white;
    white.fill(kWhite);
    return white;
  }();
  return colours.data();
}

void ChooseColour(HWND box) {
  const BoxState* before = BoxKit::Of(box);
  if (!before || !IsWindowEnabled(box)) return;
  CHOOSECOLORW choice{sizeof(choice)};
  choice.hwndOwner = GetAncestor(box, GA_ROOT);
  choice.rgbResult = before->colour;
  choice.lpCustColors = CustomColours();
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&choice)) return;
  BoxState* state = BoxKit::Of(box);  // the box may have gone while the chooser was open
  if (!state || state->colour == choice.rgbResult) return;
  state->colour = choice.rgbResult;
  InvalidateRect(box, nullptr, FALSE);
  NotifyParent(box, kColourBoxChanged);
}

bool WantsEnter(LPARAM lParam) {
  const auto* pending = reinterpret_cast<const MSG*>(lParam);
  return pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN;
}

LRESULT HandleBox(HWND box, BoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintFor(box, message, wParam, [&](HDC dc) { PaintBox(box, state, dc); });
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      InvalidateRect(box, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:  // Enter opens the chooser instead of pressing the dialog's default button
      return WantsEnter(lParam) ? DLGC_WANTMESSAGE : 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE || wParam == VK_RETURN) ChooseColour(box);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(box);
      ChooseColour(box);
      return 0;
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

void RegisterColourBoxClass() {
  RegisterKitClass(
      {.name = kColourBoxClass, .procedure = &BoxKit::Procedure<&HandleBox>, .extraBytes = BoxKit::kExtraBytes});
}

void SetBoxColour(HWND box, COLORREF colour) {
  if (BoxState* state = BoxKit::Of(box)) {
    state->colour = colour;
    InvalidateRect(box, nullptr, FALSE);
  }
}

COLORREF BoxColour(HWND box) {
  const BoxState* state = BoxKit::Of(box);
  return state ? state->colour : kWhite;
}
