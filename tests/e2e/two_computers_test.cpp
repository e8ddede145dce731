// Two computers on one data folder, each with Quillory running: the test's
// own program here, and a second one in a Wine prefix of its own (so another
// wineserver, as another computer would be) on the same portable program
// folder. The other one is driven by later starts there and by a user there
// (other_user.exe), and seen through base.db and that user's eyes.

#include <gtest/gtest.h>

#include <set>

#include "support/other_computer_win.h"
#include "support/sticker_program_win.h"

namespace {

// The other computer's changes arrive within this.
constexpr DWORD kMergeWait = 5000;
// The first new-sticker form lists every font of the system.
constexpr DWORD kFormWait = 30000;

class TwoComputers : public StickerProgram {
 protected:
  // Both programs run, each showing these notes.
  void StartBoth(const std::vector<StickerRecord>& records) {
    Start(records);
    ASSERT_TRUE(WaitForStickerWindows(Pid(), records.size()));
    ASSERT_TRUE(other.StartProgram(copy.Exe()));
    ASSERT_TRUE(other.User("shown " + std::to_string(records.size())));
  }
  // A note made here as a user makes one: a later start asks for it, OK on
  // the form. The program writes it before the form's handler returns.
  void MakeNoteHere() {
    RunningProgram later(copy.Exe(), L"new");
    ASSERT_TRUE(later.WaitForExit());
    HWND form = ShownWindow(L"TFormStickerMess", kFormWait);
    ASSERT_NE(form, nullptr);
    PostMessageW(form, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(form); }));
    ASSERT_TRUE(Answers(main));
  }
  void MakeNoteThere() {
    ASSERT_TRUE(other.LaterStart("new"));
    ASSERT_TRUE(other.User("accept-new"));
  }
  bool ShowsHere(std::size_t count) { return WaitForStickerWindows(Pid(), count, kMergeWait); }

  OtherComputer other;
};

TEST_F(TwoComputers, ANoteMadeHereShowsThereAndItsHideAllClosesItHere) {
  StartBoth({Placed(1, 100, 100)});
  MakeNoteHere();
  ASSERT_EQ(OnDisk().size(), 2u);
  ASSERT_TRUE(other.User("shown 2")) << "a note made here opens there";

  ASSERT_TRUE(other.LaterStart("hideall"));
  EXPECT_TRUE(ShowsHere(0)) << "their hide-all reaches this computer";
  const auto saved = OnDisk();
  EXPECT_EQ(saved.size(), 2u);
  EXPECT_TRUE(Ids(saved, true).empty());
}

TEST_F(TwoComputers, AHiddenNoteStaysHiddenAndADeletedOneStaysDeleted) {
  StartBoth({Placed(1, 100, 100), Placed(2, 400, 100), Placed(3, 700, 100)});
  ASSERT_TRUE(other.LaterStart("id=2"));  // hidden there
  ASSERT_TRUE(ShowsHere(2));
  ASSERT_EQ(WindowOf(2), nullptr);

  ChooseFromMenu(WindowOf(3), kMenuPlaceRemove);  // our next write: 3 deleted here
  ASSERT_TRUE(ShowsHere(1));
  ASSERT_TRUE(Eventually([&] { return Ids(OnDisk()) == std::set<std::int32_t>{1, 2}; }));
  EXPECT_EQ(Ids(OnDisk(), true), (std::set<std::int32_t>{1})) << "2 stays hidden after our write";
  EXPECT_TRUE(other.User("shown 1")) << "3 closes there";

  ASSERT_TRUE(other.LaterStart("id=1"));  // their next write
  EXPECT_TRUE(ShowsHere(0));
  const auto saved = OnDisk();
  EXPECT_EQ(Ids(saved), (std::set<std::int32_t>{1, 2})) << "3 stays deleted after their write";
  EXPECT_TRUE(Ids(saved, true).empty());
}

TEST_F(TwoComputers, BothClosedTheFileHoldsTheNotesMadeOnEach) {
  StartBoth({Placed(1, 100, 100)});
  MakeNoteThere();
  MakeNoteHere();  // may come before this program has heard of theirs

  ASSERT_TRUE(program->Close());
  ASSERT_TRUE(other.EndSession());
  const auto saved = OnDisk();
  EXPECT_EQ(saved.size(), 3u);
  EXPECT_EQ(Ids(saved, true).size(), 3u) << "three notes with ids of their own, all shown";
}

TEST_F(TwoComputers, WhatTheOtherWroteBeforeItsPowerWentStays) {
  StartBoth({Placed(1, 100, 100)});
  MakeNoteThere();
  ASSERT_TRUE(ShowsHere(2));
  other.PullThePlug();

  MakeNoteHere();
  ASSERT_TRUE(program->Close());
  EXPECT_EQ(Ids(OnDisk(), true).size(), 3u);
}

}  // namespace
