// The scheduler's computation of the next event over a full task table: it
// runs every second and after every change.

#include <memory>

#include "bench_registry.h"
#include "manager/scheduler.h"

namespace {

void ComputeNextEvent(benchmark::State& state) {
  auto store = std::make_unique<Tmassiv>();
  const DateTime now = EncodeDateTime({2026, 12, 8, 14, 20});
  for (int slot = 0; slot < kTaskSlotCount; ++slot) {
    TaskRecord task = NewTask(now + slot / 1440.0);
    task.kind = static_cast<std::uint8_t>(slot % 3);
    store->WriteTask(slot, task);
  }
  Scheduler scheduler(*store);
  for (auto _ : state) {
    scheduler.ComputeNextEvent(now);
    benchmark::DoNotOptimize(scheduler.NextEvent());
  }
}

}  // namespace

void RegisterSchedulerBenchmarks(BenchLineReporter&) {
  Repeated(benchmark::RegisterBenchmark("scheduler_next_event_256_tasks", ComputeNextEvent)->Unit(benchmark::kMicrosecond));
}
