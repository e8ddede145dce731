// Speed of the manager's lists: refilling the sticker grid with a full store
// and the task grid with a full task table, each refill drawn on screen.
// Prints "bench NAME VALUE UNIT".

#include <windows.h>

#include <memory>
#include <string>

#include "lang/button_texts.h"
#include "manager/manager_form_win.h"
#include "support/blank_glyphs.h"
#include "support/scheduler_fakes.h"
#include "win_bench_registry_win.h"

namespace {

struct NoCommands final : ManagerCommands {
  void NewSticker() override {}
  void ShowSticker(std::int32_t) override {}
  void HideSticker(std::int32_t) override {}
  void DeleteSticker(std::int32_t) override {}
  void DuplicateSticker(std::int32_t) override {}
  void ToggleFloating(std::int32_t) override {}
  void OpenSettings(std::int32_t) override {}
  void CreateShortcut(std::int32_t) override {}
  void RebuildShownStickers() override {}
  bool SaveTasks() override { return true; }
};

void FillStore(Tmassiv& store) {
  for (int i = 0; i < kStickerSlotCount; ++i) {
    StickerRecord r = NewStickerRecord(0x808080 + static_cast<Colour>(i));
    r.id = 1000 + i;
    r.visible = i % 2;
    r.floating = i % 3 == 0;
    SetStickerText(r, i % 16 == 0 ? "[3.2025/wmc]" : std::string("Note ") + std::to_string(i * 7919 % 1000) + " text");
    store.AddRecord(r);
  }
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    TaskRecord task = NewTask(46000.0 + slot / 24.0);
    task.kind = static_cast<std::uint8_t>(slot % 3);
    task.active = slot % 4 != 0;
    task.due = slot % 5 == 0;
    task.name.Assign("Task " + std::to_string(slot));
    store.WriteTask(slot, task);
  }
}

// One refill and the grid's painting, per run, with the window on screen.
double RefillTime(TFormManager& manager, int grid, bool tasks) {
  constexpr int kRuns = 50;
  return MicrosecondsPerRun(kRuns, [&] {
           tasks ? manager.RefillTasks() : manager.RefillStickers();
           UpdateWindow(manager.Control(grid));
         }) / 1000.0;
}

void RunManagerBenchmarks() {
  TMUI texts;
  auto store = std::make_unique<Tmassiv>();
  FillStore(*store);
  NoCommands commands;
  NoSchedulerActions actions;
  TFormPlan wizard(texts, *store);
  if (!wizard.Create()) return;
  TFormDialog dialog(texts, kOkText, kCancelText);
  if (!dialog.Create()) return;
  const MenuGlyphs menuGlyphs(BlankGlyphStrip, Colour{0});  // the rows draw pictures as the program's do
  struct Setting {
    const char* name;
    bool sort;
    int page;
    int grid;
  };
  for (const Setting& s : {Setting{"manager_refill_256_stickers", false, 0, TFormManager::kStickerGrid},
                           Setting{"manager_refill_256_stickers_sorted", true, 0, TFormManager::kStickerGrid},
                           Setting{"manager_refill_256_tasks", false, 1, TFormManager::kTaskGrid}}) {
    TFormManager manager(ManagerArgs{&texts, store.get(), &commands, &dialog, &actions, &wizard, &menuGlyphs, s.sort, s.page});
    if (!manager.Create()) return;
    manager.Open();
    Report(s.name, RefillTime(manager, s.grid, s.page == 1), "ms");
  }
}

const WinBenchRegistration registration(&RunManagerBenchmarks);

}  // namespace
