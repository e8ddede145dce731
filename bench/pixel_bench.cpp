// Throughput of the resampler (beside stb's Mitchell resize on the same
// pictures) and of the single-pass routines (beside a plain memory copy).

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

#include <cstring>
#include <random>
#include <string>

#include "bench_registry.h"
#include "pixels/pixel_routines.h"
#include "pixels/resampler.h"

namespace {

struct ResizeCase {
  int sw, sh, dw, dh;
  std::string Name() const {
    return std::to_string(sw) + "x" + std::to_string(sh) + "_to_" + std::to_string(dw) + "x" + std::to_string(dh);
  }
};

// Stretching template pieces to sticker sizes, and one shrink.
const ResizeCase kResizeCases[] = {
    {239, 60, 239, 101}, {239, 60, 520, 400}, {239, 60, 1040, 770}, {1040, 770, 239, 101}};

constexpr int kPictureWidth = 1024, kPictureHeight = 786;

template <typename Pixel>
Picture<Pixel> Noise(int w, int h, unsigned seed) {
  Picture<Pixel> p(w, h);
  std::mt19937 random(seed);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint8_t*>(p.Row(y));
    for (std::size_t i = 0; i < static_cast<std::size_t>(w) * sizeof(Pixel); ++i)
      row[i] = static_cast<std::uint8_t>(random());
  }
  return p;
}

void OurResample(benchmark::State& state, ResizeCase c) {
  const Picture24 source = Noise<Pixel24>(c.sw, c.sh, 1);
  Picture24 destination(c.dw, c.dh);
  for (auto _ : state) {
    Resample(source.View(), destination.View());
    benchmark::DoNotOptimize(destination.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * c.dw * c.dh);
}

void StbResample(benchmark::State& state, ResizeCase c) {
  const Picture24 source = Noise<Pixel24>(c.sw, c.sh, 1);
  Picture24 destination(c.dw, c.dh);
  const View24 s = source.View(), d = destination.View();
  for (auto _ : state) {
    stbir_resize_uint8_generic(s.bits, s.width, s.height, static_cast<int>(s.stride), d.bits, d.width, d.height,
                               static_cast<int>(d.stride), 3, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_REFLECT,
                               STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_LINEAR, nullptr);
    benchmark::DoNotOptimize(destination.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * c.dw * c.dh);
}

void MemoryCopy32(benchmark::State& state) {
  const Picture32 source = Noise<Pixel32>(kPictureWidth, kPictureHeight, 2);
  Picture32 destination(kPictureWidth, kPictureHeight);
  const std::size_t bytes = static_cast<std::size_t>(source.View().stride) * kPictureHeight;
  for (auto _ : state) {
    std::memcpy(destination.View().bits, source.View().bits, bytes);
    benchmark::DoNotOptimize(destination.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * kPictureWidth * kPictureHeight);
}

void AlphaBlendFull(benchmark::State& state) {
  const Picture32 source = Noise<Pixel32>(kPictureWidth, kPictureHeight, 3);
  Picture32 destination = Noise<Pixel32>(kPictureWidth, kPictureHeight, 4);
  for (auto _ : state) {
    AlphaBlend(source.View(), destination.View(), 0, 0);
    benchmark::DoNotOptimize(destination.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * kPictureWidth * kPictureHeight);
}

void TextMergeFull(benchmark::State& state) {
  const Picture24 colour = Noise<Pixel24>(kPictureWidth, kPictureHeight, 5);
  const Picture24 mask = Noise<Pixel24>(kPictureWidth, kPictureHeight, 6);
  Picture32 destination = Noise<Pixel32>(kPictureWidth, kPictureHeight, 7);
  for (auto _ : state) {
    TextMerge(colour.View(), mask.View(), destination.View(), 0, 0);
    benchmark::DoNotOptimize(destination.Row(0));
  }
  state.SetItemsProcessed(state.iterations() * kPictureWidth * kPictureHeight);
}

}  // namespace

void RegisterPixelBenchmarks(BenchLineReporter& reporter) {
  for (const ResizeCase& c : kResizeCases) {
    const std::string ours = "resample_ours_" + c.Name(), stb = "resample_stb_" + c.Name();
    Repeated(benchmark::RegisterBenchmark(ours.c_str(), OurResample, c));
    Repeated(benchmark::RegisterBenchmark(stb.c_str(), StbResample, c));
    reporter.CompareThroughput("resample_ours_vs_stb_" + c.Name(), ours, stb);
  }
  Repeated(benchmark::RegisterBenchmark("memcpy_1024x786_32bit", MemoryCopy32));
  Repeated(benchmark::RegisterBenchmark("alpha_blend_1024x786", AlphaBlendFull));
  Repeated(benchmark::RegisterBenchmark("text_merge_1024x786", TextMergeFull));
  reporter.CompareThroughput("alpha_blend_vs_memcpy", "alpha_blend_1024x786", "memcpy_1024x786_32bit");
  reporter.CompareThroughput("text_merge_vs_memcpy", "text_merge_1024x786", "memcpy_1024x786_32bit");
}
