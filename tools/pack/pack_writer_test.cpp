// The writer's packs read back through the program's own reader, and the
// command-line tool run as a user would.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "pack_writer.h"
#include "pixels/bmp_reader.h"
#include "store/picture_pack.h"
#include "support/bmp_samples.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void ExpectPack(const Bytes& pack, const std::vector<PackPicture>& pictures, const std::string& what) {
  TATBitmap list;
  const PackReadResult r = ReadPicturePack(pack, list);
  EXPECT_EQ(r.status, PackReadStatus::kComplete) << what;
  ASSERT_EQ(list.Count(), static_cast<int>(pictures.size())) << what;
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.NumberAt(i), pictures[static_cast<std::size_t>(i)].number) << what;
    const BmpReadResult want = ReadBmp(pictures[static_cast<std::size_t>(i)].bmp);
    ASSERT_TRUE(want.Ok());
    ASSERT_EQ(list.PictureAt(i).Width(), want.picture.Width()) << what;
    for (int y = 0; y < want.picture.Height(); ++y)
      for (int x = 0; x < want.picture.Width(); ++x) ASSERT_EQ(list.PictureAt(i).At(x, y), want.picture.At(x, y)) << what;
  }
}

TEST(PackWriter, PacksReadBackWithTheirNumbersAndPixels) {
  const std::vector<PackPicture> pictures = {
      {101, samples::GradientBmp32(3, 3)}, {150, samples::GradientBmp32(24, 20)}, {101, samples::GradientBmp32(1, 1)}};
  for (const bool compress : {false, true}) {
    const Bytes pack = WritePicturePack(pictures, compress);
    ASSERT_GE(pack.size(), 16u);
    EXPECT_EQ(pack[12], compress ? 1 : 0);
    std::size_t stored = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) stored += pack[16 + 12 * i + 4] | pack[16 + 12 * i + 5] << 8 | pack[16 + 12 * i + 6] << 16;
    EXPECT_EQ(pack.size(), 16 + 12 * pictures.size() + stored);  // data back to back, nothing else
    ExpectPack(pack, pictures, compress ? "compressed" : "plain");
  }
  ExpectPack(WritePicturePack({}, true), {}, "empty");
}

class PackTool : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tool = std::getenv("QUILLORY_PACK_TOOL");
    if (!tool) GTEST_SKIP() << "QUILLORY_PACK_TOOL names the built tool";
    tool_ = tool;
    folder_ = fs::temp_directory_path() / ("quillory_pack_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }
  std::string File(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return (folder_ / name).string();
  }
  int Run(const std::string& arguments) const { return std::system((tool_ + " " + arguments + " 2>/dev/null").c_str()); }
  Bytes Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string tool_;
  fs::path folder_;
};

TEST_F(PackTool, PacksTheFilesInTheOrderGiven) {
  const std::vector<PackPicture> pictures = {{150, samples::GradientBmp32(5, 4)}, {101, samples::GradientBmp32(2, 7)}};
  const std::string a = File("a.bmp", pictures[0].bmp), b = File("b.bmp", pictures[1].bmp);
  const std::string out = (folder_ / "out.qpk").string();
  ASSERT_EQ(Run("--compress " + out + " 150=" + a + " 101=" + b), 0);
  EXPECT_EQ(Read("out.qpk")[12], 1);
  ExpectPack(Read("out.qpk"), pictures, "--compress");
  ASSERT_EQ(Run(out + " 150=" + a + " 101=" + b), 0);
  EXPECT_EQ(Read("out.qpk")[12], 0);
  ExpectPack(Read("out.qpk"), pictures, "plain");
}

TEST_F(PackTool, RefusesWhatWouldMakeABrokenPack) {
  const std::string bmp = File("a.bmp", samples::GradientBmp32(2, 2));
  const std::string text = File("a.txt", Bytes{'h', 'i'});
  const std::string out = (folder_ / "bad.qpk").string();
  const std::vector<std::string> refused = {"", out + " 101", out + " =" + bmp, out + " 1o1=" + bmp, out + " 101=" + text,
                                            out + " 101=" + (folder_ / "missing.bmp").string()};
  for (const std::string& args : refused) EXPECT_NE(Run(args), 0) << args;
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
