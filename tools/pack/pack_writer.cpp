#include "pack_writer.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<std::uint8_t> packed(size);
  if (compress2(packed.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), 9) != Z_OK)
    throw std::runtime_error("zlib failed");
  packed.resize(size);
  return packed;
}

std::vector<std::uint8_t> WritePicturePack(const std::vector<PackPicture>& pictures, bool compress) {
  constexpr std::size_t kLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  if (pictures.size() > (kLimit - 16) / 12) throw std::runtime_error("too many pictures for one pack");
  std::vector<std::vector<std::uint8_t>> stored;
  stored.reserve(pictures.size());
  std::size_t total = 16 + 12 * pictures.size();
  for (const PackPicture& p : pictures) {
    stored.push_back(compress ? ZlibCompress(p.bmp) : p.bmp);
    total += stored.back().size();
    if (stored.back().size() > kLimit) throw std::runtime_error("a picture is too large for a pack");
  }

  std::vector<std::uint8_t> out;
  out.reserve(total);
  Put32(out, static_cast<std::uint32_t>(pictures.size()));
  Put32(out, 0);  // reserved
  Put32(out, 0);
  out.push_back(compress ? 1 : 0);
  out.insert(out.end(), 3, 0);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    Put32(out, 0);  // reserved
    Put32(out, static_cast<std::uint32_t>(stored[i].size()));
    Put32(out, static_cast<std::uint32_t>(pictures[i].number));
  }
  for (const auto& data : stored) out.insert(out.end(), data.begin(), data.end());
  return out;
}
