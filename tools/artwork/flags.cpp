// The flag strip of the language menu and its image-list mask.
//
// Each flag is drawn from its rule in the flag table and placed at the
// picture index the program looks its code up by, so the strip and the
// program's code list cannot drift apart. The strip is stored with 8 bits,
// so its colours are reduced to one palette of at most 256.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "artwork_set.h"
#include "flag_draw.h"
#include "lang/flag_codes.h"
#include "pixels/picture_scale.h"

namespace {

constexpr int kFlagCount = 230;
constexpr int kMaskCells = kFlagCount + 1;  // the mask has one extra, empty cell
constexpr std::size_t kPaletteSize = 256;

// The code list names "tg" twice, the second time right after "th"; the
// program only ever finds the first, so the later place repeats that picture.
constexpr const char* kRepeatedCode = "tg";
constexpr const char* kRepeatedAfter = "th";

// Codes whose flags are drawn alike on purpose: territories that fly
// another country's flag, and pairs that differ only in shade or proportion.
const std::vector<std::vector<std::string>> kLookAlikes = {{"no", "bv", "sj"}, {"au", "hm"}, {"ro", "td"}, {"id", "mc"}};

int IndexOf(const std::string& code) { return FlagIndex(std::wstring(code.begin(), code.end())); }

bool SamePicture(const Image& a, const Image& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const Rgba p = a.At(x, y), q = b.At(x, y);
      if (p.r != q.r || p.g != q.g || p.b != q.b || p.a != q.a) return false;
    }
  return true;
}

bool MeantAlike(const std::string& a, const std::string& b) {
  for (const auto& group : kLookAlikes)
    if (std::find(group.begin(), group.end(), a) != group.end() && std::find(group.begin(), group.end(), b) != group.end())
      return true;
  return false;
}

// A rule copied under the wrong code shows the wrong flag for a language;
// refuse two identical flags unless they are meant to be alike.
void CheckDistinct(const std::vector<flags::FlagRule>& rules, const std::vector<Image>& pictures) {
  for (std::size_t i = 0; i < rules.size(); ++i)
    for (std::size_t j = i + 1; j < rules.size(); ++j)
      if (SamePicture(pictures[i], pictures[j]) && !MeantAlike(rules[i].code, rules[j].code))
        throw std::runtime_error("flags " + rules[i].code + " and " + rules[j].code + " are drawn alike");
}

}  // namespace

void DrawFlags(ArtworkSet& set) {
  const std::vector<flags::FlagRule>& rules = flags::FlagRules();
  std::vector<Image> pictures;
  for (const flags::FlagRule& rule : rules) pictures.push_back(flags::RenderFlag(rule.layers, set.Dpi()));
  CheckDistinct(rules, pictures);

  std::vector<const Image*> byPlace(kFlagCount, nullptr);
  for (std::size_t i = 0; i < rules.size(); ++i) {
    const int place = IndexOf(rules[i].code);
    if (place < 0 || place >= kFlagCount) throw std::runtime_error("flag rule for a code not in the list: " + rules[i].code);
    if (byPlace[place]) throw std::runtime_error("two flag rules for code " + rules[i].code);
    byPlace[place] = &pictures[i];
  }
  const int repeatAt = IndexOf(kRepeatedAfter) + 1;
  if (repeatAt <= 0 || repeatAt >= kFlagCount || byPlace[repeatAt] || IndexOf(kRepeatedCode) < 0)
    throw std::runtime_error("the flag code list no longer repeats tg after th");
  byPlace[repeatAt] = byPlace[IndexOf(kRepeatedCode)];
  for (int place = 0; place < kFlagCount; ++place)
    if (!byPlace[place]) throw std::runtime_error("no flag drawn for picture " + std::to_string(place));

  const int cellWidth = ScaleToDpi(flags::kCellWidth, set.Dpi()), height = ScaleToDpi(flags::kHeight, set.Dpi());
  Image strip(kFlagCount * cellWidth, height);
  Image mask(kMaskCells * cellWidth, height, Grey8(255));
  for (int place = 0; place < kFlagCount; ++place) {
    const Image& flag = *byPlace[place];
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < cellWidth; ++x) {
        const Rgba p = flag.At(x, y);
        const int sx = place * cellWidth + x;
        // Black under the transparent part, as an image list draws the
        // picture over the masked background.
        strip.At(sx, y) = p.a > 0 ? Rgba{p.r, p.g, p.b, 1} : Grey8(0);
        if (p.a > 0) mask.At(sx, y) = Grey8(0);
      }
  }
  flags::ReduceColours(strip, kPaletteSize);
  set.Add("BITMAP_FLAGS", std::move(strip));
  set.Add("BITMAP_FLAGSMASK", std::move(mask));
}
