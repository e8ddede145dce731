// Start-up with damaged and odd picture packs beside the program: the packs
// are untrusted files, and start-up must go on whatever they hold.

#include <gtest/gtest.h>

#include "protocol/messages.h"
#include "support/bmp_samples.h"
#include "support/program_run_win.h"
#include "support/temp_folder_win.h"

namespace {

TEST(PicturePackStart, DamagedPacksAndAFolderNamedLikeAPackDoNotStopStartUp) {
  ProgramCopy copy;
  const std::wstring pic = copy.File(L"pic\\");
  CreateDirectoryW(pic.c_str(), nullptr);
  const auto bmp = samples::GradientBmp32(16, 16);
  auto cut = samples::MakePack({{101, bmp}, {102, bmp}}, 0);
  cut.resize(cut.size() - 7);
  auto wideBmp = bmp;
  samples::Poke32(wideBmp, 18, 0x7FFFFFFF);
  WriteBytes(pic + L"a_cut.qpk", cut);
  WriteBytes(pic + L"b_absurd_count.qpk", samples::MakePack({{103, bmp}}, 0, 0x7FFFFFFF));
  WriteBytes(pic + L"c_absurd_size.qpk", samples::MakePack({{104, bmp, 0x7FFFFFF0}}, 1));
  WriteBytes(pic + L"d_bad_zlib.qpk", samples::MakePack({{105, std::vector<std::uint8_t>(64, 0xEE)}}, 1));
  WriteBytes(pic + L"e_wide.qpk", samples::MakePack({{106, wideBmp}}, 0));
  WriteBytes(pic + L"f_short.qpk", std::vector<std::uint8_t>{1, 0, 0});
  WriteBytes(pic + L"g_good.QPK", samples::MakePack({{150, samples::Deflate(bmp)}}, 1));
  CreateDirectoryW((pic + L"x.qpk").c_str(), nullptr);
  // A small pack that would decode to gigabytes: 1-bit pictures of 4096 x 4096,
  // and pictures of the largest side a sticker shows, far beyond the budget.
  const auto oneBit = [](int side) {
    return samples::Deflate(samples::MakeBmp(samples::BmpArgs(1, side, side).Palette({{0, 0, 0, 0}, {255, 255, 255, 0}}),
                                             [](int, int) { return 0u; }));
  };
  std::vector<samples::PackEntry> huge, edge;
  for (int i = 0; i < 100; ++i) huge.push_back({200 + i, oneBit(4096)});  // 6.4 GB decoded
  for (int i = 0; i < 300; ++i) edge.push_back({700 + i, oneBit(512)});
  WriteBytes(pic + L"h_huge.qpk", samples::MakePack(huge, 1));
  WriteBytes(pic + L"i_edge.qpk", samples::MakePack(edge, 1));

  RunningProgram program(copy.Exe());
  ASSERT_NE(program.MainWindow(), nullptr);
  // The whole start-up ran: the main window answers and the stickers are loaded.
  EXPECT_EQ(program.SendUserCommand(kUserVersionProbe), kVersionProbeAnswer);
  EXPECT_EQ(program.SendUserCommand(kUserCountStickers), 0);
  ASSERT_TRUE(program.Close());
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
