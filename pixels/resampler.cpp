#include "pixels/resampler.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace {

constexpr double kSupport = 2.0;

struct Contributor {
  int index;
  float weight;
};

// For each destination position, the source positions that contribute to it
// and their weights: items[start[i]] .. items[start[i + 1] - 1].
struct ContributorLists {
  std::vector<int> start;
  std::vector<Contributor> items;
};

// Mirrors a position that lies outside 0..size-1 back inside. One reflection
// covers what the filter reaches in a source of two or more pixels; the clamp
// keeps tiny sources (one pixel) inside too.
int MirrorIndex(int j, int size) {
  if (j < 0) j = -j;
  if (j >= size) j = 2 * size - j - 1;
  return std::clamp(j, 0, size - 1);
}

ContributorLists BuildContributors(int sourceSize, int destinationSize) {
  ContributorLists lists;
  lists.start.reserve(static_cast<std::size_t>(destinationSize) + 1);
  const double scale = static_cast<double>(destinationSize) / sourceSize;
  const bool shrinking = scale < 1.0;
  const double width = shrinking ? kSupport / scale : kSupport;
  const double filterScale = shrinking ? scale : 1.0;
  for (int i = 0; i < destinationSize; ++i) {
    lists.start.push_back(static_cast<int>(lists.items.size()));
    const double centre = i / scale;
    const int left = static_cast<int>(std::floor(centre - width));
    const int right = static_cast<int>(std::ceil(centre + width));
    for (int j = left; j <= right; ++j) {
      const double weight = MitchellFilter((centre - j) * filterScale) * filterScale;
      if (weight != 0.0) lists.items.push_back({MirrorIndex(j, sourceSize), static_cast<float>(weight)});
    }
  }
  lists.start.push_back(static_cast<int>(lists.items.size()));
  return lists;
}

// Rounds half to even (the default floating-point rounding) and clamps to
// 0..255. Adding 1.5 * 2^23 leaves a float whose mantissa holds the rounded
// integer; integer arithmetic then lets loops of this vectorise.
inline std::int32_t RoundToInt(float value) {
  constexpr float kRoundingShift = 12582912.0f;
  constexpr std::int32_t kShiftBits = 0x4B400000;
  return std::bit_cast<std::int32_t>(value + kRoundingShift) - kShiftBits;
}

inline std::uint8_t ToChannel(float value) { return static_cast<std::uint8_t>(std::clamp(RoundToInt(value), 0, 255)); }

inline float RoundAndClamp(float value) { return static_cast<float>(ToChannel(value)); }

// The scratch picture of the horizontal pass keeps its rounded, clamped
// channel values as floats, so the vertical pass needs no conversions.
struct Scratch {
  int width, height;
  std::vector<float> channels;
  const float* Row(int y) const { return channels.data() + static_cast<std::size_t>(y) * width * 3; }
  float* Row(int y) { return channels.data() + static_cast<std::size_t>(y) * width * 3; }
};

void HorizontalPass(const View24& source, Scratch& scratch, const ContributorLists& columns) {
  std::vector<float> row(static_cast<std::size_t>(source.width) * 3);
  for (int y = 0; y < source.height; ++y) {
    const std::uint8_t* in = reinterpret_cast<const std::uint8_t*>(source.Row(y));
    for (std::size_t x = 0; x < row.size(); ++x) row[x] = in[x];
    float* out = scratch.Row(y);
    for (int i = 0; i < scratch.width; ++i) {
      float b = 0, g = 0, r = 0;
      for (int k = columns.start[i]; k < columns.start[i + 1]; ++k) {
        const Contributor c = columns.items[static_cast<std::size_t>(k)];
        const float* p = row.data() + 3 * static_cast<std::size_t>(c.index);
        b += c.weight * p[0];
        g += c.weight * p[1];
        r += c.weight * p[2];
      }
      out[3 * i] = RoundAndClamp(b);
      out[3 * i + 1] = RoundAndClamp(g);
      out[3 * i + 2] = RoundAndClamp(r);
    }
  }
}

// Each destination row is a weighted sum of a few scratch rows. The row is
// summed in chunks small enough that the sums stay in the first-level cache
// while every contributing row is added.
void VerticalPass(const Scratch& scratch, const View24& destination, const ContributorLists& rows) {
  constexpr std::size_t kChunk = 1024;
  const std::size_t channels = static_cast<std::size_t>(destination.width) * 3;
  float sums[kChunk];
  for (int i = 0; i < destination.height; ++i) {
    const int first = rows.start[i], end = rows.start[i + 1];
    std::uint8_t* out = reinterpret_cast<std::uint8_t*>(destination.Row(i));
    for (std::size_t x0 = 0; x0 < channels; x0 += kChunk) {
      const std::size_t n = std::min(kChunk, channels - x0);
      std::fill_n(sums, n, 0.0f);
      for (int k = first; k < end; ++k) {
        const Contributor c = rows.items[static_cast<std::size_t>(k)];
        const float* in = scratch.Row(c.index) + x0;
        for (std::size_t x = 0; x < n; ++x) sums[x] += c.weight * in[x];
      }
      for (std::size_t x = 0; x < n; ++x) out[x0 + x] = ToChannel(sums[x]);
    }
  }
}

}  // namespace

double MitchellFilter(double x) {
  const double t = std::fabs(x);
  if (t < 1.0) return (7.0 * t * t * t - 12.0 * t * t + 16.0 / 3.0) / 6.0;
  if (t < 2.0) return (-7.0 / 3.0 * t * t * t + 12.0 * t * t - 20.0 * t + 32.0 / 3.0) / 6.0;
  return 0.0;
}

void Resample(const View24& source, const View24& destination) {
  if (source.Empty() || destination.Empty()) return;
  Scratch scratch{destination.width, source.height,
                  std::vector<float>(static_cast<std::size_t>(destination.width) * source.height * 3)};
  HorizontalPass(source, scratch, BuildContributors(source.width, destination.width));
  VerticalPass(scratch, destination, BuildContributors(source.height, destination.height));
}
