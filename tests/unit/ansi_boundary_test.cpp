// Stored text is cut between characters, never inside a double-byte one.

#include <gtest/gtest.h>

#include <string>

#include "store/short_string.h"
#include "store/sticker_record.h"
#include "text/ansi_boundary.h"

namespace {

// The lead bytes of code page 932.
LeadBytes ShiftJisLeads() {
  LeadBytes lead;
  lead.Add(0x81, 0x9F);
  lead.Add(0xE0, 0xFC);
  return lead;
}

// "\x93\xfa" and "\x96\x7b": two characters of code page 932, each a lead
// byte and a second byte.
const std::string kTwoKanji = "\x93\xfa\x96\x7b";

TEST(AnsiBoundary, ACutNeverSplitsADoubleByteCharacter) {
  const LeadBytes dbcs = ShiftJisLeads(), single;
  const struct {
    std::string text;
    std::size_t capacity;
    const LeadBytes* lead;
    std::size_t fitting;
  } cases[] = {
      {"abc", 5, &dbcs, 3},                 // fits whole
      {"abcdef", 4, &single, 4},            // single-byte: any byte is a boundary
      {"\x93\xfa\x96\x7b", 3, &single, 3},  // ... even inside what 932 would pair
      {"a" + kTwoKanji, 2, &dbcs, 1},       // the lead byte would stand alone
      {"a" + kTwoKanji, 3, &dbcs, 3},
      {"a" + kTwoKanji, 4, &dbcs, 3},
      {kTwoKanji + "z", 4, &dbcs, 4},
      {kTwoKanji + "z", 3, &dbcs, 2},
      // A second byte that is also a lead byte: 0x95 0x81 is one character,
      // so that 0x81 leads nothing; looking only at the byte before the cut
      // would take it for a lead byte and split the 0x95 0x81.
      {"\x95\x81xyz", 2, &dbcs, 2},
      {"\x95\x81\x81\x40x", 3, &dbcs, 2},
      {"\x95\x81\x81\x40x", 4, &dbcs, 4},
      {"\x95\x81\x81\x40x", 1, &dbcs, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FittingLength(c.text, c.capacity, *c.lead), c.fitting) << c.text.size() << " into " << c.capacity;
}

// Every stored string takes the code page of the system, as the program sets it.
class StoredTextCut : public testing::Test {
 protected:
  StoredTextCut() { SetAnsiLeadBytes(ShiftJisLeads()); }
  ~StoredTextCut() override { SetAnsiLeadBytes(LeadBytes()); }
};

TEST_F(StoredTextCut, ShortStringsAndTheBodyTextEndOnAWholeCharacter) {
  ShortString<4> name{};
  name.Assign("x" + kTwoKanji);  // five bytes into four
  EXPECT_EQ(name.Str(), "x\x93\xfa");
  EXPECT_EQ(name.chars[3], '\0');
  name.Assign(kTwoKanji);
  EXPECT_EQ(name.Str(), kTwoKanji);

  StickerRecord record = NewStickerRecord(0);
  std::string text(kStickerTextCapacity - 1, 'a');
  text += kTwoKanji;
  SetStickerText(record, text);
  EXPECT_EQ(GetStickerText(record), std::string(kStickerTextCapacity - 1, 'a'));
  EXPECT_EQ(record.text[kStickerTextCapacity - 1], '+');  // the unused byte is filler, not half a character
}

}  // namespace
