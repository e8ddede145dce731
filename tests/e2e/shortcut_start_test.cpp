// A sticker's desktop shortcut made from its menu, and what starting it does.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>

#include "win/form_dialog_win.h"
#include "store/shortcut_win.h"
#include "store/text_utils.h"
#include "support/shell_link_win.h"
#include "support/sticker_program_win.h"
#include "support/window_search_win.h"
#include "win/file_io_win.h"

namespace {

using Shortcut = StickerProgram;

TEST_F(Shortcut, CreateShortCutWritesALinkThatTogglesTheSticker) {
  StickerRecord note = Placed(77, 100, 100);
  SetStickerText(note, "Dentist at 9:30\r\nbring the card");
  HWND sticker = StartOne(note);
  ASSERT_NE(sticker, nullptr);
  ChooseFromMenu(sticker, kMenuPlaceShortcut);
  HWND prompt = nullptr;
  ASSERT_TRUE(Eventually([&] {
    const auto shown = TopLevelWindows({L"TFormDialog", Pid(), true});
    prompt = shown.empty() ? nullptr : shown.front();
    return prompt != nullptr;
  }));
  wchar_t proposed[128] = {};
  SendMessageW(ControlById(prompt, TFormDialog::kTextEdit), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(proposed));
  EXPECT_EQ(std::wstring(proposed), L"Dentist at 9:30...");  // the first line of the text
  SendMessageW(ControlById(prompt, TFormDialog::kTextEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Dentist: 9/30?"));
  PostMessageW(prompt, WM_COMMAND, IDOK, 0);

  const std::wstring link = WithTrailingSeparator(SpecialFolder(CSIDL_DESKTOPDIRECTORY)) + L"Dentist 930.lnk";
  ASSERT_TRUE(Eventually([&] { return FileExists(link); }));
  const ShellLinkFields fields = ReadShellLink(link);
  EXPECT_EQ(fields.path, copy.Exe());
  EXPECT_EQ(fields.arguments, L"id=77");
  EXPECT_EQ(fields.workingFolder, copy.Folder());

  RunningProgram started(copy.Exe(), fields.arguments);  // as the shortcut starts it
  EXPECT_TRUE(started.WaitForExit());
  EXPECT_TRUE(WaitForStickerWindows(Pid(), 0));  // toggled: hidden
  // For a reader that is not the shell: the build checks the kept copy with lnkinfo.
  if (const wchar_t* keep = _wgetenv(L"QUILLORY_KEEP_LINK")) CopyFileW(link.c_str(), keep, FALSE);
  DeleteFileW(link.c_str());
}

}  // namespace
