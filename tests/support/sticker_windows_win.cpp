#include "support/sticker_windows_win.h"

#include <cstring>

#include "win/messages.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

// A hidden window of the test that receives the live record.
StickerRecord received;
bool receivedRecord = false;

LRESULT CALLBACK ReceiverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->cbData == sizeof(StickerRecord)) {
      std::memcpy(&received, data->lpData, sizeof(StickerRecord));
      receivedRecord = true;
    }
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Receiver() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReceiverProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuilloryTestReceiver";
    RegisterClassW(&wc);
    return CreateWindowW(L"QuilloryTestReceiver", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
  }();
  return window;
}

void SendMouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  SendInput(1, &input, sizeof(input));
  Sleep(30);
}

}  // namespace

std::vector<HWND> StickerWindowsOf(DWORD processId) { return TopLevelWindows({L"TStickForm", processId, true}); }

bool WaitForStickerWindows(DWORD processId, std::size_t count, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (StickerWindowsOf(processId).size() != count) {
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
  return true;
}

std::vector<StickerRecord> ReadDatabase(const std::wstring& path) {
  const auto bytes = ReadBytes(path);
  std::vector<StickerRecord> records(bytes.size() / sizeof(StickerRecord));
  if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(StickerRecord));
  return records;
}

void SendCopyData(HWND window, WPARAM selector, const void* data, std::size_t size) {
  COPYDATASTRUCT copy{1, static_cast<DWORD>(size), const_cast<void*>(data)};
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_COPYDATA, selector, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 10000, &ignored);
}

bool LiveRecordOf(HWND sticker, StickerRecord& record) {
  receivedRecord = false;
  DWORD_PTR ignored;
  SendMessageTimeoutW(sticker, WM_STICKER_COMMAND, reinterpret_cast<WPARAM>(Receiver()), kStickerCommandSendLiveRecord, SMTO_NORMAL, 10000,
                      &ignored);
  if (receivedRecord) record = received;
  return receivedRecord;
}

void DragWithMouse(POINT from, POINT to) {
  SendMouse(MOUSEEVENTF_MOVE, from);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  for (int step = 1; step <= 5; ++step)
    SendMouse(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  Sleep(200);
}

void ClickWithMouse(POINT at, bool right) {
  SendMouse(MOUSEEVENTF_MOVE, at);
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, at);
  Sleep(200);
}

void DoubleClickWithMouse(POINT at) {
  SendMouse(MOUSEEVENTF_MOVE, at);
  for (int i = 0; i < 2; ++i) {
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
  }
  Sleep(200);
}

void ChooseFromMenu(HWND sticker, int downPresses) {
  RECT r{};
  GetWindowRect(sticker, &r);
  ClickWithMouse({r.left + 30, r.top + 12}, true);
  for (int i = 0; i < downPresses; ++i) PressKeys({VK_DOWN});
  PressKeys({VK_RETURN});
}

void MoveMouse(POINT to) { SendMouse(MOUSEEVENTF_MOVE, to); }

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) input.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    input.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  Sleep(200);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}
