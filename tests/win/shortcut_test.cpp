// The sticker's desktop shortcut and the clipboard against the real shell.
// Under Wine the desktop is the private home folder of the test run.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>

#include "app/data_folder_win.h"
#include "store/shortcut_win.h"
#include "store/text_utils.h"
#include "win/file_io_win.h"
#include "support/shell_link_win.h"
#include "win/handles_win.h"

namespace {

constexpr wchar_t kNoteName[] = L"Note 42";

// Deletes the shortcut a test writes on the desktop, however the test ends.
struct DesktopShortcut {
  const std::wstring path = WithTrailingSeparator(SpecialFolder(CSIDL_DESKTOPDIRECTORY)) + kNoteName + L".lnk";
  ~DesktopShortcut() { DeleteFileW(path.c_str()); }
};

TEST(Shortcut, TheDesktopShortcutStartsThisProgramInItsFolderWithTheStickersId) {
  const DesktopShortcut expected;
  ASSERT_TRUE(CreateStickerShortcut(kNoteName, 7).Written());
  const ShortcutResult result = CreateStickerShortcut(kNoteName, 42);  // writes over the older one
  ASSERT_TRUE(result.Written()) << result.error;
  EXPECT_EQ(result.path, expected.path);
  ASSERT_TRUE(FileExists(expected.path));
  const ShellLinkFields link = ReadShellLink(expected.path);
  EXPECT_EQ(link.path, ProgramPath());
  EXPECT_EQ(link.arguments, L"id=42");
  EXPECT_EQ(link.workingFolder, ProgramFolder());
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

TEST_F(Clipboard, EmptyTextLeavesTheClipboardAsItWas) {
  Hold(Held::kUnicodeText);
  PutTextOnClipboard(owner_.Get(), L"");
  EXPECT_EQ(UnicodeText(), L"old");
}

}  // namespace
