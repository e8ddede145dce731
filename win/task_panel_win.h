#pragma once
// TTaskPanel: a collapsible container with a caption bar (the window text).
// A press in the caption bar folds the panel to the bar's height or opens it
// to its normal height; other controls are created as its children and
// their notifications reach the panel's parent.
//
// Each change of Collapsed (by the functions below or by a press) tells the
// parent with WM_COMMAND, MAKEWPARAM(panel id, kTaskPanelChanged), lParam the panel.

#include <windows.h>

inline constexpr wchar_t kTaskPanelClass[] = L"TTaskPanel";
inline constexpr WORD kTaskPanelChanged = 0x4001;
inline constexpr int kDefaultCaptionHeight = 24;
inline constexpr int kDefaultHeightNormal = 200;

void RegisterTaskPanelClass();

// The panel's height while collapsed (its caption bar) and while expanded;
// the panel takes the height of its present state at once.
void TaskPanelSetup(HWND panel, int captionHeight, int heightNormal);
// Sets the height of the state (keeping left, top and width), repaints and
// tells the parent, even when the panel is in that state already.
void SetPanelCollapsed(HWND panel, bool collapsed);
bool PanelCollapsed(HWND panel);
