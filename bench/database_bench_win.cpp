// Speed of the sticker database: building and taking apart a full store's
// image, and writing it crash-safely versus in place. Prints "bench NAME VALUE UNIT".

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "win/handles_win.h"
#include "win/file_io_win.h"
#include "store/sticker_database.h"
#include "win_bench_registry_win.h"

namespace {

// What the file write did before it was made crash-safe: truncate and rewrite.
void WriteInPlace(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file && WriteAll(file.Get(), bytes) != 0) std::fprintf(stderr, "in-place write failed\n");
}

}  // namespace

int main() {
  auto store = std::make_unique<Tmassiv>();
  for (int i = 0; i < kStickerSlotCount; ++i) {
    StickerRecord r = NewStickerRecord(0x808080);
    r.id = i + 1;
    SetStickerText(r, std::string(1000, 'a' + i % 26));
    store->AddRecord(r);
  }
  const auto image = BuildDatabaseImage(*store);
  constexpr int kRuns = 200;
  Report("database_build_full_store", MicrosecondsPerRun(kRuns, [&] { (void)BuildDatabaseImage(*store).size(); }), "us");
  auto target = std::make_unique<Tmassiv>();
  Report("database_load_full_store", MicrosecondsPerRun(kRuns, [&] {
           target->ResetStickers();
           std::int32_t none = 0;
           LoadDatabaseImage(image, *target, none);
         }), "us");

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"quillory_bench_base.db";
  constexpr int kWrites = 50;
  const double atomic = MicrosecondsPerRun(kWrites, [&] {
    if (WriteFileAtomically(path, image) != 0) std::fprintf(stderr, "atomic write failed\n");
  });
  const double inPlace = MicrosecondsPerRun(kWrites, [&] { WriteInPlace(path, image); });
  const double read = MicrosecondsPerRun(kWrites, [&] { (void)ReadWholeFile(path, image.size()).bytes.size(); });
  DeleteFileW(path.c_str());
  Report("database_write_atomic_full_store", atomic, "us");
  Report("database_write_in_place_full_store", inPlace, "us");
  Report("database_write_atomic_vs_in_place", atomic / inPlace, "ratio");
  Report("database_read_full_store", read, "us");
  // Then the sets of the other benchmark files.
  for (WinBenchSet set : WinBenchSets()) set();
  return 0;
}
