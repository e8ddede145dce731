#include "pixels/inflate.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

InflateResult Inflate(std::span<const std::uint8_t> compressed, std::size_t maxBytes) {
  InflateResult result;
  if (compressed.empty()) return result;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return result;

  // Deflate rarely gains more than four to one on pictures; start there and
  // double, so that a large picture costs a few reallocations, not many. One
  // byte of room beyond the limit tells a stream of exactly the limit from a
  // longer one.
  const std::size_t capacity = maxBytes + 1;
  std::vector<std::uint8_t> out(std::min(capacity, std::max<std::size_t>(compressed.size() * 4, 4096)));
  std::size_t inDone = 0;
  int status = Z_OK;
  while (true) {
    if (stream.avail_in == 0 && inDone < compressed.size()) {
      const std::size_t chunk = std::min<std::size_t>(compressed.size() - inDone, std::numeric_limits<uInt>::max());
      stream.next_in = const_cast<Bytef*>(compressed.data() + inDone);
      stream.avail_in = static_cast<uInt>(chunk);
      inDone += chunk;
    }
    if (stream.total_out == out.size()) {
      if (out.size() >= capacity) break;  // grew beyond the limit
      out.resize(std::min(capacity, out.size() * 2));
    }
    const std::size_t room = std::min<std::size_t>(out.size() - stream.total_out, std::numeric_limits<uInt>::max());
    stream.next_out = out.data() + stream.total_out;
    stream.avail_out = static_cast<uInt>(room);
    status = inflate(&stream, Z_NO_FLUSH);
    if (status == Z_STREAM_END) break;
    if (status == Z_BUF_ERROR && stream.avail_in == 0 && inDone == compressed.size()) break;  // cut short
    if (status != Z_OK && status != Z_BUF_ERROR) break;  // damaged data, wrong header or checksum, dictionary
  }
  const std::size_t produced = stream.total_out;
  inflateEnd(&stream);
  result.tooLarge = produced > maxBytes;
  if (status != Z_STREAM_END || result.tooLarge) return result;
  out.resize(produced);
  result.ok = true;
  result.bytes = std::move(out);
  return result;
}

bool InflateInPlace(std::vector<std::uint8_t>& buffer) {
  if (buffer.empty()) return true;
  InflateResult inflated = Inflate(buffer);
  if (!inflated.ok) return false;
  buffer = std::move(inflated.bytes);
  return true;
}
