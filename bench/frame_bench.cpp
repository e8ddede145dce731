// Building each style's frame, from the generated artwork, at three content sizes.

#include <cmath>
#include <map>
#include <string>

#include "artwork_set.h"
#include "bench_registry.h"
#include "sticker/frame_builders.h"

namespace {

struct ContentSize {
  int width, height;
};
constexpr ContentSize kSizes[] = {{240, 60}, {480, 300}, {1024, 786}};

std::map<std::string, Picture24, std::less<>>& Skins() {
  static std::map<std::string, Picture24, std::less<>> skins = [] {
    ArtworkSet set;
    DrawSkins(set);
    std::map<std::string, Picture24, std::less<>> pictures;
    for (const auto& [name, image] : set.Pictures()) {
      Picture24 p(image.Width(), image.Height());
      for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
          const Rgba c = image.At(x, y);
          const auto to8 = [&](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v * c.a, 0.0f, 1.0f) * 255)); };
          p.At(x, y) = {to8(c.b), to8(c.g), to8(c.r)};
        }
      pictures.emplace(name, std::move(p));
    }
    return pictures;
  }();
  return skins;
}

void BuildFrame(benchmark::State& state, int style, ContentSize size) {
  const SkinLookup lookup = [](std::string_view name) -> const Picture24* {
    const auto it = Skins().find(name);
    return it == Skins().end() ? nullptr : &it->second;
  };
  FrameRequest request;
  request.contentWidth = request.titleWidth = size.width;
  request.contentHeight = request.titleHeight = size.height;
  for (auto _ : state) benchmark::DoNotOptimize(BuildStyleFrame(style, lookup, request).Width());
}

}  // namespace

void RegisterFrameBenchmarks(BenchLineReporter&) {
  for (int style = 0; style < kStyleCount; ++style)
    for (const ContentSize size : kSizes) {
      const std::string name = "frame_style" + std::to_string(style) + "_" + std::to_string(size.width) + "x" +
                               std::to_string(size.height);
      Repeated(benchmark::RegisterBenchmark(name.c_str(), BuildFrame, style, size)->Unit(benchmark::kMillisecond));
    }
}
