#pragma once
// Every picture the program carries as a compressed "RESS" resource, with the
// size and depth its users rely on. The artwork generator checks its output
// against this table and the tests check the built program against it.

#include <span>

struct ResourceEntry {
  const char* name;
  int width;
  int height;
  int bitsPerPixel;
};

std::span<const ResourceEntry> ResourceTable();

// The resource name of built-in icon n (1..34): "BITMAP_" + (n - 1).
inline constexpr int kBuiltInIconCount = 34;
