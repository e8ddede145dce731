#include "artwork_set.h"

#include <iostream>
#include <stdexcept>

#include "store/resource_table.h"

void ArtworkSet::Add(const std::string& name, Image image) {
  if (!pictures_.emplace(name, std::move(image)).second) throw std::runtime_error("picture drawn twice: " + name);
}

namespace {

// Checks the drawn pictures against the table at the set's scale.
void Check(const ArtworkSet& set) {
  int missing = 0;
  for (const ResourceEntry& entry : ResourceTable()) {
    const auto it = set.Pictures().find(entry.name);
    if (it == set.Pictures().end()) {
      std::cerr << "not drawn yet: " << entry.name << "\n";
      ++missing;
      continue;
    }
    const PictureSize size = ScaledPictureSize(entry, set.Dpi());
    if (it->second.Width() != size.width || it->second.Height() != size.height)
      throw std::runtime_error(std::string("wrong size: ") + entry.name + " at " + std::to_string(set.Dpi()) + " dpi");
  }
  if (missing > 0) throw std::runtime_error(std::to_string(missing) + " pictures not drawn");
  for (const auto& [name, picture] : set.Pictures())
    if (!FindResourceEntry(name)) throw std::runtime_error("not a resource of the program: " + name);
}

}  // namespace

ArtworkSet DrawArtworkSet(int dpi) {
  ArtworkSet set(dpi);
  DrawSkins(set);
  DrawButtons(set);
  DrawIcons(set);
  DrawGlyphs(set);
  DrawFlags(set);
  DrawAboutWindow(set);
  Check(set);
  return set;
}
