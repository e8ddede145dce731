// Building each style's frame, from the generated artwork, at three content
// sizes; and every style's frame for a typical note at 100 %, 150 % and
// 200 %, each scale from its own pictures, compared with 100 % from one run.

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "artwork_set.h"
#include "bench_registry.h"
#include "pixels/picture_scale.h"
#include "sticker/frame_builders.h"

namespace {

struct ContentSize {
  int width, height;
};
constexpr ContentSize kSizes[] = {{240, 60}, {480, 300}, {1024, 786}};
// The typical note at 100 %: five lines beside a 24-pixel icon.
constexpr ContentSize kTypicalNote{200, 90};
constexpr int kScaleDpis[] = {96, 144, 192};

using SkinSet = std::map<std::string, Picture24, std::less<>>;

SkinSet DrawSkinSet(int dpi) {
  ArtworkSet set(dpi);
  DrawSkins(set);
  SkinSet pictures;
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
}

const SkinSet& Skins(int dpi) {
  static std::map<int, SkinSet> sets;
  auto it = sets.find(dpi);
  if (it == sets.end()) it = sets.emplace(dpi, DrawSkinSet(dpi)).first;
  return it->second;
}

SkinLookup Lookup() {
  return [](std::string_view name, int dpi) -> const Picture24* {
    const SkinSet& skins = Skins(dpi);
    const auto it = skins.find(name);
    return it == skins.end() ? nullptr : &it->second;
  };
}

FrameRequest Request(ContentSize size) {
  FrameRequest request;
  request.contentWidth = request.titleWidth = size.width;
  request.contentHeight = request.titleHeight = size.height;
  return request;
}

void BuildFrame(benchmark::State& state, int style, ContentSize size) {
  const SkinLookup lookup = Lookup();
  const FrameRequest request = Request(size);
  for (auto _ : state) benchmark::DoNotOptimize(BuildStyleFrame(style, lookup, request, kDefaultDpi).Width());
}

// All eighteen styles once: the content, like the layout, measured at the scale.
void BuildEveryStyleAtScale(benchmark::State& state, int dpi) {
  const SkinLookup lookup = Lookup();
  const FrameRequest request = Request({ScaleToDpi(kTypicalNote.width, dpi), ScaleToDpi(kTypicalNote.height, dpi)});
  for (int style = 0; style < kStyleCount; ++style) lookup(Style(style).colourName, dpi);  // draw the set first
  for (auto _ : state)
    for (int style = 0; style < kStyleCount; ++style)
      benchmark::DoNotOptimize(BuildStyleFrame(style, lookup, request, dpi).Width());
}

std::string ScaleName(int dpi) { return "frame_build_" + std::to_string(dpi * 100 / kDefaultDpi) + "pct"; }

}  // namespace

void RegisterFrameBenchmarks(BenchLineReporter& reporter) {
  for (int style = 0; style < kStyleCount; ++style)
    for (const ContentSize size : kSizes) {
      const std::string name = "frame_style" + std::to_string(style) + "_" + std::to_string(size.width) + "x" +
                               std::to_string(size.height);
      Repeated(benchmark::RegisterBenchmark(name.c_str(), BuildFrame, style, size)->Unit(benchmark::kMillisecond));
    }
  for (const int dpi : kScaleDpis)
    Repeated(benchmark::RegisterBenchmark(ScaleName(dpi).c_str(), BuildEveryStyleAtScale, dpi)->Unit(benchmark::kMillisecond));
  for (const int dpi : kScaleDpis) {
    if (dpi == kDefaultDpi) continue;
    reporter.CompareTime(ScaleName(dpi) + "_to_100pct", ScaleName(dpi), ScaleName(kDefaultDpi));
  }
}
