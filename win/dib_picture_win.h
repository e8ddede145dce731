#pragma once
// Pictures backed by a top-down DIB section: GDI draws into the same memory
// that the pixel routines read and write through View().

#include <windows.h>

#include "win/handles_win.h"
#include "pixels/picture.h"

template <typename Pixel>
class DibPicture {
 public:
  // A zeroed picture; a size of zero or less gives an empty one.
  DibPicture(int width, int height);

  PixelView<Pixel> View() const { return view_; }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  // Hands the bitmap over to a new owner; the picture is empty afterwards.
  UniqueBitmap ReleaseBitmap() {
    view_ = {};
    return std::move(bitmap_);
  }
  int Width() const { return view_.width; }
  int Height() const { return view_.height; }

 private:
  UniqueBitmap bitmap_;
  PixelView<Pixel> view_;
};

using DibPicture24 = DibPicture<Pixel24>;
using DibPicture32 = DibPicture<Pixel32>;

// A memory device context with a DIB picture selected into it, for drawing.
class DibDrawingContext {
 public:
  explicit DibDrawingContext(HBITMAP bitmap);
  HDC Get() const { return dc_.Get(); }

 private:
  UniqueMemoryDc dc_;
  ScopedSelectObject selection_;
};

// Copies the picture to a device context at (x, y).
template <typename Pixel>
void BlitPicture(HDC target, int x, int y, const DibPicture<Pixel>& picture) {
  const DibDrawingContext source(picture.Bitmap());
  BitBlt(target, x, y, picture.Width(), picture.Height(), source.Get(), 0, 0, SRCCOPY);
}
