// Writes the fuzzer's starting corpus: one small BMP of each depth and a few
// picture packs, generated so that nothing binary lives in the repository.
//
//   make_seeds FOLDER

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "support/bmp_samples.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds FOLDER\n";
    return 2;
  }
  using samples::BmpArgs;
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const std::vector<Pixel32> four = {{0, 0, 0, 0}, {255, 255, 255, 0}, {40, 80, 120, 0}, {200, 10, 10, 0}};
  const auto pattern = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2) * 0x80FFFFFFu + static_cast<std::uint32_t>(x); };
  const auto index = [](int x, int y) { return static_cast<std::uint32_t>((x * 3 + y) % 4); };

  const auto bmp32 = samples::MakeBmp(BmpArgs(32, 3, 2), pattern);
  const auto bmp24 = samples::MakeBmp(BmpArgs(24, 5, 2).TopDown(), pattern);
  const auto bmp8 = samples::MakeBmp(BmpArgs(8, 3, 3).Palette(four), index);
  const auto bmp4 = samples::MakeBmp(BmpArgs(4, 5, 1).Palette(four), index);
  const auto bmp1 = samples::MakeBmp(BmpArgs(1, 9, 2).Palette({four[0], four[1]}), [](int x, int) { return static_cast<std::uint32_t>(x % 2); });
  Write(folder / "bmp32", bmp32);
  Write(folder / "bmp24", bmp24);
  Write(folder / "bmp8", bmp8);
  Write(folder / "bmp4", bmp4);
  Write(folder / "bmp1", bmp1);
  Write(folder / "pack_plain", samples::MakePack({{101, bmp32}, {150, bmp8}, {102, bmp1}}, 0));
  Write(folder / "pack_zlib", samples::MakePack({{101, samples::Deflate(bmp32)}, {150, samples::Deflate(bmp24)}}, 1));
  Write(folder / "pack_empty", samples::MakePack({}, 0));
  Write(folder / "zlib", samples::Deflate(bmp4));
  return 0;
}
