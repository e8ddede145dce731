#pragma once
// Where stored ANSI text may be cut. In the double-byte code pages (932, 936,
// 949, 950) a character is one byte or a lead byte and a second byte; a cut
// between the two leaves half a character that shows as garbage and swallows
// the byte after it. The bytes that lead are the platform's knowledge: the
// Win32 side tells them once at start-up (UseSystemAnsiCodePage), until then
// every byte is a whole character.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>

class LeadBytes {
 public:
  LeadBytes() = default;  // a single-byte code page
  void Add(std::uint8_t first, std::uint8_t last);
  bool IsLead(char c) const { return lead_[static_cast<std::uint8_t>(c)]; }
  bool None() const { return lead_.none(); }

 private:
  std::bitset<256> lead_;
};

// The longest start of `text` of at most `capacity` bytes that ends on a
// character boundary.
std::size_t FittingLength(std::string_view text, std::size_t capacity, const LeadBytes& lead);

// The lead bytes of the code page that stored text is in.
void SetAnsiLeadBytes(const LeadBytes& lead);
const LeadBytes& AnsiLeadBytes();

inline std::string_view FittingStart(std::string_view text, std::size_t capacity) {
  return text.substr(0, FittingLength(text, capacity, AnsiLeadBytes()));
}
