#pragma once
// Finding and driving the sticker windows of a running Quillory.exe.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "store/sticker_record.h"

// The visible windows of class TStickForm that belong to the process.
std::vector<HWND> StickerWindowsOf(DWORD processId);
// Waits until the process shows that many sticker windows; false on time-out.
bool WaitForStickerWindows(DWORD processId, std::size_t count, DWORD timeoutMs = 10000);

// base.db as records.
std::vector<StickerRecord> ReadDatabase(const std::wstring& path);

// Hands bytes to a window in WM_COPYDATA, as another program would.
void SendCopyData(HWND window, WPARAM selector, const void* data, std::size_t size);

// Asks a sticker window for its live record (command 101) and returns it.
bool LiveRecordOf(HWND sticker, StickerRecord& record);

// Real input: a left-button drag from one screen point to another.
void DragWithMouse(POINT from, POINT to);
void ClickWithMouse(POINT at, bool right = false);

void DoubleClickWithMouse(POINT at);
// Opens a sticker's own menu with a right click on it and picks the item
// `downPresses` below the top with the keyboard, as a user would.
void ChooseFromMenu(HWND sticker, int downPresses);
void MoveMouse(POINT to);
// Presses the keys in order and lets them go in reverse order: {VK_CONTROL,
// 'C'} is Ctrl+C, {VK_DOWN} one press of the arrow.
void PressKeys(std::initializer_list<WORD> keys);
// The clipboard's Unicode text ("" when none).
std::wstring ClipboardText();
void SetClipboardText(const std::wstring& text);
// What the screen shows at a point.
COLORREF ScreenPixel(POINT at);
