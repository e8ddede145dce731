// Long use of a running Quillory.exe, driven from outside as a user would:
// 255 stickers opened and closed 20 times, one sticker redrawn 10,000 times,
// every dialog opened and closed 100 times, the language switched 100 times,
// while reminders of the scheduler fall due every half minute.
// The process's object counts and memory are read after a first round of
// everything (so that what is made once, such as the manager and the fonts,
// is counted on both sides) and again at the end; they must stay flat.
//
// Wine counts no GDI or USER objects per process (GetGuiResources answers 0).
// There the GDI objects are counted in the process's GDI handle table, which
// Wine keeps as Windows does (its address in the process block), and the
// windows of the process, child windows included, stand for the USER objects.
// The working set and the committed memory catch what the counts miss.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "manager/manager_form_win.h"
#include "manager/reminder_form_win.h"
#include "store/local_time_win.h"
#include "store/task_record.h"
#include "support/sticker_program_win.h"

namespace {

constexpr UINT kTrayCallbackMessage = 1124;
// One slot stays free: with a full store, New sticker says so instead of
// opening its form.
constexpr int kStickers = kStickerSlotCount - 1, kOpenRounds = 20, kRedraws = 10000, kDialogRounds = 100,
              kLanguageRounds = 100;
// Reminders due every half minute from the start, all within the first rounds.
constexpr int kReminders = 8;
constexpr double kReminderSpacingSeconds = 30;
// Growth allowed between the first round and the end.
constexpr long long kWindowMargin = 0, kObjectMargin = 16;
constexpr double kMemoryMarginMegabytes = 16;

struct Usage {
  long long gdi = 0, user = 0, windows = 0;
  double workingSetMegabytes = 0, committedMegabytes = 0;
};

// The GDI handle table: one entry per handle, the object's address first and
// its type at byte 14; a free entry has neither.
constexpr std::size_t kGdiTableEntries = 0x10000, kGdiEntrySize = 24, kGdiTypeOffset = 14;
constexpr std::size_t kPebGdiTableOffset = 0xF8;

long long GdiObjectsInTable(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), &length) != 0) return 0;
  std::uint64_t table = 0;
  const auto* tableField = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + kPebGdiTableOffset;
  if (!ReadProcessMemory(process, tableField, &table, sizeof(table), nullptr) || table == 0) return 0;
  std::vector<std::uint8_t> entries(kGdiTableEntries * kGdiEntrySize);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
    return 0;
  long long used = 0;
  for (std::size_t i = 0; i < kGdiTableEntries; ++i) {
    const std::uint8_t* entry = entries.data() + i * kGdiEntrySize;
    std::uint64_t object = 0;
    std::memcpy(&object, entry, sizeof(object));
    if (object != 0 && entry[kGdiTypeOffset] != 0) ++used;
  }
  return used;
}

// Every window of the process, child windows included.
long long WindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    long long count;
  } search{processId, 0};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId) return TRUE;
        ++s->count;
        EnumChildWindows(
            window, [](HWND, LPARAM count) -> BOOL { return ++*reinterpret_cast<long long*>(count) > 0; },
            reinterpret_cast<LPARAM>(&s->count));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}

Usage UsageOf(DWORD processId) {
  Usage usage;
  UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return usage;
  usage.gdi = GetGuiResources(process.Get(), GR_GDIOBJECTS);
  if (usage.gdi == 0) usage.gdi = GdiObjectsInTable(process.Get());
  usage.user = GetGuiResources(process.Get(), GR_USEROBJECTS);
  usage.windows = WindowsOf(processId);
  PROCESS_MEMORY_COUNTERS memory{sizeof(memory)};
  if (GetProcessMemoryInfo(process.Get(), &memory, sizeof(memory))) {
    usage.workingSetMegabytes = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    usage.committedMegabytes = static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);
  }
  return usage;
}

void Print(const char* when, const Usage& u) {
  std::printf("soak %-12s gdi %5lld  user %5lld  windows %5lld  working set %7.1f MB  committed %7.1f MB\n", when,
              u.gdi, u.user, u.windows, u.workingSetMegabytes, u.committedMegabytes);
  std::fflush(stdout);
}

class Soak : public StickerProgram {
 protected:
  // Every sticker hidden but the first, which the redraws use.
  void StartWithManyStickers() {
    WriteText(copy.File(L"config.txt"),
              "[Base]\r\nportable=yes\r\n[Language]\r\nDefualtLanguageEng=1\r\nDefualtLanguageRus=0\r\n");
    std::vector<StickerRecord> records;
    for (int i = 0; i < kStickers; ++i) records.push_back(Placed(i + 1, 40 + (i % 16) * 52, 40 + (i / 16) * 40, i == 0));
    std::vector<TaskRecord> reminders;
    for (int i = 1; i <= kReminders; ++i) {
      TaskRecord task = NewTask(LocalNow() + i * kReminderSpacingSeconds / kSecondsPerDay);
      task.action = kTaskMessageWindow;
      task.message.Assign(ReminderText(i));
      reminders.push_back(task);
    }
    std::vector<std::uint8_t> plan(reminders.size() * kTaskRecordSize);
    std::memcpy(plan.data(), reminders.data(), plan.size());
    WriteBytes(copy.File(L"plan.db"), plan);
    Start(records);
    ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  }

  void OpenAndCloseEverySticker() {
    Instance(kInstanceShowAll, kInstanceShowAll);
    ASSERT_TRUE(WaitForStickerWindows(Pid(), kStickers, 60000));
    Instance(kInstanceHideAll, kInstanceHideAll);
    ASSERT_TRUE(Eventually([&] { return StickerWindowsOf(Pid()).empty(); }, 60000))
        << StickerWindowsOf(Pid()).size() << " sticker windows stay open";
    Instance(kInstanceToggleSticker, 1);
    ASSERT_TRUE(WaitForStickerWindows(Pid(), 1));
  }

  void Redraw(int times) {
    HWND sticker = WindowOf(1);
    ASSERT_NE(sticker, nullptr);
    for (int i = 0; i < times; ++i) Command(sticker, i % 10 == 0 ? kStickerCommandRebuild : kStickerCommandRedraw);
  }

  // Opens a dialog by `open`, waits for the window of that class to show,
  // closes it as Esc or Alt+F4 would and waits for it to go.
  void OpenAndClose(const wchar_t* className, const std::function<void()>& open) {
    open();
    HWND dialog = ShownWindow(className);
    ASSERT_NE(dialog, nullptr) << "no " << Utf8(className);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Eventually([&] { return TopLevelWindows({className, Pid(), true}).empty(); }, 10000))
        << Utf8(className) << " stays";
  }

  HWND Manager() { return ShownWindow(L"TFormManager"); }
  void Click(int id) { PostMessageW(ControlById(Manager(), id), BM_CLICK, 0, 0); }

  // The tray menu, walked with the arrow keys as a user would once it has
  // the keyboard.
  void ChooseFromTrayMenu(std::initializer_list<WORD> keys) {
    PostMessageW(TopLevelWindows({L"TTrayIconAdv", Pid()}).front(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
    ASSERT_TRUE(WaitForMenuKeys(Pid()));
    for (WORD key : keys) PressKeys({key});
    ASSERT_TRUE(Eventually([&] { return TopLevelWindows({L"#32768", Pid(), true}).empty(); }));
  }

  void OpenEveryDialog() {
    using F = TFormManager;
    OpenAndClose(L"TFormStickerMess", [&] { program->SendUserCommand(kUserNewSticker, kUserNewStickerArgument); });
    OpenAndClose(L"TFormManager", [&] { Instance(kInstanceShowManager, kInstanceShowManager); });
    Instance(kInstanceShowManager, kInstanceShowManager);
    OpenAndClose(L"TSettingsForm", [&] { Click(F::kStickerSettingsButton); });
    OpenAndClose(L"TFormDialog", [&] { Click(F::kDeleteStickerButton); });
    OpenAndClose(L"TFormPlan", [&] { Click(F::kNewTaskButton); });
    PostMessageW(Manager(), WM_CLOSE, 0, 0);
    OpenAndClose(L"TAboutForm", [&] { ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_RETURN}); });
  }

  // Russian, then English again.
  void SwitchLanguage() {
    ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_UP, VK_RETURN});
    ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN});
  }

  // A click on the first row of the sticker grid, so that Edit and Delete
  // have a sticker to work on.
  void SelectFirstStickerRow() {
    HWND grid = ControlById(Manager(), TFormManager::kStickerGrid);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(grid, LVM_GETHEADER, 0, 0)), &header);
    ClickWithMouse({header.left + 120, header.bottom + 5});
    ASSERT_TRUE(Eventually([&] { return IsWindowEnabled(ControlById(Manager(), TFormManager::kStickerSettingsButton)) != FALSE; }));
  }

  // A round of everything, each part repeated as often as asked.
  void Round(int openRounds, int redraws, int dialogRounds, int languageRounds) {
    for (int i = 0; i < openRounds && !HasFatalFailure(); ++i) OpenAndCloseEverySticker();
    Report("stickers");
    Redraw(redraws);
    Report("redraws");
    for (int i = 0; i < dialogRounds && !HasFatalFailure(); ++i) OpenEveryDialog();
    Report("dialogs");
    for (int i = 0; i < languageRounds / 2 && !HasFatalFailure(); ++i) SwitchLanguage();
    Report("languages");
  }

  static std::string ReminderText(int number) { return "Reminder " + std::to_string(number); }

  // The reminders on screen are read and closed as the user closes them.
  void CloseReminders() {
    for (HWND reminder : TopLevelWindows({L"TReminderForm", Pid(), true})) {
      char text[64] = {};
      GetWindowTextA(GetDlgItem(reminder, TReminderForm::kTextLabel), text, sizeof text);
      remindersSeen.push_back(text);
      PostMessageW(reminder, WM_CLOSE, 0, 0);
      ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(reminder); }));
    }
  }

  void Report(const char* part) {
    CloseReminders();
    Print(part, UsageOf(Pid()));
  }

  std::vector<std::string> remindersSeen;  // in the order they were closed

  static std::string Utf8(const wchar_t* text) { return std::string(text, text + wcslen(text)); }
};

TEST_F(Soak, LongUseLeavesTheObjectCountsAndMemoryFlat) {
  StartWithManyStickers();
  ASSERT_FALSE(HasFatalFailure());
  const Usage start = UsageOf(Pid());
  Print("start", start);
  Instance(kInstanceShowManager, kInstanceShowManager);  // the first row selected, for Edit and Delete
  SelectFirstStickerRow();
  Round(1, 100, 1, 2);
  ASSERT_FALSE(HasFatalFailure());
  const Usage warm = UsageOf(Pid());
  Print("first round", warm);
  Round(kOpenRounds, kRedraws, kDialogRounds, kLanguageRounds);
  ASSERT_FALSE(HasFatalFailure());
  const Usage end = UsageOf(Pid());
  Print("end", end);

  EXPECT_LE(end.windows, warm.windows + kWindowMargin);
  EXPECT_LE(end.gdi, warm.gdi + kObjectMargin);
  EXPECT_LE(end.user, warm.user + kObjectMargin);
  EXPECT_LE(end.workingSetMegabytes, warm.workingSetMegabytes + kMemoryMarginMegabytes);
  EXPECT_LE(end.committedMegabytes, warm.committedMegabytes + kMemoryMarginMegabytes);
  EXPECT_EQ(program->SendUserCommand(kUserCountStickers), kStickers);  // nothing lost on the way
  // Every reminder came, once, whatever the program was busy with.
  ASSERT_TRUE(Eventually([&] {
    CloseReminders();
    return remindersSeen.size() >= static_cast<std::size_t>(kReminders);
  }, static_cast<DWORD>(kReminders * kReminderSpacingSeconds * 1000)));
  CloseReminders();
  std::printf("soak reminders %zu seen:", remindersSeen.size());
  for (const std::string& text : remindersSeen) std::printf(" [%s]", text.c_str());
  std::printf("\n");
  std::vector<std::string> expected, seen = remindersSeen;
  for (int i = 1; i <= kReminders; ++i) expected.push_back(ReminderText(i));
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, expected);
}

}  // namespace
