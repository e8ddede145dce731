#pragma once
// A stored short string: one length byte followed by up to N ANSI characters.
// Longer values are cut to at most N bytes, on a character boundary of the
// ANSI code page; bytes behind the length are undefined in files written by
// others and are never read.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/ansi_boundary.h"

template <std::size_t N>
struct ShortString {
  static constexpr std::size_t kCapacity = N;
  std::uint8_t length;
  char chars[N];

  void Assign(std::string_view value) {
    const std::size_t n = FittingStart(value, N).size();
    std::copy_n(value.data(), n, chars);
    std::fill(chars + n, chars + N, '\0');
    length = static_cast<std::uint8_t>(n);
  }

  // A stored length above N (a foreign or damaged file) reads as N characters.
  std::string_view View() const { return {chars, std::min<std::size_t>(length, N)}; }
  std::string Str() const { return std::string(View()); }
};
