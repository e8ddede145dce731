#include "manager/link_tooltip_win.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kToolId = 1;

TTTOOLINFOW ToolOf(HWND owner, const wchar_t* text) {
  TTTOOLINFOW tool{};
  // The first version's size: every version of the control takes it.
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner;
  tool.uId = kToolId;
  tool.lpszText = const_cast<wchar_t*>(text);  // copied by the control
  return tool;
}

}  // namespace

bool LinkTooltip::Create(HWND owner) {
  owner_ = owner;
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) return false;
  TTTOOLINFOW tool = ToolOf(owner_, L"");
  return SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

void LinkTooltip::Show(const std::wstring& text, POINT screen) {
  TTTOOLINFOW tool = ToolOf(owner_, text.c_str());
  SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_.Get(), TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
  SendMessageW(tooltip_.Get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void LinkTooltip::Hide() {
  TTTOOLINFOW tool = ToolOf(owner_, nullptr);
  SendMessageW(tooltip_.Get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
