// libFuzzer target for the readers of untrusted pictures: the same bytes go
// to the BMP reader, the picture-pack reader and the inflater. A finding is a
// sanitizer report, a crash, a time-out or an allocation beyond the limits.

#include <cstddef>
#include <cstdint>
#include <span>

#include "pixels/bmp_reader.h"
#include "pixels/inflate.h"
#include "store/picture_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);

  const BmpReadResult bmp = ReadBmp(bytes);
  if (bmp.Ok() && (bmp.picture.Width() <= 0 || bmp.picture.Height() <= 0)) __builtin_trap();

  TATBitmap list;
  const PackReadResult pack = ReadPicturePack(bytes, list);
  if (pack.added != list.Count()) __builtin_trap();
  for (int i = 0; i < list.Count(); ++i) {
    const Picture32& p = list.PictureAt(i);
    if (p.Width() > kMaxBmpSide || p.Height() > kMaxBmpSide) __builtin_trap();
    (void)p.At(p.Width() - 1, p.Height() - 1);
  }

  (void)Inflate(bytes);
  return 0;
}
