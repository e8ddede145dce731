// The floor of start-up: the least a program can do to put that many
// sticker-sized pictures on the desktop. Layered tool windows as Quillory's
// stickers are, each handed one picture made before the first window. The
// start-up benchmark times it as it times Quillory: from the start of the
// process until every window shows and the main window answers.
//
//   startup_floor.exe COUNT WIDTH HEIGHT

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "win/dib_picture_win.h"
#include "win/handles_win.h"

namespace {

constexpr wchar_t kMainClass[] = L"QuilloryFloor", kPictureClass[] = L"QuilloryFloorPicture";
constexpr Pixel32 kPictureColour{0x60, 0xC8, 0xF0, 0xFF};  // opaque, so premultiplied as it is

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW c{sizeof(c)};
  c.lpfnWndProc = procedure;
  c.hInstance = GetModuleHandleW(nullptr);
  c.lpszClassName = name;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassExW(&c);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argumentCount = 0;
  const UniqueLocal arguments(CommandLineToArgvW(GetCommandLineW(), &argumentCount));
  auto* argv = static_cast<wchar_t**>(arguments.Get());
  if (argumentCount < 4) return 2;
  const int count = _wtoi(argv[1]), width = _wtoi(argv[2]), height = _wtoi(argv[3]);

  Register(kMainClass, &MainProcedure);
  Register(kPictureClass, &DefWindowProcW);
  const UniqueWindow main(CreateWindowExW(WS_EX_TOOLWINDOW, kMainClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          nullptr, nullptr));
  const DibPicture32 picture(width, height);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.View().At(x, y) = kPictureColour;
  const DibDrawingContext source(picture.Bitmap());
  std::vector<UniqueWindow> windows;
  for (int i = 0; i < count; ++i) {
    POINT place{(i % 16) * 60, (i / 16) * 40}, origin{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    windows.emplace_back(CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPictureClass, L"",
                                         WS_POPUP, place.x, place.y, width, height, nullptr, nullptr, nullptr, nullptr));
    UpdateLayeredWindow(windows.back().Get(), nullptr, &place, &size, source.Get(), &origin, 0, &blend, ULW_ALPHA);
    ShowWindow(windows.back().Get(), SW_SHOWNOACTIVATE);
  }
  SetWindowTextW(main.Get(), kMainClass);  // found by its name once every window shows, as Quillory's is
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
