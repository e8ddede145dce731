// The program's icon as the generator writes it, read back byte by byte: the
// icon file a resource compiler and Explorer take, and the line of the
// resource script that makes it the program's first icon group.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/png_codec.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::array<int, 16> kSizes = {16, 20, 24, 28, 30, 32, 36, 40, 48, 56, 64, 72, 80, 96, 128, 256};

std::uint32_t Get16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t Get32(const Bytes& b, std::size_t at) { return Get16(b, at) | Get16(b, at + 2) << 16; }

struct Entry {
  int width, height, planes, bits;
  std::uint32_t bytes, offset;
};

// Runs the generator once into a private folder and keeps what it wrote.
class ProgramIconFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* tool = std::getenv("QUILLORY_ARTWORK_TOOL");
    if (!tool) return;
    folder_ = fs::temp_directory_path() / ("quillory_icon_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder_);
    ran_ = std::system((std::string(tool) + " " + folder_.string()).c_str()) == 0;
    std::ifstream in(folder_ / "MAINICON.ico", std::ios::binary);
    ico_ = Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::ifstream script(folder_ / "artwork.rc");
    std::getline(script, firstLine_);
  }
  static void TearDownTestSuite() {
    if (!folder_.empty()) fs::remove_all(folder_);
  }
  void SetUp() override {
    if (!std::getenv("QUILLORY_ARTWORK_TOOL")) GTEST_SKIP() << "QUILLORY_ARTWORK_TOOL names the built generator";
    ASSERT_TRUE(ran_) << "the generator failed";
    ASSERT_GE(ico_.size(), 6u + 16 * kSizes.size()) << "no icon file, or a truncated one";
  }

  static Entry EntryAt(std::size_t i) {
    const std::size_t at = 6 + 16 * i;
    return {ico_.at(at) ? ico_.at(at) : 256, ico_.at(at + 1) ? ico_.at(at + 1) : 256, static_cast<int>(Get16(ico_, at + 4)),
            static_cast<int>(Get16(ico_, at + 6)), Get32(ico_, at + 8), Get32(ico_, at + 12)};
  }
  static Bytes Image(std::size_t i) {
    const Entry e = EntryAt(i);
    return Bytes(ico_.begin() + e.offset, ico_.begin() + e.offset + e.bytes);
  }

  static inline fs::path folder_;
  static inline bool ran_ = false;
  static inline Bytes ico_;
  static inline std::string firstLine_;
};

TEST_F(ProgramIconFile, DirectoryListsEverySizeSmallestFirstWithinTheFile) {
  EXPECT_EQ(Get16(ico_, 0), 0u);
  EXPECT_EQ(Get16(ico_, 2), 1u) << "type 1 is an icon";
  ASSERT_EQ(Get16(ico_, 4), kSizes.size());
  std::uint32_t next = 6 + 16 * kSizes.size();  // images back to back after the directory
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    const Entry e = EntryAt(i);
    EXPECT_EQ(e.width, kSizes[i]) << "entry " << i;
    EXPECT_EQ(e.height, kSizes[i]) << "entry " << i;
    EXPECT_EQ(e.planes, 1) << "entry " << i;
    EXPECT_EQ(e.bits, 32) << "entry " << i;
    EXPECT_EQ(e.offset, next) << "entry " << i;
    ASSERT_LE(std::uint64_t{e.offset} + e.bytes, ico_.size()) << "entry " << i << " runs past the end";
    next = e.offset + e.bytes;
  }
  EXPECT_EQ(next, ico_.size()) << "bytes after the last image";
}

TEST_F(ProgramIconFile, LargestImageIsAPngWithAlpha) {
  const Bytes png = Image(kSizes.size() - 1);
  ASSERT_GE(png.size(), png::kSignature.size());
  EXPECT_TRUE(std::equal(png::kSignature.begin(), png::kSignature.end(), png.begin()));
  const auto picture = png::Decode(png);
  ASSERT_TRUE(picture.has_value()) << "the PNG does not decode";
  ASSERT_EQ(picture->Width(), 256);
  ASSERT_EQ(picture->Height(), 256);
  int opaque = 0, clear = 0, soft = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const std::uint8_t alpha = picture->At(x, y).a;
      opaque += alpha == 255;
      clear += alpha == 0;
      soft += alpha > 0 && alpha < 255;
    }
  EXPECT_GT(opaque, 256 * 256 / 3);
  EXPECT_GT(clear, 256);
  EXPECT_GT(soft, 256) << "anti-aliased edges and a shadow";
}

TEST_F(ProgramIconFile, SmallerImagesAreDoubleHeightDibsWithAMaskThatFollowsTheAlpha) {
  for (std::size_t i = 0; i + 1 < kSizes.size(); ++i) {
    SCOPED_TRACE("size " + std::to_string(kSizes[i]));
    const int n = kSizes[i];
    const std::uint32_t maskRow = (static_cast<std::uint32_t>(n) + 31) / 32 * 4;
    const Bytes dib = Image(i);
    ASSERT_EQ(dib.size(), 40 + 4u * n * n + maskRow * n);
    EXPECT_EQ(Get32(dib, 0), 40u);
    EXPECT_EQ(Get32(dib, 4), static_cast<std::uint32_t>(n));
    EXPECT_EQ(Get32(dib, 8), static_cast<std::uint32_t>(2 * n)) << "colour rows and mask rows";
    EXPECT_EQ(Get16(dib, 12), 1u);
    EXPECT_EQ(Get16(dib, 14), 32u);
    EXPECT_EQ(Get32(dib, 16), 0u) << "uncompressed";
    int opaque = 0, clear = 0;
    for (int row = 0; row < n; ++row)
      for (int x = 0; x < n; ++x) {
        const std::uint8_t alpha = dib[40 + 4 * (static_cast<std::size_t>(row) * n + x) + 3];
        const std::uint8_t maskByte = dib[40 + 4u * n * n + row * maskRow + x / 8];
        const bool masked = (maskByte >> (7 - x % 8)) & 1;
        ASSERT_EQ(masked, alpha < 128) << "pixel " << x << " of row " << row << " from the bottom, alpha " << int{alpha};
        opaque += alpha == 255;
        clear += alpha == 0;
      }
    EXPECT_GT(opaque, n * n / 3);
    EXPECT_GT(clear, n);
  }
}

// The three smallest sizes are drawn pixel by pixel: no soft edges, and a dark
// rim wherever the icon meets the task bar, so it stands out on a light one
// (its yellow and light blue carry it on a dark one).
TEST_F(ProgramIconFile, SmallestSizesAreCrispWithADarkRim) {
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE("size " + std::to_string(kSizes[i]));
    const int n = kSizes[i];
    const Bytes dib = Image(i);
    const auto pixel = [&](int x, int y) { return &dib[40 + 4 * (static_cast<std::size_t>(n - 1 - y) * n + x)]; };
    const auto clear = [&](int x, int y) { return x < 0 || y < 0 || x >= n || y >= n || pixel(x, y)[3] == 0; };
    int bright = 0;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        const std::uint8_t* p = pixel(x, y);
        ASSERT_TRUE(p[3] == 0 || p[3] == 255) << "soft pixel at " << x << ", " << y;
        if (p[3] == 0) continue;
        const int luma = (p[2] * 299 + p[1] * 587 + p[0] * 114) / 1000;
        bright += luma > 160;
        const bool edge = clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1);
        if (edge) {
          EXPECT_LT(luma, 100) << "light edge pixel at " << x << ", " << y;
        }
      }
    EXPECT_GT(bright, n * n / 4);
  }
}

TEST_F(ProgramIconFile, ResourceScriptNamesItFirst) {
  EXPECT_EQ(firstLine_, "MAINICON ICON \"" + fs::absolute(folder_ / "MAINICON.ico").generic_string() + "\"");
}

}  // namespace
