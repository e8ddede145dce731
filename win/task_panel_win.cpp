#include "win/task_panel_win.h"

#include <windowsx.h>

#include "win/control_page_win.h"
#include "win/display_dpi_win.h"
#include "win/handles_win.h"
#include "win/kit_class_win.h"
#include "pixels/panel_colours.h"

namespace {

constexpr int kCaptionDarkening = 60;      // the gradient's top row: the face colour less this
constexpr int kCaptionLightening = 60;     // its bottom row: this per cent nearer white
constexpr int kFoldedEdgeLightening = 80;  // the collapsed bar's bottom line
// Lengths at 100 %, drawn at the panel's scale.
constexpr int kArrowWidth = 8, kArrowHeight = 4;
constexpr int kCaptionLeft = 10;
constexpr int kCaptionGap = 4;  // between the caption text and the arrow

struct PanelState {
  static constexpr const wchar_t* kClassName = kTaskPanelClass;
  int captionHeight = kDefaultCaptionHeight;
  int heightNormal = kDefaultHeightNormal;
  bool collapsed = false;
  HFONT font = nullptr;  // not owned: the dialog's
  // The caption bar is drawn here first, then copied: made again whenever the
  // panel's width or caption height changes.
  UniqueBitmap bar;
  SIZE barSize{};
};

int ArrowMargin(int captionHeight, const DisplayScale& scale) {
  return (captionHeight - scale.Px(kArrowHeight)) / 2;
}

void DrawGradient(HDC dc, int width, int captionHeight, COLORREF face) {
  const COLORREF top = Darkened(face, kCaptionDarkening), bottom = Lightened(face, kCaptionLightening);
  for (int row = 0; row < captionHeight; ++row)
    FillSolid(dc, {0, row, width, row + 1}, GradientRow(top, bottom, row, captionHeight));
}

// Points down while collapsed (the panel opens downwards), up while expanded.
void DrawArrow(HDC dc, int width, int captionHeight, bool collapsed, const DisplayScale& scale) {
  const int margin = ArrowMargin(captionHeight, scale), right = width - margin;
  const int arrowWidth = scale.Px(kArrowWidth), arrowHeight = scale.Px(kArrowHeight);
  const int baseY = collapsed ? margin : margin + arrowHeight;
  const int apexY = collapsed ? margin + arrowHeight : margin;
  const POINT corners[] = {{right - arrowWidth, baseY}, {right, baseY}, {right - arrowWidth / 2, apexY}};
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  ScopedSelectObject pen(dc, GetStockObject(DC_PEN)), brush(dc, GetStockObject(DC_BRUSH));
  SetDCPenColor(dc, text);
  SetDCBrushColor(dc, text);
  Polygon(dc, corners, 3);
}

// A raised bar while collapsed; while expanded a sunken frame that opens
// into the panel's body.
void DrawBarLines(HDC dc, int width, int captionHeight, bool collapsed, COLORREF face) {
  struct Line {
    RECT r;
    COLORREF colour;
  };
  const RECT left{0, 0, 1, captionHeight}, bottom{0, captionHeight - 1, width, captionHeight};
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  const Line folded[] = {
      {bottom, Lightened(face, kFoldedEdgeLightening)}, {{0, 0, width, 1}, highlight}, {left, highlight}};
  const Line open[] = {{left, shadow}, {bottom, shadow}, {{width - 1, 0, width, captionHeight}, shadow}};
  for (const Line& line : collapsed ? folded : open) FillSolid(dc, line.r, line.colour);
}

void DrawCaption(HDC dc, HWND panel, const PanelState& state, int width, const DisplayScale& scale) {
  const std::wstring caption = WindowText(panel);
  RECT r{scale.Px(kCaptionLeft), 0,
         width - ArrowMargin(state.captionHeight, scale) - scale.Px(kArrowWidth) - scale.Px(kCaptionGap),
         state.captionHeight};
  ScopedSelectObject font(dc, state.font ? state.font : GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

HBITMAP CaptionBarBitmap(PanelState& state, int width) {
  const SIZE size{width, state.captionHeight};
  if (!state.bar || size.cx != state.barSize.cx || size.cy != state.barSize.cy) {
    ScopedGetDC screen(nullptr);
    state.bar.Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
    state.barSize = size;
  }
  return state.bar.Get();
}

void PaintPanel(HWND panel, PanelState& state, HDC dc) {
  RECT client{};
  GetClientRect(panel, &client);
  const int width = client.right, captionHeight = state.captionHeight;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const DisplayScale scale = WindowScale(panel);
  {
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    ScopedSelectObject bar(memory.Get(), CaptionBarBitmap(state, width));
    DrawGradient(memory.Get(), width, captionHeight, face);
    DrawArrow(memory.Get(), width, captionHeight, state.collapsed, scale);
    DrawBarLines(memory.Get(), width, captionHeight, state.collapsed, face);
    DrawCaption(memory.Get(), panel, state, width, scale);
    BitBlt(dc, 0, 0, width, captionHeight, memory.Get(), 0, 0, SRCCOPY);
  }
  FillSolid(dc, {0, captionHeight, width, client.bottom}, face);
  DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT | BF_ADJUST);
}

int Width(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.right - r.left;
}

void ApplyHeight(HWND panel, const PanelState& state) {
  SetWindowPos(panel, nullptr, 0, 0, Width(panel), state.collapsed ? state.captionHeight : state.heightNormal,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(panel, nullptr, FALSE);
}

void SetCollapsed(HWND panel, PanelState& state, bool collapsed) {
  state.collapsed = collapsed;
  ApplyHeight(panel, state);
  NotifyParent(panel, kTaskPanelChanged);
}

// The outermost row and column belong to the frame, not to the bar.
bool InCaptionBar(HWND panel, const PanelState& state, LPARAM at) {
  RECT client{};
  GetClientRect(panel, &client);
  const int x = GET_X_LPARAM(at), y = GET_Y_LPARAM(at);
  return x > 0 && x < client.right && y > 0 && y < state.captionHeight;
}

LRESULT HandlePanel(HWND panel, PanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto forwarded = ForwardToParent(panel, message, wParam, lParam)) return *forwarded;
  switch (message) {
    case WM_NCCREATE:
      MakeContainer(panel);
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return PaintFor(panel, message, wParam, [&](HDC dc) { PaintPanel(panel, state, dc); });
    case WM_ERASEBKGND:
      return 1;  // the painting covers every pixel
    case WM_LBUTTONDOWN:
      if (InCaptionBar(panel, state, lParam)) SetCollapsed(panel, state, !state.collapsed);
      return 0;
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(panel, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(panel, message, wParam, lParam);
      InvalidateRect(panel, nullptr, FALSE);
      return result;
    }
  }
  return DefWindowProcW(panel, message, wParam, lParam);
}

using PanelKit = KitState<PanelState>;

}  // namespace

void RegisterTaskPanelClass() {
  RegisterKitClass({.name = kTaskPanelClass,
                    .procedure = &PanelKit::Procedure<&HandlePanel>,
                    .extraBytes = PanelKit::kExtraBytes,
                    .style = CS_HREDRAW | CS_VREDRAW});
}

void TaskPanelSetup(HWND panel, int captionHeight, int heightNormal) {
  if (PanelState* state = PanelKit::Of(panel)) {
    state->captionHeight = captionHeight;
    state->heightNormal = heightNormal;
    ApplyHeight(panel, *state);
  }
}

void SetPanelCollapsed(HWND panel, bool collapsed) {
  if (PanelState* state = PanelKit::Of(panel)) SetCollapsed(panel, *state, collapsed);
}

bool PanelCollapsed(HWND panel) {
  const PanelState* state = PanelKit::Of(panel);
  return state && state->collapsed;
}
