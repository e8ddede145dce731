#include "store/file_snapshot.h"

namespace {

constexpr std::uint64_t kSeed = 0x27D4EB2F165667C5ull;
constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;

// One word into the running value: a multiply spreads it, the rotation
// moves the high bits down for the next one.
std::uint64_t Round(std::uint64_t h, std::uint64_t word) {
  h += word * kPrime2;
  h = (h << 31) | (h >> 33);
  return h * kPrime1;
}

// The final mix of a 64-bit value, so that every input bit reaches every
// output bit.
std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= kPrime2;
  h ^= h >> 29;
  h *= kPrime1;
  h ^= h >> 33;
  return h;
}

// Eight bytes as a little-endian number, the same on every machine.
std::uint64_t Word(const std::uint8_t* bytes, std::size_t count) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i) word |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  return word;
}

}  // namespace

std::uint64_t ContentHash(std::span<const std::uint8_t> bytes) {
  std::uint64_t h = kSeed ^ bytes.size();
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) h = Round(h, Word(bytes.data() + at, 8));
  if (at < bytes.size()) h = Round(h, Word(bytes.data() + at, bytes.size() - at));
  return Mix(h);
}

FileSnapshot SnapshotOf(std::span<const std::uint8_t> bytes, std::uint64_t writeTime) {
  return {bytes.size(), writeTime, ContentHash(bytes)};
}

bool SameBytes(const FileSnapshot& a, const FileSnapshot& b) { return a.size == b.size && a.hash == b.hash; }

void KnownFile::Remember(std::span<const std::uint8_t> bytes, std::uint64_t writeTime) {
  snapshot_ = SnapshotOf(bytes, writeTime);
  base_.assign(bytes.begin(), bytes.end());
}

bool KnownFile::MayDiffer(std::uint64_t size, std::uint64_t writeTime) const {
  return size != snapshot_.size || writeTime != snapshot_.writeTime;
}

bool KnownFile::Differs(std::span<const std::uint8_t> bytes) const {
  return !SameBytes(SnapshotOf(bytes, 0), snapshot_);
}
