// The sticker's desktop shortcut and the clipboard against the real shell.
// Under Wine the desktop is the private home folder of the test run.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <future>
#include <thread>
#include <string>

#include "app/data_folder_win.h"
#include "store/shortcut_win.h"
#include "store/text_utils.h"
#include "win/file_io_win.h"
#include "support/shell_link_win.h"
#include "support/temp_folder_win.h"
#include "win/handles_win.h"

namespace {

constexpr wchar_t kNoteName[] = L"Note 42";

std::wstring Desktop() { return WithTrailingSeparator(SpecialFolder(CSIDL_DESKTOPDIRECTORY)); }

// Deletes the shortcuts a test writes on the desktop, however the test ends:
// "Note 42.lnk" and the free names after it.
struct DesktopShortcut {
  const std::wstring path = Desktop() + kNoteName + L".lnk";
  std::wstring Numbered(int n) const { return Desktop() + kNoteName + L" (" + std::to_wstring(n) + L").lnk"; }
  ~DesktopShortcut() {
    DeleteFileW(path.c_str());
    for (int n = 2; n <= 5; ++n) DeleteFileW(Numbered(n).c_str());
  }
};

TEST(Shortcut, TheDesktopShortcutStartsThisProgramInItsFolderWithTheStickersId) {
  const DesktopShortcut expected;
  ASSERT_TRUE(CreateStickerShortcut(kNoteName, 42).Written());
  const ShortcutResult result = CreateStickerShortcut(kNoteName, 42);  // our own: written over
  ASSERT_TRUE(result.Written()) << result.error;
  EXPECT_EQ(result.path, expected.path);
  EXPECT_FALSE(FileExists(expected.Numbered(2)));
  ASSERT_TRUE(FileExists(expected.path));
  const ShellLinkFields link = ReadShellLink(expected.path);
  EXPECT_EQ(link.path, ProgramPath());
  EXPECT_EQ(link.arguments, L"id=42");
  EXPECT_EQ(link.workingFolder, ProgramFolder());
}

// The user's own "Note 42.lnk" to another program, a shortcut of ours to
// another sticker and a plain file of that name all stay as they are: each
// new shortcut takes the next free name.
TEST(Shortcut, AFileOfTheUsersIsNeverWrittenOver) {
  const DesktopShortcut names;
  const ShellLinkFields users = {L"C:\\windows\\system32\\notepad.exe", L"report.txt", L"C:\\windows\\"};
  ASSERT_TRUE(WriteShellLink(names.path, users));
  const struct {
    std::int32_t id;
    std::wstring expected;
  } steps[] = {
      {42, names.Numbered(2)},
      {42, names.Numbered(2)},  // our own shortcut to sticker 42: written over
      {7, names.Numbered(3)},   // ours, but to another sticker
  };
  for (const auto& step : steps) {
    const ShortcutResult result = CreateStickerShortcut(kNoteName, step.id);
    ASSERT_TRUE(result.Written()) << result.error;
    EXPECT_EQ(result.path, step.expected) << step.id;
    EXPECT_EQ(ReadShellLink(result.path).arguments, L"id=" + std::to_wstring(step.id));
  }
  const ShellLinkFields kept = ReadShellLink(names.path);
  EXPECT_EQ(kept.path, users.path);
  EXPECT_EQ(kept.arguments, users.arguments);
  EXPECT_EQ(ReadShellLink(names.Numbered(2)).arguments, L"id=42");

  WriteText(names.Numbered(4), "not a shortcut at all");
  DeleteFileW(names.Numbered(3).c_str());
  EXPECT_EQ(CreateStickerShortcut(kNoteName, 9).path, names.Numbered(3));  // a freed name is used again
  EXPECT_EQ(CreateStickerShortcut(kNoteName, 10).path, names.Numbered(5));
  EXPECT_EQ(ReadText(names.Numbered(4)), "not a shortcut at all");
}

TEST(Shortcut, AShortcutThatCannotBeWrittenSaysSoWithItsPath) {
  const ShortcutResult result = CreateStickerShortcut(L"no such folder\\Note", 42);
  EXPECT_FALSE(result.Written());
  EXPECT_NE(result.error, 0u);
  EXPECT_TRUE(result.path.ends_with(L"\\no such folder\\Note.lnk")) << result.path;
  EXPECT_FALSE(FileExists(result.path));
}

// The clipboard, owned by a window of the test.
class Clipboard : public testing::Test {
 protected:
  enum class Held { kNothing, kOtherFormat, kAnsiText, kUnicodeText };

  void Hold(Held held) {
    const ScopedClipboard clipboard(owner_.Get());
    ASSERT_TRUE(clipboard.IsOpen());
    EmptyClipboard();
    if (held == Held::kOtherFormat) Put(RegisterClipboardFormatW(L"Quillory test format"), "x", 2);
    if (held == Held::kAnsiText) Put(CF_TEXT, "old", 4);
    if (held == Held::kUnicodeText) Put(CF_UNICODETEXT, L"old", sizeof(L"old"));
  }

  // The format placed first: formats the system makes from others come after it.
  UINT PlacedFormat() const {
    const ScopedClipboard clipboard(owner_.Get());
    return clipboard.IsOpen() ? EnumClipboardFormats(0) : 0;
  }

  std::wstring UnicodeText() const {
    const ScopedClipboard clipboard(owner_.Get());
    HANDLE data = clipboard.IsOpen() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!chars) return L"";
    std::wstring text(chars);
    GlobalUnlock(data);
    return text;
  }

  const UniqueWindow owner_{CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)};

 private:
  static void Put(UINT format, const void* bytes, std::size_t size) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
    std::memcpy(GlobalLock(block.Get()), bytes, size);
    GlobalUnlock(block.Get());
    if (SetClipboardData(format, block.Get())) block.Detach();
  }
};

TEST_F(Clipboard, TextGoesAsUnicodeOnlyWhenTheClipboardOffersUnicodeText) {
  // 中 is in no ANSI code page the tests run in: as ANSI text it comes back as "?".
  const struct {
    Held held;
    UINT placed;
    std::wstring_view readBack;
  } cases[] = {
      {Held::kNothing, CF_TEXT, L"? note"},
      {Held::kOtherFormat, CF_TEXT, L"? note"},
      {Held::kUnicodeText, CF_UNICODETEXT, L"中 note"},
      // The system offers Unicode text made from ANSI text, so that counts as Unicode too.
      {Held::kAnsiText, CF_UNICODETEXT, L"中 note"},
  };
  for (const auto& c : cases) {
    Hold(c.held);
    PutTextOnClipboard(owner_.Get(), L"中 note");
    EXPECT_EQ(PlacedFormat(), c.placed) << static_cast<int>(c.held);
    EXPECT_EQ(UnicodeText(), c.readBack) << static_cast<int>(c.held);
  }
}

// A clipboard manager that holds the clipboard a moment: the text still lands.
TEST_F(Clipboard, TextWaitsForAProgramThatHoldsTheClipboardAMoment) {
  Hold(Held::kUnicodeText);
  std::promise<void> opened;
  std::thread other([&] {
    const bool held = OpenClipboard(nullptr) != FALSE;
    opened.set_value();
    Sleep(200);  // how long the other program holds it
    if (held) CloseClipboard();
  });
  opened.get_future().wait();
  PutTextOnClipboard(owner_.Get(), L"copied");
  other.join();
  EXPECT_EQ(UnicodeText(), L"copied");
}

TEST_F(Clipboard, EmptyTextLeavesTheClipboardAsItWas) {
  Hold(Held::kUnicodeText);
  PutTextOnClipboard(owner_.Get(), L"");
  EXPECT_EQ(UnicodeText(), L"old");
}

}  // namespace
