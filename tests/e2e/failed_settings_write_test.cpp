// Settings that cannot be written say so, once per save, with the standard
// box: a silent failure would only show at the next start, as lost settings.

#include <gtest/gtest.h>

#include "editors/sticker_editor_win.h"
#include "support/sticker_program_win.h"
#include "support/temp_folder_win.h"
#include "support/window_search_win.h"

namespace {

using FailedSettingsWrite = StickerProgram;

// Waits for the box, reads it and closes it; then no second box follows.
void ExpectOneBoxNaming(DWORD pid, const std::wstring& file) {
  const ShownMessageBox box = WaitForMessageBox(pid, L"Cannot create file");
  ASSERT_NE(box.window, nullptr);
  EXPECT_NE(box.text.find(file), std::wstring::npos) << box.text;
  DismissMessageBox(box);
}

TEST_F(FailedSettingsWrite, TheConfigurationWrittenAtCloseReportsAFailure) {
  Start({});
  // Held by another program: the profile functions cannot write it.
  UniqueFile held(CreateFileW(copy.File(L"config.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  PostMessageW(main, WM_CLOSE, 0, 0);
  ExpectOneBoxNaming(Pid(), L"config.txt");
  EXPECT_TRUE(program->WaitForExit());
}

TEST_F(FailedSettingsWrite, SaveAsDefaultReportsAFailure) {
  CreateDirectoryW(copy.File(L"default_settings.txt").c_str(), nullptr);  // where the file should go
  Start({});
  program->SendUserCommand(kUserNewSticker, kUserNewStickerArgument);
  HWND form = ShownWindow(L"TFormStickerMess", 30000);  // the form waits for the start-up
  ASSERT_NE(form, nullptr);
  PostMessageW(form, WM_COMMAND, StickerEditor::kSaveDefaultsButton, 0);
  ExpectOneBoxNaming(Pid(), L"default_settings.txt");
  EXPECT_EQ(program->SendUserCommand(kUserVersionProbe), kVersionProbeAnswer);  // the box is gone, no other waits
  EXPECT_TRUE(TopLevelWindows({L"#32770", Pid(), true}).empty());
}

}  // namespace
