#include "sticker/resampler.h"

#include <algorithm>
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

// Rounds half to even (the default floating-point rounding) and clamps.
inline std::uint8_t ToChannel(float value) {
  if (value <= 0.0f) return 0;
  if (value >= 255.0f) return 255;
  constexpr float kRoundingShift = 12582912.0f;  // 1.5 * 2^23: adding it drops the fraction
  return static_cast<std::uint8_t>((value + kRoundingShift) - kRoundingShift);
}

void HorizontalPass(const View24& source, const View24& scratch, const ContributorLists& columns) {
  for (int y = 0; y < source.height; ++y) {
    const Pixel24* in = source.Row(y);
    Pixel24* out = scratch.Row(y);
    for (int i = 0; i < scratch.width; ++i) {
      float b = 0, g = 0, r = 0;
      for (int k = columns.start[i]; k < columns.start[i + 1]; ++k) {
        const Contributor c = columns.items[static_cast<std::size_t>(k)];
        const Pixel24 p = in[c.index];
        b += c.weight * p.b;
        g += c.weight * p.g;
        r += c.weight * p.r;
      }
      out[i] = {ToChannel(b), ToChannel(g), ToChannel(r)};
    }
  }
}

void VerticalPass(const View24& scratch, const View24& destination, const ContributorLists& rows) {
  const std::size_t channels = static_cast<std::size_t>(destination.width) * 3;
  std::vector<float> sums(channels);
  for (int i = 0; i < destination.height; ++i) {
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (int k = rows.start[i]; k < rows.start[i + 1]; ++k) {
      const Contributor c = rows.items[static_cast<std::size_t>(k)];
      const std::uint8_t* in = reinterpret_cast<const std::uint8_t*>(scratch.Row(c.index));
      for (std::size_t x = 0; x < channels; ++x) sums[x] += c.weight * in[x];
    }
    std::uint8_t* out = reinterpret_cast<std::uint8_t*>(destination.Row(i));
    for (std::size_t x = 0; x < channels; ++x) out[x] = ToChannel(sums[x]);
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
  Picture24 scratch(destination.width, source.height);
  HorizontalPass(source, scratch.View(), BuildContributors(source.width, destination.width));
  VerticalPass(scratch.View(), destination, BuildContributors(source.height, destination.height));
}
