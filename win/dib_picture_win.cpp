#include "win/dib_picture_win.h"

template <typename Pixel>
DibPicture<Pixel>::DibPicture(int width, int height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(sizeof(Pixel) * 8);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) return;
  view_ = {static_cast<std::uint8_t*>(bits), width, height, RowBytes(width, sizeof(Pixel))};
  // Fresh DIB sections are zeroed by the system.
}

template class DibPicture<Pixel24>;
template class DibPicture<Pixel32>;

DibDrawingContext::DibDrawingContext(HBITMAP bitmap)
    : dc_(CreateCompatibleDC(nullptr)), selection_(dc_.Get(), bitmap) {}
