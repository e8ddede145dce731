#include "support/sticker_windows_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "protocol/messages.h"
#include "support/temp_folder_win.h"
#include "support/wait_win.h"
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

// Wine hands each pointer event on to the X server and takes the X pointer
// back from it; events closer together than a hand gives them overtake that
// and land where the pointer was. This paces the events as a hand would; it
// is not a wait for the program, which callers wait for by its effects.
constexpr DWORD kHandPaceMs = 30;

// Returns once the system has the pointer at the point.
void SendMouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  SendInput(1, &input, sizeof(input));
  Eventually([&] {
    POINT now{};
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
  });
  Sleep(kHandPaceMs);
}

GUITHREADINFO ThreadState(DWORD thread) {
  GUITHREADINFO info{sizeof(info)};
  if (!GetGUIThreadInfo(thread, &info)) info.flags = 0;
  return info;
}

// A press that moves a window starts the system's move loop at once; one on a
// locked sticker never does, so that wait is short.
constexpr DWORD kMoveLoopWait = 1500;

}  // namespace

std::vector<HWND> StickerWindowsOf(DWORD processId) { return TopLevelWindows({L"TStickForm", processId, true}); }

bool WaitForStickerWindows(DWORD processId, std::size_t count, DWORD timeoutMs) {
  return Eventually([&] { return StickerWindowsOf(processId).size() == count; }, timeoutMs);
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

// Posted messages are handled in their order, after any sent one: the
// record's arrival proves that the thread has handled what was posted before.
bool PostedMessagesHandled(HWND sticker) {
  receivedRecord = false;
  PostMessageW(sticker, WM_STICKER_COMMAND, reinterpret_cast<WPARAM>(Receiver()), kStickerCommandSendLiveRecord);
  return Eventually([] { return receivedRecord; });
}

bool WaitForKeyboard(HWND window) {
  return Eventually([&] {
    HWND focus = FocusIn(window);
    return GetForegroundWindow() == window && (focus == window || IsChild(window, focus));
  });
}

bool LiveRecordOf(HWND sticker, StickerRecord& record) {
  receivedRecord = false;
  DWORD_PTR ignored;
  SendMessageTimeoutW(sticker, WM_STICKER_COMMAND, reinterpret_cast<WPARAM>(Receiver()), kStickerCommandSendLiveRecord, SMTO_NORMAL, 10000,
                      &ignored);
  if (receivedRecord) record = received;
  return receivedRecord;
}

// The window's thread answers once the move loop has ended and the end of the
// move has been handled.
void DragWithMouse(POINT from, POINT to) {
  HWND window = GetAncestor(WindowFromPoint(from), GA_ROOT);
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  SendMouse(0, from);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  const bool moving = Eventually([&] { return InMoveLoop(thread); }, kMoveLoopWait);
  for (int step = 1; step <= 5; ++step)
    SendMouse(0, {from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  if (moving) Eventually([&] { return !InMoveLoop(thread); });
  Answers(window);
}

// A left click gives the keyboard to what it lands on (a sticker, a grid)
// unless it closes its window: returns once that has happened and the press
// has let go of the mouse (a list's drag detection takes the keys that come
// while it holds it), so that keys pressed next go there.
void ClickWithMouse(POINT at, bool right) {
  HWND target = WindowFromPoint(at);
  HWND window = GetAncestor(target, GA_ROOT);
  SendMouse(0, at);
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, at);
  if (right) return;
  Eventually([&] {
    HWND focus = FocusIn(window);
    const bool released = !ThreadState(GetWindowThreadProcessId(window, nullptr)).hwndCapture;
    return !IsWindowVisible(window) ||
           (GetForegroundWindow() == window && (focus == target || IsChild(target, focus)) && released);
  });
}

void DoubleClickWithMouse(POINT at) {
  SendMouse(0, at);
  for (int i = 0; i < 2; ++i) {
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
  }
}

bool MenuTakesKeys(DWORD processId) {
  const GUITHREADINFO foreground = ThreadState(0);
  DWORD owner = 0;
  if (foreground.hwndMenuOwner) GetWindowThreadProcessId(foreground.hwndMenuOwner, &owner);
  return (foreground.flags & GUI_INMENUMODE) && owner == processId &&
         !TopLevelWindows({L"#32768", processId, true}).empty();
}

// A menu opens where the pointer is, and Wine selects the item under the
// pointer whenever a menu window appears beneath it: a submenu opened by a
// key could then move the selection between two keys. The pointer goes to
// the corner of the screen farthest from the menu, where no submenu reaches.
void MovePointerAwayFromMenus(DWORD processId) {
  RECT menus{};
  for (HWND menu : TopLevelWindows({L"#32768", processId, true})) {
    RECT r{};
    GetWindowRect(menu, &r);
    UnionRect(&menus, &menus, &r);
  }
  const int right = GetSystemMetrics(SM_CXSCREEN) - 1, bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
  const bool menuOnLeft = menus.left + menus.right < right, menuOnTop = menus.top + menus.bottom < bottom;
  SendMouse(0, {menuOnLeft ? right : 0, menuOnTop ? bottom : 0});
}

bool WaitForMenuKeys(DWORD processId) {
  if (!Eventually([&] { return MenuTakesKeys(processId); })) return false;
  MovePointerAwayFromMenus(processId);
  return true;
}

// A sticker that has just opened lets clicks through until its picture is
// handed over: a click waits until the sticker is what the point hits.
// Another window (Wine's own tray window in a corner, say) may lie over part
// of the sticker: the first of a few points of it that the sticker is hit at.
namespace {
bool PointOnSticker(HWND sticker, POINT& at) {
  RECT r{};
  GetWindowRect(sticker, &r);
  const POINT candidates[] = {{r.left + 30, r.top + 12},
                              {(r.left + r.right) / 2, (r.top + r.bottom) / 2},
                              {r.right - 40, r.top + 12},
                              {r.right - 16, r.bottom - 14}};  // clear of a sticker copied onto it
  const auto hit = [&] {
    for (const POINT p : candidates)
      if (GetAncestor(WindowFromPoint(p), GA_ROOT) == sticker) {
        at = p;
        return true;
      }
    return false;
  };
  if (PostedMessagesHandled(sticker) && Eventually(hit)) return true;
  wchar_t over[64] = {};
  GetClassNameW(GetAncestor(WindowFromPoint(candidates[1]), GA_ROOT), over, 64);
  std::fprintf(stderr, "note: no point of the sticker at (%ld,%ld)-(%ld,%ld) is on top; a %ls is\n", r.left, r.top,
               r.right, r.bottom, over);
  return false;
}
}  // namespace

// Under Wine a click does not always bring the focus, and a focus change the
// X server reports late may take it away again a moment later: a user clicks
// again, and so does this, up to three times.
bool FocusSticker(HWND sticker) {
  const auto hasKeyboard = [&] { return GetForegroundWindow() == sticker && FocusIn(sticker) == sticker; };
  for (int attempt = 0; attempt < 3 && !hasKeyboard(); ++attempt) {
    POINT at{};
    if (!PointOnSticker(sticker, at)) return false;
    ClickWithMouse(at);  // waits for the focus a while
  }
  if (hasKeyboard()) return true;
  std::fprintf(stderr, "note: three clicks did not give the sticker the keyboard\n");
  return false;
}

// Under Wine without a window manager, a sticker that the right click itself
// activates may lose the focus again as its menu opens, which ends the menu;
// a note clicked first keeps it. Under Wine a focus change that the X server
// reports late may still end a menu that has just opened, sometimes before it
// was ever seen; a user then clicks again, and so does this, once.
bool OpenStickerMenu(HWND sticker) {
  DWORD processId = 0;
  GetWindowThreadProcessId(sticker, &processId);
  if (!FocusSticker(sticker)) return false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    POINT at{};
    if (!PointOnSticker(sticker, at)) return false;
    ClickWithMouse(at, true);
    if (WaitForMenuKeys(processId) && Answers(sticker) && MenuTakesKeys(processId)) return true;
    std::fprintf(stderr, "note: the sticker's menu did not stay open after a click (menus shown: %zu)\n",
                 TopLevelWindows({L"#32768", processId, true}).size());
  }
  ADD_FAILURE() << "the sticker's menu did not stay open after two clicks";
  return false;
}

void ChooseFromMenu(HWND sticker, StickerMenuPlace place) {
  if (!OpenStickerMenu(sticker)) {
    ADD_FAILURE() << "the sticker's menu did not open";
    return;
  }
  for (int i = 0; i < place; ++i) PressKeys({VK_DOWN});
  DWORD processId = 0;
  GetWindowThreadProcessId(sticker, &processId);
  if (!MenuTakesKeys(processId)) ADD_FAILURE() << "the sticker's menu closed before its item was chosen";
  PressKeys({VK_RETURN});
  Eventually([&] { return TopLevelWindows({L"#32768", processId, true}).empty(); });
}

void MoveMouse(POINT to) { SendMouse(0, to); }

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) input.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    input.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  Answers(GetForegroundWindow());
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

// The program may hold the clipboard open a moment longer than its text
// shows there.
void SetClipboardText(const std::wstring& text) {
  if (!Eventually([] { return OpenClipboard(nullptr) != FALSE; })) return;
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

UniqueWindow OpenDesktopStandIn() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"Progman";
  RegisterClassW(&wc);
  return UniqueWindow(CreateWindowW(L"Progman", L"Program Manager", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, nullptr,
                                    nullptr, wc.hInstance, nullptr));
}
