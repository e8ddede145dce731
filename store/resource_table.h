#pragma once
// Every picture the program carries as a compressed "RESS" resource, with the
// size and depth its users rely on. The artwork generator checks its output
// against this table and the tests check the built program against it.

#include <span>
#include <string_view>

// Sizes are those of the 100 % set; the 150 % and 200 % sets hold the same
// pictures drawn larger (ScaledPictureSize).
struct ResourceEntry {
  const char* name;
  int width;
  int height;
  int bitsPerPixel;
  // A strip of cells this wide side by side (0: one picture). Each cell is
  // scaled on its own, so cells stay whole pixels at every scale.
  int cellWidth = 0;
  // Magenta marks the transparent pixels; scaling must never blend into it.
  bool colourKeyed = false;
};

std::span<const ResourceEntry> ResourceTable();
// The entry of a 100 % resource name (exact case); null when there is none.
const ResourceEntry* FindResourceEntry(std::string_view name);

struct PictureSize {
  int width, height;
  bool operator==(const PictureSize&) const = default;
};
// The size of a table picture drawn or resampled for `dpi`.
PictureSize ScaledPictureSize(const ResourceEntry& entry, int dpi);

// The resource name of built-in icon n (1..34): "BITMAP_" + (n - 1).
inline constexpr int kBuiltInIconCount = 34;
