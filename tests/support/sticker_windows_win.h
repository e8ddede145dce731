#pragma once
// Finding and driving the sticker windows of a running Quillory.exe.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "store/sticker_record.h"
#include "win/handles_win.h"

// The visible windows of class TStickForm that belong to the process.
std::vector<HWND> StickerWindowsOf(DWORD processId);
// Waits until the process shows that many sticker windows; false on time-out.
bool WaitForStickerWindows(DWORD processId, std::size_t count, DWORD timeoutMs = 10000);
// A window of the class and title the shell's desktop has, over the whole
// screen, that stickers placed on the desktop can be put into.
UniqueWindow OpenDesktopStandIn();

// base.db as records.
std::vector<StickerRecord> ReadDatabase(const std::wstring& path);

// Hands bytes to a window in WM_COPYDATA, as another program would.
void SendCopyData(HWND window, WPARAM selector, const void* data, std::size_t size);

// True once the sticker's thread has handled every message posted to it
// before (the program's own included); false on time-out.
bool PostedMessagesHandled(HWND sticker);
// Waits until the window is in the foreground with the focus on it or on one
// of its controls, where keys pressed now go.
bool WaitForKeyboard(HWND window);

// Asks a sticker window for its live record (command 101) and returns it.
bool LiveRecordOf(HWND sticker, StickerRecord& record);

// Real input. Each returns once the system has it; what the program makes of
// it is for the caller to wait for.
// A left-button drag from one screen point to another; a drag that moves a
// window returns once the program has handled the end of the move.
void DragWithMouse(POINT from, POINT to);
void ClickWithMouse(POINT at, bool right = false);
void DoubleClickWithMouse(POINT at);
void MoveMouse(POINT to);
// Presses the keys in order and lets them go in reverse order: {VK_CONTROL,
// 'C'} is Ctrl+C, {VK_DOWN} one press of the arrow. They go to the window
// that has the keyboard when the program reads them: wait for it first.
// Returns once the thread of the window with the keyboard answers, so that
// presses come one after another as a hand gives them: the program's
// keyboard hook hands each key on from a thread of its own, and a burst of
// keys could reach a menu while it still opens a submenu.
void PressKeys(std::initializer_list<WORD> keys);

// A popup menu of the process shows and has the keyboard: a menu shows a
// moment before it does, and keys pressed meanwhile go elsewhere.
bool MenuTakesKeys(DWORD processId);
// Waits until a menu of the process takes keys, then moves the pointer off
// it, so that only keys choose its items.
bool WaitForMenuKeys(DWORD processId);
// Opens a sticker's own menu with a right click on it; true once it takes keys.
bool OpenStickerMenu(HWND sticker);
// Gives a sticker the keyboard with a left click on it unless it has it
// already; true once it has it. Call it before each key a sticker must get.
bool FocusSticker(HWND sticker);
// A sticker's own menu as the Down key walks it from the top, passing over
// the separators: the presses that reach each item.
enum StickerMenuPlace : int {
  kMenuPlaceDuplicate = 1,
  kMenuPlaceHide,
  kMenuPlaceRemove,
  kMenuPlaceFloating,
  kMenuPlaceTopmost,
  kMenuPlaceNormal,
  kMenuPlaceBehindAll,
  kMenuPlaceOnDesktop,
  kMenuPlaceCopy,
  kMenuPlacePaste,
  kMenuPlaceShortcut,
  kMenuPlaceCollapse,
  kMenuPlaceProperties,
  kMenuPlaceUndo,
};
// Opens a sticker's own menu and picks the item at that place with the
// keyboard, as a user would; returns once the menu has closed.
void ChooseFromMenu(HWND sticker, StickerMenuPlace place);
// The clipboard's Unicode text ("" when none).
std::wstring ClipboardText();
void SetClipboardText(const std::wstring& text);
// What the screen shows at a point.
COLORREF ScreenPixel(POINT at);
