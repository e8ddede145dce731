// The scheduler over a full task table: a tick runs every second, with the
// catch-up of what fell due since the last one.

#include <memory>

#include "bench_registry.h"
#include "manager/scheduler.h"

namespace {

constexpr double kSecond = 1.0 / kSecondsPerDay;

struct SteppingClock final : Clock {
  DateTime local = 0;
  ClockReading Now() const override { return {local, local}; }
};

struct SilentActions final : SchedulerActions {
  void ShowSticker(std::int32_t) override {}
  void HideSticker(std::int32_t) override {}
  void DeleteSticker(std::int32_t) override {}
  void ShowBalloon(std::string_view) override {}
  bool ShowMessage(std::string_view) override { return true; }
  void SaveTasks() override {}
};

// A daily task every second from the start, so that most ticks fire one.
void Tick(benchmark::State& state) {
  auto store = std::make_unique<Tmassiv>();
  const DateTime start = EncodeDateTime({2026, 12, 8, 14, 20});
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    TaskRecord task = NewTask(start + slot * kSecond);
    task.kind = static_cast<std::uint8_t>(slot % 3);
    task.action = kTaskMessageBalloon;
    task.sticker_id = kNoTaskSticker;
    store->WriteTask(slot, task);
  }
  SteppingClock clock;
  clock.local = start;
  Scheduler scheduler(*store, clock);
  scheduler.Start();
  SilentActions actions;
  for (auto _ : state) {
    clock.local += kSecond;
    benchmark::DoNotOptimize(scheduler.Tick(actions));
  }
}

}  // namespace

void RegisterSchedulerBenchmarks(BenchLineReporter&) {
  Repeated(benchmark::RegisterBenchmark("scheduler_tick_256_tasks", Tick)->Unit(benchmark::kMicrosecond));
}
