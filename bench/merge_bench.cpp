// Merging another computer's base.db into a full store, as happens before a
// write when the file changed: a third of the stickers changed on each side,
// a sixth on both (texts that come in beside ours and find the store full).
// And the hash that tells whether the file changed at all.

#include <memory>
#include <string>
#include <vector>

#include "bench_registry.h"
#include "store/database_merge.h"
#include "store/file_snapshot.h"
#include "store/sticker_database.h"

namespace {

struct FullStores {
  std::vector<std::uint8_t> base, theirs;
  std::unique_ptr<Tmassiv> ours = std::make_unique<Tmassiv>();
};

FullStores MakeFullStores() {
  FullStores s;
  Tmassiv base, theirs;
  for (int i = 0; i < kStickerSlotCount; ++i) {
    StickerRecord r = NewStickerRecord(0x405060);
    r.id = 1'700'000'000 + i;
    r.visible = 1;
    r.left = i;
    r.top = 2 * i;
    SetStickerText(r, "A note of a few words, number " + std::to_string(i) + ", with a second line\r\nhere.");
    base.AddRecord(r);
    if (i % 3 == 0) {
      r.left += 40;
      SetStickerText(r, "Changed here " + std::to_string(i));
    }
    s.ours->AddRecord(r);
    r = base.Sticker(i);
    if (i % 6 == 0 || i % 6 == 1) {
      r.color = 0x102030;
      SetStickerText(r, "Changed there " + std::to_string(i));
    }
    theirs.AddRecord(r);
  }
  s.base = BuildDatabaseImage(base);
  s.theirs = BuildDatabaseImage(theirs);
  return s;
}

void Merge256By256(benchmark::State& state) {
  const FullStores stores = MakeFullStores();
  auto store = std::make_unique<Tmassiv>();
  for (auto _ : state) {
    state.PauseTiming();
    *store = *stores.ours;
    state.ResumeTiming();
    benchmark::DoNotOptimize(MergeDatabaseImage(*store, stores.base, stores.theirs));
  }
}

void HashFullDatabase(benchmark::State& state) {
  const FullStores stores = MakeFullStores();
  for (auto _ : state) benchmark::DoNotOptimize(ContentHash(stores.theirs));
}

}  // namespace

void RegisterMergeBenchmarks(BenchLineReporter&) {
  Repeated(benchmark::RegisterBenchmark("merge_256_by_256", Merge256By256)->Unit(benchmark::kMillisecond));
  Repeated(benchmark::RegisterBenchmark("hash_full_base_db", HashFullDatabase)->Unit(benchmark::kMillisecond));
}
