#include "text/ansi_boundary.h"

namespace {
LeadBytes& CurrentLeadBytes() {
  static LeadBytes lead;
  return lead;
}
}  // namespace

void LeadBytes::Add(std::uint8_t first, std::uint8_t last) {
  for (unsigned b = first; b <= last; ++b) lead_.set(b);
}

// A lead byte may also be a second byte, so the walk starts at the front:
// only there is it known where characters begin.
std::size_t FittingLength(std::string_view text, std::size_t capacity, const LeadBytes& lead) {
  if (text.size() <= capacity) return text.size();
  if (lead.None()) return capacity;
  std::size_t at = 0;
  while (at < capacity) {
    const std::size_t width = lead.IsLead(text[at]) ? 2 : 1;
    if (at + width > capacity) break;
    at += width;
  }
  return at;
}

void SetAnsiLeadBytes(const LeadBytes& lead) { CurrentLeadBytes() = lead; }
const LeadBytes& AnsiLeadBytes() { return CurrentLeadBytes(); }
