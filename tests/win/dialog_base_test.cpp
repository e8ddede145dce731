// The kit's dialog base against messages whose lParam points into the sender's
// memory: believed from the dialog's own thread only.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "lang/tmui.h"
#include "support/wait_win.h"
#include "win/dialog_base_win.h"

namespace {

constexpr ControlRow kControls[] = {{L"BOK", IDOK, L"BUTTON", 8, 8, 75, 25, WS_TABSTOP, kNoText, nullptr}};

// A form that reads what each of those messages points at, as real forms do.
class ReadingForm final : public DialogBase {
 public:
  explicit ReadingForm(TextSource& texts) : DialogBase(texts, kControls) {}
  bool Create() { return DialogBase::Create({.className = L"QuilloryTestReadingForm", .clientWidth = 100, .clientHeight = 50}); }
  int reads = 0;

 protected:
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override { return Read(item.CtlID); }
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override { return Read(item.CtlID); }
  LRESULT OnNotify(const NMHDR& header) override { return Read(header.idFrom); }
  bool OnKey(const MSG& message) override { return Read(message.message); }

 private:
  bool Read(UINT_PTR value) {
    ++reads;
    return value != 0;
  }
};

constexpr UINT kPointerMessages[] = {WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, kFormKeyMessage};

// Whatever the form could take any of those messages' lParam for, with no
// field it reads zero.
union PointedAt {
  NMHDR header;
  DRAWITEMSTRUCT draw;
  MEASUREITEMSTRUCT measure;
  MSG key;
};
PointedAt Readable() {
  PointedAt data;
  std::memset(&data, 1, sizeof(data));
  return data;
}

class DialogBaseTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Create()); }
  TMUI texts;
  ReadingForm form{texts};
};

// Another program's address may point nowhere, or at something of ours.
TEST_F(DialogBaseTest, AnotherThreadCannotMakeItReadAtAnAddressOfItsChoosing) {
  PointedAt readable = Readable();
  for (LPARAM address : {LPARAM{0x10}, reinterpret_cast<LPARAM>(&readable)}) {
    for (UINT message : kPointerMessages) {
      std::atomic<bool> answered = false;
      LRESULT result = -1;
      std::thread sender([&] {
        result = SendMessageW(form.Handle(), message, 0, address);
        answered = true;
      });
      EXPECT_TRUE(Eventually([&] { return answered.load(); }));  // handled on this thread meanwhile
      sender.join();
      EXPECT_EQ(result, 0) << "message " << message << " at " << address;
    }
  }
  EXPECT_EQ(form.reads, 0);
}

TEST_F(DialogBaseTest, ItsOwnThreadIsBelieved) {
  PointedAt readable = Readable();
  for (UINT message : kPointerMessages)
    EXPECT_NE(SendMessageW(form.Handle(), message, 0, reinterpret_cast<LPARAM>(&readable)), 0) << "message " << message;
  EXPECT_EQ(form.reads, 4);
}

}  // namespace

// The helpers every form reads and sets its controls with; the check box and
// the edit lie inside a container, as most controls of the editors do.
constexpr int kPage = 10, kCheck = 11, kEdit = 12;
constexpr ControlRow kHelperControls[] = {
    {L"Page", kPage, L"ControlPage", 0, 0, 200, 100, 0, kNoText, nullptr},
    {L"Check", kCheck, L"BUTTON", 8, 8, 120, 18, BS_AUTO3STATE | WS_TABSTOP, kNoText, nullptr, kPage},
    {L"Edit", kEdit, L"EDIT", 8, 30, 120, 20, WS_BORDER | ES_AUTOHSCROLL, kNoText, nullptr, kPage},
};

class HelperForm final : public DialogBase {
 public:
  explicit HelperForm(TextSource& texts) : DialogBase(texts, kHelperControls) {}
  bool Create() { return DialogBase::Create({.className = L"QuilloryTestHelperForm", .clientWidth = 200, .clientHeight = 100}); }
};

class DialogHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Create()); }
  TMUI texts;
  HelperForm form{texts};
};

TEST_F(DialogHelpersTest, CheckAndCheckedRoundTripInsideAContainer) {
  ASSERT_NE(form.Control(kCheck), nullptr);
  EXPECT_FALSE(form.Checked(kCheck));
  form.Check(kCheck, true);
  EXPECT_TRUE(form.Checked(kCheck));
  EXPECT_EQ(SendMessageW(form.Control(kCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
  form.Check(kCheck, false);
  EXPECT_FALSE(form.Checked(kCheck));
  // A third state is not "checked".
  SendMessageW(form.Control(kCheck), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_FALSE(form.Checked(kCheck));
}

TEST_F(DialogHelpersTest, EnableAndShowChangeOnlyTheNamedControl) {
  form.EnableControl(kEdit, false);
  EXPECT_FALSE(IsWindowEnabled(form.Control(kEdit)));
  EXPECT_TRUE(IsWindowEnabled(form.Control(kCheck)));
  form.EnableControl(kEdit, true);
  EXPECT_TRUE(IsWindowEnabled(form.Control(kEdit)));

  const auto visible = [&](int id) { return (GetWindowLongW(form.Control(id), GWL_STYLE) & WS_VISIBLE) != 0; };
  form.ShowControl(kCheck, false);
  EXPECT_FALSE(visible(kCheck));
  EXPECT_TRUE(visible(kEdit));
  form.ShowControl(kCheck, true);
  EXPECT_TRUE(visible(kCheck));
}

TEST_F(DialogHelpersTest, ControlTextKeepsEveryCharacter) {
  const std::wstring texts[] = {L"", L"x", L"Заметка на завтра", std::wstring(3000, L'w') + L"end"};
  for (const std::wstring& text : texts) {
    form.SetControlText(kEdit, text);
    EXPECT_EQ(form.ControlText(kEdit), text) << text.size() << " characters";
  }
}
