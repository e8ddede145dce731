// A calendar sticker of the current month follows the date: when the
// manager's scheduler sees midnight pass on the program's clock, every shown
// sticker is rebuilt and the calendar shows the new day and month. The
// sticker windows, the manager and its timer are the program's own; only the
// clock is the test's.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/sticker_operations_win.h"
#include "lang/button_texts.h"
#include "manager/manager_form_win.h"
#include "support/fixed_clock.h"
#include "support/golden_picture_win.h"
#include "support/same_pictures.h"
#include "support/scheduler_fakes.h"
#include "support/sticker_artwork_win.h"
#include "support/sticker_samples.h"
#include "support/wait_win.h"
#include "support/window_search_win.h"

namespace {

// The main window's part in a change of date: the shown stickers rebuild.
struct DateChangeCommands final : ManagerCommands {
  StickerOperations* stickers = nullptr;  // not owned
  void NewSticker() override {}
  void ShowSticker(std::int32_t) override {}
  void HideSticker(std::int32_t) override {}
  void DeleteSticker(std::int32_t) override {}
  void DuplicateSticker(std::int32_t) override {}
  void ToggleFloating(std::int32_t) override {}
  void OpenSettings(std::int32_t) override {}
  void CreateShortcut(std::int32_t) override {}
  void RebuildShownStickers() override { stickers->RedrawAll(); }
  bool SaveTasks() override { return true; }
};

class CalendarAtMidnight : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuiltArtwork::Get().Loaded());
    ContentSources art = BuiltArtwork::Get().Sources();
    art.texts = &texts;
    art.clock = &clock;
    stickers = std::make_unique<StickerOperations>(StickerOperationsArgs{
        store.get(), art, &texts, &menuGlyphs, owner.Get(), [] { return true; }, [] {}, [] {},
        [](std::int32_t, const StickerRecord&) {}, [](std::int32_t, const StickerRecord&) {}});
    commands.stickers = stickers.get();
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(wizard.Create());
  }

  // Shows the calendar and starts the manager, whose scheduler reads the clock from now on.
  HWND ShowCalendar(const char* notation) {
    StickerRecord calendar = MakeSticker(1);
    calendar.left = calendar.top = 100;
    SetStickerText(calendar, notation);
    store->AddRecord(calendar);
    stickers->ShowLoaded();
    manager = std::make_unique<TFormManager>(ManagerArgs{&texts, store.get(), &commands, &dialog, &actions, &wizard,
                                                         &menuGlyphs, false, 0, &clock});
    if (!manager->Create()) return nullptr;
    const auto shown = TopLevelWindows({L"TStickForm", GetCurrentProcessId(), true});
    return shown.size() == 1 ? shown.front() : nullptr;
  }

  static std::wstring Title(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
  }
  static int Height(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
  }
  static Picture32 Shot(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return SettledScreenPicture(r);
  }

  FixedClock clock;
  TMUI texts;
  std::unique_ptr<Tmassiv> store = std::make_unique<Tmassiv>();
  MenuGlyphs menuGlyphs;
  UniqueWindow owner{CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)};
  std::unique_ptr<StickerOperations> stickers;
  DateChangeCommands commands;
  NoSchedulerActions actions;
  TFormDialog dialog{texts, kOkText, kCancelText};
  TFormPlan wizard{texts, *store};
  std::unique_ptr<TFormManager> manager;
};

// January 2027 spans five weeks, February 2027 four: the new month shows in
// the sticker's height and name.
TEST_F(CalendarAtMidnight, ANewMonthShowsWithinASecondOfMidnight) {
  clock.local = EncodeDateTime({2027, 1, 31, 23, 59, 58});
  HWND calendar = ShowCalendar("[n/]");
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(Title(calendar), L"January 2027");
  const int january = Height(calendar);
  clock.local = EncodeDateTime({2027, 2, 1, 0, 0, 1});
  EXPECT_TRUE(Eventually([&] { return Title(calendar) == L"February 2027"; })) << Title(calendar).size();
  EXPECT_LT(Height(calendar), january);
}

// Within a month only the ring around today moves.
TEST_F(CalendarAtMidnight, TheMarkOfTodayMovesOnToTheNextDay) {
  clock.local = EncodeDateTime({2027, 3, 9, 23, 59, 59});
  HWND calendar = ShowCalendar("[n/c]");
  ASSERT_NE(calendar, nullptr);
  const Picture32 ninth = Shot(calendar);
  clock.local = EncodeDateTime({2027, 3, 10, 0, 0, 1});
  EXPECT_TRUE(Eventually([&] { return !SamePixels(Shot(calendar), ninth); }));
  EXPECT_EQ(Title(calendar), L"March 2027");
}

}  // namespace
