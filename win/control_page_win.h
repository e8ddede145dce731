#pragma once
// ControlPage: a plain container in the face colour, one per tab of a dialog;
// the tab's controls are its children and the dialog shows one page at a
// time. What every kit container shares lives here too: Tab reaches the
// children through IsDialogMessage, and their notifications go on to the
// container's parent as if the children were the parent's own.

#include <windows.h>

#include <optional>

inline constexpr wchar_t kControlPageClass[] = L"ControlPage";

void RegisterControlPageClass();

// Gives a container window, at WM_NCCREATE, the styles every kit container has:
// WS_EX_CONTROLPARENT, and WS_CLIPCHILDREN so its painting leaves the children alone.
void MakeContainer(HWND container);

// Sends the children's notifications (commands, notify, owner drawing,
// control colours, scrolling) on to the container's parent and answers what
// the parent answered; nothing for any other message.
std::optional<LRESULT> ForwardToParent(HWND container, UINT message, WPARAM wParam, LPARAM lParam);
