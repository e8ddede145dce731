// Global hot keys of a running Quillory.exe: real key presses (SendInput)
// reach its hook library, which makes a sticker or opens the manager and
// keeps the assigned key from other windows; the keys are chosen in the tray
// menu and kept in config.txt; without the library the program works all the
// same, only without keys.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

constexpr UINT kTrayCallbackMessage = 1124;

// A window of the test's own in the foreground, recording the keys it gets.
class KeyWitness {
 public:
  KeyWitness() {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuilloryTestKeyWitness";
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"witness", WS_POPUP | WS_VISIBLE, 700, 600, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window_);
    SetFocus(window_);
    Eventually([&] { return GetForegroundWindow() == window_ && GetFocus() == window_; });
  }
  ~KeyWitness() { DestroyWindow(window_); }
  bool Got(WORD key) const { return std::find(keys().begin(), keys().end(), key) != keys().end(); }

 private:
  static std::vector<WORD>& keys() {
    static std::vector<WORD> received;
    return received;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) keys().push_back(static_cast<WORD>(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_;
};

class HotKeys : public StickerProgram {
 protected:
  void StartWithKeys(const char* keys) {
    WriteText(copy.File(L"config.txt"), std::string("[Base]\r\nportable=yes\r\n[Chordix]\r\n") + keys);
    Start({Placed(1, 40, 40)});
  }
  bool Shown(const wchar_t* className) { return !TopLevelWindows({className, Pid(), true}).empty(); }
  int SavedKey(const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(L"Chordix", key, 99, copy.File(L"config.txt").c_str()));
  }
  // Tray menu > hot keys > the new-sticker keys, then the item `steps` below "-/-".
  void ChooseNewStickerKey(int steps) {
    HWND tray = TopLevelWindows({L"TTrayIconAdv", Pid()}).front();
    PostMessageW(tray, kTrayCallbackMessage, 1, WM_RBUTTONUP);
    ASSERT_TRUE(WaitForMenuKeys(Pid()));
    for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT}) PressKeys({key});
    for (int i = 0; i < steps; ++i) PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    ASSERT_TRUE(Eventually([&] { return !Shown(L"#32768"); }));
  }
};

TEST_F(HotKeys, WinPlusOpensTheNewStickerForm) {
  StartWithKeys("NEW=0\r\nMANAGER=-1\r\n");
  PressKeys({VK_LWIN, VK_OEM_PLUS});
  EXPECT_TRUE(Eventually([&] { return Shown(L"TFormStickerMess"); }));
}

TEST_F(HotKeys, AnAssignedBrowserKeyOpensTheManagerAndNoOtherWindowSeesIt) {
  StartWithKeys("NEW=-1\r\nMANAGER=2\r\n");
  KeyWitness witness;
  PressKeys({VK_BROWSER_BACK});
  EXPECT_TRUE(Eventually([&] { return Shown(L"TFormManager"); }));
  EXPECT_FALSE(witness.Got(VK_BROWSER_BACK));  // the hook had it first, and kept it
}

TEST_F(HotKeys, AKeyNoActionHasReachesOtherWindowsAndQuilloryDoesNothing) {
  StartWithKeys("NEW=-1\r\nMANAGER=-1\r\n");
  KeyWitness witness;
  PressKeys({VK_BROWSER_BACK});
  PressKeys({VK_LWIN, VK_OEM_PLUS});
  // Both passed the hook: the program has decided about them.
  EXPECT_TRUE(Eventually([&] { return witness.Got(VK_BROWSER_BACK) && witness.Got(VK_OEM_PLUS); }));
  EXPECT_FALSE(Shown(L"TFormManager"));
  EXPECT_FALSE(Shown(L"TFormStickerMess"));
}

// "WWW" saves 6, "-/-" saves -1; the manager's key is left as it was.
TEST_F(HotKeys, KeysChosenInTheTrayMenuAreSavedAtShutdown) {
  StartWithKeys("NEW=0\r\nMANAGER=3\r\n");
  ChooseNewStickerKey(6);
  ASSERT_TRUE(program->Close());
  EXPECT_EQ(SavedKey(L"NEW"), 6);
  EXPECT_EQ(SavedKey(L"MANAGER"), 3);
  Run();
  ChooseNewStickerKey(0);
  ASSERT_TRUE(program->Close());
  EXPECT_EQ(SavedKey(L"NEW"), -1);
}

TEST_F(HotKeys, WithoutTheLibraryTheProgramStartsAndTheMenusStillWork) {
  ASSERT_TRUE(DeleteFileW(copy.File(L"Chordix.dll").c_str()));
  StartWithKeys("NEW=0\r\nMANAGER=-1\r\n");
  ChooseNewStickerKey(6);
  ASSERT_TRUE(program->Close());
  EXPECT_EQ(SavedKey(L"NEW"), 6);
}

// The library's export table names exactly its two functions, undecorated.
TEST(HookLibrary, ExportsExactlyHookAndHookTablenum) {
  const ProgramCopy copy;
  const HMODULE module = LoadLibraryExW(copy.File(L"Chordix.dll").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(module, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(entry.VirtualAddress, 0u);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> found;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) found.emplace_back(reinterpret_cast<const char*>(base + names[i]));
  EXPECT_EQ(found, (std::vector<std::string>{"Hook", "HookTablenum"}));
  FreeLibrary(module);
}

}  // namespace
