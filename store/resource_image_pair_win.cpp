#include "store/resource_image_pair_win.h"

#include <vector>

#include "win/handles_win.h"
#include "win/dib_picture_win.h"
#include "pixels/pixel_routines.h"

namespace {

// The colour picture as a 24-bit bitmap.
UniqueBitmap ColourBitmap(const Picture32& picture) {
  DibPicture24 dib(picture.Width(), picture.Height());
  Copy32To24(picture.View(), dib.View());
  return dib.ReleaseBitmap();
}

// The mask as a monochrome bitmap: set (transparent) where the mask is light.
UniqueBitmap MaskBitmap(const Picture32& mask) {
  const int rowBytes = (mask.Width() + 15) / 16 * 2;  // monochrome rows are word-aligned
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(mask.Height()), 0);
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      const Pixel32 p = mask.At(x, y);
      if (p.r + p.g + p.b >= 3 * 128) bits[static_cast<std::size_t>(y * rowBytes + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  return UniqueBitmap(CreateBitmap(mask.Width(), mask.Height(), 1, 1, bits.data()));
}

}  // namespace

ResourceLoadStatus LoadResourceImagePair(const std::wstring& name, HIMAGELIST list, int dpi, HMODULE module) {
  const ResourceBitmap picture = LoadScaledPicture(name, dpi, module);
  if (picture.status != ResourceLoadStatus::kOk) return picture.status;
  const ResourceBitmap mask = LoadScaledPicture(name + L"MASK", dpi, module);
  if (mask.status != ResourceLoadStatus::kOk) return mask.status;
  const UniqueBitmap colour = ColourBitmap(picture.picture);
  const UniqueBitmap monochrome = MaskBitmap(mask.picture);
  ImageList_Add(list, colour.Get(), monochrome.Get());  // the list copies both; ours are freed here
  return ResourceLoadStatus::kOk;
}
