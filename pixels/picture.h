#pragma once
// Pictures whose rows the pixel routines address directly: 24-bit (blue, green,
// red) and 32-bit (blue, green, red, alpha with straight, not premultiplied,
// alpha). Rows run top to bottom and start on 4-byte boundaries, as in a
// top-down device-independent bitmap, so a view can also look at a DIB section.

#include <cstddef>
#include <cstdint>
#include <vector>

struct Pixel24 {
  std::uint8_t b, g, r;
  bool operator==(const Pixel24&) const = default;
};

struct Pixel32 {
  std::uint8_t b, g, r, a;
  bool operator==(const Pixel32&) const = default;
};

static_assert(sizeof(Pixel24) == 3 && sizeof(Pixel32) == 4);

// A picture lent to a routine: not owned.
template <typename Pixel>
struct PixelView {
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next

  Pixel* Row(int y) const { return reinterpret_cast<Pixel*>(bits + y * stride); }
  Pixel& At(int x, int y) const { return Row(y)[x]; }
  bool Empty() const { return width <= 0 || height <= 0; }
};

using View24 = PixelView<Pixel24>;
using View32 = PixelView<Pixel32>;

// The part of a view from (x, y), width x height, cut to the view's bounds.
template <typename Pixel>
PixelView<Pixel> SubView(const PixelView<Pixel>& view, int x, int y, int width, int height) {
  const int x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
  const int x1 = x + width > view.width ? view.width : x + width;
  const int y1 = y + height > view.height ? view.height : y + height;
  if (x1 <= x0 || y1 <= y0) return {};
  return {view.bits + y0 * view.stride + x0 * static_cast<std::ptrdiff_t>(sizeof(Pixel)), x1 - x0, y1 - y0, view.stride};
}

// Bytes of one row padded to a multiple of four.
constexpr std::ptrdiff_t RowBytes(int width, std::size_t pixelSize) {
  return static_cast<std::ptrdiff_t>((static_cast<std::size_t>(width) * pixelSize + 3) / 4 * 4);
}

// A picture that owns its pixels; new pixels are zero (transparent black).
template <typename Pixel>
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height) { Resize(width, height); }

  void Resize(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    stride_ = RowBytes(width_, sizeof(Pixel));
    storage_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelView<Pixel> View() { return {storage_.data(), width_, height_, stride_}; }
  PixelView<Pixel> View() const { return {const_cast<std::uint8_t*>(storage_.data()), width_, height_, stride_}; }
  Pixel* Row(int y) { return View().Row(y); }
  const Pixel* Row(int y) const { return View().Row(y); }
  Pixel& At(int x, int y) { return Row(y)[x]; }
  const Pixel& At(int x, int y) const { return Row(y)[x]; }

 private:
  std::vector<std::uint8_t> storage_;
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t stride_ = 0;
};

using Picture24 = Picture<Pixel24>;
using Picture32 = Picture<Pixel32>;
