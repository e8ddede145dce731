#pragma once
// Inflating zlib streams (two-byte header, deflate data, Adler-32 checksum),
// the only compression the program reads. The whole stream goes through in
// one call; the inflated size is not stored anywhere and is found by running
// to the end of the stream.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The inflated bytes of one picture never come near this; a stream that would
// grow beyond it is treated as damaged rather than filling memory.
inline constexpr std::size_t kMaxInflatedBytes = std::size_t{64} << 20;

struct InflateResult {
  bool ok = false;  // false: the stream is damaged, cut short or too large
  bool tooLarge = false;  // it would grow beyond the limit asked for
  std::vector<std::uint8_t> bytes;
};

// Inflates one zlib stream that starts at the first byte; bytes after the end
// of the stream are ignored.
[[nodiscard]] InflateResult Inflate(std::span<const std::uint8_t> compressed, std::size_t maxBytes = kMaxInflatedBytes);

// Replaces the buffer's content with its inflated content. An empty buffer
// stays empty; on failure the buffer is left unchanged and false returned.
[[nodiscard]] bool InflateInPlace(std::vector<std::uint8_t>& buffer);
